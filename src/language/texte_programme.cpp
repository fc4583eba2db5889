// Header, template and date refresh of the program text.
#include "language/texte_programme.h"

namespace velk {

namespace {

// The locale's long time format without its time-zone part ("HH:mm:ss t" -> "HH:mm:ss").
// Quoted literal text is kept as it is.
QString FormatHeureSansFuseau(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString resultat;
    bool cite = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) cite = !cite;
        if (!cite && c == QLatin1Char('t')) continue;
        resultat += c;
    }
    return resultat.simplified();
}

} // namespace

std::string TexteDateHeure(const QDateTime& moment, const QLocale& locale) {
    QString texte = locale.toString(moment.date(), QLocale::ShortFormat);
    const QTime heure = moment.time();
    if (heure.msecsSinceStartOfDay() != 0) {
        texte += QLatin1Char(' ');
        texte += locale.toString(heure, FormatHeureSansFuseau(locale));
    }
    return texte.toStdString();
}

void InsereEntete(ListeLignes& lignes, const QDateTime& maintenant, const QLocale& locale) {
    const std::string date = TexteDateHeure(maintenant, locale);
    lignes.InsereLigne(0, std::string());
    lignes.InsereLigne(0, EnteteModif + date);
    lignes.InsereLigne(0, EnteteVersion + date);
    lignes.EffaceHistorique();
}

void InstructionsInitiales(ListeLignes& lignes) {
    lignes.AjouteLigne("P0:=0,0,0,0");
    lignes.AjouteLigne("L0:=P0,A0,0,0");
    lignes.AjouteLigne("L1:=P0,A90,0,0");
    lignes.EffaceHistorique();
}

bool AEntete(const ListeLignes& lignes) {
    return lignes.NombreLignes() > 0 && lignes.Ligne(0).find(EnteteVersion) != std::string::npos;
}

void ActualiseDateModif(ListeLignes& lignes, const QDateTime& maintenant,
                        const QLocale& locale) {
    if (!lignes.Modifie() || lignes.NombreLignes() == 0) return;
    const std::string ligne = EnteteModif + TexteDateHeure(maintenant, locale);
    if (lignes.NombreLignes() >= 2) {
        lignes.SupprimeLigne(1);
        lignes.InsereLigne(1, ligne);
    } else {
        // Only the first header line is there: complete the header rather than delete a
        // line that does not exist.
        lignes.AjouteLigne(ligne);
    }
    lignes.EffaceHistorique();
}

void PrepareEnregistrement(ListeLignes& lignes, const QDateTime& maintenant,
                           const QLocale& locale) {
    if (AEntete(lignes))
        ActualiseDateModif(lignes, maintenant, locale);
    else
        InsereEntete(lignes, maintenant, locale);
}

void AjouteInstruction(ListeLignes& lignes, const std::string& texte) {
    lignes.AjouteLigne(texte);
}

void NouveauProgramme(ListeLignes& lignes, const QDateTime& maintenant, const QLocale& locale) {
    lignes.Vide();
    InsereEntete(lignes, maintenant, locale);
    InstructionsInitiales(lignes);
    lignes.SetModifie(false);
}

} // namespace velk
