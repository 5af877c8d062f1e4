#include "workbench/Plotaktion.h"

#include <string>
#include <utility>

#include "analysis/UKurven.h"
#include "analysis/UParameterkurven.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "workbench/Eingaben.h"
#include "workbench/Folgenaktion.h"
#include "workbench/Punkteaktion.h"
#include "workbench/Werkbank.h"

namespace {

struct TKurveneintrag {
  Kurve kurve;
  int modus;
  const char* term;  // field of the term
};

// Drawing order: later curves lie over earlier ones.
constexpr TKurveneintrag kKurven[] = {
    {Kurve_f, Modus_Funktion, "Edit_fSchar"},
    {Kurve_g, Modus_Funktion, "Edit_gSchar"},
    {Kurve_h, Modus_Funktion, "Edit_hSchar"},
    {Kurve_fs, Modus_Ableitung_1, "Edit_fSchar"},
    {Kurve_fs2, Modus_Ableitung_2, "Edit_fSchar"},
    {Kurve_fs3, Modus_Ableitung_3, "Edit_fSchar"},
    {Kurve_inv, Modus_Umkehrrelation, "Edit_fSchar"},
    {Kurve_Int, Modus_Integralfunktion, "Edit_fSchar"},
    {Kurve_krue, Modus_Kruemmung, "Edit_fSchar"},
};

long double Feld_als_Term(const char* feld) {
  return Term_auswerten(Werkbank.Feldtext(feld), 0, 0);
}

void Intervall(Kurve k, long double& a, long double& b) {
  a = k == Kurve_g ? Werkbank.xaSchar_g : k == Kurve_h ? Werkbank.xaSchar_h : Werkbank.xaSchar;
  b = k == Kurve_g ? Werkbank.xeSchar_g : k == Kurve_h ? Werkbank.xeSchar_h : Werkbank.xeSchar;
}

}  // namespace

// The family bounds are read as terms at every plot, like the fields show them.
TScharwerte Scharwerte_lesen() {
  TScharwerte s;
  s.t1 = Feld_als_Term("Edit_Schar_t1");
  s.t2 = Feld_als_Term("Edit_Schar_t2");
  s.dt = Feld_als_Term("Edit_delta_t");
  s.u = Feld_als_Term("Edit_u");
  s.alle_t = Werkbank.alle_t_verwenden;
  Werkbank.u = s.u;
  return s;
}

namespace {

// A curve whose step would need more points than a member may draw is drawn with fewer points
// spread over its whole range; the user hears of it once for each curve and range, not at every
// redraw.
void Kurve_verteilt_melden(const TParameterbereich& p, bool polar) {
  static TEinmalmeldung meldung;
  if (!Parameterraster(p).gleichmaessig) return;
  const std::string kurve =
      std::string(polar ? "r" : "xy") + '\n' + Werkbank.Feldtext("Edit_xParam") + '\n' +
      (polar ? "" : Werkbank.Feldtext("Edit_yParam")) + '\n' + Gleitkomma_Text(p.k1) + '\n' +
      Gleitkomma_Text(p.k2) + '\n' + Gleitkomma_Text(p.dk);
  if (!meldung.Neu(kurve)) return;
  const std::string n = std::to_string(kParameterpunkte_hoechstens);
  Dialog().Meldung("Die Schrittweite der Kurve ist so fein, dass mehr als " + n +
                   " Punkte nötig wären.\r\nGezeichnet werden " + n +
                   " Punkte, gleichmäßig über den ganzen Parameterbereich verteilt.");
}

// x(t), y(t) or r(t) with the style captured at its switch. Automatic captions name the axes
// after the curve, and the picture is cleared again so that they show. The polar range is read
// from its fields at every plot; a field that does not read keeps the value last accepted.
bool Parameterkurve(Anzeige& a, TBild& bild, const TScharwerte& s) {
  if (!Werkbank.Kurve_zeichnen[Kurve_Param]) return true;
  const bool polar = Werkbank.Polardarstellung;
  if (Werkbank.Achsen_automatisch_beschriften) {
    const TAchsentitel titel = polar ? kTitel_Polarkurve : kTitel_Parameterkurve;
    Feld_zeigen(a, "Edit_xBeschrift", KOS.xBeschriftung = titel.x);
    Feld_zeigen(a, "Edit_yBeschrift", KOS.yBeschriftung = titel.y);
  }
  if (Werkbank.loeschen) KOS_zeichnen(bild);
  const Kurvenstil& stil = Werkbank.Kurvenstile[Kurve_Param];
  const std::string& x = Werkbank.Feldtext("Edit_xParam");
  TParameterbereich p{Werkbank.Param_k1, Werkbank.Param_k2, Werkbank.delta_Phi};
  if (!polar) {
    Kurve_verteilt_melden(p, false);
    return Parameterkurve_zeichnen(bild, x, Werkbank.Feldtext("Edit_yParam"), stil.Farbe,
                                   stil.Linienart, p, s);
  }
  for (auto [feld, wert] :
       {std::pair{"Edit_Param_k1", &p.k1}, {"Edit_Param_k2", &p.k2}, {"Edit_delta_Phi", &p.dk}}) {
    const long double w = Feld_als_Term(feld);
    if (!Fehler) *wert = w;
  }
  Werkbank.delta_Phi = p.dk;
  Kurve_verteilt_melden(p, true);
  return Polarkurve_zeichnen(bild, x, stil.Farbe, stil.Linienart, p, s);
}

// A family with more members than a picture can tell apart is cut short; the user hears of it
// once for each family range, not at every redraw, zoom or drag.
void Schar_begrenzt_melden(const TScharwerte& s) {
  static TEinmalmeldung meldung;
  if (!s.alle_t || !Schar_begrenzt(s)) return;
  const std::string bereich = Werkbank.Feldtext("Edit_Schar_t1") + '\n' +
                              Werkbank.Feldtext("Edit_Schar_t2") + '\n' +
                              Werkbank.Feldtext("Edit_delta_t");
  if (!meldung.Neu(bereich)) return;
  const std::string n = std::to_string(kScharglieder_hoechstens);
  Dialog().Meldung("Die Schar hat mehr als " + n +
                   " Glieder.\r\nGezeichnet werden nur die ersten " + n + ".");
}

bool Kurven_zeichnen(TBild& bild, const TScharwerte& s) {
  for (const TKurveneintrag& k : kKurven) {
    if (!Werkbank.Kurve_zeichnen[k.kurve]) continue;
    long double a = 0, b = 0;
    Intervall(k.kurve, a, b);
    const Kurvenstil& stil = Werkbank.Kurvenstile[k.kurve];
    if (!Kurve_zeichnen(bild, Werkbank.Feldtext(k.term), stil.Farbe, stil.Linienart, k.modus, a, b,
                        s))
      return false;
  }
  return true;
}

void Senkrechte(TBild& bild, Kurve k, const char* feld) {
  if (!Werkbank.Kurve_zeichnen[k]) return;
  const Kurvenstil& stil = Werkbank.Kurvenstile[k];
  Senkrechte_zeichnen(bild, Werkbank.Feldtext(feld), stil.Farbe, stil.Linienart);
}

// A long drawing lets the window answer its progress display; a second plot started from there
// is not started, so no drawing runs into another one halfway.
class TPlotsperre {
 public:
  TPlotsperre() : frei_(!aktiv_) { aktiv_ = true; }
  ~TPlotsperre() {
    if (frei_) aktiv_ = false;
  }
  TPlotsperre(const TPlotsperre&) = delete;
  TPlotsperre& operator=(const TPlotsperre&) = delete;
  bool frei() const { return frei_; }

