// Writing a formatter's text with the stream state it defines.
#include "PROGINC/StreamState.h"

void WriteFormatted(std::ostream& out, const char* text, size_t length, const StreamState& after) {
  out.write(text, static_cast<std::streamsize>(length));
  out.width(0);
  after.ApplyTo(out);
}
