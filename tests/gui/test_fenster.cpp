// The main window as the started program shows it: controls, start values, field rules,
// switch couplings, mode switches and closing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "engine/KOS.h"
#include "engine/UFunktionsParser.h"
#include "engine/UMatheBasisOp.h"
#include "hauptfenster.h"
#include "kos/U_KOS.h"
#include "support/SkriptDialoge.h"
#include "windows/Bildflaeche.h"
#include "windows/UQdx.h"
#include "windows/Unit2_Help.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"
#include "workbench/Startwerte.h"
#include "workbench/Werkbank.h"

class Fenster : public Hauptfenster_Test {
 protected:
  // Every test starts from the start values, as after the reset button.
  void SetUp() override { form->Standard_Werte_einstellen(); }

  static std::string T(const char* feld) { return form->Text(feld); }
  // Types a text into a field and leaves it, as the user does.
  static void Eingeben(const char* feld, const std::string& text) {
    form->Feld(feld)->setText(QString::fromStdString(text));
    QByteArray handler = QByteArray(feld) + "Exit";
    ASSERT_TRUE(QMetaObject::invokeMethod(form, handler.constData(), Qt::DirectConnection)) << feld;
  }
};

TEST_F(Fenster, Fenster_hat_Titel_Groesse_und_Seitenfenster) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quadrix V4.45"));
  EXPECT_EQ(form->width(), 1314);
  EXPECT_EQ(form->height(), 712);
  ASSERT_NE(form->Form2, nullptr);
  ASSERT_NE(form->Form4, nullptr);
  ASSERT_NE(form->Form5, nullptr);
  EXPECT_EQ(Form1, form);
}

// ---- layout -----------------------------------------------------------------------------------

struct Gruppenlage {
  const char* name;
  const char* titel;
  int x, y, b, h;
};

TEST_F(Fenster, Gruppen_haben_Lage_und_Titel) {
  const Gruppenlage gruppen[] = {
      {"GroupBox_Zoom", "   Plot-Aktionen   ", 642, 0, 142, 133},
      {"GroupBox_Bildrahmen", "  KOS festlegen  ", 784, 0, 167, 66},
      {"GroupBox_Raster", "  Hintergrund  ", 951, 0, 90, 66},
      {"GroupBox_Achsen", "  Achsen festlegen  ", 1041, 0, 273, 66},
      {"GroupBox_Punkte", " Punkte Linien Flächen  ", 784, 67, 257, 66},
      {"GroupBox_Bereiche", "  Bereiche für x und y einstellen  ", 1041, 67, 273, 66},
      {"GroupBox_Kurven", "   Funktionen und Funktionenscharen   ", 642, 134, 367, 165},
      {"GroupBox_GrafenWahl", "weitere Grafen", 1009, 134, 90, 275},
      {"GroupBox_Parameterkurven", "  Parameter- bzw. Polarkoordinaten  ", 1099, 134, 215, 113},
      {"GroupBox_Polarkoordinaten", "   Folgen (explizit oder rekursiv)   ", 1099, 248, 215, 161},
      {"GroupBox_Tools", "  Tools für f, g, h  ", 642, 300, 367, 109},
      {"GroupBox_1dim_Statistik", " 1dim. Statistik - Spalten 1;2 ", 642, 410, 176, 65},
      {"GroupBox_Regression", "  2dim. Statistik - Regression  ", 818, 410, 232, 65},
      {"GroupBoxInterpolation", " Interpolation ", 1050, 410, 121, 65},
      {"GroupBox_Matrix", "  Matrix-Operationen ", 1171, 410, 143, 65},
      {"GroupBox_Tabelle",
       "  Punkteingabe (max. 1500) und Matrixeingabe (max. 41 Spalten)  sowie div. Ausgaben", 642,
       476, 672, 238},
      {"GroupBox2", "  Info und Extras   ", 0, 642, 167, 70},
      {"GroupBox_Display", " Ausgabeformat  ", 168, 642, 185, 70},
      {"GroupBox_Text_in_Grafik", " Text einfügen  ", 354, 642, 287, 70},
  };
  for (const auto& g : gruppen) {
    auto* box = form->findChild<QGroupBox*>(g.name);
    ASSERT_NE(box, nullptr) << g.name;
    EXPECT_EQ(box->parentWidget(), form->Inhalt()) << g.name;
    EXPECT_EQ(box->geometry(), QRect(g.x, g.y, g.b, g.h)) << g.name;
    EXPECT_EQ(box->title().toStdString(), g.titel) << g.name;
  }
  EXPECT_EQ(form->Image1->geometry(), QRect(0, 0, 641, 641));
}

TEST_F(Fenster, Innere_Gruppen_tragen_ihre_Titel) {
  auto Titel_in = [](const char* eltern, const char* titel) {
    auto* e = form->findChild<QGroupBox*>(eltern);
    if (!e) return false;
    for (auto* g : e->findChildren<QGroupBox*>())
      if (g->title().toStdString() == titel) return true;
    return false;
  };
  EXPECT_TRUE(Titel_in("GroupBox_Kurven", " im Intervall  "));
  EXPECT_TRUE(
      Titel_in("GroupBox_Kurven", " Scharparameter t  für f, g, h (in Param.darst. x für t)  "));
  EXPECT_TRUE(Titel_in("GroupBox_Tools", " Grenzen für Tools "));
  EXPECT_TRUE(Titel_in("GroupBox_Tabelle", "   Punkte und Konstruktionen  "));
  EXPECT_TRUE(Titel_in("GroupBox_Tabelle", " Testdaten erzeugen "));
}

