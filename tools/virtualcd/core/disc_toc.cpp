#include "disc_toc.h"

#include <cstring>

namespace {

struct Span {
  const char* p;
  size_t n;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

Span Trim(Span s) {
  while (s.n > 0 && IsBlank(s.p[0])) { ++s.p; --s.n; }
  while (s.n > 0 && IsBlank(s.p[s.n - 1])) --s.n;
  return s;
}

bool KeyIs(Span key, const char* name) {
  size_t len = strlen(name);
  if (key.n != len) return false;
  for (size_t i = 0; i < len; ++i) {
    char c = key.p[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != name[i]) return false;
  }
  return true;
}

// Reads the next blank-separated decimal number of s. Returns 1 for a number,
// 0 at the end of s, -1 for anything that is not a number up to `limit`.
int NextNumber(Span* s, uint32_t limit, uint32_t* value) {
  *s = Trim(*s);
  if (s->n == 0) return 0;
  uint64_t v = 0;
  size_t i = 0;
  while (i < s->n && !IsBlank(s->p[i])) {
    char c = s->p[i];
    if (c < '0' || c > '9') return -1;
    v = v * 10 + static_cast<uint64_t>(c - '0');
    if (v > limit) return -1;
    ++i;
  }
  *value = static_cast<uint32_t>(v);
  s->p += i;
  s->n -= i;
  return 1;
}

bool Fail(DiscToc* toc, const char** error, const char* why) {
  memset(toc, 0, sizeof(*toc));
  if (error) *error = why;
  return false;
}

}  // namespace

bool ParseDiscText(const char* text, size_t length, DiscToc* toc, const char** error) {
  memset(toc, 0, sizeof(*toc));
  if (error) *error = nullptr;
  if (length > kMaxDiscFileSize) return Fail(toc, error, "file too large");
  if (!text) length = 0;

  bool haveTracks = false, haveLeadOut = false, haveData = false;
  uint32_t leadOut = 0;
  Span dataList = {nullptr, 0};
  size_t pos = 0;
  while (pos < length) {
    size_t end = pos;
    while (end < length && text[end] != '\n') ++end;
    Span line = {text + pos, end - pos};
    pos = end + 1;
    const char* hash = static_cast<const char*>(memchr(line.p, '#', line.n));
    if (hash) line.n = static_cast<size_t>(hash - line.p);
    line = Trim(line);
    if (line.n == 0) continue;
    const char* eq = static_cast<const char*>(memchr(line.p, '=', line.n));
    if (!eq) return Fail(toc, error, "line without '='");
    Span key = Trim({line.p, static_cast<size_t>(eq - line.p)});
    Span value = {eq + 1, line.n - static_cast<size_t>(eq - line.p) - 1};

    if (KeyIs(key, "tracks")) {
      if (haveTracks) return Fail(toc, error, "tracks given twice");
      haveTracks = true;
      uint32_t frame = 0;
      int got;
      while ((got = NextNumber(&value, kMaxDiscFrame, &frame)) == 1) {
        if (toc->trackCount == kMaxTracks) return Fail(toc, error, "more than 99 tracks");
        if (toc->trackCount > 0 && frame <= toc->start[toc->trackCount - 1])
          return Fail(toc, error, "track starts not increasing");
        toc->start[toc->trackCount++] = frame;
      }
      if (got < 0) return Fail(toc, error, "bad track start");
      if (toc->trackCount == 0) return Fail(toc, error, "no tracks");
    } else if (KeyIs(key, "leadout")) {
      if (haveLeadOut) return Fail(toc, error, "leadout given twice");
      haveLeadOut = true;
      uint32_t extra = 0;
      if (NextNumber(&value, kMaxDiscFrame + 1, &leadOut) != 1 || NextNumber(&value, 0, &extra) != 0)
        return Fail(toc, error, "bad leadout");
    } else if (KeyIs(key, "identity")) {
      if (toc->hasIdentity) return Fail(toc, error, "identity given twice");
      uint32_t extra = 0;
      if (NextNumber(&value, 0xFFFFFFFFu, &toc->identity) != 1 || NextNumber(&value, 0, &extra) != 0)
        return Fail(toc, error, "bad identity");
      toc->hasIdentity = true;
    } else if (KeyIs(key, "data")) {
      if (haveData) return Fail(toc, error, "data given twice");
      haveData = true;
      dataList = value;  // checked once the track count is known
    }
    // Other keys are ignored so that newer disc files still load.
  }
  if (!haveTracks) return Fail(toc, error, "no tracks");
  if (!haveLeadOut) return Fail(toc, error, "no leadout");
  if (leadOut <= toc->start[toc->trackCount - 1]) return Fail(toc, error, "leadout not after last track");
  toc->start[toc->trackCount] = leadOut;

  uint32_t track = 0;
  int got;
  while ((got = NextNumber(&dataList, kMaxTracks, &track)) == 1) {
    if (track < 1 || static_cast<int>(track) > toc->trackCount) return Fail(toc, error, "data track out of range");
    toc->isData[track - 1] = true;
  }
  if (got < 0) return Fail(toc, error, "bad data track");
  return true;
}

uint32_t TrackStart(const DiscToc& toc, int track) { return toc.start[track - 1]; }

uint32_t LeadOut(const DiscToc& toc) { return toc.start[toc.trackCount]; }

uint32_t TrackLength(const DiscToc& toc, int track) {
  uint32_t length = toc.start[track] - toc.start[track - 1];
  return track == toc.trackCount ? length - 1 : length;
}

uint32_t DiscLength(const DiscToc& toc) { return LeadOut(toc) - toc.start[0]; }

uint32_t DiscEndFrame(const DiscToc& toc) { return LeadOut(toc) - 1; }

int TrackAtFrame(const DiscToc& toc, uint32_t frame) {
  int track = 1;
  while (track < toc.trackCount && toc.start[track] <= frame) ++track;
  return track;
}

bool IsDataTrack(const DiscToc& toc, int track) {
  return track >= 1 && track <= toc.trackCount && toc.isData[track - 1];
}

uint32_t DiscIdentity(const DiscToc& toc) {
  if (toc.hasIdentity) return toc.identity;
  // Sum of the tracks' start addresses packed as 0x00MMSSFF, plus, for discs
  // of fewer than three tracks, the first start's frames and the disc length.
  uint32_t sum = 0;
  for (int i = 0; i < toc.trackCount; ++i) {
    uint32_t frame = toc.start[i];
    uint32_t m = frame / kFramesPerMinute, s = frame / kFramesPerSecond % 60, f = frame % kFramesPerSecond;
    sum += (m << 16) | (s << 8) | f;
  }
  if (toc.trackCount < 3) sum += toc.start[0] % kFramesPerSecond + DiscLength(toc);
  return sum;
}

bool SameDisc(const DiscToc& a, const DiscToc& b) {
  if (a.trackCount != b.trackCount || a.hasIdentity != b.hasIdentity) return false;
  if (a.hasIdentity && a.identity != b.identity) return false;
  for (int i = 0; i <= a.trackCount; ++i)
    if (a.start[i] != b.start[i]) return false;
  for (int i = 0; i < a.trackCount; ++i)
    if (a.isData[i] != b.isData[i]) return false;
  return true;
}
