#include "ops/filter.h"

#include <string>

#include "ops/result_menu.h"
#include "prompt.h"
#include "record/range.h"
#include "session.h"

namespace {

constexpr std::string_view kFilterMenu =
    "\n"
    "*******************\n"
    "*  1-按设备数量筛选 *\n"
    "*  2-按购买时间筛选 *\n"
    "*  3-按价格筛选    *\n"
    "*******************\n";

struct FilterKind {
  std::string_view prompt;
  TextField field;
};

const FilterKind kKinds[] = {
    {"请输入筛选范围(例:666 2333):", kQuantity},
    {"请输入筛选范围(例:2042.1.1 2077.12.31):", kTime},
    {"请输入筛选范围(例:6666 23333):", kPrice},
};

// The records whose `field` lies in `range` (a NumericRange or DateRange).
template <typename Range>
Selection SelectInRange(const RecordList& list, TextField field,
                        const Range& range) {
  return SelectRecords(
      list, [&](const device& d) { return range.Contains(d.text(field)); });
}

}  // namespace

void FilterDev(Session& s) {
  s.out() << kFilterMenu;
  const FilterKind& kind =
      kKinds[ReadChoice(s, "1", "3", kWrongChoice)[0] - '1'];
  s.out() << kind.prompt;
  const std::string lo = ReadAnswer(s);
  const std::string hi = ReadAnswer(s);
  const int64_t start = s.env.NowMillis();
  // Time is compared in the date order, quantity and price as numbers.
  Selection selected =
      kind.field == kTime
          ? SelectInRange(s.dev, kind.field, DateRange(lo, hi))
          : SelectInRange(s.dev, kind.field, NumericRange(lo, hi));
  const int64_t end = s.env.NowMillis();
  if (selected.empty()) {
    s.out() << "无法筛选到此设备.\n";
  } else {
    ReportResults(s, "筛选到 ", selected, start, end, "filter.out",
                  AnswerForm::kChoice);
  }
  ReturnMenu(s);
}
