// Random play: which pool entry a generator value draws, and which step of
// the play order a drawn track makes current. No Windows header.
#ifndef LUMO_RANDOM_DRAW_H
#define LUMO_RANDOM_DRAW_H

const int kRandomValueMax = 32767;

// The pool entry (0-based) a generator value r from 0 to 32767 draws from a
// pool of poolSize entries: k = r * (poolSize + 1) / 32767 + 1, held to 1 ..
// poolSize, minus 1. The last entry also takes the draws past the end, so
// it comes up about twice as often as the others. A value outside 0..32767
// is held to that range. Returns -1 for an empty pool.
// PickRandomTrack calls it once per draw of its rolling series, with the
// pool's current size, and removes the entry of the last draw.
int RandomPoolIndex(int generatorValue, int poolSize);

// The 1-based step the player goes to for a drawn pool entry: the first
// play-order entry whose text equals the drawn text (ignoring the case of
// ASCII letters), so a track that occurs several times always maps to its
// first step: with [3, 3, 1], either draw of 3 gives step 1. Returns 1 when
// no entry matches, which cannot happen while the pool is a copy of the play
// order, so the result is always a step of a non-empty play order.
int FirstStepWithText(const char *const *playOrder, int length, const char *drawnText);

#endif
