// Table of contents of a simulated disc, read from a ".disc" text file.
// Platform-neutral: no Windows header here.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kMaxTracks = 99;
constexpr uint32_t kFramesPerSecond = 75;
constexpr uint32_t kFramesPerMinute = 60 * kFramesPerSecond;
// 99:59:74, the last address a red-book disc can have.
constexpr uint32_t kMaxDiscFrame = 100 * kFramesPerMinute - 1;
// Disc files are a few lines long; anything bigger is not one of ours.
constexpr size_t kMaxDiscFileSize = 64 * 1024;

struct DiscToc {
  int trackCount;
  // start[i] is the absolute frame of track i + 1; start[trackCount] is the lead-out.
  uint32_t start[kMaxTracks + 1];
  bool isData[kMaxTracks];
  bool hasIdentity;
  uint32_t identity;
};

// Parses the text of a disc file. On failure returns false, leaves *toc
// cleared and points *error (when given) at a short static reason.
bool ParseDiscText(const char* text, size_t length, DiscToc* toc, const char** error);

// Tracks are numbered from 1; callers check 1 <= track <= trackCount.
uint32_t TrackStart(const DiscToc& toc, int track);
uint32_t LeadOut(const DiscToc& toc);
// The stock Windows driver reports the last track one frame short; the
// disc ids of CD databases depend on it, so we do the same.
uint32_t TrackLength(const DiscToc& toc, int track);
uint32_t DiscLength(const DiscToc& toc);
// Last frame a play can reach: the lead-out itself cannot be played.
uint32_t DiscEndFrame(const DiscToc& toc);
// Track holding the frame; frames before track 1 count as track 1 and
// frames at or past the lead-out as the last track.
int TrackAtFrame(const DiscToc& toc, uint32_t frame);
bool IsDataTrack(const DiscToc& toc, int track);
// The identity given in the file, or the number Windows' CD audio driver
// derives from the table of contents (what the Windows CD Player keys its
// disc database on).
uint32_t DiscIdentity(const DiscToc& toc);
bool SameDisc(const DiscToc& a, const DiscToc& b);
