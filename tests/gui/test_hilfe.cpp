// The operating instructions window: its frame, the memo's look and the manual's outline.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <cmath>

#include "hauptfenster.h"
#include "windows/Unit2_Help.h"

namespace {

struct Abschnitt {
  QString Ueberschrift;
  QStringList Zeilen;
};

QStringList Zeilen_von(const QPlainTextEdit* memo) {
  QStringList zeilen;
  for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
    zeilen << b.text();
  return zeilen;
}

// A heading is a line directly underlined by "=" or "-" of the same length.
std::vector<Abschnitt> Abschnitte(const QStringList& zeilen) {
  static const QRegularExpression unterstrich(QStringLiteral("^(=+|-+)$"));
  std::vector<Abschnitt> liste;
  for (int i = 0; i < zeilen.size(); ++i) {
    if (i + 1 < zeilen.size() && !zeilen[i].trimmed().isEmpty() &&
        unterstrich.match(zeilen[i + 1]).hasMatch() && zeilen[i + 1].size() == zeilen[i].size()) {
      liste.push_back({zeilen[i], {}});
      ++i;
    } else if (!liste.empty()) {
      liste.back().Zeilen << zeilen[i];
    }
  }
  return liste;
}

class HilfeFenster : public ::testing::Test {
 protected:
  void SetUp() override {
    Anwendung();
    form = std::make_unique<TForm2>();
    form->show();
    QApplication::processEvents();
    memo = form->findChild<QPlainTextEdit*>(QStringLiteral("Memo1_Bedienung"));
    ASSERT_NE(memo, nullptr);
    zeilen = Zeilen_von(memo);
  }
  std::unique_ptr<TForm2> form;
  QPlainTextEdit* memo = nullptr;
  QStringList zeilen;
};

TEST_F(HilfeFenster, FesterRahmenMittigMitTitel) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Bedienungshinweise"));
  EXPECT_TRUE((form->windowFlags() & Qt::Tool) == Qt::Tool);
  EXPECT_EQ(form->size(), QSize(694, 707));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  const QRect frei = form->screen()->availableGeometry();
  EXPECT_LE(std::abs(form->frameGeometry().center().x() - frei.center().x()), 1);
  EXPECT_LE(std::abs(form->frameGeometry().center().y() - frei.center().y()), 1);

  EXPECT_EQ(memo, form->Memo1_Bedienung);
  EXPECT_EQ(memo->geometry(), QRect(0, 0, 694, 689));
  EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0, 0, 128));
}

TEST_F(HilfeFenster, SchriftIstCourierNewOderMetrischerZwilling) {
  const QFontInfo info(memo->font());
  const QStringList zwillinge = {"Courier New", "Liberation Mono", "Cousine"};
  EXPECT_TRUE(zwillinge.contains(info.family())) << info.family().toStdString();
  EXPECT_TRUE(info.fixedPitch());
  EXPECT_EQ(info.pixelSize(), 12);
  // Courier New advances every glyph by 1229/2048 em; at 12 pixels that is 7.2 pixels.
  const QFontMetricsF fm(memo->font());
  EXPECT_NEAR(fm.horizontalAdvance(QStringLiteral("M")), 12.0 * 1229 / 2048, 0.05);
  EXPECT_DOUBLE_EQ(fm.horizontalAdvance(QStringLiteral("iiiii")),
                   fm.horizontalAdvance(QStringLiteral("WWWWW")));
}

TEST_F(HilfeFenster, TastendrueckeAendernDenTextNicht) {
  EXPECT_TRUE(memo->isReadOnly());
  const QString vorher = memo->toPlainText();
  for (int taste :
       {int(Qt::Key_X), int(Qt::Key_Delete), int(Qt::Key_Backspace), int(Qt::Key_Return)}) {
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, taste == Qt::Key_X ? "x" : "");
    QApplication::sendEvent(memo, &druck);
  }
  EXPECT_EQ(memo->toPlainText(), vorher);
}

