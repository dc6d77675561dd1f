// A check box whose caption wraps onto a second line when it is too long for
// one, instead of being cut or shrunk below its neighbours' size.
#pragma once

#include <QCheckBox>

namespace tolvan {

class CaseAuTexteReplie : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // The whole box answers a click, caption included, on both its lines.
  bool hitButton(const QPoint& point) const override { return rect().contains(point); }

 private:
  QRect PlaceDuTexte() const;
};

}  // namespace tolvan
