#pragma once
// What every window of the program shares: it is built from a control table (kind, parent,
// position, caption, hint, list items, input rule, look), its start values come from the start
// table, and each control's events reach the public slot named <control><Event>. Controls are
// reached by name, and actions write to the window through the Anzeige interface.

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <span>
#include <string>

#include "workbench/Anzeige.h"
#include "workbench/Werkbank.h"

class QAbstractButton;
class QScrollArea;

enum class Elementart {
  Gruppe,        // group box
  Beschriftung,  // label
  Feld,          // one-line edit field
  Schalter,      // check box
  Liste,         // drop-down list
  Linienliste,   // drop-down lists that draw their items as samples: line kinds,
  Fuellliste,    // fill patterns
  Punktliste,    // and point symbols
  Knopf,         // speed button (takes no focus)
  Farbfeld,      // colour panel
  Muster,        // style swatch beside a curve switch
  Bild,          // the picture
  Tabelle,       // the string grid
  Schieber       // horizontal scroll bar
};

// Looks that set a control apart.
enum Merkmal : int {
  Merkmal_keins = 0,
  Merkmal_nur_lesen = 1,  // a display the program writes and the user only reads
  Merkmal_gruen = 2,      // bold green caption: the central action
  Merkmal_rot = 4,        // bold red caption
};

struct TSteuerelement {
  const char* name;
  Elementart art;
  const char* eltern;  // "" = the window itself
  int x, y, b, h;
  const char* text;       // caption; fields take their start text from the start table
  const char* hinweis;    // tooltip
  const char* eintraege;  // list items separated by '|'
  Feldart feld;           // key filter of an edit field
  int gruppe;             // speed buttons of the same group > 0 stay pressed one at a time
  int merkmale = Merkmal_keins;
  // What a screen reader says for the control where neither its caption nor its hint does;
  // "" = the caption when it is a word, otherwise the hint.
  const char* sprechname = "";
};

constexpr TSteuerelement Mit(TSteuerelement e, int merkmale) {
  e.merkmale |= merkmale;
  return e;
}

constexpr TSteuerelement Gesprochen(TSteuerelement e, const char* name) {
  e.sprechname = name;
  return e;
}

// The accessible name and description of a control: its caption when that is a word of four or
// more letters, else its hint; the description is the hint.
struct TSprechtext {
  QString name, beschreibung;
};
TSprechtext Sprechtext(const TSteuerelement& e);

// A handler that serves several controls under a name of its own.
struct TGemeinsamerHandler {
  const char* element;
  const char* ereignis;
  const char* handler;
};

class TFensterbasis : public QWidget, public Anzeige {
  Q_OBJECT

 public:
  explicit TFensterbasis(QWidget* eltern = nullptr, Qt::WindowFlags flags = {});
  ~TFensterbasis() override;

  // Any control of this window by its name, or nullptr.
  template <class T = QWidget>
  T* Element(const char* name) const {
    return qobject_cast<T*>(elemente_.value(QString::fromLatin1(name)));
  }
  QLineEdit* Feld(const char* name) const { return Element<QLineEdit>(name); }
  QCheckBox* Schalter(const char* name) const { return Element<QCheckBox>(name); }
  QComboBox* Liste(const char* name) const { return Element<QComboBox>(name); }
  QAbstractButton* Knopf(const char* name) const;
  // Text of an edit field or label (UTF-8) and writing it; an unknown name reads "" and writes
  // nothing.
  std::string Text(const char* feld) const;
  void Text_setzen(const char* feld, const std::string& text);
  // Checking a switch from the program runs its click rule like a user's click.
  bool Haken(const char* schalter) const;
  void Haken_setzen(const char* schalter, bool an);
  // Item index of a list, -1 when there is none.
  int Eintrag(const char* liste) const;

  // A picture control that shows a picture living elsewhere; nullptr: the control owns its own.
  virtual TBild* Fremdbild(const char* name) { return nullptr; }

  // Anzeige. In a window that shows the sheet's controls, showing a text or a switch runs no
  // rule: the workbench has run it already.
  void Text_anzeigen(const char* name, const std::string& text) override;
  void Haken_anzeigen(const char* name, bool an) override;
  void Eintrag_anzeigen(const char* liste, int eintrag) override;
  void Freigabe_anzeigen(const char* name, bool an) override;
  void Hinweis_anzeigen(const char* name, const std::string& text) override;
  void Startzustand_anzeigen(const char* name) override;
  void Farbe_zeigen(const char* name, TFarbe farbe) override;
  void Schrift_zeigen(const char* feld, const TSchrift& schrift) override;
  void Neu_malen(const char* name) override;
  void Fokus_zurueck(const char* name) override;
  TBild* Bild(const char* name) override;
  void Beschaeftigt(bool an) override;

  // The widget that carries the controls, inside a scroll area filling the window.
  QWidget* Inhalt() const { return inhalt_; }
  QScrollArea* Rollbereich() const { return rollbereich_; }
  // Sizes the window for a screen whose free area is `frei`: exactly the layout's size where it
  // fits with its frame, otherwise as large as the free area with scroll bars around the
  // controls.
  void Bildschirm_anpassen(const QSize& frei);

  // Name of the field that last got the focus back after a refused input (for tests).
  std::string fokus_zurueck_;

  // Runs after every user action in any window: a handler reached through an event, once the
  // handlers it set off in turn have ended. The handler's name tells which control acted.
  static inline std::function<void(const QByteArray& handler)> Nach_Aktion;

 protected:
  // The client size the control table is laid out for; the window fits it to the screen.
  void Feste_Groesse(int breite, int hoehe);
  // Builds the controls of the table and connects their events to the handlers by name.
  void Fenster_aufbauen(std::span<const TSteuerelement> tabelle,
                        std::span<const TGemeinsamerHandler> gemeinsam = {});
  // Tab through the controls in reading order of their groups (again after adding options).
  void Tabulatorfolge_setzen(std::span<const TSteuerelement> tabelle);
  // An edit field's text changed, by the user or the program.
  virtual void Feldtext_geaendert(const QString& name, const QString& text) {}
  // Enter in a term field whose term passed its check; a window without a picture moves on.
  virtual void Termfeld_bestaetigt() { focusNextChild(); }
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private slots:
  void Aktion_beginnt();
  void Aktion_endet();

 private:
  void Element_erzeugen(const TSteuerelement& e);
  bool Verbinden_als_Aktion(QObject* sender, const char* signal, int handler);
  void Aufrufen_als_Aktion(int handler, QGenericArgument a1 = {}, QGenericArgument a2 = {},
                           QGenericArgument a3 = {}, QGenericArgument a4 = {});
  static inline int aktionstiefe_ = 0;
  static inline QByteArray aktion_;
  void Ereignisse_verbinden(std::span<const TGemeinsamerHandler> gemeinsam);
  int Handler_suchen(const QByteArray& name) const;
  bool Vorhanden(const char* name) const;

  QHash<QString, QWidget*> elemente_;
  std::span<const TSteuerelement> tabelle_;
  QScrollArea* rollbereich_ = nullptr;
  QWidget* inhalt_ = nullptr;
  QSize layoutgroesse_;
  // Handlers found by name for the events that arrive through the event filter.
  struct Filterhandler {
    int Exit = -1, DblClick = -1, KeyDown = -1, Click = -1, MouseDown = -1, MouseMove = -1;
    Feldart art = Feldart::keine;
  };
  QHash<QObject*, Filterhandler> filter_;
  bool Taste_filtern_in(QObject* objekt, QKeyEvent* ke, const Filterhandler& f);
};
