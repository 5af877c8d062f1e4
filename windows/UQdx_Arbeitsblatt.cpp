// The handlers of worksheets: saving and opening the whole workbench, the table from and to
// spreadsheets, and their keyboard shortcuts.

#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include "platform/Dialoge.h"
#include "table/UStringGrid.h"
#include "windows/UQdx.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"
#include "workbench/Arbeitsblattaktion.h"
#include "workbench/Blatt.h"
#include "workbench/Sicherung.h"

namespace {

// Which controls the window has and how many items a list offers, for opening worksheets.
class TFensterstand final : public Bedienstand {
 public:
  explicit TFensterstand(const TFensterbasis& f) : f_(f) {}
  bool Vorhanden(const char* name) const override { return f_.Element(name) != nullptr; }
  int Eintraege(const char* liste) const override {
    const QComboBox* l = f_.Liste(liste);
    return l ? l->count() : 0;
  }

 private:
  const TFensterbasis& f_;
};

}  // namespace

struct TForm1::TBlattfuehrung {
  TVerlauf Verlauf;
  TBlatt Gespeichert;  // as last saved or opened
  TBlatt Gesichert;    // as last written to the recovery file
  TSicherung Sicherung;
  QTimer Uhr;
  bool an = false;     // actions are recorded
  bool zeigt = false;  // a sheet is being shown: its switches are no actions
};

void TForm1::Tastenkuerzel_einrichten() {
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
          &TForm1::SpeedButton_Arbeitsblatt_speichernClick);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, this,
          &TForm1::SpeedButton_Arbeitsblatt_oeffnenClick);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
          &TForm1::SpeedButton_DruckenClick);
  // Only the table itself pastes spreadsheet text; edit fields and the cell editor keep their
  // own paste.
  auto* einfuegen = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_V), StringGrid1);
  einfuegen->setContext(Qt::WidgetShortcut);
  connect(einfuegen, &QShortcut::activated, this, &TForm1::Tabelle_aus_Zwischenablage);
}

bool TForm1::Arbeitsblatt_laden(const std::string& pfad) {
  fuehrung_->zeigt = true;
  const bool ok = ::Arbeitsblatt_laden(*this, TFensterstand(*this), pfad);
  fuehrung_->zeigt = false;
  if (ok) Nach_Oeffnen();
  return ok;
}

void TForm1::Nach_Oeffnen() {
  if (Form4) Form4->Zustand_zeigen();
  if (Form5) Form5->Zustand_zeigen();
  // Opening is a step that can be undone, and the opened sheet counts as saved.
  Gespeichert_merken();
}

void TForm1::SpeedButton_Arbeitsblatt_speichernClick() {
  if (Arbeitsblatt_speichern(*this, TFensterstand(*this))) Gespeichert_merken();
}

void TForm1::SpeedButton_Arbeitsblatt_oeffnenClick() {
  if (!Blatt_aufgeben()) return;
  fuehrung_->zeigt = true;
  const bool ok = Arbeitsblatt_oeffnen(*this, TFensterstand(*this));
  fuehrung_->zeigt = false;
  if (ok) Nach_Oeffnen();
}

void TForm1::SpeedButton_CSV_speichernClick() {
  Tabelle_als_CSV_speichern(Zahlentabelle);
}

void TForm1::SpeedButton_CSV_oeffnenClick() {
  if (!Blatt_aufgeben()) return;
  CSV_in_Tabelle_oeffnen(Zahlentabelle);
  Schritt_merken();
}

void TForm1::Tabelle_aus_Zwischenablage() {
  Tabelle_einfuegen(Zahlentabelle);
}

// ---- the sheet: undo, unsaved changes, recovery, recent files ----------------------------------

void TForm1::TBlattfuehrung_loeschen::operator()(TBlattfuehrung* f) const {
  delete f;
}

namespace {
// At most this often the recovery file is written while the sheet has changes.
constexpr int kSicherung_ms = 2 * 60 * 1000;
// Controls that act many times while dragged; a drag is one step.
bool Wird_gezogen(const QByteArray& quelle) {
  return quelle == "ScrollBar1";
}
}  // namespace

