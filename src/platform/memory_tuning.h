#pragma once

namespace orv {

// Every change to the log reads and writes it whole, so the same few megabytes are taken and
// given back at each QSO. Keeping them in the program, rather than returning them to the system
// and faulting them in again, makes a commit on a long log several times faster.
void keepMemoryBetweenRewrites();

}  // namespace orv
