#include "host/command_capture.h"

#include "fake_platform.h"

namespace {

// A command interpreter that prints `output` (and, timing out, is ended).
void InterpreterPrints(const std::string& output, bool timesOut = false) {
    fake::Processes().runHidden = [output, timesOut](const fake::FakeProcesses::HiddenRun&) {
        platform::HiddenRunResult result;
        result.started = true;
        result.timedOut = timesOut;
        result.output = output;
        return result;
    };
}

}  // namespace

class CommandCaptureTest : public FakePlatformTest {};

TEST_F(CommandCaptureTest, RunsTheSystemFoldersInterpreterHiddenAndReadsItsOutput) {
    InterpreterPrints("\r\nMicrosoft Windows [Version 10.0.19045]\r\n");

    EXPECT_EQ(RunAndCapture("ver"), "\r\nMicrosoft Windows [Version 10.0.19045]\r\n");

    ASSERT_EQ(fake::Processes().hiddenRuns.size(), 1u);
    const fake::FakeProcesses::HiddenRun& run = fake::Processes().hiddenRuns[0];
    EXPECT_EQ(run.program, "C:\\windows\\system32\\cmd.exe");
    // /d: no AutoRun command of the user's runs inside the elevated interpreter.
    EXPECT_EQ(run.arguments, "/d /c ver");
    EXPECT_EQ(run.folder, "C:\\windows\\system32");
    EXPECT_EQ(run.timeoutMs, kCaptureTimeoutMs);
    // Nothing is made on disk for the output.
    EXPECT_TRUE(fake::Files().AllFiles().empty());
}

TEST_F(CommandCaptureTest, TheInterpreterIsFoundFromTheSystemFolderAlone) {
    struct Row {
        std::string systemFolder;
        std::string program;  // "": nothing is run
    } rows[] = {
        {"C:\\windows\\system32", "C:\\windows\\system32\\cmd.exe"},
        {"D:\\Win NT\\System32", "D:\\Win NT\\System32\\cmd.exe"},
        {"C:\\", "C:\\cmd.exe"},
        {"", ""},
        {"C:\\" + std::string(248, 'a'), "C:\\" + std::string(248, 'a') + "\\cmd.exe"},  // 259
        {"C:\\" + std::string(249, 'a'), ""},  // 260 characters do not fit
    };
    for (const Row& r : rows) {
        fake::Processes().hiddenRuns.clear();
        fake::SystemInfo().systemFolder = r.systemFolder;
        InterpreterPrints("out");
        EXPECT_EQ(RunAndCapture("ver"), r.program.empty() ? "" : "out\r\n") << r.systemFolder;
        if (r.program.empty()) {
            EXPECT_TRUE(fake::Processes().hiddenRuns.empty()) << r.systemFolder;
        } else {
            ASSERT_EQ(fake::Processes().hiddenRuns.size(), 1u) << r.systemFolder;
            EXPECT_EQ(fake::Processes().hiddenRuns[0].program, r.program);
            EXPECT_EQ(fake::Processes().hiddenRuns[0].folder, r.systemFolder);
        }
    }
}

TEST_F(CommandCaptureTest, OutputOfATimedOutRunIsIgnored) {
    InterpreterPrints("Microsoft Windows [Version 6.3.9600]\r\n", true);
    EXPECT_EQ(RunAndCapture("ver"), "");
}

TEST_F(CommandCaptureTest, InterpreterThatDoesNotStartGivesOneEmptyLine) {
    EXPECT_EQ(RunAndCapture("ver"), "\r\n");
    EXPECT_EQ(fake::Processes().hiddenRuns.size(), 1u);
}

TEST_F(CommandCaptureTest, ConvertsTheOutputFromTheOemCodePage) {
    fake::SystemInfo().oemToAnsi['\x82'] = '\xE2';  // CP866 "в" to CP1251 "в"
    InterpreterPrints("\x82\x82");
    EXPECT_EQ(RunAndCapture("ver"), "\xE2\xE2\r\n");
    EXPECT_EQ(OemToAnsiText(""), "");
}

TEST(CapturedLinesTest, EveryLineEndsInCrLfAndThereIsAtLeastOne) {
    struct Row {
        const char* bytes;
        const char* lines;
    } rows[] = {
        {"", "\r\n"},
        {"a", "a\r\n"},
        {"a\r\n", "a\r\n"},
        {"a\nb", "a\r\nb\r\n"},
        {"a\rb\r\n", "a\r\nb\r\n"},
        {"\r\n\r\n", "\r\n\r\n"},
        {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
        {"\n", "\r\n"},
    };
    for (const Row& r : rows) EXPECT_EQ(CapturedLines(r.bytes), r.lines);
}
