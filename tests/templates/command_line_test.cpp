#include <gtest/gtest.h>

#include "templates/command_line.h"

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
