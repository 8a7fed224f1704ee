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

const std::array<KeyGroup, 7> kGroups{{
    {QT_TRANSLATE_NOOP("KeyMap", "Servizio"), kServe},
    {QT_TRANSLATE_NOOP("KeyMap", "Esito del servizio (registra il punto)"), kOutcomes},
    {QT_TRANSLATE_NOOP("KeyMap", "Diritto / Rovescio"), kSide},
    {QT_TRANSLATE_NOOP("KeyMap", "Colpo"), kShots},
    {QT_TRANSLATE_NOOP("KeyMap", "Errore / Vincente"), kEndings},
    {QT_TRANSLATE_NOOP("KeyMap", "Punto"), kPoints},
    {QT_TRANSLATE_NOOP("KeyMap", "Punto in corso"), kClear},
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
        case KeyAction::Clear:
            break;
    }
    return {};
}

}  // namespace courtlog::ui
