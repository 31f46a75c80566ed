// The display line of a record and browse, the listing of the whole record
// list (main-menu choice 2).
#ifndef DEVMGR_RECORD_DISPLAY_H_
#define DEVMGR_RECORD_DISPLAY_H_

#include <iosfwd>

#include "record/device.h"

struct Session;

// Prints `d` as one line of eight label:value pairs and flushes `out`.
void PutDev(std::ostream& out, const device& d);

// Lists every record of the list, then takes the return step.
void ViewDev(Session& s);

#endif  // DEVMGR_RECORD_DISPLAY_H_
