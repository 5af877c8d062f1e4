#include "workbench/Eingaben.h"

#include <array>
#include <string_view>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Plotaktion.h"

namespace {

bool Gleich(const char* a, const char* b) {
  return std::string_view(a) == b;
}

// ---- number fields -----------------------------------------------------------------------------

// Tick spacing of one centimetre along the x axis (or the y axis) of the current view.
long double Zentimeterschritt(bool x_achse) {
  const long double von = x_achse ? KOS.xli : KOS.yu;
  const long double bis = x_achse ? KOS.xre : KOS.yo;
  const int cm = x_achse ? KOS.Bildbreite_cm : KOS.Bildtiefe_cm;
  return (bis - von) / (cm > 0 ? cm : 1);
}

// A new bound makes the scale of its axis one centimetre again.
bool Grenze_lesen(Anzeige& a, const char* feld, long double& grenze, bool x_achse) {
  if (!Feld_zu_Zahl(a, feld, grenze)) return false;
  long double& skala = x_achse ? KOS.xscl : KOS.yscl;
  skala = Zentimeterschritt(x_achse);
  Feld_zeigen(a, x_achse ? "Edit_xscl" : "Edit_yscl", Gleitkomma_Text(skala));
  return true;
}

// Ticks closer than half a centimetre would run into each other: back to one centimetre.
bool Skala_lesen(Anzeige& a, bool x_achse) {
  const char* feld = x_achse ? "Edit_xscl" : "Edit_yscl";
  long double& skala = x_achse ? KOS.xscl : KOS.yscl;
  if (!Feld_zu_Zahl(a, feld, skala)) return false;
  const long double cm = Zentimeterschritt(x_achse);
  if (skala < cm / 2) {
    Dialog().Meldung(x_achse ? "Fehler:  xSk zu klein" : "Fehler:  ySk zu klein");
    skala = cm;
    Feld_zeigen(a, feld, Gleitkomma_Text(skala));
    a.Fokus_zurueck(feld);
  }
  return true;
}

constexpr std::array<const char*, 3> kLinke_Grenzen = {"Edit_xaSchar", "Edit_xaSchar_g",
                                                       "Edit_xaSchar_h"};
constexpr std::array<const char*, 3> kRechte_Grenzen = {"Edit_xeSchar", "Edit_xeSchar_g",
                                                        "Edit_xeSchar_h"};

void x_Grenzen_in_Intervalle(bool links) {
  const long double x = links ? KOS.xli : KOS.xre;
  (links ? Werkbank.xaSchar : Werkbank.xeSchar) = x;
  (links ? Werkbank.xaSchar_g : Werkbank.xeSchar_g) = x;
  (links ? Werkbank.xaSchar_h : Werkbank.xeSchar_h) = x;
}

// The interval of f is also the interval of the tools.
void f_Grenze_in_Werkzeuge(Anzeige& a, bool links) {
  Feld_zeigen(a, links ? "Edit_aStart" : "Edit_bEnde",
              Werkbank.Feldtext(links ? "Edit_xaSchar" : "Edit_xeSchar"));
  (links ? Werkbank.aStart : Werkbank.bEnde) = links ? Werkbank.xaSchar : Werkbank.xeSchar;
}

struct TZahlfeld {
  const char* name;
  long double& (*ziel)();
  bool (*regel)(Anzeige&, const char*);  // replaces the plain read where a field has its own
  void (*danach)(Anzeige&);              // coupling after a good read
};

template <long double Werkbank_Zustand::*M>
long double& W() {
  return Werkbank.*M;
}

constexpr TZahlfeld kZahlfelder[] = {
    {"Edit_xa", nullptr,
     [](Anzeige& a, const char* f) { return Grenze_lesen(a, f, KOS.xli, true); },
     [](Anzeige&) { x_Grenzen_in_Intervalle(true); }},
    {"Edit_xe", nullptr,
     [](Anzeige& a, const char* f) { return Grenze_lesen(a, f, KOS.xre, true); },
     [](Anzeige&) { x_Grenzen_in_Intervalle(false); }},
    {"Edit_ya", nullptr,
     [](Anzeige& a, const char* f) { return Grenze_lesen(a, f, KOS.yu, false); }, nullptr},
    {"Edit_ye", nullptr,
     [](Anzeige& a, const char* f) { return Grenze_lesen(a, f, KOS.yo, false); }, nullptr},
    {"Edit_xscl", nullptr, [](Anzeige& a, const char*) { return Skala_lesen(a, true); }, nullptr},
    {"Edit_yscl", nullptr, [](Anzeige& a, const char*) { return Skala_lesen(a, false); }, nullptr},
    {"Edit_xaSchar", W<&Werkbank_Zustand::xaSchar>, nullptr,
     [](Anzeige& a) { f_Grenze_in_Werkzeuge(a, true); }},
    {"Edit_xeSchar", W<&Werkbank_Zustand::xeSchar>, nullptr,
     [](Anzeige& a) { f_Grenze_in_Werkzeuge(a, false); }},
    {"Edit_xaSchar_g", W<&Werkbank_Zustand::xaSchar_g>, nullptr, nullptr},
    {"Edit_xeSchar_g", W<&Werkbank_Zustand::xeSchar_g>, nullptr, nullptr},
    {"Edit_xaSchar_h", W<&Werkbank_Zustand::xaSchar_h>, nullptr, nullptr},
    {"Edit_xeSchar_h", W<&Werkbank_Zustand::xeSchar_h>, nullptr, nullptr},
    {"Edit_aStart", W<&Werkbank_Zustand::aStart>, nullptr, nullptr},
    {"Edit_bEnde", W<&Werkbank_Zustand::bEnde>, nullptr, nullptr},
    {"Edit_delta_x", W<&Werkbank_Zustand::delta_x>, nullptr, nullptr},
    {"Edit_u", W<&Werkbank_Zustand::u>, nullptr, nullptr},
    {"Edit_Schar_t1", W<&Werkbank_Zustand::Schar_t1>, nullptr, nullptr},
    {"Edit_Schar_t2", W<&Werkbank_Zustand::Schar_t2>, nullptr, nullptr},
    {"Edit_delta_t", W<&Werkbank_Zustand::delta_t>, nullptr, nullptr},
    {"Edit_Param_k1", W<&Werkbank_Zustand::Param_k1>, nullptr, nullptr},
    {"Edit_Param_k2", W<&Werkbank_Zustand::Param_k2>, nullptr, nullptr},
    {"Edit_delta_Phi", W<&Werkbank_Zustand::delta_Phi>, nullptr, nullptr},
    {"Edit_x_n0", W<&Werkbank_Zustand::x_n0>, nullptr, nullptr},
    {"Edit_y_n1", W<&Werkbank_Zustand::y_n1>, nullptr, nullptr},
    {"Edit_skalar_r", W<&Werkbank_Zustand::skalar_r>, nullptr, nullptr},
};

// ---- whole-number fields
// -------------------------------------------------------------------------

void n0_verlassen(Anzeige& a) {
  int n = 0;
  if (!Ganzzahl_lesen(Werkbank.Feldtext("Edit_n0"), n)) {
    n = static_cast<int>(Startzahl("Edit_n0"));
    Feld_zeigen(a, "Edit_n0", Starttext("Edit_n0"));
  }
  Werkbank.n_Start = n;
}

void Iterationstiefe_verlassen(Anzeige& a) {
  const std::string text = Werkbank.Feldtext("Edit_Iterationstiefe");
  int n = 0;
  const bool ok = Ganzzahl_lesen(text, n);
  Werkbank.Iterationstiefe = Iterationstiefe_lesen(text);
  if (!ok || n != Werkbank.Iterationstiefe)
    Feld_zeigen(a, "Edit_Iterationstiefe", Starttext("Edit_Iterationstiefe"));
}

// Matrices have at least two rows; a text that is no whole number also beeps.
void Mat_n_verlassen(Anzeige& a) {
  int n = 0;
  const int kleinste = static_cast<int>(Startzahl("Edit_Mat_n"));
  if (!Ganzzahl_lesen(Werkbank.Feldtext("Edit_Mat_n"), n)) {
    Dialog().Piep();
    Fehler = true;
    n = 0;
  }
  if (n < kleinste) {
    n = kleinste;
    Feld_zeigen(a, "Edit_Mat_n", Starttext("Edit_Mat_n"));
  }
  Werkbank.Mat_n = n;
}

// ---- switches ----------------------------------------------------------------------------------

// Ticks, numbers and thick axes need an axis: with neither shown they go off.
void Achsen_aus_folgen(Anzeige& a) {
  if (KOS.xAchse_zeigen || KOS.yAchse_zeigen) return;
  a.Haken_zeigen("CheckBox_Zahlen_an_Achsen", false);
  a.Haken_zeigen("CheckBox_Skalierung", false);
  a.Haken_zeigen("CheckBox_Achsen_dick", false);
}

bool Eine_Achse() {
  return KOS.xAchse_zeigen || KOS.yAchse_zeigen;
}

void Skala_geklickt(Anzeige& a, bool an) {
  if (an && !Eine_Achse()) {
    a.Haken_zeigen("CheckBox_Skalierung", false);  // runs this rule again, unchecked
    return;
  }
  if (!an) a.Haken_zeigen("CheckBox_Zahlen_an_Achsen", false);
  KOS.Skala_zeigen = an;
}

void Zahlen_geklickt(Anzeige& a, bool an) {
  if (an && !KOS.Skala_zeigen) {
    a.Haken_zeigen("CheckBox_Zahlen_an_Achsen", false);
    return;
  }
  KOS.Zahlen_zeigen = an;
}

void Dick_geklickt(Anzeige& a, bool an) {
  if (an && !Eine_Achse()) {
    a.Haken_zeigen("CheckBox_Achsen_dick", false);
    return;
  }
  KOS.Achsenbreite = KOS.Strichbreite = an ? 2 : 1;
  KOS.Zahlen_fett = an;
}

// Without a grid there is no coarse grid either.
void Grobraster_geklickt(Anzeige& a, bool an) {
  if (!KOS.Raster_an) {
    if (an) a.Haken_zeigen("CheckBox_Grobraster", false);
    return;
  }
  KOS.Grobraster = an;
  Plot_zeichnen(a);
}

struct TKurvenschalter {
  const char* schalter;
  const char* muster;
  Kurve kurve;
};
constexpr TKurvenschalter kKurvenschalter[] = {
    {"CheckBox_Schar_f_zeichnen", "Image_f", Kurve_f},
    {"CheckBox_Schar_g_zeichnen", "Image_g", Kurve_g},
    {"CheckBox_Schar_h_zeichnen", "Image_h", Kurve_h},
    {"CheckBox_Schar_fs_zeichnen", "Image_fs", Kurve_fs},
    {"CheckBox_Schar_fs2_zeichnen", "Image_fs2", Kurve_fs2},
    {"CheckBox_Schar_fs3_zeichnen", "Image_fs3", Kurve_fs3},
    {"CheckBox_f_invers_zeichnen", "Image_inv", Kurve_inv},
    {"CheckBox_Integralfunktion", "Image_Int", Kurve_Int},
    {"CheckBox_Schar_kr_zeichnen", "Image_krue", Kurve_krue},
    {"CheckBox_x_gleich_a", "Image_x_gleich_a", Kurve_x_gleich_a},
    {"CheckBox_x_gleich_b", "Image_x_gleich_b", Kurve_x_gleich_b},
    {"CheckBox_Param", "Image_xt_yt", Kurve_Param},
    {"CheckBox_DatenPkte_verbinden", "Image_Punktverbindung", Kurve_Punktverbindung},
};

// A curve takes the line colour and kind in force when its switch is checked; its swatch shows
// them. An arrow kind becomes plain outside the point joins, and the list shows that.
void Kurve_geklickt(Anzeige& a, const TKurvenschalter& k, bool an) {
  Werkbank.Kurve_zeichnen[k.kurve] = an;
  TBild* muster = a.Bild(k.muster);
  if (muster) Image_loeschen(*muster);
  if (!an) return;
  int art = Stil.Linienart;
  if (muster) art = Image_neu_zeichnen(*muster, k.kurve == Kurve_Punktverbindung);
  if (art != Stil.Linienart) Linienart_waehlen(art);
  a.Eintrag_zeigen("ComboBox_Linienart", Stil.Linienart);
  Werkbank.Kurvenstile[k.kurve] = Kurvenstil{Stil.Linienfarbe, Stil.Linienart};
}

void Param_geklickt(Anzeige& a, bool an) {
  if (an) a.Haken_zeigen("CheckBox_Folge", false);
}

void Punktverbindung_geklickt(Anzeige& a, bool an) {
  Stil.Punkte_verbinden = an;
  if (!an) return;
  Stil.Verbindungsfarbe = Stil.Linienfarbe;
  Stil.Verbindungsart = Stil.Linienart;
}

void Polar_geklickt(Anzeige& a, bool polar) {
  Werkbank.Polardarstellung = polar;
  a.Text_zeigen("Label_xParam", polar ? "r(t) =" : "x(t) =");
  Feld_zeigen(a, "Edit_xParam", polar ? kTerm_r_Polar : kTerm_x_Param);
  if (!polar) Feld_zeigen(a, "Edit_yParam", kTerm_y_Param);
  a.Text_zeigen("CheckBox_Param", polar ? "r(t)" : "x(t),y(t)");
  a.Hinweis_zeigen("CheckBox_Param", polar ? "r(t) zeichnen" : "x(t),y(t) zeichnen");
  a.Freigabe_zeigen("Edit_yParam", !polar);
  a.Freigabe_zeigen("Label_yParam", !polar);
}

void Freigeben(Anzeige& a, std::initializer_list<const char*> namen, bool an) {
  for (const char* n : namen)
    a.Freigabe_zeigen(n, an);
}

// Leaving a recursive mode brings back the explicit sequence and its label.
void Explizite_Folge(Anzeige& a) {
  Feld_zeigen(a, "Edit_Folge", kTerm_Folge_explizit);
  a.Text_zeigen("Label_Folge", "a(n) =");
}

// The two recursive modes exclude each other; each brings its own term, label and start fields.
void Rekursion_geklickt(Anzeige& a, bool& modus, bool an, const char* anderer, const char* term,
                        const char* label, std::initializer_list<const char*> startfelder) {
  modus = an;
  if (an) {
    a.Haken_zeigen(anderer, false);
    a.Haken_zeigen("CheckBox_Folge", true);
    Feld_zeigen(a, "Edit_Folge", term);
    a.Text_zeigen("Label_Folge", label);
  } else {
    Explizite_Folge(a);
    a.Haken_zeigen("CheckBox_Web", false);
  }
  Freigeben(a, startfelder, an);
}

void Rekursiv_geklickt(Anzeige& a, bool an) {
  Rekursion_geklickt(a, Werkbank.rekursiv, an, "CheckBox_rekursivxy", kTerm_Folge_rekursiv,
                     "g(x) =", {"Edit_x_n0", "Label_x_n0", "CheckBox_Web"});
}

void Rekursivxy_geklickt(Anzeige& a, bool an) {
  Rekursion_geklickt(a, Werkbank.rekursivxy, an, "CheckBox_rekursiv", kTerm_Folge_zweischrittig,
                     "g(x,k)=", {"Edit_x_n0", "Label_x_n0", "Edit_y_n1", "Label_y_n1"});
}

void Web_geklickt(Anzeige& a, bool an) {
  Werkbank.CobWeb = an;
  if (!an) a.Haken_zeigen("CheckBox_nur_g_zeichnen", false);
  Freigeben(a, {"CheckBox_nur_g_zeichnen", "Label_Iterationstiefe", "Edit_Iterationstiefe"}, an);
}

void Folge_geklickt(Anzeige& a, bool an) {
  Werkbank.Folge = an;
  if (an) a.Haken_zeigen("CheckBox_Param", false);
}

// Text mode and zoom mode exclude each other.
void Modus_geklickt(Anzeige& a, bool& modus, bool an, const char* anderer) {
  modus = an;
  if (an) a.Haken_zeigen(anderer, false);
}

void Tabellierhinweis(Anzeige& a, bool an) {
  Werkbank.Integralfunktion_tabellieren = an;
  a.Hinweis_zeigen("SpeedButton_Schar_in_Tabelle",
                   an ? "Wertetabelle f,g,h,f',f\",f\"',kr,F in [a;b]"
                      : "Wertetabelle f,g,h,f',f\",f\"',kr  in [a;b]");
}

void Zweite_Gerade_geklickt(Anzeige& a, bool an) {
  Werkbank.zwei_Regressionsgeraden = an && Werkbank.Regressionsmodell <= 1;
  if (an && Werkbank.Regressionsmodell > 1) a.Haken_zeigen("CheckBox_2_Regressionsgeraden", false);
}

struct TSchalterregel {
  const char* name;
  void (*regel)(Anzeige&, bool);
};

constexpr TSchalterregel kSchalterregeln[] = {
    {"CheckBox_xAchse",
     [](Anzeige& a, bool an) {
       KOS.xAchse_zeigen = an;
       Achsen_aus_folgen(a);
     }},
    {"CheckBox_yAchse",
     [](Anzeige& a, bool an) {
       KOS.yAchse_zeigen = an;
       Achsen_aus_folgen(a);
     }},
    {"CheckBox_Skalierung", Skala_geklickt},
    {"CheckBox_Zahlen_an_Achsen", Zahlen_geklickt},
    {"CheckBox_Achsen_dick", Dick_geklickt},
    {"CheckBox_Grobraster", Grobraster_geklickt},
    {"CheckBox_Polar_Wahl", Polar_geklickt},
    {"CheckBox_Folge", Folge_geklickt},
    {"CheckBox_rekursiv", Rekursiv_geklickt},
    {"CheckBox_rekursivxy", Rekursivxy_geklickt},
    {"CheckBox_Web", Web_geklickt},
    {"CheckBox_nur_g_zeichnen", [](Anzeige&, bool an) { Werkbank.nur_g_zeichnen = an; }},
    {"CheckBox_alle_t_verwenden", [](Anzeige&, bool an) { Werkbank.alle_t_verwenden = an; }},
    {"CheckBox_Punkte", [](Anzeige&, bool an) { Werkbank.Punkte = an; }},
    {"CheckBox_Integralfunktion_tabellieren", Tabellierhinweis},
    {"CheckBox_Grobschraffur", [](Anzeige&, bool an) { Werkbank.Grobschraffur = an; }},
    {"CheckBox_Newton_tabellieren", [](Anzeige&, bool an) { Werkbank.Newton_tabellieren = an; }},
    {"CheckBox_loeschen", [](Anzeige&, bool an) { Werkbank.loeschen = an; }},
    {"CheckBox_Achsen_automatisch_beschriften",
     [](Anzeige&, bool an) { Werkbank.Achsen_automatisch_beschriften = an; }},
    {"CheckBox_Fixkomma", [](Anzeige&, bool an) { Zahlformat.Fixkomma = an; }},
    {"CheckBox_Bruchdarstellung", [](Anzeige&, bool an) { Zahlformat.Bruchdarstellung = an; }},
    {"CheckBox_2_Regressionsgeraden", Zweite_Gerade_geklickt},
    {"CheckBox_ZoomModus",
     [](Anzeige& a, bool an) { Modus_geklickt(a, Werkbank.Zoommodus, an, "CheckBox_Textmodus"); }},
    {"CheckBox_Textmodus",
     [](Anzeige& a, bool an) { Modus_geklickt(a, Werkbank.Textmodus, an, "CheckBox_ZoomModus"); }},
};

// ---- lists -------------------------------------------------------------------------------------

// The columns of the table are as wide as the number format's texts.
void Spalten_nach_Zahlformat() {
  Spaltenbreiten_setzen(Zahlentabelle, Spaltenbreite_Standard(), Spalte0_Breite_Zahlformat);
}

struct TListenregel {
  const char* name;
  void (*regel)(Anzeige&, int);
};

constexpr TListenregel kListenregeln[] = {
    {"ComboBox_Linienart",
     [](Anzeige& a, int i) {
       Linienart_waehlen(i);
       a.Neu_malen("ComboBox_Flaechenfuellung");
     }},
    {"ComboBox_Punkteart",
     [](Anzeige&, int i) { Stil.Punkteart = Punkteart_aus_Listenposition(i); }},
    {"ComboBox_PunktRadius",
     [](Anzeige& a, int i) {
       Stil.Punktradius = i;
       a.Neu_malen("ComboBox_Punkteart");
     }},
    {"ComboBox_Flaechenfuellung", [](Anzeige&, int i) { Stil.Flaechenfuellung = i; }},
    {"ComboBox_Zahlenhoehe", [](Anzeige&, int i) { KOS.Zahlenhoehe = i + kZahlenhoehe_ab; }},
    {"ComboBox_Nachkommastellen",
     [](Anzeige& a, int i) {
       Nachkommastellen_waehlen(i);
       a.Eintrag_zeigen("ComboBox_Gesamtstellen", Zahlformat.Gesamtstellen - kGesamtstellen_ab);
       Spalten_nach_Zahlformat();
     }},
    {"ComboBox_Gesamtstellen",
     [](Anzeige& a, int i) {
       Gesamtstellen_waehlen(i + kGesamtstellen_ab);
       a.Eintrag_zeigen("ComboBox_Nachkommastellen", Zahlformat.Nachkommastellen);
       Spalten_nach_Zahlformat();
     }},
    {"ComboBox_Integrationsmethode",
     [](Anzeige&, int i) {
       Werkbank.Integrationsmethode = Integrationsmethode_aus_Listenposition(i);
       Werkbank.Romberg_Tabelle = i == 5;
     }},
    {"ComboBox_RegressionsModelle",
     [](Anzeige& a, int i) {
       Werkbank.Regressionsmodell = i;
       if (i > 1) a.Haken_zeigen("CheckBox_2_Regressionsgeraden", false);
     }},
    {"ComboBox_DiagrammTyp", [](Anzeige&, int i) { Werkbank.Diagrammtyp = i; }},
    {"ComboBox_DiagrPlotNr", [](Anzeige&, int i) { Werkbank.Plotnummer = i + kPlotnummer_ab; }},
    {"ComboBox_MatrixOps", [](Anzeige&, int i) { Werkbank.Matrixoperation = i; }},
    {"ComboBox_Punkte_ab_Spalte",
     [](Anzeige&, int i) { Werkbank.Punktspalte = Punktspalte_aus_Listenposition(i); }},
};

// ---- colour panels -----------------------------------------------------------------------------

struct TFarbfeld {
  const char* name;
  TFarbe& (*farbe)();
  const char* listen[2];  // style lists whose samples show the colour
  bool neu_zeichnen;      // the picture shows the colour at once
};

constexpr TFarbfeld kFarbfelder[] = {
    {"Panel_Farbe_Punkte",
     []() -> TFarbe& { return Stil.Punktfarbe; },
     {"ComboBox_Punkteart"},
     false},
    {"Panel_Linienfarbe_definieren",
     []() -> TFarbe& { return Stil.Linienfarbe; },
     {"ComboBox_Linienart", "ComboBox_Flaechenfuellung"},
     false},
    {"Panel_Fuellfarbe_definieren",
     []() -> TFarbe& { return Stil.Fuellfarbe; },
     {"ComboBox_Flaechenfuellung"},
     false},
    {"Panel_Farbe_Raster", []() -> TFarbe& { return KOS.Rasterfarbe; }, {}, true},
};

// ---- start values ------------------------------------------------------------------------------

// Fields whose values follow their texts at the end of the reset, in this order.
constexpr const char* kStartfelder[] = {
    "Edit_xa",        "Edit_xe",
    "Edit_ya",        "Edit_ye",
    "Edit_xscl",      "Edit_yscl",
    "Edit_xaSchar",   "Edit_xeSchar",
    "Edit_xaSchar_g", "Edit_xeSchar_g",
    "Edit_xaSchar_h", "Edit_xeSchar_h",
    "Edit_aStart",    "Edit_bEnde",
    "Edit_delta_x",   "Edit_delta_t",
    "Edit_Schar_t1",  "Edit_Schar_t2",
    "Edit_u",         "Edit_x_n0",
    "Edit_n0",        "Edit_Iterationstiefe",
    "Edit_Param_k1",  "Edit_Param_k2",
    "Edit_delta_Phi",
};

void Zustaende_zuruecksetzen() {
  Stil_zuruecksetzen();
  Linienart_waehlen(Stil.Linienart);
  // The picture's place in the window belongs to the window, not to the view's start values.
  const TKOS alt = KOS;
  KOS = TKOS{};
  KOS.Bild_links = alt.Bild_links;
  KOS.Bild_oben = alt.Bild_oben;
  KOS.Bildrand_rechts = alt.Bildrand_rechts;
  KOS.Bildrand_unten = alt.Bildrand_unten;
  Zahlformat_zuruecksetzen();
  Zoom_Standardwerte();
  // The curve styles stay with their curves until a switch is checked again; the field texts
  // stay with the fields until the reset writes them.
  Werkbank_Zustand neu;
  neu.Kurvenstile = Werkbank.Kurvenstile;
  neu.Kurve_zeichnen = Werkbank.Kurve_zeichnen;
  neu.Feldtexte = Werkbank.Feldtexte;
  neu.zwei_Regressionsgeraden = Werkbank.zwei_Regressionsgeraden;  // its box keeps its tick
  Werkbank = std::move(neu);
}

void Startwerte_zeigen(Anzeige& a) {
  for (const TStartwert& s : Startwerte()) {
    // Labels too: the sheet keeps the text every control shows.
    if (s.text) Feld_zeigen(a, s.name, s.text);
  }
  for (const TStartwert& s : Startwerte())
    if (s.gesperrt) a.Freigabe_zeigen(s.name, false);
  for (const TStartwert& s : Startwerte())
    if (s.an >= 0) a.Haken_zeigen(s.name, s.an == 1);
  for (const TStartwert& s : Startwerte())
    if (s.eintrag >= 0) a.Eintrag_zeigen(s.name, s.eintrag);
  for (const char* n : {"ComboBox_Linienart", "ComboBox_Punkteart", "ComboBox_Flaechenfuellung"})
    a.Neu_malen(n);
}

}  // namespace

