#include "editor/rules/button_editor_rules.h"

#include <algorithm>
#include <cstdlib>

#include "editor/rules/code_page_rules.h"
#include "model/button_list.h"
#include "model/editor_options.h"
#include "model/path_helpers.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/text_case.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

using C = ButtonCommand;

constexpr const char* BitmapButtonStyle = "Bitmap Button";
constexpr const char* ImageHotspotStyle = "Image / Hotspot";

bool startsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

bool isOneOf(const std::string& value, std::initializer_list<const char*> values)
{
    return std::any_of(values.begin(), values.end(), [&](const char* v) { return value == v; });
}

// The leading decimal integer of a text as a basic program's Val reads it; 0 when none.
long long leadingNumber(const std::string& text)
{
    const std::string trimmed = TrimmedText(text);
    return std::strtoll(trimmed.c_str(), nullptr, 10);
}

// Where the file dialog of each command starts and where the chosen folder is remembered.
std::string EditorOptions::* lastFolderOf(ButtonCommand command)
{
    switch (command) {
    case C::RunProgram:
    case C::RunProgramAndClose: return &EditorOptions::LastProgramDir;
    case C::ShowDocument: return &EditorOptions::LastDocumentDir;
    case C::PlayMovie: return &EditorOptions::LastMovieDir;
    case C::PlayFlash: return &EditorOptions::LastFlashDir;
    case C::OpenExcelFile: return &EditorOptions::LastExcelDir;
    default: return nullptr;
    }
}

std::string& lastPictureFolder()
{
    static std::string folder;
    return folder;
}

platform::UserInterface& ui() { return *platform::services().ui; }

}  // namespace

ButtonCommandCatalogue::ButtonCommandCatalogue(bool withStickGuard)
{
    rows_ = {
        {C::RunProgram, "Run Program", "ButApp1", "ButApp.bmp"},
        {C::RunProgramAndClose, "Run Program & Close", "ButApp2", "ButApp.bmp"},
        {C::ShowDocument, "Show Document", "ButDoc", "ButDoc.bmp"},
        {C::ShowInternetPage, "Show Internet Page", "ButInt", "ButInt.bmp"},
        {C::PlayMovie, "Play Movie", "ButMov", "ButMov.bmp"},
        {C::PlayMusic, "Play Music", "ButMusic", "ButMus.bmp"},
        {C::PlayFlash, "Play Flash Animation", "ButFlash", "ButFlash.bmp"},
        {C::ShowRtfDocument, "Show RTF Document", "ButRTF", "ButRTF.bmp"},
        {C::OpenExcelFile, "Open Excel File", "ButExcel", "ButExcel.gif"},
        {C::OpenPictureGallery, "Open Picture Gallery", "ButOPG", "ButOPG.bmp"},
        {C::OpenFolder, "Open Folder", "ButExp", "ButExp.bmp"},
        {C::SendEmail, "Send E-mail", "ButMail", "ButMail.bmp"},
        {C::MenuHeading, "- Menu -", "", "", true},
        {C::OpenNewMenu, "Open New Menu", "ButMenuO", "ButMenu.bmp"},
        {C::ReturnToPreviousMenu, "Return To Previous Menu", "ButMenuR", "ButMenu.bmp"},
        {C::ReturnToMainMenu, "Return To Main Menu", "ButMenuRoot", "ButMenu.bmp"},
        {C::OtherHeading, "- Other -", "", "", true},
    };
    if (withStickGuard)
        rows_.push_back({C::InstallStickGuard, "Install StickGuard", "ButUSB", "ButUSB.bmp"});
    rows_.push_back({C::Exit, "Exit", "ButExi", "ButExi.bmp"});
}

ButtonCommandCatalogue ButtonCommandCatalogue::forProject(const MenuProject& project)
{
    return ButtonCommandCatalogue(project.isUsbProject() && Siblings().PortavoInstalled);
}

int ButtonCommandCatalogue::find(const std::string& name) const
{
    for (int n = 1; n <= count(); ++n)
        if (row(n).text == name)
            return n;
    return 0;
}

int ButtonCommandCatalogue::rowOf(ButtonCommand command) const
{
    for (int n = 1; n <= count(); ++n)
        if (row(n).command == command)
            return n;
    return 0;
}

