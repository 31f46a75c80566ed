#include "ops/result_menu.h"

#include <utility>

#include "platform/console_io.h"
#include "prompt.h"
#include "record/display.h"
#include "session.h"
#include "store/save.h"

namespace {

constexpr std::string_view kOutputMenu =
    "*******************\n"
    "*  1-打印到屏幕    *\n"
    "*  2-保存到文件    *\n"
    "*******************\n";

// Reads answers as decimal integers until one is 1 or 2.
int ReadDecimalChoice(Session& s) {
  for (;;) {
    s.out() << kChoicePrompt;
    int32_t value = 0;
    switch (ReadDecimal(s.env.In(), &value)) {
      case DecimalRead::kEnd:
        s.env.Exit(0);
        break;
      case DecimalRead::kValue:
        if (value == 1 || value == 2) return value;
        break;
      case DecimalRead::kInvalid:
        break;
    }
    s.out() << kWrongChoice;
  }
}

int ReadOutputChoice(Session& s, AnswerForm form) {
  if (form == AnswerForm::kDecimal) return ReadDecimalChoice(s);
  return ReadChoice(s, "1", "2", kWrongChoice) == "1" ? 1 : 2;
}

}  // namespace

void ReportResults(Session& s, std::string_view found_text,
                   const Selection& selected, int64_t start, int64_t end,
                   const std::string& file_name, AnswerForm form) {
  s.out() << found_text << selected.size() << " 条记录, 耗时 ";
  PutMillis(s, start, end);
  s.out() << '\n' << kOutputMenu;
  if (ReadOutputChoice(s, form) == 1) {
    for (size_t i : selected) PutDev(s.out(), s.dev[i]);
  } else {
    RecordList results;
    results.reserve(selected.size());
    for (size_t i : selected) results.push_back(s.dev[i]);
    SaveDev(s, file_name, std::move(results), "res");
  }
}
