#pragma once

#include <QString>
#include <functional>
#include <memory>

// Page-description layer of one printed document. Positions are in twips from the top-left
// corner of the printable area; printing a line draws it at the current position, then moves
// back to the left edge and down by the current font's line spacing.
class Imprimante
{
public:
    virtual ~Imprimante() = default;

    virtual void setFontName(const QString &nom) = 0;
    virtual void setFontSize(qreal points) = 0;
    virtual void setCurrentX(int twips) = 0;
    virtual void setCurrentY(int twips) = 0;
    virtual void print(const QString &ligne) = 0;
    // Sends the page to the printer; false, with erreur() set, if it did not go.
    virtual bool endDoc() = 0;
    virtual QString erreur() const = 0;
};

// Opens a document on the default printer; nullptr, with `erreur` set, when there is none
// or it cannot take the job.
using FabriqueImprimante = std::function<std::unique_ptr<Imprimante>(QString &erreur)>;

std::unique_ptr<Imprimante> imprimanteParDefaut(QString &erreur);
