// The window and its dialogs in another language: every text follows at once, and comes back
// exactly.
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "form/Version.h"
#include "history/ResidualPoints.h"
#include "support/Translators.h"
#include "support/WindowTest.h"
#include "ui/AboutDialog.h"
#include "ui/CommandLine.h"
#include "ui/KeyMapDialog.h"
#include "ui/Look.h"
#include "ui/NuovoPuntoDialog.h"

namespace courtlog::ui {
namespace {

// Every text the windows show or say, by window, control, action or menu, with a "|" before
// each line; of a text browser, its whole page.
std::map<QString, QString> textsOf(std::initializer_list<const QWidget*> windows) {
    std::map<QString, QString> texts;
    for (const QWidget* w : windows) {
        const QString window = w->metaObject()->className() + QStringLiteral(" ");
        texts[window + "title"] = w->windowTitle();
        for (QObject* c : w->findChildren<QObject*>()) {
            if (c->objectName().isEmpty()) {
                continue;  // a part of a control
            }
            // A label's, a button's or an action's text, or a frame's or a menu's title.
            QString s = c->property("text").toString() + c->property("title").toString();
            if (auto* list = qobject_cast<QComboBox*>(c)) {
                for (int i = 0; i < list->count(); ++i) {
                    s += list->itemText(i) + "|";
                }
            }
            for (const char* said :
                 {"toolTip", "accessibleName", "accessibleDescription", "plainText"}) {
                s += "|" + c->property(said).toString().replace('\n', '|');
            }
            texts[window + c->metaObject()->className() + " " + c->objectName()] = s;
        }
    }
    return texts;
}

// The text of a label or a button.
QString textOf(const QWidget& dialog, const QString& name) {
    const auto* w = dialog.findChild<const QWidget*>(name);
    return w ? w->property("text").toString() : "<no " + name + ">";
}

// The three dialogs; the about box's version and the question are texts built of pieces, and
// the key map names the players.
struct Dialogs {
    Dialogs(Platform& platform, MainForm& form) : about(platform, nullptr), keys(form) {}
    std::map<QString, QString> texts() const { return textsOf({&about, &keys, &question}); }
    QString pieces() const {
        const QString page = keys.findChild<QTextBrowser*>("Mappa")->toPlainText();
        return textOf(about, "lblVersion") + "|" + textOf(question, "Messaggio") + "|" +
               QRegularExpression(".*Bianchi.*").match(page).captured();
    }

