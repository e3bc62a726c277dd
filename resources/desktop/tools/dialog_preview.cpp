// Shows one of the editor's dialogs on its own, filled with sample values, for the
// screenshots of the documentation (docs/screenshots). Not installed; built on request:
//   cmake --build build --target orv_dialog_preview
//   ORVANTO_HOME=$(mktemp -d) build/resources/desktop/orv_dialog_preview options
// Without a name it lists the names it knows.
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QApplication>
#include <QTabWidget>

#include "create/create_dialog.h"
#include "create/creation_observer.h"
#include "create/usb_cooperation.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/app_tour_dialog.h"
#include "editor/dialogs/button_editor_dialog.h"
#include "editor/dialogs/create_menu_dialog.h"
#include "editor/dialogs/creation_progress_dialog.h"
#include "editor/dialogs/detailed_error_dialog.h"
#include "editor/dialogs/effects/button_effects_dialogs.h"
#include "editor/dialogs/effects/movie_options_dialog.h"
#include "editor/dialogs/effects/picture_option_dialogs.h"
#include "editor/dialogs/effects/title_effect_dialogs.h"
#include "editor/dialogs/effects/window_dialogs.h"
#include "editor/dialogs/menu_created_dialog.h"
#include "editor/dialogs/options_button_texts_dialog.h"
#include "editor/dialogs/options_dialog.h"
#include "editor/dialogs/picture_viewer.h"
#include "editor/dialogs/portavo_info_dialogs.h"
#include "editor/dialogs/portavo_link_settings_dialog.h"
#include "editor/dialogs/project_folder_dialog.h"
#include "editor/dialogs/project_type_dialog.h"
#include "editor/dialogs/select_dir_dialog.h"
#include "editor/dialogs/social_media_dialogs.h"
#include "editor/dialogs/start_window.h"
#include "editor/dialogs/stickguard_offer_dialog.h"
#include "editor/tabs/dialog_launcher.h"
#include "platform/widgets/qt_user_interface.h"
#include "model/editor_options.h"
#include "model/menu_project.h"
#include "model/path_helpers.h"
#include "platform/host/host_services.h"
#include "platform/services.h"
#include "platform/system_folders.h"

using namespace orv;
using namespace orv::editor;

