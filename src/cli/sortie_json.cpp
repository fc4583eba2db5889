// JSON output of velk-run.
#include "cli/sortie_json.h"

#include "cli/reel_texte.h"

#include "language/encodage.h"
#include "store/module_donnee.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

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
    sortie.append(tampon, EcritReel17(tampon, valeur));
}

namespace {

// The document is written through a fixed buffer that is handed on whenever it fills, so a
// run of 65 536 elements never holds its whole JSON text (tens of megabytes) in memory.
class TamponJson {
  public:
    using Vidange = std::function<void(const char*, size_t)>;
    explicit TamponJson(Vidange vidange) : vidange_(std::move(vidange)) {}
    ~TamponJson() = default;
    TamponJson(const TamponJson&) = delete;
    TamponJson& operator=(const TamponJson&) = delete;

    void Texte(const char* texte, size_t n) {
        if (n > static_cast<size_t>(fin_ - pos_)) {
            Vide();
            if (n > Capacite) {
                vidange_(texte, n);
                return;
            }
        }
        std::memcpy(pos_, texte, n);
        pos_ += n;
    }
    void Texte(std::string_view texte) { Texte(texte.data(), texte.size()); }
    void Car(char c) {
        if (pos_ == fin_) Vide();
        *pos_++ = c;
    }
    void Entier(long long v) {
        Place(24);
        pos_ = std::to_chars(pos_, fin_, v).ptr;
    }
    // Same text as AjouteReelJson.
    void Reel(double v) {
        if (!std::isfinite(v)) {
            Texte("null", 4);
            return;
        }
        Place(40);
        pos_ = EcritReel17(pos_, v);
    }
    void Vide() {
        if (pos_ != tampon_.get()) vidange_(tampon_.get(), static_cast<size_t>(pos_ - tampon_.get()));
        pos_ = tampon_.get();
    }

  private:
    static constexpr size_t Capacite = size_t{1} << 16;
    void Place(size_t n) {
        if (static_cast<size_t>(fin_ - pos_) < n) Vide();
    }

    Vidange vidange_;
    std::unique_ptr<char[]> tampon_{new char[Capacite]};
    char* pos_ = tampon_.get();
    char* const fin_ = tampon_.get() + Capacite;
};

void ChampEntier(TamponJson& s, const char* nom, long long v, bool premier = false) {
    if (!premier) s.Car(',');
    s.Car('"');
    s.Texte(nom, std::strlen(nom));
    s.Texte("\":", 2);
    s.Entier(v);
}

void ChampReel(TamponJson& s, const char* nom, velk::Reel v) {
    s.Texte(",\"", 2);
    s.Texte(nom, std::strlen(nom));
    s.Texte("\":", 2);
    s.Reel(static_cast<double>(v));
}

// Opens a table's array; rows are separated by ",\n".
void DebutTableau(TamponJson& s, const char* nom) {
    s.Texte(",\n\"", 3);
    s.Texte(nom, std::strlen(nom));
    s.Texte("\": [", 4);
}

void Separateur(TamponJson& s, bool& premier) {
    if (premier)
        s.Car('\n');
    else
        s.Texte(",\n", 2);
    premier = false;
}

void DebutDocument(TamponJson& s) {
    s.Texte("{\"messages\": [", 14);
}

void EcritMessage(TamponJson& s, bool& premier, std::string& chaine, std::string_view m) {
    Separateur(s, premier);
    chaine.clear();
    AjouteChaineJson(chaine, m);
    s.Texte(chaine);
}

// Ends the message list and writes the tables.
void EcritTables(TamponJson& s, TModuleDonnee& tables) {
    s.Car(']');

    DebutTableau(s, "points");
    bool premier = true;
    TRecPoint p;
    for (bool ok = tables.PremierPoint(p); ok; ok = tables.PointSuivant(p)) {
        Separateur(s, premier);
        s.Car('{');
        ChampEntier(s, "Numero", p.Numero, true);
        ChampReel(s, "X", p.X);
        ChampReel(s, "Y", p.Y);
        ChampEntier(s, "Couleur", p.Couleur);
        ChampEntier(s, "Couche", p.Couche);
        s.Car('}');
    }
    s.Car(']');

    DebutTableau(s, "lines");
    premier = true;
    TRecLigne l;
    for (bool ok = tables.PremiereLigne(l); ok; ok = tables.LigneSuivante(l)) {
        Separateur(s, premier);
        s.Car('{');
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
        s.Car('}');
    }
    s.Car(']');

    DebutTableau(s, "circles");
    premier = true;
    TRecCercle c;
    for (bool ok = tables.PremierCercle(c); ok; ok = tables.CercleSuivant(c)) {
        Separateur(s, premier);
        s.Car('{');
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
        s.Car('}');
    }
    s.Car(']');

    DebutTableau(s, "variables");
    premier = true;
    uint16_t n = 0;
    velk::Reel v = 0;
    for (bool ok = tables.PremiereVariable(n, v); ok; ok = tables.VariableSuivante(n, v)) {
        Separateur(s, premier);
        s.Car('{');
        ChampEntier(s, "Numero", n, true);
        ChampReel(s, "Valeur", v);
        s.Car('}');
    }
    s.Texte("]}\n", 3);
    s.Vide();
}

void EcritDocument(TamponJson& s, const std::vector<std::string>& messages,
                   TModuleDonnee& tables) {
    DebutDocument(s);
    bool premier = true;
    std::string chaine;
    for (const auto& m : messages)
        EcritMessage(s, premier, chaine, m);
    EcritTables(s, tables);
}

} // namespace

struct JsonEnFlux::Impl {
    explicit Impl(std::FILE* f)
        : sortie(f), tampon([this](const char* octets, size_t n) {
              ok = ok && std::fwrite(octets, 1, n, sortie) == n;
          }) {}
    std::FILE* sortie;
    bool ok = true;
    bool premier = true;
    std::string chaine;
    TamponJson tampon;
};

JsonEnFlux::JsonEnFlux(std::FILE* sortie) : d(std::make_unique<Impl>(sortie)) {
    DebutDocument(d->tampon);
}

JsonEnFlux::~JsonEnFlux() = default;

void JsonEnFlux::Message(std::string_view item) {
    EcritMessage(d->tampon, d->premier, d->chaine, item);
}

bool JsonEnFlux::Termine(TModuleDonnee& tables) {
    EcritTables(d->tampon, tables);
    return d->ok;
}

std::string EcritJson(const std::vector<std::string>& messages, TModuleDonnee& tables) {
    std::string texte;
    TamponJson s([&texte](const char* octets, size_t n) { texte.append(octets, n); });
    EcritDocument(s, messages, tables);
    return texte;
}

bool EcritJson(const std::vector<std::string>& messages, TModuleDonnee& tables,
               std::FILE* sortie) {
    bool ok = true;
    TamponJson s([&](const char* octets, size_t n) {
        ok = ok && std::fwrite(octets, 1, n, sortie) == n;
    });
    EcritDocument(s, messages, tables);
    return ok;
}

} // namespace velk
