#include "engine/settings.h"

#include "res/texts.h"

Text SettingsPath(Host& host) {
  return host.GetProgramDirectory() + "\\" + texts::kSettingsFile;
}

Text ReadStoredPath(Host& host) {
  return host.ReadProfileString(SettingsPath(host), texts::kSettingsSection, texts::kPathKey,
                                "");
}

bool ReadRunFlag(Host& host) {
  return host.ReadProfileString(SettingsPath(host), texts::kSettingsSection, texts::kRunKey,
                                texts::kFalse) == texts::kTrue;
}

bool WriteStoredPath(Host& host, const Text& path) {
  return host.WriteProfileString(SettingsPath(host), texts::kSettingsSection, texts::kPathKey,
                                 path);
}

bool WriteRunFlag(Host& host, bool on) {
  return host.WriteProfileString(SettingsPath(host), texts::kSettingsSection, texts::kRunKey,
                                 on ? texts::kTrue : texts::kFalse);
}
