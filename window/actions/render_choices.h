// What a rendering of the window reads beside the files: the view session's
// theme and options, the active search tab's words, the smileys, the
// program folder, the names of loose files, the regional formats and the
// message boxes. The window's actions build their settings from it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "window/actions/action_host.h"
#include "ylogs/render/renderer.h"

namespace orvex {

struct DiscoveryState;
class ViewSession;

class RenderChoices {
 public:
  RenderChoices(ActionHost host, const DiscoveryState& discovery, const ViewSession& session)
      : host_(std::move(host)), discovery_(discovery), session_(session) {}

  // The settings of a rendering now, with `highlight` marked.
  RenderSettings Settings(std::optional<std::string> highlight) const;
  // The "%today" text of pages and exports.
  std::function<std::string()> TodayText() const;

 private:
  ActionHost host_;
  const DiscoveryState& discovery_;
  const ViewSession& session_;
};

}  // namespace orvex
