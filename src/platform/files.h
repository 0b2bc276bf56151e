// Files and folders. Paths are texts of the current text code page
// (platform/text_code_page.h), with backslashes. Every call that can fail returns a Windows error
// code (kSuccess on success) and never throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/error_codes.h"

namespace platform {

// True when `path` names an existing file (not a folder).
bool FileExists(const std::string& path);

// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

// Creates one folder level; kErrorAlreadyExists when it is there already.
ErrorCode CreateFolder(const std::string& path);

// Creates `path` with every missing parent. Succeeds only when the folder
// exists afterwards (some shells report success for a path they cut short).
// On failure the levels it made are removed again. With `newLevelsSddl`
// (platform/security.h) each level made gets that descriptor instead of what
// it would inherit.
ErrorCode CreateFolderTree(const std::string& path, const std::string& newLevelsSddl = "");

ErrorCode DeleteFileAt(const std::string& path);

// Removes whatever stands at `path` as a name, never what it points to: a
// file, one name of a file that has several, or a link (the link itself,
// even one to nothing). kSuccess when nothing was there. A folder is refused
// and stays; so is a link to a folder wherever the system cannot remove the
// link without following it (kErrorReparsePointEncountered). It may make
// an empty file of its own beside `path` for a moment, named "~nv", up to
// four hexadecimal digits and ".tmp", which a stop at that moment leaves.
ErrorCode RemoveNameAt(const std::string& path);

// Removes a folder that holds nothing; kErrorDirNotEmpty when it holds
// anything. A link or junction at `path` is refused and stays
// (kErrorReparsePointEncountered): removing it as a folder may remove the
// empty folder it points to instead.
ErrorCode RemoveEmptyFolder(const std::string& path);

// True when the name `path` itself is a link, junction or other reparse
// point, whatever it points to (or when it points to nothing).
bool IsLinkAt(const std::string& path);

// kSuccess when `folder` is an existing folder that is what its path claims:
// not a link or junction itself, and no link on the way to it, so that the
// folder Windows reaches through the path is the one the path spells
// (compared as Windows compares folders). kErrorReparsePointEncountered when
// a link stands there or on the way; the usual codes when nothing is there.
ErrorCode CheckRealFolder(const std::string& folder);

// A folder held open for as long as the program works in it: while it is
// held, Windows lets nobody rename, delete or replace it (nor a folder
// above it). kNoFolderHold when it could not be opened.
using FolderHold = std::uintptr_t;
constexpr FolderHold kNoFolderHold = 0;
FolderHold HoldFolder(const std::string& folder);
void ReleaseFolder(FolderHold hold);

// Puts `from` in the place of `to` in one step, replacing an existing `to`;
// both lie in the same folder. A link at `to` is replaced as a name, never
// written through. On failure neither file is changed.
ErrorCode MoveFileReplacing(const std::string& from, const std::string& to);

enum class CreateMode {
    CreateAlways,  // create, or truncate an existing file
    CreateNew,     // fail with kErrorFileExists when anything stands at the
                   // name, a link included: nothing is opened through it
};

// Creates the file and writes `size` bytes from `data` to it. On a failed
// write the file is closed and left as far as it was written: the caller
// decides what to do with it.
ErrorCode WriteWholeFile(const std::string& path, const void* data, std::size_t size,
                         CreateMode mode);

enum class ShareMode {
    Exclusive,  // no other opener may share the file while it is read
    Read,       // others may read it too
};

// Reads up to `count` bytes from `offset`; *bytes receives what arrived,
// possibly fewer than `count` at the end of the file.
ErrorCode ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count,
                        ShareMode share, std::string* bytes);

// Reads the whole file (opened for reading, shared for reading).
ErrorCode ReadWholeFile(const std::string& path, std::string* bytes);

ErrorCode FileSize(const std::string& path, std::uint64_t* size);

struct FolderEntry {
    std::string name;  // without folder; never "." or ".."
    std::uint64_t size = 0;
    bool isFolder = false;  // a link to a folder counts as a folder
    // A link, junction or other reparse point: never to be walked into, and
    // removed only as a name.
    bool isLink = false;
};

// Lists the entries of one folder, hidden and system ones included. An entry
// whose name the current text code page cannot hold character for character
// is left out: no name of the listing ever stands for another entry.
ErrorCode ListFolder(const std::string& folder, std::vector<FolderEntry>* entries);

// Bytes free to the caller on the volume that holds `path`.
ErrorCode FreeDiskSpace(const std::string& path, std::uint64_t* bytes);

ErrorCode SetWorkingFolder(const std::string& path);

}  // namespace platform
