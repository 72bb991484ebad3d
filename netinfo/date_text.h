// Date and time texts of the log and of the QuickUpdate settings. No
// Windows header.
#ifndef LUMO_NETINFO_DATE_TEXT_H
#define LUMO_NETINFO_DATE_TEXT_H

#include <cstddef>

// Local time, with the fields of the system's local time.
struct LocalStamp {
    int year;
    int month;    // 1..12
    int day;      // 1..31
    int weekday;  // 0 Sunday .. 6 Saturday
    int hour;
    int minute;
    int second;
};

// "MM/DD/YY-HH:MM:SS", the stamp of a log entry.
void FormatLogStamp(const LocalStamp &stamp, char *text, size_t size);

// "Thu Dec 11 09:05:03 2026": weekday and month in English, the day with a
// leading zero (24 characters), the text of the last successful check.
void FormatLastCheck(const LocalStamp &stamp, char *text, size_t size);

#endif
