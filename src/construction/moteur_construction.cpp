// The engine's frame: prompts, InitAppli, ArmeOutil, TermineConstruction, the mode
// dispatch of the mouse and the keys. The tools' rows and steps are in outils_*.cpp.
#include "construction/moteur_construction.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace velk {

namespace {

const char* const kInvites[NombreInvites] = {
    "",
    " Encadrez la zone à zoomer ou cliquez le centre puis donnez une échelle",
    " Cliquez un point ",
    " Cliquez une ligne ",
    " Cliquez un cercle ",
    " Cliquez un élément de géométrie ",
    " Cliquez un élément de géométrie ou tapez une valeur",
    " Cliquez une intersection, une ligne ou un cercle",
    " Cliquez une ligne ou un cercle",
    " Tapez la cote en X",
    " Tapez la cote en Y",
    " Tapez le décalage en X",
    " Tapez le décalage en Y",
    " Faites un choix",
    " Entrez un angle",
    " Tapez l'ecart",
    " Position",
    " Cliquez une ligne ou tapez un angle",
    " Cliquez un cercle ou tapez un ecart",
    " Cliquez un point, un cercle ou tapez une cote",
    " Cliquez un point, une ligne ou tapez un decalage",
    " Tapez le rayon",
    " Cliquez un élément géométrique tangent ou tapez le rayon",
    " Tapez la différence de rayon",
    " Cliquez un point ou une ligne de symètrie",
    " Cliquez le centre de rotation",
    " Cliquez l'élément de géométrie à tourner",
    " Cliquez l'élément de géométrie à symètriser",
    " Encadrez la zone à imprimer ou cliquez le centre puis donnez une échelle",
    " Tapez l'échelle",
};

const char* const kSignaturesCompletes[] = {
    "PNN",     "PNA",      "PPNN",     "PPNA",    "PC",       "PPPA",     "PPP",
    "PPL",     "PLL",      "PLCD",     "PCCD",    "PPPD",     "LNNA",     "LPA",
    "LPP",     "LPL",      "LPLD",     "LPCD",    "LND",      "LLND",     "LLCD",
    "LLCDD",   "LCCDD",    "LCAD",     "LLP",     "LLL",      "LLPA",     "LLLD",
    "CNNN",    "CPN",      "CPP",      "CPL",     "CPCD",     "CCNN",     "CCNA",
    "CPPND",   "CPLND",    "CPCNDD",   "CLLNDD",  "CLCNDDD",  "CCCNDDD",  "CCN",
    "CCND",    "CPPP",     "CPPL",     "CPPCD",   "CPLL",     "CPLCDD",   "CPCCDD",
    "CLLLDDD", "CLLCDDDD", "CLCCDDDD", "CCCCDDD", "CCPA",     "CCP",      "CCL",
};
static_assert(sizeof(kSignaturesCompletes) / sizeof(kSignaturesCompletes[0]) == 56,
              "56 complete signatures");

// The tool table for tools 1 to 9: kind letter of the statement (none for
// rotation and symmetry), first signature and first prompt.
struct Depart {
    char genre;
    const char* signature;
    int invite;
};
const Depart kDeparts[10] = {
    {0, "", 0},      {'P', "P*", 19}, {'P', "P*", 7}, {'L', "L*", 6},  {'L', "L*", 5},
    {'C', "C*", 6},  {'C', "C*", 5},  {'C', "C*", 5}, {0, "R*", 25},   {0, "S*", 24},
};

// Whole units, half away from zero, clamped to what a 64-bit integer holds.
QString EntierGroupe(Reel valeur)
{
    if (!std::isfinite(static_cast<double>(valeur)))
        return QString();
    const Reel borne = 9.0e18L;
    const Reel arrondi = valeur < 0 ? -std::floor(-valeur + 0.5L) : std::floor(valeur + 0.5L);
    const qlonglong n = static_cast<qlonglong>(std::clamp(arrondi, -borne, borne));
    QLocale locale = QLocale::system();
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(n);
}

} // namespace

QString TexteInvite(int numero)
{
    if (numero < 0 || numero >= NombreInvites)
        return QString();
    return QString::fromUtf8(kInvites[numero]);
}

QString TextePlusDeNumero()
{
    return QStringLiteral(" Plus de numéro libre");
}

