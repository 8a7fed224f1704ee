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

void initPair(std::array<Field, 2>& pair, const std::string& caption, Colour back,
              Colour fore = colours::Black, bool visible = true) {
    for (Field& f : pair) {
        f = Field(caption, back, fore, visible);
    }
}

}  // namespace

MainForm::MainForm(Platform& platform) : platform_(platform) {
    using namespace colours;
    NomeTorneo = Field("", LightGreen);
    initPair(NomeGiocatore, "", Yellow);
    // Player A serves first; the marker is a coloured block without text.
    Serve[0] = Field("", Red, Black, true);
    Serve[1] = Field("", Red, Black, false);
    initPair(Punteggio, "0", Cyan);
    initPair(Games, "0", Teal);
    for (int set = 1; set <= 5; ++set) {
        initPair(setRow(set), "0", Teal);
        initPair(tieBreakRow(set), "0", Teal, Black, false);
    }

    initPair(FrameStatistiche, "", LightGreen);
    for (auto* row : {&PuntiVinti, &BreakFatti, &BreakAvuti, &Aces, &DoppiFalli, &ColpiVincenti,
                      &ErroriGratuiti, &PuntiDalSet, &PuntiDalMatch, &Parziale}) {
        initPair(*row, "0", Cyan);
    }
    // The serve percentages are worked out from their counters by the reset.
    initPair(PercentualePrimePalle, "", Cyan);
    initPair(PercentualeConPrimaPalla, "", Cyan);
    initPair(PercentualeConSecondaPalla, "", Cyan);

    initPair(PuntoGiocatore, "", LightOrange);
    const MatchRecord fresh;
    for (int p = 0; p < 2; ++p) {
        setPlayerName(p, fresh.players[p]);
    }
    NomeTorneo.setCaption(fresh.tournament);

    // The indicators are hidden until the score calls for them.
    PalleNuove = Field("Palle nuove", Green, Blue, false);
    Parità = Field("Parità", Green, Blue, false);
    BreakPoint = Field("Break Point", Red, Blue, false);
    initPair(SetPoint, "Set Point", Red, Blue, false);
    initPair(MatchPoint, "Match Point", Red, Blue, false);

    buildFieldList();
}

std::array<Field, 2>& MainForm::setRow(int set) {
    std::array<std::array<Field, 2>*, 5> rows{&Set1, &Set2, &Set3, &Set4, &Set5};
    return *rows.at(static_cast<std::size_t>(set - 1));
}

std::array<Field, 2>& MainForm::tieBreakRow(int set) {
    std::array<std::array<Field, 2>*, 5> rows{&TieBreak1, &TieBreak2, &TieBreak3, &TieBreak4,
                                              &TieBreak5};
    return *rows.at(static_cast<std::size_t>(set - 1));
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
    single("NomeTorneo", NomeTorneo);
    pair("NomeGiocatore", NomeGiocatore);
    pair("Serve", Serve);
    pair("Punteggio", Punteggio);
    pair("Games", Games);
    pair("Set1", Set1);
    pair("Set2", Set2);
    pair("Set3", Set3);
    pair("Set4", Set4);
    pair("Set5", Set5);
    pair("TieBreak1", TieBreak1);
    pair("TieBreak2", TieBreak2);
    pair("TieBreak3", TieBreak3);
    pair("TieBreak4", TieBreak4);
    pair("TieBreak5", TieBreak5);
    pair("FrameStatistiche", FrameStatistiche);
    pair("PuntiVinti", PuntiVinti);
    pair("BreakFatti", BreakFatti);
    pair("BreakAvuti", BreakAvuti);
    pair("Aces", Aces);
    pair("DoppiFalli", DoppiFalli);
    pair("PercentualePrimePalle", PercentualePrimePalle);
    pair("PercentualeConPrimaPalla", PercentualeConPrimaPalla);
    pair("PercentualeConSecondaPalla", PercentualeConSecondaPalla);
    pair("ColpiVincenti", ColpiVincenti);
    pair("ErroriGratuiti", ErroriGratuiti);
    pair("PuntiDalSet", PuntiDalSet);
    pair("PuntiDalMatch", PuntiDalMatch);
    pair("PuntoGiocatore", PuntoGiocatore);
    pair("Parziale", Parziale);
    single("PalleNuove", PalleNuove);
    single("Parità", Parità);
    single("BreakPoint", BreakPoint);
    pair("SetPoint", SetPoint);
    pair("MatchPoint", MatchPoint);
}

int MainForm::EstraiInfo(PointWord word, std::string_view name) {
    const auto attr = attrFromName(name);
    if (!attr) {
        platform_.messageBox("Chiamata a EstraiInfo non valida (" + std::string(name) + ")",
                             MsgButtons::Ok);
        platform_.endProgram();
    }
    return courtlog::EstraiInfo(word, *attr);
}

void MainForm::CreaInfo(PointWord& word, std::string_view name, int value) {
    const auto attr = attrFromName(name);
    if (!attr) {
        platform_.messageBox("Chiamata a CreaInfo non valida (" + std::string(name) + ")",
                             MsgButtons::Ok);
        platform_.endProgram();
    }
    courtlog::CreaInfo(word, *attr, value);
}

}  // namespace courtlog
