#pragma once
// What a list holds, in its order.
#include <string>
#include <vector>

#include "platform/list_control.h"

namespace tarvio::test {

using Texts = std::vector<std::string>;

inline Texts Items(const platform::ListControl& list) {
  Texts items;
  for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
  return items;
}

}  // namespace tarvio::test
