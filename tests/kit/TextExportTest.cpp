#include "SampleKits.h"
#include "TempFolder.h"
#include "kit/LocaleFormat.h"
#include "kit/TextExport.h"
#include "kit/Utility.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Restores the default formats when a test installed its own.
class TextExportTest : public ::testing::Test {
protected:
    void TearDown() override { SetLocaleFormat({}); }
};

} // namespace

TEST(NumberFormat, GeneralFormatWithFifteenDigitsAndEnglishLongDate)
{
    const std::pair<double, const char*> cases[] = {
        {0, "0"}, {-0.0, "0"}, {100, "100"}, {-143.2, "-143.2"}, {0.0001, "0.0001"}, {0.00005, "5E-5"},
        {-0.000012345, "-1.2345E-5"}, {0.1 + 0.2, "0.3"}, {2.0 / 3, "0.666666666666667"},
        {999999999999999, "999999999999999"}, {1e15, "1E15"}, {123456789012345678.0, "1.23456789012346E17"},
        {9.99999999999999999e-5, "0.0001"}, // rounding reaches the fixed range
        {1e-300, "1E-300"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatNumber(value, '.'), text) << value;
    EXPECT_EQ(FormatNumber(-12.5, ','), "-12,5");
    EXPECT_EQ(FormatNumber(2.5e-7, ','), "2,5E-7");

    EXPECT_EQ(EnglishLongDate(36008.75), "Saturday, August 1, 1998");
    EXPECT_EQ(EnglishLongDate(0), "Saturday, December 30, 1899");
    EXPECT_EQ(EnglishLongDate(OleDateFromCivil({2024, 2, 29})), "Thursday, February 29, 2024");
    EXPECT_EQ(EnglishLongDate(std::nan("")), "");
    EXPECT_EQ(EnglishLongDate(1e9), "");
}

TEST_F(TextExportTest, KitOnThe8753LineForLine)
{
    TCalKit kit(*FindVna("8753D/E"));
    FillSampleKit(kit);
    kit.StdClass(12).SetValues({{1, 0, 3}, "OPEN"});
    kit.Standard(2).SetOffsetDelay(0.00005);
    const std::string expected = "Sample 85\r\n"
                                 "\"Saturday, August 1, 1998\"\r\n"
                                 "Type-N kit serial 1234\r\n"
                                 "\r\n"
                                 "Standard Definitions\r\n"
                                 ",Standard Type,C0/L0 Term Z,C1/L1,C2/L2,C3/L3,Load Type,Offset Delay,Offset Z0,"
                                 "Offset Loss,Min Freq,Max Freq,Medium,Standard Label\r\n"
                                 "#1,Open,62.5,-143.2,5.1,0.4,Fixed,29.243,50,0.7,0,18,Coax,OPEN -M-\r\n"
                                 "#2,Short,2.5,0,0,0,Fixed,5E-5,50,0.75,0,999,Coax,SHORT -M-\r\n"
                                 "#3,Load,,,,,Fixed,0,50,0,0,999,Coax,BROADBAND\r\n"
                                 "#4,Load,,,,,Sliding,0,50,0,2,18,Coax,SLIDING\r\n"
                                 "#5,Thru,,,,,Fixed,0,49.5,0,0,999,Coax,THRU\r\n"
                                 "#6,ArbiZ,75,,,,Fixed,0,50,0,0,999,Coax,ARBZ 75\r\n"
                                 "#7,None\r\n"
                                 "#8,Thru,,,,,Fixed,100,50,0,0.3,26.5,Waveguide,WG LINE\r\n"
                                 "\r\n"
                                 "Class Assignments\r\n"
                                 ",A,B,C,D,E,F,G,Standard Class Label\r\n"
                                 "S11A,1,,,,,,,OPEN\r\n"
                                 "S11B,2,,,,,,,SHORT\r\n"
                                 "S11C,3,4,,,,,,LOADS\r\n"
                                 "S22A,1,,,,,,,OPEN\r\n"
                                 "S22B,2,,,,,,,SHORT\r\n"
                                 "S22C,3,4,,,,,,LOADS\r\n"
                                 "Forward Transmission,5,,,,,,,THRU\r\n"
                                 "Reverse Transmission,5,,,,,,,THRU\r\n"
                                 "Forward Match,5,8,,,,,,THRUS\r\n"
                                 "Reverse Match,5,8,,,,,,THRUS\r\n"
                                 "Response,1,2,3,4,5,6,8,RESPONSE\r\n"
                                 "Response & Isolation,1,,3,,,,,OPEN\r\n"
                                 "TRL Thru or Line,8,,,,,,,TRL LINE\r\n"
                                 "TRL Reflect,1,2,,,,,,TRL REFL\r\n"
                                 "TRL Line or Match,5,,,,,,,TRL MATCH\r\n"
                                 "\r\n"
                                 "VNA = Agilent 8753D/E\r\n"
                                 "System Z0 = 75 ohm\r\n"
                                 "TRL Set Ref = Reflect\r\n"
                                 "TRL Cal Z0 = System Z0\r\n"
                                 "TRL Lowband Frequency = 2.5 GHz\r\n";
    EXPECT_EQ(ExportTextImage(kit, ','), expected);

    TStringList lines{"left over"};
    kit.WriteText(lines, ',');
    EXPECT_EQ(lines, Lines(expected));
    TTempFolder folder;
    ExportText(kit, folder.File("kit.csv"), ',');
    const auto bytes = ReadBytes(folder.File("kit.csv"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
}

TEST_F(TextExportTest, TheModelDecidesRowsClassNamesAndTypes)
{
    TCalKit pna(*FindVna("PNA"));
    FillSampleKit(pna); // no arbitrary impedances on the PNA: standard 6 becomes None
    pna.SetDescription("");
    const auto pnaLines = Lines(ExportTextImage(pna, ','));
    ASSERT_EQ(pnaLines.size(), 31u);
    EXPECT_EQ(pnaLines[2], "");
    EXPECT_EQ(pnaLines[11], "#6,None");
    EXPECT_EQ(pnaLines[20], "Forward Thru,1,,,,,,,OPEN");
    EXPECT_EQ(pnaLines[24], "Reverse Thru,5,,,,,,,THRU");
    EXPECT_EQ(pnaLines[26], "VNA = Agilent PNA");
    // The TRL lines are written for a model without TRL too.
    EXPECT_EQ(pnaLines[30], "TRL Lowband Frequency = 2.5 GHz");

    TCalKit kit8510(*FindVna("8510C"));
    FillSampleKit(kit8510);
    kit8510.Standard(21).SetValues({.StdType = TStdType::Open, .C0 = 1e-5, .Label = "LAST"});
    const auto lines = Lines(ExportTextImage(kit8510, ';'));
    ASSERT_EQ(lines.size(), 6u + 21 + 3 + 17 + 6);
    EXPECT_EQ(lines[5].substr(0, 16), ";Standard Type;C");
    EXPECT_EQ(lines[26], "#21;Open;1E-5;0;0;0;Fixed;0;50;0;0;999;Coax;LAST");
    EXPECT_EQ(lines[30], "S11A;1;;;;;;;OPEN");
    EXPECT_EQ(lines[40], "Forward Isolation;1;2;3;4;5;6;8;RESPONSE");
    EXPECT_EQ(lines[46], "Adapter;;;;;;;;Adapter");
    EXPECT_EQ(lines[48], "VNA = Agilent 8510C");
    // With a semicolon, the date's commas need no quotes.
    EXPECT_EQ(lines[1], "Saturday, August 1, 1998");
}

TEST_F(TextExportTest, FieldsWithDelimitersQuotesOrLineBreaksAreQuoted)
{
    EXPECT_EQ(ExportField("plain text", ','), "plain text");
    EXPECT_EQ(ExportField("a,b", ','), "\"a,b\"");
    EXPECT_EQ(ExportField("a,b", ';'), "a,b");
    EXPECT_EQ(ExportField("12\" kit", ';'), "\"12\"\" kit\"");
    EXPECT_EQ(ExportField("two\r\nlines", ','), "\"two\r\nlines\"");
    EXPECT_EQ(ExportField("", ','), "");

    TCalKit kit(*FindVna("8753D/E"));
    kit.SetLabel("Kit, N");
    kit.SetDescription("First line\r\nSecond \"quoted\" line");
    kit.Standard(1).SetValues({.StdType = TStdType::Open, .Label = "O,1"});
    kit.StdClass(1).SetValues({{1}, "A\"B"});
    const auto lines = Lines(ExportTextImage(kit, ','));
    EXPECT_EQ(lines[0], "\"Kit, N\"");
    EXPECT_EQ(lines[2], "\"First line");
    EXPECT_EQ(lines[3], "Second \"\"quoted\"\" line\"");
    EXPECT_EQ(lines[7], "#1,Open,0,0,0,0,Fixed,0,50,0,0,999,Coax,\"O,1\"");
    EXPECT_EQ(lines[18], "S11A,1,,,,,,,\"A\"\"B\"");
}

TEST_F(TextExportTest, TheInstalledLocaleFormatsNumbersAndDates)
{
    TCalKit kit(*FindVna("8753D/E"));
    FillSampleKit(kit);
    SetLocaleFormat({',', [](double oleDate) { return "day " + std::to_string(static_cast<int>(oleDate)); }});
    auto lines = Lines(ExportTextImage(kit, ';'));
    EXPECT_EQ(lines[1], "day 36008");
    EXPECT_EQ(lines[6], "#1;Open;62,5;-143,2;5,1;0,4;Fixed;29,243;50;0,7;0;18;Coax;OPEN -M-");
    EXPECT_EQ(lines.back(), "TRL Lowband Frequency = 2,5 GHz");
    // A decimal comma inside a comma-delimited row keeps the number in one field.
    lines = Lines(ExportTextImage(kit, ','));
    EXPECT_EQ(lines[6], "#1,Open,\"62,5\",\"-143,2\",\"5,1\",\"0,4\",Fixed,\"29,243\",50,\"0,7\",0,18,Coax,OPEN -M-");

    SetLocaleFormat({});
    EXPECT_EQ(Lines(ExportTextImage(kit, ';'))[1], "Saturday, August 1, 1998");
}
