// Shared geometric operations: angles, distances, projection, line equations, the
// two-line intersection, the choice rules, rounding and the finiteness check.
#include "geometry/conventions.h"

#include <cmath>

namespace velk {

Reel NormeAngle(Reel a) {
    if (a < 0) a = a + DeuxPi;
    if (a >= DeuxPi) a = a - DeuxPi;
    return a;
}

Reel Distance(const TRecPoint& P1, const TRecPoint& P2) {
    const Reel dx = P1.X - P2.X;
    const Reel dy = P1.Y - P2.Y;
    return std::sqrt(dx * dx + dy * dy);
}

Reel AngleVecteur(const TRecPoint& P1, const TRecPoint& P2) {
    const Reel dx = P2.X - P1.X;
    const Reel dy = P2.Y - P1.Y;
    Reel a;
    if (P2.X > P1.X) {
        a = std::atan(dy / dx);
    } else if (P2.X < P1.X) {
        a = std::atan(dy / dx) + Pi;
    } else {
        a = P1.Y > P2.Y ? TroisDemiPi : DemiPi;
    }
    return NormeAngle(a);
}

TRecPoint Projection(const TRecPoint& P, const TRecLigne& L) {
    TRecPoint H;
    const Reel a = L.Aod;
    // Exact directions skip the trigonometry, so axis-parallel lines built inside a solver
    // project without rounding.
    if (a == 0 || a == Pi) {
        H.X = P.X;
        H.Y = L.Ypd;
    } else if (a == DemiPi || a == TroisDemiPi) {
        H.X = L.Xpd;
        H.Y = P.Y;
    } else {
        // The squares are formed first: Xpd·s² + X·c² + s·c·(Y − Ypd). The grouping decides
        // the last bits, and those can decide a later choice between two nearly level
        // candidates, so it must not drift with a rewrite.
        const Reel s = std::sin(a);
        const Reel c = std::cos(a);
        const Reel s2 = s * s;
        const Reel c2 = c * c;
        H.X = L.Xpd * s2 + P.X * c2 + s * c * (P.Y - L.Ypd);
        H.Y = P.Y * s2 + L.Ypd * c2 + s * c * (P.X - L.Xpd);
    }
    return H;
}

TEquationLigne EquationLigne(const TRecLigne& L) {
    const Reel s = std::sin(L.Aod);
    const Reel c = std::cos(L.Aod);
    return {s, -c, c * L.Ypd - s * L.Xpd};
}

bool InterDeuxLignes(const TRecLigne& L1, const TRecLigne& L2, TRecPoint& I) {
    const TEquationLigne e1 = EquationLigne(L1);
    const TEquationLigne e2 = EquationLigne(L2);
    const Reel det = e1.a * e2.b - e2.a * e1.b;
    if (det == 0) return false;
    I.X = (e2.c * e1.b - e1.c * e2.b) / det;
    I.Y = (e2.a * e1.c - e1.a * e2.c) / det;
    return true;
}

TRecPoint ChoixIntersection(char lettre, const TRecPoint& S1, const TRecPoint& S2) {
    switch (lettre) {
    case 'H':
        return S2.Y > S1.Y ? S2 : S1;
    case 'B':
        return S2.Y > S1.Y ? S1 : S2;
    case 'D':
        return S2.X > S1.X ? S2 : S1;
    case 'G':
        return S2.X > S1.X ? S1 : S2;
    default:
        return S1;
    }
}

TRecPoint ChoixDecalage(char lettre, const TRecPoint& S1, const TRecPoint& S2) {
    switch (lettre) {
    case 'H':
        return S2.Y >= S1.Y ? S2 : S1;
    case 'B':
        return S2.Y >= S1.Y ? S1 : S2;
    case 'D':
        return S2.X >= S1.X ? S2 : S1;
    case 'G':
        return S2.X >= S1.X ? S1 : S2;
    default:
        return S1;
    }
}

namespace {

// Finite in extended precision and still finite once narrowed to double (a value beyond
// about 1.8E308 would be stored as infinity). Narrowing keeps NaN and infinities, so the
// double alone answers both questions.
bool finite_both(Reel v) { return std::isfinite(static_cast<double>(v)); }

} // namespace

bool EstFini(const TRecPoint& P) {
    return finite_both(P.X) && finite_both(P.Y);
}

bool EstFini(const TRecLigne& L) {
    return finite_both(L.Xpd) && finite_both(L.Ypd) && finite_both(L.Aod) && finite_both(L.Xdd) &&
           finite_both(L.Ydd) && finite_both(L.Xfd) && finite_both(L.Yfd);
}

bool EstFini(const TRecCercle& C) {
    return finite_both(C.Xc) && finite_both(C.Yc) && finite_both(C.Rc) && finite_both(C.Xdc) &&
           finite_both(C.Ydc) && finite_both(C.Adc) && finite_both(C.Xfc) && finite_both(C.Yfc) &&
           finite_both(C.Afc);
}

namespace detail {

namespace {

// The 18-digit decimal form of a (with integer part k, fraction just below one half) keeps
// p decimals, p = 18 minus the number of digits of k (18 when k = 0). It reads k.5… or more
// exactly when the gap g = 0.5 - (a - k) satisfies g <= 5·10^-(p+1); equality cannot happen
// for a binary fraction. With g = m·2^-s (m an integer), that is m·5^p <= 2^(s-p-1), decided
// in 128-bit integers without any rounding.
bool demi_atteint_en_18_chiffres(Reel a, Reel k) {
    const Reel g = 0.5L - (a - k); // exact: a - k and 0.5 are within a factor of two
    if (g <= 0) return true;
    int p = 18;
    for (int64_t n = static_cast<int64_t>(k); n > 0; n /= 10)
        --p;
    int e = 0;
    const Reel mant = std::frexp(g, &e); // g = mant·2^e, mant in [0.5, 1)
    const auto m = static_cast<unsigned __int128>(std::ldexp(mant, 64));
    const int s = 64 - e; // g = m·2^-s
    const int shift = s - p - 1;
    if (shift < 0) return false;
    if (shift >= 127) return true;
    unsigned __int128 lhs = m;
    for (int i = 0; i < p; ++i)
        lhs *= 5; // m < 2^64 and 5^18 < 2^42: no overflow
    return lhs <= (static_cast<unsigned __int128>(1) << shift);
}

} // namespace

// Called within the clamps, for a non-NaN x whose fraction is near one half.
int32_t ArrondiPresDeLaMoitie(Reel x) {
    const bool negatif = x < 0;
    const Reel a = negatif ? -x : x;
    const Reel k = static_cast<Reel>(static_cast<int64_t>(a)); // exact: a < 2^30
    const Reel frac = a - k;                                   // exact
    int64_t n = static_cast<int64_t>(k);
    if (frac >= 0.5L || (frac > 0.49L && demi_atteint_en_18_chiffres(a, k))) ++n;
    return static_cast<int32_t>(negatif ? -n : n);
}

} // namespace detail

} // namespace velk