bool SignatureComplete(const QString& signature)
{
    const QByteArray s = signature.toLatin1();
    for (const char* c : kSignaturesCompletes)
        if (s == c)
            return true;
    return false;
}

QString TexteCoordonnees(Reel x, Reel y)
{
    return QStringLiteral("X : ") + EntierGroupe(x) + QStringLiteral("  Y : ") + EntierGroupe(y);
}

MoteurConstruction::MoteurConstruction(HoteConstruction& hote, Dialogues& dialogues)
    : hote_(hote), dialogues_(dialogues)
{
}

// ---- Operations ----

void MoteurConstruction::AfficheInvite(int k)
{
    invite_ = k;
    hote_.AfficheInvite(TexteInvite(k));
}

void MoteurConstruction::InitAppli()
{
    if (modeSouris_ != ModeSouris::Aucun && modeSouris_ != ModeSouris::ZoneImpression)
        hote_.RelacheBoutonsMode(modeSouris_);
    modeSouris_ = ModeSouris::Aucun;
    if (glisserEnCours_) {
        glisserEnCours_ = false;
        hote_.CacheCadre();
    }
    if (outil_ != OutilAucun)
        hote_.RelacheBoutonOutil(outil_);
    outil_ = OutilAucun;
    ArmeOutil();
    AfficheInvite(0);
}

void MoteurConstruction::ArmeOutil()
{
    hote_.AffichePanneau(3, QString());
    instruction_.clear();
    signature_.clear();
    signatureSymetrie_.clear();
    if (outil_ == OutilAucun) {
        AfficheInvite(0);
        return;
    }
    if (outil_ < OutilPoint || outil_ > OutilSymetrie)
        return; // 10 to 14: the prompt line keeps its text
    const Depart& d = kDeparts[outil_];
    if (d.genre != 0) {
        const std::optional<uint16_t> n = hote_.NumeroLibre(d.genre);
        if (!n) {
            // Decided here: no free number, the tool is not armed.
            hote_.RelacheBoutonOutil(outil_);
            outil_ = OutilAucun;
            invite_ = -1;
            hote_.AfficheInvite(TextePlusDeNumero());
            return;
        }
        instruction_ = QChar::fromLatin1(d.genre) + QString::number(*n) + QStringLiteral(":=");
    }
    signature_ = QString::fromLatin1(d.signature);
    AfficheInvite(d.invite);
}

void MoteurConstruction::TermineConstruction()
{
    if (!SignatureComplete(signature_))
        return;
    if (!hote_.TexteModifiable()) {
        // The text became read-only during the sequence: store nothing that it cannot hold.
        dialogues_.Bip();
        ArmeOutil();
        return;
    }
    const QString signature = signature_;
    instruction_ += QLatin1Char(',') + QString::number(couleurCourante_) + QLatin1Char(',') +
                    QString::number(coucheCourante_);
    if (!hote_.ExecuteInstruction(instruction_)) {
        dialogues_.Avertissement(QStringLiteral("Construction impossible"));
        ArmeOutil();
        return;
    }
    hote_.AjouteInstruction(instruction_);
    if (signature == QLatin1String("PPPA") || signature == QLatin1String("LLPA") ||
        signature == QLatin1String("CCPA")) {
        signature_ = QStringLiteral("RPA*");
        AfficheInvite(26);
    } else if (outil_ == OutilSymetrie &&
               (signature == QLatin1String("PPP") || signature == QLatin1String("PPL") ||
                signature == QLatin1String("LLP") || signature == QLatin1String("LLL") ||
                signature == QLatin1String("CCP") || signature == QLatin1String("CCL"))) {
        signature_ = signatureSymetrie_;
        AfficheInvite(27);
    } else {
        ArmeOutil();
    }
}

// ---- Buttons ----

void MoteurConstruction::BtnOutilClick(int outil, bool enfonce)
{
    if (enfonce && outil >= OutilPoint && outil <= OutilSymetrie && !hote_.TexteModifiable()) {
        // A read-only program cannot receive the statement: the button pops up again.
        dialogues_.Bip();
        hote_.RelacheBoutonOutil(outil);
        enfonce = false;
    }
    outil_ = enfonce ? outil : OutilAucun;
    ArmeOutil();
}

void MoteurConstruction::BtnModeClick(ModeSouris mode, bool enfonce)
{
    SetModeSouris(enfonce ? mode : ModeSouris::Aucun);
}

