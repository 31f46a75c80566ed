#include "ops/filter.h"

#include <string>

#include "ops/result_menu.h"
#include "prompt.h"
#include "record/compare.h"
#include "session.h"

namespace {

constexpr std::string_view kFilterMenu =
    "\n"
    "*******************\n"
    "*  1-按设备数量筛选 *\n"
    "*  2-按购买时间筛选 *\n"
    "*  3-按价格筛选    *\n"
    "*******************\n";

using InRange = bool (*)(std::string_view, std::string_view, std::string_view);

struct FilterKind {
  std::string_view prompt;
  TextField field;
  InRange in_range;
};

const FilterKind kKinds[] = {
    {"请输入筛选范围(例:666 2333):", kQuantity, CmpStr},
    {"请输入筛选范围(例:2042.1.1 2077.12.31):", kTime, CmpTme},
    {"请输入筛选范围(例:6666 23333):", kPrice, CmpStr},
};

}  // namespace

void FilterDev(Session& s) {
  s.out() << kFilterMenu;
  const FilterKind& kind =
      kKinds[ReadChoice(s, "1", "3", kWrongChoice)[0] - '1'];
  s.out() << kind.prompt;
  const std::string lo = ReadAnswer(s);
  const std::string hi = ReadAnswer(s);
  const int64_t start = s.env.NowMillis();
  Selection selected = SelectRecords(s.dev, [&](const device& d) {
    return kind.in_range(lo, d.text(kind.field), hi);
  });
  const int64_t end = s.env.NowMillis();
  if (selected.empty()) {
    s.out() << "无法筛选到此设备.\n";
  } else {
    ReportResults(s, "筛选到 ", selected, start, end, "filter.out",
                  AnswerForm::kChoice);
  }
  ReturnMenu(s);
}