// ---- public rules
// --------------------------------------------------------------------------------

bool Feld_zu_Zahl(Anzeige& a, const char* feld, long double& ziel) {
  long double wert = ziel;
  const bool ok = Term_zu_Zahl(Werkbank.Feldtext(feld), wert);
  ziel = wert;
  if (!ok) a.Fokus_zurueck(feld);
  return ok;
}

bool Zahlfeld_verlassen(Anzeige& a, const char* feld) {
  for (const TZahlfeld& z : kZahlfelder) {
    if (!Gleich(z.name, feld)) continue;
    const bool ok = z.regel ? z.regel(a, feld) : Feld_zu_Zahl(a, feld, z.ziel());
    if (ok && z.danach) z.danach(a);
    return ok;
  }
  return false;
}

void Ganzzahlfeld_verlassen(Anzeige& a, const char* feld) {
  if (Gleich(feld, "Edit_n0")) n0_verlassen(a);
  if (Gleich(feld, "Edit_Iterationstiefe")) Iterationstiefe_verlassen(a);
  if (Gleich(feld, "Edit_Mat_n")) Mat_n_verlassen(a);
}

void Termfeld_verlassen(Anzeige& a, const char* feld) {
  const std::string& text = Werkbank.Feldtext(feld);
  const std::string ohne = Zeichen_entfernen(text, ' ');
  if (ohne != text) Feld_zeigen(a, feld, ohne);
  if (!Term_pruefen(ohne)) a.Fokus_zurueck(feld);
}

