// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every window drawn with layouts keeps, checked alike for each:
//   centree               the window's frame centred on its screen
//   verifierDisposition   layout, font, controls inside, captions whole, distinct access keys, Tab
//                         order, names for a screen reader, the part that grows with the window
//   encadreeEnRouge       a table's cell framed in red as drawn, by its editor while one is open
//   rangees               a table's rows as read
#pragma once

#include "Banc.h"

inline bool centree(const QWidget *fenetre)
{
    const QPoint ecart = fenetre->frameGeometry().center() - fenetre->screen()->geometry().center();
    return qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1;
}

// `parcours`: the object names Tab reaches, starting from the first. To call last in a test.
inline void verifierDisposition(
    QWidget *fenetre, const QStringList &parcours, const char *extensible = nullptr)
{
    QVERIFY(fenetre->layout() && fenetre->minimumSize() != fenetre->maximumSize());
    QVERIFY(centree(fenetre));
    QStringList touches;
    for (const QWidget *controle : fenetre->findChildren<QWidget *>()) {
        if (!controle->isVisibleTo(fenetre))
            continue;
        const QString nom = controle->objectName();
        QVERIFY2(!controle->testAttribute(Qt::WA_SetFont), qPrintable(nom + " has its own font"));
        QVERIFY2(
            fenetre->rect().contains(QRect(controle->mapTo(fenetre, QPoint()), controle->size())),
            qPrintable(nom + " lies outside the window"));
        const auto *bouton = qobject_cast<const QAbstractButton *>(controle);
        const auto *legende = qobject_cast<const QLabel *>(controle);
        if (bouton)
            QVERIFY2(bouton->sizeHint().width() <= bouton->width(), qPrintable(bouton->text()));
        if (bouton || (legende && legende->buddy()))
            touches << QKeySequence::mnemonic(bouton ? bouton->text() : legende->text()).toString();
    }
    QCOMPARE(QSet<QString>(touches.cbegin(), touches.cend()).size(), touches.size());
    QVERIFY(!touches.contains(""));
    QStringList parcouru;
    fenetre->findChild<QWidget *>(parcours.first())->setFocus();
    do {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(
            !focus->accessibleName().isEmpty() || !focus->property("text").toString().isEmpty(),
            qPrintable(focus->objectName() + " has no name for a screen reader"));
        parcouru << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    } while (QApplication::focusWidget()->objectName() != parcours.first() && parcouru.size() < 30);
    QCOMPARE(parcouru, parcours);
    if (!extensible)
        return;
    const QWidget *agrandi = fenetre->findChild<QWidget *>(extensible);
    const QSize avant = agrandi->size();
    fenetre->resize(fenetre->size() + QSize(200, 200));
    QTRY_VERIFY(agrandi->width() > avant.width() && agrandi->height() > avant.height());
}

inline bool encadreeEnRouge(const QTableWidget *table, int ligne, int colonne)
{
    const QImage image = table->viewport()->grab().toImage();
    const QRect cadre = table->visualItemRect(table->item(ligne, colonne));
    const QPoint bordGauche(cadre.left() + 1, cadre.center().y());
    return image.pixelColor(bordGauche * image.devicePixelRatio()) == QColor(Qt::red);
}

// Each row's cells from column `premiere` on, `nombre` of them, joined by " | ".
inline QStringList rangees(const QTableWidget *table, int nombre, int premiere = 0)
{
    QStringList lues;
    for (int ligne = 0; ligne < table->rowCount(); ++ligne) {
        QStringList cellules;
        for (int colonne = premiere; colonne < premiere + nombre; ++colonne)
            cellules << (table->item(ligne, colonne) ? table->item(ligne, colonne)->text() : "");
        lues << cellules.join(" | ");
    }
    return lues;
}
