#include "engine/mail_domains.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

#include "engine/label_asides.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// Providers named by their brand alone ("no Gmail"); shorter or commoner words
// ("live", "free", "web") count only written as a domain ("web.de").
constexpr std::string_view kProviderWords[] = {
    "gmail",  "googlemail", "yahoo", "ymail",   "hotmail",  "outlook", "aol",     "icloud",    "gmx",
    "yandex", "protonmail", "proton", "tutanota", "naver",   "hanmail", "libero",  "virgilio",  "seznam",
    "wanadoo", "laposte",   "rambler", "interia", "rocketmail"};

// The free providers that "(no free email)", "(no personal addresses)" rule out.
constexpr std::string_view kFreeProviders[] = {
    "gmail",      "googlemail",  "yahoo",     "ymail",     "rocketmail", "hotmail",   "outlook",   "live.com",
    "msn.com",    "aol",         "icloud",    "me.com",    "mac.com",    "gmx",       "web.de",    "t-online.de",
    "freenet.de", "yandex",      "mail.ru",   "rambler",   "qq.com",     "163.com",   "126.com",   "naver",
    "daum.net",   "hanmail",     "libero",    "virgilio",  "orange.fr",  "wanadoo",   "free.fr",   "laposte",
    "sfr.fr",     "seznam",      "wp.pl",     "o2.pl",     "interia",    "onet.pl",   "protonmail", "proton.me",
    "tutanota",   "zoho.com",    "uol.com.br", "bol.com.br", "terra.com.br", "mail.com"};

// Words that make a negated aside about free addresses, when a word for mail stands within
// two words of them: "no free email providers", "keine Freemail-Adressen", "pas d'adresse
// gratuite". "Freemail" and "webmail" need no such neighbour. ("No personal emails" may
// mean no Gmail, or no one person's address on a form for a team's: it is not read.)
constexpr std::string_view kFreeWords[] = {"free",      "gratuit",    "gratuite",   "gratuits", "gratuites",
                                           "kostenlose", "kostenlosen", "gratis",    "gratuito", "gratuita",
                                           "gratuitos", "gratuitas"};
constexpr std::string_view kMailWords[] = {
    "email",    "emails",   "mail",      "mails",    "address",  "addresses", "adresse", "adresses",
    "adressen", "provider", "providers", "account",  "accounts", "domain",   "domains",   "correo",  "correos",
    "anbieter", "fournisseur", "fournisseurs", "indirizzo", "indirizzi", "adres"};
constexpr std::string_view kFreemail[] = {"freemail", "webmail", "freemailer"};

// "(ohne @firma.de)": without the domain, which the form adds.
constexpr std::string_view kWithout[] = {"without", "ohne", "sans", "sin", "senza", "sem", "zonder", "bez", "без"};

// A clause that says when the field is needed, or what happens to the address, rules
// nothing out: "(not required for Gmail users)", "(not shared with Gmail or other providers)".
// "(no Gmail accepted)" still refuses; "(no Yahoo, Gmail works fine)" is two clauses.
constexpr std::string_view kNotARefusal[] = {
    "required", "needed",  "necessary", "mandatory", "erforderlich", "obligatoire", "obligatorio",
    "obbligatorio", "verplicht", "shared", "share", "sharing", "sold", "passed", "disclosed", "published",
    "shown",    "visible", "displayed", "weitergegeben", "geteilt", "partagee", "partage",
    "compartido", "compartida", "condiviso", "condivisa", "gedeeld", "udostepniany", "publie", "publiee"};

// Words that begin an example: what follows shows a value, it does not rule one out.
constexpr std::string_view kExample[] = {"e.g",   "eg.",    "z.b",   "z. b",      "ex.",    "ex:",
                                         "ej.",   "ej:",    "bv.",   "bijv",      "es.",    "np.",
                                         "for example", "par exemple", "por ejemplo", "zum beispiel",
                                         "per esempio", "bijvoorbeeld", "por exemplo", "например", "例"};