void Feld_geaendert(Anzeige& a, const char* feld) {
  const std::string& text = Werkbank.Feldtext(feld);
  if (Gleich(feld, "Edit_xa") || Gleich(feld, "Edit_xe")) {
    const bool links = Gleich(feld, "Edit_xa");
    const std::string kopie = text;
    for (const char* f : links ? kLinke_Grenzen : kRechte_Grenzen)
      Feld_zeigen(a, f, kopie);
    x_Grenzen_in_Intervalle(links);
  } else if (Gleich(feld, "Edit_xBeschrift")) {
    KOS.xBeschriftung = text;
  } else if (Gleich(feld, "Edit_yBeschrift")) {
    KOS.yBeschriftung = text;
  } else if (Gleich(feld, "Edit_Text_in_Grafik")) {
    Werkbank.Grafiktext = text;
  }
}

void Termfeld_Taste(Anzeige& a, const char* feld, bool runter) {
  // Each term field with the fields above and below it.
  static constexpr const char* kReihe[][3] = {
      {"Edit_fSchar", nullptr, "Edit_gSchar"}, {"Edit_gSchar", "Edit_fSchar", "Edit_hSchar"},
      {"Edit_hSchar", "Edit_gSchar", nullptr}, {"Edit_xParam", nullptr, "Edit_yParam"},
      {"Edit_yParam", "Edit_xParam", nullptr},
  };
  for (const auto& r : kReihe)
    if (Gleich(r[0], feld) && r[runter ? 2 : 1]) a.Fokus_zurueck(r[runter ? 2 : 1]);
}

