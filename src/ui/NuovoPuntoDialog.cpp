#include "ui/NuovoPuntoDialog.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "report/Language.h"
#include "ui/Look.h"

namespace courtlog::ui {

NuovoPuntoDialog::NuovoPuntoDialog(const ResidualQuestion& question, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      question_(question) {
    setFixedSize(346, 110);
    setBack(this, QColor(0, 128, 0));

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Messaggio"));
    message_->setGeometry(8, 16, 329, 25);
    message_->setAlignment(Qt::AlignCenter);
    message_->setTextFormat(Qt::PlainText);
    setBack(message_, QColor(255, 192, 128));

    const std::array<QRect, 3> places{QRect(8, 48, 153, 25), QRect(184, 48, 153, 25),
                                      QRect(96, 80, 153, 25)};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Scelta_%1").arg(i));
        button->setGeometry(places[i]);
        button->setVisible(question.offered[i]);
        connect(button, &QPushButton::clicked, this, [this, i] { choose(i); });
        choices_[i] = button;
    }
    retranslate();
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

void NuovoPuntoDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void NuovoPuntoDialog::retranslate() {
    setWindowTitle(say(ResidualQuestion::Caption));
    const QString message = say(question_.message);
    message_->setText(message);
    shrinkToFit({message_}, comicSans(MessagePointSize));
    showFitted(message_, message);
    // The dialog keeps its drawn size; the three captions share one font size, as a row of
    // buttons should.
    std::array<QString, 3> captions;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        captions[i] = say(ResidualQuestion::Choices[i]);
        choices_[i]->setText(captions[i]);
    }
    shrinkToFit({choices_[0], choices_[1], choices_[2]}, font());
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        showFitted(choices_[i], captions[i]);
    }
}

void NuovoPuntoDialog::choose(int index) {
    answer_ = static_cast<ResidualAnswer>(index);
    accept();
}

}  // namespace courtlog::ui
