#include "platform/list_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvio::platform {
namespace {

std::vector<std::string> Items(const ListControl& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
  return items;
}

TEST(ListControl, SortedListPlacesItemsAlphabeticallyWithoutRegardToCase) {
  ListControl list(ListControl::Order::Sorted);
  for (const char* name : {"Beta", "alpha", "Gamma", "Ärger", "10", "9"}) list.AddItem(name);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"10", "9", "alpha", "Ärger", "Beta", "Gamma"}));
}

TEST(ListControl, UnsortedListKeepsTheOrderAdded) {
  ListControl list(ListControl::Order::Added);
  for (const char* n : {"1", "2", "10", "9"}) list.AddItem(n);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"1", "2", "10", "9"}));
}

// Indices the list does not have change nothing and run nothing.
TEST(ListControl, SettingTheSelectionRunsTheHandlerAtOnceEvenWhenUnchanged) {
  ListControl list(ListControl::Order::Added);
  std::vector<int> seen;
  list.OnClick([&] { seen.push_back(list.ListIndex()); });
  list.SetListIndex(0);
  EXPECT_EQ(list.List(0), "");
  list.AddItem("a");
  list.AddItem("b");
  list.SetListIndex(1);
  list.SetListIndex(1);
  list.SetListIndex(2);
  list.SetListIndex(-2);
  EXPECT_EQ(list.ListIndex(), 1);
  list.SetListIndex(-1);
  EXPECT_EQ(list.List(-1), "");
  EXPECT_EQ(seen, (std::vector<int>{1, 1, -1}));
}

TEST(ListControl, SelectionFollowsItsItemWhenASortedInsertMovesIt) {
  ListControl list(ListControl::Order::Sorted);
  list.AddItem("m");
  list.SetListIndex(0);
  list.AddItem("a");
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.List(list.ListIndex()), "m");
  list.Clear();
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.ListCount(), 0);
}

class RecordingView : public ListView {
 public:
  void ItemInserted(int index, const std::string& text) override { log += "+" + std::to_string(index) + text; }
  void ItemsCleared() override { log += "C"; }
  void SelectionShown(int index) override { log += "S" + std::to_string(index); }
  std::string log;
};

TEST(ListControl, AViewMirrorsContentsAndChanges) {
  ListControl list(ListControl::Order::Sorted);
  list.AddItem("b");
  RecordingView view;
  list.AttachView(&view);
  list.AddItem("a");
  list.SetListIndex(0);
  list.Clear();
  EXPECT_EQ(view.log, "C+0bS-1+0aS0C");
}

}  // namespace
}  // namespace tarvio::platform
