// A fake of the host for the unit tests. It answers from tables that a test fills in
// (folders and files that exist, profile contents, which writes fail) and records every
// service call, in order, as a line such as
//   WriteProfileString(C:\prog\config.ini, disk, run, true)
// so that a test can compare what a handler did with a list written out by hand.
#pragma once

#include <array>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/host.h"

// What ExitProgram throws, so that a test can see the program end and with what code.
struct ProgramExit {
  int code;
};

class FakeHost : public Host {
 public:
  struct MessageBox {
    Text text;
    unsigned flags;
    Text title;
  };

  // ---- the tables a test fills in ------------------------------------------------

  Text programDirectory = "C:\\prog";
  // file -> section -> key -> value
  std::map<Text, std::map<Text, std::map<Text, Text>>> profiles;
  // Writes to these keys fail (a read-only or locked settings file).
  std::set<Text> failingProfileKeys;
  // Paths FolderExists answers true for, exactly as written (no normalising).
  std::set<Text> folders;
  // Existing files and their contents; PathExists also finds the folders.
  std::map<Text, Text> files;
  // Paths where no file can be created (write-protected medium, no rights).
  std::set<Text> readOnlyPaths;
  // What ShowMessageBox returns.
  int messageBoxResult = 0;

  // ---- what the fake saw -------------------------------------------------------

  std::vector<MessageBox> messageBoxes;
  std::array<Text, static_cast<int>(Control::Count)> controlTexts{};
  // As the main window's layout creates them: only the stop button disabled.
  std::array<bool, static_cast<int>(Control::Count)> disabled = InitialDisabled();
  std::array<int, static_cast<int>(Control::Count)> timerPeriods{};
  int windowState = kStateNormal;
  bool windowVisible = false;
  // The tray icon as last set, while it is there.
  bool trayIconShown = false;
  std::vector<unsigned char> trayIcon;
  Text trayTip;

  // The recorded calls, leaving out the services in `untraced` (by default the plain
  // queries that every path walk makes).
  std::vector<std::string> Trace() const {
    std::vector<std::string> lines;
    for (const Call& call : calls_) {
      if (!untraced.count(call.service)) lines.push_back(call.line);
    }
    return lines;
  }
  std::set<std::string> untraced = {"GetProgramDirectory", "IsLeadByte"};
  void ClearTrace() { calls_.clear(); }

  // Convenience for the profile table.
  Text& Profile(const Text& file, const Text& section, const Text& key) {
    return profiles[file][section][key];
  }
  bool HasProfileKey(const Text& file, const Text& section, const Text& key) const {
    auto f = profiles.find(file);
    if (f == profiles.end()) return false;
    auto s = f->second.find(section);
    return s != f->second.end() && s->second.count(key) != 0;
  }

  Text& ControlText(Control control) { return controlTexts[Index(control)]; }
  bool IsDisabled(Control control) const { return disabled[Index(control)]; }
  int TimerPeriod(Control timer) const { return timerPeriods[Index(timer)]; }

  // ---- Host ----------------------------------------------------------------------

  Text GetProgramDirectory() override {
    Record("GetProgramDirectory", {});
    return programDirectory;
  }

  Text ReadProfileString(const Text& file, const Text& section, const Text& key,
                         const Text& defaultValue) override {
    Record("ReadProfileString", {file, section, key, defaultValue});
    if (!HasProfileKey(file, section, key)) return defaultValue;
    const Text& value = profiles[file][section][key];
    return value.substr(0, kProfileBufferSize - 1);
  }

  bool WriteProfileString(const Text& file, const Text& section, const Text& key,
                          const Text& value) override {
    Record("WriteProfileString", {file, section, key, value});
    if (failingProfileKeys.count(key)) return false;
    profiles[file][section][key] = value;
    return true;
  }

  bool PathExists(const Text& path) override {
    Record("PathExists", {path});
    return folders.count(path) || files.count(path);
  }

  bool FolderExists(const Text& path) override {
    Record("FolderExists", {path});
    return folders.count(path) != 0;
  }

