// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The product logo of the About and web site windows: the animation at the top left and the
// picture beside it.
#pragma once

class Animation;
class QColor;
class QLabel;
class QWidget;

namespace Logo {

// `Animation1`, hidden until started, on a background of its own.
Animation *animation(QWidget *fenetre, int hauteurTwips, const QColor &fond);
// `Image1`, the logo picture at its natural size.
QLabel *image(QWidget *fenetre);
// Opens the clip, plays it, then shows the control, in that order.
void demarrer(Animation *animation);

} // namespace Logo
