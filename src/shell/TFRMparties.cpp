#include "TFRMparties.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QStandardItemModel>
#include <QTableView>
#include <QValueAxis>

#include "Accessibilite.h"
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
const std::array<std::pair<QString M::*, int>, 10> Colonnes = {{{&M::colonneFin, 105},
                                                              {&M::colonneMode, 85},
                                                              {&M::colonneAdversaire, 105},
                                                              {&M::colonneTirage, 140},
                                                              {&M::colonneTrouve, 45},
                                                              {&M::colonneTemps, 50},
                                                              {&M::colonneLignes, 45},
                                                              {&M::colonneIndices, 45},
                                                              {&M::colonnePoints, 45},
                                                              {&M::colonneDifficulte, 60}}};

// A chart drawn afresh each time: axes taken off a chart leave their old
// labels drawn under the new ones, so the chart itself is replaced.
QChart* GraphiqueNeuf(QChartView* vue) {
  auto* graphique = new QChart;
  graphique->setAnimationOptions(QChart::NoAnimation);
  graphique->setMargins(QMargins(2, 2, 2, 2));
  graphique->legend()->setAlignment(Qt::AlignBottom);
  std::unique_ptr<QChart> ancien(vue->chart());
  vue->setChart(graphique);
  return graphique;
}

QChartView* VueGraphique(QWidget* parent, const char* nom, QRect place, const QString& nomParle) {
  auto* vue = new QChartView(new QChart, parent);
  vue->setObjectName(QString::fromLatin1(nom));
  vue->setGeometry(place);
  vue->setRenderHint(QPainter::Antialiasing);
  vue->setAccessibleName(nomParle);
  vue->setFocusPolicy(Qt::TabFocus);
  GraphiqueNeuf(vue);
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
    case ModePartie::Duel:
    case ModePartie::DuelAutreJoueur: return textes.mesParties.duel;
    case ModePartie::Code: return textes.mesParties.code;
    case ModePartie::Entrainement: break;
  }
  return textes.mesParties.entrainement;
}

QList<QStandardItem*> Rangee(const PartieJouee& p, const TextesMessages& textes) {
  QStringList nombres;
  for (const int n : p.nombres) nombres.append(QString::number(n));
  const QString tirage = nombres.join(QLatin1Char(' ')) + QStringLiteral(" → ") + QString::number(p.resultat);
  const QString fin = p.fin.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  const QString rejouee = QLatin1Char(' ') + QString::fromStdString(textes.partage.rejouee);
  const QString mode = TexteDuMode(p.mode, textes) + (p.rejouee ? rejouee : QString());
  // Whom a duel's go was played against, or the code a draw came from.
  const QString contre = p.code.isEmpty() ? p.adversaire : p.code;
  return {Case(fin, p.fin.toMSecsSinceEpoch()),
          Case(mode, mode),
          Case(contre, contre),
          Case(tirage, p.resultat),
          Case(p.trouve ? textes.mesParties.oui : textes.mesParties.non, int{p.trouve}),
          // A game without a clock has no time to show.
          Case(p.secondes == SansTemps ? QString() : QString::fromStdString(DureeLisible(p.secondes)), p.secondes),
          CaseNombre(p.lignes),
          CaseNombre(p.indices),
          CaseNombre(p.points),
          CaseNombre(p.difficulte)};
}

QString Jours(int n, const TextesMessages& textes) {
  return TexteCompte(n, textes.mesParties.unJour, textes.mesParties.desJours, textes);
}

}  // namespace

