#pragma once
// The diagram button of the one-dimensional statistics: reads table columns 1 and 2, writes the
// frequency table and the figures into the table and draws the chosen diagram over the picture.

#include "workbench/Anzeige.h"

// Entries of the diagram list.
enum Diagrammart : int {
  Diagramm_Polygon,
  Diagramm_Saeulen,
  Diagramm_Boxplot,
  Diagramm_Boxplot_modifiziert,
  Diagramm_Boxplot_mit_Daten,
  Diagramm_Boxplot_modifiziert_mit_Daten,
  Diagramm_Kreis,
  Diagramm_Histogramm
};

void Diagramm_zeichnen_geklickt(Anzeige& a);
