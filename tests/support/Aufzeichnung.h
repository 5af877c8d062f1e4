#pragma once
// A window for action tests: remembers what an action shows by control name and, when asked,
// lends a picture as Image1.

#include <gtest/gtest.h>

#include <map>
#include <span>
#include <string>

#include "kos/UGrafik.h"
#include "workbench/Anzeige.h"
#include "workbench/Startwerte.h"

struct Aufzeichnung : Anzeige {
  // It stands in for the main window: what an action writes goes into the sheet's controls.
  explicit Aufzeichnung(bool mit_bild = false) : mit_bild(mit_bild) { Blattbedienung = true; }

  std::map<std::string, std::string> texte;
  std::map<std::string, bool> haken, frei;
  std::map<std::string, int> eintraege;
  std::string fokus;
  TBild bild;
  bool mit_bild;

  void Text_anzeigen(const char* n, const std::string& t) override { texte[n] = t; }
  void Haken_anzeigen(const char* n, bool an) override { haken[n] = an; }
  void Eintrag_anzeigen(const char* n, int e) override { eintraege[n] = e; }
  void Freigabe_anzeigen(const char* n, bool an) override { frei[n] = an; }
  void Hinweis_anzeigen(const char*, const std::string&) override {}
  void Farbe_zeigen(const char*, TFarbe) override {}
  void Schrift_zeigen(const char*, const TSchrift&) override {}
  void Neu_malen(const char*) override {}
  void Fokus_zurueck(const char* n) override { fokus = n; }
  TBild* Bild(const char* n) override {
    return mit_bild && std::string(n) == "Image1" ? &bild : nullptr;
  }
};

// The recording window that lends a picture, for the actions that draw.
struct Bildanzeige final : Aufzeichnung {
  Bildanzeige() : Aufzeichnung(true) {}
};

// Colours the action tests compare pixels with (0x00BBGGRR).
constexpr TFarbe kSchwarz = 0x000000, kWeiss = 0xFFFFFF, kRot = 0x0000FF, kBlau = 0xFF0000;

// Every text, switch and list item of a start table reached the window.
inline void Starttabelle_gezeigt(Aufzeichnung& a, std::span<const TStartwert> tabelle) {
  for (const TStartwert& w : tabelle) {
    if (w.text) {
      EXPECT_EQ(a.texte[w.name], w.text) << w.name;
    }
    if (w.an >= 0) {
      EXPECT_EQ(a.haken[w.name], w.an == 1) << w.name;
    }
    if (w.eintrag >= 0) {
      EXPECT_EQ(a.eintraege[w.name], w.eintrag) << w.name;
    }
  }
}
