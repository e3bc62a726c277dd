// Context numbers of the bundled help: each window's Help button (and F1) opens the page
// help/<number>.html of the editor's folder; 0 opens the contents.
#pragma once

namespace orv::editor::help {

enum Topic : int {
    Contents = 0,

    // Main window tabs
    WindowTab = 10,
    TitleTab = 11,
    ButtonsTab = 12,
    ButtonsTextTab = 13,
    PicturesTab = 14,
    SoundTab = 15,
    MoviesTab = 16,
    VersionTab = 17,

    // Creating and testing a menu
    CreateMenu = 20,
    SelectFolder = 21,
    CreationReport = 22,
    PortavoLinkSettings = 23,
    StickGuardButton = 24,
    StickGuardInformation = 25,
    DetailedCopyError = 26,
    TestRun = 27,

    // Options
    Options = 30,
    OptionsButtonTexts = 31,
    OptionsSocialMedia = 32,

    // Buttons
    AddButton = 52,
    EditButton = 56,

    // Start-up
    StartWindow = 40,
    ProjectType = 41,
    ProjectFolder = 42,
    AppTour = 43,
    BasicStyle = 44,
    ButtonPlacement = 45,
};

}  // namespace orv::editor::help
