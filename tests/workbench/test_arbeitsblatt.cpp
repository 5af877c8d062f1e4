// The worksheet file and the table's way to and from spreadsheets, without a window.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <map>

#include "support/Aufzeichnung.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "workbench/Arbeitsblatt.h"
#include "workbench/Arbeitsblattaktion.h"
#include "workbench/Blatt.h"
#include "workbench/Startwerte.h"
#include "workbench/Werkbank.h"

namespace {

using Zeilen = std::vector<std::vector<std::string>>;

std::string Png(int breite, int hoehe) {
  QImage bild(breite, hoehe, QImage::Format_RGB32);
  bild.fill(Qt::white);
  QByteArray daten;
  QBuffer puffer(&daten);
  puffer.open(QIODevice::WriteOnly);
  bild.save(&puffer, "PNG");
  return daten.toStdString();
}

bool Bitgleich(long double a, long double b) {
  return std::memcmp(&a, &b, 10) == 0;
}

// A sheet that differs from the start values everywhere a value can.
TArbeitsblatt Geaendertes_Blatt() {
  TArbeitsblatt b;
  b.Werkbank.Feldtexte["Edit_fSchar"] = "x³-2x·e^x";
  b.Werkbank.Feldtexte["Edit_xa"] = "-1/3";
  b.Werkbank.xaSchar = -1.0L / 3;
  b.Werkbank.delta_Phi = 3.14159265358979323846L / 720;
  b.Werkbank.Iterationstiefe = 77;
  b.Werkbank.Folge = true;
  b.Werkbank.Textschrift = {"Courier New", 14, true, true, false, true, 0x00FF00};
  b.Werkbank.Kurve_zeichnen[Kurve_krue] = true;
  b.Werkbank.Kurvenstile[Kurve_krue] = {0x123456, 4};
  b.Kos.xli = -1.0L / 3;
  b.Kos.yo = 1e299L;
  b.Kos.Bildbreite_cm = 12;
  b.Kos.Raster_Linienstil = TStiftstil::Gepunktet;
  b.Kos.xBeschriftung = "Zeit t in s";
  b.Stil.Linienfarbe = 0xABCDEF;
  b.Stil.Flaechenfuellung = 7;
  b.Zahlformat = {12, 17, true, true};
  b.Zoomstufe_x = -3;
  b.Schalter = {{"CheckBox_Folge", true}, {"CheckBox_xAchse", false}};
  b.Listen = {{"ComboBox_Linienart", 4}};
  b.Zellen = {{1, 0, "x"}, {43, 1500, "Ecke; \"mit\" Zeichen\r\n"}};
  b.Png = Png(12 * 640 / 16 + 1, 641);
  b.Bildbreite = 12 * 640 / 16 + 1;
  b.Bildhoehe = 641;
  return b;
}

std::string Text_mit(const std::function<void(QJsonObject&)>& aendern) {
  QJsonObject o =
      QJsonDocument::fromJson(QByteArray::fromStdString(Arbeitsblatt_zu_Text(TArbeitsblatt{})))
          .object();
  aendern(o);
  return QJsonDocument(o).toJson().toStdString();
}

void Setzen(QJsonObject& o, const char* teil, const char* schluessel, const QJsonValue& v) {
  QJsonObject t = o[teil].toObject();
  t[schluessel] = v;
  o[teil] = t;
}

}  // namespace

