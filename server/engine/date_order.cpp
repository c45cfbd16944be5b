#include "engine/date_order.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/text.h"

namespace oskel::answer {
namespace {

// The letters of the format in the languages that write them differently: day (jour,
// Tag, giorno), month, year (année, Jahr, rok, год); and the words ("Day/Month/Year").
bool isDay(const std::string& w) {
  static constexpr std::string_view kWords[] = {"dd", "d", "tt", "t", "jj", "j", "gg", "g", "дд", "д", "day", "tag",
                                                "jour", "dia", "giorno", "dag", "dzien", "день"};
  return isListed(kWords, w);
}
bool isMonth(const std::string& w) {
  static constexpr std::string_view kWords[] = {"mm", "m", "мм", "м", "month", "monat", "mois", "mes", "mese",
                                                "maand", "miesiac", "месяц"};
  return isListed(kWords, w);
}
// `first`: the year opens the format, where a two-letter "jj" is the French day.
bool isYear(const std::string& w, bool first) {
  static constexpr std::string_view kFour[] = {"yyyy", "jjjj", "aaaa", "rrrr", "гггг", "year", "jahr", "annee",
                                               "ano", "anno", "jaar", "rok", "год"};
  static constexpr std::string_view kTwo[] = {"yy", "jj", "aa", "rr", "гг"};
  if (isListed(kFour, w)) return true;
  return !first && isListed(kTwo, w);
}

// The order of a format that starts at word `i`, if one does.
DateOrder orderAt(const std::vector<std::string>& w, std::size_t i) {
  if (i + 2 >= w.size()) return DateOrder::kUnstated;
  if (isDay(w[i]) && isMonth(w[i + 1]) && isYear(w[i + 2], false)) return DateOrder::kDayMonthYear;
  if (isMonth(w[i]) && isDay(w[i + 1]) && isYear(w[i + 2], false)) return DateOrder::kMonthDayYear;
  if (isYear(w[i], true) && isMonth(w[i + 1]) && isDay(w[i + 2])) return DateOrder::kYearMonthDay;
  return DateOrder::kUnstated;
}

// The three groups of digits of a date such as "14.03.1988" or "1985-11-23"; empty
// unless the value is exactly that.
std::vector<std::string_view> digitGroups(std::string_view value) {
  std::vector<std::string_view> groups;
  std::size_t at = 0;
  while (at < value.size()) {
    std::size_t end = at;
    while (end < value.size() && value[end] >= '0' && value[end] <= '9') ++end;
    if (end == at || end - at > 4) return {};
    groups.push_back(value.substr(at, end - at));
    if (end == value.size()) break;
    char separator = value[end];
    if (separator != '.' && separator != '/' && separator != '-' && separator != ' ') return {};
    at = end + 1;
    if (at == value.size()) return {};
  }
  if (groups.size() != 3) return {};
  return groups;
}

int number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

bool dayMonthYear(std::string_view day, std::string_view month, std::string_view year) {
  int d = number(day);
  int m = number(month);
  return day.size() <= 2 && month.size() <= 2 && (year.size() == 4 || year.size() == 2) && d >= 1 && d <= 31 &&
         m >= 1 && m <= 12;
}

}  // namespace

DateOrder dateOrderAskedBy(std::string_view label) {
  std::vector<std::string> w = foldedWords(label);
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (DateOrder order = orderAt(w, i); order != DateOrder::kUnstated) return order;
  }
  return DateOrder::kUnstated;
}

std::string withoutDateFormat(const std::string& folded) {
  // Every format names the month; most labels name none and are returned as they are.
  static constexpr std::string_view kMonths[] = {" mm ",    " m ",    " мм ",   " м ",       " month ", " monat ",
                                                 " mois ",  " mes ",  " mese ", " maand ",   " miesiac ", " месяц "};
  if (std::none_of(std::begin(kMonths), std::end(kMonths),
                   [&](std::string_view m) { return folded.find(m) != std::string::npos; })) {
    return folded;
  }
  std::vector<std::string> w = foldedWords(folded);
  std::string out = " ";
  bool dropped = false;
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (orderAt(w, i) != DateOrder::kUnstated) {
      i += 2;
      dropped = true;
      continue;
    }
    out += w[i] + " ";
  }
  return dropped ? out : folded;
}

bool fitsDateOrder(std::string_view value, DateOrder order) {
  if (order == DateOrder::kUnstated) return true;
  std::vector<std::string_view> g = digitGroups(trimText(value));
  if (g.empty()) return false;
  // "03/04/1988" is the 3rd of April or the 4th of March: saved in another country's order it
  // would name another day, so it fits neither order for sure.
  if (order != DateOrder::kYearMonthDay && g[0].size() <= 2 && g[1].size() <= 2 && number(g[0]) <= 12 &&
      number(g[1]) <= 12 && number(g[0]) != number(g[1])) {
    return false;
  }
  switch (order) {
    case DateOrder::kDayMonthYear: return dayMonthYear(g[0], g[1], g[2]);
    case DateOrder::kMonthDayYear: return dayMonthYear(g[1], g[0], g[2]);
    case DateOrder::kYearMonthDay: return g[0].size() == 4 && dayMonthYear(g[2], g[1], g[0]);
    case DateOrder::kUnstated: break;
  }
  return true;
}

}  // namespace oskel::answer
