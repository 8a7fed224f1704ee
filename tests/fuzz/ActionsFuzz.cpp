// Drives the whole window model as a user would: the input gives the stored options read at
// start-up, then a run of actions (panel choices, points, serve outcomes, moves through the
// history, the option menus, renames, saves and loads, undo and redo, and the program dying
// and being started again), and every question the program asks is answered from the same
// bytes. After each action the match must still make sense, survive a save and a load, and
// look the same when replayed in a fresh window; now and then, and at the end, every report of
// it must be well-formed. A program that dies must get its match back from the recovery file,
// and at the end undoing every change must give back the match the history started from, and
// redoing them the last one. Any crash, sanitizer report or failed check is a finding.
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "history/UndoHistory.h"
#include "platform/HeadlessPlatform.h"
#include "report/HtmlReport.h"
#include "report/MatchSummary.h"
#include "report/PointLogCsv.h"
#include "report/Report.h"
#include "storage/MatchDocument.h"
#include "storage/MatchFile.h"
#include "support/FakePlatform.h"
#include "support/Snapshot.h"

using namespace courtlog;

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}
#define CHECK(cond) check((cond), #cond)

// The input read front to back; once it runs out every read gives zero.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size, pos = 0;

    bool empty() const { return pos >= size; }
    int byte() { return pos < size ? data[pos++] : 0; }
    int below(int n) { return byte() % n; }
    // A length byte, then that many bytes; 255 asks for a very long text of one repeated byte.
    std::string text() {
        const int length = byte();
        if (length == 255) {
            return std::string(33000 + static_cast<std::size_t>(byte()) * 64,
                               static_cast<char>(byte()));
        }
        const std::size_t n = std::min(static_cast<std::size_t>(length), size - pos);
        pos += n;
        return {data + pos - n, data + pos};
    }
};

// A new folder made from a mkdtemp pattern, removed when the run ends.
std::filesystem::path madeDir(std::string pattern) {
    static std::vector<std::filesystem::path> made;
    check(mkdtemp(pattern.data()) != nullptr, "mkdtemp");
    // Registered once the list exists, so it runs before the list is destroyed.
    if (made.empty()) {
        std::atexit([] { std::ranges::for_each(made, [](auto& d) { remove_all(d); }); });
    }
    return made.emplace_back(pattern);
}

const std::filesystem::path& scratchDir() {
    static const std::filesystem::path dir = madeDir("/tmp/courtlog-actions-XXXXXX");
    return dir;
}

// The recovery files are written after every change, each synced to disk: in memory when the
// system has a folder there, so that the runs stay fast.
const std::filesystem::path& recoveryDir() {
    static std::error_code error;
    static const std::filesystem::path dir =
        madeDir(std::filesystem::is_directory("/dev/shm", error)
                    ? "/dev/shm/courtlog-recovery-XXXXXX"
                    : (scratchDir() / "recovery-XXXXXX").string());
    return dir;
}

// The locks on recovery files that the windows of one machine share: a window that dies lets
// go of its own.
const auto machineLocksOfAll = std::make_shared<std::set<std::string>>();

// Every dialog is answered from the input; the settings store is the fake's map, which the
// input fills, and files are the real ones of the scratch folder.
class ScriptedPlatform : public testing::FakePlatform {
public:
    explicit ScriptedPlatform(Bytes& in) : in_(in) {
        startSucceeds = false;
        recovery = recoveryDir().string();
        machineLocks = machineLocksOfAll;
    }

    // While set, every question is answered yes without reading the input.
    bool sayYes = false;
    int questions = 0;

