// "Mes parties": the player's history at a glance. Counts and runs of days
// at the top, two charts (the games of the last 30 days, found and not;
// the median time to find a draw by its difficulty mark), the player's
// rating with its chart over the games and, once it has enough games, its
// chances against what the player did ("Ma cote dit vrai ?"), the last
// games in a list sorted by any column, and "Exporter en CSV". It only shows what the
// game reads from its history.
#pragma once

#include <vector>

#include <QDialog>

#include "midend/BilanParties.h"
#include "midend/PartieJouee.h"

class QChartView;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTreeWidget;

namespace tolvan {

class Jeu;

class TFRMparties : public QDialog {
 public:
  TFRMparties(Jeu& jeu, QWidget* parent = nullptr);
  ~TFRMparties() override;

  // What the history holds now, drawn afresh, the list from its top;
  // `erreurListe` says why the last games could not be read.
  void Montre(const BilanParties& bilan, const std::vector<PartieJouee>& dernieres, const QString& erreurListe = {});
  // "Exporter en CSV".
  void BTexporteClick();

  QLabel *LBparties = nullptr, *LBtrouvees = nullptr, *LBserie = nullptr, *LBmeilleure = nullptr;
  // Why the history can't be read, in place of the figures.
  QLabel* LBerreur = nullptr;
  // A short line beside the buttons: games waiting to be written, an export done.
  QLabel* LBavis = nullptr;
  QChartView *CHjours = nullptr, *CHmedianes = nullptr;
  QTableView* LVparties = nullptr;
  // "Ma cote": its words, its chart over the games, and "Ma cote dit vrai ?".
  QLabel *LBcote = nullptr, *LBcalibration = nullptr;
  QChartView* CHcote = nullptr;
  QTreeWidget* LVcalibration = nullptr;
  QPushButton *BTexporte = nullptr, *BTferme = nullptr;

 private:
  // The window's captions, in the language of the game's texts.
  void MontreTextes();
  void MontreChiffres(const BilanParties& bilan, const QString& erreur);
  void MontreJours(const BilanParties& bilan);
  void MontreMedianes(const BilanParties& bilan);
  void MontreListe(const std::vector<PartieJouee>& dernieres);
  // The rating's row (TFRMpartiesCote.cpp).
  void CreeCote();
  void MontreCote();

  Jeu& jeu_;
  QStandardItemModel* modele_ = nullptr;
};

}  // namespace tolvan