  // The GBK rule: 0x81 to 0xFE start a double-byte character.
  bool IsLeadByte(unsigned char byte) override {
    Record("IsLeadByte", {Text(1, static_cast<char>(byte))});
    return byte >= 0x81 && byte <= 0xFE;
  }

  bool WriteFileBytes(const Text& path, ByteSpan bytes) override {
    Record("WriteFileBytes", {path, std::to_string(bytes.size)});
    if (path.empty() || readOnlyPaths.count(path)) return false;
    files[path] = Text(reinterpret_cast<const char*>(bytes.data), bytes.size);
    return true;
  }

  // As the real host: a new empty file, or an existing empty one taken over; a file
  // with contents is left alone.
  bool CreateProbeFile(const Text& path) override {
    Record("CreateProbeFile", {path});
    if (readOnlyPaths.count(path)) return false;
    auto existing = files.find(path);
    if (existing != files.end()) return existing->second.empty();
    files[path] = Text();
    return true;
  }

  bool RemoveFile(const Text& path) override {
    Record("RemoveFile", {path});
    return files.erase(path) != 0;
  }

  int ShowMessageBox(const Text& text, unsigned flags, const Text& title) override {
    Record("ShowMessageBox", {text, std::to_string(flags), title});
    messageBoxes.push_back({text, flags, title});
    return messageBoxResult;
  }

  Text GetControlText(Control control) override {
    Record("GetControlText", {Name(control)});
    return controlTexts[Index(control)];
  }
  void SetControlText(Control control, const Text& text) override {
    Record("SetControlText", {Name(control), text});
    controlTexts[Index(control)] = text;
  }
  bool IsControlDisabled(Control control) override {
    Record("IsControlDisabled", {Name(control)});
    return disabled[Index(control)];
  }
  void SetControlDisabled(Control control, bool isDisabled) override {
    Record("SetControlDisabled", {Name(control), isDisabled ? "true" : "false"});
    disabled[Index(control)] = isDisabled;
  }
  void SetTimerPeriod(Control timer, int milliseconds) override {
    Record("SetTimerPeriod", {Name(timer), std::to_string(milliseconds)});
    timerPeriods[Index(timer)] = milliseconds < 0 ? 0 : milliseconds;
  }

  int GetWindowState() override {
    Record("GetWindowState", {});
    return windowState;
  }
  void SetWindowState(int state) override {
    Record("SetWindowState", {std::to_string(state)});
    windowState = state;
  }
  void SetWindowVisible(bool visible) override {
    Record("SetWindowVisible", {visible ? "true" : "false"});
    windowVisible = visible;
  }

  void SetTrayIcon(ByteSpan icon, const Text& tip) override {
    Record("SetTrayIcon", {std::to_string(icon.size), tip});
    trayIconShown = true;
    trayIcon.assign(icon.data, icon.data + icon.size);
    trayTip = tip;
  }
  void RemoveTrayIcon() override {
    Record("RemoveTrayIcon", {});
    trayIconShown = false;
  }

  [[noreturn]] void ExitProgram(int code) override {
    Record("ExitProgram", {std::to_string(code)});
    throw ProgramExit{code};
  }

  // The control's layout name, as the trace shows it.
  static const char* Name(Control control) {
    constexpr const char* kNames[] = {"标签1", "标签2", "编辑框1", "按钮1",
                                      "按钮2", "按钮3", "时钟1"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(Control::Count));
    const int index = Index(control);
    return index >= 0 && index < static_cast<int>(Control::Count) ? kNames[index] : "?";
  }

 private:
  struct Call {
    std::string service;
    std::string line;
  };

  static constexpr std::size_t kProfileBufferSize = 10240;

  static int Index(Control control) { return static_cast<int>(control); }

  static std::array<bool, static_cast<int>(Control::Count)> InitialDisabled() {
    std::array<bool, static_cast<int>(Control::Count)> flags{};
    flags[Index(Control::按钮3)] = true;
    return flags;
  }

  void Record(const char* service, const std::vector<Text>& arguments) {
    std::string line = std::string(service) + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (i) line += ", ";
      line += arguments[i];
    }
    line += ")";
    calls_.push_back({service, line});
  }

  std::vector<Call> calls_;
};
