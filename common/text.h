#pragma once

// True when every character of the NUL-terminated `text` is one of the digits 0 to 9.
// The empty text passes.
bool isDigitsOnly(const char* text);
