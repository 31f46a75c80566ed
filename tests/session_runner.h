// Runs whole sessions of the program for transcript tests. By default they
// run in-process: the console input is a script, the output is captured,
// the clock is fixed, the pause returns at once and files live in memory.
//
// With DEVMGR_PROGRAM set, the same sessions run the real executable it
// names instead (through DEVMGR_LAUNCHER, such as wine, when set) in a
// temporary folder holding the session's files: line breaks are compared
// as LF, the milliseconds the program reports as 0, and every return step
// must really pause one second. With DEVMGR_EXPECT_CRLF=1 the record files
// must use CR LF line breaks, as on Windows.
#ifndef DEVMGR_TESTS_SESSION_RUNNER_H_
#define DEVMGR_TESTS_SESSION_RUNNER_H_

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// What a session left behind.
struct SessionResult {
  std::string output;
  int exit_status = -1;
  int pauses = 0;
  std::map<std::string, std::string> files;
};

// The files and faults a session starts with.
struct SessionSetup {
  std::map<std::string, std::string> files;
  // Names that exist as (empty) directories.
  std::set<std::string> directories;
  // In-process only: the clock's step per reading, and how many record
  // files may be replaced before every further replacement fails.
  int clock_step = 0;
  int replacements_before_failure = -1;
  // Executable only: shell commands run just before the program, in the
  // same shell (resource limits, ignored signals).
  std::string shell_setup;
};

// True when sessions run in-process (no DEVMGR_PROGRAM).
bool RunsInProcess();

// For tests that need the in-process platform's clock or fault injection.
#define REQUIRE_IN_PROCESS() \
  if (!RunsInProcess()) GTEST_SKIP() << "needs the in-process platform"

// Runs the program on `input` until it ends (choice 0, end of input or a
// file failure).
SessionResult RunSession(const std::string& input,
                         const SessionSetup& setup = {});

// The main menu exactly as the program draws it, blank line included, and
// followed by the choice prompt.
extern const std::string kMenu;
// The return step's message.
extern const std::string kDone;
// The choice prompt.
extern const std::string kPrompt;

// The submenus, each with the blank line above its box.
extern const std::string kEntryMenu;
extern const std::string kDeleteMenu;
extern const std::string kSortMenu;
extern const std::string kQueryMenu;
extern const std::string kFilterMenu;
// The result output menu (no blank line of its own).
extern const std::string kOutputMenu;
// The main menu's error text.
extern const std::string kWrong;

// The save report of one save of `count` records to `file`, 0 ms.
std::string SaveReport(const std::string& file, size_t count);

// Seven import tokens for a record: number, name, user, department,
// quantity, time and price.
struct Row {
  std::string number, name, user, department, quantity, time, price;
};

// An import file holding `rows`, one record a line.
std::string ImportText(const std::vector<Row>& rows);

// The record file holding `rows`, numbered 1 to n.
std::string RecordFileText(const std::vector<Row>& rows);

// The display lines of `rows` with serials first_serial, first_serial+1, ...
std::string DisplayLines(const std::vector<Row>& rows, int first_serial = 1);

// One display line.
std::string DisplayLine(int serial, const Row& row);

// The rest of a session after "1 1 <file>" at the main menu imported a file,
// leaving `total` records in the list: prompts, read report, save report,
// return step and the next main menu.
std::string ImportTranscript(size_t total);

// A session setup with `rows` as the import file "in.txt".
SessionSetup WithRows(const std::vector<Row>& rows);

// `n` distinct rows: N1 n u1 d 1 2042.1.1 1, N2 n u2 d 2 2042.1.2 2, ...
std::vector<Row> NumberedRows(int n);

// Session input that imports `file` (name of an in-memory file).
std::string ImportInput(const std::string& file);

#endif  // DEVMGR_TESTS_SESSION_RUNNER_H_
