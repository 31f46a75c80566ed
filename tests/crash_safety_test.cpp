// Kills the real program with SIGKILL while it is saving "dev.out", again
// and again, and checks that "dev.out" is always a complete record file:
// the previous content or the new one, never a mixture or a stub.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRecords = 200000;
constexpr int kKills = 50;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Empty when `text` is a complete record file of one of `counts` records,
// else what is wrong with it.
std::string CheckRecordFile(const std::string& text,
                            const std::vector<long>& counts) {
  std::istringstream lines(text);
  std::string line;
  long expected_serial = 1;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string field;
    std::vector<std::string> all;
    while (fields >> field) all.push_back(field);
    if (all.size() != 8) {
      return "line " + std::to_string(expected_serial) + " has " +
             std::to_string(all.size()) + " fields";
    }
    if (all[0] != std::to_string(expected_serial)) {
      return "serial " + all[0] + " where " + std::to_string(expected_serial) +
             " belongs";
    }
    ++expected_serial;
  }
  if (!text.empty() && text.back() != '\n') return "last line is cut";
  long n = expected_serial - 1;
  for (long c : counts) {
    if (c == n) return "";
  }
  return "unexpected record count " + std::to_string(n);
}

TEST(CrashSafetyTest, DevOutIsAlwaysCompleteAfterAKillDuringASave) {
  char name[] = "/tmp/devmgr-crash-XXXXXX";
  ASSERT_NE(mkdtemp(name), nullptr);
  const fs::path dir = name;
  {
    std::ofstream import(dir / "big.txt", std::ios::binary);
    std::mt19937 rng(1);
    for (int i = 0; i < kRecords; ++i) {
      import << "D" << rng() % 1000000 << " 设备" << i % 97 << " 人" << i % 13
             << " 部门" << i % 7 << ' ' << rng() % 5000 << " 20"
             << 10 + rng() % 30 << '.' << 1 + rng() % 12 << '.'
             << 1 + rng() % 28 << ' ' << rng() % 100000 << ".5\n";
    }
  }
  // Each session commits four times: import, sort, delete one, undo.
  { std::ofstream(dir / "session.in") << "1 1 big.txt\n5 2 n\n4 1 1\n7\n0\n"; }
  const fs::path dev_out = dir / "dev.out";
  const fs::path temp = dir / "dev.out.tmp";
  std::mt19937 rng(2);
  int during_save = 0;
  for (int kill_count = 0; kill_count < kKills; ++kill_count) {
    fs::remove(temp);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (chdir(dir.c_str()) != 0 || !freopen("session.in", "r", stdin) ||
          !freopen("/dev/null", "w", stdout)) {
        _exit(127);
      }
      execl(DEVMGR_DEFAULT_PROGRAM, "devmgr", static_cast<char*>(nullptr));
      _exit(127);
    }
    // Wait for the chosen save to begin, then kill within a few ms.
    const int target_save = static_cast<int>(rng() % 4);
    int saves_seen = 0;
    bool saving = false;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      struct stat st {};
      bool now = stat(temp.c_str(), &st) == 0;
      if (now && !saving && saves_seen++ == target_save) {
        usleep(static_cast<useconds_t>(rng() % 5000));
        during_save += stat(temp.c_str(), &st) == 0 ? 1 : 0;
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        break;
      }
      saving = now;
      usleep(100);
    }
    if (!fs::exists(dev_out)) continue;  // killed before the first save
    std::string problem =
        CheckRecordFile(ReadAll(dev_out), {kRecords, kRecords - 1});
    ASSERT_EQ(problem, "") << "after kill " << kill_count;
  }
  std::printf("%d kills, %d of them while a save was writing\n", kKills,
              during_save);
  EXPECT_GT(during_save, kKills / 4);
  fs::remove_all(dir);
}

}  // namespace
