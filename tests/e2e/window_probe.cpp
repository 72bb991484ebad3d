// window_probe.dll: loaded into lumo.exe by the tests' hook; answers a
// capture request (window_probe.h) on the main window's own thread.
#include <cstdio>
#include <cstring>

#include "window_probe.h"

namespace {

// Copies the client area into `out` (0xRRGGBB, top row first).
bool CaptureClient(HWND window, int width, int height, UINT32 *out)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC windowDC = GetDC(window);
    if (windowDC == nullptr)
        return false;
    HDC memory = CreateCompatibleDC(windowDC);
    void *bits = nullptr;
    HBITMAP dib = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memory != nullptr && dib != nullptr) {
        HGDIOBJ old = SelectObject(memory, dib);
        ok = BitBlt(memory, 0, 0, width, height, windowDC, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        if (ok) {
            const UINT32 *pixels = static_cast<const UINT32 *>(bits);
            for (size_t i = 0; i < size_t(width) * size_t(height); ++i)
                out[i] = pixels[i] & 0xFFFFFF;
        }
        SelectObject(memory, old);
    }
    if (dib != nullptr)
        DeleteObject(dib);
    if (memory != nullptr)
        DeleteDC(memory);
    ReleaseDC(window, windowDC);
    return ok;
}

void AnswerRequest(HWND window, DWORD testProcess)
{
    char name[64];
    e2e::ProbeMappingName(name, sizeof(name), testProcess);
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (mapping == nullptr)
        return;
    void *view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, e2e::kProbeMappingSize);
    if (view != nullptr) {
        e2e::ProbeRequest *request = static_cast<e2e::ProbeRequest *>(view);
        UINT32 *frames = reinterpret_cast<UINT32 *>(request + 1);
        HWND target = request->target != 0 ? HWND(UINT_PTR(request->target)) : window;
        RECT client;
        GetClientRect(target, &client);
        const int width = client.right, height = client.bottom;
        const size_t frameSize = size_t(width) * size_t(height);
        const size_t room = (e2e::kProbeMappingSize - sizeof(*request)) / sizeof(UINT32);
        request->width = width;
        request->height = height;
        request->frames = 0;
        request->ok = 0;
        if (width > 0 && height > 0 && request->sends < UINT(e2e::kProbeMaxFrames) &&
            frameSize * (request->sends + 1) <= room) {
            bool ok = CaptureClient(target, width, height, frames);
            for (UINT i = 0; ok && i < request->sends; ++i) {
                SendMessageA(window, request->message, WPARAM(request->wParam), LPARAM(request->lParam));
                ok = CaptureClient(target, width, height, frames + frameSize * (i + 1));
            }
            request->frames = ok ? INT32(request->sends + 1) : 0;
            request->ok = ok ? 1 : 0;
        }
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = RegisterWindowMessageA(e2e::kProbeMessageName);
    if (code == HC_ACTION) {
        const CWPSTRUCT *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
        if (sent->message == probeMessage)
            AnswerRequest(sent->hwnd, DWORD(sent->wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
