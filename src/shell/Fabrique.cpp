#include "Fabrique.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTextEdit>
#include <QTreeWidget>

#include "Accessibilite.h"
#include "CaseRepliee.h"

namespace tolvan {

namespace {

template <class Controle>
Controle* Place(Controle* controle, const char* nom, QRect place, const QString& bulle) {
  controle->setObjectName(QString::fromLatin1(nom));
  controle->setGeometry(place);
  if (!bulle.isEmpty()) controle->setToolTip(bulle);
  return controle;
}

}  // namespace

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle) {
  auto* bouton = Place(new QPushButton(texte, parent), nom, place, bulle);
  bouton->setAutoDefault(false);
  return bouton;
}

QPushButton* BoutonImage(QWidget* parent, const char* nom, const QString& texte, Picto picto, QRect place,
                         const QString& bulle) {
  auto* bouton = Bouton(parent, nom, texte, place, bulle);
  bouton->setIcon(IconeDe(picto));
  const int cote = std::min(place.height() - 8, 20);
  bouton->setIconSize(QSize(cote, cote));
  return bouton;
}

QCheckBox* CaseACocher(QWidget* parent, const char* nom, const QString& texte, QRect place, bool cochee,
                       const QString& bulle) {
  auto* caseACocher = Place(new QCheckBox(texte, parent), nom, place, bulle);
  caseACocher->setChecked(cochee);
  return caseACocher;
}

QCheckBox* CaseRepliee(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle) {
  return Place(new CaseAuTexteReplie(texte, parent), nom, place, bulle);
}

QRadioButton* BoutonRadio(QWidget* parent, const char* nom, const QString& texte, QRect place,
                          const QString& bulle) {
  return Place(new QRadioButton(texte, parent), nom, place, bulle);
}

QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle) {
  return Place(new QLabel(texte, parent), nom, place, bulle);
}

namespace {

// Enter or Space on a link that has the keyboard presses it. Qt's own
// keyboard links want a second Tab to pick the link inside the label.
class ToucheLien : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int touche = static_cast<QKeyEvent*>(event)->key();
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter && touche != Qt::Key_Space) return false;
    emit static_cast<QLabel*>(objet)->linkActivated(QStringLiteral("#"));
    return true;
  }
};

}  // namespace

QLabel* Lien(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle) {
  auto* lien = Etiquette(parent, nom,
                         QStringLiteral("<a href=\"#\" style=\"color:#1a5fb4\">%1</a>").arg(texte.toHtmlEscaped()),
                         place, bulle);
  lien->setTextFormat(Qt::RichText);
  lien->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  lien->setFocusPolicy(Qt::StrongFocus);
  lien->installEventFilter(new ToucheLien(lien));
  lien->setAccessibleName(texte);
  ExposeCommeLien(lien);
  return lien;
}

QLineEdit* Champ(QWidget* parent, const char* nom, const QString& texte, QRect place, int longueurMax,
                 const QString& bulle) {
  auto* champ = Place(new QLineEdit(parent), nom, place, bulle);
  champ->setMaxLength(longueurMax);
  champ->setText(texte);
  return champ;
}

QLineEdit* ChampNombre(QWidget* parent, const char* nom, QRect place, int chiffres) {
  auto* champ = Champ(parent, nom, {}, place);
  champ->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(chiffres)), champ));
  return champ;
}

QGroupBox* Groupe(QWidget* parent, const char* nom, const QString& titre, QRect place) {
  return Place(new QGroupBox(titre, parent), nom, place, {});
}

QComboBox* ListeDeroulante(QWidget* parent, const char* nom, QRect place, const QString& bulle) {
  QComboBox* liste = Place(new QComboBox(parent), nom, place, bulle);
  DitSonChoix(liste);
  return liste;
}

QProgressBar* Barre(QWidget* parent, const char* nom, int maximum, QRect place) {
  auto* barre = Place(new QProgressBar(parent), nom, place, {});
  barre->setRange(0, maximum);
  barre->setValue(0);
  barre->setTextVisible(false);
  return barre;
}

namespace {

// Rows of text cells side by side, read-only, without a tree's indentation.
void PrepareRapport(QTreeView* liste) {
  liste->setRootIsDecorated(false);
  liste->setUniformRowHeights(true);
  liste->setAllColumnsShowFocus(true);
  liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
  liste->header()->setStretchLastSection(false);
}

}  // namespace

QTreeWidget* ListeRapport(QWidget* parent, const char* nom, std::initializer_list<std::pair<QString, int>> colonnes,
                          QRect place) {
  auto* liste = Place(new QTreeWidget(parent), nom, place, {});
  PrepareRapport(liste);
  ExposeCommeTableau(liste);
  QStringList titres;
  for (const auto& colonne : colonnes) titres.append(colonne.first);
  liste->setColumnCount(static_cast<int>(titres.size()));
  liste->setHeaderLabels(titres);
  int i = 0;
  for (const auto& colonne : colonnes) {
    if (colonne.second > 0) liste->setColumnWidth(i, colonne.second);
    ++i;
  }
  return liste;
}

QTreeView* VueRapport(QWidget* parent, const char* nom, QAbstractItemModel* modele,
                      std::initializer_list<int> largeurs, QRect place) {
  auto* liste = Place(new QTreeView(parent), nom, place, {});
  PrepareRapport(liste);
  ExposeCommeTableau(liste);
  liste->setModel(modele);
  int i = 0;
  for (int largeur : largeurs) liste->setColumnWidth(i++, largeur);
  return liste;
}

QTextEdit* Memo(QWidget* parent, const char* nom, QRect place, const QString& bulle) {
  auto* memo = Place(new QTextEdit(parent), nom, place, bulle);
  memo->setReadOnly(true);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return memo;
}

}  // namespace tolvan
