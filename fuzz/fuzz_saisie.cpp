// The value dialog's check on arbitrary text in every mode (and in modes no caller uses).
// What must hold: an accepted text is made of the mode's characters and is a number the
// run reads the same way; in the positive mode it is finite and above 0; an angle lies
// within -360..360; a conversion error is only ever given for an angle; the refusal
// message exists for every mode.
//
// Input: the first byte is the mode, the rest is the text (UTF-8, or UTF-16 when the
// mode byte is odd above 127, so that unpaired surrogates reach the check too).
#include "construction/saisie_valeur.h"
#include "language/nombres.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Echoue(const char* quoi, const QString& texte, int mode) {
    std::fprintf(stderr, "property violated: %s (mode %d, \"%.200s\")\n", quoi, mode,
                 texte.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    if (taille == 0) return 0;
    const int mode = donnees[0] % 4 == 3 ? donnees[0] : donnees[0] % 4;
    const char* debut = reinterpret_cast<const char*>(donnees + 1);
    const qsizetype n = static_cast<qsizetype>(taille - 1);
    const QString texte = (donnees[0] & 0x81) == 0x81
                              ? QString(reinterpret_cast<const QChar*>(debut), n / 2)
                              : QString::fromUtf8(debut, n);

    const velk::VerdictSaisie verdict = velk::VerifieSaisie(texte, mode);
    if (velk::MessageRefus(mode).isEmpty()) Echoue("no refusal message", texte, mode);
    if (velk::MessageConversion(texte).isEmpty()) Echoue("no conversion message", texte, mode);

    velk::Reel valeur = 0;
    const bool lisible = velk::LitReel(texte, valeur);
    velk::Reel parLaRun = 0;
    const bool lisibleParLaRun = velk::ConvertitReel(texte.toStdString(), parLaRun);
    if (lisible && (!lisibleParLaRun || !(valeur == parLaRun || (std::isnan(valeur) && std::isnan(parLaRun)))))
        Echoue("the dialog reads a number differently from the run", texte, mode);

    switch (verdict) {
    case velk::VerdictSaisie::Valide:
        if (texte.isEmpty() || !velk::CaracteresPermis(texte, mode))
            Echoue("accepted a character outside the mode's set", texte, mode);
        if (mode == velk::SaisieAngle && (!lisible || !(valeur >= -360 && valeur <= 360)))
            Echoue("accepted an angle outside -360..360", texte, mode);
        if (mode == velk::SaisiePositive && (!lisible || !std::isfinite(valeur) || !(valeur > 0)))
            Echoue("accepted a value that is not positive", texte, mode);
        break;
    case velk::VerdictSaisie::ErreurConversion:
        if (mode != velk::SaisieAngle || lisible)
            Echoue("conversion error outside the angle mode, or on a number", texte, mode);
        break;
    case velk::VerdictSaisie::Incorrecte:
        if (mode != velk::SaisieAngle && mode != velk::SaisiePositive && !texte.isEmpty() &&
            velk::CaracteresPermis(texte, mode))
            Echoue("refused a text of allowed characters in the plain mode", texte, mode);
        break;
    }
    return 0;
}
