// tolvan-bench-historique: times recording games in the history, one
// transaction each, as 10,000 made-up games fill a new file; then opens
// "Mes parties" on them in the real window (run it with
// QT_QPA_PLATFORM=offscreen or under a display) and times it from the click
// to the end of its first paint, charts and list included.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QChartView>
#include <QTableView>
#include <QTemporaryDir>

#include "../tools/captures/FenetrePilotee.h"
#include "PartiesInventees.h"
#include "midend/Historique.h"
#include "shell/TFRMparties.h"

namespace {

using Horloge = std::chrono::steady_clock;

double Millisecondes(Horloge::duration duree) { return std::chrono::duration<double, std::milli>(duree).count(); }

double Rang(std::vector<double> valeurs, double part) {
  std::sort(valeurs.begin(), valeurs.end());
  return valeurs[static_cast<std::size_t>(part * static_cast<double>(valeurs.size() - 1))];
}

// Tells when every part of "Mes parties" has been painted once.
struct GuetteurDePeinture : QObject {
  std::vector<QWidget*> attendus;
  bool eventFilter(QObject* objet, QEvent* event) override {
    if (event->type() == QEvent::Paint) std::erase(attendus, static_cast<QWidget*>(objet));
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  constexpr int NbParties = 10000;
  QTemporaryDir dossier;
  tolvan::pilote::PlateformeScriptee plateforme;
  plateforme.historique = dossier.filePath(QStringLiteral("historique.sqlite"));

  std::vector<double> enregistrements;
  {
    tolvan::Historique historique;
    if (historique.Ouvre(plateforme.historique).etat != tolvan::Historique::Ouverture::Ouvert) return 1;
    for (const tolvan::PartieJouee& partie : tolvan::PartiesInventees(NbParties, 1000, QDate::currentDate())) {
      const auto debut = Horloge::now();
      if (!historique.Enregistre(partie)) return 1;
      enregistrements.push_back(Millisecondes(Horloge::now() - debut));
    }
  }
  const auto lents = std::count_if(enregistrements.begin(), enregistrements.end(), [](double ms) { return ms >= 10; });
  std::printf("record_games=%d record_median_ms=%.3f record_p99_ms=%.3f record_max_ms=%.3f record_over_10ms=%d\n",
              NbParties, Rang(enregistrements, 0.5), Rang(enregistrements, 0.99), Rang(enregistrements, 1),
              static_cast<int>(lents));

  tolvan::TForm1 fenetre(plateforme, QStringLiteral(TOLVAN_APP_DIR "/"));
  fenetre.show();
  QApplication::processEvents();
  std::vector<double> ouvertures;
  for (int essai = 0; essai < 5; ++essai) {
    Horloge::time_point debut = Horloge::now();
    double ouverture = 0;
    plateforme.quandDialogue = [&](QDialog& dialogue) {
      auto& parties = static_cast<tolvan::TFRMparties&>(dialogue);
      GuetteurDePeinture guetteur;
      guetteur.attendus = {parties.CHjours->viewport(), parties.CHmedianes->viewport(), parties.LVparties->viewport()};
      for (QWidget* partie : guetteur.attendus) partie->installEventFilter(&guetteur);
      dialogue.show();
      while (!guetteur.attendus.empty()) QApplication::processEvents(QEventLoop::AllEvents, 5);
      ouverture = Millisecondes(Horloge::now() - debut);
      dialogue.hide();
    };
    fenetre.BTmesPartiesClick();
    ouvertures.push_back(ouverture);
  }
  std::printf("open_games=%d open_median_ms=%.1f open_max_ms=%.1f\n", NbParties, Rang(ouvertures, 0.5),
              Rang(ouvertures, 1));
  return 0;
}
