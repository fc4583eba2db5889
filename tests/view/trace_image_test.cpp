// Direct pixel writing against a plain pixel-by-pixel reference: the fast walks (bounds
// left out on the image, one-byte buffer once the strokes are many) must put exactly the
// same pixels, in the same order, as the straightforward integer line and circle.
#include "view/dessine.h"
#include "view/surface_image.h"
#include "view/trace_image.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <random>

namespace velk {
namespace {

// The textbook all-octant integer line and midpoint circle, one checked pixel at a time.
struct Reference {
    QImage& image;
    QRgb couleur = 0xff000000u;

    void Pixel(int64_t x, int64_t y)
    {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(static_cast<int>(x), static_cast<int>(y), couleur);
    }
    void Ligne(int64_t x0, int64_t y0, int64_t x1, int64_t y1, bool dernier)
    {
        const int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
        const int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int64_t e = dx + dy;
        for (;;) {
            const bool fin = x0 == x1 && y0 == y1;
            if (fin && !dernier)
                return;
            Pixel(x0, y0);
            if (fin)
                return;
            const int64_t e2 = 2 * e;
            if (e2 >= dy) {
                e += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                e += dx;
                y0 += sy;
            }
        }
    }
    void Cercle(int64_t cx, int64_t cy, int64_t r)
    {
        int64_t x = r, y = 0, e = 1 - r;
        if (r == 0)
            Pixel(cx, cy);
        while (r > 0 && x >= y) {
            for (auto [a, b] : {std::pair{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}})
                Pixel(cx + a, cy + b);
            ++y;
            e += e < 0 ? 2 * y + 1 : 2 * (y - --x) + 1;
        }
    }
};

QImage Blanche(int l, int h)
{
    QImage image(l, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int Differences(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST(TraceImage, SegmentsAndCirclesMatchThePixelByPixelWalk)
{
    struct Cas {
        int64_t x0, y0, x1, y1;
        bool dernier;
    };
    // Every octant, both ends off the image on every side, single pixels, rows and columns
    // on and off the image, the end pixel left out.
    const Cas cas[] = {
        {0, 0, 39, 29, true},   {39, 29, 0, 0, false},  {-15, 5, 60, 20, true}, {5, -15, 20, 60, false},
        {45, 3, -8, 27, true},  {3, 45, 27, -8, true},  {10, 10, 10, 10, true}, {10, 10, 10, 10, false},
        {-5, 12, 50, 12, true}, {50, 12, -5, 12, false}, {7, -5, 7, 50, false}, {40, 0, 40, 29, true},
        {0, 30, 39, 30, true},  {-3, -3, 42, 32, true},  {-100, 40, 100, -10, true}, {20, 29, 21, -900, true},
    };
    for (const Cas& c : cas) {
        QImage rapide = Blanche(40, 30), attendu = Blanche(40, 30);
        {
            TraceImage trace(rapide);
            trace.SetCouleur(qRgb(200, 0, 0));
            trace.Ligne(c.x0, c.y0, c.x1, c.y1, c.dernier);
        }
        Reference ref{attendu, qRgb(200, 0, 0)};
        ref.Ligne(c.x0, c.y0, c.x1, c.y1, c.dernier);
        EXPECT_EQ(Differences(rapide, attendu), 0) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    }
    // Circles wholly on the image, touching its edges, partly and wholly off it.
    const int64_t cercles[][3] = {{20, 15, 0}, {20, 15, 14}, {19, 14, 14}, {20, 15, 15}, {0, 0, 9}, {39, 29, 30},
                                  {-5, 15, 12}, {60, 60, 10}, {20, 15, 200}};
    for (const auto& k : cercles) {
        QImage rapide = Blanche(40, 30), attendu = Blanche(40, 30);
        {
            TraceImage trace(rapide);
            trace.SetCouleur(qRgb(0, 0, 200));
            trace.Cercle(k[0], k[1], k[2]);
        }
        Reference ref{attendu, qRgb(0, 0, 200)};
        ref.Cercle(k[0], k[1], k[2]);
        EXPECT_EQ(Differences(rapide, attendu), 0) << k[0] << "," << k[1] << " r " << k[2];
    }
}

// Thousands of strokes in hundreds of colours: the buffer takes over after a few coverings
// of the image, runs out of colour numbers and is copied several times, and the last stroke
// over each pixel must still win.
TEST(TraceImage, BufferedStrokesKeepTheLastColourOfEveryPixel)
{
    QImage rapide = Blanche(97, 61), attendu = Blanche(97, 61);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-40, 140), couleur(0, 0xffffff), rayon(0, 60);
    bool tamponVu = false;
    {
        TraceImage trace(rapide);
        Reference ref{attendu};
        for (int i = 0; i < 6000; ++i) {
            const QRgb c = (i / 3) % 2 ? qRgb(i % 256, 0, 255 - i % 256) : static_cast<QRgb>(couleur(rng));
            trace.SetCouleur(c);
            ref.couleur = c | 0xff000000u;
            const int64_t a = coord(rng), b = coord(rng), d = coord(rng), e = coord(rng);
            if (i % 5 == 0) {
                const int64_t r = rayon(rng) % 40;
                trace.Cercle(a, b, r);
                ref.Cercle(a, b, r);
            } else {
                trace.Ligne(a, b, d, e, i % 2 == 0);
                ref.Ligne(a, b, d, e, i % 2 == 0);
            }
            tamponVu = tamponVu || trace.TamponActif();
            if (i == 4000)
                trace.Vide();
        }
    }
    EXPECT_TRUE(tamponVu);
    EXPECT_EQ(Differences(rapide, attendu), 0);
}

} // namespace
} // namespace velk
