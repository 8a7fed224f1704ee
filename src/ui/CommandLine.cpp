#include "ui/CommandLine.h"

#include "storage/StoredOptions.h"

namespace courtlog::ui {

namespace {

bool isLanguageOption(const std::string& a) {
    return a == "--lang" || a.starts_with("--lang=");
}

}  // namespace

WindowArguments parseWindowArguments(const std::vector<std::string>& args) {
    WindowArguments out;
    if (args.size() == 1 && args[0] != "-h" && args[0] != "--help" && args[0] != "--version" &&
        !isLanguageOption(args[0])) {
        out.file = args[0];
        return out;
    }
    // The words as typed, whatever bytes they hold.
    const auto typed = [](const std::string& s) { return Text::verbatim(s); };
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (a == "-h" || a == "--help") {
            out.asks = WindowArguments::Asks::Help;
            continue;
        }
        if (a == "--version") {
            // Help says more, version included, when both are asked for.
            if (out.asks == WindowArguments::Asks::Window) {
                out.asks = WindowArguments::Asks::Version;
            }
            continue;
        }
        std::string code;
        if (a == "--lang") {
            if (i + 1 == args.size()) {
                out.error = CL_TEXT("CommandLine", "--lang vuole una lingua: it o en");
                return out;
            }
            code = args[++i];
        } else if (a.starts_with("--lang=")) {
            code = a.substr(7);
        } else if (a.starts_with("-") && a.size() > 1) {
            out.error = Text(CL_TEXT("CommandLine", "opzione sconosciuta: %1")).arg(typed(a));
            return out;
        } else {
            break;  // the file
        }
        out.language = languageIndex(code);
        if (!out.language) {
            out.error =
                Text(CL_TEXT("CommandLine", "lingua sconosciuta: %1 (it o en)")).arg(typed(code));
            return out;
        }
    }
    if (i < args.size()) {
        out.file = args[i];
        if (i + 1 < args.size()) {
            out.error = CL_TEXT("CommandLine", "un solo file per volta");
        }
    }
    return out;
}

Text windowUsage() {
    return CL_TEXT("CommandLine", "Uso: courtlog [--lang it|en] [--] [FILE]");
}

Text windowHelp() {
    return Text(CL_TEXT("CommandLine",
                        "%1\n"
                        "\n"
                        "Apre la finestra di Courtlog con la partita del FILE (.clg o .courtlog),\n"
                        "se è dato.\n"
                        "\n"
                        "Opzioni:\n"
                        "  --lang L     la lingua della finestra per questa volta: it (italiano)\n"
                        "               o en (inglese); la scelta salvata resta\n"
                        "  --           fine delle opzioni: ciò che segue è il file\n"
                        "  -h, --help   mostra questo aiuto\n"
                        "  --version    mostra la versione\n"
                        "\n"
                        "Le opzioni vanno prima del file. Un argomento da solo è il file, tranne\n"
                        "-h, --help, --version e --lang.\n"))
        .arg(windowUsage());
}

}  // namespace courtlog::ui
