#include "form/MainForm.h"

namespace courtlog {

std::string NamedField::objectName() const {
    std::string s(name);
    if (index >= 0) {
        s += '_';
        s += std::to_string(index);
    }
    return s;
}

std::string NamedField::displayName() const {
    std::string s(name);
    if (index >= 0) {
        s += '(';
        s += std::to_string(index);
        s += ')';
    }
    return s;
}

namespace {

void initPair(std::array<Field, 2>& pair, const Text& caption, Colour back,
              Colour fore = colours::Black, bool visible = true) {
    for (Field& f : pair) {
        f = Field(caption, back, fore, visible);
    }
}

}  // namespace

MainForm::MainForm(Platform& platform) : platform_(platform) {
    using namespace colours;
    const Text none, zero = Text::number(0);
    labels.NomeTorneo = Field(none, LightGreen);
    initPair(labels.NomeGiocatore, none, Yellow);
    // Player A serves first; the marker is a coloured block without text.
    labels.Serve[0] = Field(none, Red, Black, true);
    labels.Serve[1] = Field(none, Red, Black, false);
    initPair(labels.Punteggio, zero, Cyan);
    initPair(labels.Games, zero, Teal);
    for (int set = 1; set <= 5; ++set) {
        initPair(labels.setRow(set), zero, Teal);
        initPair(labels.tieBreakRow(set), zero, Teal, Black, false);
    }

    initPair(labels.FrameStatistiche, none, LightGreen);
    for (auto* row : {&labels.PuntiVinti, &labels.BreakFatti, &labels.BreakAvuti, &labels.Aces,
                      &labels.DoppiFalli, &labels.ColpiVincenti, &labels.ErroriGratuiti,
                      &labels.PuntiDalSet, &labels.PuntiDalMatch, &labels.Parziale}) {
        initPair(*row, zero, Cyan);
    }
    // The serve percentages are worked out from their counters by the reset.
    initPair(labels.PercentualePrimePalle, none, Cyan);
    initPair(labels.PercentualeConPrimaPalla, none, Cyan);
    initPair(labels.PercentualeConSecondaPalla, none, Cyan);

    initPair(labels.PuntoGiocatore, none, LightOrange);
    // Until the user names them, the names are texts of the program, in the user's language.
    for (int p = 0; p < 2; ++p) {
        setPlayerName(p, kDefaultPlayers[p]);
    }
    labels.NomeTorneo.setCaption(kDefaultTournament);

    // The indicators are hidden until the score calls for them.
    labels.PalleNuove = Field(CL_TEXT("Scoreboard", "Palle nuove"), Green, Blue, false);
    labels.Parità = Field(CL_TEXT("Scoreboard", "Parità"), Green, Blue, false);
    labels.BreakPoint = Field(CL_TEXT("Scoreboard", "Break Point"), Red, Blue, false);
    initPair(labels.SetPoint, CL_TEXT("Scoreboard", "Set Point"), Red, Blue, false);
    initPair(labels.MatchPoint, CL_TEXT("Scoreboard", "Match Point"), Red, Blue, false);

    labels.Posizione = Field(none, LightGreen);
    buildFieldList();
    renderPosition();
    startAfresh(true);
}

std::array<Field, 2>& MainForm::Labels::setRow(int set) {
    std::array<std::array<Field, 2>*, 5> rows{&Set1, &Set2, &Set3, &Set4, &Set5};
    return *rows.at(static_cast<std::size_t>(set - 1));
}

const std::array<Field, 2>& MainForm::Labels::setRow(int set) const {
    return const_cast<Labels*>(this)->setRow(set);
}

std::array<Field, 2>& MainForm::Labels::tieBreakRow(int set) {
    std::array<std::array<Field, 2>*, 5> rows{&TieBreak1, &TieBreak2, &TieBreak3, &TieBreak4,
                                              &TieBreak5};
    return *rows.at(static_cast<std::size_t>(set - 1));
}

const std::array<Field, 2>& MainForm::Labels::tieBreakRow(int set) const {
    return const_cast<Labels*>(this)->tieBreakRow(set);
}

OptionGroup& MainForm::panel(Panel p) {
    switch (p) {
        case Panel::Servizio:
            return Servizio;
        case Panel::DirittoRovescio:
            return DirittoRovescio;
        case Panel::Colpo:
            return Colpo;
        case Panel::ErroreVincente:
            break;
    }
    return ErroreVincente;
}

void MainForm::buildFieldList() {
    auto single = [this](std::string_view name, Field& f) { fields_.push_back({name, -1, &f}); };
    auto pair = [this](std::string_view name, std::array<Field, 2>& a) {
        fields_.push_back({name, 0, &a[0]});
        fields_.push_back({name, 1, &a[1]});
    };
    single("NomeTorneo", labels.NomeTorneo);
    pair("NomeGiocatore", labels.NomeGiocatore);
    pair("Serve", labels.Serve);
    pair("Punteggio", labels.Punteggio);
    pair("Games", labels.Games);
    pair("Set1", labels.Set1);
    pair("Set2", labels.Set2);
    pair("Set3", labels.Set3);
    pair("Set4", labels.Set4);
    pair("Set5", labels.Set5);
    pair("TieBreak1", labels.TieBreak1);
    pair("TieBreak2", labels.TieBreak2);
    pair("TieBreak3", labels.TieBreak3);
    pair("TieBreak4", labels.TieBreak4);
    pair("TieBreak5", labels.TieBreak5);
    pair("FrameStatistiche", labels.FrameStatistiche);
    pair("PuntiVinti", labels.PuntiVinti);
    pair("BreakFatti", labels.BreakFatti);
    pair("BreakAvuti", labels.BreakAvuti);
    pair("Aces", labels.Aces);
    pair("DoppiFalli", labels.DoppiFalli);
    pair("PercentualePrimePalle", labels.PercentualePrimePalle);
    pair("PercentualeConPrimaPalla", labels.PercentualeConPrimaPalla);
    pair("PercentualeConSecondaPalla", labels.PercentualeConSecondaPalla);
    pair("ColpiVincenti", labels.ColpiVincenti);
    pair("ErroriGratuiti", labels.ErroriGratuiti);
    pair("PuntiDalSet", labels.PuntiDalSet);
    pair("PuntiDalMatch", labels.PuntiDalMatch);
    pair("PuntoGiocatore", labels.PuntoGiocatore);
    pair("Parziale", labels.Parziale);
    single("PalleNuove", labels.PalleNuove);
    single("Parità", labels.Parità);
    single("BreakPoint", labels.BreakPoint);
    pair("SetPoint", labels.SetPoint);
    pair("MatchPoint", labels.MatchPoint);
    single("Posizione", labels.Posizione);
}

Text MainForm::roundName(int index) {
    return static_cast<std::size_t>(index) < TurnoEntries.size()
               ? Text(TurnoEntries[static_cast<std::size_t>(index)])
               : Text();
}

int MainForm::EstraiInfo(PointWord word, std::string_view name) {
    const auto attr = attrFromName(name);
    if (!attr) {
        platform_.messageBox(Text(CL_TEXT("Messages", "Chiamata a EstraiInfo non valida (%1)"))
                                 .arg(Text::verbatim(std::string(name))),
                             MsgButtons::Ok);
        platform_.endProgram();
    }
    return courtlog::EstraiInfo(word, *attr);
}

void MainForm::CreaInfo(PointWord& word, std::string_view name, int value) {
    const auto attr = attrFromName(name);
    if (!attr) {
        platform_.messageBox(Text(CL_TEXT("Messages", "Chiamata a CreaInfo non valida (%1)"))
                                 .arg(Text::verbatim(std::string(name))),
                             MsgButtons::Ok);
        platform_.endProgram();
    }
    courtlog::CreaInfo(word, *attr, value);
}

}  // namespace courtlog
