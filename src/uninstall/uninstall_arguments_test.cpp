#include "uninstall/uninstall_arguments.h"

#include <gtest/gtest.h>

TEST(UninstallArgumentsTest, TheOrderReadsBackAsWritten) {
    const char* folders[] = {"C:\\Program Files\\Norvelik\\", "D:\\Игры\\Норвелик\\", "E:\\"};
    for (const char* folder : folders) {
        const RemovalOrder order{folder, 4294967295u};
        RemovalOrder read;
        ASSERT_TRUE(ParseRemovalOrder(FormatRemovalOrder(order), &read)) << folder;
        EXPECT_EQ(read.programFolder, folder);
        EXPECT_EQ(read.waitForProcess, 4294967295u);
    }
    EXPECT_EQ(FormatRemovalOrder({"C:\\Program Files\\Norvelik\\", 12}),
              "/remove-from \"C:\\Program Files\\Norvelik\" /after 12");
}

TEST(UninstallArgumentsTest, AnythingButACompleteOrderIsNoOrder) {
    const char* lines[] = {
        "",
        "/S",
        "/remove-from C:\\Norvelik /after 12",
        "/remove-from \"C:\\Norvelik /after 12",
        "/remove-from \"\" /after 12",
        "/remove-from \"C:\\Norvelik\"",
        "/remove-from \"C:\\Norvelik\" /after ",
        "/remove-from \"C:\\Norvelik\" /after x12",
        "/remove-from \"C:\\Norvelik\" /after 12x",
        "/remove-from \"C:\\Norvelik\" /after 4294967296",
    };
    for (const char* line : lines) {
        RemovalOrder order{"unchanged", 7};
        EXPECT_FALSE(ParseRemovalOrder(line, &order)) << line;
        EXPECT_EQ(order.programFolder, "unchanged") << line;
    }
}
