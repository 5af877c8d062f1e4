#pragma once
// The window for triangle constructions and plane mappings of table points. It draws into the
// main window's picture; its controls come with the constructions and mappings.

#include "windows/Fensterbasis.h"

class TForm4 : public TFensterbasis {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* eltern = nullptr);
};

// The control table of the window.
std::span<const TSteuerelement> Steuerelement_Tabelle_Form4();
