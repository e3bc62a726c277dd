// The "Sound" tab: the background sound, the click sound and the hover sound of the buttons.
// A double-click on a sound's label plays it; the playing label is coloured until playback
// ends.
#pragma once

#include "editor/tabs/media_tab.h"

namespace orv::editor {

class SoundTab : public MediaTab {
    Q_OBJECT
public:
    SoundTab(const TabContext& context, QWidget* parent = nullptr);

    // The three sound labels back to the normal text colour.
    void resetLabelColours();

protected:
    void open(MediaObject object) override;

private:
    void deleteSound(MediaObject object);
};

}  // namespace orv::editor
