// The main window for keyboard and screen-reader users, and on screens smaller than itself: every
// control's spoken name, the tab order through the groups, Enter in a term field, the table by
// keyboard and through its accessible cells, and every control in reach on a 1024 × 600 screen.

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <string>
#include <vector>

#include "table/UStringGrid.h"
#include "test_plot_fenster.h"
#include "windows/Fensterbasis.h"
#include "windows/Unit4_2D_Abb.h"
#include "windows/Unit5_Baumdiag.h"

namespace {

using Barrierefreiheit = Plotfenster;

void Taste(QWidget* w, int taste, Qt::KeyboardModifiers umschalt = Qt::NoModifier,
           const QString& text = {}) {
  QKeyEvent druck(QEvent::KeyPress, taste, umschalt, text);
  QApplication::sendEvent(w, &druck);
}

// A spoken name says something: it has a word of at least four letters.
bool Spricht(const QString& name) {
  int lauf = 0;
  for (const QChar c : name) {
    lauf = c.isLetter() ? lauf + 1 : 0;
    if (lauf >= 4) return true;
  }
  return false;
}

std::vector<TFensterbasis*> Fenster(TForm1* f) {
  return {f, f->Form4, f->Form5};
}

// Buttons, switches, fields, lists, colour panels, the table and the slider of all three windows.
bool Ist_Bedienelement(const QWidget* w) {
  return w->focusPolicy() != Qt::NoFocus && !w->objectName().isEmpty() &&
         !w->objectName().startsWith(QLatin1String("qt_"));
}

}  // namespace

TEST_F(Barrierefreiheit, NamenSagenWasDerKnopfTut) {
  const struct {
    const char* element;
    const char* name;
  } faelle[] = {
      {"SpeedButton_Plot", "Plot"},
      {"CheckBox_loeschen", "löschen"},
      {"SpeedButton_Zoom_in", "Grafik vergrößern"},
      {"SpeedButton_Links_schieben", "Grafik links schauen"},
      {"SpeedButton_Ursprung_Mitte", "Ursprung in der Mitte"},
      {"SpeedButton_Standardwerte", "KOS auf Standardwerte zurücksetzen"},
      {"SpeedButton_Schnitt_f_g", "Nullstellen"},
      {"SpeedButton_U_O_Tr_Summe", "Untersumme-Obersumme-Trapezsumme zeichnen"},
      {"SpeedButton_Trassierung",
       "knickfreie Trassierungsfunktion für 4 Punkte aus Spalten 1 und 2 in ht(x) speichern"},
      {"SpeedButton_Bruchdarstellung", "Alle Zahlen als Bruch darstellen"},
      {"CheckBox_Fehlerquadrate", "Fehlerquadrate zeichnen"},
      {"CheckBox_Fixkomma", "Festkommadarstellung"},
      {"CheckBox_DatenPkte_verbinden", "Punkte verbinden"},
      {"CheckBox_xAchse", "x-Achse"},
      {"Edit_fSchar", "Funktionsterm f(x)"},
      {"Edit_xa", "linker Rand"},
      {"ComboBox_Nachkommastellen", "Nachkommastellen der Zahlenausgabe"},
      {"Panel_Farbe_Raster", "Rasterfarbe"},
      {"StringGrid1", "Tabelle"},
  };
  for (const auto& f : faelle) {
    QWidget* w = form->Element(f.element);
    ASSERT_NE(w, nullptr) << f.element;
    EXPECT_EQ(w->accessibleName().toStdString(), f.name) << f.element;
  }
  EXPECT_EQ(form->Element("SpeedButton_Plot")->accessibleDescription().toStdString(),
            "Grafik zeichnen");
}

TEST_F(Barrierefreiheit, JedesBedienelementHatNamenUndBeschreibung) {
  int gezaehlt = 0;
  for (TFensterbasis* f : Fenster(form)) {
    for (QWidget* w : f->findChildren<QWidget*>()) {
      if (!Ist_Bedienelement(w) || w == f->Rollbereich()) continue;
      ++gezaehlt;
      // What the screen reader gets, with Qt's own fallbacks (an option's text).
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(a, nullptr) << w->objectName().toStdString();
      // Qt on Linux names a list by its current item and leaves its label to a relation; the
      // name set here is what other platforms read.
      const QString name =
          qobject_cast<QComboBox*>(w) ? w->accessibleName() : a->text(QAccessible::Name);
      EXPECT_TRUE(Spricht(name)) << w->objectName().toStdString() << ": " << name.toStdString();
      EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << w->objectName().toStdString();
    }
  }
  EXPECT_GT(gezaehlt, 180);
}

