// The services the program's handlers run on. This header does not include windows.h:
// the engine and the handlers are built natively against a fake of this interface in
// the unit tests, and against the Win32 host in the real program.
#pragma once

#include <cstddef>
#include <string>

// Texts are byte strings in the ANSI code page; an absent text is the empty text.
using Text = std::string;

// A counted run of bytes that the host does not own.
struct ByteSpan {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

// The main window's controls, under their layout names.
enum class Control : int {
  标签1,    // description label
  标签2,    // path label
  编辑框1,  // path box
  按钮1,    // browse button
  按钮2,    // start button
  按钮3,    // stop button
  时钟1,    // keep-awake timer
  Count
};

// Show states of the main window.
enum WindowState : int {
  kStateNormal = 0,
  kStateCentred = 1,  // written only; a read never reports it
  kStateMinimised = 2,
  kStateMaximised = 3,
};

class Host {
 public:
  virtual ~Host() = default;

  // The executable's directory without a final backslash ("E:" for a drive root).
  virtual Text GetProgramDirectory() = 0;

  // Profile (INI) file access; values are read into a 10240-byte buffer.
  virtual Text ReadProfileString(const Text& file, const Text& section, const Text& key,
                                 const Text& defaultValue) = 0;
  virtual bool WriteProfileString(const Text& file, const Text& section, const Text& key,
                                  const Text& value) = 0;

  // Whether a find-first lookup finds an entry for the path (files and folders alike).
  virtual bool PathExists(const Text& path) = 0;
  // Whether the path names an existing folder; drive roots ("E:\") included.
  virtual bool FolderExists(const Text& path) = 0;
  // Whether the byte starts a double-byte character in the ANSI code page.
  virtual bool IsLeadByte(unsigned char byte) = 0;

  // Creates or empties the file, writes the bytes, closes it.
  virtual bool WriteFileBytes(const Text& path, ByteSpan bytes) = 0;
  // Makes the keep-awake probe: a new empty file, written through and flushed to the
  // device. An existing file of that name is never truncated; an empty one (left by an
  // interrupted earlier probe) is flushed and reused. True when the caller may delete it.
  virtual bool CreateProbeFile(const Text& path) = 0;
  virtual bool RemoveFile(const Text& path) = 0;

  // A task-modal message box without owner; the pressed button's id minus 1.
  virtual int ShowMessageBox(const Text& text, unsigned flags, const Text& title) = 0;

  virtual Text GetControlText(Control control) = 0;
  virtual void SetControlText(Control control, const Text& text) = 0;
  virtual bool IsControlDisabled(Control control) = 0;
  virtual void SetControlDisabled(Control control, bool disabled) = 0;
  // Period in milliseconds; 0 stops the timer, a negative value counts as 0, and the
  // current value again changes nothing.
  virtual void SetTimerPeriod(Control timer, int milliseconds) = 0;

  virtual int GetWindowState() = 0;
  virtual void SetWindowState(int state) = 0;
  virtual void SetWindowVisible(bool visible) = 0;

  // The main window's notification-area icon, made from the bytes of an ICO file.
  virtual void SetTrayIcon(ByteSpan icon, const Text& tip) = 0;
  virtual void RemoveTrayIcon() = 0;

  // Runs the shutdown (the exit routine included) and ends the process with the code.
  [[noreturn]] virtual void ExitProgram(int code) = 0;
};

// Event handlers: procedures of the program bound to the window's events.
using Handler = void (*)(Host& host);
using TrayHandler = void (*)(Host& host, int operation);
