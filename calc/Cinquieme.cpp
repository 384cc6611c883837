// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Cinquieme.h"

namespace {

// PE 11 §3's widths in mm; 600 stands for "0,60 mètre ou un dégagement accessoire".
constexpr qint32 UneUnite = 900;
constexpr qint32 Existant = 800;
constexpr qint32 DeuxUnites = 1400;
constexpr qint32 Accessoire = 600;
constexpr qint64 PublicExclu = 19; // PE 2 §3

} // namespace

ResultatCinquieme calculerCinquieme(const EntreeCinquieme &entree)
{
    ResultatCinquieme r;
    r.effectif = entree.public_ + entree.personnel;
    if (entree.public_ <= PublicExclu && !entree.sommeil) {
        r.raison = QStringLiteral("PE 2 §3 : avec 19 personnes du public au plus et sans locaux à "
                                  "sommeil, l'article PE 11 "
                                  "ne s'applique pas, quel que soit le nombre de membres du "
                                  "personnel ; seuls s'appliquent "
                                  "PE 4 §2 et §3, PE 24 §1, PE 26 §1 et PE 27.");
        return r;
    }
    r.applicable = true;
    const qint64 n = r.effectif;
    if (n > 300) {
        r.regle = QStringLiteral("CO 38 §1 d");
        r.exigence = exigence(n);
        r.notes << QStringLiteral("PE 11 §3 : au-delà de 300 personnes, les dispositions de "
                                  "l'article CO 38 (§ 1 d) sont applicables.");
    } else {
        r.regle = QStringLiteral("PE 11");
        // In an existing building 0,90 m may be 0,80 m; never 1,40 m nor 0,60 m.
        const qint32 une = entree.existant ? Existant : UneUnite;
        if (n < 20)
            r.solutions = { { une } };
        else if (n <= 50)
            r.solutions = { { DeuxUnites }, { une, Accessoire } };
        else if (n <= 100)
            r.solutions = { { une, une }, { DeuxUnites, Accessoire } };
        else if (n <= 200)
            r.solutions = { { DeuxUnites, une } };
        else
            r.solutions = { { DeuxUnites, DeuxUnites } };
        const QString uneEnMetres
            = entree.existant ? QStringLiteral("0,80") : QStringLiteral("0,90");
        if (n >= 20 && n <= 50) {
            r.notes << QStringLiteral("PE 11 §3 : le dégagement unique de 1,40 m doit déboucher "
                                      "directement sur l'extérieur, le public n'ayant jamais plus "
                                      "de 25 m à parcourir.");
            r.notes << QStringLiteral("PE 11 §3 : en étage, un escalier unique de %1 m au moins "
                                      "suffit.")
                           .arg(uneEnMetres);
            r.notes << QStringLiteral("PE 11 §3, CO 41 : cet escalier unique est complété par un "
                                      "dégagement accessoire si le plancher bas de l'étage le plus "
                                      "haut accessible au public est à plus de 8 m du sol.");
        }
        if (n >= 20 && n <= 100)
            r.notes << QStringLiteral("PE 11 §3, CO 41 : 0,60 m désigne un dégagement de 0,60 m ou "
                                      "un dégagement accessoire.");
        if (entree.existant)
            r.notes << QStringLiteral("PE 11 : en rénovation ou dans un immeuble existant, 0,90 m "
                                      "peut être ramené à 0,80 m.");
        r.notes << QStringLiteral("PE 11 §2, CO 44 : une porte peut avoir 5 % de moins que 0,90 m "
                                  "ou 1,40 m (0,855 m ou 1,33 m) ; cette tolérance ne s'applique "
                                  "ni à 0,80 m ni à 0,60 m.");
    }
    r.notes << QStringLiteral(
        "PE 11 : les escaliers d'un étage écoulent aussi le public des étages "
        "au-dessus, que PE 11 n'ajoute pas (pas de cumul comme en CO 38 §2) : "
        "vérifiez qu'ils suffisent à tous ceux qui les empruntent.");
    return r;
}
