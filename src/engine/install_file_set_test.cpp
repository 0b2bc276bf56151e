#include "engine/install_file_set.h"

#include <string>
#include <vector>

#include "fake_platform.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"
#include "installation/product_identity.h"

namespace {

const std::string kProductList = ProductFileList("Norvelik");

class InstallFileSetTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        WriteProductIdentity();
        InstallerState& s = State();
        s.ProgramFolder = "C:\\Program Files\\Norvelik\\";
        fake::Files().AddFolder(s.ProgramFolder);
    }
    // Puts an item for every entry of the list into the payload.
    void AddItems(const std::string& list) {
        std::size_t start = 0;
        for (std::size_t end; (end = list.find(';', start)) != std::string::npos; start = end + 1) {
            std::string entry = list.substr(start, end - start);
            std::size_t dot = entry.rfind('.');
            std::size_t slash = entry.rfind('\\');
            std::size_t from = slash == std::string::npos ? 0 : slash + 1;
            fake::Payload().Add(entry.substr(from, dot - from), entry.substr(dot + 1),
                                "bytes of " + entry);
        }
    }
    const std::vector<fake::ShownBox>& Boxes() { return fake::MessageBoxes().shown; }
};

TEST_F(InstallFileSetTest, EmptyListShowsAndWritesNothing) {
    EXPECT_FALSE(InstallFileSet());
    State().FileList = "no separator";
    EXPECT_FALSE(InstallFileSet());
    EXPECT_TRUE(fake::ProgressWindow().calls.empty());
    EXPECT_TRUE(fake::Files().AllFiles().empty());
}

TEST_F(InstallFileSetTest, ProductListIsInstalledInOrderUnderTheProgressWindow) {
    State().FileList = kProductList;
    AddItems(kProductList);
    EXPECT_TRUE(InstallFileSet());
    EXPECT_EQ(State().FileList, "");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(fake::Files().AllFiles().size(), kProductFileCount);
    EXPECT_EQ(fake::Files().Bytes("C:\\Program Files\\Norvelik\\nvq10.cok"), "bytes of nvq10.cok");
    EXPECT_EQ(fake::ProgressWindow().rangeMax, static_cast<int>(kProductFileCount));
    EXPECT_EQ(fake::ProgressWindow().position, static_cast<int>(kProductFileCount));
    EXPECT_FALSE(fake::ProgressWindow().visible);
    // One pause per file when every file is there at once.
    EXPECT_EQ(fake::Clock().sleeps, std::vector<std::uint32_t>(kProductFileCount, 128));

    const std::vector<std::string>& calls = fake::ProgressWindow().calls;
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0], "start Норвелик 1500 files copying...|");
    EXPECT_EQ(calls[1], "pos 0");
    EXPECT_EQ(calls[2], "range " + std::to_string(kProductFileCount));
    EXPECT_EQ(calls[3], "text C:\\Program Files\\Norvelik\\Norvelik.exe");
    EXPECT_EQ(calls[4], "pos 1");
    EXPECT_EQ(calls[5], "text C:\\Program Files\\Norvelik\\uninstall.exe");
    EXPECT_EQ(calls.back(), "hide");
}

// The items' checksums, taken ahead of their writes in the pauses, still stop
// the one damaged item among the others, and only it.
TEST_F(InstallFileSetTest, DamagedItemAmongOthersIsTheOnlyOneLeftOut) {
    State().FileList = kProductList;
    AddItems(kProductList);
    fake::Payload().Damage("nvm1", "cok", 3);
    EXPECT_TRUE(InstallFileSet());
    EXPECT_EQ(fake::Files().AllFiles().size(), kProductFileCount - 1);
    EXPECT_FALSE(fake::Files().HasFile("C:\\Program Files\\Norvelik\\nvm1.cok"));
    EXPECT_EQ(fake::Files().Bytes("C:\\Program Files\\Norvelik\\nvm2.cok"), "bytes of nvm2.cok");
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[0].text, "Can't install file C:\\Program Files\\Norvelik\\nvm1.cok");
    EXPECT_EQ(Boxes()[2].text, "Can't install file nvm1.cok");
}

