// The language of the website's own texts for `export --site` and `browse`.
#pragma once

#include <optional>
#include <string>

namespace orvex::cli {

// The catalogue suffix ("de", "pt_BR") of `given` (--lang), else of the
// user's language as the system tells it; "en" for English and for any
// language the site has no texts in.
std::string SiteLanguage(const std::optional<std::string>& given);

}  // namespace orvex::cli
