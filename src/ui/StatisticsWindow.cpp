#include "ui/StatisticsWindow.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "ui/Accessibility.h"

namespace courtlog::ui {

namespace {

// The name of the rows' own column, drawn in the table's corner above them.
constexpr const char* kCorner = "courtlogCorner";

void setCell(QTableWidget* table, int row, int column, const QString& text, const QString& tip) {
    QTableWidgetItem* item = table->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, column, item);
    }
    if (item->text() != text) {
        item->setText(text);
    }
    if (item->toolTip() != tip) {
        item->setToolTip(tip);
    }
}

// Whose figures a table's column holds: a side's, or in the doubles players' table one of the
// four players'.
int playerOf(const FigureTable& figures, int column) {
    return figures.player >= 0 ? figures.player : column;
}

// The figure's count in the statistics of whose the column is.
int countIn(const FigureTable& figures, const Figure& figure, const StretchStatistics& stretch,
            int column) {
    const auto whose = static_cast<std::size_t>(playerOf(figures, column));
    return figures.servers ? figure.in(stretch.servers.at(whose))
                           : figure.in(stretch.players.at(whose));
}

// The rows' captions become the vertical header and the other headers the horizontal one, so
// that assistive clients read every figure with its row and its column.
// A shot table's rows that count nothing are hidden unless `zeros`; its total never is.
void fill(QTableWidget* table, QLabel* caption, const FigureTable& figures,
          const StretchStatistics& stretch, bool zeros) {
    const QString name = say(figures.caption);
    caption->setText(name);
    if (table->accessibleName() != name) {  // each change is told to assistive clients
        table->setAccessibleName(name);
    }
    const auto rows = static_cast<int>(figures.rows.size());
    const auto columns = static_cast<int>(figures.headers.size()) - 1;
    table->setRowCount(rows);
    table->setColumnCount(columns);
    QStringList headers;
    for (int c = 0; c < columns; ++c) {
        headers << say(figures.headers[static_cast<std::size_t>(c) + 1]);
    }
    table->setHorizontalHeaderLabels(headers);
    QStringList captions;
    for (int r = 0; r < rows; ++r) {
        const std::vector<Text>& row = figures.rows[static_cast<std::size_t>(r)];
        captions << say(row[0]);
        bool empty = figures.player >= 0 && !figures.servers;
        for (int c = 0; c < columns; ++c) {
            const Figure& counted =
                figures.counted[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            const int n = countIn(figures, counted, stretch, c);
            const bool plays = counted.countsPoints() && n > 0;
            empty = empty && n == 0 && counted.among != Figure::Among::All;
            setCell(table, r, c, say(row[static_cast<std::size_t>(c) + 1]),
                    plays ? StatisticsWindow::tr("Doppio clic o Invio: rivedi questi punti")
                          : QString());
        }
        table->setRowHidden(r, empty && !zeros);
    }
    table->setVerticalHeaderLabels(captions);
    // The table grows with its figures by itself: the page scrolls, never the table.
    if (auto* corner = table->findChild<QAbstractButton*>()) {
        const QString rowsName = say(figures.headers[0]);
        if (corner->property(kCorner).toString() != rowsName) {
            corner->setProperty(kCorner, rowsName);
            corner->setAccessibleName(rowsName);
            corner->update();
        }
    }
}

}  // namespace

