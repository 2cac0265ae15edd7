#pragma once
// An owning pointer that copies what it owns, so that records (and the dialogs' working copies of
// them) can be copied like values while still owning their lists.
#include <memory>

template <class T>
class COwnedPtr {
public:
    COwnedPtr() : p_(std::make_unique<T>()) {}
    COwnedPtr(const COwnedPtr& other) : p_(std::make_unique<T>(*other)) {}
    COwnedPtr(COwnedPtr&&) noexcept = default;
    COwnedPtr& operator=(const COwnedPtr& other) {
        if (this != &other) {
            p_ = std::make_unique<T>(*other);
        }
        return *this;
    }
    COwnedPtr& operator=(COwnedPtr&&) noexcept = default;

    T& operator*() const { return *p_; }
    T* operator->() const { return p_.get(); }
    T* get() const { return p_.get(); }

private:
    std::unique_ptr<T> p_;
};
