// The statistics and the points of a match for programs. Keys are English; marks keep the point
// panel's words, so a program reads them the same in every language.
#include "report/StatisticsJson.h"

#include <algorithm>

#include "form/PointPanel.h"

namespace courtlog::report {

namespace {

QString key(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QJsonObject shots(const ShotCounts& c) {
    QJsonObject o;
    for (const auto& f : kShotFigures) {
        o.insert(key(f.key), c.*f.figure);
    }
    return o;
}

// Kinds by the panel's captions, "Miss" for none given.
template <std::size_t N>
QJsonObject byKind(const std::array<ShotCounts, N>& counts, const std::array<Source, N>& names) {
    QJsonObject o;
    for (std::size_t k = 0; k < N; ++k) {
        o.insert(QString::fromUtf8(names[k].text), shots(counts[k]));
    }
    return o;
}

}  // namespace

QJsonObject playerStatisticsJson(const PlayerStatistics& c) {
    QJsonObject o = shots(c.shots);
    for (const auto& f : kPlayerFigures) {
        o.insert(key(f.key), c.*f.figure);
    }
    o.insert(QStringLiteral("byStroke"), byKind(c.byStroke, kDirittoRovescioCaptions));
    o.insert(QStringLiteral("byShot"), byKind(c.byShot, kColpoCaptions));
    return o;
}

QJsonObject serveJson(const ServeStatistics& c) {
    QJsonObject o;
    for (const auto& f : kServeFigures) {
        o.insert(key(f.key), c.*f.figure);
    }
    return o;
}

namespace {

QJsonArray players(const StretchStatistics& s) {
    return {playerStatisticsJson(s.players[0]), playerStatisticsJson(s.players[1])};
}

QJsonValue optional(const std::optional<std::int64_t>& ms) {
    return ms ? QJsonValue(static_cast<qint64>(*ms)) : QJsonValue();
}

QJsonObject times(const StretchStatistics& s) {
    return {{"lengthMs", optional(s.lengthMs)}, {"medianGapMs", optional(s.medianGapMs)}};
}

// A mark in the panel's words; null where the panel has no word for it.
QJsonValue mark(std::span<const Source> captions, int index) {
    if (index < 0 || index >= static_cast<int>(captions.size()) ||
        captions[static_cast<std::size_t>(index)].text == nullptr) {
        return {};
    }
    return QString::fromUtf8(captions[static_cast<std::size_t>(index)].text);
}

}  // namespace

QJsonObject statisticsJson(const MatchStatistics& statistics, bool doubles) {
    QJsonArray sets;
    QJsonArray setTimes;
    for (const StretchStatistics& s : statistics.sets) {
        sets.append(players(s));
        setTimes.append(times(s));
    }
    QJsonObject out{{"match", players(statistics.match)},
                    {"sets", sets},
                    {"times", QJsonObject{{"match", times(statistics.match)}, {"sets", setTimes}}}};
    if (doubles) {
        QJsonArray servers;
        for (const ServeStatistics& s : statistics.match.servers) {
            servers.append(serveJson(s));
        }
        out.insert(QStringLiteral("players"), servers);
    }
    return out;
}

QJsonArray pointsJson(const MatchSummary& match) {
    QJsonArray points;
    // After the end of the match a point belongs to the last set, as the statistics count it.
    const int lastSet = std::max<int>(1, static_cast<int>(match.sets.size()));
    for (const PointRow& r : match.points) {
        QJsonObject point{
            {"number", r.number},
            {"set", std::min(r.set, lastSet)},
            {"games", QJsonArray{r.gamesA, r.gamesB}},
            {"points", QJsonArray{QString::fromStdString(r.gamePoints[0]),
                                  QString::fromStdString(r.gamePoints[1])}},
            {"tieBreak", r.tieBreak},
            {"afterMatchEnd", !r.scored},
            {"server", r.server},
            {"winner", r.winner},
            {"serve", mark(kServizioCaptions, r.servizio)},
            {"serveOutcome", mark(kAceDoppioFalloCaptions, r.outcome)},
            {"stroke", mark(kDirittoRovescioCaptions, r.dirittoRovescio)},
            {"shot", mark(kColpoCaptions, r.colpo)},
            {"ending", mark(kErroreVincenteCaptions, r.erroreVincente)},
        };
        if (match.doubles) {
            point.insert(QStringLiteral("serverPlayer"), r.serverPlayer);
        }
        if (r.ms != kNoTime) {
            point.insert(QStringLiteral("ms"), static_cast<qint64>(r.ms));
        }
        if (r.videoMs != kNoTime) {
            point.insert(QStringLiteral("videoMs"), static_cast<qint64>(r.videoMs));
        }
        points.append(point);
    }
    return points;
}

}  // namespace courtlog::report
