#pragma once
// Descriptive statistics of table columns 1 (values, category names or classes "a;b") and 2
// (frequencies): reading, sorting, merging into a frequency table, the figures (median and
// quartiles by halving, mean, both standard deviations, fences at 1,5 IQR) and the geometry of
// the diagrams as plain data. Nothing here draws.

#include <string>
#include <vector>

#include "platform/Typen.h"

class Tabelle;

// Values and frequencies side by side; entry i of both belongs to table row i + 1.
struct TStichprobe {
  std::vector<long double> Werte;          // column 1, or the category numbers 1, 2, ...
  std::vector<long double> Haeufigkeiten;  // column 2, or 1 each when column 2 is empty
  std::vector<std::string> Namen;          // label of each entry (category, class or value)
  std::vector<TPunkt> Klassen;             // histogram: (lower bound, upper bound) per row
  bool Textmodus = false;                  // column 1 held names or classes, not numbers
};

// Reads columns 1 and 2. With histogramm column 1 must hold classes "a;b". Returns the German
// message for unusable data, empty when the sample is ready.
std::string Stichprobe_einlesen(const Tabelle& t, bool histogramm, TStichprobe& s);

// Exchange sort that keeps each value with its frequency (and name); equal values keep their
// order.
void Paare_sortieren(std::vector<long double>& werte, std::vector<long double>& haeufigkeiten,
                     int anzahl, bool absteigend);
void Stichprobe_sortieren(TStichprobe& s);
// Merges every run of equal values of an ascending sample into its first entry, adding up the
// frequencies.
void Gleiche_Werte_zusammenfassen(TStichprobe& s);

bool Alle_ganzzahlig(const std::vector<long double>& haeufigkeiten);
bool Eine_negativ(const std::vector<long double>& haeufigkeiten);
// Sum of the frequencies each rounded to a whole number: the number of observations.
long double Beobachtungen(const std::vector<long double>& haeufigkeiten, int anzahl);

// Median of a sorted list (ascending or descending) of whole frequencies, and where the list
// is split: d (from 1) is the first entry at which the running count C reaches halb = N div 2.
struct TMedian {
  long double Wert = 0;
  int d = 1;
  long double C = 0;
  long double halb = 0;
};
TMedian Median_berechnen(const std::vector<long double>& werte,
                         const std::vector<long double>& haeufigkeiten, int anzahl);
// Quartiles by halving: for an odd number of observations the median belongs to neither half.
// A single observation is its own lower and upper quartile.
void Quartile_berechnen(const std::vector<long double>& werte,
                        const std::vector<long double>& haeufigkeiten, int anzahl, long double& Med,
                        long double& Q1, long double& Q3);
// Weighted mean; ok is false when the frequencies add up to 0.
long double Mittelwert_berechnen(const std::vector<long double>& werte,
                                 const std::vector<long double>& haeufigkeiten, int anzahl,
                                 bool& ok);
// art 1: population (divides by the total), art 2: sample (by total - 1 when the total is a
// whole number above 1).
long double Standardabweichung_berechnen(const std::vector<long double>& werte,
                                         const std::vector<long double>& haeufigkeiten, int anzahl,
                                         int art, bool& ok);

struct TKennzahlen {
  long double n = 0;
  long double minX = 0, maxX = 0, Med = 0, Q1 = 0, Q3 = 0, IQR = 0, zu = 0, zo = 0;
  long double xquer = 0, sn = 0, sn1 = 0;
};
// Figures of a merged ascending sample with whole, non-negative frequencies; false when the
// frequencies add up to 0.
bool Kennzahlen_berechnen(const TStichprobe& s, TKennzahlen& k);

// Number text rounded to the given decimals, ties to even.
std::string Gerundet(long double x, int stellen);

// Columns 5 to 7: value, absolute and relative frequency of a merged sample.
void Haeufigkeitstabelle_schreiben(Tabelle& t, const TStichprobe& s);
// Columns 3 and 4, rows 0 to 11; with datenfehler the five lines of the data-error notice.
void Kennzahlen_ausgeben(Tabelle& t, const TKennzahlen& k, bool datenfehler);

// A boxplot in world coordinates: box from Q1 to Q3 around height g, whiskers to lo and hi,
// outliers beyond them (modified boxplot only).
struct TBoxplot {
  long double g = 1, lo = 0, hi = 0, Q1 = 0, Med = 0, Q3 = 0;
  std::vector<long double> Ausreisser;
};
TBoxplot Boxplot_berechnen(const TKennzahlen& k, const TStichprobe& s, bool modifiziert, int bahn);

// One pie sector: its share in percent, its angle in degrees, its end point E on the circle and
// the point L halfway along its arc.
struct TSektor {
  long double Prozent = 0, Winkel = 0;
  TPunkt E, L;
};
// Sectors counter-clockwise from B (on the circle) about M; the frequencies must add up to
// more than 0.
std::vector<TSektor> Kreissektoren_berechnen(const std::vector<long double>& haeufigkeiten,
                                             TPunkt B, TPunkt M);

// Height of a histogram bar: its area, not its height, stands for the frequency.
long double Histogrammhoehe(TPunkt klasse, long double haeufigkeit);
