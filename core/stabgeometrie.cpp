// Derived geometry of a bar and the hit test used to mark bars.
#include "core/stabgeometrie.h"

#include <cmath>

#include "core/datenmodell.h"

double RichtungsWinkel(double x1, double y1, double x2, double y2, double vorher) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double winkel = vorher;
    if (dx != 0.0) {
        winkel = std::atan(dy / dx);
        if (dy == 0.0 && x2 < x1) winkel = -PI_GERUNDET;
    } else if (y2 > y1) {
        winkel = PI_HALBE_GERUNDET;
    } else if (y2 < y1) {
        winkel = -PI_HALBE_GERUNDET;
    }
    // atan covers only the right half-plane; bars pointing left are turned.
    if (dx < 0.0 && dy != 0.0) winkel += PI_GERUNDET;
    return winkel;
}

void StabGeometrie(Stab* stab) {
    if (!stab || !stab->PunktA || !stab->PunktB) return;
    const double x1 = stab->PunktA->X, y1 = stab->PunktA->Y;
    const double x2 = stab->PunktB->X, y2 = stab->PunktB->Y;
    stab->Winkel = RichtungsWinkel(x1, y1, x2, y2, stab->Winkel);
    stab->Laenge = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    stab->Cos = std::cos(stab->Winkel);
    stab->Sin = std::sin(stab->Winkel);
}

int PunktAufStab(double x1, double y1, double x2, double y2, double x, double y) {
    // A third point on the perpendicular through the midpoint, one segment
    // length away, spans a triangle; the barycentric coordinates of (x, y)
    // in it tell the distance from the line and from the two ends.
    const double mx = 0.5 * (x1 + x2);
    const double my = 0.5 * (y1 + y2);
    const double x3 = mx + (y1 - y2);
    const double y3 = my - (x1 - x2);

    // Columns (x1, y1, 1), (x2, y2, 1), (x3, y3, 1).
    const double m[3][3] = {{x1, x2, x3}, {y1, y2, y3}, {1.0, 1.0, 1.0}};
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    if (det == 0.0 || !std::isfinite(det)) return 0;

    // Inverse = adjugate / det; adjugate[i][j] is the cofactor of m[j][i].
    double inv[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int r0 = (j + 1) % 3, r1 = (j + 2) % 3;
            const int c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            inv[i][j] = (m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0]) / det;
        }
    const double v[3] = {x, y, 1.0};
    double lambda[3];
    for (int i = 0; i < 3; ++i) lambda[i] = inv[i][0] * v[0] + inv[i][1] * v[1] + inv[i][2] * v[2];

    return (lambda[0] > 0.008 && lambda[1] > 0.008 && lambda[2] > -0.008 && lambda[2] < 0.008) ? 1 : 0;
}
