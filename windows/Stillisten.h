#pragma once
// The owner-drawn style lists: line kinds, fill patterns and point symbols show a drawn sample
// instead of their item text, in the list and in the closed box. The samples come from the
// coordinate-system unit, so the lists show exactly what the picture will get.

#include <QComboBox>
#include <QStyledItemDelegate>

enum class Stilart { Linienart, Fuellmuster, Punkteart };

// The sample of item i, item box size b x h, as it is drawn in the list.
QImage Stilmuster(Stilart art, int i, int b, int h, bool fokussiert);

class Stilliste : public QComboBox {
  Q_OBJECT
 public:
  Stilliste(Stilart art, QWidget* eltern = nullptr);
  Stilart Art() const { return art_; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  Stilart art_;
};

class Stilmuster_Delegat : public QStyledItemDelegate {
 public:
  Stilmuster_Delegat(Stilart art, QObject* eltern) : QStyledItemDelegate(eltern), art_(art) {}
  void paint(QPainter* maler, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  Stilart art_;
};
