#pragma once

#include "Imprimante.h"

#include <QStringList>

// Writes down every operation of the page layer, one string each.
class ImprimanteEnregistreuse : public Imprimante
{
public:
    explicit ImprimanteEnregistreuse(QStringList &journal, bool echoue = false)
        : m_journal(journal)
        , m_echoue(echoue)
    { }
    void setFontName(const QString &nom) override { m_journal << "FontName " + nom; }
    void setFontSize(qreal points) override { m_journal << QString("FontSize %1").arg(points); }
    void setCurrentX(int twips) override { m_journal << QString("X %1").arg(twips); }
    void setCurrentY(int twips) override { m_journal << QString("Y %1").arg(twips); }
    void print(const QString &ligne) override { m_journal << "Print [" + ligne + "]"; }
    bool endDoc() override
    {
        m_journal << "EndDoc";
        return !m_echoue;
    }
    QString erreur() const override { return "la file refuse le travail"; }

private:
    QStringList &m_journal;
    bool m_echoue;
};
