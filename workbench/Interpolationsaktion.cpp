#include "workbench/Interpolationsaktion.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/UKurven.h"
#include "engine/UMatheBasisOp.h"
#include "kos/UGrafik.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "statistics/UInterpolation.h"
#include "table/UStringGrid.h"
#include "workbench/Eingaben.h"
#include "workbench/Matrixaktion.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kRot = 0x0000FF;
constexpr TFarbe kBlau = 0xFF0000;
constexpr int kGesamt_genau = 18, kNachkomma_genau = 15;

// The points of columns 1 and 2; the point-column choice follows.
std::vector<TPunkt> Punkte_lesen(Anzeige& a) {
  a.Eintrag_zeigen("ComboBox_Punkte_ab_Spalte", 0);
  Werkbank.Punktspalte = 1;
  Punkteliste_einlesen(Zahlentabelle, 1);
  return {Punkteliste.begin(), Punkteliste.begin() + Punktanzahl};
}

std::string Punkttext(const std::vector<TPunkt>& p, int i) {
  return "P" + std::to_string(i + 1) + "(" + Zahl_als_Zelltext(p[i].x) + "|" +
         Zahl_als_Zelltext(p[i].y) + ")";
}

bool Gleiches_x_melden(const std::vector<TPunkt>& p, int i, int k) {
  Dialog().Meldung("Die Punkte " + Punkttext(p, i) + " und " + Punkttext(p, k) +
                   " haben dasselbe x: das Gleichungssystem ist nicht lösbar !");
  return false;
}

bool Verschiedene_x(const std::vector<TPunkt>& p) {
  int i = 0, k = 0;
  if (Gleiches_x_finden(p, static_cast<int>(p.size()), i, k)) return Gleiches_x_melden(p, i, k);
  return true;
}

bool Anzahl_passt(int anzahl, int mindestens, int hoechstens) {
  if (anzahl < mindestens) {
    Dialog().Meldung("Mindestens " + std::to_string(mindestens) + " Punkte erforderlich !");
    return false;
  }
  if (anzahl > hoechstens) {
    Dialog().Meldung("Höchstens " + std::to_string(hoechstens) + " Punkte erlaubt !");
    return false;
  }
  return true;
}

// The system in the table is solved by the matrix button's own echelon form.
bool System_loesen(Anzeige& a, bool schrittweise, int unbekannte, std::vector<long double>& x) {
  a.Eintrag_zeigen("ComboBox_MatrixOps", Op_rref);
  Werkbank.Matrixoperation = Op_rref;
  TStufenform s;
  if (!Matrixoperation_ausfuehren(a, schrittweise, &s)) return false;
  if (s.spalten == unbekannte + 1 && Loesung_lesen(s.C, unbekannte, s.spalten, x)) return true;
  Dialog().Meldung("Das Gleichungssystem hat keine eindeutige Lösung !");
  return false;
}

std::string Polynom_genau(const std::vector<long double>& a, int grad) {
  return Polynom_zu_Text(a, grad, Zahlformat.Fixkomma, kGesamt_genau, kNachkomma_genau,
                         Zahlformat.Bruchdarstellung);
}

// The field takes the text and then runs its leave rule, as if the user had typed it.
void Intervallfeld_setzen(Anzeige& a, const char* feld, const std::string& text) {
  Feld_zeigen(a, feld, text);
  Zahlfeld_verlassen(a, feld);
}

// The matrix button empties column 2, so the points go back also when no solution came out.
void Punkte_zurueckschreiben(const std::vector<TPunkt>& p) {
  Punkte_ausgeben(Zahlentabelle, 1, p, static_cast<int>(p.size()));
}

const std::string& x_Zelle(int zeile) {
  return Zahlentabelle.Zelle(1, zeile);
}

// Coefficients of piece k (from 1), constant term first.
std::vector<long double> Stueck(const std::vector<long double>& x, int k) {
  const int b = 4 * (k - 1);
  return {x[b + 3], x[b + 2], x[b + 1], x[b]};
}

void Geraden_zeichnen(TBild& bild, const TPunkt& P, const TPunkt& Q) {
  Linie_zeichnen(bild, x_zu_Pixel(bild, P.x), y_zu_Pixel(bild, P.y), x_zu_Pixel(bild, Q.x),
                 y_zu_Pixel(bild, Q.y), kBlau, 2, TStiftstil::Durchgezogen);
}

}  // namespace

