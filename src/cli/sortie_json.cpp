// JSON output of velk-run.
#include "cli/sortie_json.h"

#include "language/encodage.h"
#include "store/module_donnee.h"

#include <charconv>
#include <cmath>

namespace velk {

void AjouteChaineJson(std::string& sortie, std::string_view texte) {
    const std::string sain = Utf8Assaini(texte);
    sortie += '"';
    for (char ch : sain) {
        const auto c = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': sortie += "\\\""; break;
        case '\\': sortie += "\\\\"; break;
        case '\n': sortie += "\\n"; break;
        case '\r': sortie += "\\r"; break;
        case '\t': sortie += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                static const char hex[] = "0123456789abcdef";
                sortie += "\\u00";
                sortie += hex[c >> 4];
                sortie += hex[c & 0xF];
            } else {
                sortie += ch;
            }
        }
    }
    sortie += '"';
}

void AjouteReelJson(std::string& sortie, double valeur) {
    // The tables never hold a non-finite number; should one appear, null keeps the
    // document valid JSON.
    if (!std::isfinite(valeur)) {
        sortie += "null";
        return;
    }
    char tampon[40];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur,
                                 std::chars_format::general, 17);
    sortie.append(tampon, r.ptr);
}

namespace {

void ChampEntier(std::string& s, const char* nom, long long v, bool premier = false) {
    if (!premier) s += ',';
    s += '"';
    s += nom;
    s += "\":";
    s += std::to_string(v);
}

void ChampReel(std::string& s, const char* nom, velk::Reel v) {
    s += ",\"";
    s += nom;
    s += "\":";
    AjouteReelJson(s, static_cast<double>(v));
}

// Opens a table's array; rows are separated by ",\n".
void DebutTableau(std::string& s, const char* nom) {
    s += ",\n\"";
    s += nom;
    s += "\": [";
}

void Separateur(std::string& s, bool& premier) {
    s += premier ? "\n" : ",\n";
    premier = false;
}

} // namespace

std::string EcritJson(const std::vector<std::string>& messages, TModuleDonnee& tables) {
    std::string s;
    s.reserve(256 + messages.size() * 40 +
              static_cast<size_t>(tables.NombrePoints()) * 80 +
              static_cast<size_t>(tables.NombreLignes() + tables.NombreCercles()) * 250);
    s += "{\"messages\": [";
    bool premier = true;
    for (const auto& m : messages) {
        Separateur(s, premier);
        AjouteChaineJson(s, m);
    }
    s += "]";

    DebutTableau(s, "points");
    premier = true;
    TRecPoint p;
    for (bool ok = tables.PremierPoint(p); ok; ok = tables.PointSuivant(p)) {
        Separateur(s, premier);
        s += '{';
        ChampEntier(s, "Numero", p.Numero, true);
        ChampReel(s, "X", p.X);
        ChampReel(s, "Y", p.Y);
        ChampEntier(s, "Couleur", p.Couleur);
        ChampEntier(s, "Couche", p.Couche);
        s += '}';
    }
    s += "]";

    DebutTableau(s, "lines");
    premier = true;
    TRecLigne l;
    for (bool ok = tables.PremiereLigne(l); ok; ok = tables.LigneSuivante(l)) {
        Separateur(s, premier);
        s += '{';
        ChampEntier(s, "Numero", l.Numero, true);
        ChampReel(s, "Xpd", l.Xpd);
        ChampReel(s, "Ypd", l.Ypd);
        ChampReel(s, "Aod", l.Aod);
        ChampReel(s, "Xdd", l.Xdd);
        ChampReel(s, "Ydd", l.Ydd);
        ChampReel(s, "Xfd", l.Xfd);
        ChampReel(s, "Yfd", l.Yfd);
        ChampEntier(s, "Couleur", l.Couleur);
        ChampEntier(s, "Couche", l.Couche);
        s += '}';
    }
    s += "]";

    DebutTableau(s, "circles");
    premier = true;
    TRecCercle c;
    for (bool ok = tables.PremierCercle(c); ok; ok = tables.CercleSuivant(c)) {
        Separateur(s, premier);
        s += '{';
        ChampEntier(s, "Numero", c.Numero, true);
        ChampReel(s, "Xc", c.Xc);
        ChampReel(s, "Yc", c.Yc);
        ChampReel(s, "Rc", c.Rc);
        ChampReel(s, "Xdc", c.Xdc);
        ChampReel(s, "Ydc", c.Ydc);
        ChampReel(s, "Adc", c.Adc);
        ChampReel(s, "Xfc", c.Xfc);
        ChampReel(s, "Yfc", c.Yfc);
        ChampReel(s, "Afc", c.Afc);
        ChampEntier(s, "Couleur", c.Couleur);
        ChampEntier(s, "Couche", c.Couche);
        s += '}';
    }
    s += "]";

    DebutTableau(s, "variables");
    premier = true;
    uint16_t n = 0;
    velk::Reel v = 0;
    for (bool ok = tables.PremiereVariable(n, v); ok; ok = tables.VariableSuivante(n, v)) {
        Separateur(s, premier);
        s += '{';
        ChampEntier(s, "Numero", n, true);
        ChampReel(s, "Valeur", v);
        s += '}';
    }
    s += "]}\n";
    return s;
}

} // namespace velk
