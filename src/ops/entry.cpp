#include "ops/entry.h"

#include <algorithm>
#include <array>
#include <string>

#include "ops/import_format.h"
#include "prompt.h"
#include "session.h"
#include "store/save.h"

namespace {

constexpr std::string_view kEntryMenu =
    "\n"
    "*******************\n"
    "*   1-从文件导入   *\n"
    "*   2-添加单个信息 *\n"
    "*******************\n";

// Reads the file named by the user and appends its records. An import file
// that cannot be read ends the program with status 1.
void ImportFile(Session& s) {
  s.out() << "请输入文件名:";
  const std::string file_name = ReadAnswer(s);
  const int64_t start = s.env.NowMillis();
  Bytes content;
  if (!s.env.ReadFile(file_name, &content)) {
    s.out() << "读取文件打开失败\n";
    s.env.Exit(1);
  }
  ParseImportFile(content, s.dev);
  const int64_t end = s.env.NowMillis();
  s.out() << "读取完成, 耗时 ";
  PutMillis(s, start, end);
}

// Asks for the seven text fields of one record and appends it.
void EnterOne(Session& s) {
  std::array<std::string, 7> answers;
  for (size_t i = 0; i < answers.size(); ++i) {
    s.out() << "请输入" << obj[i + 1] << ':';
    answers[i] = ReadAnswer(s);
  }
  std::array<std::string_view, 7> texts;
  std::copy(answers.begin(), answers.end(), texts.begin());
  s.dev.emplace_back(texts);
}

}  // namespace

void ImportDev(Session& s) {
  s.out() << kEntryMenu;
  if (ReadChoice(s, "1", "2", kWrongChoice) == "1") {
    ImportFile(s);
  } else {
    EnterOne(s);
  }
  CommitDev(s);
  ReturnMenu(s);
}
