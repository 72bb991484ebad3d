#include "control_file.h"

#include <cstdio>
#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameText(const char* a, size_t n, const char* b) {
  if (strlen(b) != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

void TrimSpan(const char** p, size_t* n) {
  while (*n > 0 && IsBlank(**p)) { ++*p; --*n; }
  while (*n > 0 && IsBlank((*p)[*n - 1])) --*n;
}

// One line of an INI text, as found by NextLine.
struct IniLine {
  size_t begin, end, next;  // [begin, end) without the line break; next line at `next`
  enum Kind { Blank, Comment, Section, Entry, Other } kind;
  const char* name;  // section or key name
  size_t nameLength;
  const char* value;  // entry value, trimmed
  size_t valueLength;
};

bool NextLine(const char* text, size_t length, size_t pos, IniLine* line) {
  if (pos >= length) return false;
  size_t end = pos;
  while (end < length && text[end] != '\n') ++end;
  line->begin = pos;
  line->next = end < length ? end + 1 : end;
  if (end > pos && text[end - 1] == '\r') --end;
  line->end = end;
  const char* p = text + pos;
  size_t n = end - pos;
  TrimSpan(&p, &n);
  line->name = line->value = nullptr;
  line->nameLength = line->valueLength = 0;
  if (n == 0) {
    line->kind = IniLine::Blank;
  } else if (*p == ';' || *p == '#') {
    line->kind = IniLine::Comment;
  } else if (*p == '[') {
    const char* close = static_cast<const char*>(memchr(p, ']', n));
    line->kind = close ? IniLine::Section : IniLine::Other;
    if (close) {
      line->name = p + 1;
      line->nameLength = static_cast<size_t>(close - p - 1);
      TrimSpan(&line->name, &line->nameLength);
    }
  } else {
    const char* eq = static_cast<const char*>(memchr(p, '=', n));
    if (!eq) {
      line->kind = IniLine::Other;
    } else {
      line->kind = IniLine::Entry;
      line->name = p;
      line->nameLength = static_cast<size_t>(eq - p);
      TrimSpan(&line->name, &line->nameLength);
      line->value = eq + 1;
      line->valueLength = n - static_cast<size_t>(eq - p) - 1;
      TrimSpan(&line->value, &line->valueLength);
    }
  }
  return true;
}

bool Append(char* out, size_t outSize, size_t* used, const char* s, size_t n) {
  if (n > outSize || *used > outSize - n) return false;
  memcpy(out + *used, s, n);
  *used += n;
  return true;
}

bool AppendText(char* out, size_t outSize, size_t* used, const char* s) {
  return Append(out, outSize, used, s, strlen(s));
}

bool IsAbsolutePath(const char* path) {
  if (path[0] == '\\' || path[0] == '/') return true;
  return ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) && path[1] == ':';
}

}  // namespace

bool FindIniValue(const char* text, size_t length, const char* section, const char* key, char* out,
                  size_t outSize) {
  if (!text || outSize == 0) return false;
  bool inSection = false;
  IniLine line;
  for (size_t pos = 0; NextLine(text, length, pos, &line); pos = line.next) {
    if (line.kind == IniLine::Section) {
      inSection = SameText(line.name, line.nameLength, section);
    } else if (inSection && line.kind == IniLine::Entry && SameText(line.name, line.nameLength, key)) {
      const char* v = line.value;
      size_t n = line.valueLength;
      if (n >= 2 && (v[0] == '"' || v[0] == '\'') && v[n - 1] == v[0]) {
        ++v;
        n -= 2;
      }
      if (n >= outSize) return false;
      memcpy(out, v, n);
      out[n] = '\0';
      return true;
    }
  }
  return false;
}

