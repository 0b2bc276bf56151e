#include "ui/folder_rule.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "installation/folder_rights.h"
#include "installation/product_file_list.h"
#include "platform/security.h"

namespace {

const std::string kRule =
    "Строка пути к папке с установленной программой обязательно должна содержать в себе слово "
    "\"Norvelik\"!";
const std::string kCreate = "Папку с таким именем создать невозможно!";
const std::string kSharedAbove =
    "Папку C:\\Shared\\ могут переименовать или заменить, а также изменить права на неё, не "
    "только администраторы, поэтому любой пользователь смог бы подменить программу, "
    "установленную внутри неё. Выберите папку внутри такой, которую могут изменять только "
    "администраторы, например внутри Program Files.";
// How Windows leaves a folder a user made at the root: every signed-in user may change it.
const char kUserMade[] =
    "O:S-1-5-21-1-2-3-1002D:AI(A;ID;0x1301bf;;;AU)(A;OICIID;FA;;;BA)(A;OICIID;FA;;;SY)";
const char* const kAccept = "";

class FolderRuleTest : public FakePlatformTest {};

// Every typed folder, on one machine: drives C: and D:, the folders
// C:\Norvelik, C:\Windows and C:\Existing\NorVelik, a file C:\NorvelikFile, a
// folder C:\Locked that cannot be made, a read-only C:\ReadOnly\Norvelik, and
// two payload items of 3 MB and 1 MB. No file is left behind either way.
TEST_F(FolderRuleTest, DecidesEveryTypedFolder) {
    // "C:\Norvelik\" and "x" to a length of `size` with the final "\".
    auto ofLength = [](std::size_t size) {
        return "C:\\Norvelik\\" + std::string(size - 13, 'x') + "\\";
    };
    using World = std::function<void()>;
    struct Row {
        std::string typed;
        std::string folder;   // as installed and shown
        std::string warning;  // "" when accepted
        World world = nullptr;
    } rows[] = {
        // The product word, A to Z in any case, anywhere in the spelling.
        {"", "", kRule},
        {"   ", "   \\", kRule},
        {"D:\\Games\\NORVELIK", "D:\\Games\\NORVELIK\\", kAccept},
        {"C:\\Games\\norvelik2", "C:\\Games\\norvelik2\\", kAccept},
        {"C:\\Existing\\NorVelik\\", "C:\\Existing\\NorVelik\\", kAccept},
        {"C:\\Program Files\\Setup", "C:\\Program Files\\Setup\\", kRule},
        {"C:\\Норвелик", "C:\\Норвелик\\", kRule},
        {"C:\\Norvelic", "C:\\Norvelic\\", kRule},
        // Judged, installed and shown in the one spelling Windows reads.
        {"C:\\Norvelik/../windows/system32", "C:\\windows\\system32\\", kRule},
        {"C:\\Norvelik/..", "C:\\", kRule},
        {"C:\\Norvelik\\..\\", "C:\\", kRule},
        {"\\\\?\\C:\\Norvelik\\..", "C:\\", kRule},
        {"C:\\Windows\\Norvelik\\..\\system32", "C:\\Windows\\system32\\", kRule},
        {"C:\\Windows\\..\\Norvelik\\.", "C:\\Norvelik\\", kAccept},
        {"C:\\Program Files\\\\Norvelik", "C:\\Program Files\\Norvelik\\", kAccept},
        {"\\\\?\\C:\\Program Files/Norvelik/", "C:\\Program Files\\Norvelik\\", kAccept},
        {"C:\\Norvelik. .", "C:\\Norvelik\\", kAccept},
        {"C:\\Plain\\.\\Norvelik", "C:\\Plain\\Norvelik\\", kAccept},
        // Dots inside names are names, not steps.
        {"C:\\Norvelik.1500", "C:\\Norvelik.1500\\", kAccept},
        {"C:\\...Norvelik", "C:\\...Norvelik\\", kAccept},
        {"C:\\Games..\\Norvelik", "C:\\Games\\Norvelik\\", kAccept},
        // Not absolute: Windows would resolve it against some current folder.
        {"Norvelik", "Norvelik\\", kCreate},
        {"\\Norvelik", "\\Norvelik\\", kCreate},
        {"C:Norvelik", "C:Norvelik\\", kCreate},
        // Characters no name may hold.
        {"C:\\Norvelik<", "C:\\Norvelik<\\", kCreate},
        {"C:\\Norvelik>", "C:\\Norvelik>\\", kCreate},
        {"C:\\Norvelik|", "C:\\Norvelik|\\", kCreate},
        {"C:\\Norvelik\\\"x\"", "C:\\Norvelik\\\"x\"\\", kCreate},
        {"C:\\Norvelik*", "C:\\Norvelik*\\", kCreate},
        {"C:\\Norvelik?", "C:\\Norvelik?\\", kCreate},
        {"C:\\Norvelik:x", "C:\\Norvelik:x\\", kCreate},
        {"C:\\Norvelik\tx", "C:\\Norvelik\tx\\", kCreate},
        // The longest path written is the "~" copy of uninstall.exe, 14
        // characters after the folder: it must stay under 260.
        {ofLength(245), ofLength(245), kAccept},
        {ofLength(246), ofLength(246), kCreate},
        {ofLength(246).substr(0, 245), ofLength(246), kCreate},
        {"C:\\Norvelik\\" + std::string(250, 'x'), ofLength(263), kCreate},
        // The folder cannot be made, or nothing can be written in it.
        {"Q:\\Norvelik", "Q:\\Norvelik\\", kCreate},
        {"C:\\Locked\\Norvelik", "C:\\Locked\\Norvelik\\", kCreate},
        {"C:\\NorvelikFile", "C:\\NorvelikFile\\", kCreate},
        {"C:\\ReadOnly\\Norvelik", "C:\\ReadOnly\\Norvelik\\", kCreate},
        // A folder above that others may rename or replace: the program below
        // it could be swapped. Nothing is made there.
        {"C:\\Shared\\Norvelik", "C:\\Shared\\Norvelik\\", kSharedAbove},
        {"C:\\Shared\\Games\\Norvelik", "C:\\Shared\\Games\\Norvelik\\", kSharedAbove},
        // Room for 3 MB + 5 bytes and 1 MB, told in whole megabytes.
        {"C:\\Norvelik", "C:\\Norvelik\\",
         "Недостаточно места на диске: для установки нужно 5 МБ, свободно 2 МБ.",
         [] { fake::Files().freeBytes = 2 * 1024 * 1024 + 7; }},
        // Installed copies are replaced: only the growth and one "~" copy need room.
        {"C:\\Norvelik", "C:\\Norvelik\\", kAccept,
         [] {
             fake::Files().AddFile("C:\\Norvelik\\Norvelik.exe", std::string(3 * 1024 * 1024, 'o'));
             fake::Files().AddFile("C:\\Norvelik\\nvf.cok", std::string(1024 * 1024, 'o'));
             fake::Files().freeBytes = 3 * 1024 * 1024 + 5;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        SetUp();
        fake::Files().AddDrive("D:");
        fake::Files().AddFolder("C:\\Norvelik");
        fake::Files().AddFolder("C:\\Windows\\system32");
        fake::Files().AddFolder("C:\\Existing\\NorVelik");
        fake::Files().AddFolder("C:\\ReadOnly\\Norvelik");
        fake::Files().readOnlyFolders.insert("c:\\readonly\\norvelik");
        fake::Files().uncreatableFolders.insert("c:\\locked");
        fake::Files().AddFile("C:\\NorvelikFile", "a file, not a folder");
        fake::Files().AddFolder("C:\\Shared");
        fake::Files().SetDescriptor("C:\\Shared", kUserMade);
        fake::Payload().Add("NORVELIK", "EXE", std::string(3 * 1024 * 1024 + 5, 'p'));
        fake::Payload().Add("NVF", "COK", std::string(1024 * 1024, 'f'));
        if (r.world) r.world();
        const std::vector<std::string> filesBefore = fake::Files().AllFiles();
        const bool existed = fake::Files().HasFolder(r.folder);

        const FolderDecision d = DecideFolder(r.typed, ProductFileList("Norvelik"));

        EXPECT_EQ(d.folder, r.folder);
        EXPECT_EQ(d.warning, r.warning);
        EXPECT_EQ(fake::Files().AllFiles(), filesBefore);
        // Only a folder that passes the rule is made, and a shortfall of room
        // is told only after that.
        const bool made = r.warning.empty() ||
                          (r.warning != kRule && r.warning != kCreate && r.warning != kSharedAbove);
        EXPECT_EQ(fake::Files().HasFolder(r.folder), made || existed);
        EXPECT_FALSE(fake::Files().HasFolder("C:\\Locked"));
        EXPECT_EQ(d.englishWarning.empty(), r.warning != kSharedAbove);
        // What the setup makes, only the administrators may change.
        std::string sddl;
        if (made && !existed) {
            ASSERT_EQ(platform::ReadSecurity(r.folder, &sddl), platform::kSuccess);
            EXPECT_EQ(sddl, kProgramFolderRights);
        }
    }
}

}  // namespace
