#pragma once

// Qt values in gtest's messages as text rather than as bytes.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
