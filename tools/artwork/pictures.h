// The catalogue of pictures the artwork program can render. Each source
// file of art keeps its own table and one function returning it; the
// catalogue in pictures.cpp lists those functions.
//
// To add art: write `Canvas draw_x()` in a new file, list it in a table
//   static const Picture kPictures[] = {
//       {"splash", BmpFormat::Indexed8, 72, draw_splash, nullptr},
//   };
//   PictureList splash_pictures() { return {kPictures, std::size(kPictures)}; }
// then declare splash_pictures() below, add it to kGroups in pictures.cpp
// and the file to ARTWORK_PICTURE_SOURCES in CMakeLists.txt.
#ifndef LUMO_ARTWORK_PICTURES_H
#define LUMO_ARTWORK_PICTURES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bmp.h"
#include "canvas.h"
#include "palette.h"

struct Picture {
  const char* name;  // file name without ".bmp"
  BmpFormat format;
  // Colours in the file's palette (biClrUsed), 1..bmp_max_colors(format);
  // 0 for 24-bit.
  int palette_size;
  Canvas (*draw)();
  // A fixed colour table of exactly palette_size entries, for art whose
  // consumer needs colours at given indices; nullptr builds the table from
  // the picture's own colours (sorted, then black to fill).
  Palette (*palette)();
};

struct PictureList {
  const Picture* items;
  size_t count;
};

PictureList testcard_pictures();

// Every registered picture, in catalogue order.
std::vector<const Picture*> all_pictures();
const Picture* find_picture(const char* name);

// Draws the picture and encodes it in its format. `canvas`, when given,
// receives the drawing as it went into the file.
bool render_picture(const Picture& picture, std::vector<uint8_t>* bmp, Canvas* canvas,
                    std::string* error);

#endif
