// Every area's actions, built once over the window's context. Each area's
// handlers live in a class of their own in this folder; they reach the
// panels and the runner through the context, never the main window.
#pragma once

#include "window/actions/discovery_actions.h"
#include "window/actions/export_actions.h"
#include "window/actions/file_actions.h"
#include "window/actions/help_actions.h"
#include "window/actions/keep_actions.h"
#include "window/actions/print_actions.h"
#include "window/actions/search_actions.h"
#include "window/actions/view_actions.h"

namespace orvex {

struct WindowActions {
  explicit WindowActions(const WindowContext& context)
      : views(context),
        discovery(context, views),
        files(context, discovery),
        exports(context, discovery),
        keep(context, exports),
        print(context),
        help(context),
        search(context) {}

  ViewActions views;
  DiscoveryActions discovery;
  FileActions files;
  ExportActions exports;
  KeepActions keep;
  PrintActions print;
  HelpActions help;
  SearchActions search;
};

}  // namespace orvex
