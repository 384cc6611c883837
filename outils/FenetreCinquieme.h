// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The "5e catégorie (PE 11)" window: public and staff in, the PE 11 answer out, on every edit.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
struct MotsCinquieme;

class FenetreCinquieme : public QWidget
{
    Q_OBJECT

public:
    static constexpr char NomMenu[] = "Cinquieme";
    static constexpr char16_t TexteMenu[] = u"&5e catégorie (PE 11)…";

    explicit FenetreCinquieme(QWidget *parent = nullptr);

    // Public and staff handed on by another tool, with its sleeping rooms; the rest as it was.
    void remplir(qint64 public_, qint64 personnel, bool sommeil);

private:
    void creerSaisie();
    void creerResultat();
    void recalculer();
    void afficher(const MotsCinquieme &mots);
    void effacer(const QString &raison);

    // What is typed.
    QLineEdit *m_public = nullptr;
    QLineEdit *m_personnel = nullptr;
    QCheckBox *m_existant = nullptr;
    QCheckBox *m_sommeil = nullptr;

    // What it gives.
    QLabel *m_application = nullptr;
    QLabel *m_effectif = nullptr;
    QLabel *m_solutions = nullptr;
    QListWidget *m_notes = nullptr;
};