    MsgAnswer messageBox(const Text&, MsgButtons buttons, const Text&) override {
        if (buttons == MsgButtons::Ok) {
            return MsgAnswer::Ok;
        }
        ++questions;
        return sayYes || in_.below(2) == 0 ? MsgAnswer::Yes : MsgAnswer::No;
    }
    // Cancelled, confirmed as offered, or any text.
    std::string inputBox(const Text&, const Text&, const std::string& defaultText) override {
        const int pick = in_.below(4);
        return pick == 0 ? std::string() : (pick == 1 ? defaultText : in_.text());
    }
    ResidualAnswer askResidualPoints(int residualPoints, bool) override {
        CHECK(residualPoints > 0);
        // Insertion is answered even when not offered: the program must not take it then.
        return static_cast<ResidualAnswer>(in_.below(4));
    }
    FileChoice saveFileDialog(const std::string&, const std::vector<Text>&, std::size_t) override {
        return choice();
    }
    FileChoice openFileDialog() override { return choice(); }
    bool fileExists(const std::string& path) override { return std::filesystem::exists(path); }

    static std::string matchFile() { return (scratchDir() / "match.clg").string(); }

protected:
    // Only a programming error ends the program early.
    void exitProgram() override { check(false, "the program ended itself"); }

private:
    // Cancelled, the one match file, a file in a folder that does not exist, the folder itself
    // (which can be neither read nor written as a file), or a file of any bytes, as another
    // program or a damaged disk may leave.
    FileChoice choice() {
        const std::string other = (scratchDir() / "other.clg").string();
        const std::array<FileChoice, 5> choices{
            {{},
             {matchFile(), "match.clg"},
             {(scratchDir() / "missing" / "x.clg").string(), "x.clg"},
             {scratchDir().string(), "folder"},
             {other, "other.clg"}}};
        const int pick = in_.below(5);
        if (pick == 4) {
            std::ofstream(other, std::ios::binary) << in_.text();
        }
        return choices[pick];
    }

    Bytes& in_;
};

// What a stored option may hold, well-formed or not; one more index stands for a missing
// value and the last for a text taken from the input.
constexpr std::array<const char*, 15> kSettingTexts{"True", "False", "true", " FALSE ", "0",
                                                    "1",    "2",     "3",    "-1",      "0x2",
                                                    "1.5",  "1e0",   "abc",  "",        "99999"};
constexpr std::array<const char*, 5> kOptionKeys{"DisabilitaParziale", "DisabilitaPuntiDalMatch",
                                                 "TieBreakWhen", "MatchInTreSet",
                                                 "SalvaOpzioniInUscita"};

void readStoredOptions(Bytes& in, ScriptedPlatform& platform) {
    constexpr int kMissing = static_cast<int>(kSettingTexts.size());
    for (const char* key : kOptionKeys) {
        if (const int pick = in.below(kMissing + 2); pick != kMissing) {
            platform.saveSetting(kAppTitle, "Opzioni", key,
                                 pick < kMissing ? kSettingTexts[pick] : in.text());
        }
    }
}

