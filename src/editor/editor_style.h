// The editor's style: the platform's, with a help icon of our own (a question mark in a
// blue disc) where Qt's built-in one, without an icon theme, shows a broken red picture.
// Its standard icons are made when first drawn (see lazy_icon.h).
#pragma once

#include <QProxyStyle>

namespace orv::editor {

class EditorStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The help icon, drawn at the usual sizes.
QIcon helpIcon();

}  // namespace orv::editor
