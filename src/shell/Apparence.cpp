#include "Apparence.h"

#include <QFont>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace tolvan {

namespace {

// Tiles are wooden number plates, the target a lit display, the blackboard
// black with white chalk. A picked tile fades; the tile the keyboard is on
// is framed in blue.
const char* const StyleDuJeu = R"(
QWidget { font-family: "DejaVu Sans Condensed", "DejaVu Sans"; font-size: 8pt; }
QPushButton#P1, QPushButton#P2, QPushButton#P3, QPushButton#P4, QPushButton#P5, QPushButton#P6 {
  font-size: %1pt; font-weight: bold; color: #1d2f4f;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbe7a1, stop:1 #e3b64c);
  border: 1px solid #9a6b0f; border-radius: 5px;
}
QPushButton#P1:disabled, QPushButton#P2:disabled, QPushButton#P3:disabled,
QPushButton#P4:disabled, QPushButton#P5:disabled, QPushButton#P6:disabled {
  color: #b9a56b; background: #efe6cc; border-color: #d2c290;
}
QPushButton#P1:pressed, QPushButton#P2:pressed, QPushButton#P3:pressed,
QPushButton#P4:pressed, QPushButton#P5:pressed, QPushButton#P6:pressed { background: #d9a93a; }
QPushButton#P1:focus, QPushButton#P2:focus, QPushButton#P3:focus,
QPushButton#P4:focus, QPushButton#P5:focus, QPushButton#P6:focus { border: 3px solid #1a5fb4; }
QPushButton#Bresult {
  font-size: %2pt; font-weight: bold; color: #ffd84a;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a4b6b, stop:1 #1b2640);
  border: 2px solid #0f1626; border-radius: 6px;
}
QPushButton#Bresult:pressed { background: #27344f; }
QPushButton#Bresult:focus { border-color: #5fa0ff; }
QLineEdit#Edit1, QLineEdit#Edit2, QLineEdit#Edit3, QLineEdit#Edit4, QLineEdit#Edit5, QLineEdit#Edit6 {
  font-size: %5pt; font-weight: bold; color: #1d2f4f; background: #fdf3d0;
  border: 1px solid #9a6b0f; border-radius: 5px;
}
QLineEdit#Edit7 {
  font-size: %6pt; font-weight: bold; color: #ffd84a; background: #27344f;
  border: 2px solid #0f1626; border-radius: 6px;
}
QGroupBox#GBtablo {
  background: #141414; border: 4px solid #7a5533; border-radius: 4px;
  margin-top: 8px; padding-top: 8px; font-weight: bold;
}
QGroupBox#GBtablo::title {
  subcontrol-origin: margin; subcontrol-position: top center; padding: 1px 8px;
  color: #fff8e8; background: #7a5533; border-radius: 3px;
}
QTextEdit#MM1, QTextEdit#MM2, QTextEdit#MM3, QTextEdit#MM4, QTextEdit#MM5, QTextEdit#TMsolution {
  background: #141414; color: #ffffff; border: none; font-weight: bold; font-size: %3pt;
}
QTextEdit#MM1[refus="true"], QTextEdit#MM2[refus="true"], QTextEdit#MM3[refus="true"],
QTextEdit#MM4[refus="true"], QTextEdit#MM5[refus="true"] { background: #8e1b1b; }
QLineEdit#MonCalcul[refus="true"] { background: #f6c4c4; }
QTextEdit#TMsolution { font-size: 9pt; }
QLabel#LBtitre { font-size: %4pt; font-weight: bold; color: #1f3d2b; }
QLabel#Label8 { font-weight: bold; color: #555555; }
QLabel#LBscoreActu, QLabel#LBnbsol, QLabel#LBpoint { font-size: 12pt; font-weight: bold; color: #1d2f4f; }
QLabel#Label9:focus, QLabel#Label4:focus, QLabel#LbsiteTavrel:focus, QLabel#LBmailTavrel:focus {
  background: #dce7f7;
}
QTextEdit#MMrecap { background: #fffdf5; }
QTextEdit#MMfeuille { font-family: "DejaVu Sans Mono"; font-size: 8pt; }
QRadioButton#RBplus, QRadioButton#RBfois, QRadioButton#RBmoins, QRadioButton#RBdiv { spacing: 2px; }
QTreeView#LVtirage::item, QTreeView#LVscore::item, QTreeView#LVrecord::item {
  border-right: 1px solid #d8d8d8; border-bottom: 1px solid #d8d8d8;
}
QTreeView#LVtirage::item:selected, QTreeView#LVscore::item:selected, QTreeView#LVrecord::item:selected {
  background: #3d7ac9; color: white;
}
)";

}  // namespace

void HabilleFenetre(QWidget* fenetre) {
  // A condensed face keeps the longer French captions within their places.
  QFont police(QStringLiteral("DejaVu Sans Condensed"));
  police.setPointSize(8);
  fenetre->setFont(police);
  fenetre->setStyleSheet(QString::fromLatin1(StyleDuJeu).arg(PointsTuile)
                             .arg(PointsCible)
                             .arg(PointsLigne)
                             .arg(PointsTitre)
                             .arg(PointsSaisie)
                             .arg(PointsSaisieCible));
}

namespace {

void MarqueRefus(QWidget* ligne, bool refus) {
  ligne->setProperty("refus", refus);
  ligne->style()->unpolish(ligne);
  ligne->style()->polish(ligne);
}

}  // namespace

void SignaleRefus(QWidget* ligne) {
  // Seen without speakers too, where the error sound alone is lost.
  MarqueRefus(ligne, true);
  QTimer::singleShot(350, ligne, [ligne] { MarqueRefus(ligne, false); });
}

}  // namespace tolvan