// What must hold whatever the user did.
void checkState(const MainForm& f) {
    const PointList& list = f.session().points();
    const Rules& rules = f.session().rules();
    const Board& board = f.view().board;
    const Score& sc = f.session().score();
    CHECK(list.count() >= 0 && list.count() <= kMaxPoints);
    CHECK(list.current() >= 0 && list.current() <= list.count());
    CHECK(f.view().GameScroll.minimum() == 0 && f.view().GameScroll.maximum() == list.count());
    CHECK(rules.setsInMatch == 3 || rules.setsInMatch == 5);
    CHECK(sc.server == 0 || sc.server == 1);
    CHECK(sc.set == sc.sets[0] + sc.sets[1]);
    const int most = std::max(sc.sets[0], sc.sets[1]);
    CHECK(sc.over == (most * 2 > rules.setsInMatch) && most <= rules.setsInMatch / 2 + 1);
    CHECK(sc.over ? !board.Serve[0].visible() && !board.Serve[1].visible()
                  : board.Serve[sc.server].visible() && !board.Serve[1 - sc.server].visible());
    // Points after the end of the match are kept but not scored.
    const int won = sc.pointsWon[0] + sc.pointsWon[1];
    CHECK(sc.over ? won <= list.current() : won == list.current());
    // The detailed statistics agree with the frames, and the sets add up to the match; only
    // the longest run may go on from one set into the next.
    const MatchStatistics detailed = f.session().statistics();
    int outcomes = 0, served = 0;
    for (int p = 0; p < 2; ++p) {
        const int s = sc.points[p];
        const int g = sc.games[p];
        const SetFormat format = rules.formatOf(sc.set);
        if (sc.inTieBreak) {
            // At the games all of the set's tie-break, or a match tie-break from its start.
            CHECK(sc.games[0] == sc.games[1] && s >= 0 &&
                  sc.games[0] == (format.matchTieBreak ? 0 : format.tieBreakAt));
        } else {
            CHECK((s >= Love && s <= Forty) ||
                  (s == Advantage && sc.points[1 - p] == Forty && !rules.noAd));
        }
        CHECK(board.Games[p].caption() == std::to_string(g) && g >= 0);
        CHECK(!(g >= 6 && g - sc.games[1 - p] >= 2));  // that set would be over
        PlayerStatistics c = f.session().position().counts(p);
        CHECK(c.firstServesIn <= c.servicePointsPlayed && c.firstServePointsWon <= c.firstServesIn);
        CHECK(c.secondServePointsWon <= c.servicePointsPlayed - c.firstServesIn);
        CHECK(board.PuntiVinti[p].caption() == std::to_string(c.pointsWon));
        outcomes += c.aces + c.doubleFaults;
        served += c.servicePointsPlayed;
        PlayerStatistics sets;
        const PlayerStatistics& whole = detailed.match.players[p];
        for (const StretchStatistics& set : detailed.sets) {
            sets += set.players[p];
        }
        CHECK(sets.longestRun <= whole.longestRun);
        sets.longestRun = c.longestRun = whole.longestRun;
        CHECK(sets == whole && c == whole);
    }
    // Aces and double faults go to whoever won or lost the point; each is one served point.
    CHECK(outcomes <= served);
}

// The snapshot of the window, without the set-point and match-point counters while their
// display is switched off: they are not counted then, and switching it on replays them.
std::string shownState(const MainForm& f) {
    std::string s = testing::snapshot(f);
    if (f.view().menus.DisabilitaPuntiDalMatch.checked()) {
        for (std::size_t at = s.find(" setPoints "); at != std::string::npos;
             at = s.find(" setPoints ", at)) {
            s.erase(at, s.find('\n', at) - at);
        }
    }
    return s;
}

// A save and a load give back the same match: a match file when it keeps everything, as the
// window saves it, and a match document otherwise.
DecodedMatch checkSaved(const MainForm& f) {
    const MatchRecord m = f.session().record();
    DecodedMatch d;
    if (matchFileLosses(m).empty()) {
        d = decodeMatch(encodeMatch(m));
        CHECK(!d.fatalError);
    } else {
        const DecodedDocument doc = decodeDocument(encodeDocument(m));
        CHECK(!doc.refusal);
        d = doc;
        CHECK(d.match.start == m.start && d.match.times == m.times && d.match.unknown == m.unknown);
    }
    CHECK(d.errors.empty() && d.roundValid && d.pointsIgnored == 0);
    // A document keeps the one tie-break mark its rules stand for; a match file any marks.
    CHECK(d.match.rules == m.rules &&
          (d.match.tieBreakMarks == m.tieBreakMarks || !matchFileLosses(m).empty()));
    CHECK(d.match.players == m.players && d.match.tournament == m.tournament);
    CHECK(d.match.round == m.round && d.match.points == m.points);
    return d;
}

// The saved match, loaded in a fresh window and moved to the same point, shows the same.
void checkReplayed(const MainForm& f, const DecodedMatch& d) {
    HeadlessPlatform quiet;
    MainForm fresh(quiet);
    fresh.Form_Load();
    if (f.view().menus.DisabilitaParziale.checked()) {
        fresh.toggle(Switch::DisabilitaParziale);
    }
    if (f.view().menus.DisabilitaPuntiDalMatch.checked()) {
        fresh.toggle(Switch::DisabilitaPuntiDalMatch);
    }
    fresh.applyMatch(d.match, d.roundValid);
    fresh.goTo(f.session().points().current());
    const std::string shown = shownState(f), replayed = shownState(fresh);
    if (shown != replayed) {
        std::fprintf(stderr, "the window:\n%s\na fresh window replayed:\n%s", shown.c_str(),
                     replayed.c_str());
    }
    CHECK(shown == replayed);
}

