// Joining the pieces of a day: each later piece's header is read and checked
// against the first piece's, then passed over.
#include "rinex/PieceInput.h"

#include "rinex/ConverterError.h"

namespace {

std::string TypesText(const std::vector<ObsCode>& codes) {
  std::string text;
  for (const ObsCode& code : codes) {
    text += ' ';
    text.append(code.data(), code[2] == ' ' ? 2 : 3);
  }
  return text.empty() ? " none" : text;
}

// Refuses a later piece whose records would be read with another layout.
void CheckPiece(const std::string& path, const ObsHeader& later, const std::string& firstPath,
                const ObsHeader& first) {
  if (later.version != first.version)
    FileError(path, "RINEX version " + std::to_string(later.version) + " where the first piece " +
                        firstPath + " has " + std::to_string(first.version) +
                        "; the pieces of a day are read as one file");
  for (size_t s = 0; s < first.types.size(); s++) {
    if (later.types[s] == first.types[s]) continue;
    // RINEX 2 gives every system the one list.
    const std::string system =
        first.IsRinex2() ? "" : "system " + std::string(1, static_cast<char>('A' + s)) + ": ";
    FileError(path, "other observation types than the first piece " + firstPath + " (" + system +
                        TypesText(later.types[s]).substr(1) + " against" +
                        TypesText(first.types[s]) + "); the pieces of a day are read as one file");
  }
}

class PieceInput : public TextInput {
 public:
  PieceInput(std::unique_ptr<TextInput> first, const ObsHeader& head,
             const std::vector<std::string>& paths)
      : current_(std::move(first)), head_(head), paths_(paths) {}

  bool Next() override {
    while (pieceEnded_ || !current_->Next()) {
      pieceEnded_ = true;  // never read past an end twice
      if (!PieceFollows()) return false;
      pieceEnded_ = false;
      current_ = OpenTextInput(paths_[++piece_]);
      CheckPiece(paths_[piece_], ReadObsHeader(*current_), paths_.front(), head_);
    }
    Take();
    return true;
  }

  // A record cut short at the end of a piece ends there, as it would at the
  // end of a single file, instead of taking the next piece's lines.
  bool NextInRecord() override {
    if (pieceEnded_ || !current_->Next()) {
      pieceEnded_ = true;
      return false;
    }
    Take();
    return true;
  }

  bool PieceFollows() const override { return piece_ + 1 < paths_.size(); }

 private:
  std::unique_ptr<TextInput> current_;
  const ObsHeader head_;  // the first piece's
  const std::vector<std::string> paths_;
  size_t piece_ = 0;         // the piece being read
  bool pieceEnded_ = false;  // its last line has been read

  void Take() {
    line = current_->line;
    lineNo = current_->lineNo;
    name = current_->name;
  }
};

}  // namespace

std::unique_ptr<TextInput> OpenObservationPieces(const std::vector<std::string>& paths,
                                                 ObsHeader& head) {
  std::unique_ptr<TextInput> first = OpenTextInput(paths.front());
  head = ReadObsHeader(*first);
  if (paths.size() == 1) return first;
  auto joined = std::make_unique<PieceInput>(std::move(first), head, paths);
  joined->name = paths.front();
  return joined;
}
