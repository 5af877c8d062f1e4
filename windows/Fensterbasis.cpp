#include "windows/Fensterbasis.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "kos/UGrafik.h"
#include "windows/Bildflaeche.h"
#include "windows/Stillisten.h"
#include "windows/StringGridView.h"

namespace {

QString Q(const char* s) {
  return QString::fromUtf8(s);
}

void Knopf_hervorheben(QWidget* w, QColor farbe) {
  QFont f = w->font();
  f.setBold(true);
  w->setFont(f);
  QPalette p = w->palette();
  p.setColor(QPalette::ButtonText, farbe);
  w->setPalette(p);
}

// Connects a signal of the control to the handler; the handler may take fewer arguments.
bool Verbinden(QObject* sender, const char* signal, QObject* empfaenger, int handler) {
  const QMetaObject* smo = sender->metaObject();
  int s = smo->indexOfSignal(QMetaObject::normalizedSignature(signal).constData());
  if (s < 0 || handler < 0) return false;
  QMetaMethod sig = smo->method(s);
  QMetaMethod slot = empfaenger->metaObject()->method(handler);
  if (!QMetaObject::checkConnectArgs(sig, slot)) {
    qWarning("Handler %s passt nicht zu %s", slot.methodSignature().constData(), signal);
    return false;
  }
  return QMetaObject::connect(sender, s, empfaenger, handler, Qt::DirectConnection);
}

// The key as the input rules name it: Enter, backspace and Escape by their control characters.
std::string Zeichen_der_Taste(const QKeyEvent* ke) {
  if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) return "\r";
  if (ke->key() == Qt::Key_Backspace) return "\b";
  if (ke->key() == Qt::Key_Escape) return "\x1b";
  std::string z = ke->text().toStdString();
  // Other control characters (Tab, Ctrl+letters) are the field's own business.
  if (z.size() == 1 && static_cast<unsigned char>(z[0]) < 0x20) return "";
  return z;
}

}  // namespace

TFensterbasis::TFensterbasis(QWidget* eltern, Qt::WindowFlags flags) : QWidget(eltern, flags) {}

TFensterbasis::~TFensterbasis() {
  // Controls that lose the focus while they are torn down must not reach the handlers.
  filter_.clear();
}

void TFensterbasis::Fenster_aufbauen(std::span<const TSteuerelement> tabelle,
                                     std::span<const TGemeinsamerHandler> gemeinsam) {
  for (const TSteuerelement& e : tabelle)
    Element_erzeugen(e);
  Ereignisse_verbinden(gemeinsam);
}

QAbstractButton* TFensterbasis::Knopf(const char* name) const {
  return Element<QAbstractButton>(name);
}

std::string TFensterbasis::Text(const char* feld) const {
  if (QLineEdit* e = Feld(feld)) return e->text().toStdString();
  if (QLabel* l = Element<QLabel>(feld)) return l->text().toStdString();
  return "";
}

void TFensterbasis::Text_setzen(const char* feld, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (QLineEdit* e = Feld(feld))
    e->setText(t);
  else if (QLabel* l = Element<QLabel>(feld))
    l->setText(t);
  else if (QAbstractButton* k = Knopf(feld))
    k->setText(t);
}

bool TFensterbasis::Haken(const char* schalter) const {
  QAbstractButton* c = Knopf(schalter);
  return c && c->isChecked();
}

// Speed buttons of a group stay pressed like switches.
void TFensterbasis::Haken_setzen(const char* schalter, bool an) {
  QAbstractButton* c = Knopf(schalter);
  if (!c) return;
  if (!qobject_cast<QCheckBox*>(c)) c->setCheckable(true);
  c->setChecked(an);
}

int TFensterbasis::Eintrag(const char* liste) const {
  QComboBox* c = Liste(liste);
  return c ? c->currentIndex() : -1;
}

// ---- Anzeige ---------------------------------------------------------------------------------

