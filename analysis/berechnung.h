// The analysis run by first-order theory and its model check.
#pragma once

// Computes the current System; everything is reported through the message
// list. Returns true when the run completed (results are in the System).
bool TheorieIOrdnungBerechnen();
// 1 when the computational model may be computed, else 0 after reporting.
// `folge`, when given, holds the model's records (kernmodell.h).
struct Modellfolge;
int ModellPruefen(const Modellfolge* folge = nullptr);
