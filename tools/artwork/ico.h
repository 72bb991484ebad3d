// Windows icon files (.ico): an ICONDIR, one ICONDIRENTRY per image, then
// each image as a DIB without its file header: BITMAPINFOHEADER with twice
// the height, colour table, the XOR (colour) rows, then the AND mask rows,
// 1 bit per pixel, both bottom-up and padded to 4 bytes. Where the mask bit
// is set the screen shows through, so those pixels are written black.
#ifndef LUMO_ARTWORK_ICO_H
#define LUMO_ARTWORK_ICO_H

#include <cstdint>
#include <string>
#include <vector>

#include "bmp.h"
#include "canvas.h"
#include "palette.h"

struct IcoImage {
  Canvas canvas;  // 1..256 pixels a side
  // Mono1, Indexed4, Indexed8 or Rgb24; the palette as for encode_bmp.
  BmpFormat format = BmpFormat::Rgb24;
  Palette palette;
  // One byte per pixel, row-major, top row first: non-zero is transparent.
  // Empty: every pixel is opaque.
  std::vector<uint8_t> transparent;
};

// The whole file, images in the order given.
bool encode_ico(const std::vector<IcoImage>& images, std::vector<uint8_t>* out, std::string* error);

// The transparency of a canvas whose pixels of colour `key` are see-through;
// those pixels are turned black, as the icon stores them.
std::vector<uint8_t> take_transparent(Canvas& c, Rgb key);

#endif