MenuButton NormalizedButtonEntry(MenuButton b)
{
    for (std::string* flag : {&b.Hide, &b.PswProtect, &b.PswAsterisk, &b.PswEncrypt, &b.RunAsAdministrator,
                              &b.RunProgramMaximized, &b.UseMediaPlayer, &b.UseBmpSize})
        *flag = *flag == "1" ? "1" : "0";
    b.ShowDialogBoxes = b.ShowDialogBoxes == "0" ? "0" : "1";
    for (std::string* flag : {&b.BCUse, &b.NoHG})
        *flag = *flag == "1" ? "1" : "";
    for (std::string* number : {&b.DeltaX, &b.DeltaY})
        *number = std::to_string(leadingNumber(*number));
    if (!isOneOf(b.DeltaType, {"1", "2", "3", "4", "5"}))
        b.DeltaType = "1";
    if (!isOneOf(b.CSF, {"1", "2", "3"}))
        b.CSF = "1";
    if (!isOneOf(b.BmpTransType, {"1", "2", "3"}))
        b.BmpTransType = "1";
    for (std::string* colour : {&b.BC1, &b.BC2, &b.BC3, &b.BC4}) {
        const std::string text = TrimmedText(*colour);
        char* end = nullptr;
        const long long value = std::strtoll(text.c_str(), &end, 10);
        *colour = std::to_string(!text.empty() && *end == '\0' ? static_cast<Colour>(value) : 0);
    }
    return b;
}

ButtonEditorRules::ButtonEditorRules(const ButtonEditRequest& request)
    : catalogue_(ButtonCommandCatalogue::forProject(request.project)),
      isNew_(request.isNew),
      rowNumber_(request.rowNumber),
      projectType_(request.project.ProjectType),
      style_(ButtonStyleName(request.project.ButtonStyle)),
      rows_(request.project.Buttons)
{
    state.entry = NormalizedButtonEntry(request.entry);
    const std::string initial = isNew_ && state.entry.Cmd.empty() ? "Run Program" : state.entry.Cmd;
    const int found = catalogue_.find(initial);
    state.row = found ? found : catalogue_.exitRow();
    state.wordChecked = platform::upperLatin1(state.entry.AppParam) == WordParameter;
    state.fileJustChosen = isNew_;
}

ButtonEditorLayout ButtonEditorRules::layout() const
{
    ButtonEditorLayout l;
    const bool usb = projectType_ == ProjectTypeUSB;
    const std::string fileCaption = usb ? "&Filename (USB):" : "&Filename (disc):";
    const std::string folderCaption = usb ? "&Folder (USB):" : "&Folder (disc):";
    l.targetCaption = fileCaption;
    l.browseEnabled = true;
    l.sourceFileCaption = "Source Fil&e:";
    l.parametersCaption = "&Parameters:";

    switch (command()) {
    case C::RunProgram:
    case C::RunProgramAndClose:
    case C::OpenExcelFile:
        break;
    case C::ShowDocument:
        l.wordBoxVisible = contains(platform::foldCase(state.entry.Link), ".doc");
        l.parametersVisible = !l.wordBoxVisible;
        break;
    case C::ShowInternetPage:
        l.targetCaption = "&Web Page (URL):";
        l.browseEnabled = false;
        l.parametersEnabled = false;
        break;
    case C::PlayMovie:
        l.parametersVisible = false;
        l.mediaPlayerVisible = true;
        break;
    case C::PlayMusic:
    case C::ShowRtfDocument:
        l.parametersEnabled = false;
        break;
    case C::PlayFlash:
        l.parametersCaption = "&Window Title:";
        break;
    case C::OpenPictureGallery:
    case C::OpenFolder:
        l.targetCaption = folderCaption;
        l.browseEnabled = false;
        l.parametersEnabled = false;
        break;
    case C::SendEmail:
        l.targetCaption = "To:";
        l.browseEnabled = false;
        l.parametersCaption = "Subject:";
        break;
    case C::OpenNewMenu:
        l.sourceFileCaption = "Menu File (.MNI):";
        l.parametersEnabled = false;
        break;
    case C::MenuHeading:
    case C::OtherHeading:
    case C::ReturnToPreviousMenu:
    case C::ReturnToMainMenu:
    case C::InstallStickGuard:
    case C::Exit:
        l.targetEnabled = false;
        l.browseEnabled = false;
        l.parametersEnabled = false;
        break;
    }

    l.pictureFrameVisible = style_ == BitmapButtonStyle || style_ == ImageHotspotStyle;
    l.pictureFolderVisible = l.pictureFrameVisible && Options().ShowCDFolders;
    l.pictureOptionsVisible = style_ == ImageHotspotStyle;
    return l;
}

void ButtonEditorRules::selectRow(int row)
{
    if (row >= 1 && row <= catalogue_.count())
        state.row = row;
}

void ButtonEditorRules::textChanged()
{
    if (platform::equalsNoCase(state.entry.Text, "Exit"))
        selectRow(catalogue_.exitRow());
}

