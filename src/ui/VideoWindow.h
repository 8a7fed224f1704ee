#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Settings.h"
#include "platform/Video.h"

namespace courtlog::ui {

class VideoView;

// "Video": the recording beside the main window, played by libmpv. It never takes the focus
// and lets every key through, so charting goes on while it plays. The picture keeps its
// aspect ratio inside the window, with black bands where the shapes differ. Its place and
// size are stored as soon as they change.
class VideoWindow : public QWidget, public Video {
    Q_OBJECT
public:
    explicit VideoWindow(Settings& settings, QWidget* parent = nullptr);
    ~VideoWindow() override;

    // The stored place and size, or beside `main` on its screen the first time.
    void placeBeside(QWidget* main);

    std::string openVideo(const std::string& path) override;
    bool videoOpen() override { return open_; }
    std::int64_t videoPosition() override;
    void seekVideo(std::int64_t ms) override;
    void playVideo(bool play) override;
    bool videoPlaying() override;
    void setVideoRate(double rate) override;
    void stepVideoFrame(int direction) override;
    void showOverVideo(const std::vector<std::string>& lines) override;

    // Whether a seek has still to show its exact frame.
    bool seeking() const { return seek_ != Seek::None; }
    VideoView* view() const { return view_; }

signals:
    void positionChanged(qint64 ms);
    void playingChanged(bool playing);

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Seek { None, Keyframe, Exact };
    enum class Loading { Idle, Waiting, Loaded, Failed };

    void seekTo(const char* how);
    void seekDone();
    void storePlace();

    Settings& settings_;
    VideoView* view_;
    bool open_ = false;
    bool placed_ = false;
    Loading loading_ = Loading::Idle;
    QString loadError_;
    Seek seek_ = Seek::None;
    std::int64_t seekTarget_ = 0;
    // The seek the player has not taken yet (0: none): a picture ready before it is another's.
    quint64 seekReply_ = 0;
    quint64 lastReply_ = 0;
};

}  // namespace courtlog::ui
