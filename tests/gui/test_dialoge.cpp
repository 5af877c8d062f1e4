// The Qt dialogs: line breaks and captions of message, question and input boxes, Escape as a
// cancel request only while a computation runs, and the font chooser with the text colour.

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "kos/UGrafik.h"
#include "platform/URechenlauf.h"
#include "test_plot_fenster.h"
#include "windows/QtDialoge.h"

namespace {

// Acts on the modal dialog of kind D once it is open; the caller's exec() opens it after the
// call. Should it not appear within a few seconds, every open dialog is closed, so a failing
// test does not hang.
template <class D>
void Beim_Oeffnen(std::function<void(D*)> handeln, int versuche = 500) {
  QTimer::singleShot(10, [handeln, versuche] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
      handeln(d);
    } else if (versuche > 0) {
      Beim_Oeffnen<D>(handeln, versuche - 1);
    } else {
      ADD_FAILURE() << "kein Dialog der erwarteten Art offen";
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* offen = qobject_cast<QDialog*>(w); offen && offen->isVisible()) offen->reject();
      }
    }
  });
}

void Escape_druecken() {
  QWidget ziel;
  QKeyEvent taste(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&ziel, &taste);
}

class QtDialog_Test : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Anwendung(); }
  void SetUp() override { Dialog_setzen(&dialoge); }
  void TearDown() override { Dialog_setzen(nullptr); }
  QtDialoge dialoge;
};

