// The steps of a lookup, run one after the other by the worker. Every
// failure ends the lookup (state 0) after its log entry and status 7;
// only the normal path sends "quit".
#include "lookup.h"

#include <cstdio>
#include <cstring>

#include "cddb_commands.h"
#include "cddb_entry.h"
#include "cddb_session.h"
#include "choice_dialog.h"
#include "choice_list.h"
#include "connection.h"
#include "netinfo.h"
#include "reports.h"
#include "transaction_log.h"

int g_lookupState = 0;
DiscTable g_discTable;
char g_discId[9] = "00000000";
char g_category[64] = "";
char g_discTitle[256] = "";
char g_server[256] = "";
int g_port = 0;

namespace {

DWORD g_entryDeadline = 0;

int Connect()
{
    ReportStatus(NETINFO_STATUS_CONNECTING);
    return ConnectToHost(g_server, g_port) ? 2 : 0;
}

int SendQuery()
{
    ReportStatus(NETINFO_STATUS_QUERYING);
    char command[1024];
    if (!FormatQueryCommand(command, sizeof(command), g_discId, g_discTable) || !SendText(command)) {
        LogOutgoing("ERROR Sending \"cddb query %s %i ...\"\n", g_discId, g_discTable.trackCount);
        ReportStatus(NETINFO_STATUS_ERROR);
        return 0;
    }
    LogOutgoing("%s", command);
    return 6;
}

// The category that starts the text of a 200 reply; false when the text
// holds no blank or the word is no category.
bool TakeCategory(const char *text)
{
    const char *blank = strchr(text, ' ');
    const size_t n = blank ? size_t(blank - text) : 0;
    if (n == 0 || n >= sizeof(g_category) || strcspn(text, "\r\n\t") < n)
        return false;
    memcpy(g_category, text, n);
    g_category[n] = '\0';
    return true;
}

int TakeChoice()
{
    LogOutgoing("Found inexact matches of CD %s, requesting user answer.\n", g_discId);
    Proposal chosen;
    const bool taken = ChooseProposal(g_reply.text, &chosen);
    ClearReply(&g_reply, kReplyCapacity);
    if (!taken) {
        LogOutgoing("User didn't want to make a choice or bad cddb disc proposal.\n");
        return 0;
    }
    memcpy(g_category, chosen.category, sizeof(g_category));
    memcpy(g_discId, chosen.discId, sizeof(g_discId));
    memcpy(g_discTitle, chosen.title, sizeof(g_discTitle));
    LogOutgoing("User selected title %s. (ID=%s)\n", g_discTitle, g_discId);
    return 7;
}

int JudgeQueryReply()
{
    ClearReply(&g_reply, kReplyCapacity);
    if (!ReceiveReply(&g_reply, 1024)) {
        LogIncoming("ERROR receiving the Disc category ...\n");
        ReportStatus(NETINFO_STATUS_ERROR);
        return 0;
    }
    const char *text = ReplyText(g_reply.text);
    switch (ReplyCode(g_reply.text)) {
    case 200:
        ReportStatus(NETINFO_STATUS_FOUND);
        if (!TakeCategory(text)) {
            LogReceivedText(text);
            return 0;
        }
        LogIncoming("CD Found in Database, category %s.\n", g_category);
        return 7;
    case 211:
        ReportStatus(NETINFO_STATUS_FOUND);
        return TakeChoice();
    case 202:
        ReportStatus(NETINFO_STATUS_NOT_FOUND);
        return 0;
    default:
        return 0;
    }
}

int SendRead()
{
    char command[128];
    snprintf(command, sizeof(command), "cddb read %s %s\n", g_category, g_discId);
    if (!SendText(command)) {
        ReportStatus(NETINFO_STATUS_ERROR);
        LogOutgoing("ERROR Sending \"cddb read %s %s\"\n", g_category, g_discId);
        return 0;
    }
    LogOutgoing("%s", command);
    ClearReply(&g_reply, kReplyCapacity);
    g_entryDeadline = ReplyDeadline();
    return 8;
}

// The titles of a complete read reply go to the main window and the song list.
int TakeEntry()
{
    const char *entry = g_reply.text;
    if (ReplyCode(entry) != 210) {
        LogReceivedText(ReplyText(entry));
        return 0;
    }
    if (!EntryHasDiscId(entry)) {
        LogIncoming("ERROR Receiving the CD Information (Bad informlation received) ...\n");
        ReportStatus(NETINFO_STATUS_ERROR);
        return 0;
    }
    EntryDiscTitle(entry, g_discTitle, sizeof(g_discTitle));
    ReportTitle(g_discTitle);
    char title[256];
    for (int i = 0; i < g_discTable.trackCount; ++i) {
        EntryTrackTitle(entry, i, title, sizeof(title));
        ReportTrackTitle(i, title);
    }
    LogIncoming("CD Infos successfully received (%s)\n", g_discTitle);
    return 9;
}

int ReceiveEntryPart()
{
    ReportStatus(NETINFO_STATUS_RECEIVING);
    char part[1024];
    const int n = ReceivePart(part, sizeof(part), g_entryDeadline);
    if (n > 0)
        AppendReply(&g_reply, part, size_t(n));
    if (ReplyComplete(&g_reply))
        return TakeEntry();
    if (n <= 0 || ReplyTooLong(&g_reply)) {
        LogIncoming("ERROR Receiving the CD Information ...\n");
        ReportStatus(NETINFO_STATUS_ERROR);
        return 0;
    }
    return 8;
}

int Quit()
{
    SendQuit();
    ReportStatus(NETINFO_STATUS_CONNECTING);
    return 0;
}

} // namespace

void RunLookupStep()
{
    switch (g_lookupState) {
    case 1: g_lookupState = Connect(); break;
    case 2: g_lookupState = ReceiveServerLine() ? 3 : 0; break;
    case 3: g_lookupState = SendHello() ? 4 : 0; break;
    case 4: g_lookupState = ReceiveServerLine() ? 5 : 0; break;
    case 5: g_lookupState = SendQuery(); break;
    case 6: g_lookupState = JudgeQueryReply(); break;
    case 7: g_lookupState = SendRead(); break;
    case 8: g_lookupState = ReceiveEntryPart(); break;
    case 9: g_lookupState = Quit(); break;
    default: g_lookupState = 0; break;
    }
}