// An action naming a control the window does not have is a fault of the program; it is reported
// in the log (and made to fail in the tests) instead of passing unnoticed.
bool TFensterbasis::Vorhanden(const char* name) const {
  if (elemente_.contains(QString::fromLatin1(name))) return true;
  qWarning("Kein Element %s in %s", name, qPrintable(objectName()));
  return false;
}

void TFensterbasis::Text_zeigen(const char* name, const std::string& text) {
  if (!Vorhanden(name)) return;
  Text_setzen(name, text);
}

void TFensterbasis::Haken_zeigen(const char* name, bool an) {
  if (!Vorhanden(name)) return;
  Haken_setzen(name, an);
}

void TFensterbasis::Eintrag_zeigen(const char* liste, int eintrag) {
  if (!Vorhanden(liste)) return;
  // A slider shows its position without running its rule.
  if (auto* schieber = Element<QScrollBar>(liste)) {
    const QSignalBlocker sperre(schieber);
    schieber->setValue(eintrag);
    return;
  }
  if (QComboBox* c = Liste(liste); c && c->currentIndex() != eintrag) c->setCurrentIndex(eintrag);
}

void TFensterbasis::Freigabe_zeigen(const char* name, bool an) {
  if (!Vorhanden(name)) return;
  if (QWidget* w = Element(name)) w->setEnabled(an);
}

void TFensterbasis::Hinweis_zeigen(const char* name, const std::string& text) {
  if (!Vorhanden(name)) return;
  if (QWidget* w = Element(name)) w->setToolTip(QString::fromStdString(text));
}

void TFensterbasis::Farbe_zeigen(const char* name, TFarbe farbe) {
  if (!Vorhanden(name)) return;
  QWidget* w = Element(name);
  if (!w) return;
  QPalette p = w->palette();
  p.setColor(QPalette::Window, Farbe_zu_QColor(farbe));
  w->setPalette(p);
  w->update();
}

void TFensterbasis::Schrift_zeigen(const char* feld, const TSchrift& s) {
  if (!Vorhanden(feld)) return;
  QLineEdit* e = Feld(feld);
  if (!e) return;
  // The same pixel size as the text in the picture.
  e->setFont(TBild::Qt_Schrift(s));
  QPalette p = e->palette();
  p.setColor(QPalette::Text, Farbe_zu_QColor(s.Farbe));
  p.setColor(QPalette::Base, Qt::white);
  e->setPalette(p);
}

void TFensterbasis::Neu_malen(const char* name) {
  if (!Vorhanden(name)) return;
  if (QWidget* w = Element(name)) w->update();
}

void TFensterbasis::Fokus_zurueck(const char* name) {
  if (!Vorhanden(name)) return;
  QWidget* feld = Element(name);
  if (!feld) return;
  // The focus change that left the field is still under way; take the field back after it.
  QTimer::singleShot(0, feld, [feld] { feld->setFocus(Qt::OtherFocusReason); });
  fokus_zurueck_ = name;
}

TBild* TFensterbasis::Bild(const char* name) {
  if (!Vorhanden(name)) return nullptr;
  Bildflaeche* b = Element<Bildflaeche>(name);
  return b ? &b->Bild : nullptr;
}

