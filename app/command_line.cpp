#include "command_line.h"

#include <cstring>

#include "../ui/fold_text.h"
#include "text_values.h"

int ParsePlayRequest(const char *commandLine)
{
    if (commandLine == nullptr || commandLine[0] == '\0')
        return 0;

    // The shell's command line has no length limit of its own; a longer one
    // is folded and searched in its first 300 characters.
    char folded[301];
    CopyText(folded, sizeof(folded), commandLine);
    FoldDisplayText(folded);

    if (strstr(folded, "PLAY") == nullptr)
        return 0;
    const char *track = strstr(folded, "TRACK");
    if (track == nullptr)
        return 1;

    // The character right after TRACK is taken whatever it is, then digits.
    char number[256];
    size_t n = 0;
    const char *p = track + 5;
    if (*p != '\0')
        number[n++] = *p++;
    while (n < sizeof(number) - 1 && *p >= '0' && *p <= '9')
        number[n++] = *p++;
    number[n] = '\0';
    return SignedDecimalValue(number);
}
