// Small text rules shared by every part of the program. No Windows header:
// these are also built natively and unit-tested there.
#ifndef LUMO_TEXT_VALUES_H
#define LUMO_TEXT_VALUES_H

#include <cstddef>

// A yes/no setting is yes exactly when its first character is an upper-case O.
bool IsYes(const char *value);

// The letter a yes/no setting is written as.
const char *YesNoText(int yes);

// Digits read left to right as value * 10 + digit, without validation: only a
// text made of digits gives a meaningful value. Wraps like 32-bit arithmetic.
int DecimalTextValue(const char *text);

// Signed decimal as the C library reads it: leading blanks, an optional sign,
// digits up to the first other character; 0 without digits. Saturates
// instead of overflowing.
int SignedDecimalValue(const char *text);

// Fills buffer with count copies of c (empty for count <= 0), cut to fit.
void RepeatCharacter(char *buffer, size_t size, char c, int count);

// Bounded copy that always terminates; returns false when text was cut.
bool CopyText(char *buffer, size_t size, const char *text);

#endif
