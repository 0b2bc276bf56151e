#include "fake_self_removal.h"

#include "fake_files.h"
#include "platform/self_removal.h"

namespace fake {

FakeSelfRemoval& SelfRemoval() {
    static FakeSelfRemoval selfRemoval;
    return selfRemoval;
}

}  // namespace fake

namespace platform {

std::string OwnExecutablePath() { return fake::SelfRemoval().ownPath; }

std::string SystemTemporaryFolder() { return fake::SelfRemoval().systemTemporaryFolder; }

ErrorCode CreateAdministratorsFolder(const std::string& path) {
    const ErrorCode e = fake::Files().MakeFolder(path);
    if (e == kSuccess) {
        fake::SelfRemoval().administratorsFolders.push_back(path);
        fake::Files().SetDescriptor(path, "O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)");
    }
    return e;
}

bool FindParentProcess(std::uint32_t* id, std::string* executable) {
    const fake::FakeSelfRemoval& self = fake::SelfRemoval();
    if (self.parentId == 0) return false;
    *id = self.parentId;
    *executable = self.parentExecutable;
    return true;
}

std::uint32_t CurrentProcessId() { return fake::SelfRemoval().processId; }

ErrorCode CopyFileTo(const std::string& from, const std::string& to) {
    fake::FakeFiles& files = fake::Files();
    files.Record("copy " + from + " -> " + to);
    if (!files.FileExistsAt(from)) return kErrorFileNotFound;
    const std::string bytes = files.Bytes(from);
    return files.Write(to, bytes.data(), bytes.size(), CreateMode::CreateNew);
}

ErrorCode StartProcess(const std::string& executable, const std::string& arguments,
                       const std::string& workingFolder) {
    fake::FakeSelfRemoval& self = fake::SelfRemoval();
    if (self.startError != kSuccess) return self.startError;
    if (!fake::Files().FileExistsAt(executable)) return kErrorFileNotFound;
    self.started.push_back({executable, arguments, workingFolder});
    if (self.onStart) self.onStart(self.started.back());
    return kSuccess;
}

bool WaitForProcessExit(std::uint32_t processId, std::uint32_t timeoutMs) {
    fake::FakeSelfRemoval& self = fake::SelfRemoval();
    self.waits.emplace_back(processId, timeoutMs);
    return self.processEnds;
}

ErrorCode DeleteAfterReboot(const std::string& path) {
    fake::SelfRemoval().deleteAfterReboot.push_back(path);
    return kSuccess;
}

}  // namespace platform
