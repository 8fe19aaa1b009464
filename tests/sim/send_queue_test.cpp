// The send queue: due time first, then the order of adding.

#include <gtest/gtest.h>

#include "sim/send_queue.h"

namespace {

TEST(SendQueue, ReleasesDatagramsByDueTimeThenInOrderAdded) {
  SendQueue queue;
  queue.Add(200, {3}, 0, "c");
  queue.Add(100, {1}, 0, "a");
  queue.Add(100, {2}, 0, "b");
  EXPECT_EQ(queue.NextDueMs(), 100);
  EXPECT_FALSE(queue.TakeDue(99).has_value());

  auto first = queue.TakeDue(150);
  auto second = queue.TakeDue(150);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->bytes, Datagram{1});
  EXPECT_EQ(second->bytes, Datagram{2});
  EXPECT_FALSE(queue.TakeDue(150).has_value());
  auto third = queue.TakeDue(200);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->adapter, "c");
  EXPECT_TRUE(queue.Empty());
}

}  // namespace
