#include "ops/import_format.h"

#include <array>

#include "platform/console_io.h"

namespace {

// Walks the tokens of a text, one at a time.
class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}

  // The next token, or an empty view when the text has no more.
  std::string_view Next() {
    while (pos_ < text_.size() && IsBlank(Byte(pos_))) ++pos_;
    size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(Byte(pos_))) ++pos_;
    return text_.substr(start, pos_ - start);
  }

 private:
  unsigned char Byte(size_t i) const {
    return static_cast<unsigned char>(text_[i]);
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

void ParseImportFile(std::string_view content, RecordList& list) {
  // Counting the tokens first lets the list grow once: a million records
  // are copied and their memory touched only once.
  size_t tokens = 0;
  for (Tokenizer t(content); !t.Next().empty();) ++tokens;
  list.reserve(list.size() + tokens / kTextFields.size());

  Tokenizer next(content);
  for (;;) {
    std::array<std::string_view, 7> texts;
    for (std::string_view& text : texts) {
      text = next.Next();
      if (text.empty()) return;  // an unfinished record is dropped
    }
    list.emplace_back(texts);
  }
}
