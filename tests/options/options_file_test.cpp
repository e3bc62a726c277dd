#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/profile.h"
#include "model/unicode_text.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const char* const OptionsRelative = "AppData/Veltrona/Orvanto/ORVNMENU.INI";

class OptionsFileTest : public test::HomeTest {
protected:
    std::string documents() const { return platform::services().folders->GetMyDocumentsDir(); }

    // Writes the options file (bytes as on disk) and reads it into Options().
    const EditorOptions& readFile(const std::string& bytes)
    {
        home.writeFile(OptionsRelative, bytes);
        ReadEditorOptions();
        return Options();
    }

    std::string savedText()
    {
        EXPECT_TRUE(SaveEditorOptions());
        return home.readFile(OptionsRelative);
    }

    // Every stored field set away from its default, with texts the plain form cannot carry.
    EditorOptions unusualOptions() const
    {
        using O = EditorOptions;
        O o;
        o.SelectedFont = 3;
        int n = 0;
        for (std::string O::*dir : {&O::LastPictureDir, &O::LastLogotypeDir, &O::LastSoundDir, &O::LastMovieDir,
                                    &O::LastProgramDir, &O::LastDocumentDir, &O::LastExcelDir, &O::LastFlashDir})
            o.*dir = "Z:\\Bilder\\Åsa " + std::to_string(++n);
        for (bool O::*flag : {&O::ShowAppTour, &O::MyProjectsFolderAutoCreateDone, &O::DontShowStartWindow,
                              &O::DontAskProjectType, &O::ShowCDFolders, &O::UseButtonNrAsDefault, &O::CopyLinkedButtonFiles,
                              &O::AddArrowToButton, &O::UseUnicodeEncoding, &O::UnderlineMenuTitle,
                              &O::Add3Buttons_WhenNewProject, &O::AddSampleMenuPicture_WhenNewProject, &O::RunMenusUnderWine})
            o.*flag = !(o.*flag);
        for (int i = 0; i < RecentListSize; ++i) {
            o.RecentFiles[i] = "...\\My Documents\\menu" + std::to_string(i) + ".mnp";
            o.RecentFolders[i] = "Z:\\Projekt " + std::to_string(i);
        }
        o.RecentFiles[5].clear();
        o.CDExeFileName = "START.EXE";
        o.USBStickExeFileName = "USBMENU.EXE";
        o.UserProjectDir = "Z:\\Meine Projekte";
        for (int i = 0; i < DocErrorGroups; ++i) {
            o.DocErr_FileExt[i] = "ex" + std::to_string(i);
            o.DocErr_Title[i] = "Títel " + std::to_string(i);
            o.DocErr_Text[i] = "Line one\r\nline two " + std::to_string(i);
        }
        o.DocErr_Title[2] = "Ошибка";  // outside the code page
        o.DocErr_Text[3] = "  padded  ";    // outer blanks
        o.DocErr_Text[4] = "\"quoted\"";    // outer quotes
        o.DocErr_Text[5] = "UNICODE:not encoded";
        o.AddPrintSupportForRTFDocuments = 1;
        o.PDF_InfoBoxTitle = "Читалка PDF";
        o.PDF_InfoBoxText = "Installez le lecteur — merci €";
        o.PDF_InfoBoxURL = "https://example.com/reader";
        o.PDF_InfoBoxURLButText = "&Hämta";
        for (int i = 0; i < SocialNetworks; ++i) {
            o.SocialMedia[i].ShowLogo = static_cast<std::int16_t>(i % 2);
            o.SocialMedia[i].URL = "https://example.com/" + std::string(SocialNetworkNames[i]);
            o.SocialMedia[i].TipText = "日本 tip " + std::to_string(i);
        }
        return o;
    }
};

TEST_F(OptionsFileTest, LivesInTheApplicationDataFolderWhoseFoldersAreMadeWhenMissing)
{
    fs::remove_all(home.path("AppData/Veltrona"));
    std::string expected = platform::services().folders->GetSysAppDataDirectory() + "\\Veltrona\\Orvanto\\ORVNMENU.INI";
    EXPECT_EQ(OptionsFilePath(), expected);
    EXPECT_TRUE(fs::is_directory(home.path("AppData/Veltrona/Orvanto")));
}

// Without a file every option has its default, and saving writes every key in its fixed
// order: tests/data/options/new_options.ini spells the file ("<Documents>" for the folder).
TEST_F(OptionsFileTest, MissingFileGivesEveryDefaultAndSavingWritesEveryKeyInOrder)
{
    ReadEditorOptions();
    std::ifstream in(std::string(ORVANTO_TEST_DATA_DIR) + "/options/new_options.ini", std::ios::binary);
    std::string expected((std::istreambuf_iterator<char>(in)), {});
    ASSERT_FALSE(expected.empty());
    for (std::size_t at; (at = expected.find("<Documents>")) != std::string::npos;)
        expected.replace(at, 11, documents());
    EXPECT_EQ(savedText(), expected);
    EXPECT_EQ(AnsiCodePage(), 1252);
}

