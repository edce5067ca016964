// The tip field of the notification-area record in its first form.
#pragma once

#include <array>
#include <cstddef>

#include "host/host.h"

inline constexpr std::size_t kTrayTipFieldSize = 64;
inline constexpr std::size_t kTrayTipMaxBytes = 62;

// The tip's first bytes, at most 62 of them, in a zero-filled 64-byte field. The cut
// counts bytes: a longer tip loses everything after its 62nd byte.
std::array<char, kTrayTipFieldSize> MakeTrayTipField(const Text& tip);
