#pragma once
// The list behaviour the program relies on, in one place for the Windows controls and
// the tests alike: items in the order added or sorted without regard to
// case, a 0-based selection with -1 for none, and a selection handler that runs at
// once whenever the selection is set, by code or by the user.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvio::platform {

// A platform control that shows what a ListControl holds.
class ListView {
 public:
  virtual ~ListView() = default;
  virtual void ItemInserted(int index, const std::string& text) = 0;
  virtual void ItemsCleared() = 0;
  virtual void SelectionShown(int index) = 0;
};

class ListControl {
 public:
  enum class Order { Added, Sorted };

  explicit ListControl(Order order) : order_(order) {}
  ListControl(const ListControl&) = delete;
  ListControl& operator=(const ListControl&) = delete;

  // Appends, or inserts at its alphabetical place (after items that compare equal).
  // Returns the new item's index. The selection keeps pointing at the same item.
  int AddItem(const std::string& text);
  // Removes every item; the selection becomes -1 without running the handler.
  void Clear();

  int ListCount() const { return static_cast<int>(items_.size()); }
  // The item's text, or the empty text for an index the list does not have.
  const std::string& List(int index) const;
  int ListIndex() const { return selected_; }
  // The first item equal to text without regard to case, in list order; -1 for none.
  int IndexOf(std::string_view text) const;
  // Selects index (-1 for none) and runs the selection handler before returning, even
  // when the selection does not change. An index the list does not have is ignored.
  void SetListIndex(int index);

  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  // The view is shown the current contents at once and every change afterwards.
  void AttachView(ListView* view);

 private:
  Order order_;
  std::vector<std::string> items_;
  int selected_ = -1;
  std::function<void()> onClick_;
  ListView* view_ = nullptr;
};

}  // namespace tarvio::platform
