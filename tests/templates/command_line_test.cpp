#include <gtest/gtest.h>

#include "templates/command_line.h"

using namespace orv;

TEST(CommandLine, ProjectAloneOpensForEditing)
{
    auto c = ParseCommandLine("  C:\\Menus\\demo.mnp  ");
    EXPECT_EQ(c.projectFile, "C:\\Menus\\demo.mnp");
    EXPECT_FALSE(c.batchBuild);
    EXPECT_EQ(c.buildFolder, "");
    EXPECT_EQ(c.logFile, "");
}

TEST(CommandLine, FullBatchLine)
{
    auto c = ParseCommandLine("C:\\p.mnp /BUILD /BUILDFOLDER:E:\\Out /LOG:C:\\b.log");
    EXPECT_EQ(c.projectFile, "C:\\p.mnp");
    EXPECT_TRUE(c.batchBuild);
    EXPECT_EQ(c.buildFolder, "E:\\Out");
    EXPECT_EQ(c.logFile, "C:\\b.log");
}

TEST(CommandLine, BuildAfterBuildFolderIsNotBatch)
{
    std::string line = "C:\\p.mnp /BUILDFOLDER:E:\\Out /BUILD";
    EXPECT_FALSE(IsBatchBuildCommandLine(line));
    EXPECT_EQ(GetProjectFileFromCommandLine(line), "C:\\p.mnp");
    EXPECT_EQ(GetBuildFolderFromCommandLine(line), "");
}

TEST(CommandLine, QuotedPathsWithBlanksLoseTheirQuotes)
{
    auto c = ParseCommandLine("\"C:\\My Menus\\a b.mnp\" /BUILD /LOG:\"C:\\My Logs\\build log.txt\"");
    EXPECT_EQ(c.projectFile, "C:\\My Menus\\a b.mnp");
    EXPECT_TRUE(c.batchBuild);
    EXPECT_EQ(c.buildFolder, "");
    EXPECT_EQ(c.logFile, "C:\\My Logs\\build log.txt");
}

TEST(CommandLine, SwitchesAreCaseSensitive)
{
    auto c = ParseCommandLine("C:\\p.mnp /build");
    EXPECT_FALSE(c.batchBuild);
    EXPECT_EQ(c.projectFile, "C:\\p.mnp /build");
}

TEST(CommandLine, LogAndFolderIgnoredOutsideBatch)
{
    std::string line = "C:\\p.mnp /LOG:C:\\x.log";
    EXPECT_FALSE(IsBatchBuildCommandLine(line));
    EXPECT_EQ(GetLogFileFromCommandLine(line), "");
    EXPECT_EQ(GetProjectFileFromCommandLine(line), "C:\\p.mnp");
}

TEST(CommandLine, EmptyLine)
{
    auto c = ParseCommandLine("   ");
    EXPECT_EQ(c.projectFile, "");
    EXPECT_FALSE(c.batchBuild);
}

TEST(CommandLine, JoinArgumentsQuotesValuesWithBlanks)
{
    const char* argv[] = {"orvnedit", "/home/ann/My Menu/a.mnp", "/BUILD", "/BUILDFOLDER:/tmp/out dir",
                          "/LOG:/tmp/l.log"};
    std::string line = JoinArguments(5, argv);
    EXPECT_EQ(line, "\"/home/ann/My Menu/a.mnp\" /BUILD /BUILDFOLDER:\"/tmp/out dir\" /LOG:/tmp/l.log");
    auto c = ParseCommandLine(line);
    EXPECT_EQ(c.projectFile, "/home/ann/My Menu/a.mnp");
    EXPECT_EQ(c.buildFolder, "/tmp/out dir");
    EXPECT_EQ(c.logFile, "/tmp/l.log");
}