void MoteurConstruction::SetModeSouris(ModeSouris mode)
{
    if (glisserEnCours_) {
        glisserEnCours_ = false;
        hote_.CacheCadre();
    }
    modeSouris_ = mode;
}

// ---- Mouse ----

void MoteurConstruction::DessinMouseDown(int colonne, int ligne)
{
    if (modeSouris_ != ModeSouris::Zoom && modeSouris_ != ModeSouris::ZoneImpression)
        return;
    glisserEnCours_ = true;
    coin1_ = coin2_ = QPoint(colonne, ligne);
    hote_.MontreCadre(coin1_, coin2_);
}

void MoteurConstruction::DessinMouseMove(int colonne, int ligne)
{
    const TVue& vue = hote_.VueEcran();
    hote_.AffichePanneau(0, TexteCoordonnees(XReel(vue, colonne), YReel(vue, ligne)));
    if (glisserEnCours_ &&
        (modeSouris_ == ModeSouris::Zoom || modeSouris_ == ModeSouris::ZoneImpression)) {
        coin2_ = QPoint(colonne, ligne);
        hote_.MontreCadre(coin1_, coin2_);
    }
}

void MoteurConstruction::DessinMouseUp(int colonne, int ligne)
{
    if (glisserEnCours_ &&
        (modeSouris_ == ModeSouris::Zoom || modeSouris_ == ModeSouris::ZoneImpression))
        TermineCadre(colonne, ligne);
    else if (modeSouris_ == ModeSouris::FormeCanonique)
        ClicFormeCanonique(colonne, ligne);
    else if (outil_ >= OutilPoint && outil_ <= OutilSymetrie)
        ClicOutil(colonne, ligne);
    hote_.AffichePanneau(3, signature_);
}

void MoteurConstruction::TermineCadre(int colonne, int ligne)
{
    // The rectangle is erased, the mode returns to none and the drag ends; then the host
    // zooms or prints.
    const ModeSouris mode = modeSouris_;
    coin2_ = QPoint(colonne, ligne);
    hote_.CacheCadre();
    glisserEnCours_ = false;
    modeSouris_ = ModeSouris::Aucun;
    if (mode == ModeSouris::Zoom) {
        hote_.RelacheBoutonsMode(ModeSouris::Zoom);
        hote_.TermineZoom(coin1_, coin2_);
    } else {
        hote_.TermineZoneImpression(coin1_, coin2_);
    }
}

void MoteurConstruction::ClicFormeCanonique(int colonne, int ligne)
{
    TElementsProches e;
    if (!hote_.ChercheElements(colonne, ligne, e))
        return; // nothing found: the mode stays
    if (e.PointTrouve)
        hote_.MontreFormeCanonique(QLatin1Char('P'), e.NumPoint);
    else if (e.NbLignes > 0)
        hote_.MontreFormeCanonique(QLatin1Char('L'), e.NumLigne1);
    else if (e.NbCercles > 0)
        hote_.MontreFormeCanonique(QLatin1Char('C'), e.NumCercle1);
    else
        return;
    hote_.RelacheBoutonsMode(ModeSouris::FormeCanonique);
    modeSouris_ = ModeSouris::Aucun;
}

// ---- Keys ----

bool MoteurConstruction::FormKeyDown(int touche, bool ongletGraphique)
{
    if (!ongletGraphique || touche != Qt::Key_Escape)
        return false;
    InitAppli();
    return true;
}

bool MoteurConstruction::FormKeyPress(QChar caractere, bool ongletGraphique)
{
    if (!ongletGraphique)
        return false;
    const char16_t u = caractere.unicode();
    const bool permis = u == '+' || u == '-' || (u >= '0' && u <= '9') || u == 'E' || u == 'e';
    if (!permis)
        return false;
    // Decided here: a lower-case "e" reaches the value dialog as "E".
    const QChar premier = u == 'e' ? QChar(QLatin1Char('E')) : caractere;
    std::size_t nombre = 0;
    const Frappe* frappes = FrappesOutil(outil_, nombre);
    const QByteArray signature = signature_.toLatin1();
    for (std::size_t i = 0; i < nombre; ++i) {
        const Frappe& f = frappes[i];
        if (f.outil != outil_ || signature != f.signature)
            continue;
        if ((this->*f.pas)(premier))
            TermineConstruction();
        else
            ArmeOutil();
        return true;
    }
    // Tools 1, 3 and 5 take the key at any signature, even when it starts nothing.
    return outil_ == OutilPoint || outil_ == OutilLigne || outil_ == OutilCercle;
}

