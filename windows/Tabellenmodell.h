#pragma once
// The item model that shows the table: 1501 rows x 44 columns, the cell text as display and
// edit role. Row 0 and column 0 are the fixed captions; they also serve as header data so that
// a view can keep them in sight while the data cells scroll.

#include <QAbstractTableModel>

#include "table/UStringGrid.h"

class Tabellenmodell : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit Tabellenmodell(Tabelle& tabelle = Zahlentabelle, QObject* parent = nullptr);
  ~Tabellenmodell() override;

  Tabelle& tabelle() const { return tabelle_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 signals:
  // The table's current cell or selection changed outside the view.
  void auswahlGeaendert();
  // The table asks to show another top-left cell.
  void eckeGeaendert();
  // Column widths or the look changed.
  void geometrieGeaendert();

 private:
  void Geaendert(TAenderung art, const TZellbereich& b);

  Tabelle& tabelle_;
  int beobachter_id_ = 0;
};
