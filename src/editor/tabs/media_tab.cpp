#include "editor/tabs/media_tab.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "editor/media/media_playback.h"
#include "editor/project_document.h"
#include "editor/tabs/dialog_launcher.h"
#include "editor/tabs/media_file_row.h"
#include "editor/rules/shown_path.h"
#include "model/editor_options.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

MediaFileRow* MediaTab::addRow(MediaObject object, const char* selectName, const char* deleteName,
                               const char* folderName)
{
    auto* row = new MediaFileRow(this);
    row->selectButton()->setObjectName(QString::fromLatin1(selectName));
    row->deleteButton()->setObjectName(QString::fromLatin1(deleteName));
    row->folderEdit()->setObjectName(QString::fromLatin1(folderName));
    rows_[object] = row;
    const MediaObjectInfo& info = InfoOf(object);
    binder_.bindFolder(row->folderEdit(), info.folder, info.folderKind);
    connect(row->selectButton(), &QPushButton::clicked, this, [this, object] { selectFile(object); });
    connect(row->deleteButton(), &QPushButton::clicked, this, [this, object] { deleteFile(object); });
    connect(row->label(), &PathLabel::doubleClicked, this, [this, object] { open(object); });
    row->setFolderVisible(Options().ShowCDFolders);
    return row;
}

MediaFileRow* MediaTab::row(MediaObject object) const
{
    auto it = rows_.find(object);
    return it == rows_.end() ? nullptr : it->second;
}

void MediaTab::applyOptions()
{
    for (auto& [object, row] : rows_)
        row->setFolderVisible(Options().ShowCDFolders);
}

void MediaTab::refresh()
{
    for (auto& [object, row] : rows_) {
        const MediaObjectInfo& info = InfoOf(object);
        row->setFile(QString::fromStdString(ShownPathShort(project().*info.source)), tr(info.tip));
    }
}

void MediaTab::selectFile(MediaObject object)
{
    MediaFileRow* r = row(object);
    const MediaObjectInfo& info = InfoOf(object);
    binder_.commitFocusedField();
    const std::optional<std::string> file = ChooseMediaFile(Options(), object);
    if (!file)
        return;
    // Reading a picture's header can take a moment on slow media: say so at once.
    if (info.kind == MediaKind::Picture && r) {
        r->label()->setPath(tr("Loading picture data..."));
        r->label()->repaint();
    }
    const bool changed = context_.document.edit(
        tr(info.dialogTitle), [&](MenuProject& p) { ApplyChosenFile(p, Options(), object, *file); });
    if (!changed)
        load();  // the label shows the file again instead of the loading note
    emit showMe();
    if (Options().ShowCDFolders && r)
        r->folderEdit()->setFocus();
}

void MediaTab::deleteFile(MediaObject object)
{
    static const char* const names[] = {QT_TR_NOOP("Delete Picture"), QT_TR_NOOP("Delete Sound"),
                                        QT_TR_NOOP("Delete Movie")};
    context_.document.edit(tr(names[static_cast<int>(InfoOf(object).kind)]),
                           [&](MenuProject& p) { DeleteMediaObject(p, object); });
}

void MediaTab::open(MediaObject object)
{
    const std::string file = project().*InfoOf(object).source;
    if (!file.empty())
        context_.dialogs.showPicture(file, window());
}

}  // namespace orv::editor
