// The partial score: points won by each player over the most lopsided recent stretch.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::UpdatePartial() {
    if (DisabilitaParziale.checked() || CurrentPoint == 0 || partialDeferred_) {
        return;
    }
    // Stretches grow backwards from the last point; a and b count each player's points in
    // the stretch that ends at the current position.
    int a = 0;
    int b = 0;
    float best = 0.0F;
    for (int k = CurrentPoint - 1; k >= 0; --k) {
        (courtlog::EstraiInfo(PointInfo[k], Attr::Punto) == 0 ? a : b) += 1;
        const double quotient =
            a > b ? static_cast<double>(a - b) / a : static_cast<double>(b - a) / b;
        const auto r = static_cast<float>(quotient);
        if (r >= best) {
            // A pure run counts as the best stretch only once it is longer than five points.
            if (CurrentPoint - k > 5 || r < 1.0F) {
                best = r;
            }
            Parziale[0].setNumber(a);
            Parziale[1].setNumber(b);
        }
    }
}

}  // namespace courtlog
