// An icon made when it is first drawn. Looking an icon up in the desktop's icon theme can
// cost thousands of file lookups (when the theme's cache is stale or missing), and most of
// the editor's icons (menus, tabs not shown yet) are not drawn at start.
//
//     action->setIcon(lazyIcon([] { return QIcon::fromTheme("document-save-as"); }));
#pragma once

#include <functional>

#include <QIcon>

class QWidget;

namespace orv::editor {

// The icon make() returns, asked for when first drawn or measured. It counts as not null
// before then: give it a fallback (as the style's standard icons are) where one is needed.
QIcon lazyIcon(std::function<QIcon()> make);

// From now until window has been painted for the first time, icons of lazyIcon() not made yet
// draw as empty pictures of their size; then the window is drawn again with them. So the
// first picture of the window does not wait for the icon theme (the tool bar's pictures
// follow in the next one).
void holdLazyIconsUntilPainted(QWidget* window);

}  // namespace orv::editor
