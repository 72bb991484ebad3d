// Reads the player's display back from a capture of its window: the text
// line, the status words, the grid and the network icon, each compared
// with the theme's own artwork tinted with the display colour as the
// player tints it (every pixel ANDed with the colour).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "harness.h"
#include "window_capture.h"

namespace e2e {

constexpr uint32_t kDefaultLcdColour = 0x00FFFF;  // Afficheur_Rouge 0, Vert 255, Bleu 255

// The display's artwork as the player shows it in `colour`: the Steel
// theme's font, status words and grid tinted, its mask, and lumo.exe's
// network icons tinted.
struct LcdArt {
    Picture font, labels, grid, mask, netinfo;
};
LcdArt LoadLcdArt(const Session &session, uint32_t colour = kDefaultLcdColour);

// The panels that move the display and the grid.
struct Panels {
    bool icons = true;   // Icones: everything 30 pixels lower
    bool volume = true;  // Volume: the grid 27 pixels to the right
    bool shrunk = false; // the quick bar: the text line at the top
};

// The 18 characters of the text line, folded as the font has them. A cell
// that shows no character of the font reads '?', a black one '~'.
std::string ReadDisplayText(const Picture &frame, const LcdArt &art, const Panels &panels = Panels());
// The status words lit, left to right, upper row first ("Track", "Title",
// "Seeking", "Elapsed", "Remaining", "From start", "To end", "Repeat",
// "Repeat one", "Random"); "(stray)" when the label rows hold anything else.
std::vector<std::string> LitLabels(const Picture &frame, const LcdArt &art, const Panels &panels = Panels());
// The 25 grid cells: '+' shown, ':' dimmed, '.' black, '?' anything else.
std::string ReadGrid(const Picture &frame, const LcdArt &art, const Panels &panels = Panels());
// The network status icon: 1 to 7, 0 when its place is black, -1 else.
int ReadNetinfoIcon(const Picture &frame, const LcdArt &art, const Panels &panels = Panels());

// Captures until the display reads `text` (padded to 18), up to `ms`;
// returns the last reading.
std::string WaitForDisplayText(HWND window, const LcdArt &art, const std::string &text, DWORD ms,
                               const Panels &panels = Panels());

}  // namespace e2e
