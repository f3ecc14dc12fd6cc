#include "platform/memory_tuning.h"

#include <malloc.h>

namespace orv {

void keepMemoryBetweenRewrites() {
    // Blocks up to 32 MB (a log of 99,999 QSOs is 11 MB) come from the heap, and up to 64 MB of
    // freed heap stay with the program.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
}

}  // namespace orv
