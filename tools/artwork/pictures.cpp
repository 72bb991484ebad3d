#include "pictures.h"

#include <cstring>

#include "ico.h"

namespace {

PictureList (*const kGroups[])() = {
    testcard_pictures,
    lumo_pictures,
    netinfo_icon_pictures,
    steel_button_pictures,
    steel_icon_pictures,
    steel_font_pictures,
    steel_label_pictures,
    steel_panel_pictures,
    tray_pictures,
    tip_pictures,
    track_icon_pictures,
};

IconList (*const kIconGroups[])() = {
    lumo_icons,
    tray_icons,
    tip_icons,
    track_icon_icons,
};

bool palette_size_fits(const Picture& picture, std::string* error) {
  const int max_colors = bmp_max_colors(picture.format);
  if (max_colors == 0 ? picture.palette_size == 0
                      : picture.palette_size >= 1 && picture.palette_size <= max_colors)
    return true;
  if (error)
    *error = std::string("a ") + bmp_format_name(picture.format) + " picture cannot have " +
             std::to_string(picture.palette_size) + " palette colours";
  return false;
}

// The palette the picture's file gets: its fixed table, or one built from
// the drawing's colours; nothing for 24-bit.
bool picture_palette(const Picture& picture, const Canvas& drawn, Palette* palette,
                     std::string* error) {
  if (!palette_size_fits(picture, error)) return false;
  const int max_colors = bmp_max_colors(picture.format);
  palette->clear();
  if (picture.palette) {
    *palette = picture.palette();
    if (palette->size() != size_t(picture.palette_size)) {
      if (error)
        *error = "fixed palette has " + std::to_string(palette->size()) + " colours, not " +
                 std::to_string(picture.palette_size);
      return false;
    }
    return true;
  }
  return max_colors == 0 || build_palette(drawn, picture.palette_size, palette, error);
}

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

int registered_palette_size(Canvas (*draw)()) {
  for (const Picture* p : all_pictures())
    if (p->draw == draw) return p->palette_size;
  return 0;
}

bool render_picture(const Picture& picture, std::vector<uint8_t>* bmp, Canvas* canvas,
                    std::string* error) {
  const std::string what = std::string(picture.name) + ": ";
  if (!palette_size_fits(picture, error)) {
    if (error) *error = what + *error;
    return false;
  }
  const Canvas drawn = picture.draw();
  Palette palette;
  if (!picture_palette(picture, drawn, &palette, error) ||
      !encode_bmp(drawn, picture.format, palette, bmp, error)) {
    if (error) *error = what + *error;
    return false;
  }
  if (canvas) *canvas = drawn;
  return true;
}

std::vector<const IconPicture*> all_icons() {
  std::vector<const IconPicture*> out;
  for (auto group : kIconGroups) {
    const IconList list = group();
    for (const IconPicture* p = list.items; p != list.items + list.count; ++p) out.push_back(p);
  }
  return out;
}

const IconPicture* find_icon(const char* name) {
  for (const IconPicture* p : all_icons())
    if (std::strcmp(p->name, name) == 0) return p;
  return nullptr;
}

bool render_icon(const IconPicture& icon, std::vector<uint8_t>* ico, std::string* error) {
  std::string scratch;
  if (!error) error = &scratch;
  const std::string what = std::string(icon.name) + ": ";
  std::vector<IcoImage> images;
  for (size_t i = 0; i < icon.image_count; ++i) {
    const Picture* picture = find_picture(icon.images[i]);
    if (!picture) {
      *error = what + "no picture named '" + icon.images[i] + "'";
      return false;
    }
    IcoImage image;
    image.canvas = picture->draw();
    image.format = picture->format;
    image.transparent = take_transparent(image.canvas, icon.transparent);
    if (!picture_palette(*picture, image.canvas, &image.palette, error)) {
      *error = what + picture->name + ": " + *error;
      return false;
    }
    images.push_back(image);
  }
  if (!encode_ico(images, ico, error)) {
    *error = what + *error;
    return false;
  }
  return true;
}
