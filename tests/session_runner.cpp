#include "session_runner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "menu.h"
#include "platform/test_env.h"

namespace fs = std::filesystem;

namespace {

std::string EnvVar(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "" : value;
}

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteAll(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string WithoutCr(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) out += s[i];
  }
  return out;
}

// The real program reports real milliseconds; the transcripts expect 0.
std::string ZeroMillis(std::string s) {
  const std::string mark = "耗时 ";
  for (size_t at = s.find(mark); at != std::string::npos;
       at = s.find(mark, at + 1)) {
    size_t digits = at + mark.size();
    size_t end = digits;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9') {
      ++end;
    }
    s.replace(digits, end - digits, "0");
  }
  return s;
}

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos;
       at = text.find(part, at + part.size())) {
    ++n;
  }
  return n;
}

double Seconds() {
  timespec ts{};
  timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// With DEVMGR_DUMP_CORPUS naming a folder, every in-process session is also
// written there as a seed for the session fuzzer: the console input with the
// import file renamed "f", then "\n##\n" and that file's content.
void DumpFuzzSeed(std::string input, const SessionSetup& setup) {
  const std::string folder = EnvVar("DEVMGR_DUMP_CORPUS");
  if (folder.empty()) return;
  std::string seed;
  auto file = setup.files.find("in.txt");
  if (file != setup.files.end()) {
    for (size_t at = input.find("in.txt"); at != std::string::npos;
         at = input.find("in.txt", at)) {
      input.replace(at, 6, "f");
    }
    seed = input + "\n##\n" + file->second;
  } else {
    seed = input;
  }
  char name[32];
  std::snprintf(name, sizeof name, "seed-%016zx",
                std::hash<std::string>{}(seed));
  WriteAll(fs::path(folder) / name, seed);
}

SessionResult RunInProcess(const std::string& input,
                           const SessionSetup& setup) {
  DumpFuzzSeed(input, setup);
  TestEnv env(input);
  env.files() = setup.files;
  env.directories() = setup.directories;
  env.set_clock_step(setup.clock_step);
  env.FailReplacementsAfter(setup.replacements_before_failure);
  SessionResult result;
  try {
    RunProgram(env);
  } catch (const ExitCalled& exit) {
    result.exit_status = exit.status;
  }
  result.output = env.output();
  result.pauses = env.pauses();
  result.files = env.files();
  return result;
}

SessionResult RunExecutable(const std::string& program,
                            const std::string& input,
                            const SessionSetup& setup) {
  char name[] = "/tmp/devmgr-session-XXXXXX";
  if (mkdtemp(name) == nullptr) throw std::runtime_error("mkdtemp failed");
  const fs::path top = name;
  const fs::path work = top / "work";
  fs::create_directory(work);
  for (const auto& [file, content] : setup.files) {
    if (setup.directories.count(file) == 0) WriteAll(work / file, content);
  }
  for (const std::string& dir : setup.directories) {
    fs::create_directory(work / dir);
  }
  WriteAll(top / "console.in", input);
  const std::string launcher = EnvVar("DEVMGR_LAUNCHER");
  const std::string command =
      "cd " + Quote(work.string()) + " && " + setup.shell_setup +
      " timeout 120 " + (launcher.empty() ? "" : launcher + " ") +
      Quote(program) + " < ../console.in > ../console.out";
  const double start = Seconds();
  const int raw = std::system(("sh -c " + Quote(command)).c_str());
  const double elapsed = Seconds() - start;

  SessionResult result;
  result.exit_status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.output = ZeroMillis(WithoutCr(ReadAll(top / "console.out")));
  result.pauses = static_cast<int>(Occurrences(result.output, kDone));
  EXPECT_GE(elapsed, result.pauses - 0.01) << "each return step pauses 1 s";
  const bool expect_crlf = EnvVar("DEVMGR_EXPECT_CRLF") == "1";
  for (const auto& entry : fs::directory_iterator(work)) {
    if (!entry.is_regular_file()) continue;
    const std::string file = entry.path().filename().string();
    std::string content = ReadAll(entry.path());
    const bool written =
        setup.files.count(file) == 0 || setup.files.at(file) != content;
    if (expect_crlf && written) {
      const size_t lf = Occurrences(content, "\n");
      EXPECT_EQ(Occurrences(content, "\r\n"), lf) << file << " uses CR LF";
    }
    result.files[file] = WithoutCr(content);
  }
  fs::remove_all(top);
  return result;
}

}  // namespace

bool RunsInProcess() { return EnvVar("DEVMGR_PROGRAM").empty(); }

