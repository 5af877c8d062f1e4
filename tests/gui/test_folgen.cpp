// Sequences from the window: time series, web diagram with its guess in the picture, the broken
// recursion, and the bifurcation button with its messages, its input and its pixels.

#include <QColor>
#include <chrono>
#include <cmath>
#include <optional>
#include <vector>

#include "engine/UMatheBasisOp.h"
#include "platform/URechenlauf.h"
#include "test_plot_fenster.h"

namespace {

class Folgenfenster : public Plotfenster {
 protected:
  // The recursive form with its term, parameter k and start value.
  static void Rekursiv(const char* g, const char* k, const char* x0 = "0,5") {
    form->Haken_setzen("CheckBox_rekursiv", true);
    Eingeben("Edit_Folge", g);
    Eingeben("Edit_Schar_t1", k);
    Eingeben("Edit_x_n0", x0);
  }
  static void Web(const char* g, const char* k, const char* x0 = "0,5") {
    Rekursiv(g, k, x0);
    form->Haken_setzen("CheckBox_Web", true);
    form->SpeedButton_PlotClick();
  }
  // True when the picture shows the text at (x, y) exactly as written there on white, opaque.
  static bool Zeigt_Text(int x, int y, const std::string& text, const std::string& schrift,
                         int groesse, TFarbe farbe) {
    TBild soll(Bild().Breite(), Bild().Hoehe());
    Text_schreiben(soll, x, y, text, schrift, groesse, Pinsel_voll, 0, farbe);
    const int b = soll.Textbreite(text), h = soll.Texthoehe(text);
    for (int i = x; i < x + b; ++i)
      for (int j = y; j < y + h; ++j)
        if (soll.Pixel(i, j) != P(i, j)) return false;
    return true;
  }
  // Black dots of a dotted line in column x just below the x axis (row 320).
  static int Lot_unter_Achse(int x) {
    int n = 0;
    for (int y = 321; y <= 326; ++y)
      n += P(x, y) == kSchwarz;
    return n;
  }
  static std::string Zahl(long double x) { return Zahl_zu_Text(false, 9, 6, x); }
};

TEST_F(Folgenfenster, ZeitreiheDerExplizitenFolge) {
  SkriptDialoge d;
  form->Haken_setzen("CheckBox_Folge", true);
  form->SpeedButton_PlotClick();
  ASSERT_EQ(Punktanzahl, 501);
  EXPECT_NEAR(Punkteliste[500].y, 2505.0L / 1005, 1e-15L);
  // a(1) = 1 and a(2) = 10/7 as discs in the point colour.
  EXPECT_EQ(P(360, 280), kRot);
  EXPECT_EQ(P(400, 263), kRot);
}

TEST_F(Folgenfenster, AchsenWerdenJeNachFormBeschriftet) {
  struct {
    const char* schalter;  // nullptr: explicit
    bool web;
    const char *x, *y;
  } const faelle[] = {
      {nullptr, false, "n", "a(n)"},
      {"CheckBox_rekursiv", false, "n", "x(n)"},
      {"CheckBox_rekursiv", true, "x(n)", "x(n+1)"},
      {"CheckBox_rekursivxy", false, "n", "a(n)"},
  };
  for (const auto& f : faelle) {
    SetUp();
    SkriptDialoge d;
    form->Haken_setzen("CheckBox_Folge", true);
    if (f.schalter) form->Haken_setzen(f.schalter, true);
    form->Haken_setzen("CheckBox_Web", f.web);
    form->SpeedButton_PlotClick();
    EXPECT_EQ(T("Edit_xBeschrift"), f.x) << f.y;
    EXPECT_EQ(T("Edit_yBeschrift"), f.y) << f.x;
    EXPECT_EQ(KOS.yBeschriftung, f.y);
  }
}

// x = 2,8x(1-x) converges to 1 - 1/2,8 = 0,642857...: its value as text and a dotted line there.
TEST_F(Folgenfenster, SpinnwebMitGrenzwert) {
  SkriptDialoge d;
  Web("kx(1-x)", "2,8");
  const long double g = 1 - 1 / 2.8L;
  EXPECT_TRUE(Zeigt_Text(370, 25, "Grenzwert vermutlich " + Zahl(g), "Arial", 11, kBlau));
  EXPECT_GT(Lot_unter_Achse(346), 0);
  EXPECT_EQ(Lot_unter_Achse(350), 0);
  EXPECT_TRUE(d.meldungen.empty());
}

// k = 3,2: the 2-cycle (4,2 +- w(0,84)) / 6,4; with N = 501 odd, a(N-1) is the upper value.
TEST_F(Folgenfenster, SpinnwebMitZweierzyklus) {
  SkriptDialoge d;
  Web("kx(1-x)", "3,2");
  const long double w = std::sqrt(0.84L);
  const long double oben = (4.2L + w) / 6.4L, unten = (4.2L - w) / 6.4L;
  EXPECT_TRUE(Zeigt_Text(340, 25, "Evtl. 2 Häufungswerte:", "Arial", 10, kBlau));
  EXPECT_TRUE(Zeigt_Text(340, 40, Zahl(oben), "Arial", 10, kBlau));
  EXPECT_TRUE(Zeigt_Text(340, 55, Zahl(unten), "Arial", 10, kBlau));
  EXPECT_GT(Lot_unter_Achse(352), 0);  // 0,799455
  EXPECT_GT(Lot_unter_Achse(341), 0);  // 0,513045
}

// x = 2x from 1 leaves the picture at 64: the web ends with the divergence note.
TEST_F(Folgenfenster, DivergenteFolgeVerlaesstDasBild) {
  SkriptDialoge d;
  Web("2x", "1", "1");
  EXPECT_TRUE(Zeigt_Text(370, 25, "Vermutlich kein Grenzwert !", "Arial", 11, kBlau));
  // The first steps: up from (1; 0) to (1; 2), across to (2; 2); up to 4, across to (4; 4).
  EXPECT_EQ(P(360, 300), kBlau);
  EXPECT_EQ(P(380, 240), kBlau);
  EXPECT_EQ(P(440, 160), kBlau);
}

TEST_F(Folgenfenster, UnterbrochenesBildungsgesetzZeichntKeineAltenGlieder) {
  SkriptDialoge d;
  Rekursiv("kx(1-x)", "2,8");
  form->SpeedButton_PlotClick();
  ASSERT_EQ(Punktanzahl, 501);
  EXPECT_EQ(P(520, 294), kRot);  // a(5) near 0,64
  // w(x) - 1 from 4: 1, 0, -1, then the root of -1 fails.
  Eingeben("Edit_Folge", "w(x)-1");
  Eingeben("Edit_x_n0", "4");
  form->SpeedButton_PlotClick();
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Fehler! Bildungsgesetz unterbrochen"});
  EXPECT_EQ(Punktanzahl, 4);
  EXPECT_EQ(P(480, 360), kRot);  // a(4) = -1
  EXPECT_NE(P(520, 294), kRot);
}

// ---- bifurcation ------------------------------------------------------------------------------

class Bifurkation : public Folgenfenster {
 protected:
  static void Klick() {
    ASSERT_TRUE(
        QMetaObject::invokeMethod(form, "SpeedButton_BifurkationClick", Qt::DirectConnection));
  }
  // Recursive g, a clean picture of the given view, no sequence drawn over it.
  static void Bereit(const char* g, long double xli, long double xre, long double yu,
                     long double yo, const char* x0 = "0,5") {
    Rekursiv(g, "1", x0);
    form->Haken_setzen("CheckBox_Folge", false);
    KOS.xli = xli;
    KOS.xre = xre;
    KOS.yu = yu;
    KOS.yo = yo;
    form->SpeedButton_PlotClick();
  }
  static QImage Mit_Eingabe(std::optional<std::string> antwort) {
    SkriptDialoge d;
    d.antworten_eingabe.push_back(antwort);
    form->SpeedButton_PlotClick();
    Klick();
    return Kopie();
  }
};

TEST_F(Bifurkation, OhneRekursionWirdSieEingeschaltet) {
  SkriptDialoge d;
  const QImage vorher = Kopie();
  Klick();
  EXPECT_EQ(d.meldungen,
            std::vector<std::string>{
                "Erst Iterationsfunktion g(x) definieren\r\nParameter k nicht vergessen !"});
  EXPECT_TRUE(form->Knopf("CheckBox_rekursiv")->isChecked());
  EXPECT_EQ(T("Edit_Folge"), "3,2x(1-x)");
  EXPECT_EQ(Kopie(), vorher);
  EXPECT_TRUE(d.eingabe_prompts.empty());
}

TEST_F(Bifurkation, OhneParameterKeinDiagramm) {
  SkriptDialoge d;
  form->Haken_setzen("CheckBox_rekursiv", true);
  const QImage vorher = Kopie();
  Klick();  // 3,2x(1-x) has no k
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Parameter k fehlt in g(x) !"});
  EXPECT_TRUE(d.eingabe_prompts.empty());
  EXPECT_EQ(Kopie(), vorher);
}

TEST_F(Bifurkation, AbbruchUndFalscheEingabeZeichnenNichts) {
  SkriptDialoge leise;
  Bereit("kx(1-x)", 0, 6.4L, 0, 1.6L);
  struct {
    std::optional<std::string> antwort;
    const char* meldung;  // "" = none
  } const faelle[] = {
      {std::nullopt, ""},
      {"abc", "Eingabefehler !"},
      {"12,5", "Eingabefehler !"},
      {"", "Eingabefehler !"},
  };
  for (const auto& f : faelle) {
    SkriptDialoge d;
    d.antworten_eingabe.push_back(f.antwort);
    const QImage vorher = Kopie();
    Klick();
    EXPECT_EQ(d.eingabe_prompts, std::vector<std::string>{"n (>=500) = "});
    EXPECT_EQ(d.eingabe_vorgaben, std::vector<std::string>{"1280"});
    EXPECT_EQ(d.letzte_meldung(), f.meldung) << f.antwort.value_or("Cancel");
    EXPECT_EQ(Kopie(), vorher) << f.antwort.value_or("Cancel");
  }
}

// x = x + 1 from 0 reaches i after i steps; in a view 1 unit = 1 pixel high, the count of
// iterations shows in the rows set. Fewer than 200 become 500.
TEST_F(Bifurkation, WenigerAlsZweihundertWerdenFuenfhundert) {
  Bereit("x+1+0k", 0, 640, 0, 640, "0");
  const QImage fuenfhundert = Mit_Eingabe("500");
  EXPECT_EQ(fuenfhundert.pixelColor(100, 200), QColor(0, 0, 255));  // 440 lies in 376..500
  EXPECT_EQ(Mit_Eingabe("100"), fuenfhundert);
  EXPECT_EQ(Mit_Eingabe("199"), fuenfhundert);
  const QImage zweihundert = Mit_Eingabe("200");
  EXPECT_NE(zweihundert, fuenfhundert);
  EXPECT_EQ(zweihundert.pixelColor(100, 450), QColor(0, 0, 255));  // 190 lies in 151..200
}

// Logistic map in the view k = 0 .. 6,4, x = 0 .. 1,6 (100 and 400 pixels per unit): one pixel
// at the fixed point 1 - 1/k for 1 < k < 3, two at the 2-cycle for 3 < k < 1 + w(6).
TEST_F(Bifurkation, LogistischeAbbildungFixpunkteUndZyklen) {
  Bereit("kx(1-x)", 0, 6.4L, 0, 1.6L);
  SkriptDialoge d;
  d.antworten_eingabe.push_back(std::string("1280"));
  Klick();
  struct {
    int spalte;  // k = spalte / 100
    std::vector<int> zeilen;
  } const faelle[] = {
      {150, {507}},       // 1/3
      {200, {440}},       // 1/2
      {280, {383}},       // 9/14
      {320, {320, 435}},  // 0,799455 and 0,513045
      {340, {303, 459}},  // 0,842154 and 0,451963
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(In_Spalte(f.spalte, kBlau), static_cast<int>(f.zeilen.size())) << f.spalte;
    for (int z : f.zeilen)
      EXPECT_EQ(P(f.spalte, z), kBlau) << f.spalte << " " << z;
  }
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Bifurkation, EscapeBeendetDasDiagramm) {
  Bereit("kx(1-x)", 0, 6.4L, 0, 1.6L);
  // Every look at the clock is a second later, so the progress shows at once.
  TRechenlauf::Uhr_setzen([] {
    static TRechenlauf::TZeitpunkt t;
    return t += std::chrono::seconds(1);
  });
  SkriptDialoge d;
  d.antworten_eingabe.push_back(std::string("1280"));
  d.abbruch_ab_abfrage = 1;
  Klick();
  TRechenlauf::Uhr_setzen(nullptr);
  EXPECT_FALSE(d.fortschritte.empty());
  EXPECT_EQ(P(0, 640), kBlau);  // the first column: k = 0, x = 0
  for (int spalte : {1, 200, 320, 640})
    EXPECT_EQ(In_Spalte(spalte, kBlau), 0) << spalte;
}

}  // namespace
