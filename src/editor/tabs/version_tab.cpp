#include "editor/tabs/version_tab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QVBoxLayout>

#include "editor/code_page_guard.h"
#include "editor/project_document.h"
#include "editor/rules/field_rules.h"

namespace orv::editor {

CommentEdit::CommentEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFixedHeight(fontMetrics().lineSpacing() * 4 + 12);
}

QString CommentEdit::cleaned(const QString& text)
{
    const std::string flat = WithoutLineBreaks(text.toStdString());
    // Line and paragraph separators of rich text count as breaks too.
    QString out = QString::fromStdString(flat);
    out.remove(QChar::LineSeparator);
    out.remove(QChar::ParagraphSeparator);
    return out.left(TextFieldMaxLength);
}

void CommentEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();  // no line breaks; the dialog's default button may take it
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CommentEdit::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText())
        insertPlainText(cleaned(source->text()));
}

VersionTab::VersionTab(const TabContext& context, QWidget* parent) : ProjectTab(context, parent)
{
    QGroupBox* group = formGroup(tr("Version Information"));
    auto* form = static_cast<QFormLayout*>(group->layout());
    struct Field {
        const char* name;
        const char* label;
        std::string MenuProject::*field;
    };
    const Field fields[] = {
        {"tVerCompanyName", QT_TR_NOOP("&Company:"), &MenuProject::CompanyName},
        {"tVerProductName", QT_TR_NOOP("&Product:"), &MenuProject::ProductName},
        {"tVerDescription", QT_TR_NOOP("&Description:"), &MenuProject::Description},
        {"tVerProductVersion", QT_TR_NOOP("&Version:"), &MenuProject::ProductVersion},
        {"tVerLastCreationDate", QT_TR_NOOP("&Last created:"), &MenuProject::LastCreationDate},
    };
    for (const Field& f : fields) {
        QLineEdit* edit = lineEdit(f.name);
        binder_.bindText(edit, f.field);
        form->addRow(tr(f.label), edit);
    }

    comments_ = new CommentEdit(this);
    WatchText(comments_, TextKind::CodePageText);
    comments_->setObjectName(QStringLiteral("tVerComments"));
    form->addRow(tr("C&omments:"), comments_);
    connect(comments_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = comments_->toPlainText();
        const QString kept = CommentEdit::cleaned(text);
        if (kept != text) {
            // Typed past the length limit: keep the limit, cursor at the end.
            const QSignalBlocker block(comments_);
            comments_->setPlainText(kept);
            comments_->moveCursor(QTextCursor::End);
        }
        context_.document.edit(
            tr("Comments"), [&](MenuProject& p) { p.Comments = kept.toStdString(); }, ChangeScope::Shown, comments_);
    });
    binder_.endTypingOnLeave(comments_);
    binder_.addLoader([this] {
        const QSignalBlocker block(comments_);
        comments_->setPlainText(QString::fromStdString(project().Comments));
    });

    auto* column = new QVBoxLayout(this);
    column->addWidget(group);
    column->addStretch();
}

}  // namespace orv::editor
