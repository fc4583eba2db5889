// Bresenham segments and midpoint circles written straight into image memory.
#include "view/trace_image.h"

#include <algorithm>
#include <cstdlib>

namespace velk {

TraceImage::TraceImage(QImage& image)
    : lignes_(reinterpret_cast<uint32_t*>(image.bits())),
      pas_(image.bytesPerLine() / 4),
      largeur_(static_cast<uint64_t>(image.width())),
      hauteur_(static_cast<uint64_t>(image.height()))
{
}

bool TraceImage::Accepte(const QImage& image)
{
    const auto f = image.format();
    return !image.isNull()
           && (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
               || f == QImage::Format_ARGB32_Premultiplied);
}

void TraceImage::Ligne(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool dernier)
{
    // Segments given by the clipping lie on the surface already; anything longer is
    // first cut to the image's box so the walk never runs through far pixels.
    const int64_t limite = 1 << 24;
    if (std::llabs(x0) > limite || std::llabs(y0) > limite || std::llabs(x1) > limite || std::llabs(y1) > limite)
        return;
    if (!dernier && x0 == x1 && y0 == y1)
        return;
    int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
    const int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int64_t erreur = dx + dy;
    // Along a row or a column outside the image: nothing to write.
    if ((dy == 0 && static_cast<uint64_t>(y0) >= hauteur_) || (dx == 0 && static_cast<uint64_t>(x0) >= largeur_))
        return;
    // Along a row of the image: one bounds check for the whole run.
    if (dy == 0) {
        // Without the end pixel the run stops one short of x1.
        const int64_t fin = dernier ? x1 : x1 - sx;
        const int64_t a = std::max<int64_t>(std::min(x0, fin), 0);
        const int64_t b = std::min<int64_t>(std::max(x0, fin), static_cast<int64_t>(largeur_) - 1);
        std::fill(lignes_ + y0 * pas_ + a, lignes_ + y0 * pas_ + std::max(a, b + 1), couleur_);
        return;
    }
    for (;;) {
        const bool fin = x0 == x1 && y0 == y1;
        if (fin && !dernier)
            break;
        Pixel(x0, y0);
        if (fin)
            break;
        const int64_t e2 = 2 * erreur;
        if (e2 >= dy) {
            erreur += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            erreur += dx;
            y0 += sy;
        }
    }
}

void TraceImage::Cercle(int64_t cx, int64_t cy, int64_t r)
{
    r = std::llabs(r);
    if (r == 0) {
        Pixel(cx, cy);
        return;
    }
    int64_t x = r, y = 0;
    int64_t erreur = 1 - r;
    while (x >= y) {
        Pixel(cx + x, cy + y);
        Pixel(cx + y, cy + x);
        Pixel(cx - y, cy + x);
        Pixel(cx - x, cy + y);
        Pixel(cx - x, cy - y);
        Pixel(cx - y, cy - x);
        Pixel(cx + y, cy - x);
        Pixel(cx + x, cy - y);
        ++y;
        if (erreur < 0) {
            erreur += 2 * y + 1;
        } else {
            --x;
            erreur += 2 * (y - x) + 1;
        }
    }
}

} // namespace velk
