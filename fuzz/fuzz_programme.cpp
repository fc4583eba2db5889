// Arbitrary bytes as a program file, through the whole run: decoding, line reduction and
// classification, the reader, the statement forms, the constructions and the tables in
// memory. Checks what must hold whatever the text: at most one message per executed line,
// each naming its own line; no non-finite value in a table; a second run gives the same
// messages and rows; the last line executed again alone agrees with its run.
#include "language/encodage.h"
#include "language/fichier_programme.h"
#include "language/interprete.h"
#include "language/messages.h"
#include "language/observateurs_simples.h"
#include "store/module_donnee.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Echoue(const char* quoi) {
    std::fprintf(stderr, "property violated: %s\n", quoi);
    std::abort();
}

// Every row of every table as text, in number order.
std::string Contenu(velk::TModuleDonnee& t) {
    std::string s;
    char tampon[512];
    velk::TRecPoint p;
    for (bool ok = t.PremierPoint(p); ok; ok = t.PointSuivant(p)) {
        if (!std::isfinite(static_cast<double>(p.X)) || !std::isfinite(static_cast<double>(p.Y)))
            Echoue("point not finite");
        std::snprintf(tampon, sizeof tampon, "P%d %a %a %d %d\n", p.Numero,
                      static_cast<double>(p.X), static_cast<double>(p.Y), p.Couleur, p.Couche);
        s += tampon;
    }
    velk::TRecLigne l;
    for (bool ok = t.PremiereLigne(l); ok; ok = t.LigneSuivante(l)) {
        if (!std::isfinite(static_cast<double>(l.Xpd)) || !std::isfinite(static_cast<double>(l.Ypd)) ||
            !std::isfinite(static_cast<double>(l.Aod)))
            Echoue("line not finite");
        std::snprintf(tampon, sizeof tampon, "L%d %a %a %a\n", l.Numero,
                      static_cast<double>(l.Xpd), static_cast<double>(l.Ypd),
                      static_cast<double>(l.Aod));
        s += tampon;
    }
    velk::TRecCercle c;
    for (bool ok = t.PremierCercle(c); ok; ok = t.CercleSuivant(c)) {
        if (!std::isfinite(static_cast<double>(c.Xc)) || !std::isfinite(static_cast<double>(c.Yc)) ||
            !std::isfinite(static_cast<double>(c.Rc)))
            Echoue("circle not finite");
        std::snprintf(tampon, sizeof tampon, "C%d %a %a %a\n", c.Numero,
                      static_cast<double>(c.Xc), static_cast<double>(c.Yc),
                      static_cast<double>(c.Rc));
        s += tampon;
    }
    uint16_t n = 0;
    velk::Reel v = 0;
    for (bool ok = t.PremiereVariable(n, v); ok; ok = t.VariableSuivante(n, v)) {
        if (!std::isfinite(static_cast<double>(v))) Echoue("variable not finite");
        std::snprintf(tampon, sizeof tampon, "V%d %a\n", n, static_cast<double>(v));
        s += tampon;
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const velk::ProgrammeCharge programme =
        velk::DecoupeProgramme(std::string_view(reinterpret_cast<const char*>(donnees), taille));
    const int nombreLignes = static_cast<int>(programme.lignes.size());

    velk::TModuleDonnee tables;
    tables.CreeTables();
    velk::MessagesEnMemoire messages;
    velk::DessinMuet dessin;
    velk::OccupeMuet occupe;
    velk::Interprete interprete(tables, messages, dessin, occupe);

    const int nombre = interprete.ExecuteProgramme(programme.lignes);
    if (nombre != messages.NombreMessages()) Echoue("message count");
    if (nombre > std::max(0, nombreLignes - 3)) Echoue("more messages than executed lines");
    int precedente = 2;
    for (const std::string& m : messages.Items()) {
        const int ligne = velk::LigneDuMessage(m);
        // One message at most per line, in line order, never on the header.
        if (ligne <= precedente || ligne >= nombreLignes) Echoue("message line");
        precedente = ligne;
        const size_t fin = m.find(')');
        if (fin == std::string::npos || fin + 1 >= m.size() || m[fin + 1] != ' ')
            Echoue("message text must begin with a blank");
    }
    if (!tables.LectureSeule()) Echoue("tables left writable");
    if (tables.EcritRefuses() != 0) Echoue("a write was refused");
    const std::string contenu = Contenu(tables);
    const std::vector<std::string> items = messages.Items();

    // The same text run again gives the same result.
    interprete.ExecuteProgramme(programme.lignes);
    if (messages.Items() != items || Contenu(tables) != contenu) Echoue("second run differs");

    // The last line, executed alone after the run, either fails with one message numbered
    // 1 or stores one element.
    if (nombreLignes > 3) {
        const auto avant = messages.NombreMessages();
        const int elements = tables.NombrePoints() + tables.NombreLignes() +
                             tables.NombreCercles() + tables.NombreVariables();
        const bool fait = interprete.ExecuteInstruction(programme.lignes.back());
        const int apres = tables.NombrePoints() + tables.NombreLignes() +
                          tables.NombreCercles() + tables.NombreVariables();
        if (messages.NombreMessages() > avant + 1) Echoue("more than one message for a statement");
        if (messages.NombreMessages() == avant + 1 &&
            velk::LigneDuMessage(messages.Items().back()) != 0)
            Echoue("a single statement's message is not numbered 1");
        if (fait && messages.NombreMessages() != avant) Echoue("success with a message");
        // Success adds one row, or none when a variable is given a new value.
        if (fait && apres != elements + 1 && apres != elements)
            Echoue("success with more than one new element");
        if (fait && apres == elements && velk::EnleveBlancs(programme.lignes.back())[0] != 'V')
            Echoue("success without storing anything");
        if (!fait && apres != elements) Echoue("failure that stored an element");
        if (!tables.LectureSeule()) Echoue("tables left writable after a statement");
    }
    return 0;
}
