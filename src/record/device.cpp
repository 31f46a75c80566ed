#include "record/device.h"

#include <string>

const std::array<std::string_view, 10> obj = {
    "存储序列号", "设备编号", "设备名称", "领用人", "所属部门",
    "数量",       "购买时间", "价格",     "",       "",
};

device MakeDevice(const std::array<std::string_view, 7>& texts) {
  Bytes all;
  for (std::string_view text : texts) all += text;
  device d;
  d.bytes = SharedBytes(std::move(all));
  std::string_view rest = d.bytes.view();
  for (size_t i = 0; i < texts.size(); ++i) {
    d.*kTextFields[i] = rest.substr(0, texts[i].size());
    rest.remove_prefix(texts[i].size());
  }
  return d;
}
