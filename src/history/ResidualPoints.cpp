#include "history/ResidualPoints.h"

namespace courtlog {

ResidualQuestion residualQuestion(int residualPoints, bool offerInsert) {
    ResidualQuestion q;
    if (residualPoints == 1) {
        q.message = CL_TEXT("Residual", "E' presente un ulteriore punto. Cosa vuoi farne?");
        q.offered[2] = false;
    } else {
        q.message = Text(CL_TEXT("Residual", "Sono presenti %1 ulteriori punti. Cosa vuoi farne?"))
                        .arg(residualPoints);
    }
    q.offered[1] = offerInsert;
    return q;
}

}  // namespace courtlog
