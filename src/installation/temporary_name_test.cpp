#include "installation/temporary_name.h"

#include <gtest/gtest.h>

TEST(TemporaryFileNameTest, PutsATildeBeforeTheFileName) {
    EXPECT_EQ(TemporaryFileName("C:\\Program Files\\Norvelik\\nvf.cok"),
              "C:\\Program Files\\Norvelik\\~nvf.cok");
    EXPECT_EQ(TemporaryFileName("nvf.cok"), "~nvf.cok");
    EXPECT_EQ(TemporaryFileName("sub\\f"), "sub\\~f");
    // The last character is not taken as the folder's end.
    EXPECT_EQ(TemporaryFileName("C:\\N\\"), "C:\\~N\\");
    EXPECT_EQ(TemporaryFileName("\\"), "~\\");
    EXPECT_EQ(TemporaryFileName(""), "~");
}

TEST(ScratchFileNameTest, KnowsOnlyTheProgramsOwnScratchNames) {
    for (const char* name : {"~nv1.tmp", "~nv1A2B.tmp", "~NVabcde.TMP", "~nvq0z9x.tmp"}) {
        EXPECT_TRUE(IsScratchFileName(name)) << name;
    }
    for (const char* name : {"~nv.tmp", "~nvabcdef.tmp", "~nv1a2b.txt", "nv1a2b.tmp", "~nvf.cok",
                             "~nv1 2.tmp", "~nv-12.tmp", "~notes.tmp"}) {
        EXPECT_FALSE(IsScratchFileName(name)) << name;
    }
}
