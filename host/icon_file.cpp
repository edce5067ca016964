#include "host/icon_file.h"

#include <cstdint>

namespace {

constexpr std::size_t kFileHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kTypeIcon = 1;
constexpr int kTypeCursor = 2;
constexpr int kMinimumColours = 16;

std::uint32_t Read16(const unsigned char* at) { return at[0] | at[1] << 8; }
std::uint32_t Read32(const unsigned char* at) {
  return Read16(at) | static_cast<std::uint32_t>(Read16(at + 2)) << 16;
}

// One directory entry: width, height, colour count, reserved, planes, bits per pixel,
// data size, data offset.
struct DirectoryEntry {
  int width;
  int colourCount;
  std::uint32_t dataSize;
  std::uint32_t dataOffset;
};

DirectoryEntry ReadEntry(const unsigned char* at) {
  return DirectoryEntry{at[0], at[2], Read32(at + 8), Read32(at + 12)};
}

}  // namespace

std::optional<ByteSpan> ChooseIconEntry(ByteSpan file, int preferredWidth) {
  if (!file.data || file.size < kFileHeaderSize) return std::nullopt;
  const std::uint32_t reserved = Read16(file.data);
  const std::uint32_t type = Read16(file.data + 2);
  const std::uint32_t count = Read16(file.data + 4);
  if (reserved != 0 || (type != kTypeIcon && type != kTypeCursor) || count < 1) {
    return std::nullopt;
  }
  if (file.size < kFileHeaderSize + count * kEntrySize) return std::nullopt;

  const unsigned char* entries = file.data + kFileHeaderSize;
  DirectoryEntry chosen = ReadEntry(entries + (count - 1) * kEntrySize);
  for (std::uint32_t i = 0; i < count; ++i) {
    DirectoryEntry entry = ReadEntry(entries + i * kEntrySize);
    if (entry.colourCount >= kMinimumColours && entry.width == preferredWidth) {
      chosen = entry;
      break;
    }
  }

  const std::uint64_t end = std::uint64_t{chosen.dataOffset} + chosen.dataSize;
  if (end > file.size) return std::nullopt;
  return ByteSpan{file.data + chosen.dataOffset, chosen.dataSize};
}

IconImageHeader ReadIconImageHeader(ByteSpan image) {
  IconImageHeader header;
  if (!image.data) return header;
  // BITMAPINFOHEADER: size (4), width (4), height (4), planes (2), bits per pixel (2).
  if (image.size >= 8) header.width = static_cast<std::int32_t>(Read32(image.data + 4));
  if (image.size >= 12) header.height = static_cast<std::int32_t>(Read32(image.data + 8));
  if (image.size >= 16) header.bitsPerPixel = static_cast<int>(Read16(image.data + 14));
  return header;
}
