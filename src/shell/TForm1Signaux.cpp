// Which handler each control calls.
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "TForm1.h"

namespace tolvan {

void TForm1::ConnecteSignaux() {
  const std::initializer_list<std::pair<QPushButton*, void (TForm1::*)()>> boutons = {
      {Button1, &TForm1::Button1Click},
      {BTsonClick, &TForm1::BTsonClickClick},
      {BTsonRes, &TForm1::BTsonResClick},
      {BTsonErreur, &TForm1::BTsonErreurClick},
      {BTsonBack, &TForm1::BTsonBackClick},
      {BTsonnew, &TForm1::BTsonnewClick},
      {BTsonGagne, &TForm1::BTsonGagneClick},
      {BTsonLose, &TForm1::BTsonLoseClick},
      {BitBtn8, &TForm1::BitBtn8Click},
      {BitBtn9, &TForm1::BitBtn9Click},
      {BitBtn10, &TForm1::BitBtn10Click},
      {BitBtn11, &TForm1::BitBtn11Click},
      {BitBtn12, &TForm1::BitBtn12Click},
      {BitBtn13, &TForm1::BitBtn13Click},
      {BitBtn14, &TForm1::BitBtn14Click},
      {BTopenSon, &TForm1::BTopenSonClick},
      {BTsaveSon, &TForm1::BTsaveSonClick},
  };
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
  connect(CBsonTous, &QCheckBox::clicked, this, &TForm1::CBsonTousClick);

  for (QLabel* lien : {Label9, Label4, LbsiteTavrel, LBmailTavrel}) {
    lien->setCursor(Qt::PointingHandCursor);
    lien->installEventFilter(this);
  }
}

// The four links of the "A propos" page are plain labels that react to a click.
bool TForm1::eventFilter(QObject* objet, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (objet == Label9) Label9Click();
    if (objet == Label4) Label4Click();
    if (objet == LbsiteTavrel) LbsiteTavrelClick();
    if (objet == LBmailTavrel) LBmailTavrelClick();
  }
  return QWidget::eventFilter(objet, event);
}

}  // namespace tolvan
