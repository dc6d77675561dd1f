#include "ListeTirages.h"

#include <algorithm>
#include <stdexcept>

namespace tolvan {

namespace {

const std::array<QString, NbCellules> TitresColonnes = {
    QStringLiteral("Résultat"), QStringLiteral("nb1"),   QStringLiteral("nb2"),    QStringLiteral("nb3"),
    QStringLiteral("nb4"),      QStringLiteral("nb5"),   QStringLiteral("nb6"),    QStringLiteral("nb Sol"),
    QStringLiteral("etape"),    QStringLiteral("Trouvé"), QStringLiteral("Solution")};

// Targets compare as text, character by character: "1000" before "101".
bool AvantParCible(const std::string& a, const std::string& b) { return a < b; }

}  // namespace

ListeTirages::ListeTirages(QObject* parent) : QAbstractTableModel(parent) {}

const RangeeTirage& ListeTirages::Rangee(int ligne) const {
  if (ligne < 0 || ligne >= NbLignes()) throw std::out_of_range("no row " + std::to_string(ligne));
  return entrees_[static_cast<std::size_t>(ligne)].rangee;
}

std::vector<RangeeTirage> ListeTirages::Rangees() const {
  std::vector<RangeeTirage> rangees;
  rangees.reserve(entrees_.size());
  for (const Entree& entree : entrees_) rangees.push_back(entree.rangee);
  return rangees;
}

int ListeTirages::Ajoute(RangeeTirage rangee) { return Insere(std::move(rangee), true); }

int ListeTirages::AjouteLue(RangeeTirage rangee) { return Insere(std::move(rangee), false); }

int ListeTirages::Insere(RangeeTirage rangee, bool changee) {
  if (EstPleine()) return -1;
  auto place = entrees_.end();
  if (classee_) {
    place = std::upper_bound(entrees_.begin(), entrees_.end(), rangee.cellules[CelluleResultat],
                             [](const std::string& cible, const Entree& e) {
                               return AvantParCible(cible, e.rangee.cellules[CelluleResultat]);
                             });
  }
  const int ligne = static_cast<int>(place - entrees_.begin());
  beginInsertRows({}, ligne, ligne);
  entrees_.insert(place, Entree{std::move(rangee), prochaineIdentite_++, changee});
  endInsertRows();
  return ligne;
}

void ListeTirages::EcritSolution(int ligne, word nbSolutions, word nbEtapesMin, const std::string& texteSimple) {
  if (ligne < 0 || ligne >= NbLignes()) return;
  Entree& entree = entrees_[static_cast<std::size_t>(ligne)];
  const auto avant = entree.rangee.cellules;
  tolvan::EcritSolution(entree.rangee, nbSolutions, nbEtapesMin, texteSimple);
  entree.changee = entree.changee || entree.rangee.cellules != avant;
  emit dataChanged(index(ligne, CelluleNbSol), index(ligne, CelluleSolution), {Qt::DisplayRole});
}

void ListeTirages::CocheLigne(int ligne) {
  if (ligne < 0 || ligne >= NbLignes()) return;
  entrees_[static_cast<std::size_t>(ligne)].rangee.cochee = true;
  MontreCellule(ligne, CelluleResultat, Qt::CheckStateRole);
}

bool ListeTirages::ChangeeDepuisSauvegarde() const {
  return std::any_of(entrees_.begin(), entrees_.end(), [](const Entree& e) { return e.changee; });
}

void ListeTirages::MarqueSauvee() {
  for (Entree& entree : entrees_) entree.changee = false;
}

bool ListeTirages::EstCochee(int ligne) const { return ligne >= 0 && ligne < NbLignes() && Rangee(ligne).cochee; }

void ListeTirages::DefinitLigneCourante(int ligne) {
  identiteCourante_ = (ligne >= 0 && ligne < NbLignes()) ? entrees_[static_cast<std::size_t>(ligne)].identite : 0;
}

int ListeTirages::LigneCourante() const { return IndexDe(identiteCourante_); }

void ListeTirages::MarqueTrouve() {
  const int ligne = LigneCourante();
  if (ligne < 0) return;
  Entree& entree = entrees_[static_cast<std::size_t>(ligne)];
  entree.changee = entree.changee || entree.rangee.cellules[CelluleTrouve] != Trouve;
  entree.rangee.cellules[CelluleTrouve] = Trouve;
  MontreCellule(ligne, CelluleTrouve, Qt::DisplayRole);
}

void ListeTirages::Efface(QList<int> lignes) {
  std::vector<bool> effacee(entrees_.size(), false);
  int nombre = 0;
  for (int ligne : lignes) {
    if (ligne < 0 || ligne >= NbLignes() || effacee[static_cast<std::size_t>(ligne)]) continue;
    effacee[static_cast<std::size_t>(ligne)] = true;
    ++nombre;
  }
  if (nombre == 0) return;
  // One pass over the rows, however scattered the ones to delete: the view
  // starts afresh from the rows that stay.
  beginResetModel();
  std::vector<Entree> restantes;
  restantes.reserve(entrees_.size() - static_cast<std::size_t>(nombre));
  for (std::size_t i = 0; i < entrees_.size(); ++i) {
    if (!effacee[i]) restantes.push_back(std::move(entrees_[i]));
  }
  entrees_ = std::move(restantes);
  endResetModel();
}

void ListeTirages::EffaceTout() {
  beginResetModel();
  entrees_.clear();
  endResetModel();
}

void ListeTirages::Classe(bool actif) {
  classee_ = actif;
  if (!actif) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList avant = persistentIndexList();
  std::vector<quint64> identites;
  for (const QModelIndex& ancien : avant) identites.push_back(entrees_[static_cast<std::size_t>(ancien.row())].identite);
  std::stable_sort(entrees_.begin(), entrees_.end(), [](const Entree& a, const Entree& b) {
    return AvantParCible(a.rangee.cellules[CelluleResultat], b.rangee.cellules[CelluleResultat]);
  });
  QModelIndexList apres;
  for (qsizetype i = 0; i < avant.size(); ++i) {
    apres.append(index(IndexDe(identites[static_cast<std::size_t>(i)]), avant[i].column()));
  }
  changePersistentIndexList(avant, apres);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ListeTirages::IndexDe(quint64 identite) const {
  if (identite == 0) return -1;
  const auto trouvee =
      std::find_if(entrees_.begin(), entrees_.end(), [identite](const Entree& e) { return e.identite == identite; });
  return trouvee == entrees_.end() ? -1 : static_cast<int>(trouvee - entrees_.begin());
}

void ListeTirages::MontreCellule(int ligne, int colonne, int role) {
  const QModelIndex cellule = index(ligne, colonne);
  emit dataChanged(cellule, cellule, {role});
}

int ListeTirages::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NbLignes(); }

int ListeTirages::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : NbCellules; }

QVariant ListeTirages::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= NbLignes()) return {};
  const RangeeTirage& rangee = Rangee(index.row());
  if (role == Qt::DisplayRole) return QString::fromStdString(rangee.cellules[static_cast<std::size_t>(index.column())]);
  if (role == Qt::CheckStateRole && index.column() == CelluleResultat) {
    return rangee.cochee ? Qt::Checked : Qt::Unchecked;
  }
  return {};
}

bool ListeTirages::setData(const QModelIndex& index, const QVariant& valeur, int role) {
  if (!index.isValid() || role != Qt::CheckStateRole || index.column() != CelluleResultat) return false;
  entrees_[static_cast<std::size_t>(index.row())].rangee.cochee = valeur.toInt() == Qt::Checked;
  emit dataChanged(index, index, {role});
  return true;
}

QVariant ListeTirages::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= NbCellules) return {};
  return TitresColonnes[static_cast<std::size_t>(section)];
}

Qt::ItemFlags ListeTirages::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags drapeaux = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
  if (index.column() == CelluleResultat) drapeaux |= Qt::ItemIsUserCheckable;
  return drapeaux;
}

}  // namespace tolvan
