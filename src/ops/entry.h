// Entry (main-menu choice 1): appends records to the list, either every
// record of an import file or one record typed field by field, then commits.
#ifndef DEVMGR_OPS_ENTRY_H_
#define DEVMGR_OPS_ENTRY_H_

struct Session;

void ImportDev(Session& s);

#endif  // DEVMGR_OPS_ENTRY_H_
