// The window in another language: every text follows at once, and comes back exactly.
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "report/Language.h"
#include "support/WindowTest.h"
#include "ui/CommandLine.h"

namespace courtlog::ui {
namespace {

// The Italian texts that the English catalogue translates to something else wherever they
// appear: one that reads the same in English in some context ("Ace" on its button, "Aces" as a
// row of figures) may be left as it is.
std::set<QString> sourcesTranslatedOtherwise() {
    std::set<QString> otherwise, same;
    QFile file(QStringLiteral(COURTLOG_CATALOGUE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            (xml.readElementText() != source ? otherwise : same).insert(source);
        }
    }
    std::erase_if(otherwise, [&same](const QString& s) { return same.contains(s); });
    return otherwise;
}

// Every text the window shows or says, by control.
std::map<QString, QString> textsOf(QMainWindow& w) {
    std::map<QString, QString> texts;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty()) {
            continue;  // a part of a control
        }
        // A label's or a button's text, or a frame's title.
        QString s = c->property("text").toString() + c->property("title").toString();
        if (auto* list = qobject_cast<QComboBox*>(c)) {
            for (int i = 0; i < list->count(); ++i) {
                s += list->itemText(i) + "|";
            }
        }
        texts[c->objectName()] =
            s + "|" + c->toolTip() + "|" + c->accessibleName() + "|" + c->accessibleDescription();
    }
    for (QAction* a : w.findChildren<QAction*>()) {
        texts["action " + a->objectName()] = a->text();
    }
    for (QMenu* m : w.findChildren<QMenu*>()) {
        texts["menu " + m->objectName()] = m->title();
    }
    texts["title"] = w.windowTitle();
    return texts;
}

class Language : public testing::WindowTest {
protected:
    void SetUp() override {
        // The fake shows its messages as the program would, in the language in use.
        platform.translate = translation();
        WindowTest::SetUp();
    }
    void TearDown() override { choose(0); }

    // From the Opzioni menu, as a user chooses.
    void choose(int language) {
        find<QAction>(QStringLiteral("Lingua_%1").arg(language))->trigger();
        QCoreApplication::processEvents();
    }
};

TEST_F(Language, EveryTextFollowsAtOnceAndComesBackExactly) {
    platform.inputAnswers = {"Bianchi"};
    QTest::mouseClick(find("NomeGiocatore_1"), Qt::LeftButton);
    window.form().AceDoppioFallo_Click(1);
    window.form().PuntoGiocatore_Click(0);
    window.refresh();
    const auto italian = textsOf(window);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Sì");

    choose(1);
    // Stored at once, unlike the options that wait for "Adesso".
    EXPECT_EQ(platform.settings["Courtlog/Opzioni/Lingua"], "en");
    const auto english = textsOf(window);
    // The names nobody gave are the program's; the one the user typed stays.
    EXPECT_EQ(find<QLabel>("NomeGiocatore_0")->text() + "|" +
                  find<QLabel>("NomeGiocatore_1")->text() + "|" +
                  find<QGroupBox>("FrameStatistiche_1")->title(),
              "Player A|Bianchi|Bianchi statistics");
    EXPECT_EQ(find<QScrollBar>("GameScroll")->toolTip(), "Point 2 of 2");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    // Nothing is left in Italian where English reads otherwise.
    const std::set<QString> italianOnly = sourcesTranslatedOtherwise();
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
                         window.form().matchRecord().players[0]),
              std::tuple("Player A-Bianchi (Tournament name).clg",
                         "Could not save the file m.clg: the folder does not exist", "Player A"));

    choose(0);
    EXPECT_EQ(platform.settings["Courtlog/Opzioni/Lingua"], "it");
    EXPECT_EQ(textsOf(window), italian);
}

TEST_F(Language, TheCommandLineChoosesForOneRun) {
    // The arguments, then the file, the language and whether that is an error.
    const std::tuple<std::vector<std::string>, std::string, std::optional<int>, bool> cases[] = {
        {{"x.clg"}, "x.clg", {}, false},
        {{"--lang"}, "--lang", {}, false},  // a lone argument is a file, whatever its name
        {{"--lang", "en", "x.clg"}, "x.clg", 1, false},
        {{"--lang=it", "--", "--x.clg"}, "--x.clg", 0, false},
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

}  // namespace
}  // namespace courtlog::ui
