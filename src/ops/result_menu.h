// The result output menu that follows a query or filter that found records:
// print them on the console, or save them to the operation's own file.
#ifndef DEVMGR_OPS_RESULT_MENU_H_
#define DEVMGR_OPS_RESULT_MENU_H_

#include <string>

#include "record/device.h"

struct Session;

// Copies every record of `list` that `match` selects, in list order.
template <typename Match>
RecordList SelectRecords(const RecordList& list, Match match) {
  RecordList results;
  for (const device& d : list) {
    if (match(d)) results.push_back(d);
  }
  return results;
}

// How the answer to the menu is read.
enum class AnswerForm {
  kDecimal,  // a decimal integer, as a stream reads one: 01 and +2 pass
  kChoice,   // the choice prompt: exactly the tokens "1" and "2" pass
};

// Reports the k found records and their search time (`found_text` is
// "查询到 " or "筛选到 "), then runs the output menu on `results`.
void ReportResults(Session& s, std::string_view found_text, RecordList results,
                   int64_t start, int64_t end, const std::string& file_name,
                   AnswerForm form);

#endif  // DEVMGR_OPS_RESULT_MENU_H_
