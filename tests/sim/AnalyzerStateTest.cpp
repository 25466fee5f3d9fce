#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(AnalyzerState, KitSentInOneProcessIsReadInTheNext)
{
    const TemporaryFile file;
    const ScopedEnvironment state("TESSALY_SIM_STATE", file.Path());
    {
        SimAnalyzer vna("8753D/E");
        EXPECT_EQ(Ask(vna, "OUTPIDEN;").empty(), false);
        EXPECT_FALSE(std::filesystem::exists(file.Path())); // nothing changed, nothing written
        Send(vna, {"DEFS4; STDTDELA;", "OFSD 85.5PS;", "MAXF 20GHz;", "WAVE;", "LABS \"A\\B \";", "STDD;",
                   "SPECFWDT 4;", "LABK \"KIT\";", "CALZLINE;", "KITD;", "SETZ 75;", "ENTO;"});
    }
    {
        SimAnalyzer pna("PNA"); // another family shares the file without disturbing the 8753 kit
        Send(pna, {"sens:corr:coll:ckit:sel 9", "sens:corr:coll:ckit:name 'P'"});
    }
    SimAnalyzer vna("8720D/E"); // same family, same memory
    const std::string before = vna.KitMemoryText();
    vna.Write("DEFS4;");
    EXPECT_EQ(Ask(vna, "STDTDELA?"), "1");
    EXPECT_EQ(Value(ReadActive(vna, "OFSD"), 1e12), 85.5);
    EXPECT_EQ(Value(ReadActive(vna, "MAXF"), 1e-9), 20);
    EXPECT_EQ(Ask(vna, "COAX?"), "0");
    EXPECT_EQ(Value(Ask(vna, "SETZ?")), 75);
    EXPECT_EQ(Ask(vna, "CALZLINE?"), "1");
    EXPECT_NE(before.find("stdlabel 4 A\\\\B \n"), std::string::npos);
    EXPECT_NE(before.find("class FWDT 4\n"), std::string::npos);

    SimAnalyzer pna("PNA");
    EXPECT_EQ(Ask(pna, "sens:corr:coll:ckit:sel?"), "9");
    EXPECT_EQ(Ask(pna, "sens:corr:coll:ckit:name?"), "\"P\"");

    // A label with a backslash and a line end survives the file.
    vna.Write("DEFS1; STDTOPEN; LABS \"x\\\ny\"; STDD;");
    EXPECT_EQ(SimAnalyzer("8753D/E").KitMemoryText(), vna.KitMemoryText());
}

TEST(AnalyzerState, UnreadableLinesAreSkippedAndAFailedSaveIsAnError)
{
    const TemporaryFile file;
    {
        std::ofstream out(file.Path(), std::ios::binary);
        out << "[8510]\r\nselected 2\r\nkit 2\r\nstd 21 OPEN FIXED COAX 5 0 0 0 0 0 0 0 50 0 0 50 0 1e9\r\n"
               "std 20 OPEN FIXED COAX x 0 0 0 0 0 0 0 50 0 0 50 0 1e9\r\nstd 99 OPEN\r\nkit 3\r\nlabel lost\r\n"
               "garbage line\r\n[PNA]\r\nselected 4\r\n";
    }
    const ScopedEnvironment state("TESSALY_SIM_STATE", file.Path());
    SimAnalyzer vna("8510B");
    vna.Write("DEFS21;");
    EXPECT_EQ(Ask(vna, "STDT?;"), "\"OPEN\"");
    EXPECT_EQ(Value(ReadActive(vna, "C0")), 5);
    vna.Write("DEFS20;");
    EXPECT_EQ(Ask(vna, "STDT?;"), "\"NONE\"");
    EXPECT_EQ(vna.KitMemoryText().find("lost"), std::string::npos);
    vna.Write("LABK\"NEW\";");
    EXPECT_NE(FileText(file.Path()).find("[PNA]\nselected 4\n"), std::string::npos);
    EXPECT_NE(FileText(file.Path()).find("label NEW\n"), std::string::npos);

    const std::string missingFolder = (std::filesystem::path(file.Path()) / "no" / "such.state").string();
    const ScopedEnvironment broken("TESSALY_SIM_STATE", missingFolder);
    SimAnalyzer unsaved("8753D/E");
    unsaved.Write("LABK \"X\";");
    EXPECT_EQ(Ask(unsaved, "OUTPSTAT;"), "8");
    EXPECT_EQ(Ask(unsaved, "OUTPERRO;"), "36,\"KIT MEMORY NOT SAVED: " + missingFolder + "\"");
}
