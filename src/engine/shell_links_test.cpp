#include "engine/shell_links.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

class ShellLinksTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake::Files().AddFolder("C:\\Menu");
    }
};

TEST_F(ShellLinksTest, SavesTheShortcutWithFolderShowCommandAndIconOfItsTarget) {
    struct Row {
        const char* target;
        const char* workingFolder;
    } rows[] = {
        {"D:\\Apps\\Норвелик\\Norvelik.exe", "D:\\Apps\\Норвелик\\"},
        {"D:\\Norvelik.exe", "D:\\"},
        {"D:Norvelik.exe", "D:"},
        {"Norvelik.exe", ""},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(CreateShellLink(r.target, "C:\\Menu\\N.lnk", "/quiet", "Норвеликон", 2));
        platform::ShellLinkSpec saved;
        ASSERT_TRUE(platform::LoadShellLink("C:\\Menu\\N.lnk", &saved));
        EXPECT_EQ(saved.target, r.target);
        EXPECT_EQ(saved.workingFolder, r.workingFolder) << r.target;
        EXPECT_EQ(saved.description, "Норвеликон");
        EXPECT_EQ(saved.arguments, "/quiet");
        EXPECT_EQ(saved.showCommand, 5);
        EXPECT_EQ(saved.iconPath, r.target);
        EXPECT_EQ(saved.iconIndex, 2);
    }
}

TEST_F(ShellLinksTest, AnswersFalseWhenTheShortcutCannotBeSaved) {
    EXPECT_FALSE(CreateShellLink("C:\\P\\N.exe", "C:\\NoSuchFolder\\N.lnk", "", "", 0));
    fake::Shell().linkSaveFails = true;
    EXPECT_FALSE(CreateShellLink("C:\\P\\N.exe", "C:\\Menu\\N.lnk", "", "", 0));
}

TEST_F(ShellLinksTest, WebShortcutIsTheInternetShortcutSectionWithTheAddress) {
    EXPECT_TRUE(WriteWebShortcut("C:\\Menu\\Site.url", "https://norvelik.ru"));
    EXPECT_EQ(fake::Files().Bytes("C:\\Menu\\Site.url"),
              "[InternetShortcut]\r\nURL=https://norvelik.ru\r\n");
    EXPECT_FALSE(WriteWebShortcut("C:\\NoSuchFolder\\Site.url", "https://norvelik.ru"));
}

}  // namespace
