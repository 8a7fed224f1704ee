// Names in the code page of match files.
#include "storage/Cp1252.h"

#include <gtest/gtest.h>

#include <numeric>

namespace courtlog {
namespace {

TEST(Cp1252, KeepsWhatTheCodePageHoldsAndFoldsTheRest) {
    const std::pair<const char*, const char*> folds[] = {
        {"Parità Müller Ñandú Œuvre €5 – “ok”", "Parità Müller Ñandú Œuvre €5 – “ok”"},
        {"Šťa", "Šta"},  // ť is not in the code page, Š is
        {"Đoković Ćorić", "?okovic Coric"},
        {"Łukasz", "?ukasz"},      // no decomposition
        {"Ǻ Nguyễn", "Å Nguyên"},  // the nearest letter the page has
        {"李娜 🎾", "?? ?"},
        // Typed in decomposed form: composed first ("e" and an acute are "é").
        {"Ame\xCC\x81lie Nguye\xCC\x82\xCC\x83n", "Amélie Nguyên"},
        {"\xCC\x81x x\xCC\x81", "?x x?"},  // a mark with no letter, or one it cannot join
        {"\xC2\x80", "?"},                 // a control character, not the euro sign of byte 0x80
        // Malformed input: a stray byte, a cut sequence, an encoded surrogate.
        {"a\377b x\303 \200", "a?b x? ?"},
        {"\355\240\200\342\202A", "???A"},
    };
    for (const auto& [in, out] : folds) {
        EXPECT_EQ(foldToCp1252(in), out) << in;
    }
}

TEST(Cp1252, EveryByteReadsBackToItself) {
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    // The undefined bytes too: a name read from a file is written back byte for byte.
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x81\x80\x9F\xE0"), "\xC2\x81€Ÿà");
}

}  // namespace
}  // namespace courtlog