// Tab visits the groups as they are read: left to right, then the next row of groups.
TEST_F(Barrierefreiheit, TabFolgtDenGruppenInLeserichtung) {
  const std::vector<std::string> gruppen = {
      "GroupBox_Zoom",
      "GroupBox_Bildrahmen",
      "GroupBox_Raster",
      "GroupBox_Achsen",
      "GroupBox_Punkte",
      "GroupBox_Bereiche",
      "GroupBox_Kurven",
      "GroupBox_GrafenWahl",
      "GroupBox_Parameterkurven",
      "GroupBox_Polarkoordinaten",
      "GroupBox_Tools",
      "GroupBox_1dim_Statistik",
      "GroupBox_Regression",
      "GroupBoxInterpolation",
      "GroupBox_Matrix",
      "GroupBox_Tabelle",
      "GroupBox2",
      "GroupBox_Display",
      "GroupBox_Text_in_Grafik",
  };
  QWidget* erstes = form->Element("SpeedButton_Plot");
  std::vector<std::string> besucht;
  QWidget* w = erstes;
  for (int i = 0; i < 400; ++i) {
    if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && form->isAncestorOf(w)) {
      QWidget* g = w;
      while (g->parentWidget() != form->Inhalt())
        g = g->parentWidget();
      const std::string name = g->objectName().toStdString();
      if (besucht.empty() || besucht.back() != name) besucht.push_back(name);
    }
    w = w->nextInFocusChain();
    if (w == erstes) break;
  }
  EXPECT_EQ(besucht, gruppen);
}

// In the mapping window Tab starts with the mapping options at the top left and ends with the
// buttons at the bottom.
TEST_F(Barrierefreiheit, AbbildungsfensterBeginntMitDenAbbildungen) {
  TFensterbasis* f4 = form->Form4;
  QWidget* erstes = f4->focusWidget();
  ASSERT_NE(erstes, nullptr);
  std::vector<std::string> folge;
  QWidget* w = erstes;
  for (int i = 0; i < 200; ++i) {
    if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty())
      folge.push_back(w->objectName().toStdString());
    w = w->nextInFocusChain();
    if (w == erstes) break;
  }
  ASSERT_GT(folge.size(), 3u);
  EXPECT_EQ(folge[0], "RadioGroup_Abbildung_0");
  EXPECT_EQ(folge[1], "RadioGroup_Abbildung_1");
  EXPECT_EQ(folge[6], "Edit_SpiegT_x");
  EXPECT_EQ(folge.back(), "BitBtn_abbrechen");
}

