// The import file: whitespace-separated tokens taken seven at a time as the
// fields number, name, user, department, quantity, time and price of one
// record. Lines carry no meaning, bytes are taken as they stand, and fewer
// than seven tokens left at the end are no record.
#ifndef DEVMGR_OPS_IMPORT_FORMAT_H_
#define DEVMGR_OPS_IMPORT_FORMAT_H_

#include <string_view>

#include "record/device.h"

// Appends the records of import-file `content` to `list`, in file order.
void ParseImportFile(std::string_view content, RecordList& list);

#endif  // DEVMGR_OPS_IMPORT_FORMAT_H_
