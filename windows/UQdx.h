#pragma once
// The main window: the picture, every control of the workbench and their event handlers. The
// controls are built from the control table (UQdx_Layout); handlers are public slots named
// <control><Event> and are connected by name when the window is built, so a capability adds a
// handler by declaring the slot in its section below and defining it in its own source file.

#include <QScrollBar>
#include <memory>
#include <string>

#include "windows/Fensterbasis.h"

class Bildflaeche;
class TBlattabbild;
using TBlatt = TBlattabbild;
class TForm2;
class TForm4;
class TForm5;
class QAbstractItemView;
class QAbstractButton;
class QMouseEvent;

class TForm1 : public TFensterbasis {
  Q_OBJECT

 public:
  TForm1();
  ~TForm1() override;

  // The picture area and the table.
  Bildflaeche* Image1 = nullptr;
  QWidget* StringGrid1 = nullptr;
  QScrollBar* ScrollBar1 = nullptr;

  // The side windows; they exist from start-up on.
  TForm2* Form2 = nullptr;
  TForm4* Form4 = nullptr;
  TForm5* Form5 = nullptr;

  // Start values of every setting; also the reset of the view navigation.
  void Standard_Werte_einstellen();

  // Redraws the whole picture with the current settings.
  void Neu_zeichnen();

 public slots:
  // ---- Eingaben: number, whole-number and term fields ----------------------------------------
  void Edit_xaExit();
  void Edit_xeExit();
  void Edit_yaExit();
  void Edit_yeExit();
  void Edit_xsclExit();
  void Edit_ysclExit();
  void Edit_xaChange();
  void Edit_xeChange();
  void Edit_xaScharExit();
  void Edit_xeScharExit();
  void Edit_xaSchar_gExit();
  void Edit_xeSchar_gExit();
  void Edit_xaSchar_hExit();
  void Edit_xeSchar_hExit();
  void Edit_aStartExit();
  void Edit_bEndeExit();
  void Edit_delta_xExit();
  void Edit_uExit();
  void Edit_Schar_t1Exit();
  void Edit_Schar_t2Exit();
  void Edit_delta_tExit();
  void Edit_Param_k1Exit();
  void Edit_Param_k2Exit();
  void Edit_delta_PhiExit();
  void Edit_x_n0Exit();
  void Edit_y_n1Exit();
  void Edit_skalar_rExit();
  void Edit_n0Exit();
  void Edit_IterationstiefeExit();
  void Edit_Mat_nExit();

  void Edit_fScharExit();
  void Edit_gScharExit();
  void Edit_hScharExit();
  void Edit_xParamExit();
  void Edit_yParamExit();
  void Edit_FolgeExit();
  void Edit_fScharDblClick();
  void Edit_gScharDblClick();
  void Edit_hScharDblClick();
  void Edit_xParamDblClick();
  void Edit_yParamDblClick();
  void Edit_FolgeDblClick();
  void Edit_fScharKeyDown(int taste);
  void Edit_gScharKeyDown(int taste);
  void Edit_hScharKeyDown(int taste);
  void Edit_xParamKeyDown(int taste);
  void Edit_yParamKeyDown(int taste);

  void Edit_xBeschriftChange();
  void Edit_yBeschriftChange();
  void Edit_Text_in_GrafikChange();

  // ---- Schalter: switches, lists, colour panels, side windows ------------------------------
  void CheckBox_xAchseClick();
  void CheckBox_yAchseClick();
  void CheckBox_SkalierungClick();
  void CheckBox_Zahlen_an_AchsenClick();
  void CheckBox_Achsen_dickClick();
  void CheckBox_GrobrasterClick();

