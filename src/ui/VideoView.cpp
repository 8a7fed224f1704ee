#include "ui/VideoView.h"

#include <mpv/client.h>
#include <mpv/render_gl.h>

#include <QOpenGLContext>
#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace courtlog::ui {

namespace {

void* procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

// Both callbacks come on the player's threads, which must not call the player back: the work
// is queued to the GUI thread. The callbacks are taken away before the view goes.
void wakeUp(void* view) {
    auto* self = static_cast<VideoView*>(view);
    QMetaObject::invokeMethod(
        self, [self] { self->handleEvents(0); }, Qt::QueuedConnection);
}

void frameReady(void* view) {
    auto* self = static_cast<VideoView*>(view);
    QMetaObject::invokeMethod(
        self, [self] { self->update(); }, Qt::QueuedConnection);
}

}  // namespace

VideoView::VideoView(QWidget* parent) : QOpenGLWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    mpv_ = mpv_create();
    if (!mpv_) {
        // It refuses to start unless LC_NUMERIC is "C".
        failure_ = QStringLiteral("mpv_create");
        return;
    }
    const std::pair<const char*, const char*> options[] = {
        {"vo", "libmpv"},
        {"hwdec", "no"},
        {"gpu-hwdec-interop", "no"},
        // Exact seeks and frame steps; the end of the file keeps its last picture.
        {"hr-seek", "yes"},
        {"keep-open", "yes"},
        {"pause", "yes"},
        {"idle", "yes"},
        // The window's keys are the program's: no bindings, no on-screen controls or messages.
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"osc", "no"},
        {"osd-level", "0"},
        {"audio-display", "no"},
        // Cheap to draw under a software OpenGL.
        {"scale", "bilinear"},
        {"dscale", "bilinear"},
        {"dither-depth", "no"},
    };
    for (const auto& [name, value] : options) {
        mpv_set_option_string(mpv_, name, value);
    }
    if (const int error = mpv_initialize(mpv_); error < 0) {
        failure_ = QString::fromUtf8(mpv_error_string(error));
        mpv_terminate_destroy(mpv_);
        mpv_ = nullptr;
        return;
    }
    mpv_observe_property(mpv_, 0, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(mpv_, 0, "pause", MPV_FORMAT_FLAG);
    mpv_set_wakeup_callback(mpv_, wakeUp, this);
}

VideoView::~VideoView() {
    freeRenderer();
    // The base class destroys the context, after this part of the object is gone.
    if (context()) {
        disconnect(context(), nullptr, this, nullptr);
    }
    if (mpv_) {
        mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
        mpv_terminate_destroy(mpv_);
    }
}

void VideoView::freeRenderer() {
    if (!renderer_) {
        return;
    }
    // The renderer's textures belong to this widget's context.
    makeCurrent();
    mpv_render_context_set_update_callback(renderer_, nullptr, nullptr);
    mpv_render_context_free(renderer_);
    renderer_ = nullptr;
    doneCurrent();
}

void VideoView::initializeGL() {
    if (!mpv_ || renderer_) {
        return;
    }
    mpv_opengl_init_params gl{procAddress, nullptr};
    int advanced = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (const int error = mpv_render_context_create(&renderer_, mpv_, params); error < 0) {
        failure_ = QString::fromUtf8(mpv_error_string(error));
        renderer_ = nullptr;
        return;
    }
    mpv_render_context_set_update_callback(renderer_, frameReady, this);
    // A widget moved to another window gets a new context: the renderer goes with the old one.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &VideoView::freeRenderer,
            Qt::DirectConnection);
}

void VideoView::paintGL() {
    if (renderer_) {
        const qreal scale = devicePixelRatioF();
        mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()),
                           static_cast<int>(width() * scale), static_cast<int>(height() * scale),
                           0};
        int flip = 1;
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
            {MPV_RENDER_PARAM_FLIP_Y, &flip},
            {MPV_RENDER_PARAM_INVALID, nullptr},
        };
        mpv_render_context_render(renderer_, params);
    }
    if (lines_.isEmpty()) {
        return;
    }
    // White on a dark band, top left: readable on any picture.
    QPainter painter(this);
    QFont font = painter.font();
    font.setPixelSize(qMax(12, height() / 20));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int margin = metrics.height() / 3;
    int textWidth = 0;
    for (const QString& line : lines_) {
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    }
    painter.fillRect(0, 0, textWidth + 2 * margin,
                     static_cast<int>(lines_.size()) * metrics.height() + 2 * margin,
                     QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    int y = margin + metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(margin, y, line);
        y += metrics.height();
    }
}

void VideoView::setLines(const QStringList& lines) {
    if (lines != lines_) {
        lines_ = lines;
        update();
    }
}

void VideoView::command(const QByteArrayList& words, quint64 reply) {
    if (!mpv_) {
        return;
    }
    std::vector<const char*> args;
    for (const QByteArray& word : words) {
        args.push_back(word.constData());
    }
    args.push_back(nullptr);
    mpv_command_async(mpv_, reply, args.data());
}

void VideoView::setFlag(const char* name, bool value) {
    if (mpv_) {
        int flag = value ? 1 : 0;
        mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_FLAG, &flag);
    }
}

void VideoView::setNumber(const char* name, double value) {
    if (mpv_) {
        mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_DOUBLE, &value);
    }
}

double VideoView::number(const char* name, double otherwise) const {
    double value = otherwise;
    if (!mpv_ || mpv_get_property(mpv_, name, MPV_FORMAT_DOUBLE, &value) < 0) {
        return otherwise;
    }
    return value;
}

bool VideoView::flag(const char* name, bool otherwise) const {
    int value = 0;
    if (!mpv_ || mpv_get_property(mpv_, name, MPV_FORMAT_FLAG, &value) < 0) {
        return otherwise;
    }
    return value != 0;
}

bool VideoView::handleEvents(double seconds) {
    bool any = false;
    while (mpv_) {
        const mpv_event* event = mpv_wait_event(mpv_, any ? 0 : seconds);
        if (event->event_id == MPV_EVENT_NONE) {
            break;
        }
        any = true;
        // The event lives only until the next wait, which a slot may start: take it whole.
        handle(*event);
    }
    return any;
}

void VideoView::handle(const mpv_event& event) {
    switch (event.event_id) {
        case MPV_EVENT_PROPERTY_CHANGE: {
            const auto* property = static_cast<const mpv_event_property*>(event.data);
            const QByteArray name(property->name);
            if (name == "time-pos" && property->format == MPV_FORMAT_DOUBLE) {
                emit timeChanged(*static_cast<const double*>(property->data));
            } else if (name == "pause" && property->format == MPV_FORMAT_FLAG) {
                emit pausedChanged(*static_cast<const int*>(property->data) != 0);
            }
            break;
        }
        case MPV_EVENT_FILE_LOADED:
            emit fileLoaded();
            break;
        case MPV_EVENT_END_FILE: {
            const auto* end = static_cast<const mpv_event_end_file*>(event.data);
            emit fileEnded(end->reason == MPV_END_FILE_REASON_ERROR
                               ? QString::fromUtf8(mpv_error_string(end->error))
                               : QString());
            break;
        }
        case MPV_EVENT_COMMAND_REPLY:
            if (event.reply_userdata != 0) {
                emit commandDone(event.reply_userdata, event.error >= 0);
            }
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            emit seekDone();
            break;
        default:
            break;
    }
}

}  // namespace courtlog::ui
