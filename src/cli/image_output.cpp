// Image options of velk-run (PNG, SVG, PDF): checking them, and handing the drawing to the
// image module, which is loaded only when an image is asked for.
#include "cli/image_output.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

namespace velk {

namespace {

constexpr int CoteMax = 20000;
constexpr long long PixelsMax = 64LL * 1000 * 1000;

bool LitEntier(const std::string& texte, int& valeur)
{
    if (texte.empty() || texte.size() > 6)
        return false;
    int v = 0;
    for (char c : texte) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    valeur = v;
    return true;
}

using FonctionImages = bool (*)(const OptionsRun&, int, int, TModuleDonnee&, std::string&);

// The module sits next to the executable in the build tree and in <prefix>/lib/velk/ once
// installed; a test binary elsewhere in the build tree finds it where the build put it.
std::string DossierExecutable()
{
    char chemin[4096];
    const ssize_t n = ::readlink("/proc/self/exe", chemin, sizeof chemin - 1);
    if (n <= 0)
        return {};
    const std::string texte(chemin, static_cast<size_t>(n));
    const auto barre = texte.rfind('/');
    return barre == std::string::npos ? std::string() : texte.substr(0, barre + 1);
}

void* ChargeSymbole(const char* nom, std::string& erreur)
{
    std::string essais[] = {DossierExecutable() + NomModuleImages,
                            DossierExecutable() + "../lib/velk/" + NomModuleImages,
#ifdef VELK_MODULE_IMAGES
                            VELK_MODULE_IMAGES
#endif
    };
    std::string raison;
    for (const std::string& chemin : essais) {
        if (chemin.empty() || ::access(chemin.c_str(), R_OK) != 0)
            continue;
        // Kept loaded until the process ends: the drawing code may leave Qt state behind.
        void* module = ::dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module) {
            if (void* f = ::dlsym(module, nom))
                return f;
        }
        const char* texte = ::dlerror();
        raison = texte ? texte : chemin;
    }
    erreur = "Impossible de charger le module de dessin « " + std::string(NomModuleImages) + " »"
             + (raison.empty() ? std::string(" : introuvable") : " : " + raison) + ".";
    return nullptr;
}

} // namespace

void* SymboleModuleImages(const char* nom, std::string& erreur)
{
    return ChargeSymbole(nom, erreur);
}

bool LitTailleImage(const std::string& texte, int& largeur, int& hauteur, std::string& erreur)
{
    const auto x = texte.find_first_of("xX");
    int l = 0, h = 0;
    if (x == std::string::npos || !LitEntier(texte.substr(0, x), l) || !LitEntier(texte.substr(x + 1), h)) {
        erreur = "Taille d'image invalide : « " + texte + " » (attendu LARGEURxHAUTEUR, par exemple 800x600).";
        return false;
    }
    if (l < 1 || h < 1 || l > CoteMax || h > CoteMax || static_cast<long long>(l) * h > PixelsMax) {
        erreur = "Taille d'image hors limites : « " + texte + " » (de 1 à 20000 pixels par côté, "
                 "64 millions de pixels au plus).";
        return false;
    }
    largeur = l;
    hauteur = h;
    return true;
}

bool VerifieOptionsImage(const OptionsRun& options, std::string& erreur)
{
    int l = 0, h = 0;
    return LitTailleImage(options.tailleImage, l, h, erreur);
}

bool EcritImages(const OptionsRun& options, TModuleDonnee& tables, std::string& erreur)
{
    if (options.png.empty() && options.svg.empty() && options.pdf.empty() && options.dxf.empty())
        return true;
    int largeur = 0, hauteur = 0;
    if (!LitTailleImage(options.tailleImage, largeur, hauteur, erreur))
        return false;
    const auto ecrit = reinterpret_cast<FonctionImages>(ChargeSymbole("VelkEcritImages", erreur));
    return ecrit && ecrit(options, largeur, hauteur, tables, erreur);
}

} // namespace velk