TFRMparties::TFRMparties(Jeu& jeu, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), jeu_(jeu) {
  setObjectName("FRMparties");
  setFixedSize(760, 820);
  LBparties = Etiquette(this, "LBparties", {}, QRect(8, 8, 170, 22));
  LBtrouvees = Etiquette(this, "LBtrouvees", {}, QRect(180, 8, 170, 22));
  LBserie = Etiquette(this, "LBserie", {}, QRect(352, 8, 200, 22));
  LBmeilleure = Etiquette(this, "LBmeilleure", {}, QRect(554, 8, 198, 22));
  LBerreur = Etiquette(this, "LBerreur", {}, QRect(8, 8, 744, 22));
  LBerreur->setStyleSheet(QStringLiteral("color: #a02020;"));
  LBerreur->setTextInteractionFlags(Qt::TextSelectableByMouse);
  CHjours = VueGraphique(this, "CHjours", QRect(8, 34, 456, 260), QStringLiteral("parties des 30 derniers jours"));
  CHmedianes =
      VueGraphique(this, "CHmedianes", QRect(470, 34, 282, 260), QStringLiteral("temps médian par difficulté"));
  modele_ = new QStandardItemModel(this);
  modele_->setSortRole(Qt::UserRole);
  // Their captions come with the language, each time the window is shown.
  modele_->setColumnCount(static_cast<int>(Colonnes.size()));
  LVparties = new QTableView(this);
  LVparties->setObjectName("LVparties");
  LVparties->setGeometry(8, 532, 744, 242);
  LVparties->setModel(modele_);
  LVparties->setAccessibleName(QStringLiteral("dernières parties"));
  LVparties->setSortingEnabled(true);
  LVparties->setSelectionBehavior(QAbstractItemView::SelectRows);
  LVparties->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LVparties->verticalHeader()->hide();
  LVparties->verticalHeader()->setDefaultSectionSize(20);
  // Like the game's other lists: Tab leaves it, and a screen reader reads it as a table.
  ExposeCommeTableau(LVparties);
  for (int c = 0; c < static_cast<int>(Colonnes.size()); ++c) {
    LVparties->setColumnWidth(c, Colonnes[static_cast<std::size_t>(c)].second);
  }
  LVparties->horizontalHeader()->setStretchLastSection(true);
  BTexporte = Bouton(this, "BTexporte", {}, QRect(8, 782, 150, 28),
                     QStringLiteral("Toutes les parties dans un fichier pour un tableur"));
  BTferme = Bouton(this, "BTferme", {}, QRect(652, 782, 100, 28));
  LBavis = Etiquette(this, "LBavis", {}, QRect(166, 782, 480, 28));
  CreeCote();
  connect(BTexporte, &QPushButton::clicked, this, &TFRMparties::BTexporteClick);
  connect(BTferme, &QPushButton::clicked, this, &QDialog::accept);
  MontreTextes();
}

TFRMparties::~TFRMparties() = default;

void TFRMparties::Montre(const BilanParties& bilan, const std::vector<PartieJouee>& dernieres,
                         const QString& erreurListe) {
  MontreTextes();
  MontreChiffres(bilan, bilan.erreur.isEmpty() ? erreurListe : bilan.erreur);
  MontreJours(bilan);
  MontreMedianes(bilan);
  MontreCote();
  MontreListe(dernieres);
  const QString attente = bilan.enAttente == 0 ? QString()
                          : bilan.enAttente == 1
                              ? QStringLiteral("1 partie attend d'être enregistrée dans l'historique.")
                              : QStringLiteral("%1 parties attendent d'être enregistrées dans l'historique.")
                                    .arg(bilan.enAttente);
  LBavis->setText(attente);
  LBavis->setAccessibleName(attente.isEmpty() ? QStringLiteral("avis") : attente);
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

void TFRMparties::BTexporteClick() {
  const std::optional<QString> fichier = jeu_.ExporteHistorique();
  if (!fichier) return;
  const QString avis = QStringLiteral("Parties exportées dans %1").arg(QFileInfo(*fichier).fileName());
  LBavis->setText(avis);
  LBavis->setAccessibleName(avis);
}

void TFRMparties::MontreChiffres(const BilanParties& bilan, const QString& erreur) {
  const MotsMesParties& mots = jeu_.Textes().mesParties;
  // What can't be read is said, never shown as an empty history.
  LBerreur->setText(QStringLiteral("L'historique des parties ne peut pas être lu : %1").arg(erreur));
  LBerreur->setVisible(!erreur.isEmpty());
  for (QLabel* chiffre : {LBparties, LBtrouvees, LBserie, LBmeilleure}) chiffre->setVisible(erreur.isEmpty());
  const int part = bilan.parties == 0 ? 0 : static_cast<int>(std::lround(100.0 * bilan.trouvees / bilan.parties));
  LBparties->setText(mots.parties.arg(bilan.parties));
  LBtrouvees->setText(mots.trouvees.arg(part));
  LBserie->setText(mots.serieEnCours.arg(Jours(bilan.series.actuelle, jeu_.Textes())));
  LBmeilleure->setText(mots.meilleureSerie.arg(Jours(bilan.series.meilleure, jeu_.Textes())));
  LBserie->setToolTip(QStringLiteral("Jours de suite avec le tirage du jour trouvé du premier coup"));
}

void TFRMparties::MontreJours(const BilanParties& bilan) {
  const MotsMesParties& mots = jeu_.Textes().mesParties;
  QChart* graphique = GraphiqueNeuf(CHjours);
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
  // A history that could not be read has no days to name.
  for (int i = 0; i < std::min<int>(JoursRecents, static_cast<int>(jours.size())); ++i) {
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
  QChart* graphique = GraphiqueNeuf(CHmedianes);
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
  // The latest first until the player sorts otherwise, from the top.
  LVparties->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
  LVparties->scrollToTop();
  if (modele_->rowCount() > 0) LVparties->setCurrentIndex(modele_->index(0, 0));
}

}  // namespace tolvan
