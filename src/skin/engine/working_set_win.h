// Trimming the process's working set when the application goes to the background, on a short
// thread of its own so the window thread never waits for it.
#pragma once

namespace yf {

// Starts one trim; returns at once.
void StartWorkingSetTrim();

// How many trims have finished in this process (for tests).
int FinishedWorkingSetTrims();

}  // namespace yf
