#include "editor/dialogs/effects/movie_options_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/dialogs/dialog_support.h"
#include "editor/tabs/colour_button.h"

namespace orv::editor {

DlgMovieMoreOptions::DlgMovieMoreOptions(const MenuProject& project, QWidget* parent)
    : EffectDialog("DlgMovieMoreOptions", tr("Movie Window Options"), parent)
{
    auto* window = new QGroupBox(tr("Movie window"), this);
    title_ = new QLineEdit(qs(project.MovieWinTitle), window);
    WatchText(title_, TextKind::CodePageText);
    title_->setObjectName("tMovieWinTitle");
    title_->setMinimumWidth(260);
    userBackColour_ = new QCheckBox(tr("Use my own &background colour"), window);
    userBackColour_->setObjectName("cUseUserDefBkgColor");
    userBackColour_->setChecked(project.MovieWinUseUserBkgColor != 0);
    backColour_ = colourButton(tr("Background &Colour..."), "CmdMovieWinBackColor", project.MovieWinBackColor);
    backColour_->setEnabled(userBackColour_->isChecked());
    connect(userBackColour_, &QCheckBox::toggled, backColour_, &QWidget::setEnabled);
    auto* windowForm = new QFormLayout(window);
    windowForm->addRow(tr("Window title:"), title_);
    windowForm->addRow(userBackColour_, backColour_);

    auto* close = new QGroupBox(tr("Close button"), this);
    closeButton_ = new QCheckBox(tr("Show a c&lose button (a cross) in the movie window"), close);
    closeButton_->setObjectName("cUseCloseButton");
    closeButton_->setChecked(project.MovieWinUseCloseButton != 0);
    crossLineColour_ = colourButton(tr("C&ross Colour..."), "CmdCloseCrossLineColor", project.MovieWinCloseCrossLineColor);
    crossBackColour_ =
        colourButton(tr("Cross Bac&kground..."), "CmdCloseCrossBkgColor", project.MovieWinCloseCrossBkgColor);
    grayStdButton_ = new QCheckBox(tr("Use a &gray standard button"), close);
    grayStdButton_->setObjectName("cUseGrayStdButton");
    grayStdButton_->setChecked(project.MovieWinUseGrayStdButton != 0);
    const auto enable = [this](bool on) {
        crossLineColour_->setEnabled(on);
        crossBackColour_->setEnabled(on);
        grayStdButton_->setEnabled(on);
    };
    enable(closeButton_->isChecked());
    connect(closeButton_, &QCheckBox::toggled, this, enable);
    auto* closeForm = new QFormLayout(close);
    closeForm->addRow(closeButton_);
    closeForm->addRow(tr("Cross lines:"), crossLineColour_);
    closeForm->addRow(tr("Cross background:"), crossBackColour_);
    closeForm->addRow(grayStdButton_);

    auto* content = new QVBoxLayout;
    content->addWidget(window);
    content->addWidget(close);
    finish(content, false);
}

void DlgMovieMoreOptions::apply(MenuProject& project) const
{
    project.MovieWinUseUserBkgColor = userBackColour_->isChecked() ? 1 : 0;
    project.MovieWinBackColor = backColour_->colour();
    project.MovieWinTitle = ss(title_->text());
    project.MovieWinUseCloseButton = closeButton_->isChecked() ? 1 : 0;
    project.MovieWinCloseCrossLineColor = crossLineColour_->colour();
    project.MovieWinCloseCrossBkgColor = crossBackColour_->colour();
    project.MovieWinUseGrayStdButton = grayStdButton_->isChecked() ? 1 : 0;
}

}  // namespace orv::editor
