// The integral buttons end to end: clicked in the real window, dialogs answered by script,
// messages, table cells and pixels read back.

#include <QAbstractItemView>
#include <QComboBox>
#include <QMetaObject>
#include <optional>
#include <string>
#include <vector>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "workbench/Werkbank.h"

namespace {

constexpr TFarbe kFuellung = 0xFF00FF;  // start fill colour, magenta

class Integrale : public Plotfenster {
 protected:
  static void Klick(const char* knopf) {
    ASSERT_NE(form->Knopf(knopf), nullptr) << knopf;
    form->Knopf(knopf)->click();
  }
  // Terms of f, g, h; an empty text leaves that curve unchecked.
  static void Kurven(const std::string& f, const std::string& g = "", const std::string& h = "") {
    const std::pair<const char*, const std::string*> kurven[] = {{"f", &f}, {"g", &g}, {"h", &h}};
    for (const auto& [name, term] : kurven) {
      if (term->empty()) continue;
      Eingeben((std::string("Edit_") + name + "Schar").c_str(), *term);
      Kurve_an((std::string("CheckBox_Schar_") + name + "_zeichnen").c_str(), kGruen);
    }
  }
  static void Intervall(const std::string& a, const std::string& b) {
    Eingeben("Edit_aStart", a);
    Eingeben("Edit_bEnde", b);
  }
  static std::string Zelle(int spalte, int zeile) {
    auto* sicht = qobject_cast<QAbstractItemView*>(form->StringGrid1);
    auto* m = sicht->model();
    return m->data(m->index(zeile, spalte)).toString().toStdString();
  }
  static std::string Hinweis(const char* knopf) {
    const std::string handler = std::string(knopf) + "MouseMove";
    EXPECT_TRUE(QMetaObject::invokeMethod(form, handler.c_str(), Qt::DirectConnection)) << knopf;
    return form->Element(knopf)->toolTip().toStdString();
  }
};

// ---- integral and area ---------------------------------------------------------------------

TEST_F(Integrale, Integral_und_Flaeche) {
  const struct {
    const char *f, *g, *h, *a, *b, *meldung;
  } faelle[] = {
      {"x^2", "", "", "0", "3",
       "Integral I und Flächeninhalt A im Intervall [0 ; 3]\rzwischen f=x^2 und "
       "x-Achse\r\rIntegral I = 9\rFlächeninhalt A = 9"},
      // Reversed bounds: the integral changes sign, the area stays positive.
      {"x^2", "", "", "3", "0",
       "Integral I und Flächeninhalt A im Intervall [3 ; 0]\rzwischen f=x^2 und "
       "x-Achse\r\rIntegral I = -9\rFlächeninhalt A = 9"},
      // g is subtracted as a whole: x^2 - (-x) = x^2 + x.
      {"x^2", "-x", "", "0", "3",
       "Integral I und Flächeninhalt A im Intervall [0 ; 3]\rzwischen f=x^2 und "
       "g=-x\r\rIntegral I = 13,5\rFlächeninhalt A = 13,5"},
      {"", "x+1", "", "-1", "1",
       "Integral I und Flächeninhalt A im Intervall [-1 ; 1]\rzwischen g=x+1 und "
       "x-Achse\r\rIntegral I = 2\rFlächeninhalt A = 2"},
      {"", "", "2", "0", "1,5",
       "Integral I und Flächeninhalt A im Intervall [0 ; 1,5]\rzwischen h=2 und "
       "x-Achse\r\rIntegral I = 3\rFlächeninhalt A = 3"},
  };
  for (const auto& f : faelle) {
    SetUp();
    Kurven(f.f, f.g, f.h);
    Intervall(f.a, f.b);
    SkriptDialoge d;
    Klick("SpeedButton_Integral_f_g");
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung}) << f.f << f.g << f.h;
  }
}

TEST_F(Integrale, Integral_ungerade_Funktion_hat_Flaeche_eins) {
  Kurven("x");
  Intervall("-1", "1");
  SkriptDialoge d;
  Klick("SpeedButton_Integral_f_g");
  const std::string m = d.letzte_meldung();
  const std::string I = m.substr(m.find("Integral I = ") + 13);
  EXPECT_NEAR(std::stod(I.substr(0, I.find('\r'))), 0.0, 1e-6);
  EXPECT_EQ(m.substr(m.find("Flächeninhalt A = ")), "Flächeninhalt A = 1");
}

TEST_F(Integrale, Integral_Fehler) {
  const struct {
    const char* f;
    const char* meldung;
  } faelle[] = {{"", "Bitte erst Haken bei f, g oder h setzen !"},
                {"sqrt(x)", "Kann Integral nicht berechnen !   "}};
  for (const auto& f : faelle) {
    SetUp();
    if (*f.f) Kurven(f.f);
    Intervall("-2", "-1");
    SkriptDialoge d;
    Klick("SpeedButton_Integral_f_g");
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung}) << f.f;
  }
}