void ButtonEditorRules::targetLeft()
{
    std::string& link = state.entry.Link;
    const ButtonCommand cmd = command();
    if (cmd == C::OpenPictureGallery || cmd == C::OpenFolder) {
        if (startsWith(link, "@"))
            link.erase(0, 1);
        link = StripDriveLetter(link);
        return;
    }
    if (cmd == C::ShowInternetPage)
        return;
    if (!startsWith(link, "@"))
        link = StripDriveLetter(link);
    const size_t dot = link.rfind('.');
    const std::string ext = dot == std::string::npos ? "" : platform::foldCase(link.substr(dot + 1));
    if (isOneOf(ext, {"doc", "txt", "pdf", "htm", "html", "ppt", "mdb"})) {
        selectRow(catalogue_.rowOf(C::ShowDocument));
    } else if (ext == "rtf") {
        selectRow(catalogue_.rowOf(C::ShowRtfDocument));
    } else if (isOneOf(ext, {"mov", "avi", "mpg", "mpeg"})) {
        if (state.fileJustChosen)
            selectRow(catalogue_.rowOf(C::PlayMovie));
        state.fileJustChosen = false;
    }
}

void ButtonEditorRules::folderLeft()
{
    std::string& folder = state.entry.BmpFolder;
    folder = StripDriveLetter(folder);
    if (startsWith(folder, "@"))
        folder.erase(0, 1);
    if (contains(platform::foldCase(folder), ".bmp"))
        ui().Message("The contents in 'Folder' seems to be a filename! You must specify a valid folder in the "
                     "'Folder' field.",
                     platform::MsgWarning, "Incorrect Data");
}

std::string ButtonEditorRules::targetFilter() const
{
    switch (command()) {
    case C::RunProgram:
        return "Program Files (*.exe)|*.exe|MSI Installations (*.msi)|*.msi|All Files (*.*)|*.*";
    case C::RunProgramAndClose: return "Program Files (*.exe)|*.exe|All Files (*.*)|*.*";
    case C::ShowDocument:
        return "All Files (*.*)|*.*|PDF Files (*.pdf)|*.pdf|Word Files (*.doc;*.docx)|*.doc;*.docx|"
               "HTML Files (*.htm;*.html)|*.htm;*.html|Text Files (*.txt)|*.txt|"
               "PowerPoint Files (*.ppt;*.pps;*.pptx;*.ppsx)|*.ppt;*.pps;*.pptx;*.ppsx|"
               "Excel Files (*.xls;*.xlsx)|*.xls;*.xlsx";
    case C::PlayFlash: return "Flash Files (*.swf)|*.swf";
    case C::ShowRtfDocument: return "RTF documents (*.rtf)|*.rtf|All Files (*.*)|*.*";
    case C::OpenExcelFile:
        return "Excel Workbooks (*.xls;*.xlsx)|*.xls;*.xlsx|Excel Templates (*.xltx)|*.xltx|"
               "Macro-enabled Excel Workbooks (*.xlsm)|*.xlsm|Macro-enabled Excel Templates (*.xltm)|*.xltm";
    case C::OpenNewMenu: return "MNI Files (*.mni)|*.mni";
    default: return "All Files (*.*)|*.*";
    }
}

bool ButtonEditorRules::browseTarget()
{
    if (auto last = lastFolderOf(command()))
        state.browseFolder = Options().*last;
    std::optional<std::string> file = ui().PickOpenFile("Select File", {targetFilter()}, state.browseFolder);
    if (!file || file->empty() || !TakeChosenPath(*file))
        return false;
    takeTargetFile(*file);
    return true;
}

void ButtonEditorRules::takeTargetFile(const std::string& path)
{
    MenuButton& b = state.entry;
    b.SourceFile = platform::foldCase(path);
    if (!b.Link.empty() && ui().Message("Du you want to update the 'Filename' field?",
                                        platform::MsgYesNo + platform::MsgQuestion,
                                        "Filename") == platform::AnswerYes)
        b.Link.clear();
    if (b.Link.empty()) {
        if (Options().UseButtonNrAsDefault && command() != C::OpenNewMenu)
            b.Link = "Files\\Button" + std::to_string(rowNumber_) + "\\" + FileNamePart(path);
        else
            b.Link = platform::foldCase(path);
    }
    state.browseFolder = PathDirectoryPart(path);
    if (auto last = lastFolderOf(command()))
        Options().*last = state.browseFolder;
    state.fileJustChosen = true;
    if (b.CSF == "1" && Options().CopyLinkedButtonFiles)
        b.CSF = "2";
    targetLeft();
}

bool ButtonEditorRules::browsePicture()
{
    std::optional<std::string> file =
        ui().PickOpenFile("Select Bitmap", {"Bitmaps (*.bmp)|*.bmp"}, lastPictureFolder());
    if (!file || file->empty() || !TakeChosenPath(*file))
        return false;
    takePictureFile(*file);
    return true;
}

