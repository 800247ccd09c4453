// The last check of a run: finite input can still overflow (a modulus of
// 1e308, a load of 1e308), and a listing full of "nan" must never be shown
// as a result.
#pragma once

struct Kernmodell;
struct Modellfolge;
struct System;
class Berichtsempfaenger;

// True when every displacement, reaction and element end force of the
// model is a finite number.  Otherwise reports "Fehler beim Berechnen ! -
// Ergebnisse nicht endlich, Eingabewerte prüfen !" and removes the results
// of the System's bars, so that none of an earlier run stays shown as if it
// belonged to this input.
// `folge`, when given, holds the model's records (kernmodell.h).
bool ErgebnisseEndlich(const Kernmodell& modell, System& system, Berichtsempfaenger& bericht,
                       const Modellfolge* folge = nullptr);
