// The tray icons while playing and while paused: the program's disc with a
// badge in the bottom-right corner, a green play triangle or amber pause
// bars, big enough to read at 16 pixels.
#include <iterator>

#include "lumo_icon.h"
#include "pictures.h"

namespace {

const Rgb kBadge = rgb_hex(0x101418);
const Rgb kBadgeEdge = rgb_hex(0xD0D8E0);
const Rgb kPlayGreen = rgb_hex(0x30E050);
const Rgb kPauseAmber = rgb_hex(0xFFB020);

enum class Badge { kPlaying, kPaused };

Canvas draw_state_icon(int size, Badge badge) {
  Canvas c = draw_lumo_icon(size);
  // The badge covers a quarter of the icon at 16 pixels, a little less at 32.
  const int side = size >= 32 ? 15 : 9;
  const int x = size - side, y = size - side;
  fill_rect(c, x, y, side, side, kBadge);
  draw_rect(c, x, y, side, side, kBadgeEdge);
  const int inner = side - 4;  // the glyph's square inside the edge and a margin
  const int gx = x + 2, gy = y + 2;
  if (badge == Badge::kPlaying) {
    const Point triangle[] = {{gx + inner / 5, gy}, {gx + inner / 5, gy + inner}, {gx + inner, gy + inner / 2}};
    fill_polygon(c, triangle, int(std::size(triangle)), kPlayGreen);
  } else {
    const int bar = inner >= 9 ? 3 : 2;
    fill_rect(c, gx + (inner >= 9 ? 1 : 0), gy, bar, inner, kPauseAmber);
    fill_rect(c, gx + inner - bar - (inner >= 9 ? 1 : 0), gy, bar, inner, kPauseAmber);
  }
  return c;
}

Canvas draw_playing_32() { return draw_state_icon(32, Badge::kPlaying); }
Canvas draw_playing_16() { return draw_state_icon(16, Badge::kPlaying); }
Canvas draw_paused_32() { return draw_state_icon(32, Badge::kPaused); }
Canvas draw_paused_16() { return draw_state_icon(16, Badge::kPaused); }

const Picture kPictures[] = {
    {"iconeplay-32", BmpFormat::Indexed8, 256, draw_playing_32, nullptr},
    {"iconeplay-16", BmpFormat::Indexed8, 256, draw_playing_16, nullptr},
    {"iconepause-32", BmpFormat::Indexed8, 256, draw_paused_32, nullptr},
    {"iconepause-16", BmpFormat::Indexed8, 256, draw_paused_16, nullptr},
};

const char* const kPlayingImages[] = {"iconeplay-32", "iconeplay-16"};
const char* const kPausedImages[] = {"iconepause-32", "iconepause-16"};

}  // namespace

PictureList tray_pictures() { return {kPictures, std::size(kPictures)}; }

IconList tray_icons() {
  static const IconPicture kIcons[] = {
      {"iconeplay", kPlayingImages, std::size(kPlayingImages), lumo_icon_key()},
      {"iconepause", kPausedImages, std::size(kPausedImages), lumo_icon_key()},
  };
  return {kIcons, std::size(kIcons)};
}
