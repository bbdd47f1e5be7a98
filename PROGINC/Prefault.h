// Prefault: memory that is about to be written all through, given its pages
// in one request instead of one page fault at a time.
#ifndef PROGINC_PREFAULT_H
#define PROGINC_PREFAULT_H

#include <cstddef>

// Asks the system for the pages that lie wholly within [begin, begin +
// bytes), ready for writing; their content does not change.  Where the system
// can not do so the pages come as usual, at their first write.
void PrefaultForWriting(void* begin, size_t bytes);

#endif
