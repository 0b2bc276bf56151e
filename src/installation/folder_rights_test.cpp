#include "installation/folder_rights.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "platform/security.h"

namespace {

const std::string kInstaller = "S-1-5-21-1004336348-1177238915-682003330-1001";
const std::string kTrustedInstaller =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// Descriptors as Windows ships them and as users and Wine make them. Only
// the system, the administrators, TrustedInstaller and the installing
// account may count as trusted.
TEST(FolderRightsTest, JudgesWhoMayReplaceOrChangeAFolder) {
    struct Row {
        const char* what;
        std::string sddl;
        bool othersMayReplace;
        bool othersMayChange;
    } rows[] = {
        // Windows 10: users may make folders at the root and get Modify on them.
        {"system drive root (Windows 10)",
         "O:" + kTrustedInstaller + "G:" + kTrustedInstaller +
             "D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"
             "(A;OICIIO;SDGXGWGR;;;AU)(A;;LC;;;AU)",
         false, true},
        {"system drive root (Windows 7)",
         "O:" + kTrustedInstaller +
             "D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)(A;CI;LC;;;BU)"
             "(A;CIIO;DC;;;BU)(A;OICIIO;SDGXGWGR;;;AU)(A;;LC;;;AU)",
         false, true},
        {"Program Files",
         "O:" + kTrustedInstaller + "G:" + kTrustedInstaller + "D:PAI(A;;FA;;;" +
             kTrustedInstaller + ")(A;CIIO;GA;;;" + kTrustedInstaller +
             ")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)"
             "(A;;0x1200a9;;;BU)(A;OICIIO;GXGR;;;BU)(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;AC)"
             "(A;OICIIO;GXGR;;;AC)(A;;0x1200a9;;;S-1-15-2-2)(A;OICIIO;GXGR;;;S-1-15-2-2)",
         false, false},
        {"a folder another user made at the root",
         "O:S-1-5-21-1004336348-1177238915-682003330-1002D:AI(A;ID;0x1301bf;;;AU)"
         "(A;OICIIOID;SDGXGWGR;;;AU)(A;OICIID;FA;;;BA)(A;OICIID;FA;;;SY)(A;OICIID;0x1200a9;;;BU)",
         true, true},
        {"the same folder made by the installing administrator",
         "O:" + kInstaller +
             "D:AI(A;ID;0x1301bf;;;AU)(A;OICIIOID;SDGXGWGR;;;AU)(A;OICIID;FA;;;BA)"
             "(A;OICIID;FA;;;SY)(A;OICIID;0x1200a9;;;BU)",
         true, true},
        {"the rights the setup gives a program folder", kProgramFolderRightsAndOwner, false, false},
        {"a file system without rights", "O:WDD:NO_ACCESS_CONTROL", true, true},
        {"no access list at all", "O:BA", true, true},
        {"an owner who is not trusted may change the rights",
         "O:S-1-5-21-1004336348-1177238915-682003330-1002D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)", true,
         true},
        {"a denying entry does not make up for an allowing one",
         "O:BAD:(D;;SD;;;AU)(A;;0x1301bf;;;AU)(A;OICI;FA;;;BA)", true, true},
        {"users may delete what is in it", "O:BAD:(A;OICI;FA;;;BA)(A;;DT;;;BU)", true, true},
        {"users may only add files, and get write on what is made",
         "O:BAD:(A;OICI;FA;;;BA)(A;;0x100002;;;BU)(A;OIIO;GW;;;BU)", false, true},
        {"an owner the owner-rights group stands for is nobody", "O:OWD:P(A;OICI;FA;;;SY)", true,
         true},
        {"creator owner stands for whoever makes something", "O:BAD:(A;OICI;FA;;;BA)(A;;FA;;;CO)",
         false, false},
        // Wine builds descriptors from the Unix mode bits, owner the user who runs it.
        {"Wine: a folder of mode 755",
         "O:" + kInstaller + "G:S-1-5-21-0-0-0-513D:(A;OICI;FA;;;SY)(A;OICI;FA;;;" + kInstaller +
             ")(A;OICI;0x1200a9;;;WD)",
         false, false},
        {"Wine: a folder of mode 777",
         "O:" + kInstaller + "G:S-1-5-21-0-0-0-513D:(A;OICI;FA;;;SY)(A;OICI;FA;;;" + kInstaller +
             ")(A;OICI;0x1301ff;;;WD)",
         true, true},
    };
    for (const Row& r : rows) {
        FolderDescriptor descriptor;
        ASSERT_TRUE(ParseSddl(r.sddl, &descriptor)) << r.what;
        EXPECT_EQ(OthersMayReplace(descriptor, kInstaller), r.othersMayReplace) << r.what;
        EXPECT_EQ(OthersMayChange(descriptor, kInstaller), r.othersMayChange) << r.what;
    }
}

TEST(FolderRightsTest, RefusesWhatItCannotRead) {
    FolderDescriptor descriptor;
    for (const char* sddl : {"O:BAD:(A;;FA;;;BA", "O:BAD:(A;;XY;;;BA)", "O:BAD:(A;;FA;;BA)",
                             "O:BAD:(A;QQ;FA;;;BA)", "O:BAD:junk(A;;FA;;;BA)x"}) {
        EXPECT_FALSE(ParseSddl(sddl, &descriptor)) << sddl;
    }
}

class FolderRightsOnDiskTest : public FakePlatformTest {};

TEST_F(FolderRightsOnDiskTest, NamesTheFirstFolderAboveThatOthersMayReplace) {
    const std::string userMade =
        "O:S-1-5-21-1-2-3-1002D:AI(A;ID;0x1301bf;;;AU)(A;OICIID;FA;;;BA)(A;OICIID;FA;;;SY)";
    struct Row {
        const char* folder;
        const char* atFault;
    } rows[] = {
        {"C:\\Program Files\\Norvelik\\", ""},
        {"C:\\Norvelik", ""},
        {"C:\\Games\\Norvelik\\", "C:\\Games\\"},
        {"C:\\Games\\Sub\\Norvelik\\", "C:\\Games\\"},
        {"C:\\Program Files\\..\\Games/Norvelik", "C:\\Games\\"},
        {"C:\\Locked\\Norvelik\\", "C:\\Locked\\"},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::FakeFiles& files = fake::Files();
        files.AddFolder("C:\\Program Files\\Norvelik");
        files.AddFolder("C:\\Norvelik");
        files.AddFolder("C:\\Games\\Sub\\Norvelik");
        files.SetDescriptor("C:\\Games", userMade);
        files.AddFolder("C:\\Locked\\Norvelik");
        files.SetDescriptor("C:\\Locked", "not a descriptor");
        EXPECT_EQ(FolderAboveAtFault(r.folder), r.atFault) << r.folder;
    }
}

TEST_F(FolderRightsOnDiskTest, RestrictsOnlyAFolderOthersMayChangeAndReadsItBack) {
    fake::FakeFiles& files = fake::Files();
    const std::string safe = "C:\\Program Files\\Norvelik\\";
    const std::string open = "C:\\Norvelik\\";
    files.AddFolder(safe);
    files.AddFolder(open);
    files.SetDescriptor(open, "O:S-1-5-21-1-2-3-1002D:AI(A;OICIID;0x1301bf;;;AU)");

    EXPECT_TRUE(RestrictToAdministrators(safe));
    EXPECT_TRUE(RestrictToAdministrators(open));
    EXPECT_EQ(files.journal, std::vector<std::string>{"secure " + open});
    std::string sddl;
    ASSERT_EQ(platform::ReadSecurity(open, &sddl), platform::kSuccess);
    EXPECT_EQ(sddl, kProgramFolderRightsAndOwner);
}

}  // namespace