// The clause up to its first example, with any whole example address ("jane@gmail.com")
// taken out: an example shows how to write the value.
std::string withoutExamples(std::string_view clause) {
  std::string lowered(clause);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return std::tolower(c); });
  std::size_t cut = std::string::npos;
  for (std::string_view marker : kExample) {
    std::size_t at = lowered.find(marker);
    if (at != std::string::npos && (at == 0 || !std::isalpha(static_cast<unsigned char>(lowered[at - 1])))) {
      cut = std::min(cut, at);
    }
  }
  std::string out(clause.substr(0, cut));
  for (std::size_t sign = out.find('@'); sign != std::string::npos; sign = out.find('@', sign + 1)) {
    std::size_t begin = sign;
    while (begin > 0 && out[begin - 1] != ' ' && out[begin - 1] != '(' && out[begin - 1] != ':') --begin;
    // "@firma.de", "„@firma.de": a domain, not an address.
    if (std::none_of(out.begin() + begin, out.begin() + sign,
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; })) {
      continue;
    }
    std::size_t end = out.find_first_of(" ),;", sign);
    if (end == std::string::npos) end = out.size();
    out.replace(begin, end - begin, " ");
    sign = begin;
  }
  return out;
}

bool isDomainChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '@';
}

// A host written in an aside ("firma.de", "@gmail.com"), lower-cased; empty when the token
// is none ("e.g.", "http://"). `at` tells whether an "@" came before it.
std::string domainIn(std::string_view token, bool* at) {
  std::size_t sign = token.rfind('@');
  *at = sign != std::string_view::npos;
  if (*at) token.remove_prefix(sign + 1);
  while (!token.empty() && (token.back() == '.' || token.back() == '-')) token.remove_suffix(1);
  if (token.empty() || token.front() == '.' || token.find("..") != std::string_view::npos) return {};
  std::size_t lastDot = token.rfind('.');
  if (lastDot == std::string_view::npos) return {};
  std::string_view top = token.substr(lastDot + 1);
  if (top.size() < 2 || !std::all_of(top.begin(), top.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      })) {
    return {};
  }
  std::string host(token);
  std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return std::tolower(c); });
  return host;
}

bool speaksOfFreeMail(const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (isListed(kFreemail, words[i])) return true;
    if (!isListed(kFreeWords, words[i])) continue;
    for (std::size_t j = i >= 2 ? i - 2 : 0; j <= i + 2 && j < words.size(); ++j) {
      if (j != i && isListed(kMailWords, words[j])) return true;
    }
  }
  return false;
}

void add(std::vector<std::string>* domains, std::string_view domain) {
  if (std::find(domains->begin(), domains->end(), domain) == domains->end()) domains->emplace_back(domain);
}

// Whether the domain is the first thing after the negation, past articles, quotes and a
// word for "domain": "ohne @firma.de", "without the @acme.com", "sans « @acme.fr »".
bool domainComesFirst(std::string_view clause) {
  static constexpr std::string_view kBefore[] = {"the",  "your", "das", "die", "der", "den", "le",     "la",
                                                 "o",    "a",    "el",  "lo",  "il",  "de",  "domain", "domaine",
                                                 "dominio", "domain-teil", "teil", "part", "suffix"};
  std::vector<std::string_view> raw = splitWords(clause);
  for (std::size_t i = 1; i < raw.size() && i < 4; ++i) {
    std::string_view w = raw[i];
    // Quotes around the domain: ' " „ “ ” « » ‘ ’.
    for (std::string_view mark : {"'", "\"", "\u201E", "\u201C", "\u201D", "\u00AB", "\u00BB", "\u2018", "\u2019"}) {
      while (w.starts_with(mark)) w.remove_prefix(mark.size());
    }
    if (w.starts_with("@")) return true;
    if (!w.empty() && !isListed(kBefore, foldedPhrase(w))) return false;
  }
  return false;
}

// Adds what the words of `text` rule out; with `without`, a domain after an "@" means the
// form adds it.
void collect(std::string_view text, bool without, RuledOutMail* rule) {
  for (std::size_t at = 0; at < text.size();) {
    if (!isDomainChar(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && isDomainChar(text[end])) ++end;
    bool sign = false;
    std::string host = domainIn(text.substr(at, end - at), &sign);
    if (!host.empty()) {
      if (sign && without) rule->wholeAddresses = true;
      else add(&rule->domains, host);
    }
    at = end;
  }
  std::vector<std::string> words = foldedWords(text);
  for (const std::string& w : words) {
    if (isListed(kProviderWords, w)) add(&rule->domains, w);
    if (w == "gmail") add(&rule->domains, "googlemail");  // the same mailboxes under another name
  }
  if (speaksOfFreeMail(words)) {
    for (std::string_view provider : kFreeProviders) add(&rule->domains, provider);
  }
}

}  // namespace