// Each value as the file holds it, and the line the options are saved with after reading it.
TEST_F(OptionsFileTest, ValuesReadAreCheckedAndDefaultedAsTheySaveAgain)
{
    const std::tuple<const char*, const char*, std::string> cases[] = {
        // Bools are on exactly when they hold 1; missing or empty ones keep their default.
        {"Options", "ShowAppTour = 2", "ShowAppTour = 0"},
        {"Options", "ShowCDFolders = 2", "ShowCDFolders = 0"},
        {"Options", "DontShowStartWindow = 1", "DontShowStartWindow = 1"},
        {"Options", "AddArrowToButton = yes", "AddArrowToButton = 0"},
        {"Options", "AddSampleMenuPicture_WhenNewProject = ", "AddSampleMenuPicture_WhenNewProject = 1"},
        // Empty texts get their defaults.
        {"Directories", "LastPictureDir = ", "LastPictureDir = " + documents()},
        {"Directories", "LastProgramDir = ", "LastProgramDir = C:\\"},
        {"Directories", "LastSoundDir = Z:\\snd", "LastSoundDir = Z:\\snd"},
        {"PDF-Eng", "PDF_InfoBoxTitle = ", "PDF_InfoBoxTitle = Adobe Reader is not installed"},
        {"PDF-Eng", "PDF_InfoBoxURLButText = UNICODE:", "PDF_InfoBoxURLButText = &Download Adobe Reader"},
        {"SocialMedia-Eng", "Twitter_TipText = ", "Twitter_TipText = Opens our Twitter page on the web"},
        // Menu program names shorter than five characters are replaced ("\xC4.EX" is four).
        {"Options", "CDExeFileName = ", "CDExeFileName = ORVNMENU.EXE"},
        {"Options", "CDExeFileName = A.EX", "CDExeFileName = ORVNMENU.EXE"},
        {"Options", "CDExeFileName = A.EXE", "CDExeFileName = A.EXE"},
        {"Options", "USBStickExeFileName = \xC4.EX", "USBStickExeFileName = MENU.EXE"},
    };
    for (const auto& [section, line, saved] : cases) {
        readFile("[" + std::string(section) + "]\r\n" + line + "\r\n");
        EXPECT_NE(savedText().find("\r\n" + saved + "\r\n"), std::string::npos) << line;
    }
    // Short names set in the editor are replaced when written too.
    Options().CDExeFileName = "B.EX";
    Options().USBStickExeFileName = "U.EX";
    const std::string text = savedText();
    EXPECT_NE(text.find("\r\nCDExeFileName = ORVNMENU.EXE\r\nUSBStickExeFileName = MENU.EXE\r\n"), std::string::npos);
}

// Texts the code page cannot hold, or that would not read back as they are, are written in
// the "UNICODE:" form, the others plain in Windows-1252; every key reads back as written.
TEST_F(OptionsFileTest, EveryKeySurvivesWritingAndReadingBack)
{
    EditorOptions expected = unusualOptions();
    Options() = expected;
    const std::string bytes = savedText();
    auto doc = ProfileDocument::parse(AnsiToUtf8(bytes));
    EXPECT_EQ(*doc.find("PDF-Eng", "PDF_InfoBoxTitle"), EncodeUnicodeText("Читалка PDF"));
    EXPECT_EQ(*doc.find("PDF-Eng", "PDF_InfoBoxText"), "Installez le lecteur — merci €");
    EXPECT_EQ(*doc.find("DocOptions", "DocErr_Text1"), EncodeUnicodeText("Line one\r\nline two 0"));
    EXPECT_EQ(*doc.find("DocOptions", "DocErr_Text6"), EncodeUnicodeText("UNICODE:not encoded"));
    EXPECT_EQ(*doc.find("DocOptions", "DocErr_FileExt1"), "ex0");
    // On disk in Windows-1252: "Å" is one byte, the euro sign 0x80.
    EXPECT_NE(bytes.find("LastPictureDir = Z:\\Bilder\\\xC5sa 1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("merci \x80"), std::string::npos);

    Options() = EditorOptions{};
    ReadEditorOptions();
    EXPECT_TRUE(Options() == expected) << "expected:\n"
                                       << EditorOptionsText(expected) << "read:\n"
                                       << EditorOptionsText(Options());
}

TEST_F(OptionsFileTest, CodePageNamedInTheFileIsPutInForceBeforeTheTextsAreRead)
{
    // "Привет" in Windows-1251.
    const EditorOptions& o = readFile("[PDF-Eng]\r\nPDF_InfoBoxTitle = \xCF\xF0\xE8\xE2\xE5\xF2\r\n\r\n"
                                      "[Options]\r\nAnsiCodePage = 1251\r\n");
    EXPECT_EQ(AnsiCodePage(), 1251);
    EXPECT_EQ(o.PDF_InfoBoxTitle, "Привет");

    std::string bytes = savedText();
    EXPECT_NE(bytes.find("AnsiCodePage = 1251"), std::string::npos);
    EXPECT_NE(bytes.find("PDF_InfoBoxTitle = \xCF\xF0\xE8\xE2\xE5\xF2"), std::string::npos);

    readFile("[Options]\r\nAnsiCodePage = 932\r\n");  // no table for it
    EXPECT_EQ(AnsiCodePage(), 1252);
    SetAnsiCodePage(1250);
    readFile("[Options]\r\nShowAppTour = 1\r\n");
    EXPECT_EQ(AnsiCodePage(), 1252);
}

TEST_F(OptionsFileTest, DamagedOrBinaryFileReadsAsDefaults)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    readFile(garbage);

    EditorOptions expected;
    ReadEditorOptionsFrom(home.win("AppData/none.ini"), expected);
    EXPECT_TRUE(Options() == expected);

    readFile(std::string("\0\0\xFF\xFE[Options]\r\nShowAppTour = 0\r\n", 29));
    EXPECT_TRUE(Options() == expected);
}

TEST_F(OptionsFileTest, UnmakeableOptionsFolderGivesAFailedSaveAndDefaults)
{
    fs::remove_all(home.path("AppData/Veltrona"));
    home.writeFile("AppData/Veltrona", "a file where the folder belongs");
    EXPECT_FALSE(SaveEditorOptions());
    ReadEditorOptions();
    EXPECT_TRUE(Options().ShowAppTour);
    EXPECT_EQ(Options().CDExeFileName, "ORVNMENU.EXE");
}

}  // namespace
}  // namespace orv