// ---- Tools through their tables ----

const MoteurConstruction::Transition* MoteurConstruction::TransitionsOutil(int outil,
                                                                          std::size_t& nombre)
{
    switch (outil) {
    case OutilCercle:
    case OutilArc3: return TransitionsCercles(nombre);
    case OutilArc: return TransitionsArc(nombre);
    case OutilRotation:
    case OutilSymetrie: return TransitionsRotationSymetrie(nombre);
    default: return Transitions(nombre);
    }
}

const MoteurConstruction::Frappe* MoteurConstruction::FrappesOutil(int outil, std::size_t& nombre)
{
    return outil == OutilCercle ? FrappesCercles(nombre) : Frappes(nombre);
}

bool MoteurConstruction::Accepte(const FiltrePrise& f, const TElementsProches& e)
{
    if (f.point >= 0 && (e.PointTrouve != 0) != (f.point != 0))
        return false;
    if (e.NbLignes < f.lignesMin || (f.lignesMax >= 0 && e.NbLignes > f.lignesMax))
        return false;
    if (e.NbCercles < f.cerclesMin || (f.cerclesMax >= 0 && e.NbCercles > f.cerclesMax))
        return false;
    return true;
}

void MoteurConstruction::ClicOutil(int colonne, int ligne)
{
    std::size_t nombre = 0;
    const Transition* lignes = TransitionsOutil(outil_, nombre);
    const QByteArray signature = signature_.toLatin1();
    Clic clic;
    clic.colonne = colonne;
    clic.ligne = ligne;
    bool cherche = false;
    bool listee = false;
    for (std::size_t i = 0; i < nombre; ++i) {
        const Transition& t = lignes[i];
        if (t.outil != outil_ || signature != t.signature)
            continue;
        listee = true;
        if (t.pointage) {
            if (!cherche) {
                cherche = true;
                // A click where nothing is found changes nothing, without a beep.
                if (!hote_.ChercheElements(colonne, ligne, clic.e)) {
                    TermineConstruction();
                    return;
                }
            }
            if (!Accepte(t.prise, clic.e))
                continue;
        }
        if (!t.pas)
            break; // a row that answers with the beep
        if (!(this->*t.pas)(clic)) {
            ArmeOutil(); // a value or choice dialog was abandoned
            return;
        }
        if (t.nouvelleSignature)
            signature_ = QString::fromLatin1(t.nouvelleSignature);
        if (t.invite >= 0)
            AfficheInvite(t.invite);
        TermineConstruction();
        return;
    }
    // Elements of a kind the step does not accept: beep, nothing changes.
    if (listee)
        dialogues_.Bip();
    TermineConstruction();
}

// ---- Building blocks ----

void MoteurConstruction::AjouteElement(char genre, int numero)
{
    instruction_ += QChar::fromLatin1(genre) + QString::number(numero);
}

void MoteurConstruction::SauveLigne(int numero)
{
    ligne_ = TRecLigne();
    hote_.LitLigne(uint16_t(numero), ligne_);
}

void MoteurConstruction::SauveLigne2(int numero)
{
    ligne2_ = TRecLigne();
    hote_.LitLigne(uint16_t(numero), ligne2_);
}

void MoteurConstruction::SauveCercle1(int numero)
{
    cercle1_ = TRecCercle();
    hote_.LitCercle(uint16_t(numero), cercle1_);
}

void MoteurConstruction::SauveCercle2(int numero)
{
    cercle2_ = TRecCercle();
    hote_.LitCercle(uint16_t(numero), cercle2_);
}

char MoteurConstruction::CoteDominantDe(const Clic& clic, Reel x, Reel y) const
{
    return CoteDominant(hote_.VueEcran(), clic.colonne, clic.ligne, x, y);
}

TRecPoint MoteurConstruction::PointClic(const Clic& clic) const
{
    TRecPoint p;
    p.X = XReel(hote_.VueEcran(), clic.colonne);
    p.Y = YReel(hote_.VueEcran(), clic.ligne);
    return p;
}

std::optional<QString> MoteurConstruction::Demande(int invite, const QString& libelle, int mode,
                                                   QChar premier)
{
    AfficheInvite(invite);
    return dialogues_.DemandeValeur(libelle, mode, premier);
}

} // namespace velk
