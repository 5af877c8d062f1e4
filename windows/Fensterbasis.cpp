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
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

#include "kos/UGrafik.h"
#include "windows/Bildflaeche.h"
#include "windows/Stillisten.h"
#include "windows/StringGridView.h"
#include "workbench/Startwerte.h"

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

// A caption that is a word (letters, blanks and hyphens, at least one run of four letters, no
// abbreviating point) names its control; glyphs, formulas and short abbreviations do not.
bool Beschriftung_spricht(const QString& text) {
  const QString t = text.trimmed();
  if (t.endsWith(QLatin1Char('.'))) return false;
  int lauf = 0, laengster = 0;
  for (const QChar c : t) {
    if (c.isLetter()) {
      laengster = std::max(laengster, ++lauf);
    } else if (c == QLatin1Char(' ') || c == QLatin1Char('-')) {
      lauf = 0;
    } else {
      return false;
    }
  }
  return laengster >= 4;
}

// Room the window manager's frame and title bar take around the client area.
constexpr QSize kRahmen(16, 40);

}  // namespace

TSprechtext Sprechtext(const TSteuerelement& e) {
  const QString text = Q(e.text).trimmed();
  const QString hinweis = Q(e.hinweis).trimmed();
  TSprechtext s;
  if (*e.sprechname)
    s.name = Q(e.sprechname);
  else if (Beschriftung_spricht(text) || hinweis.isEmpty())
    s.name = text;
  else
    s.name = hinweis;
  s.beschreibung = hinweis.isEmpty() ? s.name : hinweis;
  return s;
}

TFensterbasis::TFensterbasis(QWidget* eltern, Qt::WindowFlags flags) : QWidget(eltern, flags) {}

TFensterbasis::~TFensterbasis() {
  // Controls that lose the focus while they are torn down must not reach the handlers.
  filter_.clear();
}

void TFensterbasis::Feste_Groesse(int breite, int hoehe) {
  layoutgroesse_ = QSize(breite, hoehe);
  if (!rollbereich_) {
    rollbereich_ = new QScrollArea(this);
    rollbereich_->setObjectName(QStringLiteral("Rollbereich"));
    rollbereich_->setFrameShape(QFrame::NoFrame);
    rollbereich_->setFocusPolicy(Qt::NoFocus);
    rollbereich_->setWidgetResizable(false);
    inhalt_ = new QWidget;
    inhalt_->setObjectName(QStringLiteral("Inhalt"));
    rollbereich_->setWidget(inhalt_);
  }
  inhalt_->setFixedSize(layoutgroesse_);
  QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
  Bildschirm_anpassen(bildschirm ? bildschirm->availableGeometry().size()
                                 : layoutgroesse_ + kRahmen);
}

void TFensterbasis::Bildschirm_anpassen(const QSize& frei) {
  if (!rollbereich_) return;
  const QSize platz = (frei - kRahmen).expandedTo(QSize(200, 150));
  const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, rollbereich_);
  bool quer = layoutgroesse_.width() > platz.width();
  bool hoch = layoutgroesse_.height() > platz.height();
  // One scroll bar takes room that may make the other one necessary.
  if (quer && !hoch) hoch = layoutgroesse_.height() + leiste > platz.height();
  if (hoch && !quer) quer = layoutgroesse_.width() + leiste > platz.width();
  const QSize fenster(std::min(platz.width(), layoutgroesse_.width() + (hoch ? leiste : 0)),
                      std::min(platz.height(), layoutgroesse_.height() + (quer ? leiste : 0)));
  setFixedSize(fenster);
  const QSize vorher = rollbereich_->size();
  rollbereich_->setGeometry(QRect(QPoint(0, 0), fenster));
  // A hidden window gets its resize events only when shown; the scroll area lays out its
  // viewport and scroll bars now, so every control has its place before the window appears.
  QResizeEvent groesse(fenster, vorher);
  QCoreApplication::sendEvent(rollbereich_, &groesse);
}

void TFensterbasis::Fenster_aufbauen(std::span<const TSteuerelement> tabelle,
                                     std::span<const TGemeinsamerHandler> gemeinsam) {
  tabelle_ = tabelle;
  for (const TSteuerelement& e : tabelle)
    Element_erzeugen(e);
  Ereignisse_verbinden(gemeinsam);
  Tabulatorfolge_setzen(tabelle);
}

