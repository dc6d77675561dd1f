#include "Impression.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace tolvan {

namespace {

// A TAB moves on to the next stop, every eight characters, as a text
// printer lines the cells up.
void ImprimeLigne(QPainter& peintre, const QFontMetrics& mesures, int y, const QString& ligne) {
  const int tabulation = 8 * mesures.horizontalAdvance(QLatin1Char('0'));
  int x = 0;
  const QStringList cellules = ligne.split(QLatin1Char('\t'));
  for (qsizetype k = 0; k < cellules.size(); ++k) {
    peintre.drawText(x, y, cellules[k]);
    x += mesures.horizontalAdvance(cellules[k]);
    if (k + 1 < cellules.size()) x = (x / tabulation + 1) * tabulation;
  }
}

}  // namespace

Plateforme::Impression ImprimeLignes(QPrinter& imprimante, const QString& titreDocument, const QStringList& lignes) {
  imprimante.setDocName(titreDocument);
  QPainter peintre;
  if (!peintre.begin(&imprimante)) return Plateforme::Impression::DemarrageImpossible;
  const QFont police(QStringLiteral("DejaVu Sans Mono"), 9);
  peintre.setFont(police);
  const QFontMetrics mesures(police, &imprimante);
  const QRect page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
  int y = mesures.ascent();
  for (const QString& ligne : lignes) {
    const bool saut = ligne == QStringLiteral("\f");
    // A form feed at the top of a page already new asks for nothing.
    if (saut && y == mesures.ascent()) continue;
    if (saut || y + mesures.descent() > page.height()) {
      // Ending the page keeps what was printed; the rest is lost.
      if (!imprimante.newPage()) {
        peintre.end();
        return Plateforme::Impression::LigneImpossible;
      }
      y = mesures.ascent();
      if (saut) continue;
    }
    ImprimeLigne(peintre, mesures, y, ligne);
    y += mesures.lineSpacing();
  }
  return peintre.end() ? Plateforme::Impression::Faite : Plateforme::Impression::LigneImpossible;
}

}  // namespace tolvan
