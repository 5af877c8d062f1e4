#include "windows/Unit2_Help.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <algorithm>

// The resource lives in a static library; without an explicit reference the linker would drop it.
// The macro must not stand inside a namespace.
static void Ressource_laden() {
  Q_INIT_RESOURCE(Bedienungshinweise);
}

namespace {

constexpr int Breite = 694;
constexpr int Hoehe = 707;
constexpr int Memo_Hoehe = 689;

}  // namespace

QString Bedienungshinweise_Text() {
  Ressource_laden();
  QFile datei(QStringLiteral(":/hilfe/Bedienungshinweise.txt"));
  if (!datei.open(QIODevice::ReadOnly)) return QStringLiteral("Bedienungshinweise fehlen.");
  QString text = QString::fromUtf8(datei.readAll());
  text.remove(QLatin1Char('\r'));
  // A final line break would show as an extra empty line at the end of the memo.
  while (text.endsWith(QLatin1Char('\n')))
    text.chop(1);
  return text;
}

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Bedienungshinweise"));
  setFixedSize(Breite, Hoehe);

  Memo1_Bedienung = new QPlainTextEdit(this);
  Memo1_Bedienung->setObjectName(QStringLiteral("Memo1_Bedienung"));
  Memo1_Bedienung->setGeometry(0, 0, Breite, Memo_Hoehe);
  Memo1_Bedienung->setReadOnly(true);
  Memo1_Bedienung->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1_Bedienung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1_Bedienung->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  QFont schrift(QStringLiteral("Courier New"));
  schrift.setStyleHint(QFont::TypeWriter);
  schrift.setPixelSize(12);
  Memo1_Bedienung->setFont(schrift);

  QPalette farben = Memo1_Bedienung->palette();
  farben.setColor(QPalette::Text, QColor(0, 0, 128));
  Memo1_Bedienung->setPalette(farben);

  Memo1_Bedienung->setPlainText(Bedienungshinweise_Text());
  Memo1_Bedienung->setAccessibleName(QStringLiteral("Bedienungshinweise"));

  // A low screen gets a lower window; the memo scrolls anyway.
  QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
  if (const int frei = bildschirm ? bildschirm->availableGeometry().height() - 40 : Hoehe;
      frei < Hoehe) {
    const int h = std::max(frei, 200);
    setFixedSize(Breite, h);
    Memo1_Bedienung->setFixedHeight(h - (Hoehe - Memo_Hoehe));
  }

  Zentrieren();
}

void TForm2::Zentrieren() {
  QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!bildschirm) return;
  const QRect frei = bildschirm->availableGeometry();
  const QSize rahmen = frameGeometry().size();
  // move() places the outer frame, so centring the frame centres the whole window.
  move(frei.x() + (frei.width() - rahmen.width()) / 2,
       frei.y() + (frei.height() - rahmen.height()) / 2);
}

void TForm2::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  if (zentriert_) return;
  zentriert_ = true;
  Zentrieren();
}
