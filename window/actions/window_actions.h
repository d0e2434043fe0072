// Every area's actions, built once the window's areas are. Each area's
// handlers live in a class of their own in this folder and take, in their
// constructors, only what they use; they never reach the main window.
#pragma once

#include "window/actions/action_host.h"
#include "window/actions/discovery_actions.h"
#include "window/actions/export_actions.h"
#include "window/actions/file_actions.h"
#include "window/actions/help_actions.h"
#include "window/actions/keep_actions.h"
#include "window/actions/print_actions.h"
#include "window/actions/render_choices.h"
#include "window/actions/search_actions.h"
#include "window/actions/view_actions.h"

namespace orvex {

struct WindowActions {
  // The actions hold what each of them uses, and this nothing more.
  WindowActions(ContactTreePanel& contacts, ListPanel& list, ViewerPanel& viewer,
                ViewSession& session, LongActionRunner& runner, ProgressDisplay* wait_display,
                DiscoveryState& state, const ActionHost& host)
      : choices(host, state, session),
        views(list, session, runner, wait_display, choices),
        discovery(contacts, list, views, state),
        files(contacts, list, state, host),
        exports(contacts, list, session, runner, choices, state, host),
        keep(list, session, exports, choices, host),
        print(viewer, runner, wait_display, host),
        help(host),
        search(list, runner, wait_display, choices) {}

  RenderChoices choices;
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
