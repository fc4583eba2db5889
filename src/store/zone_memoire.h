// Large zero-filled memory zones for the element tables and the run's big buffers.
//
// A zone is reserved at once but only the pages actually written take memory. On Linux it
// is an anonymous mapping advised for transparent huge pages: a 2 MiB page costs one fault
// where 4 KiB pages cost 512, and page faults are most of the price of touching fresh
// memory (a first run over 65 536 rows touches about 11 MiB of rows). Elsewhere it falls
// back to calloc, which also hands out zeroed memory without a separate fill.
#pragma once

#include <cstddef>
#include <memory>
#include <new>

namespace velk {

// Returns a zone of at least `taille` bytes, every byte zero, aligned for any type; nullptr
// when memory is exhausted. Free it with LibereZone and the same size.
void* AlloueZone(size_t taille);
void LibereZone(void* zone, size_t taille) noexcept;

// Owner of a zone, for buffers of bytes.
class LibereurZone {
  public:
    LibereurZone() = default;
    explicit LibereurZone(size_t taille) : taille_(taille) {}
    void operator()(char* zone) const noexcept { LibereZone(zone, taille_); }

  private:
    size_t taille_ = 0;
};
using TamponZone = std::unique_ptr<char[], LibereurZone>;

// A zone of `taille` bytes (zeroed) held by its owner; throws std::bad_alloc when memory is
// exhausted.
TamponZone NouveauTampon(size_t taille);

// Allocator for large standard containers (the line views of a loaded program).
template <typename T> struct AllocateurZone {
    using value_type = T;
    AllocateurZone() = default;
    template <typename U> AllocateurZone(const AllocateurZone<U>&) noexcept {}
    T* allocate(size_t n) {
        void* zone = AlloueZone(n * sizeof(T));
        if (!zone) throw std::bad_alloc();
        return static_cast<T*>(zone);
    }
    void deallocate(T* zone, size_t n) noexcept { LibereZone(zone, n * sizeof(T)); }
    template <typename U> bool operator==(const AllocateurZone<U>&) const noexcept { return true; }
    template <typename U> bool operator!=(const AllocateurZone<U>&) const noexcept { return false; }
};

} // namespace velk
