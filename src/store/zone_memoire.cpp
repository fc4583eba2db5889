// Large zero-filled memory zones (see zone_memoire.h).
#include "store/zone_memoire.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace velk {

namespace {

#if defined(__linux__)
// Below one huge page a plain mapping would only waste address space alignment; calloc
// serves small zones from the heap.
constexpr size_t SeuilCarte = size_t{1} << 20;
constexpr size_t GrandePage = size_t{2} << 20;

size_t Arrondi(size_t taille) { return (taille + GrandePage - 1) & ~(GrandePage - 1); }
#endif

} // namespace

void* AlloueZone(size_t taille) {
    if (taille == 0) taille = 1;
#if defined(__linux__)
    if (taille >= SeuilCarte) {
        // Reserve one extra huge page so that the zone can start on a huge-page boundary
        // whatever address the kernel returns, then give back the unused ends.
        const size_t utile = Arrondi(taille);
        const size_t reserve = utile + GrandePage;
        void* brut = ::mmap(nullptr, reserve, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                            -1, 0);
        if (brut == MAP_FAILED) return nullptr;
        const auto adresse = reinterpret_cast<uintptr_t>(brut);
        const uintptr_t debut = (adresse + GrandePage - 1) & ~(uintptr_t{GrandePage} - 1);
        if (debut > adresse) ::munmap(brut, debut - adresse);
        const uintptr_t fin = debut + utile;
        if (adresse + reserve > fin) ::munmap(reinterpret_cast<void*>(fin), adresse + reserve - fin);
        void* zone = reinterpret_cast<void*>(debut);
#if defined(MADV_HUGEPAGE)
        ::madvise(zone, utile, MADV_HUGEPAGE); // advice only: failure leaves 4 KiB pages
#endif
        return zone;
    }
#endif
    return std::calloc(1, taille);
}

void LibereZone(void* zone, size_t taille) noexcept {
    if (!zone) return;
    if (taille == 0) taille = 1;
#if defined(__linux__)
    if (taille >= SeuilCarte) {
        ::munmap(zone, Arrondi(taille));
        return;
    }
#endif
    std::free(zone);
}

TamponZone NouveauTampon(size_t taille) {
    char* zone = static_cast<char*>(AlloueZone(taille));
    if (!zone) throw std::bad_alloc();
    return TamponZone(zone, LibereurZone(taille));
}

} // namespace velk
