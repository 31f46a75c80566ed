// Undo: the two-snapshot history and its alternation.
#include <gtest/gtest.h>

#include "session_runner.h"

namespace {

const std::vector<Row> kRows = {
    {"A1", "a", "u", "d", "3", "2042.1.1", "30"},
    {"A2", "b", "u", "d", "1", "2042.1.2", "10"},
    {"A3", "c", "u", "d", "2", "2042.1.3", "20"},
};

const std::string kUndone = "\n已撤销上次操作\n";

std::vector<Row> Without(std::vector<Row> rows, size_t position) {
  rows.erase(rows.begin() + static_cast<long>(position - 1));
  return rows;
}

SessionResult RunWithRows(const std::string& input) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  return RunSession(input, setup);
}

TEST(UndoTest, RightAfterStartUpCommitsTheEmptyList) {
  SessionResult r = RunSession("7\n0\n");
  EXPECT_EQ(r.output,
            kMenu + kUndone + SaveReport("dev.out", 0) + kDone + kMenu);
  EXPECT_EQ(r.files.at("dev.out"), "");
  // The empty snapshot it committed: the next undo again gives the empty list.
  r = RunSession("7 7 2 0");
  EXPECT_EQ(r.files.at("dev.out"), "");
}

TEST(UndoTest, AfterOneEntryAlternatesBetweenEmptyAndTheEntry) {
  const std::string import = ImportInput("in.txt");
  SessionResult r = RunWithRows(import + "7\n0\n");
  EXPECT_EQ(r.files["dev.out"], "");
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + kUndone +
                          SaveReport("dev.out", 0) + kDone + kMenu);
  r = RunWithRows(import + "7 7 2 0");
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
  EXPECT_NE(r.output.find("\n已存储信息如下:\n" + DisplayLines(kRows)),
            std::string::npos);
  r = RunWithRows(import + "7 7 7 0");
  EXPECT_EQ(r.files["dev.out"], "");
}

TEST(UndoTest, DeleteThenUndoRestoresTheRecordInPlace) {
  const std::string del2 = ImportInput("in.txt") + "4 1 2\n";
  const struct {
    std::string undos;
    std::string dev_out;
  } cases[] = {
      {"", RecordFileText(Without(kRows, 2))},
      {"7\n", RecordFileText(kRows)},
      {"7 7\n", RecordFileText(Without(kRows, 2))},
      {"7 7 7\n", RecordFileText(kRows)},
  };
  for (const auto& c : cases) {
    SessionResult r = RunWithRows(del2 + c.undos + "0\n");
    EXPECT_EQ(r.files["dev.out"], c.dev_out) << c.undos;
  }
}

TEST(UndoTest, AfterThreeChangesNeverReachesTheFirst) {
  // Import (A), delete record 1 (B), delete record 1 again (C).
  const std::string changes = ImportInput("in.txt") + "4 1 1\n4 1 1\n";
  const std::string b = RecordFileText(Without(kRows, 1));
  const std::string c = RecordFileText({kRows[2]});
  const struct {
    std::string undos;
    std::string dev_out;
  } cases[] = {{"7", b}, {"7 7", c}, {"7 7 7", b}, {"7 7 7 7", c}};
  for (const auto& k : cases) {
    SessionResult r = RunWithRows(changes + k.undos + " 0");
    EXPECT_EQ(r.files["dev.out"], k.dev_out) << k.undos;
  }
}

TEST(UndoTest, SortThenUndoRestoresTheOrder) {
  SessionResult r = RunWithRows(ImportInput("in.txt") + "5 2 n 7 0");
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
}

TEST(UndoTest, DeleteAllThenUndoRestoresEverything) {
  const std::string base = ImportInput("in.txt") + "4 2\n";
  EXPECT_EQ(RunWithRows(base + "7 0").files["dev.out"], RecordFileText(kRows));
  EXPECT_EQ(RunWithRows(base + "7 7 0").files["dev.out"], "");
}

TEST(UndoTest, QueryAndFilterSavesDoNotChangeWhatUndoRestores) {
  // Import, delete record 3, save a query and a filter result, undo.
  SessionResult r =
      RunWithRows(ImportInput("in.txt") + "4 1 3\n3 3 u 2\n6 1 1 3 2\n7 0");
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
  EXPECT_EQ(r.files["query.out"], RecordFileText(Without(kRows, 3)));
  EXPECT_EQ(r.files["filter.out"], RecordFileText(Without(kRows, 3)));
}

}  // namespace
