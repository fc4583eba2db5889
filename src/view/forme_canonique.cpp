// Canonical forms: rows and values of each kind of element.
#include "view/forme_canonique.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velk {

namespace {

constexpr Reel DegresParRadian = 180.0L / 3.141592653589793238462643383279502884L;

void Rang(ContenuFormeCanonique& f, RangForme r, const QString& titre, Reel valeur,
          bool angle = false)
{
    // Angles are stored in radians and read in degrees.
    const Reel v = angle ? valeur * DegresParRadian : valeur;
    LigneForme& l = f.rangs[size_t(r)];
    l.titre = titre;
    l.valeur = TexteReel(v, 15);
    l.valeurExacte = TexteReel(static_cast<double>(v), 17);
    l.visible = true;
}

void RangEntier(ContenuFormeCanonique& f, RangForme r, const QString& titre, int32_t valeur)
{
    LigneForme& l = f.rangs[size_t(r)];
    l.titre = titre;
    l.valeur = l.valeurExacte = QString::number(valeur);
    l.visible = true;
}

void Entete(ContenuFormeCanonique& f, const QString& titreNum, int32_t numero, int32_t couleur,
            int32_t couche)
{
    f.numero = numero;
    RangEntier(f, RangNum, titreNum, numero);
    RangEntier(f, RangCouleur, QStringLiteral("Couleur :"), couleur);
    RangEntier(f, RangCouche, QStringLiteral("Couche :"), couche);
}

} // namespace

QString TexteReel(Reel valeur, int chiffres)
{
    if (valeur == 0)
        return QStringLiteral("0"); // no "-0"
    char tampon[64];
    const auto [fin, erreur] =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::general, chiffres);
    if (erreur != std::errc())
        return QString();
    std::string texte(tampon, fin);
    // "1e-05" becomes "1E-5" and "1e+20" becomes "1E20", the statements' own spelling.
    const size_t e = texte.find('e');
    if (e != std::string::npos) {
        std::string exposant = texte.substr(e + 1);
        std::string signe;
        if (!exposant.empty() && (exposant[0] == '+' || exposant[0] == '-')) {
            if (exposant[0] == '-')
                signe = "-";
            exposant.erase(0, 1);
        }
        const size_t chiffre = exposant.find_first_not_of('0');
        exposant = chiffre == std::string::npos ? "0" : exposant.substr(chiffre);
        texte = texte.substr(0, e) + "E" + signe + exposant;
    }
    return QString::fromStdString(texte);
}

CadreForme CadreDuRang(RangForme rang)
{
    switch (rang) {
    case RangNum: return Bevel1;
    case RangCouleur:
    case RangCouche: return CadreClCc;
    case RangX:
    case RangY:
    case RangRayon: return CadreXY;
    case RangXDebut:
    case RangYDebut: return CadreXdYd;
    case RangXFin:
    case RangYFin: return CadreXfYf;
    default: return CadreAdAf;
    }
}

bool ContenuFormeCanonique::CadreVisible(CadreForme cadre) const
{
    for (int r = 0; r < NombreRangsForme; ++r)
        if (rangs[size_t(r)].visible && CadreDuRang(RangForme(r)) == cadre)
            return true;
    return false;
}

QString ContenuFormeCanonique::TexteCopie() const
{
    QString texte;
    for (const LigneForme& l : rangs)
        if (l.visible)
            texte += l.titre.trimmed() + QLatin1Char(' ') + l.valeurExacte + QLatin1Char('\n');
    return texte;
}

ContenuFormeCanonique FormePoint(const TRecPoint& p)
{
    ContenuFormeCanonique f;
    f.genre = QLatin1Char('P');
    f.hauteur = 250;
    f.hauteurCadreXY = 57;
    Entete(f, QStringLiteral("Point numéro : "), p.Numero, p.Couleur, p.Couche);
    Rang(f, RangX, QStringLiteral("Coordonnée X : "), p.X);
    Rang(f, RangY, QStringLiteral("Coordonnée Y : "), p.Y);
    return f;
}

ContenuFormeCanonique FormeLigne(const TRecLigne& l)
{
    ContenuFormeCanonique f;
    f.genre = QLatin1Char('L');
    f.hauteur = 400;
    f.hauteurCadreXY = 81;
    f.centre = true;
    Entete(f, QStringLiteral("Ligne numéro : "), l.Numero, l.Couleur, l.Couche);
    Rang(f, RangX, QStringLiteral(" X : "), l.Xpd);
    Rang(f, RangY, QStringLiteral(" Y : "), l.Ypd);
    Rang(f, RangRayon, QStringLiteral("Angle : "), l.Aod, true);
    Rang(f, RangXDebut, QStringLiteral("X de début :"), l.Xdd);
    Rang(f, RangYDebut, QStringLiteral("Y de début :"), l.Ydd);
    Rang(f, RangXFin, QStringLiteral("X de fin :"), l.Xfd);
    Rang(f, RangYFin, QStringLiteral("Y de fin :"), l.Yfd);
    return f;
}

ContenuFormeCanonique FormeCercle(const TRecCercle& c)
{
    ContenuFormeCanonique f;
    f.genre = QLatin1Char('C');
    f.hauteur = 458;
    f.hauteurCadreXY = 81;
    f.centre = true;
    Entete(f, QStringLiteral("Cercle numéro : "), c.Numero, c.Couleur, c.Couche);
    Rang(f, RangX, QStringLiteral("X du centre : "), c.Xc);
    Rang(f, RangY, QStringLiteral("Y du centre : "), c.Yc);
    Rang(f, RangRayon, QStringLiteral("Rayon : "), c.Rc);
    Rang(f, RangXDebut, QStringLiteral("X de début :"), c.Xdc);
    Rang(f, RangYDebut, QStringLiteral("Y de début :"), c.Ydc);
    Rang(f, RangXFin, QStringLiteral("X de fin :"), c.Xfc);
    Rang(f, RangYFin, QStringLiteral("Y de fin :"), c.Yfc);
    Rang(f, RangAngleDebut, QStringLiteral("Angle de début :"), c.Adc, true);
    Rang(f, RangAngleFin, QStringLiteral("Angle de fin :"), c.Afc, true);
    return f;
}

} // namespace velk
