// Undo (main-menu choice 7): brings back the list as it was before the last
// commit. An undo is itself a commit, so a second undo takes it back.
#ifndef DEVMGR_STORE_UNDO_H_
#define DEVMGR_STORE_UNDO_H_

struct Session;

void UndoDev(Session& s);

#endif  // DEVMGR_STORE_UNDO_H_
