// Titles and disc keys made safe for the INI files they are stored in
// (CDBASE.LMD, Program.lmd). No Windows header.
#ifndef LUMO_TITLE_TEXT_H
#define LUMO_TITLE_TEXT_H

#include <cstddef>

// A title buffer: at most 254 characters, the most a 255-character profile
// read gives back whole.
const size_t kTitleTextSize = 255;

// The longest disc key (its buffer is 20 characters).
const size_t kMaxDiscKeyLength = 19;

// Copies title into out as one line of single-byte (Windows-1252) text: a
// CR LF pair, a lone CR or LF, and every other control character (codes
// below 32, and 127) become one space, so a stored title can never end its
// line and start another key or section. Bytes from 128 up are kept as they
// are. Cut to size - 1 characters; returns false when cut. out may be title
// itself. A null title gives an empty text. Every title written as "Title"
// or "Track%i" of a disc section goes through this first.
bool MakeStorableTitle(char *out, size_t size, const char *title);

// Whether key can name a section of the title database or of the play
// programs: 2 to 19 characters, a digit in the second place (as every disc
// key has, so that it never names a settings section such as "Affichage"),
// no ']' (it would end the section name), and no control character or space
// (which would break or be trimmed from the line). Bytes from 127 up are
// allowed: they come from discs of 80 tracks or more. When a disc's key is
// not usable, its titles are neither read nor written and it plays in disc
// order: the key of a 46-track disc, for one, begins with ']'.
bool IsUsableDiscKey(const char *key);

#endif
