#include "editor/dialogs/detailed_error_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "editor/dialogs/help_topics.h"
#include "editor/rules/shown_path.h"

namespace orv::editor {

namespace {

QColor colourOf(Colour c) { return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff); }

QLabel* factLabelFor(const CopyErrorFact& fact, QWidget* parent)
{
    auto* label = new QLabel(trText(fact.answer), parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    if (fact.negative) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, colourOf(fact.colour()));
        label->setPalette(p);
    }
    return label;
}

QLabel* pathLabel(const std::string& text, QWidget* parent)
{
    auto* label = new QLabel(qs(text), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

}  // namespace

DetailedErrorDialog::DetailedErrorDialog(const DetailedCopyError& error, QWidget* parent) : QDialog(parent)
{
    setObjectName("DlgDetailedErrorDlgBox");
    setWindowTitle(error.title.empty() ? tr("Error") : qs(error.title));

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(makeNote(qs(ShownPathsInText(error.message)), this), 1);

    auto* paths = new QGroupBox(tr("File"), this);
    auto* pathForm = new QFormLayout(paths);
    pathForm->addRow(tr("Filename:"), pathLabel(error.fileName, paths));
    pathForm->addRow(tr("Source folder:"), pathLabel(ShownPath(error.sourceFolder), paths));
    pathForm->addRow(tr("Destination folder:"), pathLabel(ShownPath(error.targetFolder), paths));

    const CopyErrorFact* facts[4] = {&error.sourceFolderExists, &error.sourceFileExists, &error.targetFolderExists,
                                     &error.targetFileExists};
    auto* checks = new QGroupBox(tr("Does it exist?"), this);
    auto* checkForm = new QFormLayout(checks);
    const QString names[4] = {tr("Source folder:"), tr("Source file:"), tr("Destination folder:"),
                              tr("Destination file:")};
    for (int i = 0; i < 4; ++i) {
        facts_[i] = factLabelFor(*facts[i], checks);
        checkForm->addRow(names[i], facts_[i]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { showHelpTopic(help::DetailedCopyError); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(paths);
    layout->addWidget(checks);
    layout->addWidget(buttons);
    fitToText(this, 500);
}

QLabel* DetailedErrorDialog::factLabel(int index) const { return index >= 0 && index < 4 ? facts_[index] : nullptr; }

void DetailedErrorDialog::showError(const DetailedCopyError& error, QWidget* parent)
{
    QApplication::beep();
    DetailedErrorDialog dialog(error, parent);
    dialog.exec();
}

}  // namespace orv::editor