TEST(Arbeitsblatt, Text_und_zurueck_gibt_jeden_Wert_bitgenau) {
  const TArbeitsblatt a = Geaendertes_Blatt();
  TArbeitsblatt b;
  std::string fehler;
  ASSERT_TRUE(Arbeitsblatt_lesen(Arbeitsblatt_zu_Text(a), b, fehler)) << fehler;
  EXPECT_EQ(b.Werkbank.Feldtexte, a.Werkbank.Feldtexte);
  EXPECT_TRUE(Bitgleich(b.Werkbank.xaSchar, a.Werkbank.xaSchar));
  EXPECT_TRUE(Bitgleich(b.Werkbank.delta_Phi, a.Werkbank.delta_Phi));
  EXPECT_TRUE(Bitgleich(b.Kos.xli, a.Kos.xli));
  EXPECT_TRUE(Bitgleich(b.Kos.yo, a.Kos.yo));
  EXPECT_EQ(b.Werkbank.Iterationstiefe, 77);
  EXPECT_TRUE(b.Werkbank.Folge);
  EXPECT_EQ(b.Werkbank.Textschrift.Name, "Courier New");
  EXPECT_TRUE(b.Werkbank.Textschrift.durchgestrichen);
  EXPECT_EQ(b.Werkbank.Textschrift.Farbe, 0x00FF00u);
  EXPECT_TRUE(b.Werkbank.Kurve_zeichnen[Kurve_krue]);
  EXPECT_EQ(b.Werkbank.Kurvenstile[Kurve_krue].Farbe, 0x123456u);
  EXPECT_EQ(b.Werkbank.Kurvenstile[Kurve_krue].Linienart, 4);
  EXPECT_EQ(b.Kos.Bildbreite_cm, 12);
  EXPECT_EQ(b.Kos.Raster_Linienstil, TStiftstil::Gepunktet);
  EXPECT_EQ(b.Kos.xBeschriftung, "Zeit t in s");
  EXPECT_EQ(b.Stil.Linienfarbe, 0xABCDEFu);
  EXPECT_EQ(b.Stil.Flaechenfuellung, 7);
  EXPECT_EQ(b.Zahlformat.Nachkommastellen, 12);
  EXPECT_EQ(b.Zahlformat.Gesamtstellen, 17);
  EXPECT_TRUE(b.Zahlformat.Fixkomma && b.Zahlformat.Bruchdarstellung);
  EXPECT_EQ(b.Zoomstufe_x, -3);
  EXPECT_EQ(b.Schalter, a.Schalter);
  EXPECT_EQ(b.Listen, a.Listen);
  ASSERT_EQ(b.Zellen.size(), 2u);
  EXPECT_EQ(b.Zellen[1].spalte, 43);
  EXPECT_EQ(b.Zellen[1].zeile, 1500);
  EXPECT_EQ(b.Zellen[1].text, a.Zellen[1].text);
  EXPECT_EQ(b.Png, a.Png);
  EXPECT_EQ(b.Unbekannt, 0);
}

// The desktop tells a worksheet by the start of the file, whatever else it holds.
TEST(Arbeitsblatt, Datei_beginnt_mit_Formatname_und_Nummer) {
  EXPECT_EQ(Arbeitsblatt_zu_Text(Geaendertes_Blatt()).substr(0, 58),
            "{\n    \"Format\": \"Quadrix-Arbeitsblatt\",\n    \"Version\": 1,\n");
}

