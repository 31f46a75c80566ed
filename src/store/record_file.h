// The record files the program writes ("dev.out", "query.out",
// "filter.out"): one line per record in list order, eight fields separated
// by single blanks, the serial first. Nothing else: no header, no count.
#ifndef DEVMGR_STORE_RECORD_FILE_H_
#define DEVMGR_STORE_RECORD_FILE_H_

#include "platform/big_allocator.h"
#include "record/device.h"

// Sets every record's serial to its 1-based position in the list.
void NumberRecords(RecordList& list);

// The record file holding `list`, each line ending in "\n".
Bytes FormatRecordFile(const RecordList& list);

#endif  // DEVMGR_STORE_RECORD_FILE_H_
