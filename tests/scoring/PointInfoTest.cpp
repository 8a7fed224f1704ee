#include "scoring/PointInfo.h"

#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

struct FieldCase {
    Attr attr;
    int value;
    PointWord word;
};

TEST(PointInfo, EachFieldLandsInItsOwnBits) {
    const FieldCase cases[] = {
        {Attr::Punto, 1, 0x0001},           {Attr::Servizio, 1, 0x0002},
        {Attr::DirittoRovescio, 2, 0x0008}, {Attr::Colpo, 7, 0x0070},
        {Attr::Colpo, 5, 0x0050},           {Attr::ErroreVincente, 4, 0x0200},
        {Attr::ErroreVincente, 3, 0x0180},  {Attr::AceDoppioFallo, 3, 0x0C00},
        {Attr::AceDoppioFallo, 2, 0x0800},  {Attr::CircolettoRosso, 1, 0x1000},
    };
    for (const auto& c : cases) {
        PointWord w = 0;
        CreaInfo(w, c.attr, c.value);
        EXPECT_EQ(w, c.word) << layoutOf(c.attr).name << "=" << c.value;
        EXPECT_EQ(EstraiInfo(w, c.attr), c.value) << layoutOf(c.attr).name;
    }
}

TEST(PointInfo, WritingOneFieldKeepsEveryOtherBit) {
    // Every bit set, including the marker bit and the three unused high bits.
    for (Attr attr : {Attr::Punto, Attr::Servizio, Attr::DirittoRovescio, Attr::Colpo,
                      Attr::ErroreVincente, Attr::AceDoppioFallo, Attr::CircolettoRosso}) {
        PointWord w = 0xFFFF;
        CreaInfo(w, attr, 0);
        EXPECT_EQ(w, static_cast<PointWord>(0xFFFF & ~layoutOf(attr).mask)) << layoutOf(attr).name;
    }
}

TEST(PointInfo, FullWordReadsBackFieldByField) {
    PointWord w = 0;
    CreaInfo(w, Attr::Punto, 1);
    CreaInfo(w, Attr::Servizio, 1);
    CreaInfo(w, Attr::DirittoRovescio, 2);
    CreaInfo(w, Attr::Colpo, 7);
    CreaInfo(w, Attr::ErroreVincente, 4);
    CreaInfo(w, Attr::AceDoppioFallo, 3);
    CreaInfo(w, Attr::CircolettoRosso, 1);
    EXPECT_EQ(w, 0x1E7B);
    EXPECT_EQ(EstraiInfo(w, Attr::Punto), 1);
    EXPECT_EQ(EstraiInfo(w, Attr::Servizio), 1);
    EXPECT_EQ(EstraiInfo(w, Attr::DirittoRovescio), 2);
    EXPECT_EQ(EstraiInfo(w, Attr::Colpo), 7);
    EXPECT_EQ(EstraiInfo(w, Attr::ErroreVincente), 4);
    EXPECT_EQ(EstraiInfo(w, Attr::AceDoppioFallo), 3);
    EXPECT_EQ(EstraiInfo(w, Attr::CircolettoRosso), 1);
}

TEST(PointInfo, NamesAreExactAndCaseSensitive) {
    EXPECT_EQ(attrFromName("ErroreVincente"), Attr::ErroreVincente);
    EXPECT_EQ(attrFromName("CircolettoRosso"), Attr::CircolettoRosso);
    EXPECT_FALSE(attrFromName("punto"));
    EXPECT_FALSE(attrFromName("Punto "));
    EXPECT_FALSE(attrFromName(""));
}

TEST(PointInfo, UnknownNameIsReportedAndEndsTheProgram) {
    testing::Harness h;
    PointWord w = 0x0070;
    EXPECT_EQ(h.form.EstraiInfo(w, "Colpo"), 7);
    h.form.CreaInfo(w, "Punto", 1);
    EXPECT_EQ(w, 0x0071);
    EXPECT_TRUE(h.platform.messages.empty());

    EXPECT_THROW(h.form.EstraiInfo(w, "punto"), testing::ProgramEnded);
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "Chiamata a EstraiInfo non valida (punto)");
    EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(h.platform.messages[0].title, "Courtlog");

    EXPECT_THROW(h.form.CreaInfo(w, "Colpi", 1), testing::ProgramEnded);
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[1].text, "Chiamata a CreaInfo non valida (Colpi)");
    EXPECT_EQ(w, 0x0071);
}

}  // namespace
}  // namespace courtlog