TEST_F(Integrale, Romberg_tab_schreibt_das_Schema_in_die_Tabelle) {
  Kurven("x^2");
  Intervall("0", "3");
  auto* liste = form->Liste("ComboBox_Integrationsmethode");
  liste->setCurrentIndex(5);
  ASSERT_TRUE(
      QMetaObject::invokeMethod(form, "ComboBox_IntegrationsmethodeChange", Qt::DirectConnection));
  Zahlentabelle.Zelle_setzen(30, 40, "alt");
  SkriptDialoge d;
  Klick("SpeedButton_Integral_f_g");
  EXPECT_EQ(d.letzte_meldung().substr(d.letzte_meldung().rfind("Integral I")),
            "Integral I = 9\rFlächeninhalt A = 9");
  // Trapezoid sums with h = 3 and 1,5 in row 1, their extrapolation below.
  const struct {
    int spalte, zeile;
    const char* text;
  } zellen[] = {{1, 0, "Romberg-"}, {2, 0, "Schema"},    {3, 0, "Integration"},
                {4, 0, "  R 3,i"},  {43, 0, "  R 42,i"}, {1, 1, "13,5"},
                {2, 1, "10,125"},   {1, 2, "9"},         {30, 40, ""}};
  for (const auto& z : zellen)
    EXPECT_EQ(Zelle(z.spalte, z.zeile), z.text) << z.spalte;
}

// ---- strip sums ----------------------------------------------------------------------------

TEST_F(Integrale, Streifensummen_von_x_Quadrat) {
  Kurven("x^2");
  Intervall("0", "1");
  SkriptDialoge d;
  d.antworten_eingabe = {"4", "o"};
  Klick("SpeedButton_U_O_Tr_Summe");
  EXPECT_EQ(d.eingabe_prompts, (std::vector<std::string>{"Anzahl der Streifen im Intervall [0;1] :",
                                                         "USum=u  OSum=o  Trapez=t  Mittenr=m"}));
  EXPECT_EQ(d.eingabe_vorgaben, (std::vector<std::string>{"8", "u"}));
  EXPECT_EQ(d.meldungen,
            std::vector<std::string>{"USum4 = 0,21875\r\nOSum4 = 0,46875\r\nArithm. Mittel = "
                                     "0,34375\r\n\nMittenrechteckSum4 = 0,328125\r\nTrapSum4 = "
                                     "0,34375\r\n\n"});
}

TEST_F(Integrale, Streifen_werden_nach_Art_gezeichnet) {
  // Top edge of the last strip [0,75; 1] of x^2, in the pen colour.
  const struct {
    const char* art;
    long double y;
  } faelle[] = {{"o", 1}, {"U", 0.5625L}, {"m", 0.765625L}, {"x", 0.765625L}, {"t", 0.78125L}};
  for (const auto& f : faelle) {
    SetUp();
    Kurven("x^2");
    Intervall("0", "1");
    SkriptDialoge d;
    d.antworten_eingabe = {"4", f.art};
    Klick("SpeedButton_U_O_Tr_Summe");
    const int X = x_zu_Pixel(Bild(), 0.875L), Y = y_zu_Pixel(Bild(), f.y);
    const bool kante = P(X, Y - 1) == kBlau || P(X, Y) == kBlau || P(X, Y + 1) == kBlau;
    EXPECT_TRUE(kante) << f.art;
    EXPECT_NE(P(X, y_zu_Pixel(Bild(), 1.1L)), kBlau) << f.art;
  }
}

TEST_F(Integrale, Streifen_schmaler_als_ein_Pixel_werden_nicht_gezeichnet) {
  Kurven("1");
  Intervall("0", "1");
  const int W = x_zu_Pixel(Bild(), 1) - x_zu_Pixel(Bild(), 0);
  const QImage vorher = Kopie();
  SkriptDialoge d;
  d.antworten_eingabe = {std::to_string(W + 1), "o"};
  Klick("SpeedButton_U_O_Tr_Summe");
  const std::string n = std::to_string(W + 1);
  EXPECT_EQ(d.letzte_meldung(), "USum" + n + " = 1\r\nOSum" + n + " = 1\r\nArithm. Mittel = 1" +
                                    "\r\n\nMittenrechteckSum" + n + " = 1\r\nTrapSum" + n +
                                    " = 1\r\n\nKeine Grafik , da n > " + std::to_string(W));
  EXPECT_EQ(Kopie(), vorher);
}

