#include "RegimeSerieMontante.h"

#include <algorithm>

#include "midend/Reglages.h"
#include "midend/Services.h"

namespace tolvan {

namespace {

const QString NomMeilleure = QStringLiteral("SerieMontante");

}  // namespace

RegimeSerieMontante::RegimeSerieMontante(const MaCote& cote, Services& services)
    : RegimeMesure(cote), services_(services) {
  // A store that cannot be read only costs the longest run's memory.
  try {
    meilleure_ = services_.Reglages().Lit(CleOption, NomMeilleure).value_or(QString()).toInt();
  } catch (const ErreurReglages&) {
  }
}

void RegimeSerieMontante::Suivante(Table& table) {
  if (table.manche().PartieEnJeu() || finie_) return;
  DonneDansLaBande(table, BandeDeRang(trouves_ + 1));
}

Conclusion RegimeSerieMontante::Conclut(Table&, const FinDePartie& fin, PartieJouee& partie) {
  partie.mode = ModePartie::Entrainement;
  if (finie_) return {};
  if (!fin.trouve) {
    finie_ = true;
    return {std::nullopt, Suite::FinDeSerie};
  }
  ++trouves_;
  return {Manche::LigneEntrainement(fin.secondes), Suite::TirageSuivant};
}

std::optional<Feuille> RegimeSerieMontante::Termine(Table&) {
  GardeLaMeilleure();
  return std::nullopt;
}

void RegimeSerieMontante::GardeLaMeilleure() {
  if (trouves_ <= meilleure_) return;
  meilleure_ = trouves_;
  try {
    services_.Reglages().Ecrit(CleOption, NomMeilleure, QString::number(meilleure_));
    services_.Reglages().Enregistre();
  } catch (const ErreurReglages&) {
  }
}

void RegimeSerieMontante::CompleteBilan(Bilan& bilan, const TextesMessages& textes) const {
  RegimeMesure::CompleteBilan(bilan, textes);
  bilan.lignes.append(textes.MsgSerieMontante.arg(trouves_).arg(std::max(trouves_, meilleure_)));
}

}  // namespace tolvan
