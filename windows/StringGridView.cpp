#include "windows/StringGridView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>

#include "windows/Tabellenmodell.h"

namespace {

QColor Qt_Farbe(TFarbe f) {
  return QColor(f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF);
}

QFont Tabellenschrift(const Tabelle& t) {
  QFont f(QString::fromStdString(t.Schrift.Name));
  f.setPointSize(t.Schrift.Groesse);
  f.setBold(t.Schrift.fett);
  f.setItalic(t.Schrift.kursiv);
  return f;
}

QColor Gitterfarbe(const QWidget* w) {
  QStyleOptionViewItem option;
  option.initFrom(w);
  return QColor::fromRgba(
      static_cast<QRgb>(w->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, w)));
}

// The grid draws one pixel of each grid line; the cells add the second one along their right
// and bottom edge, so the lines come out two pixels wide.
void Zweite_Gitterlinie(QPainter& p, const QRect& r, const QColor& farbe) {
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), farbe);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), farbe);
}

// Data cells: right-aligned without margin; the focus cell looks selected.
class Zellenmaler : public QStyledItemDelegate {
 public:
  Zellenmaler(StringGridView* view) : QStyledItemDelegate(view), view_(view) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const Tabelle& t = view_->tabelle();
    const bool markiert = (option.state & QStyle::State_Selected) || index == view_->currentIndex();
    p->save();
    p->setFont(option.font);
    p->setBrush(markiert ? option.palette.brush(QPalette::Highlight)
                         : QBrush(Qt_Farbe(t.Farbe_Daten)));
    p->setPen(markiert ? option.palette.color(QPalette::HighlightedText)
                       : Qt_Farbe(t.Schrift.Farbe));
    const QRect innen = option.rect.adjusted(0, 0, -1, -1);
    Zelle_zeichnen(t, index.column(), index.row(), *p, innen, false, TAusrichtung::Rechts);
    Zweite_Gitterlinie(*p, option.rect, Gitterfarbe(view_));
    p->restore();
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) editor->setFont(option.font);
    return editor;
  }

 private:
  StringGridView* view_;
};

// The fixed row and column: cream cells; captions of row 0 in the grid's plain way (left, small
// margin), row numbers right-aligned like the data cells.
class Festzellen : public QHeaderView {
 public:
  Festzellen(Qt::Orientation o, StringGridView* view) : QHeaderView(o, view), view_(view) {
    setSectionsClickable(false);
    setHighlightSections(false);
  }

 protected:
  void paintSection(QPainter* p, const QRect& rect, int logical) const override {
    const Tabelle& t = view_->tabelle();
    p->save();
    p->setFont(font());
    p->setBrush(Qt_Farbe(t.Farbe_fest));
    p->setPen(Qt_Farbe(t.Schrift.Farbe));
    const QRect innen = rect.adjusted(0, 0, -2, -2);
    if (orientation() == Qt::Horizontal) {
      p->fillRect(innen, p->brush());
      p->setClipRect(innen);
      p->drawText(innen.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                  QString::fromStdString(t.Zelle(logical, 0)));
      p->setClipping(false);
    } else {
      Zelle_zeichnen(t, 0, logical, *p, innen, false, TAusrichtung::Rechts);
    }
    const QColor gitter = Gitterfarbe(view_);
    p->fillRect(QRect(rect.right() - 1, rect.top(), 2, rect.height()), gitter);
    p->fillRect(QRect(rect.left(), rect.bottom() - 1, rect.width(), 2), gitter);
    p->restore();
  }

 private:
  StringGridView* view_;
};

QCursor Bereichscursor_bauen() {
  // A small frame of cells with a cross: "select a range".
  QPixmap bild(32, 32);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setPen(QPen(Qt::white, 3));
  p.drawLine(8, 0, 8, 16);
  p.drawLine(0, 8, 16, 8);
  p.drawRect(12, 12, 16, 12);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(8, 0, 8, 16);
  p.drawLine(0, 8, 16, 8);
  p.drawRect(12, 12, 16, 12);
  p.drawLine(20, 12, 20, 24);
  p.drawLine(12, 18, 28, 18);
  p.end();
  return QCursor(bild, 8, 8);
}

}  // namespace

