// Direct pixel writing for 1-pixel strokes on a 32-bit image: the fast path of the painters
// when they draw on the screen image, where a general painter's per-stroke set-up costs
// more than the pixels themselves on large programs.
#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace velk {

class TraceImage {
public:
    // The image must be in a 32-bit format (RGB32 or ARGB32, opaque colours only).
    explicit TraceImage(QImage& image);
    ~TraceImage();
    TraceImage(const TraceImage&) = delete;
    TraceImage& operator=(const TraceImage&) = delete;

    static bool Accepte(const QImage& image);

    void SetCouleur(QRgb couleur);
    // Every pixel of the segment, clipped to the image. Without `dernier` the end pixel is
    // left out, as a stroke of the drawing surface does: a stroke from a pixel to itself
    // is then empty.
    void Ligne(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool dernier = true);
    // The outline of the circle of integer centre and radius (midpoint rule).
    void Cercle(int64_t cx, int64_t cy, int64_t r);

    // Once the strokes have covered the image a few times over, pixels are first written
    // as one-byte colour numbers into a buffer a quarter of the image's size, which stays
    // in the processor's cache where the image does not, and copied onto the image here
    // (and on destruction). The image is the same as with direct writing.
    void Vide();
    bool TamponActif() const { return !tampon_.empty(); }

private:
    template <typename T>
    struct Cible {
        T* base;
        int64_t pas; // pixels per row
        T valeur;
    };

    template <typename T>
    void Marche(const Cible<T>& cible, int64_t u, int64_t v, int64_t su, int64_t sv, int64_t du, int64_t dv,
                bool dernier, bool xMajeur);
    template <typename T>
    void Rangee(const Cible<T>& cible, int64_t y, int64_t a, int64_t b);
    template <typename T>
    void CercleInterieur(const Cible<T>& cible, int64_t cx, int64_t cy, int64_t r);
    template <typename T>
    void CercleBorde(const Cible<T>& cible, int64_t cx, int64_t cy, int64_t r);

    void Compte(int64_t pixels);
    void ActiveTampon();
    Cible<uint32_t> CibleImage() const { return {lignes_, pas_, couleur_}; }
    Cible<uint8_t> CibleTampon() { return {tampon_.data(), static_cast<int64_t>(largeur_), numero_}; }

    uint32_t* lignes_;
    int64_t pas_; // pixels per row
    uint64_t largeur_;
    uint64_t hauteur_;
    uint32_t couleur_ = 0xff000000u;
    int64_t ecrits_ = 0; // pixels written so far, roughly
    // Buffered mode: one byte per pixel, Libre where nothing was written since the last
    // copy, otherwise an index into couleurs_.
    static constexpr uint8_t Libre = 0xff;
    std::vector<uint8_t> tampon_;
    std::array<uint32_t, Libre> couleurs_{};
    int nombreCouleurs_ = 0;
    uint8_t numero_ = 0;
    bool sale_ = false; // buffered pixels not copied yet
};

} // namespace velk
