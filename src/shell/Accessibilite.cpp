#include "Accessibilite.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTableView>
#include <QTreeView>

namespace tolvan {

namespace {

// The kind of interface a control gets, kept on the control itself.
const char* const ProprieteGenre = "tolvanAccessible";
const char* const ProprieteLimitee = "tolvanHorlogeLimitee";
enum class Genre { Aucun, Tableau, Lien, Horloge };

Genre GenreDe(const QObject* objet) { return static_cast<Genre>(objet->property(ProprieteGenre).toInt()); }

// A table view numbers the cell it tells the desktop has the keyboard as if
// each row began with its header, shown or not: its table has that column
// first (0 for a tree, which has none).
int ColonnesDeTete(const QAbstractItemView* liste) { return qobject_cast<const QTableView*>(liste) ? 1 : 0; }

// The header of a list's columns, and of a table view's rows.
const QHeaderView* Titres(const QAbstractItemView* liste, Qt::Orientation sens) {
  if (const auto* arbre = qobject_cast<const QTreeView*>(liste)) return sens == Qt::Horizontal ? arbre->header() : nullptr;
  if (const auto* table = qobject_cast<const QTableView*>(liste)) {
    return sens == Qt::Horizontal ? table->horizontalHeader() : table->verticalHeader();
  }
  return nullptr;
}

// One cell of a report list. Row 0 holds the column titles; row r > 0 the
// list's row r - 1; in a table view, column 0 holds the rows' headers. A
// cell reads the list afresh each time it is asked.
class CelluleAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CelluleAccessible(QAbstractItemView* liste, int ligne, int colonne)
      : liste_(liste), ligne_(ligne), colonne_(colonne) {}

  bool isValid() const override {
    return liste_ && liste_->model() && ligne_ <= liste_->model()->rowCount() &&
           colonne_ < liste_->model()->columnCount() + ColonnesDeTete(liste_);
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return liste_ ? liste_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(liste_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override {
    if (EstTitre()) return QAccessible::ColumnHeader;
    return EstTeteDeLigne() ? QAccessible::RowHeader : QAccessible::Cell;
  }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value) || (EstTitre() && EstTeteDeLigne())) return {};
    if (EstTitre()) return liste_->model()->headerData(Colonne(), Qt::Horizontal).toString();
    if (EstTeteDeLigne()) return liste_->model()->headerData(ligne_ - 1, Qt::Vertical).toString();
    // A cell may say more than it shows: whose it is, what it is worth.
    const QVariant parle = Index().data(Qt::AccessibleTextRole);
    return parle.isValid() ? parle.toString() : Index().data(Qt::DisplayRole).toString();
  }

  QRect rect() const override {
    if (!isValid() || (EstTitre() && EstTeteDeLigne())) return {};
    if (EstTitre() || EstTeteDeLigne()) {
      const QHeaderView* titres = Titres(liste_, EstTitre() ? Qt::Horizontal : Qt::Vertical);
      if (!titres) return {};
      const int section = EstTitre() ? Colonne() : ligne_ - 1;
      const int debut = titres->sectionViewportPosition(section), taille = titres->sectionSize(section);
      const QRect place = EstTitre() ? QRect(debut, 0, taille, titres->height()) : QRect(0, debut, titres->width(), taille);
      return QRect(titres->viewport()->mapToGlobal(place.topLeft()), place.size());
    }
    const QRect place = liste_->visualRect(Index());
    return QRect(liste_->viewport()->mapToGlobal(place.topLeft()), place.size());
  }

