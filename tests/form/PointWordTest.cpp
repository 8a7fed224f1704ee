#include "form/PointWord.h"

#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

TEST(PointInfo, EachFieldHasItsOwnBitsAndKeepsTheOthers) {
    const struct {
        Attr attr;
        int value;
        PointWord word;
    } cases[] = {
        {Attr::Punto, 1, 0x0001},           {Attr::Servizio, 1, 0x0002},
        {Attr::DirittoRovescio, 2, 0x0008}, {Attr::Colpo, 7, 0x0070},
        {Attr::ErroreVincente, 4, 0x0200},  {Attr::ErroreVincente, 3, 0x0180},
        {Attr::AceDoppioFallo, 3, 0x0C00},  {Attr::CircolettoRosso, 1, 0x1000},
    };
    for (const auto& c : cases) {
        PointWord w = 0;
        CreaInfo(w, c.attr, c.value);
        EXPECT_EQ(w, c.word) << layoutOf(c.attr).name << "=" << c.value;
        EXPECT_EQ(EstraiInfo(w, c.attr), c.value) << layoutOf(c.attr).name;
        // The marker bit and the unused high bits survive too: they go to the file as read.
        w = 0xFFFF;
        CreaInfo(w, c.attr, 0);
        EXPECT_EQ(w, static_cast<PointWord>(0xFFFF & ~layoutOf(c.attr).mask));
    }
}

TEST(PointInfo, UnknownNameIsReportedAndEndsTheProgram) {
    testing::Harness h;
    PointWord w = 0x0070;
    EXPECT_EQ(h.form.EstraiInfo(w, "Colpo"), 7);
    h.form.CreaInfo(w, "Punto", 1);
    EXPECT_EQ(w, 0x0071);
    EXPECT_TRUE(h.platform.messages.empty());

    // Names are exact: case and blanks matter.
    EXPECT_THROW(h.form.EstraiInfo(w, "punto"), testing::ProgramEnded);
    EXPECT_THROW(h.form.CreaInfo(w, "Colpo ", 1), testing::ProgramEnded);
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[0].text, "Chiamata a EstraiInfo non valida (punto)");
    EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(h.platform.messages[1].text, "Chiamata a CreaInfo non valida (Colpo )");
    EXPECT_EQ(w, 0x0071);
}

}  // namespace
}  // namespace courtlog
