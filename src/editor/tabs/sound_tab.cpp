#include "editor/tabs/sound_tab.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/media/media_playback.h"
#include "editor/tabs/media_file_row.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

SoundTab::SoundTab(const TabContext& context, QWidget* parent) : MediaTab(context, parent)
{
    auto* background = new QGroupBox(tr("Background Sound"), this);
    auto* backgroundLayout = new QVBoxLayout(background);
    backgroundLayout->addWidget(
        addRow(MediaObject::BackgroundSound, "CmdSelectBackSound", "CmdDelBackSound", "tBackSoundFolder"));
    auto* stopForMovie = new QCheckBox(tr("Stop the sound while a mo&vie plays"), this);
    stopForMovie->setObjectName(QStringLiteral("cBackgroundSound_StopWhenPlayMov"));
    binder_.bindCheck(stopForMovie, &MenuProject::BackgroundSound_StopWhenPlayMov);
    auto* stopBehind = new QCheckBox(tr("Stop the sound while the menu is &not the active window"), this);
    stopBehind->setObjectName(QStringLiteral("cBackgroundSound_StopIfNotTopmost"));
    binder_.bindCheck(stopBehind, &MenuProject::BackgroundSound_StopIfNotTopmost);
    backgroundLayout->addWidget(stopForMovie);
    backgroundLayout->addWidget(stopBehind);

    auto* click = new QGroupBox(tr("Button Click Sound"), this);
    auto* clickLayout = new QVBoxLayout(click);
    clickLayout->addWidget(
        addRow(MediaObject::ButtonSound, "CmdSelectButSound", "CmdDelButSound", "tButtonSoundFolder"));

    auto* hover = new QGroupBox(tr("Button Hover Sound"), this);
    auto* hoverLayout = new QVBoxLayout(hover);
    hoverLayout->addWidget(addRow(MediaObject::ButtonHoverSound, "CmdSelectButHoverSound", "CmdDelButHoverSound",
                                  "tButtonHoverSoundFolder"));

    auto* hint = new QLabel(tr("Double-click a sound to listen to it."), this);
    hint->setEnabled(false);

    auto* column = new QVBoxLayout(this);
    column->addWidget(background);
    column->addWidget(click);
    column->addWidget(hover);
    column->addWidget(hint);
    column->addStretch();

    // The delete buttons stop a sound that is playing before they remove it.
    for (MediaObject object : {MediaObject::BackgroundSound, MediaObject::ButtonSound, MediaObject::ButtonHoverSound}) {
        QPushButton* del = row(object)->deleteButton();
        del->disconnect(this);
        connect(del, &QPushButton::clicked, this, [this, object] { deleteSound(object); });
    }
    connect(&context.media, &MediaPlayback::playingChanged, this, [this](bool playing) {
        if (!playing)
            resetLabelColours();
    });
}

void SoundTab::resetLabelColours()
{
    for (auto& [object, r] : rows_)
        r->label()->setHighlighted(false);
}

void SoundTab::deleteSound(MediaObject object)
{
    resetLabelColours();
    if (context_.media.isPlaying())
        context_.media.stopAndClose();
    deleteFile(object);
}

void SoundTab::open(MediaObject object)
{
    const std::string file = project().*InfoOf(object).source;
    if (file.empty())
        return;
    resetLabelColours();
    row(object)->label()->setHighlighted(true);
    context_.media.playSound(QString::fromStdString(platform::services().files->hostPath(file).string()));
}

}  // namespace orv::editor
