// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The single instance of a secondary window.
#pragma once

#include <QPointer>
#include <QWidget>

// One instance of a secondary window for the whole program: created on first use,
// shown modeless and without owner, brought to the front while open, and built afresh
// (so loaded again) after it was closed.
template <class Fenetre> class FenetreUnique
{
public:
    FenetreUnique() = default;
    FenetreUnique(const FenetreUnique &) = delete;
    FenetreUnique &operator=(const FenetreUnique &) = delete;
    ~FenetreUnique() { delete m_fenetre; }

    Fenetre *afficher()
    {
        if (!m_fenetre) {
            m_fenetre = new Fenetre;
            m_fenetre->setAttribute(Qt::WA_DeleteOnClose);
        }
        const bool dejaOuverte = m_fenetre->isVisible();
        m_fenetre->show();
        if (dejaOuverte) {
            m_fenetre->raise();
            m_fenetre->activateWindow();
        }
        return m_fenetre.data();
    }

private:
    QPointer<Fenetre> m_fenetre;
};
