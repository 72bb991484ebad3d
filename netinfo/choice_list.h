// The proposals of a "cddb query" reply with inexact matches (code 211):
// one line each of category, disc id and title, up to the line ".".
// No Windows header.
#ifndef LUMO_NETINFO_CHOICE_LIST_H
#define LUMO_NETINFO_CHOICE_LIST_H

const int kMaxProposals = 100;

struct Proposal {
    char category[64];
    char discId[9];
    char title[256];
};

// Reads the proposals after the status line into `proposals` (room for
// `capacity`), in reply order, and returns how many. Reading stops at the
// first line that is not a whole proposal: the final ".", a line lacking a
// part, a category longer than 63 characters or a disc id that is not
// eight hexadecimal digits. A title is cut at 255 characters; control
// characters in it become blanks.
int ParseProposals(const char *reply, Proposal *proposals, int capacity);

#endif
