// Memory hints for large blocks.
#include "matrix/LargeBlock.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
const uintptr_t kHugePage = uintptr_t(1) << 21;
// Below a few huge pages the hint gains nothing.
const size_t kLargeBlock = size_t(8) << 20;
}  // namespace

void AdviseLargeBlock(void* block, size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  if (block == nullptr || bytes < kLargeBlock) return;
  const uintptr_t start = reinterpret_cast<uintptr_t>(block);
  const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t last = (start + bytes) & ~(kHugePage - 1);
  // Only a hint: where it is refused the block keeps ordinary pages.
  if (last > first) (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  (void)block;
  (void)bytes;
#endif
}
