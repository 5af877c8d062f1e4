// The sheet as one object, without any window: every layer's part comes back from an image of
// it, images share what did not change, the couplings of the main window's switches are changes
// of it, and a hundred undo steps with pictures stay small and exact.

#include <gtest/gtest.h>

#include <QHashFunctions>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/KOS.h"
#include "kos/UBlattbild.h"
#include "kos/U_Ansicht.h"
#include "kos/U_KOS.h"
#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Abbildungen.h"
#include "workbench/Baumdiagramm.h"
#include "workbench/Blatt.h"
#include "workbench/Eingaben.h"
#include "workbench/Werkbank.h"

namespace {

class Blatt : public ::testing::Test {
 protected:
  void SetUp() override {
    Blatt_zuruecksetzen();
    Bedienung_geaendert();
  }
  SkriptDialoge d;
  Aufzeichnung a;
};

struct TTeilaenderung {
  const char* was;
  std::function<void()> aendern;
  std::function<bool()> sichtbar;
};

const TTeilaenderung kAenderungen[] = {
    {"Ansicht", [] { KOS.xli = -3; }, [] { return KOS.xli == -3; }},
    {"Stil", [] { Stil.Linienfarbe = 0x123456; }, [] { return Stil.Linienfarbe == 0x123456; }},
    {"Zahlformat", [] { Zahlformat.Fixkomma = true; }, [] { return Zahlformat.Fixkomma; }},
    {"Zoom", [] { Zoomstufe_x = 5; }, [] { return Zoomstufe_x == 5; }},
    {"Punkteliste",
     [] {
       Punkteliste[0] = {1, 2}, Punktanzahl = 1;
     },
     [] { return Punktanzahl == 1; }},
    {"Tabelle", [] { Zahlentabelle.Zelle_setzen(3, 7, "Hallo"); },
     [] { return Zahlentabelle.Zelle(3, 7) == "Hallo"; }},
    {"Bild", [] { Blattbild.Pixel_setzen(5, 5, kRot); },
     [] { return Blattbild.Pixel(5, 5) == kRot; }},
    {"Feldtext", [] { Werkbank.Feldtexte["Edit_fSchar"] = "x^3"; },
     [] { return Werkbank.Feldtext("Edit_fSchar") == "x^3"; }},
    {"Schalter", [] { Bedienung.Haken["CheckBox_Punkte"] = true; },
     [] { return Bedienung.Haken["CheckBox_Punkte"]; }},
    {"Abbildungsfenster", [] { Abbildungsfenster.Hilfslinien = false; },
     [] { return !Abbildungsfenster.Hilfslinien; }},
    {"Baumdiagramm", [] { Baumeinstellungen.Stufen = 5; },
     [] { return Baumeinstellungen.Stufen == 5; }},
};

std::size_t Pruefsumme(const QImage& bild) {
  return qHashBits(bild.constBits(), static_cast<std::size_t>(bild.sizeInBytes()));
}

}  // namespace

// Whichever layer a change is in, the image taken before it undoes it, the one after redoes it,
// and the one reset takes it back to the start.
TEST_F(Blatt, Jede_Schicht_kommt_aus_dem_Abbild_zurueck) {
  for (const TTeilaenderung& f : kAenderungen) {
    SCOPED_TRACE(f.was);
    const TBlatt vorher = Blatt_erfassen();
    f.aendern();
    ASSERT_TRUE(f.sichtbar());
    EXPECT_FALSE(Blatt_Speicher().Gleich(vorher));
    const TBlatt nachher = Blatt_erfassen(&vorher);
    Blatt_anwenden(a, vorher);
    EXPECT_FALSE(f.sichtbar());
    EXPECT_TRUE(Blatt_Speicher().Gleich(vorher));
    Blatt_anwenden(a, nachher);
    EXPECT_TRUE(f.sichtbar());
    Blatt_zuruecksetzen();
    EXPECT_FALSE(f.sichtbar());
  }
}

// An image after one change holds one new part; all others are the previous image's.
TEST_F(Blatt, Abbilder_teilen_was_gleich_blieb) {
  const TBlatt erstes = Blatt_erfassen();
  KOS.xli = -3;
  const TBlatt zweites = Blatt_erfassen(&erstes);
  const auto t1 = erstes.Teile(), t2 = zweites.Teile();
  ASSERT_EQ(t1.size(), t2.size());
  int neu = 0;
  for (std::size_t i = 0; i < t1.size(); ++i)
    neu += t1[i] != t2[i];
  EXPECT_EQ(neu, 1);
}

