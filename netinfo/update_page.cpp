#include "update_page.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool StartsWithNoCase(const char *text, const char *prefix)
{
    for (; *prefix; ++text, ++prefix) {
        char c = *text;
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != *prefix)
            return false;
    }
    return true;
}

bool CopyBounded(const char *text, size_t n, char *out, size_t size)
{
    if (n >= size)
        return false;
    memcpy(out, text, n);
    out[n] = '\0';
    return true;
}

// The key's value when it is a plain address; a value too long for the
// buffer is refused rather than cut.
bool TakeAddress(const char *page, const char *key, char (&address)[kMaxAddress])
{
    char value[kMaxAddress + 1];
    if (!PageValue(page, key, value, sizeof(value)) || !IsPlainAddress(value)) {
        address[0] = '\0';
        return false;
    }
    memcpy(address, value, strlen(value) + 1);
    return true;
}

} // namespace

bool SplitPageAddress(const char *address, char *host, size_t hostSize, int *port, char *path, size_t pathSize)
{
    const char *start = strstr(address, "//");
    start = start ? start + 2 : address;
    const char *slash = strchr(start, '/');
    const char *hostEnd = slash ? slash : start + strlen(start);
    const char *colon = static_cast<const char *>(memchr(start, ':', size_t(hostEnd - start)));
    *port = 80;
    if (colon) {
        long value = 0;
        const char *p = colon + 1;
        if (p == hostEnd)
            return false;
        for (; p < hostEnd; ++p) {
            if (*p < '0' || *p > '9')
                return false;
            value = value * 10 + (*p - '0');
            if (value > 65535)
                return false;
        }
        if (value == 0)
            return false;
        *port = int(value);
    }
    const char *nameEnd = colon ? colon : hostEnd;
    if (nameEnd == start || !CopyBounded(start, size_t(nameEnd - start), host, hostSize))
        return false;
    if (!slash)
        return CopyBounded("/", 1, path, pathSize);
    return CopyBounded(slash, strlen(slash), path, pathSize);
}

int HttpStatusCode(const char *reply)
{
    const char *p = reply;
    while (*p && *p != ' ' && *p != '\n')
        ++p;
    while (*p == ' ')
        ++p;
    int code = 0;
    for (int digits = 0; *p >= '0' && *p <= '9' && digits < 3; ++p, ++digits)
        code = code * 10 + (*p - '0');
    return code;
}

const char *HttpBody(const char *reply)
{
    const char *crlf = strstr(reply, "\r\n\r\n");
    const char *lf = strstr(reply, "\n\n");
    if (crlf && (!lf || crlf < lf))
        return crlf + 4;
    if (lf)
        return lf + 2;
    const char *blank = strchr(reply, ' ');
    if (!blank)
        return reply;
    blank = strchr(blank + 1, ' ');
    return blank ? blank + 1 : reply + strlen(reply);
}

bool PageValue(const char *page, const char *key, char *value, size_t size)
{
    if (size == 0)
        return false;
    value[0] = '\0';
    const size_t keyLength = strlen(key);
    const char *p = page;
    for (;;) {
        p = strstr(p, key);
        if (!p)
            return false;
        if (p[keyLength] == '=')
            break;
        ++p;
    }
    const char *start = p + keyLength + 1;
    const char *end = strchr(start, '<');
    if (!end)
        return false;
    size_t n = size_t(end - start);
    if (n >= size)
        n = size - 1;
    memcpy(value, start, n);
    value[n] = '\0';
    return true;
}

bool PageBuild(const char *page, int *build)
{
    char text[32];
    if (!PageValue(page, "Build", text, sizeof(text)))
        return false;
    const char *p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX)
            value = INT_MAX;
    }
    *build = int(value);
    return true;
}

bool IsPlainAddress(const char *address)
{
    const size_t n = strlen(address);
    if (n == 0 || n >= kMaxAddress)
        return false;
    for (size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(address[i]);
        if (c <= 0x20 || c == 0x7f)
            return false;
    }
    return true;
}

bool IsWebAddress(const char *address)
{
    return IsPlainAddress(address) && (StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://"));
}

void AnalysePage(const char *page, int verify, int lastVerifiedBuild, int runningBuild, PageAnalysis *analysis)
{
    analysis->newBuild = 0;
    analysis->haveBuild = PageBuild(page, &analysis->newBuild);
    analysis->showMessages = verify == 2 || (verify == 1 && analysis->haveBuild && lastVerifiedBuild < analysis->newBuild);
    analysis->haveMessage = PageValue(page, "Message", analysis->message, sizeof(analysis->message));

    analysis->askQuestion = analysis->haveBuild && analysis->newBuild > runningBuild &&
                            TakeAddress(page, "OfficialPage", analysis->officialPage) &&
                            IsWebAddress(analysis->officialPage);
    if (!analysis->askQuestion)
        analysis->officialPage[0] = '\0';
    analysis->haveNewPage = TakeAddress(page, "QuickUpdate", analysis->newPage);
}