TEST_F(HilfeFenster, BannerMitVersionszeileUndBildschirmwarnung) {
  ASSERT_GE(zeilen.size(), 10);
  int ende = 0;  // the banner is the block of framed lines at the very top
  while (ende < zeilen.size() && zeilen[ende].startsWith('*'))
    ++ende;
  ASSERT_GE(ende, 3);
  EXPECT_EQ(zeilen[0], QString(zeilen[0].size(), '*'));
  EXPECT_EQ(zeilen[ende - 1], QString(zeilen[0].size(), '*'));
  QStringList inhalt;
  for (int i = 0; i < ende; ++i) {
    EXPECT_EQ(zeilen[i].size(), zeilen[0].size()) << i;
    EXPECT_TRUE(zeilen[i].endsWith('*')) << i;
    const QString innen = zeilen[i].mid(1, zeilen[i].size() - 2).trimmed();
    if (!innen.isEmpty() && innen != QString(innen.size(), '*')) inhalt << innen;
  }
  EXPECT_EQ(inhalt, QStringList{QStringLiteral("Quadrix       Version  4.45 vom  21.02.2017")});
  EXPECT_TRUE(std::none_of(zeilen.begin(), zeilen.end(),
                           [](const QString& z) { return z.contains(QStringLiteral("Autor")); }));

  const auto abschnitte = Abschnitte(zeilen);
  ASSERT_FALSE(abschnitte.empty());
  const QString vorspann =
      zeilen.mid(ende, zeilen.indexOf(abschnitte.front().Ueberschrift) - ende).join(' ');
  EXPECT_TRUE(vorspann.contains(QStringLiteral("1280")) && vorspann.contains(QStringLiteral("760")))
      << vorspann.toStdString();
}

TEST_F(HilfeFenster, AbschnitteInDerReihenfolgeDerGliederung) {
  // Quoted headings must match exactly; the others are recognised by what they cover.
  struct Soll {
    QString Ueberschrift;
    QString Stichworte;  // separated by "|"
  };
  const std::vector<Soll> gliederung = {
      {"",
       "Arbeitsblätter|Analysis|Codierungsmatrizen|Gleichungssysteme|Geometrie|Abbildungen|"
       "Statistik|Regressionsmodelle|Spline|Bernoulliketten"},
      {"Das Programm besitzt u.a. folgende Vorzüge:",
       "keine Menüs|16 cm|Raster|Exponentenschreibweise|\"Zoom\"|\"Plot-Aktionen\"|Pfeil|"
       "links unten|\"Textmod\"|rechten Maustaste|Füllmuster|Bruch|int(x^(-2/3),x,0,1) = 3"},
      {"Folgende 2D-Funktionen sind eingebaut:", "pi|exp|[ ]|²|³|°|E-17|2x|w(2)"},
      {"Näheres zu den Features:",
       "f(x,t)|Schieberegler|Intervall|f '''|Umkehrrelation|F(u,x)|Krümmungsfunktion|x^(a/b)|"
       "Polardarstellung|sin(30°)|rekursiv|CobWeb|Häufungspunkte|Bifurkationsdiagramm|Newton|"
       "Gauß-Kronrod|Romberg|Rotationskörpern|Bogenlänge|schraffieren|Untersumme|Mittensumme|"
       "Tangente|Normale|Sekante|Steigungsdreieck|Krümmungskreis"},
      {"Die Tabelle (Stringgrid):",
       "Brüche|E-5|Spalten 1 und 2|\"Punktespalten\"|leeren|Umschalttaste|rechter Maustaste|"
       "Zwischenablage|Spaltensumme|Skalarprodukt|Vektorprodukt|Lehmer|Dezimalbruch|Vielecke|"
       "C=rref(A)|40 Unbekannten|C=A^n|C=A^(-1)|Dimension 21|ASCII|Einheitsmatrix|Nullmatrix|"
       "C=A^T|C=A*B|C=B*A|C=A^n*B|rang(A)|Zeile 1, Spalte 3|eine leere Spalte"},
      {"",
       "Boxplot|Ausreißer|Säulendiagramm|Häufigkeitspolygon|Kreisdiagramm|Histogramm|"
       "Rechteckflächen|Korrelationskoeffizient|Regressionsgeraden|Datenschwerpunkt|"
       "Fehlerquadrate|Interpolationspolynom|11 Knoten|Trassierung|knickfrei"},
      {"Extras:", "Dreieck|Streckung|Scherung|(2,2)-Matrix M|1000|w)|Brüche|Baumdiagramme|n = 4"},
  };
  const auto abschnitte = Abschnitte(zeilen);
  ASSERT_EQ(abschnitte.size(), gliederung.size());
  for (size_t i = 0; i < gliederung.size(); ++i) {
    if (!gliederung[i].Ueberschrift.isEmpty()) {
      EXPECT_EQ(abschnitte[i].Ueberschrift, gliederung[i].Ueberschrift) << i;
    }
    const QString text = abschnitte[i].Zeilen.join(' ');
    for (const QString& wort : gliederung[i].Stichworte.split('|'))
      EXPECT_TRUE(text.contains(wort)) << "Abschnitt " << i + 1 << ": " << wort.toStdString();
  }
}

