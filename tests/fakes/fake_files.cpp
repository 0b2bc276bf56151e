#include "fake_files.h"

#include <algorithm>
#include <cstring>

#include "fake_util.h"

using platform::ErrorCode;

namespace fake {

std::string PathKey(const std::string& path) {
    std::string key = platform::FoldedName(Files().Full(path));
    // A drive root keeps its backslash off too: "C:".
    return WithoutTrailingBackslashes(key);
}

namespace {

// A chain of links longer than this is taken for a loop, as Windows gives up.
constexpr int kMaxLinkHops = 32;

std::string ParentKey(const std::string& key) {
    auto pos = key.rfind('\\');
    return pos == std::string::npos ? std::string() : key.substr(0, pos);
}

std::string NameOf(const std::string& path) {
    auto pos = path.rfind('\\');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

// True for `key` itself and every key below it.
bool AtOrBelow(const std::string& key, const std::string& top) {
    return key == top || (key.size() > top.size() && key.compare(0, top.size(), top) == 0 &&
                          key[top.size()] == '\\');
}

template <typename Map>
void EraseAtOrBelow(Map& map, const std::string& top) {
    for (auto it = map.begin(); it != map.end();) {
        it = AtOrBelow(it->first, top) ? map.erase(it) : std::next(it);
    }
}

}  // namespace

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<platform::FolderEntry> entries;
    std::vector<std::string> names;
    if (Files().List(folder, &entries) != platform::kSuccess) return names;
    for (const platform::FolderEntry& e : entries) {
        if (!e.isFolder) names.push_back(e.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

FakeFiles& Files() {
    static FakeFiles files;
    return files;
}

void FakeFiles::Reset() { *this = FakeFiles{}; }

void FakeFiles::Record(const std::string& call) {
    if (beforeCall) beforeCall(call);
    journal.push_back(call);
}

void FakeFiles::AddDrive(const std::string& letterColon) { drives_.insert(PathKey(letterColon)); }

std::string FakeFiles::Full(const std::string& path) const {
    const bool drive = path.size() >= 2 && path[1] == ':';
    const bool network = path.compare(0, 2, "\\\\") == 0;
    if (path.empty() || drive || network) return path;
    std::string base = workingFolder;
    if (path[0] == '\\') base = base.substr(0, 2);
    if (!base.empty() && base.back() != '\\' && path[0] != '\\') base += '\\';
    return base + path;
}

std::string FakeFiles::Key(const std::string& path, bool followLast) const {
    std::string key = PathKey(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        bool followed = false;
        for (std::size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
            const bool last = end == std::string::npos;
            if (!last || followLast) {
                auto link = folderLinks_.find(last ? key : key.substr(0, end));
                if (link != folderLinks_.end()) {
                    key = PathKey(link->second) + (last ? std::string() : key.substr(end));
                    followed = true;
                    break;
                }
            }
            if (last) break;
        }
        if (!followed) return key;
    }
    return std::string();
}

void FakeFiles::AddFolder(const std::string& path) {
    std::string full = WithoutTrailingBackslashes(Full(path));
    while (full.size() > 2) {  // stop at the drive ("C:")
        std::string& made = folders_[platform::FoldedName(full)];
        if (made.empty()) made = full;
        full = full.substr(0, full.rfind('\\') == std::string::npos ? 0 : full.rfind('\\'));
    }
    if (!full.empty()) drives_.insert(platform::FoldedName(full));
}

void FakeFiles::AddFile(const std::string& path, const std::string& bytes) {
    const std::string full = Full(path);
    if (full.rfind('\\') != std::string::npos) AddFolder(full.substr(0, full.rfind('\\')));
    FakeFile& f = files_[Key(path, false)];
    f.path = full;
    f.bytes = bytes;
}

void FakeFiles::AddLink(const std::string& path, const std::string& target) {
    AddFile(path, "");
    files_[Key(path, false)].linkTo = target;
}

void FakeFiles::AddFolderLink(const std::string& path, const std::string& target) {
    const std::string full = WithoutTrailingBackslashes(Full(path));
    if (full.rfind('\\') != std::string::npos) AddFolder(full.substr(0, full.rfind('\\')));
    folderLinks_[PathKey(full)] = WithoutTrailingBackslashes(Full(target));
}

bool FakeFiles::ReplaceFolderWithLink(const std::string& path, const std::string& target,
                                      bool evenWhileHeld) {
    const std::string key = PathKey(path);
    for (const auto& held : heldFolders) {
        if (!evenWhileHeld && (AtOrBelow(held.second, key) || AtOrBelow(key, held.second))) {
            return false;
        }
    }
    EraseAtOrBelow(folders_, key);
    EraseAtOrBelow(files_, key);
    EraseAtOrBelow(folderLinks_, key);
    AddFolderLink(path, target);
    return true;
}

bool FakeFiles::HasFile(const std::string& path) const { return FileExistsAt(path); }

bool FakeFiles::HasFolder(const std::string& path) const { return FolderExistsAt(path); }

FakeFile* FakeFiles::File(const std::string& path) {
    auto it = files_.find(Key(path, false));
    return it == files_.end() ? nullptr : &it->second;
}

std::string FakeFiles::Bytes(const std::string& path) const {
    auto it = files_.find(Key(path, false));
    return it == files_.end() ? std::string() : it->second.bytes;
}

std::vector<std::string> FakeFiles::AllFiles() const {
    std::vector<std::string> all;
    for (const auto& f : files_) all.push_back(f.second.path);
    return all;
}

bool FakeFiles::FileExistsAt(const std::string& path) const {
    return files_.count(Key(path, false)) != 0;
}

bool FakeFiles::FolderExistsAt(const std::string& path) const {
    const std::string key = Key(path, true);
    return folders_.count(key) != 0 || drives_.count(key) != 0;
}

bool FakeFiles::IsLink(const std::string& path) const {
    const std::string key = Key(path, false);
    auto file = files_.find(key);
    return folderLinks_.count(key) != 0 || (file != files_.end() && !file->second.linkTo.empty());
}

ErrorCode FakeFiles::CheckRealFolder(const std::string& path) const {
    const std::string spelt = PathKey(path);
    if (folderLinks_.count(spelt) != 0 || Key(path, false) != spelt) {
        return platform::kErrorReparsePointEncountered;
    }
    if (!FolderExistsAt(path)) {
        return files_.count(spelt) ? platform::kErrorPathNotFound : platform::kErrorFileNotFound;
    }
    return platform::kSuccess;
}

bool FakeFiles::ParentExists(const std::string& key) const {
    std::string parent = ParentKey(key);
    return folders_.count(parent) != 0 || drives_.count(parent) != 0;
}

bool FakeFiles::Uncreatable(const std::string& key) const {
    for (const std::string& path : uncreatableFolders) {
        if (PathKey(path) == key) return true;
    }
    return false;
}

bool FakeFiles::InReadOnlyFolder(const std::string& key) const {
    for (const std::string& folder : readOnlyFolders) {
        if (PathKey(folder) == ParentKey(key)) return true;
    }
    return false;
}

ErrorCode FakeFiles::CheckName(const std::string& given) const {
    const std::string path = Full(given);
    if (path.size() >= 260) return platform::kErrorFilenameTooLong;
    for (std::size_t i = 0; i < path.size(); ++i) {
        char c = path[i];
        if (std::strchr("<>|\"*?", c) != nullptr) return platform::kErrorInvalidName;
        if (c == ':' && i != 1) return platform::kErrorInvalidName;
    }
    if (path.size() >= 2 && path[1] == ':' &&
        drives_.count(platform::FoldedName(path.substr(0, 2))) == 0) {
        return platform::kErrorPathNotFound;
    }
    return platform::kSuccess;
}

ErrorCode FakeFiles::MakeFolder(const std::string& path) {
    Record("mkdir " + path);
    if (ErrorCode e = CheckName(path)) return e;
    const std::string key = Key(path, false);
    if (key.empty()) return platform::kErrorPathNotFound;
    if (FolderExistsAt(path) || folderLinks_.count(key)) return platform::kErrorAlreadyExists;
    if (files_.count(key)) return platform::kErrorAlreadyExists;
    if (!ParentExists(key)) return platform::kErrorPathNotFound;
    if (Uncreatable(key)) return platform::kErrorAccessDenied;
    folders_[key] = WithoutTrailingBackslashes(Full(path));
    return platform::kSuccess;
}

void FakeFiles::SetDescriptor(const std::string& path, const std::string& sddl) {
    descriptors[Key(path, true)] = sddl;
}

ErrorCode FakeFiles::MakeFolderTree(const std::string& path, const std::string& sddl) {
    if (ErrorCode e = CheckName(path)) return e;
    if (path.empty()) return platform::kErrorPathNotFound;
    // The levels by their spelling in `path`, deepest first.
    std::vector<std::string> missing;
    for (std::string level = WithoutTrailingBackslashes(Full(path));
         !level.empty() && !FolderExistsAt(level);
         level = level.substr(0, level.rfind('\\') == std::string::npos ? 0 : level.rfind('\\'))) {
        const std::string k = Key(level, false);
        if (files_.count(k) || folderLinks_.count(k)) return platform::kErrorAlreadyExists;
        if (k.size() == 2 && k[1] == ':') return platform::kErrorPathNotFound;  // no such drive
        missing.push_back(level);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        const std::string k = Key(*it, false);
        if (Uncreatable(k)) return platform::kErrorAccessDenied;
        folders_[k] = *it;
        if (!sddl.empty()) descriptors[k] = sddl;
    }
    return platform::kSuccess;
}

ErrorCode FakeFiles::Delete(const std::string& path) {
    Record("delete " + path);
    const std::string key = Key(path, false);
    auto it = files_.find(key);
    if (it == files_.end()) {
        if (folders_.count(key) || folderLinks_.count(key)) return platform::kErrorAccessDenied;
        return ParentExists(key) ? platform::kErrorFileNotFound : platform::kErrorPathNotFound;
    }
    if (it->second.held != FakeFile::Held::No) return platform::kErrorSharingViolation;
    if (it->second.readOnly) return platform::kErrorAccessDenied;
    files_.erase(it);
    return platform::kSuccess;
}

ErrorCode FakeFiles::RemoveName(const std::string& path) {
    Record("remove name " + path);
    const std::string key = Key(path, false);
    if (folders_.count(key)) return platform::kErrorAccessDenied;
    // Windows removes a link to a folder through a handle of the link itself.
    if (folderLinks_.erase(key) != 0) return platform::kSuccess;
    // The name is replaced by a file of the caller's own first.
    if (InReadOnlyFolder(key)) return platform::kErrorAccessDenied;
    auto it = files_.find(key);
    if (it == files_.end())
        return ParentExists(key) ? platform::kSuccess : platform::kErrorPathNotFound;
    if (it->second.linkTo.empty()) {
        if (it->second.held != FakeFile::Held::No) return platform::kErrorAccessDenied;
        if (it->second.readOnly) return platform::kErrorAccessDenied;
    }
    files_.erase(it);
    return platform::kSuccess;
}

ErrorCode FakeFiles::RemoveFolder(const std::string& path) {
    Record("rmdir " + path);
    const std::string key = Key(path, false);
    if (folderLinks_.count(key)) return platform::kErrorReparsePointEncountered;
    if (!folders_.count(key)) return platform::kErrorPathNotFound;
    for (const auto& held : heldFolders) {
        if (held.second == key) return platform::kErrorSharingViolation;
    }
    std::vector<platform::FolderEntry> entries;
    List(path, &entries);
    if (!entries.empty()) return platform::kErrorDirNotEmpty;
    folders_.erase(key);
    return platform::kSuccess;
}

ErrorCode FakeFiles::MoveReplacing(const std::string& from, const std::string& to) {
    Record("move " + from + " -> " + to);
    auto src = files_.find(Key(from, false));
    if (src == files_.end()) return platform::kErrorFileNotFound;
    if (src->second.held != FakeFile::Held::No) return platform::kErrorSharingViolation;
    const std::string toKey = Key(to, false);
    if (folders_.count(toKey) || folderLinks_.count(toKey)) return platform::kErrorAccessDenied;
    auto dst = files_.find(toKey);
    if (dst != files_.end()) {
        if (dst->second.held != FakeFile::Held::No) return platform::kErrorAccessDenied;
        if (dst->second.readOnly) return platform::kErrorAccessDenied;
    }
    if (!ParentExists(toKey)) return platform::kErrorPathNotFound;
    FakeFile moved = src->second;
    moved.path = Full(to);
    files_.erase(src);
    files_[toKey] = moved;
    return platform::kSuccess;
}

ErrorCode FakeFiles::Write(const std::string& path, const void* data, std::size_t size,
                           platform::CreateMode mode) {
    Record("write " + path);
    if (ErrorCode e = CheckName(path)) return e;
    const std::string key = Key(path, false);
    if (key.empty()) return platform::kErrorPathNotFound;
    if (folders_.count(key) || folderLinks_.count(key)) return platform::kErrorAccessDenied;
    if (!ParentExists(key)) return platform::kErrorPathNotFound;
    auto it = files_.find(key);
    if (it == files_.end() && InReadOnlyFolder(key)) return platform::kErrorAccessDenied;
    if (it != files_.end() && mode == platform::CreateMode::CreateNew) {
        return platform::kErrorFileExists;
    }
    if (it != files_.end() && !it->second.linkTo.empty()) {
        // Opened through the link: the file it points to is written.
        return Write(it->second.linkTo, data, size, mode);
    }
    if (it != files_.end()) {
        if (it->second.held != FakeFile::Held::No) return platform::kErrorSharingViolation;
        if (it->second.readOnly) return platform::kErrorAccessDenied;
    }
    FakeFile& f = files_[key];
    if (f.path.empty()) f.path = Full(path);
    std::uint64_t old = f.bytes.size();
    f.bytes.clear();  // created or truncated before the first byte is written
    freeBytes = old > UINT64_MAX - freeBytes ? UINT64_MAX : freeBytes + old;  // no wrap-around
    std::uint64_t limit = freeBytes;
    for (const auto& failing : failWriteAfter) {
        if (Key(failing.first, false) == key && failing.second < limit) limit = failing.second;
    }
    std::size_t written = size <= limit ? size : static_cast<std::size_t>(limit);
    f.bytes.assign(static_cast<const char*>(data), written);
    freeBytes -= written;
    return written == size ? platform::kSuccess : platform::kErrorDiskFull;
}

ErrorCode FakeFiles::ChangeWorkingFolder(const std::string& path) {
    if (!FolderExistsAt(path)) {
        // As for every path: a missing last level is a missing file.
        return ParentExists(Key(path, false)) ? platform::kErrorFileNotFound
                                              : platform::kErrorPathNotFound;
    }
    workingFolder = WithoutTrailingBackslashes(Full(path)) + "\\";
    return platform::kSuccess;
}

ErrorCode FakeFiles::ReadRange(const std::string& path, std::uint64_t offset, std::size_t count,
                               platform::ShareMode share, std::string* bytes) const {
    auto it = files_.find(Key(path, false));
    if (it == files_.end()) return platform::kErrorFileNotFound;
    if (!it->second.linkTo.empty())
        return ReadRange(it->second.linkTo, offset, count, share, bytes);
    const FakeFile& f = it->second;
    if (f.held == FakeFile::Held::NoSharing) return platform::kErrorSharingViolation;
    if (f.held == FakeFile::Held::ReadSharing && share == platform::ShareMode::Exclusive) {
        return platform::kErrorSharingViolation;
    }
    bytes->clear();
    if (offset < f.bytes.size()) *bytes = f.bytes.substr(static_cast<std::size_t>(offset), count);
    return platform::kSuccess;
}

ErrorCode FakeFiles::List(const std::string& folder,
                          std::vector<platform::FolderEntry>* entries) const {
    if (!FolderExistsAt(folder)) return platform::kErrorPathNotFound;
    const std::string key = Key(folder, true);
    entries->clear();
    for (const auto& sub : folders_) {
        if (ParentKey(sub.first) == key) entries->push_back({NameOf(sub.second), 0, true, false});
    }
    for (const auto& link : folderLinks_) {
        if (ParentKey(link.first) == key) entries->push_back({NameOf(link.first), 0, true, true});
    }
    for (const auto& f : files_) {
        if (ParentKey(f.first) == key) {
            entries->push_back(
                {NameOf(f.second.path), f.second.Size(), false, !f.second.linkTo.empty()});
        }
    }
    return platform::kSuccess;
}

}  // namespace fake

namespace platform {

bool FileExists(const std::string& path) { return fake::Files().FileExistsAt(path); }
bool FolderExists(const std::string& path) { return fake::Files().FolderExistsAt(path); }
ErrorCode CreateFolder(const std::string& path) { return fake::Files().MakeFolder(path); }
ErrorCode CreateFolderTree(const std::string& path, const std::string& newLevelsSddl) {
    return fake::Files().MakeFolderTree(path, newLevelsSddl);
}
ErrorCode DeleteFileAt(const std::string& path) { return fake::Files().Delete(path); }
ErrorCode RemoveNameAt(const std::string& path) { return fake::Files().RemoveName(path); }
ErrorCode RemoveEmptyFolder(const std::string& path) { return fake::Files().RemoveFolder(path); }
bool IsLinkAt(const std::string& path) { return fake::Files().IsLink(path); }

ErrorCode CheckRealFolder(const std::string& folder) {
    return fake::Files().CheckRealFolder(folder);
}

FolderHold HoldFolder(const std::string& folder) {
    fake::FakeFiles& files = fake::Files();
    if (!files.FolderExistsAt(folder)) return kNoFolderHold;
    const FolderHold hold = files.nextHold++;
    files.heldFolders[hold] = files.Key(folder, true);
    return hold;
}

void ReleaseFolder(FolderHold hold) { fake::Files().heldFolders.erase(hold); }

ErrorCode MoveFileReplacing(const std::string& from, const std::string& to) {
    return fake::Files().MoveReplacing(from, to);
}

ErrorCode WriteWholeFile(const std::string& path, const void* data, std::size_t size,
                         CreateMode mode) {
    fake::FakeFiles& files = fake::Files();
    const ErrorCode e = files.Write(path, data, size, mode);
    if (files.afterWrite) files.afterWrite(path);
    return e;
}

ErrorCode ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count,
                        ShareMode share, std::string* bytes) {
    return fake::Files().ReadRange(path, offset, count, share, bytes);
}

ErrorCode ReadWholeFile(const std::string& path, std::string* bytes) {
    return fake::Files().ReadRange(path, 0, SIZE_MAX, ShareMode::Read, bytes);
}

ErrorCode FileSize(const std::string& path, std::uint64_t* size) {
    fake::FakeFile* f = fake::Files().File(path);
    if (!f) return kErrorFileNotFound;
    *size = f->Size();
    return kSuccess;
}

ErrorCode ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
    return fake::Files().List(folder, entries);
}

ErrorCode FreeDiskSpace(const std::string& path, std::uint64_t* bytes) {
    if (!fake::Files().FolderExistsAt(fake::PathKey(path).substr(0, 2))) return kErrorPathNotFound;
    *bytes = fake::Files().freeBytes;
    return kSuccess;
}

ErrorCode SetWorkingFolder(const std::string& path) {
    return fake::Files().ChangeWorkingFolder(path);
}

}  // namespace platform
