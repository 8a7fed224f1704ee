#include "ui/Palette.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/Look.h"

namespace courtlog::ui {

namespace {

// Darker kin of the described colours, so that each keeps its meaning: a red still alarms, a
// teal is still the sets' column.
constexpr Colour DarkRed = 0x0000B0;
constexpr Colour DarkTeal = 0x6C6C00;
constexpr Colour Navy = 0x800000;

using namespace colours;

// The labels' colours come from the board, the frames' from the window; the blue markers and
// a won set's yellow games are the pairs that read poorly, and black on red is brightened.
constexpr ContrastPair Pairs[] = {
    {{Black, LightGreen}, {Black, LightGreen}},      // names of places, frames, position
    {{Black, LightOrange}, {Black, LightOrange}},    // the point panel, statistics captions
    {{Black, LightYellow}, {Black, LightYellow}},    // credits, notice band
    {{Black, Yellow}, {Black, Yellow}},              // names, history, two points away, winner
    {{Black, Cyan}, {Black, Cyan}},                  // points and figures
    {{Black, Red}, {White, DarkRed}},                // break point on the score, set/match point
    {{Black, Teal}, {White, DarkTeal}},              // games and sets
    {{Yellow, Teal}, {Yellow, DarkTeal}},            // a won set's games
    {{Blue, Green}, {Navy, Green}},                  // new balls, deuce
    {{Blue, Red}, {White, DarkRed}},                 // break, set and match point
    {{LightYellow, DarkGreen}, {White, DarkGreen}},  // the columns' headings
};

double luminance(Colour c) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

}  // namespace

std::span<const ContrastPair> contrastPairs() {
    return Pairs;
}

Colours shownColours(Colours described, bool highContrast) {
    if (!highContrast) {
        return described;
    }
    const auto* it = std::ranges::find(Pairs, described, &ContrastPair::described);
    return it != std::end(Pairs) ? it->high : described;
}

double contrastRatio(Colour a, Colour b) {
    // The list form returns values: the pair form's references would outlive the temporaries.
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

void paint(QWidget* w, Colours c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, toQColor(c.back));
    p.setColor(QPalette::WindowText, toQColor(c.fore));
    p.setColor(QPalette::Text, toQColor(c.fore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace courtlog::ui
