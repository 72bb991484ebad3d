// The player's own pictures: the splash behind the start-up steps and the
// about box, and the program icon. Smooth edges come from drawing shapes
// four times larger and counting the covered sub-pixels; all the shading is
// plain arithmetic (no trigonometry) so every build draws the same bytes.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "pictures.h"

namespace {

const int kSub = 4;  // sub-pixels per pixel side
const int kSubCount = kSub * kSub;

// The program paints its step texts on an opaque cell of this colour at
// y 140, and its notice in white at y 175: the picture keeps those bands
// this colour so the cells disappear into it.
const Rgb kNavy = rgb_hex(0x08085A);
const Rgb kCyan = rgb_hex(0x00FFFF);  // the default LCD colour
const Rgb kWhite = rgb_hex(0xFFFFFF);
// Icon pixels of this colour become transparent.
const Rgb kIconKey = rgb_hex(0xFF00FF);

uint8_t channel_mix(int a, int b, int num, int den) {
  return uint8_t((a * (den - num) + b * num + den / 2) / den);
}

// a and b mixed, num/den of the way towards b.
Rgb mix(Rgb a, Rgb b, int num, int den) {
  return Rgb{channel_mix(a.r, b.r, num, den), channel_mix(a.g, b.g, num, den),
             channel_mix(a.b, b.b, num, den)};
}

uint8_t to_channel(double v) { return uint8_t(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

struct Shade {
  double r = 0, g = 0, b = 0;  // 0..1
  double alpha = 0;            // 0: the backdrop shows through
};

Shade lerp(const Shade& a, const Shade& b, double t) {
  return Shade{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
               a.alpha + (b.alpha - a.alpha) * t};
}

Shade opaque(double r, double g, double b) { return Shade{r, g, b, 1.0}; }

// Fully saturated colour at hue t in [0, 1): red, yellow, green, cyan,
// blue, magenta, back to red, in straight segments.
Shade rainbow(double t) {
  t -= std::floor(t);
  const double h = t * 6.0;
  const int seg = std::min(int(h), 5);
  const double f = h - seg;
  switch (seg) {
    case 0: return opaque(1, f, 0);
    case 1: return opaque(1 - f, 1, 0);
    case 2: return opaque(0, 1, f);
    case 3: return opaque(0, 1 - f, 1);
    case 4: return opaque(f, 0, 1);
    default: return opaque(1, 0, 1 - f);
  }
}

// ---------------------------------------------------------------- the disc

struct Disc {
  double cx, cy, radius;
  bool solid_hub;  // icons: the clear hub is drawn opaque, over no backdrop
};

// The disc seen at (x, y): a silver data side whose brightness follows the
// light along one diagonal, with rainbow fans in the two darker quarters, a
// clear hub and the hole. Angles are handled through cos 2a and sin 2a,
// which are ratios of the offsets.
Shade disc_shade(const Disc& d, double x, double y) {
  const double dx = x - d.cx, dy = y - d.cy;
  const double r2 = dx * dx + dy * dy;
  const double rr = d.radius * d.radius;
  if (r2 > rr || r2 < rr * 0.15 * 0.15) return Shade{};
  const double r = std::sqrt(r2 / rr);
  const double cos2 = r2 > 0 ? (dx * dx - dy * dy) / r2 : 0;
  const double sin2 = r2 > 0 ? 2 * dx * dy / r2 : 0;

  if (r < 0.34) {
    // Clear polycarbonate around the hole, a moulded ring halfway.
    if (d.solid_hub) {
      if (r > 0.25 && r < 0.29) return opaque(0.86, 0.89, 0.94);
      return opaque(0.56, 0.60, 0.70);
    }
    if (r > 0.25 && r < 0.29) return Shade{0.85, 0.89, 0.96, 0.70};
    return Shade{0.72, 0.78, 0.90, 0.38};
  }
  if (r < 0.37) return opaque(0.93, 0.95, 0.99);  // edge of the mirror band
  if (r > 0.975) return opaque(0.52, 0.55, 0.62);  // rim

  // Metal: brightest along the top-left to bottom-right diagonal (sin2 > 0
  // there with y growing downwards), falling off towards the other one.
  const double light = 0.58 + 0.34 * sin2;
  Shade metal = opaque(0.80 * light + 0.12, 0.83 * light + 0.12, 0.90 * light + 0.12);
  // A soft glint near the centre of the bright diagonal.
  const double glint = std::max(0.0, sin2 - 0.75) * 4.0 * std::max(0.0, 1.0 - std::fabs(r - 0.62) * 3.0);
  metal = lerp(metal, opaque(1, 1, 1), std::min(glint, 1.0) * 0.45);

  // Rainbow fans in the other two quarters: hue runs outwards with the
  // radius and bends with the angle, as on a real disc under a lamp.
  const double fan = std::max(0.0, -sin2);
  const double weight = fan * fan * (3 - 2 * fan) * 0.78;
  Shade colour = rainbow(1.55 * r - 0.35 * cos2 + 0.02);
  // Pastel: a CD's colours are light on silver.
  colour = lerp(colour, opaque(1, 1, 1), 0.25);
  return lerp(metal, colour, weight);
}

// Paints the disc, averaging kSub x kSub samples per pixel. On the splash
// the samples blend with the picture underneath; on an icon (key set) a
// pixel is the disc's when half its samples or more are, else the key.
void draw_disc(Canvas& c, const Disc& d, const Rgb* key) {
  const int x0 = std::max(0, int(d.cx - d.radius) - 1);
  const int y0 = std::max(0, int(d.cy - d.radius) - 1);
  const int x1 = std::min(c.width, int(d.cx + d.radius) + 2);
  const int y1 = std::min(c.height, int(d.cy + d.radius) + 2);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      const Rgb under = get_pixel(c, px, py);
      double r = 0, g = 0, b = 0, covered = 0;
      for (int sy = 0; sy < kSub; ++sy) {
        for (int sx = 0; sx < kSub; ++sx) {
          const Shade s = disc_shade(d, px + (sx + 0.5) / kSub, py + (sy + 0.5) / kSub);
          if (key) {
            if (s.alpha <= 0) continue;
            r += s.r;
            g += s.g;
            b += s.b;
            covered += 1;
          } else {
            r += s.r * s.alpha + under.r / 255.0 * (1 - s.alpha);
            g += s.g * s.alpha + under.g / 255.0 * (1 - s.alpha);
            b += s.b * s.alpha + under.b / 255.0 * (1 - s.alpha);
          }
        }
      }
      if (key) {
        if (2 * covered < kSubCount) continue;
        set_pixel(c, px, py, Rgb{to_channel(r / covered), to_channel(g / covered), to_channel(b / covered)});
      } else {
        set_pixel(c, px, py, Rgb{to_channel(r / kSubCount), to_channel(g / kSubCount), to_channel(b / kSubCount)});
      }
    }
  }
}

// ------------------------------------------------------ sub-pixel coverage

// How many of each pixel's sub-pixels a shape covers, 0..kSubCount.
struct Coverage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> count;
  int at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return count[size_t(y) * size_t(width) + size_t(x)];
  }
};