// Enter in the f field checks the term and plots it; a faulty term is reported and not drawn.
TEST_F(Barrierefreiheit, EnterImTermfeldZeichnet) {
  Kurve_an("CheckBox_Schar_f_zeichnen", kGruen);
  QLineEdit* f = form->Feld("Edit_fSchar");
  f->setText(QStringLiteral("x²-4"));
  // x = 1,25 lies in pixel column 370; f(1,25) = -2,4375 in pixel row 417,5.
  auto gruen_bei_x_1_25 = [] {
    for (int y = 414; y <= 421; ++y)
      if (P(370, y) == kGruen) return true;
    return false;
  };
  EXPECT_FALSE(gruen_bei_x_1_25());
  Taste(f, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_TRUE(gruen_bei_x_1_25());
  EXPECT_EQ(f->text(), QStringLiteral("x²-4"));

  SkriptDialoge d;
  f->setText(QStringLiteral("x²-"));
  const QImage vorher = Kopie();
  Taste(f, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_EQ(d.meldungen.size(), 1u);
  EXPECT_TRUE(Kopie() == vorher);
  EXPECT_EQ(form->fokus_zurueck_, "Edit_fSchar");
}

// The table: arrow keys move its current cell, its cells are read as a screen reader reads
// them, and Ctrl+Tab leaves it for the next control.
TEST_F(Barrierefreiheit, TabelleMitTastaturUndVorleser) {
  auto* tabelle = qobject_cast<QAbstractItemView*>(form->StringGrid1);
  ASSERT_NE(tabelle, nullptr);
  EXPECT_NE(tabelle->focusPolicy() & Qt::TabFocus, 0);
  Tabelle_leeren(Zahlentabelle);
  Zahlentabelle.Zelle_setzen(4, 1, "Lösungen:");
  Zahlentabelle.Zelle_setzen(4, 2, "-2");
  Zahlentabelle.Gehe_zu(1, 1);
  Taste(tabelle, Qt::Key_Down);
  Taste(tabelle, Qt::Key_Right);
  EXPECT_EQ(Zahlentabelle.Zeile(), 2);
  EXPECT_EQ(Zahlentabelle.Spalte(), 2);

  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(tabelle);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(a->tableInterface(), nullptr);
  EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Tabelle"));
  const struct {
    int zeile, spalte;
    const char* text;
  } zellen[] = {{1, 4, "Lösungen:"}, {2, 4, "-2"}, {2, 3, ""}};
  for (const auto& z : zellen) {
    QAccessibleInterface* zelle = a->tableInterface()->cellAt(z.zeile, z.spalte);
    ASSERT_NE(zelle, nullptr) << z.zeile << "/" << z.spalte;
    EXPECT_EQ(zelle->text(QAccessible::Name).toStdString(), z.text) << z.zeile << "/" << z.spalte;
  }

  form->show();
  QApplication::setActiveWindow(form);
  tabelle->setFocus();
  ASSERT_TRUE(tabelle->hasFocus());
  Taste(tabelle, Qt::Key_Tab, Qt::ControlModifier);
  QWidget* danach = QApplication::focusWidget();
  ASSERT_NE(danach, nullptr);
  EXPECT_NE(danach, tabelle);
  EXPECT_FALSE(tabelle->isAncestorOf(danach));
  form->hide();
}

// On a 1024 × 600 screen the window fits the screen, and scrolling brings every control, the
// table's last row and the rightmost button into view. On a large screen nothing changes.
TEST_F(Barrierefreiheit, KleinerBildschirmErreichtJedesElement) {
  form->show();
  form->Bildschirm_anpassen(QSize(1024, 600));
  Anwendung().processEvents();
  EXPECT_LE(form->width(), 1024 - 16);
  EXPECT_LE(form->height(), 600 - 40);
  QScrollArea* rolle = form->Rollbereich();
  const QRect sicht = rolle->viewport()->rect();
  int geprueft = 0;
  int rechter_Rand = 0;
  for (QWidget* w : form->Inhalt()->findChildren<QWidget*>()) {
    if (!Ist_Bedienelement(w) || !w->isVisibleTo(form)) continue;
    if (w->width() > sicht.width() || w->height() > sicht.height()) continue;
    if (w == form->StringGrid1) continue;  // below, with its last row
    if (qobject_cast<QToolButton*>(w))
      rechter_Rand = std::max(rechter_Rand, w->mapTo(form->Inhalt(), QPoint(w->width(), 0)).x());
    // The whole control (ensureWidgetVisible would bring only the table's current cell).
    const QRect r(w->mapTo(form->Inhalt(), QPoint(0, 0)), w->size());
    rolle->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1, r.height() / 2 + 1);
    // The part its groups show.
    QRect lage(w->mapTo(rolle->viewport(), QPoint(0, 0)), w->size());
    for (QWidget* e = w->parentWidget(); e != form->Inhalt(); e = e->parentWidget())
      lage &= QRect(e->mapTo(rolle->viewport(), QPoint(0, 0)), e->size());
    EXPECT_TRUE(sicht.contains(lage))
        << w->objectName().toStdString() << " " << lage.x() << "," << lage.y() << " "
        << lage.width() << "x" << lage.height() << " in " << sicht.width() << "x" << sicht.height();
    ++geprueft;
  }
  EXPECT_GT(geprueft, 150);
  // The matrix OK button and the parameter table button end 6 pixels before the right edge.
  EXPECT_EQ(rechter_Rand, 1308);

  auto* tabelle = qobject_cast<QAbstractItemView*>(form->StringGrid1);
  const QRect t(tabelle->mapTo(form->Inhalt(), QPoint(0, 0)), tabelle->size());
  rolle->ensureVisible(t.center().x(), t.center().y(), t.width() / 2 + 1, t.height() / 2 + 1);
  const QModelIndex letzte = tabelle->model()->index(Letzte_Zeile, 1);
  tabelle->scrollTo(letzte);
  const QRect zelle = tabelle->visualRect(letzte);
  EXPECT_TRUE(tabelle->viewport()->rect().contains(zelle));
  const QRect in_sicht(tabelle->viewport()->mapTo(rolle->viewport(), zelle.topLeft()),
                       zelle.size());
  EXPECT_TRUE(sicht.contains(in_sicht));
  tabelle->scrollTo(tabelle->model()->index(1, 1));

  form->Bildschirm_anpassen(QSize(1920, 1200));
  Anwendung().processEvents();
  EXPECT_EQ(form->size(), QSize(1314, 712));
  rolle->ensureWidgetVisible(form->Image1, 0, 0);
  EXPECT_EQ(form->Image1->mapTo(form, QPoint(0, 0)), QPoint(0, 0));
  EXPECT_FALSE(rolle->horizontalScrollBar()->isVisibleTo(form));
  EXPECT_FALSE(rolle->verticalScrollBar()->isVisibleTo(form));
  form->hide();
}
