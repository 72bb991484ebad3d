#include "pictures.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace {

TEST(Pictures, EveryRegisteredPictureRendersToTheFileItPromises) {
  std::set<std::string> names;
  for (const Picture* p : all_pictures()) {
    SCOPED_TRACE(p->name);
    // Names become file names in the build: keep them plain.
    ASSERT_TRUE(p->name && *p->name);
    for (const char* ch = p->name; *ch; ++ch)
      EXPECT_TRUE(std::islower(static_cast<unsigned char>(*ch)) || std::isdigit(static_cast<unsigned char>(*ch)) ||
                  *ch == '-' || *ch == '_');
    EXPECT_TRUE(names.insert(p->name).second) << "registered twice";
    EXPECT_EQ(find_picture(p->name), p);

    std::vector<uint8_t> bmp, again;
    Canvas drawn;
    std::string error;
    ASSERT_TRUE(render_picture(*p, &bmp, &drawn, &error)) << error;
    ASSERT_TRUE(render_picture(*p, &again, nullptr, &error)) << error;
    EXPECT_EQ(bmp, again) << "drawing is not reproducible";

    BmpImage img;
    ASSERT_TRUE(decode_bmp(bmp.data(), bmp.size(), &img, &error)) << error;
    EXPECT_EQ(img.bit_count, bmp_bit_count(p->format));
    EXPECT_EQ(img.compression, p->format == BmpFormat::Rle4 ? kBiRle4 : kBiRgb);
    EXPECT_EQ(img.colors_used, uint32_t(p->palette_size));
    EXPECT_TRUE(img.canvas.pixels == drawn.pixels);
  }
  EXPECT_FALSE(names.empty());
  EXPECT_EQ(find_picture("no-such-picture"), nullptr);
}

Canvas unregistered_drawing() { return make_canvas(1, 1, Rgb{}); }

// A drawing shared by two pictures of different sizes would get the first.
TEST(Pictures, ADrawingFindsThePaletteSizeItIsRegisteredWith) {
  for (const Picture* p : all_pictures())
    EXPECT_EQ(registered_palette_size(p->draw), p->palette_size) << p->name;
  EXPECT_EQ(registered_palette_size(unregistered_drawing), 0);
}

Canvas three_colours() {
  Canvas c = make_canvas(3, 1, rgb_hex(0xFF0000));
  set_pixel(c, 1, 0, rgb_hex(0x00FF00));
  set_pixel(c, 2, 0, rgb_hex(0x0000FF));
  return c;
}
Palette two_colours() { return Palette{rgb_hex(0xFF0000), rgb_hex(0x00FF00)}; }
Palette three_of_four() { return Palette{rgb_hex(0xFF0000), rgb_hex(0x00FF00), rgb_hex(0x0000FF), rgb_hex(0)}; }

TEST(Pictures, BadRegistrationsFailWithTheirName) {
  struct Case {
    Picture picture;
    const char* error;
  } cases[] = {
      {{"too-many", BmpFormat::Mono1, 2, three_colours, nullptr}, "3 colours"},
      {{"big-table", BmpFormat::Indexed4, 17, three_colours, nullptr}, "cannot have 17"},
      {{"no-table", BmpFormat::Indexed8, 0, three_colours, nullptr}, "cannot have 0"},
      {{"rgb-table", BmpFormat::Rgb24, 4, three_colours, nullptr}, "cannot have 4"},
      {{"short-fixed", BmpFormat::Indexed4, 3, three_colours, two_colours}, "fixed palette has 2"},
      {{"missing", BmpFormat::Indexed4, 2, three_colours, two_colours}, "#0000FF"},
  };
  for (const Case& k : cases) {
    std::vector<uint8_t> bmp;
    std::string error;
    EXPECT_FALSE(render_picture(k.picture, &bmp, nullptr, &error));
    EXPECT_EQ(error.rfind(std::string(k.picture.name) + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(k.error), std::string::npos) << error;
  }
  // A fixed table is written as given, padding and order included.
  const Picture fixed{"fixed", BmpFormat::Indexed4, 4, three_colours, three_of_four};
  std::vector<uint8_t> bmp;
  std::string error;
  ASSERT_TRUE(render_picture(fixed, &bmp, nullptr, &error)) << error;
  BmpImage img;
  ASSERT_TRUE(decode_bmp(bmp.data(), bmp.size(), &img, &error)) << error;
  EXPECT_EQ(img.palette, three_of_four());
  EXPECT_EQ(img.indices, (std::vector<uint8_t>{0, 1, 2}));
}

}  // namespace
