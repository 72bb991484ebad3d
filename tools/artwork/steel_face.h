// Button faces of the Steel theme. A button bitmap is a strip of four faces
// side by side, in the order the player picks them by state: normal,
// focused, pressed, disabled. Each face is a brushed-steel plate with a
// bevel, and a glyph drawn as sub-pixel coverage so its edges are smooth.
#ifndef LUMO_ARTWORK_STEEL_FACE_H
#define LUMO_ARTWORK_STEEL_FACE_H

#include <vector>

#include "canvas.h"

// A shape's coverage of each pixel, drawn kMaskSub times larger: 0 (clear)
// to kMaskFull (covered). Coordinates are face pixels, as doubles, with
// (0, 0) the top-left corner of the top-left pixel.
const int kMaskSub = 4;
const int kMaskFull = kMaskSub * kMaskSub;

struct Mask {
  int width = 0;
  int height = 0;
  Canvas big;  // white where the shape is
};

struct PointF {
  double x = 0;
  double y = 0;
};

Mask make_mask(int width, int height);
int mask_coverage(const Mask& m, int x, int y);  // 0 outside the mask
bool mask_is_empty(const Mask& m);

// Shapes add to the mask; with `erase` they cut it away instead.
void mask_polygon(Mask& m, const PointF* points, int count, bool erase = false);
void mask_rect(Mask& m, double x, double y, double w, double h, bool erase = false);
// Ellipse inscribed in the rectangle (x, y, w, h).
void mask_ellipse(Mask& m, double x, double y, double w, double h, bool erase = false);
// A circle around (cx, cy) of outer radius r.
void mask_circle(Mask& m, double cx, double cy, double r, bool erase = false);
// A ring of outer radius r and the given thickness, clockwise from from_deg
// to to_deg on a clock face (0 up).
void mask_arc(Mask& m, double cx, double cy, double r, double thickness, double from_deg,
              double to_deg, bool erase = false);
// A pie slice of radius r, clockwise from from_deg to to_deg.
void mask_wedge(Mask& m, double cx, double cy, double r, double from_deg, double to_deg,
                bool erase = false);
// A straight stroke `width` wide with square ends flush with a and b.
void mask_line(Mask& m, PointF a, PointF b, double width, bool erase = false);
// A point at `radius` from (cx, cy) at a clock angle.
PointF clock_point(double cx, double cy, double radius, double deg);

// One colour of a glyph: where it is and what it is made of.
struct GlyphLayer {
  Mask mask;
  Rgb ink;
  // Lit marks (a status light) keep their glow on every enabled face and
  // get no engraved edge.
  bool lit = false;
};
using Glyph = std::vector<GlyphLayer>;

// The plate the glyph sits on: light steel, or a dark gunmetal one for a
// button that shows something switched off.
enum class Plate { Steel, Dark };

enum class FaceState { Normal, Focused, Pressed, Disabled };
const FaceState kFaceStates[4] = {FaceState::Normal, FaceState::Focused, FaceState::Pressed,
                                  FaceState::Disabled};

// Glyph colours the buttons share.
const Rgb kGlyphInk = rgb_hex(0x1E2228);
const Rgb kGlyphInkOnDark = rgb_hex(0xD4D8DE);

// One face of face_width x face_height at (x, 0) of the strip; `brushed`
// gives the plate its grain.
void draw_face(Canvas& strip, int x, int face_width, const Glyph& glyph, Plate plate,
               FaceState state, bool brushed);

// The four faces side by side, left with at most `colors` colours; brushed
// when the colours allow it.
Canvas draw_face_strip(int face_width, int face_height, const Glyph& glyph, Plate plate,
                       int colors);

#endif
