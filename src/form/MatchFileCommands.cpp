// Saving and loading matches, and the start-up step that opens the file named on the command
// line.
#include <algorithm>

#include "form/MainForm.h"
#include "storage/FileAccess.h"
#include "storage/MatchFile.h"

namespace courtlog {

namespace {

// Characters that the file system does not take in a file name become "-".
std::string safeFileName(std::string name) {
#ifdef _WIN32
    const std::string forbidden = "\\/:*?\"<>|";
#else
    const std::string forbidden = "/";
#endif
    for (char& c : name) {
        if (forbidden.find(c) != std::string::npos) {
            c = '-';
        }
    }
    return name;
}

Text openingError(LoadError error) {
    return Text(CL_TEXT("Messages", "Errore %1 durante il processo di apertura file."))
        .arg(errorNumber(error));
}

}  // namespace

std::string MainForm::defaultFileName() const {
    // In the words the user reads: a name not yet given is offered as shown.
    std::string name = platform_.shown(labels.NomeGiocatore[0].text()) + "-" +
                       platform_.shown(labels.NomeGiocatore[1].text()) + " (" +
                       platform_.shown(labels.NomeTorneo.text());
    if (const Text round = roundName(Turno.selected()); !round.empty()) {
        name += ", " + platform_.shown(round);
    }
    return safeFileName(name + ").clg");
}

MatchRecord MainForm::matchRecord() const {
    MatchRecord m;
    m.setsInMatch = static_cast<std::int16_t>(menus.MatchInTreSet.checked() ? 3 : 5);
    for (std::size_t i = 0; i < m.tieBreakWhen.size(); ++i) {
        m.tieBreakWhen[i] = menus.TieBreakWhen[i].checked();
    }
    // A name not yet given is kept as it was shown.
    m.players = {platform_.shown(labels.NomeGiocatore[0].text()),
                 platform_.shown(labels.NomeGiocatore[1].text())};
    m.tournament = platform_.shown(labels.NomeTorneo.text());
    m.round = std::max(0, Turno.selected());
    const auto recorded = points_.recorded();
    m.points.assign(recorded.begin(), recorded.end());
    return m;
}

void MainForm::FileSave_Click() {
    saveFailed_ = false;
    const FileChoice choice = platform_.saveFileDialog(defaultFileName(), {kFileFilter}, 0);
    if (choice.title.empty()) {
        return;
    }
    const MatchRecord record = matchRecord();
    const std::optional<Text> failure = writeFileReplacing(choice.path, encodeMatch(record));
    if (failure) {
        saveFailed_ = true;
        // The old file, the match and its saved state stay as they were.
        platform_.messageBox(Text(CL_TEXT("Messages", "Impossibile salvare il file %1: %2"))
                                 .arg(Text::verbatim(choice.title))
                                 .arg(*failure),
                             MsgButtons::Ok);
        return;
    }
    // The names are now the file's: another language no longer renames them.
    for (int p = 0; p < 2; ++p) {
        setPlayerName(p, Text::verbatim(record.players[p]));
    }
    labels.NomeTorneo.setCaption(Text::verbatim(record.tournament));
    matchSaved_ = true;
}

void MainForm::FileLoad_Click() {
    std::string path;
    if (matchFileName_.empty()) {
        const FileChoice choice = platform_.openFileDialog();
        if (choice.title.empty()) {
            return;
        }
        path = choice.path;
    } else {
        path = matchFileName_;
        matchFileName_.clear();
    }
    loadMatch(path);
}

bool MainForm::loadMatch(const std::string& path) {
    // The whole file is read and checked before anything on screen changes.
    const ReadOutcome read = readFileStart(path, kMaxUsefulFileSize);
    if (read.error == LoadError::NotFound) {
        platform_.messageBox(
            Text(CL_TEXT("Messages",
                         "Errore %1 nell'apertura del file %2. Controllare la sua presenza!"))
                .arg(errorNumber(LoadError::NotFound))
                .arg(Text::verbatim(fileTitleOf(path))),
            MsgButtons::Ok);
        return false;
    }
    if (read.error) {
        // Which file, and why: the number alone tells the user little.
        platform_.messageBox(
            Text(CL_TEXT("Messages", "Errore %1 durante il processo di apertura file. %2: %3"))
                .arg(errorNumber(*read.error))
                .arg(Text::verbatim(fileTitleOf(path)))
                .arg(read.reason),
            MsgButtons::Ok);
        return false;
    }
    const DecodedMatch decoded = decodeMatch(read.bytes, read.size - read.bytes.size());
    if (decoded.fatalError) {
        platform_.messageBox(openingError(*decoded.fatalError), MsgButtons::Ok);
        return false;
    }
    for (LoadError error : decoded.errors) {
        platform_.messageBox(openingError(error), MsgButtons::Ok);
    }

    applyMatch(decoded.match, decoded.roundValid);
    if (decoded.pointsIgnored > 0) {
        // Said over the match as loaded, so the user sees what was kept.
        Text message =
            decoded.pointsIgnored == 1
                ? CL_TEXT("Messages",
                          "Il file contiene %1 punto oltre il limite di %2: non è stato caricato.")
                : CL_TEXT("Messages",
                          "Il file contiene %1 punti oltre il limite di %2: non sono "
                          "stati caricati.");
        platform_.messageBox(
            message.arg(static_cast<long long>(decoded.pointsIgnored)).arg(kMaxPoints),
            MsgButtons::Ok);
    }
    return true;
}

void MainForm::applyMatch(const MatchRecord& m, bool roundValid) {
    for (int i = 0; i < 3; ++i) {
        menus.TieBreakWhen[i].setChecked(m.tieBreakWhen[i]);
    }
    for (int p = 0; p < 2; ++p) {
        setPlayerName(p, Text::verbatim(m.players[p]));
    }
    labels.NomeTorneo.setCaption(Text::verbatim(m.tournament));
    if (roundValid) {
        Turno.select(m.round);
    }
    points_.assign(m.points);

    // The file's number of sets replaces the match in progress, so nothing is refused here.
    setSetsInMatch(rulesOf(m.setsInMatch, m.tieBreakWhen).setsInMatch);
    ReplayToCurrentPoint();
    if (points_.count() == 0) {
        // Nothing to replay: the panel still shows the empty working slot as it is.
        showWordInPanel(0);
        workingSlotChanged();
    }
    matchSaved_ = true;
}

void MainForm::Form_Activate(const std::string& commandLine) {
    std::string name = commandLine;
    // One path, possibly in double quotes; a path without them is used as it is.
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
        name = name.substr(1, name.size() - 2);
    }
    matchFileName_ = name;
    if (!matchFileName_.empty()) {
        FileLoad_Click();
        return;
    }
    for (Panel p : {Panel::Servizio, Panel::DirittoRovescio, Panel::Colpo, Panel::ErroreVincente}) {
        SelectOption(p, 0);
    }
    Turno.select(0);
    focus.objectName = "PuntoGiocatore_0";
}

}  // namespace courtlog
