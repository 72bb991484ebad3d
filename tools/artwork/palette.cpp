#include "palette.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace {

struct ColorCount {
  uint32_t packed;
  uint64_t count;
};

std::vector<ColorCount> count_colors(const Canvas& c) {
  std::vector<uint32_t> packed;
  packed.reserve(c.pixels.size());
  for (Rgb p : c.pixels) packed.push_back(rgb_pack(p));
  std::sort(packed.begin(), packed.end());
  std::vector<ColorCount> out;
  for (uint32_t v : packed) {
    if (!out.empty() && out.back().packed == v)
      ++out.back().count;
    else
      out.push_back(ColorCount{v, 1});
  }
  return out;
}

int channel(uint32_t packed, int ch) { return int((packed >> (16 - 8 * ch)) & 0xFF); }

}  // namespace

Palette distinct_colors(const Canvas& c) {
  Palette out;
  for (const ColorCount& cc : count_colors(c)) out.push_back(rgb_hex(cc.packed));
  return out;
}

bool build_palette(const Canvas& c, int size, Palette* out, std::string* error) {
  Palette colors = distinct_colors(c);
  if (size < 1 || size > 256) {
    if (error) *error = "palette size " + std::to_string(size) + " is not in 1..256";
    return false;
  }
  if (colors.size() > size_t(size)) {
    if (error)
      *error = "picture has " + std::to_string(colors.size()) + " colours, more than the " +
               std::to_string(size) + " its palette allows";
    return false;
  }
  colors.resize(size_t(size), Rgb{});
  *out = colors;
  return true;
}

bool index_pixels(const Canvas& c, const Palette& palette, std::vector<uint8_t>* indices,
                  std::string* error) {
  if (palette.empty() || palette.size() > 256) {
    if (error) *error = "palette has " + std::to_string(palette.size()) + " entries, not 1..256";
    return false;
  }
  std::unordered_map<uint32_t, uint8_t> index_of;
  for (size_t i = 0; i < palette.size(); ++i) index_of.emplace(rgb_pack(palette[i]), uint8_t(i));
  indices->assign(c.pixels.size(), 0);
  for (size_t i = 0; i < c.pixels.size(); ++i) {
    auto it = index_of.find(rgb_pack(c.pixels[i]));
    if (it == index_of.end()) {
      if (error) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "colour #%06X at (%d, %d) is not in the palette",
                      unsigned(rgb_pack(c.pixels[i])), int(i % size_t(c.width)),
                      int(i / size_t(c.width)));
        *error = buf;
      }
      return false;
    }
    (*indices)[i] = it->second;
  }
  return true;
}

Palette median_cut_palette(const Canvas& c, int max_colors) {
  std::vector<ColorCount> colors = count_colors(c);
  if (max_colors < 1) return Palette();
  if (colors.size() <= size_t(max_colors)) return distinct_colors(c);

  struct Box {
    size_t begin, end;  // into colors
  };
  auto widest_channel = [&](const Box& b, int* range) {
    int best = 0, best_range = -1;
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255, hi = 0;
      for (size_t i = b.begin; i < b.end; ++i) {
        lo = std::min(lo, channel(colors[i].packed, ch));
        hi = std::max(hi, channel(colors[i].packed, ch));
      }
      if (hi - lo > best_range) {
        best_range = hi - lo;
        best = ch;
      }
    }
    *range = best_range;
    return best;
  };

  std::vector<Box> boxes{Box{0, colors.size()}};
  while (boxes.size() < size_t(max_colors)) {
    // Split the box with the widest spread; ties go to the earlier box.
    int pick = -1, pick_range = 0, pick_channel = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].end - boxes[i].begin < 2) continue;
      int range = 0;
      const int ch = widest_channel(boxes[i], &range);
      if (range > pick_range) {
        pick = int(i);
        pick_range = range;
        pick_channel = ch;
      }
    }
    if (pick < 0) break;
    Box box = boxes[size_t(pick)];
    const int ch = pick_channel;
    // A total order, so the split does not depend on the sort algorithm.
    std::sort(colors.begin() + long(box.begin), colors.begin() + long(box.end),
              [ch](const ColorCount& a, const ColorCount& b) {
                const int ca = channel(a.packed, ch), cb = channel(b.packed, ch);
                return ca != cb ? ca < cb : a.packed < b.packed;
              });
    uint64_t total = 0;
    for (size_t i = box.begin; i < box.end; ++i) total += colors[i].count;
    uint64_t running = 0;
    size_t split = box.begin + 1;
    for (size_t i = box.begin; i + 1 < box.end; ++i) {
      running += colors[i].count;
      split = i + 1;
      if (2 * running >= total) break;
    }
    boxes[size_t(pick)] = Box{box.begin, split};
    boxes.insert(boxes.begin() + pick + 1, Box{split, box.end});
  }

  Palette out;
  for (const Box& b : boxes) {
    uint64_t sum[3] = {0, 0, 0}, total = 0;
    for (size_t i = b.begin; i < b.end; ++i) {
      for (int ch = 0; ch < 3; ++ch) sum[ch] += uint64_t(channel(colors[i].packed, ch)) * colors[i].count;
      total += colors[i].count;
    }
    if (total == 0) continue;  // boxes are never empty; keeps the division safe
    out.push_back(Rgb{uint8_t((sum[0] + total / 2) / total), uint8_t((sum[1] + total / 2) / total),
                      uint8_t((sum[2] + total / 2) / total)});
  }
  std::sort(out.begin(), out.end(), [](Rgb a, Rgb b) { return rgb_pack(a) < rgb_pack(b); });
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

void map_to_palette(Canvas& c, const Palette& palette) {
  if (palette.empty()) return;
  std::unordered_map<uint32_t, Rgb> nearest;
  for (Rgb& p : c.pixels) {
    auto it = nearest.find(rgb_pack(p));
    if (it != nearest.end()) {
      p = it->second;
      continue;
    }
    size_t best = 0;
    int best_d = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
      const int dr = p.r - palette[i].r, dg = p.g - palette[i].g, db = p.b - palette[i].b;
      const int d = dr * dr + dg * dg + db * db;
      if (best_d < 0 || d < best_d) {
        best_d = d;
        best = i;
      }
    }
    nearest.emplace(rgb_pack(p), palette[best]);
    p = palette[best];
  }
}

void reduce_colors(Canvas& c, int max_colors) {
  max_colors = std::min(std::max(max_colors, 1), 256);
  map_to_palette(c, median_cut_palette(c, max_colors));
}
