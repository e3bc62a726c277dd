#include "editor/dialogs/creation_progress_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "editor/dialogs/dialog_support.h"
#include "model/path_helpers.h"

namespace orv::editor {

namespace {
// Short creations finish without a window flashing up.
constexpr qint64 ShowAfterMs = 250;
}  // namespace

CreationProgressDialog::CreationProgressDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("CreationProgress");
    setWindowTitle(tr("Creating the Menu"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    file_ = new QLabel(this);
    file_->setObjectName("copyingFile");
    file_->setTextFormat(Qt::PlainText);
    target_ = makeSecondary(QString(), this);
    target_->setTextFormat(Qt::PlainText);
    count_ = makeSecondary(QString(), this);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeHeading(tr("Creating the menu..."), this));
    layout->addWidget(file_);
    layout->addWidget(target_);
    layout->addWidget(bar_);
    layout->addWidget(count_);
    setMinimumWidth(460);
}

void CreationProgressDialog::begin()
{
    files_ = 0;
    started_.start();
    file_->setText(tr("Preparing..."));
    target_->clear();
    count_->clear();
}

void CreationProgressDialog::end()
{
    hide();
    started_.invalidate();
}

QString CreationProgressDialog::currentText() const { return file_->text(); }

void CreationProgressDialog::copying(const std::string& fileName, const std::string& target)
{
    if (!started_.isValid())
        begin();
    ++files_;
    file_->setText(tr("Copying %1").arg(qs(fileName)));
    target_->setText(tr("to %1").arg(shownPathText(PathDirectoryPart(target))));
    count_->setText(tr("%n file(s) so far", nullptr, files_));
    if (!isVisible() && started_.elapsed() >= ShowAfterMs)
        show();
    repaintWindows();
}

void CreationProgressDialog::repaintWindows()
{
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace orv::editor
