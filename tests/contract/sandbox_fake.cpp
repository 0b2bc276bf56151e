// The contract tests' side of the fakes: every test starts from the fakes'
// clean state, with a folder of its own as the working folder.
#include "fake_platform.h"
#include "sandbox.h"

namespace sandbox {

namespace {

const char kFolder[] = "C:\\Sandbox\\";

}  // namespace

void Test::SetUp() {
    fake::ResetAll();
    fake::Files().AddFolder(kFolder);
    fake::Files().workingFolder = kFolder;
}

void Test::TearDown() {}

std::string Folder() { return kFolder; }

std::string Key() { return "Software\\NorvelikContract"; }

bool RegistryHasTwoViews() { return fake::Registry().wow64Process; }

void WriteValueOfType(platform::RegRoot root, const std::string& path, std::uint32_t view,
                      const std::string& name, platform::RegValueType type,
                      const std::string& text) {
    const std::string key = fake::Registry().Resolve(root, path, view);
    if (type == platform::RegValueType::Other) {
        fake::Registry().SetOther(key, name);
    } else {
        fake::Registry().SetString(key, name, text, type);
    }
}

void MakeLink(platform::RegRoot root, const std::string& path, std::uint32_t view,
              const std::string& target) {
    fake::Registry().MakeLink(fake::Registry().Resolve(root, path, view), "HKLM\\" + target);
}

bool IsLink(platform::RegRoot root, const std::string& path, std::uint32_t view) {
    return fake::Registry().IsLink(fake::Registry().Resolve(root, path, view));
}

void WriteUnicodeString(platform::RegRoot root, const std::string& path, const std::string& name,
                        const std::string& utf8) {
    fake::Registry().SetUnicodeString(fake::Registry().Resolve(root, path, 0), name, utf8);
}

std::string MissingDrive() { return "Q:"; }

void MakeReadOnly(const std::string& path) { fake::Files().File(path)->readOnly = true; }

// The fake keeps no hidden attribute: every file lists.
void MakeHidden(const std::string&) {}

bool OnWine() { return false; }

HeldFile::HeldFile(const std::string& path, bool othersMayRead) : path_(path) {
    fake::FakeFile* file = fake::Files().File(path);
    holding_ = file != nullptr;
    if (holding_) {
        file->held =
            othersMayRead ? fake::FakeFile::Held::ReadSharing : fake::FakeFile::Held::NoSharing;
    }
}

HeldFile::~HeldFile() {
    if (fake::FakeFile* file = fake::Files().File(path_)) file->held = fake::FakeFile::Held::No;
}

}  // namespace sandbox
