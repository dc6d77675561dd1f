// The message texts and captions that other parts of the program show and
// that a language file may replace.
#pragma once

#include <QString>

namespace tolvan {

struct TextesMessages {
  QString MsgCommencer = QStringLiteral("Commencer une partie");
  QString MsgNouvellePartie = QStringLiteral("Nouvelle partie");
  QString MsgErreurOuverture = QStringLiteral("Erreur lors de l'ouverture du fichier");
  QString MsgReessayer = QStringLiteral("Réessayer ?");
  QString MsgErreurLecture = QStringLiteral("Erreur lors de la lecture");
  QString MsgErreurEcriture = QStringLiteral("Erreur d'écriture du fichier");
  QString MsgYenAPas = QStringLiteral("Y en a pas");
  QString MsgImpossible = QStringLiteral(" IMPOSSIBLE ");
  QString MsgErreurImprimante = QStringLiteral("Erreur lors de l'initialisation de l'imprimante");
  QString MsgArreter = QStringLiteral("Arreter cette partie");
  QString MsgPartieSuivante = QStringLiteral("Partie Suivante");
  QString MsgAbandonner = QStringLiteral("Abandonner la partie en cours ?");
  QString MsgToutEffacer = QStringLiteral("Etes vous sûr de vouloir tout effacer ?");
  // The summary's title after a time-out, and the words of the clock.
  QString MsgTempsEcoule = QStringLiteral("Temps écoulé !");
  QString MsgIlReste = QStringLiteral("Il reste");
  QString MsgChrono = QStringLiteral("Chrono");
  // The caption of the solutions' button once it has been pressed.
  QString MsgVoirTableau = QStringLiteral("Voir le tableau");
  QString MsgVoirSolutions = QStringLiteral("Voir les solutions");
};

}  // namespace tolvan
