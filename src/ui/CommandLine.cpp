#include "ui/CommandLine.h"

#include "storage/StoredOptions.h"

namespace courtlog::ui {

WindowArguments parseWindowArguments(const std::vector<std::string>& args) {
    WindowArguments out;
    if (args.size() == 1) {
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

}  // namespace courtlog::ui
