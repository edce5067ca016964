#include "host/tray_tip.h"

#include <algorithm>

std::array<char, kTrayTipFieldSize> MakeTrayTipField(const Text& tip) {
  std::array<char, kTrayTipFieldSize> field{};
  std::copy_n(tip.begin(), std::min(tip.size(), kTrayTipMaxBytes), field.begin());
  return field;
}
