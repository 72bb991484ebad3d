#include "transaction_log.h"

#include <windows.h>
#include <cstdarg>
#include <cstdio>

#include "date_text.h"
#include "log_format.h"
#include "netinfo_values.h"

namespace {

char g_logPath[256] = "";

void WriteEntry(bool incoming, const char *text)
{
    if (!g_logFlag || !g_logPath[0])
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    const LocalStamp stamp = {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
    char stampText[32];
    FormatLogStamp(stamp, stampText, sizeof(stampText));
    char entry[kMaxLogEntry];
    FormatLogEntry(entry, sizeof(entry), stampText, incoming, text);
    // A log that cannot be opened costs the entry, never the exchange.
    FILE *file = fopen(g_logPath, "a");
    if (!file)
        return;
    fputs(entry, file);
    fclose(file);
}

void WriteFormatted(bool incoming, const char *format, va_list arguments)
{
    char text[kMaxLogEntry];
    vsnprintf(text, sizeof(text), format, arguments);
    WriteEntry(incoming, text);
}

} // namespace

void SetLogPath()
{
    if (!ProgramFilePath("NETINFO.LOG", g_logPath, sizeof(g_logPath)))
        g_logPath[0] = '\0';
}

void LogOutgoing(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    WriteFormatted(false, format, arguments);
    va_end(arguments);
}

void LogIncoming(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    WriteFormatted(true, format, arguments);
    va_end(arguments);
}

void LogReceivedText(const char *text)
{
    WriteEntry(true, text);
}

void LogHeader(const char *title, const char *programLine)
{
    WriteEntry(false, "\n");
    WriteEntry(false, title);
    LogOutgoing("%s Lumo network lookup library\n", programLine);
}
