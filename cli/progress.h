#pragma once
#include <cstdint>

// On a terminal, shows the progress of the job started after `ticket` was taken on
// standard error until it ends, then clears the line. Elsewhere returns at once.
void showProgressOfJob(uint32_t ticket);
