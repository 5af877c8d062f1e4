#pragma once
// The window for triangle constructions and plane mappings of table points. It draws into the
// main window's picture; for now it is an empty window that the main window can show.

#include <QWidget>

class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* eltern = nullptr);
};