void TForm1::Verlauf_einrichten() {
  fuehrung_.reset(new TBlattfuehrung());
  Arbeitsblatt_Pfad_vergessen();
  fuehrung_->Verlauf.Beginnen(Blatt_erfassen());
  fuehrung_->Gespeichert = fuehrung_->Verlauf.Jetzt();
  fuehrung_->Gesichert = fuehrung_->Verlauf.Jetzt();
  fuehrung_->an = true;
  TFensterbasis::Nach_Aktion = [](const QByteArray& quelle) {
    if (Form1) Form1->Schritt_merken(quelle);
  };
  auto kuerzel = [this](QKeySequence k, void (TForm1::*handler)()) {
    connect(new QShortcut(k, this), &QShortcut::activated, this, handler);
  };
  kuerzel(QKeySequence(Qt::CTRL | Qt::Key_Z), &TForm1::SpeedButton_RueckgaengigClick);
  kuerzel(QKeySequence(Qt::CTRL | Qt::Key_Y), &TForm1::SpeedButton_WiederholenClick);
  kuerzel(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TForm1::SpeedButton_WiederholenClick);
  fuehrung_->Uhr.setInterval(kSicherung_ms);
  connect(&fuehrung_->Uhr, &QTimer::timeout, this, &TForm1::Sicherung_faellig);
  if (auto* oeffnen = Element<QToolButton>("SpeedButton_Arbeitsblatt_oeffnen")) {
    auto* menue = new QMenu(oeffnen);
    connect(menue, &QMenu::aboutToShow, this, &TForm1::Zuletzt_Menue_fuellen);
    oeffnen->setMenu(menue);
    oeffnen->setPopupMode(QToolButton::MenuButtonPopup);
    // A narrow arrow leaves the caption its room on the small button.
    oeffnen->setStyleSheet(
        QStringLiteral("QToolButton { padding: 0px 4px 0px 0px; }"
                       "QToolButton::menu-button { width: 5px; }"));
  }
  Titel_zeigen();
}

bool TForm1::Blatt_geaendert() const {
  return fuehrung_ && !Blatt_gleich(fuehrung_->Verlauf.Jetzt(), fuehrung_->Gespeichert);
}

int TForm1::Rueckschritte() const {
  return fuehrung_ ? static_cast<int>(fuehrung_->Verlauf.Rueckschritte()) : 0;
}

int TForm1::Vorschritte() const {
  return fuehrung_ ? static_cast<int>(fuehrung_->Verlauf.Vorschritte()) : 0;
}

void TForm1::Schritt_merken(const QByteArray& quelle) {
  if (!fuehrung_ || !fuehrung_->an || fuehrung_->zeigt) return;
  TVerlauf& v = fuehrung_->Verlauf;
  v.Merken(Blatt_erfassen(&v.Jetzt()), quelle.toStdString(), Wird_gezogen(quelle));
  Titel_zeigen();
}

void TForm1::Titel_zeigen() {
  const std::string& pfad = Arbeitsblatt_Pfad();
  const bool geaendert = Blatt_geaendert();
  QString titel = QStringLiteral("Quadrix V4.45");
  if (!pfad.empty() || geaendert) {
    const QString name = pfad.empty() ? QStringLiteral("Unbenannt")
                                      : QFileInfo(QString::fromStdString(pfad)).fileName();
    titel += QStringLiteral(" - ") + name + (geaendert ? QStringLiteral("*") : QString());
  }
  setWindowTitle(titel);
  if (geaendert && fuehrung_->Sicherung.Aktiv() && !fuehrung_->Uhr.isActive())
    fuehrung_->Uhr.start();
}

// Puts a whole sheet back and shows it; showing runs no rule and is no action.
void TForm1::Blatt_zeigen(const TBlatt& b) {
  fuehrung_->zeigt = true;
  Blatt_anwenden(*this, b);
  if (QLineEdit* e = Feld("Edit_Text_in_Grafik"))
    e->resize(Werkbank.Textfeld_Breite, Werkbank.Textfeld_Hoehe);
  if (Form4) Form4->Zustand_zeigen();
  if (Form5) Form5->Zustand_zeigen();
  fuehrung_->zeigt = false;
}

void TForm1::Verlauf_zeigen(const TBlatt* b) {
  if (b) {
    Blatt_zeigen(*b);
    fuehrung_->Verlauf.Ersetzen(Blatt_erfassen(b));
  }
  Titel_zeigen();
}

void TForm1::SpeedButton_RueckgaengigClick() {
  if (!fuehrung_) return;
  Schritt_merken();  // what was typed and not yet left is a step of its own
  Verlauf_zeigen(fuehrung_->Verlauf.Rueckgaengig());
}

void TForm1::SpeedButton_WiederholenClick() {
  if (!fuehrung_) return;
  Verlauf_zeigen(fuehrung_->Verlauf.Wiederholen());
}

void TForm1::keyPressEvent(QKeyEvent* ereignis) {
  // Keys sent to the window itself (no shortcut map in between).
  const bool strg = ereignis->modifiers() & Qt::ControlModifier;
  const bool umschalt = ereignis->modifiers() & Qt::ShiftModifier;
  if (strg && ereignis->key() == Qt::Key_Z && !umschalt) return SpeedButton_RueckgaengigClick();
  if (strg && (ereignis->key() == Qt::Key_Y || ereignis->key() == Qt::Key_Z))
    return SpeedButton_WiederholenClick();
  TFensterbasis::keyPressEvent(ereignis);
}

