// The handlers of worksheets: saving and opening the whole workbench, the table from and to
// spreadsheets, and their keyboard shortcuts.

#include <QKeySequence>
#include <QShortcut>

#include "table/UStringGrid.h"
#include "windows/UQdx.h"
#include "workbench/Arbeitsblattaktion.h"

namespace {

// What the window shows of its switches and lists, for the worksheet actions.
class TFensterstand final : public Bedienstand {
 public:
  explicit TFensterstand(const TFensterbasis& f) : f_(f) {}
  bool Vorhanden(const char* name) const override { return f_.Element(name) != nullptr; }
  bool Haken(const char* schalter) const override { return f_.Haken(schalter); }
  int Eintrag(const char* liste) const override { return f_.Eintrag(liste); }
  int Eintraege(const char* liste) const override {
    const QComboBox* l = f_.Liste(liste);
    return l ? l->count() : 0;
  }

 private:
  const TFensterbasis& f_;
};

}  // namespace

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
  return ::Arbeitsblatt_laden(*this, TFensterstand(*this), pfad);
}

void TForm1::SpeedButton_Arbeitsblatt_speichernClick() {
  Arbeitsblatt_speichern(*this, TFensterstand(*this));
}

void TForm1::SpeedButton_Arbeitsblatt_oeffnenClick() {
  Arbeitsblatt_oeffnen(*this, TFensterstand(*this));
}

void TForm1::SpeedButton_CSV_speichernClick() {
  Tabelle_als_CSV_speichern(Zahlentabelle);
}

void TForm1::SpeedButton_CSV_oeffnenClick() {
  CSV_in_Tabelle_oeffnen(Zahlentabelle);
}

void TForm1::Tabelle_aus_Zwischenablage() {
  Tabelle_einfuegen(Zahlentabelle);
}