bool validUtf8(const std::string& s) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArray::fromStdString(s));
    return !utf8.hasError();
}

bool wellFormed(const std::string& page) {
    QXmlStreamReader xml(QByteArray::fromStdString(page));
    while (!xml.atEnd()) {
        xml.readNext();
    }
    return !xml.hasError();
}

// The fields of each line of a CSV text, with quoted fields that may hold commas, quotes and line
// breaks. A doubled quote inside quotes opens and closes them at once, so quoting is the parity
// of the quotes read so far.
std::vector<int> csvColumns(const std::string& csv) {
    std::vector<int> columns{1};
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        quoted ^= csv[i] == '"';
        if (!quoted && csv[i] == ',') {
            ++columns.back();
        } else if (!quoted && csv.compare(i, 2, "\r\n") == 0) {
            columns.push_back(1);
            ++i;
        }
    }
    CHECK(!quoted);
    columns.pop_back();  // what follows the last line break is no line
    return columns;
}

void checkReports(const MainForm& f) {
    const std::string text = report::renderText(f.session());
    CHECK(validUtf8(text));
    // No control character of a name reaches the terminal.
    CHECK(std::ranges::none_of(text, [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') || c == 0x7F;
    }));

    const MatchSummary summary = summarizeMatch(f.session().record());
    const Score& sc = f.session().score();
    // Scored as the window scores it.
    if (f.session().points().current() == f.session().points().count()) {
        CHECK(summary.matchOver == sc.over && summary.setsWon == sc.sets);
    }
    // A name with commas, quotes or line breaks stays in its own field of its own row. Every
    // row repeats the names, each up to 32767 characters: the first rows show it as well as a
    // thousand, which would make tens of megabytes.
    MatchSummary logged = summary;
    logged.points.resize(std::min<std::size_t>(logged.points.size(), 64));
    const std::string csv = pointLogCsv(logged);
    const std::vector<int> columns = csvColumns(csv);
    CHECK(validUtf8(csv) && columns.size() == logged.points.size() + 1);
    CHECK(std::ranges::all_of(columns, [&](int n) { return n == columns.front(); }));
    const std::vector<MatchSummary> matches{summary};
    const std::vector<PlayerTotals> totals = addUp(matches);
    CHECK(wellFormed(htmlReport(summary)) && wellFormed(htmlTotals(totals, matches)));
    CHECK(validUtf8(report::renderTotalsText(totals, matches)));
    // Under the sanitizers, the JSON is worked out in full.
    CHECK(!report::renderJson(f.session()).isEmpty() &&
          !report::renderTotalsJson(totals, matches).isEmpty());
}

// Whether the last close ended the program as the user asked: it leaves no recovery file.
bool closedCleanly = false;

