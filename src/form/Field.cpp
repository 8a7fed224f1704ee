#include "form/Field.h"

#include <cstdio>

namespace courtlog {

std::string colourToHex(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(c), greenOf(c), blueOf(c));
    return text;
}

void Field::setCaption(Text caption) {
    if (caption != caption_) {
        caption_ = std::move(caption);
        touch();
    }
}

void Notice::show(Text text, bool closable, Text action) {
    if (text != text_ || closable != closable_ || action != action_) {
        text_ = std::move(text);
        closable_ = closable;
        action_ = std::move(action);
        touch();
    }
}

void Field::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        touch();
    }
}

void Field::setFore(Colour fore) {
    if (fore != fore_) {
        fore_ = fore;
        touch();
    }
}

void Field::setBack(Colour back) {
    if (back != back_) {
        back_ = back;
        touch();
    }
}

bool OptionGroup::select(int index) {
    if (index == selected_) {
        return false;
    }
    selected_ = index;
    touch();
    return true;
}

void MenuCheck::setChecked(bool checked) {
    if (checked != checked_) {
        checked_ = checked;
        touch();
    }
}

void MenuCheck::setEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        touch();
    }
}

void ScrollBar::setMinimum(int v) {
    if (v != minimum_) {
        minimum_ = v;
        touch();
    }
}

void ScrollBar::setMaximum(int v) {
    if (v != maximum_) {
        maximum_ = v;
        touch();
    }
}

void ScrollBar::setValue(int v) {
    if (v != value_) {
        value_ = v;
        touch();
    }
}

}  // namespace courtlog
