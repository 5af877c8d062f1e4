// The plot action and what belongs to it: the grid buttons and the family slider.

#include <QAbstractButton>
#include <QLabel>

#include "analysis/UKurven.h"
#include "analysis/Werkbank.h"
#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "platform/Dialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"

namespace {

struct TKurveneintrag {
  const char* schalter;
  Kurve kurve;
  int modus;
};

// Drawing order: later curves lie over earlier ones.
constexpr TKurveneintrag kKurven[] = {
    {"CheckBox_Schar_f_zeichnen", Kurve_f, Modus_Funktion},
    {"CheckBox_Schar_g_zeichnen", Kurve_g, Modus_Funktion},
    {"CheckBox_Schar_h_zeichnen", Kurve_h, Modus_Funktion},
    {"CheckBox_Schar_fs_zeichnen", Kurve_fs, Modus_Ableitung_1},
    {"CheckBox_Schar_fs2_zeichnen", Kurve_fs2, Modus_Ableitung_2},
    {"CheckBox_Schar_fs3_zeichnen", Kurve_fs3, Modus_Ableitung_3},
    {"CheckBox_f_invers_zeichnen", Kurve_inv, Modus_Umkehrrelation},
    {"CheckBox_Integralfunktion", Kurve_Int, Modus_Integralfunktion},
    {"CheckBox_Schar_kr_zeichnen", Kurve_krue, Modus_Kruemmung},
};

long double Feld_als_Term(const TForm1& form, const char* feld) {
  return Term_auswerten(form.Text(feld), 0, 0);
}

void Rasterknoepfe_zeigen(TForm1& form, const char* gedrueckt) {
  for (const char* name :
       {"SpeedButton_ohne_Raster", "SpeedButton_Raster_gestrichelt", "SpeedButton_Raster_mittel",
        "SpeedButton_Raster_eng", "SpeedButton_Raster_1mm"}) {
    if (QAbstractButton* k = form.Knopf(name)) {
      k->setCheckable(true);
      k->setChecked(std::string(name) == gedrueckt);
    }
  }
}

void Raster_waehlen(TForm1& form, const char* knopf, bool an, int teilung, TStiftstil stil) {
  KOS.Raster_an = an;
  if (an) {
    KOS.Rasterteilung = teilung;
    KOS.Raster_Linienstil = stil;
  }
  Rasterknoepfe_zeigen(form, knopf);
  form.SpeedButton_PlotClick();
}

}  // namespace

void TForm1::SpeedButton_PlotClick() {
  // A long drawing lets the window answer its progress display; a second plot started from
  // there is not started, so no drawing runs into another one halfway.
  static bool zeichnet = false;
  if (zeichnet) return;
  struct Sperre {
    explicit Sperre(bool& f) : flag(f) { flag = true; }
    ~Sperre() { flag = false; }
    bool& flag;
  };
  if (!(KOS.xli < KOS.xre)) {
    Dialog().Meldung("xli >= xre  !");
    return;
  }
  if (!(KOS.yu < KOS.yo)) {
    Dialog().Meldung("yu >= yo  !");
    return;
  }
  const Sperre sperre(zeichnet);
  TBild& bild = Image1->Bild;
  if (Haken("CheckBox_loeschen")) KOS_zeichnen(bild);

  TScharwerte s;
  s.t1 = Feld_als_Term(*this, "Edit_Schar_t1");
  s.t2 = Feld_als_Term(*this, "Edit_Schar_t2");
  s.dt = Feld_als_Term(*this, "Edit_delta_t");
  s.u = Feld_als_Term(*this, "Edit_u");
  s.alle_t = Haken("CheckBox_alle_t_verwenden");
  Werkbank.u = s.u;

  const std::string f = Text("Edit_fSchar");
  for (const auto& k : kKurven) {
    if (!Haken(k.schalter)) continue;
    std::string term = f;
    long double a = Werkbank.xaSchar, b = Werkbank.xeSchar;
    if (k.kurve == Kurve_g) {
      term = Text("Edit_gSchar");
      a = Werkbank.xaSchar_g;
      b = Werkbank.xeSchar_g;
    } else if (k.kurve == Kurve_h) {
      term = Text("Edit_hSchar");
      a = Werkbank.xaSchar_h;
      b = Werkbank.xeSchar_h;
    }
    const Kurvenstil& stil = Werkbank.Kurvenstile[k.kurve];
    if (!Kurve_zeichnen(bild, term, stil.Farbe, stil.Linienart, k.modus, a, b, s)) return;
  }
  if (Haken("CheckBox_x_gleich_a")) {
    const Kurvenstil& stil = Werkbank.Kurvenstile[Kurve_x_gleich_a];
    Senkrechte_zeichnen(bild, Text("Edit_aStart"), stil.Farbe, stil.Linienart);
  }
  if (Haken("CheckBox_x_gleich_b")) {
    const Kurvenstil& stil = Werkbank.Kurvenstile[Kurve_x_gleich_b];
    Senkrechte_zeichnen(bild, Text("Edit_bEnde"), stil.Farbe, stil.Linienart);
  }
  // Table points are drawn as by their own button, once the table capability provides it.
  if (Haken("CheckBox_Punkte") &&
      metaObject()->indexOfSlot("SpeedButton_Punkte_einzeichnenClick()") >= 0) {
    QMetaObject::invokeMethod(this, "SpeedButton_Punkte_einzeichnenClick", Qt::DirectConnection);
  }
}

void TForm1::SpeedButton_ohne_RasterClick() {
  Raster_waehlen(*this, "SpeedButton_ohne_Raster", false, 0, TStiftstil::Durchgezogen);
}
void TForm1::SpeedButton_Raster_gestricheltClick() {
  Raster_waehlen(*this, "SpeedButton_Raster_gestrichelt", true, 1, TStiftstil::Gepunktet);
}
void TForm1::SpeedButton_Raster_mittelClick() {
  Raster_waehlen(*this, "SpeedButton_Raster_mittel", true, 2, TStiftstil::Durchgezogen);
}
void TForm1::SpeedButton_Raster_engClick() {
  Raster_waehlen(*this, "SpeedButton_Raster_eng", true, 5, TStiftstil::Durchgezogen);
}
void TForm1::SpeedButton_Raster_1mmClick() {
  Raster_waehlen(*this, "SpeedButton_Raster_1mm", true, 10, TStiftstil::Durchgezogen);
}

// The slider shows the single member for a t between the two bounds, which stay as typed. The
// bounds are read as terms like every number field, so "pi/2" works here too.
void TForm1::ScrollBar1Change() {
  Haken_setzen("CheckBox_alle_t_verwenden", false);
  const std::string t1_text = Text("Edit_Schar_t1");
  const std::string t2_text = Text("Edit_Schar_t2");
  long double t1 = 0, t2 = 0;
  if (!Term_zu_Zahl(t1_text, t1) || !Term_zu_Zahl(t2_text, t2)) return;
  const long double t = Schieberegler_Wert(ScrollBar1->value(), t1, t2);
  const std::string text = Gleitkomma_Text(t);
  Text_setzen("Edit_Schar_t1", text);
  if (auto* l = Element<QLabel>("LabelSchiebereglerWert")) l->setText(QString::fromStdString(text));
  Text_setzen("Edit_Schar_t2", text);
  SpeedButton_PlotClick();
  Text_setzen("Edit_Schar_t1", t1_text);
  Text_setzen("Edit_Schar_t2", t2_text);
}