TEST_F(HilfeFenster, FunktionslisteUndErlaeuterungen) {
  const auto abschnitte = Abschnitte(zeilen);
  ASSERT_GE(abschnitte.size(), 3u);
  const QStringList& teil = abschnitte[2].Zeilen;
  const QString text = teil.join(' ');
  for (const char* name : {"SQR",  "SQRT",  "LN",     "LG",     "LD",     "ABS",    "EXP",
                           "SGN",  "FLOOR", "GAUF",   "NORMAL", "RANDOM", "SIN",    "COS",
                           "TAN",  "COT",   "ARCSIN", "ARCCOS", "ARCTAN", "ARCCOT", "SINH",
                           "COSH", "TANH",  "COTH",   "ARSINH", "ARCOSH", "ARTANH", "ARCOTH"}) {
    const QRegularExpression wort(QStringLiteral("\\b%1\\b").arg(name));
    EXPECT_TRUE(wort.match(text).hasMatch()) << name;
  }
  for (const char* name :
       {"SQRT", "LD", "ABS", "SGN", "FLOOR", "NORMAL", "GAUF", "RANDOM", "ARTANH"}) {
    const QRegularExpression erklaert(QStringLiteral("\\b%1\\([a-z]\\)\\s*=").arg(name));
    EXPECT_TRUE(erklaert.match(text).hasMatch()) << name;
  }
}

TEST_F(HilfeFenster, UmfangUndZeilenbreite) {
  EXPECT_GE(zeilen.size(), 290);
  EXPECT_LE(zeilen.size(), 330);
  EXPECT_FALSE(zeilen.back().isEmpty());

  const QFontMetricsF fm(memo->font());
  const qreal platz = memo->viewport()->width() - 2 * memo->document()->documentMargin();
  for (int i = 0; i < zeilen.size(); ++i) {
    EXPECT_LE(fm.horizontalAdvance(zeilen[i]), platz) << "Zeile " << i + 1;
    EXPECT_FALSE(zeilen[i].contains('\t')) << "Zeile " << i + 1;
    EXPECT_FALSE(zeilen[i].endsWith(' ')) << "Zeile " << i + 1;
  }
  EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(memo->verticalScrollBar()->maximum(), 0);
}

TEST_F(HilfeFenster, UmlauteKommenUnversehrtAn) {
  const QString text = memo->toPlainText();
  for (const char* zeichen : {"ä", "ö", "ü", "ß", "Ä", "·", "²", "°"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(zeichen))) << zeichen;
  EXPECT_FALSE(text.contains(QChar(0xFFFD)));
  EXPECT_FALSE(text.contains(QString::fromUtf8("Ã")));
}

}  // namespace
