#include "TFRMparties.h"

#include <algorithm>
#include <cmath>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QStandardItemModel>
#include <QTableView>
#include <QValueAxis>

#include "Fabrique.h"
#include "game/LigneDePartage.h"
#include "midend/Jeu.h"

namespace tolvan {

namespace {

const QColor Trouvees(0x3a, 0x7d, 0x44);
const QColor Ratees(0xc0, 0x50, 0x4d);
const QColor Medianes(0x3b, 0x6e, 0xa8);

// The list's columns: caption and width.
using M = MotsMesParties;
const std::array<std::pair<QString M::*, int>, 9> Colonnes = {{{&M::colonneFin, 120},
                                                             {&M::colonneMode, 90},
                                                             {&M::colonneTirage, 170},
                                                             {&M::colonneTrouve, 55},
                                                             {&M::colonneTemps, 60},
                                                             {&M::colonneLignes, 50},
                                                             {&M::colonneIndices, 50},
                                                             {&M::colonnePoints, 50},
                                                             {&M::colonneDifficulte, 65}}};

QChartView* VueGraphique(QWidget* parent, const char* nom, QRect place, const QString& nomParle) {
  auto* vue = new QChartView(new QChart, parent);
  vue->setObjectName(QString::fromLatin1(nom));
  vue->setGeometry(place);
  vue->setRenderHint(QPainter::Antialiasing);
  vue->setAccessibleName(nomParle);
  vue->setFocusPolicy(Qt::TabFocus);
  QChart* graphique = vue->chart();
  graphique->setAnimationOptions(QChart::NoAnimation);
  graphique->setMargins(QMargins(2, 2, 2, 2));
  graphique->legend()->setAlignment(Qt::AlignBottom);
  return vue;
}

// An axis of whole numbers from 0, with a few ticks whatever the largest.
QValueAxis* AxeDesNombres(double maximum, const QString& titre) {
  auto* axe = new QValueAxis;
  const double haut = std::max(1.0, maximum);
  const double pas = std::max(1.0, std::ceil(haut / 5));
  axe->setRange(0, pas * std::ceil(haut / pas));
  axe->setTickType(QValueAxis::TicksDynamic);
  axe->setTickAnchor(0);
  axe->setTickInterval(pas);
  axe->setLabelFormat(QStringLiteral("%d"));
  axe->setTitleText(titre);
  return axe;
}

void Vide(QChart* graphique) {
  graphique->removeAllSeries();
  for (QAbstractAxis* axe : graphique->axes()) {
    graphique->removeAxis(axe);
    delete axe;
  }
}

QStandardItem* Case(const QString& texte, const QVariant& ordre) {
  auto* item = new QStandardItem(texte);
  item->setData(ordre, Qt::UserRole);
  item->setEditable(false);
  return item;
}

QStandardItem* CaseNombre(int n) {
  QStandardItem* item = Case(QString::number(n), n);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

QString TexteDuMode(ModePartie mode, const TextesMessages& textes) {
  switch (mode) {
    case ModePartie::Jour: return textes.mesParties.jour;
    case ModePartie::Competition: return textes.mesParties.competition;
    default: return textes.mesParties.entrainement;
  }
}

QList<QStandardItem*> Rangee(const PartieJouee& p, const TextesMessages& textes) {
  QStringList nombres;
  for (const int n : p.nombres) nombres.append(QString::number(n));
  const QString tirage = nombres.join(QLatin1Char(' ')) + QStringLiteral(" → ") + QString::number(p.resultat);
  const QString fin = p.fin.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  const QString rejouee = QLatin1Char(' ') + QString::fromStdString(textes.partage.rejouee);
  const QString mode = TexteDuMode(p.mode, textes) + (p.rejouee ? rejouee : QString());
  return {Case(fin, p.fin.toMSecsSinceEpoch()),
          Case(mode, mode),
          Case(tirage, p.resultat),
          Case(p.trouve ? textes.mesParties.oui : textes.mesParties.non, int{p.trouve}),
          // A game without a clock has no time to show.
          Case(p.secondes == SansTemps ? QString() : QString::fromStdString(DureeLisible(p.secondes)), p.secondes),
          CaseNombre(p.lignes),
          CaseNombre(p.indices),
          CaseNombre(p.points),
          CaseNombre(p.difficulte)};
}

QString Jours(int n, const MotsMesParties& mots) { return (n > 1 ? mots.desJours : mots.unJour).arg(n); }

}  // namespace

TFRMparties::TFRMparties(Jeu& jeu, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), jeu_(jeu) {
  setObjectName("FRMparties");
  setFixedSize(760, 590);
  LBparties = Etiquette(this, "LBparties", {}, QRect(8, 8, 170, 22));
  LBtrouvees = Etiquette(this, "LBtrouvees", {}, QRect(180, 8, 170, 22));
  LBserie = Etiquette(this, "LBserie", {}, QRect(352, 8, 200, 22));
  LBmeilleure = Etiquette(this, "LBmeilleure", {}, QRect(554, 8, 198, 22));
  CHjours = VueGraphique(this, "CHjours", QRect(8, 34, 456, 260), QStringLiteral("parties des 30 derniers jours"));
  CHmedianes =
      VueGraphique(this, "CHmedianes", QRect(470, 34, 282, 260), QStringLiteral("temps médian par difficulté"));
  modele_ = new QStandardItemModel(this);
  modele_->setSortRole(Qt::UserRole);
  // Their captions come with the language, each time the window is shown.
  modele_->setColumnCount(static_cast<int>(Colonnes.size()));
  LVparties = new QTableView(this);
  LVparties->setObjectName("LVparties");
  LVparties->setGeometry(8, 302, 744, 242);
  LVparties->setModel(modele_);
  LVparties->setAccessibleName(QStringLiteral("dernières parties"));
  LVparties->setSortingEnabled(true);
  LVparties->setSelectionBehavior(QAbstractItemView::SelectRows);
  LVparties->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LVparties->verticalHeader()->hide();
  LVparties->verticalHeader()->setDefaultSectionSize(20);
  for (int c = 0; c < static_cast<int>(Colonnes.size()); ++c) {
    LVparties->setColumnWidth(c, Colonnes[static_cast<std::size_t>(c)].second);
  }
  LVparties->horizontalHeader()->setStretchLastSection(true);
  BTexporte = Bouton(this, "BTexporte", {}, QRect(8, 552, 150, 28),
                     QStringLiteral("Toutes les parties dans un fichier pour un tableur"));
  BTferme = Bouton(this, "BTferme", {}, QRect(652, 552, 100, 28));
  connect(BTexporte, &QPushButton::clicked, this, &TFRMparties::BTexporteClick);
  connect(BTferme, &QPushButton::clicked, this, &QDialog::accept);
  MontreTextes();
}

TFRMparties::~TFRMparties() = default;

void TFRMparties::Montre(const BilanParties& bilan, const std::vector<PartieJouee>& dernieres) {
  MontreTextes();
  MontreChiffres(bilan);
  MontreJours(bilan);
  MontreMedianes(bilan);
  MontreListe(dernieres);
}

void TFRMparties::MontreTextes() {
  const TextesMessages& textes = jeu_.Textes();
  setWindowTitle(textes.MsgMesParties);
  QStringList titres;
  for (const auto& [titre, largeur] : Colonnes) titres.append(textes.mesParties.*titre);
  modele_->setHorizontalHeaderLabels(titres);
  BTexporte->setText(textes.mesParties.exporter);
  BTferme->setText(textes.mesParties.fermer);
}

void TFRMparties::BTexporteClick() { jeu_.ExporteHistorique(); }

void TFRMparties::MontreChiffres(const BilanParties& bilan) {
  const MotsMesParties& mots = jeu_.Textes().mesParties;
  const int part = bilan.parties == 0 ? 0 : static_cast<int>(std::lround(100.0 * bilan.trouvees / bilan.parties));
  LBparties->setText(mots.parties.arg(bilan.parties));
  LBtrouvees->setText(mots.trouvees.arg(part));
  LBserie->setText(mots.serieEnCours.arg(Jours(bilan.series.actuelle, mots)));
  LBmeilleure->setText(mots.meilleureSerie.arg(Jours(bilan.series.meilleure, mots)));
  LBserie->setToolTip(QStringLiteral("Jours de suite avec le tirage du jour trouvé du premier coup"));
}

void TFRMparties::MontreJours(const BilanParties& bilan) {
  const MotsMesParties& mots = jeu_.Textes().mesParties;
  QChart* graphique = CHjours->chart();
  Vide(graphique);
  graphique->setTitle(mots.trenteJours);
  auto* trouvees = new QBarSet(mots.barreTrouvees);
  auto* ratees = new QBarSet(mots.barrePasTrouvees);
  trouvees->setColor(Trouvees);
  ratees->setColor(Ratees);
  QStringList jours;
  QStringList description;
  int maximum = 0;
  for (const JourDeParties& jour : bilan.derniersJours) {
    trouvees->append(jour.trouvees);
    ratees->append(jour.ratees);
    jours.append(jour.jour.toString(QStringLiteral("dd/MM")));
    maximum = std::max(maximum, jour.trouvees + jour.ratees);
    if (jour.trouvees + jour.ratees > 0) {
      description.append(QStringLiteral("%1 : %2 trouvées, %3 pas trouvées")
                             .arg(jour.jour.toString(QStringLiteral("dd/MM")))
                             .arg(jour.trouvees)
                             .arg(jour.ratees));
    }
  }
  auto* series = new QStackedBarSeries;
  series->append(trouvees);
  series->append(ratees);
  series->setBarWidth(0.8);
  graphique->addSeries(series);
  // Thirty days are too many to name each: a date every week, back from today.
  auto* axeJours = new QCategoryAxis;
  axeJours->setRange(-0.5, JoursRecents - 0.5);
  axeJours->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  for (int i = 0; i < JoursRecents; ++i) {
    if ((JoursRecents - 1 - i) % 7 == 0) axeJours->append(jours[i], i);
  }
  axeJours->setGridLineVisible(false);
  graphique->addAxis(axeJours, Qt::AlignBottom);
  series->attachAxis(axeJours);
  QValueAxis* axeParties = AxeDesNombres(maximum, mots.axeParties);
  graphique->addAxis(axeParties, Qt::AlignLeft);
  series->attachAxis(axeParties);
  CHjours->setAccessibleDescription(description.isEmpty() ? QStringLiteral("aucune partie") : description.join(QStringLiteral(" ; ")));
}

void TFRMparties::MontreMedianes(const BilanParties& bilan) {
  const MotsMesParties& mots = jeu_.Textes().mesParties;
  QChart* graphique = CHmedianes->chart();
  Vide(graphique);
  graphique->setTitle(mots.tempsMedian);
  auto* medianes = new QBarSet(mots.secondes);
  medianes->setColor(Medianes);
  QStringList marques;
  QStringList description;
  double maximum = 0;
  for (int m = 0; m < MarquesTrouvables; ++m) {
    // Whole seconds, as the clock shows them.
    std::optional<double> mediane = bilan.medianes[static_cast<std::size_t>(m)];
    if (mediane) mediane = std::round(*mediane);
    medianes->append(mediane.value_or(0));
    marques.append(QString::number(m + 1));
    maximum = std::max(maximum, mediane.value_or(0));
    description.append(mediane ? QStringLiteral("difficulté %1 : %2 s").arg(m + 1).arg(*mediane)
                               : QStringLiteral("difficulté %1 : aucune").arg(m + 1));
  }
  auto* series = new QBarSeries;
  series->append(medianes);
  series->setLabelsVisible(true);
  series->setLabelsFormat(QStringLiteral("@value"));
  graphique->addSeries(series);
  auto* axeMarques = new QBarCategoryAxis;
  axeMarques->append(marques);
  axeMarques->setTitleText(mots.axeDifficulte);
  graphique->addAxis(axeMarques, Qt::AlignBottom);
  series->attachAxis(axeMarques);
  QValueAxis* axeSecondes = AxeDesNombres(maximum * 1.15, mots.secondes);
  graphique->addAxis(axeSecondes, Qt::AlignLeft);
  series->attachAxis(axeSecondes);
  graphique->legend()->hide();
  CHmedianes->setAccessibleDescription(description.join(QStringLiteral(" ; ")));
}

void TFRMparties::MontreListe(const std::vector<PartieJouee>& dernieres) {
  modele_->removeRows(0, modele_->rowCount());
  for (const PartieJouee& partie : dernieres) modele_->appendRow(Rangee(partie, jeu_.Textes()));
  // The latest first until the player sorts otherwise.
  LVparties->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
}

}  // namespace tolvan
