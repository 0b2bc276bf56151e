#include "engine/install_file.h"

#include <string>
#include <vector>

#include "fake_platform.h"
#include "installation/installer_state.h"
#include "platform/message_box.h"

namespace {

const std::string kTarget = "C:\\N\\nvf.cok";
const std::string kTemporary = "C:\\N\\~nvf.cok";

// Bytes of a data file whose stamp (offset 5, little-endian) is `stamp`.
std::string CokWithStamp(int stamp, char fill = 'n') {
    std::string bytes(32, fill);
    bytes[5] = static_cast<char>(stamp & 0xFF);
    bytes[6] = static_cast<char>(stamp >> 8);
    return bytes;
}

class InstallFileTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake::Files().AddFolder("C:\\N");
        State().ShortTitleRu = "Норвелик";
        State().ShortTitleEn = "Норвелик";
    }
    const std::vector<fake::ShownBox>& Boxes() { return fake::MessageBoxes().shown; }
    bool NoTemporaryFilesLeft() {
        for (const std::string& path : fake::Files().AllFiles()) {
            if (path.find('~') != std::string::npos) return false;
        }
        return true;
    }
};

struct PolicyCase {
    const char* type;
    const char* target;
    bool checkVersion;
    bool compares;
};

TEST(VersionPolicyTest, OnlyLowerCaseDataTypesAreCompared) {
    const PolicyCase cases[] = {
        {"cok", "C:\\N\\a.cok", true, true},
        {"pak", "C:\\N\\a.pak", true, true},
        {"3bs", "C:\\N\\a.3bs", true, true},
        {"lng", "C:\\N\\language\\ru.lng", true, true},
        {"lng", "C:\\N\\language\\!codes.lng", true, false},
        {"COK", "C:\\N\\a.COK", true, false},
        {"Pak", "C:\\N\\a.Pak", true, false},
        {"exe", "C:\\N\\a.exe", true, false},
        {"dll", "C:\\N\\a.dll", true, false},
        {"", "C:\\N\\a", true, false},
        {"cok", "C:\\N\\a.cok", false, false},
        {"lng", "C:\\N\\language\\ru.lng", false, false},
    };
    for (const PolicyCase& c : cases) {
        EXPECT_EQ(ComparesVersions(c.type, c.target, c.checkVersion), c.compares)
            << c.type << " " << c.target << " " << c.checkVersion;
    }
}

TEST(OlderVersionQuestionTest, TextsOfBothModesCarryBothStampsInDecimal) {
    EXPECT_EQ(OlderVersionQuestion("C:\\N\\nvf.cok", 367, -2, true),
              "Устанавливаемый файл C:\\N\\nvf.cok\r\n"
              "более старой версии, чем уже установленный.\r\n\r\n"
              "Действительно ли Вы хотите заменить уже имеющийся\r\n"
              "файл версии 367 на более старый версии -2?");
    EXPECT_EQ(OlderVersionQuestion("C:\\N\\nvf.cok", 65535, 256, false),
              "C:\\N\\nvf.cok file installing is of older version\r\n"
              "than the same already installed.\r\n\r\n"
              "Do you really want to replace existing\r\n"
              "new file version 65535 with an older file version 256?");
    EXPECT_EQ(OlderVersionCaption(true), "Резонный вопрос");
    EXPECT_EQ(OlderVersionCaption(false), "Sound question");
}

TEST_F(InstallFileTest, NewTargetGetsTheItemsExactBytesWithoutQuestion) {
    const std::string bytes = std::string("MZ\0\x90", 4) + std::string(1000, '\xCC');
    fake::Payload().Add("NORVELIK", "EXE", bytes);
    InstallFileFromResource("Norvelik", "exe", "C:\\N\\Norvelik.exe", true);
    EXPECT_EQ(fake::Files().Bytes("C:\\N\\Norvelik.exe"), bytes);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(fake::ProgressWindow().calls.empty());
    EXPECT_TRUE(NoTemporaryFilesLeft());
}

