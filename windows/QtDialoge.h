#pragma once
// The Qt providers of the dialog and clipboard seams.

#include <QObject>
#include <QPointer>
#include <QProgressDialog>

#include "platform/Dialoge.h"

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
  void Taste_abwarten() override;
  bool Abbruch_angefordert() override;
  void Fortschritt(const std::string& text, int prozent) override;
  void Piep() override;

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  bool escape_gedrueckt_ = false;
  QPointer<QProgressDialog> fortschritt_;
};

class QtAblage final : public Zwischenablage {
 public:
  void Text_setzen(const std::string& text) override;
  void Bild_setzen(const QImage& bild) override;
};
