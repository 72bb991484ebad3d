#include "pictures.h"

#include <cstring>

namespace {

PictureList (*const kGroups[])() = {
    testcard_pictures,
};

}  // namespace

std::vector<const Picture*> all_pictures() {
  std::vector<const Picture*> out;
  for (auto group : kGroups) {
    const PictureList list = group();
    for (const Picture* p = list.items; p != list.items + list.count; ++p) out.push_back(p);
  }
  return out;
}

const Picture* find_picture(const char* name) {
  for (const Picture* p : all_pictures())
    if (std::strcmp(p->name, name) == 0) return p;
  return nullptr;
}

bool render_picture(const Picture& picture, std::vector<uint8_t>* bmp, Canvas* canvas,
                    std::string* error) {
  const std::string what = std::string(picture.name) + ": ";
  const int max_colors = bmp_max_colors(picture.format);
  if (max_colors == 0 ? picture.palette_size != 0
                      : picture.palette_size < 1 || picture.palette_size > max_colors) {
    if (error)
      *error = what + "a " + bmp_format_name(picture.format) + " picture cannot have " +
               std::to_string(picture.palette_size) + " palette colours";
    return false;
  }
  const Canvas drawn = picture.draw();
  Palette palette;
  if (picture.palette) {
    palette = picture.palette();
    if (palette.size() != size_t(picture.palette_size)) {
      if (error)
        *error = what + "fixed palette has " + std::to_string(palette.size()) + " colours, not " +
                 std::to_string(picture.palette_size);
      return false;
    }
  } else if (max_colors > 0 && !build_palette(drawn, picture.palette_size, &palette, error)) {
    if (error) *error = what + *error;
    return false;
  }
  if (!encode_bmp(drawn, picture.format, palette, bmp, error)) {
    if (error) *error = what + *error;
    return false;
  }
  if (canvas) *canvas = drawn;
  return true;
}
