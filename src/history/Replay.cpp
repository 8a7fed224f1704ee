// The match at any position, folded from its points, and the partial score of the recent run.
#include "history/Replay.h"

#include "scoring/Scoring.h"

namespace courtlog {

Position startPosition(const Rules& rules) {
    return Position{startOfMatch(rules), {}, {}};
}

Happened playPoint(Position& position, const Rules& rules, PointWord word) {
    // The statistics need the server of the point, before the point moves the serve on.
    countPoint(position.counted, word, position.score.server);
    const Score before = position.score;
    const Happened happened = scorePoint(position.score, rules, EstraiInfo(word, Attr::Punto));
    countServe(position.served[static_cast<std::size_t>(servingPlayer(before, rules))], word,
               before, position.score, happened);
    return happened;
}

Position replay(std::span<const PointWord> points, const Rules& rules) {
    Position position = startPosition(rules);
    for (PointWord word : points) {
        playPoint(position, rules, word);
    }
    return position;
}

int setsBegun(std::span<const PointWord> points, const Rules& rules) {
    const Score end = replay(points, rules).score;
    return end.over ? end.set : end.set + 1;
}

std::vector<PointWord> serveMarksFollowingServer(std::span<const PointWord> points,
                                                 const Rules& rules) {
    std::vector<PointWord> moved(points.begin(), points.end());
    Position position = startPosition(rules);
    for (PointWord& word : moved) {
        const int server = position.score.server;
        const int outcome = EstraiInfo(word, Attr::AceDoppioFallo);
        // Nobody serves once the match is over: what follows keeps its marks.
        if (!position.score.over && outcome != 0) {
            CreaInfo(word, Attr::Punto, outcome == 2 ? 1 - server : server);
        }
        playPoint(position, rules, word);
    }
    return moved;
}

Pair partialScore(std::span<const PointWord> played) {
    Pair shown{0, 0};
    // Stretches grow backwards from the last point; a and b count each player's points in
    // the stretch that ends at the current position.
    int a = 0;
    int b = 0;
    float best = 0.0F;
    const int n = static_cast<int>(played.size());
    for (int k = n - 1; k >= 0; --k) {
        (EstraiInfo(played[static_cast<std::size_t>(k)], Attr::Punto) == 0 ? a : b) += 1;
        const double quotient =
            a > b ? static_cast<double>(a - b) / a : static_cast<double>(b - a) / b;
        const auto r = static_cast<float>(quotient);
        if (r >= best) {
            // A pure run counts as the best stretch only once it is longer than five points.
            if (n - k > 5 || r < 1.0F) {
                best = r;
            }
            shown = {a, b};
        }
    }
    return shown;
}

}  // namespace courtlog
