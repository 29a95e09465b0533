#pragma once

#include <new>

#include "gamekit/containers/FatalError.h"

namespace gamekit {

template <typename T>
struct GQueueNode {
    T value{};  // first, so the node's address is the value's address
    GQueueNode* next = nullptr;
};

// A singly linked first-in first-out queue. The values are the owner's: the
// destructor unlinks every node but frees no value. Not copyable (a copy would
// share nodes).
template <typename T>
class GQueue {
public:
    GQueue() = default;
    GQueue(const GQueue&) = delete;
    GQueue& operator=(const GQueue&) = delete;

    virtual ~GQueue() {
        while (tail != nullptr) dequeue();
    }

    void enqueue(T value) {
        ++iSize;
        auto* node = new (std::nothrow) GQueueNode<T>;
        if (node == nullptr) {
            fatalError(tail == nullptr ? "in GQueue enqueu: new cannot allocate first GQueueNode"
                                       : "in GQueue enqueu: new cannot allocate GQueueNode");
        }
        node->value = value;
        if (tail == nullptr) {
            head = node;
        } else {
            tail->next = node;
        }
        tail = node;
    }

    T dequeue() {
        if (tail == nullptr) fatalError("in GQueue :: dequeue \nCannot dequeue from an empty queue");
        --iSize;
        GQueueNode<T>* node = head;
        head = node->next;
        if (head == nullptr) tail = nullptr;
        T value = node->value;
        delete node;
        return value;
    }

    T& operator[](int index) {
        if (index < 0) fatalErrorf("in GQueue operator[]: \nIndexed with %d. \nMust be >= 0", index);
        if (index >= iSize) {
            fatalErrorf("in GQueue operator[] const: \nIndexed with %d. \nMust be < (iSize = %d)",
                        index, iSize);
        }
        GQueueNode<T>* node = head;
        for (int i = 0; i < index; ++i) node = node->next;
        return node->value;
    }

    T& back() {
        if (tail == nullptr) fatalError("in GQueue :: back() \nCannot access back of empty queue");
        return tail->value;
    }

    bool empty() const { return tail == nullptr; }

    GQueueNode<T>* head = nullptr;
    GQueueNode<T>* tail = nullptr;
    int iSize = 0;
};

}  // namespace gamekit
