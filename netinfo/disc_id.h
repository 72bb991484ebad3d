// The CDDB disc id and the disc table it is computed from. No Windows header.
#ifndef LUMO_NETINFO_DISC_ID_H
#define LUMO_NETINFO_DISC_ID_H

#include <cstddef>
#include <cstdint>

const int kMaxDiscTracks = 99;
const unsigned kFramesPerSecond = 75;

// A position or length as the CD device reports it in MSF.
struct DiscPosition {
    unsigned minute;
    unsigned second;
    unsigned frame;
};

// Absolute start of every track, the lead-out, and what the query sends.
struct DiscTable {
    int trackCount;
    DiscPosition start[kMaxDiscTracks];
    unsigned startFrames[kMaxDiscTracks];
    DiscPosition leadOut;
    unsigned totalSeconds;
};

unsigned FramesOf(DiscPosition position);
DiscPosition PositionOfFrames(unsigned frames);

// The device reports the last track one frame short of the lead-out.
DiscPosition LeadOutAfter(DiscPosition lastStart, DiscPosition lastLength);

// Fills the start offsets and the disc length in seconds (the lead-out's
// absolute time, as the CDDB query carries it) from the starts and the
// lead-out.  A track count outside 0..99 empties the table.
void CompleteDiscTable(DiscTable *table);

// The table of a disc given as absolute frame offsets.
void DiscTableFromFrames(DiscTable *table, const unsigned *startFrames, int trackCount, unsigned leadOutFrames);

unsigned DigitSum(unsigned value);

uint32_t ComputeDiscId(const DiscTable &table);

// Eight lower-case hexadecimal digits; the buffer needs 9 characters.
void FormatDiscId(uint32_t id, char *text, size_t size);

#endif
