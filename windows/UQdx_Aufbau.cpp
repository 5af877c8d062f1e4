// Building the main window from its control table and connecting each control's events to the
// handler named after the control and the event.

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>

#include "windows/Bildflaeche.h"
#if __has_include("windows/StringGridView.h")
#include "windows/StringGridView.h"
#define QDX_TABELLENANSICHT 1
#endif
#include "windows/Stillisten.h"
#include "windows/StringGridView.h"
#include "windows/UQdx.h"
#include "windows/UQdx_Layout.h"

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

}  // namespace

void TForm1::Steuerelemente_erzeugen() {
  for (const TSteuerelement& e : Steuerelement_Tabelle())
    Element_erzeugen(e);
}

void TForm1::Element_erzeugen(const TSteuerelement& e) {
  QWidget* eltern = *e.eltern ? elemente_.value(Q(e.eltern), this) : this;
  QWidget* w = nullptr;
  switch (e.art) {
    case Elementart::Gruppe: {
      auto* g = new QGroupBox(Q(e.text), eltern);
      w = g;
      break;
    }
    case Elementart::Beschriftung:
      w = new QLabel(Q(e.text), eltern);
      break;
    case Elementart::Feld: {
      auto* f = new QLineEdit(Q(e.text), eltern);
      f->installEventFilter(this);
      filter_[f].art = e.feld;
      w = f;
      break;
    }
    case Elementart::Schalter: {
      auto* c = new QCheckBox(Q(e.text), eltern);
      // Built in their start state, so that start-up does not run their rules (and replot).
      for (const char* an : {"CheckBox_xAchse", "CheckBox_yAchse", "CheckBox_Skalierung",
                             "CheckBox_Zahlen_an_Achsen", "CheckBox_Grobraster",
                             "CheckBox_loeschen", "CheckBox_Achsen_automatisch_beschriften"})
        if (qstrcmp(e.name, an) == 0) c->setChecked(true);
      w = c;
      break;
    }
    case Elementart::Liste:
    case Elementart::Stilliste: {
      QComboBox* c = nullptr;
      Stilart art;
      if (e.art == Elementart::Stilliste && Stilart_aus_Name(Q(e.name), art))
        c = new Stilliste(art, eltern);
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
      if (e.art == Elementart::Bild) Image1 = b;
      w = b;
      break;
    }
    case Elementart::Tabelle: {
      auto* t = new StringGridView(eltern);
      StringGrid1 = t;
      w = t;
      break;
    }
    case Elementart::Schieber: {
      auto* s = new QScrollBar(Qt::Horizontal, eltern);
      s->setRange(0, 100);
      s->setFocusPolicy(Qt::NoFocus);
      ScrollBar1 = s;
      w = s;
      break;
    }
  }
  w->setObjectName(Q(e.name));
  w->setGeometry(e.x, e.y, e.b, e.h);
  if (*e.hinweis) w->setToolTip(Q(e.hinweis));
  elemente_.insert(Q(e.name), w);

  const QString name = Q(e.name);
  if (name == QLatin1String("SpeedButton_Plot")) Knopf_hervorheben(w, QColor(0, 128, 0));
  if (name.endsWith(QLatin1String("_schieben"))) Knopf_hervorheben(w, QColor(255, 0, 0));
  // Result and size displays: the program writes them, the user reads them.
  for (const char* anzeige : {"Edit_f_von_a", "Edit_Bildbreite", "Edit_Bildtiefe"})
    if (name == QLatin1String(anzeige)) static_cast<QLineEdit*>(w)->setReadOnly(true);
  for (const char* g : {"Edit_x_n0", "Label_x_n0", "Edit_y_n1", "Label_y_n1", "CheckBox_Web",
                        "CheckBox_nur_g_zeichnen", "Label_Iterationstiefe", "Edit_Iterationstiefe"})
    if (name == QLatin1String(g)) w->setEnabled(false);
}