void ButtonEditorRules::takePictureFile(const std::string& path)
{
    state.entry.Bmp = platform::foldCase(path);
    lastPictureFolder() = PathDirectoryPart(path);
    state.entry.BmpFolder = "orvndata\\buttons";
}

void ButtonEditorRules::takeOptions(const ButtonOptionsOutcome& outcome)
{
    state.entry = NormalizedButtonEntry(outcome.entry);
}

bool ButtonEditorRules::accept(bool* focusTarget)
{
    if (focusTarget)
        *focusTarget = false;
    confirmed_ = false;
    MenuButton& b = state.entry;

    wordVisibleAtOk_ = layout().wordBoxVisible;
    if (catalogue_.row(state.row).text.starts_with("-"))
        selectRow(state.row + 1);
    b.Link = TrimmedText(b.Link);

    const ButtonCommand cmd = command();
    const bool encrypted = b.PswProtect == "1" && b.PswEncrypt == "1";
    if (contains(FileNamePart(b.Link), "*.")) {
        if (cmd != C::RunProgram && cmd != C::RunProgramAndClose && cmd != C::ShowDocument) {
            ui().Message("A wildcard character (*) can not be used  with this command! Wildcard characters can "
                         "only be used with the commands 'Run Program', 'Run Program & Close' and 'Show "
                         "Document'.",
                         platform::MsgWarning, "Invalid character");
            return false;
        }
        if (encrypted) {
            ui().Message("A wildcard character (*) can not be used with encryption!", platform::MsgWarning,
                         "Invalid character");
            return false;
        }
        if (!b.SourceFile.empty() || b.CSF != "1") {
            if (ui().Message("You have entered a wildcard character (an asterisk: *) in the destination path's "
                             "filename. This is allowed, but some settings must be changed before you can "
                             "proceed. The source file path will be removed and no attempt will be made to "
                             "copy the source file at menu creation (the button's file copy option will be "
                             "changed). Do you want to update the settings and keep the wildcard?",
                             platform::MsgYesNo + platform::MsgQuestion, "Information") != platform::AnswerYes)
                return false;
            b.CSF = "1";
            b.SourceFile.clear();
        }
    }
    if (encrypted && b.SourceFile.empty()) {
        ui().Message("You have chosen to password protect and encrypt the file linked to button, but no source "
                     "file has been specified. The file can not be encrypted without a path to a source file.",
                     platform::MsgInformation, "Information");
        return false;
    }
    if (!b.Link.empty() && cmd == C::ShowInternetPage) {
        const std::string address = b.Link.size() >= 2 && startsWith(b.Link, "@") ? b.Link.substr(1) : b.Link;
        if (platform::URLAddressValid(address) == 0) {
            ui().Message("The specified URL is not legal. Must be a legal Internet path using the HTTP protocol.",
                         platform::MsgError, "Error");
            ui().Message("If you want to open a local web page (with the filename extension .HTM or .HTML, "
                         "located on you CD, DVD or USB drive) you can use the 'Show Document' command "
                         "instead. The 'Show Internet Page' command can only be used to open web pages on the "
                         "Internet.",
                         platform::MsgInformation, "If You Want to Open a Local Web Page");
            return false;
        }
    }
    if (!b.Bmp.empty() && style_ == BitmapButtonStyle && b.BmpFolder.empty()) {
        ui().Message("The 'Folder' field can not be empty if the bitmap button style is selected. In 'Folder' "
                     "you must specify the name of the folder on the CD where the bitmap will be stored.",
                     platform::MsgError, "Error");
        return false;
    }
    if (contains(b.Link, "%SRCDRV")) {
        ui().Message("The '%SRCDRV' variable can only be used in the 'Parameters' field! It is not allowed in "
                     "other fields in this dialog box.",
                     platform::MsgWarning, "Warning");
        if (focusTarget)
            *focusTarget = true;
        return false;
    }
    if (isNew_) {
        if (AllOtherButtonsHave_NextFreePosOption_On(rows_))
            b.DeltaType = "4";
        if (AllOtherButtonsHave_NoDistanceOption_On(rows_))
            b.DeltaType = "5";
    }
    confirmed_ = true;
    chosenCommand_ = catalogue_.row(state.row).text;
    return true;
}

MenuButton ButtonEditorRules::result() const
{
    MenuButton b = NormalizedButtonEntry(state.entry);
    b.Cmd = confirmed_ ? chosenCommand_ : catalogue_.row(state.row).text;
    if (command() == C::ShowDocument && wordVisibleAtOk_)
        b.AppParam = state.wordChecked ? WordParameter : "";
    return b;
}

}  // namespace orv::editor
