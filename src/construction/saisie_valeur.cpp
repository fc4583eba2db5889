// Checks of the value dialog by mode. The character sets and the angular range decide
// most refusals; in the positive mode the text must also be a finite number above 0,
// so that "0", "." or an exponent that underflows never reaches a statement as a length.
#include "construction/saisie_valeur.h"

#include "language/nombres.h"

#include <cmath>

namespace velk {

namespace {

bool EstChiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

// The same conversion as the run's, so the dialog accepts exactly what a statement reads.
bool LitReel(const QString& texte, Reel& valeur)
{
    for (QChar c : texte)
        if (c.unicode() >= 0x80)
            return false;
    return ConvertitReel(texte.toStdString(), valeur);
}

bool CaracteresPermis(const QString& texte, int mode)
{
    for (QChar c : texte) {
        const bool permis = EstChiffre(c) || c == QLatin1Char('+') || c == QLatin1Char('.') ||
                            c == QLatin1Char('E') ||
                            (c == QLatin1Char('-') && mode != SaisiePositive);
        if (!permis)
            return false;
    }
    return true;
}

VerdictSaisie VerifieSaisie(const QString& texte, int mode)
{
    if (texte.isEmpty() || !CaracteresPermis(texte, mode))
        return VerdictSaisie::Incorrecte;
    if (mode == SaisieAngle) {
        Reel v = 0;
        if (!LitReel(texte, v))
            return VerdictSaisie::ErreurConversion;
        return (v >= -360 && v <= 360) ? VerdictSaisie::Valide : VerdictSaisie::Incorrecte;
    }
    if (mode == SaisiePositive) {
        Reel v = 0;
        if (!LitReel(texte, v) || !std::isfinite(v) || !(v > 0))
            return VerdictSaisie::Incorrecte;
    }
    return VerdictSaisie::Valide;
}

QString MessageRefus(int mode)
{
    switch (mode) {
    case SaisiePositive: return QStringLiteral("Valeur positive incorrecte");
    case SaisieAngle: return QStringLiteral("Valeur angulaire incorrecte (+ - 360)");
    default: return QStringLiteral("Valeur incorrecte");
    }
}

QString MessageConversion(const QString& texte)
{
    return QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(texte);
}

} // namespace velk