// A new file reaches its final name only complete: it is written under the
// "~" name and moved into place.
TEST_F(InstallFileTest, NewTargetNeverStandsHalfWrittenUnderItsName) {
    fake::Payload().Add("NVF", "COK", CokWithStamp(367));
    InstallFileFromResource("nvf", "cok", kTarget, true);
    EXPECT_EQ(
        fake::Files().journal,
        (std::vector<std::string>{"write " + kTemporary, "move " + kTemporary + " -> " + kTarget}));
}

// A scanner that opens a file for a moment, without sharing it.
enum class HeldAMoment { Nothing, NewCopy, InstalledCopy };

struct ReplaceCase {
    const char* what;
    const char* type;
    bool checkVersion;
    int installedStamp;
    int newStamp;
    bool asks;
    HeldAMoment held = HeldAMoment::Nothing;
};

// Every existing target is replaced in one step from a complete "~" copy;
// only an older data file asks first.
TEST_F(InstallFileTest, ReplacesExistingTargetsAskingOnlyForOlderDataFiles) {
    const ReplaceCase cases[] = {
        {"same stamp", "cok", true, 367, 367, false},
        {"newer copy", "cok", true, 5, 367, false},
        {"older copy", "cok", true, 367, 5, true},
        {"little-endian compare", "cok", true, 0x0100, 0x00FF, true},
        {"capital type", "COK", true, 367, 5, false},
        {"no version check", "cok", false, 367, 5, false},
        {"program", "exe", true, 367, 5, false},
        // The new copy's stamp comes from its bytes, not from the file a
        // scanner holds the moment it is written: it never reads as 0.
        {"new copy held a moment", "cok", true, 5, 367, false, HeldAMoment::NewCopy},
        {"installed copy held a moment", "cok", true, 367, 5, true, HeldAMoment::InstalledCopy},
    };
    for (const ReplaceCase& c : cases) {
        fake::ResetAll();
        fake::Files().AddFile(kTarget, CokWithStamp(c.installedStamp, 'o'));
        fake::Payload().Add("NVF", c.type, CokWithStamp(c.newStamp));
        const std::string heldPath = c.held == HeldAMoment::NewCopy ? kTemporary : kTarget;
        if (c.held == HeldAMoment::InstalledCopy) {
            fake::Files().File(kTarget)->held = fake::FakeFile::Held::NoSharing;
        }
        fake::Files().afterWrite = [&c](const std::string& path) {
            if (c.held == HeldAMoment::NewCopy && path == kTemporary) {
                fake::Files().File(kTemporary)->held = fake::FakeFile::Held::NoSharing;
            }
        };
        fake::Clock().afterSleep = [heldPath](std::size_t) {
            if (fake::FakeFile* file = fake::Files().File(heldPath)) {
                file->held = fake::FakeFile::Held::No;
            }
        };
        fake::MessageBoxes().answers.push_back(platform::kIdYes);
        InstallFileFromResource("nvf", c.type, kTarget, c.checkVersion);
        EXPECT_EQ(fake::Files().Bytes(kTarget), CokWithStamp(c.newStamp)) << c.what;
        EXPECT_EQ(Boxes().size(), c.asks ? 1u : 0u) << c.what;
        EXPECT_TRUE(NoTemporaryFilesLeft()) << c.what;
        for (const std::string& call : fake::Files().journal) {
            EXPECT_NE(call, "delete " + kTarget) << c.what;
        }
    }
}

