#include "editor/dialogs/active_frame_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/project_document.h"
#include "editor/tabs/colour_button.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

ActiveFrameDialog::ActiveFrameDialog(const MenuProject& project, QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgActiveFrame");
    setWindowTitle(tr("Active Frame"));

    useFrame_ = new QCheckBox(tr("&Use active button frame"), this);
    useFrame_->setObjectName("cUseActiveFrame");
    useFrame_->setToolTip(tr("Select this if the buttons should have an active frame"));
    useFrame_->setChecked(project.UseActiveButtonFrame != 0);

    colour_ = new ColourButton(tr("&Frame Color..."), this);
    colour_->setObjectName("CmdFrameColor");
    colour_->setColour(project.ActiveButtonFrameColor);
    colour_->setEnabled(useFrame_->isChecked());
    connect(useFrame_, &QCheckBox::toggled, colour_, &QWidget::setEnabled);
    connect(colour_, &QPushButton::clicked, this, [this] {
        if (auto chosen = platform::services().ui->PickColour(colour_->colour()))
            colour_->setColour(*chosen);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(useFrame_, 1);
    row->addWidget(colour_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

bool ActiveFrameDialog::useFrame() const { return useFrame_->isChecked(); }

Colour ActiveFrameDialog::frameColour() const { return colour_->colour(); }

bool ActiveFrameDialog::edit(ProjectDocument& document, QWidget* parent)
{
    ActiveFrameDialog dialog(document.project(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool use = dialog.useFrame();
    const Colour colour = dialog.frameColour();
    document.edit(tr("Active Frame"), [&](MenuProject& p) {
        p.UseActiveButtonFrame = use ? 1 : 0;
        p.ActiveButtonFrameColor = colour;
    });
    return true;
}

}  // namespace orv::editor
