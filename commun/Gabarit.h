// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every window shares: twips, the dialog font, stacking, centring, labels and colours.
#pragma once

#include <QFont>
#include <QRect>

class QColor;
class QLabel;
class QPushButton;
class QWidget;

// Positions are kept in twips, as designed (1440 to the inch); Qt works in device-independent
// pixels at 96 to the inch.
namespace Gabarit {

constexpr int TwipsParPixel = 15;

constexpr int px(int twips)
{
    // Half away from zero, so that lines starting off the window stay symmetric.
    return twips >= 0 ? (twips + TwipsParPixel / 2) / TwipsParPixel
                      : -((-twips + TwipsParPixel / 2) / TwipsParPixel);
}

// Places a control at a position given in twips.
void placer(QWidget *w, int gauche, int haut, int largeur, int hauteur);

// A label named `nom`, placed in twips, top-left aligned; transparent unless filled.
QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, const QRect &twips,
    const QFont &police);

// A command button named `nom`, placed in twips; its caption is also its accessible name, with
// `infobulle` as tool tip and `description` telling a screen reader what it does.
QPushButton *bouton(QWidget *parent, const char *nom, const QString &texte, const QRect &twips,
    const QString &infobulle, const QString &description);

// A caption for a control of a window laid out by Qt, whose access key leads to the control.
QLabel *legende(const QString &texte, QWidget *controle);

// Paints a window's (or container's) background in a plain colour.
void fond(QWidget *w, const QColor &couleur);

// The dialog font the windows were drawn with, at `points` (8.25 pt by default).
QFont police(qreal points = 8.25, bool gras = false);

// Before the first window: the historic Windows font names mapped onto installed fonts with
// close metrics, the dialog font for all the toolkit draws (menus, message boxes, tips), and
// the toolkit's words in French.
void preparerApplication();

// A window's name, caption and the application icon.
void preparerFenetre(QWidget *fenetre, const char *nom, const QString &titre);

// Labels, lines and pictures are drawn on the window itself: buttons and input boxes lie
// above them, whatever their order of creation.
void empiler(QWidget *fenetre);

// Centres a top-level window on its whole screen, size unchanged.
void centrer(QWidget *fenetre);

// A window laid out by Qt opened at `colonnes` average characters by `lignes` lines of its font,
// within nine tenths of its screen and never below what its layout needs, then centred.
void ouvrirCentree(QWidget *fenetre, int colonnes, int lignes);

} // namespace Gabarit
