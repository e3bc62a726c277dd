#include "templates/basic_styles.h"

#include <array>

#include "create/usb_cooperation.h"
#include "model/button_list.h"
#include "model/editor_options.h"
#include "model/session_state.h"
#include "model/sibling_products.h"
#include "templates/basic_style_catalogue.h"

namespace orv {

namespace {

SessionState::NewProjectChoices& choices() { return Session().newProject; }

bool underlineChoice()
{
    return choices().underlineTitle.value_or(Options().UnderlineMenuTitle);
}

bool isEmptyProject(int color, int layout)
{
    return color == StyleWhite2 && (layout == 7 || layout == 8);
}

std::string sample(const std::string& programFolder, const char* folder, const char* file)
{
    return programFolder + "\\" + folder + "\\" + file;
}

// The rows the sample buttons start with, by the first rule that fits.
void addSampleButtons(MenuProject& p, int color, int layout, int placement, const std::string& programFolder)
{
    const SiblingProducts& siblings = Siblings();
    const bool white2 = color == StyleWhite2;
    ClearButtonList(p);
    if (p.ProjectType == ProjectTypeUSB && siblings.PortavoInstalled) {
        AppendDefaultButton(p, "Button 1", "Run Program");
        if ((white2 && (layout == 5 || layout == 6 || layout == 8)) || siblings.PortavoCompactOffice) {
            AppendDefaultButton(p, "Button 2", "Show Document");
        } else {
            if (placement == 4)
                for (const char* text : {"Button 2", "Button 3", "Button 4"})
                    AppendDefaultButton(p, text, "Run Program");
            p.Buttons.push_back(MakeStickGuardButton());
        }
        AppendExitButton(p);
        return;
    }
    std::vector<const char*> pictures;
    if (white2 && layout == 6) {
        for (const char* text : {"Button 1", "Button 2", "Button 3", "Button 4", "Button 5"})
            AppendDefaultButton(p, text, "Run Program");
        pictures = {"metroicon-movie.bmp", "metrophoto-1.bmp", "metroicon-music.bmp",
                    "metrophoto-2.bmp",    "metroicon-people.bmp", "metroicon-uninstall.bmp"};
    } else if (white2 && layout == 5) {
        AppendDefaultButton(p, "Button 1", "Run Program");
        AppendDefaultButton(p, "Button 2", "Show Document");
        pictures = {"icon-softwaresetup.bmp", "icon-notes.bmp", "icon-exit.bmp"};
    } else if (placement == 4) {
        for (const char* text : {"Button 1", "Button 2", "Button 3"})
            AppendDefaultButton(p, text, "Run Program");
        for (const char* text : {"Button 4", "Button 5"})
            AppendDefaultButton(p, text, "Show Document");
    } else {
        AppendDefaultButton(p, "Button 1", "Run Program");
        AppendDefaultButton(p, "Button 2", "Show Document");
    }
    AppendExitButton(p);
    // Picture buttons: each placed at the next free position, at its picture's size.
    for (std::size_t k = 0; k < pictures.size() && k < p.Buttons.size(); ++k) {
        MenuButton& b = p.Buttons[k];
        b.Bmp = sample(programFolder, "templates\\objects", pictures[k]);
        b.Tip = b.Text;
        b.BmpFolder = "orvndata\\buttons";
        b.DeltaType = "4";
        b.UseBmpSize = "1";
    }
}

}  // namespace

NewProjectPreselection CurrentNewProjectChoices()
{
    const auto& c = choices();
    return {c.color, c.layout, c.placement, c.titleAlignment, underlineChoice(),
            Options().Add3Buttons_WhenNewProject, Options().AddSampleMenuPicture_WhenNewProject};
}

bool TakeStyleChoice(std::int16_t color, std::int16_t layout, bool underlineTitle)
{
    auto& c = choices();
    c.color = color;
    c.layout = layout;
    c.underlineTitle = underlineTitle;
    if (isEmptyProject(color, layout)) {
        c.placement = 3;
        c.titleAlignment = 1;
        c.underlineTitle = true;
        Options().Add3Buttons_WhenNewProject = Options().AddSampleMenuPicture_WhenNewProject = layout == 7;
        return false;
    }
    if (c.placement == 4)
        c.placement = 3;
    if (color == StyleWhite2) {
        if (layout == 3 || layout == 4 || layout == 6)
            c.placement = 4;
        else if (layout == 5)
            c.placement = 3;
    }
    Options().Add3Buttons_WhenNewProject = Options().AddSampleMenuPicture_WhenNewProject = true;
    return true;
}

void TakePlacementChoice(std::int16_t placement, std::int16_t titleAlignment, bool underlineTitle, bool addButtons,
                         bool addPicture)
{
    auto& c = choices();
    c.placement = placement;
    c.titleAlignment = titleAlignment;
    c.underlineTitle = underlineTitle;
    Options().Add3Buttons_WhenNewProject = addButtons;
    Options().AddSampleMenuPicture_WhenNewProject = addPicture;
}

void ChooseEmptyProject()
{
    choices().color = StyleWhite2;
    choices().layout = Options().Add3Buttons_WhenNewProject ? 7 : 8;
}

void CreateProjectFromBasicStyle(MenuProject& project, std::int16_t projectType, const std::string& programFolder)
{
    auto& c = choices();
    const std::int16_t color = c.color, layout = c.layout;
    if (color == StyleWhite2 && layout == 6) {
        c.placement = 1;
        Options().AddSampleMenuPicture_WhenNewProject = false;
    } else if (color == StyleWhite2 && layout == 5 && (c.placement == 2 || c.placement == 4)) {
        c.placement = 3;
    }
    ResetParameters(project);
    project.ProjectType = projectType;
    const bool empty = isEmptyProject(color, layout);
    if (!empty)
        ApplyBasicStyle(project, programFolder);
    if (projectType == ProjectTypeUSB) {
        project.AppIconIndex = 2;
        if (Siblings().PortavoInstalled)
            project.CoOperateWithPortavoLink = true;
    }
    if (Options().Add3Buttons_WhenNewProject)
        addSampleButtons(project, color, layout, c.placement, programFolder);
    if (empty) {  // the next time, the dialog offers a style again
        c.color = StyleBlue;
        c.layout = 2;
    }
}

void ApplyBasicStyle(MenuProject& p, const std::string& programFolder)
{
    const auto& c = choices();
    const BasicStyle* s = FindBasicStyle(c.color, c.layout);
    if (!s)
        return;
    p.BackColor = s->back.colour();
    p.BackColor2 = s->back2.colour();
    p.ToneDirection = s->toneDirection;
    p.TitleForeColor = s->title.colour();
    if (s->arialTitle) {
        p.TitleFontName = "Arial";
        p.TitleFontItalic = false;
    }
    p.TitleAlignment = c.titleAlignment == 3 ? 3 : 1;
    p.UnderlineType = underlineChoice() ? 1 : 0;
    p.UnderlineTextOnly = 0;
    p.UnderlineHeight = 3;
    p.UnderlineColor1 = s->underline.colour();
    p.UnderlineColor2 = RgbColour(0, 0, 0);
    p.TitleShadow = s->titleShadow ? 1 : 0;
    p.ButtonAlignment = c.placement >= 1 && c.placement <= 4 ? c.placement : 3;
    p.ButtonStyle = static_cast<std::int16_t>(s->styleIndex + 1);
    if (s->windowsButtonFont) {
        p.ButtonFontName = "Arial";
        p.ButtonFontSize = 11;
        p.ButtonFontBold = p.ButtonFontItalic = false;
    }
    p.ButtonForeColor = s->buttonText.colour();
    p.ButtonFrameColor = s->buttonFrame.colour();
    p.ButtonBackColor = s->buttonBack.colour();
    p.ButtonUseLightEffect = p.ButtonRoundedSurface = s->surfaceEffects ? 1 : 0;
    p.ButtonWidth = c.placement == 4 ? "200" : c.placement == 2 ? "280" : s->width;
    p.ActiveButtonFrameColor = s->activeFrame.colour();
    if (Options().AddSampleMenuPicture_WhenNewProject) {
        if (s->menuPicture) {
            p.MenuPictureSrc = sample(programFolder, "Examples\\Objects", s->menuPicture);
            p.MenuPicture_CDFolder = "orvndata";
        }
        if (s->backgroundPicture) {
            p.BackgroundPictureSrc = sample(programFolder, "Examples\\Objects", s->backgroundPicture);
            p.BackgroundPicture_CDFolder = "orvndata";
        }
    }
    if (c.color == StyleWhite2 && c.layout == 6) {
        p.Width = "536";
        p.Height = "436";
    }
    if (c.placement == 2 || c.placement == 4) {  // no free side for a menu picture
        p.MenuPictureSrc.clear();
        p.MenuPicture_CDFolder.clear();
    }
}

}  // namespace orv