// Counts the lit sub-pixels of a shape drawn white on black kSub times
// larger. `lean` slants it: each sub-pixel row is moved right by
// (base - row) / lean sub-pixels, so rows above `base` lean to the right.
Coverage coverage_of(const Canvas& big, int base, int lean) {
  Coverage cov;
  cov.width = big.width / kSub;
  cov.height = big.height / kSub;
  cov.count.assign(size_t(cov.width) * size_t(cov.height), 0);
  for (int y = 0; y < cov.height * kSub; ++y) {
    const int shift = lean > 0 ? (base - y) / lean : 0;
    for (int x = 0; x < cov.width * kSub; ++x) {
      if (get_pixel(big, x - shift, y).r == 0) continue;
      ++cov.count[size_t(y / kSub) * size_t(cov.width) + size_t(x / kSub)];
    }
  }
  return cov;
}

// Blends `colour(x, y)` into the canvas as much as the shape covers.
template <typename ColourAt>
void paint(Canvas& c, const Coverage& cov, int dx, int dy, ColourAt colour) {
  for (int y = 0; y < cov.height; ++y) {
    for (int x = 0; x < cov.width; ++x) {
      const int n = cov.at(x, y);
      if (n == 0) continue;
      const int px = x + dx, py = y + dy;
      set_pixel(c, px, py, mix(get_pixel(c, px, py), colour(x, y), n, kSubCount));
    }
  }
}

