// The command strings that play or seek one step of the play order.
// No Windows header: the engine sends the texts made here with
// mciSendString. A buffer of kPlayCommandSize always holds a whole command.
#ifndef LUMO_PLAY_COMMANDS_H
#define LUMO_PLAY_COMMANDS_H

#include <cstddef>

const size_t kPlayCommandSize = 64;

// Plays the step of track `track` on a disc of trackCount tracks, up to the
// start of the next track, or to the end of the disc from the last track on.
// From the start of the track (the player was stopped; send
// "Set Lumo Time Format TMSF" first):
//   "Play Lumo From %i to %i Notify" with track and track + 1,
//   "Play Lumo From %i Notify" when track is the last track or beyond it.
// Resuming from where the drive is (paused or playing, resume true):
//   "Play Lumo to %i Notify" with track + 1, "Play Lumo Notify" on the last.
// A track beyond the count (a play program written for more tracks than the
// titles now know) plays to the end rather than asking for a track the
// drive may not have, which would fail and never end the step.
void FormatPlayCommand(char *command, size_t size, int track, int trackCount, bool resume);

// "Seek Lumo to %u:%u:%u": track, then minutes and seconds into it (send
// "Set Lumo time format TMSF" first). seconds is held to 0..65535.
void FormatSeekCommand(char *command, size_t size, int track, int seconds);

// The play that follows a seek while playing: from track:minutes:seconds to
// the start of the next track, "Play Lumo from %u:%u:%u to %u Notify", or
// to the end from the last track on, "Play Lumo from %u:%u:%u Notify".
// seconds is held to 0..65535.
void FormatSeekPlayCommand(char *command, size_t size, int track, int trackCount, int seconds);

#endif
