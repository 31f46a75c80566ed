// Runs the real executable: the real one-second pause, exit statuses, end of
// input and files in a temporary folder. DEVMGR_PROGRAM names the program
// (the build's own by default) and DEVMGR_LAUNCHER an optional command to
// run it with, such as wine for the Windows build; then console output and
// files are compared after turning CR LF into LF, and DEVMGR_EXPECT_CRLF=1
// checks that record files do use CR LF.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

const std::string kProgram = EnvOr("DEVMGR_PROGRAM", DEVMGR_DEFAULT_PROGRAM);
const std::string kLauncher = EnvOr("DEVMGR_LAUNCHER", "");
const bool kExpectCrlf = EnvOr("DEVMGR_EXPECT_CRLF", "0") == "1";

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

std::string WithoutCr(std::string s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
    out += s[i];
  }
  return out;
}

double Seconds() {
  timespec ts{};
  timespec_get(&ts, TIME_UTC);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// One run of the program in its own empty folder.
class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/devmgr-process-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir_ = name;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the program with `input` on its console; `shell_setup` runs first
  // in the same shell (limits, traps).
  void Run(const std::string& input, const std::string& shell_setup = "") {
    WriteAll(dir_ / "console.in", input);
    std::string command = "cd " + Quote(dir_.string()) + " && " + shell_setup +
                          " timeout 60 " +
                          (kLauncher.empty() ? "" : kLauncher + " ") +
                          Quote(kProgram) + " < console.in > console.out";
    double start = Seconds();
    int raw = std::system(("sh -c " + Quote(command)).c_str());
    seconds_ = Seconds() - start;
    ASSERT_TRUE(WIFEXITED(raw));
    status_ = WEXITSTATUS(raw);
    output_ = WithoutCr(ReadAll(dir_ / "console.out"));
  }

  // A record file the program wrote, with its line breaks checked.
  std::string RecordFile(const std::string& name) {
    std::string raw = ReadAll(dir_ / name);
    if (kExpectCrlf) {
      size_t lf = static_cast<size_t>(std::count(raw.begin(), raw.end(), '\n'));
      EXPECT_EQ(raw.find("\r\n") == std::string::npos && lf > 0, false);
      EXPECT_EQ(WithoutCr(raw).size() + lf, raw.size()) << name;
    }
    return WithoutCr(raw);
  }

  fs::path dir_;
  int status_ = -1;
  double seconds_ = 0;
  std::string output_;
};

const std::string kPrompt = "->请选择操作:";
const std::string kMenu =
    "\n*********************\n*  设备管理系统     *\n*  0-退出系统       *\n"
    "*  1-信息录入       *\n*  2-信息浏览       *\n*  3-信息查询       *\n"
    "*  4-删除设备       *\n*  5-信息排序       *\n*  6-信息筛选       *\n"
    "*  7-撤销操作       *\n*********************\n" +
    kPrompt;
const std::string kDone = "操作完成, 1 秒后返回初始界面.\n";
const std::string kEntryHead =
    "\n*******************\n*   1-从文件导入   *\n*   2-添加单个信息 *\n"
    "*******************\n" +
    kPrompt + "请输入文件名:";
const std::string kImport =
    "A1 电脑 张三 财务部 10 2042.1.1 99.5\n"
    "A2 打印机 李四 人事部 9 2042.2.1 5\n";
const std::string kRecords =
    "1 A1 电脑 张三 财务部 10 2042.1.1 99.5\n"
    "2 A2 打印机 李四 人事部 9 2042.2.1 5\n";

// Replaces every run of digits after "耗时 " by 0, so real timings compare.
std::string ZeroTimes(std::string s) {
  const std::string mark = "耗时 ";
  for (size_t at = s.find(mark); at != std::string::npos;
       at = s.find(mark, at + 1)) {
    size_t digits = at + mark.size();
    size_t end = digits;
    while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end])))
      ++end;
    s.replace(digits, end - digits, "0");
  }
  return s;
}

TEST_F(ProcessTest, ChoiceZeroEndsWithStatusZero) {
  Run("0\n");
  EXPECT_EQ(status_, 0);
  EXPECT_EQ(output_, kMenu);
  EXPECT_FALSE(fs::exists(dir_ / "dev.out"));
}

TEST_F(ProcessTest, EndOfInputEndsWithStatusZero) {
  for (const char* input : {"", "2\n", "4 1", "5 1 ", "x"}) {
    Run(input);
    EXPECT_EQ(status_, 0) << input;
    EXPECT_TRUE(output_.starts_with(kMenu)) << input;
  }
}

