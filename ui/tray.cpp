#include "ui/tray.h"

#include "res/texts.h"
#include "ui/tray_icons.h"

TrayPair PickTrayPair(bool startButtonDisabled) {
  if (startButtonDisabled) return TrayPair{kTrayIconOn, texts::kTrayTipOn};
  return TrayPair{kTrayIconOff, texts::kTrayTipOff};
}

void OnMainWindowPositionChanged(Host& host) {
  if (host.GetWindowState() != kStateMinimised) return;
  host.SetWindowVisible(false);
  const TrayPair pair = PickTrayPair(host.IsControlDisabled(Control::按钮2));
  host.SetTrayIcon(pair.icon, pair.tip);
}

void OnTrayEvent(Host& host, int /*operation*/) {
  // Visible first: a show state written while the window is hidden is only recorded.
  host.SetWindowVisible(true);
  host.SetWindowState(kStateNormal);
  host.RemoveTrayIcon();
}