void TForm1::Gespeichert_merken() {
  Schritt_merken();
  fuehrung_->Gespeichert = fuehrung_->Verlauf.Jetzt();
  // What is saved needs no recovery.
  if (fuehrung_->Sicherung.Aktiv()) fuehrung_->Sicherung.Entfernen();
  fuehrung_->Gesichert = fuehrung_->Gespeichert;
  Titel_zeigen();
}

bool TForm1::Blatt_aufgeben() {
  Schritt_merken();
  return Aenderungen_sichern(Blatt_geaendert(), [this] {
    const std::string& pfad = Arbeitsblatt_Pfad();
    const bool ok = pfad.empty() ? Arbeitsblatt_speichern(*this, TFensterstand(*this))
                                 : Arbeitsblatt_schreiben(*this, TFensterstand(*this), pfad);
    if (ok) Gespeichert_merken();
    return ok;
  });
}

// ---- recovery ----------------------------------------------------------------------------------

void TForm1::Sicherung_einschalten() {
  TSicherung& s = fuehrung_->Sicherung;
  if (!s.Uebernehmen() || !s.Vorhanden()) return;
  TArbeitsblatt b;
  std::string fehler;
  int unbekannt = 0;
  if (!s.Lesen(b, fehler)) {
    Dialog().Meldung("Die Wiederherstellungsdatei ist beschädigt und wird nicht verwendet.\n" +
                     fehler);
    s.Entfernen();
    return;
  }
  if (!Dialog().Frage("Wiederherstellen?")) {
    s.Entfernen();
    return;
  }
  fuehrung_->zeigt = true;
  const bool ok = Arbeitsblatt_anwenden(*this, TFensterstand(*this), b, unbekannt, fehler);
  if (ok) {
    if (Form4) Form4->Zustand_zeigen();
    if (Form5) Form5->Zustand_zeigen();
  }
  fuehrung_->zeigt = false;
  if (!ok) {
    Dialog().Meldung("Die Wiederherstellungsdatei ist beschädigt und wird nicht verwendet.\n" +
                     fehler);
    s.Entfernen();
    return;
  }
  // The restored sheet is unsaved work, and undoing brings back the empty start.
  Schritt_merken();
}

void TForm1::Sicherung_beenden() {
  fuehrung_->Uhr.stop();
  fuehrung_->Sicherung.Entfernen();
}

void TForm1::Sicherung_faellig() {
  if (!Blatt_geaendert()) {
    fuehrung_->Uhr.stop();
    return;
  }
  if (Blatt_gleich(fuehrung_->Verlauf.Jetzt(), fuehrung_->Gesichert)) return;
  fuehrung_->Gesichert = fuehrung_->Verlauf.Jetzt();
  fuehrung_->Sicherung.Schreiben(fuehrung_->Gesichert);
}

bool TForm1::Sicherung_jetzt() {
  if (!fuehrung_->Sicherung.Aktiv()) return false;
  Schritt_merken();
  fuehrung_->Gesichert = fuehrung_->Verlauf.Jetzt();
  fuehrung_->Sicherung.Schreiben(fuehrung_->Gesichert);
  return fuehrung_->Sicherung.Abwarten();
}

// ---- recent files ------------------------------------------------------------------------------

void TForm1::Zuletzt_Menue_fuellen() {
  auto* oeffnen = Element<QToolButton>("SpeedButton_Arbeitsblatt_oeffnen");
  if (!oeffnen || !oeffnen->menu()) return;
  QMenu* menue = oeffnen->menu();
  menue->clear();
  const std::vector<std::string> liste = Zuletzt_geoeffnet();
  if (liste.empty())
    menue->addAction(QStringLiteral("(keine zuletzt geöffneten Arbeitsblätter)"))
        ->setEnabled(false);
  for (const std::string& pfad : liste) {
    const QString p = QString::fromStdString(pfad);
    QAction* a = menue->addAction(QFileInfo(p).fileName());
    a->setToolTip(p);
    a->setObjectName(p);
    connect(a, &QAction::triggered, this, [this, pfad] { Zuletzt_oeffnen(pfad); });
  }
}

void TForm1::Zuletzt_oeffnen(const std::string& pfad) {
  if (!QFileInfo::exists(QString::fromStdString(pfad))) {
    Zuletzt_entfernen(pfad);
    Dialog().Meldung("Das Arbeitsblatt " + pfad +
                     " gibt es nicht mehr. Es wird aus der Liste der zuletzt geöffneten entfernt.");
    return;
  }
  if (!Blatt_aufgeben()) return;
  fuehrung_->zeigt = true;
  const bool ok = ::Arbeitsblatt_laden(*this, TFensterstand(*this), pfad);
  fuehrung_->zeigt = false;
  if (ok) Nach_Oeffnen();
}
