#include "platform/test_env.h"

TestEnv::TestEnv(std::string input) : in_(std::move(input)) {}

int64_t TestEnv::NowMillis() {
  clock_ += clock_step_;
  return clock_;
}

void TestEnv::PauseOneSecond() {
  ++pauses_;
  if (on_pause_) on_pause_();
}

bool TestEnv::ReadFile(const std::string& name, Bytes* content) {
  auto it = files_.find(name);
  if (it == files_.end() || directories_.count(name) != 0) return false;
  content->assign(it->second.begin(), it->second.end());
  return true;
}

bool TestEnv::ReplaceFile(const std::string& name, ByteSource& content) {
  if (directories_.count(name) != 0 || replacements_left_ == 0) return false;
  if (replacements_left_ > 0) --replacements_left_;
  std::string whole;
  for (std::string_view piece; !(piece = content.Next()).empty();) {
    whole += piece;
  }
  files_[name] = std::move(whole);
  return true;
}

void TestEnv::Exit(int status) {
  out_.flush();
  throw ExitCalled{status};
}
