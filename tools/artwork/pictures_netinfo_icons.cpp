// The player's own network status icons, shown in the lower right corner
// of the display while a title lookup runs: seven pictures of 25 x 10
// stacked in one strip, white line art with grey shading on black, tinted
// by the player with the display colour like the theme's display art.
#include <iterator>

#include "pictures.h"

namespace {

const int kIconWidth = 25;
const int kIconHeight = 10;
const int kIconCount = 7;

const Rgb kBlack = rgb_hex(0x000000);
const Rgb kWhite = rgb_hex(0xFFFFFF);
const Rgb kGrey = rgb_hex(0x808080);

// '#' white, ':' grey, anything else left black.
void stamp(Canvas& c, int x, int y, const char* const* rows, int row_count) {
  for (int row = 0; row < row_count; ++row)
    for (int col = 0; rows[row][col]; ++col) {
      if (rows[row][col] == '#') set_pixel(c, x + col, y + row, kWhite);
      if (rows[row][col] == ':') set_pixel(c, x + col, y + row, kGrey);
    }
}

const char* const kComputer[] = {
    "########",
    "#::::::#",
    "#:....:#",
    "#:....:#",
    "#::::::#",
    "########",
    "...##...",
    ".######.",
};

const char* const kServer[] = {
    "######",
    "#::::#",
    "#.##.#",
    "#::::#",
    "#.##.#",
    "#::::#",
    "#...##",
    "######",
};

const char* const kArrowLeft[] = {
    "..#....",
    ".##....",
    "#######",
    ".##....",
    "..#....",
};

const char* const kArrowRight[] = {
    "....#..",
    "....##.",
    "#######",
    "....##.",
    "....#..",
};

const char* const kCross[] = {
    "#...#",
    ".#.#.",
    "..#..",
    ".#.#.",
    "#...#",
};

const char* const kDisc[] = {
    "..#####..",
    ".#:::::#.",
    "#:::::::#",
    "#:::#:::#",
    "#::#.#::#",
    "#:::#:::#",
    "#:::::::#",
    ".#:::::#.",
    "..#####..",
};

const char* const kQuestion[] = {
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    "..#..",
    ".....",
    "..#..",
};

const char* const kCheck[] = {
    "......#",
    ".....##",
    "#...##.",
    "##.##..",
    ".###...",
    "..#....",
};

const char* const kNo[] = {
    "#...#..###.",
    "##..#.#...#",
    "#.#.#.#...#",
    "#..##.#...#",
    "#...#..###.",
};

template <size_t N>
void stamp(Canvas& c, int x, int y, const char* const (&rows)[N]) {
  stamp(c, x, y, rows, int(N));
}

// Icon n (1 to 7) starts at row 10 (n - 1).
void draw_link(Canvas& c, int top) {
  stamp(c, 1, top + 1, kComputer);
  stamp(c, 18, top + 1, kServer);
}

void draw_disc_with(Canvas& c, int top, const char* const* sign, int rows, int sign_x, int sign_top) {
  stamp(c, 1, top + 0, kDisc);
  stamp(c, sign_x, top + sign_top, sign, rows);
}

Canvas draw_netinfo_icons() {
  Canvas c = make_canvas(kIconWidth, kIconHeight * kIconCount, kBlack);
  // 1: connecting, or no connection yet: the computer and the server.
  draw_link(c, 0);
  // 2: the server answered: an arrow towards the computer.
  draw_link(c, 10);
  stamp(c, 10, 13, kArrowLeft);
  // 3: querying: a question mark beside the disc.
  draw_disc_with(c, 20, kQuestion, int(std::size(kQuestion)), 15, 1);
  // 4: found: a check mark beside the disc.
  draw_disc_with(c, 30, kCheck, int(std::size(kCheck)), 14, 2);
  // 5: receiving the entry: an arrow towards the server.
  draw_link(c, 40);
  stamp(c, 10, 43, kArrowRight);
  // 6: the disc is not in the database: NO beside the disc.
  draw_disc_with(c, 50, kNo, int(std::size(kNo)), 12, 2);
  // 7: an error: a cross between the two.
  draw_link(c, 60);
  stamp(c, 11, 63, kCross);
  return c;
}

const Picture kPictures[] = {
    {"netinfo-icons", BmpFormat::Indexed4, 3, draw_netinfo_icons, nullptr},
};

}  // namespace

PictureList netinfo_icon_pictures() { return {kPictures, std::size(kPictures)}; }