void Interpolationspolynom_geklickt(Anzeige& a, bool schrittweise) {
  const std::vector<TPunkt> p = Punkte_lesen(a);
  const int N = static_cast<int>(p.size());
  if (!Anzahl_passt(N, 2, kInterpolation_hoechstens) || !Verschiedene_x(p)) return;
  Tabelle_leeren(Zahlentabelle);
  Interpolationssystem_schreiben(Zahlentabelle, p, N);
  std::vector<long double> koeffizienten;
  if (!System_loesen(a, schrittweise, N, koeffizienten)) return Punkte_zurueckschreiben(p);
  Feld_zeigen(a, "Edit_hSchar", Polynom_genau(koeffizienten, N - 1));
  Punkte_zurueckschreiben(p);
  Intervallfeld_setzen(a, "Edit_xaSchar_h", Werkbank.Feldtext("Edit_xa"));
  Intervallfeld_setzen(a, "Edit_xeSchar_h", Werkbank.Feldtext("Edit_xe"));
}

void Spline_geklickt(Anzeige& a, bool schrittweise) {
  const std::vector<TPunkt> p = Punkte_lesen(a);
  const int N = static_cast<int>(p.size());
  if (!Anzahl_passt(N, 3, kSpline_hoechstens) || !Verschiedene_x(p)) return;
  const int n = N - 1;
  Tabelle_leeren(Zahlentabelle);
  Splinesystem_schreiben(Zahlentabelle, p, N);
  std::vector<long double> x;
  if (!System_loesen(a, schrittweise, 4 * n, x)) return Punkte_zurueckschreiben(p);
  auto text = [&](int k) {
    return Polynom_zu_Text(Stueck(x, k), 3, Zahlformat.Fixkomma, Zahlformat.Gesamtstellen,
                           Zahlformat.Nachkommastellen, Zahlformat.Bruchdarstellung);
  };
  static constexpr const char* kFelder[] = {"Edit_fSchar", "Edit_gSchar", "Edit_hSchar"};
  for (int k = 1; k <= std::min(n, 3); ++k)
    Feld_zeigen(a, kFelder[k - 1], text(k));
  const int ablage = 5 * n + 1;  // right of the matrix, while the table has that column
  for (int k = 4; k <= std::min(n, 6) && ablage <= Letzte_Spalte; ++k)
    Zahlentabelle.Zelle_setzen(ablage, k - 3, text(k));
  Punkte_zurueckschreiben(p);
  static constexpr const char* kIntervalle[][2] = {{"Edit_xaSchar", "Edit_xeSchar"},
                                                   {"Edit_xaSchar_g", "Edit_xeSchar_g"},
                                                   {"Edit_xaSchar_h", "Edit_xeSchar_h"}};
  for (int k = 1; k <= std::min(n, 3); ++k) {
    Intervallfeld_setzen(a, kIntervalle[k - 1][0], x_Zelle(k));
    Intervallfeld_setzen(a, kIntervalle[k - 1][1], x_Zelle(k + 1));
  }
}

constexpr int kSpalte_neben_Trassierung = 8;

void Trassierung_geklickt(Anzeige& a, bool schrittweise) {
  const std::vector<TPunkt> p = Punkte_lesen(a);
  if (p.size() != 4) {
    Dialog().Meldung("Genau 4 Punkte erforderlich !");
    return;
  }
  // Both lines need two x values, and the cubic spans from P2 to P3.
  for (int i = 0; i < 3; ++i)
    if (p[i].x == p[i + 1].x) {
      Gleiches_x_melden(p, i, i + 1);
      return;
    }
  // Numbers in the column next to the system would widen A; what stands further right is the
  // user's and stays, since the matrix ends at its first empty column.
  for (int z = 1; z <= 4; ++z)
    Zahlentabelle.Zelle_setzen(kSpalte_neben_Trassierung, z, "");
  Trassierungssystem_schreiben(Zahlentabelle, p);
  std::vector<long double> x;
  if (!System_loesen(a, schrittweise, 4, x)) return Punkte_zurueckschreiben(p);
  const std::string h = Polynom_genau({x[3], x[2], x[1], x[0]}, 3);
  Feld_zeigen(a, "Edit_hSchar", h);
  Punkte_zurueckschreiben(p);
  Intervallfeld_setzen(a, "Edit_xaSchar_h", x_Zelle(2));
  Intervallfeld_setzen(a, "Edit_xeSchar_h", x_Zelle(3));
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  Kurve_zeichnen(*bild, h, kRot, 2, Modus_Funktion,
                 std::min(Werkbank.xaSchar_h, Werkbank.xeSchar_h),
                 std::max(Werkbank.xaSchar_h, Werkbank.xeSchar_h), TScharwerte{});
  Geraden_zeichnen(*bild, p[0], p[1]);
  Geraden_zeichnen(*bild, p[2], p[3]);
}
