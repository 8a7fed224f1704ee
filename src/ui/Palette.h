#pragma once

#include <span>

#include "form/Field.h"

class QWidget;

namespace courtlog::ui {

// A text's colour and the colour behind it.
struct Colours {
    Colour fore;
    Colour back;
    bool operator==(const Colours&) const = default;
};

// A pair of colours the main window shows, and the pair it shows instead in high contrast.
struct ContrastPair {
    Colours described;
    Colours high;
};

// Every pair of text and background colours the main window can show, its labels' and its
// own frames', each once.
std::span<const ContrastPair> contrastPairs();

// The colours a described pair is drawn in: itself, or in high contrast its replacement. A pair
// the table lacks is drawn as described.
Colours shownColours(Colours described, bool highContrast);

// The contrast ratio of two colours by their relative luminance (WCAG 2), from 1 to 21.
double contrastRatio(Colour a, Colour b);

// Gives a widget a solid background and its text colour, which the labels, options and colour
// buttons it holds inherit; a platform's button keeps its own face and text.
void paint(QWidget* w, Colours c);

}  // namespace courtlog::ui
