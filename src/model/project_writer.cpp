#include "model/project_writer.h"

#include "model/project_fields.h"
#include "model/scramble.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "model/unicode_text.h"
#include "platform/crypto.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/text_case.h"

namespace orv {

bool& FontFilesListed()
{
    static bool listed = false;
    return listed;
}

namespace {

// A verifier of a button's password for the menu description file (empty without the
// encryption service).
std::string passwordVerifier(const std::string& password)
{
    platform::Crypto* crypto = platform::services().crypto;
    return crypto ? crypto->CryPasswordVerifier(password) : std::string();
}

// One write of the file: the options and the rules they imply.
class FileWriter {
public:
    FileWriter(const MenuProject& project, ProfileWriter& out, WriteOptions options)
        : p_(project),
          out_(out),
          addFonts_(HasOptions(options, WriteOptions::ListFontFiles)),
          menuFile_(HasOptions(options, WriteOptions::MenuDescription)),
          subMenu_(HasOptions(options, WriteOptions::SubMenu))
    {
    }

    void write();

private:
    // Text rule 2: the UNICODE: encoding while the project asks for it.
    std::string encoded(std::string_view text) const
    {
        return p_.UseUnicode ? EncodeUnicodeText(text) : std::string(text);
    }
    // Text rules 1 and 2: encoded, or with " & " doubled in a menu description file.
    std::string caption(std::string_view text, bool ampersandRule) const
    {
        if (p_.UseUnicode)
            return EncodeUnicodeText(text);
        return EscapeAmpersands(std::string(text), menuFile_ && ampersandRule);
    }

    void origin();
    bool sectionWanted(ProjectSection section) const;
    void field(const ProjectField& f);
    std::string textOf(const ProjectField& f) const;
    void after(ProjectSection section);
    void buttonEntry(int n, const MenuButton& b);
    void fontSection();
    void fontEntries(const char* prefix, const std::string& fontName);
    void editorWideSections();

