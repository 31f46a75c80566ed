#include "record/device.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using Texts = std::array<std::string, 7>;

void ExpectTexts(const device& d, const Texts& texts) {
  for (TextField field : kTextFields) {
    EXPECT_EQ(d.text(field), texts[field]) << "field " << int{field};
  }
}

device Make(const Texts& texts) {
  std::array<std::string_view, 7> views;
  for (size_t i = 0; i < views.size(); ++i) views[i] = texts[i];
  return device(views);
}

// Records whose texts fit inside the record and records whose texts do not,
// on both sides of the limit, with empty fields and bytes of every kind.
std::vector<Texts> Cases() {
  const std::string fill(device::kInlineBytes - 6, 'x');
  return {
      {"", "", "", "", "", "", ""},
      {"A01", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"},
      {fill, "a", "b", "c", "d", "e", "f"},   // exactly fits
      {fill, "a", "b", "c", "d", "e", "fg"},  // one byte over
      {"", "", "", "", "", "", std::string(10 << 20, '9')},
      {std::string("\0\xff", 2), "", "\n", "", " ", "", "\x80"},
  };
}

TEST(DeviceTest, KeepsTheSevenTextsInFieldOrder) {
  for (const Texts& texts : Cases()) {
    const device d = Make(texts);
    EXPECT_EQ(d.serial, 0);
    ExpectTexts(d, texts);
    EXPECT_EQ(d.number(), texts[0]);
    EXPECT_EQ(d.name(), texts[1]);
    EXPECT_EQ(d.user(), texts[2]);
    EXPECT_EQ(d.department(), texts[3]);
    EXPECT_EQ(d.quantity(), texts[4]);
    EXPECT_EQ(d.time(), texts[5]);
    EXPECT_EQ(d.price(), texts[6]);
  }
}

TEST(DeviceTest, CopiesAndMovesOutliveTheOriginal) {
  for (const Texts& texts : Cases()) {
    device copy, assigned, moved_to;
    {
      device original = Make(texts);
      original.serial = 7;
      copy = device(original);
      assigned = Make(Cases()[1]);
      assigned = original;
      device source = original;
      moved_to = std::move(source);
    }
    for (const device* d : {&copy, &assigned, &moved_to}) {
      EXPECT_EQ(d->serial, 7);
      ExpectTexts(*d, texts);
    }
    // Assigning a record to itself, directly or through a copy, keeps it.
    device& self = copy;
    copy = self;
    copy = std::move(self);
    ExpectTexts(copy, texts);
  }
}

}  // namespace
