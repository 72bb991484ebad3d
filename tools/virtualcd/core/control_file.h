// The drive's control file: an INI file whose [Drive] section says which disc
// is in the drive, whether the door is open, how fast the play clock runs,
// whether plays notify at their end, and where the command log goes.
// Platform-neutral: no Windows header here.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kMaxControlFileSize = 64 * 1024;
constexpr size_t kMaxPathText = 520;
constexpr uint32_t kMaxSpeed = 100000;

struct DriveControl {
  char discPath[kMaxPathText];  // empty: no disc
  bool doorOpen;
  uint32_t speed;  // play clock factor, at least 1
  bool notify;     // false: behave like the driver of Windows Vista and later
  char logPath[kMaxPathText];  // empty: no log
};

// Value of `key` in `[section]`, trimmed and unquoted, as GetPrivateProfileString
// gives it. Section and key names are case-insensitive; lines starting with
// ';' or '#' are comments. False when absent or too long for `out`.
bool FindIniValue(const char* text, size_t length, const char* section, const char* key, char* out,
                  size_t outSize);

// Writes into `out` the text with `key` of `[section]` set to `value`: the
// line is replaced in place, added at the end of the section, or a new
// section is appended. Keeps the text's line endings. Returns the new
// length, or 0 when it does not fit in `out`.
size_t SetIniValue(const char* text, size_t length, const char* section, const char* key, const char* value,
                   char* out, size_t outSize);

// Interprets [Drive]; missing or unreadable values take their defaults
// (no disc, door closed, speed 1, notify on, no log). Relative paths are
// taken from `baseDir`, the folder of the control file.
void ReadDriveControl(const char* text, size_t length, const char* baseDir, DriveControl* control);

// `path` made absolute against `baseDir` unless it already is (a drive
// letter, a leading slash or backslash). False when it does not fit.
bool ResolvePath(const char* baseDir, const char* path, char* out, size_t outSize);

// Folder part of a file path, without the trailing separator ("" when none).
void DirectoryOf(const char* path, char* out, size_t outSize);
