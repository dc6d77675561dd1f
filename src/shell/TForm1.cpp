#include "TForm1.h"

#include <cmath>

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
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include "AdressesProjet.h"
#include "Apparence.h"
#include "Pictos.h"
#include "TFRMgene.h"
#include "TFRMname.h"

namespace tolvan {

namespace {

const QStringList DureesAffichees = {
    QStringLiteral("illimité"),    QStringLiteral("20 secondes"), QStringLiteral("40 secondes"),
    QStringLiteral("50 secondes"), QStringLiteral("1 Minute"),    QStringLiteral("1 Minute 30"),
    QStringLiteral("2 Minutes"),   QStringLiteral("3 Minutes"),   QStringLiteral("5 Minutes")};

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
      repertoireProgramme_(repertoireProgramme),
      solveur_(std::make_unique<Solveur>()) {
  // Known before anything can go wrong, so that every box has a parent.
  plateforme_.DefinitFenetre(this);
  setObjectName("Form1");
  setWindowIcon(IconeDe(Picto::Application));
  HabilleFenetre(this);
  CreeControles();
  PoseTextesFrancais();
  ConnecteSignaux();
  FormCreate();
  frmName_ = std::make_unique<TFRMname>(this);
  frmGene_ = std::make_unique<TFRMgene>(plateforme_, this);
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
  // Sized to the pages: the hints band below them stays out of sight until "Aides".
  setFixedSize(TailleFenetre(false));
  GBindice->hide();
  GBcalcul->hide();
  remplitCBtemps();
  remplitCBtime();
  MontreAvantToutePartie();
  PrepareSolutions();
  // The files that come with the program, until the player picks others.
  FichierSon = repertoireProgramme_ + QStringLiteral("system defaut.son");
  FichierLangue = repertoireProgramme_ + QStringLiteral("francais.tvl");
  RefaitLigne();
  plateforme_.SemeAleatoire();
  PremiereActivation = true;
  Sons = SonsDuJeu{};
  Textes = TextesMessages{};
  mode_entrain();
  // A placeholder draw, shown until the first real one is dealt.
  solveur_->Tirage.Nombres = NombresTirage{{{1, 1, 2, 2, 3, 3}}};
  solveur_->Tirage.Resultat = 999;
  miseAjour();
  PCmain->setCurrentWidget(TSapro);
  // Last: the options read act as clicks on a window that is complete.
  LisInfoRegistre();
}

void TForm1::MontreAvantToutePartie() {
  // The summary panel with no game won yet, no series running, the clock
  // at 0 under the "illimité" hour, and no answer awaited.
  AffichePanneau();
  AfficheHorloge();
  AfficheBilan();
  CacheReponse();
}

void TForm1::PrepareSolutions() {
  // The solutions view is closed, its arrows show every solution, and the
  // last line looked for ends with a "+".
  TMsolution->hide();
  GBopSol->hide();
  solveur_->NumeroVisible = 1;
  CBetape->setCurrentIndex(0);
  CBoper->setCurrentIndex(0);
  RBplus->setChecked(true);
  solveur_->ConnecteEvenements(this);
  solveur_->SolveurLibre = 1;
  solveur_->SolutionsCalculees = 0;
  LBnbsol->setVisible(CBmontre->isChecked());
  LBnbsol2->setVisible(CBmontre->isChecked());
}

void TForm1::FormActivate() {
  if (!PremiereActivation) return;
  // Cleared first: the theme's error box can activate the window again.
  PremiereActivation = false;
  ChargeTheme(FichierSon, Sons, plateforme_, Textes);
  AfficheNomsDesSons();
}

void TForm1::FormClose() { EcrisInfoRegistre(); }

void TForm1::remplitCBtemps() {
  CBtemps->clear();
  CBtemps->addItems(DureesAffichees);
  CBtemps->setCurrentIndex(0);
}

void TForm1::remplitCBtime() {
  CBtime->clear();
  CBtime->addItems(CoefficientsTemps);
  CBtime->setCurrentIndex(2);
}

void TForm1::AfficheBug(const QString& entete, const QString& bug) {
  plateforme_.Message(TypeMessage::Erreur, bug + QStringLiteral("\rPROCEDURE ") + entete, BoutonsMessage::Ok);
}

void TForm1::CurseurOccupe() { plateforme_.CurseurOccupe(); }

void TForm1::CurseurNormal() { plateforme_.CurseurNormal(); }

void TForm1::SignaleBug(const std::string& message) {
  plateforme_.Message(TypeMessage::Erreur, QString::fromStdString(message), BoutonsMessage::Ok);
}

void TForm1::Button1Click() {
  const QString chm = repertoireProgramme_ + FichierAideWindows;
  plateforme_.OuvreDocument(QFileInfo::exists(chm) ? chm : repertoireProgramme_ + FichierAide);
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
  // A series under way stops after its current draw.
  if (generationEnCours_) arretDemande_ = true;
  fermee_ = true;
  FormClose();
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