    const MenuProject& p_;
    ProfileWriter& out_;
    bool addFonts_, menuFile_, subMenu_;
};

void FileWriter::write()
{
    origin();
    const std::vector<ProjectField>& fields = ProjectFields();
    for (size_t i = 0; i < fields.size();) {
        const ProjectSection section = fields[i].section;
        const bool wanted = sectionWanted(section);
        if (wanted)
            out_.section(SectionName(section));
        for (; i < fields.size() && fields[i].section == section; ++i)
            if (wanted)
                field(fields[i]);
        after(section);
    }
    out_.endSection();
    out_.line(EndOfFileLine);
    out_.line("");
}

void FileWriter::origin()
{
    out_.section(OriginSectionName);
    out_.value("Info", OriginInfo);
    out_.value(OriginVersionKey, std::to_string(EditorVersionMajor) + "." + std::to_string(EditorVersionMinor) + "." +
                                     std::to_string(EditorVersionRevision));
    out_.value("Lng", OriginLanguage);
    out_.value("URL", MakerURL);
    out_.section(IdSectionName);
    out_.value("AppID", EditorAppID);
    const CalendarDate today = Today();
    out_.section(DateCreatedSectionName);
    out_.value("Y", static_cast<long>(today.year));
    out_.value("M", static_cast<long>(today.month));
    out_.value("D", static_cast<long>(today.day));
}

bool FileWriter::sectionWanted(ProjectSection section) const
{
    if (section != ProjectSection::PortavoLink)
        return true;
    const SiblingProducts& siblings = Siblings();
    return siblings.PortavoInstalled && !subMenu_ && !(menuFile_ && siblings.PortavoCompactOffice);
}

void FileWriter::field(const ProjectField& f)
{
    switch (f.kind) {
    case FieldKind::Text:
    case FieldKind::NumberText:
    case FieldKind::Caption:
    case FieldKind::Path:
    case FieldKind::Folder:
        out_.value(f.key, textOf(f));
        break;
    case FieldKind::Int16:
    case FieldKind::Alignment:
        out_.value(f.key, f.int16 == &MenuProject::UseAutorun && subMenu_ ? 0L : static_cast<long>(p_.*f.int16));
        break;
    case FieldKind::Int32:
    case FieldKind::Colour:
        out_.value(f.key, static_cast<long>(p_.*f.int32));
        break;
    case FieldKind::TextFlag:
    case FieldKind::NumberFlag:
    case FieldKind::NonZeroFlag:
        out_.flag(f.key, p_.*f.flag);
        break;
    }
}

std::string FileWriter::textOf(const ProjectField& f) const
{
    const std::string& value = p_.*f.text;
    if (f.text == &MenuProject::CreateDestDir && subMenu_)
        return p_.Wizard.DestDir;
    if (f.text == &MenuProject::CaptionText && subMenu_)
        return p_.Wizard.CaptionText;
    if (f.text == &MenuProject::BlendDepth && value.empty())
        return "100";
    // A title spaced out character by character is drawn letter by letter, so its
    // ampersands are never accelerator marks.
    if (f.text == &MenuProject::TitleText)
        return caption(subMenu_ ? p_.Wizard.TitleText : value, p_.TitleCharInterSpace == "0");
    if (f.text == &MenuProject::SubTitleText)
        return caption(value, p_.SubTitleCharInterSpace == 0);
    return f.kind == FieldKind::Caption ? encoded(value) : value;
}

// The sections and keys that are not project members, after the section they follow.
void FileWriter::after(ProjectSection section)
{
    switch (section) {
    case ProjectSection::AppIcon:
        if (menuFile_) {
            const EditorOptions& options = Options();
            out_.section(ExeFilenameSectionName);
            out_.value("ExeFilename", p_.isUsbProject() ? options.USBStickExeFileName : options.CDExeFileName);
        }
        break;
    case ProjectSection::Buttons: {
        const int count = subMenu_ ? p_.Wizard.usedCount() : static_cast<int>(p_.Buttons.size());
        out_.flag("AddArrowToButton", Options().AddArrowToButton);
        out_.value(ButtonCountKey, static_cast<long>(count));
        out_.section(ButtonDataSectionName);
        for (int n = 1; n <= count; ++n)
            buttonEntry(n, subMenu_ ? p_.Wizard.record(n) : p_.Buttons[static_cast<size_t>(n - 1)]);
        break;
    }
    case ProjectSection::Movie:
        if (addFonts_)
            fontSection();
        break;
    case ProjectSection::Text:
        editorWideSections();
        break;
    default:
        break;
    }
}

void FileWriter::buttonEntry(int n, const MenuButton& b)
{
    // One key buffer for the entry's ~30 keys: "Button" + n + field key.
    std::string key = ButtonKey(n, "");
    const size_t prefixSize = key.size();
    auto keyOf = [&](std::string_view field) -> const std::string& {
        key.resize(prefixSize);
        key += field;
        return key;
    };
    auto put = [&](int pos, std::string_view value) {
        out_.value(keyOf(ButtonFieldTable[static_cast<size_t>(pos)].key), value);
    };

    put(FieldText, caption(RemoveDashSpacing(b.Text, menuFile_), true));
    put(FieldCmd, CommandOrTitleMarker(b.Cmd, menuFile_));
    for (int pos = FieldLink; pos < FieldPswProtect; ++pos) {
        if (pos == FieldTip)
            put(pos, encoded(b.Tip));
        else if (pos == FieldHide && menuFile_ && !subMenu_ && !p_.isUsbProject() && b.Cmd == "Install StickGuard")
            put(pos, "1");  // StickGuard only helps USB flash drives
        else
            put(pos, b.field(pos));
    }

    if (!subMenu_ && b.PswProtect == "1") {
        if (menuFile_) {
            out_.value(keyOf(MenuPswProtectKey), ScrambleText(b.PswProtect));
            // The medium never holds the password: an encrypted file is checked by its own
            // key check, any other button by a salted verifier (which only hides the file).
            if (b.PswEncrypt != "1")
                out_.value(keyOf(MenuPswVerifierKey), passwordVerifier(b.Psw));
            out_.value(keyOf(MenuPswAsteriskKey), b.PswAsterisk);
            out_.value(keyOf(MenuPswEncryptKey), b.PswEncrypt);
        } else {
            put(FieldPswProtect, b.PswProtect);
            put(FieldPsw, b.Psw);
            put(FieldPswAsterisk, b.PswAsterisk);
            put(FieldPswEncrypt, b.PswEncrypt);
        }
        put(FieldPswDlgTitle, b.PswDlgTitle);
        put(FieldPswDlgText, b.PswDlgText);
        put(FieldPswIsWrongTitle, b.PswIsWrongTitle);
        put(FieldPswIsWrongText, b.PswIsWrongText);
    }

    put(FieldWaitInfoText, encoded(b.WaitInfoText));
    put(FieldRunAsAdministrator, b.RunAsAdministrator);
    put(FieldRunProgramMaximized, b.RunProgramMaximized);
}

void FileWriter::fontSection()
{
    FontFilesListed() = false;
    out_.section(FontsSectionName);
    fontEntries("TF", p_.TitleFontName);
    fontEntries("STF", p_.SubTitleFontName);
    fontEntries("BF", p_.ButtonFontName);
}

// Lists the installed font files of one font's family, skipping fonts every Windows has.
void FileWriter::fontEntries(const char* prefix, const std::string& fontName)
{
    const platform::Fonts* fonts = platform::services().fonts;
    if (!fonts || fontName.empty() || fonts->IsWindowsBasicFont(fontName) != 0)
        return;
    const std::string key = prefix;
    int n = 1;
    std::string lastFile;
    std::string face, displayName, fileName;
    for (int k = 0; k <= 100 && fonts->GetFontFamilyInformation(fontName, k, face); ++k) {
        for (int j = 0; j <= 9999 && fonts->GetFontInformation(j, displayName, fileName); ++j) {
            std::string name = displayName, suffix;
            for (const char* kind : {" (TrueType)", " (OpenType)"}) {
                size_t at = displayName.find(kind);
                if (at != std::string::npos && at >= 1) {
                    name = displayName.substr(0, at);
                    suffix = kind;
                    break;
                }
            }
            if (name != face || platform::equalsNoCase(fileName, lastFile))
                continue;
            out_.value(key + "_Font" + std::to_string(n), name + suffix);
            out_.value(key + "_File" + std::to_string(n), fileName);
            lastFile = fileName;
            ++n;
            FontFilesListed() = true;
        }
    }
}

void FileWriter::editorWideSections()
{
    const EditorOptions& options = Options();

    out_.section(ShowDocTextSectionName);
    for (int i = 0; i < DocErrorGroups; ++i)
        out_.value("DocErr_FileExt" + std::to_string(i + 1), options.DocErr_FileExt[static_cast<size_t>(i)]);
    for (int i = 0; i < DocErrorGroups; ++i)
        out_.value("DocErr_Title" + std::to_string(i + 1), options.DocErr_Title[static_cast<size_t>(i)]);
    for (int i = 0; i < DocErrorGroups; ++i)
        out_.value("DocErr_Text" + std::to_string(i + 1), options.DocErr_Text[static_cast<size_t>(i)]);

    out_.section(PdfSectionName);
    out_.value("InfoBoxTitle", options.PDF_InfoBoxTitle);
    out_.value("InfoBoxText", options.PDF_InfoBoxText);
    out_.value("InfoBoxURL", options.PDF_InfoBoxURL);
    out_.value("InfoBoxURLButText", options.PDF_InfoBoxURLButText);

    if (!menuFile_)
        return;
    out_.section(RtfPrintSectionName);
    out_.value("AddPrintSupportForRTFDocuments", static_cast<long>(options.AddPrintSupportForRTFDocuments));
    out_.value("ButtonText", "Print");
    out_.value("InfoTitle", "Print");
    out_.value("InfoText", "WordPad in Windows will now be started. You can print the document from WordPad.");

    if (options.OfferSocialMedia && p_.IncludeSocialMediaLogos != 0) {
        out_.section(SocialMediaSectionName);
        for (int i = 0; i < SocialNetworks; ++i) {
            const std::string network = SocialNetworkNames[static_cast<size_t>(i)];
            const SocialMediaOption& media = options.SocialMedia[static_cast<size_t>(i)];
            out_.value(network + "_ShowLogo", static_cast<long>(media.ShowLogo));
            out_.value(network + "_URL", media.URL);
            out_.value(network + "_TipText", encoded(media.TipText));
        }
    }
}

}  // namespace

void StoreOptionsOnFile(const MenuProject& project, ProfileWriter& out, WriteOptions options)
{
    FileWriter(project, out, options).write();
}

std::string StoreOptionsToText(const MenuProject& project, WriteOptions options)
{
    ProfileWriter out;
    StoreOptionsOnFile(project, out, options);
    return out.finish();
}

}  // namespace orv