  void CheckBox_Schar_f_zeichnenClick();
  void CheckBox_Schar_g_zeichnenClick();
  void CheckBox_Schar_h_zeichnenClick();
  void CheckBox_Schar_fs_zeichnenClick();
  void CheckBox_Schar_fs2_zeichnenClick();
  void CheckBox_Schar_fs3_zeichnenClick();
  void CheckBox_f_invers_zeichnenClick();
  void CheckBox_IntegralfunktionClick();
  void CheckBox_Schar_kr_zeichnenClick();
  void CheckBox_x_gleich_aClick();
  void CheckBox_x_gleich_bClick();
  void CheckBox_ParamClick();
  void CheckBox_DatenPkte_verbindenClick();

  void CheckBox_Polar_WahlClick();
  void CheckBox_FolgeClick();
  void CheckBox_rekursivClick();
  void CheckBox_rekursivxyClick();
  void CheckBox_WebClick();
  void CheckBox_nur_g_zeichnenClick();
  void CheckBox_alle_t_verwendenClick();
  void CheckBox_PunkteClick();
  void CheckBox_Integralfunktion_tabellierenClick();
  void CheckBox_GrobschraffurClick();
  void CheckBox_loeschenClick();
  void CheckBox_Achsen_automatisch_beschriftenClick();
  void CheckBox_FixkommaClick();
  void CheckBox_BruchdarstellungClick();
  void CheckBox_2_RegressionsgeradenClick();

  void ComboBox_LinienartChange();
  void ComboBox_PunkteartChange();
  void ComboBox_PunktRadiusChange();
  void ComboBox_FlaechenfuellungChange();
  void ComboBox_ZahlenhoeheChange();
  void ComboBox_NachkommastellenChange();
  void ComboBox_GesamtstellenChange();
  void ComboBox_IntegrationsmethodeChange();
  void ComboBox_RegressionsModelleChange();
  void ComboBox_DiagrammTypChange();
  void ComboBox_DiagrPlotNrChange();
  void ComboBox_MatrixOpsChange();
  void ComboBox_Punkte_ab_SpalteChange();

  void Panel_Farbe_PunkteClick();
  void Panel_Linienfarbe_definierenClick();
  void Panel_Fuellfarbe_definierenClick();
  void Panel_Farbe_RasterClick();

  void SpeedButton_HilfeClick();
  void SpeedButton_2D_AbbildungenClick();
  void SpeedButton_BaumdiagrammeClick();

  // ---- Plot ----------------------------------------------------------------------------------
  void SpeedButton_PlotClick();
  void SpeedButton_ohne_RasterClick();
  void SpeedButton_Raster_gestricheltClick();
  void SpeedButton_Raster_mittelClick();
  void SpeedButton_Raster_engClick();
  void SpeedButton_Raster_1mmClick();
  void ScrollBar1Change();
  void SpeedButton_BifurkationClick();

