#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace courtlog::testing {

// Clips that carry each frame's number in the picture, so that a test reads which frame was
// drawn rather than what the player says: a band across the middle fifth of the picture, 16
// blocks wide, block i white where bit i of the number is set.
//   base: the picture under the band (an ffmpeg source with its filters); encoder: the video
//   encoder's options. 25 frames a second, with a silent sound track.
inline bool makeNumberedClip(const QString& file, const QString& base, int width, int height,
                             int seconds, const QStringList& encoder) {
    const QString band = QStringLiteral(
                             "color=black:s=16x1:r=25:d=%1,format=gray,"
                             "geq=lum='255*gt(bitand(N,pow(2,X)),0)',scale=%2:%3:flags=neighbor")
                             .arg(seconds)
                             .arg(width)
                             .arg(height / 5);
    // Every word but the file's name is free of spaces.
    const QStringList arguments =
        QStringLiteral(
            "-v error -y -f lavfi -i %1 -f lavfi -i %2 -f lavfi -i "
            "anullsrc=r=48000:cl=mono -filter_complex [0][1]overlay=0:(H-h)/2:shortest=1[v] "
            "-map [v] -map 2 -t %3 %4 -pix_fmt yuv420p -c:a aac")
            .arg(base, band, QString::number(seconds), encoder.join(u' '))
            .split(u' ')
        << file;
    return QProcess::execute(QStringLiteral("ffmpeg"), arguments) == 0;
}

// The number a drawn 16:9 picture carries, wherever it sits inside `image`; -1 when a block is
// neither black nor white (no picture, or one half drawn).
inline int frameNumber(const QImage& image) {
    const double scale = std::min(image.width() / 16.0, image.height() / 9.0);
    const double left = (image.width() - 16 * scale) / 2;
    int number = 0;
    bool unclear = false;
    for (int bit = 0; bit < 16; ++bit) {
        const int grey =
            qGray(image.pixel(static_cast<int>(left + (bit + 0.5) * scale), image.height() / 2));
        unclear |= grey > 64 && grey < 192;
        number |= (grey >= 192 ? 1 : 0) << bit;
    }
    return unclear ? -1 : number;
}

}  // namespace courtlog::testing
