// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
#include "CelluleSaisie.h"

#include "Etude.h"

#include <QLineEdit>
#include <QPainter>
#include <QTableWidgetItem>

namespace {

const QColor Rouge(Qt::red);

} // namespace

void CelluleSaisie::marquer(QTableWidgetItem *cellule, const QString &erreur)
{
    if (cellule->data(RoleErreur).toString() == erreur)
        return;
    cellule->setData(RoleErreur, erreur);
    cellule->setToolTip(erreur);
    cellule->setData(Qt::AccessibleDescriptionRole, erreur);
}

QWidget *CelluleSaisie::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QWidget *editeur = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *ligne = qobject_cast<QLineEdit *>(editeur)) {
        // What a study file keeps of a cell.
        ligne->setMaxLength(FichierEtude::LongueurCellule);
        connect(ligne, &QLineEdit::textEdited, this, &CelluleSaisie::transmettre);
    }
    return editeur;
}

void CelluleSaisie::setEditorData(QWidget *editeur, const QModelIndex &index) const
{
    auto *ligne = qobject_cast<QLineEdit *>(editeur);
    if (!ligne) {
        QStyledItemDelegate::setEditorData(editeur, index);
        return;
    }
    // The table sends back every key it received: the cursor must stay where it is.
    if (ligne->text() != index.data(Qt::EditRole).toString())
        QStyledItemDelegate::setEditorData(editeur, index);
    const QString erreur = index.data(RoleErreur).toString();
    ligne->setStyleSheet(erreur.isEmpty()
            ? QString()
            : QStringLiteral("QLineEdit { border: 2px solid %1; }").arg(Rouge.name()));
    ligne->setToolTip(erreur);
    ligne->setAccessibleDescription(erreur);
}

void CelluleSaisie::paint(
    QPainter *peintre, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(peintre, option, index);
    if (index.data(RoleErreur).toString().isEmpty())
        return;
    peintre->save();
    peintre->setPen(QPen(Rouge, 2));
    peintre->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    peintre->restore();
}

void CelluleSaisie::transmettre()
{
    if (auto *editeur = qobject_cast<QWidget *>(sender()))
        emit commitData(editeur);
}
