#include "menu.h"

#include "ops/delete.h"
#include "ops/entry.h"
#include "ops/filter.h"
#include "ops/query.h"
#include "ops/sort.h"
#include "prompt.h"
#include "record/display.h"
#include "session.h"
#include "store/undo.h"

namespace {

constexpr std::string_view kMainMenu =
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
    "*********************\n";

}  // namespace

void ShowMenu(Session& s) {
  s.out() << kMainMenu;
  // The range test passes only the one-byte texts "0" to "7".
  switch (ReadChoice(s, "0", "7", kWrongChoice)[0]) {
    case '0':
      s.env.Exit(0);
      break;
    case '1':
      ImportDev(s);
      break;
    case '2':
      ViewDev(s);
      break;
    case '3':
      QueryDev(s);
      break;
    case '4':
      DeletDev(s);
      break;
    case '5':
      SortDev(s);
      break;
    case '6':
      FilterDev(s);
      break;
    case '7':
      UndoDev(s);
      break;
  }
}

void RunProgram(Env& env) {
  Session s(env);
  RunProgram(s);
}

void RunProgram(Session& s) {
  for (;;) ShowMenu(s);
}
