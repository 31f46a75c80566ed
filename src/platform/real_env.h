// RealEnv is the Env of the installed program: the process's standard input
// and output, a steady clock, a real one-second pause, files in the working
// directory and std::exit.
#ifndef DEVMGR_PLATFORM_REAL_ENV_H_
#define DEVMGR_PLATFORM_REAL_ENV_H_

#include "platform/env.h"

class RealEnv : public Env {
 public:
  RealEnv();

  std::istream& In() override;
  std::ostream& Out() override;
  int64_t NowMillis() override;
  void PauseOneSecond() override;
  bool ReadFile(const std::string& name, Bytes* content) override;
  bool ReplaceFile(const std::string& name, ByteSource& content) override;
  [[noreturn]] void Exit(int status) override;
};

#endif  // DEVMGR_PLATFORM_REAL_ENV_H_
