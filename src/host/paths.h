// The path routines used everywhere: folders in the installer state end with
// a backslash unless they are empty.
#pragma once

#include <string>

// Appends "\" to a non-empty path that does not end with one.
void AddTrailingBackslash(std::string& path);

// The path without its last character when that is "\" (at most one is removed).
std::string RemoveTrailingBackslash(const std::string& path);

// The folder of a file's path, up to and including its last "\" (or the ":"
// of a drive-relative "D:file"); "" when the path has neither.
std::string FolderOfFile(const std::string& path);
