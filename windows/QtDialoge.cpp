#include "windows/QtDialoge.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "kos/UGrafik.h"

namespace {

const QString kTitel = QStringLiteral("Quadrix");

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Closes itself on the first key the user presses.
class Tastendialog final : public QDialog {
 public:
  Tastendialog() {
    setWindowTitle(kTitel);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Weiter mit beliebiger Taste ..."), this));
  }

 protected:
  void keyPressEvent(QKeyEvent*) override { accept(); }
};

}  // namespace

QtDialoge::QtDialoge() {
  if (qApp) qApp->installEventFilter(this);
}

QtDialoge::~QtDialoge() {
  if (qApp) qApp->removeEventFilter(this);
}

bool QtDialoge::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Escape)
    escape_gedrueckt_ = true;
  return QObject::eventFilter(obj, ev);
}

void QtDialoge::Meldung(const std::string& text) {
  QMessageBox box(QMessageBox::Information, kTitel, Q(text), QMessageBox::Ok);
  box.exec();
}

bool QtDialoge::Frage(const std::string& text) {
  QMessageBox box(QMessageBox::Question, kTitel, Q(text), QMessageBox::Yes | QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  return box.exec() == QMessageBox::Yes;
}

bool QtDialoge::Eingabe(const std::string& titel, const std::string& prompt, std::string& text) {
  bool ok = false;
  QString r = QInputDialog::getText(QApplication::activeWindow(), Q(titel), Q(prompt),
                                    QLineEdit::Normal, Q(text), &ok);
  if (ok) text = r.toStdString();
  return ok;
}

bool QtDialoge::Farbe_waehlen(TFarbe& farbe) {
  QColor c = QColorDialog::getColor(Farbe_zu_QColor(farbe), QApplication::activeWindow(),
                                    QStringLiteral("Farbe"));
  if (!c.isValid()) return false;
  farbe = QColor_zu_Farbe(c);
  return true;
}

bool QtDialoge::Schrift_waehlen(TSchrift& schrift) {
  QFont start(Q(schrift.Name), schrift.Groesse);
  start.setBold(schrift.fett);
  start.setItalic(schrift.kursiv);
  start.setUnderline(schrift.unterstrichen);
  start.setStrikeOut(schrift.durchgestrichen);
  bool ok = false;
  QFont f =
      QFontDialog::getFont(&ok, start, QApplication::activeWindow(), QStringLiteral("Schriftart"));
  if (!ok) return false;
  schrift.Name = f.family().toStdString();
  schrift.Groesse = f.pointSize() > 0 ? f.pointSize() : schrift.Groesse;
  schrift.fett = f.bold();
  schrift.kursiv = f.italic();
  schrift.unterstrichen = f.underline();
  schrift.durchgestrichen = f.strikeOut();
  return true;
}

bool QtDialoge::Speicherpfad_waehlen(const std::string& titel, const std::string& filter,
                                     const std::string& endung, std::string& pfad) {
  QFileDialog dlg(QApplication::activeWindow(), Q(titel), Q(pfad), Q(filter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setDefaultSuffix(Q(endung));
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);  // the caller asks in German
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
  pfad = dlg.selectedFiles().front().toStdString();
  return true;
}

void QtDialoge::Taste_abwarten() {
  Tastendialog d;
  d.exec();
}

bool QtDialoge::Abbruch_angefordert() {
  QCoreApplication::processEvents();
  return escape_gedrueckt_ || (fortschritt_ && fortschritt_->wasCanceled());
}

void QtDialoge::Fortschritt(const std::string& text, int prozent) {
  if (prozent < 0) {
    if (fortschritt_) fortschritt_->deleteLater();
    fortschritt_ = nullptr;
    return;
  }
  if (!fortschritt_) {
    escape_gedrueckt_ = false;
    fortschritt_ = new QProgressDialog(Q(text), QStringLiteral("Abbrechen (Esc)"), 0, 100,
                                       QApplication::activeWindow());
    fortschritt_->setWindowTitle(kTitel);
    fortschritt_->setWindowModality(Qt::WindowModal);
    fortschritt_->setMinimumDuration(500);  // only work that takes a while shows a window
    fortschritt_->setAutoClose(false);
    fortschritt_->setAutoReset(false);
  }
  fortschritt_->setLabelText(Q(text));
  fortschritt_->setValue(prozent);
}

void QtDialoge::Piep() {
  QApplication::beep();
}

void QtAblage::Text_setzen(const std::string& text) {
  QGuiApplication::clipboard()->setText(Q(text));
}

void QtAblage::Bild_setzen(const QImage& bild) {
  QGuiApplication::clipboard()->setImage(bild);
}
