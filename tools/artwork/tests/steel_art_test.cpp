#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "steel_display.h"
#include "steel_face.h"

namespace {

std::string glyph_key(const char* const* rows) {
  std::string key;
  for (int r = 0; r < kDotRows; ++r) key += std::string(rows[r]) + "/";
  return key;
}

TEST(SteelDotFont, EveryCharacterOfTheStripHasItsOwnFiveBySevenGlyph) {
  EXPECT_EQ(dot_glyph(kFontFirstChar - 1), nullptr);
  EXPECT_EQ(dot_glyph(kFontFirstChar + kFontCharCount), nullptr);
  EXPECT_EQ(dot_glyph('a'), nullptr) << "the player folds lower case to upper case itself";
  std::map<std::string, int> seen;
  for (int ch = kFontFirstChar; ch < kFontFirstChar + kFontCharCount; ++ch) {
    SCOPED_TRACE(std::string("character ") + char(ch));
    const char* const* rows = dot_glyph(ch);
    ASSERT_NE(rows, nullptr);
    int lit = 0;
    for (int r = 0; r < kDotRows; ++r) {
      ASSERT_NE(rows[r], nullptr);
      ASSERT_EQ(std::strlen(rows[r]), size_t(kDotColumns));
      for (int c = 0; c < kDotColumns; ++c) {
        EXPECT_TRUE(rows[r][c] == '#' || rows[r][c] == '.');
        lit += rows[r][c] == '#';
      }
    }
    EXPECT_EQ(lit == 0, ch == ' ');
    // Two characters drawn alike would be a slip in the table.
    const auto inserted = seen.emplace(glyph_key(rows), ch);
    EXPECT_TRUE(inserted.second) << "same glyph as '" << char(inserted.first->second) << "'";
  }
  // The glyphs fill a cell: 7 rows of 2-pixel dots on a 3-pixel pitch.
  EXPECT_LE(kDotLeft + (kDotColumns - 1) * kDotPitch + kDotSize, kFontCellWidth);
  EXPECT_EQ(kDotTop + (kDotRows - 1) * kDotPitch + kDotSize, kFontCellHeight);
}

TEST(SteelStatusWords, EachWordFitsTheRectangleThePlayerCopies) {
  int count = 0;
  const StatusWord* words = status_words(&count);
  ASSERT_EQ(count, 9);
  for (int i = 0; i < count; ++i) {
    const StatusWord& w = words[i];
    SCOPED_TRACE(w.text);
    const int width = label_text_width(w.text);
    ASSERT_GT(width, 0) << "a letter has no glyph";
    bool descends = false;
    for (const char* p = w.text; *p; ++p) descends = descends || label_has_descender(*p);
    const int height = descends ? kLabelHeight : kLabelCapHeight;
    EXPECT_GE(w.x, w.crop_x);
    EXPECT_GE(w.y, w.crop_y);
    EXPECT_LE(w.x + width, w.crop_x + w.crop_width);
    EXPECT_LE(w.y + height, w.crop_y + w.crop_height);
    EXPECT_LE(w.crop_x + w.crop_width, kLabelStripWidth);
    EXPECT_LE(w.crop_y + w.crop_height, kLabelStripHeight);
    // No two crops overlap, or one word would show a piece of another.
    for (int j = 0; j < i; ++j) {
      const StatusWord& o = words[j];
      const bool apart = w.crop_x >= o.crop_x + o.crop_width || o.crop_x >= w.crop_x + w.crop_width ||
                         w.crop_y >= o.crop_y + o.crop_height || o.crop_y >= w.crop_y + w.crop_height;
      EXPECT_TRUE(apart) << "overlaps " << o.text;
    }
  }
  EXPECT_EQ(label_text_width("Tr@ck"), -1);
}

TEST(SteelStatusWords, RepeatIsTheFirstThirtyThreeColumnsOfRepeatOne) {
  int count = 0;
  const StatusWord* words = status_words(&count);
  const StatusWord* repeat_one = nullptr;
  for (int i = 0; i < count; ++i)
    if (std::strcmp(words[i].text, "Repeat one") == 0) repeat_one = &words[i];
  ASSERT_NE(repeat_one, nullptr);
  const int cut = 33;
  EXPECT_LE(repeat_one->x + label_text_width("Repeat"), cut);
  // The next letter starts one gap column after the space.
  EXPECT_GE(repeat_one->x + label_text_width("Repeat ") + 1, cut);
}

TEST(SteelFaceMask, CoverageCountsTheSubPixelsAShapeCovers) {
  Mask m = make_mask(6, 4);
  EXPECT_TRUE(mask_is_empty(m));
  mask_rect(m, 1, 1, 2, 2);
  EXPECT_EQ(mask_coverage(m, 1, 1), kMaskFull);
  EXPECT_EQ(mask_coverage(m, 2, 2), kMaskFull);
  EXPECT_EQ(mask_coverage(m, 0, 1), 0);
  EXPECT_EQ(mask_coverage(m, 3, 2), 0);
  mask_rect(m, 4, 0, 0.5, 1);  // half a pixel wide
  EXPECT_EQ(mask_coverage(m, 4, 0), kMaskFull / 2);
  mask_rect(m, 1.5, 0, 2, 4, true);  // erasing cuts into the square
  EXPECT_EQ(mask_coverage(m, 1, 1), kMaskFull / 2);
  EXPECT_EQ(mask_coverage(m, 2, 1), 0);
  EXPECT_EQ(mask_coverage(m, -1, 0), 0);
  EXPECT_EQ(mask_coverage(m, 6, 0), 0);
}

TEST(SteelFaceMask, WedgesSplitADialWithoutGapOrOverlap) {
  Mask first = make_mask(20, 20), second = make_mask(20, 20), whole = make_mask(20, 20);
  mask_wedge(first, 10, 10, 8, 0, 130);
  mask_wedge(second, 10, 10, 8, 130, 360);
  mask_circle(whole, 10, 10, 8);
  int total_first = 0, total_second = 0;
  for (size_t i = 0; i < whole.big.pixels.size(); ++i) {
    const bool a = first.big.pixels[i].r != 0, b = second.big.pixels[i].r != 0;
    const bool in = whole.big.pixels[i].r != 0;
    total_first += a;
    total_second += b;
    // Sub-pixels on the dividing rays may fall in both; none in neither.
    if (in) {
      EXPECT_TRUE(a || b) << "gap at sub-pixel " << i;
    } else {
      EXPECT_FALSE(a || b) << "outside the dial at sub-pixel " << i;
    }
  }
  // 130 of 360 degrees: a bit over a third.
  EXPECT_NEAR(double(total_first) / (total_first + total_second), 130.0 / 360.0, 0.03);
}

}  // namespace