void TFensterbasis::Beschaeftigt(bool an) {
  if (an)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

// ---- building --------------------------------------------------------------------------------

void TFensterbasis::Element_erzeugen(const TSteuerelement& e) {
  QWidget* eltern = *e.eltern ? elemente_.value(Q(e.eltern), this) : this;
  QWidget* w = nullptr;
  switch (e.art) {
    case Elementart::Gruppe: {
      auto* g = new QGroupBox(Q(e.text), eltern);
      w = g;
      break;
    }
    case Elementart::Beschriftung: {
      const TStartwert* s = Startwert(e.name);
      w = new QLabel(Q(s && s->text ? s->text : e.text), eltern);
      break;
    }
    case Elementart::Feld: {
      const TStartwert* s = Startwert(e.name);
      auto* f = new QLineEdit(Q(s && s->text ? s->text : e.text), eltern);
      f->setReadOnly(e.merkmale & Merkmal_nur_lesen);
      f->installEventFilter(this);
      filter_[f].art = e.feld;
      w = f;
      break;
    }
    case Elementart::Schalter: {
      auto* c = new QCheckBox(Q(e.text), eltern);
      // Built in their start state, so that start-up does not run their rules (and replot).
      c->setChecked(Startschalter(e.name));
      w = c;
      break;
    }
    case Elementart::Liste:
    case Elementart::Linienliste:
    case Elementart::Fuellliste:
    case Elementart::Punktliste: {
      QComboBox* c = nullptr;
      if (e.art == Elementart::Linienliste)
        c = new Stilliste(Stilart::Linienart, eltern);
      else if (e.art == Elementart::Fuellliste)
        c = new Stilliste(Stilart::Fuellmuster, eltern);
      else if (e.art == Elementart::Punktliste)
        c = new Stilliste(Stilart::Punkteart, eltern);
      else
        c = new QComboBox(eltern);
      c->addItems(Q(e.eintraege).split(QLatin1Char('|')));
      c->setMaxVisibleItems(18);
      w = c;
      break;
    }
    case Elementart::Knopf: {
      auto* k = new QToolButton(eltern);
      k->setText(Q(e.text));
      // Speed buttons take no focus, so the table keeps its selection while they act on it.
      k->setFocusPolicy(Qt::NoFocus);
      k->setAutoRaise(false);
      if (e.gruppe > 0) {
        k->setCheckable(true);
        k->setAutoExclusive(true);
      }
      w = k;
      break;
    }
    case Elementart::Farbfeld: {
      auto* p = new QFrame(eltern);
      p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      p->setAutoFillBackground(true);
      p->setCursor(Qt::PointingHandCursor);
      w = p;
      break;
    }
    case Elementart::Muster:
    case Elementart::Bild: {
      auto* b = new Bildflaeche(e.b, e.h, eltern);
      b->Bild.Links = e.x;
      b->Bild.Oben = e.y;
      w = b;
      break;
    }
    case Elementart::Tabelle: {
      w = new StringGridView(eltern);
      break;
    }
    case Elementart::Schieber: {
      auto* s = new QScrollBar(Qt::Horizontal, eltern);
      s->setRange(0, 100);
      s->setFocusPolicy(Qt::NoFocus);
      w = s;
      break;
    }
  }
  w->setObjectName(Q(e.name));
  w->setGeometry(e.x, e.y, e.b, e.h);
  if (*e.hinweis) w->setToolTip(Q(e.hinweis));
  elemente_.insert(Q(e.name), w);

  if (e.merkmale & Merkmal_gruen) Knopf_hervorheben(w, QColor(0, 128, 0));
  if (e.merkmale & Merkmal_rot) Knopf_hervorheben(w, QColor(255, 0, 0));
  if (const TStartwert* s = Startwert(e.name); s && s->gesperrt) w->setEnabled(false);
}

int TFensterbasis::Handler_suchen(const QByteArray& name) const {
  // Only the handlers a window declares itself, not those of Qt's widget classes.
  const QMetaObject* mo = metaObject();
  for (int i = TFensterbasis::staticMetaObject.methodCount(); i < mo->methodCount(); ++i) {
    QMetaMethod m = mo->method(i);
    if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Public &&
        m.name() == name)
      return i;
  }
  return -1;
}

