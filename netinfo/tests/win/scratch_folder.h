// A private folder per test (the program directory the library is given),
// with helpers to write and read its files, INI files included.
#pragma once

#include <string>
#include <vector>

#include "harness.h"

// What Setting() gives for a key the file does not hold.
using e2e::kNoValue;

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();

    // The folder, ending with a backslash.
    const std::string &Path() const { return path_; }
    std::string File(const std::string &name) const { return path_ + name; }

    // Written aside and renamed over, as the end-to-end harness does.
    void Write(const std::string &name, const std::string &text) const;
    std::string Read(const std::string &name) const;
    bool Exists(const std::string &name) const;
    std::string Setting(const std::string &file, const char *section, const char *key) const;

    // NETINFO.LOG, one entry per line with its stamp checked and removed:
    // ">> text" or "<< text"; the further lines of an entry as they are.
    std::vector<std::string> LogLines() const;

private:
    std::string path_;
};
