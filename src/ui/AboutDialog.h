#pragma once

#include <QDialog>

#include "platform/Platform.h"

namespace courtlog::ui {

// The about box: title, version, credit, description, disclaimer and the button that starts
// the system-information program. Made anew for every showing.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Platform& platform, QWidget* owner);

    static constexpr const char* Description =
        "Il programma consente di mantenere le statistiche di un match di tennis, permettendo "
        "di inserire oltre ai punti le caratteristiche di ogni colpo. Inoltre è possibile "
        "salvare le partite immesse, e scorrere l'intero match con i tasti F7 e F8 (o con il "
        "cursore in basso, o con il menu Game). Su macchine molto lente, potete disabilitare "
        "alcune opzioni per velocizzare il programma (menu Opzioni). Altre chicche le troverete "
        "usando il programma!";
};

}  // namespace courtlog::ui
