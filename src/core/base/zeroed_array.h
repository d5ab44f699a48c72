#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

namespace glyphora {

// A fixed number of values that start as zero, in memory from calloc: for tables over the whole
// plane that stay mostly zero, whose untouched pages then cost neither their zeroing nor
// resident memory (a vector writes every element).
template <typename T>
class ZeroedArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    ZeroedArray() = default;
    explicit ZeroedArray(std::size_t size)
        : values_(static_cast<T*>(std::calloc(size, sizeof(T)))), size_(size) {
        if (size != 0 && !values_) throw std::bad_alloc();
    }
    ZeroedArray(const ZeroedArray& other) : ZeroedArray(other.size_) {
        if (size_ != 0) std::memcpy(values_.get(), other.values_.get(), size_ * sizeof(T));
    }
    ZeroedArray& operator=(const ZeroedArray& other) {
        if (this != &other) *this = ZeroedArray(other);
        return *this;
    }
    ZeroedArray(ZeroedArray&&) noexcept = default;
    ZeroedArray& operator=(ZeroedArray&&) noexcept = default;

    T& operator[](std::size_t i) { return values_.get()[i]; }
    const T& operator[](std::size_t i) const { return values_.get()[i]; }
    std::size_t size() const { return size_; }

private:
    struct Free {
        void operator()(T* values) const { std::free(values); }
    };
    std::unique_ptr<T, Free> values_;
    std::size_t size_ = 0;
};

}  // namespace glyphora
