#include "editor/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "model/menu_project.h"
#include "model/project_writer.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "product/product.h"

namespace orv::editor {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("AboutDialog");
    setWindowTitle(tr("About Orvanto"));

    auto* icon = new QLabel(this);
    icon->setPixmap(resPicture("orvanto.png", 96));
    icon->setAlignment(Qt::AlignTop);

    auto* name = makeHeading(qs(ProductName), this);
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    name->setFont(f);
    auto* version = new QLabel(tr("Version %1").arg(QString::fromLatin1(EditorVersionText)), this);
    auto* description = makeNote(tr("Designs autorun menus for CDs, DVDs and USB flash drives: the menu window, "
                                     "its buttons, pictures, sounds and movies, and the folder that holds "
                                     "everything the menu needs."),
                                 this);
    QString folder;
    if (const auto* folders = platform::services().folders)
        folder = shownPathText(folders->ProgramFolder());
    auto* location = makeSecondary(tr("Program folder: %1").arg(folder), this);
    location->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* toolkit = makeSecondary(tr("Built with Qt %1.").arg(QT_VERSION_STR), this);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(description);
    text->addSpacing(8);
    text->addWidget(location);
    text->addWidget(toolkit);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(icon);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(top);
    layout->addWidget(buttons);
    fitToText(this, 460);
}

void AboutDialog::showAbout(QWidget* parent)
{
    AboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace orv::editor
