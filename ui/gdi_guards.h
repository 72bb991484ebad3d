// Scope guards for the GDI objects a drawing makes and must give back
// before it returns: a window DC, a memory DC, an object it created, and an
// object selected into a DC. Declared in that order, they undo themselves
// in the right one: the selection first, then the object, then the DC.
#ifndef LUMO_GDI_GUARDS_H
#define LUMO_GDI_GUARDS_H

#include <windows.h>

// A window's DC; none for a null window (never the screen's by mistake).
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(window != NULL ? GetDC(window) : NULL) {}
    ~WindowDC()
    {
        if (dc_ != NULL)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC &) = delete;
    WindowDC &operator=(const WindowDC &) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The screen's DC, for bitmaps in the screen's format.
class ScreenDC {
public:
    ScreenDC() : dc_(GetDC(NULL)) {}
    ~ScreenDC()
    {
        if (dc_ != NULL)
            ReleaseDC(NULL, dc_);
    }
    ScreenDC(const ScreenDC &) = delete;
    ScreenDC &operator=(const ScreenDC &) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC()
    {
        if (dc_ != NULL)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Deletes a bitmap, pen or brush the drawing created.
class OwnedObject {
public:
    explicit OwnedObject(HGDIOBJ object) : object_(object) {}
    ~OwnedObject()
    {
        if (object_ != NULL)
            DeleteObject(object_);
    }
    OwnedObject(const OwnedObject &) = delete;
    OwnedObject &operator=(const OwnedObject &) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// Selects an object into a DC and puts the previous one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc != NULL && object != NULL ? SelectObject(dc, object) : NULL)
    {
    }
    ~Selection()
    {
        if (previous_ != NULL)
            SelectObject(dc_, previous_);
    }
    Selection(const Selection &) = delete;
    Selection &operator=(const Selection &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

#endif
