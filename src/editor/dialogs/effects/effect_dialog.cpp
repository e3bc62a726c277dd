#include "editor/dialogs/effects/effect_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialogs/effects/button_effects_dialogs.h"
#include "editor/dialogs/effects/movie_options_dialog.h"
#include "editor/dialogs/effects/picture_option_dialogs.h"
#include "editor/dialogs/effects/title_effect_dialogs.h"
#include "editor/dialogs/effects/window_dialogs.h"
#include "editor/project_document.h"
#include "editor/rules/effect_rules.h"
#include "editor/tabs/colour_button.h"
#include "editor/tabs/dialog_launcher.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

EffectDialog::EffectDialog(const char* objectName, const QString& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
}

MenuProject EffectDialog::withValues(const MenuProject& project) const
{
    MenuProject copy = project;
    apply(copy);
    return copy;
}

void EffectDialog::finish(QLayout* content, bool withTest)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    if (withTest) {
        test_ = buttons->addButton(tr("&Test"), QDialogButtonBox::ActionRole);
        test_->setObjectName("CmdTest");
        test_->setAutoDefault(false);
        connect(test_, &QPushButton::clicked, this, &EffectDialog::testRequested);
    }
    buttons->setMinimumWidth(260);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ColourButton* EffectDialog::colourButton(const QString& text, const char* objectName, Colour colour)
{
    auto* button = new ColourButton(text, this);
    button->setObjectName(objectName);
    button->setColour(colour);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(button, &QPushButton::clicked, this, [button] {
        if (const std::optional<std::int32_t> chosen = platform::services().ui->PickColour(button->colour()))
            button->setColour(*chosen);
    });
    return button;
}

QLineEdit* EffectDialog::correctedEdit(const QString& text, const char* objectName,
                                       std::function<QString(const QString&)> correct)
{
    return makeCorrectedEdit(text, objectName, this, std::move(correct));
}

QLineEdit* makeCorrectedEdit(const QString& text, const char* objectName, QWidget* parent,
                             std::function<QString(const QString&)> correct)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, correct] {
        const QString corrected = correct(edit->text());
        if (corrected != edit->text())
            edit->setText(corrected);
    });
    return edit;
}

bool RunEffectDialog(EffectDialog& dialog, ProjectDocument& document, const DialogLauncher& launcher)
{
    QObject::connect(&dialog, &EffectDialog::testRequested, &dialog,
                     [&] { launcher.testRun(dialog.withValues(document.project())); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document.edit(dialog.stepName(), [&](MenuProject& project) { dialog.apply(project); }, ChangeScope::Fields);
    return true;
}

namespace {

template <typename Dialog>
DialogLauncher::Opener opener(DialogLauncher& dialogs, ProjectDocument& document)
{
    return [&dialogs, &document](QWidget* parent) {
        Dialog dialog(document.project(), parent);
        return RunEffectDialog(dialog, document, dialogs);
    };
}

}  // namespace

void RegisterEffectDialogs(DialogLauncher& dialogs, ProjectDocument& document)
{
    dialogs.setOpener(ProjectDialog::WindowEffects, opener<DlgWinEffects>(dialogs, document));
    dialogs.setOpener(ProjectDialog::StartCondition, opener<DlgTab1Adv>(dialogs, document));
    dialogs.setOpener(ProjectDialog::SubTitle, opener<SubTitle>(dialogs, document));
    dialogs.setOpener(ProjectDialog::Underline, opener<DlgUnderline>(dialogs, document));
    dialogs.setOpener(ProjectDialog::TitleEffects, opener<DlgTitleEffects>(dialogs, document));
    dialogs.setOpener(ProjectDialog::BackgroundOptions, opener<DlgBackPictureOptions>(dialogs, document));
    dialogs.setOpener(ProjectDialog::LogotypeOptions, opener<DlgLogotypeOptions>(dialogs, document));
    dialogs.setOpener(ProjectDialog::MovieOptions, opener<DlgMovieMoreOptions>(dialogs, document));
    dialogs.setOpener(ProjectDialog::ButtonEffects, [&dialogs, &document](QWidget* parent) {
        switch (ButtonEffectsKindFor(document.project().ButtonStyle - 1)) {
        case ButtonEffectsKind::Light: return opener<DlgButEffects2>(dialogs, document)(parent);
        case ButtonEffectsKind::Plastic: return opener<DlgButEffects3>(dialogs, document)(parent);
        case ButtonEffectsKind::Shadow: break;
        }
        return opener<DlgButEffects>(dialogs, document)(parent);
    });
}

}  // namespace orv::editor
