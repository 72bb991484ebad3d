// Play sequencing: the play order, the current step, the play state, and
// what the drive plays next when a step ends.
#ifndef LUMO_PLAY_SEQUENCE_H
#define LUMO_PLAY_SEQUENCE_H

enum PlayState { PLAY_STOPPED = 0, PLAY_PLAYING = 1, PLAY_PAUSED = 2 };
enum RepeatMode { REPEAT_NONE = 1, REPEAT_DISC = 2, REPEAT_TRACK = 3 };

extern int g_playState;
extern int g_currentPosition;     // 1-based step of the play order; 0 before the first disc
extern int g_playOrderLength;     // steps of the play-order list
extern int g_repeatMode;
extern int g_randomFlag;
extern int g_pendingPlayRequest;  // position to start at once a disc is taken up
extern int g_savedContentMode;    // content mode to restore after a time-bar drag; 0 when none

int PlayOrderLength();
// The track of step `position` (1-based), 0 when there is no such step.
int TrackAt(int position);
void ShowCurrentTrack();
void StartPlay();
void StopPlay();
void PausePlay();
void GoToCurrent();
int PickRandomTrack();
void RefillRandomPool();
// Moves to `seconds` into the current step's track; keeps playing from
// there when playing, else only seeks.
void SeekInTrack(unsigned seconds);
void PlayPauseRequest(long position);
void HandlePlayNotify();
// Every main timer tick while the device is open: takes up a disc that
// changed without a notification, and ends a step whose play ended without
// one.
void PollDisc();
// The time bar's scroll notifications.
void HandleTimeBarScroll(int code, int thumb);

#endif