TEST_F(InstallFileSetTest, RussianModeHasTheRussianTitle) {
    State().IsRussian = true;
    State().FileList = "nvf.cok;";
    AddItems(State().FileList);
    EXPECT_TRUE(InstallFileSet());
    EXPECT_EQ(fake::ProgressWindow().calls.front(), "start Установка файлов Норвелик 1500|");
}

TEST_F(InstallFileSetTest, EntriesGoWhereTheirPathAndTypeSay) {
    State().ProgramFolder = "C:\\Barcodes\\";
    fake::Files().AddFolder("C:\\Barcodes");
    fake::Files().AddFolder("C:\\sub");
    State().FileList = "C:\\sub\\file.cok;codes.lng;ru.lng;a.dll;";
    AddItems(State().FileList);
    EXPECT_TRUE(InstallFileSet());
    EXPECT_EQ(fake::Files().Bytes("C:\\sub\\file.cok"), "bytes of C:\\sub\\file.cok");
    EXPECT_EQ(fake::Files().Bytes("C:\\Barcodes\\language\\!codes.lng"), "bytes of codes.lng");
    EXPECT_EQ(fake::Files().Bytes("C:\\Barcodes\\language\\ru.lng"), "bytes of ru.lng");
    EXPECT_EQ(fake::Files().Bytes("C:\\Barcodes\\a.dll"), "bytes of a.dll");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(InstallFileSetTest, LanguageFolderIsMadeOnlyForLanguageFiles) {
    State().FileList = "nvf.cok;";
    AddItems(State().FileList);
    EXPECT_TRUE(InstallFileSet());
    EXPECT_FALSE(fake::Files().HasFolder("C:\\Program Files\\Norvelik\\language"));
}

TEST_F(InstallFileSetTest, LanguageFolderThatCannotBeMadeStopsBeforeAnyFile) {
    for (bool russian : {false, true}) {
        fake::MessageBoxes().Reset();
        State().IsRussian = russian;
        State().FileList = "nvf.cok;ru.lng;";
        AddItems(State().FileList);
        fake::Files().uncreatableFolders.insert("c:\\program files\\norvelik\\language");
        EXPECT_FALSE(InstallFileSet());
        EXPECT_TRUE(fake::Files().AllFiles().empty());
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(Boxes()[0].text,
                  russian ? "Не удаётся создать папку C:\\Program Files\\Norvelik\\language\\."
                          : "Can't create C:\\Program Files\\Norvelik\\language\\.");
        // The window does not stand over the message.
        EXPECT_FALSE(fake::ProgressWindow().visible);
    }
}

// A file that never appears is looked for 64 times; after the 65th pause it
// is reported by its bare name, and the rest of the list is still installed.
TEST_F(InstallFileSetTest, MissingFileIsReportedAfterTheSixtyFifthPause) {
    for (bool russian : {false, true}) {
        fake::ResetAll();
        fake::Files().AddFolder(State().ProgramFolder);
        State().IsRussian = russian;
        State().FileList = "nvx.cok;nvf.cok;";
        fake::Payload().Add("NVF", "COK", "data");
        int boxesAtSixtyFifthPause = -1;
        fake::Clock().afterSleep = [&](std::size_t sleeps) {
            if (sleeps == 65) boxesAtSixtyFifthPause = static_cast<int>(Boxes().size());
        };
        EXPECT_TRUE(InstallFileSet());
        ASSERT_EQ(Boxes().size(), 2u);
        const std::string path = "C:\\Program Files\\Norvelik\\nvx.cok";
        EXPECT_EQ(Boxes()[0].text,
                  russian ? "Не удается установить файл " + path : "Can't install file " + path);
        EXPECT_EQ(Boxes()[1].text,
                  russian ? "Не удается установить файл nvx.cok" : "Can't install file nvx.cok");
        // The 65th pause came before the message, and no 66th followed for that file.
        EXPECT_EQ(boxesAtSixtyFifthPause, 1);
        EXPECT_EQ(fake::Clock().sleeps.size(), 66u);
        EXPECT_EQ(fake::Files().Bytes("C:\\Program Files\\Norvelik\\nvf.cok"), "data");
        EXPECT_EQ(State().FileList, "");
    }
}

TEST_F(InstallFileSetTest, FileThatAppearsLateEndsTheWaitWithoutMessage) {
    State().FileList = "nvx.cok;";
    fake::Clock().afterSleep = [](std::size_t sleeps) {
        if (sleeps == 64) fake::Files().AddFile("C:\\Program Files\\Norvelik\\nvx.cok", "late");
    };
    EXPECT_TRUE(InstallFileSet());
    EXPECT_EQ(Boxes().size(), 1u);  // only the missing item itself
    EXPECT_EQ(fake::Clock().sleeps.size(), 64u);
}

// A user who can rename the program folder may put a link to a folder of
// theirs in its place while the files are written, so that an elevated
// setup writes the rest there, over files of the same names. Windows refuses
// the swap while the set holds the folder; where it goes through all the
// same (Wine), or the link stood there from the start, nothing more is
// written and the user is told.
TEST_F(InstallFileSetTest, NoFileGoesThroughALinkPutInThePlaceOfTheFolder) {
    enum class Swap { RefusedWhileHeld, DuringTheThirdPause, BeforeTheStart };
    const std::string folder = "C:\\Program Files\\Norvelik\\";
    const std::string elsewhere = "C:\\Users\\Public\\Documents\\";
    for (Swap swap : {Swap::RefusedWhileHeld, Swap::DuringTheThirdPause, Swap::BeforeTheStart}) {
        fake::ResetAll();
        State().FoldersRefused.clear();
        fake::FakeFiles& files = fake::Files();
        files.AddFolder(folder);
        files.AddFile(elsewhere + "nvm0.cok", "the user's");
        State().FileList = kProductList;
        AddItems(kProductList);
        bool swapped = false;
        if (swap == Swap::BeforeTheStart) {
            swapped = files.ReplaceFolderWithLink(folder, elsewhere);
        } else {
            fake::Clock().afterSleep = [&](std::size_t sleeps) {
                if (sleeps == 3) {
                    swapped = files.ReplaceFolderWithLink(folder, elsewhere,
                                                          swap != Swap::RefusedWhileHeld);
                }
            };
        }
        const int row = static_cast<int>(swap);

        EXPECT_EQ(InstallFileSet(), swap == Swap::RefusedWhileHeld) << row;
        EXPECT_EQ(swapped, swap != Swap::RefusedWhileHeld) << row;
        EXPECT_EQ(fake::FileNamesIn(elsewhere), std::vector<std::string>{"nvm0.cok"}) << row;
        EXPECT_EQ(files.Bytes(elsewhere + "nvm0.cok"), "the user's") << row;
        if (swap == Swap::RefusedWhileHeld) {
            EXPECT_EQ(fake::FileNamesIn(folder).size(), kProductFileCount);
            EXPECT_TRUE(Boxes().empty());
            continue;
        }
        ASSERT_EQ(Boxes().size(), 1u) << row;
        EXPECT_EQ(Boxes()[0].text, "The folder " + folder +
                                       " is a link to another place, or was replaced by one "
                                       "while the program worked. To keep what is there safe, "
                                       "nothing is written to it or deleted from it.")
            << row;
        EXPECT_FALSE(fake::ProgressWindow().visible) << row;
    }
}

// A window that never comes up costs a bounded wait, not the installation.
TEST_F(InstallFileSetTest, InstallsEvenWhenTheWindowNeverComesUp) {
    fake::ProgressWindow().comesUp = false;
    State().FileList = "nvf.cok;";
    AddItems(State().FileList);
    EXPECT_TRUE(InstallFileSet());
    EXPECT_EQ(fake::Files().Bytes("C:\\Program Files\\Norvelik\\nvf.cok"), "bytes of nvf.cok");
}

}  // namespace
