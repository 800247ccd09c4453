// Which progress values change the drawn slider.
#include "workspace/fortschritt.h"

int Fortschrittsfilter::Pixel(double wert) const {
    if (!(wert > 0.0)) return 0;  // also NaN
    if (wert >= 1.0) return breite_;
    return static_cast<int>(wert * breite_);
}

bool Fortschrittsfilter::Aendern(double wert) {
    int pixel = Pixel(wert);
    if (pixel == gezeichnet_) return false;
    gezeichnet_ = pixel;
    return true;
}
