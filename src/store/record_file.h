// The record files the program writes ("dev.out", "query.out",
// "filter.out"): one line per record in list order, eight fields separated
// by single blanks, the serial first. Nothing else: no header, no count.
#ifndef DEVMGR_STORE_RECORD_FILE_H_
#define DEVMGR_STORE_RECORD_FILE_H_

#include <string>
#include <string_view>

#include "platform/big_allocator.h"
#include "platform/env.h"
#include "record/device.h"

// Sets every record's serial to its 1-based position in the list.
void NumberRecords(RecordList& list);

// The record file holding `list`, formatted a piece of some hundred
// kilobytes at a time as the file is written, so that writing a large
// list needs no second copy of it in memory. The list must outlive the
// source and stay unchanged while it is read.
class RecordFileSource : public ByteSource {
 public:
  explicit RecordFileSource(const RecordList& list) : list_(list) {}
  std::string_view Next() override;

 private:
  const RecordList& list_;
  size_t next_ = 0;
  std::string piece_;
};

// The record file holding `list`, each line ending in "\n", whole.
Bytes FormatRecordFile(const RecordList& list);

#endif  // DEVMGR_STORE_RECORD_FILE_H_
