#pragma once
// The Qt providers of the dialog and clipboard seams.

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <string>

#include "platform/Dialoge.h"

class QFontDialog;
class QLayout;
class QLineEdit;
class QPushButton;

// Qt's own German texts for its standard dialogs and edit-field menus (qtbase_de from the Qt
// translations folder), whatever the system language. A missing file leaves them English;
// false then.
bool Qt_Uebersetzung_laden();

// The system writes line breaks as "\r\n", "\n\r" or a lone "\r"; Qt breaks lines only at "\n".
std::string Zeilen_vereinheitlichen(const std::string& text);

// The font chooser with the text colour in the same dialog: Qt's own font dialog, embedded
// without its buttons, a colour button beside it and one OK / Cancel pair.
class Schriftdialog final : public QDialog {
  Q_OBJECT
 public:
  explicit Schriftdialog(const TSchrift& start, QWidget* eltern = nullptr);

  TSchrift Schrift() const;  // what the dialog shows now
  void Farbe_setzen(TFarbe farbe);

  QPushButton* Farbknopf() const { return farbknopf_; }
  QFontDialog* Auswahl() const { return auswahl_; }
  QLineEdit* Vorschau() const { return vorschau_; }

 private:
  QFontDialog* Auswahl_anlegen();
  QLayout* Knopfzeile_anlegen();
  void Farbe_waehlen();

  TSchrift start_;
  TFarbe farbe_;
  QFontDialog* auswahl_ = nullptr;
  QPushButton* farbknopf_ = nullptr;
  QLineEdit* vorschau_ = nullptr;  // the chooser's own sample line, if it has one
};

class QtDialoge final : public QObject, public Dialoge {
  Q_OBJECT
 public:
  QtDialoge();
  ~QtDialoge() override;

  void Meldung(const std::string& text) override;
  bool Frage(const std::string& text) override;
  bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text) override;
  bool Farbe_waehlen(TFarbe& farbe) override;
  bool Schrift_waehlen(TSchrift& schrift) override;
  bool Speicherpfad_waehlen(const std::string& titel, const std::string& filter,
                            const std::string& endung, std::string& pfad) override;
  bool Oeffnungspfad_waehlen(const std::string& titel, const std::string& filter,
                             std::string& pfad) override;
  void Taste_abwarten() override;
  bool Abbruch_angefordert() override;
  void Abbruch_zuruecksetzen() override;
  void Fortschritt(const std::string& text, int prozent) override;
  void Piep() override;

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  bool escape_gedrueckt_ = false;
  bool abfrage_laeuft_ = false;  // inside the event round of Abbruch_angefordert
  QPointer<QProgressDialog> fortschritt_;
};

class QtAblage final : public Zwischenablage {
 public:
  void Text_setzen(const std::string& text) override;
  void Bild_setzen(const QImage& bild) override;
  std::string Text_holen() override;
  void Bild_und_SVG_setzen(const QImage& bild, const std::string& svg) override;
};
