// cos and sin of an angle, with the last angle's values kept.  The pieces
// of a divided bar follow each other in the element chain and share their
// angle, and so do the result records of a bar; the transformations of
// assembly, end forces and result functions ask for the same angle again
// and again.  The angle is compared bit for bit, so that -0.0 keeps its
// own sine; the values are exactly those of std::cos and std::sin.
#pragma once

struct Drehung {
    double c, s;
};

Drehung DrehungZu(double winkel);
