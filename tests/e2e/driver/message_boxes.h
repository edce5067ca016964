// Looking at message boxes from outside: what they say, whose they are, which icon.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

enum class BoxIcon { None, Information, Warning, Other };

struct SeenBox {
  bool shown = false;
  HWND owner = nullptr;
  std::string caption;
  std::vector<std::string> texts;  // the Static texts, the icon's excluded
  BoxIcon icon = BoxIcon::None;
};

// What the box shows once it is painted. The icon is told by its colours on the screen:
// the information icon is blue, the warning icon yellow and orange.
SeenBox LookAtBox(HWND box);
const char* BoxIconName(BoxIcon icon);
