#pragma once

#include <new>

#include "gamekit/containers/FatalError.h"

namespace gamekit {

// A checked array of fixed size. Elements start value-initialised.
template <typename T>
class GArray {
public:
    explicit GArray(int size) {
        if (size < 0) {
            fatalErrorf("in GArray Constructor: \nInitialized with size =  %d. \nMust be >= 0", size);
        }
        allocate(size, "in GArray Constructor: new cannot allocate array");
    }

    GArray(const GArray& other) {
        if (other.size_ < 0) {
            fatalErrorf("in GArray Copy Constructor: \nInitialized with size =  %d. \nMust be >= 0",
                        other.size_);
        }
        allocate(other.size_, "in GArray Copy Constructor: new cannot allocate array");
        for (int i = 0; i < size_; ++i) data_[i] = other[i];
    }

    // Assignment copies deeply (same sizes or not), so two arrays never share
    // one buffer.
    GArray& operator=(const GArray& other) {
        if (this == &other) return *this;
        GArray copy(other);
        swap(copy);
        return *this;
    }

    virtual ~GArray() { delete[] data_; }

    T& operator[](int index) {
        if (index < 0 || index >= size_) {
            fatalErrorf(
                "in GArray operator[]: \nAccessed with =  %d. \nMust be >= 0 and \nMust be < (size = %d)",
                index, size_);
        }
        return data_[index];
    }

    const T& operator[](int index) const {
        if (index < 0 || index >= size_) {
            fatalErrorf(
                "in GArray operator[] const: \nAccessed with =  %d. \nMust be >= 0 and \nMust be < "
                "(size = %d)",
                index, size_);
        }
        return data_[index];
    }

    int size() const { return size_; }

private:
    void allocate(int size, const char* allocationMessage) {
        size_ = size;
        if (size > 0) {
            data_ = new (std::nothrow) T[size]();
            if (data_ == nullptr) fatalError(allocationMessage);
        }
    }

    void swap(GArray& other) {
        T* d = data_;
        data_ = other.data_;
        other.data_ = d;
        int s = size_;
        size_ = other.size_;
        other.size_ = s;
    }

    T* data_ = nullptr;
    int size_ = 0;
};

}  // namespace gamekit
