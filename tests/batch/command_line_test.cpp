#include <vector>

#include <gtest/gtest.h>

#include "batch/command_line.h"

using namespace orv;

TEST(CommandLine, EachPartIsFoundByTheSwitchOrderRules)
{
    struct Case {
        const char* line;
        const char* project;
        bool batch;
        const char* folder;
        const char* log;
    };
    const Case cases[] = {
        // A project alone opens for editing.
        {"  C:\\Menus\\demo.mnp  ", "C:\\Menus\\demo.mnp", false, "", ""},
        {"C:\\p.mnp /BUILD /BUILDFOLDER:E:\\Out /LOG:C:\\b.log", "C:\\p.mnp", true, "E:\\Out", "C:\\b.log"},
        // /BUILD after /BUILDFOLDER: is cut away with the folder: no batch build.
        {"C:\\p.mnp /BUILDFOLDER:E:\\Out /BUILD", "C:\\p.mnp", false, "", ""},
        // Quoted paths with blanks lose their quotes; no folder means the project's own.
        {"\"C:\\My Menus\\a b.mnp\" /BUILD /LOG:\"C:\\My Logs\\build log.txt\"", "C:\\My Menus\\a b.mnp", true, "",
         "C:\\My Logs\\build log.txt"},
        // Switch names are case-sensitive.
        {"C:\\p.mnp /build", "C:\\p.mnp /build", false, "", ""},
        // Folder and log count only in batch mode.
        {"C:\\p.mnp /LOG:C:\\x.log", "C:\\p.mnp", false, "", ""},
        {"   ", "", false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const CommandLine parsed = ParseCommandLine(c.line);
        EXPECT_EQ(parsed.projectFile, c.project);
        EXPECT_EQ(parsed.batchBuild, c.batch);
        EXPECT_EQ(parsed.buildFolder, c.folder);
        EXPECT_EQ(parsed.logFile, c.log);
    }
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

TEST(CommandLine, SplitArgumentsAreSwitchesOnlyAsWholeArguments)
{
    struct Case {
        std::vector<const char*> args;
        const char* project;
        bool batch;
        const char* folder;
        const char* log;
    };
    const Case cases[] = {
        {{"/srv/BUILD/p.mnp"}, "/srv/BUILD/p.mnp", false, "", ""},
        {{"/srv/BUILD/p.mnp", "/BUILD", "/BUILDFOLDER:/srv/BUILD/out", "/LOG:/srv/LOG:/b.log"},
         "/srv/BUILD/p.mnp", true, "/srv/BUILD/out", "/srv/LOG:/b.log"},
        {{"/home/ann/My Menu/a.mnp", "/BUILD", "/LOG:/tmp/build log.txt"}, "/home/ann/My Menu/a.mnp", true, "",
         "/tmp/build log.txt"},
        // The order rules of the joined text hold: /BUILD after the folder is no batch build.
        {{"p.mnp", "/BUILDFOLDER:/out", "/BUILD"}, "p.mnp", false, "", ""},
        {{"p.mnp", "/build"}, "p.mnp /build", false, "", ""},
        {{"p.mnp", "/LOG:/x.log"}, "p.mnp", false, "", ""},
        {{}, "", false, "", ""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"orvnedit"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.project);
        const CommandLine parsed = ParseArguments(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(parsed.projectFile, c.project);
        EXPECT_EQ(parsed.batchBuild, c.batch);
        EXPECT_EQ(parsed.buildFolder, c.folder);
        EXPECT_EQ(parsed.logFile, c.log);
    }
}
