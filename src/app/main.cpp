#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/Look.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Courtlog"));
    QApplication::setApplicationName(QStringLiteral("Courtlog"));

    // Qt's own Italian texts, so the standard buttons read "Sì" and "No".
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_it"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    courtlog::ui::installFonts();

    courtlog::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