// Tab goes through the groups as they are read, left to right and top to bottom; inside a
// group the table's order holds, and buttons a window adds to a group (options) follow it.
void TFensterbasis::Tabulatorfolge_setzen(std::span<const TSteuerelement> tabelle) {
  struct Platz {
    int zeile, spalte;
    QWidget* w;
  };
  auto aeusserste_Gruppe = [&](const TSteuerelement& e) {
    const TSteuerelement* oben = &e;
    while (*oben->eltern) {
      auto g = std::find_if(tabelle.begin(), tabelle.end(), [&](const TSteuerelement& k) {
        return qstrcmp(k.name, oben->eltern) == 0;
      });
      if (g == tabelle.end()) break;
      oben = &*g;
    }
    return oben;
  };
  std::vector<Platz> folge;
  for (const TSteuerelement& e : tabelle) {
    QWidget* w = Element(e.name);
    if (!w) continue;
    const TSteuerelement* g = aeusserste_Gruppe(e);
    if (w->focusPolicy() != Qt::NoFocus) folge.push_back({g->y, g->x, w});
    if (e.art != Elementart::Gruppe) continue;
    for (QWidget* k : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (k->focusPolicy() != Qt::NoFocus && !elemente_.contains(k->objectName()))
        folge.push_back({g->y, g->x, k});
  }
  std::stable_sort(folge.begin(), folge.end(), [](const Platz& a, const Platz& b) {
    return std::tie(a.zeile, a.spalte) < std::tie(b.zeile, b.spalte);
  });
  for (std::size_t i = 1; i < folge.size(); ++i)
    QWidget::setTabOrder(folge[i - 1].w, folge[i].w);
  // The chain is a ring; the window starts it at its first control.
  if (!folge.empty()) folge.front().w->setFocus(Qt::OtherFocusReason);
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

void TFensterbasis::Text_anzeigen(const char* name, const std::string& text) {
  if (!Vorhanden(name)) return;
  const QSignalBlocker sperre(Blattbedienung ? Element(name) : nullptr);
  Text_setzen(name, text);
}

void TFensterbasis::Haken_anzeigen(const char* name, bool an) {
  if (!Vorhanden(name)) return;
  const QSignalBlocker sperre(Blattbedienung ? Element(name) : nullptr);
  Haken_setzen(name, an);
}

void TFensterbasis::Eintrag_anzeigen(const char* liste, int eintrag) {
  if (!Vorhanden(liste)) return;
  // A slider shows its position without running its rule.
  if (auto* schieber = Element<QScrollBar>(liste)) {
    const QSignalBlocker sperre(schieber);
    schieber->setValue(eintrag);
    return;
  }
  if (QComboBox* c = Liste(liste); c && c->currentIndex() != eintrag) c->setCurrentIndex(eintrag);
}

void TFensterbasis::Freigabe_anzeigen(const char* name, bool an) {
  if (!Vorhanden(name)) return;
  if (QWidget* w = Element(name)) w->setEnabled(an);
}

void TFensterbasis::Hinweis_anzeigen(const char* name, const std::string& text) {
  if (!Vorhanden(name)) return;
  if (QWidget* w = Element(name)) {
    w->setToolTip(QString::fromStdString(text));
    w->setAccessibleDescription(QString::fromStdString(text));
  }
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

void TFensterbasis::Startzustand_anzeigen(const char* name) {
  for (const TSteuerelement& e : tabelle_) {
    if (std::string_view(e.name) != name) continue;
    const TStartwert* w = Startwert(name);
    if (w && w->text)
      Text_anzeigen(name, w->text);
    else if (e.text && !Feld(name))
      Text_anzeigen(name, e.text);
    Hinweis_anzeigen(name, e.hinweis ? e.hinweis : "");
    Freigabe_anzeigen(name, !(w && w->gesperrt));
    return;
  }
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
  QWidget* fenster = inhalt_ ? inhalt_ : this;
  QWidget* eltern = *e.eltern ? elemente_.value(Q(e.eltern), fenster) : fenster;
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
      // A click takes no focus, so the table keeps its selection while they act on it; Tab
      // still reaches them for the keyboard.
      k->setFocusPolicy(Qt::TabFocus);
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
      p->setFocusPolicy(Qt::TabFocus);
      w = p;
      break;
    }
    case Elementart::Muster:
    case Elementart::Bild: {
      auto* b = new Bildflaeche(e.b, e.h, eltern, Fremdbild(e.name));
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
      s->setFocusPolicy(Qt::TabFocus);
      w = s;
      break;
    }
  }
  w->setObjectName(Q(e.name));
  w->setGeometry(e.x, e.y, e.b, e.h);
  if (*e.hinweis) w->setToolTip(Q(e.hinweis));
  if (e.art != Elementart::Beschriftung) {
    const TSprechtext sprech = Sprechtext(e);
    w->setAccessibleName(sprech.name);
    w->setAccessibleDescription(sprech.beschreibung);
  }
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
      // Controls that answer a click (colour panels) answer Space and Enter the same way.
      if (f.Click >= 0 && (ke->key() == Qt::Key_Space || ke->key() == Qt::Key_Return ||
                           ke->key() == Qt::Key_Enter)) {
        aufrufen(f.Click);
        return true;
      }
      if (f.KeyDown >= 0) {
        Aufrufen_als_Aktion(f.KeyDown, Q_ARG(int, ke->key()));
        if (ke->key() == Qt::Key_Up || ke->key() == Qt::Key_Down) return true;
      }
      if (f.art != Feldart::keine && Taste_filtern_in(objekt, ke, f)) return true;
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

bool TFensterbasis::Taste_filtern_in(QObject* objekt, QKeyEvent* ke, const Filterhandler& f) {
  auto* feld = qobject_cast<QLineEdit*>(objekt);
  if (!feld) return false;
  const std::string zeichen = Zeichen_der_Taste(ke);
  // Keys without a character (arrows, Delete, Home ...) are the field's own business.
  if (zeichen.empty()) return false;
  const Tastenwirkung t = Taste_filtern(f.art, zeichen);
  // Enter in a term field plots, so keyboard users see the term they typed.
  if (t.weiter && f.art == Feldart::Term) {
    // The field's check as on leaving it; a refused term keeps the field and is not plotted.
    fokus_zurueck_.clear();
    if (f.Exit >= 0) metaObject()->method(f.Exit).invoke(this, Qt::DirectConnection);
    if (fokus_zurueck_ != feld->objectName().toStdString()) Termfeld_bestaetigt();
    return true;
  }
  if (t.weiter) {
    focusNextChild();
    return true;
  }
  if (t.text == zeichen) return false;  // unchanged: the field takes the key as it is
  if (!t.text.empty()) feld->insert(QString::fromStdString(t.text));
  return true;
}
