#include "Catalogue.h"

#include <limits>

#include "RegimeAMaMesure.h"
#include "RegimeCode.h"
#include "RegimeDuJour.h"
#include "RegimeDuel.h"
#include "RegimeRevoirRates.h"
#include "RegimeSerie.h"
#include "RegimeSerieMontante.h"
#include "midend/Bibliotheque.h"
#include "midend/Competition.h"
#include "midend/Journal.h"
#include "midend/ServicesDuJeu.h"
#include "midend/VueJeu.h"

namespace tolvan {

namespace {

// A way of the player's own draws starts only where those are open.
bool HorsCompetition(const Circonstances& c) { return c.base.Permis().tiragesDuJoueur; }

std::unique_ptr<Regime> SerieDuNiveau(Ateliers& a, const ChoixDuJoueur&) {
  if (a.liste.Modele().NbLignes() == 0) {
    a.services.Message(TypeMessage::Avertissement,
                       QStringLiteral("Aucun tirage à jouer : la liste des tirages de ce niveau est vide."),
                       BoutonsMessage::Ok);
    return nullptr;
  }
  return std::make_unique<RegimeSerie>(a.competition, a.liste);
}

std::unique_ptr<Regime> PartieParCode(Ateliers& a, const ChoixDuJoueur& choix) {
  const QString* texte = std::get_if<QString>(&choix);
  RefusCode refus;
  const std::optional<CodeSerie> code = CodeSerie::Lit(texte ? texte->toStdString() : std::string(), refus);
  if (!code) {
    RefuseCode(a.services, a.textes.MsgCodeRefuse, refus, a.textes);
    return nullptr;
  }
  // Its key takes a moment: the window shows what it has first.
  a.vue.AvantCalcul();
  return std::make_unique<RegimeCode>(*code);
}

std::unique_ptr<Regime> RatesDuJour(Ateliers& a, const ChoixDuJoueur&) {
  std::vector<TTirage> aRevoir = RatesARevoir(a.journal.historique().Dernieres(std::numeric_limits<int>::max()),
                                              a.services.Maintenant().date());
  if (aRevoir.empty()) {
    a.services.Message(TypeMessage::Simple, a.textes.MsgAucunRate, BoutonsMessage::Ok);
    return nullptr;
  }
  return std::make_unique<RegimeRevoirRates>(a.journal.cote(), std::move(aRevoir));
}

std::unique_ptr<Regime> DuelChoisi(Ateliers&, const ChoixDuJoueur& choix) {
  const ReglageDuel* reglage = std::get_if<ReglageDuel>(&choix);
  return std::make_unique<RegimeDuel>(reglage ? *reglage : ReglageDuel{});
}

}  // namespace

const std::vector<FaconDeJouer>& FaconsDeJouer() {
  static const std::vector<FaconDeJouer> facons = {
      {QStringLiteral("BTjour"), &TextesMessages::MsgTirageDuJour, nullptr, HorsCompetition,
       [](Ateliers& a, const ChoixDuJoueur&) { return std::make_unique<RegimeDuJour>(a.journal); }},
      {QStringLiteral("BTstart"), &TextesMessages::MsgCommencer, &TextesMessages::MsgArreter,
       [](const Circonstances& c) { return c.competition.serie().ModeCompetition() && c.competition.NiveauPret(); },
       SerieDuNiveau},
      {QStringLiteral("BTduel"), &TextesMessages::MsgDuel, &TextesMessages::MsgArreterDuel, HorsCompetition,
       DuelChoisi},
      {QStringLiteral("BTcode"), &TextesMessages::MsgPartieParCode, &TextesMessages::MsgArreterCode,
       [](const Circonstances&) { return true; }, PartieParCode},
      {QStringLiteral("BTaMaMesure"), &TextesMessages::MsgAMaMesure, &TextesMessages::MsgArreterAMaMesure,
       HorsCompetition,
       [](Ateliers& a, const ChoixDuJoueur&) { return std::make_unique<RegimeAMaMesure>(a.journal.cote()); }},
      {QStringLiteral("BTserieMontante"), &TextesMessages::MsgSerieMontanteBouton,
       &TextesMessages::MsgArreterSerieMontante, HorsCompetition,
       [](Ateliers& a, const ChoixDuJoueur&) {
         return std::make_unique<RegimeSerieMontante>(a.journal.cote(), a.services);
       }},
      {QStringLiteral("BTrevoirRates"), &TextesMessages::MsgRevoirRates, &TextesMessages::MsgArreterRevoirRates,
       HorsCompetition, RatesDuJour},
  };
  return facons;
}

const FaconDeJouer* FaconDuBouton(const QString& bouton) {
  for (const FaconDeJouer& facon : FaconsDeJouer()) {
    if (facon.bouton == bouton) return &facon;
  }
  return nullptr;
}

}  // namespace tolvan
