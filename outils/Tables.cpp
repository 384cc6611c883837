// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "Tables.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget *tableauSaisie(const char *nom, const QString &titre, int colonnes)
{
    auto *table = new QTableWidget(0, colonnes);
    table->setObjectName(QLatin1String(nom));
    table->setAccessibleName(titre);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    // Tab leaves the table; the arrows move inside it.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    return table;
}

QTableWidget *tableauResultat(const char *nom, const QString &titre)
{
    QTableWidget *table = tableauSaisie(nom, titre, 0);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return table;
}

void remplir(QTableWidget *table, const Tableau &contenu)
{
    table->setColumnCount(static_cast<int>(contenu.entetes.size()));
    table->setHorizontalHeaderLabels(contenu.entetes);
    table->setRowCount(static_cast<int>(contenu.lignes.size()));
    for (int ligne = 0; ligne < table->rowCount(); ++ligne)
        for (int colonne = 0; colonne < table->columnCount(); ++colonne) {
            // Items kept from one edit to the next: a screen reader stays where it was.
            if (!table->item(ligne, colonne))
                table->setItem(ligne, colonne, new QTableWidgetItem);
            table->item(ligne, colonne)->setText(contenu.lignes[ligne].value(colonne));
        }
}
