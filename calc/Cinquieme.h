// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// Small establishments of the 5th category: PE 2 §3 (when PE 11 does not apply) and the PE 11
// table in metres, or CO 38 §1 d above 300 persons:
//   EntreeCinquieme, ResultatCinquieme, calculerCinquieme
#pragma once

#include "Exigence.h"

#include <QList>
#include <QString>
#include <QStringList>

struct EntreeCinquieme
{
    qint64 public_ = 0;
    // Staff without exits of their own.
    qint64 personnel = 0;
    // Renovation, or an establishment set up in an existing building: 0,90 m may be 0,80 m.
    bool existant = false;
    bool sommeil = false;
};

struct ResultatCinquieme
{
    bool applicable = false;
    // Public + staff.
    qint64 effectif = 0;
    // Why PE 11 does not apply (PE 2 §3), when it does not.
    QString raison;
    // "PE 11" or "CO 38 §1 d".
    QString regle;
    // PE 11: each accepted solution, a list of widths in mm; 600 stands for "0,60 m ou un
    // dégagement accessoire".
    QList<QList<qint32>> solutions;
    // CO 38 §1 d, above 300 persons.
    Exigence exigence;
    // The floor-stair alternative and the other notes, each quoting its article.
    QStringList notes;
};

ResultatCinquieme calculerCinquieme(const EntreeCinquieme &entree);
