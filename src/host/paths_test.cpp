#include "host/paths.h"

#include <gtest/gtest.h>

TEST(PathsTest, AddTrailingBackslash) {
    struct Row {
        const char* in;
        const char* out;
    } rows[] = {{"", ""}, {"C:", "C:\\"}, {"C:\\Data\\", "C:\\Data\\"}, {"C:\\Data", "C:\\Data\\"}};
    for (const Row& r : rows) {
        std::string path = r.in;
        AddTrailingBackslash(path);
        EXPECT_EQ(path, r.out) << "input: " << r.in;
    }
}

TEST(PathsTest, RemoveTrailingBackslashTakesAtMostOne) {
    EXPECT_EQ(RemoveTrailingBackslash("C:\\Data\\"), "C:\\Data");
    EXPECT_EQ(RemoveTrailingBackslash("C:\\Data"), "C:\\Data");
    EXPECT_EQ(RemoveTrailingBackslash("C:\\Data\\\\"), "C:\\Data\\");
    EXPECT_EQ(RemoveTrailingBackslash(""), "");
}
