#include "date_text.h"

#include <cstdio>

namespace {

const char *Pick(const char *const *names, int count, int index)
{
    return index >= 0 && index < count ? names[index] : "???";
}

} // namespace

void FormatLogStamp(const LocalStamp &stamp, char *text, size_t size)
{
    snprintf(text, size, "%02d/%02d/%02d-%02d:%02d:%02d", stamp.month, stamp.day, stamp.year % 100, stamp.hour,
             stamp.minute, stamp.second);
}

void FormatLastCheck(const LocalStamp &stamp, char *text, size_t size)
{
    static const char *const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    snprintf(text, size, "%s %s %02d %02d:%02d:%02d %04d", Pick(kWeekdays, 7, stamp.weekday),
             Pick(kMonths, 12, stamp.month - 1), stamp.day, stamp.hour, stamp.minute, stamp.second, stamp.year);
}
