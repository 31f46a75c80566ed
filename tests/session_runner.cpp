#include "session_runner.h"

#include <vector>

#include "menu.h"
#include "platform/test_env.h"

const std::string kPrompt = "->请选择操作:";

const std::string kMenu =
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
    "*********************\n" +
    kPrompt;

const std::string kWrong = "输入有误!\n";

const std::string kEntryMenu =
    "\n"
    "*******************\n"
    "*   1-从文件导入   *\n"
    "*   2-添加单个信息 *\n"
    "*******************\n";

const std::string kDeleteMenu =
    "\n"
    "*******************\n"
    "*  1-按序列号删除  *\n"
    "*  2-全部删除      *\n"
    "*******************\n";

const std::string kSortMenu =
    "\n"
    "*******************\n"
    "*  1-按设备编号升序 *\n"
    "*  2-按设备数量升序 *\n"
    "*  3-按购买时间升序 *\n"
    "*  4-按设备价格升序 *\n"
    "*  5-按设备编号降序 *\n"
    "*  6-按设备数量降序 *\n"
    "*  7-按购买时间降序 *\n"
    "*  8-按设备价格降序 *\n"
    "*******************\n";

const std::string kQueryMenu =
    "\n"
    "*******************\n"
    "*  1-按设备名称查找 *\n"
    "*  2-按所属部门查找 *\n"
    "*  3-全域查找      *\n"
    "*******************\n";

const std::string kFilterMenu =
    "\n"
    "*******************\n"
    "*  1-按设备数量筛选 *\n"
    "*  2-按购买时间筛选 *\n"
    "*  3-按价格筛选    *\n"
    "*******************\n";

const std::string kOutputMenu =
    "*******************\n"
    "*  1-打印到屏幕    *\n"
    "*  2-保存到文件    *\n"
    "*******************\n";

const std::string kDone = "操作完成, 1 秒后返回初始界面.\n";

SessionResult RunSession(const std::string& input, const SessionSetup& setup) {
  TestEnv env(input);
  env.files() = setup.files;
  env.directories() = setup.directories;
  env.set_clock_step(setup.clock_step);
  env.FailReplacementsAfter(setup.replacements_before_failure);
  SessionResult result;
  try {
    RunProgram(env);
  } catch (const ExitCalled& exit) {
    result.exit_status = exit.status;
  }
  result.output = env.output();
  result.pauses = env.pauses();
  result.files = env.files();
  return result;
}

std::string SaveReport(const std::string& file, size_t count) {
  return file + " 已保存更改, 耗时 0 毫秒\n" + file + " 内目前有 " +
         std::to_string(count) + " 条记录\n";
}

std::string ImportText(const std::vector<Row>& rows) {
  std::string text;
  for (const Row& r : rows) {
    text += r.number + " " + r.name + " " + r.user + " " + r.department + " " +
            r.quantity + " " + r.time + " " + r.price + "\n";
  }
  return text;
}

std::string RecordFileText(const std::vector<Row>& rows) {
  std::string text;
  int serial = 0;
  for (const Row& r : rows) {
    text += std::to_string(++serial) + " " + r.number + " " + r.name + " " +
            r.user + " " + r.department + " " + r.quantity + " " + r.time +
            " " + r.price + "\n";
  }
  return text;
}

std::string DisplayLine(int serial, const Row& r) {
  return "存储序列号:" + std::to_string(serial) + " 设备编号:" + r.number +
         " 设备名称:" + r.name + " 领用人:" + r.user +
         " 所属部门:" + r.department + " 数量:" + r.quantity +
         " 购买时间:" + r.time + " 价格:" + r.price + "\n";
}

std::string DisplayLines(const std::vector<Row>& rows, int first_serial) {
  std::string text;
  for (const Row& r : rows) text += DisplayLine(first_serial++, r);
  return text;
}

std::string ImportTranscript(size_t total) {
  return kEntryMenu + kPrompt + "请输入文件名:" + "读取完成, 耗时 0 毫秒\n" +
         SaveReport("dev.out", total) + kDone + kMenu;
}

std::string ImportInput(const std::string& file) {
  return "1\n1\n" + file + "\n";
}
