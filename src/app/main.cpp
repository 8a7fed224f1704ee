#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "platform/Platform.h"
#include "ui/AppIcon.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(courtlog::kAppTitle));
    QApplication::setApplicationName(QString::fromUtf8(courtlog::kAppTitle));

    // Qt's own Italian texts, so the standard buttons read "Sì" and "No".
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_it"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    courtlog::ui::installFonts();

    QApplication::setWindowIcon(courtlog::ui::appIcon());

    // courtlog [FILE.clg]: the one argument is the path of a match file.
    // Its bytes as given, so that a name that is not valid text still opens.
    const std::string commandLine = argc > 1 ? std::string(argv[1]) : std::string();

    courtlog::ui::MainWindow window;
    window.show();
    // The start-up step may show messages: let the window appear first.
    QTimer::singleShot(0, &window, [&window, commandLine] { window.start(commandLine); });
    return QApplication::exec();
}
