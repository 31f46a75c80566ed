#include "record_generator.h"

#include <cstdio>
#include <random>

namespace {

const char* const kNames[] = {
    "电脑",   "笔记本电脑", "打印机", "投影仪", "扫描仪", "服务器",
    "交换机", "路由器",     "显示器", "复印机", "空调",   "传真机",
    "办公桌", "文件柜",     "摄像机", "照相机", "碎纸机", "电话机"};
const char* const kSurnames[] = {"张", "李", "王", "赵", "刘", "陈",
                                 "杨", "黄", "周", "吴", "徐", "孙"};
const char* const kGiven[] = {"伟", "芳",   "娜",   "敏",   "静",   "强",  "磊",
                              "军", "洋",   "勇",   "艳",   "杰",   "涛",  "明",
                              "超", "秀英", "建华", "志强", "海燕", "晓东"};
const char* const kDepartments[] = {"财务部", "人事部", "研发部", "市场部",
                                    "行政部", "销售部", "技术部", "后勤部",
                                    "采购部", "质检部"};

template <typename T, size_t n>
const T& Pick(std::mt19937_64& rng, const T (&items)[n]) {
  return items[rng() % n];
}

std::string DeviceNumber(std::mt19937_64& rng, uint64_t i) {
  char buf[64];
  switch (rng() % 10) {
    case 0:  // a long value
      std::snprintf(buf, sizeof buf, "SB-%04u-%08llu-%c",
                    static_cast<unsigned>(2000 + rng() % 60),
                    static_cast<unsigned long long>(i),
                    static_cast<char>('A' + rng() % 26));
      break;
    case 1:  // a duplicate of a small number
      std::snprintf(buf, sizeof buf, "SB%04u",
                    static_cast<unsigned>(rng() % 1000));
      break;
    default:
      std::snprintf(buf, sizeof buf, "SB%07llu",
                    static_cast<unsigned long long>(i));
  }
  return buf;
}

std::string Quantity(std::mt19937_64& rng) {
  unsigned q = static_cast<unsigned>(1 + rng() % 5000);
  std::string text = std::to_string(q);
  if (rng() % 20 == 0) text.insert(0, 1, '0');  // a leading zero
  return text;
}

std::string PurchaseTime(std::mt19937_64& rng) {
  unsigned year = static_cast<unsigned>(1990 + rng() % 90);
  unsigned month = static_cast<unsigned>(1 + rng() % 12);
  unsigned day = static_cast<unsigned>(1 + rng() % 28);
  char buf[32];
  if (rng() % 10 == 0) {
    std::snprintf(buf, sizeof buf, "%u.%02u.%02u", year, month, day);
  } else {
    std::snprintf(buf, sizeof buf, "%u.%u.%u", year, month, day);
  }
  return buf;
}

std::string Price(std::mt19937_64& rng) {
  unsigned whole = static_cast<unsigned>(rng() % 100000);
  switch (rng() % 4) {
    case 0:
      return std::to_string(whole) + "." + std::to_string(rng() % 10);
    case 1:
      return std::to_string(whole) + ".00";
    default:
      return std::to_string(whole);
  }
}

std::string RecordLine(std::mt19937_64& rng, uint64_t i) {
  std::string line = DeviceNumber(rng, i);
  line += ' ';
  line += Pick(rng, kNames);
  line += ' ';
  line += Pick(rng, kSurnames);
  line += Pick(rng, kGiven);
  line += ' ';
  line += Pick(rng, kDepartments);
  line += ' ';
  line += Quantity(rng);
  line += ' ';
  line += PurchaseTime(rng);
  line += ' ';
  line += Price(rng);
  line += '\n';
  return line;
}

}  // namespace

void WriteImportRecords(uint64_t n, uint64_t seed, std::FILE* out) {
  std::mt19937_64 rng(seed);
  for (uint64_t i = 0; i < n; ++i) {
    std::string line = RecordLine(rng, i);
    std::fwrite(line.data(), 1, line.size(), out);
  }
}

std::string ImportRecords(uint64_t n, uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::string text;
  for (uint64_t i = 0; i < n; ++i) text += RecordLine(rng, i);
  return text;
}