    AboutDialog about;
    KeyMapDialog keys;
    NuovoPuntoDialog question{residualQuestion(3, true), nullptr};
};

using Language = testing::WindowTest;

// Open dialogs change language with the window, and those made later open in it; texts built
// of pieces take them in the catalogue's order.
TEST_F(Language, EveryTextOfTheWindowAndItsDialogsFollowsAtOnceAndComesBackExactly) {
    platform.inputAnswers = {"Bianchi"};
    QTest::mouseClick(find("NomeGiocatore_1"), Qt::LeftButton);
    window.form().AceDoppioFallo_Click(1);
    window.form().PuntoGiocatore_Click(0);
    window.refresh();
    const QString version =
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
    Dialogs open(platform, window.form());
    open.keys.show();  // one of them on the screen, the others only made
    const auto all = [&] { return textsOf({&window, &open.about, &open.keys, &open.question}); };
    const auto italian = all();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Sì");
    EXPECT_EQ(open.pieces(),
              "Versione " + version +
                  "|Sono presenti 3 ulteriori punti. Cosa vuoi farne?|Punto a Bianchi");

    choose(1);
    EXPECT_EQ(open.pieces(), "Version " + version +
                                 "|There are 3 more points after this one. What should happen "
                                 "to them?|Point to Bianchi");
    const Dialogs later(platform, window.form());
    EXPECT_EQ(later.texts(), open.texts());
    // Stored at once, unlike the options that wait for "Adesso".
    EXPECT_EQ(platform.settings["Courtlog/Opzioni/Lingua"], "en");
    const auto english = all();
    // The names nobody gave are the program's; the one the user typed stays.
    EXPECT_EQ(QStringList({text("NomeGiocatore_0"), text("NomeGiocatore_1"),
                           find<QGroupBox>("FrameStatistiche_1")->title(),
                           find<QScrollBar>("GameScroll")->toolTip(),
                           QCoreApplication::translate("QPlatformTheme", "&Yes")}),
              QStringList({"Player A", "Bianchi", "Bianchi statistics", "Point 2 of 2", "&Yes"}));
    // Nothing is left in Italian where English reads otherwise.
    // The Italian texts that the English catalogue translates to something else: sources whose
    // English differs; one that some context keeps as it is ("Ace" on the button, "Aces" in a
    // table) may stand in English.
    std::set<QString> italianOnly, kept;
    QFile file(QStringLiteral(COURTLOG_CATALOGUE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    for (QString source; !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            (xml.readElementText() != source ? italianOnly : kept).insert(source);
        }
    }
    std::erase_if(italianOnly, [&](const QString& s) { return kept.contains(s); });
    ASSERT_GT(italianOnly.size(), 100u);
    int changed = 0;
    for (const auto& [control, text] : english) {
        changed += text != italian.at(control);
        for (const QString& part : text.split('|')) {
            EXPECT_FALSE(italianOnly.count(part))
                << control.toStdString() << ": " << part.toStdString();
        }
    }
    EXPECT_GT(changed, 60);
    // A saved match keeps the names as the user read them, and so does the name offered.
    platform.saveChoices = {{"/nonexistent-folder/m.clg", "m.clg"}};
    window.form().FileSave_Click();
    EXPECT_EQ(std::tuple(platform.saveDialogNames.back(), platform.messages.back(),
                         window.form().session().record().players[0]),
              std::tuple("Player A-Bianchi (Tournament name).clg",
                         "Could not save the file m.clg: the folder does not exist", "Player A"));

    choose(0);
    EXPECT_EQ(platform.settings["Courtlog/Opzioni/Lingua"], "it");
    EXPECT_EQ(all(), italian);
}

TEST_F(Language, TheCommandLineChoosesForOneRun) {
    // The arguments, then the file, the language and whether that is an error.
    const std::tuple<std::vector<std::string>, std::string, std::optional<int>, bool> cases[] = {
        {{"--x.clg"}, "--x.clg", {}, false},  // a lone argument is a file, whatever its name,
        {{"--lang"}, "", {}, true},           // but for the options every program answers
        {{"--lang=en"}, "", 1, false},
        {{"--lang", "en", "x.clg"}, "x.clg", 1, false},
        {{"--lang=it", "--", "--help"}, "--help", 0, false},
        {{"--lang", "en"}, "", 1, false},
        {{"--lang", "fr", "x.clg"}, "", {}, true},
        {{"--lang", "en", "--colour", "x.clg"}, "", 1, true},
        {{"a.clg", "b.clg"}, "a.clg", {}, true},
    };
    for (const auto& [args, file, language, error] : cases) {
        const WindowArguments got = parseWindowArguments(args);
        EXPECT_EQ(std::tuple(got.file, got.language, !got.error.empty()),
                  std::tuple(file, language, error))
            << args.front() << " " << args.size();
    }

    window.useLanguageForRun(1);
    EXPECT_EQ(find<QLabel>("Label1_10")->text(), "Event:");
    EXPECT_EQ(platform.settings.count("Courtlog/Opzioni/Lingua"), 0u);
}

// What longer words than the Italian end with: a long tail, twelve times over for the long
// description.
const QString kTail = QStringLiteral(
    ", written by the authors of Courtlog, who chart tennis matches point by point and stroke by "
    "stroke from the first serve to the last ball of the final set");

// The names of the widgets whose text is cut. Each text must be in its place (a wrapping label
// in its height, any other in its width); a whole one ends as the words do and has no tooltip,
// a cut one ends in "…" and shows the whole text, which begins as it does, in its tooltip.
QStringList cutTexts(const QWidget& dialog, const QStringList& names, const QString& ending) {
    QStringList cut;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const auto* w = dialog.findChild<QWidget*>(name);
        const QString shown = textOf(dialog, name);
        EXPECT_TRUE(w->hasHeightForWidth() ? w->heightForWidth(w->width()) <= w->height()
                                           : w->sizeHint().width() <= w->width())
            << shown.toStdString();
        if (!shown.endsWith(QChar(0x2026))) {
            EXPECT_EQ(std::pair(shown.endsWith(ending), w->toolTip()), std::pair(true, QString()));
            continue;
        }
        cut << name;
        EXPECT_TRUE(w->toolTip().startsWith(QString(shown.chopped(1)).remove('&')) &&
                    w->toolTip().endsWith(ending))
            << w->toolTip().toStdString();
    }
    return cut;
}

// Longer words than the Italian keep to the drawn places of the about box and the question:
// first a smaller font, then a cut text whole in its tooltip, never one over another. The
// Italian fits as drawn, and the about box answers its keys and its button.
TEST(Translation, LongerWordsStayInTheirPlaces) {
    testing::FakePlatform platform;
    const QStringList about{"lblVersion", "lblDescription_0", "lblDescription_1", "lblDisclaimer",
                            "cmdSysInfo"},
        question{"Messaggio", "Scelta_0", "Scelta_1", "Scelta_2"};
    {
        AboutDialog a(platform, nullptr);
        NuovoPuntoDialog q(residualQuestion(12, true), nullptr);
        EXPECT_EQ(cutTexts(a, about, "") + cutTexts(q, question, ""), QStringList());
        // Enter or Escape closes the about box; its button asks for the system information.
        for (Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
            a.show();
            QTest::keyClick(&a, closing);
            EXPECT_FALSE(a.isVisible());
        }
        QTest::mouseClick(a.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        EXPECT_EQ(platform.messages.size(), 1u);
    }
    const testing::Translation catalogue([](const QString& context, const QString& source) {
        return context == "courtlog::ui::AboutDialog" || context == "Residual"
                   ? source + (source.size() > 300 ? kTail.repeated(12) : kTail)
                   : QString();
    });
    AboutDialog a(platform, nullptr);
    EXPECT_EQ(cutTexts(a, about, kTail),
              (QStringList{"lblVersion", "lblDescription_0", "lblDescription_1", "cmdSysInfo"}));
    EXPECT_EQ(a.findChild<QLabel*>("lblDescription_1")->font().pointSizeF(), SmallestPointSize);
    EXPECT_TRUE(textOf(a, "cmdSysInfo").startsWith("&S"));
    NuovoPuntoDialog q(residualQuestion(12, true), nullptr);
    EXPECT_EQ(cutTexts(q, question, kTail), question);
}

}  // namespace
}  // namespace courtlog::ui
