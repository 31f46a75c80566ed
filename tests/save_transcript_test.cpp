// Saving record files: the report, result saves beside the record list,
// and failures that must neither lose the old file nor claim success.
#include <gtest/gtest.h>

#include "session_runner.h"

namespace {

const std::string kWriteFailed = "写入文件打开失败！\n";

TEST(SaveTest, CommitFailureEndsWithStatusOneWithoutAReport) {
  SessionSetup setup = WithRows(NumberedRows(2));
  setup.files["dev.out"] = "1 old a b c d e f\n";
  setup.directories.insert("dev.out");
  SessionResult r = RunSession(ImportInput("in.txt") + "2 0", setup);
  EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt + "请输入文件名:" +
                          "读取完成, 耗时 0 毫秒\n" + kWriteFailed);
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.pauses, 0);
}

TEST(SaveTest, FailedWriteKeepsTheLastSavedFile) {
  REQUIRE_IN_PROCESS();
  // The import saves; the delete's save then fails.
  SessionSetup setup = WithRows(NumberedRows(3));
  setup.replacements_before_failure = 1;
  SessionResult r = RunSession(ImportInput("in.txt") + "4 1 2 0", setup);
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + kDeleteMenu + kPrompt +
                          "请输入待删除数据的序列号:" + kWriteFailed);
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(NumberedRows(3)));
}

TEST(SaveTest, ResultSaveFailureEndsWithStatusOne) {
  SessionSetup setup = WithRows(NumberedRows(2));
  setup.directories.insert("query.out");
  setup.directories.insert("filter.out");
  for (const char* session : {"3 1 n 2 0", "6 1 1 2 2 0"}) {
    SessionResult r = RunSession(ImportInput("in.txt") + session, setup);
    EXPECT_EQ(r.exit_status, 1) << session;
    EXPECT_TRUE(r.output.ends_with(kOutputMenu + kPrompt + kWriteFailed))
        << session;
    EXPECT_EQ(r.files["dev.out"], RecordFileText(NumberedRows(2)));
  }
}

TEST(SaveTest, ResultSaveNumbersItsOwnCopyOnly) {
  // The records with serials 2 and 3 are selected and saved as 1 and 2.
  std::vector<Row> rows = NumberedRows(4);
  SessionResult r =
      RunSession(ImportInput("in.txt") + "6 1 2 3 2\n2\n0\n", WithRows(rows));
  EXPECT_EQ(r.files["filter.out"], RecordFileText({rows[1], rows[2]}));
  // Browsing afterwards still shows serials 1 to 4.
  EXPECT_NE(r.output.find("\n已存储信息如下:\n" + DisplayLines(rows) + kDone),
            std::string::npos);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(rows));
}

TEST(SaveTest, CommitRewritesTheWholeFile) {
  SessionSetup setup = WithRows(NumberedRows(2));
  setup.files["dev.out"] = "stale content that must go\n";
  SessionResult r = RunSession(ImportInput("in.txt") + "0", setup);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(NumberedRows(2)));
}

}  // namespace
