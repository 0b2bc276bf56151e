#include "host/command_capture.h"

#include <regex>

#include "fake_platform.h"
#include "host/random_source.h"

namespace {

// The file the command line redirects into: the text between its last two quotes.
std::string CaptureFileOf(const std::string& commandLine) {
    const std::size_t close = commandLine.rfind('"');
    const std::size_t open = commandLine.rfind('"', close - 1);
    return commandLine.substr(open + 1, close - open - 1);
}

// A command interpreter that writes `output` into the redirection target.
void InterpreterPrints(const std::string& output, bool timesOut = false) {
    fake::Processes().runHidden = [output, timesOut](const std::string& commandLine,
                                                     std::uint32_t) {
        fake::Files().Write(CaptureFileOf(commandLine), output.data(), output.size(),
                            platform::CreateMode::CreateAlways);
        platform::HiddenRunResult result;
        result.started = true;
        result.timedOut = timesOut;
        return result;
    };
}

}  // namespace

class CommandCaptureTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake::Files().AddFolder("C:\\Temp");
        SeedRandom(1);
    }
};

TEST_F(CommandCaptureTest, RunsTheInterpreterHiddenIntoAFreshFileAndDeletesIt) {
    InterpreterPrints("\r\nMicrosoft Windows [Version 10.0.19045]\r\n");
    std::uint32_t timeout = 0;
    auto print = fake::Processes().runHidden;
    fake::Processes().runHidden = [&](const std::string& line, std::uint32_t ms) {
        timeout = ms;
        return print(line, ms);
    };

    EXPECT_EQ(RunAndCapture("ver"), "\r\nMicrosoft Windows [Version 10.0.19045]\r\n");

    ASSERT_EQ(fake::Processes().hiddenRuns.size(), 1u);
    const std::string& line = fake::Processes().hiddenRuns[0];
    EXPECT_TRUE(std::regex_match(
        line, std::regex(R"(C:\\windows\\system32\\cmd\.exe /c ver > "C:\\Temp\\[a-z]{8}")")))
        << line;
    // The wait is bounded: a hung interpreter must not hang the setup.
    EXPECT_GT(timeout, 0u);
    EXPECT_LT(timeout, 0xFFFFFFFFu);
    EXPECT_TRUE(fake::Files().AllFiles().empty()) << "capture file left behind";
}

TEST_F(CommandCaptureTest, TempFolderGetsExactlyOneBackslash) {
    struct Row {
        bool set;
        const char* temp;
        const char* pattern;
    } rows[] = {
        {true, "C:\\Temp\\", R"(.* > "C:\\Temp\\[a-z]{8}")"},
        {true, "C:\\Temp", R"(.* > "C:\\Temp\\[a-z]{8}")"},
        {true, "", R"(.* > "[a-z]{8}")"},
        {false, "", R"(.* > "[a-z]{8}")"},
    };
    for (const Row& r : rows) {
        fake::Processes().hiddenRuns.clear();
        if (r.set) {
            fake::SystemInfo().environment["Temp"] = r.temp;
        } else {
            fake::SystemInfo().environment.erase("Temp");
        }
        InterpreterPrints("x");
        EXPECT_EQ(RunAndCapture("ver"), "x\r\n");
        ASSERT_EQ(fake::Processes().hiddenRuns.size(), 1u);
        EXPECT_TRUE(std::regex_match(fake::Processes().hiddenRuns[0], std::regex(r.pattern)))
            << fake::Processes().hiddenRuns[0];
        EXPECT_TRUE(fake::Files().AllFiles().empty());
    }
}

TEST_F(CommandCaptureTest, NeverTakesOverAnExistingFileOfTheSameName) {
    // The same seed draws the same first name: put someone's file there.
    std::string taken = "C:\\Temp\\";
    for (int i = 0; i < 8; ++i) taken += RandomLowercaseLetter();
    SeedRandom(1);
    fake::Files().AddFile(taken, "somebody's data");
    InterpreterPrints("banner");

    EXPECT_EQ(RunAndCapture("ver"), "banner\r\n");

    ASSERT_EQ(fake::Processes().hiddenRuns.size(), 1u);
    const std::string used = CaptureFileOf(fake::Processes().hiddenRuns[0]);
    EXPECT_NE(used, taken);
    EXPECT_EQ(fake::Files().Bytes(taken), "somebody's data");
    EXPECT_FALSE(fake::Files().HasFile(used));
}

TEST_F(CommandCaptureTest, OutputOfATimedOutRunIsIgnoredAndTheFileRemoved) {
    InterpreterPrints("Microsoft Windows [Version 6.3.9600]\r\n", true);
    EXPECT_EQ(RunAndCapture("ver"), "");
    EXPECT_TRUE(fake::Files().AllFiles().empty());
}

TEST_F(CommandCaptureTest, InterpreterThatDoesNotStartGivesOneEmptyLine) {
    EXPECT_EQ(RunAndCapture("ver"), "\r\n");
    EXPECT_EQ(fake::Processes().hiddenRuns.size(), 1u);
    EXPECT_TRUE(fake::Files().AllFiles().empty());
}

TEST_F(CommandCaptureTest, RunsNothingWithoutAUsableComSpec) {
    struct Row {
        bool set;
        std::string value;
        bool runs;
    } rows[] = {
        {false, "", false},
        {true, "", false},
        {true, "C:\\" + std::string(252, 'a') + ".exe", true},   // 259 characters fit
        {true, "C:\\" + std::string(253, 'a') + ".exe", false},  // 260 do not
    };
    for (const Row& r : rows) {
        fake::Processes().hiddenRuns.clear();
        if (r.set) {
            fake::SystemInfo().environment["ComSpec"] = r.value;
        } else {
            fake::SystemInfo().environment.erase("ComSpec");
        }
        InterpreterPrints("out");
        EXPECT_EQ(RunAndCapture("ver"), r.runs ? "out\r\n" : "") << r.value.size();
        EXPECT_EQ(fake::Processes().hiddenRuns.size(), r.runs ? 1u : 0u) << r.value.size();
        EXPECT_TRUE(fake::Files().AllFiles().empty());
    }
}

TEST_F(CommandCaptureTest, RunsNothingWhenNoCaptureFileCanBeMade) {
    fake::SystemInfo().environment["Temp"] = "C:\\Missing";
    InterpreterPrints("out");
    EXPECT_EQ(RunAndCapture("ver"), "");
    EXPECT_TRUE(fake::Processes().hiddenRuns.empty());
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
