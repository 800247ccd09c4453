// The progress slider is only worth touching when its drawn position
// changes: the decomposition reports every row, and hundreds of thousands
// of redraws and flushes would cost more than the analysis itself.
#pragma once

class Fortschrittsfilter {
public:
    // `breite` = the number of pixels the slider's bar can take.
    explicit Fortschrittsfilter(int breite) : breite_(breite > 0 ? breite : 1) {}
    // True when `wert` (0 to 1; outside clamped, NaN as 0) moves the drawn
    // bar to another pixel than the last one drawn.
    bool Aendern(double wert);
    // The pixel of the bar for a value, as drawn.
    int Pixel(double wert) const;
    // Forget the drawn position (after the slider was redrawn otherwise).
    void Zuruecksetzen() { gezeichnet_ = -1; }

private:
    int breite_;
    int gezeichnet_ = -1;
};
