// The display's one line of 18 characters: the scroll text a title or
// message becomes, its rotation, and the line composed from it and the time.
// No Windows header. The engine's ComposeDisplayText runs, on every tick:
//   no disc:  ComposeNoDiscLine;
//   else:     RotateScrollText(scroll, VisibleSpan(mode, trackTime)),
//             v = TimeValue(), ComposeDisplayLine with v and the track of the
//             current step.
#ifndef LUMO_DISPLAY_TEXT_H
#define LUMO_DISPLAY_TEXT_H

#include <cstddef>
#include <cstdint>

const int kDisplayWidth = 18;
const size_t kDisplayTextSize = kDisplayWidth + 1;
const size_t kScrollTextSize = 256;  // 255 characters and the terminator

// What the display line shows (the display content mode).
enum DisplayContent {
    CONTENT_TIME_INFO = 1, // track and time, with the scroll text's start when "TrackTime" is on
    CONTENT_TITLE = 2,     // the scroll text
    CONTENT_SEEKING = 3,   // the time bar's thumb is dragged: the seek text owns the line
};

// SetScrollText: the text, followed by the separator when the text has 18
// characters or more (so that a scrolling text shows a gap between its
// repetitions), cut to size - 1 characters: 255 in a kScrollTextSize buffer.
// text may be the scroll buffer itself. A null text or separator counts as
// empty.
void MakeScrollText(char *scroll, size_t size, const char *text, const char *separator);

// How many characters of the scroll text the line shows: 9 in the time
// information mode with "TrackTime" on, else 18.
int VisibleSpan(int contentMode, bool trackTime);

// One scroll step: when the text is longer than span characters its first
// character moves to the end. Returns whether it moved.
bool RotateScrollText(char *scroll, int span);

// The inputs of one composition.
struct DisplayLineInputs {
    int contentMode;        // DisplayContent
    bool trackTime;         // setting "TrackTime"
    int track;              // track of the current step (TrackAt)
    std::uint32_t time;     // time value (TimeValue): minutes high, seconds low
    const char *scrollText; // already rotated for this tick; null counts as empty
};

// Composes the line into display (in and out: in the seeking mode, or any
// unknown mode, the text already there stays and is only padded):
//   time information, "TrackTime" on:  " %i %s:%s %s" (track below 10) or
//     "%i %s:%s %s", with the track, two-digit minutes and seconds, and the
//     first 9 characters of the scroll text;
//   time information, "TrackTime" off: "   %i      %s:%s" (track below 10)
//     or "  %i      %s:%s";
//   title: the first 18 characters of the scroll text.
// Minutes and seconds below 10 get a leading 0. The line is then padded with
// spaces, or cut, to exactly 18 characters (fewer only when size is below
// kDisplayTextSize).
void ComposeDisplayLine(char *display, size_t size, const DisplayLineInputs &inputs);

// "No Disk", padded to 18 characters: the line while no disc is present,
// whatever the mode.
void ComposeNoDiscLine(char *display, size_t size);

#endif
