// Pages of fresh memory taken in one request.
#include "PROGINC/Prefault.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace {
// Linux 5.14 and later; older headers do not name it, older kernels refuse it.
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;
#endif
}  // namespace

void PrefaultForWriting(void* begin, size_t bytes) {
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pageSize <= 0) return;
  const auto page = static_cast<uintptr_t>(pageSize);
  const auto from = reinterpret_cast<uintptr_t>(begin);
  const uintptr_t first = (from + page - 1) / page * page;
  const uintptr_t end = (from + bytes) / page * page;
  if (end <= first) return;
  // A refusal leaves the pages to come at their first write.
  (void)madvise(reinterpret_cast<void*>(first), end - first, kPopulateWrite);
}
