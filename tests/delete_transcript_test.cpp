// Delete: one record by serial, or all records, always followed by a save.
#include <gtest/gtest.h>

#include "session_runner.h"

namespace {

const std::string kSerialPrompt = "请输入待删除数据的序列号:";
const std::string kBadSerial = "非法序列号，请重新输入:";

// Imports `n` records, deletes by the answers typed, and checks what is left.
void ExpectDeleteOne(int n, const std::string& answers, int refused,
                     int removed) {
  std::vector<Row> rows = NumberedRows(n);
  SessionResult r = RunSession(
      ImportInput("in.txt") + "4\n1\n" + answers + "\n0\n", WithRows(rows));
  std::string expected = kMenu + ImportTranscript(rows.size()) + kDeleteMenu +
                         kPrompt + kSerialPrompt;
  for (int i = 0; i < refused; ++i) expected += kBadSerial;
  rows.erase(rows.begin() + (removed - 1));
  expected += SaveReport("dev.out", rows.size()) + kDone + kMenu;
  EXPECT_EQ(r.output, expected) << n << ": " << answers;
  EXPECT_EQ(r.files["dev.out"], RecordFileText(rows)) << n << ": " << answers;
}

TEST(DeleteOneTest, SerialAcceptanceWithThreeRecords) {
  ExpectDeleteOne(3, "0 4 01 +1 a 2", 5, 2);
  ExpectDeleteOne(3, "1", 0, 1);
  ExpectDeleteOne(3, "3", 0, 3);
}

TEST(DeleteOneTest, SerialAcceptanceWithTwelveRecords) {
  ExpectDeleteOne(12, "05", 0, 5);
  ExpectDeleteOne(12, "+5", 0, 5);
  ExpectDeleteOne(12, "9", 0, 9);
  ExpectDeleteOne(12, "12", 0, 12);
  ExpectDeleteOne(12, "012 13 00 A -5 -1 +0 1x 10", 8, 10);
}

TEST(DeleteOneTest, HugeSerialIsRefusedWithoutOverflow) {
  ExpectDeleteOne(12, std::string(100000, '9') + " +99999999999 1", 2, 1);
}

TEST(DeleteOneTest, OnlyRecordLeavesAnEmptyFile) {
  ExpectDeleteOne(1, "2 0 1", 2, 1);
}

TEST(DeleteOneTest, RemovingTheSecondOfFiveRenumbersTheRest) {
  SessionResult r = RunSession(ImportInput("in.txt") + "4 1 2 2 0",
                               WithRows(NumberedRows(5)));
  std::vector<Row> rows = NumberedRows(5);
  rows.erase(rows.begin() + 1);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(rows));
  EXPECT_NE(r.output.find("\n已存储信息如下:\n" + DisplayLines(rows) + kDone),
            std::string::npos);
}

TEST(DeleteOneTest, EmptyListSaysSoAndStillSaves) {
  SessionResult r = RunSession("4\n1\n0\n");
  EXPECT_EQ(r.output, kMenu + kDeleteMenu + kPrompt + "无数据可删除.\n" +
                          SaveReport("dev.out", 0) + kDone + kMenu);
  EXPECT_EQ(r.files.at("dev.out"), "");
  EXPECT_EQ(r.exit_status, 0);
}

TEST(DeleteAllTest, EmptiesTheListAndTheFile) {
  for (int n : {0, 3}) {
    const bool import = n > 0;
    SessionResult r =
        RunSession((import ? ImportInput("in.txt") : "") + "4\n2\n2\n0\n",
                   WithRows(NumberedRows(n)));
    EXPECT_EQ(r.output, kMenu + (import ? ImportTranscript(n) : "") +
                            kDeleteMenu + kPrompt + "已清空数据\n" +
                            SaveReport("dev.out", 0) + kDone + kMenu +
                            "\n已存储信息如下:\n" + kDone + kMenu);
    EXPECT_EQ(r.files.at("dev.out"), "");
  }
}

TEST(DeleteMenuTest, RefusesAllButOneAndTwo) {
  SessionResult r = RunSession("4\n3 0 01 +2\n");
  std::string expected = kMenu + kDeleteMenu + kPrompt;
  for (int i = 0; i < 4; ++i) expected += kWrong + kPrompt;
  EXPECT_EQ(r.output, expected);
  EXPECT_EQ(r.exit_status, 0);
}

}  // namespace
