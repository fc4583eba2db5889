// Direct pixel writing for 1-pixel strokes on a 32-bit image: the fast path of the painters
// when they draw on the screen image, where a general painter's per-stroke set-up costs
// more than the pixels themselves on large programs.
#pragma once

#include <QImage>

#include <cstdint>

namespace velk {

class TraceImage {
public:
    // The image must be in a 32-bit format (RGB32 or ARGB32, opaque colours only).
    explicit TraceImage(QImage& image);

    static bool Accepte(const QImage& image);

    void SetCouleur(QRgb couleur) { couleur_ = couleur | 0xff000000u; }
    // Every pixel of the segment, clipped to the image. Without `dernier` the end pixel is
    // left out, as a stroke of the drawing surface does: a stroke from a pixel to itself
    // is then empty.
    void Ligne(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool dernier = true);
    // The outline of the circle of integer centre and radius (midpoint rule).
    void Cercle(int64_t cx, int64_t cy, int64_t r);

private:
    void Pixel(int64_t x, int64_t y)
    {
        if (static_cast<uint64_t>(x) < largeur_ && static_cast<uint64_t>(y) < hauteur_)
            lignes_[y * pas_ + x] = couleur_;
    }

    uint32_t* lignes_;
    int64_t pas_; // pixels per row
    uint64_t largeur_;
    uint64_t hauteur_;
    uint32_t couleur_ = 0xff000000u;
};

} // namespace velk
