#pragma once
// View navigation: preset origins, reset, picture size, zoom and pan buttons, and the three
// mouse modes on the picture (drag the coordinate system, zoom frame, place text).

#include "kos/U_Ansicht.h"
#include "workbench/Anzeige.h"

void Ursprung_waehlen(Anzeige& a, TUrsprung u);
void Zoom_klicken(Anzeige& a, TZoom z);
void Schieben_klicken(Anzeige& a, TRichtung r);
// One centimetre more or less picture width (breite) or depth.
void Bildseite_klicken(Anzeige& a, bool breite, bool groesser);
// Asks first; on Yes every start value, the full picture and the 5-mm grid.
void Alles_zuruecksetzen(Anzeige& a);

// Which mouse button went down or came up, without modifier keys; anything else is Andere.
enum class TMaustaste { Links, Rechts, Andere };
// What the mouse does on the picture; the window shows the cursor and hint of the mode.
enum class TMausmodus { Ziehen, Zoomrahmen, Text };

TMausmodus Mausmodus();
void Bild_Maus_gedrueckt(Anzeige& a, TMaustaste taste, int X, int Y);
// nur_links: the left button is held without modifier keys.
void Bild_Maus_bewegt(Anzeige& a, bool nur_links, int X, int Y);
void Bild_Maus_losgelassen(Anzeige& a);
