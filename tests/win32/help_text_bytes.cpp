#include "help_text_bytes.h"

#include "shell/help_text.h"

Bytes helpFileBytes()
{
    Bytes bytes;
    for (const char* c = helpText; *c != '\0'; ++c) {
        if (*c == '\n')
            bytes.push_back('\r');
        bytes.push_back(static_cast<unsigned char>(*c));
    }
    return bytes;
}

std::string aboutTextOfProgram()
{
    return aboutText;
}
