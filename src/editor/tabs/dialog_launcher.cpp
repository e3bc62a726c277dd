#include "editor/tabs/dialog_launcher.h"

#include <QPushButton>

#include "editor/rules/desktop_open.h"
#include "platform/services.h"
#include "platform/shell.h"

namespace orv::editor {

void DialogLauncher::setOpener(ProjectDialog dialog, Opener opener)
{
    if (opener)
        openers_[dialog] = std::move(opener);
    else
        openers_.erase(dialog);
    emit openersChanged();
}

bool DialogLauncher::hasOpener(ProjectDialog dialog) const
{
    return openers_.count(dialog) != 0;
}

QPushButton* DialogLauncher::makeButton(ProjectDialog dialog, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setVisible(hasOpener(dialog));
    connect(this, &DialogLauncher::openersChanged, button,
            [this, button, dialog] { button->setVisible(hasOpener(dialog)); });
    connect(button, &QPushButton::clicked, this, [this, button, dialog] { open(dialog, button->window()); });
    return button;
}

bool DialogLauncher::open(ProjectDialog dialog, QWidget* parent)
{
    auto it = openers_.find(dialog);
    if (it == openers_.end())
        return false;
    // A copy: the opener may replace itself while it runs.
    const Opener opener = it->second;
    return opener(parent);
}

void DialogLauncher::showPicture(const std::string& file, QWidget* parent)
{
    if (file.empty())
        return;
    if (pictureViewer_)
        pictureViewer_(file, parent);
    else
        OpenFileOrReport(file);
}

}  // namespace orv::editor
