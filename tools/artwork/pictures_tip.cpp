// The tip of the day's icon: a lit bulb on a transparent ground.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "pictures.h"

namespace {

const Rgb kKey = rgb_hex(0xFF00FF);
const Rgb kGlass = rgb_hex(0xFFE860);
const Rgb kGlow = rgb_hex(0xFFF8C0);
const Rgb kOutline = rgb_hex(0x6A5010);
const Rgb kBase = rgb_hex(0x8890A0);
const Rgb kBaseDark = rgb_hex(0x4A5060);

Canvas draw_bulb(int size) {
  Canvas c = make_canvas(size, size, kKey);
  const double s = size / 32.0;
  auto px = [s](double v) { return int(std::lround(v * s)); };
  // The glass: a circle with a narrowing neck.
  fill_ellipse(c, px(6), px(1), px(20), px(20), kOutline);
  fill_ellipse(c, px(7), px(2), px(18), px(18), kGlass);
  fill_rect(c, px(11), px(17), px(10), px(5), kOutline);
  fill_rect(c, px(12), px(17), px(8), px(5), kGlass);
  // A highlight up and to the left.
  fill_ellipse(c, px(10), px(5), px(6), px(6), kGlow);
  // The screw base.
  fill_rect(c, px(11), px(22), px(10), px(8), kBaseDark);
  for (int i = 0; i < 3; ++i) fill_rect(c, px(12), px(23 + 2 * i), px(8), std::max(1, px(1)), kBase);
  fill_rect(c, px(14), px(30), px(4), std::max(1, px(2)), kBaseDark);
  return c;
}

Canvas draw_bulb_32() { return draw_bulb(32); }
Canvas draw_bulb_16() { return draw_bulb(16); }

const Picture kPictures[] = {
    {"tip-32", BmpFormat::Indexed8, 256, draw_bulb_32, nullptr},
    {"tip-16", BmpFormat::Indexed8, 256, draw_bulb_16, nullptr},
};

const char* const kImages[] = {"tip-32", "tip-16"};
const IconPicture kIcons[] = {{"tip", kImages, std::size(kImages), kKey}};

}  // namespace

PictureList tip_pictures() { return {kPictures, std::size(kPictures)}; }
IconList tip_icons() { return {kIcons, std::size(kIcons)}; }