  QAccessible::State state() const override {
    QAccessible::State etat;
    if (!isValid()) {
      etat.invalid = true;
      return etat;
    }
    const QModelIndex index = Index();
    etat.readOnly = !(index.flags() & Qt::ItemIsEditable);
    if (EstTitre() || EstTeteDeLigne()) {
      etat.readOnly = true;
      return etat;
    }
    etat.selectable = true;
    etat.selected = isSelected();
    etat.focusable = true;
    etat.focused = liste_->hasFocus() && liste_->currentIndex() == index;
    if (index.flags() & Qt::ItemIsUserCheckable) {
      etat.checkable = true;
      etat.checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    if (!liste_->viewport()->rect().intersects(liste_->visualRect(index))) etat.offscreen = true;
    return etat;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override {
    return !EstTitre() && !EstTeteDeLigne() && isValid() && liste_->selectionModel() &&
           liste_->selectionModel()->isSelected(Index());
  }
  // A title is its own column's title, so that a reader asking the title of
  // the first row's cell finds it.
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QAccessibleTableInterface* tableau = Tableau();
    return tableau ? QList<QAccessibleInterface*>{tableau->cellAt(0, colonne_)} : QList<QAccessibleInterface*>{};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    QAccessibleTableInterface* tableau = Tableau();
    if (!tableau || ColonnesDeTete(liste_) == 0) return {};
    return {tableau->cellAt(ligne_, 0)};
  }
  int columnIndex() const override { return colonne_; }
  int rowIndex() const override { return ligne_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  bool De(const QAbstractItemView* liste) const { return liste_ == liste; }

 private:
  bool EstTitre() const { return ligne_ == 0; }
  bool EstTeteDeLigne() const { return colonne_ < ColonnesDeTete(liste_); }
  // The model's column of the cell.
  int Colonne() const { return colonne_ - ColonnesDeTete(liste_); }
  QModelIndex Index() const { return liste_->model()->index(ligne_ - 1, Colonne(), liste_->rootIndex()); }
  QAccessibleTableInterface* Tableau() const {
    QAccessibleInterface* tableau = parent();
    return tableau ? tableau->tableInterface() : nullptr;
  }

  QPointer<QAbstractItemView> liste_;
  const int ligne_;
  const int colonne_;
};

// A report list as a table: the row of titles, then the list's rows. Any
// cell asked for out of range is answered with the nearest one, since the
// accessibility bridge uses what it gets without checking it.
class TableauAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TableauAccessible(QAbstractItemView* liste) : QAccessibleWidget(liste, QAccessible::Table) {}
  ~TableauAccessible() override { Oublie(); }

  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return Cellule(index / columnCount(), index % columnCount());
  }
  int indexOfChild(const QAccessibleInterface* enfant) const override {
    const auto* cellule = dynamic_cast<const CelluleAccessible*>(enfant);
    if (!cellule || !cellule->De(Liste()) || !cellule->isValid()) return -1;
    return cellule->rowIndex() * columnCount() + cellule->columnIndex();
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    return CelluleDe(Liste()->indexAt(Liste()->viewport()->mapFromGlobal(QPoint(x, y))));
  }
  QAccessibleInterface* focusChild() const override { return CelluleDe(Liste()->currentIndex()); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int ligne, int colonne) const override {
    if (columnCount() == 0) return nullptr;
    return Cellule(std::clamp(ligne, 0, rowCount() - 1), std::clamp(colonne, 0, columnCount() - 1));
  }
  int columnCount() const override {
    return Modele() ? Modele()->columnCount(Liste()->rootIndex()) + ColonnesDeTete(Liste()) : 0;
  }
  int rowCount() const override { return Modele() ? Modele()->rowCount(Liste()->rootIndex()) + 1 : 1; }
  QString columnDescription(int colonne) const override {
    colonne -= ColonnesDeTete(Liste());
    return Modele() && colonne >= 0 ? Modele()->headerData(colonne, Qt::Horizontal).toString() : QString();
  }
  QString rowDescription(int) const override { return {}; }

  int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cellules;
    if (!Liste()->selectionModel()) return cellules;
    for (const QModelIndex& index : Liste()->selectionModel()->selectedIndexes()) cellules.append(CelluleDe(index));
    return cellules;
  }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  QList<int> selectedRows() const override {
    QList<int> lignes;
    if (!Liste()->selectionModel()) return lignes;
    for (const QModelIndex& index : Liste()->selectionModel()->selectedRows()) lignes.append(index.row() + 1);
    std::sort(lignes.begin(), lignes.end());
    return lignes;
  }
  bool isRowSelected(int ligne) const override {
    return Liste()->selectionModel() && Liste()->selectionModel()->isRowSelected(ligne - 1, Liste()->rootIndex());
  }
  bool selectRow(int ligne) override { return Choisit(ligne, QItemSelectionModel::Select); }
  bool unselectRow(int ligne) override { return Choisit(ligne, QItemSelectionModel::Deselect); }
  // The lists choose whole rows only.
  int selectedColumnCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectColumn(int) override { return false; }

  void modelChange(QAccessibleTableModelChangeEvent* event) override {
    // Cells that moved or went are made again when next asked for.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) Oublie();
  }

 private:
  QAbstractItemView* Liste() const { return static_cast<QAbstractItemView*>(widget()); }
  QAbstractItemModel* Modele() const { return Liste()->model(); }

  // The cell of an index of the model; none for an invalid one.
  QAccessibleInterface* CelluleDe(const QModelIndex& index) const {
    return index.isValid() ? Cellule(index.row() + 1, index.column() + ColonnesDeTete(Liste())) : nullptr;
  }

  QAccessibleInterface* Cellule(int ligne, int colonne) const {
    const int index = ligne * columnCount() + colonne;
    if (const auto connue = cellules_.constFind(index); connue != cellules_.constEnd()) {
      if (QAccessibleInterface* cellule = QAccessible::accessibleInterface(*connue)) return cellule;
    }
    auto* cellule = new CelluleAccessible(Liste(), ligne, colonne);
    cellules_.insert(index, QAccessible::registerAccessibleInterface(cellule));
    return cellule;
  }

  void Oublie() {
    for (const QAccessible::Id id : std::as_const(cellules_)) QAccessible::deleteAccessibleInterface(id);
    cellules_.clear();
  }

  bool Choisit(int ligne, QItemSelectionModel::SelectionFlags comment) {
    const QModelIndex index = Modele() ? Modele()->index(ligne - 1, 0, Liste()->rootIndex()) : QModelIndex();
    if (!index.isValid() || !Liste()->selectionModel()) return false;
    Liste()->selectionModel()->select(index, comment | QItemSelectionModel::Rows);
    return true;
  }

  mutable QHash<int, QAccessible::Id> cellules_;  // by index among the children
};

