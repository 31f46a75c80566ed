#include "ops/sort.h"

#include <algorithm>

#include "prompt.h"
#include "record/compare.h"
#include "record/display.h"
#include "session.h"
#include "store/save.h"

namespace {

constexpr std::string_view kSortMenu =
    "\n"
    "*******************\n"
    "*  1-按设备编号升序 *\n"
    "*  2-按设备数量升序 *\n"
    "*  3-按购买时间升序 *\n"
    "*  4-按设备价格升序 *\n"
    "*  5-按设备编号降序 *\n"
    "*  6-按设备数量降序 *\n"
    "*  7-按购买时间降序 *\n"
    "*  8-按设备价格降序 *\n"
    "*******************\n";

constexpr std::string_view kWrongInput = "非法输入!\n";

using Key = std::string device::*;
using Before = bool (*)(std::string_view, std::string_view);

// Orders records by one key field; descending orders swap the arguments.
template <Key key, Before before, bool descending>
bool Compare(const device& a, const device& b) {
  return descending ? before(b.*key, a.*key) : before(a.*key, b.*key);
}

using RecordOrder = bool (*)(const device&, const device&);

constexpr RecordOrder kOrders[] = {
    Compare<&device::number, CmpStr, false>,
    Compare<&device::quantity, CmpStr, false>,
    Compare<&device::time, CmpTme, false>,
    Compare<&device::price, CmpStr, false>,
    Compare<&device::number, CmpStr, true>,
    Compare<&device::quantity, CmpStr, true>,
    Compare<&device::time, CmpTme, true>,
    Compare<&device::price, CmpStr, true>,
};

// Asks whether to browse the sorted list; one character is read at a time
// and only "y" and "n" are answers.
void OfferBrowse(Session& s) {
  s.out() << "是否浏览数据?(y/n)\n";
  for (;;) {
    char answer = ReadAnswerChar(s);
    if (answer == 'y') {
      ViewDev(s);
      return;
    }
    if (answer == 'n') {
      ReturnMenu(s);
      return;
    }
    s.out() << "非法输入，请重新输入:";
  }
}

}  // namespace

void sort(RecordList::iterator first, RecordList::iterator last, int k) {
  if (k < 1 || k > 8) return;
  std::sort(first, last, kOrders[k - 1]);
}

void SortDev(Session& s) {
  s.out() << kSortMenu;
  const std::string choice = ReadChoice(s, "1", "8", kWrongInput);
  const int64_t start = s.env.NowMillis();
  sort(s.dev.begin(), s.dev.end(), choice[0] - '0');
  const int64_t end = s.env.NowMillis();
  s.out() << "排序完成, 耗时 ";
  PutMillis(s, start, end);
  CommitDev(s);
  OfferBrowse(s);
}
