// LargeBlock: memory hints for the large element blocks of the matrix
// container.  A day of 1-second records fills several series of tens of
// megabytes each; backing them with huge pages saves most of the cost of
// touching them the first time.
#ifndef MATRIX_LARGEBLOCK_H
#define MATRIX_LARGEBLOCK_H

#include <cstddef>

// Asks the system to back the whole huge pages inside a freshly allocated,
// not yet touched block with huge pages.  Small blocks, and systems without
// such pages, are left as they are; the contents never change.
void AdviseLargeBlock(void* block, size_t bytes);

#endif
