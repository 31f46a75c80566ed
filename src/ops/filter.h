// Filter (main-menu choice 6): selects the records whose quantity, purchase
// time or price lies within typed bounds (both included), and prints them
// or saves them to "filter.out". The list is never changed.
#ifndef DEVMGR_OPS_FILTER_H_
#define DEVMGR_OPS_FILTER_H_

struct Session;

void FilterDev(Session& s);

#endif  // DEVMGR_OPS_FILTER_H_
