// Renumbering of the equations so that the profile of the system matrix
// follows the structure.  The chain order puts every division and cut
// degree of freedom first and the joints last, which gives a profile that
// grows with the square of the model; numbering node by node along the
// structure keeps it near the width of the structure.
#pragma once

#include <cstddef>
#include <vector>

struct Kernmodell;

// For a model whose degrees of freedom are numbered 0..n-1:
// a permutation neu[alt] that keeps the three (or more) degrees of freedom
// of a model node together and orders the nodes by (reverse) Cuthill-McKee
// from several start sets, the one with the smallest profile; never worse
// than the given numbering.  Empty when the given numbering is not 0..n-1.
std::vector<int> StrukturNummerierung(const Kernmodell& modell);
// Profile size (stored entries of the lower triangle) of the model under
// the numbering neu[alt]; an empty vector means the given numbering.
std::size_t ProfilFuerNummerierung(const Kernmodell& modell, const std::vector<int>& neu);
// Computes the numbering and sets every model degree of freedom's Index.
void FreiheitsgradeUmnummerieren(Kernmodell& modell);
