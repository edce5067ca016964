// A window described as data: the host builds the window and its controls from this
// table and binds their events to the handlers named in it.
#pragma once

#include <cstddef>

#include "host/host.h"

enum class ControlKind { Label, Edit, Button, Timer };

// How a label paints its text.
struct LabelLook {
  unsigned long textColour = 0;  // 0x00BBGGRR
  int ownFontHeight = 0;         // 0: the stock GUI font; else a font of this height
  unsigned drawFormat = 0;       // DrawText format flags
};

struct ControlForm {
  Control id;
  ControlKind kind;
  const char* className;   // the native window class; null for a timer
  int left, top, width, height;
  const char* text;
  unsigned long style;     // window styles besides WS_CHILD and WS_VISIBLE
  unsigned long exStyle;
  bool visible;
  LabelLook look;          // labels only
  Handler onEvent;         // clicked, or period elapsed; null when nothing is bound
};

struct Form {
  const char* className;
  const char* title;
  int width, height;             // outer size
  unsigned long style;
  unsigned long exStyle;
  unsigned classStyle;
  int iconResource;              // 0: none
  bool visible;
  const ControlForm* controls;
  std::size_t controlCount;
  Handler onCreated;
  Handler onPositionChanged;
  Handler onSizeChanged;
  TrayHandler onTrayEvent;
};
