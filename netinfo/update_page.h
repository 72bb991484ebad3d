// The QuickUpdate check page: the address, the HTTP reply, the page's keys
// and what the check does with them. No Windows header.
//
// A page writes a value as key, "=", the value, then "<" (the start of the
// next tag): "Build=570<br>".
#ifndef LUMO_NETINFO_UPDATE_PAGE_H
#define LUMO_NETINFO_UPDATE_PAGE_H

#include <cstddef>

const size_t kMaxPageMessage = 4096;
const size_t kMaxAddress = 256;

// Host, port and request path of a page address: what follows "//" when the
// address has it, up to the next "/"; a ":port" after the host; the path
// from that "/" on ("/" when there is none). False when the host is empty
// or does not fit, or the port is not a number in 1..65535.
bool SplitPageAddress(const char *address, char *host, size_t hostSize, int *port, char *path, size_t pathSize);

// The status code of an HTTP reply (the second field of its first line), or
// 0 when there is none.
int HttpStatusCode(const char *reply);

// What follows the first empty line; without one, the text after the
// code's blank (the whole reply when there is no blank).
const char *HttpBody(const char *reply);

// The text between the first "key=" and the next "<", cut to the buffer;
// false when either mark is missing.
bool PageValue(const char *page, const char *key, char *value, size_t size);

// "Build" read as a decimal number (leading blanks skipped, at least one
// digit, capped at the largest int); false when absent or not a number.
bool PageBuild(const char *page, int *build);

// An address that can be stored as a setting and sent on a request line:
// 1 to 255 characters, none of them a blank or a control character.
bool IsPlainAddress(const char *address);

// An address that may be handed to the shell to open: a plain address
// starting with "http://" or "https://".
bool IsWebAddress(const char *address);

// What the check does with a page.
struct PageAnalysis {
    bool haveBuild;
    int newBuild;
    bool showMessages;       // the settings ask for the message and question
    bool haveMessage;
    char message[kMaxPageMessage + 1];
    bool askQuestion;        // a newer build and an official page to open
    char officialPage[kMaxAddress];
    bool haveNewPage;        // the page moves the check elsewhere
    char newPage[kMaxAddress];
};

// `verify`: 0 never shows messages, 1 when the page's build is newer than
// `lastVerifiedBuild`, 2 every time. Without a "Build" value nothing is
// compared: no question, and with verify 1 no message. The question needs
// an official page that IsWebAddress accepts; a new check page needs an
// address that IsPlainAddress accepts.
void AnalysePage(const char *page, int verify, int lastVerifiedBuild, int runningBuild, PageAnalysis *analysis);

#endif
