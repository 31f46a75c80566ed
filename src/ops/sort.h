// Sort (main-menu choice 5): orders the whole list by one of eight orders
// (device number, quantity, purchase time or price, each ascending or
// descending), commits it and offers to browse the result.
#ifndef DEVMGR_OPS_SORT_H_
#define DEVMGR_OPS_SORT_H_

#include "record/device.h"

struct Session;

void SortDev(Session& s);

// Sorts [first, last) in place by order `k` (1 to 8, as in the sort menu);
// any other k leaves the range as it is. Unstable, O(n log n) worst case.
void sort(RecordList::iterator first, RecordList::iterator last, int k);

#endif  // DEVMGR_OPS_SORT_H_
