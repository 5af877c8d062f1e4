// Worksheets from the real window: save and open with the buttons and shortcuts, bad files,
// spreadsheet text pasted into the table, CSV files, and the picture from the command line.

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QShortcut>
#include <QTemporaryDir>
#include <map>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "workbench/Arbeitsblattaktion.h"
#include "workbench/Startwerte.h"
#include "workbench/Werkbank.h"

namespace {

class Arbeitsblattfenster : public Plotfenster {
 protected:
  void SetUp() override {
    Plotfenster::SetUp();
    Tabelle_leeren(Zahlentabelle);
    ASSERT_TRUE(dir.isValid());
  }

  std::string Pfad(const char* name) const { return dir.filePath(name).toStdString(); }

  // Everything the window shows of each control with a start value, plus the records, the
  // table and the picture as a sheet.
  static std::map<std::string, std::string> Stand() {
    std::map<std::string, std::string> s;
    for (const TStartwert& w : Startwerte()) {
      std::string v = "T:" + form->Text(w.name);
      if (w.an >= 0) v += " H:" + std::to_string(form->Haken(w.name));
      if (w.eintrag >= 0) v += " E:" + std::to_string(form->Eintrag(w.name));
      if (QWidget* e = form->Element(w.name)) v += e->isEnabled() ? " frei" : " gesperrt";
      s[w.name] = v;
    }
    s["~Blatt"] = Arbeitsblatt_zu_Text(Arbeitsblatt_erfassen());
    return s;
  }

  static void Kuerzel(const QKeySequence& taste) {
    int gefunden = 0;
    for (QShortcut* k : form->findChildren<QShortcut*>())
      if (k->key() == taste) {
        ++gefunden;
        emit k->activated();
      }
    ASSERT_EQ(gefunden, 1) << taste.toString().toStdString();
  }

  static void Klick(const char* handler) {
    ASSERT_TRUE(QMetaObject::invokeMethod(form, handler, Qt::DirectConnection)) << handler;
  }

  static void Zuruecksetzen(SkriptDialoge& d) {
    d.antworten_frage.push_back(true);
    form->SpeedButton_StandardwerteClick();
    Tabelle_leeren(Zahlentabelle);
    form->SpeedButton_PlotClick();
  }

  static void Datei(const std::string& pfad, const std::string& inhalt) {
    QFile f(QString::fromStdString(pfad));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt.data(), static_cast<qint64>(inhalt.size()));
  }

  static std::string Lesen(const std::string& pfad) {
    QFile f(QString::fromStdString(pfad));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "";
  }

  // A worksheet far from the start values: terms, curves, view, grid, styles, number format,
  // modes, table and a picture with a placed text.
  static void Blatt_vorbereiten(SkriptDialoge& d, QImage& geplottet) {
    Eingeben("Edit_gSchar", "x²-2");
    Kurve_an("CheckBox_Schar_g_zeichnen", kGruen);
    Kurve_an("CheckBox_Schar_fs_zeichnen", kRot);
    Eingeben("Edit_xa", "-5");
    Eingeben("Edit_ye", "6");
    Eingeben("Edit_Schar_t2", "1,6");
    form->Haken_setzen("CheckBox_Achsen_dick", true);
    form->Haken_setzen("CheckBox_Polar_Wahl", true);
    form->Haken_setzen("CheckBox_rekursiv", true);
    form->Liste("ComboBox_Nachkommastellen")->setCurrentIndex(3);
    Klick("ComboBox_NachkommastellenChange");
    form->Liste("ComboBox_Punkteart")->setCurrentIndex(4);
    Klick("ComboBox_PunkteartChange");
    d.antworten_farbe.push_back(0x00AAFF);
    Klick("Panel_Fuellfarbe_definierenClick");
    form->SpeedButton_Bildbreite_kleinerClick();
    form->SpeedButton_Raster_engClick();
    Zahlentabelle.Zelle_setzen(1, 1, "2,5");
    Zahlentabelle.Zelle_setzen(3, 7, "Hallo");
    Zahlentabelle.Zelle_setzen(2, 0, "Kopf");
    geplottet = Kopie();
    form->Feld("Edit_Text_in_Grafik")->setText("Blatt 1");
    form->Text_platzieren(100, 120);
  }

