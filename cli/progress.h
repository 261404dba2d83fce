#pragma once

// Waits for the job started after `ticket` was taken to end, showing its progress on
// standard error while it runs when that is a terminal.
void awaitJobEnd(unsigned ticket);
