#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "platform/Platform.h"
#include "report/Language.h"
#include "report/ReportCommand.h"
#include "ui/AppIcon.h"
#include "ui/CommandLine.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
    using courtlog::ui::WindowArguments;
    // courtlog [--lang it|en] [--] [FILE.clg]. The path's bytes as given, so that a name that
    // is not valid text still opens.
    const WindowArguments arguments =
        courtlog::ui::parseWindowArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments.error.empty() || arguments.asks != WindowArguments::Asks::Window) {
        // Said without a window, so without a display, and in the language asked for when the
        // mistake is elsewhere.
        QCoreApplication app(argc, argv);
        if (arguments.language) {
            courtlog::useLanguage(static_cast<courtlog::Language>(*arguments.language));
        }
        if (!arguments.error.empty()) {
            std::fprintf(stderr, "courtlog: %s\n%s\n", courtlog::sayUtf8(arguments.error).c_str(),
                         courtlog::sayUtf8(courtlog::ui::windowUsage()).c_str());
            return 2;
        }
        const std::string answer = arguments.asks == WindowArguments::Asks::Help
                                       ? courtlog::sayUtf8(courtlog::ui::windowHelp())
                                       : courtlog::report::versionText("courtlog") + "\n";
        // An answer that cannot be written is not a success.
        return std::fputs(answer.c_str(), stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
    }

    QApplication app(argc, argv);
    // QApplication takes the user's locale, and libmpv refuses to start unless numbers are
    // read and written the C way.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QString::fromUtf8(courtlog::kAppTitle));
    QApplication::setApplicationName(QString::fromUtf8(courtlog::kAppTitle));
    courtlog::ui::installFonts();

    // The window speaks the stored language, Italian at first, with Qt's own buttons in it.
    courtlog::ui::MainWindow window;
    if (arguments.language) {
        window.useLanguageForRun(*arguments.language);
    }
    courtlog::ui::setIconWhenDrawn(window);
    window.show();
    // The start-up step may show messages: let the window appear first.
    const std::string file = arguments.file;
    QTimer::singleShot(0, &window, [&window, file] { window.start(file); });
    return QApplication::exec();
}
