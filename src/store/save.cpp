#include "store/save.h"

#include <utility>

#include "prompt.h"
#include "session.h"
#include "store/record_file.h"

void SaveDev(Session& s, const std::string& file_name, RecordList list,
             std::string_view tag) {
  const int64_t start = s.env.NowMillis();
  const bool commit = tag == "dev";
  if (commit) {
    // Dropping the oldest snapshot before appending leaves the same history
    // as appending first, with one list fewer in memory at the peak.
    if (s.backup.size() == kHistoryDepth) s.backup.erase(s.backup.begin());
    s.backup.push_back(list);
  }
  NumberRecords(list);
  RecordFileSource content(list);
  if (!s.env.ReplaceFile(file_name, content)) {
    s.out() << "写入文件打开失败！\n";
    s.env.Exit(1);
  }
  const size_t count = list.size();
  if (commit) s.dev = std::move(list);
  const int64_t end = s.env.NowMillis();
  s.out() << file_name << " 已保存更改, 耗时 ";
  PutMillis(s, start, end);
  s.out() << file_name << " 内目前有 " << count << " 条记录\n";
}

void CommitDev(Session& s) {
  // `dev` is replaced by the saved list when the commit ends, and a failed
  // commit ends the program, so the list may be handed over without a copy.
  SaveDev(s, "dev.out", std::move(s.dev), "dev");
}
