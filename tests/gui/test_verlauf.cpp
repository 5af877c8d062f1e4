// The sheet as a whole from the real window: undo and redo of every kind of action, the
// question before unsaved work is given up, the caption, recovery after the program was killed,
// and the recently opened worksheets.

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <map>
#include <random>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "workbench/Blatt.h"
#include "workbench/Sicherung.h"
#include "workbench/Startwerte.h"

namespace {

// What the user sees: every control with a start value (text, check, item, enabled) and the
// sheet itself (records, cells, pixels).
struct TSicht {
  std::map<std::string, std::string> Bedienung;
  TBlatt Blatt;
  QImage Pixel;
};

TSicht Sicht() {
  TSicht s;
  for (const TStartwert& w : Startwerte()) {
    if (!Form1->Element(w.name)) continue;
    std::string v = "T:" + Form1->Text(w.name);
    if (w.an >= 0) v += " H:" + std::to_string(Form1->Haken(w.name));
    if (w.eintrag >= 0) v += " E:" + std::to_string(Form1->Eintrag(w.name));
    v += Form1->Element(w.name)->isEnabled() ? " frei" : " gesperrt";
    s.Bedienung[w.name] = v;
  }
  s.Bedienung["ScrollBar1"] = std::to_string(Form1->ScrollBar1->value());
  s.Blatt = Blatt_erfassen();
  s.Pixel = Form1->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
  return s;
}

void Gleich(const TSicht& ist, const TSicht& soll, const std::string& wo) {
  for (const auto& [name, wert] : soll.Bedienung) {
    const auto it = ist.Bedienung.find(name);
    EXPECT_EQ(it == ist.Bedienung.end() ? "" : it->second, wert) << wo << ": " << name;
  }
  EXPECT_TRUE(Blatt_gleich(ist.Blatt, soll.Blatt)) << wo;
  EXPECT_EQ(ist.Pixel, soll.Pixel) << wo << ": Pixel";
}

void Knopf(const char* name) {
  auto* k = Form1->Knopf(name);
  ASSERT_NE(k, nullptr) << name;
  k->click();  // through the signal, as the user's click: the step is recorded after it
}

void Liste(const char* name, int eintrag) {
  QComboBox* l = Form1->Liste(name);
  ASSERT_NE(l, nullptr) << name;
  l->setCurrentIndex(eintrag);
  emit l->activated(eintrag);
}

void Feld(const char* name, const char* text) {
  Form1->Feld(name)->setText(QString::fromUtf8(text));
  const QByteArray h = QByteArray(name) + "Exit";
  ASSERT_TRUE(QMetaObject::invokeMethod(Form1, h.constData(), Qt::DirectConnection)) << name;
  Form1->Schritt_merken();  // leaving the field ends the action
}

struct TAktion {
  const char* was;
  std::function<void(SkriptDialoge&)> tun;
};

// One line per kind of action that changes the sheet.
const TAktion kAktionen[] = {
    {"Term getippt", [](SkriptDialoge&) { Feld("Edit_fSchar", "x^3-2x"); }},
    {"Zahl getippt mit Kopplung", [](SkriptDialoge&) { Feld("Edit_xa", "-4"); }},
    {"Schalter", [](SkriptDialoge&) { Knopf("CheckBox_Schar_g_zeichnen"); }},
    {"Modusschalter", [](SkriptDialoge&) { Knopf("CheckBox_rekursiv"); }},
    {"Liste", [](SkriptDialoge&) { Liste("ComboBox_Nachkommastellen", 2); }},
    {"Testdaten schreiben Zellen", [](SkriptDialoge&) { Knopf("SpeedButton_Testdaten_LinReg"); }},
    {"Tabelle löschen",
     [](SkriptDialoge& d) {
       d.antworten_frage.push_back(true);
       Knopf("SpeedButton_Tabelle_loeschen");
     }},
    {"Zellen aus der Zwischenablage",
     [](SkriptDialoge&) {
       SkriptAblage ablage;
       ablage.text = "1\t2\n3\t4\n";
       Zahlentabelle.Gehe_zu(5, 10);
       Form1->Tabelle_aus_Zwischenablage();
       Form1->Schritt_merken();
     }},
    {"Nullstellen in die Tabelle", [](SkriptDialoge&) { Knopf("SpeedButton_f_von_a"); }},
    {"Zoom", [](SkriptDialoge&) { Knopf("SpeedButton_Zoom_in"); }},
    {"Raster", [](SkriptDialoge&) { Knopf("SpeedButton_Raster_eng"); }},
    {"Schieberegler", [](SkriptDialoge&) { Form1->ScrollBar1->setValue(37); }},
    {"Standardwerte",
     [](SkriptDialoge& d) {
       d.antworten_frage.push_back(true);
       Knopf("SpeedButton_Standardwerte");
     }},
};

class Verlauf : public Plotfenster {
 protected:
  void SetUp() override {
    Plotfenster::SetUp();
    Tabelle_leeren(Zahlentabelle);
    form->Schritt_merken();
  }
};

TEST_F(Verlauf, Jede_Aktion_wird_genau_rueckgaengig_gemacht_und_wiederholt) {
  for (const TAktion& a : kAktionen) {
    SkriptDialoge d;
    // A non-default start, so that a reset has something to undo.
    Feld("Edit_gSchar", "x/2");
    const TSicht vorher = Sicht();
    const int schritte = form->Rueckschritte();
    a.tun(d);
    const TSicht nachher = Sicht();
    ASSERT_FALSE(Blatt_gleich(vorher.Blatt, nachher.Blatt)) << a.was << " ändert nichts";
    EXPECT_EQ(form->Rueckschritte(), std::min<int>(schritte + 1, TVerlauf::kSchritte)) << a.was;
    Knopf("SpeedButton_Rueckgaengig");
    Gleich(Sicht(), vorher, std::string(a.was) + ": rückgängig");
    Knopf("SpeedButton_Wiederholen");
    Gleich(Sicht(), nachher, std::string(a.was) + ": wiederholt");
  }
}

TEST_F(Verlauf, Zufaellige_Folgen_enden_immer_in_einem_gewesenen_Stand) {
  SkriptDialoge d;
  // The model: the states in order and where the sheet stands among them.
  std::vector<TSicht> staende{Sicht()};
  std::size_t pos = 0;
  std::mt19937 zufall(22);
  for (int i = 0; i < 40; ++i) {
    const int wahl = static_cast<int>(zufall() % 4);
    // Steps of earlier tests lie below the first state and are left alone.
    if (wahl == 0 && pos > 0) {
      Knopf("SpeedButton_Rueckgaengig");
      --pos;
    } else if (wahl == 1 && pos + 1 < staende.size()) {
      Knopf("SpeedButton_Wiederholen");
      ++pos;
    } else if (wahl >= 2) {
      const TAktion& a = kAktionen[zufall() % std::size(kAktionen)];
      d.abbruch_ab_abfrage = zufall() % 2;  // sometimes Escape cuts a computation short
      a.tun(d);
      d.abbruch_ab_abfrage = 0;
      TSicht jetzt = Sicht();
      if (!Blatt_gleich(jetzt.Blatt, staende[pos].Blatt)) {
        staende.resize(pos + 1);
        staende.push_back(std::move(jetzt));
        ++pos;
      }
    }
    Gleich(Sicht(), staende[pos], "Schritt " + std::to_string(i));
  }
}

TEST_F(Verlauf, Kuerzel_und_Knoepfe_sind_da) {
  for (const char* h : {"SpeedButton_RueckgaengigClick", "SpeedButton_WiederholenClick"})
    EXPECT_TRUE(QMetaObject::invokeMethod(form, h, Qt::DirectConnection)) << h;
  for (const char* k : {"SpeedButton_Rueckgaengig", "SpeedButton_Wiederholen"}) {
    ASSERT_NE(form->Knopf(k), nullptr) << k;
    EXPECT_FALSE(form->Knopf(k)->toolTip().isEmpty()) << k;
  }
  SkriptDialoge d;
  Feld("Edit_hSchar", "x+1");
  QKeyEvent z(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
  QApplication::sendEvent(form, &z);
  EXPECT_EQ(form->Text("Edit_hSchar"), Starttext("Edit_hSchar"));
  QKeyEvent y(QEvent::KeyPress, Qt::Key_Y, Qt::ControlModifier);
  QApplication::sendEvent(form, &y);
  EXPECT_EQ(form->Text("Edit_hSchar"), "x+1");
}

TEST_F(Verlauf, Mehr_als_hundert_Schritte_bleiben) {
  SkriptDialoge d;
  for (int i = 0; i < 105; ++i) {
    Zahlentabelle.Zelle_setzen(1, 1, std::to_string(i));
    form->Schritt_merken();
  }
  EXPECT_EQ(form->Rueckschritte(), 100);
  for (int i = 0; i < 100; ++i)
    form->SpeedButton_RueckgaengigClick();
  EXPECT_EQ(Zahlentabelle.Zelle(1, 1), "4");
}

// ---- unsaved changes ---------------------------------------------------------------------------

class Aenderungen : public Verlauf {
 protected:
  static bool Schliessen() {
    QCloseEvent e;
    QApplication::sendEvent(form, &e);
    return e.isAccepted();
  }
  QTemporaryDir dir;
};

struct TAufgabe {
  const char* was;
  bool geaendert;
  int antwort;   // Ja 1, Nein 0, Abbrechen -1
  bool gefragt;  // "Änderungen speichern?" was asked
  bool weiter;   // the action went ahead
};

constexpr TAufgabe kAufgaben[] = {
    {"unverändert", false, -1, false, true},
    {"Abbrechen", true, -1, true, false},
    {"Nein", true, 0, true, true},
    {"Ja", true, 1, true, true},
};

TEST_F(Aenderungen, Schliessen_Oeffnen_CSV_und_Zuruecksetzen_fragen) {
  const std::string pfad = dir.filePath("blatt.qdx").toStdString();
  const std::string csv = dir.filePath("t.csv").toStdString();
  {
    QFile f(QString::fromStdString(csv));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("7;8\r\n");
  }
  struct TWeg {
    const char* was;
    std::function<bool(SkriptDialoge&)> tun;  // true = went ahead
  };
  const TWeg wege[] = {
      {"schließen",
       [](SkriptDialoge& d) {
         d.antworten_frage.push_back(true);  // "Wirklich beenden ?"
         return Schliessen();
       }},
      {"öffnen",
       [&](SkriptDialoge& d) {
         d.antworten_oeffnen.push_back(std::nullopt);
         form->SpeedButton_Arbeitsblatt_oeffnenClick();
         return !d.oeffnen_filter.empty();
       }},
      {"CSV",
       [&](SkriptDialoge& d) {
         d.antworten_oeffnen.push_back(csv);
         form->SpeedButton_CSV_oeffnenClick();
         return Zahlentabelle.Zelle(1, 1) == "7";
       }},
      {"zurücksetzen",
       [](SkriptDialoge& d) {
         d.antworten_frage.push_back(true);
         form->SpeedButton_StandardwerteClick();
         return form->Text("Edit_fSchar") == Starttext("Edit_fSchar");
       }},
  };
  int n = 3;
  for (const TWeg& w : wege)
    for (const TAufgabe& a : kAufgaben) {
      const std::string wo = std::string(w.was) + ", " + a.was;
      Tabelle_leeren(Zahlentabelle);
      {
        SkriptDialoge d;
        d.antworten_pfad.push_back(pfad);
        d.antworten_frage.push_back(true);  // replace an existing file
        form->SpeedButton_Arbeitsblatt_speichernClick();
      }
      if (a.geaendert) Feld("Edit_fSchar", ("x^" + std::to_string(++n)).c_str());
      form->Schritt_merken();
      ASSERT_EQ(form->Blatt_geaendert(), a.geaendert) << wo;
      SkriptDialoge d;
      d.antworten_dreifach.push_back(a.antwort);
      QFile::remove(QString::fromStdString(pfad));
      const bool weiter = w.tun(d);
      EXPECT_EQ(d.dreifach_fragen.size(), a.gefragt ? 1u : 0u) << wo;
      if (a.gefragt) {
        EXPECT_EQ(d.dreifach_fragen[0], "Änderungen speichern?") << wo;
      }
      EXPECT_EQ(weiter, a.weiter) << wo;
      // Ja saves to the sheet's own file before going on.
      EXPECT_EQ(QFile::exists(QString::fromStdString(pfad)), a.antwort == 1 && a.gefragt) << wo;
    }
}

TEST_F(Aenderungen, Titel_zeigt_Namen_und_Stern) {
  SkriptDialoge d;
  const std::string pfad = dir.filePath("unterricht.qdx").toStdString();
  d.antworten_pfad.push_back(pfad);
  form->SpeedButton_Arbeitsblatt_speichernClick();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quadrix V4.45 - unterricht.qdx"));
  Feld("Edit_fSchar", "x^5");
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quadrix V4.45 - unterricht.qdx*"));
  form->SpeedButton_RueckgaengigClick();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quadrix V4.45 - unterricht.qdx"));
}

// ---- recent files ------------------------------------------------------------------------------

TEST_F(Aenderungen, Zuletzt_geoeffnete_Blaetter) {
  qputenv("XDG_CONFIG_HOME", dir.filePath("konfig").toUtf8());
  SkriptDialoge d;
  std::vector<std::string> pfade;
  for (int i = 0; i < 9; ++i) {
    pfade.push_back(dir.filePath(QStringLiteral("b%1.qdx").arg(i)).toStdString());
    d.antworten_pfad.push_back(pfade.back());
    form->SpeedButton_Arbeitsblatt_speichernClick();
  }
  const std::vector<std::string> liste = Zuletzt_geoeffnet();
  ASSERT_EQ(liste.size(), 8u);
  EXPECT_EQ(liste.front(), pfade[8]);
  EXPECT_EQ(liste.back(), pfade[1]);
  EXPECT_EQ(Letzter_Ordner(), dir.path().toStdString());

  Feld("Edit_fSchar", "x^6");
  form->Zuletzt_oeffnen(pfade[3]);
  EXPECT_EQ(form->Text("Edit_fSchar"), Starttext("Edit_fSchar"));

  QFile::remove(QString::fromStdString(pfade[5]));
  form->Zuletzt_oeffnen(pfade[5]);
  EXPECT_EQ(d.letzte_meldung(), "Das Arbeitsblatt " + pfade[5] +
                                    " gibt es nicht mehr. Es wird aus der Liste der zuletzt "
                                    "geöffneten entfernt.");
  const std::vector<std::string> danach = Zuletzt_geoeffnet();
  EXPECT_EQ(std::count(danach.begin(), danach.end(), pfade[5]), 0);
  EXPECT_EQ(danach.size(), 7u);
}

// ---- recovery ----------------------------------------------------------------------------------

// Run as a child: a lesson in progress, written to the recovery file, then the program waits to
// be killed.
TEST(Sicherung, Kind) {
  if (qgetenv("QDX_SICHERUNG_KIND").isEmpty()) GTEST_SKIP() << "nur als Kindprozess";
  Anwendung();
  SkriptDialoge d;
  TForm1 f;
  f.Sicherung_einschalten();
  f.Feld("Edit_fSchar")->setText("x^3");
  f.Edit_fScharExit();
  Zahlentabelle.Zelle_setzen(1, 1, "42");
  ASSERT_TRUE(f.Sicherung_jetzt());
  std::fputs("gesichert\n", stdout);
  std::fflush(stdout);
  for (;;)
    QThread::sleep(1);
}

class Wiederherstellung : public Hauptfenster_Test {};

TEST_F(Wiederherstellung, Nach_dem_Abbruch_wird_angeboten_und_wiederhergestellt) {
  QTemporaryDir dir;
  qputenv("XDG_DATA_HOME", dir.path().toUtf8());
  QProcess kind;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QDX_SICHERUNG_KIND", "1");
  env.insert("XDG_DATA_HOME", dir.path());
  env.insert("QT_QPA_PLATFORM", "offscreen");
  kind.setProcessEnvironment(env);
  kind.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Sicherung.Kind"});
  QByteArray ausgabe;
  for (int i = 0; i < 240 && !ausgabe.contains("gesichert"); ++i) {
    kind.waitForReadyRead(500);
    ausgabe += kind.readAllStandardOutput();
  }
  ASSERT_TRUE(ausgabe.contains("gesichert")) << ausgabe.toStdString();
  kind.kill();
  kind.waitForFinished();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(Sicherungspfad())));