TEST_F(InstallFileTest, OlderCopyIsAskedAboutInRussianWithRussianButtons) {
    State().IsRussian = true;
    fake::Files().AddFile(kTarget, CokWithStamp(367, 'o'));
    fake::Payload().Add("NVF", "COK", CokWithStamp(341));
    fake::ProgressWindow().up = true;
    fake::MessageBoxes().answers.push_back(platform::kIdYes);
    InstallFileFromResource("nvf", "cok", kTarget, true);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, OlderVersionQuestion(kTarget, 367, 341, true));
    EXPECT_EQ(Boxes()[0].caption, "Резонный вопрос");
    EXPECT_EQ(Boxes()[0].style, 0x42024u);
    EXPECT_TRUE(Boxes()[0].extended);
    EXPECT_EQ(Boxes()[0].language, 0x19);
    // Hidden while asking, back afterwards with both lines cleared.
    EXPECT_EQ(fake::ProgressWindow().calls,
              (std::vector<std::string>{"hide", "caption ", "text ", "show"}));
}

TEST_F(InstallFileTest, DecliningKeepsTheInstalledCopyAndRemovesTheNewOne) {
    fake::Files().AddFile(kTarget, CokWithStamp(367, 'o'));
    fake::Payload().Add("NVF", "COK", CokWithStamp(341));
    fake::ProgressWindow().up = true;
    fake::MessageBoxes().answers.push_back(platform::kIdNo);
    InstallFileFromResource("nvf", "cok", kTarget, true);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "Sound question");
    EXPECT_FALSE(Boxes()[0].extended);
    EXPECT_EQ(Boxes()[0].style, 0x42024u);
    EXPECT_EQ(fake::Files().Bytes(kTarget), CokWithStamp(367, 'o'));
    EXPECT_TRUE(NoTemporaryFilesLeft());
    EXPECT_TRUE(fake::ProgressWindow().visible);
}

// Language files with a "!" in their path skip the comparison; the others
// compare the stamp lines.
TEST_F(InstallFileTest, LanguageFilesCompareUnlessMarked) {
    const std::string installed = "[langver]\r\n9\r\n";
    const std::string older = "[langver]\r\n3\r\n";
    fake::Files().AddFile("C:\\N\\language\\ru.lng", installed);
    fake::Files().AddFile("C:\\N\\language\\!codes.lng", installed);
    fake::Payload().Add("RU", "LNG", older);
    fake::Payload().Add("CODES", "LNG", older);
    fake::MessageBoxes().answers = {platform::kIdNo};
    InstallFileFromResource("ru", "lng", "C:\\N\\language\\ru.lng", true);
    InstallFileFromResource("codes", "lng", "C:\\N\\language\\!codes.lng", true);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, OlderVersionQuestion("C:\\N\\language\\ru.lng", 9, 3, false));
    EXPECT_EQ(fake::Files().Bytes("C:\\N\\language\\ru.lng"), installed);
    EXPECT_EQ(fake::Files().Bytes("C:\\N\\language\\!codes.lng"), older);
}

struct FailureCase {
    const char* what;
    const char* type;
    const char* target;
};

// A disk that fills up while the new copy is written must neither cut the
// installed copy short nor leave a "~" file.
TEST_F(InstallFileTest, FullDiskKeepsTheInstalledCopyAndLeavesNoTemporaryFile) {
    const FailureCase cases[] = {
        {"data file", "cok", "C:\\N\\nvf.cok"},
        {"program", "exe", "C:\\N\\nvf.exe"},
        {"library", "dll", "C:\\N\\nvf.dll"},
    };
    for (const FailureCase& c : cases) {
        fake::ResetAll();
        fake::Files().AddFile(c.target, "installed copy");
        fake::Payload().Add("NVF", c.type, CokWithStamp(400));
        fake::Files().freeBytes = 10;
        InstallFileFromResource("nvf", c.type, c.target, true);
        EXPECT_EQ(fake::Files().Bytes(c.target), "installed copy") << c.what;
        EXPECT_TRUE(NoTemporaryFilesLeft()) << c.what;
        ASSERT_EQ(Boxes().size(), 1u) << c.what;
        EXPECT_EQ(Boxes()[0].text, std::string("Can't install file ") + c.target) << c.what;
    }
}

