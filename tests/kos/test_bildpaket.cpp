// Packed pictures of the undo history: unpacking gives back exactly the picture that was packed.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kos/UBildpaket.h"
#include "kos_hilfe.h"

namespace {

constexpr auto PAKET_VOLL = TStiftstil::Durchgezogen;

// A plot as the program draws one: coordinate system, a curve of many short lines, text, filled
// and hatched shapes, one pixel set directly, and a rubber band still drawn with an inverting pen.
void Paket_Plot(TBild& b) {
  KOS_zeichnen(b);
  for (int x = 0; x < 640; x += 4) {
    const int y1 = 600 - (x - 320) * (x - 320) / 180, y2 = 600 - (x - 316) * (x - 316) / 180;
    Linie_zeichnen(b, x, y1, x + 4, y2, 0x0000FF, 2, PAKET_VOLL);
  }
  Text_schreiben(b, 30, 30, "f(x) = 0,5x² – 2", "Arial", 12, Pinsel_leer, Schrift_fett, 0xFF0000);
  Kreis_zeichnen(b, 420, 200, 40, 0x000000, 0x00FF00, 1, PAKET_VOLL, Pinsel_voll);
  Viereck_zeichnen(b, {100, 400}, {220, 410}, {200, 500}, {90, 480}, 0xFF0000, 0x00FFFF, 1,
                   PAKET_VOLL, Pinsel_diagonal_kreuz);
  b.Pixel_setzen(5, 5, 0x123456);
  b.Stift = TStift{0x000000, 1, TStiftstil::Gepunktet, TStiftmodus::Invertieren};
  b.Rechteck(150, 150, 300, 260);
  // Canvas state that is not the start state, so its return is visible.
  b.Schrift = TSchrift{"Courier New", 14, true, false, true, false, 0x0000FF};
  b.Pinselstil_setzen(Pinsel_kreuz);
  b.Pinselfarbe_setzen(0xABCDEF);
  b.Bewegen_nach(77, 91);
  b.Links = 12;
  b.Oben = 34;
}

void Paket_gleich(const TBild& a, const TBild& b) {
  EXPECT_EQ(a.Bild().format(), b.Bild().format());
  EXPECT_TRUE(a.Bild() == b.Bild());
  const TZeichenprotokoll &p = a.Protokoll(), &q = b.Protokoll();
  EXPECT_EQ(p.Breite, q.Breite);
  EXPECT_EQ(p.Hoehe, q.Hoehe);
  ASSERT_EQ(p.Befehle.size(), q.Befehle.size());
  for (std::size_t i = 0; i < p.Befehle.size(); ++i)
    EXPECT_TRUE(p.Befehle[i] == q.Befehle[i]) << "Eintrag " << i;
}

struct Paketfall {
  std::string name;
  std::function<void(TBild&)> malen;
};

using PaketTest = kos_test::Mit_Startwerten;

TEST_F(PaketTest, EntpackenGibtGenauDasGepackteBildZurueck) {
  const std::vector<Paketfall> faelle = {
      {"Plot", Paket_Plot},
      {"Pixelkopie, die Zeichnung teilt die Pixel",
       [](TBild& b) {
         TBild q;
         Paket_Plot(q);
         b.Pixel_uebernehmen(q.Bild());
       }},
      {"Pixelkopie, danach bemalt",
       [](TBild& b) {
         TBild q;
         Paket_Plot(q);
         b.Pixel_uebernehmen(q.Bild());
         Linie_zeichnen(b, 0, 0, 640, 640, 0xFF00FF, 3, PAKET_VOLL);
       }},
      {"ohne Aufzeichnung",
       [](TBild& b) {
         b.Aufzeichnen_setzen(false);
         Paket_Plot(b);
       }},
      {"ungerade Größe",
       [](TBild& b) {
         b.Groesse_setzen(7, 3);
         b.Pixel_setzen(6, 2, 0x010203);
       }},
      {"leeres Bild", [](TBild& b) { b.Pixel_uebernehmen(QImage()); }},
  };
  for (const Paketfall& f : faelle) {
    SCOPED_TRACE(f.name);
    TBild quelle;
    f.malen(quelle);
    const TBildpaket paket = TBildpaket::Packen(quelle);
    TBild ziel(5, 5);
    int gemeldet = 0;
    ziel.Geaendert = [&] { ++gemeldet; };
    ASSERT_TRUE(paket.Entpacken(ziel));
    EXPECT_EQ(gemeldet, 1);
    Paket_gleich(ziel, quelle);
    EXPECT_EQ(ziel.Stift.Farbe, quelle.Stift.Farbe);
    EXPECT_EQ(ziel.Stift.Breite, quelle.Stift.Breite);
    EXPECT_EQ(ziel.Stift.Stil, quelle.Stift.Stil);
    EXPECT_EQ(ziel.Stift.Modus, quelle.Stift.Modus);
    EXPECT_EQ(ziel.Schrift.Name, quelle.Schrift.Name);
    EXPECT_EQ(ziel.Schrift.Groesse, quelle.Schrift.Groesse);
    EXPECT_EQ(ziel.Schrift.fett, quelle.Schrift.fett);
    EXPECT_EQ(ziel.Schrift.unterstrichen, quelle.Schrift.unterstrichen);
    EXPECT_EQ(ziel.Schrift.Farbe, quelle.Schrift.Farbe);
    EXPECT_EQ(ziel.Pinselfarbe(), quelle.Pinselfarbe());
    EXPECT_EQ(ziel.Pinselstil(), quelle.Pinselstil());
    EXPECT_EQ(ziel.Stiftposition(), quelle.Stiftposition());
    EXPECT_EQ(ziel.Links, quelle.Links);
    EXPECT_EQ(ziel.Oben, quelle.Oben);
    EXPECT_EQ(ziel.Aenderungen(), quelle.Aenderungen());
    // Drawing on goes on alike (recording switch, pending inverted drawings, shared pixels).
    Linie_zeichnen(quelle, 3, 600, 630, 2, 0x00AA00, 1, PAKET_VOLL);
    Linie_zeichnen(ziel, 3, 600, 630, 2, 0x00AA00, 1, PAKET_VOLL);
    Paket_gleich(ziel, quelle);
  }
}

TEST_F(PaketTest, EinPlotBrauchtHoechstensEinZehntelDerPixel) {
  TBild b;
  Paket_Plot(b);
  EXPECT_LE(TBildpaket::Packen(b).Bytes() * 10, static_cast<std::size_t>(b.Bild().sizeInBytes()));
}

TEST_F(PaketTest, GleichVergleichtPixelUndZeichnung) {
  const std::vector<std::pair<Paketfall, bool>> faelle = {
      {{"unverändert", [](TBild&) {}}, true},
      {{"nur der Stift bewegt", [](TBild& b) { b.Bewegen_nach(1, 1); }}, true},
      {{"ein Pixel anders", [](TBild& b) { b.Pixel_setzen(320, 320, 0x0000FE); }}, false},
      {{"ein Pixel anders, Zeichnung gleich",
        [](TBild& b) {
          b.Aufzeichnen_setzen(false);
          b.Pixel_setzen(320, 320, 0x0000FE);
        }},
       false},
      {{"gleiche Pixel, Zeichnung länger", [](TBild& b) { b.Pixel_setzen(5, 5, 0x123456); }},
       false},
      {{"andere Größe", [](TBild& b) { b.Groesse_setzen(641, 640); }}, false},
  };
  TBild quelle;
  Paket_Plot(quelle);
  const TBildpaket paket = TBildpaket::Packen(quelle);
  for (const auto& [f, gleich] : faelle) {
    SCOPED_TRACE(f.name);
    TBild b = quelle;
    f.malen(b);
    EXPECT_EQ(paket.Gleich(b), gleich);
  }
}

TEST_F(PaketTest, LeeresPaketLaesstDasZielUnveraendert) {
  TBild ziel(9, 9);
  ziel.Pixel_setzen(4, 4, 0x0000FF);
  const auto zaehler = ziel.Aenderungen();
  int gemeldet = 0;
  ziel.Geaendert = [&] { ++gemeldet; };
  const TBildpaket leer;
  EXPECT_FALSE(leer.Entpacken(ziel));
  EXPECT_FALSE(leer.Gleich(ziel));
  EXPECT_EQ(ziel.Pixel(4, 4), 0x0000FFu);
  EXPECT_EQ(ziel.Aenderungen(), zaehler);
  EXPECT_EQ(gemeldet, 0);
}

}  // namespace
