// Fuzzes whole sessions of the program in-process. An input is the console
// input, then optionally the line "##" and the content of the import file
// "f", which the session may name. After every return to the main menu the
// program's invariants must hold; a crash, a sanitizer report, a hang or a
// broken invariant is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "menu.h"
#include "platform/test_env.h"
#include "session.h"
#include "store/record_file.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "broken invariant: %s\n", what);
  std::abort();
}

// The serials of the list are 1 to n, "dev.out" holds exactly the list
// (once anything was committed), and the history holds at most two lists.
void CheckInvariants(Session& s, TestEnv& env) {
  for (size_t i = 0; i < s.dev.size(); ++i) {
    if (s.dev[i].serial != static_cast<int32_t>(i + 1)) Fail("serials 1..n");
  }
  if (s.backup.size() > kHistoryDepth) Fail("history of at most two");
  auto it = env.files().find("dev.out");
  if (it == env.files().end()) {
    if (!s.dev.empty() || !s.backup.empty()) Fail("dev.out after a commit");
  } else if (std::string_view(it->second) != FormatRecordFile(s.dev)) {
    Fail("dev.out holds the list");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view all(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kSeparator = "\n##\n";
  size_t split = all.find(kSeparator);
  TestEnv env(std::string(all.substr(0, split)));
  if (split != std::string_view::npos) {
    env.files()["f"] = std::string(all.substr(split + kSeparator.size()));
  }
  Session s(env);
  env.set_on_pause([&] { CheckInvariants(s, env); });
  try {
    RunProgram(s);
  } catch (const ExitCalled&) {
  }
  return 0;
}
