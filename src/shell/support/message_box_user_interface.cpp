#include "shell/support/message_box_user_interface.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QStringList>

#include "platform/file_system.h"
#include "platform/services.h"
#include "shell/support/program_environment.h"

namespace orv::shell {

namespace {
// "Text (*.txt)|*.txt|All (*.*)|*.*" as a Qt filter list.
QString qtFilter(const platform::FileFilter& filter)
{
    const QStringList parts = toQString(filter.text).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QLatin1String(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QLatin1Char(')');
    return out.join(QLatin1String(";;"));
}

QString hostFolder(const std::string& folder)
{
    if (folder.empty() || !platform::services().files)
        return {};
    return QString::fromStdString(platform::services().files->hostPath(folder).string());
}

std::optional<std::string> windowsForm(const QString& hostPath)
{
    if (hostPath.isEmpty())
        return std::nullopt;
    return platform::services().files->windowsPath(hostPath.toStdString());
}
}  // namespace

int MessageBoxUserInterface::Message(const std::string& text, int style, const std::string& title)
{
    QMessageBox box;
    box.setWindowTitle(toQString(title));
    box.setText(toQString(text));
    const int icon = style & 0x70;
    box.setIcon(icon == platform::MsgError         ? QMessageBox::Critical
                : icon == platform::MsgWarning     ? QMessageBox::Warning
                : icon == platform::MsgQuestion    ? QMessageBox::Question
                : icon == platform::MsgInformation ? QMessageBox::Information
                                                   : QMessageBox::NoIcon);
    switch (style & 0x0F) {
    case platform::MsgYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case platform::MsgYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case platform::MsgOkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return platform::AnswerYes;
    case QMessageBox::No: return platform::AnswerNo;
    case QMessageBox::Cancel: return platform::AnswerCancel;
    default: return platform::AnswerOk;
    }
}

std::optional<std::string> MessageBoxUserInterface::PickOpenFile(const std::string& title,
                                                                 const platform::FileFilter& filter,
                                                                 const std::string& startFolder)
{
    return windowsForm(QFileDialog::getOpenFileName(nullptr, toQString(title), hostFolder(startFolder), qtFilter(filter)));
}

std::optional<std::string> MessageBoxUserInterface::PickSaveFile(const std::string& title,
                                                                 const platform::FileFilter& filter,
                                                                 const std::string& startFolder,
                                                                 const std::string& defaultExtension)
{
    QFileDialog dialog(nullptr, toQString(title), hostFolder(startFolder), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(toQString(defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return windowsForm(dialog.selectedFiles().constFirst());
}

std::optional<std::string> MessageBoxUserInterface::PickFolder(const std::string& title, const std::string& startFolder)
{
    return windowsForm(QFileDialog::getExistingDirectory(nullptr, toQString(title), hostFolder(startFolder)));
}

std::optional<std::int32_t> MessageBoxUserInterface::PickColour(std::int32_t current)
{
    const QColor chosen = QColorDialog::getColor(toQColor(static_cast<WinColour>(current)));
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::int32_t>(fromQColor(chosen));
}

std::optional<platform::FontChoice> MessageBoxUserInterface::PickFont(const platform::FontChoice& current)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, toQFont(FontSpec{current.name, current.size, current.bold, current.italic}));
    if (!ok)
        return std::nullopt;
    return platform::FontChoice{font.family().toStdString(), font.pointSize(), font.bold(), font.italic()};
}

}  // namespace orv::shell
