#include "windows/QtDialoge.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QVBoxLayout>

#include "kos/UGrafik.h"

namespace {

const QString kTitel = QStringLiteral("Quadrix");

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Text for a dialog, with its line breaks as Qt shows them.
QString Zeilen(const std::string& s) {
  return Q(Zeilen_vereinheitlichen(s));
}

QFont Qt_Font(const TSchrift& s) {
  QFont f(Q(s.Name), s.Groesse);
  f.setBold(s.fett);
  f.setItalic(s.kursiv);
  f.setUnderline(s.unterstrichen);
  f.setStrikeOut(s.durchgestrichen);
  return f;
}

// The font dialog's own sample line: the only line edit it keeps in a group box.
QLineEdit* Mustertext(QFontDialog* auswahl) {
  for (QLineEdit* e : auswahl->findChildren<QLineEdit*>()) {
    if (qobject_cast<QGroupBox*>(e->parentWidget())) return e;
  }
  return nullptr;
}

// Closes itself on the first key the user presses; Escape also asks the running work to stop.
class Tastendialog final : public QDialog {
 public:
  Tastendialog() {
    setWindowTitle(kTitel);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Taste drücken"), this));
  }
  bool escape = false;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    escape = e->key() == Qt::Key_Escape;
    accept();
  }
};

}  // namespace

bool Qt_Uebersetzung_laden() {
  static QTranslator* uebersetzung = nullptr;
  if (uebersetzung) return true;
  auto* t = new QTranslator(QCoreApplication::instance());
  if (!t->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  uebersetzung = t;
  return true;
}

std::string Zeilen_vereinheitlichen(const std::string& text) {
  std::string r;
  r.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      r += c;
      continue;
    }
    r += '\n';
    const char partner = c == '\r' ? '\n' : '\r';
    if (i + 1 < text.size() && text[i + 1] == partner) ++i;
  }
  return r;
}

namespace {

// With Qt's German texts the chooser looks for the start style under its German name ("Fett"),
// which is none of the font's own style names, and falls back to another style (italic). The
// font's own style name avoids that.
QFont Mit_Stilname(const QFont& f) {
  QFont r = f;
  const QString familie = f.family();
  for (const QString& stil : QFontDatabase::styles(familie)) {
    if (QFontDatabase::bold(familie, stil) == f.bold() &&
        QFontDatabase::italic(familie, stil) == f.italic()) {
      r.setStyleName(stil);
      break;
    }
  }
  return r;
}

}  // namespace

Schriftdialog::Schriftdialog(const TSchrift& start, QWidget* eltern)
    : QDialog(eltern), start_(start), farbe_(start.Farbe) {
  setWindowTitle(QStringLiteral("Schriftart"));
  auto* l = new QVBoxLayout(this);
  l->addWidget(Auswahl_anlegen());
  l->addLayout(Knopfzeile_anlegen());
  Farbe_setzen(farbe_);
}

QFontDialog* Schriftdialog::Auswahl_anlegen() {
  auswahl_ = new QFontDialog(this);
  auswahl_->setWindowFlags(Qt::Widget);
  auswahl_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  auswahl_->setCurrentFont(Mit_Stilname(Qt_Font(start_)));
  // Escape inside the embedded chooser would otherwise hide only the chooser.
  connect(auswahl_, &QDialog::accepted, this, &QDialog::accept);
  connect(auswahl_, &QDialog::rejected, this, &QDialog::reject);
  vorschau_ = Mustertext(auswahl_);
  return auswahl_;
}

QLayout* Schriftdialog::Knopfzeile_anlegen() {
  farbknopf_ = new QPushButton(QStringLiteral("&Farbe ..."), this);
  farbknopf_->setObjectName(QStringLiteral("Farbknopf"));
  farbknopf_->setAutoDefault(false);
  connect(farbknopf_, &QPushButton::clicked, this, &Schriftdialog::Farbe_waehlen);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(farbknopf_);
  zeile->addStretch();
  zeile->addWidget(knoepfe);
  return zeile;
}

TSchrift Schriftdialog::Schrift() const {
  TSchrift s = start_;
  const QFont f = auswahl_->currentFont();
  s.Name = f.family().toStdString();
  if (f.pointSize() > 0) s.Groesse = f.pointSize();
  s.fett = f.bold();
  s.kursiv = f.italic();
  s.unterstrichen = f.underline();
  s.durchgestrichen = f.strikeOut();
  s.Farbe = farbe_;
  return s;
}

void Schriftdialog::Farbe_setzen(TFarbe farbe) {
  farbe_ = farbe;
  const QColor c = Farbe_zu_QColor(farbe);
  QPixmap feld(16, 16);
  feld.fill(c);
  farbknopf_->setIcon(QIcon(feld));
  if (vorschau_) {
    QPalette p = vorschau_->palette();
    p.setColor(QPalette::Text, c);
    vorschau_->setPalette(p);
  }
}

