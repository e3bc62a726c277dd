// An icon made when it is first drawn. Looking an icon up in the desktop's icon theme can
// cost thousands of file lookups (when the theme's cache is stale or missing), and most of
// the editor's icons (menus, tabs not shown yet) are not drawn at start.
//
//     action->setIcon(lazyIcon([] { return QIcon::fromTheme("document-save-as"); }));
#pragma once

#include <functional>

#include <QIcon>

namespace orv::editor {

// The icon make() returns, asked for when first drawn or measured. It counts as not null
// before then: give it a fallback (as the style's standard icons are) where one is needed.
QIcon lazyIcon(std::function<QIcon()> make);

}  // namespace orv::editor
