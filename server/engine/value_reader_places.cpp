// The place readers of ValueReader: streets, towns, regions and countries.
#include <algorithm>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "engine/lexicon.h"
#include "engine/text.h"
#include "engine/value_reader.h"

namespace oskel::answer {

double ValueReader::street(std::string_view text) const {
  if (text.size() > 200) return 0.0;
  CharStats s = charStats(text);
  const Lexicon& lex = Lexicon::instance();
  std::vector<std::string> fws = foldedWords(text);
  if (fws.empty() || fws.size() > 10 || text.find('@') != std::string_view::npos) return 0.0;
  // A web address is no street, whatever words its path holds ("…/drive/folders/…").
  if (text.find("://") != std::string_view::npos || text.starts_with("www.")) return 0.0;
  // A line with a label of a few words: only what stands after the colon may be the street
  // ("Adresse: 12 rue de Rivoli"), not a note's words ("Mise en place sábado: 40 pax").
  if (std::size_t colon = text.find(": "); colon != std::string_view::npos && colon > 0 &&
                                          splitWords(text.substr(0, colon)).size() <= 4) {
    return street(text.substr(colon + 2)) * 0.8;
  }
  bool streetWord = false;
  auto number = [&](std::size_t k) { return k < fws.size() && charStats(fws[k]).digits > 0; };
  for (std::size_t k = 0; k < fws.size(); ++k) {
    const std::string& w = fws[k];
    if (lex.isStreetWord(w) || lex.endsWithStreetWord(w)) streetWord = true;
    if (lex.isStreetWordBesideANumber(w) &&
        ((k > 0 && number(k - 1)) || number(k + 1) || (k == 0 && number(fws.size() - 1)))) {
      streetWord = true;
    }
  }
  if (!streetWord && s.han + s.kana + s.hangul > 0 && s.digits > 0) {
    for (const char* mark : {"丁目", "番地", "号", "路", "街", "로", "길", "번지"}) {
      if (text.find(mark) != std::string_view::npos) streetWord = true;
    }
  }
  if (!streetWord) return 0.0;
  double score = s.digits > 0 ? 0.92 : 0.45;
  if (s.lineBreaks > 0) score *= 0.5;
  if (s.digits > 8) score *= 0.5;
  // The whole address on one line, a shop's or a hotel's as often as not: "Casa Lucio, Calle Cava
  // Baja 35, 28005 Madrid", "Rheinsoft GmbH | Hohenzollernring 54 | 50672 Köln". A street field
  // wants the street line alone.
  constexpr std::string_view kBreaks = ",|";
  for (std::size_t comma = text.find_first_of(kBreaks); comma != std::string_view::npos;
       comma = text.find_first_of(kBreaks, comma + 1)) {
    std::vector<std::string_view> words =
        splitWords(text.substr(comma + 1, text.find_first_of(kBreaks, comma + 1) - comma - 1));
    bool code = std::any_of(words.begin(), words.end(), [&](std::string_view w) {
      return charStats(w).digits >= 4 && postalCode(w) >= 0.8;
    });
    bool town = std::any_of(words.begin(), words.end(), [](std::string_view w) {
      CharStats ws = charStats(w);
      return ws.digits == 0 && ws.letters >= 2;
    });
    if (code && town) return score * 0.6;
  }
  // A place's name or a note before the street: "Hotel Stary, ul. Szczepańska 5".
  if (std::size_t comma = text.find_first_of(kBreaks); comma != std::string_view::npos) {
    std::string_view head = text.substr(0, comma);
    std::vector<std::string> headWords = foldedWords(head);
    bool streetHead = charStats(head).digits > 0 || std::any_of(headWords.begin(), headWords.end(), [&](const std::string& w) {
                        return lex.isStreetWord(w) || lex.endsWithStreetWord(w) || lex.isStreetWordBesideANumber(w);
                      });
    if (!streetHead) score *= 0.8;
  }
  return score;
}

double ValueReader::city(std::string_view text) const {
  if (text.size() > 60 || text.find('\n') != std::string_view::npos) return 0.0;
  CharStats s = charStats(text);
  if (s.digits > 0 || s.letters < 2) return 0.0;
  const Lexicon& lex = Lexicon::instance();
  std::string f = foldedPhrase(text);
  if (lex.isCity(f)) return 0.92;
  if (lex.isCountry(f) || lex.isRegion(f) || lex.isGivenName(f) || lex.isFamilyName(f)) return 0.1;
  if (CjkPlace place = cjkPlace(text); place != CjkPlace::kNone) return place == CjkPlace::kTown ? 0.85 : 0.1;
  // Two capitals ("MG", "CR") are a state's or a province's code, not a town ("PAU" may be one).
  if (text.size() == 2 && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
    return 0.1;
  }
  if (namedWithARegionWord(text)) return 0.1;  // "Košický kraj", "Järva maakond"
  std::vector<std::string_view> ws = splitWords(text);
  if (ws.size() > 3) return 0.0;
  for (std::string_view w : ws) {
    if (!isNameWord(w)) return 0.0;
  }
  UChar32 first = firstCodePoint(text);
  if (!u_isupper(first) && isCased(first)) return 0.0;
  // "株式会社タナカ", "Lindqvist Bygg AB": a name with a company's legal form is no town
  // ("College Station", with a word that companies use too, may well be one).
  if (organisation(text) >= 0.9) return 0.0;
  // Nor, likely, a Japanese given name ("太郎", "健介"): endings that no town's name has.
  static constexpr std::string_view kGivenEndings[] = {"郎", "朗", "介", "助", "輔", "彦", "雄", "吾", "翔", "哉", "菜", "恵"};
  bool given = s.han == s.letters && std::any_of(std::begin(kGivenEndings), std::end(kGivenEndings),
                                                 [&](std::string_view e) { return text.size() > e.size() && text.ends_with(e); });
  return ws.size() == 1 && (given || lex.endsLikeAFamilyName(text, f)) ? 0.2 : 0.4;
}

double ValueReader::region(std::string_view text) const {
  if (text.size() > 60 || text.find('\n') != std::string_view::npos) return 0.0;
  const Lexicon& lex = Lexicon::instance();
  std::string f = foldedPhrase(text);
  if (f.empty()) return 0.0;
  if (!lex.isRegion(f) && cjkPlace(text) == CjkPlace::kRegion) return 0.9;
  if (!lex.isRegion(f)) {
    // A name with the word for its kind of region: "Västmanlands län", "Olomoucký kraj",
    // "Cook County", "Московская область", "Provincia di Cuneo", "Yorkshire".
    std::vector<std::string> fws = foldedWords(text);
    std::vector<std::string_view> ws = splitWords(text);
    // Ireland's counties: "Co. Clare", "Co Donegal".
    if (ws.size() == 2 && (ws[0] == "Co." || ws[0] == "Co") && isNameWord(ws[1])) return 0.75;
    if (fws.empty() || fws.size() > 4 || ws.size() != fws.size() ||
        !std::all_of(ws.begin(), ws.end(), [](std::string_view w) { return isNameWord(w); })) {
      return 0.0;
    }
    bool named = namedWithARegionWord(text);
    // Capitalised, or in a script without capitals; the word for the region may come first in
    // small letters before a capitalised name ("maakond Järva"), not in a phrase ("state of
    // the art", "county fair").
    UChar32 first = firstCodePoint(text);
    UChar32 name = firstCodePoint(ws.back());
    bool smallWordFirst = named && lex.isRegionWord(fws.front()) && (u_isupper(name) || !isCased(name));
    if (isCased(first) && !u_isupper(first) && !smallWordFirst) return 0.0;
    bool shire = fws.size() == 1 && f.size() > 8 && f.ends_with("shire");
    return named || shire ? 0.75 : 0.0;
  }
  if (f.size() <= 3) {  // a code such as "CA" or "NSW" must be written in capitals
    bool upper = std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    return upper ? 0.6 : 0.0;
  }
  return 0.9;
}

ValueReader::CjkPlace ValueReader::cjkPlace(std::string_view text) const {
  CharStats s = charStats(text);
  if (s.letters == 0 || s.spaces > 0 || s.digits > 0 || s.han + s.hangul != s.letters) return CjkPlace::kNone;
  int length = static_cast<int>(countGraphemes(text));
  if (length < 2 || length > 8) return CjkPlace::kNone;
  auto endsWith = [&](std::string_view ending, int minLength) {
    return length >= minLength && text.ends_with(ending);
  };
  auto endsWithAny = [&](std::initializer_list<std::string_view> endings) {
    return std::any_of(endings.begin(), endings.end(), [&](std::string_view e) { return text.ends_with(e); });
  };
  if (s.han == s.letters) {
    // Japan's prefectures ("長野県", not the word "都道府県"), China's provinces and autonomous
    // regions ("江苏省"), Taiwan's counties ("新竹縣"); not the words that end so ("节省", to save;
    // "反省", to reflect).
    if ((endsWith("県", 2) && !text.ends_with("道府県")) || endsWith("自治区", 4) || endsWith("縣", 3) ||
        (endsWith("省", 3) && length <= 4 && !endsWithAny({"节省", "節省", "反省", "自省", "本省", "全省", "外省"}))) {
      return CjkPlace::kRegion;
    }
    // Towns of three characters or more ("扬州市"; two are words: "超市", supermarket, or family
    // names: "高市"), not those that end in such a word ("去超市").
    if (endsWith("市", 3) && length <= 5 &&
        !endsWithAny({"超市", "股市", "夜市", "上市", "门市", "門市", "城市", "都市", "朝市", "全市", "该市", "該市"})) {
      return CjkPlace::kTown;
    }
    return CjkPlace::kNone;
  }
  if (s.hangul == s.letters) {
    // Korea's provinces and metropolitan cities ("전북특별자치도", "부산광역시"), and towns ("전주시":
    // two syllables are words, "다시", "혹시"); not the hours ("다섯시"), a verb's endings
    // ("어서오시") or names from other languages ("트레이시").
    for (std::string_view ending : {"특별자치도", "특별자치시", "광역시", "특별시"}) {
      if (text.ends_with(ending) && text.size() > ending.size()) return CjkPlace::kRegion;
    }
    if (endsWith("시", 3) && length <= 4 &&
        !endsWithAny({"이시", "오시", "하시", "한시", "두시", "세시", "네시", "섯시", "곱시", "덟시", "홉시", "열시"})) {
      return CjkPlace::kTown;
    }
  }
  return CjkPlace::kNone;
}

bool ValueReader::endsWithCity(std::string_view text) const {
  std::vector<std::string_view> ws = splitWords(text);
  return ws.size() >= 2 && ws.size() <= 4 && ws.back() == "City" && std::all_of(ws.begin(), ws.end(), isNameWord);
}

bool ValueReader::namedWithARegionWord(std::string_view text) const {
  std::vector<std::string> fws = foldedWords(text);
  std::vector<std::string_view> ws = splitWords(text);
  if (fws.size() < 2 || fws.size() > 4 || ws.size() != fws.size()) return false;
  const Lexicon& lex = Lexicon::instance();
  if (ws.size() == 2 && (ws[0] == "Co." || ws[0] == "Co")) return true;  // "Co. Clare"
  auto regionWord = [&](std::size_t k) {
    // Swedish "län" folds to "lan", which is a given name elsewhere ("Nguyễn Thị Lan").
    if (fws[k] == "lan") return ws[k].find("\xC3\xA4") != std::string_view::npos;
    return lex.isRegionWord(fws[k]);
  };
  // "Shire" and "Canton" end people's names too ("Warsan Shire", "Mark Canton"); as a region's
  // word they come first ("Shire of Yarra", "Canton de Genève").
  const std::string& last = fws.back();
  bool lastIsSurnameToo = last == "shire" || last == "canton";
  return regionWord(0) || (!lastIsSurnameToo && regionWord(fws.size() - 1));
}

double ValueReader::country(std::string_view text) const {
  if (text.size() > 60 || text.find('\n') != std::string_view::npos) return 0.0;
  std::string f = foldedPhrase(text);
  if (f.empty() || !Lexicon::instance().isCountry(f)) return 0.0;
  return f.size() <= 3 ? 0.5 : 0.95;
}

}  // namespace oskel::answer
