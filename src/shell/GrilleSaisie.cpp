#include "GrilleSaisie.h"

#include <functional>

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "Accessibilite.h"
#include "midend/Arbitrage.h"

namespace tolvan {

namespace {

const QColor Impossible(0xb0, 0x00, 0x20);
const QColor Exact(0x2e, 0x7d, 0x32);
constexpr int LargeurNom = 150;
constexpr int LargeurResultat = 64;

// Each cell's field is named as it opens.
class ChampsNommes : public QStyledItemDelegate {
 public:
  ChampsNommes(std::function<QString(const QModelIndex&)> nommer, QObject* parent)
      : QStyledItemDelegate(parent), nommer_(std::move(nommer)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* champ = QStyledItemDelegate::createEditor(parent, option, index);
    // Filled before it takes the keyboard: told then, not before, or a
    // screen reader takes it as already there and says nothing.
    NommeSansAnnonce(champ);
    champ->setAccessibleName(nommer_(index));
    return champ;
  }

 private:
  std::function<QString(const QModelIndex&)> nommer_;
};

}  // namespace

GrilleSaisie::GrilleSaisie(Arbitrage& arbitrage, const TextesMessages& textes, QWidget* parent)
    : QTableWidget(parent), arbitrage_(arbitrage), textes_(textes) {
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Rows numbered as the desk's refusals name them ("saisie, ligne 2").
  verticalHeader()->setDefaultSectionSize(24);
  ExposeCommeTableau(this);
  auto* champs = new ChampsNommes([this](const QModelIndex& index) { return NomDuChamp(index.row(), index.column()); }, this);
  setItemDelegate(champs);
  // Enter, Escape or a click elsewhere end the typing: the cell itself says
  // the check as it takes the keyboard back, not the next field.
  connect(champs, &QAbstractItemDelegate::closeEditor, this, [this](QWidget*, QAbstractItemDelegate::EndEditHint fin) {
    if (fin != QAbstractItemDelegate::EditNextItem && fin != QAbstractItemDelegate::EditPreviousItem) aDire_ = false;
  });
  connect(this, &QTableWidget::itemChanged, this, &GrilleSaisie::CelluleTapee);
}

void GrilleSaisie::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  // Back from a cell's field with Enter: the check first, then the row
  // (ExposeCommeTableau describes it as the grid takes the keyboard).
  if (aDire_) setAccessibleDescription(annonce_ + QStringLiteral(". ") + accessibleDescription());
}

void GrilleSaisie::CelluleTapee(QTableWidgetItem* cellule) {
  annonce_ = arbitrage_.Saisit(cellule->row(), cellule->column(), cellule->text());
  aDire_ = !annonce_.isEmpty();
  Redessine();
}

QString GrilleSaisie::NomParle(int rangee, int colonne) const {
  const QString texte = arbitrage_.TexteSaisi(rangee, colonne);
  if (colonne == 0) {
    return texte.isEmpty() ? textes_.MsgArbitrageNouveau : textes_.MsgArbitrageJoueur + QStringLiteral(" : ") + texte;
  }
  const QString verdict = arbitrage_.TexteVerdictCase(rangee, colonne);
  return verdict.isEmpty() ? arbitrage_.NomCase(rangee, colonne)
                           : arbitrage_.NomCase(rangee, colonne) + QStringLiteral(" : ") + verdict;
}

QString GrilleSaisie::NomDuChamp(int rangee, int colonne) {
  const QString place = colonne == 0 ? textes_.MsgArbitrageJoueur : arbitrage_.NomCase(rangee, colonne);
  if (!aDire_) return place;
  aDire_ = false;
  return annonce_ + QStringLiteral(". ") + place;
}

void GrilleSaisie::Redessine() {
  const QSignalBlocker silence(this);
  setColumnCount(1 + arbitrage_.Tirages());
  setRowCount(arbitrage_.RangeesSaisie());
  RedessineTitres();
  for (int rangee = 0; rangee < rowCount(); ++rangee) {
    for (int colonne = 0; colonne < columnCount(); ++colonne) RedessineCellule(rangee, colonne);
  }
}

void GrilleSaisie::RedessineTitres() {
  auto* joueur = new QTableWidgetItem(textes_.MsgArbitrageJoueur);
  setHorizontalHeaderItem(0, joueur);
  setColumnWidth(0, LargeurNom);
  for (int colonne = 1; colonne < columnCount(); ++colonne) {
    auto* titre = new QTableWidgetItem(QString::number(colonne));
    titre->setToolTip(arbitrage_.TexteDuTirage(colonne));
    setHorizontalHeaderItem(colonne, titre);
    setColumnWidth(colonne, LargeurResultat);
  }
}

void GrilleSaisie::RedessineCellule(int rangee, int colonne) {
  QTableWidgetItem* cellule = item(rangee, colonne);
  if (!cellule) {
    cellule = new QTableWidgetItem;
    setItem(rangee, colonne, cellule);
  }
  cellule->setText(arbitrage_.TexteSaisi(rangee, colonne));
  cellule->setData(Qt::AccessibleTextRole, NomParle(rangee, colonne));
  const std::optional<ControleTirage::Verdict> verdict = arbitrage_.VerdictCase(rangee, colonne);
  cellule->setToolTip(verdict ? arbitrage_.TexteVerdictCase(rangee, colonne) : QString());
  const bool impossible = verdict && !verdict->possible, exact = verdict && verdict->possible && verdict->ecart == 0;
  cellule->setForeground(impossible ? QBrush(Impossible) : exact ? QBrush(Exact) : QBrush());
  if (colonne > 0) cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace tolvan
