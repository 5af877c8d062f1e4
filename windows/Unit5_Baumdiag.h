#pragma once
// The window for tree diagrams of Bernoulli chains. It draws into the main window's picture; its
// controls come with the tree diagrams.

#include "windows/Fensterbasis.h"

class TForm5 : public TFensterbasis {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* eltern = nullptr);
};

// The control table of the window.
std::span<const TSteuerelement> Steuerelement_Tabelle_Form5();
