// The result output menu that follows a query or filter that found records:
// print them on the console, or save them to the operation's own file.
#ifndef DEVMGR_OPS_RESULT_MENU_H_
#define DEVMGR_OPS_RESULT_MENU_H_

#include <cstddef>
#include <string>
#include <vector>

#include "platform/big_allocator.h"
#include "record/device.h"

struct Session;

// The records a query or filter selected, as their positions in the record
// list, in list order. The list does not change while the operation runs,
// so positions stand for the copies of the records without the cost of
// copying a large selection; copies are made only to save them.
using Selection = std::vector<size_t, BigAllocator<size_t>>;

// The positions of every record of `list` that `match` selects.
template <typename Match>
Selection SelectRecords(const RecordList& list, Match match) {
  // Room for every record at once: fresh memory is slow to touch, and a
  // large block comes from the reused big blocks, of which only the part
  // written is ever touched.
  Selection selected;
  selected.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    if (match(list[i])) selected.push_back(i);
  }
  return selected;
}

// How the answer to the menu is read.
enum class AnswerForm {
  kDecimal,  // a decimal integer, as a stream reads one: 01 and +2 pass
  kChoice,   // the choice prompt: exactly the tokens "1" and "2" pass
};

// Reports the k selected records and their search time (`found_text` is
// "查询到 " or "筛选到 "), then runs the output menu on them.
void ReportResults(Session& s, std::string_view found_text,
                   const Selection& selected, int64_t start, int64_t end,
                   const std::string& file_name, AnswerForm form);

#endif  // DEVMGR_OPS_RESULT_MENU_H_
