// The window's edges of the contact tree panel: the conversations of the
// nodes selected go into the list, and the favourites.
#pragma once

namespace orvex {

class ContactTreePanel;
class ListPanel;
class ViewActions;
struct DiscoveryState;
struct IndexBuild;

class DiscoveryActions {
 public:
  DiscoveryActions(ContactTreePanel& contacts, ListPanel& list, ViewActions& views,
                   DiscoveryState& discovery)
      : contacts_(contacts), list_(list), views_(views), discovery_(discovery) {}

  // Lists the conversations of what the tree selects.
  void idsChange(const IndexBuild& selected);
  void Addtofavorite1Click();
  void Removefromfavorites1Click();
  void Refresh1Click();

 private:
  ContactTreePanel& contacts_;
  ListPanel& list_;
  ViewActions& views_;
  DiscoveryState& discovery_;
};

}  // namespace orvex
