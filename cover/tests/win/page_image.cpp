#include "page_image.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool Near(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 48)
            return false;
    }
    return true;
}

bool IsInk(uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) < 600;
}

// The next header number of a PPM, skipping blanks and comments.
bool PpmNumber(FILE *file, int *value)
{
    int c = fgetc(file);
    while (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '#') {
        if (c == '#') {
            while (c != '\n' && c != EOF)
                c = fgetc(file);
        }
        c = fgetc(file);
    }
    *value = 0;
    if (c < '0' || c > '9')
        return false;
    while (c >= '0' && c <= '9') {
        *value = *value * 10 + (c - '0');
        c = fgetc(file);
    }
    return true;  // the one blank after the number is consumed
}

} // namespace

uint32_t PageImage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0xFFFFFF;
    return pixels[size_t(y) * size_t(width) + size_t(x)];
}

int PageImage::InkIn(int left, int top, int right, int bottom) const
{
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            ink += IsInk(At(x, y));
    }
    return ink;
}

int PageImage::ColourIn(uint32_t rgb, int left, int top, int right, int bottom) const
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += Near(At(x, y), rgb);
    }
    return count;
}

PageImage CaptureWindow(HWND window)
{
    PageImage image;
    RECT client = {};
    GetClientRect(window, &client);
    image.width = client.right;
    image.height = client.bottom;
    if (image.width <= 0 || image.height <= 0)
        return PageImage();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.width, image.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const uint32_t *source = static_cast<const uint32_t *>(bits);
    image.pixels.assign(source, source + size_t(image.width) * size_t(image.height));
    for (uint32_t &pixel : image.pixels)
        pixel &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return image;
}

PageImage ReadPpm(const std::string &path)
{
    PageImage image;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return image;
    int maximum = 0;
    if (fgetc(file) == 'P' && fgetc(file) == '6' && PpmNumber(file, &image.width) &&
        PpmNumber(file, &image.height) && PpmNumber(file, &maximum) && maximum == 255 && image.width > 0 &&
        image.height > 0) {
        std::vector<unsigned char> rgb(size_t(image.width) * size_t(image.height) * 3);
        if (fread(rgb.data(), 1, rgb.size(), file) == rgb.size()) {
            image.pixels.resize(rgb.size() / 3);
            for (size_t i = 0; i < image.pixels.size(); ++i)
                image.pixels[i] = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
        }
    }
    fclose(file);
    if (image.pixels.empty())
        return PageImage();
    return image;
}
