#pragma once

#include <QFont>
#include <QRect>

class QColor;
class QLabel;
class QWidget;

// Layout helpers shared by every window. Positions are kept in twips, as designed
// (1440 to the inch); Qt works in device-independent pixels at 96 to the inch.
namespace Gabarit {

constexpr int TwipsParPixel = 15;

constexpr int px(int twips)
{
    // Round half away from zero so negative positions (lines that start off-window) stay symmetric.
    return twips >= 0 ? (twips + TwipsParPixel / 2) / TwipsParPixel
                      : -((-twips + TwipsParPixel / 2) / TwipsParPixel);
}

constexpr QRect rect(int gauche, int haut, int largeur, int hauteur)
{
    return { px(gauche), px(haut), px(largeur), px(hauteur) };
}

// Places a control at a position given in twips.
void placer(QWidget *w, int gauche, int haut, int largeur, int hauteur);

// A label named `nom`, placed in twips; transparent unless the caller fills it.
QLabel *etiquette(QWidget *parent, const char *nom, const QString &texte, const QRect &twips,
    const QFont &police);

// Paints a window's (or container's) background in a plain colour.
void fond(QWidget *w, const QColor &couleur);

// The dialog font the windows were drawn with, at `points` (8.25 pt by default).
QFont police(qreal points = 8.25, bool gras = false);

// What the whole program shares, before its first window: the historic Windows font names
// mapped onto installed fonts with close metrics, and the dialog font for everything the
// toolkit draws itself (menus, message boxes, tool tips).
void preparerApplication();

// Labels, lines and pictures are drawn on the window itself: buttons and input boxes lie
// above them, whatever their order of creation.
void empiler(QWidget *fenetre);

// What every window shares: its name, its caption, the application icon and the dialog font.
void preparerFenetre(QWidget *fenetre, const char *nom, const QString &titre);

// Centres a top-level window on its whole screen, size unchanged.
void centrer(QWidget *fenetre);

} // namespace Gabarit
