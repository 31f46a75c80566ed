#include "record/device.h"

const std::array<std::string_view, 10> obj = {
    "存储序列号", "设备编号", "设备名称", "领用人", "所属部门",
    "数量",       "购买时间", "价格",     "",       "",
};