// Each kind of bad file is refused with its own message and leaves the target as it was.
TEST(Arbeitsblatt, Fremde_kaputte_neuere_und_ueberzogene_Dateien_werden_abgelehnt) {
  const std::string gut = Arbeitsblatt_zu_Text(TArbeitsblatt{});
  const std::string riesig = [] {
    std::string p = Png(1, 1);
    const unsigned char million[] = {0x00, 0x0F, 0x42, 0x40};  // 10^6
    for (int i = 0; i < 4; ++i)
      p[16 + i] = p[20 + i] = static_cast<char>(million[i]);
    return QByteArray::fromStdString(p).toBase64().toStdString();
  }();
  struct Fall {
    const char* was;
    std::string text;
    const char* meldung;  // the start of the message
  };
  const Fall faelle[] = {
      {"fremd", "Zeit;Weg\r\n1;2\r\n", "Die Datei ist kein Quadrix-Arbeitsblatt."},
      {"fremdes JSON", R"({"Format": "etwas anderes", "Version": 1})",
       "Die Datei ist kein Quadrix-Arbeitsblatt."},
      {"abgeschnitten", gut.substr(0, gut.size() / 2),
       "Das Arbeitsblatt ist beschädigt oder unvollständig."},
      {"neuer", Text_mit([](QJsonObject& o) { o["Version"] = 2; }),
       "Das Arbeitsblatt stammt aus einer neueren Quadrix-Version (Format 2)"},
      {"Grenze 1e4000", Text_mit([](QJsonObject& o) { Setzen(o, "KOS", "xli", "1e4000"); }),
       "Der Wert „KOS.xli“ ist ungültig"},
      {"Farbe -1", Text_mit([](QJsonObject& o) { Setzen(o, "Stil", "Linienfarbe", -1); }),
       "Der Wert „Stil.Linienfarbe“ ist ungültig"},
      {"Zahl ist Text", Text_mit([](QJsonObject& o) { Setzen(o, "Werkbank", "u", "zwei"); }),
       "Der Wert „Werkbank.u“ ist ungültig"},
      {"Zeile 10^9", Text_mit([](QJsonObject& o) {
         o["Tabelle"] = QJsonArray{QJsonArray{1, 1e9, "x"}};
       }),
       "Eine Tabellenzelle der Datei ist ungültig"},
      {"Bild 10^6 x 10^6", Text_mit([&](QJsonObject& o) {
         o["Bild"] = QJsonObject{{"png", QString::fromStdString(riesig)}};
       }),
       "Das Bild der Datei ist beschädigt oder größer"},
      {"Bild passt nicht zur Ansicht", Text_mit([](QJsonObject& o) {
         o["Bild"] = QJsonObject{
             {"png", QString::fromLatin1(QByteArray::fromStdString(Png(100, 100)).toBase64())}};
       }),
       "Das Bild der Datei ist 100 × 100 Pixel groß; zur Ansicht passen 641 × 641."},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    TArbeitsblatt b;
    b.Zoomstufe_x = 5;
    std::string fehler;
    EXPECT_FALSE(Arbeitsblatt_lesen(f.text, b, fehler));
    EXPECT_EQ(fehler.rfind(f.meldung, 0), 0u) << fehler;
    EXPECT_EQ(b.Zoomstufe_x, 5);
  }
}

TEST(Arbeitsblatt, Unbekannte_Schluessel_werden_gezaehlt_und_uebergangen) {
  const std::string text = Text_mit([](QJsonObject& o) {
    o["Matrizen"] = QJsonObject{{"n", 3}};
    Setzen(o, "KOS", "Perspektive", true);
    Setzen(o, "Werkbank", "xaSchar", "-2");
  });
  TArbeitsblatt b;
  std::string fehler;
  ASSERT_TRUE(Arbeitsblatt_lesen(text, b, fehler)) << fehler;
  EXPECT_EQ(b.Unbekannt, 2);
  EXPECT_EQ(b.Werkbank.xaSchar, -2);
}

