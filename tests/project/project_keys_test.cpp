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
    // Each button key lands in the member of its name.
    const MenuProject full = readProject(golden("full_project.mnp"));
    const MenuButton& b = full.Buttons[0];
    std::string named;
    for (const std::string* value : {&b.Link, &b.Bmp, &b.Tip, &b.BmpFolder, &b.AppParam, &b.HoverSound, &b.HoverSoundFolder,
                                     &b.SourceFile, &b.DeltaX, &b.DeltaY, &b.DeltaType, &b.UseBmpSize, &b.BmpTransType,
                                     &b.Hide, &b.CSF, &b.BCUse, &b.BC1, &b.BC2, &b.BC3, &b.BC4, &b.NoHG, &b.UseMediaPlayer,
                                     &b.WinWidth, &b.WinHeight, &b.ShowDialogBoxes, &b.Psw, &b.PswAsterisk, &b.PswDlgTitle,
                                     &b.PswDlgText, &b.PswIsWrongTitle, &b.PswIsWrongText, &b.WaitInfoText,
                                     &b.RunAsAdministrator, &b.RunProgramMaximized})
        named += value->substr(0, value->size() - 2) + ",";
    EXPECT_EQ(named, "Link,Bmp,Tip,BmpFolder,AppParam,HoverSound,HoverSoundFolder,SourceFile,DeltaX,DeltaY,DeltaType,"
                     "UseBmpSize,BmpTransType,Hide,CSF,BCUse,BC1,BC2,BC3,BC4,NoHG,UseMediaPlayer,WinWidth,WinHeight,"
                     "ShowDialogBoxes,Psw,PswAsterisk,PswDlgTitle,PswDlgText,PswIsWrongTitle,PswIsWrongText,"
                     "WaitInfoText,RunAsAdministrator,RunProgramMaximized,");
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