 private:
  static inline bool aktiv_ = false;
  bool frei_;
};

}  // namespace

void Plot_zeichnen(Anzeige& a) {
  const TPlotsperre sperre;
  if (!sperre.frei()) return;
  if (!(KOS.xli < KOS.xre)) {
    Dialog().Meldung("xli >= xre  !");
    return;
  }
  if (!(KOS.yu < KOS.yo)) {
    Dialog().Meldung("yu >= yo  !");
    return;
  }
  TBild* bild = a.Bild("Image1");
  if (!bild) return;
  if (Werkbank.loeschen) KOS_zeichnen(*bild);
  const TScharwerte s = Scharwerte_lesen();
  Schar_begrenzt_melden(s);
  if (!Parameterkurve(a, *bild, s)) return;
  if (Werkbank.Folge) Folge_plotten(a, *bild, s);
  if (!Kurven_zeichnen(*bild, s)) return;
  Senkrechte(*bild, Kurve_x_gleich_a, "Edit_aStart");
  Senkrechte(*bild, Kurve_x_gleich_b, "Edit_bEnde");
  if (Werkbank.Punkte) Tabellenpunkte_zeichnen(a);
}

void Raster_waehlen(Anzeige& a, TRaster r) {
  struct TRasterknopf {
    TRaster raster;
    const char* knopf;
    int teilung;  // 0 = no grid
    TStiftstil stil;
  };
  static constexpr TRasterknopf kKnoepfe[] = {
      {TRaster::ohne, "SpeedButton_ohne_Raster", 0, TStiftstil::Durchgezogen},
      {TRaster::gestrichelt, "SpeedButton_Raster_gestrichelt", 1, TStiftstil::Gepunktet},
      {TRaster::mittel, "SpeedButton_Raster_mittel", 2, TStiftstil::Durchgezogen},
      {TRaster::eng, "SpeedButton_Raster_eng", 5, TStiftstil::Durchgezogen},
      {TRaster::mm1, "SpeedButton_Raster_1mm", 10, TStiftstil::Durchgezogen},
  };
  for (const TRasterknopf& k : kKnoepfe) {
    a.Haken_zeigen(k.knopf, k.raster == r);
    if (k.raster != r) continue;
    KOS.Raster_an = k.teilung > 0;
    if (KOS.Raster_an) {
      KOS.Rasterteilung = k.teilung;
      KOS.Raster_Linienstil = k.stil;
    }
  }
  Plot_zeichnen(a);
}

void Schieberegler_bewegt(Anzeige& a, int position) {
  // Faulty bounds are reported at the first step of a drag, not at every step.
  static TEinmalmeldung meldung;
  a.Haken_zeigen("CheckBox_alle_t_verwenden", false);
  const std::string t1_text = Werkbank.Feldtext("Edit_Schar_t1");
  const std::string t2_text = Werkbank.Feldtext("Edit_Schar_t2");
  const std::string grenzen = t1_text + '\n' + t2_text;
  if (meldung.Gemeldet(grenzen)) return;
  long double t1 = 0, t2 = 0;
  if (!Term_zu_Zahl(t1_text, t1) || !Term_zu_Zahl(t2_text, t2)) {
    meldung.Merken(grenzen);
    return;
  }
  meldung.Vergessen();
  const std::string text = Gleitkomma_Text(Schieberegler_Wert(position, t1, t2));
  Feld_zeigen(a, "Edit_Schar_t1", text);
  a.Text_zeigen("LabelSchiebereglerWert", text);
  Feld_zeigen(a, "Edit_Schar_t2", text);
  Plot_zeichnen(a);
  Feld_zeigen(a, "Edit_Schar_t1", t1_text);
  Feld_zeigen(a, "Edit_Schar_t2", t2_text);
}
