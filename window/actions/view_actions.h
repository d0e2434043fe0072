// The view of the list's selection, and the edges of the list, its tabs,
// the viewer and the statistics grid.
#pragma once

namespace orvex {

struct WindowContext;

class ViewActions {
 public:
  explicit ViewActions(const WindowContext& context) : ctx_(context) {}

  void msgChange();
  void RefreshBrowser();
  void btnRawClick();
  void applyClick();
  void cbxThemeChange();
  void LoadTheme();
  void msgHeaderClick(int column);
  void TabSetChange(int tab);
  void CloseActiveSearchTab();
  void Selectallmessages2Click();
  void vsStatRepaint();

 private:
  const WindowContext& ctx_;
};

}  // namespace orvex
