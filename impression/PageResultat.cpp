// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "PageResultat.h"

#include "Imprimante.h"
#include "Produit.h"

void imprimerResultat(Imprimante &Printer, const LignesResultat &lignes)
{
    const QString filet(49, u'-');
    Printer.setFontName(QStringLiteral("Arial"));
    Printer.setFontSize(12);
    Printer.setCurrentY(500);
    Printer.setCurrentX(500);
    Printer.print(filet);
    Printer.setFontSize(8);
    Printer.setCurrentX(500);
    Printer.print(Produit::Titre + QStringLiteral(" v.") + Produit::Version);
    Printer.setCurrentX(500);
    Printer.setFontSize(12);
    Printer.print(filet);
    Printer.print(QString());
    for (const QString &ligne : lignes) {
        Printer.setCurrentX(500);
        Printer.print(ligne);
    }
    Printer.setCurrentX(500);
    Printer.print(filet);
}