StringGridView::StringGridView(QWidget* parent, Tabellenmodell* modell)
    : QTableView(parent), modell_(modell) {
  setObjectName("StringGrid1");
  if (!modell_) modell_ = new Tabellenmodell(Zahlentabelle, this);
  tabelle_ = &modell_->tabelle();
  bereichscursor_ = Bereichscursor_bauen();
  setHorizontalHeader(new Festzellen(Qt::Horizontal, this));
  setVerticalHeader(new Festzellen(Qt::Vertical, this));
  setModel(modell_);
  setItemDelegate(new Zellenmaler(this));
  // Row 0 and column 0 are shown by the headers, so they stay in sight while scrolling.
  setRowHidden(0, true);
  setColumnHidden(0, true);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setTabKeyNavigation(true);
  setShowGrid(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  viewport()->setCursor(Qt::IBeamCursor);
  if (auto* knopf = findChild<QAbstractButton*>()) {
    ecke_ = knopf;
    knopf->installEventFilter(this);
  }
  Aussehen_anwenden();

  connect(modell_, &Tabellenmodell::auswahlGeaendert, this, &StringGridView::Auswahl_aus_Tabelle);
  connect(modell_, &Tabellenmodell::eckeGeaendert, this, &StringGridView::Ecke_aus_Tabelle);
  connect(modell_, &Tabellenmodell::geometrieGeaendert, this, &StringGridView::Aussehen_anwenden);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &StringGridView::Ecke_in_Tabelle);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &StringGridView::Ecke_in_Tabelle);
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int spalte, int, int breite) {
            if (!abgleich_ && spalte >= 0 && spalte < Tabelle_Spalten)
              tabelle().Spaltenbreite[static_cast<std::size_t>(spalte)] = breite;
          });
  connect(qApp, &QApplication::focusChanged, this, &StringGridView::Fokus_gewechselt);
  eingabehaken_id_ = tabelle().Eingabehaken_anmelden([this] { Eingabe_abschliessen(); });
  Auswahl_aus_Tabelle();
  Ecke_aus_Tabelle();
}

StringGridView::~StringGridView() {
  tabelle().Eingabehaken_abmelden(eingabehaken_id_);
}

void StringGridView::Eingabe_abschliessen() {
  // Inside Qt's own hand-over the text is on its way already.
  if (uebergabe_ || !bearbeitet_.isValid()) return;
  QWidget* editor = indexWidget(bearbeitet_);
  bearbeitet_ = QPersistentModelIndex();
  if (!editor) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void StringGridView::Aussehen_anwenden() {
  const Tabelle& t = tabelle();
  abgleich_ = true;
  const QFont schrift = Tabellenschrift(t);
  setFont(schrift);
  horizontalHeader()->setFont(schrift);
  verticalHeader()->setFont(schrift);
  QPalette farben = palette();
  farben.setColor(QPalette::Text, Qt_Farbe(t.Schrift.Farbe));
  farben.setColor(QPalette::Base, Qt_Farbe(t.Farbe_Daten));
  setPalette(farben);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setDefaultSectionSize(t.Standard_Spaltenbreite);
  for (int c = 1; c < Tabelle_Spalten; ++c)
    horizontalHeader()->resizeSection(c, t.Spaltenbreite[static_cast<std::size_t>(c)]);
  verticalHeader()->setDefaultSectionSize(t.Standard_Zeilenhoehe);
  horizontalHeader()->setFixedHeight(t.Kopfzeilenhoehe);
  verticalHeader()->setFixedWidth(t.Spaltenbreite[0]);
  abgleich_ = false;
}

void StringGridView::Auswahl_aus_Tabelle() {
  if (abgleich_ || !modell_) return;
  const Tabelle& t = tabelle();
  QItemSelectionModel* sm = selectionModel();
  abgleich_ = true;
  if (t.Spalte() < 1 || t.Zeile() < 1) {
    sm->clearSelection();
    sm->clearCurrentIndex();
  } else {
    const QModelIndex aktuell = modell_->index(t.Zeile(), t.Spalte());
    sm->setCurrentIndex(aktuell, QItemSelectionModel::NoUpdate);
    const TZellbereich b = t.Auswahl();
    if (!Bereich_leer(b)) {
      sm->select(QItemSelection(modell_->index(b.Oben, b.Links), modell_->index(b.Unten, b.Rechts)),
                 QItemSelectionModel::ClearAndSelect);
    }
    scrollTo(aktuell);
  }
  abgleich_ = false;
  viewport()->update();
}

void StringGridView::Auswahl_in_Tabelle() {
  if (abgleich_) return;
  const QModelIndex aktuell = currentIndex();
  if (!aktuell.isValid() || aktuell.row() < 1 || aktuell.column() < 1) return;
  int l = aktuell.column(), r = l, o = aktuell.row(), u = o;
  for (const QItemSelectionRange& bereich : selectionModel()->selection()) {
    l = std::min(l, bereich.left());
    r = std::max(r, bereich.right());
    o = std::min(o, bereich.top());
    u = std::max(u, bereich.bottom());
  }
  const int anker_spalte = aktuell.column() == l ? r : l;
  const int anker_zeile = aktuell.row() == o ? u : o;
  abgleich_ = true;
  tabelle().Auswahl_setzen(anker_spalte, anker_zeile, aktuell.column(), aktuell.row());
  abgleich_ = false;
}

void StringGridView::Ecke_aus_Tabelle() {
  const Tabelle& t = tabelle();
  ecke_abgleich_ = true;
  // Scrolling goes by whole cells; the hidden row 0 and column 0 do not count.
  verticalScrollBar()->setValue(t.Oben() - 1);
  horizontalScrollBar()->setValue(t.Links() - 1);
  ecke_abgleich_ = false;
  Ecke_in_Tabelle();
}

void StringGridView::Ecke_in_Tabelle() {
  if (ecke_abgleich_) return;
  const int oben = verticalScrollBar()->value() + 1;
  const int links = horizontalScrollBar()->value() + 1;
  tabelle().Ecke_setzen(links, oben);
}

void StringGridView::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
  zelle_verlassen_ = true;
  QTableView::currentChanged(aktuell, vorher);
  zelle_verlassen_ = false;
  Auswahl_in_Tabelle();
}