// Every control of the main window, by kind.
TEST_F(Fenster, Jedes_Steuerelement_ist_da) {
  const char* felder[] = {"Edit_xa",
                          "Edit_xe",
                          "Edit_ya",
                          "Edit_ye",
                          "Edit_xscl",
                          "Edit_yscl",
                          "Edit_Bildbreite",
                          "Edit_Bildtiefe",
                          "Edit_fSchar",
                          "Edit_gSchar",
                          "Edit_hSchar",
                          "Edit_xParam",
                          "Edit_yParam",
                          "Edit_Folge",
                          "Edit_xaSchar",
                          "Edit_xeSchar",
                          "Edit_xaSchar_g",
                          "Edit_xeSchar_g",
                          "Edit_xaSchar_h",
                          "Edit_xeSchar_h",
                          "Edit_aStart",
                          "Edit_bEnde",
                          "Edit_delta_x",
                          "Edit_u",
                          "Edit_Schar_t1",
                          "Edit_Schar_t2",
                          "Edit_delta_t",
                          "Edit_Param_k1",
                          "Edit_Param_k2",
                          "Edit_delta_Phi",
                          "Edit_x_n0",
                          "Edit_y_n1",
                          "Edit_skalar_r",
                          "Edit_n0",
                          "Edit_Iterationstiefe",
                          "Edit_Mat_n",
                          "Edit_xBeschrift",
                          "Edit_yBeschrift",
                          "Edit_Text_in_Grafik",
                          "Edit_f_von_a"};
  for (const char* n : felder)
    EXPECT_NE(form->findChild<QLineEdit*>(n), nullptr) << n;

  const char* schalter[] = {"CheckBox_xAchse",
                            "CheckBox_yAchse",
                            "CheckBox_Skalierung",
                            "CheckBox_Zahlen_an_Achsen",
                            "CheckBox_Achsen_dick",
                            "CheckBox_Grobraster",
                            "CheckBox_Achsen_automatisch_beschriften",
                            "CheckBox_DatenPkte_verbinden",
                            "CheckBox_Schar_f_zeichnen",
                            "CheckBox_Schar_g_zeichnen",
                            "CheckBox_Schar_h_zeichnen",
                            "CheckBox_Schar_fs_zeichnen",
                            "CheckBox_Schar_fs2_zeichnen",
                            "CheckBox_Schar_fs3_zeichnen",
                            "CheckBox_f_invers_zeichnen",
                            "CheckBox_Integralfunktion",
                            "CheckBox_Schar_kr_zeichnen",
                            "CheckBox_x_gleich_a",
                            "CheckBox_x_gleich_b",
                            "CheckBox_Param",
                            "CheckBox_Polar_Wahl",
                            "CheckBox_Folge",
                            "CheckBox_rekursiv",
                            "CheckBox_rekursivxy",
                            "CheckBox_Web",
                            "CheckBox_nur_g_zeichnen",
                            "CheckBox_alle_t_verwenden",
                            "CheckBox_Punkte",
                            "CheckBox_Integralfunktion_tabellieren",
                            "CheckBox_Grobschraffur",
                            "CheckBox_Textmodus",
                            "CheckBox_ZoomModus",
                            "CheckBox_loeschen",
                            "CheckBox_Fixkomma",
                            "CheckBox_Bruchdarstellung",
                            "CheckBox_2_Regressionsgeraden",
                            "CheckBox_Newton_tabellieren",
                            "CheckBox_mit_Steigungsdreieck",
                            "CheckBox_Fehlerquadrate",
                            "CheckBox_Tracing"};
  for (const char* n : schalter)
    EXPECT_NE(form->findChild<QCheckBox*>(n), nullptr) << n;

  const char* listen[] = {
      "ComboBox_Linienart",        "ComboBox_Punkteart",           "ComboBox_PunktRadius",
      "ComboBox_Flaechenfuellung", "ComboBox_Zahlenhoehe",         "ComboBox_Nachkommastellen",
      "ComboBox_Gesamtstellen",    "ComboBox_Integrationsmethode", "ComboBox_RegressionsModelle",
      "ComboBox_DiagrammTyp",      "ComboBox_DiagrPlotNr",         "ComboBox_MatrixOps",
      "ComboBox_Punkte_ab_Spalte"};
  for (const char* n : listen)
    EXPECT_NE(form->findChild<QComboBox*>(n), nullptr) << n;

  const char* knoepfe[] = {"SpeedButton_Plot",
                           "SpeedButton_Zoom_in",
                           "SpeedButton_Zoom_out",
                           "SpeedButton_Zoom_in_x",
                           "SpeedButton_Zoom_out_x",
                           "SpeedButton_Zoom_in_y",
                           "SpeedButton_Zoom_out_y",
                           "SpeedButton_Links_schieben",
                           "SpeedButton_rechts_schieben",
                           "SpeedButton_hoch_schieben",
                           "SpeedButton_runter_schieben",
                           "SpeedButton_Ursprung_Mitte",
                           "SpeedButton_Ursprung_links_unten",
                           "SpeedButton_1und2Quadrant",
                           "SpeedButton_1und4Quadrant",
                           "SpeedButton_Standardwerte",
                           "SpeedButton_Bildbreite_groesser",
                           "SpeedButton_Bildbreite_kleiner",
                           "SpeedButton_Bildtiefe_groesser",
                           "SpeedButton_Bildtiefe_kleiner",
                           "SpeedButton_ohne_Raster",
                           "SpeedButton_Raster_gestrichelt",
                           "SpeedButton_Raster_mittel",
                           "SpeedButton_Raster_eng",
                           "SpeedButton_Raster_1mm",
                           "SpeedButton_Bifurkation",
                           "SpeedButton_Folge_in_Tabelle",
                           "SpeedButton_Polar_in_Tabelle",
                           "SpeedButton_Schar_in_Tabelle",
                           "SpeedButton_Grenzwerttabelle",
                           "SpeedButton_f_von_a",
                           "SpeedButton_Schnitt_f_g",
                           "SpeedButton_Extrempunkte",
                           "SpeedButton_Wendepunkte",
                           "SpeedButton_Integral_f_g",
                           "SpeedButton_U_O_Tr_Summe",
                           "SpeedButton_Rotationsintegral",
                           "SpeedButton_Bogenlaenge",
                           "SpeedButton_Flaeche_schraffieren",
                           "SpeedButton_Tangente",
                           "SpeedButton_Sekante",
                           "SpeedButton_Normale",
                           "SpeedButton_Kruemmungskreis",
                           "SpeedButton_senkrechte_Entfernungen",
                           "SpeedButton_waagerechte_Entfernungen",
                           "SpeedButton_Tabelle_loeschen",
                           "SpeedButton_Zeile_loeschen",
                           "SpeedButton_Spalte_loeschen",
                           "SpeedButton_Schiebe_Zeile",
                           "SpeedButton_Schiebe_Spalte",
                           "SpeedButton_Zelle_1_1",
                           "SpeedButton_Bruchdarstellung",
                           "SpeedButton_Dezimalbruch",
                           "SpeedButton_TabellenBereich_zu_Textdatei",
                           "SpeedButton_Zellen_kopieren",
                           "SpeedButton_Spaltensumme",
                           "SpeedButton_kumulierte_Summe",
                           "SpeedButton_Skalarprodukt",
                           "SpeedButton_VektorProdukt",
                           "SpeedButton_Addiere_zu_Spalte",
                           "SpeedButton_Multipliziere_mit_Spalte",
                           "SpeedButton_Binomialverteilung",
                           "SpeedButtonLehmerzahlen",
                           "SpeedButton_Testdaten_LinReg",
                           "SpeedButton_Testdaten_Dreieck",
                           "SpeedButton_Testdaten_Saeulendiagramm",
                           "SpeedButton_Testdaten_Boxplots",
                           "SpeedButton_Testdaten_Histo",
                           "SpeedButton_Testdaten_LGS",
                           "SpeedButton_Testdaten_Kreisdiagramm",
                           "SpeedButton_Testdaten_Splines",
                           "SpeedButton_MatrixOps",
                           "SpeedButton_Punkte_einzeichnen",
                           "SpeedButton_Schwerpunkt_zeichnen",
                           "SpeedButton_Rechteck_einzeichnen",
                           "SpeedButton_regelm_Vielecke",
                           "SpeedButtonLot_P1_f",
                           "SpeedButtonMittelpunktAB",
                           "SpeedButton_Diagramm_zeichnen",
                           "SpeedButton_Regressionsmodell_starten",
                           "SpeedButton_Interpolationspolynom",
                           "SpeedButton_SplineInterpolation",
                           "SpeedButton_Trassierung",
                           "SpeedButton_Hilfe",
                           "SpeedButton_2D_Abbildungen",
                           "SpeedButton_Baumdiagramme",
                           "SpeedButton_speichernBMP",
                           "SpeedButton_FontAuswahl"};
  for (const char* n : knoepfe)
    EXPECT_NE(form->findChild<QAbstractButton*>(n), nullptr) << n;

  const char* sonstige[] = {"Panel_Farbe_Punkte",
                            "Panel_Farbe_Raster",
                            "Panel_Linienfarbe_definieren",
                            "Panel_Fuellfarbe_definieren",
                            "Image1",
                            "Image_f",
                            "Image_g",
                            "Image_h",
                            "Image_fs",
                            "Image_fs2",
                            "Image_fs3",
                            "Image_inv",
                            "Image_Int",
                            "Image_krue",
                            "Image_x_gleich_a",
                            "Image_x_gleich_b",
                            "Image_xt_yt",
                            "Image_Punktverbindung",
                            "StringGrid1",
                            "ScrollBar1",
                            "LabelSchiebereglerWert",
                            "Label_xParam",
                            "Label_yParam",
                            "Label_Folge",
                            "Label_x_n0",
                            "Label_y_n1",
                            "Label_Iterationstiefe"};
  for (const char* n : sonstige)
    EXPECT_NE(form->findChild<QWidget*>(n), nullptr) << n;
}

