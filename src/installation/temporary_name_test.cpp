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
