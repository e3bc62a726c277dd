#include "editor/dialogs/basic_style_dialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/dialogs/placement_dialog.h"
#include "editor/dialogs/preview_option.h"
#include "editor/rules/basic_style_dialog_rules.h"
#include "templates/basic_style_catalogue.h"
#include "templates/basic_styles.h"

namespace orv::editor {

namespace {

constexpr int Columns = 4;
const QSize PreviewSize(176, 141);

// The tab picture, or a small swatch of the family's colour when the file is missing.
QIcon tabIcon(int family)
{
    QPixmap picture = resPicture(qs(StyleTabPicture(family)));
    if (!picture.isNull())
        return QIcon(picture);
    const BasicStyle* style = FindBasicStyle(family, 1);
    QPixmap swatch(16, 16);
    swatch.fill(Qt::transparent);
    QPainter p(&swatch);
    const Rgb back = style ? style->back : Rgb{255, 255, 255};
    p.setBrush(QColor(back.red, back.green, back.blue));
    p.setPen(QColor(120, 120, 120));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    return QIcon(swatch);
}

}  // namespace

BasicStyleDialog::BasicStyleDialog(std::int16_t projectType, std::int16_t color, std::int16_t layout,
                                   bool underlineTitle, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("WinChooseBasicStyleForProject");
    setWindowTitle(trText(BasicStyleDialogTitle));

    auto* medium = new QLabel(this);
    medium->setObjectName("picMedium");
    medium->setPixmap(resPicture(projectType == 2 ? "App2.bmp" : "App1.bmp"));
    auto* note = makeNote(trText(BasicStyleDialogText), this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TemplateTab");
    for (int family = 1; family <= BasicStyleFamilies; ++family) {
        auto* page = new QWidget(tabs_);
        auto* grid = new QGridLayout(page);
        grid->setSpacing(2);
        auto* group = new QButtonGroup(page);
        group->setExclusive(true);
        std::vector<PreviewOption*> row;
        for (int index = 0; index < StyleOptionsPerTab; ++index) {
            const int layoutNumber = index + 1;
            const QString caption = trText(BasicStyleLayoutCaption(family, layoutNumber));
            auto* option =
                new PreviewOption(caption, resPicture(qs(StylePreviewPicture(family, layoutNumber))), PreviewSize, page);
            if (family == StyleWhite2 && layoutNumber >= 7)
                option->radio()->setObjectName(layoutNumber == 7 ? "OptionEmptyProject1" : "OptionEmptyProject2");
            group->addButton(option->radio(), index);
            option->radio()->installEventFilter(this);
            connect(option, &PreviewOption::hovered, this, [this, option] { showHover(option); });
            connect(option, &PreviewOption::doubleClicked, this, &BasicStyleDialog::confirm);
            grid->addWidget(option, index / Columns, index % Columns);
            row.push_back(option);
        }
        for (int column = 0; column < Columns; ++column)
            grid->setColumnStretch(column, 1);
        connect(group, &QButtonGroup::idToggled, this, [this, row](int id, bool on) {
            row[static_cast<std::size_t>(id)]->setSelected(on);
            if (on)
                lastOption_ = id;
            confirm_->setEnabled(true);
        });
        options_.push_back(row);
        groups_.push_back(group);
        tabs_->addTab(page, tabIcon(family), trText(BasicStyleFamilyName(family)));
    }

    // Every option as wide as the widest, so the frames line up on every tab.
    int widest = 0;
    for (const auto& row : options_)
        for (PreviewOption* option : row)
            widest = std::max(widest, option->sizeHint().width());
    for (const auto& row : options_)
        for (PreviewOption* option : row)
            option->setMinimumWidth(widest);

    underline_ = makeCheckBox(tr("Underline title"), "cUnderlineTitle", underlineTitle, this);

    auto* buttons = new QDialogButtonBox(this);
    confirm_ = buttons->addButton(tr("&Continue  >"), QDialogButtonBox::AcceptRole);
    confirm_->setObjectName("CmdChooseBasicStyle");
    confirm_->setDefault(true);
    confirm_->setEnabled(false);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CmdCancel");
    cancel->setAutoDefault(false);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &BasicStyleDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::BasicStyle); });

    // Ctrl+Tab and Ctrl+Page Down go to the next family, with Shift or Page Up to the one before.
    auto stepTab = [this](int step) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
    };
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [stepTab] { stepTab(1); });
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, [stepTab] { stepTab(-1); });

    auto* top = new QHBoxLayout;
    top->addWidget(note, 1);
    top->addSpacing(12);
    top->addWidget(medium, 0, Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(underline_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(top);
    layoutBox->addWidget(tabs_, 1);
    layoutBox->addLayout(bottom);

    const StyleDialogSelection opening = StyleDialogOpening(color, layout);
    tabs_->setCurrentIndex(opening.tab);
    if (opening.option >= 0) {
        PreviewOption* chosen = options_[static_cast<std::size_t>(opening.tab)][static_cast<std::size_t>(opening.option)];
        chosen->radio()->setChecked(true);
        chosen->radio()->setFocus();
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &BasicStyleDialog::tabChanged);
}

PreviewOption* BasicStyleDialog::option(int tab, int index) const
{
    return options_.at(static_cast<std::size_t>(tab)).at(static_cast<std::size_t>(index));
}

int BasicStyleDialog::checkedOption(int tab) const { return groups_.at(static_cast<std::size_t>(tab))->checkedId(); }

bool BasicStyleDialog::underlineTitle() const { return underline_->isChecked(); }

void BasicStyleDialog::confirm()
{
    const int tab = tabs_->currentIndex();
    const StyleChoice choice = StyleChoiceOf(tab, checkedOption(tab));
    if (choice.color == 0)
        return;
    color_ = choice.color;
    layout_ = choice.layout;
    accept();
}

void BasicStyleDialog::showHover(PreviewOption* hovered)
{
    for (const auto& row : options_)
        for (PreviewOption* option : row)
            if (option != hovered)
                option->setHovered(false);
}

// A family without a checked option takes the position checked last, so a confirmation
// always names a layout.
void BasicStyleDialog::tabChanged(int tab)
{
    if (tab < 0)
        return;
    if (checkedOption(tab) < 0)
        option(tab, lastOption_)->radio()->setChecked(true);
    option(tab, checkedOption(tab))->radio()->setFocus();
}

void BasicStyleDialog::moveSelection(int tab, int step)
{
    const int from = checkedOption(tab) < 0 ? 0 : checkedOption(tab);
    const int to = from + step;
    if (to < 0 || to >= StyleOptionsPerTab)
        return;
    option(tab, to)->radio()->setChecked(true);
    option(tab, to)->radio()->setFocus(Qt::TabFocusReason);
}

bool BasicStyleDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            const int steps[] = {-1, 1, -Columns, Columns};
            const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            for (int k = 0; k < 4; ++k)
                if (key->key() == keys[k]) {
                    moveSelection(tabs_->currentIndex(), steps[k]);
                    return true;
                }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ChooseBasicStyleAndPlacement(std::int16_t projectType, QWidget* parent)
{
    NewProjectPreselection choices = CurrentNewProjectChoices();
    std::int16_t color = 0, layout = 0;
    bool underline = false;
    {
        BasicStyleDialog dialog(projectType, choices.color, choices.layout, choices.underlineTitle, parent);
        dialog.exec();
        color = dialog.chosenColor();
        layout = dialog.chosenLayout();
        underline = dialog.underlineTitle();
    }
    if (color == 0 || layout == 0)
        return false;
    if (!TakeStyleChoice(color, layout, underline))
        return true;  // an empty project: no placement to choose

    choices = CurrentNewProjectChoices();
    PlacementDialog dialog(projectType, choices.placement, choices.titleAlignment, choices.underlineTitle,
                           {color, layout}, parent);
    dialog.addButtonsBox()->setChecked(choices.addButtons);
    dialog.addPictureBox()->setChecked(choices.addPicture);
    dialog.exec();
    if (dialog.chosenPlacement() == 0)
        return false;
    TakePlacementChoice(dialog.chosenPlacement(), dialog.titleAlignment(), dialog.underlineTitle(),
                        dialog.addButtonsBox()->isChecked(), dialog.addPictureBox()->isChecked());
    return true;
}

}  // namespace orv::editor