int TForm1::Handler_suchen(const QByteArray& name) const {
  const QMetaObject* mo = metaObject();
  for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
    QMetaMethod m = mo->method(i);
    if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Public &&
        m.name() == name)
      return i;
  }
  return -1;
}

namespace {

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

}  // namespace

void TForm1::Ereignisse_verbinden() {
  auto handler = [this](const QString& element, const char* ereignis) {
    for (const TGemeinsamerHandler& g : Gemeinsame_Handler())
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

    if (w == Image1) {
      Verbinden(w, "Maus_gedrueckt(Qt::MouseButton,Qt::KeyboardModifiers,int,int)", this,
                f.MouseDown);
      Verbinden(w, "Maus_bewegt(Qt::KeyboardModifiers,int,int)", this, f.MouseMove);
      Verbinden(w, "Maus_losgelassen(Qt::MouseButton,Qt::KeyboardModifiers,int,int)", this,
                handler(name, "MouseUp"));
      Verbinden(w, "Doppelklick()", this, f.DblClick);
      f.MouseDown = f.MouseMove = f.DblClick = -1;  // the signals carry them
    } else if (qobject_cast<QCheckBox*>(w)) {
      // A switch changed by the program runs its rule like a user's click.
      Verbinden(w, "toggled(bool)", this, click);
    } else if (qobject_cast<QAbstractButton*>(w)) {
      Verbinden(w, "clicked()", this, click);
    } else if (qobject_cast<QComboBox*>(w)) {
      // Only the user's choice runs the change rule, not an item set by the program.
      Verbinden(w, "activated(int)", this, change);
    } else if (qobject_cast<QLineEdit*>(w)) {
      Verbinden(w, "textChanged(QString)", this, change);
    } else if (qobject_cast<QScrollBar*>(w)) {
      Verbinden(w, "valueChanged(int)", this, change);
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

bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
  auto it = filter_.constFind(objekt);
  if (it == filter_.cend()) return QWidget::eventFilter(objekt, ereignis);
  const Filterhandler f = it.value();
  auto aufrufen = [this](int i) {
    if (i >= 0) metaObject()->method(i).invoke(this, Qt::DirectConnection);
  };

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
        metaObject()
            ->method(f.MouseDown)
            .invoke(this, Qt::DirectConnection, Q_ARG(Qt::MouseButton, me->button()),
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
      aufrufen(f.MouseMove);
      break;
    case QEvent::KeyPress: {
      auto* ke = static_cast<QKeyEvent*>(ereignis);
      if (f.KeyDown >= 0) {
        metaObject()->method(f.KeyDown).invoke(this, Qt::DirectConnection, Q_ARG(int, ke->key()));
        if (ke->key() == Qt::Key_Up || ke->key() == Qt::Key_Down) return true;
      }
      if (f.art == Feldart::keine) break;
      auto* feld = qobject_cast<QLineEdit*>(objekt);
      if (!feld) break;
      std::string zeichen;
      if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
        zeichen = "\r";
      else if (ke->key() == Qt::Key_Backspace)
        zeichen = "\b";
      else if (ke->key() == Qt::Key_Escape)
        zeichen = "\x1b";
      else
        zeichen = ke->text().toStdString();
      // Keys without a character (arrows, Delete, Home ...) are the field's own business.
      if (zeichen.empty()) break;
      if (zeichen.size() == 1 && static_cast<unsigned char>(zeichen[0]) < 0x20 && zeichen != "\r" &&
          zeichen != "\b" && zeichen != "\x1b")
        break;
      Tastenwirkung t = Taste_filtern(f.art, zeichen);
      if (t.weiter) {
        focusNextChild();
        return true;
      }
      if (t.text == zeichen) break;  // unchanged: the field takes the key as it is
      if (!t.text.empty()) feld->insert(QString::fromStdString(t.text));
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(objekt, ereignis);
}
