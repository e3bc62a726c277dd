#include "editor/tabs/movies_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/media/media_playback.h"
#include "editor/rules/enabling_rules.h"
#include "editor/tabs/dialog_launcher.h"
#include "editor/tabs/media_file_row.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

namespace {

QHBoxLayout* pairRow(QWidget* parent, QLineEdit* first, const QString& between, QLineEdit* second,
                     const QString& after)
{
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(new QLabel(between, parent));
    row->addWidget(second);
    if (!after.isEmpty())
        row->addWidget(new QLabel(after, parent));
    row->addStretch();
    return row;
}

}  // namespace

MoviesTab::MoviesTab(const TabContext& context, QWidget* parent) : MediaTab(context, parent)
{
    QGroupBox* window = formGroup(tr("Movie Window (movies played by buttons)"));
    auto* form = static_cast<QFormLayout*>(window->layout());
    QLineEdit* width = numberEdit("tMovieWidth", &MenuProject::MovieWidth, NumericField::MovieWidth);
    QLineEdit* height = numberEdit("tMovieHeight", &MenuProject::MovieHeight, NumericField::MovieHeight);
    QHBoxLayout* sizeRow = pairRow(this, width, QStringLiteral("×"), height, tr("pixels"));
    form->addRow(tr("&Size:"), sizeRow);
    static_cast<QLabel*>(form->labelForField(sizeRow))->setBuddy(width);
    QLineEdit* x = numberEdit("tMovieXOffset", &MenuProject::MovieXOffset, NumericField::MovieXOffset);
    QLineEdit* y = numberEdit("tMovieYOffset", &MenuProject::MovieYOffset, NumericField::MovieYOffset);
    QHBoxLayout* offsetRow = pairRow(this, x, tr("horizontal,"), y, tr("vertical"));
    form->addRow(tr("&Offset:"), offsetRow);
    static_cast<QLabel*>(form->labelForField(offsetRow))->setBuddy(x);

    fullScreen_ = new QCheckBox(tr("F&ull screen"), this);
    fullScreen_->setObjectName(QStringLiteral("cFullScreenMovie"));
    binder_.bindCheck(fullScreen_, &MenuProject::FullScreenMovie);
    maximize_ = new QCheckBox(tr("Ma&ximize the window"), this);
    maximize_->setObjectName(QStringLiteral("cMaximizeMovie"));
    binder_.bindCheck(maximize_, &MenuProject::MaximizeMovie);
    auto* back = new QCheckBox(tr("&Return to the menu when the movie ends"), this);
    back->setObjectName(QStringLiteral("cReturnToMenuWhenMovieStop"));
    binder_.bindCheck(back, &MenuProject::ReturnToMenuWhenMovieStop);
    form->addRow(fullScreen_);
    form->addRow(maximize_);
    form->addRow(back);
    auto* more = new QHBoxLayout;
    more->addWidget(context.dialogs.makeButton(ProjectDialog::MovieOptions, tr("Movie Window O&ptions..."), this));
    more->addStretch();
    form->addRow(more);

    auto* menuMovie = new QGroupBox(tr("Menu Movie (shown inside the menu)"), this);
    auto* menuLayout = new QVBoxLayout(menuMovie);
    menuLayout->addWidget(addRow(MediaObject::MenuMovie, "CmdSelectMenuMovie", "CmdDelMenuMovie", "tMenuMovieFolder"));
    auto* menuForm = new QFormLayout;
    QLineEdit* menuWidth = numberEdit("tMenuMovieWidth", &MenuProject::MenuMovieWidth, NumericField::MenuMovieWidth);
    QLineEdit* menuHeight =
        numberEdit("tMenuMovieHeight", &MenuProject::MenuMovieHeight, NumericField::MenuMovieHeight);
    QHBoxLayout* menuSize = pairRow(this, menuWidth, QStringLiteral("×"), menuHeight, tr("pixels"));
    menuForm->addRow(tr("Si&ze:"), menuSize);
    static_cast<QLabel*>(menuForm->labelForField(menuSize))->setBuddy(menuWidth);
    auto* repeat = new QCheckBox(tr("Repe&at the movie"), this);
    repeat->setObjectName(QStringLiteral("cRepeatMenuMovie"));
    binder_.bindCheck(repeat, &MenuProject::RepeatMenuMovie);
    auto* picture = new QCheckBox(tr("Show the menu pi&cture when the movie has ended"), this);
    picture->setObjectName(QStringLiteral("cShowMenuPicWhenReady"));
    binder_.bindCheck(picture, &MenuProject::ShowMenuPicWhenReady);
    menuForm->addRow(repeat);
    menuForm->addRow(picture);
    menuLayout->addLayout(menuForm);

    auto* column = new QVBoxLayout(this);
    column->addWidget(window);
    column->addWidget(menuMovie);
    column->addStretch();
}

void MoviesTab::refresh()
{
    MediaTab::refresh();
    maximize_->setEnabled(MaximizeMovieEnabled(project().FullScreenMovie != 0));
}

void MoviesTab::open(MediaObject object)
{
    const std::string file = project().*InfoOf(object).source;
    if (file.empty())
        return;
    context_.media.playMovie(QString::fromStdString(platform::services().files->hostPath(file).string()), window());
}

}  // namespace orv::editor
