#include "tests/e2e/driver/message_boxes.h"

#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/windows.h"

namespace {

HWND IconControlOf(HWND box) {
  for (HWND child : ChildWindows(box)) {
    if (ClassNameOf(child) == "Static" && (StyleOf(child) & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child)) {
      return child;
    }
  }
  return nullptr;
}

BoxIcon IconOnScreen(HWND iconControl) {
  RECT area;
  GetWindowRect(iconControl, &area);
  int blue = 0, yellow = 0, other = 0;
  HDC screen = GetDC(nullptr);
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF pixel = GetPixel(screen, x, y);
      const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
      if (b > 150 && r < 120 && b > g) {
        ++blue;
      } else if (r > 180 && g > 100 && b < 90) {
        ++yellow;
      } else if (r > 150 && g < 80 && b < 80) {
        ++other;  // red, as the error icon
      }
    }
  }
  ReleaseDC(nullptr, screen);
  const int enough = (area.right - area.left) * (area.bottom - area.top) / 8;
  if (blue > enough && yellow < enough / 4) return BoxIcon::Information;
  if (yellow > enough && blue < enough / 4) return BoxIcon::Warning;
  return blue + yellow + other > enough ? BoxIcon::Other : BoxIcon::None;
}

}  // namespace

SeenBox LookAtBox(HWND box) {
  SeenBox seen;
  seen.shown = box != nullptr && IsWindowVisible(box);
  if (!seen.shown) return seen;
  // A box becomes visible before it has taken its texts.
  WaitUntil([&] { return !(seen.texts = StaticTextsOf(box)).empty(); }, 3000);
  seen.owner = GetWindow(box, GW_OWNER);
  seen.caption = TextOf(box);
  if (HWND icon = IconControlOf(box)) {
    // Give the box the time to paint its icon.
    WaitUntil([&] { return (seen.icon = IconOnScreen(icon)) != BoxIcon::None; }, 3000);
  }
  return seen;
}

const char* BoxIconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None: return "none";
    case BoxIcon::Information: return "information";
    case BoxIcon::Warning: return "warning";
    case BoxIcon::Other: return "other";
  }
  return "?";
}
