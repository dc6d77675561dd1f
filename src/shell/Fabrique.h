// Small makers for the window's controls: each gives the control its
// object name (the name the rest of the program knows it by), its place in
// 96-dpi pixels, its caption and its hint.
#pragma once

#include <initializer_list>
#include <utility>

#include <QRect>
#include <QString>
#include <QStringList>

#include "Pictos.h"

class QWidget;
class QPushButton;
class QCheckBox;
class QRadioButton;
class QLabel;
class QLineEdit;
class QGroupBox;
class QComboBox;
class QProgressBar;
class QTreeView;
class QTreeWidget;
class QTextEdit;
class QAbstractItemModel;

namespace tolvan {

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte, QRect place,
                    const QString& bulle = {});
QPushButton* BoutonImage(QWidget* parent, const char* nom, const QString& texte, Picto picto, QRect place,
                         const QString& bulle = {});
QCheckBox* CaseACocher(QWidget* parent, const char* nom, const QString& texte, QRect place, bool cochee,
                       const QString& bulle = {});
// A check box whose caption takes a second line when it needs one.
QCheckBox* CaseRepliee(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle = {});
QRadioButton* BoutonRadio(QWidget* parent, const char* nom, const QString& texte, QRect place,
                          const QString& bulle = {});
QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle = {});
// A label that is a link: reached with Tab, pressed with Enter or a click
// (its `linkActivated`), a link for screen readers.
QLabel* Lien(QWidget* parent, const char* nom, const QString& texte, QRect place, const QString& bulle);
QLineEdit* Champ(QWidget* parent, const char* nom, const QString& texte, QRect place, int longueurMax = 32767,
                 const QString& bulle = {});
// A field for a number of at most `chiffres` digits. Only typing is
// limited: a longer number the game puts there shows whole.
QLineEdit* ChampNombre(QWidget* parent, const char* nom, QRect place, int chiffres);
QGroupBox* Groupe(QWidget* parent, const char* nom, const QString& titre, QRect place);
QComboBox* ListeDeroulante(QWidget* parent, const char* nom, QRect place, const QString& bulle = {});
QProgressBar* Barre(QWidget* parent, const char* nom, int maximum, QRect place);
// A report-style list: one column per (title, width); a width of 0 keeps
// the default.
QTreeWidget* ListeRapport(QWidget* parent, const char* nom, std::initializer_list<std::pair<QString, int>> colonnes,
                          QRect place);
// A report-style view of `modele`, whose columns have these widths.
QTreeView* VueRapport(QWidget* parent, const char* nom, QAbstractItemModel* modele,
                      std::initializer_list<int> largeurs, QRect place);
QTextEdit* Memo(QWidget* parent, const char* nom, QRect place, const QString& bulle = {});

}  // namespace tolvan
