#include "platform/widgets/qt_user_interface.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include "model/menu_project.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "product/product.h"

namespace orv::platform {

namespace {

QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString hostFolder(const std::string& windowsFolder)
{
    if (windowsFolder.empty())
        return {};
    return QString::fromStdString(services().files->hostPath(windowsFolder).string());
}

std::string windowsForm(const QString& hostPath)
{
    return services().files->windowsPath(std::filesystem::path(hostPath.toStdString()));
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case MsgError: return QMessageBox::Critical;
    case MsgQuestion: return QMessageBox::Question;
    case MsgWarning: return QMessageBox::Warning;
    case MsgInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

// The buttons of a Windows message box style, in their order.
std::vector<ButtonSpec> buttonsOf(int style)
{
    switch (style & 0x7) {
    case 1: return {{QMessageBox::Ok, AnswerOk}, {QMessageBox::Cancel, AnswerCancel}};
    case 2: return {{QMessageBox::Abort, 3}, {QMessageBox::Retry, 4}, {QMessageBox::Ignore, 5}};
    case 3:
        return {{QMessageBox::Yes, AnswerYes},
                {QMessageBox::No, AnswerNo},
                {QMessageBox::Cancel, AnswerCancel}};
    case 4: return {{QMessageBox::Yes, AnswerYes}, {QMessageBox::No, AnswerNo}};
    case 5: return {{QMessageBox::Retry, 4}, {QMessageBox::Cancel, AnswerCancel}};
    default: return {{QMessageBox::Ok, AnswerOk}};
    }
}

}  // namespace

QString QtNameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

QColor ColourToQColor(std::int32_t colour)
{
    const auto value = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::int32_t QColorToColour(const QColor& colour)
{
    return RgbColour(colour.red(), colour.green(), colour.blue());
}

int QtUserInterface::Message(const std::string& text, int style, const std::string& title)
{
    QMessageBox box(dialogParent());
    box.setIcon(iconOf(style));
    box.setWindowTitle(QString::fromStdString(title.empty() ? std::string(ProductName) : title));
    box.setText(QString::fromStdString(shownText_ ? shownText_(text) : text));
    const std::vector<ButtonSpec> buttons = buttonsOf(style);
    QMessageBox::StandardButtons standard;
    for (const ButtonSpec& b : buttons)
        standard |= b.button;
    box.setStandardButtons(standard);
    // Bits 8 and 9 choose the default button (second, third).
    const size_t defaultIndex = static_cast<size_t>((style >> 8) & 0x3);
    if (defaultIndex < buttons.size())
        box.setDefaultButton(buttons[defaultIndex].button);
    box.setEscapeButton(buttons.size() == 1 ? buttons.front().button : buttons.back().button);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonSpec& b : buttons)
        if (b.button == clicked)
            return b.answer;
    // Closed without a button (Escape, the window's close box): the escape button's answer.
    return buttons.size() == 1 ? buttons.front().answer : buttons.back().answer;
}

std::optional<std::string> QtUserInterface::PickOpenFile(const std::string& title, const FileFilter& filter,
                                                         const std::string& startFolder)
{
    const QString chosen = QFileDialog::getOpenFileName(dialogParent(), QString::fromStdString(title),
                                                        hostFolder(startFolder), QtNameFilters(filter.text));
    if (chosen.isEmpty())
        return std::nullopt;
    return windowsForm(chosen);
}

std::optional<std::string> QtUserInterface::PickSaveFile(const std::string& title, const FileFilter& filter,
                                                         const std::string& startFolder,
                                                         const std::string& defaultExtension)
{
    QFileDialog dialog(dialogParent(), QString::fromStdString(title), hostFolder(startFolder),
                       QtNameFilters(filter.text));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = QString::fromStdString(defaultExtension);
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return windowsForm(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtUserInterface::PickFolder(const std::string& title, const std::string& startFolder)
{
    const QString chosen =
        QFileDialog::getExistingDirectory(dialogParent(), QString::fromStdString(title), hostFolder(startFolder));
    if (chosen.isEmpty())
        return std::nullopt;
    return windowsForm(chosen);
}

std::optional<std::int32_t> QtUserInterface::PickColour(std::int32_t current)
{
    const QColor chosen = QColorDialog::getColor(ColourToQColor(current), dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return QColorToColour(chosen);
}

std::optional<FontChoice> QtUserInterface::PickFont(const FontChoice& current)
{
    QFont initial(QString::fromStdString(current.name), current.size > 0 ? current.size : 10);
    initial.setBold(current.bold);
    initial.setItalic(current.italic);
    QFontDialog dialog(initial, dialogParent());
    const auto choiceOf = [&current](const QFont& font) {
        FontChoice choice;
        choice.name = font.family().toStdString();
        choice.size = font.pointSize() > 0 ? font.pointSize() : current.size;
        choice.bold = font.bold();
        choice.italic = font.italic();
        return choice;
    };
    // The dialog shows an uninstalled family as an installed stand-in; what it showed tells
    // whether the author chose another family or style.
    const FontChoice shown = choiceOf(dialog.currentFont());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ResolveFontChoice(current, shown, choiceOf(dialog.selectedFont()));
}

}  // namespace orv::platform
