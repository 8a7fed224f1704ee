#pragma once

#include <algorithm>
#include <string>

#include "report/MatchSummary.h"
#include "report/PageWriter.h"

namespace courtlog {

inline constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";

// The shapes the charts are drawn with, at coordinates in the units of their viewBox.
std::string coord(double v);  // one decimal at most, whatever the process locale
void svgText(PageWriter& page, double x, double y, const std::string& cls,
             const std::string& content, const std::string& anchor = "start");
void svgLine(PageWriter& page, double x1, double y1, double x2, double y2, const std::string& cls);
void svgRect(PageWriter& page, double x, double y, double width, double height,
             const std::string& cls);

// The drawing area of the course of the match in the units of its viewBox, and how points and
// differences map onto it.
class ChartFrame {
public:
    static constexpr double kWidth = 1000;
    static constexpr double kHeight = 420;
    static constexpr double kLeft = 52;
    static constexpr double kRight = 984;
    static constexpr double kTop = 56;
    static constexpr double kBottom = 376;

    // The vertical scale runs from B's largest lead (down) to A's (up), each with headroom
    // that keeps the players' names clear of the line, and neither side squeezed below a
    // fifth of the height, where a name would not fit.
    ChartFrame(int points, int mostUp, int mostDown);

    // After k points; before the first one when k is 0.
    double x(int k) const { return kLeft + (kRight - kLeft) * k / std::max(points_, 1); }
    double y(int diff) const { return kTop + (kBottom - kTop) * (up_ - diff) / (up_ + down_); }
    double zero() const { return y(0); }
    int up() const { return up_; }
    int down() const { return down_; }
    int step() const { return step_; }

    // A step of 1, 2 or 5 times a power of ten that cuts span into at most `most` parts.
    static int niceStep(int span, int most);

private:
    int points_;
    int up_ = 0;
    int down_ = 0;
    int step_ = 1;
};

// The section with the course of the match: the difference in points won after each point,
// drawn as inline SVG with tie-breaks shaded, the end of each set and each break of serve
// marked, and its legend.
void writeChart(PageWriter& page, const MatchSummary& match);

// The section with each player's winners and errors over the match, by stroke and by shot, as
// bars on one scale for both players, with the count beside each bar.
void writeShotCharts(PageWriter& page, const MatchSummary& match);

}  // namespace courtlog
