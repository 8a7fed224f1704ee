#pragma once

#include <QDialog>
#include <vector>

#include "form/MainForm.h"
#include "report/DetailedStatistics.h"
#include "report/MatchSummary.h"

class QCheckBox;
class QLabel;
class QPrinter;
class QTextDocument;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace courtlog::ui {

// The report page as a text document prints it: each chart, which it cannot draw, replaced by
// what the chart shows in words.
QString printablePage(const std::string& html);

// The report as the window prints it, laid out on the printer's pages: `page` then prints as
// it is laid out.
void layOutForPrinter(QTextDocument& page, const MatchSummary& match, QPrinter& printer);

// "Statistiche dettagliate": the detailed tables of the match and of each set, a tab for each,
// at the position the scoreboard shows, with the score and the server there above them. It
// stays open beside the main window, which has it show the figures again after every change.
// The shot tables leave out the rows that count nothing unless asked. Every count can be
// played: a double click or Enter on its cell asks for its points.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(const MainForm& form, QWidget* parent = nullptr);

    // The figures at the form's position, in the language in use. Only what changed is
    // rewritten, so the tab, the cell and the scroll the user had stay where they were.
    void showFigures();

signals:
    // The points a cell counts, by their indices into the match in order, and what it counts.
    void playRequested(const QList<int>& points, const QString& label);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One tab: the stretch's times, then each table under its caption.
    struct Page {
        QWidget* page;
        QLabel* times;
        std::vector<QLabel*> captions;
        std::vector<QTableWidget*> tables;
    };

    Page& page(std::size_t index);
    QTableWidget* table(std::size_t stretch, std::size_t index);
    void orderTabs();
    // "6-4 3-2 30-15 · al servizio Giocatore A" at the form's position.
    QString scoreLine() const;
    void retranslate();
    void print();
    void play(const QTableWidget* table, int row, int column);

    const MainForm& form_;
    QLabel* score_;
    QLabel* position_;
    QTabWidget* tabs_;
    QPushButton* print_;
    QPushButton* close_;
    QCheckBox* zeros_;
    std::vector<Page> pages_;
    // What the tables show, to tell what a cell counts.
    MatchStatistics statistics_;
    std::vector<StretchTables> stretches_;
};

}  // namespace courtlog::ui
