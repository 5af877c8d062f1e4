#pragma once
// The window with the built-in operating instructions. It holds no logic: the text is fixed when
// the program is built and only shown.

#include <QPlainTextEdit>
#include <QWidget>

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

  // The instructions, read-only, in a fixed-width font so that the tables in the text line up.
  QPlainTextEdit* Memo1_Bedienung = nullptr;

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  // The frame size is known only once the window is shown; centre it then, and only once, so
  // that a window the user has moved stays where it was put.
  void Zentrieren();
  bool zentriert_ = false;
};

// The instructions as stored in the program, one entry per line.
QString Bedienungshinweise_Text();