TEST(Zeilenumbrueche, WieDasSystemSieSchreibtWerdenZuZeilen) {
  const struct {
    const char* text;
    const char* gezeigt;
  } faelle[] = {
      {"a\r\nb", "a\nb"},
      {"a\n\rb", "a\nb"},
      {"a\rb", "a\nb"},
      {"a\nb", "a\nb"},
      {"a\r\rb", "a\n\nb"},
      {"a\r\n\r\nb", "a\n\nb"},
      {"a\n\nb", "a\n\nb"},
      {"a\r\n\nb", "a\n\nb"},
      {"\rEnde\r\n", "\nEnde\n"},
      {"ohne Umbruch", "ohne Umbruch"},
      {"", ""},
      {"Berechnung der Bogenlänge\r\rAbbruch mit <ESC> möglich !",
       "Berechnung der Bogenlänge\n\nAbbruch mit <ESC> möglich !"},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(Zeilen_vereinheitlichen(f.text), f.gezeigt) << f.text;
}

TEST_F(QtDialog_Test, MeldungMitProgrammnamenUndZeilen) {
  QString titel, text;
  Beim_Oeffnen<QMessageBox>([&](QMessageBox* box) {
    titel = box->windowTitle();
    text = box->text();
    box->accept();
  });
  dialoge.Meldung("Berechnung der Bogenlänge\r\rAbbruch mit <ESC> möglich !");
  EXPECT_EQ(titel, QStringLiteral("Quadrix"));
  EXPECT_EQ(text, QStringLiteral("Berechnung der Bogenlänge\n\nAbbruch mit <ESC> möglich !"));
}

TEST_F(QtDialog_Test, FrageOhneTitelMitZeilenUndAntwort) {
  for (const bool ja : {true, false}) {
    QString titel = QStringLiteral("?"), text;
    Beim_Oeffnen<QMessageBox>([&](QMessageBox* box) {
      titel = box->windowTitle();
      text = box->text();
      box->button(ja ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    EXPECT_EQ(dialoge.Frage("Wirklich beenden ?\r\nJa oder Nein"), ja);
    EXPECT_EQ(titel, QString());
    EXPECT_EQ(text, QStringLiteral("Wirklich beenden ?\nJa oder Nein"));
  }
}

TEST_F(QtDialog_Test, EingabeMitTitelDesAufrufersUndZeilen) {
  QString titel, prompt;
  Beim_Oeffnen<QInputDialog>([&](QInputDialog* d) {
    titel = d->windowTitle();
    prompt = d->labelText();
    d->setTextValue(QStringLiteral("7"));
    d->accept();
  });
  std::string text = "3";
  EXPECT_TRUE(dialoge.Eingabe("Matrix", "Zeilen\rund Spalten", text));
  EXPECT_EQ(text, "7");
  EXPECT_EQ(titel, QStringLiteral("Matrix"));
  EXPECT_EQ(prompt, QStringLiteral("Zeilen\nund Spalten"));
}

TEST_F(QtDialog_Test, EscapeZaehltBisZumZuruecksetzen) {
  EXPECT_FALSE(dialoge.Abbruch_angefordert());
  Escape_druecken();
  EXPECT_TRUE(dialoge.Abbruch_angefordert());
  EXPECT_TRUE(dialoge.Abbruch_angefordert());
  dialoge.Abbruch_zuruecksetzen();
  EXPECT_FALSE(dialoge.Abbruch_angefordert());
}

// A click that arrives while a computation asks for Escape must not start another action.
TEST_F(QtDialog_Test, KlicksWaehrendDerRechnungErreichenKeinenKnopf) {
  QPushButton knopf;
  knopf.resize(80, 30);
  knopf.show();
  int klicks = 0;
  QObject::connect(&knopf, &QPushButton::clicked, [&] { ++klicks; });
  for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
    QCoreApplication::postEvent(
        &knopf, new QMouseEvent(art, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
  EXPECT_FALSE(dialoge.Abbruch_angefordert());
  EXPECT_EQ(klicks, 0);
  // outside a computation the same click works
  for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
    QCoreApplication::postEvent(
        &knopf, new QMouseEvent(art, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier));
  QCoreApplication::processEvents();
  EXPECT_EQ(klicks, 1);
  QCoreApplication::postEvent(&knopf,
                              new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_TRUE(dialoge.Abbruch_angefordert());
}

TEST_F(QtDialog_Test, EscapeVorDerRechnungZaehltNichtEscapeWaehrendDessen) {
  Escape_druecken();  // closed a message box, say
  TRechenlauf lauf("Rechnung ...");
  EXPECT_FALSE(lauf.Abgebrochen());
  Escape_druecken();
  EXPECT_TRUE(lauf.Abgebrochen());
}

TEST_F(QtDialog_Test, AbgebrochenesFortschrittsfensterGiltNachNeinNichtMehr) {
  TRechenlauf::Uhr_setzen([] {
    static TRechenlauf::TZeitpunkt t;
    return t += std::chrono::seconds(1);
  });
  {
    TRechenlauf lauf("Bogenlänge wird berechnet ...");
    lauf.Melden(10);
    QProgressDialog* fenster = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* p = qobject_cast<QProgressDialog*>(w)) fenster = p;
    }
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->labelText(), QStringLiteral("Bogenlänge wird berechnet ..."));
    fenster->cancel();
    Beim_Oeffnen<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(lauf.Abbruch_bestaetigt("Wirklich abbrechen?"));
    EXPECT_FALSE(lauf.Abgebrochen());
    lauf.Melden(20);  // the progress goes on in a window of its own
  }
  TRechenlauf::Uhr_setzen(nullptr);
}

// ---- font chooser with text colour -----------------------------------------------------------

TSchrift Startschrift() {
  TSchrift s;
  s.Name = "Liberation Serif";
  s.Groesse = 14;
  s.fett = true;
  s.Farbe = 0xFF0000;  // blue
  return s;
}

TEST_F(QtDialog_Test, SchriftdialogZeigtUndLiefertDieFarbe) {
  Schriftdialog d(Startschrift());
  ASSERT_NE(d.Vorschau(), nullptr);
  EXPECT_EQ(d.Vorschau()->palette().color(QPalette::Text), QColor(0, 0, 255));
  const TSchrift vorher = d.Schrift();
  EXPECT_EQ(vorher.Name, "Liberation Serif");
  EXPECT_EQ(vorher.Groesse, 14);
  EXPECT_TRUE(vorher.fett);
  EXPECT_FALSE(vorher.kursiv);
  EXPECT_EQ(vorher.Farbe, 0xFF0000u);
  d.Farbe_setzen(0x00A000);
  EXPECT_EQ(d.Schrift().Farbe, 0x00A000u);
  EXPECT_EQ(d.Vorschau()->palette().color(QPalette::Text), QColor(0, 0xA0, 0));
}

TEST_F(QtDialog_Test, FarbeUeberDenFarbknopfWaehlenUndBestaetigen) {
  Beim_Oeffnen<Schriftdialog>([](Schriftdialog* d) {
    Beim_Oeffnen<QColorDialog>([](QColorDialog* c) {
      c->setCurrentColor(QColor(0x12, 0x80, 0x30));
      c->accept();
    });
    d->Farbknopf()->click();
    d->accept();
  });
  TSchrift s = Startschrift();
  ASSERT_TRUE(dialoge.Schrift_waehlen(s));
  EXPECT_EQ(s.Farbe, 0x308012u);
  EXPECT_EQ(s.Name, "Liberation Serif");
  EXPECT_EQ(s.Groesse, 14);
}

TEST_F(QtDialog_Test, AbgebrochenerSchriftdialogAendertNichts) {
  Beim_Oeffnen<Schriftdialog>([](Schriftdialog* d) {
    d->Farbe_setzen(0x00FF00);
    d->reject();
  });
  TSchrift s = Startschrift();
  EXPECT_FALSE(dialoge.Schrift_waehlen(s));
  EXPECT_EQ(s.Farbe, 0xFF0000u);
}

// Qt's own dialogs speak German whatever the system language: the buttons of the save and
// open dialogs.
TEST_F(QtDialog_Test, DateidialogeSprechenDeutsch) {
  struct Fall {
    bool speichern;
    QString annehmen, abbrechen;
  } const faelle[] = {
      {true, QStringLiteral("Speichern"), QStringLiteral("Abbrechen")},
      {false, QStringLiteral("Öffnen"), QStringLiteral("Abbrechen")},
  };
  for (const Fall& f : faelle) {
    QString annehmen, abbrechen;
    Beim_Oeffnen<QFileDialog>([&](QFileDialog* d) {
      if (auto* knoepfe = d->findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* k : knoepfe->buttons()) {
          const auto rolle = knoepfe->buttonRole(k);
          // Without the shortcut mark, which the translation places where it likes.
          if (rolle == QDialogButtonBox::AcceptRole) annehmen = k->text().remove(u'&');
          if (rolle == QDialogButtonBox::RejectRole) abbrechen = k->text().remove(u'&');
        }
      }
      d->reject();
    });
    std::string pfad;
    if (f.speichern)
      dialoge.Speicherpfad_waehlen("Grafik speichern", "PNG-Dateien (*.png)", "png", pfad);
    else
      dialoge.Oeffnungspfad_waehlen("Arbeitsblatt öffnen", "Arbeitsblätter (*.qdx)", pfad);
    EXPECT_EQ(annehmen, f.annehmen) << f.speichern;
    EXPECT_EQ(abbrechen, f.abbrechen) << f.speichern;
  }
}

// ---- the main window places text in the chosen colour ----------------------------------------

class Textfarbe_Fenster : public Plotfenster {};

TEST_F(Textfarbe_Fenster, GesetzterTextTraegtDieGewaehlteFarbe) {
  for (const TFarbe farbe : {TFarbe{0x00A000}, TFarbe{0x7F1FAF}}) {
    SkriptDialoge d;
    TSchrift s = Startschrift();
    s.Farbe = farbe;
    d.antworten_schrift.push_back(s);
    form->SpeedButton_FontAuswahlClick();
    Bild_leeren(Bild(), kWeiss);
    form->Text_platzieren(200, 300);
    // "P(6/4)" in 14 pt lies well inside this box right of and below the click.
    int getroffen = 0, daneben = 0;
    for (int y = 280; y < 360; ++y) {
      for (int x = 180; x < 360; ++x) {
        if (P(x, y) == kWeiss) continue;
        ++(P(x, y) == farbe ? getroffen : daneben);
      }
    }
    EXPECT_GT(getroffen, 40) << std::hex << farbe;
    EXPECT_EQ(daneben, 0) << std::hex << farbe;
  }
}

}  // namespace
