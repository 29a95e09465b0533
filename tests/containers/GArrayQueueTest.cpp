#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "FatalErrorCatcher.h"
#include "gamekit/containers/GArray.h"
#include "gamekit/containers/GQueue.h"

using gamekit::GArray;
using gamekit::GQueue;
using testing_support::fatalMessageOf;

TEST(GArray, BoundsAndMessagesAreExact) {
    GArray<int> empty(0);
    EXPECT_EQ(
        fatalMessageOf([&] { empty[0] = 1; }),
        "in GArray operator[]: \nAccessed with =  0. \nMust be >= 0 and \nMust be < (size = 0)");
    GArray<int> a(3);
    a[2] = 9;
    EXPECT_EQ(a[2], 9);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(
        fatalMessageOf([&] { a[3] = 1; }),
        "in GArray operator[]: \nAccessed with =  3. \nMust be >= 0 and \nMust be < (size = 3)");
    const GArray<int>& c = a;
    EXPECT_EQ(fatalMessageOf([&] { (void)c[-1]; }),
              "in GArray operator[] const: \nAccessed with =  -1. \nMust be >= 0 and \nMust be < "
              "(size = 3)");
    EXPECT_EQ(fatalMessageOf([] { GArray<int> bad(-5); }),
              "in GArray Constructor: \nInitialized with size =  -5. \nMust be >= 0");
}

TEST(GArray, TheLongestMessageWithIntMinIsWhole) {
    GArray<int> a(1);
    const GArray<int>& c = a;
    std::string message = fatalMessageOf([&] { (void)c[INT_MIN]; });
    EXPECT_EQ(
        message,
        "in GArray operator[] const: \nAccessed with =  -2147483648. \nMust be >= 0 and \nMust "
        "be < (size = 1)");
    // The same format with two extreme numbers is longer than a hundred
    // characters and still arrives whole.
    std::string longest = fatalMessageOf([] {
        gamekit::fatalErrorf(
            "in GArray operator[] const: \nAccessed with =  %d. \nMust be >= 0 and \nMust be < "
            "(size = %d)",
            INT_MIN, INT_MIN);
    });
    EXPECT_GT(longest.size(), 100u);
    EXPECT_EQ(longest.substr(longest.size() - 20), "(size = -2147483648)");
}

TEST(GArray, CopyAndAssignmentAreDeep) {
    GArray<int> a(2);
    a[0] = 4;
    GArray<int> b(a);
    b[0] = 5;
    GArray<int> c(7);
    c = a;
    c[1] = 6;
    EXPECT_EQ(a[0], 4);
    EXPECT_EQ(a[1], 0);
    EXPECT_EQ(b[0], 5);
    EXPECT_EQ(c.size(), 2);
    EXPECT_EQ(c[0], 4);
}

TEST(GQueue, IsFirstInFirstOut) {
    GQueue<int> q;
    q.enqueue(1);
    q.enqueue(2);
    q.enqueue(3);
    EXPECT_EQ(q.iSize, 3);
    EXPECT_EQ(q[2], q.back());
    EXPECT_EQ(q[0], 1);
    EXPECT_EQ(q.dequeue(), 1);
    EXPECT_EQ(q.dequeue(), 2);
    EXPECT_EQ(q.back(), 3);
}

TEST(GQueue, DequeueOfTheLastNodeEmptiesItAndMessagesAreExact) {
    GQueue<int> q;
    q.enqueue(8);
    EXPECT_EQ(q.dequeue(), 8);
    EXPECT_EQ(q.head, nullptr);
    EXPECT_EQ(q.tail, nullptr);
    EXPECT_EQ(q.iSize, 0);
    EXPECT_EQ(fatalMessageOf([&] { q.back(); }),
              "in GQueue :: back() \nCannot access back of empty queue");
    EXPECT_EQ(fatalMessageOf([&] { q.dequeue(); }),
              "in GQueue :: dequeue \nCannot dequeue from an empty queue");
    q.enqueue(1);
    EXPECT_EQ(fatalMessageOf([&] { q[-1]; }),
              "in GQueue operator[]: \nIndexed with -1. \nMust be >= 0");
    EXPECT_EQ(fatalMessageOf([&] { q[1]; }),
              "in GQueue operator[] const: \nIndexed with 1. \nMust be < (iSize = 1)");
}

TEST(GQueue, IsNotCopyable) {
    static_assert(!std::is_copy_constructible_v<GQueue<int>>);
    static_assert(!std::is_copy_assignable_v<GQueue<int>>);
}

TEST(FatalError, WithoutAHandlerWritesTheMessageAndExitsWithOne) {
    EXPECT_EXIT(gamekit::fatalErrorf("in GVector popBack: %s", "boom"), testing::ExitedWithCode(1),
                "in GVector popBack: boom");
}
