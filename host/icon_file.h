// Reading an icon file (ICO) held in memory: which of its images the notification-area
// icon is made from. No Windows API here; the host turns the chosen image into an icon.
#pragma once

#include <optional>

#include "host/host.h"

// The image data (a bitmap header, colour bits and mask) of the entry that an icon
// `preferredWidth` pixels wide is made from: the first entry with at least 16 colours and
// that width, else the last entry. Nothing when the file is not an icon or cursor file,
// has no entries, or an entry or its data lies beyond the end of the bytes.
std::optional<ByteSpan> ChooseIconEntry(ByteSpan file, int preferredWidth);

// What an image's own bitmap header says; zero for fields the data is too short to hold.
struct IconImageHeader {
  int width = 0;
  int height = 0;  // colour bits and mask together: twice the icon's height
  int bitsPerPixel = 0;
};
IconImageHeader ReadIconImageHeader(ByteSpan image);

// Makes an icon from the file's bytes in up to two passes: first from the entry chosen
// for 16 pixels, then, when that gives nothing, from the entry chosen for 32 pixels.
// `make` turns an entry's image data into an Image, which tests false when it failed.
template <typename Image, typename Make>
Image MakeIconFromFile(ByteSpan file, Make make) {
  for (int preferredWidth : {16, 32}) {
    if (std::optional<ByteSpan> entry = ChooseIconEntry(file, preferredWidth)) {
      if (Image image = make(*entry)) return image;
    }
  }
  return Image{};
}
