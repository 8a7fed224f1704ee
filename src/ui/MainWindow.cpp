#include "ui/MainWindow.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <map>
#include <utility>

#include "form/Captions.h"
#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "storage/FileAccess.h"
#include "storage/StoredOptions.h"
#include "ui/Accessibility.h"
#include "ui/ClickableLabel.h"
#include "ui/ColourButton.h"
#include "ui/KeyMap.h"
#include "ui/KeyMapDialog.h"
#include "ui/Look.h"
#include "ui/Palette.h"
#include "ui/Placement.h"
#include "ui/QtPlatform.h"
#include "ui/Scaler.h"
#include "ui/StatisticsWindow.h"
#include "ui/VideoWindow.h"

namespace courtlog::ui {

namespace {

// The client area below the menu bar as drawn, at 100%; the window draws it at any scale.
constexpr int ClientWidth = 546;
constexpr int ClientHeight = 527;
// The row that names the scoreboard's columns, which moves down all that is under it.
constexpr int HeadingY = 38;
constexpr int HeadingHeight = 16;
// The zooms the View menu offers; dragging the window's edge gives any scale between.
constexpr std::array<int, 4> Zooms{100, 125, 150, 200};
// How long the window stays still before its place is stored.
constexpr int StoreDelay = 500;  // ms

const QColor DarkGreen = toQColor(colours::DarkGreen);
const QColor LightGreen = toQColor(colours::LightGreen);
const QColor LightOrange = toQColor(colours::LightOrange);
const QColor LightYellow = toQColor(colours::LightYellow);

QString name(const char* base, int index) {
    return QStringLiteral("%1_%2").arg(QString::fromUtf8(base)).arg(index);
}

// Captions typed by the user must not turn into access keys on buttons and frame titles.
QString literal(const std::string& caption) {
    return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* label(QWidget* parent, const QString& objectName, const QRect& place, const QFont& font,
              Qt::Alignment align = Qt::AlignCenter, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->setGeometry(place);
    l->setFont(font);
    l->setAlignment(align);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// The three places of the indicators below the point panel: new balls; deuce or break point;
// set or match point.
constexpr std::array<QRect, 3> IndicatorSlots{QRect(6, 480, 88, 20), QRect(98, 480, 88, 20),
                                              QRect(190, 480, 96, 20)};
constexpr int IndicatorBandEnd = 288;  // the scroll bar starts after it

// The scoreboard's rows: side A's, side B's, and where what is under them starts. A row is as
// high as its score labels.
constexpr int SideRowY = 40;
constexpr int SideRowStep = 38;
constexpr int SideRowHeight = 34;
constexpr int NameWidth = 166;
// The scoreboard's columns: points, games, and the five sets.
constexpr int PointsX = 192;
constexpr int PointsWidth = 52;
constexpr int GamesX = 250;
constexpr int SetWidth = 44;
constexpr int SetStep = 48;
constexpr int FirstSetX = 304;
constexpr int UnderScoreboardY = 118;
// In doubles a side's two names take a line each, high enough for the names' nominal type.
constexpr int NameLineHeight = 26;
// How far each side's second line moves down what is below it.
constexpr int DoublesRowGrowth = 2 * NameLineHeight - SideRowHeight;
// The names' type: nominal, and in doubles the smallest a long name may shrink to.
constexpr double NameSize = 15.75;
constexpr double SmallestNameSize = 8.25;
constexpr double NameSizeStep = 0.75;

// Long enough to read a short sentence, short enough not to hide where the user stands.
constexpr int NoticeTime = 3000;  // ms

// The charting key of a control, kept for its tooltip.
constexpr const char* kKeyHint = "courtlogKey";

// The whole caption of a label that may show less of it.
constexpr const char* kWhole = "courtlogWhole";

// "Tasto: S" for a control charted by a key; nothing for the others.
QString keyHint(const QWidget* w) {
    const QString key = w->property(kKeyHint).toString();
    return key.isEmpty()
               ? QString()
               : QCoreApplication::translate("courtlog::ui::MainWindow", "Tasto: %1").arg(key);
}

// A tooltip that says first what a cut caption holds whole, then the control's key.
QString tipFor(const QString& whole, bool cut, const QString& hint) {
    if (!cut) {
        return hint;
    }
    return hint.isEmpty() ? whole : whole + QLatin1Char('\n') + hint;
}

// Shows a caption of the program's own as the control's width allows: a longer one, as
// another language may have, is cut with "…" and shown whole in the tooltip, never drawn over
// its neighbours. Assistive clients get it whole.
void fit(QWidget* w, const QString& text) {
    QString shown = text;
    const QFontMetrics metrics(w->font());
    const auto cut = [&](int room) {
        if (metrics.horizontalAdvance(text) > room) {
            shown = metrics.elidedText(text, Qt::ElideRight, std::max(room, 0));
        }
    };
    if (auto* l = qobject_cast<QLabel*>(w)) {
        cut(l->contentsRect().width() - std::max(l->indent(), 0) - 1);
        l->setText(shown);
        l->setAccessibleName(shown == text ? QString() : text);
    } else if (auto* colour = qobject_cast<ColourButton*>(w)) {
        // It breaks its caption over lines; only what no line can hold is cut.
        showFitted(colour, text);
        shown = colour->text();
        colour->setAccessibleName(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // The room is what the button's own parts (a radio's circle, a frame) leave. Its size
        // hint says whether the caption fits, so one that does is measured no further.
        button->setText(text);
        const int over = button->sizeHint().width() - button->width();
        if (over > 0) {
            cut(metrics.horizontalAdvance(text) - over);
            button->setText(shown);
        }
        button->setAccessibleName(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        cut(box->width() - 16);
        box->setTitle(shown);
        box->setAccessibleName(text);
    }
    w->setToolTip(tipFor(text, shown != text, keyHint(w)));
}

QString renameTip() {
    return QCoreApplication::translate("courtlog::ui::MainWindow", "Clic per cambiare il nome");
}

// What each label of the scoreboard and of the statistics is, for assistive clients; pairs are
// named with the player, "Punteggio Giocatore A".
QString accessibleNameOf(const NamedField& f) {
    static const std::map<std::string_view, const char*> names{
        {"Serve", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Al servizio")},
        {"Punteggio", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Punteggio")},
        {"Games", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Games")},
        {"PuntiVinti", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Punti vinti")},
        {"BreakFatti", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Break fatti")},
        {"BreakAvuti", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Palle break avute")},
        {"Aces", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Ace")},
        {"DoppiFalli", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Doppi falli")},
        {"PercentualePrimePalle",
         QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Prime palle in campo")},
        {"PercentualeConPrimaPalla",
         QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Punti vinti con la prima")},
        {"PercentualeConSecondaPalla",
         QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Punti vinti con la seconda")},
        {"ColpiVincenti", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Colpi vincenti")},
        {"ErroriGratuiti", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Errori gratuiti")},
        {"PuntiDalSet", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Punti dal set")},
        {"PuntiDalMatch", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Punti dal match")},
        {"Parziale", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Parziale")},
        {"SetPoint", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Set point")},
        {"MatchPoint", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Match point")},
        {"PalleNuove", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Palle nuove")},
        {"Parità", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Parità")},
        {"BreakPoint", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Break point")},
        {"Posizione", QT_TRANSLATE_NOOP("courtlog::ui::MainWindow", "Dove si è nella partita")},
    };
    QString what;
    if (const auto it = names.find(f.name); it != names.end()) {
        what = QCoreApplication::translate("courtlog::ui::MainWindow", it->second);
    } else if (f.name.starts_with("TieBreak")) {
        what = QCoreApplication::translate("courtlog::ui::MainWindow", "Tie-break %1")
                   .arg(QString::fromUtf8(f.name.substr(8)));
    } else if (f.name.starts_with("Set")) {
        what = QCoreApplication::translate("courtlog::ui::MainWindow", "Set %1")
                   .arg(QString::fromUtf8(f.name.substr(3)));
    } else {
        return {};  // not a value: a name, a frame or a button
    }
    return f.index < 0 ? what
                       : QCoreApplication::translate("courtlog::ui::MainWindow", "%1 Giocatore %2")
                             .arg(what, QChar(u'A' + f.index));
}

// The text as the width allows, cut with "…" when it does not fit.
QString fitted(const QString& text, const QFont& font, int width) {
    return QFontMetrics(font).elidedText(text, Qt::ElideRight, std::max(width, 0));
}

ClickableLabel* clickableLabel(QWidget* parent, const QString& objectName, const QRect& place,
                               const QFont& font) {
    auto* l = new ClickableLabel(parent);
    l->setObjectName(objectName);
    l->setGeometry(place);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setIndent(4);
    l->setTextFormat(Qt::PlainText);
    l->setToolTip(renameTip());
    return l;
}

QGroupBox* frame(QWidget* parent, const QString& objectName, const QRect& place,
                 const QColor& back) {
    auto* f = new QGroupBox(parent);
    f->setObjectName(objectName);
    f->setGeometry(place);
    setBack(f, back);
    return f;
}

}  // namespace

// The real window's player. Its window is made when the first video opens: each starts a
// player, and showing one takes OpenGL.
class MainWindow::Player : public Video {
public:
    Player(MainWindow& owner, Settings& settings) : owner_(owner), settings_(settings) {}

    std::string openVideo(const std::string& path) override {
        if (window_ == nullptr) {
            window_ = new VideoWindow(settings_, &owner_);
            window_->setObjectName(QStringLiteral("Video"));
            // Made active by a click, it takes the menus' keys as the main window does.
            window_->addActions(owner_.menuBar()->findChildren<QAction*>());
            // Called before opening, which shows it.
            window_->placeBeside(&owner_);
            connect(window_, &VideoWindow::positionChanged, &owner_,
                    [this](qint64 ms) { owner_.videoMoved(ms); });
        }
        return window_->openVideo(path);
    }
    bool videoOpen() override { return window_ != nullptr && window_->videoOpen(); }
    std::int64_t videoPosition() override {
        return window_ != nullptr ? window_->videoPosition() : 0;
    }
    void seekVideo(std::int64_t ms) override {
        if (window_ != nullptr) {
            window_->seekVideo(ms);
        }
    }
    void playVideo(bool play) override {
        if (window_ == nullptr) {
            return;
        }
        // A closed window draws no frames: playing shows it again, beside the main one.
        if (play && window_->isHidden() && window_->videoOpen()) {
            window_->show();
        }
        window_->playVideo(play);
    }
    bool videoPlaying() override { return window_ != nullptr && window_->videoPlaying(); }
    void setVideoRate(double rate) override {
        if (window_ != nullptr) {
            window_->setVideoRate(rate);
        }
    }
    void stepVideoFrame(int direction) override {
        if (window_ != nullptr) {
            window_->stepVideoFrame(direction);
        }
    }
    void showOverVideo(const std::vector<std::string>& lines) override {
        if (window_ != nullptr) {
            window_->showOverVideo(lines);
        }
    }

private:
    MainWindow& owner_;
    Settings& settings_;
    VideoWindow* window_ = nullptr;
};

MainWindow::MainWindow() : MainWindow(std::make_unique<QtPlatform>(this), nullptr) {}

MainWindow::MainWindow(Platform& platform) : MainWindow(nullptr, &platform) {}

MainWindow::MainWindow(std::unique_ptr<Platform> own, Platform* injected)
    : ownPlatform_(std::move(own)),
      player_(injected ? nullptr : std::make_unique<Player>(*this, *ownPlatform_)),
      platform_(
          injected ? *injected : *ownPlatform_, [this] { refresh(); }, player_.get()),
      form_(platform_) {
    installAccessibility();
    // Keys reach the focused control before the window's shortcuts see them.
    QApplication::instance()->installEventFilter(this);
    // The notice band, when shown, over the drawn area, which it moves down unchanged; the
    // two are one picture, centred on the area's own colour whatever the window's shape.
    auto* client = new QWidget(this);
    setBack(client, DarkGreen);
    picture_ = new QWidget(client);
    picture_->setObjectName(QStringLiteral("Picture"));
    scaler_ = std::make_unique<Scaler>(picture_);
    auto* area = new QWidget(picture_);
    area_ = area;
    area->setObjectName(QStringLiteral("MainForm"));
    area->setGeometry(0, 0, ClientWidth, ClientHeight + HeadingHeight);
    setBack(area, DarkGreen);
    buildNoticeBand(picture_);
    setCentralWidget(client);

    buildTopBand(area);
    buildScoreboard(area);
    buildPointPanel(area);
    buildStatistics(area);
    buildBottomBand(area);
    buildMenus();
    bindFields();
    buildKeys();
    for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        drawnPlaces_.emplace_back(w, w->geometry());
    }
    // The window's own grounds, with the text drawn on them; the labels' are the form's.
    QList<QWidget*> grounds = client->findChildren<QWidget*>();
    grounds.push_back(client);
    for (QWidget* w : grounds) {
        const bool field =
            std::ranges::any_of(fieldViews_, [w](const FieldView& v) { return v.widget == w; });
        if (w->autoFillBackground() && !field) {
            painted_.emplace_back(w, Colours{fromQColor(w->palette().windowText().color()),
                                             fromQColor(w->palette().window().color())});
        }
    }
    // Enter presses the command button that has the focus, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }

    scaler_->adopt();
    styleForScale();
    storeTimer_ = new QTimer(this);
    storeTimer_->setSingleShot(true);
    storeTimer_->setInterval(StoreDelay);
    connect(storeTimer_, &QTimer::timeout, this, &MainWindow::storePlace);

    form_.Form_Load();
    refresh();
    restorePlace();
}

double MainWindow::scale() const {
    return scaler_->scale();
}

QSize MainWindow::drawnSize() const {
    const int band = noticeBand_->isHidden() ? 0 : scaler_->placeOf(noticeBand_).height();
    return {ClientWidth, band + ClientHeight + HeadingHeight + lowered_};
}

void MainWindow::reshape() {
    const QSize drawn = drawnSize();
    scaler_->place(area_, QRect(0, drawn.height() - ClientHeight - HeadingHeight - lowered_,
                                ClientWidth, ClientHeight + HeadingHeight + lowered_));
    if (drawn == shownSize_) {
        return;
    }
    shownSize_ = drawn;
    // Never smaller than drawn, where the smallest type is still read.
    centralWidget()->setMinimumSize(drawn);
    // At once, so that a smaller window is not held to the larger minimum.
    layout()->activate();
    const double s = scaler_->scale();
    const QSize client(static_cast<int>(std::lround(drawn.width() * s)),
                       static_cast<int>(std::lround(drawn.height() * s)));
    const QSize window(client.width(), client.height() + menuBar()->sizeHint().height());
    if (size() != window) {
        resize(window);
    }
    fitPicture();
}

void MainWindow::fitPicture() {
    // Laid out when shown: until then the client area has no size of its own.
    if (!isVisible()) {
        return;
    }
    const QSize drawn = drawnSize();
    const QSize room = centralWidget()->size();
    double s = std::min(static_cast<double>(room.width()) / drawn.width(),
                        static_cast<double>(room.height()) / drawn.height());
    // A zoom's own size shows that zoom, though its pixels were rounded.
    for (const int z : Zooms) {
        if (std::abs(s - z / 100.0) * std::max(drawn.width(), drawn.height()) < 1) {
            s = z / 100.0;
        }
    }
    // Only a screen smaller than the drawn window makes it smaller, and never unreadably.
    s = std::max(s, 0.5);
    if (s != scaler_->scale()) {
        scaler_->apply(s);
        styleForScale();
        // A caption is cut by what the type at this scale measures.
        if (shownLanguage_ >= 0) {
            retranslate();
        }
    }
    const QSize shown(static_cast<int>(std::lround(drawn.width() * s)),
                      static_cast<int>(std::lround(drawn.height() * s)));
    picture_->setGeometry(QRect(
        QPoint((room.width() - shown.width()) / 2, (room.height() - shown.height()) / 2), shown));
    for (const auto& [item, zoom] : zoomItems_) {
        item->setChecked(zoom == s);
    }
}

void MainWindow::zoomTo(double zoom) {
    const QSize drawn = drawnSize();
    QSize window(
        static_cast<int>(std::lround(drawn.width() * zoom)),
        static_cast<int>(std::lround(drawn.height() * zoom)) + menuBar()->sizeHint().height());
    // Within the screen, frame included.
    if (const QScreen* screen = this->screen()) {
        window = window.boundedTo(screen->availableGeometry().size() -
                                  (frameGeometry().size() - geometry().size()));
    }
    resize(window);
    fitPicture();
    if (isVisible()) {
        storePlace();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible()) {
        storeTimer_->start();
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible()) {
        storeTimer_->start();
    }
}

void MainWindow::storePlace() {
    storeTimer_->stop();
    const QRect r = geometry();
    platform_.saveSetting(kAppTitle, kOptionsSection, kWindowPlaceKey,
                          QStringLiteral("%1,%2,%3,%4")
                              .arg(r.x())
                              .arg(r.y())
                              .arg(r.width())
                              .arg(r.height())
                              .toStdString());
    platform_.saveSetting(kAppTitle, kOptionsSection, kZoomKey,
                          std::to_string(std::lround(scaler_->scale() * 100)));
}

void MainWindow::restorePlace() {
    const auto setting = [this](const char* key) {
        return QString::fromStdString(
            platform_.getSetting(kAppTitle, kOptionsSection, key).value_or(std::string()));
    };
    bool read = false;
    const int zoom = setting(kZoomKey).toInt(&read);
    if (read && zoom > 100 && zoom <= 400) {
        zoomTo(zoom / 100.0);
    }
    const QStringList place = setting(kWindowPlaceKey).split(QLatin1Char(','));
    std::array<int, 4> v{};
    bool whole = place.size() == static_cast<qsizetype>(v.size());
    for (std::size_t i = 0; whole && i < v.size(); ++i) {
        v[i] = place[static_cast<qsizetype>(i)].toInt(&whole);
    }
    if (!whole) {
        return;
    }
    // On the screen it was on if that is still there, else on the main one, and within it.
    QRect r(v[0], v[1], v[2], v[3]);
    const QScreen* screen = QGuiApplication::screenAt(r.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect free = screen->availableGeometry();
        r.setSize(r.size().boundedTo(free.size()).expandedTo(minimumSizeHint()));
        r.moveLeft(
            std::clamp(r.left(), free.left(), std::max(free.left(), free.right() + 1 - r.width())));
        r.moveTop(
            std::clamp(r.top(), free.top(), std::max(free.top(), free.bottom() + 1 - r.height())));
    }
    setGeometry(r);
    fitPicture();
}

void MainWindow::styleForScale() {
    // A flat face in the window's light green; the style would otherwise draw a gradient. A
    // style sheet's border replaces the style's focus frame, so the focus draws its own: a
    // thicker border in the highlight colour, the text kept where it was.
    const int border = std::max(1, scaler_->scaled(1));
    const int focus = std::max(border + 1, scaler_->scaled(2));
    const int padding = scaler_->scaled(4);
    turno_->setStyleSheet(QStringLiteral("QComboBox#Turno { background: %1; border: %2px solid "
                                         "#6f8f6f; border-radius: %3px; padding-left: %4px; }"
                                         "QComboBox#Turno:focus { border: %5px solid "
                                         "palette(highlight); padding-left: %6px; }"
                                         "QComboBox#Turno QAbstractItemView { background: %1; }")
                              .arg(LightGreen.name())
                              .arg(border)
                              .arg(scaler_->scaled(2))
                              .arg(padding)
                              .arg(focus)
                              .arg(padding - (focus - border)));
    // The options' circles and the gap after them are the style's, in pixels: they grow with
    // the scale too. As drawn, the style's own.
    QString options;
    if (scaler_->scale() != 1) {
        const int circle =
            scaler_->scaled(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth));
        options =
            QStringLiteral(
                "QRadioButton { spacing: %1px; } QRadioButton::indicator { "
                "width: %2px; height: %2px; }")
                .arg(scaler_->scaled(style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing)))
                .arg(circle);
    }
    area_->setStyleSheet(options);
}

void MainWindow::onLanguage(std::function<void()> set) {
    texts_.push_back(std::move(set));
}

void MainWindow::translated(QWidget* control, const char* text) {
    onLanguage([control, text] { fit(control, tr(text)); });
}

QAction* MainWindow::choiceItem(QMenu* menu, const QString& name, const MenuCheck* check,
                                std::function<void()> handler) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(name);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, item, check, handler = std::move(handler)] {
        // The form decides the mark: undo Qt's toggle and let the refresh show its answer.
        const QSignalBlocker block(item);
        item->setChecked(check->checked());
        forward(handler);
    });
    checkViews_.push_back({check, item});
    return item;
}

template <class Parent>
QMenu* MainWindow::subMenu(Parent* parent, const char* title) {
    QMenu* menu = parent->addMenu(QString());
    onLanguage([menu, title] { menu->setTitle(tr(title)); });
    return menu;
}

void MainWindow::useLanguageForRun(int index) {
    form_.useLanguageForRun(index);
    refresh();
}

void MainWindow::changeEvent(QEvent* event) {
    // Also when the language is changed by someone else than the window's own menu.
    if (event->type() == QEvent::LanguageChange && shownLanguage_ >= 0) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    for (const auto& set : texts_) {
        set();
    }
    for (const FieldView& view : fieldViews_) {
        showField(view);
        view.field->clearDirty();
    }
    showPosition();
    showFirstServerNames();
    showServingItems();
    showEditItems();
    showPositionLine();
    showNoticeBand();
    showWinner();
    showTitle();
    layIndicators();
}

void MainWindow::showTitle() {
    // "[*]" is where Qt shows "*" while the match is unsaved; one in the file's own name is
    // doubled, which Qt shows as it is.
    const QString caption = say(form_.view().caption);
    const std::string& file = form_.view().currentFile;
    const QString title = file.empty()
                              ? caption + QStringLiteral("[*]")
                              : QString::fromStdString(fileTitleOf(file))
                                        .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
                                    QStringLiteral("[*] - ") + caption;
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    setWindowModified(!form_.session().saved());
}

void MainWindow::showEditItems() {
    const QString undo = say(form_.view().undoCaption);
    const QString redo = say(form_.view().redoCaption);
    if (editUndo_->text() != undo) {
        editUndo_->setText(undo);
    }
    if (editRedo_->text() != redo) {
        editRedo_->setText(redo);
    }
    editUndo_->setEnabled(form_.view().canUndo);
    editRedo_->setEnabled(form_.view().canRedo);
    gameDelete_->setEnabled(form_.view().canDelete);
}

void MainWindow::showPositionLine() {
    const QString text = say(notice_ ? *notice_ : form_.view().board.Posizione.text());
    // The line is sized for where the user stands; a longer text, as a notice or another
    // language may have, takes smaller type, and is cut only below the smallest.
    QFont f = comicSans(9.75);
    const int room = position_->contentsRect().width() - 4;
    const auto widthIn = [&] { return QFontMetrics(scaler_->scaled(f)).horizontalAdvance(text); };
    int width = widthIn();
    while (width > room && f.pointSizeF() > 6) {
        f.setPointSizeF(f.pointSizeF() - 0.5);
        width = widthIn();
    }
    const QString shown =
        width > room ? QFontMetrics(scaler_->scaled(f)).elidedText(text, Qt::ElideRight, room)
                     : text;
    scaler_->setFont(position_, f);
    position_->setText(shown);
    position_->setToolTip(shown == text ? QString() : text);
}

void MainWindow::endNotice() {
    noticeTimer_->stop();
    if (notice_) {
        notice_.reset();
        showPositionLine();
    }
}

void MainWindow::showFirstServerNames() {
    for (std::size_t i = 0; i < firstServer_.size(); ++i) {
        const QString caption =
            say(form_.session().players()[i]).replace(QLatin1Char('&'), QLatin1String("&&"));
        if (firstServer_[i] != nullptr && firstServer_[i]->text() != caption) {
            firstServer_[i]->setText(caption);
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == centralWidget()) {
        fitPicture();
    }
    // A control that takes typed letters keeps them, charting keys included: the round list
    // chooses "Semifinale" by S, the menu bar taken with Alt opens a menu by its letter, an open
    // menu or list chooses by its letters. (Text fields keep theirs by themselves.)
    // Delete stays there too: in a list it reads as clearing the choice, not as taking a point
    // out of the match. Keys with Ctrl or Alt, and other keys without text such as Esc, still
    // go to the shortcuts.
    if (event->type() == QEvent::ShortcutOverride && takesLetters(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain =
            (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
        const bool typed = !key->text().isEmpty() && key->text().front().isPrint();
        if (plain && (typed || key->key() == Qt::Key_Delete)) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::takesLetters(QObject* object) const {
    auto* w = qobject_cast<QWidget*>(object);
    if (w == nullptr) {
        return false;
    }
    // The keys reach every window of the program, and a popup is one.
    const QWidget* popup = QApplication::activePopupWidget();
    return (popup != nullptr && w->window() == popup) ||
           (w->window() == this &&
            (qobject_cast<QComboBox*>(w) != nullptr || qobject_cast<QMenuBar*>(w) != nullptr));
}

void MainWindow::start(const std::string& commandLine) {
    forward([this, &commandLine] { form_.Form_Activate(commandLine); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The options are stored if asked and an unsaved match is offered for saving; only a save
    // that failed keeps the window open, with the match.
    storePlace();
    bool close = true;
    forward([this, &close] { close = form_.Form_Unload(); });
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildNoticeBand(QWidget* client) {
    noticeBand_ = new QFrame(client);
    noticeBand_->setObjectName(QStringLiteral("Avviso"));
    setBack(noticeBand_, LightYellow);
    noticeText_ = new QLabel(noticeBand_);
    noticeText_->setObjectName(QStringLiteral("AvvisoTesto"));
    noticeText_->setTextFormat(Qt::PlainText);
    noticeText_->setWordWrap(true);
    noticeText_->setFont(comicSans(8.25));
    noticeClose_ = new QToolButton(noticeBand_);
    noticeClose_->setObjectName(QStringLiteral("AvvisoChiudi"));
    noticeClose_->setText(QStringLiteral("×"));
    noticeClose_->setAutoRaise(true);
    onLanguage([this] {
        noticeClose_->setAccessibleName(tr("Chiudi l'avviso"));
        noticeClose_->setToolTip(tr("Chiudi l'avviso"));
    });
    connect(noticeClose_, &QToolButton::clicked, this,
            [this] { forward([this] { form_.Avviso_Close(); }); });
    noticeAction_ = new QPushButton(noticeBand_);
    noticeAction_->setObjectName(QStringLiteral("AvvisoAzione"));
    noticeAction_->setFont(comicSans(8.25));
    connect(noticeAction_, &QPushButton::clicked, this,
            [this] { forward([this] { form_.Avviso_Action(); }); });
    noticeBand_->hide();
}

void MainWindow::showNoticeBand() {
    const Notice& notice = form_.view().Avviso;
    if (notice.text().empty()) {
        noticeBand_->hide();
        reshape();
        return;
    }
    constexpr int Margin = 4;
    constexpr int Button = 22;
    const QString text = say(notice.text());
    const QString action = notice.action().empty() ? QString() : say(notice.action());
    // Laid out at 100%, from what the type at the scale measures.
    const double s = scaler_->scale();
    const auto at100 = [s](int pixels) { return static_cast<int>(std::ceil(pixels / s)); };
    noticeAction_->setText(action);
    noticeAction_->setVisible(!action.isEmpty());
    const int actionWidth =
        action.isEmpty() ? 0 : at100(noticeAction_->sizeHint().width()) + Margin;
    const int width =
        ClientWidth - 2 * Margin - (notice.closable() ? Button + Margin : 0) - actionWidth;
    noticeText_->setText(text);
    scaler_->place(noticeText_, QRect(Margin, Margin, width, Button));
    const int height = std::max(at100(noticeText_->heightForWidth(noticeText_->width())), Button);
    scaler_->place(noticeText_, QRect(Margin, Margin, width, height));
    scaler_->place(noticeAction_,
                   QRect(Margin + width + Margin, Margin, actionWidth - Margin, Button));
    scaler_->place(noticeClose_, QRect(ClientWidth - Margin - Button, Margin, Button, Button));
    noticeClose_->setVisible(notice.closable());
    noticeBand_->setAccessibleName(text);
    scaler_->place(noticeBand_, QRect(0, 0, ClientWidth, height + 2 * Margin));
    const bool appears = noticeBand_->isHidden();
    noticeBand_->show();
    reshape();
    // Read out at once, as a screen reader reads an alert.
    if (appears || notice.dirty()) {
        QAccessibleEvent alert(noticeBand_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void MainWindow::buildTopBand(QWidget* area) {
    const QFont big = comicSans(15.75);
    QLabel* torneo = label(area, QStringLiteral("Label1_10"), QRect(6, 4, 80, 30), big,
                           Qt::AlignLeft | Qt::AlignVCenter);
    torneo->setIndent(4);
    translated(torneo, QT_TR_NOOP("Torneo:"));
    setBack(torneo, LightGreen);

    auto* nomeTorneo =
        clickableLabel(area, QStringLiteral("NomeTorneo"), QRect(86, 4, 268, 30), big);
    connect(nomeTorneo, &ClickableLabel::clicked, this,
            [this] { forward([this] { form_.NomeTorneo_Click(); }); });

    turno_ = new QComboBox(area);
    turno_->setObjectName(QStringLiteral("Turno"));
    turno_->setEditable(false);
    // Reached by Tab only: a round picked with the mouse, or the wheel turned over the list,
    // leaves the keys where they were, so the next charting key charts instead of choosing a
    // round by its letter.
    turno_->setFocusPolicy(Qt::TabFocus);
    turno_->setGeometry(360, 4, 180, 30);
    turno_->setFont(comicSans(14.25));
    // Its place is fixed whatever the rounds are called; a longer name is cut when shown.
    turno_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    turno_->setMinimumContentsLength(8);
    for (std::size_t i = 0; i < kRounds.size(); ++i) {
        turno_->addItem(QString());
    }
    onLanguage([this] {
        for (int i = 0; i < turno_->count(); ++i) {
            turno_->setItemText(i, say(roundName(i)));
        }
        turno_->setAccessibleName(tr("Turno"));
    });
    // activated comes only from the user, never from a program-made setCurrentIndex.
    connect(turno_, &QComboBox::activated, this,
            [this](int index) { forward([this, index] { form_.Turno_Click(index); }); });
}

void MainWindow::buildScoreboard(QWidget* area) {
    const QFont nameFont = comicSans(15.75);
    const QFont score = timesNewRoman(20.25);
    const QFont tieBreak = timesNewRoman(9.75);

    // The heading row names the columns, in the point panel's small type.
    const auto heading = [area](const QString& column, int x, int width) {
        QLabel* l = label(area, QStringLiteral("Intestazione_") + column,
                          QRect(x, HeadingY, width, HeadingHeight), comicSans(8.25));
        paint(l, {colours::LightYellow, colours::DarkGreen});
        return l;
    };
    translated(heading(QStringLiteral("Punti"), PointsX, PointsWidth), QT_TR_NOOP("Punti"));
    translated(heading(QStringLiteral("Game"), GamesX, SetWidth), QT_TR_NOOP("Game"));
    for (int set = 1; set <= 5; ++set) {
        heading(QString::number(set), FirstSetX + (set - 1) * SetStep, SetWidth)
            ->setText(QString::number(set));
    }

    for (int i = 0; i < 2; ++i) {
        const int y = SideRowY + i * SideRowStep;
        auto* player = clickableLabel(area, name("NomeGiocatore", i),
                                      QRect(6, y, NameWidth, SideRowHeight), nameFont);
        connect(player, &ClickableLabel::clicked, this,
                [this, i] { forward([this, i] { form_.NomeGiocatore_Click(i); }); });
        // A doubles side's second player, on the line under the first: made here so that Tab
        // reaches it right after the first. Singles has no room for it.
        auto* partner = clickableLabel(area, name("Compagno", i),
                                       QRect(QPoint(6, y + NameLineHeight), QSize()), nameFont);
        partner->hide();
        connect(partner, &ClickableLabel::clicked, this,
                [this, i] { forward([this, i] { form_.Compagno_Click(i); }); });

        QLabel* serve = label(area, name("Serve", i), QRect(177, y + 11, 11, 12), QFont());
        onLanguage([serve] { serve->setToolTip(tr("Turno di servizio")); });

        label(area, name("Punteggio", i), QRect(PointsX, y, PointsWidth, 34), score);
        label(area, name("Games", i), QRect(GamesX, y, SetWidth, 34), score);
        for (int set = 1; set <= 5; ++set) {
            const int x = FirstSetX + (set - 1) * SetStep;
            label(area, name(("Set" + std::to_string(set)).c_str(), i), QRect(x, y, SetWidth, 34),
                  score);
        }
        // Made after the set labels so that each lies on top of its set's corner.
        for (int set = 1; set <= 5; ++set) {
            const int x = FirstSetX + (set - 1) * SetStep;
            label(area, name(("TieBreak" + std::to_string(set)).c_str(), i),
                  QRect(x + SetWidth - 16, y + 1, 15, 14), tieBreak);
        }
    }
    // Each column says what it counts, to the mouse and to an assistive client, which still
    // reads each box by its own name.
    onLanguage([area] {
        for (int i = 0; i < 2; ++i) {
            std::vector<std::pair<QString, QString>> columns{{name("Punteggio", i), tr("Punti")},
                                                             {name("Games", i), tr("Game")}};
            for (int set = 1; set <= 5; ++set) {
                const QString column = tr("Set %1").arg(set);
                columns.emplace_back(name(("Set" + std::to_string(set)).c_str(), i), column);
                columns.emplace_back(name(("TieBreak" + std::to_string(set)).c_str(), i), column);
            }
            for (const auto& [control, column] : columns) {
                auto* l = area->findChild<QLabel*>(control);
                l->setToolTip(column);
                l->setAccessibleDescription(column);
            }
        }
    });
}

QButtonGroup* MainWindow::optionGroup(Panel panel, QWidget* frame, const char* base,
                                      const std::vector<QRect>& places, const QFont& font) {
    auto* group = new QButtonGroup(frame);
    group->setExclusive(true);
    const auto captions = captionsOf(panel);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(name(base, static_cast<int>(i)));
        option->setGeometry(places[i]);
        option->setFont(font);
        onLanguage([option, caption = captions[i]] { fit(option, say(caption)); });
        group->addButton(option, static_cast<int>(i));
    }
    // Whatever checks an option (a click, an arrow key, Space, an assistive client's toggle)
    // tells the form. The form's own selections are shown with the group's signals blocked,
    // so they never come back to it.
    connect(group, &QButtonGroup::idToggled, this, [this, panel, group](int id, bool checked) {
        if (checked) {
            forward([this, panel, id] { form_.SelectOption(panel, id); });
            // The screen shows the form's selection even where the form kept its own.
            showGroup({&form_.view().panel(panel), group});
        }
    });
    groupViews_.push_back({&form_.view().panel(panel), group});
    return group;
}

void MainWindow::buildPointPanel(QWidget* area) {
    const QFont small = comicSans(8.25);
    QGroupBox* panel =
        frame(area, QStringLiteral("FrameButtons_0"), QRect(6, 118, 314, 358), LightGreen);
    translated(panel, QT_TR_NOOP("Punti giocati"));

    QGroupBox* servizio =
        frame(panel, QStringLiteral("FrameServizio_0"), QRect(6, 20, 302, 72), LightOrange);
    translated(servizio, QT_TR_NOOP("Servizio"));
    optionGroup(Panel::Servizio, servizio, "Servizio",
                {QRect(8, 20, 100, 20), QRect(8, 44, 100, 20)}, small);
    for (int i = 1; i <= 3; ++i) {
        auto* button = new ColourButton(QString(), LightOrange, servizio);
        button->setObjectName(name("AceDoppioFallo", i));
        button->setGeometry(122 + (i - 1) * 59, 18, 56, 46);
        button->setFont(small);
        onLanguage([button, i] { fit(button, say(kAceDoppioFalloCaptions[i])); });
        connect(button, &QPushButton::clicked, this,
                [this, i] { forward([this, i] { form_.AceDoppioFallo_Click(i); }); });
    }

    QGroupBox* dirittoRovescio =
        frame(panel, QStringLiteral("FrameDirittoRovescio_0"), QRect(6, 96, 302, 42), LightOrange);
    translated(dirittoRovescio, QT_TR_NOOP("Diritto / Rovescio"));
    optionGroup(Panel::DirittoRovescio, dirittoRovescio, "DirittoRovescio",
                {QRect(8, 18, 60, 20), QRect(100, 18, 90, 20), QRect(204, 18, 92, 20)}, small);

    QGroupBox* colpo =
        frame(panel, QStringLiteral("FrameColpo_0"), QRect(6, 142, 302, 64), LightOrange);
    translated(colpo, QT_TR_NOOP("Colpo"));
    const std::array<int, 4> colX{6, 55, 135, 233};
    const std::array<int, 4> colW{48, 79, 97, 64};
    std::vector<QRect> colpoPlaces;
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 4; ++col) {
            colpoPlaces.emplace_back(colX[col], 18 + row * 22, colW[col], 20);
        }
    }
    optionGroup(Panel::Colpo, colpo, "Colpo", colpoPlaces, small);

    QGroupBox* erroreVincente =
        frame(panel, QStringLiteral("FrameErroreVincente_0"), QRect(6, 210, 302, 64), LightOrange);
    translated(erroreVincente, QT_TR_NOOP("Errore / Vincente"));
    optionGroup(Panel::ErroreVincente, erroreVincente, "ErroreVincente",
                {QRect(8, 18, 56, 20), QRect(66, 18, 84, 20), QRect(158, 18, 136, 20),
                 QRect(8, 40, 136, 20), QRect(158, 40, 136, 20)},
                QFont());

    QGroupBox* punto =
        frame(panel, QStringLiteral("FramePunto"), QRect(6, 278, 302, 50), LightOrange);
    translated(punto, QT_TR_NOOP("Punto"));
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(punto);
        button->setObjectName(name("PuntoGiocatore", i));
        button->setGeometry(8 + i * 147, 18, 139, 26);
        connect(button, &QPushButton::clicked, this,
                [this, i] { forward([this, i] { form_.PuntoGiocatore_Click(i); }); });
    }

    label(panel, name("Parziale", 0), QRect(62, 334, 50, 18), small);
    QLabel* title = label(panel, QStringLiteral("Label1_17"), QRect(116, 334, 82, 18), small);
    translated(title, QT_TR_NOOP("Parziale"));
    setBack(title, LightOrange);
    label(panel, name("Parziale", 1), QRect(202, 334, 50, 18), small);
}

void MainWindow::buildStatistics(QWidget* area) {
    // The control names of each row's caption and of its slash, by player; the rows
    // themselves, with what they show, are the statistics' own.
    struct RowLabels {
        std::array<int, 2> caption;
        std::array<int, 2> slash;
    };
    constexpr std::array<RowLabels, kStatisticsRows.size()> labels{{
        {{0, 1}, {}},
        {{2, 3}, {0, 1}},
        {{6, 7}, {7, 6}},
        {{8, 9}, {}},
        {{18, 19}, {2, 5}},
        {{11, 12}, {}},
        {{13, 14}, {}},
        {{15, 16}, {3, 4}},
    }};
    // The control that shows a label of the form.
    auto controlName = [this](const Field& field) {
        for (const NamedField& named : form_.view().board.fields()) {
            if (named.field == &field) {
                return QString::fromStdString(named.objectName());
            }
        }
        qFatal("A statistics label is not a field of the form");
    };
    const QFont small = comicSans(8.25);
    const QFont slash = comicSans(9.75);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    for (int p = 0; p < 2; ++p) {
        QGroupBox* stats = frame(area, name("FrameStatistiche", p),
                                 QRect(324, 118 + p * 181, 216, 177), LightGreen);
        for (std::size_t r = 0; r < kStatisticsRows.size(); ++r) {
            const StatisticsRow& row = kStatisticsRows[r];
            const int y = 20 + static_cast<int>(r) * 19;
            QLabel* caption = label(stats, name("Label1", labels[r].caption[p]),
                                    QRect(6, y, 98, 16), small, Qt::AlignLeft | Qt::AlignVCenter);
            caption->setIndent(3);
            onLanguage([caption, &row] { fit(caption, tr("%1:").arg(say(row.caption))); });
            setBack(caption, LightOrange);
            label(stats, controlName((form_.view().board.*row.first)[p]), QRect(106, y, 46, 16),
                  small, right)
                ->setIndent(3);
            if (row.second != nullptr) {
                label(stats, name("Label2", labels[r].slash[p]), QRect(152, y - 1, 10, 18), slash,
                      Qt::AlignCenter, QStringLiteral("/"));
                label(stats, controlName((form_.view().board.*row.second)[p]),
                      QRect(162, y, 46, 16), small, right)
                    ->setIndent(3);
            }
        }
    }
}

void MainWindow::buildBottomBand(QWidget* area) {
    const QFont indicator = comicSans(9.75);
    indicators_[0] = {label(area, QStringLiteral("PalleNuove"), IndicatorSlots[0], indicator)};
    // Deuce and break point share a place, as do the four set and match points: at most
    // one of each kind is shown at a time.
    indicators_[1] = {label(area, QStringLiteral("Parità"), IndicatorSlots[1], indicator),
                      label(area, QStringLiteral("BreakPoint"), IndicatorSlots[1], indicator)};
    for (const char* base : {"SetPoint", "MatchPoint"}) {
        for (int i = 0; i < 2; ++i) {
            indicators_[2].push_back(label(area, name(base, i), IndicatorSlots[2], indicator));
        }
    }

    // Once the match is over, across the indicators' places, which are then all empty.
    winner_ = label(area, QStringLiteral("Vincitore"),
                    QRect(IndicatorSlots[0].left(), IndicatorSlots[0].top(),
                          IndicatorBandEnd - IndicatorSlots[0].left(), IndicatorSlots[0].height()),
                    indicator);
    winner_->hide();

    gameScroll_ = new QScrollBar(Qt::Horizontal, area);
    gameScroll_->setObjectName(QStringLiteral("GameScroll"));
    onLanguage([this] { gameScroll_->setAccessibleName(tr("Posizione nella partita")); });
    gameScroll_->setGeometry(292, 481, 248, 18);
    // Dragging the thumb moves nothing until it is released: a replay per step of a drag
    // would only slow the drag down.
    gameScroll_->setTracking(false);
    gameScroll_->setSingleStep(1);
    gameScroll_->setPageStep(10);
    connect(gameScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { forward([this, value] { form_.goTo(value); }); });

    // The bottom row is shared as the columns above it are: the credits under the point
    // panel, in its small type, and where the user stands under the statistics.
    auto* credits = new ClickableLabel(area);
    credits->setObjectName(QStringLiteral("Label3"));
    credits->setTextFormat(Qt::PlainText);
    credits->setAlignment(Qt::AlignCenter);
    credits->setGeometry(6, 505, 314, 18);
    credits->setFont(comicSans(8.25));
    translated(credits, QT_TR_NOOP("© 2026 Gli autori di Courtlog - Informazioni sul programma"));
    setBack(credits, LightYellow);
    connect(credits, &ClickableLabel::clicked, this,
            [this] { forward([this] { form_.HelpInfo_Click(); }); });

    position_ = label(area, QStringLiteral("Posizione"), QRect(324, 505, 216, 18), indicator);
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(NoticeTime);
    connect(noticeTimer_, &QTimer::timeout, this, &MainWindow::endNotice);
}

QAction* MainWindow::menuItem(QMenu* menu, const char* text, const char* objectName,
                              const QKeySequence& shortcut, const MenuCheck* check) {
    QAction* action = menu->addAction(QString());
    onLanguage([action, text] { action->setText(tr(text)); });
    action->setObjectName(QString::fromUtf8(objectName));
    action->setShortcut(shortcut);
    action->setEnabled(false);
    if (check != nullptr) {
        action->setCheckable(true);
        // The form decides the check marks: undo the toggle that Qt makes on a click before
        // any handler runs, and let the refresh show the form's answer.
        connect(action, &QAction::triggered, this, [action, check] {
            const QSignalBlocker block(action);
            action->setChecked(check->checked());
        });
        checkViews_.push_back({check, action});
    }
    return action;
}

void MainWindow::ruleItems(QMenu* parent, RuleMenu where) {
    const auto rows = ruleRows();
    const Menus& menus = form_.view().menus;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RuleRow& row = rows[r];
        if (row.menu != where) {
            continue;
        }
        // A rule of several choices has a submenu of its own; one that is switched on or off,
        // one item.
        QMenu* menu = parent;
        if (row.title.text != nullptr) {
            menu = parent->addMenu(QString());
            menu->setObjectName(QString::fromUtf8(row.menuName.data(),
                                                  static_cast<qsizetype>(row.menuName.size())));
            onLanguage([menu, &row] { menu->setTitle(say(Text(row.title))); });
        }
        for (std::size_t c = 0; c < row.choices.size(); ++c) {
            const RuleChoice& choice = row.choices[c];
            if (choice.caption.text == nullptr) {
                continue;  // the unchecked state of a single item
            }
            QAction* item = choiceItem(
                menu,
                QString::fromUtf8(choice.item.data(), static_cast<qsizetype>(choice.item.size())),
                &menus.rules[r][c],
                [this, key = row.key, c] { form_.chooseRule(key, static_cast<int>(c)); });
            if (row.key == "firstServer") {
                // Captioned with a player's name, and read by what it does.
                onLanguage([item, &choice] { nameMenuItem(item, say(Text(choice.caption))); });
                firstServer_.at(c) = item;
            } else {
                onLanguage([item, &choice] { item->setText(say(Text(choice.caption))); });
            }
        }
    }
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    // Each item runs its handler and then shows what changed.
    auto command = [this](QAction* action, void (MainForm::*handler)()) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, handler] { forward([this, handler] { (form_.*handler)(); }); });
    };
    auto toggle = [this](QAction* action, Switch option) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this,
                [this, option] { forward([this, option] { form_.toggle(option); }); });
    };
    const Menus& menus = form_.view().menus;

    QMenu* file = subMenu(bar, QT_TR_NOOP("&File"));
    file->setObjectName(QStringLiteral("File"));
    command(menuItem(file, QT_TR_NOOP("&Salva"), "FileSave", QKeySequence(Qt::Key_F2)),
            &MainForm::FileSave_Click);
    command(menuItem(file, QT_TR_NOOP("Sa&lva nel file corrente"), "FileSaveCurrent",
                     QKeySequence(Qt::CTRL | Qt::Key_S)),
            &MainForm::FileSaveCurrent_Click);
    command(menuItem(file, QT_TR_NOOP("&Carica"), "FileLoad", QKeySequence(Qt::Key_F3)),
            &MainForm::FileLoad_Click);
    command(menuItem(file, QT_TR_NOOP("Apri &video…"), "FileVideo", QKeySequence(Qt::Key_F4)),
            &MainForm::FileVideo_Click);
    QAction* report = menuItem(file, QT_TR_NOOP("Esporta &rapporto..."), "FileEsporta",
                               QKeySequence(Qt::CTRL | Qt::Key_R));
    report->setEnabled(true);
    connect(report, &QAction::triggered, this, [this] { forward([this] { exportReport(); }); });
    QAction* exit = menuItem(file, QT_TR_NOOP("&Esci"), "FileExit");
    exit->setEnabled(true);
    connect(exit, &QAction::triggered, this, [this] { form_.FileExit_Click(); });

    // Its items are captioned by the form, with what they would take back or make again.
    QMenu* edit = subMenu(bar, QT_TR_NOOP("&Modifica"));
    edit->setObjectName(QStringLiteral("Modifica"));
    editUndo_ = edit->addAction(QString());
    editUndo_->setObjectName(QStringLiteral("EditUndo"));
    editUndo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(editUndo_, &QAction::triggered, this,
            [this] { forward([this] { form_.EditUndo_Click(); }); });
    editRedo_ = edit->addAction(QString());
    editRedo_->setObjectName(QStringLiteral("EditRedo"));
    editRedo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(editRedo_, &QAction::triggered, this,
            [this] { forward([this] { form_.EditRedo_Click(); }); });

    QMenu* game = subMenu(bar, QT_TR_NOOP("&Game"));
    game->setObjectName(QStringLiteral("Game"));
    // The four steps through the history, each a position for the form to go to: the start,
    // one point back, one on, the end.
    auto move = [this](QAction* action, std::function<int(const PointList&)> where) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, where = std::move(where)] {
            forward([this, &where] { form_.goTo(where(form_.session().points())); });
        });
    };
    move(menuItem(game, QT_TR_NOOP("&Inizio"), "GameStart", QKeySequence(Qt::SHIFT | Qt::Key_F7)),
         [](const PointList&) { return 0; });
    move(menuItem(game, QT_TR_NOOP("&Indietro"), "GameUndo", QKeySequence(Qt::Key_F7)),
         [](const PointList& p) { return p.current() - 1; });
    move(menuItem(game, QT_TR_NOOP("&Avanti"), "GameRedo", QKeySequence(Qt::Key_F8)),
         [](const PointList& p) { return p.current() + 1; });
    move(menuItem(game, QT_TR_NOOP("&Fine"), "GameEnd", QKeySequence(Qt::SHIFT | Qt::Key_F8)),
         [](const PointList& p) { return p.count(); });
    gameDelete_ =
        menuItem(game, QT_TR_NOOP("&Elimina il punto"), "GameDelete", QKeySequence(Qt::Key_Delete));
    connect(gameDelete_, &QAction::triggered, this,
            [this] { forward([this] { form_.GameDelete_Click(); }); });
    command(menuItem(game, QT_TR_NOOP("&Clear"), "GameClear"), &MainForm::GameClear_Click);
    ruleItems(game, RuleMenu::Game);
    // Doubles: which player of each side serves its first game of the set shown, each item
    // the four in turn.
    servingMenu_ = subMenu(game, QT_TR_NOOP("Al se&rvizio nel set"));
    servingMenu_->setObjectName(QStringLiteral("AlServizio"));
    for (int k = 0; k < static_cast<int>(servingItems_.size()); ++k) {
        servingItems_[static_cast<std::size_t>(k)] = choiceItem(
            servingMenu_, name("AlServizio", k), &menus.AlServizio[static_cast<std::size_t>(k)],
            [this, k] { form_.AlServizio_Click(k); });
    }
    game->addSeparator();
    QAction* statistics = menuItem(game, QT_TR_NOOP("Statistiche &dettagliate"), "GameStatistiche",
                                   QKeySequence(Qt::Key_F6));
    statistics->setEnabled(true);
    connect(statistics, &QAction::triggered, this, &MainWindow::showStatisticsWindow);

    buildViewMenu(bar);

    QMenu* options = subMenu(bar, QT_TR_NOOP("&Opzioni"));
    options->setObjectName(QStringLiteral("Opzioni"));
    ruleItems(options, RuleMenu::Options);
    toggle(menuItem(options, QT_TR_NOOP("&Registra l'ora dei punti"), "OraDeiPunti", {},
                    &menus.OraDeiPunti),
           Switch::OraDeiPunti);
    command(menuItem(options, QT_TR_NOOP("Anticipo della clip…"), "AnticipoClip"),
            &MainForm::AnticipoClip_Click);
    QMenu* disable = subMenu(options, QT_TR_NOOP("&Disabilita"));
    disable->setObjectName(QStringLiteral("Disabilita"));
    toggle(menuItem(disable, QT_TR_NOOP("&Parziale"), "DisabilitaParziale", {},
                    &menus.DisabilitaParziale),
           Switch::DisabilitaParziale);
    toggle(menuItem(disable, QT_TR_NOOP("P&unti dal match"), "DisabilitaPuntiDalMatch", {},
                    &menus.DisabilitaPuntiDalMatch),
           Switch::DisabilitaPuntiDalMatch);
    QMenu* save = subMenu(options, QT_TR_NOOP("&Salva le opzioni"));
    save->setObjectName(QStringLiteral("SalvaLeOpzioni"));
    command(menuItem(save, QT_TR_NOOP("&Adesso"), "SalvaOpzioni"), &MainForm::SalvaOpzioni_Click);
    toggle(menuItem(save, QT_TR_NOOP("All'&uscita"), "SalvaOpzioniInUscita", {},
                    &menus.SalvaOpzioniInUscita),
           Switch::SalvaOpzioniInUscita);

    // The languages, each named in its own so that anyone finds theirs.
    QMenu* language = subMenu(options, QT_TR_NOOP("&Lingua"));
    language->setObjectName(QStringLiteral("OpzioniLingua"));
    for (int i = 0; i < static_cast<int>(menus.Lingua.size()); ++i) {
        choiceItem(language, name("Lingua", i), &menus.Lingua[static_cast<std::size_t>(i)],
                   [this, i] { form_.Lingua_Click(i); })
            ->setText(i == 0 ? QStringLiteral("Italiano") : QStringLiteral("English"));
    }

    QAction* contrast =
        menuItem(options, QT_TR_NOOP("Alto &contrasto"), "AltoContrasto", {}, &menus.AltoContrasto);
    contrast->setEnabled(true);
    connect(contrast, &QAction::triggered, this,
            [this] { forward([this] { form_.AltoContrasto_Click(); }); });

    // Every item is a key that works whichever window is active, the video's own included.
    QMenu* video = subMenu(bar, QT_TR_NOOP("&Video"));
    video->setObjectName(QStringLiteral("Video"));
    for (const KeyBinding& b : videoKeys()) {
        QAction* item = video->addAction(QString());
        item->setObjectName(controlName(b));
        item->setShortcut(QKeySequence(b.key));
        item->setShortcutContext(Qt::ApplicationShortcut);
        item->setAutoRepeat(b.index == static_cast<int>(VideoKey::FrameBack) ||
                            b.index == static_cast<int>(VideoKey::FrameForward));
        onLanguage([this, item, b] { item->setText(choiceName(b, form_)); });
        const auto key = static_cast<VideoKey>(b.index);
        connect(item, &QAction::triggered, this,
                [this, key] { forward([this, key] { runVideoKey(form_, key); }); });
        videoItems_.push_back({item, needsPlaylist(key) ? &FormView::VideoControls::playlist
                                                        : &FormView::VideoControls::open});
        if (key == VideoKey::FrameForward || key == VideoKey::Fast || key == VideoKey::PointStart) {
            video->addSeparator();
        }
    }
    video->addSeparator();
    QAction* align = menuItem(video, QT_TR_NOOP("Allinea a questo punto"), "VideoAllinea");
    connect(align, &QAction::triggered, this,
            [this] { forward([this] { form_.VideoAlign_Click(); }); });
    videoItems_.push_back({align, &FormView::VideoControls::canAlign});
    QAction* mark = menuItem(video, QT_TR_NOOP("Segna qui il punto"), "VideoSegna");
    connect(mark, &QAction::triggered, this,
            [this] { forward([this] { form_.VideoMark_Click(); }); });
    videoItems_.push_back({mark, &FormView::VideoControls::canMark});

    QMenu* help = bar->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Help"));
    command(menuItem(help, QT_TR_NOOP("&Informazioni su"), "HelpInfo", QKeySequence(Qt::Key_F1)),
            &MainForm::HelpInfo_Click);
    QAction* keys = menuItem(help, QT_TR_NOOP("&Tasti rapidi"), "HelpTasti");
    keys->setEnabled(true);
    connect(keys, &QAction::triggered, this, [this] {
        if (keyMap_ == nullptr) {
            keyMap_ = new KeyMapDialog(form_, this, menuBar()->findChildren<QAction*>());
        }
        showHelper(keyMap_);
    });
}

void MainWindow::buildViewMenu(QMenuBar* bar) {
    QMenu* view = subMenu(bar, QT_TR_NOOP("Visuali&zza"));
    view->setObjectName(QStringLiteral("Visualizza"));
    // A mark only on the zoom the window shows: a size dragged in between marks none.
    auto* zooms = new QActionGroup(view);
    zooms->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const int z : Zooms) {
        QAction* item = view->addAction(QStringLiteral("%1%").arg(z));
        item->setObjectName(QStringLiteral("Zoom%1").arg(z));
        item->setCheckable(true);
        item->setActionGroup(zooms);
        if (z == 100) {
            item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
        }
        connect(item, &QAction::triggered, this, [this, z] { zoomTo(z / 100.0); });
        zoomItems_.emplace_back(item, z / 100.0);
    }
    view->addSeparator();
    // The next zoom up or down from the scale shown, whatever size was dragged.
    const auto step = [this](int direction) {
        const double s = scaler_->scale();
        for (int i = 0; i < static_cast<int>(Zooms.size()); ++i) {
            const int k = direction > 0 ? i : static_cast<int>(Zooms.size()) - 1 - i;
            const double z = Zooms[static_cast<std::size_t>(k)] / 100.0;
            if (direction * (z - s) > 0.001) {
                zoomTo(z);
                return;
            }
        }
    };
    // Ctrl+= too, which is Ctrl++ without Shift on most keyboards.
    QList<QKeySequence> in = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!in.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal))) {
        in << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    }
    QAction* zoomIn = menuItem(view, QT_TR_NOOP("&Ingrandisci"), "ZoomIn");
    zoomIn->setShortcuts(in);
    zoomIn->setEnabled(true);
    connect(zoomIn, &QAction::triggered, this, [step] { step(1); });
    QAction* zoomOut =
        menuItem(view, QT_TR_NOOP("&Riduci"), "ZoomOut", QKeySequence(QKeySequence::ZoomOut));
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    zoomOut->setEnabled(true);
    connect(zoomOut, &QAction::triggered, this, [step] { step(-1); });
}

void MainWindow::videoMoved(std::int64_t ms) {
    // Many times a second while it plays: the window is redrawn only when that changed it.
    const FormView::VideoControls before = form_.view().video;
    form_.videoMoved(ms);
    if (!(form_.view().video == before)) {
        refresh();
    }
}

void MainWindow::exportReport() {
    form_.ExportReport_Click(
        [](const MatchRecord& match) { return htmlReport(summarizeMatch(match)); });
}

void MainWindow::showStatisticsWindow() {
    if (statistics_ == nullptr) {
        statistics_ = new StatisticsWindow(form_, this);
        // Any figure is played as the clips of the points that make it.
        connect(statistics_, &StatisticsWindow::playRequested, this,
                [this](const QList<int>& points, const QString& label) {
                    forward([&] {
                        form_.playPoints(std::vector<int>(points.begin(), points.end()),
                                         Text::verbatim(label.toStdString()));
                    });
                });
    }
    statistics_->showFigures();
    showHelper(statistics_);
}

void MainWindow::showHelper(QWidget* helper) {
    if (helper->actions().isEmpty()) {
        helper->addActions(menuBar()->findChildren<QAction*>());  // the menus' keys work there
    }
    if (!helper->isVisible()) {
        placeBeside(helper, this, helper == keyMap_ ? static_cast<QWidget*>(statistics_) : keyMap_);
    }
    // Brought forward, never made active: the keys stay with the point panel.
    helper->show();
    helper->raise();
}

void MainWindow::buildKeys() {
    for (const KeyGroup& group : keyGroups()) {
        for (const KeyBinding& b : group.keys) {
            if (b.action == KeyAction::Video) {
                continue;  // the Video menu's items are these keys
            }
            auto* shortcut = new QShortcut(QKeySequence(b.key), this);
            // Charting goes on while the video window is the active one.
            shortcut->setContext(Qt::ApplicationShortcut);
            shortcut->setObjectName(QStringLiteral("Tasto_") + keyName(b));
            // Held down, a key would chart a point for every repeat.
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, [this, b] {
                forward([this, b] {
                    switch (b.action) {
                        case KeyAction::Option:
                            form_.SelectOption(b.panel, b.index);
                            break;
                        case KeyAction::Outcome:
                            form_.AceDoppioFallo_Click(b.index);
                            break;
                        case KeyAction::Point:
                            form_.PuntoGiocatore_Click(b.index);
                            break;
                        case KeyAction::Video:
                            break;
                        case KeyAction::Clear:
                            for (Panel p : {Panel::Servizio, Panel::DirittoRovescio, Panel::Colpo,
                                            Panel::ErroreVincente}) {
                                form_.SelectOption(p, 0);
                            }
                            break;
                    }
                });
            });
            // Esc presses no control, and an empty name would find any child at all: its hint
            // is the key window's alone.
            const QString control = controlName(b);
            if (auto* pressed = control.isEmpty() ? nullptr : findChild<QWidget*>(control)) {
                pressed->setProperty(kKeyHint, keyName(b));
                onLanguage([pressed] { pressed->setAccessibleDescription(keyHint(pressed)); });
            }
        }
    }
}

void MainWindow::bindFields() {
    for (const NamedField& named : form_.view().board.fields()) {
        const QString objectName = QString::fromStdString(named.objectName());
        auto* widget = findChild<QWidget*>(objectName);
        if (widget == nullptr) {
            qFatal("The window has no control named %s", qPrintable(objectName));
        }
        Shows kind = Shows::Label;
        if (qobject_cast<ClickableLabel*>(widget) != nullptr) {
            kind = Shows::Name;
        } else if (qobject_cast<QGroupBox*>(widget) != nullptr) {
            kind = Shows::Frame;
        } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            kind = Shows::Button;
        }
        if (auto* shown = qobject_cast<QLabel*>(widget); shown && kind == Shows::Label) {
            // Known as a value before any client asks; named in each language.
            showsValue(shown, QString());
            onLanguage([shown, named] { shown->setAccessibleName(accessibleNameOf(named)); });
        }
        const bool isName = named.name == "NomeGiocatore";
        fieldViews_.push_back({named.field, widget, kind, isName ? 2 * named.index : -1});
    }
    const Board& board = form_.view().board;
    for (int i = 0; i < 2; ++i) {
        fieldViews_.push_back({&board.Compagno[static_cast<std::size_t>(i)],
                               findChild<QWidget*>(name("Compagno", i)), Shows::Name, 2 * i + 1});
    }
}

void MainWindow::forward(const std::function<void()>& handler) {
    handler();
    refresh();
}

void MainWindow::showField(const FieldView& view) {
    const Field& f = *view.field;
    const QString caption = say(f.text());
    QWidget* w = view.widget;
    // Names too long for their place are cut with "…" and shown whole in the tooltip; assistive
    // clients always get them whole.
    QString shown;
    switch (view.kind) {
        case Shows::Label:
            static_cast<QLabel*>(w)->setText(caption);
            w->setProperty(kWhole, caption);
            break;
        case Shows::Name: {
            if (view.player >= 0) {
                showName(view);
                break;
            }
            auto* label = static_cast<QLabel*>(w);
            shown =
                fitted(caption, label->font(), label->contentsRect().width() - 2 * label->indent());
            label->setText(shown);
            label->setToolTip(shown == caption ? renameTip()
                                               : caption + QLatin1Char('\n') + renameTip());
            break;
        }
        case Shows::Frame:
            shown = fitted(caption, w->font(), w->width() - 16);
            static_cast<QGroupBox*>(w)->setTitle(literal(shown.toStdString()));
            w->setToolTip(shown == caption ? QString() : caption);
            break;
        case Shows::Button: {
            // The players' buttons keep the platform's button look; only the name follows.
            shown = fitted(caption, w->font(), w->width() - 12);
            static_cast<QAbstractButton*>(w)->setText(literal(shown.toStdString()));
            w->setToolTip(tipFor(caption, shown != caption, keyHint(w)));
            // Not the bare name, which is the name label's: a client that looks a button up by
            // its name must not find the one that renames.
            w->setAccessibleName(pointTo(caption));
            w->setVisible(f.visible());
            return;
        }
    }
    if (view.kind != Shows::Label && view.player < 0) {
        w->setAccessibleName(caption);
    }
    paint(w, shownColours({f.fore(), f.back()}, highContrast()));
    w->setVisible(f.visible());
}

void MainWindow::showGroup(const GroupView& view) {
    const QSignalBlocker block(view.buttons);
    const int selected = view.group->selected();
    QAbstractButton* button = view.buttons->button(selected);
    if (button != nullptr) {
        button->setChecked(true);
        return;
    }
    // No option selected: an exclusive group cannot uncheck its last button by itself.
    if (QAbstractButton* checked = view.buttons->checkedButton()) {
        view.buttons->setExclusive(false);
        checked->setChecked(false);
        view.buttons->setExclusive(true);
    }
}

void MainWindow::layIndicators() {
    // A caption wider than its place ("Break Point # 10") takes the free width of the places
    // beside it that show nothing; only where there is none does its type get smaller.
    std::array<bool, 3> busy{};
    for (std::size_t slot = 0; slot < busy.size(); ++slot) {
        for (const QLabel* l : indicators_[slot]) {
            busy[slot] = busy[slot] || !l->isHidden();
        }
    }
    // Laid out at 100%, from what the type at the scale measures; a pixel is kept for the
    // rounding of the scaled edges.
    const double s = scaler_->scale();
    const auto needs = [s](const QFont& f, const QString& text) {
        const int pixels = QFontMetrics(f).horizontalAdvance(text) + 2 + (s == 1 ? 0 : 1);
        return static_cast<int>(std::ceil(pixels / s));
    };
    for (std::size_t slot = 0; slot < IndicatorSlots.size(); ++slot) {
        const QRect place = IndicatorSlots[slot].translated(0, HeadingHeight + lowered_);
        const int left =
            slot > 0 && !busy[slot - 1] ? IndicatorSlots[slot - 1].left() : place.left();
        const int right =
            slot + 1 < IndicatorSlots.size() && !busy[slot + 1]
                ? IndicatorSlots[slot + 1].right()
                : (slot + 1 < IndicatorSlots.size() ? place.right() : IndicatorBandEnd);
        for (QLabel* l : indicators_[slot]) {
            if (l->isHidden()) {
                continue;  // laid out when it shows
            }
            QFont f = comicSans(9.75);
            const QString whole = l->property(kWhole).toString();
            const int needed = needs(scaler_->scaled(f), whole);
            QRect r = place;
            if (needed > place.width()) {
                // Grow evenly, then into whichever side still has room.
                const int extra = needed - place.width();
                int grow = std::min(extra / 2 + extra % 2, place.left() - left);
                int growRight = std::min(extra - grow, right - place.right());
                grow = std::min(extra - growRight, place.left() - left);
                r.setLeft(place.left() - grow);
                r.setRight(place.right() + growRight);
                while (needs(scaler_->scaled(f), whole) > r.width() && f.pointSizeF() > 6) {
                    f.setPointSizeF(f.pointSizeF() - 0.5);
                }
            }
            scaler_->place(l, r);
            scaler_->setFont(l, f);
            // Only what does not fit even in the smallest type is cut, and shown whole in the
            // tooltip. Whether it fits is measured as the place was: eliding measures in
            // fractions of a pixel and would cut a caption the place was made wide enough for.
            const QFontMetrics metrics(l->font());
            const int room = l->width() - 2;
            const QString shown = metrics.horizontalAdvance(whole) <= room
                                      ? whole
                                      : metrics.elidedText(whole, Qt::ElideRight, room);
            if (l->text() != shown) {
                l->setText(shown);
            }
            l->setToolTip(shown == whole ? QString() : whole);
        }
    }
}

void MainWindow::showName(const FieldView& view) {
    auto* label = static_cast<QLabel*>(view.widget);
    const QString caption = say(view.field->text());
    const Board& board = form_.view().board;
    const bool doubles = board.Compagno[0].visible();
    const int room = label->contentsRect().width() - 2 * label->indent();
    // From the label's own font, which carries the focus's underline.
    QFont f = label->font();
    f.setPointSizeF(NameSize);
    f.setBold(doubles && board.serving == view.player);
    // Four names share the room of two: a long one takes smaller type before it is cut.
    while (doubles && QFontMetrics(scaler_->scaled(f)).horizontalAdvance(caption) > room &&
           f.pointSizeF() > SmallestNameSize) {
        f.setPointSizeF(f.pointSizeF() - NameSizeStep);
    }
    scaler_->setFont(label, f);
    const QString shown = fitted(caption, label->font(), room);
    label->setText(shown);
    label->setToolTip(shown == caption ? renameTip() : caption + QLatin1Char('\n') + renameTip());
    // A singles name is read as the name; each doubles name by whose it is, "Giocatore A1",
    // with the name as its value, so that a client tells the four apart.
    const QString slot = QChar(u'A' + view.player / 2) + QString::number(view.player % 2 + 1);
    showsName(label, doubles ? tr("Giocatore %1").arg(slot) : caption,
              doubles ? caption : QString());
}

bool MainWindow::layRows() {
    const bool doubles = form_.view().board.Compagno[0].visible();
    if (shownDoubles_ == doubles) {
        return false;
    }
    shownDoubles_ = doubles;
    const int growth = doubles ? DoublesRowGrowth : 0;
    lowered_ = 2 * growth;
    for (const auto& [w, drawn] : drawnPlaces_) {
        const int down = drawn.top() >= UnderScoreboardY         ? lowered_
                         : drawn.top() >= SideRowY + SideRowStep ? growth
                                                                 : 0;
        QRect place = drawn.translated(0, down + (drawn.top() >= SideRowY ? HeadingHeight : 0));
        if (w->objectName().startsWith(QLatin1String("NomeGiocatore_"))) {
            place.setHeight(doubles ? NameLineHeight : SideRowHeight);
        } else if (w->objectName().startsWith(QLatin1String("Compagno_"))) {
            place.setSize(doubles ? QSize(NameWidth, NameLineHeight) : QSize());
        }
        scaler_->place(w, place);
    }
    reshape();
    layIndicators();
    return true;
}

bool MainWindow::highContrast() const {
    return form_.view().menus.AltoContrasto.checked();
}

void MainWindow::showWinner() {
    const Field& f = form_.view().board.Vincitore;
    const QString whole = say(f.text());
    const QString shown = fitted(whole, winner_->font(), winner_->contentsRect().width() - 4);
    winner_->setText(shown);
    winner_->setToolTip(shown == whole ? QString() : whole);
    winner_->setAccessibleName(whole);
    paint(winner_, shownColours({f.fore(), f.back()}, highContrast()));
    const bool appears = f.visible() && winner_->isHidden();
    winner_->setVisible(f.visible());
    // Read out when it appears, as a screen reader reads an alert.
    if (appears) {
        QAccessibleEvent alert(winner_, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void MainWindow::showServingItems() {
    servingMenu_->menuAction()->setEnabled(form_.session().rules().doubles);
    for (std::size_t k = 0; k < servingItems_.size(); ++k) {
        const QString caption = say(form_.view().menus.AlServizioCaptions[k])
                                    .replace(QLatin1Char('&'), QLatin1String("&&"));
        if (servingItems_[k]->text() != caption) {
            servingItems_[k]->setText(caption);
        }
    }
}

void MainWindow::showPosition() {
    // Where the user stands, for the mouse and for assistive clients alike.
    const QString where = tr("Punto %1 di %2")
                              .arg(form_.view().GameScroll.value())
                              .arg(form_.view().GameScroll.maximum());
    gameScroll_->setToolTip(where);
    gameScroll_->setAccessibleDescription(where);
}

void MainWindow::refresh() {
    // Where the user stands has moved on: that says more than a word about the last step.
    const bool moved = form_.view().board.Posizione.dirty();
    if (moved) {
        notice_.reset();
        noticeTimer_->stop();
    }
    // A new language shows every text again, fields included, so it goes first: the fields
    // that changed with it are shown once.
    if (form_.view().language != shownLanguage_) {
        shownLanguage_ = form_.view().language;
        useLanguage(static_cast<Language>(shownLanguage_));
        retranslate();
        // The change of catalogue posts the window a LanguageChange of its own, which would
        // only show every text a second time.
        QCoreApplication::removePostedEvents(this, QEvent::LanguageChange);
    }
    // The colours of every text change at once, the labels' with the window's own.
    const bool recoloured = std::exchange(shownContrast_, highContrast()) != highContrast();
    if (recoloured) {
        for (const auto& [w, described] : painted_) {
            paint(w, shownColours(described, highContrast()));
        }
    }
    // The names' type follows the kind of match and who serves, which no name's field tells.
    const bool relaid = layRows();
    const int server = form_.view().board.serving;
    const bool newServer = std::exchange(shownServer_, server) != server;
    for (const FieldView& view : fieldViews_) {
        if (view.field->dirty() || recoloured || (view.player >= 0 && (relaid || newServer))) {
            showField(view);
            view.field->clearDirty();
        }
    }
    for (const GroupView& view : groupViews_) {
        if (view.group->dirty()) {
            showGroup(view);
            view.group->clearDirty();
        }
    }
    const FormView& drawn = form_.view();
    if (drawn.Avviso.dirty()) {
        showNoticeBand();
        drawn.Avviso.clearDirty();
    }
    if (drawn.Turno.dirty()) {
        const QSignalBlocker block(turno_);
        turno_->setCurrentIndex(drawn.Turno.selected());
        drawn.Turno.clearDirty();
    }
    if (drawn.GameScroll.dirty()) {
        const QSignalBlocker block(gameScroll_);
        gameScroll_->setRange(drawn.GameScroll.minimum(), drawn.GameScroll.maximum());
        gameScroll_->setValue(drawn.GameScroll.value());
        showPosition();
        drawn.GameScroll.clearDirty();
    }
    showFirstServerNames();
    showServingItems();
    for (const CheckView& view : checkViews_) {
        if (view.check->dirty()) {
            const QSignalBlocker block(view.action);
            view.action->setChecked(view.check->checked());
            view.action->setEnabled(view.check->enabled());
            view.check->clearDirty();
        }
    }
    if (drawn.board.Vincitore.dirty() || recoloured) {
        showWinner();
        drawn.board.Vincitore.clearDirty();
    }
    showTitle();
    layIndicators();
    showEditItems();
    for (const auto& [item, can] : videoItems_) {
        item->setEnabled(drawn.video.*can);
    }
    if (statistics_ != nullptr && statistics_->isVisible()) {
        statistics_->showFigures();
    }
    // A newer notice takes the place of one still on show, for the whole time again.
    if (std::optional<Text> notice = form_.takeNotice()) {
        notice_ = std::move(notice);
        noticeTimer_->start();
        showPositionLine();
    } else if (moved) {
        showPositionLine();
    }
    if (drawn.focus.dirty()) {
        const std::string& focus = drawn.focus.objectName();
        if (auto* target =
                focus.empty() ? nullptr : findChild<QWidget*>(QString::fromStdString(focus))) {
            target->setFocus();
        }
        drawn.focus.clearDirty();
    }
}

}  // namespace courtlog::ui
