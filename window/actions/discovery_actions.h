// The window's edges of the contact tree panel: the path box, the tree and
// its filter, the conversation index, the favourites and the archiving
// switch.
#pragma once

namespace orvex {

class ViewActions;
struct WindowContext;

class DiscoveryActions {
 public:
  DiscoveryActions(const WindowContext& context, ViewActions& views)
      : ctx_(context), views_(views) {}

  void edtPathChange();
  // Lists the conversations of what the tree selects.
  void idsChange();
  void edtFilterChange();
  void spdSelectAllClick();
  void Addtofavorite1Click();
  void Removefromfavorites1Click();
  void Refresh1Click();
  void spdArchivingClick();

 private:
  const WindowContext& ctx_;
  ViewActions& views_;
};

}  // namespace orvex
