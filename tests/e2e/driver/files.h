// Files and folders of the cases, by Windows path (byte strings in the ANSI code page).
#pragma once

#include <string>

using Bytes = std::string;

// A fresh, empty folder C:\e2e\<name> for one case.
std::string FreshCaseFolder(const std::string& name);
bool WriteBytes(const std::string& path, const Bytes& bytes);
// The file's bytes, or nothing when it cannot be read.
bool ReadBytes(const std::string& path, Bytes& bytes);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Copies the file into the folder under its own name; returns the new path.
std::string CopyInto(const std::string& file, const std::string& folder);
void RemoveTree(const std::string& path);
