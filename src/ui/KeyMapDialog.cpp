#include "ui/KeyMapDialog.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/KeyMap.h"

namespace courtlog::ui {

KeyMapDialog::KeyMapDialog(const MainForm& form, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TastiRapidi"));
    setWindowTitle(QStringLiteral("Tasti rapidi"));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("Mappa"));
    text_->setHtml(page(form));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* print =
        buttons->addButton(QStringLiteral("&Stampa..."), QDialogButtonBox::ActionRole);
    connect(print, &QPushButton::clicked, this, &KeyMapDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(440, 600);
}

QString KeyMapDialog::page(const MainForm& form) {
    QString html = QStringLiteral(
        "<h2>Tasti rapidi</h2><p>Un tasto per ogni scelta, senza Ctrl, Alt o Maiusc, quando la "
        "finestra principale è attiva. Un punto semplice è un tasto solo: F per il giocatore "
        "a sinistra, J per quello a destra. Nell'elenco del turno e nella barra dei menu le "
        "lettere scelgono lì e non registrano nulla.</p>");
    for (const KeyGroup& group : keyGroups()) {
        html += QStringLiteral("<h3>%1</h3><table cellpadding='3'>")
                    .arg(QString::fromUtf8(group.title).toHtmlEscaped());
        for (const KeyBinding& b : group.keys) {
            html += QStringLiteral("<tr><td width='60'><b>%1</b></td><td>%2</td></tr>")
                        .arg(keyName(b).toHtmlEscaped(), choiceName(b, form).toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

void KeyMapDialog::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        text_->document()->print(&printer);
    }
}

}  // namespace courtlog::ui
