#include "cover_messages.h"

#include <cstdio>

#include "cover_resource.h"
#include "cover_values.h"

void LoadCoverString(UINT id, char *text, int size)
{
    if (size <= 0)
        return;
    text[0] = '\0';
    LoadStringA(g_coverModule, id + (g_coverEnglish ? IDS_ENGLISH_OFFSET : 0), text, size);
}

void ShowPictureFault(HWND owner, const char *path, PictureFault fault)
{
    char format[256], reason[256], text[1024];
    LoadCoverString(IDS_PICTURE_REFUSED, format, sizeof(format));
    LoadCoverString(IDS_PICTURE_FAULT_BASE + UINT(fault), reason, sizeof(reason));
    // The format is the library's own string: the path, then the reason.
    snprintf(text, sizeof(text), format, path, reason);
    MessageBoxA(owner, text, "Lumo", MB_OK | MB_ICONERROR);
}

void ShowPrintFailure(HWND owner)
{
    char text[256];
    LoadCoverString(IDS_PRINT_FAILED, text, sizeof(text));
    MessageBoxA(owner, text, "Lumo", MB_OK | MB_ICONERROR);
}