void Schalter_geklickt(Anzeige& a, const char* schalter, bool an) {
  if (a.Blattbedienung) Bedienung.Haken[schalter] = an;
  for (const TKurvenschalter& k : kKurvenschalter) {
    if (!Gleich(k.schalter, schalter)) continue;
    Kurve_geklickt(a, k, an);
    if (k.kurve == Kurve_Param) Param_geklickt(a, an);
    if (k.kurve == Kurve_Punktverbindung) Punktverbindung_geklickt(a, an);
    return;
  }
  for (const TSchalterregel& r : kSchalterregeln)
    if (Gleich(r.name, schalter)) return r.regel(a, an);
}

void Liste_gewaehlt(Anzeige& a, const char* liste, int eintrag) {
  if (eintrag < 0) return;
  if (a.Blattbedienung && Startwert(liste)) Bedienung.Eintraege[liste] = eintrag;
  for (const TListenregel& r : kListenregeln)
    if (Gleich(r.name, liste)) return r.regel(a, eintrag);
}

void Kurvenmuster_zeigen(Anzeige& a) {
  const TStil stil = Stil;
  for (const TKurvenschalter& k : kKurvenschalter) {
    TBild* muster = a.Bild(k.muster);
    if (!muster) continue;
    Image_loeschen(*muster);
    if (!Werkbank.Kurve_zeichnen[k.kurve]) continue;
    Stil.Linienfarbe = Werkbank.Kurvenstile[k.kurve].Farbe;
    Linienart_waehlen(Werkbank.Kurvenstile[k.kurve].Linienart);
    Image_neu_zeichnen(*muster, k.kurve == Kurve_Punktverbindung);
  }
  Stil = stil;
}

