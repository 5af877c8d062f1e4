#pragma once
// The integral buttons of the main window: integral and area, strip sums, volumes of
// revolution, arc length, hatching, and the hints these buttons show for the checked curves.

#include "workbench/Anzeige.h"

void Integral_geklickt(Anzeige& a);
void Streifensummen_geklickt(Anzeige& a);
void Rotationsintegral_geklickt(Anzeige& a);
void Bogenlaenge_geklickt(Anzeige& a);
void Flaeche_schraffieren_geklickt(Anzeige& a);

void Integral_Hinweis_zeigen(Anzeige& a);
void Rotationsintegral_Hinweis_zeigen(Anzeige& a);
void Bogenlaenge_Hinweis_zeigen(Anzeige& a);
void Schraffur_Hinweis_zeigen(Anzeige& a);
