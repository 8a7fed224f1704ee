#include "ui/VideoWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

#include "platform/Dialogs.h"
#include "ui/Placement.h"
#include "ui/VideoView.h"

namespace courtlog::ui {

namespace {

constexpr const char* kSection = "Video";
constexpr const char* kPlaceKey = "Finestra";
// A file that takes longer to open than this is not waited for: the window stays usable.
constexpr int kOpenWaitMs = 10000;

QByteArray seconds(std::int64_t ms) {
    return QByteArray::number(static_cast<double>(ms) / 1000, 'f', 3);
}

}  // namespace

VideoWindow::VideoWindow(Settings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings), view_(new VideoView(this)) {
    setWindowTitle(tr("Video"));
    // Charting goes on in the main window while this one plays.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(640, 360);

    connect(view_, &VideoView::timeChanged, this,
            [this](double time) { emit positionChanged(std::llround(time * 1000)); });
    connect(view_, &VideoView::pausedChanged, this, [this](bool paused) {
        if (open_) {
            emit playingChanged(!paused);
        }
    });
    connect(view_, &VideoView::fileLoaded, this, [this] {
        if (loading_ == Loading::Waiting) {
            loading_ = Loading::Loaded;
        }
    });
    connect(view_, &VideoView::fileEnded, this, [this](const QString& error) {
        // Replacing a file ends the old one without an error; only the new one's failure counts.
        if (loading_ == Loading::Waiting && !error.isEmpty()) {
            loading_ = Loading::Failed;
            loadError_ = error;
        } else if (loading_ != Loading::Waiting) {
            open_ = false;
        }
    });
    connect(view_, &VideoView::commandDone, this, [this](quint64 reply, bool done) {
        if (reply == seekReply_) {
            seekReply_ = 0;
            if (!done) {
                seek_ = Seek::None;
            }
        }
    });
    connect(view_, &VideoView::seekDone, this, &VideoWindow::seekDone);
}

VideoWindow::~VideoWindow() = default;

void VideoWindow::placeBeside(QWidget* main) {
    const std::optional<std::string> stored = settings_.getSetting(kAppTitle, kSection, kPlaceKey);
    if (!stored || !restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*stored)))) {
        ui::placeBeside(this, main);
    }
    placed_ = true;
}

void VideoWindow::storePlace() {
    if (placed_ && isVisible()) {
        settings_.saveSetting(kAppTitle, kSection, kPlaceKey,
                              saveGeometry().toBase64().toStdString());
    }
}

void VideoWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    storePlace();
}

void VideoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    storePlace();
}

// Nothing draws the frames of a hidden window, and the player would wait for it.
void VideoWindow::hideEvent(QHideEvent* event) {
    playVideo(false);
    QWidget::hideEvent(event);
}

void VideoWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Video"));
    }
    QWidget::changeEvent(event);
}

std::string VideoWindow::openVideo(const std::string& path) {
    if (!view_->player()) {
        return tr("Il lettore video non si avvia (%1)").arg(view_->failure()).toStdString();
    }
    // The player can draw only once the view has its renderer, made when it is first shown.
    if (!isVisible()) {
        show();
    }
    QElapsedTimer clock;
    clock.start();
    while (!view_->isValid() && view_->failure().isEmpty() && clock.elapsed() < kOpenWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    if (!view_->isValid() || !view_->failure().isEmpty()) {
        return tr("Il lettore video non disegna (%1)").arg(view_->failure()).toStdString();
    }

    open_ = false;
    seek_ = Seek::None;
    seekReply_ = 0;
    loading_ = Loading::Waiting;
    loadError_.clear();
    view_->setFlag("pause", true);
    // A bare name that looks like an option or a protocol must still be a file.
    QByteArray file = QByteArray::fromStdString(path);
    if (!file.startsWith('/')) {
        file.prepend("./");
    }
    view_->command({"loadfile", file});
    while (loading_ == Loading::Waiting && clock.elapsed() < kOpenWaitMs) {
        view_->handleEvents(0.05);
    }
    const Loading outcome = loading_;
    loading_ = Loading::Idle;
    if (outcome == Loading::Loaded) {
        open_ = true;
        return {};
    }
    view_->command({"stop"});
    if (outcome == Loading::Failed) {
        return loadError_.toStdString();
    }
    return tr("Il video non si è aperto in %1 secondi").arg(kOpenWaitMs / 1000).toStdString();
}

std::int64_t VideoWindow::videoPosition() {
    return open_ ? std::llround(view_->number("time-pos", 0) * 1000) : 0;
}

// The keyframe's picture comes first, quickly; once it shows, the exact seek from there.
// mpv keeps only the last of the seeks it has not begun, so the two cannot be asked at once.
void VideoWindow::seekVideo(std::int64_t ms) {
    if (!open_) {
        return;
    }
    seekTarget_ = ms;
    // Playing, it would play on from the keyframe until the exact seek: only the exact one.
    if (view_->flag("pause", true)) {
        seek_ = Seek::Keyframe;
        seekTo("absolute+keyframes");
    } else {
        seek_ = Seek::Exact;
        seekTo("absolute+exact");
    }
}

void VideoWindow::seekTo(const char* how) {
    seekReply_ = ++lastReply_;
    view_->command({"seek", seconds(seekTarget_), how}, seekReply_);
}

void VideoWindow::seekDone() {
    if (seekReply_ != 0) {
        return;
    }
    if (seek_ == Seek::Keyframe) {
        seek_ = Seek::Exact;
        seekTo("absolute+exact");
    } else {
        seek_ = Seek::None;
    }
}

void VideoWindow::playVideo(bool play) {
    if (!open_) {
        return;
    }
    view_->setFlag("pause", !play);
    if (play && seek_ == Seek::Keyframe) {
        seek_ = Seek::Exact;
        seekTo("absolute+exact");
    }
}

bool VideoWindow::videoPlaying() {
    return open_ && !view_->flag("pause", true);
}

void VideoWindow::setVideoRate(double rate) {
    view_->setNumber("speed", rate);
}

void VideoWindow::stepVideoFrame(int direction) {
    if (open_ && direction != 0) {
        view_->command({direction > 0 ? "frame-step" : "frame-back-step"});
    }
}

void VideoWindow::showOverVideo(const std::vector<std::string>& lines) {
    QStringList shown;
    for (const std::string& line : lines) {
        shown.append(QString::fromStdString(line));
    }
    view_->setLines(shown);
}

}  // namespace courtlog::ui
