#include "common/text.h"

bool isDigitsOnly(const char* text)
{
    for (; *text != '\0'; ++text) {
        if (*text < '0' || *text > '9')
            return false;
    }
    return true;
}
