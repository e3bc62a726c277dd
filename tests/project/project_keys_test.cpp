// Every key of the project file and the menu description file against golden files spelled
// out in tests/data/golden: what the writer writes for a new and for a full project, what
// the reader makes of them, the reader's default of every key and its conversions of older
// files.
#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/project_file.h"
#include "model/project_reader.h"
#include "model/project_writer.h"
#include "project/project_test_support.h"

namespace orv::test {
namespace {

using KeysTest = ProjectTest;

TEST_F(KeysTest, WrittenFilesAreTheGoldenFiles)
{
    const struct {
        bool full;
        WriteOptions options;
        const char* golden;
    } cases[] = {
        {false, WriteOptions::ProjectFile, "new_project.mnp"},
        {false, WriteOptions::MenuDescription, "new_project.mni"},
        {true, WriteOptions::ProjectFile, "full_project.mnp"},
        {true, WriteOptions::MenuDescription, "full_project.mni"},
    };
    for (const auto& c : cases) {
        Siblings().PortavoInstalled = c.full;
        const MenuProject p = c.full ? filledProject(ButtonListLimit, true) : newProject();
        EXPECT_EQ(comparable(StoreOptionsToText(p, c.options)), golden(c.golden)) << c.golden;
    }
}

TEST_F(KeysTest, ReadGoldenFilesWriteBackUnchanged)
{
    Siblings().PortavoInstalled = true;
    EXPECT_EQ(comparable(StoreOptionsToText(readProject(golden("full_project.mnp")))), golden("full_project.mnp"));
    Siblings().PortavoInstalled = false;  // as the new project's file was written
    EXPECT_EQ(comparable(StoreOptionsToText(readProject(golden("new_project.mnp")))), golden("new_project.mnp"));
}

TEST_F(KeysTest, EveryMissingKeyTakesTheReadersDefault)
{
    Siblings().PortavoInstalled = true;
    EXPECT_EQ(comparable(StoreOptionsToText(readProject(""))), golden("read_from_empty.mnp"));
}

TEST_F(KeysTest, OlderFilesAreConvertedAsTheyAreRead)
{
    // Every conversion of the reader, explained in the file's comments; the file is opened as
    // the editor opens it, in the ANSI code page.
    MenuProject p = newProject();
    OpenProjectFile(p, home.writeFile("legacy.mnp", Utf8ToAnsi(golden("legacy_5.2.mnp"))));
    EXPECT_EQ(comparable(StoreOptionsToText(p)), golden("legacy_5.2_saved.mnp"));
}

}  // namespace
}  // namespace orv::test
