// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// The single instance of each secondary window, for the whole program.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>

// Held by the main window while it lives. A window is created on first use, shown modeless and
// without owner, brought to the front while open, and built afresh (so loaded again) after it
// was closed; those still open are deleted with the set. Any window may ask for another (a tool
// handing its numbers on), without knowing who holds them.
class FenetresUniques
{
public:
    FenetresUniques() { s_courantes = this; }
    ~FenetresUniques()
    {
        s_courantes = nullptr;
        for (const auto &[type, fenetre] : m_fenetres)
            delete fenetre.data();
    }
    FenetresUniques(const FenetresUniques &) = delete;
    FenetresUniques &operator=(const FenetresUniques &) = delete;

    // Shown, and in front if it was already open; nullptr while no main window holds the set.
    template <class Fenetre> static Fenetre *afficher()
    {
        if (!s_courantes)
            return nullptr;
        QPointer<QWidget> &fenetre = s_courantes->m_fenetres[typeid(Fenetre)];
        if (!fenetre) {
            fenetre = new Fenetre;
            fenetre->setAttribute(Qt::WA_DeleteOnClose);
        }
        const bool dejaOuverte = fenetre->isVisible();
        fenetre->show();
        if (dejaOuverte) {
            fenetre->raise();
            fenetre->activateWindow();
        }
        return static_cast<Fenetre *>(fenetre.data());
    }

private:
    inline static FenetresUniques *s_courantes = nullptr;
    std::map<std::type_index, QPointer<QWidget>> m_fenetres;
};
