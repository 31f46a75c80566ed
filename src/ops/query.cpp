#include "ops/query.h"

#include <string>

#include "ops/result_menu.h"
#include "prompt.h"
#include "record/integer_value.h"
#include "session.h"

namespace {

constexpr std::string_view kQueryMenu =
    "\n"
    "*******************\n"
    "*  1-按设备名称查找 *\n"
    "*  2-按所属部门查找 *\n"
    "*  3-全域查找      *\n"
    "*******************\n";

}  // namespace

bool MatchesKeyword(const device& d, std::string_view keyword,
                    std::optional<int32_t> value) {
  if (value && d.serial == *value) return true;
  for (TextField field : kTextFields) {
    if (d.text(field) == keyword) return true;
  }
  return false;
}

void QueryDev(Session& s) {
  s.out() << kQueryMenu;
  const std::string choice = ReadChoice(s, "1", "3", kWrongChoice);
  static constexpr std::string_view kPrompts[] = {
      "请输入设备名称:", "请输入所属部门名称:", "请输入关键字:"};
  s.out() << kPrompts[choice[0] - '1'];
  const std::string term = ReadAnswer(s);
  const std::optional<int32_t> value = IntegerValue(term);
  const int64_t start = s.env.NowMillis();
  Selection selected;
  if (choice == "1") {
    selected =
        SelectRecords(s.dev, [&](const device& d) { return d.name() == term; });
  } else if (choice == "2") {
    selected = SelectRecords(
        s.dev, [&](const device& d) { return d.department() == term; });
  } else {
    selected = SelectRecords(
        s.dev, [&](const device& d) { return MatchesKeyword(d, term, value); });
  }
  const int64_t end = s.env.NowMillis();
  if (selected.empty()) {
    s.out() << "无法查询到此设备.\n";
  } else {
    ReportResults(s, "查询到 ", selected, start, end, "query.out",
                  AnswerForm::kDecimal);
  }
  ReturnMenu(s);
}
