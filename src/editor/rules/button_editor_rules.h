// The button editor's rules without widgets: the command catalogue, the field layout per
// command, what leaving a field and browsing do, the checks of OK and the entry it gives back.
// The dialog mirrors ButtonEditorState in its controls and calls these rules.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/rules/button_edit_request.h"
#include "model/menu_button.h"
#include "model/menu_project.h"

namespace orv::editor {

// The commands a button can carry, plus the two group headings of the list.
enum class ButtonCommand {
    RunProgram,
    RunProgramAndClose,
    ShowDocument,
    ShowInternetPage,
    PlayMovie,
    PlayMusic,
    PlayFlash,
    ShowRtfDocument,
    OpenExcelFile,
    OpenPictureGallery,
    OpenFolder,
    SendEmail,
    MenuHeading,
    OpenNewMenu,
    ReturnToPreviousMenu,
    ReturnToMainMenu,
    OtherHeading,
    InstallStickGuard,
    Exit,
};

struct ButtonCommandRow {
    ButtonCommand command;
    std::string text;         // the Cmd value, or the heading ("- Menu -")
    std::string pictureKey;   // empty for headings
    std::string pictureFile;  // in the editor's Res folder; empty for headings
    bool heading = false;
};

// The rows of the command list in their fixed order. "Install StickGuard" is offered only in
// USB projects while the sibling USB product is installed.
class ButtonCommandCatalogue {
public:
    explicit ButtonCommandCatalogue(bool withStickGuard);
    static ButtonCommandCatalogue forProject(const MenuProject& project);

    const std::vector<ButtonCommandRow>& rows() const { return rows_; }
    int count() const { return static_cast<int>(rows_.size()); }
    // Rows are numbered from 1.
    const ButtonCommandRow& row(int number) const { return rows_.at(static_cast<size_t>(number - 1)); }
    // The first row whose text equals name exactly; 0 when there is none.
    int find(const std::string& name) const;
    int rowOf(ButtonCommand command) const;  // 0 when the list does not hold it
    int exitRow() const { return count(); }

private:
    std::vector<ButtonCommandRow> rows_;
};

// What the dialog shows for the selected command.
struct ButtonEditorLayout {
    std::string targetCaption;
    bool targetEnabled = true;
    bool browseEnabled = false;  // the browse button and the Source File field
    std::string sourceFileCaption;
    std::string parametersCaption;
    bool parametersEnabled = true;
    bool parametersVisible = true;
    bool wordBoxVisible = false;
    bool mediaPlayerVisible = false;
    bool pictureFrameVisible = false;     // "Bitmap Button"
    bool pictureFolderVisible = false;
    bool pictureOptionsVisible = false;   // "Bitmap Button Options"
};

// The dialog's values. The entry holds the text fields of the controls (Text, Link, Bmp, Tip,
// BmpFolder, AppParam, SourceFile, UseMediaPlayer, UseBmpSize, BmpTransType) and every field
// without a control of its own, flags already as "1"/"0".
struct ButtonEditorState {
    MenuButton entry;
    int row = 1;                   // selected row of the command list
    bool wordChecked = false;      // "Open document with Microsoft Word"
    bool fileJustChosen = false;   // a movie extension switches the command only then
    std::string browseFolder;      // where the next file dialog starts
};

inline constexpr const char* WordParameter = "WORD";

class ButtonEditorRules {
public:
    // Loads the entry: flags read as on exactly when "1" (ShowDialogBoxes unless "0"), empty
    // offsets as 0, a CSF that is not one character as 1, non-numeric colours as 0; selects the
    // entry's command (an unknown command leaves the last row, "Exit", selected).
    explicit ButtonEditorRules(const ButtonEditRequest& request);

    ButtonEditorState state;

    const ButtonCommandCatalogue& catalogue() const { return catalogue_; }
    ButtonCommand command() const { return catalogue_.row(state.row).command; }
    bool isNew() const { return isNew_; }
    std::string caption() const { return isNew_ ? "Add Button" : "Edit Button"; }

    ButtonEditorLayout layout() const;

    void selectRow(int row);
    // The button text "Exit" (any case) selects the Exit command.
    void textChanged();
    // Leaving the target field: drive letter, "@" and the extension's command.
    void targetLeft();
    // Leaving the Folder field: a picture file name there is only warned about.
    void folderLeft();

    // The file dialog's filter for the target of the current command.
    std::string targetFilter() const;
    // Browses for the target through the user interface, starting in the command's last
    // folder of the editor options; false when cancelled.
    bool browseTarget();
    // Takes a file chosen for the target (the part of browsing after the dialog).
    void takeTargetFile(const std::string& path);
    bool browsePicture();
    void takePictureFile(const std::string& path);

    // The answer of the options dialog: its entry replaces the held one.
    void takeOptions(const ButtonOptionsOutcome& outcome);

    // OK: runs the checks in order; the first failure shows its message and returns false.
    // focusTarget is set when the target field should get the focus. A confirmed entry leaves
    // its picture folder for the next new entry.
    bool accept(bool* focusTarget = nullptr);
    bool confirmed() const { return confirmed_; }

    // The edited entry as the caller stores it.
    MenuButton result() const;

private:
    ButtonCommandCatalogue catalogue_;
    bool isNew_;
    int rowNumber_;
    std::int16_t projectType_;
    std::string style_;
    std::vector<MenuButton> rows_;
    bool confirmed_ = false;
    bool wordVisibleAtOk_ = false;
    std::string chosenCommand_;
};

// The entry with every flag, number and option in the encoding the files use.
MenuButton NormalizedButtonEntry(MenuButton entry);

}  // namespace orv::editor
