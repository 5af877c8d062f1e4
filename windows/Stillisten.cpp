#include "windows/Stillisten.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "kos/U_KOS.h"

QImage Stilmuster(Stilart art, int i, int b, int h, bool fokussiert) {
  TBild bild(b > 0 ? b : 1, h > 0 ? h : 1);
  switch (art) {
    case Stilart::Linienart:
      Linienart_Eintrag_zeichnen(bild, 0, 0, b, h, i, fokussiert);
      break;
    case Stilart::Fuellmuster:
      Fuellmuster_Eintrag_zeichnen(bild, 0, 0, b, h, i, fokussiert);
      break;
    case Stilart::Punkteart:
      Punkteart_Eintrag_zeichnen(bild, 0, 0, b, h, i, fokussiert);
      break;
  }
  return bild.Bild();
}

Stilliste::Stilliste(Stilart art, QWidget* eltern) : QComboBox(eltern), art_(art) {
  setItemDelegate(new Stilmuster_Delegat(art, this));
}

void Stilliste::paintEvent(QPaintEvent*) {
  QStylePainter maler(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();  // the sample replaces the item text
  maler.drawComplexControl(QStyle::CC_ComboBox, option);
  QRect feld =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  if (currentIndex() >= 0 && feld.isValid())
    maler.drawImage(feld.topLeft(),
                    Stilmuster(art_, currentIndex(), feld.width(), feld.height(), false));
}

void Stilmuster_Delegat::paint(QPainter* maler, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  bool fokussiert = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
  QRect r = option.rect;
  maler->drawImage(r.topLeft(), Stilmuster(art_, index.row(), r.width(), r.height(), fokussiert));
}

QSize Stilmuster_Delegat::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  QSize s = QStyledItemDelegate::sizeHint(option, index);
  return QSize(s.width(), std::max(s.height(), 15));
}
