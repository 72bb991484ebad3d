// Colour tables for the indexed BMP formats.
#ifndef LUMO_ARTWORK_PALETTE_H
#define LUMO_ARTWORK_PALETTE_H

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

using Palette = std::vector<Rgb>;

// The canvas's distinct colours, sorted by 0xRRGGBB.
Palette distinct_colors(const Canvas& c);

// A palette of exactly `size` entries: the canvas's distinct colours in
// sorted order, then black up to `size`. Fails when the canvas has more
// than `size` colours.
bool build_palette(const Canvas& c, int size, Palette* out, std::string* error);

// Palette index of every pixel (row-major, top row first). Fails naming the
// first pixel whose colour is not in the palette, or when the palette has
// more than 256 entries. A colour listed twice maps to its first entry.
bool index_pixels(const Canvas& c, const Palette& palette, std::vector<uint8_t>* indices,
                  std::string* error);

// At most max_colors colours that stand for the canvas (median cut, weighted
// by pixel count). Deterministic; the canvas's own colours if they fit.
Palette median_cut_palette(const Canvas& c, int max_colors);
// Replaces each pixel by its nearest palette colour; ties go to the lower
// index. Does nothing with an empty palette.
void map_to_palette(Canvas& c, const Palette& palette);
// Leaves the canvas with at most max_colors colours (1..256).
void reduce_colors(Canvas& c, int max_colors);

#endif