// The user's actions by opcode, in the order make_actions_seeds.py names them; the program
// dying comes after them.
using Action = void (*)(MainForm& f, Bytes& in);
const std::array<Action, 33> kActions{{
    [](MainForm& f, Bytes& in) {  // a choice in one of the point panel's groups
        const auto p = static_cast<Panel>(in.below(4));
        f.SelectOption(p, in.below(f.view().panel(p).count()));
    },
    [](MainForm& f, Bytes& in) { f.PuntoGiocatore_Click(in.below(2)); },
    [](MainForm& f, Bytes& in) { f.AceDoppioFallo_Click(1 + in.below(3)); },
    [](MainForm& f, Bytes& in) {  // a stretch of points, to reach tie-breaks and match ends
        const int points = 1 + in.below(64);
        const int pattern = in.byte();
        for (int i = 0; i < points; ++i) {
            f.PuntoGiocatore_Click((pattern >> (i % 8)) & 1);
        }
    },
    [](MainForm& f, Bytes&) { f.goTo(f.session().points().current() - 1); },
    [](MainForm& f, Bytes&) { f.goTo(f.session().points().current() + 1); },
    [](MainForm& f, Bytes&) { f.goTo(0); },
    [](MainForm& f, Bytes&) { f.goTo(f.session().points().count()); },
    [](MainForm& f, Bytes& in) { f.goTo(in.below(f.session().points().count() + 1)); },
    [](MainForm& f, Bytes&) { f.GameClear_Click(); },
    [](MainForm& f, Bytes&) { f.chooseRule("bestOf", 0); },
    [](MainForm& f, Bytes&) { f.chooseRule("bestOf", 1); },
    [](MainForm& f, Bytes& in) { f.chooseRule("setTieBreak", in.below(3)); },
    [](MainForm& f, Bytes&) { f.toggle(Switch::DisabilitaParziale); },
    [](MainForm& f, Bytes&) { f.toggle(Switch::DisabilitaPuntiDalMatch); },
    [](MainForm& f, Bytes&) { f.toggle(Switch::SalvaOpzioniInUscita); },
    [](MainForm& f, Bytes&) { f.SalvaOpzioni_Click(); },
    [](MainForm& f, Bytes& in) { f.NomeGiocatore_Click(in.below(2)); },
    [](MainForm& f, Bytes&) { f.NomeTorneo_Click(); },
    [](MainForm& f, Bytes& in) { f.Turno_Click(in.below(8)); },  // the round list
    [](MainForm& f, Bytes&) { f.FileSave_Click(); },
    [](MainForm& f, Bytes&) { f.FileLoad_Click(); },
    [](MainForm& f, Bytes&) { closedCleanly = f.Form_Unload(); },
    [](MainForm& f, Bytes&) { f.HelpInfo_Click(); },
    [](MainForm& f, Bytes& in) {  // the first showing, with a file named on the command line
        f.Form_Activate(in.below(2) == 0 ? std::string()
                                         : "\"" + ScriptedPlatform::matchFile() + "\"");
    },
    [](MainForm& f, Bytes& in) { f.chooseRule("decidingSet", in.below(5)); },
    [](MainForm& f, Bytes&) { f.chooseRule("noAd", 1); },
    [](MainForm& f, Bytes& in) { f.chooseRule("firstServer", in.below(2)); },
    [](MainForm& f, Bytes&) { f.toggle(Switch::OraDeiPunti); },
    [](MainForm& f, Bytes&) { f.EditUndo_Click(); },
    [](MainForm& f, Bytes&) { f.EditRedo_Click(); },
    [](MainForm& f, Bytes&) { f.GameDelete_Click(); },
    [](MainForm& f, Bytes&) { f.FileSaveCurrent_Click(); },
}};
constexpr int kDies = static_cast<int>(kActions.size());
// Opcodes after the program's dying, so that the older seeds keep their meaning.
const std::array<Action, 3> kLaterActions{{
    [](MainForm& f, Bytes&) { f.chooseRule("doubles", 1); },
    [](MainForm& f, Bytes& in) { f.Compagno_Click(in.below(2)); },
    [](MainForm& f, Bytes& in) { f.AlServizio_Click(in.below(4)); },
}};
constexpr int kRun = 3;
constexpr int kLoad = 21;
constexpr int kOpen = 24;
constexpr int kUndo = 29;
constexpr int kRedo = 30;

constexpr int kMaxActions = 64;

// One run of the program: its platform, its window and what the fuzzer knows of its history.
struct Session {
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<MainForm> form;
    // The start-up step has run, so the match is kept in a recovery file.
    bool activated = false;
    // The match the undo history starts from, the one after its last change, and at most how
    // many changes it has recorded since it started: past UndoHistory::kSteps the oldest are
    // dropped.
    MatchRecord first, newest;
    std::size_t changes = 0;

    Session(Bytes& in, const std::map<std::string, std::string>& settings)
        : platform(std::make_unique<ScriptedPlatform>(in)),
          form(std::make_unique<MainForm>(*platform)) {
        platform->settings = settings;
        form->Form_Load();
        first = newest = form->session().record();
    }
};

