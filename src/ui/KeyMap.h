#pragma once

#include <QString>
#include <array>
#include <span>

#include "form/MainForm.h"

namespace courtlog::ui {

// What a key of the charting map does: the same as a click on that control.
enum class KeyAction {
    Option,   // selects option `index` of `panel`
    Outcome,  // presses serve-outcome button `index` (1 ace, 2 double fault, 3 service winner)
    Point,    // presses the point button of player `index`
    Clear,    // the current point's choices back to the panel's first buttons
    Video,    // video command `index`, a VideoKey
};

// What the video's keys do, in the order the Video menu lists them.
enum class VideoKey {
    PlayPause,
    Back,
    Forward,
    FrameBack,
    FrameForward,
    Slow,
    Normal,
    Fast,
    PointStart,
    PreviousClip,
    NextClip,
    StopPlaylist,
};

struct KeyBinding {
    int key;  // a Qt::Key, pressed without modifiers
    KeyAction action;
    Panel panel;
    int index;
};

// The bindings of one group of the map, as the key window shows it.
struct KeyGroup {
    const char* title;  // in Italian, marked for the catalogues; groupTitle says it
    std::span<const KeyBinding> keys;
};

// One key per choice, so that a point is charted with the eyes on the court: a plain point is
// one key, the players sit under different hands on the keys with the bumps (F and J).
std::span<const KeyGroup> keyGroups();

// The group's title in the language in use.
QString groupTitle(const KeyGroup& group);

// The name of the key as printed on it, the same in every language: "F", "2", "Esc".
QString keyName(const KeyBinding& binding);

// What the key chooses, as the window says it: "Seconda palla", "Punto a Giocatore B".
QString choiceName(const KeyBinding& binding, const MainForm& form);

// What a player's point button does, as the window says it: "Punto a Giocatore B".
QString pointTo(const QString& player);

// The video's keys: each is an item of the Video menu, which works whichever window is active.
std::span<const KeyBinding> videoKeys();
// Does what a video key does.
void runVideoKey(MainForm& form, VideoKey key);
// Whether the key acts on a playlist, which it needs playing.
bool needsPlaylist(VideoKey key);

// The control a click on which does the same, or an empty name for none.
QString controlName(const KeyBinding& binding);

}  // namespace courtlog::ui
