// The "Pictures" tab: background picture, logotype and menu picture, each with its file,
// destination folder and options.
#pragma once

#include "editor/tabs/media_tab.h"

class QLineEdit;

namespace orv::editor {

class PicturesTab : public MediaTab {
    Q_OBJECT
public:
    PicturesTab(const TabContext& context, QWidget* parent = nullptr);

protected:
    void refresh() override;

private:
    QLineEdit* menuPictureWidth_;
    QLineEdit* menuPictureHeight_;
};

}  // namespace orv::editor
