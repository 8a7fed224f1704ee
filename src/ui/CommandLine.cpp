#include "ui/CommandLine.h"

#include <QCoreApplication>

#include "storage/StoredOptions.h"

namespace courtlog::ui {

namespace {

std::string say(const char* text) {
    return QCoreApplication::translate("courtlog::ui::CommandLine", text).toStdString();
}

}  // namespace

WindowArguments parseWindowArguments(const std::vector<std::string>& args) {
    WindowArguments out;
    if (args.size() == 1) {
        out.file = args[0];
        return out;
    }
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            ++i;
            break;
        }
        std::string code;
        if (a == "--lang") {
            if (i + 1 == args.size()) {
                out.error = say(QT_TRANSLATE_NOOP("courtlog::ui::CommandLine",
                                                  "--lang vuole una lingua: it o en"));
                return out;
            }
            code = args[++i];
        } else if (a.starts_with("--lang=")) {
            code = a.substr(7);
        } else if (a.starts_with("-") && a.size() > 1) {
            out.error =
                QCoreApplication::translate("courtlog::ui::CommandLine", "opzione sconosciuta: %1")
                    .arg(QString::fromLocal8Bit(a.c_str()))
                    .toStdString();
            return out;
        } else {
            break;  // the file
        }
        out.language = languageIndex(code);
        if (!out.language) {
            out.error = QCoreApplication::translate("courtlog::ui::CommandLine",
                                                    "lingua sconosciuta: %1 (it o en)")
                            .arg(QString::fromLocal8Bit(code.c_str()))
                            .toStdString();
            return out;
        }
    }
    if (i < args.size()) {
        out.file = args[i];
        if (i + 1 < args.size()) {
            out.error =
                say(QT_TRANSLATE_NOOP("courtlog::ui::CommandLine", "un solo file per volta"));
        }
    }
    return out;
}

}  // namespace courtlog::ui