// Shapes in picture pixels on the big canvas (coordinates times kSub).
void big_rect(Canvas& big, double x, double y, double w, double h, Rgb ink) {
  fill_rect(big, int(std::lround(x * kSub)), int(std::lround(y * kSub)), int(std::lround(w * kSub)),
            int(std::lround(h * kSub)), ink);
}

void big_ellipse(Canvas& big, double x, double y, double w, double h, Rgb ink) {
  fill_ellipse(big, int(std::lround(x * kSub)), int(std::lround(y * kSub)), int(std::lround(w * kSub)),
               int(std::lround(h * kSub)), ink);
}

// ---------------------------------------------------------------- lettering

// "Lumo" in a round, heavy hand of lettering: stems of `kStem` pixels, bowls
// from ellipses with their counters cut out, the letters drawn one at a time
// so a cut never bites a neighbour. Baseline at `base`, x-height `kX`.
const double kStem = 12.5;
const double kX = 44;
const double kCap = 64;

// Letters with counters are cut on a canvas of their own, then added.
void add_letter(Canvas& big, const Canvas& part) {
  for (size_t i = 0; i < big.pixels.size(); ++i)
    if (part.pixels[i].r) big.pixels[i] = kWhite;
}

double letter_l(Canvas& big, double x, double base) {
  big_rect(big, x, base - kCap, kStem, kCap, kWhite);
  big_rect(big, x, base - kStem, 36, kStem, kWhite);
  return x + 36;
}

// A U: two stems joined by a bowl; the right stem reaches the baseline.
double letter_u(Canvas& big, double x, double base) {
  const double w = 40, top = base - kX;
  Canvas part = make_canvas(big.width, big.height, Rgb{});
  big_ellipse(part, x, base - w, w, w, kWhite);
  big_ellipse(part, x + kStem, base - w + kStem, w - 2 * kStem, w - 2 * kStem - 3, Rgb{});
  big_rect(part, x, top, w, kX - w / 2, Rgb{});
  big_rect(part, x, top, kStem, kX - w / 2, kWhite);
  big_rect(part, x + w - kStem, top, kStem, kX, kWhite);
  add_letter(big, part);
  return x + w;
}

// An m: three stems under two arches; the first stem reaches the x-height.
double letter_m(Canvas& big, double x, double base) {
  const double arch = 36, top = base - kX, gap = arch - 2 * kStem;
  const double w = 2 * arch - kStem;
  Canvas part = make_canvas(big.width, big.height, Rgb{});
  for (int k = 0; k < 2; ++k) {
    const double ax = x + k * (arch - kStem);
    big_ellipse(part, ax, top, arch, arch, kWhite);
    big_ellipse(part, ax + kStem, top + kStem - 1, gap, arch - 2 * kStem + 4, Rgb{});
  }
  big_rect(part, x, top + arch / 2, w, kX, Rgb{});
  for (int k = 0; k < 3; ++k) big_rect(part, x + k * (arch - kStem), top + arch / 2, kStem, kX - arch / 2, kWhite);
  big_rect(part, x, top, kStem, kX, kWhite);
  add_letter(big, part);
  return x + w;
}

