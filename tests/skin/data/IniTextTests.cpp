#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "skin/data/IniText.h"
#include "skin/data/NumberText.h"

namespace pakmole {
namespace {

TEST(IniText, LinesAreTrimmedAndSplitAtTheFirstEquals) {
    const TIniText ini(
        "ignored=before any section\r\n"
        "  [ FORM ]  \r\n"
        "\tCOLOR = 123 \r"
        "; COMMENT=1\n"
        "GRADIENTDATA=1;2=3\n"
        "\n"
        "EMPTY=\n"
        "NOVALUE\n"
        "  ;also a comment\n"
        "[EDIT]\n"
        "COLOR=7");
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Name, "FORM");
    EXPECT_EQ(ini.ReadString("FORM", "COLOR", "?"), "123");
    EXPECT_EQ(ini.ReadString("FORM", "GRADIENTDATA", "?"), "1;2=3");
    EXPECT_EQ(ini.ReadString("FORM", "; COMMENT", "?"), "?");
    EXPECT_EQ(ini.ReadString("FORM", "EMPTY", "default"), "");
    EXPECT_EQ(ini.ReadString("FORM", "NOVALUE", "default"), "");
    EXPECT_EQ(ini.ReadString("FORM", "ignored", "?"), "?");
    EXPECT_EQ(ini.ReadInteger("EDIT", "COLOR", 0), 7);
    ASSERT_EQ(ini.Sections()[0].Entries.size(), 4u);
    EXPECT_EQ(ini.Sections()[0].Entries[3].Key, "NOVALUE");
}

TEST(IniText, NamesAreCaseSensitiveAndTheFirstOccurrenceWins) {
    const TIniText ini("[FORM]\nCOLOR=1\nCOLOR=2\ncolor=3\n[form]\nCOLOR=4\n[FORM]\nCOLOR=5\nEXTRA=6\n");
    EXPECT_EQ(ini.ReadInteger("FORM", "COLOR", 0), 1);
    EXPECT_EQ(ini.ReadInteger("FORM", "color", 0), 3);
    EXPECT_EQ(ini.ReadInteger("form", "COLOR", 0), 4);
    EXPECT_EQ(ini.ReadInteger("FORM", "EXTRA", 0), 6);
    ASSERT_EQ(ini.Sections().size(), 2u);  // a repeated header continues its section
    EXPECT_EQ(ini.Sections()[1].Name, "form");
    EXPECT_FALSE(ini.SectionExists("Form"));
}

TEST(IniText, CaseInsensitiveTextKeepsValuesUntrimmedWhenAsked) {
    const TIniText ini("[Extra]\nColor = 5 \nName= a b \n", false, false);
    EXPECT_EQ(ini.ReadInteger("EXTRA", "COLOR", 0), 0);  // " 5 " is not a number
    EXPECT_EQ(ini.ReadString("extra", "name", "?"), " a b ");
    EXPECT_EQ(ini.Sections()[0].Name, "Extra");
}

TEST(IniText, IntegerReads) {
    struct Case {
        const char* value;
        int32_t expected;
    };
    const Case cases[] = {{"42", 42},          {"-42", -42},        {"+7", 7},           {"0x10", 16},
                          {"0XfF", 255},       {"0xFF00000F", static_cast<int32_t>(0xFF00000Fu)},
                          {"0x", -99},         {"0x123456789", -99}, {"12a", -99},        {"", -99},
                          {"2147483647", 2147483647}, {"2147483648", -99}, {"1.5", -99}, {"--1", -99},
                          {"+-1", -99},        {"$FF", -99}};
    for (const Case& c : cases) {
        const TIniText ini(std::string("[S]\nK=") + c.value + "\n");
        EXPECT_EQ(ini.ReadInteger("S", "K", -99), c.expected) << c.value;
    }
    EXPECT_EQ(TIniText("[S]").ReadInteger("S", "K", 5), 5);
}

TEST(IniText, StrictIntegerNamesTheBadText) {
    EXPECT_EQ(StrToInt("0061"), 61);
    try {
        StrToInt("00x1");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'00x1' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt(""), EConvertError);
}

TEST(IniText, VersionReadsWithAPointWhateverTheLocale) {
    // A locale with a decimal comma, when the host has one, must not change the reading.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const TIniText ini("[GLOBALINFO]\nVERSION=8.00\nOLD=7.45\nCOMMA=7,5\nWORD=eight\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "VERSION", 0), 8.0);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "OLD", 0), 7.45);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "COMMA", -1), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "WORD", -1), -1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("GLOBALINFO", "MISSING", 3), 3);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace pakmole
