#include "text_values.h"

#include <climits>

bool IsYes(const char *value)
{
    return value != nullptr && value[0] == 'O';
}

const char *YesNoText(int yes)
{
    return yes ? "O" : "N";
}

int DecimalTextValue(const char *text)
{
    unsigned value = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p)
        value = value * 10u + unsigned(int(*p) - '0');
    return int(value);
}

int SignedDecimalValue(const char *text)
{
    const char *p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return int(negative ? -value : value);
}

void RepeatCharacter(char *buffer, size_t size, char c, int count)
{
    if (size == 0)
        return;
    size_t n = count > 0 ? size_t(count) : 0;
    if (n > size - 1)
        n = size - 1;
    for (size_t i = 0; i < n; ++i)
        buffer[i] = c;
    buffer[n] = '\0';
}

bool CopyText(char *buffer, size_t size, const char *text)
{
    if (size == 0)
        return false;
    size_t i = 0;
    for (; i + 1 < size && text[i] != '\0'; ++i)
        buffer[i] = text[i];
    buffer[i] = '\0';
    return text[i] == '\0';
}
