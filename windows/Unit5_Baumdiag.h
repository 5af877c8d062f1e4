#pragma once
// The window for tree diagrams of Bernoulli chains. It draws into the main window's picture; for
// now it is an empty window that the main window can show.

#include <QWidget>

class TForm5 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* eltern = nullptr);
};
