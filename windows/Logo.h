#pragma once

#include <QColor>
#include <QString>

class Animation;
class QLabel;
class QWidget;

// The product logo shared by the About and web site windows: the animation at the top left
// and the picture beside it.
namespace Logo {

// Tool tip of both: the product word and its slogan.
inline const QString Bulle
    = QStringLiteral("SalvaNOR - Des outils simples pour la sécurité des ERP");

Animation *animation(QWidget *fenetre, int hauteurTwips, const QColor &fond);
QLabel *image(QWidget *fenetre);
// Opens the clip, plays it, then shows the control, in that order.
void demarrer(Animation *animation);

} // namespace Logo
