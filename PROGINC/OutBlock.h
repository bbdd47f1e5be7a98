// OutBlock: text gathered in one large buffer and handed to a stream in big
// pieces, so that a listing of millions of rows costs few stream calls.  A
// block bound to no stream keeps all its text until it is handed over, so it
// can be gathered on one thread and written on another.
#ifndef PROGINC_OUTBLOCK_H
#define PROGINC_OUTBLOCK_H

#include <cstddef>
#include <cstring>
#include <ostream>
#include <vector>

class OutBlock {
 public:
  explicit OutBlock(std::ostream& out);
  OutBlock();
  OutBlock(const OutBlock&) = delete;
  OutBlock& operator=(const OutBlock&) = delete;
  ~OutBlock() { HandOver(); }

  // Room for n more characters at the end of the text; Used(m) with m <= n
  // then keeps the m characters written there.
  char* Room(size_t n) {
    if (filled_ + n > buffer_.size()) MakeRoom(n);
    return buffer_.data() + filled_;
  }
  void Used(size_t n) { filled_ += n; }
  void Append(const char* text, size_t n) {
    std::memcpy(Room(n), text, n);
    Used(n);
  }
  // Writes the gathered text to the block's stream, if it has one, or to
  // `out`, and starts anew.
  void HandOver() {
    if (out_ != nullptr) HandOverTo(*out_);
  }
  void HandOverTo(std::ostream& out);

 private:
  void MakeRoom(size_t n);

  std::ostream* out_;
  std::vector<char> buffer_;
  size_t filled_;
};

#endif
