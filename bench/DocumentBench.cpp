// How long the largest document takes to read, in the shapes that cost a reader most: every
// one must be read or refused well within a second, as the window offers recovery files at
// start and courtlog-report reads whatever it is given.
#include <benchmark/benchmark.h>

#include <string>

#include "storage/MatchDocument.h"
#include "storage/Recovery.h"

namespace {

enum Shape { Points, EmptyObjects, Keys, DeepNesting, LongStrings };

const char* const kShapeNames[] = {"points", "empty objects", "keys", "deep nesting",
                                   "long strings"};

constexpr std::size_t kCap = courtlog::kMaxUsefulDocumentSize;

// A match document up to the point list, with what the shape repeats in between.
std::string document(Shape shape) {
    const std::string head = R"({"format": "courtlog-match", "version": 1, "players": ["A", "B"],
        "tournament": "T", "round": 0, "rules": {"bestOf": 5, "setTieBreak": true,
        "decidingSet": "tb7", "noAd": false, "firstServer": 0}, "start": "2024-06-09T13:05:00Z",
        )";
    // Each shape is the start, what is repeated up to the cap, what ends the repetition.
    std::string text, repeated, end;
    switch (shape) {
        case Points:  // far more than the list holds: all are checked, the first thousand kept
            text = head + R"("points": [{"word": 65535, "ms": 99999999999})";
            repeated = R"(, {"word": 65535, "ms": 99999999999})";
            end = "]}";
            break;
        case EmptyObjects:  // no match, known only once all of it is read
            text = R"({"x": [{})";
            repeated = ",{}";
            end = "]}";
            break;
        case Keys:  // a key the document does not know, kept and written back
            text = head + R"("x": {"k0": 0)";
            end = R"(}, "points": []})";
            break;
        case DeepNesting:  // the document, "x" and 62 arrays: as deep as a document may go
            text = head + R"("x": [0)";
            repeated = "," + std::string(62, '[') + std::string(62, ']');
            end = R"(], "points": []})";
            break;
        case LongStrings:
            text = head + R"("x": ")";
            repeated = R"(Ð\u00f0\"\\)";
            end = R"(", "points": []})";
            break;
    }
    for (int k = 1; text.size() + end.size() + 16 < kCap; ++k) {
        text += shape == Keys ? ", \"k" + std::to_string(k) + "\": 0" : repeated;
    }
    return text + end;
}

// As the window reads a recovery file at start: the document, then what it keeps that this
// version does not know.
void BM_ReadLargestDocument(benchmark::State& state) {
    const std::string text = document(static_cast<Shape>(state.range(0)));
    bool refused = false;
    for (auto _ : state) {
        const courtlog::DecodedRecovery read = courtlog::decodeRecovery(text);
        refused = read.refusal.has_value();
        benchmark::DoNotOptimize(read);
    }
    state.SetLabel(std::string(kShapeNames[state.range(0)]) + (refused ? ", refused" : ", read"));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadLargestDocument)->DenseRange(Points, LongStrings)->Unit(benchmark::kMillisecond);

}  // namespace
