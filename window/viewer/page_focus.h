// The page as one stop of the Tab key: Tab and Shift+Tab in the browser view
// go on to the window's next or previous control instead of going round the
// page's links for ever, and the view's inner widget, which holds the focus,
// is named for screen readers as the view is.
#pragma once

class QWebEngineView;

namespace orvex {

void MakePageOneTabStop(QWebEngineView* view);

}  // namespace orvex