double letter_o(Canvas& big, double x, double base) {
  const double w = 46;
  Canvas part = make_canvas(big.width, big.height, Rgb{});
  big_ellipse(part, x, base - kX - 1, w, kX + 1, kWhite);
  big_ellipse(part, x + kStem, base - kX - 1 + kStem - 1, w - 2 * kStem, kX + 1 - 2 * kStem + 2, Rgb{});
  add_letter(big, part);
  return x + w;
}

// The word on a canvas of its own (width x height, picture pixels), slanted.
Coverage lumo_word(int width, int height, double base) {
  Canvas big = make_canvas(width * kSub, height * kSub, Rgb{});
  const double gap = 5;
  double x = 2;
  x = letter_l(big, x, base) + gap;
  x = letter_u(big, x, base) + gap;
  x = letter_m(big, x, base) + gap;
  letter_o(big, x, base);
  return coverage_of(big, int(base * kSub), 5);
}

// Chrome, as 1990s lettering wore it: sky-white fading to steel above the
// middle, a dark horizon, then light again towards the foot.
Rgb chrome_at(int y, int top, int base) {
  const int mid = (top + base) / 2 + 4;
  if (y < mid) return mix(rgb_hex(0xFFFFFF), rgb_hex(0xA8BCE0), y - top, std::max(1, mid - top));
  return mix(rgb_hex(0x3A4C8C), rgb_hex(0xE6F4FF), y - mid, std::max(1, base - mid));
}

// ------------------------------------------------------------- the picture

bool is_kept(Rgb p, const Rgb* keep, int keep_count) {
  return std::find(keep, keep + keep_count, p) != keep + keep_count;
}

// The colours of the pixels that `pick` accepts, as a one-row canvas for
// the median cut.
template <typename Pick>
Canvas gather(const Canvas& c, Pick pick) {
  Canvas out;
  for (size_t i = 0; i < c.pixels.size(); ++i)
    if (pick(i)) out.pixels.push_back(c.pixels[i]);
  out.width = int(out.pixels.size());
  out.height = out.width > 0 ? 1 : 0;
  return out;
}

Palette cut(const Canvas& colours, int max_colors) {
  return colours.pixels.empty() || max_colors < 1 ? Palette() : median_cut_palette(colours, max_colors);
}

// Leaves at most 256 colours: the `keep` colours exactly, a share of
// `backdrop_colors` for the pixels still as `backdrop` has them, and the
// rest for the art drawn over it. Sharing keeps the long, gentle gradients
// of the sky from being cut into a few wide bands by the art's colours.
void reduce_over_backdrop(Canvas& c, const Canvas& backdrop, int backdrop_colors, const Rgb* keep,
                          int keep_count) {
  std::vector<bool> calm(c.pixels.size());
  for (size_t i = 0; i < c.pixels.size(); ++i) calm[i] = c.pixels[i] == backdrop.pixels[i];
  auto free_colour = [&](size_t i) { return !is_kept(c.pixels[i], keep, keep_count); };
  const Palette sky = cut(gather(c, [&](size_t i) { return calm[i] && free_colour(i); }), backdrop_colors);
  const Palette art = cut(gather(c, [&](size_t i) { return !calm[i] && free_colour(i); }),
                          256 - keep_count - int(sky.size()));
  Palette for_sky(keep, keep + keep_count);
  for_sky.insert(for_sky.end(), sky.begin(), sky.end());
  Palette for_art = for_sky;
  for_art.insert(for_art.end(), art.begin(), art.end());
  Canvas sky_part = gather(c, [&](size_t i) { return calm[i]; });
  Canvas art_part = gather(c, [&](size_t i) { return !calm[i]; });
  map_to_palette(sky_part, for_sky);
  map_to_palette(art_part, for_art);
  size_t next_sky = 0, next_art = 0;
  for (size_t i = 0; i < c.pixels.size(); ++i)
    c.pixels[i] = calm[i] ? sky_part.pixels[next_sky++] : art_part.pixels[next_art++];
}