// A label that opens an address.
class LienAccessible : public QAccessibleWidget {
 public:
  explicit LienAccessible(QLabel* lien) : QAccessibleWidget(lien, QAccessible::Link) {}

  QAccessible::State state() const override {
    QAccessible::State etat = QAccessibleWidget::state();
    etat.linked = true;
    return etat;
  }
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& action) override {
    if (action != pressAction()) {
      QAccessibleWidget::doAction(action);
      return;
    }
    auto* lien = static_cast<QLabel*>(widget());
    emit lien->linkActivated(QStringLiteral("#"));
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// The clock's bar: its words, and the share of a limited time gone.
class HorlogeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit HorlogeAccessible(QProgressBar* barre) : QAccessibleWidget(barre, QAccessible::ProgressBar) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Barre()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State etat = QAccessibleWidget::state();
    etat.readOnly = true;
    return etat;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    // A value at all times, so that a screen reader never loses the clock;
    // an unlimited one has no share of its time gone, and stays at 0.
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QVariant currentValue() const override { return Barre()->value(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return Barre()->maximum(); }
  QVariant minimumValue() const override { return Barre()->minimum(); }
  QVariant minimumStepSize() const override { return 1; }

 private:
  QProgressBar* Barre() const { return static_cast<QProgressBar*>(widget()); }
};

QAccessibleInterface* Fabrique(const QString&, QObject* objet) {
  if (!objet || !objet->isWidgetType()) return nullptr;
  switch (GenreDe(objet)) {
    case Genre::Tableau: return new TableauAccessible(static_cast<QAbstractItemView*>(objet));
    case Genre::Lien: return new LienAccessible(static_cast<QLabel*>(objet));
    case Genre::Horloge: return new HorlogeAccessible(static_cast<QProgressBar*>(objet));
    case Genre::Aucun: break;
  }
  return nullptr;
}

bool EstDeNous(QAccessibleInterface* interface) {
  return dynamic_cast<TableauAccessible*>(interface) || dynamic_cast<LienAccessible*>(interface) ||
         dynamic_cast<HorlogeAccessible*>(interface);
}

void Marque(QObject* objet, Genre genre) {
  // Installed with the first control marked, after Qt's own, which it
  // comes before.
  static const bool installee = [] {
    QAccessible::installFactory(Fabrique);
    return true;
  }();
  (void)installee;
  objet->setProperty(ProprieteGenre, static_cast<int>(genre));
  // An interface Qt made before the mark (giving a control its name makes
  // one) gives way to ours.
  QAccessibleInterface* faite = QAccessible::queryAccessibleInterface(objet);
  if (faite && !EstDeNous(faite)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(faite));
}

const char* const ProprieteSansAnnonce = "tolvanNomSansAnnonce";

// A change the desktop is not told of on a control that gives its news by
// taking the focus: Orca handles events after the fact, and one that comes
// from a control by then focused (its name, its text rewritten, its caret
// put back) makes it take the focus as already there, and say nothing.
// Once focused, its text and caret are told as usual, for reading.
bool Tue(const QAccessibleEvent& changement) {
  const QObject* objet = changement.object();
  if (!objet || !objet->property(ProprieteSansAnnonce).toBool()) return false;
  switch (changement.type()) {
    case QAccessible::NameChanged: return true;
    case QAccessible::TextCaretMoved:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated: return !static_cast<const QWidget*>(objet)->hasFocus();
    default: return false;
  }
}

void FiltreChangements(QAccessibleEvent* changement) {
  if (Tue(*changement)) return;
  // The desktop's own handler is Qt's default: this one steps aside for it.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(changement);
  QAccessible::installUpdateHandler(FiltreChangements);
}

}  // namespace

