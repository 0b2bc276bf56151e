#include "installation/product_file_list.h"

#include <gtest/gtest.h>

#include "installation/file_list.h"

TEST(ProductFileListTest, NamesTheTwentyNineFilesInInstallationOrder) {
    EXPECT_EQ(ProductFileList("Norvelik"),
              "Norvelik.exe;uninstall.exe;nvf.cok;nvm0.cok;nvm1.cok;"
              "nvm2.cok;nvm3.cok;nvm4.cok;nvm5.cok;nvn.cok;nvq1.cok;nvq2.cok;nvq3.cok;nvq4.cok;"
              "nvq5.cok;nvq6.cok;nvq7.cok;"
              "nvq8.cok;nvq9.cok;nvq10.cok;nvq11.cok;nvq12.cok;nvq13.cok;nvq14.cok;nvq15.cok;"
              "nvs.cok;nvt.cok;nvy.cok;"
              "riched32.dll;");
    EXPECT_EQ(FileListEntries(ProductFileList("Norvelik")).size(), 29u);
    EXPECT_EQ(FileListEntries(ProductFileList("Other")).front(), "Other.exe");
}
