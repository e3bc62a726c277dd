#include <vector>

#include <gtest/gtest.h>

#include "batch/command_line.h"

using namespace orv;

// The editor's command line as one text (ParseCommandLine) and as the program's separate
// arguments (ParseArguments): the same order rules, and switches only as whole arguments.
TEST(CommandLine, EachPartIsFoundByTheSwitchOrderRules)
{
    struct Case {
        const char* line;                // nullptr: the arguments are given separately
        std::vector<const char*> args;
        const char* project;
        bool batch;
        const char* folder;
        const char* log;
    };
    const Case cases[] = {
        // A project alone opens for editing.
        {"  C:\\Menus\\demo.mnp  ", {}, "C:\\Menus\\demo.mnp", false, "", ""},
        {"C:\\p.mnp /BUILD /BUILDFOLDER:E:\\Out /LOG:C:\\b.log", {}, "C:\\p.mnp", true, "E:\\Out", "C:\\b.log"},
        // /BUILD after /BUILDFOLDER: is cut away with the folder: no batch build.
        {"C:\\p.mnp /BUILDFOLDER:E:\\Out /BUILD", {}, "C:\\p.mnp", false, "", ""},
        {nullptr, {"p.mnp", "/BUILDFOLDER:/out", "/BUILD"}, "p.mnp", false, "", ""},
        // Quoted paths with blanks lose their quotes; no folder means the project's own.
        {"\"C:\\My Menus\\a b.mnp\" /BUILD /LOG:\"C:\\My Logs\\build log.txt\"", {}, "C:\\My Menus\\a b.mnp", true, "",
         "C:\\My Logs\\build log.txt"},
        {nullptr, {"/home/ann/My Menu/a.mnp", "/BUILD", "/LOG:/tmp/build log.txt"}, "/home/ann/My Menu/a.mnp", true,
         "", "/tmp/build log.txt"},
        // Switch names are case-sensitive.
        {"C:\\p.mnp /build", {}, "C:\\p.mnp /build", false, "", ""},
        {nullptr, {"p.mnp", "/build"}, "p.mnp /build", false, "", ""},
        // Folder and log count only in batch mode.
        {"C:\\p.mnp /LOG:C:\\x.log", {}, "C:\\p.mnp", false, "", ""},
        {nullptr, {"p.mnp", "/LOG:/x.log"}, "p.mnp", false, "", ""},
        // Network paths keep their leading backslashes.
        {"\\\\srv\\menus\\p.mnp /BUILD /BUILDFOLDER:\\\\srv\\out /LOG:\\\\srv\\b.log", {}, "\\\\srv\\menus\\p.mnp", true,
         "\\\\srv\\out", "\\\\srv\\b.log"},
        {"   ", {}, "", false, "", ""},
        {nullptr, {}, "", false, "", ""},
        // Inside an argument a switch's name is part of a path.
        {nullptr, {"/srv/BUILD/p.mnp"}, "/srv/BUILD/p.mnp", false, "", ""},
        {nullptr, {"/srv/BUILD/p.mnp", "/BUILD", "/BUILDFOLDER:/srv/BUILD/out", "/LOG:/srv/LOG:/b.log"},
         "/srv/BUILD/p.mnp", true, "/srv/BUILD/out", "/srv/LOG:/b.log"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"orvnedit"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.line ? c.line : c.project);
        const CommandLine parsed =
            c.line ? ParseCommandLine(c.line) : ParseArguments(static_cast<int>(argv.size()), argv.data());
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
    EXPECT_EQ(JoinArguments(5, argv),
              "\"/home/ann/My Menu/a.mnp\" /BUILD /BUILDFOLDER:\"/tmp/out dir\" /LOG:/tmp/l.log");
}
