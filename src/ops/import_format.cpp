#include "ops/import_format.h"

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
  Tokenizer tokens(content);
  for (;;) {
    device d;
    for (std::string* field : {&d.number, &d.name, &d.user, &d.department,
                               &d.quantity, &d.time, &d.price}) {
      std::string_view token = tokens.Next();
      if (token.empty()) return;  // an unfinished record is dropped
      field->assign(token);
    }
    list.push_back(std::move(d));
  }
}