TEST_F(Integrale, Streifenzahl_wird_geprueft) {
  const struct {
    std::optional<std::string> antwort;
    std::vector<std::string> meldungen;
  } faelle[] = {{"10001", {"Streifenanzahl > 10000 !"}},
                {"abc", {"Eingabefehler !"}},
                {"2,5", {"Eingabefehler !"}},
                {"0", {"0 Streifen machen keinen Sinn !"}},
                {"-3", {"0 Streifen machen keinen Sinn !"}},
                {std::nullopt, {}}};
  for (const auto& f : faelle) {
    SetUp();
    Kurven("x");
    SkriptDialoge d;
    d.antworten_eingabe = {f.antwort};
    Klick("SpeedButton_U_O_Tr_Summe");
    EXPECT_EQ(d.meldungen, f.meldungen) << f.antwort.value_or("Abbruch");
    EXPECT_EQ(d.eingabe_prompts.size(), 1u);
  }
}

// ---- volumes of revolution -----------------------------------------------------------------

TEST_F(Integrale, Rotationsvolumen_von_f_g_und_ihrer_Differenz) {
  Kurven("x", "2");
  for (const char* feld : {"Edit_xaSchar", "Edit_xaSchar_g"})
    Eingeben(feld, "0");
  for (const char* feld : {"Edit_xeSchar", "Edit_xeSchar_g"})
    Eingeben(feld, "3");
  form->Liste("ComboBox_Integrationsmethode")->setCurrentIndex(3);
  SkriptDialoge d;
  Klick("SpeedButton_Rotationsintegral");
  // Integrals of x^2 and 4 over [0; 3]: 9 and 12, difference 3.
  EXPECT_EQ(d.meldungen, std::vector<std::string>{
                             "Rotationsvolumen V\rfür  f in [0 ; 3]\rfür  g in [0 ; 3]\r\rV_f = "
                             "9*pi = 28,274334\rV_g = 12*pi = 37,699112\rV_f_g = 3*pi = "
                             "9,424778"});
  EXPECT_EQ(form->Eintrag("ComboBox_Integrationsmethode"), 0);
  // The mirror image of f in the x-axis.
  EXPECT_EQ(P(x_zu_Pixel(Bild(), 2), y_zu_Pixel(Bild(), -2)), kGruen);
}

TEST_F(Integrale, Rotationsvolumen_Fehler) {
  const struct {
    const char *f, *h;
    const char* meldung;
  } faelle[] = {{"", "x", "h darf hier nicht verwendet werden !"},
                {"x", "x", "h darf hier nicht verwendet werden !"},
                {"sqrt(x)", "", "Kann Integral nicht berechnen !"},
                {"", "", "Bitte erst Haken bei f, g oder h setzen !"}};
  for (const auto& f : faelle) {
    SetUp();
    Kurven(f.f, "", f.h);
    Eingeben("Edit_xaSchar", "-2");
    Eingeben("Edit_xeSchar", "-1");
    const QImage vorher = Kopie();
    SkriptDialoge d;
    Klick("SpeedButton_Rotationsintegral");
    EXPECT_EQ(d.meldungen, std::vector<std::string>{f.meldung}) << f.f << f.h;
    EXPECT_EQ(Kopie(), vorher) << f.f << f.h;
  }
}

// ---- arc length ----------------------------------------------------------------------------

TEST_F(Integrale, Bogenlaenge_von_Geraden) {
  const std::string start = "Berechnung der Bogenlänge\r\rAbbruch mit <ESC> möglich !";
  const struct {
    const char *f, *t, *a, *b, *meldung;
  } faelle[] = {
      // sqrt(1 + 1) * 3, and with t = 2 sqrt(1 + 4) * 1; reversed bounds give the negative.
      {"x", "1", "0", "3", "Bogenlänge von x im Intervall  [0 ; 3]\r\rbl = 4,242641"},
      {"t*x", "2", "0", "1", "Bogenlänge von t*x im Intervall  [0 ; 1]\r\rbl = 2,236068"},
      {"x", "1", "3", "0", "Bogenlänge von x im Intervall  [3 ; 0]\r\rbl = -4,242641"},
  };
  for (const auto& f : faelle) {
    SetUp();
    Kurven(f.f);
    Eingeben("Edit_Schar_t1", f.t);
    Intervall(f.a, f.b);
    SkriptDialoge d;
    Klick("SpeedButton_Bogenlaenge");
    EXPECT_EQ(d.meldungen, (std::vector<std::string>{start, f.meldung})) << f.f;
  }
}

TEST_F(Integrale, Bogenlaenge_wird_rot_nachgezeichnet) {
  for (const auto& [a, b] : {std::pair{"0", "3"}, std::pair{"3", "0"}}) {
    SetUp();
    Kurven("x");
    Intervall(a, b);
    SkriptDialoge d;
    Klick("SpeedButton_Bogenlaenge");
    EXPECT_EQ(P(x_zu_Pixel(Bild(), 1.5L), y_zu_Pixel(Bild(), 1.5L)), kRot) << a;
    EXPECT_NE(P(x_zu_Pixel(Bild(), -1.5L), y_zu_Pixel(Bild(), -1.5L)), kRot) << a;
  }
}