SessionResult RunSession(const std::string& input, const SessionSetup& setup) {
  const std::string program = EnvVar("DEVMGR_PROGRAM");
  if (program.empty()) return RunInProcess(input, setup);
  return RunExecutable(program, input, setup);
}

const std::string kPrompt = "->请选择操作:";

const std::string kMenu =
    "\n"
    "*********************\n"
    "*  设备管理系统     *\n"
    "*  0-退出系统       *\n"
    "*  1-信息录入       *\n"
    "*  2-信息浏览       *\n"
    "*  3-信息查询       *\n"
    "*  4-删除设备       *\n"
    "*  5-信息排序       *\n"
    "*  6-信息筛选       *\n"
    "*  7-撤销操作       *\n"
    "*********************\n" +
    kPrompt;

const std::string kWrong = "输入有误!\n";

const std::string kEntryMenu =
    "\n"
    "*******************\n"
    "*   1-从文件导入   *\n"
    "*   2-添加单个信息 *\n"
    "*******************\n";

const std::string kDeleteMenu =
    "\n"
    "*******************\n"
    "*  1-按序列号删除  *\n"
    "*  2-全部删除      *\n"
    "*******************\n";

const std::string kSortMenu =
    "\n"
    "*******************\n"
    "*  1-按设备编号升序 *\n"
    "*  2-按设备数量升序 *\n"
    "*  3-按购买时间升序 *\n"
    "*  4-按设备价格升序 *\n"
    "*  5-按设备编号降序 *\n"
    "*  6-按设备数量降序 *\n"
    "*  7-按购买时间降序 *\n"
    "*  8-按设备价格降序 *\n"
    "*******************\n";

const std::string kQueryMenu =
    "\n"
    "*******************\n"
    "*  1-按设备名称查找 *\n"
    "*  2-按所属部门查找 *\n"
    "*  3-全域查找      *\n"
    "*******************\n";

const std::string kFilterMenu =
    "\n"
    "*******************\n"
    "*  1-按设备数量筛选 *\n"
    "*  2-按购买时间筛选 *\n"
    "*  3-按价格筛选    *\n"
    "*******************\n";

const std::string kOutputMenu =
    "*******************\n"
    "*  1-打印到屏幕    *\n"
    "*  2-保存到文件    *\n"
    "*******************\n";

const std::string kDone = "操作完成, 1 秒后返回初始界面.\n";

std::string SaveReport(const std::string& file, size_t count) {
  return file + " 已保存更改, 耗时 0 毫秒\n" + file + " 内目前有 " +
         std::to_string(count) + " 条记录\n";
}

std::string ImportText(const std::vector<Row>& rows) {
  std::string text;
  for (const Row& r : rows) {
    text += r.number + " " + r.name + " " + r.user + " " + r.department + " " +
            r.quantity + " " + r.time + " " + r.price + "\n";
  }
  return text;
}

std::string RecordFileText(const std::vector<Row>& rows) {
  std::string text;
  int serial = 0;
  for (const Row& r : rows) {
    text += std::to_string(++serial) + " " + r.number + " " + r.name + " " +
            r.user + " " + r.department + " " + r.quantity + " " + r.time +
            " " + r.price + "\n";
  }
  return text;
}

std::string DisplayLine(int serial, const Row& r) {
  return "存储序列号:" + std::to_string(serial) + " 设备编号:" + r.number +
         " 设备名称:" + r.name + " 领用人:" + r.user +
         " 所属部门:" + r.department + " 数量:" + r.quantity +
         " 购买时间:" + r.time + " 价格:" + r.price + "\n";
}

std::string DisplayLines(const std::vector<Row>& rows, int first_serial) {
  std::string text;
  for (const Row& r : rows) text += DisplayLine(first_serial++, r);
  return text;
}

std::string ImportTranscript(size_t total) {
  return kEntryMenu + kPrompt + "请输入文件名:" + "读取完成, 耗时 0 毫秒\n" +
         SaveReport("dev.out", total) + kDone + kMenu;
}

std::string ImportInput(const std::string& file) {
  return "1\n1\n" + file + "\n";
}

SessionSetup WithRows(const std::vector<Row>& rows) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(rows);
  return setup;
}

std::vector<Row> NumberedRows(int n) {
  std::vector<Row> rows;
  for (int i = 1; i <= n; ++i) {
    std::string id = std::to_string(i);
    rows.push_back({"N" + id, "n", "u" + id, "d", id, "2042.1." + id, id});
  }
  return rows;
}
