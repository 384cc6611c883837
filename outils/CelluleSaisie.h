// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The input cells of the study windows' tables:
//   CelluleSaisie   a delegate that hands every key typed to the table at once, so that the
//                   results follow the typing, and frames in red a cell that cannot be read
//   marquer         marks a cell with what is expected there, or clears the mark
#pragma once

#include <QStyledItemDelegate>

class QTableWidgetItem;

class CelluleSaisie : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The French sentence saying what a cell expects; empty when the cell was read.
    static constexpr int RoleErreur = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    static void marquer(QTableWidgetItem *cellule, const QString &erreur);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editeur, const QModelIndex &index) const override;
    void paint(QPainter *peintre, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

protected:
    // Hands the sending editor's value to the table at once.
    void transmettre();
};