TEST_F(InstallFileTest, FailedWriteOfANewTargetLeavesNothingBehind) {
    fake::Payload().Add("NVF", "COK", CokWithStamp(400));
    fake::Files().failWriteAfter[fake::PathKey(kTemporary)] = 7;
    State().IsRussian = true;
    InstallFileFromResource("nvf", "cok", kTarget, true);
    EXPECT_TRUE(fake::Files().AllFiles().empty());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Не удается установить файл " + kTarget);
}

TEST_F(InstallFileTest, HeldOrReadOnlyTargetIsReportedAndKept) {
    for (bool readOnly : {false, true}) {
        fake::ResetAll();
        fake::Files().AddFile(kTarget, CokWithStamp(1, 'o'));
        if (readOnly) {
            fake::Files().File(kTarget)->readOnly = true;
        } else {
            fake::Files().File(kTarget)->held = fake::FakeFile::Held::NoSharing;
        }
        fake::Payload().Add("NVF", "COK", CokWithStamp(2));
        InstallFileFromResource("nvf", "cok", kTarget, true);
        EXPECT_EQ(fake::Files().Bytes(kTarget), CokWithStamp(1, 'o')) << readOnly;
        EXPECT_TRUE(NoTemporaryFilesLeft()) << readOnly;
        ASSERT_EQ(Boxes().size(), 1u) << readOnly;
        EXPECT_EQ(Boxes()[0].text, "Can't install file " + kTarget) << readOnly;
    }
}

// A failed replacement after Yes is reported first; the window then returns.
TEST_F(InstallFileTest, FailedReplacementAfterYesStillBringsTheWindowBack) {
    fake::Files().AddFile(kTarget, CokWithStamp(367, 'o'));
    fake::Files().File(kTarget)->readOnly = true;
    fake::Payload().Add("NVF", "COK", CokWithStamp(5));
    fake::ProgressWindow().up = true;
    fake::MessageBoxes().answers.push_back(platform::kIdYes);
    InstallFileFromResource("nvf", "cok", kTarget, true);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, "Can't install file " + kTarget);
    EXPECT_TRUE(fake::ProgressWindow().visible);
    EXPECT_TRUE(NoTemporaryFilesLeft());
}

struct PlantedCase {
    const char* what;
    const char* temporaryLinkTo;  // a link at the "~" name, or nullptr
    const char* targetLinkTo;     // a link at the final name, or nullptr
    bool plainLeftover;           // a file at the "~" name
    bool folderLeftover;          // a folder at the "~" name
    bool installs;
};

