#include "cddb_session.h"

#include <winsock2.h>
#include <cstring>

#include "cddb_commands.h"
#include "connection.h"
#include "netinfo.h"
#include "netinfo_values.h"
#include "reports.h"
#include "transaction_log.h"

ReplyBuffer g_reply;

bool ReceiveServerLine()
{
    ClearReply(&g_reply, 256);
    if (!ReceiveReply(&g_reply, 255)) {
        LogIncoming("ERROR Waiting for host HELLO ...\n");
        ReportStatus(NETINFO_STATUS_ERROR);
        return false;
    }
    LogReceivedText(ReplyText(g_reply.text));
    ReportStatus(NETINFO_STATUS_ANSWERED);
    return true;
}

bool SendHello()
{
    char host[129] = "", user[129] = "";
    if (gethostname(host, sizeof(host)) != 0)
        host[0] = '\0';
    host[sizeof(host) - 1] = '\0';
    DWORD size = sizeof(user);
    if (!GetUserNameA(user, &size))
        user[0] = '\0';
    user[sizeof(user) - 1] = '\0';

    char command[512];
    FormatHelloCommand(command, sizeof(command), user, host, g_versionText);
    if (!SendText(command)) {
        command[strcspn(command, "\n")] = '\0';
        LogOutgoing("ERROR Sending \"%s\"\n", command);
        ReportStatus(NETINFO_STATUS_ERROR);
        return false;
    }
    LogOutgoing("%s", command);
    return true;
}

void SendQuit()
{
    SendText("quit\n");
    LogOutgoing("Terminating connection\n");
}