  SkriptDialoge d;
  d.antworten_frage.push_back(true);
  form->Sicherung_einschalten();
  EXPECT_EQ(d.fragen, std::vector<std::string>{"Wiederherstellen?"});
  EXPECT_EQ(form->Text("Edit_fSchar"), "x^3");
  EXPECT_EQ(Zahlentabelle.Zelle(1, 1), "42");
  EXPECT_TRUE(form->Blatt_geaendert());

  // A normal end removes the file.
  d.antworten_dreifach.push_back(0);
  d.antworten_frage.push_back(true);
  QCloseEvent e;
  QApplication::sendEvent(form, &e);
  EXPECT_TRUE(e.isAccepted());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Sicherungspfad())));
}

TEST_F(Wiederherstellung, Beschaedigte_Datei_wird_abgelehnt) {
  QTemporaryDir dir;
  qputenv("XDG_DATA_HOME", dir.path().toUtf8());
  QDir().mkpath(dir.filePath("quadrix"));
  QFile f(QString::fromStdString(Sicherungspfad()));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("{\"Format\": \"Quadrix-Arbeitsblatt\", \"Vers");
  f.close();
  SkriptDialoge d;
  form->Sicherung_einschalten();
  EXPECT_TRUE(d.fragen.empty());
  ASSERT_EQ(d.meldungen.size(), 1u);
  EXPECT_EQ(d.meldungen[0],
            "Die Wiederherstellungsdatei ist beschädigt und wird nicht verwendet.\n"
            "Das Arbeitsblatt ist beschädigt oder unvollständig.");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Sicherungspfad())));
}

}  // namespace
