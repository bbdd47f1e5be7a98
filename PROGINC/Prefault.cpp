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
  char* const start = static_cast<char*>(begin);
  const uintptr_t skip = (page - reinterpret_cast<uintptr_t>(start) % page) % page;
  if (bytes <= skip) return;
  const size_t length = (bytes - skip) / page * page;
  if (length == 0) return;
  // A refusal leaves the pages to come at their first write.
  (void)madvise(start + skip, length, kPopulateWrite);
}