void TFensterbasis::Ereignisse_verbinden(std::span<const TGemeinsamerHandler> gemeinsam) {
  auto handler = [this, gemeinsam](const QString& element, const char* ereignis) {
    for (const TGemeinsamerHandler& g : gemeinsam)
      if (element == QLatin1String(g.element) && qstrcmp(ereignis, g.ereignis) == 0)
        return Handler_suchen(g.handler);
    return Handler_suchen(element.toLatin1() + ereignis);
  };

  for (auto it = elemente_.cbegin(); it != elemente_.cend(); ++it) {
    const QString& name = it.key();
    QWidget* w = it.value();
    Filterhandler& f = filter_[w];
    f.Exit = handler(name, "Exit");
    f.DblClick = handler(name, "DblClick");
    f.KeyDown = handler(name, "KeyDown");
    f.MouseDown = handler(name, "MouseDown");
    f.MouseMove = handler(name, "MouseMove");
    int click = handler(name, "Click");
    int change = handler(name, "Change");

    if (qobject_cast<Bildflaeche*>(w)) {
      // Pictures report the mouse in picture pixels through their own signals.
      Verbinden_als_Aktion(w, "Maus_gedrueckt(Qt::MouseButton,Qt::KeyboardModifiers,int,int)",
                           f.MouseDown);
      Verbinden(w, "Maus_bewegt(Qt::KeyboardModifiers,int,int)", this, f.MouseMove);
      Verbinden_als_Aktion(w, "Maus_losgelassen(Qt::MouseButton,Qt::KeyboardModifiers,int,int)",
                           handler(name, "MouseUp"));
      Verbinden_als_Aktion(w, "Doppelklick()", f.DblClick);
      f.MouseDown = f.MouseMove = f.DblClick = -1;  // the signals carry them
    } else if (qobject_cast<QCheckBox*>(w)) {
      // A switch changed by the program runs its rule like a user's click; only the user's
      // click, which Qt reports after the change, ends an action.
      Verbinden(w, "toggled(bool)", this, click);
      if (click >= 0) Verbinden_als_Aktion(w, "clicked()", -1);
    } else if (qobject_cast<QAbstractButton*>(w)) {
      Verbinden_als_Aktion(w, "clicked()", click);
    } else if (qobject_cast<QComboBox*>(w)) {
      // Only the user's choice runs the change rule, not an item set by the program.
      Verbinden_als_Aktion(w, "activated(int)", change);
    } else if (auto* feld = qobject_cast<QLineEdit*>(w)) {
      connect(feld, &QLineEdit::textChanged, this,
              [this, name](const QString& text) { Feldtext_geaendert(name, text); });
      Verbinden(w, "textChanged(QString)", this, change);
    } else if (qobject_cast<QScrollBar*>(w)) {
      Verbinden_als_Aktion(w, "valueChanged(int)", change);
    } else {
      f.Click = click;
    }

    bool gefiltert = f.Exit >= 0 || f.DblClick >= 0 || f.KeyDown >= 0 || f.MouseDown >= 0 ||
                     f.MouseMove >= 0 || f.Click >= 0 || f.art != Feldart::keine;
    if (gefiltert) {
      w->installEventFilter(this);
      if (f.MouseMove >= 0) w->setMouseTracking(true);
    } else {
      filter_.remove(w);
    }
  }
}

