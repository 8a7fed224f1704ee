#pragma once

#include <cstdint>
#include <string>

#include "platform/Text.h"

namespace courtlog {

// Colours keep the 0x00BBGGRR order of the window's design, so the values read the same
// everywhere in the program; only the view turns them into red, green and blue.
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour Cyan = 0xFFFF00;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour DarkGreen = 0x008000;
inline constexpr Colour Green = 0x00C000;
inline constexpr Colour LightGreen = 0x80FF80;
inline constexpr Colour LightOrange = 0x80C0FF;
inline constexpr Colour LightYellow = 0x80FFFF;
inline constexpr Colour Teal = 0xC0C000;
}  // namespace colours

constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// "#RRGGBB" in upper-case hexadecimal.
std::string colourToHex(Colour c);

// Remembers whether it changed since the view last looked, so that the view pushes only what
// moved into its widgets.
class Dirty {
public:
    bool dirty() const { return dirty_; }
    // The view's own bookkeeping, not part of what the model holds.
    void clearDirty() const { dirty_ = false; }

protected:
    void touch() { dirty_ = true; }

private:
    mutable bool dirty_ = true;
};

// One label of the window as the logic sees it: the scoreboard carries the score in these.
class Field : public Dirty {
public:
    Field() = default;
    Field(Text caption, Colour back, Colour fore = colours::Black, bool visible = true)
        : caption_(std::move(caption)), visible_(visible), fore_(fore), back_(back) {}

    // What the label shows, to be translated by the view.
    const Text& text() const { return caption_; }
    // The caption in Italian, as reports and tests read it.
    std::string caption() const { return caption_.italian(); }
    bool visible() const { return visible_; }
    Colour fore() const { return fore_; }
    Colour back() const { return back_; }

    void setCaption(Text caption);
    void setVisible(bool visible);
    void setFore(Colour fore);
    void setBack(Colour back);

    void setNumber(int n) { setCaption(Text::number(n)); }

private:
    Text caption_;
    bool visible_ = true;
    Colour fore_ = colours::Black;
    Colour back_ = colours::White;
};

// A group of option buttons, or a drop-down list: which entry is selected (-1 for none).
class OptionGroup : public Dirty {
public:
    explicit OptionGroup(int count, int selected = 0) : count_(count), selected_(selected) {}

    int count() const { return count_; }
    int selected() const { return selected_; }
    // Returns true when the selection changed.
    bool select(int index);

private:
    int count_;
    int selected_;
};

// A menu item with a check mark, which may be offered or not.
class MenuCheck : public Dirty {
public:
    explicit MenuCheck(bool checked = false) : checked_(checked) {}
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

private:
    bool checked_;
    bool enabled_ = true;
};

// A word to the user that stays in a band of its own until what it says is resolved, or, when
// it may be closed, until the user closes it. Empty: no band.
class Notice : public Dirty {
public:
    const Text& text() const { return text_; }
    bool closable() const { return closable_; }
    // What a button beside it offers to do about it; empty: no button.
    const Text& action() const { return action_; }
    void show(Text text, bool closable, Text action = {});
    void clear() { show({}, false); }

private:
    Text text_;
    bool closable_ = false;
    Text action_;
};

class ScrollBar : public Dirty {
public:
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    void setMinimum(int v);
    void setMaximum(int v);
    void setValue(int v);

private:
    int minimum_ = 0;
    int maximum_ = 0;
    int value_ = 0;
};

}  // namespace courtlog
