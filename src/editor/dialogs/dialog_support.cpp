#include "editor/dialogs/dialog_support.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>

#include "editor/rules/desktop_open.h"
#include "editor/rules/shown_path.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system_folders.h"

namespace orv::editor {

QString trText(const std::string& text)
{
    return QCoreApplication::translate("orv::editor", text.c_str());
}

void showHelpTopic(int contextNumber)
{
    ShowHelpOrReport(contextNumber);
}

QString hostPathText(const std::string& windowsPath)
{
    const auto* files = platform::services().files;
    if (!files || windowsPath.empty())
        return {};
    return QString::fromStdString(files->hostPath(windowsPath).string());
}

QString shownPathText(const std::string& windowsPath) { return QString::fromStdString(ShownPath(windowsPath)); }

QString resFilePath(const QString& fileName)
{
    const auto* folders = platform::services().folders;
    if (!folders)
        return {};
    return hostPathText(JoinPath(folders->ProgramFolder(), "Res\\" + fileName.toStdString()));
}

QPixmap resPicture(const QString& fileName, int logicalSize)
{
    QPixmap picture(resFilePath(fileName));
    if (picture.isNull() || logicalSize <= 0)
        return picture;
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const int pixels = qRound(logicalSize * ratio);
    if (picture.width() != pixels && picture.height() != pixels)
        picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QLabel* makeHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QLabel* makeNote(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeSecondary(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::PlaceholderText));
    label->setPalette(p);
    return label;
}

void fitToText(QWidget* dialog, int width)
{
    if (QLayout* layout = dialog->layout()) {
        layout->activate();
        const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->sizeHint().height();
        dialog->resize(width, height);
        dialog->setMinimumSize(width, height);
    }
}

QCheckBox* makeCheckBox(const QString& text, const char* name, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

}  // namespace orv::editor
