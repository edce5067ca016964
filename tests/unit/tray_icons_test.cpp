// The two tray icons as built into the program: their bytes against the icon file layout
// (one 16 x 16 entry, 32 bits per pixel, header, mask and soft edges) and the picture
// (the same box, lamp lit green or unlit).
#include "ui/tray_icons.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/icon_file.h"

namespace {

constexpr std::size_t kFileSize = 1150;
constexpr std::size_t kBitmapHeaderAt = 22;
constexpr std::size_t kPixelsAt = 62;
constexpr std::size_t kMaskAt = 1086;

struct Pixel {
  int blue, green, red, alpha;
  bool operator==(const Pixel& o) const {
    return blue == o.blue && green == o.green && red == o.red && alpha == o.alpha;
  }
};

// Pixel (x, y) with y counted from the top; the file stores the bottom row first.
Pixel PixelAt(ByteSpan icon, int x, int y) {
  const unsigned char* p = icon.data + kPixelsAt + ((15 - y) * 16 + x) * 4;
  return Pixel{p[0], p[1], p[2], p[3]};
}

std::vector<unsigned char> Bytes(ByteSpan icon, std::size_t at, std::size_t count) {
  return std::vector<unsigned char>(icon.data + at, icon.data + at + count);
}

class TrayIconFile : public ::testing::TestWithParam<ByteSpan> {};

TEST_P(TrayIconFile, HasTheLayoutOfOneSixteenPixelEntry) {
  const ByteSpan icon = GetParam();
  ASSERT_EQ(icon.size, kFileSize);
  // reserved 0, type 1, one image
  EXPECT_EQ(Bytes(icon, 0, 6), (std::vector<unsigned char>{0, 0, 1, 0, 1, 0}));
  // 16 x 16, colour count 0, reserved 0, 1 plane, 32 bits, 1128 bytes at offset 22
  EXPECT_EQ(Bytes(icon, 6, 16),
            (std::vector<unsigned char>{16, 16, 0, 0, 1, 0, 32, 0,  //
                                        0x68, 0x04, 0, 0, 22, 0, 0, 0}));
  // size 40, width 16, height 32, 1 plane, 32 bits, no compression, image size 1088,
  // the other fields 0
  std::vector<unsigned char> header(40, 0);
  header[0] = 40;
  header[4] = 16;
  header[8] = 32;
  header[12] = 1;
  header[14] = 32;
  header[20] = 0x40;
  header[21] = 0x04;
  EXPECT_EQ(Bytes(icon, kBitmapHeaderAt, 40), header);
}

TEST_P(TrayIconFile, MaskHidesTheOuterPixelsExceptInTheBandRows) {
  const ByteSpan icon = GetParam();
  for (int y = 0; y < 16; ++y) {
    const bool bandRow = y >= 10 && y <= 12;  // the 11th to 13th rows from the top
    const std::vector<unsigned char> expected =
        bandRow ? std::vector<unsigned char>{0, 0, 0, 0}
                : std::vector<unsigned char>{0x80, 0x01, 0, 0};
    EXPECT_EQ(Bytes(icon, kMaskAt + (15 - y) * 4, 4), expected) << "row " << y;
  }
}

TEST_P(TrayIconFile, EdgesAreSoftAndTheInsideOpaque) {
  const ByteSpan icon = GetParam();
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int alpha = PixelAt(icon, x, y).alpha;
      if (x == 0 || x == 15) {
        EXPECT_LE(alpha, 0x60) << x << "," << y;  // transparent or nearly so
      } else if (x == 1 || x == 14 || y == 0 || y == 15) {
        EXPECT_GT(alpha, 0) << x << "," << y;
        EXPECT_LT(alpha, 255) << x << "," << y;
      } else {
        EXPECT_EQ(alpha, 255) << x << "," << y;
      }
    }
  }
}

TEST_P(TrayIconFile, IsTakenByTheFirstPassOfTheIconSteps) {
  const ByteSpan icon = GetParam();
  const auto entry = ChooseIconEntry(icon, 16);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->data, icon.data + 22);
  EXPECT_EQ(entry->size, 1128u);
  const IconImageHeader header = ReadIconImageHeader(*entry);
  EXPECT_EQ(header.width, 16);
  EXPECT_EQ(header.height, 32);
  EXPECT_EQ(header.bitsPerPixel, 32);
}

INSTANTIATE_TEST_SUITE_P(OnAndOff, TrayIconFile, ::testing::Values(kTrayIconOn, kTrayIconOff));

TEST(TrayIconPair, DifferOnlyInTheSeventySevenLampPixels) {
  int differing = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Pixel on = PixelAt(kTrayIconOn, x, y);
      const Pixel off = PixelAt(kTrayIconOff, x, y);
      if (on == off) continue;
      ++differing;
      EXPECT_EQ(on.alpha, off.alpha) << x << "," << y;
      // The lamp sits in the upper part of the box, above the band.
      EXPECT_LT(y, 10) << x << "," << y;
    }
  }
  EXPECT_EQ(differing, 77);
  EXPECT_EQ(Bytes(kTrayIconOn, 0, kPixelsAt), Bytes(kTrayIconOff, 0, kPixelsAt));
  EXPECT_EQ(Bytes(kTrayIconOn, kMaskAt, 64), Bytes(kTrayIconOff, kMaskAt, 64));
}

TEST(TrayIconPair, LampIsLitGreenOrUnlitPale) {
  // The middle of the lamp, in the upper middle of the box.
  for (const auto& [x, y] : {std::pair{7, 5}, std::pair{8, 4}, std::pair{6, 6}}) {
    const Pixel on = PixelAt(kTrayIconOn, x, y);
    EXPECT_GT(on.green, 180);
    EXPECT_GT(on.green, on.red + 60);
    EXPECT_GT(on.green, on.blue + 60);
    const Pixel off = PixelAt(kTrayIconOff, x, y);
    EXPECT_GT(off.red, 200);
    EXPECT_GT(off.green, 200);
    EXPECT_GT(off.blue, 200);
  }
}

}  // namespace
