// A Session is one run of the program: the Env it talks to, the record list
// `dev` and the undo history `backup`. Every operation takes the session it
// works on; nothing else holds state between operations.
#ifndef DEVMGR_SESSION_H_
#define DEVMGR_SESSION_H_

#include <ostream>

#include "platform/env.h"
#include "record/device.h"
#include "store/history.h"

struct Session {
  explicit Session(Env& e) : env(e) {}

  std::ostream& out() { return env.Out(); }

  Env& env;
  // The record list: at the main menu every serial equals its position.
  RecordList dev;
  // The undo history: at most the last two committed lists, oldest first.
  History backup;
};

#endif  // DEVMGR_SESSION_H_
