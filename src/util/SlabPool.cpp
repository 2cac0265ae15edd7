#include "util/SlabPool.h"

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;

std::size_t AlignedSize(std::size_t size) {
    constexpr std::size_t alignment = alignof(std::max_align_t);
    const std::size_t atLeast = size < sizeof(void*) ? sizeof(void*) : size;
    return (atLeast + alignment - 1) / alignment * alignment;
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
        blocks_.push_back(std::make_unique<std::byte[]>(slots * slotSize_));
        next_ = blocks_.back().get();
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
