#include "editor/dialogs/app_tour_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "model/editor_options.h"

namespace orv::editor {

AppTourDialog::AppTourDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("AppTourDialog");
    setWindowTitle(tr("Welcome to Orvanto"));

    pages_ = new QStackedWidget(this);
    addPage("orvanto.png", tr("Welcome to Orvanto"),
            tr("Orvanto designs autorun menus for CDs, DVDs and USB flash drives. You compose the menu "
               "window in the editor, and Orvanto creates a folder with everything the menu needs: the "
               "menu program, its pictures, sounds and movies, and the files its buttons open."));
    addPage("tab1.bmp", tr("Design the menu window"),
            tr("The tabs \"Window\", \"Title\", \"Pictures\", \"Sound\", \"Movies\" and \"Version\" hold "
               "the look of the menu: its size and colours, the title and subtitle, a background "
               "picture, a logotype, background and button sounds, and a menu movie."));
    addPage("tab3.bmp", tr("Add buttons"),
            tr("Each button runs a program, opens a document, a folder or a web page, plays music or a "
               "movie, shows a picture gallery or opens another menu. The tab \"Buttons\" holds their "
               "style; on \"Buttons (text)\", Add (Insert) opens the button editor, and Edit, Delete, "
               "Copy and Move work on the selected row. Ctrl+Z undoes every change."));
    addPage("start_new.png", tr("Test and create"),
            tr("Press F5 (Test) at any time to see the menu as it will look. When it is ready, Create "
               "copies the menu into a folder of your choice, with an AUTORUN.INF file so that the disc "
               "or flash drive starts the menu by itself."));
    addPage("start_guide.png", tr("Help is near"),
            tr("Every dialog has a Help button, and the Help menu opens the user's guide. Start with a "
               "new project, a basic style or one of the example projects."));

    position_ = makeSecondary(QString(), this);
    position_->setWordWrap(false);
    showAtStart_ = new QCheckBox(tr("&Show this tour when Orvanto starts"), this);
    showAtStart_->setChecked(Options().ShowAppTour);

    back_ = new QPushButton(tr("< &Back"), this);
    next_ = new QPushButton(this);
    auto* close = new QPushButton(tr("&Close"), this);
    connect(back_, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] {
        if (currentPage() + 1 < pageCount())
            showPage(currentPage() + 1);
        else
            accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showAtStart_);
    buttons->addStretch(1);
    buttons->addWidget(position_);
    buttons->addSpacing(12);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    setMinimumSize(560, 300);
    next_->setDefault(true);
    updateButtons();
}

void AppTourDialog::addPage(const QString& picture, const QString& title, const QString& text)
{
    auto* page = new QWidget(pages_);
    auto* icon = new QLabel(page);
    icon->setPixmap(resPicture(picture, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    icon->setMinimumWidth(80);
    auto* heading = makeHeading(title, page);
    QFont f = heading->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    heading->setFont(f);
    auto* body = makeNote(text, page);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(heading);
    textColumn->addSpacing(8);
    textColumn->addWidget(body);
    textColumn->addStretch(1);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(12, 16, 12, 8);
    row->setSpacing(18);
    row->addWidget(icon);
    row->addLayout(textColumn, 1);
    pages_->addWidget(page);
}

int AppTourDialog::pageCount() const { return pages_->count(); }
int AppTourDialog::currentPage() const { return pages_->currentIndex(); }

void AppTourDialog::showPage(int index)
{
    if (index < 0 || index >= pageCount())
        return;
    pages_->setCurrentIndex(index);
    updateButtons();
}

void AppTourDialog::updateButtons()
{
    const bool last = currentPage() + 1 >= pageCount();
    back_->setEnabled(currentPage() > 0);
    next_->setText(last ? tr("&Finish") : tr("&Next >"));
    position_->setText(tr("%1 of %2").arg(currentPage() + 1).arg(pageCount()));
}

void AppTourDialog::showTour(QWidget* parent)
{
    AppTourDialog dialog(parent);
    dialog.exec();
    Options().ShowAppTour = dialog.showAtStartBox()->isChecked();
}

}  // namespace orv::editor