void Farbfeld_geklickt(Anzeige& a, const char* panel) {
  for (const TFarbfeld& f : kFarbfelder) {
    if (!Gleich(f.name, panel)) continue;
    TFarbe farbe = f.farbe();
    if (Dialog().Farbe_waehlen(farbe)) {
      f.farbe() = farbe;
      a.Farbe_zeigen(f.name, farbe);
      for (const char* l : f.listen)
        if (l) a.Neu_malen(l);
    }
    if (f.neu_zeichnen) Plot_zeichnen(a);
    return;
  }
}

void Standardwerte_einstellen(Anzeige& a) {
  Zustaende_zuruecksetzen();
  // The 10-mm grid button is down until the start-up picks the 5-mm grid.
  a.Haken_zeigen("SpeedButton_Raster_gestrichelt", true);
  Startwerte_zeigen(a);
  a.Eintrag_zeigen("ScrollBar1", Werkbank.Schieberposition);
  a.Farbe_zeigen("Panel_Farbe_Punkte", Stil.Punktfarbe);
  a.Farbe_zeigen("Panel_Farbe_Raster", KOS.Rasterfarbe);
  a.Farbe_zeigen("Panel_Linienfarbe_definieren", Stil.Linienfarbe);
  a.Farbe_zeigen("Panel_Fuellfarbe_definieren", Stil.Fuellfarbe);
  for (const char* f : kStartfelder) {
    if (!Zahlfeld_verlassen(a, f)) Ganzzahlfeld_verlassen(a, f);
  }
  // Column 0 gets back its start width; only a chosen format widens it.
  // The table looks as at start-up again: its columns were widened only for the old format.
  Spaltenbreiten_setzen(Zahlentabelle, Startbreite_Spalte, Startbreite_Spalte0);
  if (TBild* bild = a.Bild("Image1"))
    Bild_platzieren(*bild, KOS.Bild_links, KOS.Bild_oben, KOS.Bildrand_rechts + 1,
                    KOS.Bildrand_unten + 1);
}
