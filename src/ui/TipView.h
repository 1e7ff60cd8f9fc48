#pragma once

#include <string_view>

namespace ui {

// What the Tip of the Day window's steps need of the window a front end builds.
class TipView {
public:
    virtual ~TipView() = default;

    virtual bool hideTipChecked() const = 0; // TipCheckBox
    virtual void setHideTipChecked(bool checked) = 0;
    virtual void setFormVisible(bool visible) = 0;
    // Shows the window and brings it to the front.
    virtual void showInFront() = 0;
    // Replaces the whole text of the Tips memo.
    virtual void showTip(std::string_view tip) = 0;
    // Puts the window's own icon into Image1.
    virtual void showOwnIcon() = 0;
};

} // namespace ui
