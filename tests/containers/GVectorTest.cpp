#include <gtest/gtest.h>

#include <climits>

#include "FatalErrorCatcher.h"
#include "gamekit/containers/GVector.h"

using gamekit::GVector;
using testing_support::fatalMessageOf;

TEST(GVector, CapacityZeroHasNoArrayAndTheFirstWriteAllocatesOne) {
    GVector<int> v(0);
    EXPECT_EQ(v.data(), nullptr);
    EXPECT_EQ(v.capacity(), 0);
    v[0] = 7;
    EXPECT_EQ(v.capacity(), 1);
    EXPECT_EQ(v.iSize, 1);
    EXPECT_EQ(v[0], 7);
}

TEST(GVector, GrowsToTwiceTheOverflowingIndex) {
    GVector<int> v(4);
    for (int i = 0; i < 4; ++i) v[v.iSize] = i;
    EXPECT_EQ(v.capacity(), 4);
    v[v.iSize] = 4;
    EXPECT_EQ(v.capacity(), 8);
    for (int i = 5; i < 9; ++i) v[v.iSize] = i;
    EXPECT_EQ(v.capacity(), 16);  // grown at index 8, not 2 x the old capacity by chance
    for (int i = 0; i < 9; ++i) EXPECT_EQ(v[i], i);
}

TEST(GVector, IndexingPastTheEndAppendsAndZeroFillsTheGap) {
    GVector<int> v(3);
    v[0] = 1;
    v[1] = 2;
    v[2] = 3;
    v[10] = 11;
    EXPECT_EQ(v.iSize, 11);
    EXPECT_EQ(v.capacity(), 20);
    const GVector<int>& c = v;
    for (int i = 3; i < 10; ++i) EXPECT_EQ(c[i], 0) << i;
    EXPECT_EQ(c[10], 11);
    EXPECT_EQ(c[2], 3);
}

// A const read at the size reports while a writable one appends; popBack
// returns the last element; every message is exact, extreme numbers whole.
TEST(GVector, PopBackConstReadsAndEveryMessage) {
    GVector<int> v(2);
    const GVector<int>& c = v;
    EXPECT_EQ(fatalMessageOf([&] { (void)c[INT_MAX]; }),
              "in GVector operator[] const: \nIndexed with 2147483647. \nMust be < (iSize = 0)");
    v[0] = 5;
    EXPECT_EQ(fatalMessageOf([&] { (void)c[1]; }),
              "in GVector operator[] const: \nIndexed with 1. \nMust be < (iSize = 1)");
    v[1] = 42;
    EXPECT_EQ(v.iSize, 2);
    EXPECT_EQ(v.popBack(), 42);
    EXPECT_EQ(v.popBack(), 5);
    EXPECT_EQ(v.iSize, 0);
    EXPECT_EQ(fatalMessageOf([&] { v.popBack(); }),
              "in GVector popBack: \nCannot pop empty vector.");
    EXPECT_EQ(fatalMessageOf([&] { v[-1] = 0; }),
              "in GVector operator[]: \nIndexed with -1. \nMust be >= 0");
    EXPECT_EQ(fatalMessageOf([&] { (void)c[-2]; }),
              "in GVector operator[] const: \nIndexed with -2. \nMust be >= 0");
    EXPECT_EQ(fatalMessageOf([] { GVector<int> w(-3); }),
              "in GVector Constructor: Capacity was initialized \nto -3. Must be > 0");
    EXPECT_EQ(fatalMessageOf([] { GVector<int> w(INT_MIN); }),
              "in GVector Constructor: Capacity was initialized \nto -2147483648. Must be > 0");
}

TEST(GVector, CopiesAreDeepAndIndependent) {
    GVector<int> a(2);
    a[0] = 1;
    a[1] = 2;
    GVector<int> b(a);
    GVector<int> c;
    c = a;
    b[0] = 10;
    c[1] = 20;
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 2);
    EXPECT_NE(b.data(), a.data());
    EXPECT_NE(c.data(), a.data());
    EXPECT_EQ(c.capacity(), a.capacity());
    c = c;  // self-assignment keeps everything
    EXPECT_EQ(c[1], 20);
    EXPECT_EQ(c.iSize, 2);
}

namespace {
struct Counted {
    int value = -1;
    static int live;
    Counted() { ++live; }
    Counted(const Counted& o) : value(o.value) { ++live; }
    Counted& operator=(const Counted& o) = default;
    ~Counted() { --live; }
};
int Counted::live = 0;
}  // namespace

TEST(GVector, ClassElementsAreCopiedIntoTheGrownArrayAndTheOldOnesDestroyed) {
    {
        GVector<Counted> v(1);
        v[0].value = 3;
        v[5].value = 8;
        EXPECT_EQ(v.capacity(), 10);
        EXPECT_EQ(Counted::live, 10);
        EXPECT_EQ(v[0].value, 3);
        EXPECT_EQ(v[3].value, -1);
        Counted popped = v.popBack();
        EXPECT_EQ(popped.value, 8);
    }
    EXPECT_EQ(Counted::live, 0);
}
