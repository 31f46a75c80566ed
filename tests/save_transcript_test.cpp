// Saving record files: the report, result saves beside the record list,
// and failures that must neither lose the old file nor claim success.
#include <gtest/gtest.h>

#include "session_runner.h"

namespace {

std::vector<Row> MakeRows(int n) {
  std::vector<Row> rows;
  for (int i = 1; i <= n; ++i) {
    std::string id = std::to_string(i);
    rows.push_back({"N" + id, "n", "u" + id, "d", id, "2042.1." + id, id});
  }
  return rows;
}

SessionSetup WithRows(const std::vector<Row>& rows) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(rows);
  return setup;
}

const std::string kWriteFailed = "写入文件打开失败！\n";

TEST(SaveTest, CommitFailureEndsWithStatusOneWithoutAReport) {
  SessionSetup setup = WithRows(MakeRows(2));
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
  SessionSetup setup = WithRows(MakeRows(3));
  setup.replacements_before_failure = 1;
  SessionResult r = RunSession(ImportInput("in.txt") + "4 1 2 0", setup);
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + kDeleteMenu + kPrompt +
                          "请输入待删除数据的序列号:" + kWriteFailed);
  EXPECT_EQ(r.exit_status, 1);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(MakeRows(3)));
}

TEST(SaveTest, ResultSaveFailureEndsWithStatusOne) {
  SessionSetup setup = WithRows(MakeRows(2));
  setup.directories.insert("query.out");
  setup.directories.insert("filter.out");
  for (const char* session : {"3 1 n 2 0", "6 1 1 2 2 0"}) {
    SessionResult r = RunSession(ImportInput("in.txt") + session, setup);
    EXPECT_EQ(r.exit_status, 1) << session;
    EXPECT_TRUE(r.output.ends_with(kOutputMenu + kPrompt + kWriteFailed))
        << session;
    EXPECT_EQ(r.files["dev.out"], RecordFileText(MakeRows(2)));
  }
}

TEST(SaveTest, ResultSaveNumbersItsOwnCopyOnly) {
  // The records with serials 2 and 3 are selected and saved as 1 and 2.
  std::vector<Row> rows = MakeRows(4);
  SessionResult r =
      RunSession(ImportInput("in.txt") + "6 1 2 3 2\n2\n0\n", WithRows(rows));
  EXPECT_EQ(r.files["filter.out"], RecordFileText({rows[1], rows[2]}));
  // Browsing afterwards still shows serials 1 to 4.
  EXPECT_NE(r.output.find("\n已存储信息如下:\n" + DisplayLines(rows) + kDone),
            std::string::npos);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(rows));
}

TEST(SaveTest, CommitRewritesTheWholeFile) {
  SessionSetup setup = WithRows(MakeRows(2));
  setup.files["dev.out"] = "stale content that must go\n";
  SessionResult r = RunSession(ImportInput("in.txt") + "0", setup);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(MakeRows(2)));
}

}  // namespace
