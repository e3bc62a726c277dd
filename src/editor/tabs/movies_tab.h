// The "Movies" tab: the window in which buttons play movies (size, offsets, full screen) and
// the movie shown inside the menu.
#pragma once

#include "editor/tabs/media_tab.h"

class QCheckBox;

namespace orv::editor {

class MoviesTab : public MediaTab {
    Q_OBJECT
public:
    MoviesTab(const TabContext& context, QWidget* parent = nullptr);

protected:
    void refresh() override;
    void open(MediaObject object) override;

private:
    QCheckBox* fullScreen_;
    QCheckBox* maximize_;
};

}  // namespace orv::editor
