#include "ui/licence_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(text.substr(start, at - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(LicenceTextTest, PiecesHaveTheirLengths) {
    EXPECT_EQ(AgreementOpening.size(), 517u);
    EXPECT_EQ(PathRuleText.size(), 99u);
    EXPECT_EQ(AgreementWarranty.size(), 173u);
    EXPECT_EQ(AgreementLiability.size(), 247u);
    EXPECT_EQ(AgreementText().size(), 1039u);
}

TEST(LicenceTextTest, SevenLinesWithTheClausesInOrder) {
    const std::string text = AgreementText();
    // Every line break is CR LF; no bare CR or LF.
    EXPECT_EQ(Count(text, "\r"), Count(text, "\r\n"));
    EXPECT_EQ(Count(text, "\n"), Count(text, "\r\n"));

    std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3].substr(0, 3), "1. ");
    EXPECT_EQ(lines[4].substr(0, 3), "2. ");
    EXPECT_EQ(lines[5], "3. " + PathRuleText + ".");
    EXPECT_EQ(lines[6], AgreementWarranty + AgreementLiability);
    EXPECT_EQ(lines[6].substr(0, 3), "4. ");
}

TEST(LicenceTextTest, NamesTheProductOnlyThroughTheFolderRule) {
    const std::string text = AgreementText();
    EXPECT_EQ(Count(text, "Norvelik"), 1u);
    EXPECT_EQ(Count(text, "Норвелик"), 0u);
    EXPECT_EQ(Count(text, "1500"), 0u);
    EXPECT_EQ(PathRuleText,
              "Строка пути к папке с установленной программой обязательно должна содержать в "
              "себе слово \"Norvelik\"");
}

}  // namespace
