#include "storage/Cp1252.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

TEST(Cp1252, KeepsWhatTheCodePageHolds) {
    for (const char* s :
         {"Giocatore A", "Parità", "Müller", "Ñandú", "Œuvre €5 – “ok”", "   ", "Ça va, Zoë?"}) {
        EXPECT_EQ(foldToCp1252(s), s);
    }
    EXPECT_EQ(foldToCp1252("Šťa"), "Šta");  // ť is not in the code page, Š is
    EXPECT_EQ(utf8ToCp1252("Parità"), "Parit\xE0");
    EXPECT_EQ(utf8ToCp1252("€"), "\x80");
    EXPECT_EQ(utf8ToCp1252("Ÿ"), "\x9F");
}

TEST(Cp1252, FoldsOtherLettersToTheirBaseOrAQuestionMark) {
    EXPECT_EQ(foldToCp1252("Đoković Ćorić"), "?okovic Coric");
    EXPECT_EQ(foldToCp1252("Łukasz"), "?ukasz");  // no decomposition
    EXPECT_EQ(foldToCp1252("Ǻ"), "Å");            // the nearest letter the page has
    EXPECT_EQ(foldToCp1252("Nguyễn"), "Nguyên");
    EXPECT_EQ(foldToCp1252("Şarapova"), "Sarapova");
    EXPECT_EQ(foldToCp1252("李娜"), "??");
    EXPECT_EQ(foldToCp1252("🎾 ace"), "? ace");
    // A combining mark typed on its own has no base letter.
    EXPECT_EQ(foldToCp1252("e\xCC\x81"), "e?");
}

TEST(Cp1252, EveryByteReadsBackToItself) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    // The undefined bytes too: a name read from a file is written back byte for byte.
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(cp1252ToUtf8("\x80\x9F\xE0"), "€Ÿà");
}

TEST(Cp1252, MalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(foldToCp1252("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(foldToCp1252("x\xC3"), "x?");        // cut sequence
    EXPECT_EQ(foldToCp1252("\xED\xA0\x80"), "?");  // encoded surrogate
    EXPECT_EQ(foldToCp1252("\xE2\x82"
                           "A"),
              "??A");
}

}  // namespace
}  // namespace courtlog
