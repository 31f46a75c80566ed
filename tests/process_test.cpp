// Sessions that only the real executable can show: the real one-second
// pause, and saves that fail on a real disk. They run the program that
// DEVMGR_PROGRAM names (the build's own by default) through
// DEVMGR_LAUNCHER when set; see session_runner.h.
#include <gtest/gtest.h>

#include <cstdlib>

#include "session_runner.h"

namespace {

// Point the session runner at the executable unless told otherwise.
const bool kUsesExecutable =
    setenv("DEVMGR_PROGRAM", DEVMGR_DEFAULT_PROGRAM, /*overwrite=*/0) == 0;

const std::vector<Row> kRows = {
    {"A1", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"},
    {"A2", "打印机", "李四", "人事部", "9", "2042.2.1", "5"},
};

TEST(ProcessTest, EachReturnStepPausesOneSecond) {
  ASSERT_TRUE(kUsesExecutable);
  // The runner also checks that the run took at least one second a step.
  SessionResult r = RunSession("2\n2\n0\n");
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(r.pauses, 2);
  std::string browse = "\n已存储信息如下:\n" + kDone + kMenu;
  EXPECT_EQ(r.output, kMenu + browse + browse);
}

TEST(ProcessTest, UnwritableTemporaryFileLeavesDevOutAsItWas) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  setup.files["dev.out"] = "1 old a b c d e f\n";
  setup.directories.insert("dev.out.tmp");
  SessionResult r = RunSession(ImportInput("in.txt") + "0\n", setup);
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt + "请输入文件名:" +
                          "读取完成, 耗时 0 毫秒\n写入文件打开失败！\n");
  EXPECT_EQ(r.files["dev.out"], "1 old a b c d e f\n");
}

TEST(ProcessTest, WriteFailingPartWayLeavesDevOutAsItWas) {
  std::vector<Row> many;
  for (int i = 0; i < 200; ++i)
    many.insert(many.end(), kRows.begin(), kRows.end());
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(many);
  setup.files["dev.out"] = RecordFileText(kRows);
  // At most 4 KiB per file, with the signal for passing it ignored, so the
  // write itself fails part-way.
  setup.shell_setup = "trap '' XFSZ; ulimit -f 4;";
  SessionResult r = RunSession(ImportInput("in.txt") + "0\n", setup);
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt + "请输入文件名:" +
                          "读取完成, 耗时 0 毫秒\n写入文件打开失败！\n");
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
  EXPECT_EQ(r.files.count("dev.out.tmp"), 0u);
}

}  // namespace
