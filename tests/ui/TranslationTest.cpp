// The dialogs in the language in use: English from a catalogue, Italian without one.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <map>

#include "form/Version.h"
#include "history/ResidualPoints.h"
#include "report/Language.h"
#include "support/Harness.h"
#include "support/QtPrinting.h"
#include "support/Translators.h"
#include "ui/AboutDialog.h"
#include "ui/KeyMapDialog.h"
#include "ui/Look.h"
#include "ui/NuovoPuntoDialog.h"

namespace courtlog::ui {
namespace {

const QString kVersion =
    QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);

// The program in English, from its own catalogue, while it lives.
struct English {
    English() { switchTo(Language::English); }
    ~English() { switchTo(Language::Italian); }
    static void switchTo(Language language) {
        useLanguage(language);
        testing::Translation::settle();
    }
};

// The text of a label or a button.
QString textOf(const QWidget& dialog, const QString& name) {
    const auto* w = dialog.findChild<const QWidget*>(name);
    return w ? w->property("text").toString() : "<no " + name + ">";
}

// The three dialogs and what the user reads of them; of the key map's page, whether it has the
// texts asked for.
struct Dialogs {
    explicit Dialogs(testing::Harness& core) : about(core.platform, nullptr), keys(core.form) {}

    QStringList shown(const QStringList& onTheMap) const {
        QStringList s{about.windowTitle(),         textOf(about, "lblVersion"),
                      keys.windowTitle(),          textOf(keys, "Stampa"),
                      question.windowTitle(),      textOf(question, "Messaggio"),
                      textOf(question, "Scelta_1")};
        const QString page = keys.findChild<QTextBrowser*>("Mappa")->toHtml();
        for (const QString& text : onTheMap) {
            s << (page.contains(text) ? text : "not on the map: " + text);
        }
        return s;
    }

    AboutDialog about;
    KeyMapDialog keys;
    NuovoPuntoDialog question{residualQuestion(3, true), nullptr};
};

// Open dialogs change language with the program, and those made later open in it; texts built
// of pieces take them in the catalogue's order.
TEST(Translation, DialogsSpeakTheLanguageInUseOpenOrNew) {
    // In Italian and in English; the last two are looked for on the key map's page.
    const std::pair<QString, QString> texts[] = {
        {"Informazioni su Courtlog", "About Courtlog"},
        {"Versione " + kVersion, "Version " + kVersion},
        {"Tasti rapidi", "Charting keys"},
        {"&Stampa...", "&Print..."},
        {"Attenzione: punti residui !!!", "Warning: points after this one!"},
        {"Sono presenti 3 ulteriori punti. Cosa vuoi farne?",
         "There are 3 more points after this one. What should happen to them?"},
        {"Inserisci il nuovo punto", "Insert the new point"},
        {"Esito del servizio (registra il punto)", "Serve outcome (records the point)"},
        {"Punto a Giocatore B", "Point to Player B"}};
    QStringList italian, english;
    for (const auto& [it, en] : texts) {
        italian << it;
        english << en;
    }
    testing::Harness core;
    Dialogs open(core);
    open.keys.show();  // one of them on the screen, the others only made
    EXPECT_EQ(open.shown(italian.mid(7)), italian);
    {
        const English inEnglish;
        EXPECT_EQ(open.shown(english.mid(7)), english);
        EXPECT_EQ(Dialogs(core).shown(english.mid(7)), english);
    }
    EXPECT_EQ(open.shown(italian.mid(7)), italian);
}

// The names of the widgets whose text is cut. Each text must be in its place (a wrapping label
// in its height, any other in its width), and a cut one must end in "…", begin as the whole text
// does and show it whole in its tooltip.
QStringList cutTexts(const QWidget& dialog, const std::map<QString, QString>& whole) {
    QStringList cut;
    for (const auto& [name, text] : whole) {
        SCOPED_TRACE(name.toStdString());
        const auto* w = dialog.findChild<QWidget*>(name);
        const QString shown = textOf(dialog, name);
        EXPECT_TRUE(w->hasHeightForWidth() ? w->heightForWidth(w->width()) <= w->height()
                                           : w->sizeHint().width() <= w->width())
            << shown.toStdString();
        if (shown == text) {
            EXPECT_EQ(w->toolTip(), QString());
            continue;
        }
        cut << name;
        EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_TRUE(text.startsWith(shown.chopped(1))) << shown.toStdString();
        EXPECT_EQ(w->toolTip(), QString(text).remove('&'));
    }
    return cut;
}

// The Italian with a long tail, twelve times over for the long description.
QString grown(const QString& italian) {
    const QString tail = QStringLiteral(
        ", written by the authors of Courtlog, who chart tennis matches point by point and "
        "stroke by stroke from the first serve to the last ball of the final set");
    return italian + (italian.size() > 300 ? tail.repeated(12) : tail);
}

// Longer words than the Italian keep to the drawn places of the about box and the question:
// first a smaller font, then a cut text whole in its tooltip, never one over another. The
// Italian fits as drawn.
TEST(Translation, LongerWordsStayInTheirPlaces) {
    testing::FakePlatform platform;
    std::map<QString, QString> about, question;  // the whole texts by widget
    {
        AboutDialog a(platform, nullptr);
        NuovoPuntoDialog q(residualQuestion(12, true), nullptr);
        for (const char* name : {"lblVersion", "lblDescription_0", "lblDescription_1",
                                 "lblDisclaimer", "cmdSysInfo"}) {
            about[name] = textOf(a, name);
        }
        for (const char* name : {"Messaggio", "Scelta_0", "Scelta_1", "Scelta_2"}) {
            question[name] = textOf(q, name);
        }
        EXPECT_EQ(cutTexts(a, about) + cutTexts(q, question), QStringList());
    }
    for (auto* texts : {&about, &question}) {
        for (auto& [name, text] : *texts) {
            text = grown(text);
        }
    }
    const testing::Translation catalogue([](const QString& context, const QString& source) {
        return context == "courtlog::ui::AboutDialog" || context == "Residual" ? grown(source)
                                                                               : QString();
    });
    AboutDialog a(platform, nullptr);
    EXPECT_EQ(cutTexts(a, about),
              (QStringList{"cmdSysInfo", "lblDescription_0", "lblDescription_1", "lblVersion"}));
    EXPECT_EQ(a.findChild<QLabel*>("lblDescription_1")->font().pointSizeF(), SmallestPointSize);
    EXPECT_TRUE(textOf(a, "cmdSysInfo").startsWith("&S"));
    NuovoPuntoDialog q(residualQuestion(12, true), nullptr);
    EXPECT_EQ(cutTexts(q, question),
              (QStringList{"Messaggio", "Scelta_0", "Scelta_1", "Scelta_2"}));
}

}  // namespace
}  // namespace courtlog::ui