TEST(Tabellenkalkulation, Text_wird_in_Zeilen_und_Felder_zerlegt) {
  struct Fall {
    const char* text;
    Zeilen zeilen;
  };
  const Fall faelle[] = {
      {"1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
      {"1;2\n3;4", {{"1", "2"}, {"3", "4"}}},
      {"a\rb\r", {{"a"}, {"b"}}},
      {"\"a;b\";c", {{"a;b", "c"}}},
      {"\"x\"\"y\"\tz", {{"x\"y", "z"}}},
      {"\"zwei\r\nZeilen\"\t1\r\n", {{"zwei\r\nZeilen", "1"}}},
      {"1\t2\t3\n4\n\t5", {{"1", "2", "3"}, {"4"}, {"", "5"}}},
      {"1;2\tx", {{"1;2", "x"}}},  // tabs win over semicolons
      {"\xEF\xBB\xBFZeit;Weg", {{"Zeit", "Weg"}}},
      {"", {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    EXPECT_EQ(Tabellentext_zerlegen(f.text), f.zeilen);
  }
}

TEST(Tabellenkalkulation, Zahlen_bekommen_das_Dezimalkomma) {
  const std::pair<const char*, const char*> faelle[] = {
      {"1.5", "1,5"},
      {" 1,5 ", "1,5"},
      {"-2.25e3", "-2,25e3"},
      {".5", ",5"},
      {"1.234,5", "1234,5"},
      {"-1.234.567", "-1234567"},
      {"3", "3"},
      {"1.2.3", "1.2.3"},
      {"Abb. 3", "Abb. 3"},
      {"12.34.5", "12.34.5"},
      {"", ""},
  };
  for (const auto& [feld, zelle] : faelle)
    EXPECT_EQ(Zelltext_aus_Feld(feld), zelle) << feld;
}

TEST(Tabellenkalkulation, Einfuegen_schreibt_ab_der_Zelle_und_zaehlt_was_herausfaellt) {
  Tabelle t;
  t.Zelle_setzen(2, 2, "alt");
  EXPECT_EQ(Tabellentext_einfuegen(t, 1, 1, "1.5\t2\n3\n"), 0);
  EXPECT_EQ(t.Zelle(1, 1), "1,5");
  EXPECT_EQ(t.Zelle(2, 1), "2");
  EXPECT_EQ(t.Zelle(1, 2), "3");
  EXPECT_EQ(t.Zelle(2, 2), "alt");  // the short row leaves it
  // 3 x 2 fields at the last column but one, last row: two fit.
  EXPECT_EQ(Tabellentext_einfuegen(t, Letzte_Spalte - 1, Letzte_Zeile, "a;b;c\nd;e;f"), 4);
  EXPECT_EQ(t.Zelle(Letzte_Spalte - 1, Letzte_Zeile), "a");
  EXPECT_EQ(t.Zelle(Letzte_Spalte, Letzte_Zeile), "b");
}

TEST(Tabellenkalkulation, Einfuegen_meldet_verworfene_Zellen_einmal) {
  SkriptDialoge d;
  SkriptAblage ablage;
  Tabelle t;
  ablage.text = "1\t2\t3";
  ASSERT_TRUE(t.Gehe_zu(Letzte_Spalte, 5));
  Tabelle_einfuegen(t);
  EXPECT_EQ(t.Zelle(Letzte_Spalte, 5), "1");
  ASSERT_EQ(d.meldungen.size(), 1u);
  EXPECT_EQ(d.meldungen[0], "2 Zellen lagen außerhalb der Tabelle und wurden nicht eingefügt.");
}

TEST(Tabellenkalkulation, CSV_mit_Semikolon_Dezimalkomma_und_Anfuehrungszeichen) {
  Tabelle t;
  t.Zelle_setzen(1, 0, "Kopf");  // captions are not data
  t.Zelle_setzen(1, 1, "1,5");
  t.Zelle_setzen(2, 1, "a;b");
  t.Zelle_setzen(1, 2, "2.5");
  t.Zelle_setzen(3, 3, "sagte \"ja\"");
  const std::string csv = Tabelle_zu_CSV(t);
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "1,5;\"a;b\";\r\n2,5;;\r\n;;\"sagte \"\"ja\"\"\"\r\n");
  // A spreadsheet's CSV reads back into the same cells.
  Tabelle u;
  EXPECT_EQ(Tabellentext_einfuegen(u, 1, 1, csv), 0);
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c)
      EXPECT_EQ(u.Zelle(c, r), Zelltext_aus_Feld(t.Zelle(c, r))) << c << ";" << r;
}

TEST(Tabellenkalkulation, Leere_Tabelle_gibt_leere_CSV) {
  Tabelle t;
  EXPECT_EQ(Tabelle_zu_CSV(t), "\xEF\xBB\xBF");
}

// Saving replaces a file only when the new one is complete; a failed save says so in German.
TEST(Arbeitsblattdatei, Schreiben_ersetzt_ganz_oder_gar_nicht) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pfad = dir.filePath("a.qdx").toStdString();
  std::string fehler, inhalt;
  ASSERT_TRUE(Datei_schreiben(pfad, "alt", fehler));
  ASSERT_TRUE(Datei_schreiben(pfad, "neu", fehler));
  ASSERT_TRUE(Datei_lesen(pfad, inhalt, fehler));
  EXPECT_EQ(inhalt, "neu");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.qdx"});  // no leftovers
  const std::string ohne_ordner = dir.filePath("fehlt/b.qdx").toStdString();
  EXPECT_FALSE(Datei_schreiben(ohne_ordner, "x", fehler));
  EXPECT_EQ(fehler, "Die Datei " + ohne_ordner + " konnte nicht geschrieben werden.");
}

