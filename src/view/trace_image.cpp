// Bresenham segments and midpoint circles written straight into image memory, or into a
// one-byte-per-pixel buffer copied onto the image when the strokes are many.
#include "view/trace_image.h"

#include <algorithm>
#include <cstdlib>

namespace velk {

namespace {

// Strokes covering the image this many times over switch to the buffer.
constexpr int64_t CouverturesAvantTampon = 6;

// One step of the midpoint circle walk along the first octant (y grows, x shrinks when
// the error says the outline has moved inwards).
inline void PasOctant(int64_t& x, int64_t& y, int64_t& erreur)
{
    ++y;
    if (erreur < 0) {
        erreur += 2 * y + 1;
    } else {
        --x;
        erreur += 2 * (y - x) + 1;
    }
}

} // namespace

TraceImage::TraceImage(QImage& image)
    : lignes_(reinterpret_cast<uint32_t*>(image.bits())),
      pas_(image.bytesPerLine() / 4),
      largeur_(static_cast<uint64_t>(image.width())),
      hauteur_(static_cast<uint64_t>(image.height()))
{
}

TraceImage::~TraceImage()
{
    Vide();
}

bool TraceImage::Accepte(const QImage& image)
{
    const auto f = image.format();
    return !image.isNull()
           && (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
               || f == QImage::Format_ARGB32_Premultiplied);
}

void TraceImage::SetCouleur(QRgb couleur)
{
    couleur_ = couleur | 0xff000000u;
    if (!TamponActif())
        return;
    for (int i = 0; i < nombreCouleurs_; ++i) {
        if (couleurs_[static_cast<size_t>(i)] == couleur_) {
            numero_ = static_cast<uint8_t>(i);
            return;
        }
    }
    // Every byte value but Libre is taken: copy what is buffered and start the list again.
    if (nombreCouleurs_ == Libre)
        Vide();
    couleurs_[static_cast<size_t>(nombreCouleurs_)] = couleur_;
    numero_ = static_cast<uint8_t>(nombreCouleurs_++);
}

void TraceImage::ActiveTampon()
{
    tampon_.assign(largeur_ * hauteur_, Libre);
    nombreCouleurs_ = 0;
    SetCouleur(couleur_);
}

void TraceImage::Compte(int64_t pixels)
{
    ecrits_ += pixels;
    if (!TamponActif() && ecrits_ > CouverturesAvantTampon * static_cast<int64_t>(largeur_ * hauteur_))
        ActiveTampon();
    sale_ = sale_ || TamponActif();
}

void TraceImage::Vide()
{
    if (!sale_)
        return;
    sale_ = false;
    uint8_t* octet = tampon_.data();
    for (uint64_t y = 0; y < hauteur_; ++y) {
        uint32_t* rangee = lignes_ + static_cast<int64_t>(y) * pas_;
        for (uint64_t x = 0; x < largeur_; ++x, ++octet) {
            if (*octet != Libre) {
                rangee[x] = couleurs_[*octet];
                *octet = Libre;
            }
        }
    }
    couleurs_[0] = couleur_;
    nombreCouleurs_ = 1;
    numero_ = 0;
}

void TraceImage::Ligne(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool dernier)
{
    // Segments given by the clipping lie on the surface already; anything longer is
    // first cut to the image's box so the walk never runs through far pixels.
    const int64_t limite = 1 << 24;
    if (std::llabs(x0) > limite || std::llabs(y0) > limite || std::llabs(x1) > limite || std::llabs(y1) > limite)
        return;
    const int64_t dx = std::llabs(x1 - x0), dy = std::llabs(y1 - y0);
    // Along a row or a column outside the image: nothing to write.
    if ((dy == 0 && static_cast<uint64_t>(y0) >= hauteur_) || (dx == 0 && static_cast<uint64_t>(x0) >= largeur_))
        return;
    if (!dernier && dx == 0 && dy == 0)
        return;
    Compte(std::max(dx, dy));
    const int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    if (dy == 0) {
        // Without the end pixel the run stops one short of x1.
        const int64_t fin = dernier ? x1 : x1 - sx;
        const int64_t a = std::max<int64_t>(std::min(x0, fin), 0);
        const int64_t b = std::min<int64_t>(std::max(x0, fin), static_cast<int64_t>(largeur_) - 1);
        if (TamponActif())
            Rangee(CibleTampon(), y0, a, b);
        else
            Rangee(CibleImage(), y0, a, b);
        return;
    }
    // The walk moves one pixel along the major axis at every step and one along the minor
    // axis when the error term says so: the pixels of the classic integer line, max(dx, dy)
    // + 1 of them from (x0, y0) to (x1, y1).
    const bool xMajeur = dx >= dy;
    if (TamponActif()) {
        if (xMajeur)
            Marche(CibleTampon(), x0, y0, sx, sy, dx, dy, dernier, true);
        else
            Marche(CibleTampon(), y0, x0, sy, sx, dy, dx, dernier, false);
    } else {
        if (xMajeur)
            Marche(CibleImage(), x0, y0, sx, sy, dx, dy, dernier, true);
        else
            Marche(CibleImage(), y0, x0, sy, sx, dy, dx, dernier, false);
    }
}

template <typename T>
void TraceImage::Rangee(const Cible<T>& cible, int64_t y, int64_t a, int64_t b)
{
    T* debut = cible.base + y * cible.pas;
    std::fill(debut + a, debut + std::max(a, b + 1), cible.valeur);
}

template <typename T>
void TraceImage::Marche(const Cible<T>& cible, int64_t u, int64_t v, int64_t su, int64_t sv, int64_t du,
                        int64_t dv, bool dernier, bool xMajeur)
{
    const uint64_t limiteU = xMajeur ? largeur_ : hauteur_;
    const uint64_t limiteV = xMajeur ? hauteur_ : largeur_;
    // Along the major axis u the walk is on the image for a known range of steps; along
    // the minor axis v it enters and leaves the image at most once, since v only moves one
    // way, and only needs looking at when it changes.
    const int64_t pixels = dernier ? du + 1 : du;
    int64_t erreur = du - dv;
    int64_t i = 0;
    // Off the image at the start: walk without writing until both coordinates are on it.
    for (; i < pixels && (static_cast<uint64_t>(u) >= limiteU || static_cast<uint64_t>(v) >= limiteV); ++i) {
        u += su;
        if (2 * erreur <= du) {
            erreur += du;
            v += sv;
        }
        erreur -= dv;
    }
    if (i == pixels)
        return;
    // Steps left before u leaves the image.
    const int64_t resteU = su > 0 ? static_cast<int64_t>(limiteU) - u : u + 1;
    const int64_t fin = std::min(pixels, i + resteU);
    const int64_t pasU = xMajeur ? 1 : cible.pas, pasV = xMajeur ? cible.pas : 1;
    T* p = cible.base + (u * pasU + v * pasV);
    const T valeur = cible.valeur;
    const int64_t avanceU = su * pasU, avanceV = sv * pasV;
    for (; i < fin; ++i) {
        *p = valeur;
        p += avanceU;
        const bool mineur = 2 * erreur <= du;
        erreur -= dv;
        if (mineur) {
            erreur += du;
            v += sv;
            if (static_cast<uint64_t>(v) >= limiteV)
                return;
            p += avanceV;
        }
    }
}

void TraceImage::Cercle(int64_t cx, int64_t cy, int64_t r)
{
    r = std::llabs(r);
    // The outline has about 8 r / sqrt(2) pixels.
    Compte(6 * r + 1);
    const bool interieur = cx - r >= 0 && cy - r >= 0 && static_cast<uint64_t>(cx + r) < largeur_
                           && static_cast<uint64_t>(cy + r) < hauteur_;
    if (TamponActif()) {
        if (interieur)
            CercleInterieur(CibleTampon(), cx, cy, r);
        else
            CercleBorde(CibleTampon(), cx, cy, r);
    } else {
        if (interieur)
            CercleInterieur(CibleImage(), cx, cy, r);
        else
            CercleBorde(CibleImage(), cx, cy, r);
    }
}

template <typename T>
void TraceImage::CercleBorde(const Cible<T>& cible, int64_t cx, int64_t cy, int64_t r)
{
    const auto pixel = [&](int64_t x, int64_t y) {
        if (static_cast<uint64_t>(x) < largeur_ && static_cast<uint64_t>(y) < hauteur_)
            cible.base[y * cible.pas + x] = cible.valeur;
    };
    if (r == 0) {
        pixel(cx, cy);
        return;
    }
    int64_t x = r, y = 0;
    int64_t erreur = 1 - r;
    while (x >= y) {
        pixel(cx + x, cy + y);
        pixel(cx + y, cy + x);
        pixel(cx - y, cy + x);
        pixel(cx - x, cy + y);
        pixel(cx - x, cy - y);
        pixel(cx - y, cy - x);
        pixel(cx + y, cy - x);
        pixel(cx + x, cy - y);
        PasOctant(x, y, erreur);
    }
}

template <typename T>
void TraceImage::CercleInterieur(const Cible<T>& cible, int64_t cx, int64_t cy, int64_t r)
{
    // The same eight pixels per step as the general walk, in the same order, without
    // bounds checks: the whole outline is on the image.
    T* const centre = cible.base + cy * cible.pas + cx;
    const T valeur = cible.valeur;
    const int64_t pas = cible.pas;
    if (r == 0) {
        *centre = valeur;
        return;
    }
    int64_t x = r, y = 0;
    int64_t erreur = 1 - r;
    while (x >= y) {
        centre[y * pas + x] = valeur;
        centre[x * pas + y] = valeur;
        centre[x * pas - y] = valeur;
        centre[y * pas - x] = valeur;
        centre[-y * pas - x] = valeur;
        centre[-x * pas - y] = valeur;
        centre[-x * pas + y] = valeur;
        centre[-y * pas + x] = valeur;
        PasOctant(x, y, erreur);
    }
}

} // namespace velk
