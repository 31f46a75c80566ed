// The import file: whitespace-separated tokens taken seven at a time as the
// fields number, name, user, department, quantity, time and price of one
// record. Lines carry no meaning, bytes are taken as they stand, and fewer
// than seven tokens left at the end are no record.
#ifndef DEVMGR_OPS_IMPORT_FORMAT_H_
#define DEVMGR_OPS_IMPORT_FORMAT_H_

#include "record/device.h"
#include "record/shared_bytes.h"

// Appends the records of import-file `content` to `list`, in file order.
// The records' texts view into `content`.
void ParseImportFile(const SharedBytes& content, RecordList& list);

#endif  // DEVMGR_OPS_IMPORT_FORMAT_H_
