#include "engine/label_hints.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/label_asides.h"
#include "engine/label_wording.h"
#include "engine/lexicon.h"
#include "engine/phone_reader.h"
#include "engine/text.h"
#include "engine/web_links.h"

namespace oskel::answer {

namespace {

// The script a label asks a name or an address to be written in; kAny where it names none, or
// two ("성명 (한글/영문)").
LabelHints::Script scriptAskedBy(std::string_view label) {
  using Script = LabelHints::Script;
  static const std::vector<std::pair<Script, std::vector<std::string>>> kWords = {
      {Script::kLatin,
       paddedPhrases({"latin", "latin characters", "latin letters", "in english", "english", "romanized", "romanised",
                      "romaji", "pinyin", "латиницей", "латинскими", "на латинице", "латиниці", "латинськими",
                      "λατινικους", "λατινικοι", "λατινικα", "lettres latines", "caracteres latinos",
                      "lateinischen buchstaben", "alfabeto latino"})},
      {Script::kLatin, foldedPhrases({"英文", "英字", "ローマ字", "アルファベット", "영문", "拼音", "羅馬拼音", "罗马拼音"})},
      {Script::kHan, foldedPhrases({"中文", "漢字", "汉字"})},
      {Script::kHangul, foldedPhrases({"한글"})},
      {Script::kCyrillic, paddedPhrases({"кириллицей", "на кириллице", "кирилицею"})},
  };
  std::string folded = foldText(label);
  Script asked = Script::kAny;
  for (const auto& [script, words] : kWords) {
    if (!containsAny(folded, words)) continue;
    if (asked != Script::kAny && asked != script) return Script::kAny;
    asked = script;
  }
  return asked;
}

bool isWrittenInAScript(FieldKind kind) {
  switch (kind) {
    case FieldKind::kFullName:
    case FieldKind::kGivenName:
    case FieldKind::kFamilyName:
    case FieldKind::kMiddleName:
    case FieldKind::kOrganisation:
    case FieldKind::kStreetAddress:
    case FieldKind::kAddressLine2:
    case FieldKind::kCity:
    case FieldKind::kRegion: return true;
    default: return false;
  }
}

}  // namespace

LabelHints readLabelHints(FieldKind kind, std::string_view label) {
  LabelHints hints;
  hints.ownSite = kind == FieldKind::kUrl && !asksForALink(label);
  if (kind == FieldKind::kUrl) {
    static constexpr std::string_view kSites[] = {"linkedin", "xing", "github", "gitlab", "behance", "dribbble",
                                                  "instagram", "facebook", "youtube", "tiktok", "vimeo", "flickr"};
    for (const std::string& w : foldedWords(label)) {
      if (isListed(kSites, w)) hints.site = w;
    }
    hints.ownSite = hints.ownSite && hints.site.empty();  // a profile's page on the site named
  }
  if (kind == FieldKind::kBirthDate) hints.dateOrder = dateOrderAskedBy(label);
  if (kind == FieldKind::kPhone) {
    hints.phoneFormat = phoneFormatAskedBy(label);
    hints.line = lineAskedBy(label);
  }
  std::string_view last = label;
  static constexpr std::string_view kJoin = " \u00B7 ";
  if (std::size_t at = last.rfind(kJoin); at != std::string_view::npos) last.remove_prefix(at + kJoin.size());
  hints.ownLabel = withoutRequirement(foldText(last));
  if (isWrittenInAScript(kind)) hints.script = scriptAskedBy(label);
  hints.provinceAsked = kind == FieldKind::kRegion && asksForAProvince(label);
  hints.patronymicAsked = kind == FieldKind::kFullName && asksForThePatronymic(label);
  hints.tradeNameAsked = kind == FieldKind::kOrganisation && asksForATradeName(label);
  hints.oneFamilyNameAsked = kind == FieldKind::kFamilyName && asksForOneOfTwoFamilyNames(label);
  if (kind == FieldKind::kEmail || kind == FieldKind::kUsernameOrEmail) {
    bool work = asksForWorkDetails(label);
    bool personal = asksForPrivateDetails(label);
    if (work != personal) hints.mailbox = work ? LabelHints::Mailbox::kWork : LabelHints::Mailbox::kPrivate;
    hints.mail = mailRuledOut(label);
  }
  return hints;
}

double weighByLabel(const LabelHints& hints, FieldKind kind, std::string_view text, double fit, double floor,
                    const ValueReader& values, bool* offerOnly) {
  if (hints.ownSite && fit > 0.0 && isDeepLink(text)) fit *= 0.45;
  if (fit < floor) return fit;
  const Lexicon& lex = Lexicon::instance();
  if (hints.provinceAsked && lex.isRegionAboveProvinces(foldedPhrase(text))) {
    *offerOnly = true;  // the region, one level above the province
    return floor + 0.05;
  }
  if (hints.oneFamilyNameAsked && splitWords(text).size() >= 2) {
    *offerOnly = true;  // "García López" for the first family name alone
    return floor + 0.05;
  }
  if (hints.patronymicAsked) {
    std::vector<std::string_view> words = splitWords(text);
    bool withPatronymic = words.size() == 3 && std::any_of(words.begin(), words.end(), ValueReader::isPatronymic);
    fit = withPatronymic ? std::max(fit, 0.97) : fit * 0.9;
  }
  if (hints.tradeNameAsked) {
    std::vector<std::string> words = foldedWords(text);
    auto legalForm = [&](const std::string& w) { return lex.isLegalForm(w); };
    if (std::any_of(words.begin(), words.end(), legalForm)) fit *= 0.7;  // the registered name, legal form and all
  }
  if (hints.mailbox != LabelHints::Mailbox::kAny && values.email(text) >= 1.0 &&
      isPrivateMailbox(text) != (hints.mailbox == LabelHints::Mailbox::kPrivate)) {
    fit *= 0.85;  // a work address for a private one, or the other way round
  }
  // A link to the site the label names, ahead of links to others.
  if (!hints.site.empty()) {
    std::string_view host = text;
    if (std::size_t scheme = host.find("://"); scheme != std::string_view::npos) host.remove_prefix(scheme + 3);
    host = host.substr(0, host.find_first_of("/?#"));
    if (foldText(host).find(hints.site) == std::string::npos) fit *= 0.85;
  }
  // Of the forms of a number saved, the one written as the label asks goes ahead.
  if (kind == FieldKind::kPhone && hints.phoneFormat.stated()) {
    fit = fitsPhoneFormat(text, hints.phoneFormat) ? 1.0 : fit * 0.9;
  }
  // "14.03.1988" typed into a "MM/DD/YYYY" field would name another day.
  if (kind == FieldKind::kBirthDate && !fitsDateOrder(text, hints.dateOrder)) {
    *offerOnly = true;
    return floor + 0.05;
  }
  return fit;
}

bool isOtherLine(const LabelHints& hints, FieldKind kind, std::string_view text) {
  if (kind != FieldKind::kPhone || hints.line.line == LineAsked::Line::kAny) return false;
  PhoneLine line = phoneLine(text, hints.line.regions);
  return line != PhoneLine::kUnknown && (line == PhoneLine::kMobile) != (hints.line.line == LineAsked::Line::kMobile);
}

bool isInAnotherScript(const LabelHints& hints, std::string_view text) {
  if (hints.script == LabelHints::Script::kAny) return false;
  CharStats chars = charStats(text);
  switch (hints.script) {
    case LabelHints::Script::kAny: return false;
    case LabelHints::Script::kLatin: return chars.letters > chars.latin;
    case LabelHints::Script::kHan: return chars.han == 0;
    case LabelHints::Script::kHangul: return chars.hangul == 0;
    case LabelHints::Script::kCyrillic: return chars.cyrillic == 0;
  }
  return false;
}

}  // namespace oskel::answer
