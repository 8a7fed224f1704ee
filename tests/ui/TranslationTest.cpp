// The dialogs in the language in use: English from a catalogue, Italian without one.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <map>
#include <ostream>
#include <utility>

#include "form/Version.h"
#include "history/ResidualPoints.h"
#include "support/Harness.h"
#include "support/QtPrinting.h"
#include "ui/AboutDialog.h"
#include "ui/KeyMapDialog.h"
#include "ui/Look.h"
#include "ui/NuovoPuntoDialog.h"
#include "ui/QtPlatform.h"

namespace courtlog::ui {
namespace {

// A catalogue in place while it lives: the words it knows by context and Italian source, the
// source itself for any other.
class Catalogue : public QTranslator {
public:
    using Words = std::map<std::pair<QString, QString>, QString>;

    explicit Catalogue(Words words) : words_(std::move(words)) {
        QCoreApplication::installTranslator(this);
        settle();
    }
    ~Catalogue() override {
        QCoreApplication::removeTranslator(this);
        settle();
    }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const auto it = words_.find({QString::fromUtf8(context), QString::fromUtf8(source)});
        return it == words_.end() ? QString() : it->second;
    }

    // The windows hear of a new catalogue through posted events.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }

private:
    Words words_;
};

// The contexts are those the catalogues are made with; a text under any other name would
// stay Italian in every language.
const Catalogue::Words kEnglish{
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

template <typename W>
QString textOf(const QWidget& dialog, const char* name) {
    const W* w = dialog.findChild<const W*>(QString::fromUtf8(name));
    return w == nullptr ? QStringLiteral("<no %1>").arg(QString::fromUtf8(name)) : w->text();
}

// What the user reads of each dialog that matters here.
struct Shown {
    QString aboutTitle, version, keysTitle, print, residualTitle, message, insert;
    bool mapHasGroup, mapHasPoint;  // the key map's page has these texts

    bool operator==(const Shown&) const = default;
};

Shown shown(const AboutDialog& about, const KeyMapDialog& keys, const NuovoPuntoDialog& question,
            const QString& group, const QString& point) {
    const QString page = keys.findChild<QTextBrowser*>("Mappa")->toHtml();
    return {about.windowTitle(),
            textOf<QLabel>(about, "lblVersion"),
            keys.windowTitle(),
            textOf<QPushButton>(keys, "Stampa"),
            question.windowTitle(),
            textOf<QLabel>(question, "Messaggio"),
            textOf<QPushButton>(question, "Scelta_1"),
            page.contains(group),
            page.contains(point)};
}

void PrintTo(const Shown& s, std::ostream* os) {
    *os << QStringList{s.aboutTitle,    s.version, s.keysTitle, s.print,
                       s.residualTitle, s.message, s.insert}
               .join(QStringLiteral(" | "))
               .toStdString()
        << " | group " << s.mapHasGroup << " | point " << s.mapHasPoint;
}

// Open dialogs change language with the program, and those made later open in it; texts built
// of pieces take them in the catalogue's order.
TEST(Translation, DialogsSpeakTheLanguageInUseOpenOrNew) {
    testing::Harness core;
    const QString version =
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
    const auto shownBy = [&](const AboutDialog& about, const KeyMapDialog& keys,
                             const NuovoPuntoDialog& question, bool english) {
        return english ? shown(about, keys, question, "Serve outcome (records the point)",
                               "Point to Player B")
                       : shown(about, keys, question, "Esito del servizio (registra il punto)",
                               "Punto a Giocatore B");
    };
    const Shown italian{.aboutTitle = "Informazioni su Courtlog",
                        .version = "Versione " + version,
                        .keysTitle = "Tasti rapidi",
                        .print = "&Stampa...",
                        .residualTitle = "Attenzione: punti residui !!!",
                        .message = "Sono presenti 3 ulteriori punti. Cosa vuoi farne?",
                        .insert = "Inserisci il nuovo punto",
                        .mapHasGroup = true,
                        .mapHasPoint = true};
    const Shown english{.aboutTitle = "About Courtlog",
                        .version = "Version " + version,
                        .keysTitle = "Charting keys",
                        .print = "&Print...",
                        .residualTitle = "Warning: later points!",
                        .message = "3 more points follow. What should become of them?",
                        .insert = "Insert the new point",
                        .mapHasGroup = true,
                        .mapHasPoint = true};

    AboutDialog about(core.platform, nullptr);
    KeyMapDialog keys(core.form);
    NuovoPuntoDialog question(residualQuestion(3, true), nullptr);
    keys.show();  // one of them on the screen, the others only made
    EXPECT_EQ(shownBy(about, keys, question, false), italian);
    {
        Catalogue catalogue(kEnglish);
        EXPECT_EQ(shownBy(about, keys, question, true), english);
        AboutDialog laterAbout(core.platform, nullptr);
        KeyMapDialog laterKeys(core.form);
        NuovoPuntoDialog laterQuestion(residualQuestion(3, true), nullptr);
        EXPECT_EQ(shownBy(laterAbout, laterKeys, laterQuestion, true), english);
    }
    EXPECT_EQ(shownBy(about, keys, question, false), italian);
}

// The file dialogs' titles and filters are the platform's own texts.
TEST(Translation, FileDialogsSpeakTheLanguageInUse) {
    Catalogue catalogue(kEnglish);
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
    platform.saveFileDialog("match.clg", kFileFilter);
    EXPECT_EQ(seen,
              (QStringList{"Open", "Courtlog files (*.clg)", "Save As", "Courtlog files (*.clg)"}));
}

// Whether a widget shows all of its text inside its place: a wrapping label in its height, any
// other in its width.
bool inItsPlace(const QWidget* w) {
    return w->hasHeightForWidth() ? w->heightForWidth(w->width()) <= w->height()
                                  : w->sizeHint().width() <= w->width();
}

// The names of the widgets whose text is cut. Each text must be in its place, and a cut one
// must end in "…", begin as the whole text does and show it whole in its tooltip.
QStringList cutTexts(const QWidget& dialog, const std::map<QString, QString>& whole) {
    QStringList cut;
    for (const auto& [name, text] : whole) {
        SCOPED_TRACE(name.toStdString());
        const auto* w = dialog.findChild<QWidget*>(name);
        const auto* label = qobject_cast<const QLabel*>(w);
        const QString shown = label ? label->text() : qobject_cast<const QPushButton*>(w)->text();
        EXPECT_TRUE(inItsPlace(w)) << shown.toStdString();
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
    const QString version =
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
    const std::map<QString, QString> italianAbout{
        {"lblVersion", "Versione " + version},
        {"lblDescription_0", "Scritto dagli autori di Courtlog, 2026."},
        {"lblDisclaimer", "Il programma è fornito così com'è, senza garanzie di alcun tipo."},
        {"cmdSysInfo", "&System Info..."},
    };
    const std::map<QString, QString> italianQuestion{
        {"Messaggio", "Sono presenti 12 ulteriori punti. Cosa vuoi farne?"},
        {"Scelta_0", "Sovrascrivi il vecchio punto"},
        {"Scelta_1", "Inserisci il nuovo punto"},
        {"Scelta_2", "Cancella i punti residui"},
    };
    {
        AboutDialog about(platform, nullptr);
        EXPECT_EQ(cutTexts(about, italianAbout), QStringList());
        NuovoPuntoDialog question(residualQuestion(12, true), nullptr);
        EXPECT_EQ(cutTexts(question, italianQuestion), QStringList());
    }

    const QString longer = QStringLiteral(
        "written by the authors of Courtlog, who chart tennis matches point by point and "
        "stroke by stroke from the first serve to the last ball of the final set");
    QString description;
    for (int i = 0; i < 12; ++i) {
        description += longer + QStringLiteral(". ");
    }
    Catalogue catalogue({
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
    });
    AboutDialog about(platform, nullptr);
    const auto* text = about.findChild<QLabel*>("lblDescription_1");
    EXPECT_EQ(cutTexts(about, {{"lblVersion", "Version " + version + ", " + longer},
                               {"lblDescription_0", longer},
                               {"lblDescription_1", description},
                               {"cmdSysInfo", "&System information of this computer"}}),
              (QStringList{"cmdSysInfo", "lblDescription_0", "lblDescription_1", "lblVersion"}));
    EXPECT_EQ(text->font().pointSizeF(), SmallestPointSize);
    EXPECT_TRUE(about.findChild<QPushButton*>("cmdSysInfo")->text().startsWith("&S"));

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
