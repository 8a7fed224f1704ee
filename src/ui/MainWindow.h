#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "form/MainForm.h"
#include "ui/Palette.h"
#include "ui/ShowingPlatform.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QPushButton;
class QToolButton;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QMoveEvent;
class QResizeEvent;
class QScrollBar;
class QTimer;

namespace courtlog::ui {

class KeyMapDialog;
class Scaler;
class StatisticsWindow;

// The main window: builds the controls, hands every user event to the form's handler, and
// then shows in the widgets whatever the handler changed.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The window with Qt's own dialogs.
    MainWindow();
    // The window with the given dialogs, for tests that answer them.
    explicit MainWindow(Platform& platform);
    ~MainWindow() override;

    MainForm& form() { return form_; }

    // Pushes into the widgets what changed in the form since the last refresh, and only that.
    void refresh();

    // The start-up step, once the window is shown: opens the match named on the command line
    // (empty for none) or prepares the point panel.
    void start(const std::string& commandLine);

    // Speaks the language of the given index for this run, without storing the choice.
    void useLanguageForRun(int index);

    // The scale the window is drawn at, 1 for the layout as drawn.
    double scale() const;
    // Sizes the window to draw it at this scale, as far as the screen allows.
    void zoomTo(double zoom);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MainWindow(std::unique_ptr<Platform> own, Platform* injected);

    void buildNoticeBand(QWidget* client);
    // The form's notice in its band, which grows the window while it is shown.
    void showNoticeBand();
    void buildTopBand(QWidget* area);
    void buildScoreboard(QWidget* area);
    void buildPointPanel(QWidget* area);
    void buildStatistics(QWidget* area);
    void buildBottomBand(QWidget* area);
    void buildMenus();
    void buildViewMenu(QMenuBar* bar);
    void bindFields();
    // One key per choice of the point panel, as a click on it.
    void buildKeys();
    // A control of this window that a typed letter goes into.
    bool takesLetters(QObject* object) const;
    // File, "Esporta rapporto...": the report of the whole match as a web page, to a file the
    // user names.
    void exportReport();
    // The items of the rules that sit in this menu, as the rule table lists them.
    void ruleItems(QMenu* parent, RuleMenu where);
    // Game, "Statistiche dettagliate": the one statistics window, shown and brought forward.
    void showStatisticsWindow();
    // Shows a window that helps beside this one, leaving this one active.
    void showHelper(QWidget* helper);

    QButtonGroup* optionGroup(Panel panel, QWidget* frame, const char* name,
                              const std::vector<QRect>& places, const QFont& font);
    // A menu item whose text, marked with QT_TR_NOOP, follows the language.
    QAction* menuItem(QMenu* menu, const char* text, const char* name,
                      const QKeySequence& shortcut = {}, const MenuCheck* check = nullptr);
    // A checkable item whose caption its caller keeps: its mark is the form's, and a choice
    // runs the handler.
    QAction* choiceItem(QMenu* menu, const QString& name, const MenuCheck* check,
                        std::function<void()> handler);
    template <class Parent>
    QMenu* subMenu(Parent* parent, const char* title);

    // Runs set whenever the language changes, and once the window is built.
    void onLanguage(std::function<void()> set);
    // A caption of a control, marked with QT_TR_NOOP, in the language in use.
    void translated(QWidget* control, const char* text);
    // Every text again, in the language now in use.
    void retranslate();
    // The first-server items show the players' names.
    void showFirstServerNames();
    // Where the user stands in the match, on the scroll bar.
    void showPosition();
    // The title: the open file's name, the program and its version, and whether the match is
    // saved.
    void showTitle();
    // The items whose caption or use follows the match: undo, redo, delete.
    void showEditItems();
    // Where the user stands, or for a moment the form's last word to the user, in the
    // position line.
    void showPositionLine();
    void endNotice();

    // Runs a handler of the form and shows its effects.
    void forward(const std::function<void()>& handler);

    enum class Shows { Label, Name, Frame, Button };
    struct FieldView {
        const Field* field;
        QWidget* widget;
        Shows kind;
        int player = -1;  // a player's name label: that player, by kPlayers index
    };
    struct GroupView {
        const OptionGroup* group;
        QButtonGroup* buttons;
    };
    struct CheckView {
        const MenuCheck* check;
        QAction* action;
    };

