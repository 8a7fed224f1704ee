#pragma once

#include "scoring/MainForm.h"
#include "support/FakePlatform.h"

namespace courtlog::testing {

// A window model behind a scripted platform.
struct Harness {
    FakePlatform platform;
    MainForm form{platform};

    // Records count points won by player, with the panel as it stands.
    void record(int player, int count = 1) {
        for (int i = 0; i < count; ++i) {
            form.PuntoGiocatore_Click(player);
        }
    }
};

}  // namespace courtlog::testing
