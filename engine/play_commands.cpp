#include "play_commands.h"

#include <cstdio>

namespace {

// The last track, or any track past the end of what the disc is known to
// hold, has no next track to stop at.
bool PlaysToDiscEnd(int track, int trackCount)
{
    return track >= trackCount;
}

// Seek positions are unsigned 16-bit seconds; a time bar value outside that
// range is held to it rather than wrapped to a different position.
unsigned SeekSeconds(int seconds)
{
    if (seconds < 0)
        return 0;
    if (seconds > 65535)
        return 65535;
    return unsigned(seconds);
}

} // namespace

void FormatPlayCommand(char *command, size_t size, int track, int trackCount, bool resume)
{
    bool toEnd = PlaysToDiscEnd(track, trackCount);
    if (resume) {
        if (toEnd)
            snprintf(command, size, "Play Lumo Notify");
        else
            snprintf(command, size, "Play Lumo to %i Notify", track + 1);
    } else {
        if (toEnd)
            snprintf(command, size, "Play Lumo From %i Notify", track);
        else
            snprintf(command, size, "Play Lumo From %i to %i Notify", track, track + 1);
    }
}

void FormatSeekCommand(char *command, size_t size, int track, int seconds)
{
    unsigned s = SeekSeconds(seconds);
    snprintf(command, size, "Seek Lumo to %u:%u:%u", unsigned(track), s / 60, s % 60);
}

void FormatSeekPlayCommand(char *command, size_t size, int track, int trackCount, int seconds)
{
    unsigned s = SeekSeconds(seconds);
    if (PlaysToDiscEnd(track, trackCount))
        snprintf(command, size, "Play Lumo from %u:%u:%u Notify", unsigned(track), s / 60, s % 60);
    else
        snprintf(command, size, "Play Lumo from %u:%u:%u to %u Notify", unsigned(track), s / 60, s % 60,
                 unsigned(track) + 1);
}
