// The host's settings and file services: the profile file, lookups and the probe file.
#include "host/win32_host.h"

#include <vector>

#include "host/unique_handle.h"

namespace {
constexpr DWORD kProfileBufferSize = 10240;
}  // namespace

Text Win32Host::GetProgramDirectory() { return programDirectory_; }

Text Win32Host::ReadProfileString(const Text& file, const Text& section, const Text& key,
                                  const Text& defaultValue) {
  std::vector<char> buffer(kProfileBufferSize);
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                          buffer.data(), kProfileBufferSize, file.c_str());
  return Text(buffer.data(), length);
}

bool Win32Host::WriteProfileString(const Text& file, const Text& section, const Text& key,
                                   const Text& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    file.c_str()) != FALSE;
}

bool Win32Host::PathExists(const Text& path) {
  WIN32_FIND_DATAA found;
  UniqueFind find(FindFirstFileA(path.c_str(), &found));
  return static_cast<bool>(find);
}

bool Win32Host::FolderExists(const Text& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The table is read once so that walking a path costs no system call per byte.
void Win32Host::ReadLeadBytes() {
  leadBytes_.fill(false);
  CPINFO info{};
  if (!GetCPInfo(CP_ACP, &info)) return;
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2) {
    for (int byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) {
      leadBytes_[byte] = true;
    }
  }
}

bool Win32Host::IsLeadByte(unsigned char byte) { return leadBytes_[byte]; }

bool Win32Host::WriteFileBytes(const Text& path, ByteSpan bytes) {
  if (path.empty()) return false;
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (bytes.size == 0) return true;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data, static_cast<DWORD>(bytes.size), &written, nullptr) &&
         written == bytes.size;
}

bool Win32Host::CreateProbeFile(const Text& path) {
  constexpr DWORD kFlags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH;
  UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, kFlags, nullptr));
  if (!file) {
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
    // A file of that name is there. Only an empty one, as an interrupted probe leaves
    // behind, is taken over; anything else belongs to the user and is left alone.
    file.reset(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, kFlags, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart != 0) return false;
  }
  FlushFileBuffers(file.get());  // make the device see the write now
  return true;
}

bool Win32Host::RemoveFile(const Text& path) { return DeleteFileA(path.c_str()) != FALSE; }