    void showField(const FieldView& view);
    static void showGroup(const GroupView& view);
    // A name label: in doubles each of the four players' names in the largest type that
    // fits its line, the server's in bold, read by which player it is.
    void showName(const FieldView& view);
    // Gives the indicators below the point panel the width their captions need.
    void layIndicators();
    // In doubles each side's names take two lines, which move down what is below them
    // unchanged; singles has the drawn layout. True when it moved them.
    bool layRows();
    // The size of the client area at 100%: the drawn area and the notice band when shown.
    QSize drawnSize() const;
    // After the layout at 100% grew or shrank: the window keeps its scale.
    void reshape();
    // Draws the layout at the largest scale the client area holds, centred in it.
    void fitPicture();
    // The window's place, size and zoom, stored for the next start, and read back there.
    void storePlace();
    void restorePlace();
    // The round list's frame and the options' circles, in pixels of the scale.
    void styleForScale();
    // The serving items name the players in turn, and are offered in doubles only.
    void showServingItems();
    bool highContrast() const;
    // The winner and the sets across the indicators' place, read out when it appears.
    void showWinner();

    class Player;
    // The video the form learns has moved.
    void videoMoved(std::int64_t ms);

    std::unique_ptr<Platform> ownPlatform_;
    // The real window's video player; a window given its platform plays that one's.
    std::unique_ptr<Player> player_;
    ShowingPlatform platform_;
    // The Video menu's items, each with what the form says lets it act.
    std::vector<std::pair<QAction*, bool FormView::VideoControls::*>> videoItems_;
    MainForm form_;

    std::vector<FieldView> fieldViews_;
    std::vector<GroupView> groupViews_;
    std::vector<CheckView> checkViews_;
    std::array<QAction*, 2> firstServer_{};
    QMenu* servingMenu_ = nullptr;
    std::array<QAction*, 4> servingItems_{};
    QWidget* area_ = nullptr;
    // Where each control of the drawn area stands in singles, the layout doubles moves from.
    std::vector<std::pair<QWidget*, QRect>> drawnPlaces_;
    // How far the doubles names move down what is under the scoreboard.
    int lowered_ = 0;
    // Nothing until the rows are first laid out.
    std::optional<bool> shownDoubles_;
    // The notice band and the drawn area, drawn as one picture at the window's scale.
    QWidget* picture_ = nullptr;
    std::unique_ptr<Scaler> scaler_;
    QSize shownSize_;
    std::vector<std::pair<QAction*, double>> zoomItems_;
    // A move or a resize is stored once the window has been still for a moment.
    QTimer* storeTimer_ = nullptr;
    int shownServer_ = -1;
    QComboBox* turno_ = nullptr;
    // The indicators below the point panel, by the place they share.
    std::array<std::vector<QLabel*>, 3> indicators_;
    QScrollBar* gameScroll_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* winner_ = nullptr;
    // The grounds the window colours itself, with what their texts are drawn in as described.
    std::vector<std::pair<QWidget*, Colours>> painted_;
    // Whether the widgets show the high-contrast colours; none before the first refresh.
    std::optional<bool> shownContrast_;
    QFrame* noticeBand_ = nullptr;
    QLabel* noticeText_ = nullptr;
    QToolButton* noticeClose_ = nullptr;
    QPushButton* noticeAction_ = nullptr;
    // The notice on show in the position line and how long it stays.
    std::optional<Text> notice_;
    QTimer* noticeTimer_ = nullptr;
    QAction* editUndo_ = nullptr;
    QAction* editRedo_ = nullptr;
    QAction* gameDelete_ = nullptr;
    // Made when first asked for; while it is open, every refresh shows its figures again.
    StatisticsWindow* statistics_ = nullptr;
    KeyMapDialog* keyMap_ = nullptr;
    std::vector<std::function<void()>> texts_;
    // The index of the language the widgets speak; none before the first refresh.
    int shownLanguage_ = -1;
};

}  // namespace courtlog::ui