  QTemporaryDir dir;
};

}  // namespace

TEST_F(Arbeitsblattfenster, Speichern_und_Oeffnen_stellen_alles_wieder_her) {
  SkriptDialoge d;
  QImage geplottet;
  Blatt_vorbereiten(d, geplottet);
  const auto vorher = Stand();
  const TKOS kos = KOS;
  const QImage bild = Kopie();
  ASSERT_NE(bild, geplottet);  // the placed text is only in the picture

  d.antworten_pfad.push_back(Pfad("blatt"));
  Kuerzel(QKeySequence(Qt::CTRL | Qt::Key_S));
  ASSERT_EQ(d.speicher_filter.size(), 1u);
  EXPECT_NE(d.speicher_filter[0].find("*.qdx"), std::string::npos);
  ASSERT_TRUE(QFile::exists(dir.filePath("blatt.qdx")));

  Zuruecksetzen(d);
  ASSERT_NE(Stand(), vorher);
  d.meldungen.clear();
  d.antworten_oeffnen.push_back(Pfad("blatt.qdx"));
  Kuerzel(QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_TRUE(d.meldungen.empty()) << d.letzte_meldung();

  // Every control with a start value, every record, the cells and the pixels.
  const auto nachher = Stand();
  for (const auto& [name, wert] : vorher)
    EXPECT_EQ(nachher.at(name), wert) << name;
  EXPECT_EQ(Kopie(), bild);
  EXPECT_EQ(T("Edit_gSchar"), "x²-2");
  EXPECT_EQ(KOS.xli, kos.xli);
  EXPECT_EQ(KOS.yo, 6);
  EXPECT_EQ(Zahlentabelle.Zelle(3, 7), "Hallo");
  EXPECT_EQ(Bild().Breite(), 15 * 640 / 16 + 1);
  // It computes as before: the next plot is the plot of the saved settings.
  form->SpeedButton_PlotClick();
  EXPECT_EQ(Kopie(), geplottet);
}

TEST_F(Arbeitsblattfenster, Knoepfe_haben_Hinweise_und_Handler) {
  for (const char* k : {"SpeedButton_Arbeitsblatt_oeffnen", "SpeedButton_Arbeitsblatt_speichern",
                        "SpeedButton_CSV_oeffnen", "SpeedButton_CSV_speichern"}) {
    ASSERT_NE(form->Element(k), nullptr) << k;
    EXPECT_FALSE(form->Element(k)->toolTip().isEmpty()) << k;
  }
  SkriptDialoge d;  // every dialog cancelled: nothing happens, nothing is said
  const auto vorher = Stand();
  for (const char* h :
       {"SpeedButton_Arbeitsblatt_oeffnenClick", "SpeedButton_Arbeitsblatt_speichernClick",
        "SpeedButton_CSV_oeffnenClick", "SpeedButton_CSV_speichernClick"})
    Klick(h);
  EXPECT_EQ(d.oeffnen_filter.size(), 2u);
  EXPECT_EQ(d.speicher_filter.size(), 2u);
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(Stand(), vorher);
}

// A bad file is refused with its reason and the window stays as it was.
TEST_F(Arbeitsblattfenster, Schlechte_Dateien_aendern_nichts) {
  SkriptDialoge d;
  Eingeben("Edit_fSchar", "x³");
  d.antworten_pfad.push_back(Pfad("gut.qdx"));
  Klick("SpeedButton_Arbeitsblatt_speichernClick");
  QJsonObject o =
      QJsonDocument::fromJson(QByteArray::fromStdString(Lesen(Pfad("gut.qdx")))).object();
  QJsonObject kos = o["KOS"].toObject();
  kos["yo"] = "1e4000";
  o["KOS"] = kos;
  Datei(Pfad("grenze.qdx"), QJsonDocument(o).toJson().toStdString());
  Datei(Pfad("fremd.qdx"), "\x89PNG\r\n");
  const std::string gut = Lesen(Pfad("gut.qdx"));
  Datei(Pfad("halb.qdx"), gut.substr(0, gut.size() / 3));

  Eingeben("Edit_fSchar", "sin(x)");
  const auto vorher = Stand();
  const std::pair<const char*, const char*> faelle[] = {
      {"fremd.qdx", "Die Datei ist kein Quadrix-Arbeitsblatt."},
      {"halb.qdx", "Das Arbeitsblatt ist beschädigt oder unvollständig."},
      {"grenze.qdx", "Der Wert „KOS.yo“ ist ungültig oder liegt außerhalb des erlaubten Bereichs."},
      {"fehlt.qdx", ""},
  };
  for (const auto& [datei, grund] : faelle) {
    d.antworten_oeffnen.push_back(Pfad(datei));
    Klick("SpeedButton_Arbeitsblatt_oeffnenClick");
    const std::string kopf = std::string("Das Arbeitsblatt ") + datei + " wurde nicht geöffnet.\n";
    EXPECT_EQ(d.letzte_meldung().rfind(kopf + grund, 0), 0u) << d.letzte_meldung();
    EXPECT_EQ(Stand(), vorher) << datei;
  }
}

TEST_F(Arbeitsblattfenster, Unbekannte_Eintraege_werden_mit_Hinweis_uebergangen) {
  SkriptDialoge d;
  ASSERT_TRUE(Arbeitsblatt_schreiben(*form, Fensterstand{}, Pfad("a.qdx")));
  QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(Lesen(Pfad("a.qdx")))).object();
  o["Zukunft"] = 1;
  QJsonObject schalter = o["Schalter"].toObject();
  schalter["CheckBox_gibt_es_nicht"] = true;
  o["Schalter"] = schalter;
  Datei(Pfad("a.qdx"), QJsonDocument(o).toJson().toStdString());
  ASSERT_TRUE(form->Arbeitsblatt_laden(Pfad("a.qdx")));
  EXPECT_EQ(d.letzte_meldung(),
            "Arbeitsblatt a.qdx geöffnet.\nHinweis: 2 Einträge stammen wohl aus einer neueren "
            "Quadrix-Version und wurden übergangen.");
}

