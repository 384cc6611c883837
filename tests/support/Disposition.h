// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// What every window drawn with layouts keeps, checked alike for each:
//   centree               the window's frame centred on its screen
//   verifierDisposition   laid out and resizable, in the application font, controls inside the
//                         window, buttons' captions whole, every access key its own; Tab goes
//                         round the controls in reading order, each named for a screen reader
#pragma once

#include <QTest>
#include <QtWidgets>

inline bool centree(const QWidget *fenetre)
{
    const QPoint ecart = fenetre->frameGeometry().center() - fenetre->screen()->geometry().center();
    return qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1;
}

// `parcours`: the object names Tab reaches, starting from the first. To call last in a test.
inline void verifierDisposition(QWidget *fenetre, const QStringList &parcours)
{
    QVERIFY(fenetre->layout() && fenetre->minimumSize() != fenetre->maximumSize());
    QVERIFY(centree(fenetre));
    QStringList touches;
    for (const QWidget *controle : fenetre->findChildren<QWidget *>()) {
        if (!controle->isVisibleTo(fenetre))
            continue;
        const QString nom = controle->objectName();
        QVERIFY2(
            !controle->testAttribute(Qt::WA_SetFont), qPrintable(nom + " has a font of its own"));
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
}
