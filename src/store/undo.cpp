#include "store/undo.h"

#include <utility>

#include "prompt.h"
#include "session.h"
#include "store/save.h"

void UndoDev(Session& s) {
  s.out() << '\n';
  if (s.backup.size() == 1) {
    // The only commit so far came from the empty list of start-up.
    s.dev.clear();
  } else if (s.backup.size() == 2) {
    std::swap(s.dev, s.backup.front());
  }
  s.out() << "已撤销上次操作\n";
  CommitDev(s);
  ReturnMenu(s);
}
