#pragma once
// The buttons that fill the main table with values of the terms (value table, curve table,
// sequence table, limit table) and the buttons that measure the distances of the table points
// to the chosen curve.

#include "workbench/Anzeige.h"

void Wertetabelle_geklickt(Anzeige& a);
void Kurventabelle_geklickt(Anzeige& a);
void Folgentabelle_geklickt(Anzeige& a);
void Grenzwerttabelle_geklickt(Anzeige& a);
// quadrate: the squares of the errors are drawn instead of the distance lines.
void Senkrechte_Entfernungen_geklickt(Anzeige& a, bool quadrate);
void Waagerechte_Entfernungen_geklickt(Anzeige& a, bool quadrate);
