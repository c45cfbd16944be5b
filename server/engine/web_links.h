// Which saved links answer a web-address field.
//
// A field may ask for the person's own site ("Website", "Homepage") or for a link to some
// content ("Paste the URL of the video", "URL where the issue occurred"). For the own site, a
// link deep into a site, as copied from an article or a video page, is nobody's home page.
#pragma once

#include <string_view>

namespace oskel::answer {

// The label asks for a link to some content rather than the person's own site.
bool asksForALink(std::string_view label);

// A link with a query, a fragment, a path of two or more parts, or one part that names a page:
// a number of six digits or more, or a slug of four words or more.
bool isDeepLink(std::string_view url);

}  // namespace oskel::answer
