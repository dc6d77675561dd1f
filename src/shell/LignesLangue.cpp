#include "LignesLangue.h"

namespace tolvan {

namespace {

LigneLangue Controle(const char* nom, const char* francais) { return {{{nom, francais}}, nullptr}; }
LigneLangue Message(QString TextesMessages::*message) { return {{}, message}; }

}  // namespace

const std::array<LigneLangue, NbLignesLangue>& LignesLangue() {
  static const std::array<LigneLangue, NbLignesLangue> lignes = {
      Controle("BTannul", "Retour"),
      Controle("BTback", "Aides"),
      Controle("BTchange", "Changer le level"),
      Controle("BTdecomp", "Décomposition"),
      Controle("BTeffaceTout", "Effacer tout"),
      Controle("BTexcel", "Ouvrir dans EXCEL"),
      Controle("BTgenere", "Générer une série"),
      Controle("BTimprim", "Imprimer"),
      Controle("BTjouer", "Jouer"),
      Controle("BTlastligne", "Dernière ligne"),
      Controle("BTmienne", "La mienne"),
      LigneLangue{{{"BTmodifier", "Modifier"}, {"LBniv", "Modifier :"}}},
      Controle("BTnouvPartie", "Nouvelle Partie"),
      Controle("BTopen", "Ouvrir un fichier"),
      Controle("BTopenSon", "Ouvrir un thème"),
      Controle("BTrejoue", "Rejouer la partie"),
      LigneLangue{{{"BTsave", "Sauvegarder"}, {"BTsaveSon", "Sauvegarder"}}},
      Controle("BTsimple", "La + simple"),
      Controle("BTstart", "Commencer une partie"),
      Controle("BTtordue", "La + tordue"),
      Controle("BTvoirSol", "Voir les solutions"),
      Controle("CBaide", "Aide interdite (points x 4)"),
      Controle("CBauto", "Calculer Automatiquement les solutions"),
      Controle("CBclasse", "Classer"),
      Controle("CBcompet", "Mode Compétition :"),
      Controle("CBmontre", "Voir le nombre de solutions"),
      Controle("CBsonBack", "Annuler une ligne :"),
      Controle("CBsonClick", "Click par défaut :"),
      Controle("CBsonerreur", "Erreur de calcul :"),
      Controle("CBsonGagne", "Compte trouvé :"),
      Controle("CBsonlose", "Temps écoulé :"),
      Controle("CBsonNew", "Nouvelle partie :"),
      Controle("CBsonres", "Résultat intermédiare :"),
      Controle("CBsonTous", "Tous"),
      Controle("CkBcalcul", "Calcul automatique des résultats"),
      Controle("CkBFou", "Tirages Fous !"),
      Controle("CkBpremier", "Résultats premiers uniquement"),
      Controle("CkBreal", "Réalisables uniquement"),
      LigneLangue{{{"Form1", "TOLVAN"}, {"LBtitre", "Tolvan"}}},
      Controle("GBcalcul", "Mini Calculatrice"),
      Controle("GBjeu", "le tirage"),
      Controle("GBsaisie", "Modidification"),
      Controle("GBson", "Ambiance sonore"),
      Controle("GBtablo", "le tableau noir"),
      Controle("GBindice", "indices"),
      Controle("GBbravo", "BRAVO"),
      LigneLangue{},
      Controle("Lbtime", "Temps normal :"),
      LigneLangue{},
      Controle("MaReponse2", "Entre ta réponse :"),
      Controle("RBfichier", "Au hasard dans la liste des tirages"),
      Controle("RBquelconque", "Quelconques"),
      LigneLangue{{{"TXTnamefile", "Aucun fichier ouvert"}, {"TXTnamefile2", "Aucun fichier ouvert"}}},
      Controle("TXTtime2", "secondes"),
      LigneLangue{{{"TSjeu", "Jeu"}, {"GBtirage", "Jeu"}}},
      Controle("TSoption", "Options"),
      Controle("TScompet", "Compétition"),
      Controle("TStirage", "Tirages"),
      Controle("TSapro", "A propos"),
      Controle("LBtemps", "Temps :"),
      Message(&TextesMessages::MsgCommencer),
      Message(&TextesMessages::MsgNouvellePartie),
      Message(&TextesMessages::MsgErreurOuverture),
      Message(&TextesMessages::MsgReessayer),
      Message(&TextesMessages::MsgErreurLecture),
      Message(&TextesMessages::MsgErreurEcriture),
      Message(&TextesMessages::MsgYenAPas),
      Message(&TextesMessages::MsgImpossible),
      Message(&TextesMessages::MsgErreurImprimante),
      Message(&TextesMessages::MsgArreter),
      Message(&TextesMessages::MsgPartieSuivante),
      Message(&TextesMessages::MsgAbandonner),
      Message(&TextesMessages::MsgToutEffacer),
  };
  return lignes;
}

std::array<QString, NbLignesFichierLangue> LignesFrancaises() {
  const TextesMessages messages;
  std::array<QString, NbLignesFichierLangue> francais;
  for (int i = 0; i < NbLignesLangue; ++i) {
    const LigneLangue& ligne = LignesLangue()[static_cast<std::size_t>(i)];
    if (ligne.message) francais[static_cast<std::size_t>(i)] = messages.*ligne.message;
    if (!ligne.cibles.empty()) francais[static_cast<std::size_t>(i)] = QString::fromUtf8(ligne.cibles.front().francais);
  }
  for (int i = NbLignesLangue; i < NbLignesFichierLangue; ++i) francais[static_cast<std::size_t>(i)] = TexteAbsent(i);
  return francais;
}

}  // namespace tolvan