StatisticsWindow::StatisticsWindow(const MainForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("StatisticheDettagliate"));
    setModal(false);
    // Opened or refreshed, it leaves the keys with the main window's point panel.
    setAttribute(Qt::WA_ShowWithoutActivating);
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("PunteggioServizio"));
    score_->setTextFormat(Qt::PlainText);
    QFont bold = score_->font();
    bold.setBold(true);
    score_->setFont(bold);
    showsValue(score_, QString());
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("Posizione"));
    position_->setTextFormat(Qt::PlainText);
    // Read as what it is, with where the user stands as its value, as in the main window.
    showsValue(position_, QString());
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("Tratti"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    print_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    print_->setObjectName(QStringLiteral("Stampa"));
    print_->setAutoDefault(false);
    close_ = buttons->button(QDialogButtonBox::Close);
    close_->setAutoDefault(false);
    connect(print_, &QPushButton::clicked, this, &StatisticsWindow::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Kept for as long as the program runs, as the window is.
    zeros_ = new QCheckBox(this);
    zeros_->setObjectName(QStringLiteral("RigheAZero"));
    connect(zeros_, &QCheckBox::toggled, this, &StatisticsWindow::showFigures);
    // A column of its own, so the window can be narrow where the screen has little room.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(score_);
    layout->addWidget(position_);
    layout->addWidget(zeros_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(680, 640);
    retranslate();
}

StatisticsWindow::Page& StatisticsWindow::page(std::size_t index) {
    while (pages_.size() <= index) {
        // The page scrolls to the table that takes the focus, and takes none itself.
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("Tratto_%1").arg(pages_.size()));
        scroll->setWidgetResizable(true);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setFrameShape(QFrame::NoFrame);
        auto* content = new QWidget;
        auto* column = new QVBoxLayout(content);
        auto* times = new QLabel(content);
        times->setObjectName(QStringLiteral("Tempi_%1").arg(pages_.size()));
        times->setTextFormat(Qt::PlainText);
        column->addWidget(times);
        column->addStretch(1);
        scroll->setWidget(content);
        tabs_->addTab(scroll, QString());
        pages_.push_back({scroll, times, {}, {}});
    }
    return pages_[index];
}

QTableWidget* StatisticsWindow::table(std::size_t stretch, std::size_t index) {
    Page& page = pages_[stretch];
    while (page.tables.size() <= index) {
        QWidget* content = static_cast<QScrollArea*>(page.page)->widget();
        auto* column = static_cast<QVBoxLayout*>(content->layout());
        const QString place = QStringLiteral("%1_%2").arg(stretch).arg(page.tables.size());
        auto* caption = new QLabel(content);
        caption->setObjectName(QStringLiteral("Didascalia_") + place);
        caption->setTextFormat(Qt::PlainText);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        auto* t = new QTableWidget(content);
        t->setObjectName(QStringLiteral("Tabella_") + place);
        caption->setBuddy(t);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setTabKeyNavigation(false);
        t->setWordWrap(false);
        t->setCornerButtonEnabled(false);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
        t->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        t->horizontalHeader()->setMinimumSectionSize(90);
        t->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
        if (auto* corner = t->findChild<QAbstractButton*>()) {
            corner->installEventFilter(this);
        }
        t->installEventFilter(this);  // Enter plays the current cell
        connect(t, &QTableWidget::cellDoubleClicked, this,
                [this, t](int row, int column) { play(t, row, column); });
        // Before the stretch that keeps the tables at the top of the page.
        const int at = column->count() - 1;
        column->insertWidget(at, caption);
        column->insertWidget(at + 1, t);
        column->insertSpacing(at + 2, 8);
        page.captions.push_back(caption);
        page.tables.push_back(t);
        orderTabs();
    }
    return page.tables[index];
}

void StatisticsWindow::orderTabs() {
    // From the check box and the tab bar through the tables of each page (only the shown
    // page's take the focus) to the buttons, as they are laid out; tables made later would
    // otherwise come last.
    QWidgetList chain{zeros_, tabs_->tabBar()};
    for (const Page& p : pages_) {
        chain.append(QWidgetList(p.tables.begin(), p.tables.end()));
    }
    chain << print_ << close_;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

void StatisticsWindow::showFigures() {
    statistics_ = form_.session().statistics();
    // In doubles each of the four players' serve has a table of its own.
    const std::array<Text, kPlayers> names = form_.session().names();
    stretches_ = detailedTables(statistics_, form_.session().players(),
                                form_.session().rules().doubles ? &names : nullptr);
    const std::vector<StretchTables>& stretches = stretches_;
    score_->setText(scoreLine());
    position_->setText(say(form_.view().board.Posizione.text()));
    // Sets the position no longer reaches lose their tabs.
    while (pages_.size() > stretches.size()) {
        delete pages_.back().page;
        pages_.pop_back();
    }
    for (std::size_t s = 0; s < stretches.size(); ++s) {
        const StretchTables& stretch = stretches[s];
        Page& p = page(s);
        if (const QString title = say(stretch.title);
            tabs_->tabText(static_cast<int>(s)) != title) {
            tabs_->setTabText(static_cast<int>(s), title);
        }
        QStringList times;
        for (const Text& line : stretch.times) {
            times << say(line);
        }
        p.times->setText(times.join(QLatin1Char('\n')));
        p.times->setVisible(!times.isEmpty());
        for (std::size_t t = 0; t < stretch.tables.size(); ++t) {
            QTableWidget* shown = table(s, t);  // made, with its caption, when first needed
            fill(shown, p.captions[t], stretch.tables[t],
                 s == 0 ? statistics_.match : statistics_.sets[s - 1], zeros_->isChecked());
        }
        // A table doubles had waits, hidden, for doubles again.
        for (std::size_t t = 0; t < p.tables.size(); ++t) {
            p.tables[t]->setVisible(t < stretch.tables.size());
            p.captions[t]->setVisible(t < stretch.tables.size());
        }
    }
}

QString StatisticsWindow::scoreLine() const {
    // In the scoreboard's own words: the sets finished, then the games and points of the one
    // being played.
    const Board& board = form_.view().board;
    const Score& score = form_.session().score();
    const auto pair = [](const std::array<Field, 2>& f) {
        return say(f[0].text()) + QLatin1Char('-') + say(f[1].text());
    };
    QStringList line;
    for (int set = 1; set <= std::min(score.set, 5); ++set) {
        line << pair(board.setRow(set));
    }
    if (!score.over) {
        line << pair(board.Games) << pair(board.Punteggio);
    }
    const int server = form_.session().servingPlayer();
    return server < 0 ? line.join(QLatin1Char(' '))
                      : tr("%1 · al servizio %2")
                            .arg(line.join(QLatin1Char(' ')),
                                 say(form_.session().names()[static_cast<std::size_t>(server)]));
}

void StatisticsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (auto* table = qobject_cast<QTableWidget*>(watched)) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
                table->currentItem() != nullptr) {
                play(table, table->currentRow(), table->currentColumn());
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    }
    // A table's corner is a blank button; it shows what the rows are, as a header would.
    if (event->type() == QEvent::Paint) {
        auto* corner = static_cast<QWidget*>(watched);
        QStylePainter painter(corner);
        QStyleOptionHeader option;
        option.initFrom(corner);
        // Drawn as the headers beside it, not greyed as the button it is.
        option.state |= QStyle::State_Enabled;
        option.palette.setCurrentColorGroup(QPalette::Active);
        option.rect = corner->rect();
        option.text = corner->property(kCorner).toString();
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void StatisticsWindow::retranslate() {
    const QString title = tr("Statistiche dettagliate");
    setWindowTitle(title);
    setAccessibleName(title);
    tabs_->setAccessibleName(tr("Partita e set"));
    position_->setAccessibleName(tr("Dove si è nella partita"));
    score_->setAccessibleName(tr("Punteggio e servizio"));
    zeros_->setText(tr("Mostra le righe a &zero"));
    print_->setText(tr("&Stampa..."));
    showFigures();
}

QString printablePage(const std::string& html) {
    // A text document draws no SVG: it would print the charts' labels as a run of loose words.
    // Each chart gives way to its description, which the page's figure caption follows.
    QString page = QString::fromStdString(html);
    static const QRegularExpression chart(
        QStringLiteral(R"re(<svg\b[^>]*?(?:\baria-label="([^"]*)"[^>]*)?>.*?</svg>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    return page.replace(chart, QStringLiteral("<p><i>\\1</i></p>"));
}

void StatisticsWindow::play(const QTableWidget* table, int row, int column) {
    for (std::size_t s = 0; s < pages_.size() && s < stretches_.size(); ++s) {
        const auto& tables = pages_[s].tables;
        const auto at = std::find(tables.begin(), tables.end(), table);
        if (at == tables.end()) {
            continue;
        }
        const StretchTables& stretch = stretches_[s];
        const auto index = static_cast<std::size_t>(at - tables.begin());
        if (index >= stretch.tables.size()) {
            return;
        }
        const FigureTable& figures = stretch.tables[index];
        const auto r = static_cast<std::size_t>(row);
        const auto c = static_cast<std::size_t>(column);
        if (r >= figures.counted.size() || c >= figures.counted[r].size()) {
            return;
        }
        const int player = playerOf(figures, column);
        const std::vector<int> points = pointsBehind(
            form_.session().points().played(), form_.session().rules(),
            s == 0 ? statistics_.match : statistics_.sets[s - 1], player, figures.counted[r][c]);
        if (points.empty()) {
            return;
        }
        // "Ace", or a shot table's "Errore gratuito, Rovescio", then whose and where.
        QString what = say(figures.rows[r][0]);
        if (figures.player >= 0) {
            const QString kind = say(figures.headers[c + 1]);
            what = figures.counted[r][c].among == Figure::Among::All ? kind
                                                                     : tr("%1, %2").arg(kind, what);
        }
        // Whose: a side as the first table names it, or the player a column of the doubles
        // players' table names.
        const QString whose =
            say(figures.servers ? figures.headers[c + 1]
                                : stretch.tables[0].headers[static_cast<std::size_t>(player) + 1]);
        const QString label = tr("%1 — %2, %3").arg(what, whose, say(stretch.title));
        emit playRequested(QList<int>(points.begin(), points.end()), label);
        return;
    }
}

void layOutForPrinter(QTextDocument& page, const MatchSummary& match, QPrinter& printer) {
    // The page's own style sheet is for browsers: a text document's reader drops all of it at
    // its first custom property, and would draw little of the rest as meant (its header's white
    // text on no green). This one says, in what the reader knows, the same compact page.
    static const QString style = QStringLiteral(
        "<style>body { font-size: 8pt; color: #1f2a1f; } h1 { font-size: 14pt; } "
        "h2 { font-size: 11pt; color: #134a1c; } h3 { font-size: 9pt; color: #134a1c; } "
        "p.nota { font-size: 7pt; color: #5b6657; } caption { font-weight: bold; } "
        "td, th { font-size: 7.5pt; padding: 0px 3px; } tbody th { text-align: left; "
        "font-weight: normal; } thead th { background-color: #e8f2e3; } "
        "table.registro td, table.registro th { font-size: 6.8pt; } "
        "tr.tb td { background-color: #fff8cc; } tr.break td { background-color: #fde3b0; } "
        "tr.dopo td { color: #8a9487; font-style: italic; }</style>");
    static const QRegularExpression sheets(QStringLiteral("<style>.*?</style>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QString html = printablePage(htmlReport(match, true)).remove(sheets);
    // Nor does it keep the legend's items apart.
    page.setHtml(html.replace(QStringLiteral("</head>"), style + QStringLiteral("</head>"))
                     .replace(QStringLiteral("<span class=\"legenda\">"),
                              QStringLiteral(" <span class=\"legenda\">")));
    // Laid out on the printer's page at 96 dots an inch, whatever the screen, since the style
    // sheet's pixels and ems are the document's own: printing then scales it, as laid out,
    // without the wide margins a document gets when printed unpaginated.
    static QImage inches = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    page.documentLayout()->setPaintDevice(&inches);
    page.setPageSize(printer.pageRect(QPrinter::Inch).size() * 96);
}

void StatisticsWindow::print() {
    // The same page as the exported report, of the whole recorded match.
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        QTextDocument page;
        layOutForPrinter(page, summarizeMatch(form_.session().record()), printer);
        page.print(&printer);
    }
}

}  // namespace courtlog::ui
