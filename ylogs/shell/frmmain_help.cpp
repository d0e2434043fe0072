// The links to the product web site and the About box.
#include "about/frmabout.h"
#include "about/links.h"
#include "ylogs/shell/frmmain.h"

namespace orvex {

void TfrmMain::Onlinehelp1Click() {
  OpenLink(env_.shell, SiteUrl(kHelpPage));
}

void TfrmMain::Orvexhomepage1Click() {
  OpenLink(env_.shell, SiteUrl(kHomePage));
}

void TfrmMain::btnForumClick() {
  OpenLink(env_.shell, SiteUrl(kForumPage));
}

void TfrmMain::About1Click() {
  TfrmAbout box(env_.shell, this);  // a new box each time, gone when it closes
  ShowModal(box);
}

}  // namespace orvex