// A switch's rule changes the other switches, texts, enabled states and hints in the sheet;
// what changed is reported by name, and the window only shows it.
TEST_F(Blatt, Kopplungen_aendern_das_Blatt_und_melden_was_sich_aenderte) {
  struct Fall {
    std::vector<std::pair<const char*, bool>> klicks;
    std::map<std::string, bool> haken;
    std::vector<const char*> gemeldet;
  };
  const Fall faelle[] = {
      {{{"CheckBox_xAchse", false}, {"CheckBox_yAchse", false}},
       {{"CheckBox_Skalierung", false}, {"CheckBox_Zahlen_an_Achsen", false}},
       {"CheckBox_Skalierung", "CheckBox_Zahlen_an_Achsen"}},
      {{{"CheckBox_rekursiv", true}},
       {{"CheckBox_Folge", true}},
       {"CheckBox_Folge", "Edit_Folge", "Label_Folge", "Edit_x_n0", "CheckBox_Web"}},
      {{{"CheckBox_Textmodus", true}, {"CheckBox_ZoomModus", true}},
       {{"CheckBox_Textmodus", false}},
       {"CheckBox_Textmodus"}},
      {{{"CheckBox_Folge", true}, {"CheckBox_Param", true}},
       {{"CheckBox_Folge", false}},
       {"CheckBox_Folge"}},
      {{{"CheckBox_Polar_Wahl", true}}, {}, {"Label_xParam", "Edit_xParam", "Edit_yParam"}},
  };
  for (const Fall& f : faelle) {
    Blatt_zuruecksetzen();
    Bedienung_geaendert();
    for (const auto& [schalter, an] : f.klicks)
      Schalter_geklickt(a, schalter, an);
    const std::vector<std::string> gemeldet = Bedienung_geaendert();
    SCOPED_TRACE(f.klicks.back().first);
    for (const auto& [name, an] : f.haken) {
      EXPECT_EQ(Bedienung.Haken[name], an) << name;
      EXPECT_EQ(a.haken[name], an) << name;
    }
    for (const char* n : f.gemeldet)
      EXPECT_NE(std::find(gemeldet.begin(), gemeldet.end(), n), gemeldet.end()) << n;
  }
  EXPECT_FALSE(Bedienung.Freigaben["Edit_yParam"]);
  EXPECT_EQ(Bedienung.Hinweise["CheckBox_Param"], "r(t) zeichnen");
  EXPECT_EQ(Werkbank.Feldtext("Label_xParam"), "r(t) =");
}

// Showing a sheet again runs no rule: its switches and texts come back as they were, even a
// combination a rule would have corrected.
TEST_F(Blatt, Zeigen_fuehrt_keine_Regel_aus) {
  Bedienung.Haken["CheckBox_Skalierung"] = true;
  KOS.xAchse_zeigen = KOS.yAchse_zeigen = false;
  const TBlatt b = Blatt_erfassen();
  Blatt_zuruecksetzen();
  Blatt_anwenden(a, b);
  EXPECT_TRUE(Bedienung.Haken["CheckBox_Skalierung"]);
  EXPECT_TRUE(a.haken["CheckBox_Skalierung"]);
  EXPECT_TRUE(Bedienung_geaendert().empty());
}

// A hundred steps, each changing a whole column and the picture, keep little more than one
// table and a few pictures; undoing them all gives every cell and pixel back.
TEST_F(Blatt, Hundert_Schritte_bleiben_klein_und_genau) {
  TVerlauf v;
  v.Beginnen(Blatt_erfassen());
  std::vector<std::size_t> summen{Pruefsumme(Blattbild.Bild())};
  for (int i = 1; i <= static_cast<int>(TVerlauf::kSchritte); ++i) {
    for (int r = 1; r <= Letzte_Zeile; ++r)
      Zahlentabelle.Zelle_setzen(1, r, std::to_string(i));
    Blattbild.Bewegen_nach(0, i);
    Blattbild.Linie_nach(640, i);
    v.Merken(Blatt_erfassen(&v.Jetzt()));
    summen.push_back(Pruefsumme(Blattbild.Bild()));
  }
  // One unpacked picture alone is 1.6 MB, one table column 50 kB.
  EXPECT_LT(Blaetter_Bytes(v.Alle()), 30'000'000u);
  for (int i = static_cast<int>(TVerlauf::kSchritte) - 1; i >= 0; --i) {
    const TBlatt* b = v.Rueckgaengig();
    ASSERT_NE(b, nullptr);
    Blatt_anwenden(a, *b);
    EXPECT_EQ(Pruefsumme(Blattbild.Bild()), summen[i]) << i;
    EXPECT_EQ(Zahlentabelle.Zelle(1, 1500), i ? std::to_string(i) : "") << i;
  }
}