  // ---- Ansicht -------------------------------------------------------------------------------
  void SpeedButton_Ursprung_MitteClick();
  void SpeedButton_Ursprung_links_untenClick();
  void SpeedButton_1und2QuadrantClick();
  void SpeedButton_1und4QuadrantClick();
  void SpeedButton_StandardwerteClick();
  void SpeedButton_Bildbreite_groesserClick();
  void SpeedButton_Bildbreite_kleinerClick();
  void SpeedButton_Bildtiefe_groesserClick();
  void SpeedButton_Bildtiefe_kleinerClick();
  void SpeedButton_Zoom_inClick();
  void SpeedButton_Zoom_outClick();
  void SpeedButton_Zoom_in_xClick();
  void SpeedButton_Zoom_out_xClick();
  void SpeedButton_Zoom_in_yClick();
  void SpeedButton_Zoom_out_yClick();
  void SpeedButton_Links_schiebenClick();
  void SpeedButton_rechts_schiebenClick();
  void SpeedButton_hoch_schiebenClick();
  void SpeedButton_runter_schiebenClick();
  void CheckBox_ZoomModusClick();
  void CheckBox_TextmodusClick();
  void Image1MouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int X, int Y);
  void Image1MouseMove(Qt::KeyboardModifiers umschalt, int X, int Y);
  void Image1MouseUp(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int X, int Y);

  // ---- Grafik --------------------------------------------------------------------------------
  void Text_platzieren(int X, int Y);
  void SpeedButton_FontAuswahlClick();
  void SpeedButton_speichernBMPClick();
  void SpeedButton_DruckenClick();  // also Ctrl+P
  void GroupBox_ExtrasMouseDown(Qt::MouseButton taste, Qt::KeyboardModifiers umschalt, int X,
                                int Y);

  // ---- Tabelle -------------------------------------------------------------------------------
  void SpeedButton_Tabelle_loeschenClick();
  void SpeedButton_Zeile_loeschenClick();
  void SpeedButton_Spalte_loeschenClick();
  void SpeedButton_Schiebe_ZeileClick();
  void SpeedButton_Schiebe_SpalteClick();
  void SpeedButton_Zelle_1_1Click();
  void SpeedButton_BruchdarstellungClick();
  void SpeedButton_DezimalbruchClick();
  void SpeedButton_TabellenBereich_zu_TextdateiClick();
  void SpeedButton_Zellen_kopierenClick();

  // ---- Spalten: column operations and test data -----------------------------------------------
  void SpeedButton_SpaltensummeClick();
  void SpeedButton_kumulierte_SummeClick();
  void SpeedButton_SkalarproduktClick();
  void SpeedButton_VektorProduktClick();
  void SpeedButton_Addiere_zu_SpalteClick();
  void SpeedButton_Multipliziere_mit_SpalteClick();
  void SpeedButton_BinomialverteilungClick();
  void SpeedButtonLehmerzahlenClick();
  void SpeedButton_Testdaten_LinRegClick();
  void SpeedButton_Testdaten_DreieckClick();
  void SpeedButton_Testdaten_SaeulendiagrammClick();
  void SpeedButton_Testdaten_BoxplotsClick();
  void SpeedButton_Testdaten_HistoClick();
  void SpeedButton_Testdaten_LGSClick();
  void SpeedButton_Testdaten_KreisdiagrammClick();
  void SpeedButton_Testdaten_SplinesClick();

  // ---- Punkte: figures from table points -----------------------------------------------------
  void SpeedButton_Punkte_einzeichnenClick();
  void SpeedButton_Schwerpunkt_zeichnenClick();
  void SpeedButton_Rechteck_einzeichnenClick();
  void SpeedButton_regelm_VieleckeClick();
  void SpeedButtonLot_P1_fClick();
  void SpeedButtonMittelpunktABClick();

  // ---- Werkzeuge: Nullstellen, Schnittpunkte, Extrema, Wendepunkte, Funktionswert -----------
  void SpeedButton_f_von_aClick();
  void SpeedButton_Schnitt_f_gClick();
  void SpeedButton_Schnitt_f_gMouseMove();
  void SpeedButton_ExtrempunkteClick();
  void SpeedButton_WendepunkteClick();
  void CheckBox_Newton_tabellierenClick();

  // ---- Werkzeuge: Integrale, Flächen, Summen, Rotationskörper, Bogenlänge ---------------------
  void SpeedButton_Integral_f_gClick();
  void SpeedButton_U_O_Tr_SummeClick();
  void SpeedButton_RotationsintegralClick();
  void SpeedButton_BogenlaengeClick();
  void SpeedButton_Flaeche_schraffierenClick();
  void SpeedButton_Integral_f_gMouseMove();
  void SpeedButton_RotationsintegralMouseMove();
  void SpeedButton_BogenlaengeMouseMove();
  void SpeedButton_Flaeche_schraffierenMouseMove();

  // ---- Werkzeuge: Tangente, Sekante, Normale, Krümmungskreis -----------------------------------
  void SpeedButton_TangenteClick();
  void SpeedButton_TangenteMouseMove();
  void SpeedButton_SekanteClick();
  void SpeedButton_NormaleClick();
  void SpeedButton_KruemmungskreisClick();

  // ---- Werkzeuge: Wertetabellen, Grenzwerttabelle, Abstände von Tabellenpunkten ---------------
  void SpeedButton_Schar_in_TabelleClick();
  void SpeedButton_Polar_in_TabelleClick();
  void SpeedButton_Folge_in_TabelleClick();
  void SpeedButton_GrenzwerttabelleClick();
  void SpeedButton_senkrechte_EntfernungenClick();
  void SpeedButton_waagerechte_EntfernungenClick();

  // ---- Matrix: Matrixoperationen, Interpolation ----------------------------------------------
  void SpeedButton_MatrixOpsClick();
  void SpeedButton_InterpolationspolynomClick();
  void SpeedButton_SplineInterpolationClick();
  void SpeedButton_TrassierungClick();

  // ---- Statistik: Regressionsmodelle -----------------------------------------------------------
  void SpeedButton_Regressionsmodell_startenClick();

  // ---- Statistik -----------------------------------------------------------------------------
  void SpeedButton_Diagramm_zeichnenClick();

  // ---- Arbeitsblatt: saving and opening the workbench, table from and to spreadsheets ----------
  void SpeedButton_Arbeitsblatt_speichernClick();
  void SpeedButton_Arbeitsblatt_oeffnenClick();
  void SpeedButton_CSV_speichernClick();
  void SpeedButton_CSV_oeffnenClick();
  void Tabelle_aus_Zwischenablage();  // Ctrl+V while the table has the focus

  // ---- Verlauf: undo and redo of the whole sheet (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z) ----------------
  void SpeedButton_RueckgaengigClick();
  void SpeedButton_WiederholenClick();

 public:
  // Opens a worksheet file without asking (the file named on the command line).
  bool Arbeitsblatt_laden(const std::string& pfad);

  // The sheet differs from the one last saved or opened.
  bool Blatt_geaendert() const;
  // Undo steps and redo steps at hand.
  int Rueckschritte() const;
  int Vorschritte() const;
  // Records the sheet as an undo step when it changed (every user action ends with this).
  void Schritt_merken(const QByteArray& quelle = {});
  // The started program takes over the recovery file: a file left by a killed program is
  // offered for restoring; from then on the sheet is written to it while it has changes.
  void Sicherung_einschalten();
  // Writes the recovery file now and waits for it (the timer does so every two minutes).
  bool Sicherung_jetzt();
  // Opens one of the recently used worksheets (the drop-down of the open button).
  void Zuletzt_oeffnen(const std::string& pfad);
  // The sheet may be given up: unchanged, saved, or the user chose not to keep the changes.
  bool Blatt_aufgeben();

 protected:
  void closeEvent(QCloseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  void Feldtext_geaendert(const QString& name, const QString& text) override;
  TBild* Fremdbild(const char* name) override;
  // Enter in a term field plots.
  void Termfeld_bestaetigt() override;

 private:
  void FormCreate();
  void Tabelle_vorbereiten();
  void Tastenkuerzel_einrichten();
  void Verlauf_einrichten();
  void Blatt_zeigen(const TBlatt& b);
  // Shows the sheet undo or redo handed out (nothing when there is none) and the caption.
  void Verlauf_zeigen(const TBlatt* b);
  void Gespeichert_merken();
  void Nach_Oeffnen();
  void Titel_zeigen();
  void Sicherung_faellig();
  void Zuletzt_Menue_fuellen();
  bool tabelle_eingerichtet_ = false;
  void Sicherung_beenden();
  struct TBlattfuehrung;
  struct TBlattfuehrung_loeschen {
    void operator()(TBlattfuehrung* f) const;
  };
  std::unique_ptr<TBlattfuehrung, TBlattfuehrung_loeschen> fuehrung_;
};

// The main window while it exists; the side windows draw into its picture.
extern TForm1* Form1;
