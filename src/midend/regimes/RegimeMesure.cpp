#include "RegimeMesure.h"

#include "midend/MaCote.h"

namespace tolvan {

namespace {

constexpr Cadence CadenceDeReference{40, GenreHorloge::Rebours};

}  // namespace

std::optional<Cadence> RegimeMesure::CadenceDesParties(const Options& options) const {
  if (options.temps >= 0 && CadenceDuChoix(options.temps).CompteARebours()) return CadenceDuChoix(options.temps);
  return CadenceDeReference;
}

Permissions RegimeMesure::Permis() const {
  Permissions permis;
  permis.tiragesDuJoueur = false;
  return permis;
}

void RegimeMesure::DonneDansLaBande(Table& table, Bande bande) {
  // Sixty bits of seed from the desktop's random numbers, so that a scripted
  // desktop deals known draws.
  const auto haut = static_cast<std::uint64_t>(table.Aleatoire(1 << 30));
  const auto bas = static_cast<std::uint64_t>(table.Aleatoire(1 << 30));
  const double secondes = table.cadence().limite;
  const TirageMesure tire = TireAMaMesure(
      haut << 30 | bas, bande, [this, secondes](const ResumeEfforts& resume) { return cote_.cote().ChancePredite(resume, secondes); },
      table.solveurDuTirage());
  chance_ = tire.chance;
  table.Joue();
  table.NoteTirageJoue();
}

void RegimeMesure::CompleteBilan(Bilan& bilan, const TextesMessages& textes) const {
  if (chance_) bilan.lignes.append(textes.MsgChancePrevue.arg(TextePourcentage(*chance_)));
}

}  // namespace tolvan