namespace {

// A window that has every control of the start table, with lists of 30 items.
struct Jeder_Schalter_anders final : Bedienstand {
  bool Vorhanden(const char* n) const override { return Startwert(n) != nullptr; }
  int Eintraege(const char*) const override { return 30; }
};

}  // namespace

TEST(Arbeitsblattaktion, Jeder_Name_der_Starttabelle_uebersteht_die_Rundreise) {
  SkriptDialoge d;
  Blatt_zuruecksetzen();
  const Jeder_Schalter_anders fenster;
  Aufzeichnung nachher;
  for (const TStartwert& w : Startwerte()) {
    if (w.text) Werkbank.Feldtexte[w.name] = std::string("neu_") + w.name;
    if (w.an >= 0) Bedienung.Haken[w.name] = w.an != 1;
    if (w.eintrag >= 0) Bedienung.Eintraege[w.name] = w.eintrag + 1;
  }
  TArbeitsblatt b;
  std::string fehler;
  ASSERT_TRUE(Arbeitsblatt_lesen(Arbeitsblatt_zu_Text(Arbeitsblatt_erfassen()), b, fehler))
      << fehler;
  for (const TStartwert& w : Startwerte()) {
    if (w.an >= 0) {
      EXPECT_EQ(b.Schalter[w.name], w.an != 1) << w.name;
    }
  }
  Blatt_zuruecksetzen();
  int unbekannt = -1;
  ASSERT_TRUE(Arbeitsblatt_anwenden(nachher, fenster, b, unbekannt, fehler)) << fehler;
  EXPECT_EQ(unbekannt, 0);
  for (const TStartwert& w : Startwerte()) {
    SCOPED_TRACE(w.name);
    if (w.text) {
      EXPECT_EQ(Werkbank.Feldtext(w.name), std::string("neu_") + w.name);
      EXPECT_EQ(nachher.texte[w.name], std::string("neu_") + w.name);
    }
    if (w.an >= 0) {
      // The switches' couplings may correct a combination no window could have made.
      EXPECT_EQ(nachher.haken[w.name], Bedienung.Haken[w.name]);
    }
    if (w.eintrag >= 0) {
      EXPECT_EQ(nachher.eintraege[w.name], w.eintrag + 1);
    }
  }
}

// A list item the window does not have is found before the first change.
TEST(Arbeitsblattaktion, Unzeigbares_Blatt_aendert_nichts) {
  SkriptDialoge d;
  Blatt_zuruecksetzen();
  Werkbank.Feldtexte["Edit_fSchar"] = "x^5";
  const Jeder_Schalter_anders fenster;
  Aufzeichnung a;
  TArbeitsblatt b;
  b.Listen["ComboBox_Linienart"] = 30;
  b.Werkbank.Feldtexte["Edit_fSchar"] = "x";
  int unbekannt = 0;
  std::string fehler;
  EXPECT_FALSE(Arbeitsblatt_anwenden(a, fenster, b, unbekannt, fehler));
  EXPECT_EQ(fehler, "Die Liste „ComboBox_Linienart“ hat keinen Eintrag 30.");
  EXPECT_EQ(Werkbank.Feldtext("Edit_fSchar"), "x^5");
  EXPECT_TRUE(a.texte.empty() && a.haken.empty() && a.eintraege.empty());
}
