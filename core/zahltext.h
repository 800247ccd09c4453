// Numbers as the user reads them: a value just below zero is formatted
// "-0.00", which reads as a value of its own next to "0.00" and means the
// same.
#pragma once

// 0 for a value that prints as zero with that many decimals, else the value.
double OhneMinusNull(double wert, int nachkommastellen);

// Takes the sign off every number in the text that prints as zero (the text
// gets shorter).  Exponents are left alone.
void MinusNullEntfernen(char* text);