TEST_F(Integrale, Bogenlaenge_Escape_bricht_ab) {
  Kurven("sin(x)");
  Intervall("0", "3");
  const QImage vorher = Kopie();
  SkriptDialoge d;
  d.abbruch_ab_abfrage = 1;
  d.antworten_frage = {true};
  Klick("SpeedButton_Bogenlaenge");
  EXPECT_EQ(d.fragen, std::vector<std::string>{"Wirklich abbrechen?"});
  EXPECT_EQ(d.letzte_meldung(), "Bogenlänge nicht berechnet !");
  EXPECT_EQ(Kopie(), vorher);
}

// ---- hatching ------------------------------------------------------------------------------

TEST_F(Integrale, Schraffur_zwischen_Kurve_und_Achse) {
  const struct {
    const char *f, *g, *a, *b;
    bool grob;
    int teilung;  // pixels per line
  } faelle[] = {{"1", "", "-2", "2", false, 2},
                {"1", "", "2", "-2", false, 2},
                {"", "1", "-2", "2", true, 6},
                {"3", "0,5", "-2", "2", false, 2}};
  for (const auto& f : faelle) {
    SetUp();
    Kurven(f.f, f.g);
    Intervall(f.a, f.b);
    form->Haken_setzen("CheckBox_Grobschraffur", f.grob);
    SkriptDialoge d;
    Klick("SpeedButton_Flaeche_schraffieren");
    EXPECT_TRUE(d.meldungen.empty());
    EXPECT_EQ(Werkbank.aStart, -2);
    EXPECT_EQ(Werkbank.bEnde, 2);
    EXPECT_TRUE(Werkbank.loeschen);
    const int breite = x_zu_Pixel(Bild(), 2) - x_zu_Pixel(Bild(), -2);
    const int linien = In_Zeile(y_zu_Pixel(Bild(), 0.75L), kFuellung);
    EXPECT_NEAR(linien, breite / f.teilung, 1) << f.f << f.g << f.a;
    EXPECT_EQ(In_Zeile(y_zu_Pixel(Bild(), -0.25L), kFuellung), 0) << f.f << f.g;
  }
  EXPECT_EQ(T("Edit_aStart"), "-2");
}

TEST_F(Integrale, Schraffur_eines_riesigen_Intervalls_bleibt_im_Bild) {
  Kurven("1");
  Intervall("-1E30", "1E30");
  SkriptDialoge d;
  Klick("SpeedButton_Flaeche_schraffieren");
  EXPECT_NEAR(In_Zeile(y_zu_Pixel(Bild(), 0.75L), kFuellung), Bild().Breite() / 2, 2);
}

// ---- hints ---------------------------------------------------------------------------------

TEST_F(Integrale, Hinweise_folgen_den_Haken) {
  Kurven("x", "x^2");
  Eingeben("Edit_xaSchar", "-1,5");
  Eingeben("Edit_xeSchar", "2");
  Eingeben("Edit_xaSchar_g", "0");
  Eingeben("Edit_xeSchar_g", "3");
  const std::string achtung = "\rAchtung: Grenzen in den jeweiligen Intervallen von f,g setzen !";
  const std::pair<const char*, std::string> mit_f_g[] = {
      {"SpeedButton_Integral_f_g", "Integral zwischen f und g in [a;b]"},
      {"SpeedButton_Flaeche_schraffieren", "Fläche zwischen f und g in [a;b] färben"},
      {"SpeedButton_Bogenlaenge", "Bogenlänge von f in [a;b]"},
      {"SpeedButton_Rotationsintegral",
       "Rotationsintegral zwischen f in [-1,5;2] und g in [0;3]" + achtung}};
  for (const auto& [knopf, text] : mit_f_g)
    EXPECT_EQ(Hinweis(knopf), text);
  form->Haken_setzen("CheckBox_Schar_f_zeichnen", false);
  const std::pair<const char*, std::string> nur_g[] = {
      {"SpeedButton_Integral_f_g", "Integral zwischen g und x-Achse in [a;b]"},
      {"SpeedButton_Flaeche_schraffieren", "Fläche zwischen g und x-Achse in [a;b] färben"},
      {"SpeedButton_Bogenlaenge", "Bogenlänge von g in [a;b]"},
      {"SpeedButton_Rotationsintegral",
       "Rotationsintegral zwischen g und x-Achse in [0;3]" + achtung}};
  for (const auto& [knopf, text] : nur_g)
    EXPECT_EQ(Hinweis(knopf), text);
}

}  // namespace
