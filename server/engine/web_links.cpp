#include "engine/web_links.h"

#include <algorithm>
#include <string>

#include "engine/text.h"

namespace oskel::answer {

bool asksForALink(std::string_view label) {
  static constexpr std::string_view kWords[] = {" url ", " link ", " links ", " video ", " image ", " youtube ",
                                                " paste ", " enlace ", " lien ", " collegamento ", " ссылка ",
                                                " ссылку ", " dailymotion ", " vimeo "};
  std::string folded = foldText(label);
  for (std::string_view w : kWords) {
    if (folded.find(w) != std::string::npos) return true;
  }
  for (std::string_view w : {"リンク", "链接", "連結", "링크", "動画", "视频"}) {
    if (label.find(w) != std::string_view::npos) return true;
  }
  return false;
}

bool isDeepLink(std::string_view url) {
  std::size_t scheme = url.find("://");
  std::string_view rest = scheme == std::string_view::npos ? url : url.substr(scheme + 3);
  std::size_t slash = rest.find('/');
  std::string_view host = rest.substr(0, slash);
  if (host.find_first_of("?#") != std::string_view::npos) return true;
  if (slash == std::string_view::npos) return false;
  std::string_view path = rest.substr(slash);
  if (path.find_first_of("?#") != std::string_view::npos) return true;
  int parts = 0;
  bool content = false;
  for (std::size_t at = 0; at < path.size();) {
    std::size_t next = path.find('/', at + 1);
    std::size_t end = next == std::string_view::npos ? path.size() : next;
    if (end > at + 1) ++parts;
    // One part may still name a page: a listing's or an article's number, or a slug of words
    // ("property-unit-vic-fitzroy-141234567").
    std::string_view part = path.substr(at, end - at);
    std::size_t run = 0;
    for (char c : part) {
      run = c >= '0' && c <= '9' ? run + 1 : 0;
      if (run >= 6) content = true;
    }
    if (std::count(part.begin(), part.end(), '-') >= 3) content = true;
    at = end;
  }
  return parts >= 2 || content;
}

}  // namespace oskel::answer
