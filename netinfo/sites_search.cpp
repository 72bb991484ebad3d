#include "sites_search.h"

#include "cddb_session.h"
#include "connection.h"
#include "netinfo_values.h"
#include "settings_file.h"
#include "sites_list.h"
#include "transaction_log.h"

namespace {

bool SendSites()
{
    if (!SendText("sites\n")) {
        LogOutgoing("ERROR Sending \"sites\" commande\n");
        return false;
    }
    LogOutgoing("sites\n");
    return true;
}

// Only a list (code 210) replaces ports; an error reply stores nothing.
bool ReceiveSites()
{
    ClearReply(&g_reply, 8192);
    if (!ReceiveReply(&g_reply, 1024)) {
        LogIncoming("ERROR Receiving the sites list ...\n");
        return false;
    }
    if (ReplyCode(g_reply.text) != 210) {
        LogReceivedText(ReplyText(g_reply.text));
        return false;
    }
    const char *cursor = FirstSiteLine(g_reply.text);
    SiteEntry site;
    while (NextSite(&cursor, &site))
        WriteSettingNumber("Servers", site.host, site.port);
    return true;
}

} // namespace

int SearchSites(const char *programDir, int logFlag)
{
    if (!SetProgramDirectory(programDir))
        return 0;
    char host[256];
    int port = 0;
    ReadServerSetting("SelectedAddress", host, sizeof(host), &port);
    g_logFlag = logFlag;
    ClearReply(&g_reply, kReplyCapacity);
    if (!ConnectToHost(host, port))
        return 0;
    const bool fetched = ReceiveServerLine() && SendHello() && ReceiveServerLine() && SendSites() && ReceiveSites();
    if (fetched)
        WriteServerSetting("SelectedAddress", host, port);
    SendQuit();
    CloseConnection();
    return fetched ? 1 : 0;
}
