#include "history/ResidualPoints.h"

namespace courtlog {

ResidualQuestion residualQuestion(int residualPoints, bool offerInsert) {
    ResidualQuestion q;
    if (residualPoints == 1) {
        q.message = "E' presente un ulteriore punto. Cosa vuoi farne?";
        q.offered[2] = false;
    } else {
        // The number keeps the blank of its sign position.
        q.message = "Sono presenti " + std::to_string(residualPoints) +
                    " ulteriori punti. Cosa vuoi farne?";
    }
    q.offered[1] = offerInsert;
    return q;
}

}  // namespace courtlog
