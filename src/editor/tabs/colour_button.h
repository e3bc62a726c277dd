// A colour button of the tabs: a push button with a swatch of the colour it holds. The
// chooser is opened by the tab, through the platform's user interface.
#pragma once

#include <cstdint>

#include <QPushButton>

namespace orv::editor {

class ColourButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColourButton(const QString& text, QWidget* parent = nullptr);

    // The 32-bit Windows colour value shown on the swatch.
    std::int32_t colour() const { return colour_; }
    void setColour(std::int32_t colour);

private:
    std::int32_t colour_ = 0;
};

}  // namespace orv::editor
