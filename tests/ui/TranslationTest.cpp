// The dialogs in the language in use: English from a catalogue, Italian without one.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <map>

#include "form/Version.h"
#include "history/ResidualPoints.h"
#include "support/Harness.h"
#include "support/QtPrinting.h"
#include "support/Translators.h"
#include "ui/AboutDialog.h"
#include "ui/KeyMapDialog.h"
#include "ui/Look.h"
#include "ui/NuovoPuntoDialog.h"
#include "ui/QtPlatform.h"

namespace courtlog::ui {
namespace {

const QString kVersion =
    QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);

// The contexts are those the catalogues are made with; a text under any other name would
// stay Italian in every language.
const std::map<std::pair<QString, QString>, QString> kEnglish{
    {{"courtlog::ui::AboutDialog", "Informazioni su %1"}, "About %1"},
    {{"courtlog::ui::AboutDialog", "Versione %1.%2.%3"}, "Version %1.%2.%3"},
    {{"courtlog::ui::KeyMapDialog", "Tasti rapidi"}, "Charting keys"},
    {{"courtlog::ui::KeyMapDialog", "&Stampa..."}, "&Print..."},
    {{"KeyMap", "Esito del servizio (registra il punto)"}, "Serve outcome (records the point)"},
    {{"KeyMap", "Punto a %1"}, "Point to %1"},
    {{"Match", "Giocatore B"}, "Player B"},
    {{"Residual", "Attenzione: punti residui !!!"}, "Warning: later points!"},
    {{"Residual", "Sono presenti %1 ulteriori punti. Cosa vuoi farne?"},
     "%1 more points follow. What should become of them?"},
    {{"Residual", "Inserisci il nuovo punto"}, "Insert the new point"},
    {{"QtPlatform", "Apri"}, "Open"},
    {{"QtPlatform", "Salva con nome"}, "Save As"},
    {{"Files", "File di Courtlog (*.clg)"}, "Courtlog files (*.clg)"},
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
    // The last two are looked for on the key map's page.
    const QStringList italian{"Informazioni su Courtlog",
                              "Versione " + kVersion,
                              "Tasti rapidi",
                              "&Stampa...",
                              "Attenzione: punti residui !!!",
                              "Sono presenti 3 ulteriori punti. Cosa vuoi farne?",
                              "Inserisci il nuovo punto",
                              "Esito del servizio (registra il punto)",
                              "Punto a Giocatore B"};
    const QStringList english{
        "About Courtlog",         "Version " + kVersion,
        "Charting keys",          "&Print...",
        "Warning: later points!", "3 more points follow. What should become of them?",
        "Insert the new point",   "Serve outcome (records the point)",
        "Point to Player B"};
    testing::Harness core;
    Dialogs open(core);
    open.keys.show();  // one of them on the screen, the others only made
    EXPECT_EQ(open.shown(italian.mid(7)), italian);
    {
        const testing::Translation catalogue(testing::known(kEnglish));
        EXPECT_EQ(open.shown(english.mid(7)), english);
        EXPECT_EQ(Dialogs(core).shown(english.mid(7)), english);
    }
    EXPECT_EQ(open.shown(italian.mid(7)), italian);
}

// The file dialogs' titles and filters are the platform's own texts.
TEST(Translation, FileDialogsSpeakTheLanguageInUse) {
    const testing::Translation catalogue(testing::known(kEnglish));
    QWidget owner;
    QtPlatform platform(&owner);
    QStringList seen;
    const auto look = [&seen] {
        QTimer::singleShot(0, [&seen] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen << dialog->windowTitle() << dialog->nameFilters();
            dialog->reject();
        });
    };
    look();
    platform.openFileDialog();
    look();
    platform.saveFileDialog("match.clg", {kFileFilter}, 0);
    EXPECT_EQ(std::tuple(seen.value(0), seen.contains("Courtlog files (*.clg)"),
                         seen.mid(seen.size() - 2)),
              std::tuple(QString("Open"), true, QStringList{"Save As", "Courtlog files (*.clg)"}));
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

// Longer words than the Italian keep to the drawn places of the about box and the question:
// first a smaller font, then a cut text whole in its tooltip, never one over another. The
// Italian fits as drawn.
TEST(Translation, LongerWordsStayInTheirPlaces) {
    testing::FakePlatform platform;
    {
        AboutDialog about(platform, nullptr);
        EXPECT_EQ(cutTexts(about, {{"lblVersion", "Versione " + kVersion},
                                   {"lblDescription_0", "Scritto dagli autori di Courtlog, 2026."},
                                   {"lblDisclaimer",
                                    "Il programma è fornito così com'è, senza "
                                    "garanzie di alcun tipo."},
                                   {"cmdSysInfo", "&System Info..."}}),
                  QStringList());
        NuovoPuntoDialog question(residualQuestion(12, true), nullptr);
        EXPECT_EQ(
            cutTexts(question, {{"Messaggio", "Sono presenti 12 ulteriori punti. Cosa vuoi farne?"},
                                {"Scelta_0", "Sovrascrivi il vecchio punto"},
                                {"Scelta_1", "Inserisci il nuovo punto"},
                                {"Scelta_2", "Cancella i punti residui"}}),
            QStringList());
    }

    const QString longer = QStringLiteral(
        "written by the authors of Courtlog, who chart tennis matches point by point and "
        "stroke by stroke from the first serve to the last ball of the final set");
    const QString description = (longer + ". ").repeated(12);
    const testing::Translation catalogue(testing::known({
        {{"courtlog::ui::AboutDialog", "Versione %1.%2.%3"}, "Version %1.%2.%3, " + longer},
        {{"courtlog::ui::AboutDialog", "Scritto dagli autori di Courtlog, 2026."}, longer},
        {{"courtlog::ui::AboutDialog",
          "Il programma consente di mantenere le statistiche di un match di tennis, permettendo "
          "di inserire oltre ai punti le caratteristiche di ogni colpo. Inoltre è possibile "
          "salvare le partite immesse, e scorrere l'intero match con i tasti F7 e F8 (o con il "
          "cursore in basso, o con il menu Game). Su macchine molto lente, potete disabilitare "
          "alcune opzioni per velocizzare il programma (menu Opzioni). Altre chicche le "
          "troverete usando il programma!"},
         description},
        {{"courtlog::ui::AboutDialog", "&System Info..."}, "&System information of this computer"},
        {{"Residual", "Sono presenti %1 ulteriori punti. Cosa vuoi farne?"},
         "%1 more points follow the one just charted. What should become of them, " + longer},
        {{"Residual", "Sovrascrivi il vecchio punto"}, "Overwrite the old point"},
    }));
    AboutDialog about(platform, nullptr);
    EXPECT_EQ(cutTexts(about, {{"lblVersion", "Version " + kVersion + ", " + longer},
                               {"lblDescription_0", longer},
                               {"lblDescription_1", description},
                               {"cmdSysInfo", "&System information of this computer"}}),
              (QStringList{"cmdSysInfo", "lblDescription_0", "lblDescription_1", "lblVersion"}));
    EXPECT_EQ(about.findChild<QLabel*>("lblDescription_1")->font().pointSizeF(), SmallestPointSize);
    EXPECT_TRUE(textOf(about, "cmdSysInfo").startsWith("&S"));

    NuovoPuntoDialog question(residualQuestion(12, true), nullptr);
    EXPECT_EQ(cutTexts(question, {{"Messaggio",
                                   "12 more points follow the one just charted. What "
                                   "should become of them, " +
                                       longer},
                                  {"Scelta_0", "Overwrite the old point"}}),
              QStringList{"Messaggio"});
}

}  // namespace
}  // namespace courtlog::ui
