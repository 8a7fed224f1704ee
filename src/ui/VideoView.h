#pragma once

#include <QByteArrayList>
#include <QOpenGLWidget>
#include <QStringList>

struct mpv_handle;
struct mpv_render_context;
struct mpv_event;

namespace courtlog::ui {

// A picture drawn by libmpv through its render API, with the lines the window puts over it.
// The player's events and the property changes it is told about come back as signals on the
// GUI thread. The picture keeps its aspect ratio inside whatever size the widget has.
class VideoView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit VideoView(QWidget* parent = nullptr);
    ~VideoView() override;

    // Null when the player could not be made (a numeric locale other than "C", say).
    mpv_handle* player() const { return mpv_; }
    // The player's own reason it could not be made, or "".
    const QString& failure() const { return failure_; }

    // A command of the player's, asynchronous; with a `reply` other than 0, commandDone tells
    // when the player has taken it.
    void command(const QByteArrayList& words, quint64 reply = 0);
    void setFlag(const char* name, bool value);
    void setNumber(const char* name, double value);
    double number(const char* name, double otherwise) const;
    bool flag(const char* name, bool otherwise) const;

    // Handles the events waiting, or waits up to `seconds` for one and handles it; false once
    // there was none.
    bool handleEvents(double seconds);

    void setLines(const QStringList& lines);
    const QStringList& lines() const { return lines_; }

signals:
    void timeChanged(double seconds);
    void pausedChanged(bool paused);
    void fileLoaded();
    // A file ended or could not be opened: mpv's words for why, "" when it simply ended.
    void fileEnded(const QString& error);
    void commandDone(quint64 reply, bool done);
    // A seek or a frame step back has its first picture ready.
    void seekDone();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void handle(const mpv_event& event);
    void freeRenderer();

    mpv_handle* mpv_ = nullptr;
    mpv_render_context* renderer_ = nullptr;
    QString failure_;
    QStringList lines_;
};

}  // namespace courtlog::ui
