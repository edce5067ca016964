// The tip field of the notification-area record: at most 62 bytes of the tip in a
// zero-filled 64-byte field.
#include "host/tray_tip.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TipCase {
  const char* name;
  std::string tip;
  std::string expectedStart;  // the field's bytes before its zero fill
};

std::string Ascending(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('!' + i % 90);
  return text;
}

// "澄岳移动硬盘反休眠 - 已开启" in GBK: 27 bytes.
const std::string kOnTipGbk =
    "\xb3\xce\xd4\xc0\xd2\xc6\xb6\xaf\xd3\xb2\xc5\xcc\xb7\xb4\xd0\xdd\xc3\xdf"
    " - \xd2\xd1\xbf\xaa\xc6\xf4";

const TipCase kTipCases[] = {
    {"Empty", "", ""},
    {"TheOnTip", kOnTipGbk, kOnTipGbk},
    {"SixtyTwoBytesFit", Ascending(62), Ascending(62)},
    {"SixtyThreeBytesLoseTheLast", Ascending(63), Ascending(62)},
    {"LongTipIsCutAfterItsSixtySecondByte", Ascending(200), Ascending(62)},
    // The cut counts bytes, also in the middle of a double-byte character.
    {"CutThroughADoubleByteCharacter", std::string(61, 'a') + "\xd2\xd1",
     std::string(61, 'a') + "\xd2"},
};

class TrayTipField : public ::testing::TestWithParam<TipCase> {};

TEST_P(TrayTipField, HoldsAtMostSixtyTwoBytesThenZeros) {
  const TipCase& c = GetParam();
  const auto field = MakeTrayTipField(c.tip);
  ASSERT_EQ(field.size(), 64u);
  std::string expected = c.expectedStart;
  expected.resize(64, '\0');
  EXPECT_EQ(std::string(field.begin(), field.end()), expected);
}

INSTANTIATE_TEST_SUITE_P(Tips, TrayTipField, ::testing::ValuesIn(kTipCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
