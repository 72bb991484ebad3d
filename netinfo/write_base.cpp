#include "write_base.h"

#include <cstdio>
#include <vector>

#include "disc_id.h"
#include "netinfo_values.h"

namespace {

// A title as one INI value: at most 255 characters, line breaks and other
// control characters as blanks (a line break would end the value and put
// the rest on a line of its own).
void MakeValue(const char *text, char (&value)[256])
{
    size_t n = 0;
    for (; text && text[n] && n + 1 < sizeof(value); ++n) {
        const unsigned char c = static_cast<unsigned char>(text[n]);
        value[n] = c < 0x20 || c == 0x7f ? ' ' : char(c);
    }
    value[n] = '\0';
}

// Item `index` of the list, however long (LB_GETTEXT has no size limit).
void SongText(HWND list, int index, char (&value)[256])
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR || length < 0 || length > 65535) {
        value[0] = '\0';
        return;
    }
    std::vector<char> text(size_t(length) + 1, '\0');
    if (SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data())) == LB_ERR)
        text[0] = '\0';
    text.back() = '\0';
    MakeValue(text.data(), value);
}

} // namespace

int WriteTitles(const char *databasePath, const char *discSection, const char *title, HWND songList,
                int trackCount)
{
    if (!databasePath || !discSection)
        return 0;
    const HWND list = songList ? songList : g_songList;
    char value[256];
    MakeValue(title, value);
    BOOL result = WritePrivateProfileStringA(discSection, "Title", value, databasePath);
    if (trackCount > kMaxDiscTracks)
        trackCount = kMaxDiscTracks;
    for (int i = 1; i <= trackCount; ++i) {
        char key[16];
        snprintf(key, sizeof(key), "Track%i", i);
        SongText(list, i - 1, value);
        result = WritePrivateProfileStringA(discSection, key, value, databasePath);
    }
    return result;
}