// Whatever stands at the "~" name goes as a name, never written through; a
// link at the final name is replaced, not followed. Files elsewhere never change.
TEST_F(InstallFileTest, NamesPlantedBesideTheTargetNeverLetTheWriteReachElsewhere) {
    // An older stamp, so that a link at the final name brings no question.
    const std::string elsewhere = "C:\\Other\\mine.txt";
    const std::string nowhere = "C:\\Other\\never.txt";
    const PlantedCase cases[] = {
        {"link at ~ to a file", "C:\\Other\\mine.txt", nullptr, false, false, true},
        {"link at ~ to nothing", "C:\\Other\\never.txt", nullptr, false, false, true},
        {"a killed setup's copy at ~", nullptr, nullptr, true, false, true},
        {"link at the final name", nullptr, "C:\\Other\\mine.txt", false, false, true},
        {"both links", "C:\\Other\\mine.txt", "C:\\Other\\mine.txt", false, false, true},
        {"a folder at ~", nullptr, nullptr, false, true, false},
    };
    for (const PlantedCase& c : cases) {
        fake::ResetAll();
        fake::Files().AddFolder("C:\\N");
        fake::Files().AddFile(elsewhere, CokWithStamp(1, 'u'));
        if (c.temporaryLinkTo) fake::Files().AddLink(kTemporary, c.temporaryLinkTo);
        if (c.targetLinkTo) fake::Files().AddLink(kTarget, c.targetLinkTo);
        if (c.plainLeftover) fake::Files().AddFile(kTemporary, "cut short");
        if (c.folderLeftover) fake::Files().AddFolder(kTemporary);
        fake::Payload().Add("NVF", "COK", CokWithStamp(367));
        InstallFileFromResource("nvf", "cok", kTarget, true);
        EXPECT_EQ(fake::Files().Bytes(elsewhere), CokWithStamp(1, 'u')) << c.what;
        EXPECT_FALSE(fake::Files().HasFile(nowhere)) << c.what;
        EXPECT_TRUE(NoTemporaryFilesLeft()) << c.what;
        if (c.installs) {
            EXPECT_EQ(fake::Files().Bytes(kTarget), CokWithStamp(367)) << c.what;
            const fake::FakeFile* installed = fake::Files().File(kTarget);
            EXPECT_TRUE(installed != nullptr && installed->linkTo.empty()) << c.what;
            EXPECT_TRUE(Boxes().empty()) << c.what;
        } else {
            EXPECT_TRUE(fake::Files().HasFolder(kTemporary)) << c.what;
            ASSERT_EQ(Boxes().size(), 1u) << c.what;
            EXPECT_EQ(Boxes()[0].text, "Can't install file " + kTarget) << c.what;
        }
    }
}

struct DamageCase {
    const char* what;
    bool earlierCopy;
    bool checksumPacked;
};

// Bytes that are not what the build packed never take the target's place: an
// earlier copy stays byte for byte, no "~" file is left, and the file's own
// message is followed, for the first damaged file only, by the remedy.
TEST_F(InstallFileTest, DamagedItemsNeverTakeTheTargetsPlace) {
    const DamageCase cases[] = {
        {"over an earlier copy", true, true},
        {"new target", false, true},
        {"no checksum packed", true, false},
    };
    const std::string target2 = "C:\\N\\nvm0.cok";
    for (const DamageCase& c : cases) {
        fake::ResetAll();
        State().DamageReported = false;
        fake::Files().AddFolder("C:\\N");
        if (c.earlierCopy) fake::Files().AddFile(kTarget, CokWithStamp(1, 'o'));
        fake::Payload().Add("NVF", "COK", CokWithStamp(367));
        fake::Payload().Add("NVM0", "COK", CokWithStamp(341));
        if (c.checksumPacked) {
            fake::Payload().Damage("NVF", "COK", 20);
            fake::Payload().Damage("NVM0", "COK", 0);
        } else {
            fake::Payload().items.erase("CRC32C/COK.NVF");
            fake::Payload().items.erase("CRC32C/COK.NVM0");
        }
        InstallFileFromResource("nvf", "cok", kTarget, true);
        InstallFileFromResource("nvm0", "cok", target2, true);
        if (c.earlierCopy) {
            EXPECT_EQ(fake::Files().Bytes(kTarget), CokWithStamp(1, 'o')) << c.what;
        } else {
            EXPECT_FALSE(fake::Files().HasFile(kTarget)) << c.what;
        }
        EXPECT_FALSE(fake::Files().HasFile(target2)) << c.what;
        EXPECT_TRUE(NoTemporaryFilesLeft()) << c.what;
        std::vector<std::string> texts;
        for (const fake::ShownBox& box : Boxes()) texts.push_back(box.text);
        EXPECT_EQ(texts, (std::vector<std::string>{
                             "Can't install file " + kTarget,
                             "The setup program is damaged. Please download it again.",
                             "Can't install file " + target2}))
            << c.what;
    }
}

TEST_F(InstallFileTest, MissingItemIsReportedAndWritesNothing) {
    InstallFileFromResource("nvx", "cok", kTarget, true);
    EXPECT_TRUE(fake::Files().AllFiles().empty());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Can't install file " + kTarget);
}

}  // namespace
