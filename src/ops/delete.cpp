#include "ops/delete.h"

#include <string>

#include "prompt.h"
#include "record/compare.h"
#include "record/integer_value.h"
#include "session.h"
#include "store/save.h"

namespace {

constexpr std::string_view kDeleteMenu =
    "\n"
    "*******************\n"
    "*  1-按序列号删除  *\n"
    "*  2-全部删除      *\n"
    "*******************\n";

void DeleteOne(Session& s) {
  if (s.dev.empty()) {
    // No serial could ever be accepted; asking for one would never end.
    s.out() << "无数据可删除.\n";
    return;
  }
  s.out() << "请输入待删除数据的序列号:";
  std::optional<size_t> position;
  while (!(position = AcceptSerial(ReadAnswer(s), s.dev.size()))) {
    s.out() << "非法序列号，请重新输入:";
  }
  s.dev.erase(s.dev.begin() + static_cast<std::ptrdiff_t>(*position - 1));
}

void DeleteAll(Session& s) {
  s.dev.clear();
  s.out() << "已清空数据\n";
}

}  // namespace

std::optional<size_t> AcceptSerial(std::string_view answer, size_t count) {
  if (!CmpStr("1", answer, std::to_string(count))) return std::nullopt;
  std::optional<int32_t> value = IntegerValue(answer);
  if (!value || *value < 1 || static_cast<size_t>(*value) > count) {
    return std::nullopt;
  }
  return static_cast<size_t>(*value);
}

void DeletDev(Session& s) {
  s.out() << kDeleteMenu;
  if (ReadChoice(s, "1", "2", kWrongChoice) == "1") {
    DeleteOne(s);
  } else {
    DeleteAll(s);
  }
  CommitDev(s);
  ReturnMenu(s);
}
