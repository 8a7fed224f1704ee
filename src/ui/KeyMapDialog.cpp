#include "ui/KeyMapDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/KeyMap.h"

namespace courtlog::ui {

namespace {

// A key's name is never broken, whatever its length: its column is as wide as the longest.
constexpr const char* kRow = "<tr><td style='white-space: nowrap'><b>%1</b></td><td>%2</td></tr>";

}  // namespace

KeyMapDialog::KeyMapDialog(const MainForm& form, QWidget* parent, QList<QAction*> commands)
    : QDialog(parent), form_(form), commands_(std::move(commands)) {
    setObjectName(QStringLiteral("TastiRapidi"));
    // It stays open beside the main window, which goes on charting.
    setModal(false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("Mappa"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    print_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    print_->setObjectName(QStringLiteral("Stampa"));
    connect(print_, &QPushButton::clicked, this, [this] { print(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(440, 600);
    retranslate();
}

QString KeyMapDialog::page(const MainForm& form, const QList<QAction*>& commands, bool twoColumns) {
    const QString head =
        QStringLiteral("<h2>%1</h2><p>%2</p>")
            .arg(tr("Tasti rapidi").toHtmlEscaped(),
                 tr("Un tasto per ogni scelta, senza Ctrl, Alt o Maiusc, in qualunque finestra "
                    "del programma sia attiva: la principale, questa, quella del video o delle "
                    "statistiche. Un punto semplice è un tasto solo: "
                    "F per il giocatore a sinistra, J per quello a destra. Nell'elenco "
                    "del turno e nella barra dei menu le lettere scelgono lì e non "
                    "registrano nulla.")
                     .toHtmlEscaped());
    // Each group under its title, with its number of rows.
    std::vector<std::pair<QString, qsizetype>> groups;
    const auto add = [&groups](const QString& title, const QString& rows, qsizetype count) {
        groups.emplace_back(QStringLiteral("<h3>%1</h3><table cellpadding='3'>%2</table>")
                                .arg(title.toHtmlEscaped(), rows),
                            count);
    };
    for (const KeyGroup& group : keyGroups()) {
        QString rows;
        for (const KeyBinding& b : group.keys) {
            rows += QString::fromLatin1(kRow).arg(keyName(b).toHtmlEscaped(),
                                                  choiceName(b, form).toHtmlEscaped());
        }
        add(groupTitle(group), rows, std::ssize(group.keys));
    }
    // The menus' keys as the menus show them now, so the two never disagree; those the map
    // above already lists (the Video menu's) once only.
    QSet<QKeySequence> listed;
    for (const KeyGroup& group : keyGroups()) {
        for (const KeyBinding& b : group.keys) {
            listed.insert(QKeySequence(b.key));
        }
    }
    QString rows;
    qsizetype count = 0;
    for (const QAction* command : commands) {
        if (command->shortcuts().isEmpty() || listed.contains(command->shortcut())) {
            continue;
        }
        QStringList keys;
        for (const QKeySequence& key : command->shortcuts()) {
            keys << key.toString(QKeySequence::NativeText);
        }
        QString caption = command->text();
        caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
            .remove(QLatin1Char('&'))
            .replace(QStringLiteral("\x01"), QStringLiteral("&"));
        rows += QString::fromLatin1(kRow).arg(keys.join(QStringLiteral(", ")).toHtmlEscaped(),
                                              caption.toHtmlEscaped());
        ++count;
    }
    if (count > 0) {
        add(tr("Comandi dei menu"), rows, count);
    }
    // Two columns of about as many lines each, a title counting as one.
    qsizetype lines = 0;
    for (const auto& group : groups) {
        lines += group.second + 1;
    }
    QString columns[2];
    qsizetype left = 0;
    for (const auto& [html, n] : groups) {
        const bool second =
            twoColumns && (left += n + 1) > (lines + 1) / 2 && !columns[0].isEmpty();
        columns[second ? 1 : 0] += html;
    }
    return twoColumns ? head + QStringLiteral(
                                   "<table width='100%'><tr><td valign='top'>%1</td>"
                                   "<td valign='top'>%2</td></tr></table>")
                                   .arg(columns[0], columns[1])
                      : head + columns[0];
}

void KeyMapDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void KeyMapDialog::retranslate() {
    setWindowTitle(tr("Tasti rapidi"));
    // The page wraps and scrolls, so the words of any language fit it.
    text_->setHtml(page(form_, commands_));
    print_->setText(tr("&Stampa..."));
}

void KeyMapDialog::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        print(&printer);
    }
}

void KeyMapDialog::print(QPagedPaintDevice* sheet) const {
    // In two columns, which a sheet has the width for.
    QTextDocument page;
    page.setDefaultFont(text_->document()->defaultFont());
    page.setHtml(KeyMapDialog::page(form_, commands_, true));
    page.print(sheet);
}

}  // namespace courtlog::ui
