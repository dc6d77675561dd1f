#include "CaseRepliee.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tolvan {

QRect CaseAuTexteReplie::PlaceDuTexte() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect indicateur = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  const int gauche = indicateur.right() + 1 + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
  return QRect(gauche, 0, width() - gauche, height());
}

void CaseAuTexteReplie::paintEvent(QPaintEvent*) {
  QStylePainter peintre(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  // The box itself as the style draws it, centred on the caption's lines.
  QStyleOptionButton boite = option;
  boite.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  boite.rect.moveTop((height() - boite.rect.height()) / 2);
  peintre.drawPrimitive(QStyle::PE_IndicatorCheckBox, boite);
  const QRect texte = PlaceDuTexte();
  peintre.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  peintre.drawText(texte, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = peintre.boundingRect(texte, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text()).adjusted(-1, 0, 1, 0);
    peintre.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace tolvan
