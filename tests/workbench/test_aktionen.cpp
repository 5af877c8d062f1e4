// The rules of the action layer, run without any window: a recording display stands in for it.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/KOS.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "workbench/Blatt.h"
#include "workbench/Eingaben.h"
#include "workbench/Startwerte.h"
#include "workbench/Werkbank.h"
#include "workbench/Werkzeugterm.h"

namespace {

class Aktionen : public ::testing::Test {
 protected:
  void SetUp() override { Blatt_zuruecksetzen(); }
  Aufzeichnung a;
};

}  // namespace

// Each sequence mode puts its own term and label up; leaving it brings back the explicit one.
TEST_F(Aktionen, Folgenmodi_setzen_Term_Beschriftung_und_Freigaben) {
  struct Fall {
    const char* schalter;
    bool an;
    const char* term;
    const char* label;
    const char* freigabe;
  };
  const Fall faelle[] = {
      {"CheckBox_rekursiv", true, kTerm_Folge_rekursiv, "g(x) =", "Edit_x_n0"},
      {"CheckBox_rekursiv", false, kTerm_Folge_explizit, "a(n) =", "Edit_x_n0"},
      {"CheckBox_rekursivxy", true, kTerm_Folge_zweischrittig, "g(x,k)=", "Edit_y_n1"},
      {"CheckBox_rekursivxy", false, kTerm_Folge_explizit, "a(n) =", "Edit_y_n1"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.schalter) + (f.an ? " an" : " aus"));
    Schalter_geklickt(a, f.schalter, f.an);
    EXPECT_EQ(a.texte["Edit_Folge"], f.term);
    EXPECT_EQ(Werkbank.Feldtext("Edit_Folge"), f.term);  // the next action reads it
    EXPECT_EQ(a.texte["Label_Folge"], f.label);
    EXPECT_EQ(a.frei[f.freigabe], f.an);
    if (f.an) {
      EXPECT_TRUE(a.haken["CheckBox_Folge"]);
    }
  }
}

TEST_F(Aktionen, Polardarstellung_tauscht_Terme_und_sperrt_y) {
  Schalter_geklickt(a, "CheckBox_Polar_Wahl", true);
  EXPECT_EQ(Werkbank.Feldtext("Edit_xParam"), kTerm_r_Polar);
  EXPECT_FALSE(a.frei["Edit_yParam"]);
  Schalter_geklickt(a, "CheckBox_Polar_Wahl", false);
  EXPECT_EQ(Werkbank.Feldtext("Edit_xParam"), kTerm_x_Param);
  EXPECT_EQ(Werkbank.Feldtext("Edit_yParam"), kTerm_y_Param);
  EXPECT_TRUE(a.frei["Edit_yParam"]);
}

// Number fields read what the state holds, not a control: a term without x is a number.
TEST_F(Aktionen, Zahlfelder_lesen_Terme_aus_dem_Zustand) {
  SkriptDialoge d;
  struct Fall {
    const char* feld;
    const char* text;
    long double Werkbank_Zustand::*ziel;
    long double wert;
    bool ok;
  };
  const Fall faelle[] = {
      {"Edit_Schar_t1", "pi/2", &Werkbank_Zustand::Schar_t1, 3.141592653589793238462643383279L / 2,
       true},
      {"Edit_delta_x", "3/4", &Werkbank_Zustand::delta_x, 0.75L, true},
      {"Edit_u", "2*(", &Werkbank_Zustand::u, 0, false},  // keeps its value after a syntax fault
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.feld);
    a.fokus.clear();
    Werkbank.Feldtexte[f.feld] = f.text;
    EXPECT_EQ(Zahlfeld_verlassen(a, f.feld), f.ok);
    EXPECT_EQ(Werkbank.*f.ziel, f.wert);
    EXPECT_EQ(a.fokus, f.ok ? "" : f.feld);
  }
}

// The view's left bound is typed: the three drawing intervals follow in text and value.
TEST_F(Aktionen, Linke_Grenze_geht_in_die_Zeichenintervalle) {
  Werkbank.Feldtexte["Edit_xa"] = "-4";
  ASSERT_TRUE(Zahlfeld_verlassen(a, "Edit_xa"));
  Feld_geaendert(a, "Edit_xa");
  EXPECT_EQ(KOS.xli, -4);
  EXPECT_EQ(KOS.xscl, 0.75L);  // (8 - (-4)) / 16 cm
  for (const char* f : {"Edit_xaSchar", "Edit_xaSchar_g", "Edit_xaSchar_h"})
    EXPECT_EQ(a.texte[f], "-4") << f;
  EXPECT_EQ(Werkbank.xaSchar_h, -4);
}

// The reset shows every start value of the one table.
TEST_F(Aktionen, Zuruecksetzen_zeigt_die_Starttabelle) {
  Werkbank.Feldtexte["Edit_fSchar"] = "x";
  Standardwerte_einstellen(a);
  Starttabelle_gezeigt(a, Startwerte());
  EXPECT_EQ(Werkbank.Feldtext("Edit_fSchar"), Starttext("Edit_fSchar"));
}

// The tools work on the first checked of f, g, h, or on f-(g) when both f and g are checked.
TEST_F(Aktionen, Werkzeugterm_folgt_den_Haken) {
  SkriptDialoge d;
  struct Fall {
    bool f, g, h;
    const char* gewaehlt;  // nullptr: none checked, the tool stops
    const char* differenz;
  };
  const Fall faelle[] = {
      {true, false, false, "F", "F"},        {false, true, true, "G", "G"},
      {false, false, true, "H", "H"},        {true, true, false, "F", "F-(G)"},
      {false, false, false, nullptr, "alt"},
  };
  Werkbank.Feldtexte["Edit_fSchar"] = "F";
  Werkbank.Feldtexte["Edit_gSchar"] = "G";
  Werkbank.Feldtexte["Edit_hSchar"] = "H";
  for (const Fall& f : faelle) {
    Werkbank.Kurve_zeichnen[Kurve_f] = f.f;
    Werkbank.Kurve_zeichnen[Kurve_g] = f.g;
    Werkbank.Kurve_zeichnen[Kurve_h] = f.h;
    Werkbank.Aktueller_Term = "alt";
    EXPECT_EQ(Funktionsterm_waehlen(), f.gewaehlt != nullptr);
    EXPECT_EQ(Werkbank.Aktueller_Term, f.gewaehlt ? f.gewaehlt : "alt");
    Differenzterm_bilden();
    EXPECT_EQ(Werkbank.Aktueller_Term, f.differenz);
  }
  EXPECT_EQ(d.meldungen, std::vector<std::string>{"Bitte erst Haken bei f, g oder h setzen !"});
}