void draw_background(Canvas& c) {
  const Rgb top = rgb_hex(0x020222);
  const int band_top = 130, band_bottom = 166;
  fill_gradient(c, 0, 0, c.width, band_top, top, kNavy, GradientDirection::Vertical);
  fill_rect(c, 0, band_top, c.width, band_bottom - band_top, kNavy);
  fill_gradient(c, 0, band_bottom, c.width, c.height - band_bottom, kNavy, rgb_hex(0x05053E),
                GradientDirection::Vertical);
  // A wide soft glow behind the word, fading out before the text band.
  const double gx = 272, gy = 58, rx = 150, ry = 62;
  for (int y = 0; y < band_top; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const double u = (x - gx) / rx, v = (y - gy) / ry;
      const double f = 1.0 - (u * u + v * v);
      if (f <= 0) continue;
      set_pixel(c, x, y, mix(get_pixel(c, x, y), rgb_hex(0x2030A0), int(f * f * 60), 100));
    }
  }
}

// A few fixed sparkles of light on the dark sky.
void draw_sparkles(Canvas& c) {
  static const Point kStars[] = {{156, 14}, {388, 12}, {222, 8}, {340, 122}, {12, 118}, {148, 112}};
  for (const Point& s : kStars) {
    set_pixel(c, s.x, s.y, rgb_hex(0xC8F0FF));
    const Rgb halo = mix(get_pixel(c, s.x, s.y - 1), rgb_hex(0x80C0FF), 1, 2);
    set_pixel(c, s.x - 1, s.y, halo);
    set_pixel(c, s.x + 1, s.y, halo);
    set_pixel(c, s.x, s.y - 1, halo);
    set_pixel(c, s.x, s.y + 1, halo);
  }
}

// A small LCD readout: the player's own display in miniature, cyan on
// black with the unlit segments faintly showing.
void draw_lcd(Canvas& c, int x, int y) {
  const int w = 96, h = 20;
  fill_rect(c, x, y, w, h, rgb_hex(0x02060C));
  draw_bevel(c, x - 1, y - 1, w + 2, h + 2, rgb_hex(0x000018), rgb_hex(0x3A3A9A), 1, false);
  // Level bars, rising and falling like a spectrum.
  static const int kLevels[] = {5, 9, 12, 8, 11, 6, 4};
  for (int i = 0; i < 7; ++i) {
    fill_rect(c, x + 4 + i * 4, y + 4, 3, 12, rgb_hex(0x06303A));
    fill_rect(c, x + 4 + i * 4, y + 16 - kLevels[i], 3, kLevels[i], kCyan);
  }
  draw_text(c, x + 34, y + 5, "88:88", rgb_hex(0x06303A), 2);
  draw_text(c, x + 34, y + 5, "01:25", kCyan, 2);
}

Canvas draw_splash() {
  Canvas c = make_canvas(400, 200, kNavy);
  draw_background(c);
  const Canvas backdrop = c;
  draw_sparkles(c);

  // The disc, with a faint cyan halo so it lifts off the dark.
  const Disc disc{84, 66, 56, false};
  for (int y = 0; y < 130; ++y) {
    for (int x = 0; x < 170; ++x) {
      const double dx = x + 0.5 - disc.cx, dy = y + 0.5 - disc.cy;
      const double d = std::sqrt(dx * dx + dy * dy) - disc.radius;
      if (d < 0 || d > 10) continue;
      const double f = 1 - d / 10;
      set_pixel(c, x, y, mix(get_pixel(c, x, y), rgb_hex(0x1070C0), int(f * f * 45), 100));
    }
  }
  draw_disc(c, disc, nullptr);

  // The word, with a shadow down and to the right.
  const int word_x = 164, word_top = 14, base = 70;
  const Coverage word = lumo_word(230, 80, base);
  paint(c, word, word_x + 3, word_top + 4, [](int, int) { return rgb_hex(0x000010); });
  paint(c, word, word_x, word_top, [&](int, int y) { return chrome_at(y, base - int(kCap), base); });

  // Underline in the LCD colour, fading out at both ends.
  const int line_y = word_top + base + 9, x0 = word_x + 2, x1 = 388;
  for (int x = x0; x < x1; ++x) {
    const int edge = std::min(x - x0, x1 - 1 - x);
    const int strength = std::min(edge, 40);
    set_pixel(c, x, line_y, mix(get_pixel(c, x, line_y), kCyan, strength, 40));
    set_pixel(c, x, line_y + 1, mix(get_pixel(c, x, line_y + 1), kCyan, strength, 160));
  }
  draw_lcd(c, 290, line_y + 8);

  static const Rgb kKeep[] = {kNavy, kCyan, kWhite};
  reduce_over_backdrop(c, backdrop, 96, kKeep, int(std::size(kKeep)));
  return c;
}