bool TFensterbasis::eventFilter(QObject* objekt, QEvent* ereignis) {
  auto it = filter_.constFind(objekt);
  if (it == filter_.cend()) return QWidget::eventFilter(objekt, ereignis);
  const Filterhandler f = it.value();
  auto aufrufen = [this](int i) { Aufrufen_als_Aktion(i); };

  switch (ereignis->type()) {
    case QEvent::FocusOut: {
      // Leaving the field for another control of this window; a dialog or another window
      // taking over is not leaving the field.
      auto* fe = static_cast<QFocusEvent*>(ereignis);
      if (fe->reason() != Qt::ActiveWindowFocusReason && fe->reason() != Qt::PopupFocusReason)
        aufrufen(f.Exit);
      break;
    }
    case QEvent::MouseButtonDblClick:
      if (f.DblClick >= 0) {
        aufrufen(f.DblClick);
        return true;
      }
      break;
    case QEvent::MouseButtonPress:
      if (f.MouseDown >= 0) {
        auto* me = static_cast<QMouseEvent*>(ereignis);
        QPoint p = me->position().toPoint();
        Aufrufen_als_Aktion(f.MouseDown, Q_ARG(Qt::MouseButton, me->button()),
                            Q_ARG(Qt::KeyboardModifiers, me->modifiers()), Q_ARG(int, p.x()),
                            Q_ARG(int, p.y()));
      }
      break;
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(ereignis);
      auto* w = static_cast<QWidget*>(objekt);
      if (f.Click >= 0 && me->button() == Qt::LeftButton &&
          w->rect().contains(me->position().toPoint()))
        aufrufen(f.Click);
      break;
    }
    case QEvent::Enter:
    case QEvent::MouseMove:
      // Hovering and dragging are part of the action the button press or release ends.
      if (f.MouseMove >= 0) metaObject()->method(f.MouseMove).invoke(this, Qt::DirectConnection);
      break;
    case QEvent::KeyPress: {
      auto* ke = static_cast<QKeyEvent*>(ereignis);
      if (f.KeyDown >= 0) {
        Aufrufen_als_Aktion(f.KeyDown, Q_ARG(int, ke->key()));
        if (ke->key() == Qt::Key_Up || ke->key() == Qt::Key_Down) return true;
      }
      if (f.art != Feldart::keine && Taste_filtern_in(objekt, ke, f.art)) return true;
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(objekt, ereignis);
}

// ---- actions ---------------------------------------------------------------------------------

// A handler reached through a signal: begin and end are connected around it, so they run right
// before and after it.
// Without a handler (-1) the signal only ends an action whose work ran before it.
bool TFensterbasis::Verbinden_als_Aktion(QObject* sender, const char* signal, int handler) {
  const int beginn = TFensterbasis::staticMetaObject.indexOfSlot("Aktion_beginnt()");
  const int ende = TFensterbasis::staticMetaObject.indexOfSlot("Aktion_endet()");
  if (handler < 0) {
    return Verbinden(sender, signal, this, beginn) && Verbinden(sender, signal, this, ende);
  }
  Verbinden(sender, signal, this, beginn);
  const bool ok = Verbinden(sender, signal, this, handler);
  Verbinden(sender, signal, this, ende);
  return ok;
}

void TFensterbasis::Aufrufen_als_Aktion(int handler, QGenericArgument a1, QGenericArgument a2,
                                        QGenericArgument a3, QGenericArgument a4) {
  if (handler < 0) return;
  if (aktionstiefe_ == 0) aktion_ = metaObject()->method(handler).name();
  ++aktionstiefe_;
  metaObject()->method(handler).invoke(this, Qt::DirectConnection, a1, a2, a3, a4);
  Aktion_endet();
}

void TFensterbasis::Aktion_beginnt() {
  if (aktionstiefe_ == 0) {
    aktion_.clear();
    if (QObject* s = sender()) aktion_ = s->objectName().toLatin1();
  }
  ++aktionstiefe_;
}

void TFensterbasis::Aktion_endet() {
  if (aktionstiefe_ > 0 && --aktionstiefe_ == 0 && Nach_Aktion) Nach_Aktion(aktion_);
}

bool TFensterbasis::Taste_filtern_in(QObject* objekt, QKeyEvent* ke, Feldart art) {
  auto* feld = qobject_cast<QLineEdit*>(objekt);
  if (!feld) return false;
  const std::string zeichen = Zeichen_der_Taste(ke);
  // Keys without a character (arrows, Delete, Home ...) are the field's own business.
  if (zeichen.empty()) return false;
  const Tastenwirkung t = Taste_filtern(art, zeichen);
  if (t.weiter) {
    focusNextChild();
    return true;
  }
  if (t.text == zeichen) return false;  // unchanged: the field takes the key as it is
  if (!t.text.empty()) feld->insert(QString::fromStdString(t.text));
  return true;
}
