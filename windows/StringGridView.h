#pragma once
// StringGrid1: the main window's view of the table. Row 0 and column 0 stay in sight as the
// view's headers (cream, bold navy Arial 8); the data cells are edited in place, drawn
// right-aligned, and moved through with Enter as the table's key rule says. The right mouse
// button selects a range with its own cursor; the selection is lost when another control of the
// window takes the focus.

#include <QCursor>
#include <QModelIndex>
#include <QPointer>
#include <QTableView>

#include "table/UStringGrid.h"

#include "windows/Tabellenmodell.h"

class StringGridView : public QTableView {
  Q_OBJECT
 public:
  // Shows the given model, or a new model over the program's table when none is given.
  explicit StringGridView(QWidget* parent = nullptr, Tabellenmodell* modell = nullptr);
  ~StringGridView() override;

  Tabellenmodell* modell() const { return modell_; }
  Tabelle& tabelle() const { return *tabelle_; }

  // The cursor shown while the right button selects a range.
  const QCursor& Bereichscursor() const { return bereichscursor_; }

  // Writes the text of an open cell editor into the table and closes the editor. The table runs
  // this before every operation on its cells.
  void Eingabe_abschliessen();

  using QTableView::edit;

 protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* ereignis) override;
  void commitData(QWidget* editor) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
  void selectionChanged(const QItemSelection& neu, const QItemSelection& alt) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Aussehen_anwenden();
  void Auswahl_aus_Tabelle();
  void Auswahl_in_Tabelle();
  void Ecke_aus_Tabelle();
  void Ecke_in_Tabelle();
  void Fokus_gewechselt(QWidget* alt, QWidget* neu);

  QPointer<Tabellenmodell> modell_;
  Tabelle* tabelle_ = nullptr;
  bool abgleich_ = false;  // true while the view follows the table (no echo back)
  bool ecke_abgleich_ = false;
  QPersistentModelIndex anker_;       // right-button range selection in progress
  QPersistentModelIndex bearbeitet_;  // the cell whose editor is open
  bool uebergabe_ = false;            // the editor's text is being written into the table
  bool zelle_verlassen_ = false;      // the current cell moves away from an open editor
  int eingabehaken_id_ = 0;
  QPointer<QWidget> ecke_;
  QCursor bereichscursor_;
};
