// Captions of recent files: bare names in the current folder, folders dropped one by one,
// the final cut, on both path styles.
#include <gtest/gtest.h>

#include "ui/components/MenuCaption.h"

namespace {

const QChar Backslash('\\');
const QChar Slash('/');

TEST(MenuCaption, WindowsPathsLoseInnerFoldersUntilTheyFit)
{
    // 55 characters: folders go from the inside out until the caption is at most 40 long.
    EXPECT_EQ(MakeMenuCaption("C:\\Users\\engineer\\Documents\\Calibration\\Kits\\N4691B.tsy", 40, "C:\\Temp",
                              Backslash),
              "C:\\Users\\engineer\\...\\N4691B.tsy");
    // A network path keeps its server and share.
    EXPECT_EQ(MakeMenuCaption("\\\\server\\share\\folder\\sub\\file.tsy", 30, "C:\\", Backslash),
              "\\\\server\\share\\...\\file.tsy");
    // Only the drive left and still too long: cut to 38 characters and "...".
    EXPECT_EQ(MakeMenuCaption("D:\\kits\\0123456789012345678901234567890123456789", 40, "C:\\", Backslash),
              "D:\\...\\0123456789012345678901234567890...");
    // Short paths stay whole.
    EXPECT_EQ(MakeMenuCaption("C:\\Kits\\old\\std.tsy", 40, "C:\\Kits", Backslash), "C:\\Kits\\old\\std.tsy");
}

TEST(MenuCaption, FileInTheCurrentFolderShowsItsBareName)
{
    EXPECT_EQ(MakeMenuCaption("C:\\Kits\\std.tsy", 40, "c:\\KITS", Backslash), "std.tsy");
    EXPECT_EQ(MakeMenuCaption("C:\\std.tsy", 40, "C:\\", Backslash), "std.tsy");
    EXPECT_EQ(MakeMenuCaption("/home/engineer/std.tsy", 40, "/home/engineer", Slash), "std.tsy");
    EXPECT_EQ(MakeMenuCaption("/home/engineer/std.tsy", 40, "/home/engineer/", Slash), "std.tsy");
}

TEST(MenuCaption, SlashPathsShortenTheSameWay)
{
    EXPECT_EQ(MakeMenuCaption("/home/engineer/calibration/kits/agilent/85052D.tsy", 40, "/tmp", Slash),
              "/home/engineer/.../85052D.tsy");
    EXPECT_EQ(MakeMenuCaption("/data/0123456789012345678901234567890123456789", 40, "/tmp", Slash),
              "/.../012345678901234567890123456789012...");
    // A limit below 10 counts as 10.
    EXPECT_EQ(MakeMenuCaption("/abc/defghijkl.tsy", 3, "/tmp", Slash), "/.../def...");
    // A relative path runs out of folders without looping.
    EXPECT_EQ(MakeMenuCaption("a/b/very-long-name-of-a-kit-file-here.tsy", 20, "/tmp", Slash),
              ".../very-long-name...");
}

}  // namespace
