// Writing the options file: every key in its fixed order, the whole file in one atomic write.
#include <cctype>
#include <string>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/file_io.h"
#include "model/profile.h"
#include "model/unicode_text.h"

namespace orv {

namespace {

std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }
std::string networkKey(int network, const char* suffix) { return std::string(SocialNetworkNames[network]) + suffix; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Whether a text comes back unchanged from a plain "key = value" line: it must fit the code
// page, hold no line break or other control character, keep its outer blanks and quotes, and
// not look like an encoded text.
bool plainFormCarries(const std::string& text)
{
    if (text.empty())
        return true;
    if (!FitsAnsiCodePage(text) || IsUnicodeEncoded(text))
        return false;
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return false;
    if (isBlank(text.front()) || isBlank(text.back()))
        return false;
    return !(text.size() >= 2 && text.front() == '"' && text.back() == '"');
}

// The texts that are decoded when read are written encoded when the plain form would lose them.
void decodedText(ProfileWriter& w, std::string_view key, const std::string& text)
{
    w.value(key, plainFormCarries(text) ? text : EncodeUnicodeText(text));
}

void writeDirectories(ProfileWriter& w, const EditorOptions& o)
{
    w.section("Directories");
    w.value("LastPictureDir", o.LastPictureDir);
    w.value("LastLogotypeDir", o.LastLogotypeDir);
    w.value("LastSoundDir", o.LastSoundDir);
    w.value("LastMovieDir", o.LastMovieDir);
    w.value("LastProgramDir", o.LastProgramDir);
    w.value("LastDocumentDir", o.LastDocumentDir);
    w.value("LastExcelDir", o.LastExcelDir);
    w.value("LastFlashDir", o.LastFlashDir);
}

void writeRecent(ProfileWriter& w, const char* section, const std::array<std::string, RecentListSize>& entries)
{
    w.section(section);
    for (int i = 0; i < RecentListSize; ++i)
        w.value(numbered("F", i + 1), entries[i]);
}

void writeOptions(ProfileWriter& w, const EditorOptions& o)
{
    w.section("Options");
    w.flag("ShowAppTour", o.ShowAppTour);
    w.flag("MyProjectsFolderAutoCreateDone", o.MyProjectsFolderAutoCreateDone);
    // Kept for earlier versions, which read it; it carries nothing any more.
    w.value("MyDocFolderAutoCreateDone", std::string_view());
    w.flag("DontShowStartWindow", o.DontShowStartWindow);
    w.flag("DontAskProjectType", o.DontAskProjectType);
    w.flag("ShowCDFolders", o.ShowCDFolders);
    w.flag("UseButtonNrAsDefault", o.UseButtonNrAsDefault);
    w.flag("CopyLinkedButtonFiles", o.CopyLinkedButtonFiles);
    w.flag("AddArrowToButton", o.AddArrowToButton);
    w.flag("UseUnicodeEncoding", o.UseUnicodeEncoding);
    w.value("CDExeFileName", o.CDExeFileName);
    w.value("USBStickExeFileName", o.USBStickExeFileName);
    w.value("UserProjectDir", o.UserProjectDir);
    w.flag("UnderlineMenuTitle", o.UnderlineMenuTitle);
    w.flag("Add3Buttons_WhenNewProject", o.Add3Buttons_WhenNewProject);
    w.flag("AddSampleMenuPicture_WhenNewProject", o.AddSampleMenuPicture_WhenNewProject);
    w.flag("RunMenusUnderWine", o.RunMenusUnderWine);
    w.value("AnsiCodePage", static_cast<long>(AnsiCodePage()));
}

void writeEditorFont(ProfileWriter& w, const EditorOptions& o)
{
    w.section("EditorFont");
    w.value("SelectedFont", static_cast<long>(o.SelectedFont));
}

void writeDocOptions(ProfileWriter& w, const EditorOptions& o)
{
    w.section("DocOptions");
    for (int i = 0; i < DocErrorGroups; ++i)
        decodedText(w, numbered("DocErr_FileExt", i + 1), o.DocErr_FileExt[i]);
    for (int i = 0; i < DocErrorGroups; ++i)
        decodedText(w, numbered("DocErr_Title", i + 1), o.DocErr_Title[i]);
    for (int i = 0; i < DocErrorGroups; ++i)
        decodedText(w, numbered("DocErr_Text", i + 1), o.DocErr_Text[i]);
    w.value("AddPrintSupportForRTFDocuments", static_cast<long>(o.AddPrintSupportForRTFDocuments));
}

void writePdf(ProfileWriter& w, const EditorOptions& o)
{
    w.section("PDF-Eng");
    decodedText(w, "PDF_InfoBoxTitle", o.PDF_InfoBoxTitle);
    decodedText(w, "PDF_InfoBoxText", o.PDF_InfoBoxText);
    decodedText(w, "PDF_InfoBoxURL", o.PDF_InfoBoxURL);
    decodedText(w, "PDF_InfoBoxURLButText", o.PDF_InfoBoxURLButText);
}

void writeSocialMedia(ProfileWriter& w, const EditorOptions& o)
{
    w.section("SocialMedia-Eng");
    for (int i = 0; i < SocialNetworks; ++i)
        w.value(networkKey(i, "_ShowLogo"), static_cast<long>(o.SocialMedia[i].ShowLogo));
    for (int i = 0; i < SocialNetworks; ++i)
        decodedText(w, networkKey(i, "_URL"), o.SocialMedia[i].URL);
    for (int i = 0; i < SocialNetworks; ++i)
        decodedText(w, networkKey(i, "_TipText"), o.SocialMedia[i].TipText);
}

}  // namespace

std::string EditorOptionsText(EditorOptions& options)
{
    options.CDExeFileName = CorrectedExeFileName(options.CDExeFileName, DefaultCDExeFileName);
    options.USBStickExeFileName = CorrectedExeFileName(options.USBStickExeFileName, DefaultUSBStickExeFileName);

    ProfileWriter w;
    writeDirectories(w, options);
    writeRecent(w, "RecentFiles", options.RecentFiles);
    writeRecent(w, "RecentFolders", options.RecentFolders);
    writeOptions(w, options);
    writeEditorFont(w, options);
    writeDocOptions(w, options);
    writePdf(w, options);
    writeSocialMedia(w, options);
    return w.finish();
}

bool SaveEditorOptionsTo(const std::string& file, EditorOptions& options)
{
    bool written = WriteFileAtomic(file, Utf8ToAnsi(EditorOptionsText(options)));
    // A later read through the profile cache must see the new file.
    FlushProfileCache(file);
    return written;
}

bool SaveEditorOptions() { return SaveEditorOptionsTo(OptionsFilePath(), Options()); }

}  // namespace orv
