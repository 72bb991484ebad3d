#include "list_lines.h"

#include <vector>

#include "../app/text_values.h"

bool ReadListLine(HWND list, int index, char *text, size_t size)
{
    if (size == 0)
        return false;
    text[0] = '\0';
    if (index < 0)
        return false;
    LRESULT length = SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0);
    if (length == LB_ERR)
        return false;
    // The list box copies the whole line, whatever room there is.
    if (size_t(length) < size)
        return SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(text)) != LB_ERR;
    std::vector<char> whole(size_t(length) + 1, '\0');
    if (SendMessageA(list, LB_GETTEXT, WPARAM(index), LPARAM(whole.data())) == LB_ERR)
        return false;
    CopyText(text, size, whole.data());
    return true;
}

bool ReplaceListLine(HWND list, int index, const char *text)
{
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (index < 0 || count == LB_ERR || index >= count)
        return false;
    LRESULT data = SendMessageA(list, LB_GETITEMDATA, WPARAM(index), 0);
    bool selected = SendMessageA(list, LB_GETCURSEL, 0, 0) == index;
    SendMessageA(list, LB_DELETESTRING, WPARAM(index), 0);
    LRESULT line = SendMessageA(list, LB_INSERTSTRING, WPARAM(index), LPARAM(text));
    if (line < 0)
        return false;
    SendMessageA(list, LB_SETITEMDATA, WPARAM(line), LPARAM(data));
    // The songs list's selection marks the current track: it stays.
    if (selected)
        SendMessageA(list, LB_SETCURSEL, WPARAM(line), 0);
    return true;
}
