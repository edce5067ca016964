// The program's texts reach the ANSI API as GBK bytes.
#include "res/texts.h"

#include <gtest/gtest.h>

#include <string>

TEST(Texts, AreGbkBytes) {
  EXPECT_EQ(std::string(texts::kTitle),
            "\xb3\xce\xd4\xc0\xd2\xc6\xb6\xaf\xd3\xb2\xc5\xcc\xb7\xb4\xd0\xdd\xc3\xdf");
  EXPECT_EQ(std::string(texts::kPathLabel), "\xb6\xc1\xd0\xb4\xc2\xb7\xbe\xb6:");
  EXPECT_EQ(sizeof texts::kDescription - 1, 117u);
  EXPECT_EQ(sizeof texts::kTrayTipOn - 1, 27u);
  EXPECT_EQ(sizeof texts::kTrayTipOff - 1, 27u);
}
