#pragma once
// The start values of the workbench: what every field shows, which switches are on, which list
// items are chosen and which controls are disabled when the program starts and after a reset.
// The window builder, the reset and the workbench record all read this one table.

#include <array>
#include <span>
#include <string_view>

// Terms the mode switches put into their fields; the start texts use them too.
inline constexpr const char* kTerm_Folge_explizit = "5n/(2n+3)";
inline constexpr const char* kTerm_Folge_rekursiv = "3,2x(1-x)";
inline constexpr const char* kTerm_Folge_zweischrittig = "111-(1130-3000/x)/k";
inline constexpr const char* kTerm_x_Param = "x·cos(t)";
inline constexpr const char* kTerm_y_Param = "3x/5·sin(t)";
inline constexpr const char* kTerm_r_Polar = "1,2t·sin(7t)";

struct TStartwert {
  const char* name;
  const char* text = nullptr;  // field or label text
  long double zahl = 0;        // the value the text stands for (number fields)
  int an = -1;                 // switch: 1 on, 0 off; -1 not a switch
  int eintrag = -1;            // list: item index; -1 not a list
  bool gesperrt = false;       // disabled until a mode switch enables it
};

namespace startwerte_intern {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

constexpr TStartwert Text(const char* n, const char* t, long double z = 0, bool aus = false) {
  return {n, t, z, -1, -1, aus};
}
constexpr TStartwert Schalter(const char* n, bool an, bool aus = false) {
  return {n, nullptr, 0, an ? 1 : 0, -1, aus};
}
constexpr TStartwert Liste(const char* n, int eintrag) {
  return {n, nullptr, 0, -1, eintrag, false};
}
constexpr TStartwert Gesperrt(const char* n) {
  return {n, nullptr, 0, -1, -1, true};
}

inline constexpr auto kTabelle = std::to_array<TStartwert>({
    // View and picture size.
    Text("Edit_Bildbreite", "16", 16),
    Text("Edit_Bildtiefe", "16", 16),
    Text("Edit_xa", "-8", -8),
    Text("Edit_xe", "8", 8),
    Text("Edit_ya", "-8", -8),
    Text("Edit_ye", "8", 8),
    Text("Edit_xscl", "1", 1),
    Text("Edit_yscl", "1", 1),
    Text("Edit_xBeschrift", "x"),
    Text("Edit_yBeschrift", "y"),
    Text("Edit_Text_in_Grafik", "P(6/4)"),
    // Terms.
    Text("Edit_fSchar", "0,1tx(9t-x²)"),
    Text("Edit_gSchar", "sin(x)/x"),
    Text("Edit_hSchar", "sgn(x+1,5)"),
    Text("Edit_xParam", kTerm_x_Param),
    Text("Edit_yParam", kTerm_y_Param),
    Text("Edit_Folge", kTerm_Folge_explizit),
    // Drawing intervals, tool interval, family and curve parameters.
    Text("Edit_xaSchar", "-8", -8),
    Text("Edit_xeSchar", "8", 8),
    Text("Edit_xaSchar_g", "-8", -8),
    Text("Edit_xeSchar_g", "8", 8),
    Text("Edit_xaSchar_h", "-8", -8),
    Text("Edit_xeSchar_h", "8", 8),
    Text("Edit_aStart", "-8", -8),
    Text("Edit_bEnde", "8", 8),
    Text("Edit_delta_x", "1", 1),
    Text("Edit_u", "0", 0),
    Text("Edit_Schar_t1", "1", 1),
    Text("Edit_Schar_t2", "2,2", 2.2L),
    Text("Edit_delta_t", "0,2", 0.2L),
    Text("LabelSchiebereglerWert", " 1 "),
    Text("Edit_Param_k1", "0", 0),
    Text("Edit_Param_k2", "2pi", 2 * kPi),
    Text("Edit_delta_Phi", "pi/720", kPi / 720),
    // Sequences: the start values wait for the recursive modes.
    Text("Edit_n0", "1", 1),
    Text("Edit_x_n0", "0,5", 0.5L, true),
    Gesperrt("Label_x_n0"),
    Text("Edit_y_n1", "0,6", 0.6L, true),
    Gesperrt("Label_y_n1"),
    Text("Edit_Iterationstiefe", "500", 500, true),
    Gesperrt("Label_Iterationstiefe"),
    // Matrices and column operations.
    Text("Edit_Mat_n", "2", 2),
    Text("Edit_skalar_r", "3/100", 0.03L),
    // Axes and grid.
    Schalter("CheckBox_xAchse", true),
    Schalter("CheckBox_yAchse", true),
    Schalter("CheckBox_Skalierung", true),
    Schalter("CheckBox_Zahlen_an_Achsen", true),
    Schalter("CheckBox_Achsen_dick", false),
    Schalter("CheckBox_Grobraster", true),
    // Modes and curves; f is switched on by the start-up itself, after the reset.
    Schalter("CheckBox_Textmodus", false),
    Schalter("CheckBox_ZoomModus", false),
    Schalter("CheckBox_Fixkomma", false),
    Schalter("CheckBox_Bruchdarstellung", false),
    Schalter("CheckBox_alle_t_verwenden", false),
    Schalter("CheckBox_Punkte", false),
    Schalter("CheckBox_Integralfunktion_tabellieren", false),
    Schalter("CheckBox_Polar_Wahl", false),
    Schalter("CheckBox_Param", false),
    Schalter("CheckBox_Folge", false),
    Schalter("CheckBox_Web", false, true),
    Schalter("CheckBox_nur_g_zeichnen", false, true),
    Schalter("CheckBox_rekursiv", false),
    Schalter("CheckBox_rekursivxy", false),
    Schalter("CheckBox_Grobschraffur", false),
    Schalter("CheckBox_Newton_tabellieren", false),
    Schalter("CheckBox_DatenPkte_verbinden", false),
    Schalter("CheckBox_Schar_f_zeichnen", false),
    Schalter("CheckBox_Schar_g_zeichnen", false),
    Schalter("CheckBox_Schar_h_zeichnen", false),
    Schalter("CheckBox_Schar_fs_zeichnen", false),
    Schalter("CheckBox_Schar_fs2_zeichnen", false),
    Schalter("CheckBox_Schar_fs3_zeichnen", false),
    Schalter("CheckBox_f_invers_zeichnen", false),
    Schalter("CheckBox_Integralfunktion", false),
    Schalter("CheckBox_Schar_kr_zeichnen", false),
    Schalter("CheckBox_x_gleich_a", false),
    Schalter("CheckBox_x_gleich_b", false),
    Schalter("CheckBox_loeschen", true),
    Schalter("CheckBox_Achsen_automatisch_beschriften", true),
    // Lists.
    Liste("ComboBox_Linienart", 1),
    Liste("ComboBox_PunktRadius", 3),
    Liste("ComboBox_Punkteart", 1),
    Liste("ComboBox_Flaechenfuellung", 5),
    Liste("ComboBox_Zahlenhoehe", 0),
    Liste("ComboBox_Nachkommastellen", 6),
    Liste("ComboBox_Gesamtstellen", 1),
    Liste("ComboBox_Integrationsmethode", 0),
    Liste("ComboBox_DiagrammTyp", 0),
    Liste("ComboBox_RegressionsModelle", 1),
    Liste("ComboBox_DiagrPlotNr", 0),
    Liste("ComboBox_Punkte_ab_Spalte", 0),
    Liste("ComboBox_MatrixOps", 0),
});

// The tree-diagram window keeps its own start values; the main window's reset leaves them alone.
inline constexpr auto kTabelle_Baumdiagramm = std::to_array<TStartwert>({
    Liste("ComboBox_Stufenzahl", 0),  // 2 stages
    Text("Edit_Erfolg", "w"),
    Text("Edit_Misserfolg", "f"),
    Liste("ComboBox_W_Zaehler", 0),  // p = 1/3
    Liste("ComboBox_W_Nenner", 2),
    Schalter("CheckBox_mit_Farbe", true),
    Schalter("CheckBox_Text_an_Aeste", true),
    Schalter("CheckBox_Wsk_an_Aeste", true),
    Schalter("CheckBox_Pfadwahrsch_ausgeben", true),
});

constexpr bool Gleich(const char* a, std::string_view b) {
  return std::string_view(a) == b;
}

}  // namespace startwerte_intern

