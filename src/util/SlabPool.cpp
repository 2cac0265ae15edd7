#include "util/SlabPool.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
// Each place starts on a line of the processor's cache, so that the fields a record keeps
// together at its start are read in one.
constexpr std::size_t kCacheLine = 64;

std::size_t AlignedSize(std::size_t size) {
    return (std::max(size, sizeof(void*)) + kCacheLine - 1) / kCacheLine * kCacheLine;
}

}  // namespace

CSlabPool::CSlabPool(std::size_t slotSize) : slotSize_(AlignedSize(slotSize)) {}

void* CSlabPool::Allocate(std::size_t size) {
    if (AlignedSize(size) != slotSize_) {
        return ::operator new(size);
    }
    const std::lock_guard lock(mutex_);
    if (free_ != nullptr) {
        CFreePlace* place = free_;
        free_ = place->next;
        return place;
    }
    if (next_ == end_) {
        const std::size_t slots = kBlockBytes / slotSize_ > 0 ? kBlockBytes / slotSize_ : 1;
        blocks_.push_back(std::make_unique<std::byte[]>(slots * slotSize_ + kCacheLine));
        const auto start = reinterpret_cast<std::uintptr_t>(blocks_.back().get());
        next_ = blocks_.back().get() + (kCacheLine - start % kCacheLine) % kCacheLine;
        end_ = next_ + slots * slotSize_;
    }
    void* place = next_;
    next_ += slotSize_;
    return place;
}

void CSlabPool::Free(void* place, std::size_t size) {
    if (place == nullptr) {
        return;
    }
    if (AlignedSize(size) != slotSize_) {
        ::operator delete(place);
        return;
    }
    const std::lock_guard lock(mutex_);
    free_ = new (place) CFreePlace{free_};
}
