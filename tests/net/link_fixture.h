#pragma once
// Fresh device-link state with a known ClientTag, and a scripted link installed.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "net/link_state.h"
#include "tests/net/replies.h"
#include "tests/net/scripted_link.h"

// The names of a list's records, head first.
template <typename List>
std::vector<std::string> NamesIn(const List& list) {
  std::vector<std::string> names;
  for (auto* record = list.head.get(); record; record = record->next.get())
    names.push_back(record->name);
  return names;
}

class LinkTest : public ::testing::Test {
 protected:
  LinkTest() {
    ResetDeviceLinkState();
    std::memcpy(g_link.clientTag, kOwnTag, kTagSize);
  }
  ~LinkTest() override { ResetDeviceLinkState(); }

  static constexpr uint8_t kOwnTag[kTagSize] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 10, 0, 0, 5};
  static constexpr uint8_t kForeignTag[kTagSize] = {0x11, 0x22, 0x33, 0x44, 0x55,
                                                    0x67, 10,   0,    0,    5};
  ScriptedLink link;
};
