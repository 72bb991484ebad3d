// Play sequencing: the current step of the play order and the play state.
#ifndef LUMO_PLAY_SEQUENCE_H
#define LUMO_PLAY_SEQUENCE_H

enum PlayState { PLAY_STOPPED = 0, PLAY_PLAYING = 1, PLAY_PAUSED = 2 };
enum RepeatMode { REPEAT_NONE = 1, REPEAT_DISC = 2, REPEAT_TRACK = 3 };

extern int g_playState;
extern int g_currentPosition;  // 1-based step of the play order
extern int g_repeatMode;
extern int g_randomFlag;
extern int g_pendingPlayRequest;  // position to start at once a disc is taken up
extern int g_savedContentMode;    // content mode to restore after a time-bar drag; 0 when none

int PlayOrderLength();
int TrackAt(int position);
void StartPlay();
void StopPlay();
void PausePlay();
void GoToCurrent();
void PlayPauseRequest(long position);
void HandlePlayNotify();
// Every main timer tick while the device is open: takes up a disc that
// changed without a notification.
void PollDisc();
// Moves to `seconds` into the current step's track; keeps playing from
// there when playing, else only seeks.
void SeekInTrack(unsigned seconds);
// The time bar's scroll notifications.
void HandleTimeBarScroll(int code, int thumb);

#endif
