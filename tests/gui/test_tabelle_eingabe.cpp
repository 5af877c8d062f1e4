// What the user types into StringGrid1 counts as soon as a table button is pressed, and the reset
// of the start values gives the columns the widths of the reset number format.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "engine/UMatheBasisOp.h"
#include "hauptfenster.h"
#include "support/SkriptDialoge.h"
#include "table/UStringGrid.h"
#include "windows/StringGridView.h"
#include "windows/UQdx.h"

namespace {

class Tabelleneingabe : public Hauptfenster_Test {
 protected:
  void SetUp() override {
    view = qobject_cast<StringGridView*>(form->StringGrid1);
    ASSERT_NE(view, nullptr);
    m = view->model();
    Tabelle_leeren(Zahlentabelle);
    Markierung_aufheben(Zahlentabelle);
  }
  void TearDown() override {
    if (view) view->setCurrentIndex(QModelIndex());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Tabelle_leeren(Zahlentabelle);
  }

  std::string Text(int zeile, int spalte) const {
    return m->data(m->index(zeile, spalte)).toString().toStdString();
  }

  // Opens the in-place editor on a cell and types the text key by key; the editor stays open.
  QWidget* Tippen(int zeile, int spalte, const QString& text) {
    const QModelIndex zelle = m->index(zeile, spalte);
    view->setCurrentIndex(zelle);
    view->edit(zelle);
    QWidget* editor = view->indexWidget(zelle);
    if (!editor) return nullptr;
    for (const QChar z : text) {
      QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
      QApplication::sendEvent(editor, &druck);
    }
    return editor;
  }

  static void Klick(const char* knopf) {
    QAbstractButton* k = form->Knopf(knopf);
    ASSERT_NE(k, nullptr) << knopf;
    k->click();
  }

  // Leaving the cell is what would hand a still open editor's text to the table.
  void Zelle_verlassen(int zeile, int spalte) {
    view->setCurrentIndex(m->index(zeile, spalte));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  StringGridView* view = nullptr;
  QAbstractItemModel* m = nullptr;
};

}  // namespace

TEST_F(Tabelleneingabe, BruchknopfSiehtDenGeradeGetipptenText) {
  ASSERT_NE(Tippen(1, 1, "0,5"), nullptr);
  Klick("SpeedButton_Bruchdarstellung");
  EXPECT_EQ(Text(1, 1), "1/2");
  EXPECT_EQ(view->indexWidget(m->index(1, 1)), nullptr) << "the editor is closed";
  Zelle_verlassen(2, 1);
  EXPECT_EQ(Text(1, 1), "1/2");
}

TEST_F(Tabelleneingabe, GeloeschteTabelleBringtDenGetipptenTextNichtZurueck) {
  ASSERT_NE(Tippen(1, 1, "0,5"), nullptr);
  Klick("SpeedButton_Tabelle_loeschen");
  EXPECT_EQ(Text(1, 1), "");
  Zelle_verlassen(2, 1);
  EXPECT_EQ(Text(1, 1), "");
}

TEST_F(Tabelleneingabe, ZwischenablageErhaeltDenGetipptenText) {
  SkriptAblage ablage;
  Zahlentabelle.Zelle_setzen(2, 1, "x");
  Bereich_markieren(Zahlentabelle, 1, 1, 2, 1);
  // the editor sits on a marked cell that is not the current one
  const QModelIndex zelle = m->index(1, 1);
  view->edit(zelle);
  QWidget* editor = view->indexWidget(zelle);
  ASSERT_NE(editor, nullptr);
  for (const char* z : {"1", "2"}) {
    QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, z);
    QApplication::sendEvent(editor, &druck);
  }
  Klick("SpeedButton_TabellenBereich_zu_Textdatei");
  EXPECT_EQ(ablage.text, "12" + std::string(18, ' ') + "x" + std::string(19, ' ') + "\r\n");
}

TEST_F(Tabelleneingabe, KlickInEineAndereZeileSetztDenFokusDorthin) {
  ASSERT_NE(Tippen(1, 1, "4"), nullptr);
  Zelle_verlassen(6, 3);
  EXPECT_EQ(Text(1, 1), "4");
  EXPECT_EQ(view->currentIndex(), m->index(6, 3));
  EXPECT_EQ(Zahlentabelle.Spalte(), 3);
  EXPECT_EQ(Zahlentabelle.Zeile(), 6);
}

// ---- reset of the start values ------------------------------------------------------------------

TEST_F(Tabelleneingabe, ZuruecksetzenGibtDenSpaltenIhreStartbreite) {
  // A chosen format widens the columns to 6 pixels per total digit, at least 63, and column 0 to
  // 35; the reset gives the table its start look again: 90 pixels, column 0 33.
  const auto breite = [](int gesamtstellen) { return std::max(63, 6 * gesamtstellen); };
  QComboBox* gesamt = form->Liste("ComboBox_Gesamtstellen");
  ASSERT_NE(gesamt, nullptr);
  gesamt->setCurrentIndex(20 - 8);
  emit gesamt->activated(gesamt->currentIndex());
  ASSERT_EQ(view->columnWidth(1), breite(20)) << "the change rule of the list ran";
  ASSERT_EQ(view->verticalHeader()->width(), 35);

  SkriptDialoge d;
  d.antworten_frage.push_back(true);
  Klick("SpeedButton_Standardwerte");
  ASSERT_EQ(d.fragen.size(), 1u);
  ASSERT_EQ(Zahlformat.Gesamtstellen, 9);
  for (int c = 1; c <= Letzte_Spalte; ++c) {
    EXPECT_EQ(view->columnWidth(c), 90) << "column " << c;
    EXPECT_EQ(Zahlentabelle.Spaltenbreite[static_cast<std::size_t>(c)], 90) << c;
  }
  EXPECT_EQ(view->verticalHeader()->width(), 33);
  EXPECT_EQ(Zahlentabelle.Spaltenbreite[0], 33);
  EXPECT_EQ(Zahlentabelle.Standard_Spaltenbreite, 90);
}