// A term from a file is text like a typed one and gets the same check.
TEST_F(Arbeitsblattfenster, Terme_aus_der_Datei_werden_wie_getippte_geprueft) {
  SkriptDialoge d;
  Eingeben("Edit_hSchar", "2x+");
  ASSERT_EQ(d.meldungen.size(), 1u);
  const std::string getippt = d.meldungen[0];
  ASSERT_TRUE(Arbeitsblatt_schreiben(*form, Fensterstand{}, Pfad("t.qdx")));
  Zuruecksetzen(d);
  d.meldungen.clear();
  form->fokus_zurueck_.clear();
  ASSERT_TRUE(form->Arbeitsblatt_laden(Pfad("t.qdx")));
  EXPECT_EQ(d.meldungen, std::vector<std::string>{getippt});
  EXPECT_EQ(form->fokus_zurueck_, "Edit_hSchar");
  EXPECT_EQ(T("Edit_hSchar"), "2x+");
}

TEST_F(Arbeitsblattfenster, Strg_V_in_der_Tabelle_fuegt_Tabellenkalkulationstext_ein) {
  SkriptDialoge d;
  SkriptAblage ablage;
  ablage.text = "Zeit;Weg\r\n0,5;1.25\r\n\"1;5\";3\r\n";
  for (QShortcut* k : form->findChildren<QShortcut*>())
    if (k->key() == QKeySequence(Qt::CTRL | Qt::Key_V)) {
      EXPECT_EQ(k->parent(), form->StringGrid1);
      EXPECT_EQ(k->context(), Qt::WidgetShortcut);  // fields keep their own paste
    }
  ASSERT_TRUE(Zahlentabelle.Gehe_zu(2, 3));
  Kuerzel(QKeySequence(Qt::CTRL | Qt::Key_V));
  const auto* modell = qobject_cast<QAbstractItemView*>(form->StringGrid1)->model();
  const std::pair<std::pair<int, int>, const char*> zellen[] = {
      {{2, 3}, "Zeit"}, {{3, 3}, "Weg"}, {{2, 4}, "0,5"},
      {{3, 4}, "1,25"}, {{2, 5}, "1;5"}, {{3, 5}, "3"},
  };
  for (const auto& [zelle, text] : zellen)
    EXPECT_EQ(modell->data(modell->index(zelle.second, zelle.first)).toString().toStdString(),
              text);
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Arbeitsblattfenster, CSV_speichern_und_in_die_leere_Tabelle_oeffnen) {
  SkriptDialoge d;
  Zahlentabelle.Zelle_setzen(1, 1, "x");
  Zahlentabelle.Zelle_setzen(2, 1, "Länge; gemessen");
  Zahlentabelle.Zelle_setzen(1, 2, "0.5");
  Zahlentabelle.Zelle_setzen(2, 2, "2,25");
  d.antworten_pfad.push_back(Pfad("messung"));
  Klick("SpeedButton_CSV_speichernClick");
  EXPECT_EQ(Lesen(Pfad("messung.csv")), "\xEF\xBB\xBFx;\"Länge; gemessen\"\r\n0,5;2,25\r\n");
  Zahlentabelle.Zelle_setzen(5, 5, "weg");
  d.antworten_oeffnen.push_back(Pfad("messung.csv"));
  Klick("SpeedButton_CSV_oeffnenClick");
  EXPECT_EQ(Zahlentabelle.Zelle(2, 1), "Länge; gemessen");
  EXPECT_EQ(Zahlentabelle.Zelle(1, 2), "0,5");
  EXPECT_EQ(Zahlentabelle.Zelle(5, 5), "");  // opening replaces the table
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Arbeitsblattfenster, Bild_von_der_Kommandozeile_gleicht_dem_Fensterbild) {
  SkriptDialoge d;
  QImage geplottet;
  Blatt_vorbereiten(d, geplottet);
  ASSERT_TRUE(Arbeitsblatt_schreiben(*form, Fensterstand{}, Pfad("b.qdx")));
  const QImage fenster = Kopie();
  for (const char* ziel : {"b.png", "b.bmp"}) {
    std::string fehler;
    ASSERT_TRUE(Arbeitsblatt_Bild_schreiben(Pfad("b.qdx"), Pfad(ziel), fehler)) << fehler;
    EXPECT_EQ(QImage(QString::fromStdString(Pfad(ziel))).convertToFormat(QImage::Format_RGB32),
              fenster)
        << ziel;
  }
  std::string fehler;
  // The recording travels with the sheet: its vector forms hold lines, not one embedded bitmap.
  ASSERT_TRUE(Arbeitsblatt_Bild_schreiben(Pfad("b.qdx"), Pfad("b.svg"), fehler)) << fehler;
  QFile svg(QString::fromStdString(Pfad("b.svg")));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray inhalt = svg.readAll();
  EXPECT_TRUE(inhalt.contains("<path"));
  EXPECT_TRUE(inhalt.contains(">Blatt 1</text>"));
  EXPECT_FALSE(inhalt.contains("<image"));
  ASSERT_TRUE(Arbeitsblatt_Bild_schreiben(Pfad("b.qdx"), Pfad("b.pdf"), fehler)) << fehler;
  EXPECT_FALSE(Arbeitsblatt_Bild_schreiben(Pfad("b.qdx"), Pfad("b.gif"), fehler));
  EXPECT_NE(fehler.find("Die Endung muss .bmp, .png, .svg oder .pdf sein."), std::string::npos);
  EXPECT_FALSE(Arbeitsblatt_Bild_schreiben(Pfad("fehlt.qdx"), Pfad("c.png"), fehler));
  EXPECT_FALSE(QFile::exists(dir.filePath("c.png")));
}