// ---------------------------------------------------------------- the icon

// The disc with the player's cyan: an LCD badge in the corner at 32
// pixels, the hub ring alone at 16 where a badge would be a blot.
Canvas draw_icon(int size) {
  Canvas c = make_canvas(size, size, kIconKey);
  const double r = size / 2.0;
  const Disc disc{r, r, r - 0.25, true};
  draw_disc(c, disc, &kIconKey);
  // A dark outline keeps the round edge on any desktop colour.
  const Rgb outline = rgb_hex(0x202838);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (get_pixel(c, x, y) == kIconKey) continue;
      const bool edge = get_pixel(c, x - 1, y) == kIconKey || get_pixel(c, x + 1, y) == kIconKey ||
                        get_pixel(c, x, y - 1) == kIconKey || get_pixel(c, x, y + 1) == kIconKey ||
                        x == 0 || y == 0 || x == size - 1 || y == size - 1;
      if (edge) set_pixel(c, x, y, outline);
    }
  }
  // Cyan hub ring.
  const int ring = size >= 32 ? 12 : 6;
  const int at = (size - ring) / 2;
  draw_ellipse(c, at, at, ring, ring, kCyan, size >= 32 ? 2 : 1);
  if (size >= 32) {
    // LCD badge: black with a cyan L, bottom right, over the disc's edge.
    const int bx = size - 12, by = size - 11;
    fill_rect(c, bx, by, 12, 11, rgb_hex(0x000000));
    draw_rect(c, bx, by, 12, 11, rgb_hex(0x2A2AA0));
    fill_rect(c, bx + 3, by + 2, 2, 6, kCyan);
    fill_rect(c, bx + 3, by + 7, 6, 2, kCyan);
  }
  static const Rgb kKeep[] = {kIconKey, kCyan, rgb_hex(0x000000)};
  reduce_over_backdrop(c, make_canvas(size, size, kIconKey), 0, kKeep, int(std::size(kKeep)));
  return c;
}

Canvas draw_icon_32() { return draw_icon(32); }
Canvas draw_icon_16() { return draw_icon(16); }

const Picture kPictures[] = {
    {"splash", BmpFormat::Indexed8, 256, draw_splash, nullptr},
    {"icone-32", BmpFormat::Indexed8, 256, draw_icon_32, nullptr},
    {"icone-16", BmpFormat::Indexed8, 256, draw_icon_16, nullptr},
};

const char* const kIconImages[] = {"icone-32", "icone-16"};

const IconPicture kIcons[] = {
    {"icone", kIconImages, std::size(kIconImages), kIconKey},
};

}  // namespace

PictureList lumo_pictures() { return {kPictures, std::size(kPictures)}; }
IconList lumo_icons() { return {kIcons, std::size(kIcons)}; }

Canvas draw_lumo_icon(int size) { return draw_icon(size); }
Rgb lumo_icon_key() { return kIconKey; }
