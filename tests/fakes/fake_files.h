// An in-memory file system with Windows' rules as far as the setup program
// meets them: drive-letter paths compared without regard to case, folders that
// must exist before files go into them, files held open by other processes,
// read-only files, and a volume that fills up.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace fake {

struct FakeFile {
    std::string path;  // as first created
    std::string bytes;
    // A symbolic link: the path it points to. Opening the link for writing
    // reaches that file (and creates it when it is missing); a rename or a
    // removal of the link touches the link alone.
    std::string linkTo;
    bool readOnly = false;
    // Held open by another process: kNoSharing refuses every open, kReadSharing
    // lets readers in and refuses writers, deletion and renames.
    enum class Held { No, NoSharing, ReadSharing } held = Held::No;
    // When set, the size listings and FileSize report instead of the bytes held:
    // a file of gigabytes without the memory.
    std::uint64_t reportedSize = 0;
    std::uint64_t Size() const { return reportedSize ? reportedSize : bytes.size(); }
};

class FakeFiles {
  public:
    void AddDrive(const std::string& letterColon);                     // "C:"
    void AddFolder(const std::string& path);                           // and its parents
    void AddFile(const std::string& path, const std::string& bytes);   // parents made too
    void AddLink(const std::string& path, const std::string& target);  // parents made too
    // A link to a folder (a junction or a symbolic link): every path through
    // it reaches `target` instead, as Windows follows it; only a removal of
    // the name itself, the folder check and a listing of the folder that
    // holds it see the link.
    void AddFolderLink(const std::string& path, const std::string& target);
    // What another program does while the setup works: the folder and
    // everything in it disappear from `path` and a link to `target` takes
    // its place. Windows refuses while the folder, or one inside or above
    // it, is held open by the program (false); `evenWhileHeld` does it all
    // the same, as under a system that does not hold folders (Wine).
    bool ReplaceFolderWithLink(const std::string& path, const std::string& target,
                               bool evenWhileHeld = false);

    bool HasFile(const std::string& path) const;
    bool HasFolder(const std::string& path) const;
    FakeFile* File(const std::string& path);
    std::string Bytes(const std::string& path) const;  // "" when missing
    // Every file path as first created, in the order of their keys.
    std::vector<std::string> AllFiles() const;

    // Bytes that may still be written before writes fail with kErrorDiskFull.
    std::uint64_t freeBytes = UINT64_MAX;
    // Paths (in any spelling) whose folder cannot be created, as if the medium refused.
    std::set<std::string> uncreatableFolders;
    // Folders (in any spelling) in which no file can be created, as on a read-only medium.
    std::set<std::string> readOnlyFolders;
    // Paths (in any spelling) a write must fail for after this many bytes (kErrorDiskFull).
    std::map<std::string, std::uint64_t> failWriteAfter;
    // Where a relative path starts.
    std::string workingFolder = "C:\\";

    // Every call made, for ordered expectations: "write C:\x", "delete C:\x", ...
    std::vector<std::string> journal;
    // Called after every write, with its path: lets a test act while the
    // program works (swap a folder for a link halfway through).
    std::function<void(const std::string&)> afterWrite;
    // Called before every call is carried out and entered in the journal: a
    // hook that throws stops the program there, as a kill would.
    std::function<void(const std::string&)> beforeCall;
    void Record(const std::string& call);
    // Security descriptors (SDDL) by the key of what they belong to; a file
    // or folder without one reads as kTrustedDescriptor.
    std::map<std::string, std::string> descriptors;
    std::string currentUserSid = "S-1-5-21-1004336348-1177238915-682003330-1001";
    // Sets the descriptor of an existing file or folder as it stands.
    void SetDescriptor(const std::string& path, const std::string& sddl);

    // Folders held open by the program now (HoldFolder): their keys by hold.
    std::map<std::uintptr_t, std::string> heldFolders;
    std::uintptr_t nextHold = 1;

    void Reset();

    // Implementation of the platform calls.
    bool FileExistsAt(const std::string& path) const;
    bool FolderExistsAt(const std::string& path) const;
    platform::ErrorCode MakeFolder(const std::string& path);
    platform::ErrorCode MakeFolderTree(const std::string& path, const std::string& sddl = "");
    platform::ErrorCode Delete(const std::string& path);
    platform::ErrorCode RemoveName(const std::string& path);
    platform::ErrorCode RemoveFolder(const std::string& path);  // must be empty; not a link
    bool IsLink(const std::string& path) const;
    platform::ErrorCode CheckRealFolder(const std::string& path) const;
    platform::ErrorCode MoveReplacing(const std::string& from, const std::string& to);
    platform::ErrorCode Write(const std::string& path, const void* data, std::size_t size,
                              platform::CreateMode mode);
    platform::ErrorCode ChangeWorkingFolder(const std::string& path);
    platform::ErrorCode ReadRange(const std::string& path, std::uint64_t offset, std::size_t count,
                                  platform::ShareMode share, std::string* bytes) const;
    platform::ErrorCode List(const std::string& folder,
                             std::vector<platform::FolderEntry>* entries) const;

    // `path` completed as Windows completes it: a relative one starts in the
    // working folder, one from a backslash on the working folder's drive.
    std::string Full(const std::string& path) const;

    // The key of `path` once the links on its way are followed, the last
    // level's too when `followLast`; "" for a loop of links.
    std::string Key(const std::string& path, bool followLast) const;

  private:
    std::set<std::string> drives_{"C:"};
    std::map<std::string, std::string> folders_;      // by PathKey: the path as first made
    std::map<std::string, FakeFile> files_;           // by PathKey
    std::map<std::string, std::string> folderLinks_;  // by PathKey: the path linked to
    platform::ErrorCode CheckName(const std::string& path) const;
    bool ParentExists(const std::string& key) const;
    bool Uncreatable(const std::string& key) const;
    bool InReadOnlyFolder(const std::string& key) const;
};

FakeFiles& Files();

// What the fake reports for a file or folder whose descriptor was never set:
// only the system and the administrators may change it, users may read.
constexpr char kTrustedDescriptor[] =
    "O:BAD:(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";

// The names of the files (not folders) directly in `folder`, sorted.
std::vector<std::string> FileNamesIn(const std::string& folder);

// The key of a path: its letters folded as Windows compares them, no trailing
// backslash.
std::string PathKey(const std::string& path);

}  // namespace fake
