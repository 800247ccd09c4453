// Numbers for the text listing, appended to a string exactly as printf
// would write them ("%<breite>.<stellen>f", "%.<stellen>e", "%<breite>ld")
// in the "C" locale.  std::to_chars rounds the exact binary value as printf
// does, at a fraction of the cost: a large frame lists hundreds of
// thousands of numbers.
#pragma once

#include <string>

void FestAnhaengen(std::string& text, double wert, int breite, int stellen);
void ExponentAnhaengen(std::string& text, double wert, int stellen);
void GanzAnhaengen(std::string& text, long wert, int breite);
