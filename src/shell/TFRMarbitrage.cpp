#include "TFRMarbitrage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include <tuple>

#include "Fabrique.h"
#include "GrilleSaisie.h"
#include "midend/Arbitrage.h"
#include "midend/TextesMessages.h"

namespace tolvan {

namespace {

constexpr Qt::WindowFlags Cadre = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr int GroupesMax = 999;
const QRect PlacePage(4, 4, 724, 340);

QString SansDeuxPoints(QString texte) {
  texte = texte.trimmed();
  if (texte.endsWith(QLatin1Char(':'))) texte.chop(1);
  return texte.trimmed();
}

// A label whose text changes, named after what it shows; always plain
// text, whatever a line's name holds.
void MontreTexte(QLabel* etiquette, const QString& texte) {
  etiquette->setText(texte);
  etiquette->setAccessibleName(texte);
}

// A bubble that shows a line's text as it is: a bubble reads markup in
// what looks like it, and a name may hold anything.
QString BulleTexte(const QString& texte) { return QStringLiteral("<qt>") + texte.toHtmlEscaped() + QStringLiteral("</qt>"); }

// Rows under their titles (the first row), the row chosen kept in place.
void MontreTableau(QTreeWidget* liste, const std::vector<QStringList>& tableau) {
  const int choisie = liste->currentIndex().row();
  liste->setHeaderLabels(tableau.front());
  liste->clear();
  for (std::size_t i = 1; i < tableau.size(); ++i) {
    auto* rangee = new QTreeWidgetItem(liste, tableau[i]);
    // A long reason is read whole in its bubble.
    for (int colonne = 0; colonne < tableau[i].size(); ++colonne) rangee->setToolTip(colonne, BulleTexte(tableau[i][colonne]));
  }
  if (choisie >= 0 && choisie < liste->topLevelItemCount()) liste->setCurrentItem(liste->topLevelItem(choisie));
}

QWidget* Page(QTabWidget* pages, const char* nom) {
  auto* page = new QWidget(pages);
  page->setObjectName(QString::fromLatin1(nom));
  pages->addTab(page, {});
  return page;
}

}  // namespace

TFRMarbitrage::TFRMarbitrage(Arbitrage& arbitrage, const TextesMessages& textes, QWidget* parent)
    : QDialog(parent, Cadre), arbitrage_(arbitrage), textes_(textes) {
  setObjectName("FRMarbitrage");
  setFixedSize(752, 520);
  CreeEnTete();
  CreePages();
  CreeBoutons();
  Connecte();
  PoseTextes();
}

void TFRMarbitrage::CreeEnTete() {
  LBcodeArbitrage = Etiquette(this, "LBcodeArbitrage", {}, QRect(10, 12, 118, 22));
  TXTcodeArbitrage = Champ(this, "TXTcodeArbitrage", {}, QRect(130, 10, 150, 24), 40);
  LBcodeArbitrage->setBuddy(TXTcodeArbitrage);
  BTfichiersArbitrage = Bouton(this, "BTfichiersArbitrage", {}, QRect(290, 9, 150, 26));
  BTdossierArbitrage = Bouton(this, "BTdossierArbitrage", {}, QRect(446, 9, 150, 26));
  BTcollerArbitrage = Bouton(this, "BTcollerArbitrage", {}, QRect(602, 9, 140, 26));
  CBsalleArbitrage = CaseACocher(this, "CBsalleArbitrage", {}, QRect(10, 44, 270, 22), false);
  LBgroupesArbitrage = Etiquette(this, "LBgroupesArbitrage", {}, QRect(290, 44, 96, 22));
  SPgroupesArbitrage = new QSpinBox(this);
  SPgroupesArbitrage->setObjectName("SPgroupesArbitrage");
  SPgroupesArbitrage->setGeometry(388, 42, 64, 24);
  SPgroupesArbitrage->setRange(1, GroupesMax);
  LBgroupesArbitrage->setBuddy(SPgroupesArbitrage);
  LBbilanArbitrage = Etiquette(this, "LBbilanArbitrage", {}, QRect(462, 44, 280, 22));
  LBbilanArbitrage->setTextFormat(Qt::PlainText);
}

void TFRMarbitrage::CreePages() {
  PCarbitrage = new QTabWidget(this);
  PCarbitrage->setObjectName("PCarbitrage");
  PCarbitrage->setGeometry(10, 74, 734, 396);
  TSclassement = Page(PCarbitrage, "TSclassement");
  LVclassement = ListeRapport(TSclassement, "LVclassement", {{{}, 50}, {{}, 300}, {{}, 60}, {{}, 60}, {{}, 60}},
                              PlacePage.adjusted(0, 0, 0, 24));
  TSsaisie = Page(PCarbitrage, "TSsaisie");
  LVsaisie = new GrilleSaisie(arbitrage_, textes_, TSsaisie);
  LVsaisie->setObjectName("LVsaisie");
  LVsaisie->setGeometry(PlacePage);
  LBverification = Etiquette(TSsaisie, "LBverification", {}, QRect(4, 348, 724, 22));
  LBverification->setTextFormat(Qt::PlainText);
  TSavis = Page(PCarbitrage, "TSavis");
  LVavis = ListeRapport(TSavis, "LVavis", {{{}, 170}, {{}, 70}, {{}, 480}}, PlacePage);
  BTgarderArbitrage = Bouton(TSavis, "BTgarderArbitrage", {}, QRect(4, 346, 200, 24));
  TSfaceAFace = Page(PCarbitrage, "TSfaceAFace");
  MMfaceAFace = Memo(TSfaceAFace, "MMfaceAFace", PlacePage.adjusted(0, 0, 0, 24));
  MMfaceAFace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MMfaceAFace->setLineWrapMode(QTextEdit::NoWrap);
  MMfaceAFace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Read line by line from the keyboard.
  MMfaceAFace->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
}

void TFRMarbitrage::CreeBoutons() {
  BTimprimeClassement = Bouton(this, "BTimprimeClassement", {}, QRect(10, 480, 140, 28));
  BTimprimeFeuilles = Bouton(this, "BTimprimeFeuilles", {}, QRect(155, 480, 140, 28));
  BTexporteArbitrage = Bouton(this, "BTexporteArbitrage", {}, QRect(300, 480, 120, 28));
  BTcopieArbitrage = Bouton(this, "BTcopieArbitrage", {}, QRect(425, 480, 140, 28));
  BTeffaceArbitrage = Bouton(this, "BTeffaceArbitrage", {}, QRect(570, 480, 92, 28));
  BTfermeArbitrage = Bouton(this, "BTfermeArbitrage", {}, QRect(667, 480, 77, 28));
}

void TFRMarbitrage::Connecte() {
  const std::initializer_list<std::pair<QPushButton*, void (TFRMarbitrage::*)()>> boutons = {
      {BTfichiersArbitrage, &TFRMarbitrage::BTfichiersArbitrageClick},
      {BTdossierArbitrage, &TFRMarbitrage::BTdossierArbitrageClick},
      {BTcollerArbitrage, &TFRMarbitrage::BTcollerArbitrageClick},
      {BTgarderArbitrage, &TFRMarbitrage::BTgarderArbitrageClick},
      {BTimprimeClassement, &TFRMarbitrage::BTimprimeClassementClick},
      {BTimprimeFeuilles, &TFRMarbitrage::BTimprimeFeuillesClick},
      {BTexporteArbitrage, &TFRMarbitrage::BTexporteArbitrageClick},
      {BTcopieArbitrage, &TFRMarbitrage::BTcopieArbitrageClick},
      {BTeffaceArbitrage, &TFRMarbitrage::BTeffaceArbitrageClick},
  };
  for (const auto& [bouton, gestionnaire] : boutons) connect(bouton, &QPushButton::clicked, this, gestionnaire);
  connect(BTfermeArbitrage, &QPushButton::clicked, this, &QDialog::accept);
  connect(TXTcodeArbitrage, &QLineEdit::editingFinished, this, &TFRMarbitrage::TXTcodeArbitrageFini);
  connect(CBsalleArbitrage, &QCheckBox::toggled, this, &TFRMarbitrage::CBsalleArbitrageClick);
  connect(SPgroupesArbitrage, &QSpinBox::valueChanged, this, &TFRMarbitrage::SPgroupesArbitrageChange);
  connect(LVavis, &QTreeWidget::currentItemChanged, this, &TFRMarbitrage::RedessineAvis);
  // A cell typed changes the ranking, its refusals, the head-to-head.
  connect(LVsaisie, &QTableWidget::itemChanged, this, [this] {
    MontreTexte(LBverification, LVsaisie->DerniereAnnonce());
    RedessineAutour();
  });
}

void TFRMarbitrage::PoseTextes() {
  using T = TextesMessages;
  setWindowTitle(textes_.MsgArbitrage);
  const std::initializer_list<std::pair<QAbstractButton*, QString T::*>> boutons = {
      {BTfichiersArbitrage, &T::MsgArbitrageFichiers},      {BTdossierArbitrage, &T::MsgArbitrageDossier},
      {BTcollerArbitrage, &T::MsgArbitrageColler},          {CBsalleArbitrage, &T::MsgArbitrageSalle},
      {BTgarderArbitrage, &T::MsgArbitrageGarder},          {BTimprimeClassement, &T::MsgArbitrageImprimerClassement},
      {BTimprimeFeuilles, &T::MsgArbitrageImprimerFeuilles}, {BTexporteArbitrage, &T::MsgArbitrageExporter},
      {BTcopieArbitrage, &T::MsgArbitrageCopier},           {BTeffaceArbitrage, &T::MsgArbitrageEffacer},
      {BTfermeArbitrage, &T::MsgFermer},
  };
  for (const auto& [bouton, texte] : boutons) bouton->setText(textes_.*texte);
  // Each field is named by its label, each table by its page.
  const std::initializer_list<std::tuple<QLabel*, QWidget*, QString T::*>> champs = {
      {LBcodeArbitrage, TXTcodeArbitrage, &T::MsgCodeDeLaSerie},
      {LBgroupesArbitrage, SPgroupesArbitrage, &T::MsgArbitrageGroupes},
  };
  for (const auto& [etiquette, champ, texte] : champs) {
    etiquette->setText(textes_.*texte);
    champ->setAccessibleName(SansDeuxPoints(textes_.*texte));
  }
  const std::initializer_list<std::tuple<QWidget*, QWidget*, QString T::*>> pages = {
      {TSclassement, LVclassement, &T::MsgArbitrageClassement},
      {TSsaisie, LVsaisie, &T::MsgArbitrageSaisie},
      {TSavis, LVavis, &T::MsgArbitrageRefus},
      {TSfaceAFace, MMfaceAFace, &T::MsgArbitrageFaceAFace},
  };
  for (const auto& [page, contenu, titre] : pages) {
    PCarbitrage->setTabText(PCarbitrage->indexOf(page), textes_.*titre);
    contenu->setAccessibleName(textes_.*titre);
  }
  PCarbitrage->setAccessibleName(textes_.MsgArbitrage);
}

void TFRMarbitrage::Prepare() {
  arbitrage_.Actualise();
  PoseTextes();
  MontreTexte(LBverification, {});
  Redessine();
}

void TFRMarbitrage::Redessine() {
  LVsaisie->Redessine();
  RedessineAutour();
}

void TFRMarbitrage::RedessineAutour() {
  RedessineChoix();
  MontreTexte(LBbilanArbitrage, arbitrage_.Bilan());
  MontreTableau(LVclassement, arbitrage_.TableauClassement());
  MontreTableau(LVavis, arbitrage_.TableauAvis());
  RedessineAvis();
  const QString faceAFace = arbitrage_.FaceAFace().join(QLatin1Char('\n'));
  if (MMfaceAFace->toPlainText() != faceAFace) MMfaceAFace->setPlainText(faceAFace);
  if (arbitrage_.Tirages() == 0) MontreTexte(LBverification, textes_.MsgArbitrageSansCode);
  const bool classes = !arbitrage_.classement().joueurs.empty();
  for (QPushButton* sortie : {BTimprimeClassement, BTimprimeFeuilles, BTexporteArbitrage, BTcopieArbitrage}) {
    sortie->setEnabled(classes);
  }
}

void TFRMarbitrage::RedessineChoix() {
  if (!TXTcodeArbitrage->hasFocus()) {
    codeMontre_ = arbitrage_.Code();
    TXTcodeArbitrage->setText(codeMontre_);
  }
  const QSignalBlocker silenceSalle(CBsalleArbitrage), silenceGroupes(SPgroupesArbitrage);
  CBsalleArbitrage->setChecked(arbitrage_.ApprocheSalle());
  SPgroupesArbitrage->setValue(arbitrage_.TailleGroupes());
}

void TFRMarbitrage::RedessineAvis() {
  BTgarderArbitrage->setEnabled(arbitrage_.PeutGarder(LVavis->currentIndex().row()));
}

void TFRMarbitrage::TXTcodeArbitrageFini() {
  if (TXTcodeArbitrage->text() == codeMontre_) return;
  if (!arbitrage_.ChoisitCode(TXTcodeArbitrage->text())) {
    // Refused: the arbiter mends the code where it was typed.
    TXTcodeArbitrage->setFocus(Qt::OtherFocusReason);
    return;
  }
  codeMontre_ = arbitrage_.Code();
  TXTcodeArbitrage->setText(codeMontre_);
  Redessine();
}

void TFRMarbitrage::BTfichiersArbitrageClick() {
  arbitrage_.OuvreFichiers();
  Redessine();
}

void TFRMarbitrage::BTdossierArbitrageClick() {
  arbitrage_.OuvreDossier();
  Redessine();
}

void TFRMarbitrage::BTcollerArbitrageClick() {
  arbitrage_.Colle();
  Redessine();
}

void TFRMarbitrage::CBsalleArbitrageClick() {
  arbitrage_.ChoisitApprocheSalle(CBsalleArbitrage->isChecked());
  Redessine();
}

void TFRMarbitrage::SPgroupesArbitrageChange() {
  arbitrage_.ChoisitTailleGroupes(SPgroupesArbitrage->value());
  RedessineAutour();
}

void TFRMarbitrage::BTgarderArbitrageClick() {
  arbitrage_.Garde(LVavis->currentIndex().row());
  Redessine();
}

void TFRMarbitrage::BTimprimeClassementClick() { arbitrage_.ImprimeClassement(); }

void TFRMarbitrage::BTimprimeFeuillesClick() { arbitrage_.ImprimeFeuilles(); }

void TFRMarbitrage::BTexporteArbitrageClick() { arbitrage_.Exporte(); }

void TFRMarbitrage::BTcopieArbitrageClick() { arbitrage_.CopieClassement(); }

void TFRMarbitrage::BTeffaceArbitrageClick() {
  arbitrage_.ToutEfface();
  Redessine();
}

}  // namespace tolvan
