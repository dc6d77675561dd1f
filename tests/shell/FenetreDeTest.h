// A real main window driven by the scripted platform, with its own program
// directory, for the window tests.
#pragma once

#include <memory>

#include <QFile>
#include <QTemporaryDir>

#include "PlateformeDeTest.h"
#include "shell/TForm1.h"

namespace tolvan::test {

struct FenetreDeTest {
  PlateformeDeTest plateforme;
  QTemporaryDir dossier;
  std::unique_ptr<TForm1> fenetre;

  // The program directory holds the default theme unless told otherwise;
  // the settings store holds `reglages` when the window is made.
  explicit FenetreDeTest(bool avecThemeParDefaut = true,
                         std::map<std::pair<QString, QString>, QString> reglages = {}) {
    plateforme.reglages.valeurs = std::move(reglages);
    if (avecThemeParDefaut) {
      Ecrit(QStringLiteral("system defaut.son"),
            "MenuPopup\r\nMenuCommand\r\nAppGPFault\r\nMinimize\r\nRestoreUp\r\nSystemQuestion\r\nSystemExclamation\r\n");
    }
    fenetre = std::make_unique<TForm1>(plateforme, Repertoire());
  }

  QString Repertoire() const { return dossier.path() + QLatin1Char('/'); }
  QString Chemin(const QString& nom) const { return dossier.filePath(nom); }

  void Ecrit(const QString& nom, const QByteArray& contenu) const {
    QFile fichier(Chemin(nom));
    fichier.open(QIODevice::WriteOnly);
    fichier.write(contenu);
  }

  QByteArray Lit(const QString& nom) const {
    QFile fichier(Chemin(nom));
    fichier.open(QIODevice::ReadOnly);
    return fichier.readAll();
  }

  template <class Controle>
  Controle* Trouve(const char* nom) const {
    return fenetre->findChild<Controle*>(QString::fromLatin1(nom));
  }
};

}  // namespace tolvan::test