inline std::span<const TStartwert> Startwerte() {
  return startwerte_intern::kTabelle;
}

inline std::span<const TStartwert> Startwerte_Baumdiagramm() {
  return startwerte_intern::kTabelle_Baumdiagramm;
}

// The row of a control of any window, or nullptr when it has no start value.
constexpr const TStartwert* Startwert(std::string_view name) {
  for (const TStartwert& s : startwerte_intern::kTabelle)
    if (startwerte_intern::Gleich(s.name, name)) return &s;
  for (const TStartwert& s : startwerte_intern::kTabelle_Baumdiagramm)
    if (startwerte_intern::Gleich(s.name, name)) return &s;
  return nullptr;
}

// The value, text or item of a control that has one; a name without a row is a programming
// fault that the unit tests catch, so these give neutral values for it.
constexpr long double Startzahl(std::string_view name) {
  const TStartwert* s = Startwert(name);
  return s ? s->zahl : 0;
}
constexpr const char* Starttext(std::string_view name) {
  const TStartwert* s = Startwert(name);
  return s && s->text ? s->text : "";
}
constexpr int Starteintrag(std::string_view name) {
  const TStartwert* s = Startwert(name);
  return s ? s->eintrag : -1;
}
constexpr bool Startschalter(std::string_view name) {
  const TStartwert* s = Startwert(name);
  return s && s->an == 1;
}
