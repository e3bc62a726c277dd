#include "editor/dialogs/placement_dialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/dialogs/preview_option.h"
#include "editor/rules/basic_style_dialog_rules.h"

namespace orv::editor {

namespace {

const QSize PreviewSize(176, 141);
constexpr const char* OptionNames[] = {"oButtonsLeft", "oButtonsCenter", "oButtonsRight", "oButtonsDoubleColumns"};
constexpr const char* PictureNames[] = {"picButtonsLeft", "picButtonsCenter", "picButtonsRight",
                                        "picButtonsDoubleColumns"};

}  // namespace

PlacementDialog::PlacementDialog(std::int16_t projectType, std::int16_t placement, std::int16_t titleAlignment,
                                 bool underlineTitle, Style style, QWidget* parent)
    : QDialog(parent), style_(style)
{
    setObjectName("WinChooseButtonPlacement");
    setWindowTitle(trText(PlacementDialogTitle));

    auto* medium = new QLabel(this);
    medium->setObjectName("picMedium");
    medium->setPixmap(resPicture(projectType == 2 ? "App2.bmp" : "App1.bmp"));
    auto* note = makeNote(trText(PlacementDialogText), this);

    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (int p = 1; p <= PlacementCount; ++p) {
        auto* option =
            new PreviewOption(trText(PlacementCaption(p)), resPicture(qs(PlacementPreviewPicture(p))), PreviewSize, this);
        option->radio()->setObjectName(OptionNames[p - 1]);
        option->picture()->setObjectName(PictureNames[p - 1]);
        group_->addButton(option->radio(), p);
        option->radio()->installEventFilter(this);
        connect(option, &PreviewOption::hovered, this, [this, option] {
            for (PreviewOption* other : options_)
                if (other != option)
                    other->setHovered(false);
        });
        connect(option, &PreviewOption::doubleClicked, this, &PlacementDialog::confirm);
        row->addWidget(option);
        options_.push_back(option);
    }
    int widest = 0;
    for (PreviewOption* option : options_)
        widest = std::max(widest, option->sizeHint().width());
    for (PreviewOption* option : options_)
        option->setMinimumWidth(widest);
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        option(id)->setSelected(on);
        if (on)
            placementChecked(id);
    });

    centerTitle_ = makeCheckBox(tr("Center title"), "cCenterTitle", titleAlignment == 3, this);
    underline_ = makeCheckBox(tr("Underline title"), "cUnderlineTitle", underlineTitle, this);
    addButtons_ = makeCheckBox(tr("Include sample buttons in the project"), "cAddThreeButtons", true, this);
    addPicture_ = makeCheckBox(tr("Include sample picture in the project"), "cAddMenuPicture", true, this);
    connect(centerTitle_, &QCheckBox::toggled, this, &PlacementDialog::updateTitleSamples);
    connect(underline_, &QCheckBox::toggled, this, &PlacementDialog::updateTitleSamples);
    auto* boxes = new QGridLayout;
    boxes->addWidget(centerTitle_, 0, 0);
    boxes->addWidget(underline_, 1, 0);
    boxes->addWidget(addButtons_, 0, 1);
    boxes->addWidget(addPicture_, 1, 1);
    boxes->setColumnStretch(1, 1);
    boxes->setHorizontalSpacing(24);

    auto* buttons = new QDialogButtonBox(this);
    confirm_ = buttons->addButton(tr("Create &Project"), QDialogButtonBox::AcceptRole);
    confirm_->setObjectName("CmdCreateProject");
    confirm_->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CmdCancel");
    cancel->setAutoDefault(false);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlacementDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::ButtonPlacement); });

    auto* top = new QHBoxLayout;
    top->addWidget(note, 1);
    top->addSpacing(12);
    top->addWidget(medium, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addLayout(row);
    layout->addSpacing(6);
    layout->addLayout(boxes);
    layout->addSpacing(6);
    layout->addWidget(buttons);

    option(PlacementOpening(placement))->radio()->setChecked(true);
    option(checkedPlacement())->radio()->setFocus();
    updateTitleSamples();
}

PreviewOption* PlacementDialog::option(int placement) const
{
    return options_.at(static_cast<std::size_t>(placement - 1));
}

int PlacementDialog::checkedPlacement() const { return group_->checkedId() < 0 ? 0 : group_->checkedId(); }

std::int16_t PlacementDialog::titleAlignment() const { return centerTitle_->isChecked() ? 3 : 1; }

bool PlacementDialog::underlineTitle() const { return underline_->isChecked(); }

void PlacementDialog::confirm()
{
    chosen_ = static_cast<std::int16_t>(checkedPlacement());
    accept();
}

// Left and Right move between the placements.
bool PlacementDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->key() == Qt::Key_Left ? -1 : key->key() == Qt::Key_Right ? 1 : 0;
        if (step != 0 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            const int to = checkedPlacement() + step;
            if (to >= 1 && to <= PlacementCount) {
                option(to)->radio()->setChecked(true);
                option(to)->radio()->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PlacementDialog::placementChecked(int placement)
{
    addPicture_->setEnabled(PlacementPictureBoxEnabled(placement, style_.color, style_.layout));
}

void PlacementDialog::updateTitleSamples()
{
    for (PreviewOption* option : options_)
        option->setTitleSample(centerTitle_->isChecked(), underline_->isChecked());
}

}  // namespace orv::editor
