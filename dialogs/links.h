// The pages of the product web site and how they are opened.
#pragma once

#include <QString>

namespace orvex {

class Shell;

inline constexpr const char* kSiteRoot = "https://orvex.example.org/";
inline constexpr const char* kAboutLinkPage = "messenger-archive";

// The site root followed by a page path.
QString SiteUrl(const char* page);

// Opens an address in the user's web browser; a failure is not reported.
void OpenLink(Shell* shell, const QString& url);

}  // namespace orvex