RuledOutMail mailRuledOutBy(std::string_view clause) {
  RuledOutMail rule;
  if (negatedWords(clause).empty() || saysInWhatForm(clause)) return rule;
  std::vector<std::string> words = foldedWords(clause);
  if (anyListed(kNotARefusal, words)) return rule;
  std::string refused = withoutExamples(clause);
  collect(refused, isListed(kWithout, words.front()) && domainComesFirst(refused), &rule);
  return rule;
}

bool namesProvidersOnly(std::string_view clause) {
  // Words that join a list of providers: "(no Gmail, Yahoo or Hotmail)".
  static constexpr std::string_view kJoining[] = {"or", "and", "etc", "oder", "und", "ou", "et", "o", "y", "e",
                                                  "of", "en", "lub", "i", "или", "и", "nor", "ni", "noch"};
  std::vector<std::string> words = foldedWords(clause);
  RuledOutMail named;
  collect(clause, false, &named);
  return !named.empty() && std::all_of(words.begin(), words.end(), [&](const std::string& w) {
    return isListed(kJoining, w) || isListed(kProviderWords, w) ||
           std::any_of(named.domains.begin(), named.domains.end(),
                       [&](const std::string& d) { return d.find(w) != std::string::npos; });
  });
}

RuledOutMail mailRuledOut(std::string_view label) {
  RuledOutMail rule;
  std::string spaced(label);  // "ohne\u00A0@firma.de": a no-break space is a space
  for (std::size_t at = spaced.find("\u00A0"); at != std::string::npos; at = spaced.find("\u00A0", at)) {
    spaced.replace(at, 2, " ");
  }
  for (const LabelAside& aside : labelAsides(spaced)) {
    bool listing = false;  // the clause before ruled out providers
    for (std::string_view clause : asideClauses(aside.inner)) {
      RuledOutMail more = mailRuledOutBy(clause);
      if (more.empty() && listing && namesProvidersOnly(clause)) collect(clause, false, &more);
      listing = !more.domains.empty();
      rule.wholeAddresses = rule.wholeAddresses || more.wholeAddresses;
      for (const std::string& d : more.domains) add(&rule.domains, d);
    }
  }
  return rule;
}

bool rulesOut(const RuledOutMail& rule, std::string_view address) {
  if (rule.empty()) return false;
  std::size_t sign = address.rfind('@');
  if (sign == std::string_view::npos) return false;
  if (rule.wholeAddresses) return true;
  std::string host(address.substr(sign + 1));
  std::transform(host.begin(), host.end(), host.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const std::string& d : rule.domains) {
    if (d.find('.') != std::string::npos) {
      if (host == d || (host.size() > d.size() && host.ends_with(d) && host[host.size() - d.size() - 1] == '.')) {
        return true;
      }
      continue;
    }
    // A brand: any label of the host ("yahoo" in mail.yahoo.co.uk).
    for (std::size_t begin = 0; begin <= host.size();) {
      std::size_t dot = host.find('.', begin);
      if (host.compare(begin, dot == std::string::npos ? std::string::npos : dot - begin, d) == 0) return true;
      if (dot == std::string::npos) break;
      begin = dot + 1;
    }
  }
  return false;
}

bool isPrivateMailbox(std::string_view address) {
  static const RuledOutMail kPrivate = [] {
    RuledOutMail rule;
    for (std::string_view provider : kFreeProviders) rule.domains.emplace_back(provider);
    // Home internet providers' mailboxes.
    for (std::string_view isp : {"bluewin.ch", "sunrise.ch", "telia.com", "ziggo.nl", "kpnmail.nl", "online.no",
                                 "videotron.ca", "shaw.ca", "rogers.com", "sympatico.ca", "comcast.net", "verizon.net",
                                 "att.net", "btinternet.com", "sky.com", "virginmedia.com", "telenet.be", "skynet.be",
                                 "a1.net", "chello.at", "aon.at", "vodafone.de", "arcor.de", "tiscali.it", "alice.it",
                                 "telefonica.net", "sapo.pt", "bigpond.com", "optusnet.com.au", "xtra.co.nz",
                                 "eircom.net", "abv.bg", "inbox.lv", "centrum.cz", "atlas.cz", "post.cz",
                                 "citromail.hu", "freemail.hu", "ukr.net", "bk.ru", "list.ru", "inbox.ru", "ya.ru"}) {
      rule.domains.emplace_back(isp);
    }
    return rule;
  }();
  return rulesOut(kPrivate, address);
}

}  // namespace oskel::answer
