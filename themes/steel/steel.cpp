// The Steel theme library: two exports that describe the theme, and its skin
// bitmaps as resources.  It links against KERNEL32 alone and carries no C
// runtime, so the copies below are written out by hand.
#include <windows.h>

namespace {

const char kThemeName[] = "Steel Theme for Lumo";
const char kThemeCopyright[] = "Steel theme (c) 2026 the Lumo developers. Free to use and share.";

// Callers hand in a buffer of at least 256 bytes.
const int kCallerBufferSize = 256;

char *CopyThemeText(char *buffer, const char *text)
{
    if (buffer == NULL)
        return buffer;
    int i = 0;
    for (; i < kCallerBufferSize - 1 && text[i] != '\0'; ++i)
        buffer[i] = text[i];
    buffer[i] = '\0';
    return buffer;
}

} // namespace

extern "C" __declspec(dllexport) char *__cdecl ThemeName(char *buffer)
{
    return CopyThemeText(buffer, kThemeName);
}

extern "C" __declspec(dllexport) char *__cdecl ThemeCopyright(char *buffer)
{
    return CopyThemeText(buffer, kThemeCopyright);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