TEST_F(ProcessTest, EachReturnStepPausesOneSecond) {
  Run("2\n2\n0\n");
  EXPECT_EQ(status_, 0);
  EXPECT_GE(seconds_, 2.0);
  std::string browse = "\n已存储信息如下:\n" + kDone + kMenu;
  EXPECT_EQ(output_, kMenu + browse + browse);
}

TEST_F(ProcessTest, ImportWritesDevOutAndReports) {
  WriteAll(dir_ / "in.txt", kImport);
  Run("1 1 in.txt 0\n");
  EXPECT_EQ(status_, 0);
  EXPECT_EQ(ZeroTimes(output_), kMenu + kEntryHead +
                                    "读取完成, 耗时 0 毫秒\n"
                                    "dev.out 已保存更改, 耗时 0 毫秒\n"
                                    "dev.out 内目前有 2 条记录\n" +
                                    kDone + kMenu);
  EXPECT_EQ(RecordFile("dev.out"), kRecords);
  EXPECT_FALSE(fs::exists(dir_ / "dev.out.tmp"));
}

TEST_F(ProcessTest, QueryAndFilterResultsGoToTheirFiles) {
  WriteAll(dir_ / "in.txt", kImport);
  Run("1 1 in.txt 3 2 人事部 2 6 1 1 10 2 0\n");
  EXPECT_EQ(status_, 0);
  EXPECT_EQ(RecordFile("query.out"), "1 A2 打印机 李四 人事部 9 2042.2.1 5\n");
  EXPECT_EQ(RecordFile("filter.out"), kRecords);
}

TEST_F(ProcessTest, UnreadableImportFileEndsWithStatusOne) {
  fs::create_directory(dir_ / "folder");
  WriteAll(dir_ / "dev.out", kRecords);
  for (const char* name : {"missing.txt", "folder"}) {
    Run(std::string("1 1 ") + name + "\n");
    EXPECT_EQ(status_, 1) << name;
    EXPECT_EQ(output_, kMenu + kEntryHead + "读取文件打开失败\n") << name;
    EXPECT_EQ(ReadAll(dir_ / "dev.out"), kRecords) << name;
  }
}

TEST_F(ProcessTest, DirectoryNamedDevOutFailsTheCommit) {
  fs::create_directory(dir_ / "dev.out");
  Run("7\n0\n");
  EXPECT_EQ(status_, 1);
  EXPECT_EQ(output_, kMenu + "\n已撤销上次操作\n写入文件打开失败！\n");
  EXPECT_TRUE(fs::is_directory(dir_ / "dev.out"));
}

TEST_F(ProcessTest, FailedWriteLeavesThePreviousDevOut) {
  // The first save writes dev.out; the second cannot create its new copy.
  WriteAll(dir_ / "in.txt", kImport);
  Run("1 1 in.txt 0\n");
  ASSERT_EQ(status_, 0);
  const std::string before = ReadAll(dir_ / "dev.out");
  fs::create_directory(dir_ / "dev.out.tmp");
  Run("1 1 in.txt 0\n");
  EXPECT_EQ(status_, 1);
  EXPECT_TRUE(
      ZeroTimes(output_).ends_with("读取完成, 耗时 0 毫秒\n"
                                   "写入文件打开失败！\n"));
  EXPECT_EQ(ReadAll(dir_ / "dev.out"), before);
}

TEST_F(ProcessTest, WriteFailingPartWayLeavesThePreviousDevOut) {
  if (!kLauncher.empty()) GTEST_SKIP() << "file size limits are POSIX";
  std::string big;
  for (int i = 0; i < 200; ++i) big += kImport;
  WriteAll(dir_ / "in.txt", kImport);
  WriteAll(dir_ / "big.txt", big);
  Run("1 1 in.txt 0\n");
  const std::string before = ReadAll(dir_ / "dev.out");
  // 4 KiB at most per file, and the signal for passing it ignored, so the
  // write itself fails.
  Run("1 1 big.txt 0\n", "trap '' XFSZ; ulimit -f 4;");
  EXPECT_EQ(status_, 1);
  EXPECT_TRUE(output_.ends_with("写入文件打开失败！\n"));
  EXPECT_EQ(output_.find("已保存更改"), std::string::npos);
  EXPECT_EQ(ReadAll(dir_ / "dev.out"), before);
  EXPECT_FALSE(fs::exists(dir_ / "dev.out.tmp"));
}

}  // namespace
