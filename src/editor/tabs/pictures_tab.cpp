#include "editor/tabs/pictures_tab.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/rules/enabling_rules.h"
#include "editor/tabs/dialog_launcher.h"
#include "editor/tabs/media_file_row.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

PicturesTab::PicturesTab(const TabContext& context, QWidget* parent) : MediaTab(context, parent)
{
    auto* background = new QGroupBox(tr("Background Picture"), this);
    auto* backgroundLayout = new QVBoxLayout(background);
    backgroundLayout->addWidget(
        addRow(MediaObject::Background, "CmdSelectBackground", "CmdDelBackground", "tBackgroundFolder"));
    auto* backgroundMore = new QHBoxLayout;
    backgroundMore->addWidget(
        context.dialogs.makeButton(ProjectDialog::BackgroundOptions, tr("Background &Options..."), this));
    backgroundMore->addStretch();
    backgroundLayout->addLayout(backgroundMore);

    auto* logotype = new QGroupBox(tr("Logotype"), this);
    auto* logotypeLayout = new QVBoxLayout(logotype);
    logotypeLayout->addWidget(
        addRow(MediaObject::Logotype, "CmdSelectLogotype", "CmdDelLogotype", "tLogotypeFolder"));
    auto* logotypeMore = new QHBoxLayout;
    auto* toLeft = new QCheckBox(tr("Place the logotype to the &left"), this);
    toLeft->setObjectName(QStringLiteral("cPlaceLogotypeToLeft"));
    binder_.bindCheck(toLeft, &MenuProject::PlaceLogotypeToLeft);
    logotypeMore->addWidget(toLeft);
    logotypeMore->addStretch();
    logotypeMore->addWidget(
        context.dialogs.makeButton(ProjectDialog::LogotypeOptions, tr("Logotype O&ptions..."), this));
    logotypeLayout->addLayout(logotypeMore);

    auto* menuPicture = new QGroupBox(tr("Menu Picture"), this);
    auto* menuLayout = new QVBoxLayout(menuPicture);
    menuLayout->addWidget(
        addRow(MediaObject::MenuPicture, "CmdSelectMenuPicture", "CmdDelMenuPicture", "tMenuPictureFolder"));
    menuPictureWidth_ = numberEdit("tMenuPictureWidth", &MenuProject::MenuPictureWidth, NumericField::MenuPictureWidth);
    menuPictureHeight_ =
        numberEdit("tMenuPictureHeight", &MenuProject::MenuPictureHeight, NumericField::MenuPictureHeight);
    auto* stretch = new QCheckBox(tr("&Stretch to this size:"), this);
    stretch->setObjectName(QStringLiteral("cStretchMenuPicture"));
    binder_.bindCheck(stretch, &MenuProject::StretchMenuPicture);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(stretch);
    sizeRow->addWidget(menuPictureWidth_);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), this));
    sizeRow->addWidget(menuPictureHeight_);
    sizeRow->addWidget(new QLabel(tr("pixels"), this));
    sizeRow->addStretch();
    menuLayout->addLayout(sizeRow);

    for (auto& [object, row] : rows_)
        row->enablePreview();

    auto* column = new QVBoxLayout(this);
    column->addWidget(background);
    column->addWidget(logotype);
    column->addWidget(menuPicture);
    column->addStretch();
}

void PicturesTab::refresh()
{
    MediaTab::refresh();
    for (auto& [object, row] : rows_) {
        const std::string file = project().*InfoOf(object).source;
        row->setPreview(file.empty() ? QString()
                                     : QString::fromStdString(platform::services().files->hostPath(file).string()));
    }
    const bool sized = MenuPictureSizeEnabled(project());
    menuPictureWidth_->setEnabled(sized);
    menuPictureHeight_->setEnabled(sized);
}

}  // namespace orv::editor
