#include "ui/StatisticsWindow.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
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

#include "report/DetailedStatistics.h"
#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "ui/Accessibility.h"

namespace courtlog::ui {

namespace {

// The name of the rows' own column, drawn in the table's corner above them.
constexpr const char* kCorner = "courtlogCorner";

void setCell(QTableWidget* table, int row, int column, const QString& text) {
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
}

// The rows' captions become the vertical header and the other headers the horizontal one, so
// that assistive clients read every figure with its row and its column.
void fill(QTableWidget* table, QLabel* caption, const FigureTable& figures) {
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
        for (int c = 0; c < columns; ++c) {
            setCell(table, r, c, say(row[static_cast<std::size_t>(c) + 1]));
        }
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(position_);
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
    // From the tab bar through the tables of each page (only the shown page's take the focus)
    // to the buttons, as they are laid out; tables made later would otherwise come last.
    QWidgetList chain{tabs_->tabBar()};
    for (const Page& p : pages_) {
        chain.append(QWidgetList(p.tables.begin(), p.tables.end()));
    }
    chain << print_ << close_;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

void StatisticsWindow::showFigures() {
    const std::vector<StretchTables> stretches =
        detailedTables(form_.session().statistics(), form_.session().players());
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
            fill(shown, p.captions[t], stretch.tables[t]);
        }
    }
}

void StatisticsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
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

void StatisticsWindow::print() {
    // The same page as the exported report, of the whole recorded match.
    QTextDocument page;
    page.setHtml(printablePage(htmlReport(summarizeMatch(form_.session().record()))));
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        page.print(&printer);
    }
}

}  // namespace courtlog::ui