void StringGridView::selectionChanged(const QItemSelection& neu, const QItemSelection& alt) {
  QTableView::selectionChanged(neu, alt);
  Auswahl_in_Tabelle();
}

void StringGridView::keyPressEvent(QKeyEvent* ereignis) {
  // Tab moves between cells; Ctrl+Tab and Ctrl+Shift+Tab leave the table for the keyboard.
  if ((ereignis->key() == Qt::Key_Tab || ereignis->key() == Qt::Key_Backtab) &&
      (ereignis->modifiers() & Qt::ControlModifier)) {
    const bool zurueck =
        ereignis->key() == Qt::Key_Backtab || (ereignis->modifiers() & Qt::ShiftModifier);
    // The widget's own step through the window, not the view's step to the next cell.
    QWidget::focusNextPrevChild(!zurueck);
    ereignis->accept();
    return;
  }
  int taste = 0;
  if (ereignis->modifiers() == Qt::NoModifier || ereignis->modifiers() == Qt::KeypadModifier) {
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) taste = Taste_Enter;
    if (ereignis->key() == Qt::Key_Delete) taste = Taste_Entf;
  }
  if (taste != 0 && state() != QAbstractItemView::EditingState &&
      Taste_verarbeiten(tabelle(), taste)) {
    ereignis->accept();
    return;
  }
  QTableView::keyPressEvent(ereignis);
}

bool StringGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* ereignis) {
  const bool ok = QTableView::edit(index, trigger, ereignis);
  if (ok && indexWidget(index)) bearbeitet_ = index;
  return ok;
}

void StringGridView::commitData(QWidget* editor) {
  uebergabe_ = true;
  QTableView::commitData(editor);
  uebergabe_ = false;
}

void StringGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  if (bearbeitet_.isValid() && indexWidget(bearbeitet_) == editor)
    bearbeitet_ = QPersistentModelIndex();
  // Enter in the cell editor commits the text and then moves on like Enter in the grid. Qt
  // closes with the same hint when the user clicks into another row; that is no Enter.
  const bool enter = hint == QAbstractItemDelegate::SubmitModelCache && !zelle_verlassen_;
  QTableView::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
  if (enter) Taste_verarbeiten(tabelle(), Taste_Enter);
}

void StringGridView::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->buttons() == Qt::RightButton && ereignis->modifiers() == Qt::NoModifier) {
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    anker_ = zelle.isValid() && zelle.row() >= 1 && zelle.column() >= 1 ? zelle : QModelIndex();
    viewport()->setCursor(bereichscursor_);
    ereignis->accept();
    return;
  }
  QTableView::mousePressEvent(ereignis);
}

void StringGridView::mouseMoveEvent(QMouseEvent* ereignis) {
  if (ereignis->buttons() == Qt::RightButton && ereignis->modifiers() == Qt::NoModifier) {
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    // Outside the cells there is nothing to select; the move is simply ignored.
    if (anker_.isValid() && zelle.isValid() && zelle != QModelIndex(anker_))
      Bereich_markieren(tabelle(), anker_.column(), anker_.row(), zelle.column(), zelle.row());
    ereignis->accept();
    return;
  }
  QTableView::mouseMoveEvent(ereignis);
}

void StringGridView::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (ereignis->button() == Qt::RightButton) {
    viewport()->setCursor(Qt::IBeamCursor);
    anker_ = QModelIndex();
    ereignis->accept();
    return;
  }
  QTableView::mouseReleaseEvent(ereignis);
}

bool StringGridView::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == ecke_ && ereignis->type() == QEvent::Paint) {
    // The top-left fixed cell, "Ze Nr".
    const Tabelle& t = tabelle();
    QPainter p(ecke_);
    const QRect r = ecke_->rect();
    const QRect innen = r.adjusted(0, 0, -2, -2);
    p.fillRect(innen, Qt_Farbe(t.Farbe_fest));
    p.setFont(horizontalHeader()->font());
    p.setPen(Qt_Farbe(t.Schrift.Farbe));
    p.drawText(innen.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(t.Zelle(0, 0)));
    const QColor gitter = Gitterfarbe(this);
    p.fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), gitter);
    p.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), gitter);
    return true;
  }
  return QTableView::eventFilter(objekt, ereignis);
}

void StringGridView::Fokus_gewechselt(QWidget* alt, QWidget* neu) {
  if (!alt || !neu) return;
  const bool war_hier = alt == this || isAncestorOf(alt);
  const bool ist_hier = neu == this || isAncestorOf(neu);
  // Only another control of the same window counts; a dialog in front keeps the selection, and
  // so does a speed button reached with Tab, which acts on it like a click.
  if (qobject_cast<QToolButton*>(neu)) return;
  if (war_hier && !ist_hier && neu->window() == window()) Markierung_aufheben(tabelle());
}
