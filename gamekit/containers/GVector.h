#pragma once

#include <new>

#include "gamekit/containers/FatalError.h"

namespace gamekit {

// A checked array that grows when it is indexed past its end: writing
// v[v.iSize] appends. Growth allocates 2 x index elements (never fewer than
// index + 1), value-initialised, so no element is ever indeterminate. A vector
// of pointers never deletes what they point to.
template <typename T>
class GVector {
public:
    explicit GVector(int capacity = 0) {
        if (capacity < 0) {
            fatalErrorf("in GVector Constructor: Capacity was initialized \nto %d. Must be > 0",
                        capacity);
        }
        if (capacity > 0) {
            data_ = new (std::nothrow) T[capacity]();
            if (data_ == nullptr) fatalError("in GVector Constructor: new cannot allocate array");
        }
        capacity_ = capacity;
    }

    // Copies are deep: each vector owns its own array.
    GVector(const GVector& other) { copyFrom(other, "in GVector operator=: new cannot allocate array"); }

    GVector& operator=(const GVector& other) {
        if (this == &other) return *this;
        delete[] data_;
        data_ = nullptr;
        copyFrom(other, "in GVector operator=: new cannot allocate array");
        return *this;
    }

    virtual ~GVector() { delete[] data_; }

    T& operator[](int index) {
        if (index < 0) {
            fatalErrorf("in GVector operator[]: \nIndexed with %d. \nMust be >= 0", index);
        }
        if (index + 1 > capacity_) grow(index);
        if (index + 1 > iSize) iSize = index + 1;
        return data_[index];
    }

    const T& operator[](int index) const {
        if (index < 0) {
            fatalErrorf("in GVector operator[] const: \nIndexed with %d. \nMust be >= 0", index);
        }
        if (index >= iSize) {
            fatalErrorf("in GVector operator[] const: \nIndexed with %d. \nMust be < (iSize = %d)",
                        index, iSize);
        }
        return data_[index];
    }

    T popBack() {
        if (iSize <= 0) fatalError("in GVector popBack: \nCannot pop empty vector.");
        --iSize;
        return data_[iSize];
    }

    int capacity() const { return capacity_; }
    const T* data() const { return data_; }

    // The element count, read directly by callers.
    int iSize = 0;

private:
    void grow(int index) {
        // Twice the index that overflowed, not twice the old capacity.
        long long wanted = 2LL * index;
        if (wanted < index + 1LL) wanted = index + 1LL;
        if (wanted > 0x7fffffffLL) wanted = 0x7fffffffLL;
        int newCapacity = static_cast<int>(wanted);
        T* bigger = new (std::nothrow) T[newCapacity]();
        if (bigger == nullptr) fatalError("in GVector operator[]: new cannot allocate array");
        for (int i = 0; i < iSize; ++i) bigger[i] = data_[i];
        delete[] data_;
        data_ = bigger;
        capacity_ = newCapacity;
    }

    void copyFrom(const GVector& other, const char* allocationMessage) {
        if (other.capacity_ >= 1) {
            data_ = new (std::nothrow) T[other.capacity_]();
            if (data_ == nullptr) fatalError(allocationMessage);
        }
        capacity_ = other.capacity_;
        iSize = other.iSize;
        for (int i = 0; i < iSize; ++i) data_[i] = other[i];
    }

    T* data_ = nullptr;
    int capacity_ = 0;
};

}  // namespace gamekit
