#include "PROGINC/OutBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

namespace {

// Appends numbered pieces of the given length and returns what reached the
// stream, next to the text expected.
void ExpectPiecesArriveInOrder(size_t pieceLength, int pieces) {
  std::ostringstream out;
  std::string expected;
  {
    OutBlock block(out);
    for (int i = 0; i < pieces; i++) {
      std::string piece(pieceLength, static_cast<char>('a' + i % 26));
      block.Append(piece.data(), piece.size());
      expected += piece;
    }
  }
  EXPECT_EQ(out.str(), expected);
}

}  // namespace

TEST(OutBlock, TextArrivesWholeAndInOrderWhileTheBufferGrowsAndIsHandedOver) {
  ExpectPiecesArriveInOrder(1, 5);
  ExpectPiecesArriveInOrder(100, 50000);  // about 5 MB: several hand-overs
  ExpectPiecesArriveInOrder(3000000, 3);  // each piece larger than a block
}

TEST(OutBlock, RoomKeepsOnlyTheCharactersUsed) {
  std::ostringstream out;
  {
    OutBlock block(out);
    char* room = block.Room(64);
    std::copy_n("kept, not kept", 14, room);
    block.Used(4);
    block.Append("!", 1);
  }
  EXPECT_EQ(out.str(), "kept!");
}

TEST(OutBlock, HandOverWritesNothingTwice) {
  std::ostringstream out;
  OutBlock block(out);
  block.Append("abc", 3);
  block.HandOver();
  block.HandOver();
  EXPECT_EQ(out.str(), "abc");
}

TEST(OutBlock, ABlockWithoutStreamKeepsAllItsTextUntilHandedOver) {
  OutBlock block;
  std::string expected;
  for (int i = 0; i < 30000; i++) {  // about 3 MB, past the size handed over at once
    std::string piece(100, static_cast<char>('a' + i % 26));
    block.Append(piece.data(), piece.size());
    expected += piece;
  }
  std::ostringstream out;
  block.HandOver();  // no stream: kept
  block.HandOverTo(out);
  block.HandOverTo(out);
  EXPECT_EQ(out.str(), expected);
}
