#pragma once
// Keeps the records of one kind side by side in memory, in blocks of many, in the order they
// were made. Made one by one from the heap, they lay scattered among everything else a read
// makes (a large studio's thousand persons over six megabytes), so that each look-up of a
// person reached a different page of memory, and the report grew slower per entry as the
// studio grew. A freed place is given to the next record of its kind.
#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

class CSlabPool {
public:
    explicit CSlabPool(std::size_t slotSize);
    CSlabPool(const CSlabPool&) = delete;
    CSlabPool& operator=(const CSlabPool&) = delete;

    // Places of another size (a class derived from the record) come from the heap.
    void* Allocate(std::size_t size);
    void Free(void* place, std::size_t size);

private:
    struct CFreePlace {
        CFreePlace* next;
    };

    std::mutex mutex_;  // records may be made while a file is read on a thread of its own
    const std::size_t slotSize_;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::byte* next_ = nullptr;  // the first unused place of the last block
    std::byte* end_ = nullptr;
    CFreePlace* free_ = nullptr;
};

// The pool of the records of type T. It lives as long as the program: records held by objects
// of static lifetime may still be deleted after main has returned.
template <class T>
CSlabPool& SlabPoolOf() {
    static CSlabPool& pool = *new CSlabPool(sizeof(T));
    return pool;
}

// In a record class: `TAVORIN_POOLED_RECORD(CEntryRecord)` makes `new` and `delete` use its pool.
// Under the address sanitizer the heap is used, which then still finds a use after free.
#if defined(__SANITIZE_ADDRESS__)
#define TAVORIN_HEAP_RECORDS
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVORIN_HEAP_RECORDS
#endif
#endif

#ifdef TAVORIN_HEAP_RECORDS
constexpr bool kRecordsPooled = false;
#define TAVORIN_POOLED_RECORD(T)
#else
constexpr bool kRecordsPooled = true;
#define TAVORIN_POOLED_RECORD(T)                                 \
    static void* operator new(std::size_t size) {                \
        return SlabPoolOf<T>().Allocate(size);                   \
    }                                                            \
    static void operator delete(void* place, std::size_t size) { \
        SlabPoolOf<T>().Free(place, size);                       \
    }
#endif
