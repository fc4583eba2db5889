// Checks of the value dialog by mode. The character sets and the angular range decide
// most refusals; in the positive mode the text must also be a finite number above 0,
// so that "0", "." or an exponent that underflows never reaches a statement as a length.
#include "construction/saisie_valeur.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace velk {

namespace {

bool EstChiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Skips the digits from position i; returns how many there were.
int LitChiffres(const QString& t, int& i)
{
    int n = 0;
    while (i < t.size() && EstChiffre(t.at(i))) {
        ++i;
        ++n;
    }
    return n;
}

bool SyntaxeReel(const QString& t)
{
    int i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    int chiffres = LitChiffres(t, i);
    if (i < t.size() && t.at(i) == QLatin1Char('.')) {
        ++i;
        chiffres += LitChiffres(t, i);
    }
    if (chiffres == 0)
        return false;
    if (i < t.size() && t.at(i) == QLatin1Char('E')) {
        ++i;
        if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            ++i;
        if (LitChiffres(t, i) == 0)
            return false;
    }
    return i == t.size();
}

// The "C" locale, created once, so the conversion ignores the user's decimal comma.
locale_t LocaleC()
{
    static locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

bool LitReel(const QString& texte, Reel& valeur)
{
    if (!SyntaxeReel(texte))
        return false;
    const QByteArray octets = texte.toLatin1();
    char* fin = nullptr;
    const Reel v = strtold_l(octets.constData(), &fin, LocaleC());
    if (fin != octets.constData() + octets.size())
        return false;
    valeur = v;
    return true;
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
