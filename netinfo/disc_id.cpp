#include "disc_id.h"

#include <cstdio>

unsigned FramesOf(DiscPosition position)
{
    return (position.minute * 60 + position.second) * kFramesPerSecond + position.frame;
}

DiscPosition PositionOfFrames(unsigned frames)
{
    DiscPosition position;
    position.frame = frames % kFramesPerSecond;
    position.second = frames / kFramesPerSecond % 60;
    position.minute = frames / kFramesPerSecond / 60;
    return position;
}

DiscPosition LeadOutAfter(DiscPosition lastStart, DiscPosition lastLength)
{
    return PositionOfFrames(FramesOf(lastStart) + FramesOf(lastLength) + 1);
}

void CompleteDiscTable(DiscTable *table)
{
    if (table->trackCount < 0 || table->trackCount > kMaxDiscTracks)
        table->trackCount = 0;
    for (int t = 0; t < table->trackCount; ++t)
        table->startFrames[t] = FramesOf(table->start[t]);
    table->totalSeconds = FramesOf(table->leadOut) / kFramesPerSecond;
}

void DiscTableFromFrames(DiscTable *table, const unsigned *startFrames, int trackCount, unsigned leadOutFrames)
{
    if (trackCount < 0 || trackCount > kMaxDiscTracks)
        trackCount = 0;
    table->trackCount = trackCount;
    for (int t = 0; t < trackCount; ++t)
        table->start[t] = PositionOfFrames(startFrames[t]);
    table->leadOut = PositionOfFrames(leadOutFrames);
    CompleteDiscTable(table);
}

unsigned DigitSum(unsigned value)
{
    unsigned sum = 0;
    for (; value > 0; value /= 10)
        sum += value % 10;
    return sum;
}

uint32_t ComputeDiscId(const DiscTable &table)
{
    if (table.trackCount <= 0 || table.trackCount > kMaxDiscTracks)
        return 0;
    uint32_t checksum = 0;
    for (int t = 0; t < table.trackCount; ++t)
        checksum += DigitSum(table.start[t].minute * 60 + table.start[t].second);
    const uint32_t first = table.start[0].minute * 60 + table.start[0].second;
    const uint32_t last = table.leadOut.minute * 60 + table.leadOut.second;
    // A lead-out before the first track is a broken table of contents;
    // the length field must not wrap into the checksum byte.
    const uint32_t length = last > first ? (last - first) & 0xffff : 0;
    return (checksum % 255) << 24 | length << 8 | uint32_t(table.trackCount);
}

void FormatDiscId(uint32_t id, char *text, size_t size)
{
    snprintf(text, size, "%08x", unsigned(id));
}
