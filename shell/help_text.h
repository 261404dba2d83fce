#pragma once

// The guide that How To Use writes: 39 lines, 1480 characters with their line breaks.
extern const char helpText[];
// The name of the guide's file, written beside the executable.
extern const char helpFileName[];
// The text of the About box.
extern const char aboutText[];