// The program dies without closing; started again over the same recovery folder, it offers
// the match back, and taken, it is the match the dead window held.
void dies(Session& s, Bytes& in) {
    const MatchRecord held = s.form->session().record();
    const bool kept = s.activated && !s.form->session().saved() && !closedCleanly;
    const std::map<std::string, std::string> settings = s.platform->settings;
    s.form.reset();
    s.platform.reset();
    closedCleanly = false;

    Session next(in, settings);
    next.platform->sayYes = true;
    next.form->Form_Activate({});
    next.platform->sayYes = false;
    next.activated = true;
    // Nothing was left to offer when it was saved, closed, or never kept.
    const MainForm& f = *next.form;
    CHECK(next.platform->questions == (kept ? 1 : 0));
    CHECK(kept ? sameMatch(f.session().record(), held) && !f.session().saved() &&
                     !f.view().canUndo && !f.view().canRedo
               : f.session().points().count() == 0);
    s = std::move(next);
}

// Redoing every change undone gives the match after the last change; undoing every change
// then gives back the match the history started from, and redoing them all the last again.
void checkUndoRedo(Session& s) {
    MainForm& f = *s.form;
    const auto redoAll = [&] {
        while (f.view().canRedo) {
            f.EditRedo_Click();
        }
        CHECK(sameMatch(f.session().record(), s.newest));
    };
    redoAll();
    std::size_t undone = 0;
    for (; f.view().canUndo; ++undone) {
        f.EditUndo_Click();
        CHECK(undone <= UndoHistory::kSteps);
    }
    checkState(f);
    if (s.changes < UndoHistory::kSteps) {
        CHECK(sameMatch(f.session().record(), s.first));
    }
    redoAll();
    checkState(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in{data, size};
    std::filesystem::remove(ScriptedPlatform::matchFile());
    std::filesystem::remove_all(recoveryDir());
    std::filesystem::create_directory(recoveryDir());
    closedCleanly = false;
    std::map<std::string, std::string> settings;
    {
        ScriptedPlatform options(in);
        readStoredOptions(in, options);
        settings = options.settings;
    }

    Session s(in, settings);
    checkState(*s.form);

    for (int step = 1; step <= kMaxActions && !in.empty(); ++step) {
        const MatchRecord before = s.form->session().record();
        const int action = in.below(kDies + 1 + static_cast<int>(kLaterActions.size()));
        if (action == kDies) {
            dies(s, in);
        } else {
            (action < kDies
                 ? kActions[static_cast<std::size_t>(action)]
                 : kLaterActions[static_cast<std::size_t>(action - kDies - 1)])(*s.form, in);
        }
        MainForm& form = *s.form;
        s.activated = s.activated || action == kOpen;
        const bool same = sameMatch(form.session().record(), before);
        // A change rewrites the recovery file that a close removed, and so does the start-up
        // step, which keeps an unsaved match from then on.
        closedCleanly = closedCleanly && same && action != kOpen;
        // Every change can be undone, and an undo made again; a change of the user's own
        // leaves nothing to redo. A load, the start-up step and a recovery start a new history.
        const bool undoOrRedo = action == kUndo || action == kRedo;
        if (!same && action != kLoad && action != kOpen && action != kDies) {
            CHECK(action == kUndo ? form.view().canRedo : form.view().canUndo);
            CHECK(undoOrRedo || !form.view().canRedo);
        }
        if (!form.view().canUndo && !form.view().canRedo) {
            s.first = form.session().record();
            s.changes = 0;
        } else {
            s.changes += action == kRun ? 64 : 1;
        }
        if (!undoOrRedo && !form.view().canRedo) {
            s.newest = form.session().record();
        }
        checkState(form);
        const DecodedMatch saved = checkSaved(form);
        // A replay costs as much as the match is long: long matches are replayed less often.
        const bool last = in.empty() || step == kMaxActions;
        if (form.session().points().count() <= 250 || step % 4 == 0 || last) {
            checkReplayed(form, saved);
        }
        if (step % 16 == 0 || last) {
            checkReports(form);
        }
    }
    checkUndoRedo(s);
    return 0;
}