void NommeSansAnnonce(QWidget* controle) {
  static const bool installe = [] {
    QAccessible::installUpdateHandler(FiltreChangements);
    return true;
  }();
  (void)installe;
  controle->setProperty(ProprieteSansAnnonce, true);
}

namespace {

// A list entered with the keyboard stands on a row, its first one at
// first; Orca says the list as it is entered but not the row, so the row
// it stands on is its description then ("Partie n° : 1, Score : 58"). The
// next arrow goes on from there.
class EntreeDansLaListe : public QObject {
 public:
  explicit EntreeDansLaListe(QAbstractItemView* liste) : QObject(liste), liste_(liste) {}

  bool eventFilter(QObject* objet, QEvent* evenement) override {
    if (evenement->type() != QEvent::FocusIn || objet != liste_ || !liste_->model()) return false;
    const QAbstractItemModel& modele = *liste_->model();
    if (modele.rowCount() == 0) {
      liste_->setAccessibleDescription({});
      return false;
    }
    if (!liste_->currentIndex().isValid()) {
      liste_->selectionModel()->setCurrentIndex(modele.index(0, 0), QItemSelectionModel::NoUpdate);
    }
    const int ligne = liste_->currentIndex().row();
    QStringList cases;
    for (int colonne = 0; colonne < modele.columnCount(); ++colonne) {
      const QString titre = modele.headerData(colonne, Qt::Horizontal).toString();
      const QString texte = modele.index(ligne, colonne).data().toString();
      if (!texte.isEmpty()) cases.append(titre.isEmpty() ? texte : titre + QStringLiteral(" : ") + texte);
    }
    liste_->setAccessibleDescription(cases.join(QStringLiteral(", ")));
    return false;
  }

 private:
  QAbstractItemView* liste_;
};

// A choice list says its choice with its label: on Linux Qt names the list
// by its choice, which Orca replaces with the label that leads to it.
void DecritLeChoix(QComboBox* liste) {
  QStringList description;
  for (const QString& partie : {liste->currentText(), liste->toolTip()}) {
    if (!partie.isEmpty()) description.append(partie);
  }
  const QString texte = description.join(QStringLiteral(". "));
  if (liste->accessibleDescription() != texte) liste->setAccessibleDescription(texte);
}

class DescriptionDuChoix : public QObject {
 public:
  explicit DescriptionDuChoix(QComboBox* liste) : QObject(liste) {}

  bool eventFilter(QObject* objet, QEvent* evenement) override {
    if (evenement->type() == QEvent::FocusIn) DecritLeChoix(static_cast<QComboBox*>(objet));
    return false;
  }
};

}  // namespace

void ExposeCommeTableau(QAbstractItemView* liste) {
  Marque(liste, Genre::Tableau);
  // Tab leaves the list instead of going from cell to cell.
  liste->setTabKeyNavigation(false);
  liste->installEventFilter(new EntreeDansLaListe(liste));
}

void DitSonChoix(QComboBox* liste) {
  DecritLeChoix(liste);
  // Described afresh as it takes the keyboard: the game sets its choice
  // with its signals held back.
  liste->installEventFilter(new DescriptionDuChoix(liste));
  // A choice made in the open list comes after the list gives the keyboard back.
  QObject::connect(liste, &QComboBox::activated, liste, [liste] { DecritLeChoix(liste); });
  // Chosen by the program, or its choices renamed with a language.
  QObject::connect(liste, &QComboBox::currentIndexChanged, liste, [liste] { DecritLeChoix(liste); });
  QObject::connect(liste->model(), &QAbstractItemModel::dataChanged, liste, [liste] { DecritLeChoix(liste); });
  QObject::connect(liste->model(), &QAbstractItemModel::rowsInserted, liste, [liste] { DecritLeChoix(liste); });
}

void DecritSonChoix(QComboBox* liste) { DecritLeChoix(liste); }

void ExposeCommeLien(QLabel* lien) { Marque(lien, Genre::Lien); }

void ExposeCommeHorloge(QProgressBar* barre) { Marque(barre, Genre::Horloge); }

void DefinitHorlogeLimitee(QProgressBar* barre, bool limitee) { barre->setProperty(ProprieteLimitee, limitee); }

}  // namespace tolvan