// Every control lies inside its parent, and no two controls of one parent overlap.
TEST_F(Fenster, Steuerelemente_liegen_in_ihrer_Gruppe_ohne_Ueberlappung) {
  QList<QWidget*> alle = form->findChildren<QWidget*>();
  alle << form;
  for (QWidget* w : alle) {
    if (w == form || w->objectName().isEmpty() || w->isWindow()) continue;
    QWidget* e = w->parentWidget();
    if (!e || e->objectName().isEmpty()) continue;
    // The table group is placed 2 pixels beyond the window bottom; the table keeps its own size.
    if (w->objectName() == QLatin1String("StringGrid1")) continue;
    if (w->objectName() == QLatin1String("GroupBox_Tabelle")) continue;
    EXPECT_TRUE(QRect(QPoint(0, 0), e->size()).contains(w->geometry()))
        << w->objectName().toStdString() << " in " << e->objectName().toStdString();
  }
  for (QWidget* e : alle) {
    if (e->objectName().isEmpty()) continue;
    QList<QWidget*> kinder;
    for (QObject* o : e->children())
      if (auto* w = qobject_cast<QWidget*>(o);
          w && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") && !w->isWindow())
        kinder << w;
    for (int i = 0; i < kinder.size(); ++i)
      for (int j = i + 1; j < kinder.size(); ++j)
        EXPECT_FALSE(kinder[i]->geometry().intersects(kinder[j]->geometry()))
            << kinder[i]->objectName().toStdString() << " / "
            << kinder[j]->objectName().toStdString();
  }
}

TEST_F(Fenster, Hinweise_und_Beschriftungen) {
  const std::pair<const char*, const char*> hinweise[] = {
      {"ComboBox_Linienart", "Linienstil und Dicke einstellen"},
      {"Panel_Linienfarbe_definieren", "Linienfarbe"},
      {"ComboBox_Flaechenfuellung", "Füllmuster einstellen"},
      {"Panel_Fuellfarbe_definieren", "Füllfarbe"},
      {"ComboBox_Punkteart", "Punktestil einstellen"},
      {"ComboBox_PunktRadius", "Punktradius einstellen"},
      {"Panel_Farbe_Punkte", "Punktfarbe"},
      {"Panel_Farbe_Raster", "Rasterfarbe"},
      {"CheckBox_Grobraster", "Grobraster hinzuschalten"},
      {"SpeedButton_ohne_Raster", "kein Raster"},
      {"SpeedButton_Raster_gestrichelt", "10 mm - Raster"},
      {"SpeedButton_Raster_mittel", "5 mm - Raster"},
      {"SpeedButton_Raster_eng", "2 mm - Raster"},
      {"SpeedButton_Raster_1mm", "1 mm - Raster"},
      {"Edit_delta_x", "Delta_x"},
      {"Edit_u", "untere Grenze der Integralfunktion"},
      {"Edit_Iterationstiefe", "Iterationstiefe für Folgen (2..999)"},
      {"ComboBox_Punkte_ab_Spalte", "Punktespalten"},
      {"ComboBox_Integrationsmethode", "Integrationsverfahren"},
      {"CheckBox_f_invers_zeichnen", "Umkehrrelation von f"},
      {"CheckBox_Integralfunktion", "Integralfunktion F(x) zur unteren Grenze u"},
      {"CheckBox_Schar_kr_zeichnen", "Krümmungsfunktion von f"},
      {"CheckBox_x_gleich_a", "senkrechte Gerade 1"},
      {"CheckBox_x_gleich_b", "senkrechte Gerade 2"},
      {"CheckBox_rekursivxy", "entspricht: a(n) =g(a(n-1),a(n-2))"},
      {"CheckBox_Folge", "Folge zeichnen"},
      {"CheckBox_Web", "Spinnweb-Diagrammdarstellung anwählen"},
      {"CheckBox_alle_t_verwenden", "t verwenden"},
      {"CheckBox_loeschen", "alte Grafik vorher löschen"},
      {"CheckBox_Punkte", "von Tabelle Sp1;Sp2"},
      {"CheckBox_Achsen_automatisch_beschriften", "Achsen automatisch beschriften"},
      {"CheckBox_ZoomModus", "ZoomModus ein/aus"},
      {"CheckBox_Textmodus", "TextModus ein/aus"},
      {"ScrollBar1", "ft(x) in Abh. von t variieren"},
      {"SpeedButton_Hilfe", "Hilfestellung und Info"},
      {"SpeedButton_2D_Abbildungen", "2D-Abbildungen und Linien im Dreieck"},
      {"SpeedButton_Baumdiagramme", "Baumdiagramme"},
      {"SpeedButton_Standardwerte", "KOS auf Standardwerte zurücksetzen"},
      {"SpeedButton_Zoom_out", "Grafik verkleinern"},
      {"SpeedButton_Zoom_in", "Grafik vergrößern"},
      {"SpeedButton_Zoom_out_x", "x-Achse stauchen"},
      {"SpeedButton_Zoom_in_x", "x-Achse strecken"},
      {"SpeedButton_Zoom_out_y", "y-Achse stauchen"},
      {"SpeedButton_Zoom_in_y", "y-Achse strecken"},
      {"SpeedButton_Links_schieben", "Grafik links schauen"},
      {"SpeedButton_rechts_schieben", "Grafik rechts schauen"},
      {"SpeedButton_hoch_schieben", "Grafik oben schauen"},
      {"SpeedButton_runter_schieben", "Grafik unten schauen"},
      {"SpeedButton_Bildbreite_groesser", "KOS-Breite größer"},
      {"SpeedButton_Bildbreite_kleiner", "KOS-Breite kleiner"},
      {"SpeedButton_Bildtiefe_groesser", "KOS-Höhe größer"},
      {"SpeedButton_Bildtiefe_kleiner", "KOS-Höhe kleiner"},
      {"SpeedButton_FontAuswahl", "Schriftattribute auswählen"},
      {"SpeedButton_speichernBMP", "Grafik als BMP speichern"},
      {"SpeedButton_Bifurkation", "Bifurkationsdiagramm zeichnen"},
      {"SpeedButton_f_von_a", "Funktionswert ft(a) berechnen"},
      {"SpeedButton_Grenzwerttabelle", "Grenzwerttabelle für f'(a), f''(a) und f'\"(a) erzeugen"},
      {"SpeedButton_Kruemmungskreis",
       "Krümmungskreis von f, g oder h an der Stelle a zeichnen; Farbe = Linienfarbe !"},
      {"CheckBox_Integralfunktion_tabellieren",
       "Integralfunktion F(u,x) ebenfalls tabellieren; max 9 Werte !!"},
      {"ComboBox_MatrixOps", "Matrixoperationen"},
      {"SpeedButton_MatrixOps", "MatrixOperationen durchführen"},
      {"CheckBox_Tracing", "Algorithmus schrittweise abarbeiten"},
      {"GroupBox_Matrix", "angewandt auf die Tabelle"},
      {"CheckBox_2_Regressionsgeraden", "zweite Regressionsgerade zusätzlich zeichnen"},
      {"SpeedButton_Regressionsmodell_starten", "2D-Regressionsmodell berechnen und zeichnen"},
      {"SpeedButton_Diagramm_zeichnen", "Diagramm für 1dim. Statistik zeichnen"},
      {"ComboBox_Nachkommastellen", "Nachkommastellen der Zahlenausgabe"},
      {"ComboBox_Gesamtstellen", "Gesamtstellen der Zahlenausgabe"},
      {"SpeedButton_Testdaten_Saeulendiagramm", "Testdaten Säulendiagramm laden"},
      {"SpeedButtonLehmerzahlen", "Lehmerzahlen in Sp1;Sp2 erzeugen"},
  };
  for (const auto& [name, hinweis] : hinweise) {
    QWidget* w = form->findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(w->toolTip().toStdString(), hinweis) << name;
  }

  const std::pair<const char*, const char*> beschriftungen[] = {
      {"CheckBox_Skalierung", "Skala"},
      {"CheckBox_Zahlen_an_Achsen", "mit Zahlen"},
      {"CheckBox_Achsen_dick", "dick"},
      {"CheckBox_Grobraster", "G"},
      {"CheckBox_DatenPkte_verbinden", "Pkte verbinden"},
      {"CheckBox_Schar_fs_zeichnen", "f '"},
      {"CheckBox_Schar_fs2_zeichnen", "f \""},
      {"CheckBox_Schar_fs3_zeichnen", "f '''"},
      {"CheckBox_f_invers_zeichnen", "f"},
      {"CheckBox_Integralfunktion", "F"},
      {"CheckBox_Schar_kr_zeichnen", "krü"},
      {"CheckBox_x_gleich_a", "x=a"},
      {"CheckBox_x_gleich_b", "x=b"},
      {"CheckBox_Param", "x(t) y(t)"},
      {"CheckBox_Polar_Wahl", "wähle Polardarstellung"},
      {"CheckBox_rekursiv", "rekursiv: x=g(x)"},
      {"CheckBox_rekursivxy", " x|k=g(x,k)"},
      {"CheckBox_Web", "CobWeb"},
      {"CheckBox_nur_g_zeichnen", "nur g zeichnen"},
      {"CheckBox_alle_t_verwenden", "t von"},
      {"CheckBox_Fixkomma", "Fix"},
      {"CheckBox_Bruchdarstellung", "Bruch"},
      {"CheckBox_loeschen", "löschen"},
      {"CheckBox_Achsen_automatisch_beschriften", "auto"},
      {"CheckBox_Textmodus", "Textmod"},
      {"CheckBox_ZoomModus", "Zoom"},
      {"CheckBox_Punkte", "Punkte"},
      {"CheckBox_2_Regressionsgeraden", "y2=m2·x+b2 zusätzl."},
  };
  for (const auto& [name, text] : beschriftungen) {
    auto* c = form->findChild<QCheckBox*>(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->text().toStdString(), text) << name;
  }
  const std::pair<const char*, const char*> labels[] = {
      {"Label_xli", "xli="},
      {"Label_xre", "xre="},
      {"Label_xscl", "xSk="},
      {"Label_yu", "yu="},
      {"Label_yo", "yo="},
      {"Label_yscl", "ySk="},
      {"Label_x_n0", "x(n0)="},
      {"Label_y_n1", "k(n1)="},
      {"Label_n0", "n0="},
      {"Label_Iterationstiefe", "CobWeb-Iterationstiefe = "},
      {"Label_Mat_n", "n ="},
      {"Label_skalar_r", "r ="},
      {"Label_DiagrPlotNr", "BoxPlotNr ="},
      {"Label_xParam", "x(t) ="},
      {"Label_Folge", "a(n) ="},
  };
  for (const auto& [name, text] : labels) {
    auto* l = form->findChild<QLabel*>(name);
    ASSERT_NE(l, nullptr) << name;
    EXPECT_EQ(l->text().toStdString(), text) << name;
  }
}

TEST_F(Fenster, Listen_haben_ihre_Eintraege) {
  auto Eintraege = [](const char* name) {
    std::vector<std::string> v;
    if (auto* c = form->findChild<QComboBox*>(name))
      for (int i = 0; i < c->count(); ++i)
        v.push_back(c->itemText(i).toStdString());
    return v;
  };
  using V = std::vector<std::string>;
  EXPECT_EQ(Eintraege("ComboBox_Linienart"), (V{"0", "1", "2", "3", "4", "5"}));
  EXPECT_EQ(Eintraege("ComboBox_Flaechenfuellung"), (V{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(Eintraege("ComboBox_PunktRadius"), (V{"0", "1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(Eintraege("ComboBox_Punkteart").size(), 5u);
  EXPECT_EQ(Eintraege("ComboBox_Zahlenhoehe"), (V{"8 ", "9", "10", "11", "12", "13", "14", "15"}));
  EXPECT_EQ(Eintraege("ComboBox_Nachkommastellen").size(), 18u);
  EXPECT_EQ(Eintraege("ComboBox_Nachkommastellen").back(), "17");
  EXPECT_EQ(Eintraege("ComboBox_Gesamtstellen").size(), 13u);
  EXPECT_EQ(Eintraege("ComboBox_Gesamtstellen").front(), "8");
  EXPECT_EQ(Eintraege("ComboBox_Integrationsmethode"),
            (V{"Gauß-Kronrod", "Trapez", "Mittenrechteck", "Simpson", "Romberg", "Romberg tab"}));
  EXPECT_EQ(Eintraege("ComboBox_DiagrammTyp"),
            (V{"Häufigk.polygon", "Säulendiagramm", "Boxplot", "modifiz. Boxplot",
               "Boxplot mit Daten", "mod. Boxp m. Daten", "Kreisdiagramm", "Histogramm"}));
  EXPECT_EQ(Eintraege("ComboBox_DiagrPlotNr"), (V{"1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(Eintraege("ComboBox_RegressionsModelle"),
            (V{"m·x", "m·x+b", "a·x²+b·x+c", "a·x³+b·x²+c·x+d", "a·x^4+b·x³+ ...",
               "a·x^5+b·x^4+ ...", "c·e^(kx)", "c+b·ln(x)", "c·x^b", "1/(a·x+b)", "x/(a·x+b)"}));
  EXPECT_EQ(Eintraege("ComboBox_MatrixOps"),
            (V{"C=rref(A)", "det(A)", "C=A^n", "C=A^(-1)", "ASCII --> A", "En --> Cursor",
               "Nn --> Cursor", "C=A^T", "C=A*B", "C=A^n*B", "A --> ASCII", "C=r*A", "C=B*A",
               "rang(A)"}));
  EXPECT_EQ(Eintraege("ComboBox_Punkte_ab_Spalte"), (V{"Sp 1,2", "Sp 3,4", "Sp 5,6", "Sp 7,8"}));
}

// ---- start values -------------------------------------------------------------------------------

// The started window shows every start value of the one start table, except the f switch,
// which the start-up turns on after the reset.
TEST_F(Fenster, Startwerte_der_Tabelle_stehen_im_Fenster) {
  for (const TStartwert& w : Startwerte()) {
    SCOPED_TRACE(w.name);
    ASSERT_NE(form->Element(w.name), nullptr);
    // The start-up switches f on after the reset; other tests of the suite may switch it off.
    if (std::string_view(w.name) == "CheckBox_Schar_f_zeichnen") continue;
    if (w.text) {
      EXPECT_EQ(T(w.name), w.text);
    }
    if (w.eintrag >= 0) {
      EXPECT_EQ(form->Liste(w.name)->currentIndex(), w.eintrag);
    }
    if (w.an >= 0) {
      EXPECT_EQ(form->Haken(w.name), w.an == 1);
    }
    if (w.gesperrt) {
      EXPECT_FALSE(form->Element(w.name)->isEnabled());
    }
  }
  QLineEdit* text = form->Feld("Edit_Text_in_Grafik");
  EXPECT_EQ(text->size(), QSize(200, 20));
  EXPECT_EQ(text->font().pixelSize(), 13);  // 10 pt at 96 dots per inch, as in the picture
  EXPECT_EQ(text->palette().color(QPalette::Text), QColor(0, 0, 255));
}

// Each number field's start text means the value the workbench starts with.
TEST(Startwerte, Texte_bedeuten_ihre_Zahlen) {
  for (const TStartwert& w : Startwerte()) {
    // Rows without a number are captions and terms.
    if (!w.text || (w.zahl == 0 && std::string_view(w.text) != "0")) continue;
    long double z = -1;
    EXPECT_TRUE(Term_zu_Zahl(w.text, z)) << w.name;
    EXPECT_EQ(z, w.zahl) << w.name;
  }
  const Werkbank_Zustand neu;
  EXPECT_EQ(neu.x_n0, 0.5L);
  EXPECT_EQ(neu.Param_k2, 2 * 3.141592653589793238462643383279502884L);
  EXPECT_EQ(neu.Plotnummer, 1);
  EXPECT_EQ(neu.Integrationsmethode, 3);
}

TEST_F(Fenster, Farben_der_Farbfelder_beim_Start) {
  EXPECT_EQ(form->Element("Panel_Farbe_Punkte")->palette().color(QPalette::Window),
            QColor(255, 0, 0));
  EXPECT_EQ(form->Element("Panel_Farbe_Raster")->palette().color(QPalette::Window),
            QColor(0xD6, 0xD6, 0xD6));
  EXPECT_EQ(form->Element("Panel_Linienfarbe_definieren")->palette().color(QPalette::Window),
            QColor(0, 0, 255));
  EXPECT_EQ(form->Element("Panel_Fuellfarbe_definieren")->palette().color(QPalette::Window),
            QColor(255, 0, 255));
}

TEST_F(Fenster, Startwerte_der_Werkbank) {
  EXPECT_EQ(KOS.xli, -8);
  EXPECT_EQ(KOS.xre, 8);
  EXPECT_EQ(KOS.yu, -8);
  EXPECT_EQ(KOS.yo, 8);
  EXPECT_EQ(KOS.xscl, 1);
  EXPECT_EQ(KOS.yscl, 1);
  EXPECT_EQ(KOS.Bildbreite_cm, 16);
  EXPECT_EQ(KOS.Bildrand_rechts, 640);
  EXPECT_EQ(Werkbank.xaSchar, -8);
  EXPECT_EQ(Werkbank.xeSchar_h, 8);
  EXPECT_EQ(Werkbank.aStart, -8);
  EXPECT_EQ(Werkbank.bEnde, 8);
  EXPECT_EQ(Werkbank.Schar_t1, 1);
  EXPECT_NEAR(static_cast<double>(Werkbank.Schar_t2), 2.2, 1e-15);
  EXPECT_NEAR(static_cast<double>(Werkbank.delta_t), 0.2, 1e-15);
  EXPECT_NEAR(static_cast<double>(Werkbank.Param_k2), 2 * M_PI, 1e-15);
  EXPECT_NEAR(static_cast<double>(Werkbank.delta_Phi), M_PI / 720, 1e-15);
  EXPECT_NEAR(static_cast<double>(Werkbank.x_n0), 0.5, 1e-15);
  EXPECT_NEAR(static_cast<double>(Werkbank.skalar_r), 0.03, 1e-15);
  EXPECT_EQ(Werkbank.n_Start, 1);
  EXPECT_EQ(Werkbank.Iterationstiefe, 500);
  EXPECT_EQ(Werkbank.Mat_n, 2);
  EXPECT_EQ(Werkbank.Punktspalte, 1);
  EXPECT_EQ(Werkbank.Integrationsmethode, 3);
  EXPECT_EQ(Werkbank.Regressionsmodell, 1);
  EXPECT_EQ(Zahlformat.Nachkommastellen, 6);
  EXPECT_EQ(Zahlformat.Gesamtstellen, 9);
  EXPECT_EQ(Stil.Linienart, 1);
  EXPECT_EQ(Stil.Punkteart, 1);
  EXPECT_EQ(Stil.Punktradius, 3);
  EXPECT_EQ(Stil.Flaechenfuellung, 5);
  EXPECT_EQ(Stil.Linienfarbe, 0xFF0000u);
  EXPECT_EQ(Stil.Punktfarbe, 0x0000FFu);
  EXPECT_EQ(Stil.Fuellfarbe, 0xFF00FFu);
}

// A freshly built window is the started program: f is switched on and a picture is painted.
TEST(Fensterstart, Neues_Fenster_zeigt_f_und_das_Koordinatensystem) {
  Anwendung();
  TForm1 neu;
  EXPECT_TRUE(neu.Haken("CheckBox_Schar_f_zeichnen"));
  EXPECT_TRUE(Werkbank.Kurve_zeichnen[Kurve_f]);
  EXPECT_EQ(neu.Image1->Bild.Breite(), 641);
  EXPECT_EQ(neu.Image1->Bild.Hoehe(), 641);
  // The x axis runs through row 320 in black; the corner stays white.
  EXPECT_EQ(neu.Image1->Bild.Pixel(100, 320), 0x000000u);
  EXPECT_EQ(neu.Image1->grab().toImage().pixelColor(100, 320), QColor(0, 0, 0));
  EXPECT_TRUE(neu.Knopf("SpeedButton_Raster_mittel")->isChecked());
  for (const char* anders : {"SpeedButton_ohne_Raster", "SpeedButton_Raster_gestrichelt",
                             "SpeedButton_Raster_eng", "SpeedButton_Raster_1mm"})
    EXPECT_FALSE(neu.Knopf(anders)->isChecked()) << anders;
}

// ---- fields
// --------------------------------------------------------------------------------------

TEST_F(Fenster, Termfeld_entfernt_Leerzeichen_und_prueft) {
  SkriptDialoge d;
  Eingeben("Edit_fSchar", " 2 x ^ 2 ");
  EXPECT_EQ(T("Edit_fSchar"), "2x^2");
  EXPECT_TRUE(d.meldungen.empty());
  Eingeben("Edit_gSchar", "2*(x+");
  EXPECT_EQ(d.meldungen.size(), 1u);
  Anwendung().processEvents();
  EXPECT_EQ(form->fokus_zurueck_, "Edit_gSchar");
}

TEST_F(Fenster, Zahlfeld_Fehler_gibt_Ton_oder_Meldung_und_Fokus_zurueck) {
  struct Fall {
    const char* text;
    bool meldung;  // syntax fault: message; evaluation fault: beep
  };
  const Fall faelle[] = {{"1/0", false}, {"", false}, {"2+", true}, {"w(-1)", false}};
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    form->fokus_zurueck_.clear();
    Eingeben("Edit_delta_x", f.text);
    EXPECT_EQ(form->fokus_zurueck_, "Edit_delta_x") << f.text;
    EXPECT_EQ(d.meldungen.size(), f.meldung ? 1u : 0u) << f.text;
    EXPECT_EQ(d.piepse, f.meldung ? 0 : 1) << f.text;
  }
  SkriptDialoge d;
  form->fokus_zurueck_.clear();
  Eingeben("Edit_delta_x", "pi/2");
  EXPECT_EQ(form->fokus_zurueck_, "");
  EXPECT_NEAR(static_cast<double>(Werkbank.delta_x), M_PI / 2, 1e-15);
}

TEST_F(Fenster, Syntaxfehler_laesst_den_alten_Wert) {
  SkriptDialoge d;
  Eingeben("Edit_u", "3");
  Eingeben("Edit_u", "3+*");
  EXPECT_EQ(Werkbank.u, 3);
}

TEST_F(Fenster, xa_setzt_Skala_und_Intervalle) {
  SkriptDialoge d;
  form->Feld("Edit_xa")->setText("-4");
  EXPECT_EQ(T("Edit_xaSchar"), "-4");
  EXPECT_EQ(T("Edit_xaSchar_g"), "-4");
  EXPECT_EQ(T("Edit_xaSchar_h"), "-4");
  form->Edit_xaExit();
  EXPECT_EQ(KOS.xli, -4);
  EXPECT_EQ(KOS.xscl, 0.75L);
  EXPECT_EQ(T("Edit_xscl"), "0,75");
  EXPECT_EQ(Werkbank.xaSchar, -4);
  EXPECT_EQ(Werkbank.xaSchar_g, -4);
  EXPECT_EQ(Werkbank.xaSchar_h, -4);

  form->Feld("Edit_xe")->setText("12");
  EXPECT_EQ(T("Edit_xeSchar_h"), "12");
  form->Edit_xeExit();
  EXPECT_EQ(KOS.xscl, 1);
  EXPECT_EQ(Werkbank.xeSchar_g, 12);

  Eingeben("Edit_ye", "24");
  EXPECT_EQ(KOS.yo, 24);
  EXPECT_EQ(T("Edit_yscl"), "2");
  EXPECT_TRUE(d.meldungen.empty());
}

TEST_F(Fenster, Zu_kleine_Skala_wird_abgewiesen) {
  struct Fall {
    const char* feld;
    const char* text;
    const char* meldung;
    const char* danach;
  };
  const Fall faelle[] = {
      {"Edit_xscl", "0,4", "Fehler:  xSk zu klein", "1"},
      {"Edit_yscl", "0,4", "Fehler:  ySk zu klein", "1"},
      {"Edit_xscl", "0,5", nullptr, "0,5"},  // exactly half a centimetre is allowed
      {"Edit_yscl", "2", nullptr, "2"},
  };
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    form->fokus_zurueck_.clear();
    Eingeben(f.feld, f.text);
    EXPECT_EQ(T(f.feld), f.danach) << f.feld << " " << f.text;
    if (f.meldung) {
      EXPECT_EQ(d.letzte_meldung(), f.meldung);
      EXPECT_EQ(form->fokus_zurueck_, f.feld);
    } else {
      EXPECT_TRUE(d.meldungen.empty());
    }
  }
  EXPECT_EQ(KOS.xscl, 0.5L);
  EXPECT_EQ(KOS.yscl, 2);
}

TEST_F(Fenster, Intervall_von_f_geht_in_die_Toolgrenzen) {
  SkriptDialoge d;
  Eingeben("Edit_xaSchar", "-2");
  EXPECT_EQ(T("Edit_aStart"), "-2");
  EXPECT_EQ(Werkbank.aStart, -2);
  Eingeben("Edit_xeSchar", "pi");
  EXPECT_EQ(T("Edit_bEnde"), "pi");
  EXPECT_NEAR(static_cast<double>(Werkbank.bEnde), M_PI, 1e-15);
  Eingeben("Edit_xaSchar_g", "-1");
  EXPECT_EQ(T("Edit_aStart"), "-2");  // only f's interval is coupled
}

TEST_F(Fenster, Ganzzahlfelder_fallen_auf_ihre_Vorgabe_zurueck) {
  struct Fall {
    const char* feld;
    const char* text;
    const char* danach;
    int wert;
  };
  const Fall faelle[] = {
      {"Edit_Iterationstiefe", "1500", "500", 500},
      {"Edit_Iterationstiefe", "1", "500", 500},
      {"Edit_Iterationstiefe", "1499", "1499", 1499},
      {"Edit_Iterationstiefe", "2", "2", 2},
      {"Edit_Iterationstiefe", "", "500", 500},
      {"Edit_n0", "abc", "1", 1},
      {"Edit_n0", "7", "7", 7},
      {"Edit_n0", "0", "0", 0},
      {"Edit_Mat_n", "1", "2", 2},
      {"Edit_Mat_n", "5", "5", 5},
  };
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    Eingeben(f.feld, f.text);
    EXPECT_EQ(T(f.feld), f.danach) << f.feld << " " << f.text;
    int wert = std::string(f.feld) == "Edit_n0"      ? Werkbank.n_Start
               : std::string(f.feld) == "Edit_Mat_n" ? Werkbank.Mat_n
                                                     : Werkbank.Iterationstiefe;
    EXPECT_EQ(wert, f.wert) << f.feld << " " << f.text;
    EXPECT_EQ(d.piepse, 0);
  }
}

TEST_F(Fenster, Unlesbare_Matrixgroesse_piept_und_setzt_Fehler) {
  SkriptDialoge d;
  Fehler = false;
  Eingeben("Edit_Mat_n", "x");
  EXPECT_EQ(d.piepse, 1);
  EXPECT_TRUE(Fehler);
  EXPECT_EQ(T("Edit_Mat_n"), "2");
  EXPECT_EQ(Werkbank.Mat_n, 2);
  Fehler = false;
}

// ---- keys ---------------------------------------------------------------------------------------

namespace {
void Tippen(QLineEdit* feld, const QString& text) {
  for (QChar c : text) {
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(feld, &druck);
  }
}
}  // namespace

TEST_F(Fenster, Tasten_werden_je_nach_Feldart_gefiltert) {
  struct Fall {
    const char* feld;
    const char* getippt;
    const char* ergebnis;
  };
  const Fall faelle[] = {
      {"Edit_fSchar", "2*x.5", "2·x,5"},
      {"Edit_xa", "2.5", "2,5"},
      {"Edit_xa", "x", ""},
      {"Edit_xa", "pi", "pi"},
      {"Edit_xa", "2e", "2e"},
      {"Edit_xa", "3*w(2)", "3·w(2)"},
      {"Edit_xa", "tk", ""},
      {"Edit_n0", "1a2.", "12"},
      {"Edit_n0", "$f", "$"},
      {"Edit_xBeschrift", "a.b*", "a.b*"},
  };
  for (const Fall& f : faelle) {
    QLineEdit* feld = form->Feld(f.feld);
    feld->clear();
    Tippen(feld, QString::fromUtf8(f.getippt));
    EXPECT_EQ(feld->text().toStdString(), f.ergebnis) << f.feld << " " << f.getippt;
  }
}

TEST_F(Fenster, Pfeiltasten_wandern_zwischen_den_Termen) {
  form->show();
  form->activateWindow();
  Anwendung().processEvents();
  auto Taste = [](const char* feld, int taste) {
    form->Feld(feld)->setFocus();
    Anwendung().processEvents();
    QKeyEvent e(QEvent::KeyPress, taste, Qt::NoModifier);
    QApplication::sendEvent(form->Feld(feld), &e);
    Anwendung().processEvents();
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName().toStdString() : std::string();
  };
  if (!form->Feld("Edit_fSchar")->hasFocus() && Taste("Edit_fSchar", 0).empty())
    GTEST_SKIP() << "no keyboard focus on this platform";
  EXPECT_EQ(Taste("Edit_fSchar", Qt::Key_Down), "Edit_gSchar");
  EXPECT_EQ(Taste("Edit_gSchar", Qt::Key_Down), "Edit_hSchar");
  EXPECT_EQ(Taste("Edit_hSchar", Qt::Key_Up), "Edit_gSchar");
  EXPECT_EQ(Taste("Edit_gSchar", Qt::Key_Up), "Edit_fSchar");
  EXPECT_EQ(Taste("Edit_xParam", Qt::Key_Down), "Edit_yParam");
  EXPECT_EQ(Taste("Edit_yParam", Qt::Key_Up), "Edit_xParam");
  form->Haken_setzen("CheckBox_Polar_Wahl", true);
  EXPECT_EQ(Taste("Edit_xParam", Qt::Key_Down), "Edit_xParam");  // y(t) is off in polar form
  form->Haken_setzen("CheckBox_Polar_Wahl", false);
  // Enter in a term field checks the term as leaving it does and plots; the field keeps the
  // focus.
  SkriptDialoge d;
  form->Feld("Edit_fSchar")->setText(" x ");
  EXPECT_EQ(Taste("Edit_fSchar", Qt::Key_Return), "Edit_fSchar");
  EXPECT_EQ(T("Edit_fSchar"), "x");
  // A refused number takes the focus back after it was left.
  form->Feld("Edit_delta_x")->setText("1/0");
  Taste("Edit_delta_x", Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), form->Feld("Edit_delta_x"));
  form->Feld("Edit_delta_x")->setText("1");
  form->hide();
}

// ---- switches ---------------------------------------------------------------------------------

TEST_F(Fenster, Achsenschalter_haengen_zusammen) {
  form->Haken_setzen("CheckBox_Achsen_dick", true);
  EXPECT_EQ(KOS.Achsenbreite, 2);
  EXPECT_EQ(KOS.Strichbreite, 2);
  EXPECT_TRUE(KOS.Zahlen_fett);

  form->Haken_setzen("CheckBox_xAchse", false);
  EXPECT_FALSE(KOS.xAchse_zeigen);
  EXPECT_TRUE(form->Haken("CheckBox_Skalierung"));  // one axis is still on
  form->Haken_setzen("CheckBox_yAchse", false);
  EXPECT_FALSE(form->Haken("CheckBox_Skalierung"));
  EXPECT_FALSE(form->Haken("CheckBox_Zahlen_an_Achsen"));
  EXPECT_FALSE(form->Haken("CheckBox_Achsen_dick"));
  EXPECT_FALSE(KOS.Skala_zeigen);
  EXPECT_FALSE(KOS.Zahlen_zeigen);
  EXPECT_EQ(KOS.Achsenbreite, 1);
  EXPECT_FALSE(KOS.Zahlen_fett);

  // Without an axis neither ticks nor thick axes can be switched on.
  form->Schalter("CheckBox_Skalierung")->click();
  EXPECT_FALSE(form->Haken("CheckBox_Skalierung"));
  EXPECT_FALSE(KOS.Skala_zeigen);
  form->Schalter("CheckBox_Achsen_dick")->click();
  EXPECT_FALSE(form->Haken("CheckBox_Achsen_dick"));

  form->Haken_setzen("CheckBox_yAchse", true);
  form->Schalter("CheckBox_Zahlen_an_Achsen")->click();  // not without ticks
  EXPECT_FALSE(form->Haken("CheckBox_Zahlen_an_Achsen"));
  form->Schalter("CheckBox_Skalierung")->click();
  EXPECT_TRUE(KOS.Skala_zeigen);
  form->Schalter("CheckBox_Zahlen_an_Achsen")->click();
  EXPECT_TRUE(KOS.Zahlen_zeigen);
  form->Schalter("CheckBox_Skalierung")->click();  // ticks off take the numbers along
  EXPECT_FALSE(form->Haken("CheckBox_Zahlen_an_Achsen"));
  EXPECT_FALSE(KOS.Zahlen_zeigen);
}

TEST_F(Fenster, Grobraster_nicht_ohne_Raster) {
  form->Haken_setzen("CheckBox_Grobraster", false);
  EXPECT_FALSE(KOS.Grobraster);
  form->Knopf("SpeedButton_ohne_Raster")->click();
  form->Schalter("CheckBox_Grobraster")->click();
  EXPECT_FALSE(form->Haken("CheckBox_Grobraster"));
  EXPECT_FALSE(KOS.Grobraster);
  form->Knopf("SpeedButton_Raster_mittel")->click();
  form->Schalter("CheckBox_Grobraster")->click();
  EXPECT_TRUE(KOS.Grobraster);
}

TEST_F(Fenster, Kurvenschalter_uebernehmen_Farbe_und_Linienart) {
  Stil.Linienfarbe = 0x008000;
  Linienart_waehlen(2);
  form->Haken_setzen("CheckBox_Schar_g_zeichnen", true);
  EXPECT_TRUE(Werkbank.Kurve_zeichnen[Kurve_g]);
  EXPECT_EQ(Werkbank.Kurvenstile[Kurve_g].Farbe, 0x008000u);
  EXPECT_EQ(Werkbank.Kurvenstile[Kurve_g].Linienart, 2);
  TBild& muster = form->Element<Bildflaeche>("Image_g")->Bild;
  EXPECT_EQ(muster.Pixel(10, 5), 0x008000u);
  EXPECT_EQ(muster.Pixel(1, 1), 0xFFFFFFu);

  // Later style changes do not reach a curve that is already on.
  Stil.Linienfarbe = 0x0000FF;
  EXPECT_EQ(Werkbank.Kurvenstile[Kurve_g].Farbe, 0x008000u);
  form->Haken_setzen("CheckBox_Schar_g_zeichnen", false);
  EXPECT_FALSE(Werkbank.Kurve_zeichnen[Kurve_g]);
  EXPECT_EQ(muster.Pixel(10, 5), 0xFFFFFFu);  // swatch cleared
  form->Haken_setzen("CheckBox_Schar_g_zeichnen", true);
  EXPECT_EQ(Werkbank.Kurvenstile[Kurve_g].Farbe, 0x0000FFu);
}

TEST_F(Fenster, Pfeilart_wird_fuer_Kurven_zur_Linie) {
  auto* liste = form->Liste("ComboBox_Linienart");
  liste->setCurrentIndex(5);
  form->ComboBox_LinienartChange();
  EXPECT_EQ(Stil.Linienart, 5);
  form->Haken_setzen("CheckBox_Schar_h_zeichnen", true);
  EXPECT_EQ(liste->currentIndex(), 3);
  EXPECT_EQ(Stil.Linienart, 3);
  EXPECT_EQ(Stil.Linienbreite, 3);
  EXPECT_EQ(Werkbank.Kurvenstile[Kurve_h].Linienart, 3);
  TBild& muster = form->Element<Bildflaeche>("Image_h")->Bild;
  EXPECT_EQ(muster.Pixel(10, 5), 0xFF0000u);
  EXPECT_EQ(muster.Pixel(22, 3), 0xFFFFFFu);  // no arrow head

  // Point joins keep the arrow.
  liste->setCurrentIndex(4);
  form->ComboBox_LinienartChange();
  form->Haken_setzen("CheckBox_DatenPkte_verbinden", true);
  EXPECT_EQ(liste->currentIndex(), 4);
  EXPECT_TRUE(Stil.Punkte_verbinden);
  EXPECT_EQ(Stil.Verbindungsart, 4);
  EXPECT_EQ(Stil.Verbindungsfarbe, Stil.Linienfarbe);
  form->Haken_setzen("CheckBox_DatenPkte_verbinden", false);
  EXPECT_FALSE(Stil.Punkte_verbinden);
}

TEST_F(Fenster, Parameterkurve_und_Folge_schliessen_sich_aus) {
  form->Haken_setzen("CheckBox_Param", true);
  form->Haken_setzen("CheckBox_Folge", true);
  EXPECT_FALSE(form->Haken("CheckBox_Param"));
  EXPECT_FALSE(Werkbank.Kurve_zeichnen[Kurve_Param]);
  form->Haken_setzen("CheckBox_Param", true);
  EXPECT_FALSE(form->Haken("CheckBox_Folge"));
  EXPECT_FALSE(Werkbank.Folge);
}

TEST_F(Fenster, Polardarstellung_hin_und_zurueck) {
  form->Text_setzen("Edit_yParam", "sin(t)");
  form->Haken_setzen("CheckBox_Polar_Wahl", true);
  EXPECT_EQ(T("Label_xParam"), "r(t) =");
  EXPECT_EQ(T("Edit_xParam"), "1,2t·sin(7t)");
  EXPECT_FALSE(form->Element("Edit_yParam")->isEnabled());
  EXPECT_FALSE(form->Element("Label_yParam")->isEnabled());
  EXPECT_EQ(form->Schalter("CheckBox_Param")->text(), QStringLiteral("r(t)"));
  EXPECT_EQ(form->Schalter("CheckBox_Param")->toolTip(), QStringLiteral("r(t) zeichnen"));
  EXPECT_TRUE(Werkbank.Polardarstellung);

  form->Haken_setzen("CheckBox_Polar_Wahl", false);
  EXPECT_EQ(T("Label_xParam"), "x(t) =");
  EXPECT_EQ(T("Edit_xParam"), "x·cos(t)");
  EXPECT_EQ(T("Edit_yParam"), "3x/5·sin(t)");
  EXPECT_TRUE(form->Element("Edit_yParam")->isEnabled());
  EXPECT_TRUE(form->Element("Label_yParam")->isEnabled());
  EXPECT_EQ(form->Schalter("CheckBox_Param")->text(), QStringLiteral("x(t),y(t)"));
  EXPECT_EQ(form->Schalter("CheckBox_Param")->toolTip(), QStringLiteral("x(t),y(t) zeichnen"));
}

TEST_F(Fenster, Rekursive_Folge_hin_und_zurueck) {
  form->Haken_setzen("CheckBox_rekursiv", true);
  EXPECT_TRUE(form->Haken("CheckBox_Folge"));
  EXPECT_EQ(T("Edit_Folge"), "3,2x(1-x)");
  EXPECT_EQ(T("Label_Folge"), "g(x) =");
  for (const char* n : {"Edit_x_n0", "Label_x_n0", "CheckBox_Web"})
    EXPECT_TRUE(form->Element(n)->isEnabled()) << n;

  form->Haken_setzen("CheckBox_Web", true);
  for (const char* n : {"CheckBox_nur_g_zeichnen", "Label_Iterationstiefe", "Edit_Iterationstiefe"})
    EXPECT_TRUE(form->Element(n)->isEnabled()) << n;
  form->Haken_setzen("CheckBox_nur_g_zeichnen", true);

  form->Text_setzen("Edit_Folge", "x^2");
  form->Haken_setzen("CheckBox_rekursiv", false);
  EXPECT_EQ(T("Edit_Folge"), "5n/(2n+3)");  // also when the user typed another sequence
  EXPECT_EQ(T("Label_Folge"), "a(n) =");
  EXPECT_FALSE(form->Haken("CheckBox_Web"));
  EXPECT_FALSE(form->Haken("CheckBox_nur_g_zeichnen"));
  for (const char* n : {"Edit_x_n0", "Label_x_n0", "CheckBox_Web", "CheckBox_nur_g_zeichnen",
                        "Label_Iterationstiefe", "Edit_Iterationstiefe"})
    EXPECT_FALSE(form->Element(n)->isEnabled()) << n;
}

TEST_F(Fenster, Zweischrittige_Folge_hin_und_zurueck) {
  form->Haken_setzen("CheckBox_rekursiv", true);
  form->Haken_setzen("CheckBox_Web", true);
  form->Haken_setzen("CheckBox_rekursivxy", true);
  EXPECT_FALSE(form->Haken("CheckBox_rekursiv"));
  EXPECT_FALSE(form->Haken("CheckBox_Web"));
  EXPECT_TRUE(form->Haken("CheckBox_Folge"));
  EXPECT_EQ(T("Edit_Folge"), "111-(1130-3000/x)/k");
  EXPECT_EQ(T("Label_Folge"), "g(x,k)=");
  for (const char* n : {"Edit_x_n0", "Label_x_n0", "Edit_y_n1", "Label_y_n1"})
    EXPECT_TRUE(form->Element(n)->isEnabled()) << n;

  form->Haken_setzen("CheckBox_rekursivxy", false);
  EXPECT_EQ(T("Edit_Folge"), "5n/(2n+3)");
  EXPECT_EQ(T("Label_Folge"), "a(n) =");
  for (const char* n : {"Edit_x_n0", "Label_x_n0", "Edit_y_n1", "Label_y_n1"})
    EXPECT_FALSE(form->Element(n)->isEnabled()) << n;

  // Back to the one-step form: the two-step switch goes off.
  form->Haken_setzen("CheckBox_rekursivxy", true);
  form->Haken_setzen("CheckBox_rekursiv", true);
  EXPECT_FALSE(form->Haken("CheckBox_rekursivxy"));
  EXPECT_EQ(T("Edit_Folge"), "3,2x(1-x)");
  EXPECT_TRUE(form->Element("Edit_x_n0")->isEnabled());
  EXPECT_FALSE(form->Element("Edit_y_n1")->isEnabled());
}

TEST_F(Fenster, Zweite_Regressionsgerade_nur_bei_Geraden) {
  auto* modelle = form->Liste("ComboBox_RegressionsModelle");
  form->Haken_setzen("CheckBox_2_Regressionsgeraden", true);
  EXPECT_TRUE(form->Haken("CheckBox_2_Regressionsgeraden"));
  modelle->setCurrentIndex(2);
  form->ComboBox_RegressionsModelleChange();
  EXPECT_EQ(Werkbank.Regressionsmodell, 2);
  EXPECT_FALSE(form->Haken("CheckBox_2_Regressionsgeraden"));
  form->Haken_setzen("CheckBox_2_Regressionsgeraden", true);
  EXPECT_FALSE(form->Haken("CheckBox_2_Regressionsgeraden"));
  modelle->setCurrentIndex(0);
  form->ComboBox_RegressionsModelleChange();
  form->Haken_setzen("CheckBox_2_Regressionsgeraden", true);
  EXPECT_TRUE(form->Haken("CheckBox_2_Regressionsgeraden"));
}

TEST_F(Fenster, Hinweis_der_Wertetabelle_folgt_dem_F_Schalter) {
  auto* schalter = form->Schalter("CheckBox_Integralfunktion_tabellieren");
  QWidget* knopf = form->Element("SpeedButton_Schar_in_Tabelle");
  schalter->setChecked(true);
  QEvent rein(QEvent::Enter);
  QApplication::sendEvent(schalter, &rein);
  EXPECT_EQ(knopf->toolTip().toStdString(), "Wertetabelle f,g,h,f',f\",f\"',kr,F in [a;b]");
  schalter->setChecked(false);
  QApplication::sendEvent(schalter, &rein);
  EXPECT_EQ(knopf->toolTip().toStdString(), "Wertetabelle f,g,h,f',f\",f\"',kr  in [a;b]");
}

// ---- lists
// ------------------------------------------------------------------------------------------

TEST_F(Fenster, Listen_setzen_ihre_Werte) {
  auto Waehlen = [](const char* liste, int i) {
    form->Liste(liste)->setCurrentIndex(i);
    QByteArray h = QByteArray(liste) + "Change";
    ASSERT_TRUE(QMetaObject::invokeMethod(form, h.constData(), Qt::DirectConnection)) << liste;
  };
  const int methoden[] = {3, 0, 1, 2, 4, 4};
  for (int i = 0; i < 6; ++i) {
    Waehlen("ComboBox_Integrationsmethode", i);
    EXPECT_EQ(Werkbank.Integrationsmethode, methoden[i]) << i;
  }
  const int spalten[] = {1, 3, 5, 7};
  for (int i = 0; i < 4; ++i) {
    Waehlen("ComboBox_Punkte_ab_Spalte", i);
    EXPECT_EQ(Werkbank.Punktspalte, spalten[i]) << i;
  }
  // List positions show circle, disc, diagonal cross, square, upright cross.
  const int arten[] = {0, 1, 3, 4, 2};
  for (int i = 0; i < 5; ++i) {
    Waehlen("ComboBox_Punkteart", i);
    EXPECT_EQ(Stil.Punkteart, arten[i]) << i;
  }
  Waehlen("ComboBox_PunktRadius", 6);
  EXPECT_EQ(Stil.Punktradius, 6);
  Waehlen("ComboBox_Flaechenfuellung", 7);
  EXPECT_EQ(Stil.Flaechenfuellung, 7);
  Waehlen("ComboBox_Zahlenhoehe", 7);
  EXPECT_EQ(KOS.Zahlenhoehe, 15);
  Waehlen("ComboBox_DiagrammTyp", 7);
  EXPECT_EQ(Werkbank.Diagrammtyp, 7);
  Waehlen("ComboBox_DiagrPlotNr", 6);
  EXPECT_EQ(Werkbank.Plotnummer, 7);
  Waehlen("ComboBox_MatrixOps", 13);
  EXPECT_EQ(Werkbank.Matrixoperation, 13);
  const int breiten[] = {0, 1, 2, 3, 1, 3};
  for (int k = 0; k < 6; ++k) {
    Waehlen("ComboBox_Linienart", k);
    EXPECT_EQ(Stil.Linienart, k);
    EXPECT_EQ(Stil.Linienbreite, breiten[k]) << k;
    EXPECT_EQ(Stil.Linienstil, k == 0 ? TStiftstil::Gepunktet : TStiftstil::Durchgezogen) << k;
  }
}

TEST_F(Fenster, Setzen_einer_Liste_durch_das_Programm_laeuft_ohne_Regel) {
  form->Liste("ComboBox_Integrationsmethode")->setCurrentIndex(1);
  EXPECT_EQ(Werkbank.Integrationsmethode, 3);
  form->Liste("ComboBox_Linienart")->setCurrentIndex(3);
  EXPECT_EQ(Stil.Linienart, 1);
}

TEST_F(Fenster, Stellenzahlen_halten_drei_Stellen_Abstand) {
  auto* nk = form->Liste("ComboBox_Nachkommastellen");
  auto* gs = form->Liste("ComboBox_Gesamtstellen");
  nk->setCurrentIndex(12);
  form->ComboBox_NachkommastellenChange();
  EXPECT_EQ(Zahlformat.Nachkommastellen, 12);
  EXPECT_EQ(Zahlformat.Gesamtstellen, 15);
  EXPECT_EQ(gs->currentIndex(), 7);
  gs->setCurrentIndex(2);  // 10 total digits leave room for 7 decimals
  form->ComboBox_GesamtstellenChange();
  EXPECT_EQ(Zahlformat.Gesamtstellen, 10);
  EXPECT_EQ(Zahlformat.Nachkommastellen, 7);
  EXPECT_EQ(nk->currentIndex(), 7);
  form->Haken_setzen("CheckBox_Fixkomma", true);
  form->Haken_setzen("CheckBox_Bruchdarstellung", true);
  EXPECT_TRUE(Zahlformat.Fixkomma);
  EXPECT_TRUE(Zahlformat.Bruchdarstellung);
  form->Standard_Werte_einstellen();
  EXPECT_FALSE(Zahlformat.Fixkomma);
  EXPECT_FALSE(Zahlformat.Bruchdarstellung);
  EXPECT_EQ(Zahlformat.Nachkommastellen, 6);
  EXPECT_EQ(Zahlformat.Gesamtstellen, 9);
}

// ---- colour panels
// ----------------------------------------------------------------------------------

TEST_F(Fenster, Farbfelder_uebernehmen_die_gewaehlte_Farbe) {
  struct Fall {
    const char* panel;
    TFarbe* farbe;
  };
  const Fall faelle[] = {{"Panel_Farbe_Punkte", &Stil.Punktfarbe},
                         {"Panel_Linienfarbe_definieren", &Stil.Linienfarbe},
                         {"Panel_Fuellfarbe_definieren", &Stil.Fuellfarbe},
                         {"Panel_Farbe_Raster", &KOS.Rasterfarbe}};
  for (const Fall& f : faelle) {
    SkriptDialoge d;
    d.antworten_farbe.push_back(0x00FF00);
    d.antworten_farbe.push_back(std::nullopt);
    QByteArray h = QByteArray(f.panel) + "Click";
    ASSERT_TRUE(QMetaObject::invokeMethod(form, h.constData(), Qt::DirectConnection)) << f.panel;
    EXPECT_EQ(*f.farbe, 0x00FF00u) << f.panel;
    EXPECT_EQ(form->Element(f.panel)->palette().color(QPalette::Window), QColor(0, 255, 0));
    ASSERT_TRUE(QMetaObject::invokeMethod(form, h.constData(), Qt::DirectConnection));  // cancelled
    EXPECT_EQ(*f.farbe, 0x00FF00u) << f.panel;
  }
}

TEST_F(Fenster, Rasterfarbe_zeichnet_auch_nach_Abbruch_neu) {
  SkriptDialoge d;
  form->Image1->Bild.Pixel_setzen(5, 5, 0x123456);
  form->Panel_Farbe_RasterClick();
  EXPECT_NE(form->Image1->Bild.Pixel(5, 5), 0x123456u);
}

// ---- side windows and closing
// --------------------------------------------------------------------

TEST_F(Fenster, Seitenfenster_erscheinen_nichtmodal) {
  struct Fall {
    const char* knopf;
    QWidget* fenster;
  };
  const Fall faelle[] = {{"SpeedButton_Hilfe", form->Form2},
                         {"SpeedButton_2D_Abbildungen", form->Form4},
                         {"SpeedButton_Baumdiagramme", form->Form5}};
  for (const Fall& f : faelle) {
    EXPECT_FALSE(f.fenster->isVisible());
    form->Knopf(f.knopf)->click();
    EXPECT_TRUE(f.fenster->isVisible()) << f.knopf;
    EXPECT_FALSE(f.fenster->isModal());
    f.fenster->hide();
  }
}

TEST_F(Fenster, Schliessen_fragt_und_Nein_behaelt_alles) {
  SkriptDialoge d;
  Eingeben("Edit_u", "5");
  d.antworten_frage.push_back(false);
  QCloseEvent nein;
  QApplication::sendEvent(form, &nein);
  EXPECT_FALSE(nein.isAccepted());
  ASSERT_EQ(d.fragen.size(), 1u);
  EXPECT_EQ(d.fragen[0], "Wirklich beenden ?");
  EXPECT_EQ(T("Edit_u"), "5");
  EXPECT_EQ(Werkbank.u, 5);

  d.antworten_frage.push_back(true);
  QCloseEvent ja;
  QApplication::sendEvent(form, &ja);
  EXPECT_TRUE(ja.isAccepted());
}

TEST_F(Fenster, Ruecksetzen_stellt_alle_Vorgaben_wieder_her) {
  SkriptDialoge d;
  Eingeben("Edit_xa", "-3");
  form->Haken_setzen("CheckBox_Polar_Wahl", true);
  form->Haken_setzen("CheckBox_rekursiv", true);
  form->Haken_setzen("CheckBox_Textmodus", true);
  form->Liste("ComboBox_Zahlenhoehe")->setCurrentIndex(4);
  form->ComboBox_ZahlenhoeheChange();
  form->Standard_Werte_einstellen();
  EXPECT_EQ(KOS.xli, -8);
  EXPECT_EQ(KOS.xscl, 1);
  EXPECT_EQ(T("Edit_xaSchar"), "-8");
  EXPECT_EQ(T("Edit_xParam"), "x·cos(t)");
  EXPECT_EQ(T("Edit_Folge"), "5n/(2n+3)");
  EXPECT_FALSE(form->Haken("CheckBox_Textmodus"));
  EXPECT_EQ(KOS.Zahlenhoehe, 8);
  EXPECT_EQ(form->Liste("ComboBox_Zahlenhoehe")->currentIndex(), 0);
  EXPECT_TRUE(form->Element("Edit_yParam")->isEnabled());
  EXPECT_FALSE(form->Element("Edit_x_n0")->isEnabled());
  EXPECT_TRUE(d.meldungen.empty());
}

// ---- handlers found by name
// ----------------------------------------------------------------------

TEST_F(Fenster, Ereignisse_erreichen_die_Handler_ueber_ihren_Namen) {
  // The user's choice in a list runs its change rule.
  auto* liste = form->Liste("ComboBox_Integrationsmethode");
  liste->setCurrentIndex(3);
  emit liste->activated(3);
  EXPECT_EQ(Werkbank.Integrationsmethode, 2);

  // A click on a colour panel opens the colour chooser.
  SkriptDialoge d;
  d.antworten_farbe.push_back(0x808080);
  QWidget* panel = form->Element("Panel_Fuellfarbe_definieren");
  QPointF mitte(5, 5);
  QMouseEvent druck(QEvent::MouseButtonPress, mitte, panel->mapToGlobal(mitte), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent los(QEvent::MouseButtonRelease, mitte, panel->mapToGlobal(mitte), Qt::LeftButton,
                  Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(panel, &druck);
  QApplication::sendEvent(panel, &los);
  EXPECT_EQ(Stil.Fuellfarbe, 0x808080u);

  // Leaving a field runs its exit rule; a dialog taking the focus does not.
  form->Feld("Edit_u")->setText("7");
  QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(form->Feld("Edit_u"), &weg);
  EXPECT_EQ(Werkbank.u, 7);
  form->Feld("Edit_u")->setText("8");
  QFocusEvent dialog(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(form->Feld("Edit_u"), &dialog);
  EXPECT_EQ(Werkbank.u, 7);

  // A double click selects the whole term.
  QLineEdit* f = form->Feld("Edit_fSchar");
  f->deselect();
  QMouseEvent doppel(QEvent::MouseButtonDblClick, mitte, f->mapToGlobal(mitte), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f, &doppel);
  EXPECT_EQ(f->selectedText(), f->text());
}

TEST(Fensterstart, Abbau_mit_Fokus_in_einem_Feld_ruft_keinen_Handler) {
  Anwendung();
  auto* neu = new TForm1();
  neu->show();
  neu->activateWindow();
  neu->Feld("Edit_delta_x")->setText("1/0");
  neu->Feld("Edit_delta_x")->setFocus();
  Anwendung().processEvents();
  SkriptDialoge d;
  delete neu;
  Anwendung().processEvents();
  EXPECT_EQ(d.piepse, 0);
  EXPECT_TRUE(d.meldungen.empty());
}

// Captions fit their controls: nothing is cut off at the window's font.
TEST_F(Fenster, Beschriftungen_sind_nicht_abgeschnitten) {
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    int noetig = 0;
    if (auto* c = qobject_cast<QCheckBox*>(w); c && !c->text().isEmpty())
      noetig = c->sizeHint().width();
    else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty())
      noetig = l->fontMetrics().horizontalAdvance(l->text());
    else if (auto* k = qobject_cast<QAbstractButton*>(w); k && !qobject_cast<QCheckBox*>(w))
      noetig = k->fontMetrics().horizontalAdvance(k->text()) + 4;
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      noetig = g->fontMetrics().horizontalAdvance(g->title());
    EXPECT_LE(noetig, w->width()) << w->objectName().toStdString();
  }
}
