// The table on screen: the item model over the number store, the StringGrid1 view with its keys,
// editing and right-button selection, and the table's buttons in the main window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cstdlib>

#include "hauptfenster.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "windows/StringGridView.h"
#include "windows/Tabellenmodell.h"
#include "windows/UQdx.h"

namespace {

std::string Text(const QAbstractItemModel* m, int zeile, int spalte) {
  return m->data(m->index(zeile, spalte)).toString().toStdString();
}

void Taste(QWidget* w, int taste, const QString& text = QString()) {
  QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, text);
  QApplication::sendEvent(w, &druck);
  QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier, text);
  QApplication::sendEvent(w, &los);
}

void Maus(QWidget* w, QEvent::Type art, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
          Qt::KeyboardModifiers tasten = Qt::NoModifier) {
  QMouseEvent e(art, QPointF(p), QPointF(w->mapToGlobal(p)), knopf, knoepfe, tasten);
  QApplication::sendEvent(w, &e);
}

// Types a text into a cell through the in-place editor and ends it with Enter.
void Eintippen(StringGridView* v, const std::string& text) {
  v->edit(v->currentIndex());
  auto* editor = v->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setText(QString::fromStdString(text));
  Taste(editor, Qt::Key_Return);
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

// ---- the model --------------------------------------------------------------------------------

TEST(Tabellenmodell, GroesseTexteUndKoepfe) {
  Anwendung();
  Tabelle t;
  Tabellenmodell m(t);
  EXPECT_EQ(m.rowCount(), 1501);
  EXPECT_EQ(m.columnCount(), 44);
  t.Zelle_setzen(3, 7, "2,5");
  EXPECT_EQ(Text(&m, 7, 3), "2,5");
  EXPECT_EQ(Text(&m, 0, 1), "  x (Sp1)");
  EXPECT_EQ(Text(&m, 12, 0), "12  ");
  EXPECT_EQ(m.headerData(3, Qt::Horizontal).toString().toStdString(), "Matrix A (Sp3)");
  EXPECT_EQ(m.headerData(1500, Qt::Vertical).toString().toStdString(), "1500  ");
  const auto ausrichtung = m.data(m.index(7, 3), Qt::TextAlignmentRole).value<Qt::Alignment>();
  EXPECT_TRUE(ausrichtung & Qt::AlignRight);
}

TEST(Tabellenmodell, NurDatenzellenEditierbar) {
  Anwendung();
  Tabelle t;
  Tabellenmodell m(t);
  EXPECT_TRUE(m.flags(m.index(1, 1)) & Qt::ItemIsEditable);
  EXPECT_TRUE(m.flags(m.index(1500, 43)) & Qt::ItemIsEditable);
  EXPECT_FALSE(m.flags(m.index(0, 5)) & Qt::ItemIsEditable);
  EXPECT_FALSE(m.flags(m.index(5, 0)) & Qt::ItemIsEditable);
  EXPECT_TRUE(m.setData(m.index(4, 2), "1/3"));
  EXPECT_EQ(t.Zelle(2, 4), "1/3");
  EXPECT_FALSE(m.setData(m.index(0, 2), "Kopf"));
  EXPECT_EQ(t.Zelle(2, 0), "  y (Sp2)");
}

TEST(Tabellenmodell, MeldetAenderungenDerTabelle) {
  Anwendung();
  Tabelle t;
  Tabellenmodell m(t);
  std::vector<std::pair<QModelIndex, QModelIndex>> bereiche;
  int kopf_waagrecht = 0;
  QObject::connect(
      &m, &QAbstractItemModel::dataChanged,
      [&](const QModelIndex& a, const QModelIndex& b) { bereiche.emplace_back(a, b); });
  QObject::connect(&m, &QAbstractItemModel::headerDataChanged, [&](Qt::Orientation o, int, int) {
    if (o == Qt::Horizontal) ++kopf_waagrecht;
  });
  Punkte_ausgeben(t, 1, {{1, 2}, {3, 4}}, 2);
  ASSERT_EQ(bereiche.size(), 1u);
  EXPECT_EQ(bereiche[0].first, m.index(1, 1));
  EXPECT_EQ(bereiche[0].second, m.index(2, 2));
  Spalte_entfernen(t, 1);
  EXPECT_EQ(bereiche.back().first, m.index(0, 1));
  EXPECT_EQ(kopf_waagrecht, 1);
  EXPECT_EQ(Text(&m, 1, 1), "2");
}

// ---- the view ---------------------------------------------------------------------------------

class Tabellenansicht : public ::testing::Test {
 protected:
  void SetUp() override {
    Anwendung();
    fenster = new QWidget;
    auto* lay = new QVBoxLayout(fenster);
    modell = new Tabellenmodell(t, fenster);
    view = new StringGridView(fenster, modell);
    feld = new QLineEdit(fenster);
    lay->addWidget(view);
    lay->addWidget(feld);
    fenster->resize(670, 400);
    Tabelle_einrichten(t);
  }
  void TearDown() override { delete fenster; }

  QPoint Mitte(int zeile, int spalte) const {
    return view->visualRect(modell->index(zeile, spalte)).center();
  }

  Tabelle t;
  QWidget* fenster = nullptr;
  Tabellenmodell* modell = nullptr;
  StringGridView* view = nullptr;
  QLineEdit* feld = nullptr;
};

TEST_F(Tabellenansicht, FesteZeileUndSpalteAlsKoepfeGeometrieUndSchrift) {
  EXPECT_EQ(view->objectName(), "StringGrid1");
  EXPECT_TRUE(view->isRowHidden(0));
  EXPECT_TRUE(view->isColumnHidden(0));
  EXPECT_EQ(view->columnWidth(1), 90);
  EXPECT_EQ(view->columnWidth(43), 90);
  EXPECT_EQ(view->rowHeight(1), 16);
  EXPECT_EQ(view->verticalHeader()->width(), 33);
  EXPECT_EQ(view->horizontalHeader()->height(), 17);
  EXPECT_EQ(view->font().family(), "Arial");
  EXPECT_EQ(view->font().pointSize(), 8);
  EXPECT_TRUE(view->font().bold());
  EXPECT_EQ(view->palette().color(QPalette::Text), QColor(0, 0, 128));
  EXPECT_EQ(view->viewport()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(Tabellenansicht, SpaltenbreiteFolgtDemZahlenformat) {
  Spaltenbreiten_setzen(t, 72, 35);
  EXPECT_EQ(view->columnWidth(1), 72);
  EXPECT_EQ(view->columnWidth(43), 72);
  EXPECT_EQ(view->verticalHeader()->width(), 35);
}

TEST_F(Tabellenansicht, ZellenFarbenGitterUndRechtsbuendigerText) {
  fenster->show();
  QApplication::processEvents();
  Markierung_aufheben(t);  // a shown view may have put the focus on the first cell
  t.Zelle_setzen(1, 1, "8");
  QApplication::processEvents();
  const QImage bild = view->grab().toImage();
  const QRect zelle = view->visualRect(modell->index(1, 1)).translated(view->viewport()->pos());
  const QRect kopf(view->horizontalHeader()->pos(), view->horizontalHeader()->size());
  // the fixed row is cream, an empty data cell white
  EXPECT_EQ(QColor(bild.pixel(kopf.left() + 60, kopf.top() + 2)), QColor(255, 251, 240));
  const QRect leer = view->visualRect(modell->index(2, 2)).translated(view->viewport()->pos());
  EXPECT_EQ(QColor(bild.pixel(leer.left() + 5, leer.top() + 5)), QColor(255, 255, 255));
  // the text sits at the right edge of its cell
  int links = zelle.right(), rechts = zelle.left();
  for (int y = zelle.top(); y < zelle.bottom() - 1; ++y)
    for (int x = zelle.left(); x < zelle.right() - 1; ++x)
      if (QColor(bild.pixel(x, y)).blue() > 60 && QColor(bild.pixel(x, y)).red() < 100) {
        links = std::min(links, x);
        rechts = std::max(rechts, x);
      }
  EXPECT_GT(links, zelle.left() + zelle.width() / 2);
  EXPECT_GE(rechts, zelle.right() - 4);
  // grid lines are two pixels wide: the last two pixel columns of a cell are not white
  EXPECT_NE(QColor(bild.pixel(leer.right(), leer.top() + 5)), QColor(255, 255, 255));
  EXPECT_NE(QColor(bild.pixel(leer.right() + 1, leer.top() + 5)), QColor(255, 255, 255));
}

TEST_F(Tabellenansicht, AuswahlDerAnsichtIstDieDerTabelle) {
  view->setCurrentIndex(modell->index(3, 4));
  EXPECT_EQ(t.Spalte(), 4);
  EXPECT_EQ(t.Zeile(), 3);
  EXPECT_EQ(t.Auswahl(), (TZellbereich{4, 3, 4, 3}));
  Bereich_markieren(t, 2, 2, 5, 6);
  EXPECT_EQ(view->currentIndex(), modell->index(6, 5));
  EXPECT_TRUE(view->selectionModel()->isSelected(modell->index(2, 2)));
  EXPECT_TRUE(view->selectionModel()->isSelected(modell->index(6, 5)));
  EXPECT_FALSE(view->selectionModel()->isSelected(modell->index(7, 5)));
  Markierung_aufheben(t);
  EXPECT_FALSE(view->currentIndex().isValid());
  EXPECT_FALSE(view->selectionModel()->hasSelection());
}

TEST_F(Tabellenansicht, EnterUndEntf) {
  t.Zelle_setzen(5, 3, "weg");
  view->setCurrentIndex(modell->index(3, 5));
  Taste(view, Qt::Key_Delete);
  EXPECT_EQ(t.Zelle(5, 3), "");
  Taste(view, Qt::Key_Return);
  EXPECT_EQ(view->currentIndex(), modell->index(3, 6));
  view->setCurrentIndex(modell->index(3, 2));
  Taste(view, Qt::Key_Enter);
  EXPECT_EQ(view->currentIndex(), modell->index(4, 1));
}

TEST_F(Tabellenansicht, PunktpaareEintippenMitEnter) {
  view->setCurrentIndex(modell->index(1, 1));
  for (const char* s : {"1", "2,5", "2", "3/4"})
    Eintippen(view, s);
  EXPECT_EQ(t.Zelle(1, 1), "1");
  EXPECT_EQ(t.Zelle(2, 1), "2,5");
  EXPECT_EQ(t.Zelle(1, 2), "2");
  EXPECT_EQ(t.Zelle(2, 2), "3/4");
  EXPECT_EQ(view->currentIndex(), modell->index(3, 1));
  int n = 0;
  Punkte_einlesen(t, 1, n);
  EXPECT_EQ(n, 2);
}

TEST_F(Tabellenansicht, RechteMaustasteMarkiertBereichMitEigenemCursor) {
  fenster->show();
  QApplication::processEvents();
  Markierung_aufheben(t);
  QWidget* vp = view->viewport();
  Maus(vp, QEvent::MouseButtonPress, Mitte(2, 2), Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(vp->cursor().shape(), Qt::BitmapCursor);
  EXPECT_TRUE(Bereich_leer(t.Auswahl()));  // pressing alone selects nothing
  Maus(vp, QEvent::MouseMove, Mitte(2, 2), Qt::NoButton, Qt::RightButton);
  EXPECT_TRUE(Bereich_leer(t.Auswahl()));  // still on the anchor
  Maus(vp, QEvent::MouseMove, Mitte(5, 4), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(t.Auswahl(), (TZellbereich{2, 2, 4, 5}));
  Maus(vp, QEvent::MouseMove, Mitte(4, 1), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(t.Auswahl(), (TZellbereich{1, 2, 2, 4}));
  // outside the cells nothing changes
  Maus(vp, QEvent::MouseMove, QPoint(-50, -50), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(t.Auswahl(), (TZellbereich{1, 2, 2, 4}));
  // with a modifier key the move is not a range selection
  Maus(vp, QEvent::MouseMove, Mitte(7, 7), Qt::NoButton, Qt::RightButton, Qt::ShiftModifier);
  EXPECT_EQ(t.Auswahl(), (TZellbereich{1, 2, 2, 4}));
  Maus(vp, QEvent::MouseButtonRelease, Mitte(4, 1), Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(vp->cursor().shape(), Qt::IBeamCursor);
  EXPECT_TRUE(view->selectionModel()->isSelected(modell->index(3, 2)));
}

TEST_F(Tabellenansicht, AuswahlGehtVerlorenWennEinAnderesFeldDenFokusNimmt) {
  fenster->show();
  fenster->activateWindow();
  QApplication::setActiveWindow(fenster);
  QApplication::processEvents();
  view->setFocus();
  QApplication::processEvents();
  Bereich_markieren(t, 1, 1, 3, 3);
  // the in-place editor is part of the table
  view->edit(view->currentIndex());
  QApplication::processEvents();
  EXPECT_EQ(t.Auswahl(), (TZellbereich{1, 1, 3, 3}));
  feld->setFocus();
  QApplication::processEvents();
  if (!feld->hasFocus()) GTEST_SKIP() << "no keyboard focus on this platform";
  EXPECT_TRUE(Bereich_leer(t.Auswahl()));
  EXPECT_EQ(t.Zeile(), -1);
}

TEST_F(Tabellenansicht, EckeLinksOben) {
  fenster->show();
  QApplication::processEvents();
  view->scrollTo(modell->index(900, 30));
  QApplication::processEvents();
  EXPECT_GT(t.Oben(), 1);
  EXPECT_GT(t.Links(), 1);
  Ecke_links_oben_zeigen(t);
  QApplication::processEvents();
  EXPECT_EQ(view->rowAt(0), 1);
  EXPECT_EQ(view->columnAt(0), 1);
}

// ---- the buttons of the main window -----------------------------------------------------------

class Tabellenknoepfe : public Hauptfenster_Test {
 protected:
  void SetUp() override {
    Tabelle_leeren(Zahlentabelle);
    Markierung_aufheben(Zahlentabelle);
    view = qobject_cast<StringGridView*>(form->StringGrid1);
    ASSERT_NE(view, nullptr);
    m = view->model();
  }
  static void Klick(const char* knopf) {
    QAbstractButton* k = form->Knopf(knopf);
    ASSERT_NE(k, nullptr) << knopf;
    k->click();
  }
  void Setzen(int zeile, int spalte, const char* text) {
    ASSERT_TRUE(m->setData(m->index(zeile, spalte), QString::fromUtf8(text)));
  }
  void Markieren(int l, int o, int r, int u) {
    view->setCurrentIndex(m->index(o, l));
    view->selectionModel()->select(QItemSelection(m->index(o, l), m->index(u, r)),
                                   QItemSelectionModel::ClearAndSelect);
  }

  StringGridView* view = nullptr;
  QAbstractItemModel* m = nullptr;
};

TEST_F(Tabellenknoepfe, TabelleNachDemStartEingerichtet) {
  EXPECT_EQ(m->rowCount(), 1501);
  EXPECT_EQ(m->columnCount(), 44);
  EXPECT_EQ(Text(m, 0, 0), "Ze Nr");
  EXPECT_EQ(Text(m, 0, 2), "  y (Sp2)");
  EXPECT_EQ(Text(m, 1500, 0), "1500  ");
  EXPECT_EQ(form->StringGrid1->geometry(), QRect(3, 62, 670, 173));
  EXPECT_EQ(view->columnWidth(1), 90);
}

TEST_F(Tabellenknoepfe, BruchUndDezimal) {
  Setzen(1, 1, "0,75");
  Setzen(2, 1, "abc");
  Setzen(1, 2, "1/8");
  Klick("SpeedButton_Bruchdarstellung");
  EXPECT_EQ(Text(m, 1, 1), "3/4");
  EXPECT_EQ(Text(m, 2, 1), "abc");
  EXPECT_EQ(Text(m, 1, 2), "1/8");
  Klick("SpeedButton_Dezimalbruch");
  EXPECT_EQ(Text(m, 1, 1), "0,75");
  EXPECT_EQ(Text(m, 1, 2), "0,125");
}

TEST_F(Tabellenknoepfe, ZeileUndSpalteLoeschenUndSchieben) {
  Setzen(3, 1, "a");
  Setzen(3, 2, "b");
  Setzen(4, 1, "c");
  Klick("SpeedButton_Zeile_loeschen");  // no current cell: nothing happens
  EXPECT_EQ(Text(m, 3, 1), "a");
  view->setCurrentIndex(m->index(3, 2));
  Klick("SpeedButton_Zeile_loeschen");
  EXPECT_EQ(Text(m, 3, 1), "");
  EXPECT_EQ(Text(m, 3, 2), "");
  EXPECT_EQ(Text(m, 3, 0), "3   ");
  EXPECT_EQ(Text(m, 4, 1), "c");

  Setzen(1, 1, "x");
  view->setCurrentIndex(m->index(1, 1));
  Klick("SpeedButton_Schiebe_Zeile");
  EXPECT_EQ(Text(m, 3, 1), "c");
  EXPECT_EQ(Text(m, 1, 0), "1   ");

  Setzen(1, 2, "y");
  view->setCurrentIndex(m->index(5, 1));
  Klick("SpeedButton_Schiebe_Spalte");
  EXPECT_EQ(Text(m, 1, 1), "y");
  EXPECT_EQ(Text(m, 0, 1), "  y (Sp2)");
  EXPECT_EQ(Text(m, 0, 43), "");

  view->setCurrentIndex(m->index(7, 1));
  Klick("SpeedButton_Spalte_loeschen");
  EXPECT_EQ(Text(m, 1, 1), "");
  EXPECT_EQ(Text(m, 0, 1), "  y (Sp2)");

  Setzen(9, 9, "9");
  Klick("SpeedButton_Tabelle_loeschen");
  EXPECT_EQ(Text(m, 9, 9), "");
  EXPECT_EQ(Text(m, 0, 1), "  x (Sp1)");
}

TEST_F(Tabellenknoepfe, BereichKopieren) {
  SkriptDialoge d;
  Klick("SpeedButton_Zellen_kopieren");
  EXPECT_EQ(d.letzte_meldung(), "Erst Bereich markieren !");

  Setzen(1, 1, "1");
  Setzen(1, 2, "2");
  Setzen(2, 1, "3");
  Setzen(2, 2, "4");
  Markieren(1, 1, 2, 2);
  EXPECT_EQ(Zahlentabelle.Auswahl(), (TZellbereich{1, 1, 2, 2}));
  d.meldungen.clear();
  for (const char* a : {"abc;5", "5", "2;x"}) {
    d.antworten_eingabe.push_back(std::string(a));
    Klick("SpeedButton_Zellen_kopieren");
  }
  EXPECT_TRUE(d.meldungen.empty());
  EXPECT_EQ(d.eingabe_vorgaben.back(), "2;5");
  EXPECT_EQ(Text(m, 5, 2), "");

  d.antworten_eingabe.push_back(std::string("43;1"));
  Klick("SpeedButton_Zellen_kopieren");
  EXPECT_EQ(d.letzte_meldung(), "Tabellengrenzen überschritten !");
  d.antworten_eingabe.push_back(std::string("2;2"));
  Klick("SpeedButton_Zellen_kopieren");
  EXPECT_EQ(d.letzte_meldung(), "Bereich kann nicht in sich selbst kopiert werden");
  EXPECT_EQ(Text(m, 3, 3), "");
  d.antworten_eingabe.push_back(std::string("3;1"));
  Klick("SpeedButton_Zellen_kopieren");
  EXPECT_EQ(d.meldungen.size(), 2u);
  EXPECT_EQ(Text(m, 1, 3), "1");
  EXPECT_EQ(Text(m, 2, 4), "4");
}

TEST_F(Tabellenknoepfe, BereichInDieZwischenablage) {
  SkriptAblage ablage;
  Setzen(1, 1, "1");
  Setzen(1, 2, "abc");
  Klick("SpeedButton_TabellenBereich_zu_Textdatei");
  EXPECT_EQ(ablage.text_setzungen, 0);
  Markieren(1, 1, 2, 1);
  Klick("SpeedButton_TabellenBereich_zu_Textdatei");
  EXPECT_EQ(ablage.text, "1" + std::string(19, ' ') + "abc" + std::string(17, ' ') + "\r\n");
}

TEST_F(Tabellenknoepfe, EckeLinksObenZeigen) {
  form->show();
  QApplication::processEvents();
  view->scrollTo(m->index(1200, 40));
  QApplication::processEvents();
  Klick("SpeedButton_Zelle_1_1");
  QApplication::processEvents();
  EXPECT_EQ(view->rowAt(0), 1);
  EXPECT_EQ(view->columnAt(0), 1);
  form->hide();
}
