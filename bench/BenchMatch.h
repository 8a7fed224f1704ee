#pragma once

#include <string>

#include "form/MainForm.h"
#include "platform/HeadlessPlatform.h"

namespace courtlog::bench {

using QuietPlatform = HeadlessPlatform;

// A 1000-point five-set match that is still running at its end: four sets shared, two of
// them in tie-breaks, then a deciding set of held serves, every game to deuce and beyond,
// with both costly displays on. The form stands at its last point.
inline void fillThousandPointMatch(MainForm& form) {
    auto point = [&form](int winner) {
        form.SelectOption(Panel::Servizio, form.session().points().count() % 3 == 0 ? 1 : 0);
        form.SelectOption(Panel::Colpo, form.session().points().count() % 8);
        form.PuntoGiocatore_Click(winner);
    };
    auto game = [&](int winner) {
        for (int k = 0; k < 6; ++k) {
            point(k % 2 == 0 ? winner : 1 - winner);  // to deuce
        }
        point(winner);
        point(1 - winner);  // deuce again
        point(winner);
        point(winner);
    };
    auto set = [&](int gamesA, int gamesB) {
        for (int i = 0; i < 6 && (gamesA > 0 || gamesB > 0); ++i) {
            if (gamesA > 0) {
                game(0);
                --gamesA;
            }
            if (gamesB > 0) {
                game(1);
                --gamesB;
            }
        }
    };
    set(6, 4);
    set(4, 6);
    set(6, 6);
    for (int k = 0; k < 7; ++k) {
        point(0);
    }
    set(6, 6);
    for (int k = 0; k < 7; ++k) {
        point(1);
    }
    while (form.session().points().count() < kMaxPoints) {
        point(form.session().score().server);
    }
}

}  // namespace courtlog::bench
