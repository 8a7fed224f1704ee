#pragma once

#include <string>
#include <string_view>

#include "form/MainForm.h"
#include "support/FakePlatform.h"
#include "support/MatchScript.h"

namespace courtlog::testing {

// A window model behind a scripted platform, at the start of a match.
struct Harness {
    FakePlatform platform;
    MainForm form{platform};

    // Plays points written as letters, as lettered() reads them, through the point panel.
    void play(std::string_view points) {
        for (const Marks& m : lettered(points)) {
            if (m.second != 0) {
                form.SelectOption(Panel::Servizio, m.second);
            }
            m.outcome != 0 ? form.AceDoppioFallo_Click(m.outcome)
                           : form.PuntoGiocatore_Click(m.winner);
        }
    }

    void useThreeSets() { form.chooseRule("bestOf", 0); }
    const Board& labels() const { return form.view().board; }
    const MatchSession& session() const { return form.session(); }
    const Menus& menus() const { return form.view().menus; }

    // Opens a match file as the user does; false when it could not be used.
    bool load(const std::string& path) {
        platform.openChoices.push_back({path, path.substr(path.find_last_of("/\\") + 1)});
        form.FileLoad_Click();
        return form.view().currentFile == path;
    }

    void rename(int player, const std::string& name) {
        platform.inputAnswers.push_back(name);
        form.NomeGiocatore_Click(player);
    }

    // The scoreboard as a tennis score: finished sets with tie-break points, then the games
    // and the points of the one being played, e.g. "7-6(8-6) 2-3 15-40".
    std::string board() {
        const Board& l = labels();
        const auto pair = [](const std::array<Field, 2>& f) {
            return f[0].caption() + "-" + f[1].caption();
        };
        std::string s;
        for (int set = 1; set <= session().score().set && set <= 5; ++set) {
            const auto& tb = l.tieBreakRow(set);
            s += pair(l.setRow(set)) + (tb[0].visible() ? "(" + pair(tb) + ") " : " ");
        }
        return s + pair(l.Games) + " " + pair(l.Punteggio);
    }
};

using Locks = std::shared_ptr<std::set<std::string>>;

// A window started on a recovery folder, as the program starts, on a machine with these
// locks.
struct Window : Harness {
    explicit Window(const std::string& folder,
                    const Locks& machine = std::make_shared<std::set<std::string>>(),
                    std::vector<MsgAnswer> answers = {}, const std::string& commandLine = "") {
        platform.recovery = folder;
        platform.machineLocks = machine;
        platform.messageAnswers.assign(answers.begin(), answers.end());
        form.Form_Load();
        form.Form_Activate(commandLine);
    }
};

}  // namespace courtlog::testing
