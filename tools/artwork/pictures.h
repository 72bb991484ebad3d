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

// An icon file (.ico) made of registered pictures, one image per size.
// Register it in the picture's source file next to its images:
//   static const char* const kImages[] = {"icone-32", "icone-16"};
//   static const IconPicture kIcons[] = {{"icone", kImages, std::size(kImages), key}};
//   IconList x_icons() { return {kIcons, std::size(kIcons)}; }
// then declare x_icons() below and add it to kIconGroups in pictures.cpp.
struct IconPicture {
  const char* name;  // file name without ".ico"
  const char* const* images;
  size_t image_count;
  // Pixels of this colour are transparent (AND mask set, colour black).
  Rgb transparent;
};

struct IconList {
  const IconPicture* items;
  size_t count;
};

PictureList testcard_pictures();
PictureList lumo_pictures();
PictureList netinfo_icon_pictures();
PictureList steel_button_pictures();
PictureList steel_icon_pictures();
PictureList steel_font_pictures();
PictureList steel_label_pictures();
PictureList steel_panel_pictures();
PictureList track_icon_pictures();
IconList lumo_icons();
PictureList tray_pictures();
IconList tray_icons();
PictureList tip_pictures();
IconList tip_icons();
IconList track_icon_icons();

// Every registered picture, in catalogue order.
std::vector<const Picture*> all_pictures();
const Picture* find_picture(const char* name);
// The palette size of the picture drawn by `draw` (0 when none is), so a
// drawing that reduces its own colours names the figure only once, in its
// table.
int registered_palette_size(Canvas (*draw)());

// Draws the picture and encodes it in its format. `canvas`, when given,
// receives the drawing as it went into the file.
bool render_picture(const Picture& picture, std::vector<uint8_t>* bmp, Canvas* canvas,
                    std::string* error);

std::vector<const IconPicture*> all_icons();
const IconPicture* find_icon(const char* name);

// Draws the icon's images and encodes them as one .ico file, each image in
// its picture's format and palette (RLE4 cannot go into an icon).
bool render_icon(const IconPicture& icon, std::vector<uint8_t>* ico, std::string* error);

#endif
