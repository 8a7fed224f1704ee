#include "ui/NuovoPuntoDialog.h"

#include <QLabel>
#include <QPushButton>

#include "report/Language.h"
#include "ui/Look.h"

namespace courtlog::ui {

NuovoPuntoDialog::NuovoPuntoDialog(const ResidualQuestion& question, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(say(ResidualQuestion::Caption));
    setFixedSize(346, 110);
    setBack(this, QColor(0, 128, 0));

    message_ = new QLabel(say(question.message), this);
    message_->setObjectName(QStringLiteral("Messaggio"));
    message_->setGeometry(8, 16, 329, 25);
    message_->setAlignment(Qt::AlignCenter);
    message_->setTextFormat(Qt::PlainText);
    message_->setFont(comicSans(9.75));
    setBack(message_, QColor(255, 192, 128));

    const std::array<QRect, 3> places{QRect(8, 48, 153, 25), QRect(184, 48, 153, 25),
                                      QRect(96, 80, 153, 25)};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(say(ResidualQuestion::Choices[i]), this);
        button->setObjectName(QStringLiteral("Scelta_%1").arg(i));
        button->setGeometry(places[i]);
        button->setVisible(question.offered[i]);
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        choices_[i] = button;
    }
    fitCaptions();
    choices_[0]->setDefault(true);
    setTabOrder(choices_[0], choices_[1]);
    setTabOrder(choices_[1], choices_[2]);
    setTabOrder(choices_[2], message_);
    choices_[0]->setFocus();
}

ResidualAnswer NuovoPuntoDialog::ask() {
    exec();
    return answer_;
}

void NuovoPuntoDialog::fitCaptions() {
    // The dialog keeps its drawn size; where the platform's font is too wide for a caption,
    // all three take a smaller one rather than show a cut caption.
    QFont font = choices_[0]->font();
    auto fits = [this, &font] {
        for (QPushButton* button : choices_) {
            button->setFont(font);
            if (button->sizeHint().width() > button->width()) {
                return false;
            }
        }
        return true;
    };
    while (!fits() && font.pointSizeF() > MinimumPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
}

void NuovoPuntoDialog::choose(int index) {
    answer_ = static_cast<ResidualAnswer>(index);
    accept();
}

}  // namespace courtlog::ui
