#include "ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <tuple>

#include "form/SystemInfo.h"
#include "form/Version.h"
#include "ui/AppIcon.h"
#include "ui/Look.h"

namespace courtlog::ui {

namespace {

// 5730 by 4260 twips at 15 twips a pixel.
constexpr int Width = 382;
constexpr int Height = 284;

// A label of one line, or of as many as its place holds when it wraps.
QLabel* text(QWidget* parent, const char* name, const QRect& place, bool wraps) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(place);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(wraps);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QFont scaled(const QWidget* w, double factor) {
    QFont f = w->font();
    f.setPointSizeF(f.pointSizeF() * factor);
    return f;
}

QFrame* line(QWidget* parent, const char* name, int y, const QColor& colour) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setGeometry(8, y, Width - 16, 1);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, colour);
    f->setPalette(p);
    return f;
}

}  // namespace

AboutDialog::AboutDialog(Platform& platform, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(Width, Height);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(appPixmap(48));
    icon->setGeometry(12, 12, 48, 48);

    // The program's name reads the same in every language.
    QLabel* name = text(this, "lblTitle", QRect(76, 10, 290, 30), false);
    name->setText(QString::fromUtf8(kAppTitle));
    QFont big = scaled(name, 1.6);
    big.setBold(true);
    name->setFont(big);
    version_ = text(this, "lblVersion", QRect(76, 42, 290, 18), false);
    credit_ = text(this, "lblDescription_0", QRect(76, 62, 290, 18), false);
    // Below the icon the description takes the whole width.
    description_ = text(this, "lblDescription_1", QRect(12, 84, 360, 122), true);

    // A grey line over a white one: an etched separator.
    line(this, "Line1_0", 210, QColor(128, 128, 128));
    line(this, "Line1_1", 211, Qt::white);

    disclaimer_ = text(this, "lblDisclaimer", QRect(12, 222, 260, 50), true);

    // Qt's own OK, which its catalogues translate.
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    box->setGeometry(282, 220, 92, 26);
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this,
            &QDialog::accept);  // Esc rejects, which also closes

    sysInfo_ = new QPushButton(this);
    sysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo_->setGeometry(282, 252, 92, 26);
    sysInfo_->setAutoDefault(false);
    connect(sysInfo_, &QPushButton::clicked, this, [&platform] { StartSysInfo(platform); });
    retranslate();
    ok->setFocus();
}

void AboutDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void AboutDialog::retranslate() {
    setWindowTitle(tr("Informazioni su %1").arg(QString::fromUtf8(kAppTitle)));
    // Each label's font as drawn, relative to the dialog's.
    const std::tuple<QLabel*, double, QString> texts[] = {
        {version_, 1.0,
         tr("Versione %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch)},
        {credit_, 1.0, tr("Scritto dagli autori di Courtlog, 2026.")},
        {description_, 0.9,
         tr("Il programma consente di mantenere le statistiche di un match di tennis, permettendo "
            "di inserire oltre ai punti le caratteristiche di ogni colpo. Inoltre è possibile "
            "salvare le partite immesse, e scorrere l'intero match con i tasti F7 e F8 (o con il "
            "cursore in basso, o con il menu Game). Su macchine molto lente, potete disabilitare "
            "alcune opzioni per velocizzare il programma (menu Opzioni). Altre chicche le "
            "troverete usando il programma!")},
        {disclaimer_, 0.85, tr("Il programma è fornito così com'è, senza garanzie di alcun tipo.")},
    };
    for (const auto& [label, scale, caption] : texts) {
        label->setText(caption);
        shrinkToFit({label}, scaled(this, scale));
        showFitted(label, caption);
    }
    const QString sysInfo = tr("&System Info...");
    sysInfo_->setText(sysInfo);
    shrinkToFit({sysInfo_}, font());
    showFitted(sysInfo_, sysInfo);
}

}  // namespace courtlog::ui
