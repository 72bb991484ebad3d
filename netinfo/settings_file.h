// NETINFO.LMD, the network settings shared with the program: read afresh
// by each operation and written at once. A missing file or key gives the
// defaults.
#ifndef LUMO_NETINFO_SETTINGS_FILE_H
#define LUMO_NETINFO_SETTINGS_FILE_H

#include <cstddef>

extern const char kDefaultServerHost[];
extern const int kDefaultServerPort;
extern const char kDefaultUpdatePage[];

// "Server" and "Port" of a section ([Selected] or [SelectedAddress]).
void ReadServerSetting(const char *section, char *host, size_t hostSize, int *port);
void WriteServerSetting(const char *section, const char *host, int port);

void ReadSettingText(const char *section, const char *key, const char *fallback, char *text, size_t size);
int ReadSettingNumber(const char *section, const char *key, int fallback);
void WriteSettingText(const char *section, const char *key, const char *text);
void WriteSettingNumber(const char *section, const char *key, int value);

#endif
