#include "platform/list_control.h"

#include <algorithm>

#include "platform/text_compare.h"

namespace tarvio::platform {

int ListControl::AddItem(const std::string& text) {
  auto at = items_.end();
  // Plan lines arrive in time order, so the end is the usual place: one comparison.
  const bool belongsAtEnd = items_.empty() || CompareNoCase(items_.back(), text) <= 0;
  if (order_ == Order::Sorted && !belongsAtEnd) {
    at = std::upper_bound(items_.begin(), items_.end(), text,
                          [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
  }
  const int index = static_cast<int>(at - items_.begin());
  items_.insert(at, text);
  if (selected_ >= index) ++selected_;
  if (view_ != nullptr) {
    view_->ItemInserted(index, text);
    if (selected_ >= 0) view_->SelectionShown(selected_);
  }
  return index;
}

void ListControl::Clear() {
  items_.clear();
  selected_ = -1;
  if (view_ != nullptr) view_->ItemsCleared();
}

const std::string& ListControl::List(int index) const {
  static const std::string kNone;
  if (index < 0 || index >= ListCount()) return kNone;
  return items_[static_cast<std::size_t>(index)];
}

int ListControl::IndexOf(std::string_view text) const {
  for (int index = 0; index < ListCount(); ++index) {
    if (EqualsNoCase(items_[static_cast<std::size_t>(index)], text)) return index;
  }
  return -1;
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  selected_ = index;
  if (view_ != nullptr) view_->SelectionShown(index);
  if (onClick_) onClick_();
}

void ListControl::AttachView(ListView* view) {
  view_ = view;
  if (view_ == nullptr) return;
  view_->ItemsCleared();
  for (int i = 0; i < ListCount(); ++i) view_->ItemInserted(i, items_[static_cast<std::size_t>(i)]);
  view_->SelectionShown(selected_);
}

}  // namespace tarvio::platform
