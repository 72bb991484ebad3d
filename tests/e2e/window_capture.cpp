#include "window_capture.h"

#include <cstdio>
#include <cstring>

#include "harness.h"
#include "window_probe.h"

namespace e2e {
namespace {

// window_probe.dll sits next to the test program.
HMODULE ProbeLibrary()
{
    static HMODULE library = [] {
        char path[MAX_PATH];
        DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
        std::string dir(path, length);
        dir.erase(dir.find_last_of('\\') + 1);
        return LoadLibraryA((dir + "window_probe.dll").c_str());
    }();
    return library;
}

class Mapping {
public:
    Mapping()
    {
        char name[64];
        ProbeMappingName(name, sizeof(name), GetCurrentProcessId());
        handle_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, DWORD(kProbeMappingSize), name);
        if (handle_ != nullptr)
            view_ = MapViewOfFile(handle_, FILE_MAP_WRITE, 0, 0, kProbeMappingSize);
    }
    ~Mapping()
    {
        if (view_ != nullptr)
            UnmapViewOfFile(view_);
        if (handle_ != nullptr)
            CloseHandle(handle_);
    }
    Mapping(const Mapping &) = delete;
    Mapping &operator=(const Mapping &) = delete;
    ProbeRequest *request() const { return static_cast<ProbeRequest *>(view_); }
    const uint32_t *frames() const { return reinterpret_cast<const uint32_t *>(request() + 1); }

private:
    HANDLE handle_ = nullptr;
    void *view_ = nullptr;
};

::testing::AssertionResult Probe(HWND window, HWND part, UINT message, WPARAM wParam, LPARAM lParam, unsigned sends,
                                 std::vector<Picture> *frames)
{
    frames->clear();
    HMODULE library = ProbeLibrary();
    HOOKPROC hook = library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(library, kProbeHookName)))
                            : nullptr;
    if (hook == nullptr)
        return ::testing::AssertionFailure() << "window_probe.dll or its hook is missing";
    Mapping mapping;
    if (mapping.request() == nullptr)
        return ::testing::AssertionFailure() << "no mapping for the capture";
    ProbeRequest *request = mapping.request();
    memset(request, 0, sizeof(*request));
    request->target = UINT64(UINT_PTR(part));
    request->message = message;
    request->sends = sends;
    request->wParam = UINT64(wParam);
    request->lParam = INT64(lParam);

    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HHOOK installed = SetWindowsHookExA(WH_CALLWNDPROC, hook, library, thread);
    if (installed == nullptr)
        return ::testing::AssertionFailure() << "SetWindowsHookEx failed with " << GetLastError();
    DWORD_PTR result = 0;
    LRESULT answered = SendMessageTimeoutA(window, RegisterWindowMessageA(kProbeMessageName),
                                           WPARAM(GetCurrentProcessId()), 0, SMTO_NORMAL, kWaitMs, &result);
    UnhookWindowsHookEx(installed);
    if (!answered)
        return ::testing::AssertionFailure() << "the window did not answer the capture";
    if (!request->ok)
        return ::testing::AssertionFailure() << "the capture failed (" << request->width << " x " << request->height
                                             << ")";
    size_t size = size_t(request->width) * size_t(request->height);
    for (int i = 0; i < request->frames; ++i) {
        Picture frame;
        frame.width = request->width;
        frame.height = request->height;
        frame.pixels.assign(mapping.frames() + size * size_t(i), mapping.frames() + size * size_t(i + 1));
        frames->push_back(std::move(frame));
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

uint32_t Picture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    return pixels[size_t(y) * size_t(width) + size_t(x)];
}

::testing::AssertionResult CaptureClient(HWND window, Picture *frame, HWND part)
{
    std::vector<Picture> frames;
    ::testing::AssertionResult captured = Probe(window, part, 0, 0, 0, 0, &frames);
    if (captured && !frames.empty())
        *frame = std::move(frames[0]);
    return captured;
}

::testing::AssertionResult CaptureAround(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned sends,
                                         std::vector<Picture> *frames)
{
    return Probe(window, nullptr, message, wParam, lParam, sends, frames);
}

Picture LoadBitmapResource(const std::string &moduleFile, const char *name)
{
    Picture picture;
    HMODULE module = LoadLibraryExA(moduleFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr)
        return picture;
    HBITMAP bitmap = LoadBitmapA(module, name);
    BITMAP size;
    if (bitmap != nullptr && GetObjectA(bitmap, sizeof(size), &size) != 0) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = size.bmWidth;
        info.bmiHeader.biHeight = -size.bmHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        std::vector<uint32_t> pixels(size_t(size.bmWidth) * size_t(size.bmHeight));
        HDC screen = GetDC(nullptr);
        if (GetDIBits(screen, bitmap, 0, UINT(size.bmHeight), pixels.data(), &info, DIB_RGB_COLORS) ==
            size.bmHeight) {
            picture.width = size.bmWidth;
            picture.height = size.bmHeight;
            for (uint32_t &pixel : pixels)
                pixel &= 0xFFFFFF;
            picture.pixels = std::move(pixels);
        }
        ReleaseDC(nullptr, screen);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    FreeLibrary(module);
    return picture;
}

Picture Tinted(const Picture &art, uint32_t colour)
{
    Picture tinted = art;
    for (uint32_t &pixel : tinted.pixels)
        pixel &= colour;
    return tinted;
}

Picture Crop(const Picture &picture, int x, int y, int width, int height)
{
    Picture part;
    part.width = width;
    part.height = height;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            part.pixels.push_back(picture.At(x + column, y + row));
    return part;
}

bool SameArea(const Picture &frame, int x, int y, const Picture &art, int sx, int sy, int width, int height)
{
    if (sx < 0 || sy < 0 || sx + width > art.width || sy + height > art.height)
        return false;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (frame.At(x + column, y + row) != art.At(sx + column, sy + row))
                return false;
    return true;
}

bool IsBlack(const Picture &frame, int x, int y, int width, int height)
{
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (frame.At(x + column, y + row) != 0)
                return false;
    return true;
}

}  // namespace e2e