namespace {

MenuProject sampleProject()
{
    MenuProject p;
    p.ProjectType = ProjectTypeUSB;
    p.CreateDestDir = "E:\\";
    p.DiscLabel = "Spring Catalogue 2026";
    p.DiscActionText = "Show the catalogue";
    p.CoOperateWithPortavoLink = true;
    RefreshProjectCaptions(p);
    return p;
}

std::string programFile(const std::string& relative)
{
    return JoinPath(platform::services().folders->ProgramFolder(), relative);
}

using Show = std::function<std::unique_ptr<QWidget>(MenuProject&)>;

// The button editor for a sample entry; "Options..." shows with a stand-in options editor.
std::unique_ptr<QWidget> buttonEditor(MenuProject& project, MenuButton entry, bool isNew)
{
    static auto* dialogs = new DialogLauncher;
    dialogs->setButtonOptionsEditor([](const ButtonEditRequest&, QWidget*) { return std::nullopt; });
    return std::make_unique<ButtonEditorDialog>(ButtonEditRequest{project, std::move(entry), isNew, 2}, *dialogs);
}

std::map<std::string, Show> previews()
{
    static CreateDialogState createState;
    static CreationReport report;
    static DetailedCopyError copyError;
    std::map<std::string, Show> p;
    p["tour"] = [](MenuProject&) { return std::make_unique<AppTourDialog>(); };
    p["project-folder"] = [](MenuProject&) {
        return std::make_unique<ProjectFolderDialog>("/home/ann/Documents/Orvanto");
    };
    p["start"] = [](MenuProject&) {
        Options().RecentFiles = {"...\\My Documents\\Orvanto\\My Projects\\Spring Catalogue.mnp",
                                 "...\\My Documents\\Orvanto\\My Projects\\Training DVD.mnp",
                                 "Z:\\srv\\menus\\Company Presentation.mnp", "", "", ""};
        return std::make_unique<StartWindow>();
    };
    p["project-type"] = [](MenuProject&) { return std::make_unique<ProjectTypeDialog>(false); };
    for (int tab = 0; tab < 5; ++tab)
        p["options-" + std::to_string(tab + 1)] = [tab](MenuProject& project) {
            auto d = std::make_unique<OptionsDialog>(Options(), project);
            d->tabs()->setCurrentIndex(tab);
            return d;
        };
    p["button-texts"] = [](MenuProject&) { return std::make_unique<OptionsButtonTextsDialog>("OK", "Close"); };
    p["tip-text"] = [](MenuProject&) {
        return std::make_unique<SocialMediaTipDialog>(0, "Opens our Facebook page on the web");
    };
    p["more-social-media"] = [](MenuProject&) {
        auto values = DefaultSocialMedia();
        values[3] = {1, "https://www.youtube.com/@example", values[3].TipText};
        return std::make_unique<MoreSocialMediaDialog>(values);
    };
    p["create"] = [](MenuProject& project) {
        createState = LoadCreateDialog(project);
        return std::make_unique<CreateMenuDialog>(project, createState, DefaultCreationObserver());
    };
    p["create-cd"] = [](MenuProject& project) {
        project.ProjectType = ProjectTypeCD;
        project.UseAutorun = 0;
        project.CreateDestDir = "Z:\\home\\ann\\Documents\\Orvanto\\My Created Menus\\Training DVD";
        createState = LoadCreateDialog(project);
        return std::make_unique<CreateMenuDialog>(project, createState, DefaultCreationObserver());
    };
    p["select-folder"] = [](MenuProject&) {
        return std::make_unique<SelectDirDialog>(platform::services().folders->GetMyDocumentsDir());
    };
    p["usb-settings"] = [](MenuProject& project) { return std::make_unique<PortavoLinkSettingsDialog>(project); };
    p["report"] = [](MenuProject& project) {
        report.destination = "E:\\";
        report.lines = {"Following files have been copied to 'E:\\':",
                        "  MENU.EXE  -  (program file)",
                        "  MENU.EXE.manifest  -  (manifest file)",
                        "  ORVNMENU.MNI  -  (data file)",
                        "  AUTORUN.INF",
                        "  SETUP-StickGuard.exe  -  (StickGuard setup program)",
                        "",
                        "Following pictures have been copied:",
                        "  E:\\orvndata\\back.jpg",
                        "  E:\\orvndata\\logo.bmp",
                        "",
                        "Files linked to buttons have been copied"};
        return std::make_unique<MenuCreatedDialog>(report, project);
    };
    p["progress"] = [](MenuProject&) {
        auto d = std::make_unique<CreationProgressDialog>();
        d->begin();
        for (const char* f : {"MENU.EXE", "MENU.EXE.manifest", "orvnmenu.mni", "back.jpg", "logo.bmp"})
            d->copying(f, std::string("E:\\orvndata\\") + f);
        return d;
    };
    p["stickguard-offer"] = [](MenuProject&) { return std::make_unique<StickGuardOfferDialog>(false); };
    p["stickguard-added"] = [](MenuProject&) { return std::make_unique<StickGuardAddedDialog>(); };
    p["stickguard-info"] = [](MenuProject& project) {
        StickGuardSetupCopiedPath() = "E:\\SETUP-StickGuard\\SETUP-STICKGUARD.EXE";
        return std::make_unique<StickGuardInformationDialog>(StickGuardInformationFor(project));
    };
    p["stickguard-info2"] = [](MenuProject& project) {
        AddStickGuardButton(project);
        return std::make_unique<StickGuardInformationDialog>(StickGuardInformationFor(project));
    };
    p["portavo-product"] = [](MenuProject&) { return std::make_unique<PortavoProductDialog>(); };
    p["copy-error"] = [](MenuProject&) {
        copyError = DescribeCopyError("Error (At File Copy)",
                                      "Can't copy the file 'price list.pdf'! The source folder does not exists. "
                                      "See below for details.",
                                      "price list.pdf", "Z:\\srv\\documents\\2026", "E:\\docs");
        return std::make_unique<DetailedErrorDialog>(copyError);
    };
    p["button_run"] = [](MenuProject& project) {
        MenuButton b = NewButtonEntry(project);
        b.Text = "Install the program";
        b.Link = "Files\\Button2\\setup.exe";
        b.AppParam = "/lang=en";
        b.SourceFile = "z:\\srv\\product\\setup.exe";
        b.Tip = "Installs the program on your computer";
        return buttonEditor(project, b, false);
    };
    p["button_document"] = [](MenuProject& project) {
        MenuButton b = NewButtonEntry(project);
        b.Text = "Read the manual";
        b.Cmd = "Show Document";
        b.Link = "Files\\Button2\\manual.doc";
        b.AppParam = "WORD";
        b.SourceFile = "z:\\srv\\documents\\manual.doc";
        b.Tip = "Opens the manual";
        return buttonEditor(project, b, false);
    };
    p["button_bitmap"] = [](MenuProject& project) {
        project.ButtonStyle = 6;  // Bitmap Button
        Options().ShowCDFolders = true;
        MenuButton b = NewButtonEntry(project);
        b.Text = "Pictures";
        b.Cmd = "Open Folder";
        b.Link = "\\pictures";
        b.Bmp = "z:\\srv\\art\\knob.bmp";
        b.BmpFolder = "orvndata\\buttons";
        return buttonEditor(project, b, true);
    };
    p["about"] = [](MenuProject&) { return std::make_unique<AboutDialog>(); };
    p["picture"] = [](MenuProject&) { return std::make_unique<PictureViewer>(programFile("Res\\orvanto.png")); };
    p["button-effects"] = [](MenuProject& project) {
        project.ButtonUseGlasEffect = 1;
        return std::make_unique<DlgButEffects>(project);
    };
    p["button-effects-light"] = [](MenuProject& project) { return std::make_unique<DlgButEffects2>(project); };
    p["button-effects-plastic"] = [](MenuProject& project) { return std::make_unique<DlgButEffects3>(project); };
    p["underline"] = [](MenuProject& project) {
        project.UnderlineType = 2;
        project.UnderlineHeight = 10;
        project.UnderlineColor1 = RgbColour(255, 255, 0);
        project.UnderlineColor2 = RgbColour(255, 0, 0);
        return std::make_unique<DlgUnderline>(project);
    };
    p["title-effects"] = [](MenuProject& project) {
        project.DrawTitleBkgLines = 1;
        return std::make_unique<DlgTitleEffects>(project);
    };
    p["window-effects"] = [](MenuProject& project) {
        project.UseWinEffects = 1;
        project.WinTransparencyLevel = 20;
        return std::make_unique<DlgWinEffects>(project);
    };
    p["subtitle"] = [](MenuProject& project) {
        project.SubTitleText = "Catalogue, price list and videos";
        project.SubTitleFontName = "Times New Roman";
        project.SubTitleFontBold = true;
        return std::make_unique<SubTitle>(project);
    };
    p["start-condition"] = [](MenuProject& project) {
        project.Registry_HKEY = "HKEY_CURRENT_USER";
        project.Registry_SubKey = "Software\\Example\\Catalogue";
        project.Registry_ValueName = "Installed";
        project.Registry_Value = "1";
        return std::make_unique<DlgTab1Adv>(project);
    };
    p["background-options"] = [](MenuProject& project) {
        project.StretchBackPicture = 1;
        return std::make_unique<DlgBackPictureOptions>(project);
    };
    p["background-position"] = [](MenuProject&) { return std::make_unique<DlgBackPictureAdvancedOptions>(true, 40, 30); };
    p["logotype-options"] = [](MenuProject& project) {
        project.LogotypePictureSrc = "Z:\\srv\\logos\\logo.wmf";
        project.DrawTransparentLogotype = true;
        project.LogotypeURL = "https://www.example.com";
        project.LogotypeTipText = "Visit our web site";
        return std::make_unique<DlgLogotypeOptions>(project);
    };
    p["logotype-size"] = [](MenuProject&) { return std::make_unique<WMFLogoSize>("100", "80", 500, 400); };
    p["movie-options"] = [](MenuProject& project) {
        project.MovieWinTitle = "Introduction";
        project.MovieWinUseCloseButton = 1;
        return std::make_unique<DlgMovieMoreOptions>(project);
    };
    return p;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::QtUserInterface ui;
    platform::HostServices services(&ui);
    ReadEditorOptions();

    auto all = previews();
    const std::string name = argc > 1 ? argv[1] : "";
    auto found = all.find(name);
    if (found == all.end()) {
        for (const auto& [known, show] : all)
            std::printf("%s\n", known.c_str());
        return name.empty() ? 0 : 2;
    }
    MenuProject project = sampleProject();
    std::unique_ptr<QWidget> window = found->second(project);
    window->show();
    return app.exec();
}
