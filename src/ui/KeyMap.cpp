#include "ui/KeyMap.h"

#include <QCoreApplication>
#include <QKeySequence>

#include "report/Language.h"

namespace courtlog::ui {

namespace {

constexpr KeyBinding option(int key, Panel panel, int index) {
    return {key, KeyAction::Option, panel, index};
}
constexpr KeyBinding outcome(int key, int index) {
    return {key, KeyAction::Outcome, Panel::Servizio, index};
}
constexpr KeyBinding point(int key, int player) {
    return {key, KeyAction::Point, Panel::Servizio, player};
}

constexpr KeyBinding video(int key, VideoKey command) {
    return {key, KeyAction::Video, Panel::Servizio, static_cast<int>(command)};
}

constexpr std::array kServe{option(Qt::Key_1, Panel::Servizio, 0),
                            option(Qt::Key_2, Panel::Servizio, 1)};
constexpr std::array kOutcomes{outcome(Qt::Key_A, 1), outcome(Qt::Key_D, 2), outcome(Qt::Key_S, 3)};
constexpr std::array kSide{option(Qt::Key_I, Panel::DirittoRovescio, 1),
                           option(Qt::Key_R, Panel::DirittoRovescio, 2)};
constexpr std::array kShots{option(Qt::Key_M, Panel::Colpo, 0), option(Qt::Key_V, Panel::Colpo, 1),
                            option(Qt::Key_Z, Panel::Colpo, 2), option(Qt::Key_L, Panel::Colpo, 3),
                            option(Qt::Key_P, Panel::Colpo, 4), option(Qt::Key_N, Panel::Colpo, 5),
                            option(Qt::Key_H, Panel::Colpo, 6), option(Qt::Key_O, Panel::Colpo, 7)};
constexpr std::array kEndings{
    option(Qt::Key_C, Panel::ErroreVincente, 1), option(Qt::Key_G, Panel::ErroreVincente, 2),
    option(Qt::Key_X, Panel::ErroreVincente, 3), option(Qt::Key_T, Panel::ErroreVincente, 4)};
constexpr std::array kPoints{point(Qt::Key_F, 0), point(Qt::Key_J, 1)};
constexpr std::array kClear{KeyBinding{Qt::Key_Escape, KeyAction::Clear, Panel::Servizio, 0}};
// Under the left hand beside the charting keys, and none of them: J charts, whatever players do.
constexpr std::array kVideo{video(Qt::Key_K, VideoKey::PlayPause),
                            video(Qt::Key_Q, VideoKey::Back),
                            video(Qt::Key_W, VideoKey::Forward),
                            video(Qt::Key_Comma, VideoKey::FrameBack),
                            video(Qt::Key_Period, VideoKey::FrameForward),
                            video(Qt::Key_7, VideoKey::Slow),
                            video(Qt::Key_8, VideoKey::Normal),
                            video(Qt::Key_9, VideoKey::Fast),
                            video(Qt::Key_B, VideoKey::PointStart),
                            video(Qt::Key_Y, VideoKey::PreviousClip),
                            video(Qt::Key_U, VideoKey::NextClip),
                            video(Qt::Key_E, VideoKey::StopPlaylist)};

// By VideoKey.
constexpr std::array<const char*, 12> kVideoCaptions{
    QT_TRANSLATE_NOOP("KeyMap", "Riproduci / pausa"),
    QT_TRANSLATE_NOOP("KeyMap", "Indietro di 5 secondi"),
    QT_TRANSLATE_NOOP("KeyMap", "Avanti di 5 secondi"),
    QT_TRANSLATE_NOOP("KeyMap", "Fotogramma precedente"),
    QT_TRANSLATE_NOOP("KeyMap", "Fotogramma successivo"),
    QT_TRANSLATE_NOOP("KeyMap", "Velocità 0,5×"),
    QT_TRANSLATE_NOOP("KeyMap", "Velocità 1×"),
    QT_TRANSLATE_NOOP("KeyMap", "Velocità 2×"),
    QT_TRANSLATE_NOOP("KeyMap", "Inizio del punto"),
    QT_TRANSLATE_NOOP("KeyMap", "Clip precedente"),
    QT_TRANSLATE_NOOP("KeyMap", "Clip successiva"),
    QT_TRANSLATE_NOOP("KeyMap", "Ferma la playlist"),
};

const std::array<KeyGroup, 8> kGroups{{
    {QT_TRANSLATE_NOOP("KeyMap", "Servizio"), kServe},
    {QT_TRANSLATE_NOOP("KeyMap", "Esito del servizio (registra il punto)"), kOutcomes},
    {QT_TRANSLATE_NOOP("KeyMap", "Diritto / Rovescio"), kSide},
    {QT_TRANSLATE_NOOP("KeyMap", "Colpo"), kShots},
    {QT_TRANSLATE_NOOP("KeyMap", "Errore / Vincente"), kEndings},
    {QT_TRANSLATE_NOOP("KeyMap", "Punto"), kPoints},
    {QT_TRANSLATE_NOOP("KeyMap", "Punto in corso"), kClear},
    {QT_TRANSLATE_NOOP("KeyMap", "Video"), kVideo},
}};

const char* panelBase(Panel p) {
    switch (p) {
        case Panel::Servizio:
            return "Servizio";
        case Panel::DirittoRovescio:
            return "DirittoRovescio";
        case Panel::Colpo:
            return "Colpo";
        case Panel::ErroreVincente:
            break;
    }
    return "ErroreVincente";
}

}  // namespace

std::span<const KeyGroup> keyGroups() {
    return kGroups;
}

std::span<const KeyBinding> videoKeys() {
    return kVideo;
}

void runVideoKey(MainForm& form, VideoKey key) {
    switch (key) {
        case VideoKey::PlayPause:
            return form.VideoPlayPause_Click();
        case VideoKey::Back:
        case VideoKey::Forward:
            return form.VideoSkip_Click(key == VideoKey::Back ? -1 : 1);
        case VideoKey::FrameBack:
        case VideoKey::FrameForward:
            return form.VideoFrame_Click(key == VideoKey::FrameBack ? -1 : 1);
        case VideoKey::Slow:
        case VideoKey::Normal:
        case VideoKey::Fast:
            return form.VideoRate_Click(static_cast<int>(key) - static_cast<int>(VideoKey::Slow));
        case VideoKey::PointStart:
            return form.VideoPointStart_Click();
        case VideoKey::PreviousClip:
        case VideoKey::NextClip:
            return form.VideoClip_Click(key == VideoKey::PreviousClip ? -1 : 1);
        case VideoKey::StopPlaylist:
            break;
    }
    form.VideoStop_Click();
}

bool needsPlaylist(VideoKey key) {
    return key >= VideoKey::PreviousClip;
}

QString groupTitle(const KeyGroup& group) {
    return QCoreApplication::translate("KeyMap", group.title);
}

QString keyName(const KeyBinding& b) {
    return b.action == KeyAction::Clear ? QStringLiteral("Esc")
                                        : QKeySequence(b.key).toString(QKeySequence::NativeText);
}

QString choiceName(const KeyBinding& b, const MainForm& form) {
    switch (b.action) {
        case KeyAction::Option:
            return say(captionsOf(b.panel)[static_cast<std::size_t>(b.index)]);
        case KeyAction::Outcome:
            return say(kAceDoppioFalloCaptions[static_cast<std::size_t>(b.index)]);
        case KeyAction::Point:
            return pointTo(say(form.session().players()[static_cast<std::size_t>(b.index)]));
        case KeyAction::Video:
            return QCoreApplication::translate("KeyMap",
                                               kVideoCaptions[static_cast<std::size_t>(b.index)]);
        case KeyAction::Clear:
            break;
    }
    return QCoreApplication::translate("KeyMap", "Annulla le scelte del punto");
}

QString pointTo(const QString& player) {
    return QCoreApplication::translate("KeyMap", "Punto a %1").arg(player);
}

QString controlName(const KeyBinding& b) {
    switch (b.action) {
        case KeyAction::Option:
            return QStringLiteral("%1_%2").arg(QString::fromUtf8(panelBase(b.panel))).arg(b.index);
        case KeyAction::Outcome:
            return QStringLiteral("AceDoppioFallo_%1").arg(b.index);
        case KeyAction::Point:
            return QStringLiteral("PuntoGiocatore_%1").arg(b.index);
        case KeyAction::Video:
            return QStringLiteral("Video_%1").arg(b.index);
        case KeyAction::Clear:
            break;
    }
    return {};
}

}  // namespace courtlog::ui