void Schriftdialog::Farbe_waehlen() {
  QColorDialog d(Farbe_zu_QColor(farbe_), this);
  d.setWindowTitle(QStringLiteral("Textfarbe"));
  d.setOption(QColorDialog::DontUseNativeDialog);
  if (d.exec() == QDialog::Accepted) Farbe_setzen(QColor_zu_Farbe(d.selectedColor()));
}

QtDialoge::QtDialoge() {
  if (qApp) qApp->installEventFilter(this);
}

QtDialoge::~QtDialoge() {
  if (qApp) qApp->removeEventFilter(this);
}

namespace {

bool Nutzereingabe(QEvent::Type art) {
  switch (art) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool QtDialoge::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Escape)
    escape_gedrueckt_ = true;
  // While a computation looks for Escape, clicks and keys meant for other controls are dropped:
  // they would start a second action inside the running one. The progress window stays usable.
  if (abfrage_laeuft_ && Nutzereingabe(ev->type())) {
    const auto* w = qobject_cast<QWidget*>(obj);
    if (!fortschritt_ || !w || w->window() != fortschritt_) return true;
  }
  return QObject::eventFilter(obj, ev);
}

void QtDialoge::Meldung(const std::string& text) {
  QMessageBox box(QMessageBox::Information, kTitel, Zeilen(text), QMessageBox::Ok);
  box.exec();
}

bool QtDialoge::Frage(const std::string& text) {
  // The system's questions carry no caption of their own.
  QMessageBox box(QMessageBox::Question, QString(), Zeilen(text),
                  QMessageBox::Yes | QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  return box.exec() == QMessageBox::Yes;
}

bool QtDialoge::Eingabe(const std::string& titel, const std::string& prompt, std::string& text) {
  bool ok = false;
  QString r = QInputDialog::getText(QApplication::activeWindow(), Q(titel), Zeilen(prompt),
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
  Schriftdialog d(schrift, QApplication::activeWindow());
  if (d.exec() != QDialog::Accepted) return false;
  schrift = d.Schrift();
  return true;
}

bool QtDialoge::Speicherpfad_waehlen(const std::string& titel, const std::string& filter,
                                     const std::string& endung, std::string& pfad) {
  QFileDialog dlg(QApplication::activeWindow(), Q(titel), Q(pfad), Q(filter));
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setOption(QFileDialog::DontConfirmOverwrite, true);  // the caller asks in German
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
  QString datei = dlg.selectedFiles().front();
  // A name without ending gets the one of the chosen file type: "blatt" under the PDF filter
  // becomes blatt.pdf.
  if (QFileInfo(datei).suffix().isEmpty() && !QFileInfo(datei).isDir()) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(dlg.selectedNameFilter());
    datei += QLatin1Char('.') + (m.hasMatch() ? m.captured(1) : Q(endung));
  }
  pfad = datei.toStdString();
  return true;
}

bool QtDialoge::Oeffnungspfad_waehlen(const std::string& titel, const std::string& filter,
                                      std::string& pfad) {
  QFileDialog dlg(QApplication::activeWindow(), Q(titel), Q(pfad), Q(filter));
  dlg.setAcceptMode(QFileDialog::AcceptOpen);
  dlg.setFileMode(QFileDialog::ExistingFile);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
  pfad = dlg.selectedFiles().front().toStdString();
  return true;
}

void QtDialoge::Taste_abwarten() {
  Tastendialog d;
  d.exec();
  if (d.escape) escape_gedrueckt_ = true;
}

bool QtDialoge::Abbruch_angefordert() {
  abfrage_laeuft_ = true;
  QCoreApplication::processEvents();
  abfrage_laeuft_ = false;
  return escape_gedrueckt_ || (fortschritt_ && fortschritt_->wasCanceled());
}

void QtDialoge::Abbruch_zuruecksetzen() {
  escape_gedrueckt_ = false;
  // A cancelled progress window stays cancelled; the next report opens a fresh one.
  if (fortschritt_ && fortschritt_->wasCanceled()) {
    fortschritt_->deleteLater();
    fortschritt_ = nullptr;
  }
}

void QtDialoge::Fortschritt(const std::string& text, int prozent) {
  if (prozent < 0) {
    if (fortschritt_) fortschritt_->deleteLater();
    fortschritt_ = nullptr;
    return;
  }
  if (!fortschritt_) {
    fortschritt_ = new QProgressDialog(Zeilen(text), QStringLiteral("Abbrechen (Esc)"), 0, 100,
                                       QApplication::activeWindow());
    fortschritt_->setWindowTitle(kTitel);
    fortschritt_->setWindowModality(Qt::WindowModal);
    fortschritt_->setMinimumDuration(500);  // only work that takes a while shows a window
    fortschritt_->setAutoClose(false);
    fortschritt_->setAutoReset(false);
  }
  fortschritt_->setLabelText(Zeilen(text));
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

std::string QtAblage::Text_holen() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void QtAblage::Bild_und_SVG_setzen(const QImage& bild, const std::string& svg) {
  auto* daten = new QMimeData;
  daten->setImageData(bild);
  daten->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(svg));
  QGuiApplication::clipboard()->setMimeData(daten);
}
