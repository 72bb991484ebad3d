#include "random_draw.h"

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameTextIgnoringCase(const char *a, const char *b)
{
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (LowerAscii(*a) != LowerAscii(*b))
            return false;
    }
    return *a == *b;
}

} // namespace

int RandomPoolIndex(int generatorValue, int poolSize)
{
    if (poolSize <= 0)
        return -1;
    long long r = generatorValue < 0 ? 0 : generatorValue > kRandomValueMax ? kRandomValueMax : generatorValue;
    // 64-bit: r * (poolSize + 1) overflows int for pools above 65536 entries.
    long long k = r * ((long long)poolSize + 1) / kRandomValueMax + 1;
    if (k < 1)
        k = 1;
    if (k > poolSize)
        k = poolSize;
    return int(k - 1);
}

int FirstStepWithText(const char *const *playOrder, int length, const char *drawnText)
{
    if (drawnText == nullptr)
        return 1;
    for (int i = 0; i < length; ++i) {
        if (playOrder[i] != nullptr && SameTextIgnoringCase(playOrder[i], drawnText))
            return i + 1;
    }
    return 1;
}
