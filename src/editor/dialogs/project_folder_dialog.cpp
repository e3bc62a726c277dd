#include "editor/dialogs/project_folder_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"

namespace orv::editor {

ProjectFolderDialog::ProjectFolderDialog(const QString& folder, QWidget* parent) : QDialog(parent)
{
    setObjectName("ProjectFolderDialog");
    setWindowTitle(tr("Create Project Folder in My Documents"));

    auto* icon = new QLabel(this);
    icon->setPixmap(resPicture("start_open.png", 32));
    icon->setAlignment(Qt::AlignTop);

    auto* intro = makeNote(tr("To have your project files and created menus collected in one place on the "
                              "harddisk you can let Orvanto create the following folder in the 'My "
                              "Documents' folder:"),
                           this);
    auto* path = new QLabel(folder, this);
    path->setObjectName("folderPath");
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    path->setStyleSheet("QLabel { font-weight: bold; padding: 6px 10px; border: 1px solid palette(mid);"
                        " border-radius: 4px; background: palette(base); }");
    auto* question = makeNote(tr("The folder can be used as a storage place for your menu projects. Do you "
                                 "want to create the folder above on your harddisk?"),
                              this);

    auto* buttons = new QDialogButtonBox(this);
    yes_ = buttons->addButton(tr("&Yes, Create"), QDialogButtonBox::AcceptRole);
    no_ = buttons->addButton(tr("&No, don't Create"), QDialogButtonBox::RejectRole);
    yes_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* text = new QVBoxLayout;
    text->addWidget(intro);
    text->addWidget(path);
    text->addWidget(question);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    fitToText(this, 460);
}

bool ProjectFolderDialog::ask(const QString& folder, QWidget* parent)
{
    ProjectFolderDialog dialog(folder, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace orv::editor
