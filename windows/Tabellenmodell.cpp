#include "windows/Tabellenmodell.h"

#include <algorithm>

Tabellenmodell::Tabellenmodell(Tabelle& tabelle, QObject* parent)
    : QAbstractTableModel(parent), tabelle_(tabelle) {
  beobachter_id_ = tabelle_.Beobachter_anmelden(
      [this](TAenderung art, const TZellbereich& b) { Geaendert(art, b); });
}

Tabellenmodell::~Tabellenmodell() {
  tabelle_.Beobachter_abmelden(beobachter_id_);
}

int Tabellenmodell::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Tabelle_Zeilen;
}

int Tabellenmodell::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Tabelle_Spalten;
}

QVariant Tabellenmodell::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(tabelle_.Zelle(index.column(), index.row()));
    case Qt::TextAlignmentRole:
      if (index.row() >= 1)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
      return {};
    default:
      return {};
  }
}

bool Tabellenmodell::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  if (index.row() < 1 || index.column() < 1) return false;
  // The table tells every watcher, this model included, which emits dataChanged then.
  tabelle_.Zelle_setzen(index.column(), index.row(), value.toString().toStdString());
  return true;
}

Qt::ItemFlags Tabellenmodell::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (index.row() < 1 || index.column() < 1) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant Tabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return QString::fromStdString(tabelle_.Zelle(section, 0));
  return QString::fromStdString(tabelle_.Zelle(0, section));
}

void Tabellenmodell::Geaendert(TAenderung art, const TZellbereich& b) {
  switch (art) {
    case TAenderung::Inhalt: {
      const int l = std::clamp(b.Links, 0, Letzte_Spalte),
                r = std::clamp(b.Rechts, 0, Letzte_Spalte);
      const int o = std::clamp(b.Oben, 0, Letzte_Zeile), u = std::clamp(b.Unten, 0, Letzte_Zeile);
      emit dataChanged(index(o, l), index(u, r), {Qt::DisplayRole, Qt::EditRole});
      if (o == 0) emit headerDataChanged(Qt::Horizontal, l, r);
      if (l == 0) emit headerDataChanged(Qt::Vertical, o, u);
      break;
    }
    case TAenderung::Auswahl:
      emit auswahlGeaendert();
      break;
    case TAenderung::Ecke:
      emit eckeGeaendert();
      break;
    case TAenderung::Geometrie:
      emit geometrieGeaendert();
      break;
  }
}
