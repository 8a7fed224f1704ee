#include "ui/AboutDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "form/SystemInfo.h"
#include "form/Version.h"
#include "ui/AppIcon.h"

namespace courtlog::ui {

namespace {

// 5730 by 4260 twips at 15 twips a pixel.
constexpr int Width = 382;
constexpr int Height = 284;

QLabel* text(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setGeometry(place);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
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
    const QString title = QString::fromUtf8(kAppTitle);
    setWindowTitle(QStringLiteral("Informazioni su ") + title);
    setFixedSize(Width, Height);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(appPixmap(48));
    icon->setGeometry(12, 12, 48, 48);

    QLabel* name = text(this, "lblTitle", title, QRect(76, 10, 290, 30));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    text(this, "lblVersion",
         QStringLiteral("Versione %1.%2.%3")
             .arg(kVersionMajor)
             .arg(kVersionMinor)
             .arg(kVersionPatch),
         QRect(76, 42, 290, 18));
    text(this, "lblDescription_0", QStringLiteral("Scritto dagli autori di Courtlog, 2026."),
         QRect(76, 62, 290, 18));
    // Below the icon the description takes the whole width, so all of it fits.
    QLabel* description =
        text(this, "lblDescription_1", QString::fromUtf8(Description), QRect(12, 84, 360, 122));
    QFont smaller = description->font();
    smaller.setPointSizeF(smaller.pointSizeF() * 0.9);
    description->setFont(smaller);

    // A grey line over a white one: an etched separator.
    line(this, "Line1_0", 210, QColor(128, 128, 128));
    line(this, "Line1_1", 211, Qt::white);

    QLabel* disclaimer =
        text(this, "lblDisclaimer",
             QStringLiteral("Il programma è fornito così com'è, senza garanzie di alcun tipo."),
             QRect(12, 222, 260, 50));
    QFont small = disclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    disclaimer->setFont(small);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(282, 220, 92, 26);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);  // Esc rejects, which also closes

    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(282, 252, 92, 26);
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, [&platform] { StartSysInfo(platform); });
    ok->setFocus();
}

}  // namespace courtlog::ui