size_t SetIniValue(const char* text, size_t length, const char* section, const char* key, const char* value,
                   char* out, size_t outSize) {
  if (!text) length = 0;
  const char* eol = (length > 0 && memchr(text, '\r', length)) ? "\r\n" : "\n";
  // Find the entry to replace, or the end of the last non-blank line of the section.
  bool inSection = false, sectionFound = false;
  size_t replaceBegin = 0, replaceEnd = 0, insertAt = 0;
  bool replace = false;
  IniLine line;
  for (size_t pos = 0; NextLine(text, length, pos, &line); pos = line.next) {
    if (line.kind == IniLine::Section) {
      if (inSection) break;
      inSection = SameText(line.name, line.nameLength, section);
      if (inSection) {
        sectionFound = true;
        insertAt = line.next;
      }
    } else if (inSection) {
      if (line.kind == IniLine::Entry && SameText(line.name, line.nameLength, key)) {
        replace = true;
        replaceBegin = line.begin;
        replaceEnd = line.end;
        break;
      }
      if (line.kind != IniLine::Blank) insertAt = line.next;
    }
  }

  size_t used = 0;
  if (replace) {
    bool ok = Append(out, outSize, &used, text, replaceBegin) && AppendText(out, outSize, &used, key) &&
              AppendText(out, outSize, &used, "=") && AppendText(out, outSize, &used, value) &&
              Append(out, outSize, &used, text + replaceEnd, length - replaceEnd);
    return ok && used < outSize ? (out[used] = '\0', used) : 0;
  }
  bool ok;
  if (sectionFound) {
    // The last line of the section may lack its line break at the end of the text.
    bool needBreak = insertAt > 0 && text[insertAt - 1] != '\n';
    ok = Append(out, outSize, &used, text, insertAt) && (!needBreak || AppendText(out, outSize, &used, eol)) &&
         AppendText(out, outSize, &used, key) && AppendText(out, outSize, &used, "=") &&
         AppendText(out, outSize, &used, value) && AppendText(out, outSize, &used, eol) &&
         Append(out, outSize, &used, text + insertAt, length - insertAt);
  } else {
    bool needBreak = length > 0 && text[length - 1] != '\n';
    ok = Append(out, outSize, &used, text, length) && (!needBreak || AppendText(out, outSize, &used, eol)) &&
         AppendText(out, outSize, &used, "[") && AppendText(out, outSize, &used, section) &&
         AppendText(out, outSize, &used, "]") && AppendText(out, outSize, &used, eol) &&
         AppendText(out, outSize, &used, key) && AppendText(out, outSize, &used, "=") &&
         AppendText(out, outSize, &used, value) && AppendText(out, outSize, &used, eol);
  }
  return ok && used < outSize ? (out[used] = '\0', used) : 0;
}

void ReadDriveControl(const char* text, size_t length, const char* baseDir, DriveControl* control) {
  memset(control, 0, sizeof(*control));
  control->speed = 1;
  control->notify = true;
  char value[kMaxPathText];

  if (FindIniValue(text, length, "Drive", "Disc", value, sizeof(value)) && value[0] &&
      !ResolvePath(baseDir, value, control->discPath, sizeof(control->discPath)))
    control->discPath[0] = '\0';
  if (FindIniValue(text, length, "Drive", "Log", value, sizeof(value)) && value[0] &&
      !ResolvePath(baseDir, value, control->logPath, sizeof(control->logPath)))
    control->logPath[0] = '\0';
  if (FindIniValue(text, length, "Drive", "Door", value, sizeof(value)))
    control->doorOpen = SameText(value, strlen(value), "open");
  if (FindIniValue(text, length, "Drive", "Notify", value, sizeof(value)))
    control->notify = strcmp(value, "0") != 0;
  if (FindIniValue(text, length, "Drive", "Speed", value, sizeof(value))) {
    uint32_t speed = 0;
    bool ok = value[0] != '\0';
    for (const char* p = value; ok && *p; ++p) {
      ok = *p >= '0' && *p <= '9';
      if (ok) speed = speed * 10 + static_cast<uint32_t>(*p - '0');
      if (speed > kMaxSpeed) ok = false;
    }
    if (ok && speed > 0) control->speed = speed;
  }
}

bool ResolvePath(const char* baseDir, const char* path, char* out, size_t outSize) {
  int n;
  if (IsAbsolutePath(path) || !baseDir || !baseDir[0])
    n = snprintf(out, outSize, "%s", path);
  else
    n = snprintf(out, outSize, "%s\\%s", baseDir, path);
  return n >= 0 && static_cast<size_t>(n) < outSize;
}

void DirectoryOf(const char* path, char* out, size_t outSize) {
  const char* cut = nullptr;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/') cut = p;
  size_t n = cut ? static_cast<size_t>(cut - path) : 0;
  if (outSize == 0) return;
  if (n >= outSize) n = 0;  // a folder we cannot hold is no folder at all
  memcpy(out, path, n);
  out[n] = '\0';
}
