// Choosing and removing the linked files of the Pictures, Sound and Movies tabs: the CMYK
// and sound-size refusals, the start folders and the default destination folder.
#include <filesystem>

#include <gtest/gtest.h>

#include "editor/rules/file_selection.h"
#include "model/editor_options.h"
#include "model/path_helpers.h"
#include "dialog_test_support.h"
#include "support/test_home.h"
#include "tab_test_files.h"

namespace orv::editor {
namespace {

class FileSelectionTest : public test::HomeTest {
protected:
    MenuProject project;
    EditorOptions options;

    // A sparse file of the given size.
    std::string sizedFile(const std::string& name, std::uintmax_t size)
    {
        const std::string win = home.writeFile(name, "RIFF");
        std::filesystem::resize_file(home.path(name), size);
        return win;
    }
};

TEST_F(FileSelectionTest, RgbPictureIsTakenWithItsFolder)
{
    const std::string file = home.writeFile("pics/back.jpg", test::jpegFile(false));
    EXPECT_EQ(ApplyChosenFile(project, options, MediaObject::Background, file), SelectionOutcome::Accepted);
    EXPECT_EQ(project.BackgroundPictureSrc, file);
    EXPECT_EQ(project.BackgroundPicture_CDFolder, "orvndata");
    EXPECT_EQ(options.LastPictureDir, PathDirectoryPart(file));
    EXPECT_TRUE(home.ui().messages().empty());
}

TEST_F(FileSelectionTest, CmykJpegIsRefusedAndRemoved)
{
    project.BackgroundPictureSrc = "C:\\old.bmp";
    project.BackgroundPicture_CDFolder = "pictures";
    const std::string file = home.writeFile("cmyk.jpg", test::jpegFile(true));
    EXPECT_EQ(ApplyChosenFile(project, options, MediaObject::Background, file), SelectionOutcome::Refused);
    EXPECT_EQ(project.BackgroundPictureSrc, "");
    EXPECT_EQ(project.BackgroundPicture_CDFolder, "");
    EXPECT_EQ(test::shown(home.ui()), std::vector<std::string>{"CMYK Not Supported|16|Orvanto can not show CMYK "
                                                               "JPEG pictures. Only RGB JPEG pictures can be shown."});

    // Without a JPEG name the picture is taken; the logotype keeps a start folder of its own.
    const std::string logo = home.writeFile("logos/logo.pic", test::jpegFile(true));
    EXPECT_EQ(ApplyChosenFile(project, options, MediaObject::Logotype, logo), SelectionOutcome::Accepted);
    EXPECT_EQ(project.LogotypePictureSrc, logo);
    EXPECT_EQ(options.LastLogotypeDir, PathDirectoryPart(logo));
    EXPECT_EQ(options.LastPictureDir, "");
}

TEST_F(FileSelectionTest, ExistingFolderIsKept)
{
    project.MenuPicture_CDFolder = "art";
    ApplyChosenFile(project, options, MediaObject::MenuPicture, home.writeFile("menu.bmp", test::bmpFile(4, 4)));
    EXPECT_EQ(project.MenuPicture_CDFolder, "art");
}

TEST_F(FileSelectionTest, SoundOfFortyMillionBytesIsRefused)
{
    const std::string limit = sizedFile("music/big.wav", 40000000);
    project.BackgroundSoundSrc = "C:\\before.wav";
    EXPECT_EQ(ApplyChosenFile(project, options, MediaObject::BackgroundSound, limit), SelectionOutcome::Refused);
    EXPECT_EQ(project.BackgroundSoundSrc, "");
    EXPECT_EQ(options.LastSoundDir, "") << "the start folder follows the emptied label";
    EXPECT_EQ(test::shown(home.ui()),
              std::vector<std::string>{"Info|64|The sound file is to large! The maximum file size is 40 MB!"});

    const std::string below = sizedFile("music/fits.wav", 39999999);
    EXPECT_EQ(ApplyChosenFile(project, options, MediaObject::ButtonSound, below), SelectionOutcome::Accepted);
    EXPECT_EQ(project.ButtonSoundSrc, below);
    EXPECT_EQ(project.ButtonSound_CDFolder, "orvndata");
    EXPECT_EQ(options.LastSoundDir, PathDirectoryPart(below));
}

TEST_F(FileSelectionTest, MovieAndCancelledDialog)
{
    home.ui().pickNextFile(std::nullopt);
    EXPECT_EQ(ChooseMediaFile(options, MediaObject::MenuMovie), std::nullopt);

    const std::string movie = home.writeFile("films/intro.mp4", "movie");
    home.ui().pickNextFile(movie);
    EXPECT_EQ(ChooseMediaFile(options, MediaObject::MenuMovie), movie);
    EXPECT_EQ(ApplyChosenFile(project, options, MediaObject::MenuMovie, movie), SelectionOutcome::Accepted);
    EXPECT_EQ(project.MenuMovieFilename, movie);
    EXPECT_EQ(project.MenuMovie_CDFolder, "orvndata");
    EXPECT_EQ(options.LastMovieDir, PathDirectoryPart(movie));
}

}  // namespace
}  // namespace orv::editor
