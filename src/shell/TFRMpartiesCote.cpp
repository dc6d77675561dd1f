// The rating's row of "Mes parties": "Ma cote" in words, its chart game
// after game (the rating and its ±), and once the rating has learnt from
// enough games, the chances it predicted by tenths against how many of
// those draws the player found: whether the model fits this player.
#include <algorithm>
#include <memory>

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTreeWidget>
#include <QValueAxis>

#include "Fabrique.h"
#include "TFRMparties.h"
#include "midend/Jeu.h"

namespace tolvan {

namespace {

const QColor CouleurCote(0x3b, 0x6e, 0xa8);

}  // namespace

void TFRMparties::CreeCote() {
  LBcote = Etiquette(this, "LBcoteParties", {}, QRect(8, 300, 456, 22));
  LBcalibration = Etiquette(this, "LBcalibration", {}, QRect(470, 300, 282, 22));
  CHcote = new QChartView(new QChart, this);
  CHcote->setObjectName("CHcote");
  CHcote->setGeometry(8, 324, 456, 200);
  CHcote->setRenderHint(QPainter::Antialiasing);
  CHcote->setFocusPolicy(Qt::TabFocus);
  LVcalibration = ListeRapport(this, "LVcalibration", {{QString(), 110}, {QString(), 70}, {QString(), 80}},
                               QRect(470, 324, 282, 200));
  LVcalibration->setAccessibleName(QStringLiteral("ma cote dit vrai"));
  CHcote->setAccessibleName(QStringLiteral("ma cote au fil des parties"));
}

void TFRMparties::MontreCote() {
  const TextesMessages& t = jeu_.Textes();
  const MaCote& cote = jeu_.cote();
  const QString texte = TexteDeLaCote(jeu_.cote(), jeu_.Textes());
  LBcote->setText(texte);
  LBcote->setAccessibleName(texte);

  // The chart is replaced whole: an axis taken off leaves its labels behind.
  auto* graphique = new QChart;
  graphique->setAnimationOptions(QChart::NoAnimation);
  graphique->setMargins(QMargins(2, 2, 2, 2));
  graphique->legend()->hide();
  graphique->setTitle(t.MsgCoteDansLeTemps);
  auto* moyenne = new QLineSeries;
  // The band's edges are no series of the chart: it keeps them for the band.
  auto* haut = new QLineSeries(graphique);
  auto* bas = new QLineSeries(graphique);
  int numero = 0;
  for (const PointDeCote& point : cote.Evolution()) {
    ++numero;
    moyenne->append(numero, point.cote);
    haut->append(numero, std::min(5.0, point.cote + point.ecart));
    bas->append(numero, std::max(1.0, point.cote - point.ecart));
  }
  auto* bande = new QAreaSeries(haut, bas);
  bande->setColor(QColor(CouleurCote.red(), CouleurCote.green(), CouleurCote.blue(), 60));
  bande->setBorderColor(Qt::transparent);
  moyenne->setColor(CouleurCote);
  graphique->addSeries(bande);
  graphique->addSeries(moyenne);
  auto* axeParties = new QValueAxis;
  axeParties->setRange(1, std::max(2, numero));
  axeParties->setLabelFormat(QStringLiteral("%d"));
  axeParties->setTitleText(t.MsgCoteParties);
  auto* axeCote = new QValueAxis;
  axeCote->setRange(1, 5);
  axeCote->setTickCount(5);
  axeCote->setLabelFormat(QStringLiteral("%.0f"));
  graphique->addAxis(axeParties, Qt::AlignBottom);
  graphique->addAxis(axeCote, Qt::AlignLeft);
  for (QAbstractSeries* serie : std::initializer_list<QAbstractSeries*>{bande, moyenne}) {
    serie->attachAxis(axeParties);
    serie->attachAxis(axeCote);
  }
  std::unique_ptr<QChart> ancien(CHcote->chart());
  CHcote->setChart(graphique);
  CHcote->setAccessibleName(t.MsgCoteDansLeTemps);
  CHcote->setAccessibleDescription(
      cote.Evolution().empty()
          ? texte
          : QStringLiteral("%1 : %2 ; %3").arg(t.MsgCoteParties).arg(numero).arg(texte));

  // "Ma cote dit vrai ?": the tenths that held games, and how many were found.
  LBcalibration->setText(t.MsgCoteDitVrai);
  LVcalibration->clear();
  LVcalibration->setHeaderLabels({t.MsgCoteChance, t.MsgCoteParties, t.MsgCoteTrouvees});
  const int manque = PartiesPourLaCalibration - cote.Parties();
  LVcalibration->setAccessibleName(manque > 0 ? t.MsgCoteAttente.arg(manque) : t.MsgCoteDitVrai);
  LVcalibration->setToolTip(LVcalibration->accessibleName());
  if (manque > 0) {
    new QTreeWidgetItem(LVcalibration, {t.MsgCoteAttente.arg(manque)});
    LVcalibration->setFirstColumnSpanned(0, {}, true);
    return;
  }
  for (std::size_t dixieme = 0; dixieme < cote.Calibration().size(); ++dixieme) {
    const CaseDeCalibration& case_ = cote.Calibration()[dixieme];
    if (case_.parties == 0) continue;
    const QString tranche = QStringLiteral("%1–%2 %").arg(10 * dixieme).arg(10 * dixieme + 10);
    new QTreeWidgetItem(LVcalibration, {tranche, QString::number(case_.parties),
                                        TextePourcentage(static_cast<double>(case_.trouvees) / case_.parties)});
  }
}

}  // namespace tolvan
