// The tangent tools from the real window's buttons: messages compared as texts, marks and
// slope triangles by exact pixels (40 pixels per unit, origin at pixel (320, 320)).

#include <QAbstractButton>
#include <numbers>

#include "test_plot_fenster.h"

namespace {

constexpr TFarbe kHellgruen = 0x00FF00;
constexpr TFarbe kLila = 0x800080;
constexpr TFarbe kKastanie = 0x000080;

class Tangentenfenster : public Plotfenster {
 protected:
  void TearDown() override {
    form->Haken_setzen("CheckBox_Param", false);
    form->Haken_setzen("CheckBox_mit_Steigungsdreieck", false);
  }
  // f := term, switched on, a and b typed; returns the messages of one click of the button.
  static std::vector<std::string> Klick(const char* knopf, const std::string& term, const char* a,
                                        const char* b = "8") {
    Eingeben("Edit_fSchar", term);
    Eingeben("Edit_aStart", a);
    Eingeben("Edit_bEnde", b);
    Kurve_an("CheckBox_Schar_f_zeichnen", kBlau);
    SkriptDialoge d;
    form->Knopf(knopf)->click();
    return d.meldungen;
  }
  static std::vector<std::string> Eine(const std::string& text) { return {text}; }
};

TEST_F(Tangentenfenster, MeldungenMitGleichung) {
  struct Fall {
    const char *knopf, *term, *a, *b;
    std::string meldung;
  } faelle[] = {
      {"SpeedButton_Tangente", "x^2", "1", "8",
       "Tangentengleichung an der Stelle x = 1\r\nbzgl. f:   y=2x-1"},
      {"SpeedButton_Tangente", "abs(x)", "0", "8", "Abl. ex. vermutlich nicht !"},
      {"SpeedButton_Normale", "x^2", "0", "8",
       "Normalengleichung an der Stelle a=0\r\nbzgl. f:  x = 0"},
      {"SpeedButton_Normale", "x^2", "1", "8",
       "Normalengleichung an der Stelle a=1\r\nbzgl. f:  y=-0,5x+1,5"},
      {"SpeedButton_Normale", "abs(x)", "0", "8", "Abl. ex. vermutlich nicht !"},
      {"SpeedButton_Sekante", "x^2", "0", "2",
       "Sekantengleichung von a=0 bis b=2\r\nbzgl. f:  y=2x"},
      {"SpeedButton_Sekante", "sqrt(x)", "-1", "4", "Die Kurve ist bei a oder b nicht definiert !"},
      {"SpeedButton_Kruemmungskreis", "x^2", "0", "8",
       "Krümmungsradius an der Stelle 0:  r = 0,5\rKreismittelpunkt M(0/0,5)"},
      {"SpeedButton_Kruemmungskreis", "2x+1", "0", "8", "Krümmungsradius zu groß !"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Klick(f.knopf, f.term, f.a, f.b), Eine(f.meldung)) << f.knopf << " " << f.term;
}

TEST_F(Tangentenfenster, OhneHakenNurEineBitte) {
  SkriptDialoge d;
  for (const char* knopf : {"SpeedButton_Tangente", "SpeedButton_Normale"})
    form->Knopf(knopf)->click();  // nothing to lay the line at: nothing happens
  EXPECT_TRUE(d.meldungen.empty());
  form->Knopf("SpeedButton_Sekante")->click();
  form->Knopf("SpeedButton_Kruemmungskreis")->click();
  const std::string bitte = "Bitte erst Haken bei f, g oder h setzen !";
  EXPECT_EQ(d.meldungen, (std::vector<std::string>{bitte, bitte}));
}

TEST_F(Tangentenfenster, NormaleNurAnGraphen) {
  Kurve_an("CheckBox_Param", kRot);
  SkriptDialoge d;
  form->Knopf("SpeedButton_Normale")->click();
  EXPECT_EQ(d.meldungen, Eine("Bitte erst Haken bei f, g oder h setzen !"));
}

TEST_F(Tangentenfenster, SekanteGleicherEndenTutNichts) {
  EXPECT_TRUE(Klick("SpeedButton_Sekante", "x^2", "1", "1").empty());
}

TEST_F(Tangentenfenster, TangenteMitSteigungsdreieck) {
  form->Haken_setzen("CheckBox_mit_Steigungsdreieck", true);
  Eingeben("Edit_delta_x", "1");
  Klick("SpeedButton_Tangente", "x^2", "1");
  EXPECT_EQ(P(358, 282), kBlau);       // mark at (1, 1)
  EXPECT_EQ(P(380, 280), kHellgruen);  // run from (1, 1) to (2, 1)
  EXPECT_EQ(P(400, 240), kHellgruen);  // rise from (2, 3) down to (2, 1)
  EXPECT_EQ(P(340, 320), kRot);        // the tangent through (0,5; 0)
}

TEST_F(Tangentenfenster, SekanteMitSteigungsdreieck) {
  form->Haken_setzen("CheckBox_mit_Steigungsdreieck", true);
  Klick("SpeedButton_Sekante", "x^2", "0", "2");
  EXPECT_EQ(P(340, 320), kLila);            // run from (0, 0) to (2, 0)
  EXPECT_EQ(P(400, 240), kLila);            // rise from (2, 4) down to (2, 0)
  EXPECT_EQ(P(321, 321), Stil.Punktfarbe);  // marks at both ends
  EXPECT_EQ(P(401, 161), Stil.Punktfarbe);
  EXPECT_EQ(P(340, 280), kGruen);  // y = 2x at x = 0,5
}

TEST_F(Tangentenfenster, SenkrechteNormale) {
  Klick("SpeedButton_Normale", "x^2", "0");
  EXPECT_GE(In_Spalte(320, kKastanie), 600);
}

TEST_F(Tangentenfenster, KruemmungskreisUeberschreibtDieKurvenfelder) {
  Klick("SpeedButton_Kruemmungskreis", "x^2", "0");
  EXPECT_EQ(T("Edit_xParam"), "0+0,5*cos(t)");
  EXPECT_EQ(T("Edit_yParam"), "0,5+0,5*sin(t)");
  EXPECT_EQ(T("Edit_Schar_t1"), "1");
  EXPECT_EQ(P(320, 280), Stil.Linienfarbe);  // top of the circle at (0, 1)
  EXPECT_EQ(P(340, 300), Stil.Linienfarbe);  // right end at (0,5; 0,5)
}

TEST_F(Tangentenfenster, TangenteAnParameterkurve) {
  Kurve_an("CheckBox_Param", kRot);
  Eingeben("Edit_aStart", "pi/2");
  SkriptDialoge d;
  form->Knopf("SpeedButton_Tangente")->click();
  ASSERT_EQ(d.meldungen.size(), 1u);
  const std::string& m = d.meldungen[0];
  EXPECT_NE(m.find("\r\nbzgl. (xt,yt):   y=0,6\r\nWinkel t = 1,570796 rad = 90,00°"),
            std::string::npos)
      << m;
  EXPECT_GE(In_Zeile(296, 0x0000FF), 600);  // y = 0,6 across the view
}

TEST_F(Tangentenfenster, HinweisNenntDieKurve) {
  struct Fall {
    const char* haken;
    const char* hinweis;
  } faelle[] = {
      {nullptr, "Tangente zeichnen: Bitte Haken bei f oder g oder h oder x(t),y(t) setzen !"},
      {"CheckBox_Param", "Tangente an P(x(t),y(t)) für Winkel t=a(rad) anlegen"},
      {"CheckBox_Schar_h_zeichnen", "Tangente an h im Punkt P(a/y) anlegen"},
      {"CheckBox_Schar_g_zeichnen", "Tangente an g im Punkt P(a/y) anlegen"},
      {"CheckBox_Schar_f_zeichnen", "Tangente an f im Punkt P(a/y) anlegen"},
  };
  for (const Fall& f : faelle) {
    if (f.haken) Kurve_an(f.haken, kRot);
    ASSERT_TRUE(
        QMetaObject::invokeMethod(form, "SpeedButton_TangenteMouseMove", Qt::DirectConnection));
    EXPECT_EQ(form->Knopf("SpeedButton_Tangente")->toolTip().toStdString(), f.hinweis);
  }
}

}  // namespace
