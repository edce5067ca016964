#include "engine/keep_awake.h"

#include "engine/folder_path.h"
#include "engine/settings.h"
#include "res/texts.h"

void OnKeepAwakeTick(Host& host) {
  const Text folder = ReadStoredPath(host);
  if (!CheckFolderPath(host, folder)) return;
  const Text probe = EnsureTrailingBackslash(host, folder) + texts::kProbeName;
  // Only a probe this tick made (or an empty one an interrupted tick left) is removed;
  // a user's own file of that name is never touched.
  if (host.CreateProbeFile(probe)) host.RemoveFile(probe);
}
