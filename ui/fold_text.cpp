#include "fold_text.h"

void FoldDisplayText(char *text)
{
    for (unsigned char *p = reinterpret_cast<unsigned char *>(text); *p; ++p) {
        switch (*p) {
        case 0xE0: *p = 'a'; break;
        case 0xE7: *p = 'c'; break;
        case 0xE8: case 0xE9: case 0xEA: case 0xEB: *p = 'e'; break;
        case 0xEF: *p = 'i'; break;
        case 0xF9: *p = 'u'; break;
        default: break;
        }
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<unsigned char>(*p - 'a' + 'A');
    }
}
