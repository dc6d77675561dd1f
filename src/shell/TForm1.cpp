#include "TForm1.h"

#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include "AdressesProjet.h"
#include "Apparence.h"
#include "CadenceRepeinte.h"
#include "Pictos.h"
#include "TFRMarbitrage.h"
#include "TFRMduel.h"
#include "TFRMcode.h"
#include "TFRMgene.h"
#include "TFRMname.h"
#include "TFRMparties.h"

namespace tolvan {

namespace {

const QStringList CoefficientsTemps = {
    QStringLiteral(" 50% du temps 200% des points"), QStringLiteral(" 75% du temps 150% des points"),
    QStringLiteral("100% du temps 100% des points"), QStringLiteral("150% du temps  75% des points"),
    QStringLiteral("200% du temps  50% des points")};

}  // namespace

TForm1::TForm1(Plateforme& plateforme, const QString& repertoireProgramme, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      plateforme_(plateforme),
      repertoireProgramme_(repertoireProgramme) {
  // Known before anything can go wrong, so that every box has a parent.
  plateforme_.DefinitFenetre(this);
  VueJeu& vue = *this;
  jeu_ = std::make_unique<Jeu>(plateforme_, vue, repertoireProgramme_);
  setObjectName("Form1");
  setWindowIcon(IconeDe(Picto::Application));
  HabilleFenetre(this);
  CreeControles();
  PoseTextesFrancais();
  ConnecteSignaux();
  FormCreate();
  frmName_ = std::make_unique<TFRMname>(this);
  frmGene_ = std::make_unique<TFRMgene>(plateforme_, this);
  frmParties_ = std::make_unique<TFRMparties>(*jeu_, this);
  frmDuel_ = std::make_unique<TFRMduel>(this);
  frmCode_ = std::make_unique<TFRMcode>(this);
  frmFeuille_ = std::make_unique<TFRMfeuille>(this);
  frmArbitrage_ = std::make_unique<TFRMarbitrage>(jeu_->arbitrage(), jeu_->Textes(), this);
  // Named from the start; given the language's texts again as they open.
  frmCode_->PoseTextes(jeu_->Textes());
  frmFeuille_->PoseTextes(jeu_->Textes());
  ConnecteFacons();
}

TForm1::~TForm1() = default;

int TForm1::MargeFenetre() const {
  // 28 pixels at 96 dpi, in proportion on other screens; kept to a byte as
  // the window's sizes always were.
  return static_cast<int>(std::lround(logicalDpiY() * 28.0 / 96.0)) & 0xFF;
}

QSize TForm1::TailleFenetre(bool avecAides) const {
  const int m = MargeFenetre();
  const int bas = avecAides ? GBindice->geometry().bottom() + 1 : PCmain->geometry().bottom() + 1;
  return QSize(PCmain->geometry().right() + 1 + m / 2, bas + m);
}

void TForm1::FormCreate() {
  {
    // Filled, not chosen: the game's options choose.
    const QSignalBlocker silenceTemps(CBtemps);
    const QSignalBlocker silenceCoefficient(CBtime);
    const QSignalBlocker silenceDifficulte(CBdifficulte);
    CBtemps->addItems(QStringList(NbChoixTemps));
    CBtime->addItems(CoefficientsTemps);
  }
  PoseTextesPropres();
  RBplus->setChecked(true);
  jeu_->Demarre();
  PCmain->setCurrentWidget(TSapro);
  Redessine();
}

void TForm1::FormActivate() {
  if (!premiereActivation_) return;
  // Cleared first: the theme's error box can activate the window again.
  premiereActivation_ = false;
  jeu_->ChargeThemeDesOptions();
  Redessine();
}

void TForm1::LigneRefusee(int ligne) {
  if (ligne < 1 || ligne > NbLignes) return;
  SignaleRefus(MM[static_cast<std::size_t>(ligne - 1)]);
  refusAnnonce_ = true;
}

void TForm1::PartieFinie() {
  // Shown by the next redraw, the summary then takes the keyboard, so that
  // a screen reader reads it out.
  bilanAFocaliser_ = true;
}

void TForm1::MinuteurEnMarche(bool enMarche) {
  if (!enMarche) {
    Timer1->stop();
  } else if (!Timer1->isActive()) {
    Timer1->start();
  }
}

void TForm1::ReponseDemandee() {
  // A typed calculation brings its own results.
  if (calculTape_) return;
  MaReponse->setText(QStringLiteral("???"));
  MaReponse2->show();
  MaReponse->show();
  FocaliseChamp(MaReponse);
}

std::optional<QString> TForm1::NomDuJoueur() {
  // The game that just ended is shown and said first: its summary is drawn
  // behind the box, and said again in it.
  Redessine();
  frmName_->Prepare(MMrecap->accessibleName(), jeu_->Textes());
  if (plateforme_.ExecuteDialogue(*frmName_) != QDialog::Accepted) return std::nullopt;
  return frmName_->TXTbatu->text();
}

void TForm1::AvantCalcul() {
  Redessine();
  repaint();
}

void TForm1::DebutTravail(int total) {
  if (total > 0) {
    PB2->setRange(0, total);
    PB2->setValue(0);
  }
  // Repainted now and then, not per row: a generated series every 50 ms,
  // a long file every 100 ms.
  cadence_ = std::make_unique<CadenceRepeinte>(this, total > 0 ? 50 : 100);
  LVtirage->hide();
  Redessine();
}

void TForm1::Avance(int fait) {
  // A file longer than a bar leaves it full.
  for (QProgressBar* barre : {PBcharge, PB2}) barre->setValue(std::min(fait, barre->maximum()));
  if (cadence_) cadence_->Pas();
  // During a generated series, "STOP" and the game's clock get through.
  if (jeu_->bibliotheque().GenerationEnCours()) QApplication::processEvents();
}

void TForm1::RechercheDeTirage(int essais) {
  // "Nouvelle Partie" waits from the first draw tried to the last; the
  // clock and every other control go on.
  if (essais > 0 && !rechercheMontree_) {
    rechercheMontree_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    Redessine();
  }
  if (essais == 0 && rechercheMontree_) {
    rechercheMontree_ = false;
    QApplication::restoreOverrideCursor();
  }
  if (essais > 0) QApplication::processEvents();
}

void TForm1::FinTravail() {
  cadence_.reset();
  LVtirage->show();
  PBcharge->setValue(0);
  PB2->setValue(0);
}

void TForm1::Button1Click() {
  const QString chm = repertoireProgramme_ + FichierAideWindows;
  plateforme_.OuvreDocument(QFileInfo::exists(chm) ? chm : repertoireProgramme_ + FichierAide);
}

void TForm1::BTmesPartiesClick() {
  QString erreur;
  const std::vector<PartieJouee> dernieres = jeu_->DernieresParties(&erreur);
  frmParties_->Montre(jeu_->BilanDesParties(), dernieres, erreur);
  plateforme_.ExecuteDialogue(*frmParties_);
  Redessine();
}

void TForm1::Label9Click() { plateforme_.OuvreDocument(repertoireProgramme_ + FichierAide); }

void TForm1::Label4Click() { plateforme_.OuvreDocument(QStringLiteral("mailto:") + CourrielProjet); }

void TForm1::LbsiteTavrelClick() {
  plateforme_.OuvreDocument(repertoireProgramme_ + FichierAide + AncreRemerciements);
}

void TForm1::LBmailTavrelClick() {
  plateforme_.OuvreDocument(QStringLiteral("mailto:") + CourrielProjet + QStringLiteral("?subject=Merci"));
}

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Unsaved draws are offered a save first; "Annuler" keeps the window open.
  if (!jeu_->LaisseLaListe()) {
    event->ignore();
    return;
  }
  // A series under way stops after its current draw, a draw of a mark at once.
  jeu_->ArreteGeneration();
  jeu_->ArreteRecherche();
  fermee_ = true;
  jeu_->Termine();
  event->accept();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A desktop without a window manager never activates the window: the
  // first showing then stands for the first activation.
  QTimer::singleShot(0, this, [this] { FormActivate(); });
  if (centree_ || !screen()) return;
  centree_ = true;
  QRect place(QPoint(), frameGeometry().size());
  place.moveCenter(screen()->availableGeometry().center());
  move(place.topLeft());
}

}  // namespace tolvan
