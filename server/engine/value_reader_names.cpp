// The name readers of ValueReader: full names, given and family names.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include <unicode/uchar.h>

#include "engine/lexicon.h"
#include "engine/text.h"
#include "engine/value_reader.h"

namespace oskel::answer {
namespace {

bool isTwoCapitals(std::string_view word) {
  return word.size() == 2 && std::isupper(static_cast<unsigned char>(word[0])) &&
         std::isupper(static_cast<unsigned char>(word[1]));
}

bool hasSmallLetter(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](unsigned char c) { return c >= 0x80 || std::islower(c); });
}

// Family names of two letters, Chinese, Korean and Vietnamese, as forms write them in capitals
// (not those that are also a US state's code: "Boston MA"), and generations ("John Smith II").
bool isShortFamilyName(std::string_view capitals) {
  std::string folded;
  for (char c : capitals) folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  static constexpr std::string_view kNames[] = {"li", "wu", "xu", "hu", "he", "yu", "lu", "qi", "ng", "do",
                                                "le", "vo", "ho", "ko", "an", "im", "ha", "yi", "su", "fu",
                                                "gu", "ye", "bo", "ku", "ly", "vu", "ii", "iv", "jr", "sr"};
  return std::find(std::begin(kNames), std::end(kNames), folded) != std::end(kNames);
}

bool namesAPlace(const Lexicon& lex, const std::string& folded) {
  return lex.isCity(folded) || lex.isCountry(folded) || lex.isRegion(folded);
}

bool namesACjkPlace(const ValueReader& values, std::string_view text) {
  return values.cjkPlace(text) != ValueReader::CjkPlace::kNone;
}

// A word all in Han of three or four characters that begins with a family name of one or two
// that a list knows and goes on with more ("闫子航", "欧阳娜娜"): the length of that family name
// in bytes, or 0. Such a word is no part of a name; whether it is a whole one, or a word
// ("任务栏", taskbar, begins with the family name 任), only the rest of the history tells.
std::size_t hanFamilyNameBefore(const Lexicon& lex, std::string_view text, const CharStats& s) {
  if (s.han != s.letters || s.letters != s.total || s.letters < 3 || s.letters > 4) return 0;
  if (text.size() != 3 * static_cast<std::size_t>(s.letters)) return 0;
  for (std::size_t bytes : {std::size_t{6}, std::size_t{3}}) {  // Han: 3 bytes each
    if (text.size() > bytes && lex.isFamilyName(foldedPhrase(text.substr(0, bytes)))) return bytes;
  }
  return 0;
}

// Names written in Han or Hangul: how well the word `text` (folded: `f`) fits the family name
// or the given name. Known family names (田中, 김) and the endings of Japanese given names
// (太郎) decide; otherwise the length: Korean family names are one syllable, given names two;
// Chinese and Japanese family names one to three characters. Negative when the text is not
// of that kind.
double cjkNamePart(const ValueReader& values, std::string_view text, const std::string& f, bool family) {
  CharStats s = charStats(text);
  if (s.letters == 0 || s.han + s.hangul + s.kana != s.letters || s.spaces > 0) return -1.0;
  const Lexicon& lex = Lexicon::instance();
  if (namesAPlace(lex, f) || namesACjkPlace(values, text) || values.organisation(text) >= 0.75) return 0.05;
  if (lex.isFamilyName(f)) return family ? 0.8 : 0.1;
  // The whole name: "榎本俊介", "闫子航" (though "林太郎" is a given name alone).
  std::size_t familyBytes = hanFamilyNameBefore(lex, text, s);
  if (familyBytes == 6) return 0.1;
  if (s.han == s.letters && lex.endsLikeAJapaneseGivenName(f)) return family ? 0.15 : 0.6;
  if (familyBytes > 0) return 0.1;
  if (s.kana > 0) return family ? 0.05 : 0.3;  // surnames are written in kanji
  if (s.hangul == s.letters) {
    if (family) return s.letters == 1 ? 0.6 : s.letters == 2 ? 0.3 : 0.05;
    return s.letters == 2 ? 0.5 : s.letters == 1 ? 0.3 : 0.15;
  }
  return s.letters <= 3 ? (family ? 0.5 : 0.4) : 0.1;
}

}  // namespace

double ValueReader::fullName(std::string_view text) const {
  if (text.size() > 80 || text.find('\n') != std::string_view::npos) return 0.0;
  CharStats s = charStats(text);
  if (s.digits > 0 || s.letters < 2) return 0.0;
  const Lexicon& lex = Lexicon::instance();
  std::vector<std::string_view> ws = splitWords(text);
  std::vector<std::string> fws = foldedWords(text);
  for (const std::string& w : fws) {
    if (lex.isLegalForm(w) || lex.isOrganisationWord(w) || lex.isPlaceOrTradeWord(w) || lex.isStreetWord(w)) {
      return 0.0;
    }
  }
  // A legal form written with dots ("A.Ş.", "S.r.l.") folds to several short words.
  if (organisation(text) >= 0.75) return 0.0;
  if (s.han + s.hangul + s.kana == s.letters) {  // CJK names
    if (namesAPlace(lex, foldedPhrase(text)) || namesACjkPlace(*this, text)) return 0.0;
    // A family name written alone ("田中", "欧阳") is half a name, and so is a given name
    // ("太郎") that does not follow a family name ("田中太郎").
    if (ws.size() == 1) {
      std::string f = foldedPhrase(text);
      if (lex.isFamilyName(f)) return 0.2;
      bool afterAFamilyName = f.size() > 3 && lex.isFamilyName(f.substr(0, 3));  // Han: 3 bytes each
      // Two characters: three or four are mostly a family name of one or two and a given name.
      if (s.han == s.letters && s.letters == 2 && lex.endsLikeAJapaneseGivenName(f) && !afterAFamilyName) return 0.2;
    }
    if (ws.size() == 2 && s.letters >= 2 && s.letters <= 6) return 0.8;
    // Four characters after a family name of two ("榎本俊介"); single characters that are
    // family names begin too many words to tell ("任务栏").
    if (s.letters == 4 && hanFamilyNameBefore(lex, text, s) == 6) return 0.8;
    // Korean full names are mostly one word of three syllables ("김민준"); two syllables
    // are as often the given name alone ("민준"). Nearly all begin with one of a few family
    // names; other words ("영수증", receipt) are offered at most.
    if (ws.size() == 1 && s.hangul == s.letters && s.letters >= 2 && s.letters <= 4 &&
        !lex.isFamilyName(foldedPhrase(text.substr(0, 3))) &&  // a Hangul syllable is 3 bytes
        !(s.letters == 4 && lex.isFamilyName(foldedPhrase(text.substr(0, 6))))) {
      return 0.3;
    }
    if (ws.size() == 1 && s.hangul == s.letters && s.letters == 3) return 0.85;
    // Two syllables after a family name's ("민준": 민 is one) are still mostly a given name: never
    // sure enough to insert as the whole name.
    if (ws.size() == 1 && s.hangul == s.letters && s.letters == 2) return 0.4;
    if (ws.size() == 1 && s.hangul == s.letters && s.letters == 4) return 0.55;
    if (ws.size() == 1 && s.letters >= 2 && s.letters <= 4) return 0.5;
    return 0.0;
  }
  // A name in Han, Hangul or kana with its Latin spelling beside it ("陳怡君 Yi-Chun Chen") is
  // the name twice: the one in either script alone goes ahead.
  if (s.han + s.hangul + s.kana > 0 && s.latin > 0) return 0.35;
  if (ws.size() < 2 || ws.size() > 5) return 0.0;
  int capitalised = 0;
  int nameWords = 0;
  for (std::size_t i = 0; i < ws.size(); ++i) {
    if (!isNameWord(ws[i])) return 0.0;
    if (i < fws.size() && lex.isNameParticle(fws[i]) && i > 0 && i + 1 < ws.size()) continue;
    // Two capitals after words in small letters are an abbreviation ("Seattle WA", "Shevchenko
    // IT"), unless they spell one of the short family names written in capitals ("Mei Ling NG")
    // or a generation ("John Smith II"); in a name all in capitals ("LI NA") they are a name's
    // part. First they are initials ("AJ Smith", "RK Suresh Babu") or a family name ("AU Ka
    // Wai"), except Indonesia's company forms before a name ("PT Wulandari Kreasi").
    if (i > 0 && i + 1 == ws.size() && isTwoCapitals(ws[i]) && !isShortFamilyName(ws[i]) &&
        !isTwoCapitals(ws.front()) && hasSmallLetter(ws.front())) {
      return 0.25;
    }
    if (i == 0 && ws.size() >= 3 && (ws[0] == "PT" || ws[0] == "CV") && hasSmallLetter(ws[1])) return 0.25;
    ++nameWords;
    UChar32 first = firstCodePoint(ws[i]);
    if (!isCased(first) || u_isupper(first)) ++capitalised;
  }
  if (nameWords < 2 || capitalised < nameWords) return 0.25;
  if (ws.size() == 2 && isPatronymic(ws[1])) return 0.45;  // "Анна Сергеевна": no family name
  // A place named after a person ("San Francisco", "São Paulo") is still a place, and so is
  // a name with the word for its kind of region ("Kisumu County").
  if (namesAPlace(lex, foldedPhrase(text)) || namedWithARegionWord(text) || endsWithCity(text)) return 0.2;
  if (!fws.empty() && lex.isGivenName(fws.front())) return 0.95;
  if (!fws.empty() && lex.isGivenName(fws.back())) return 0.85;
  // Family names only, no given one: "García López" is half a name.
  bool familyOnly = std::all_of(fws.begin(), fws.end(), [&](const std::string& w) {
    return lex.isFamilyName(w) || lex.isNameParticle(w);
  });
  return familyOnly ? 0.45 : 0.7;
}

bool ValueReader::isPatronymic(std::string_view word) {
  static constexpr std::string_view kEndings[] = {"вич", "вна", "ична", "ьич", "ovich", "evich", "ovna", "evna"};
  return countGraphemes(word) >= 6 &&
         std::any_of(std::begin(kEndings), std::end(kEndings), [&](std::string_view e) { return word.ends_with(e); });
}

bool ValueReader::writtenFamilyFirst(std::string_view text) const {
  std::vector<std::string_view> ws = splitWords(text);
  if (ws.size() < 2 || ws.size() > 3 || fullName(text) < 0.5) return false;
  // Russian names with the patronymic last: "Ларионов Глеб Аркадьевич".
  if (ws.size() == 3 && isPatronymic(ws[2])) return true;
  std::vector<std::string> fws = foldedWords(text);
  if (fws.size() != ws.size()) return false;
  const Lexicon& lex = Lexicon::instance();
  const std::string& front = fws.front();
  const std::string& back = fws.back();
  bool givenLast = !lex.isGivenName(front) && lex.isGivenName(back) && !lex.isFamilyName(back);
  // Lists and forms write Slavic names family first too, and their family names say so by
  // their endings: "Wiśniewska Katarzyna", "Ivanov Sergey"; English ones may go either way
  // ("Taylor Martin").
  static constexpr std::string_view kSlavicEndings[] = {"ski", "ska", "cki", "cka", "wicz", "owa", "ova", "eva",
                                                        "ov", "ev", "enko"};
  bool slavic = std::any_of(std::begin(kSlavicEndings), std::end(kSlavicEndings),
                            [&](std::string_view e) { return front.size() > e.size() + 2 && front.ends_with(e); });
  if (ws.size() == 2 && slavic && givenLast) return true;
  if (!lex.isFamilyNameWrittenFirst(front)) return false;
  if (ws.size() == 3 && (ws[1] == "Thị" || ws[1] == "Văn")) return true;
  return givenLast;
}

bool ValueReader::isCapitalisedWord(std::string_view text) const {
  if (text.empty() || text.size() > 40 || !isNameWord(text)) return false;
  if (text.find_first_of(" \t\n") != std::string_view::npos) return false;
  UChar32 first = firstCodePoint(text);
  return u_isupper(first) || !isCased(first);
}

double ValueReader::givenName(std::string_view text) const {
  const Lexicon& lex = Lexicon::instance();
  // Two given names written with a space ("Anna Lena", "Marie Sophie"), which a whole name
  // with a family name that is also a given name looks like ("Sarah James"): offered, unless
  // the history places them.
  if (std::vector<std::string_view> ws = splitWords(text); ws.size() == 2) {
    bool both = isCapitalisedWord(ws[0]) && isCapitalisedWord(ws[1]) && lex.isGivenName(foldedPhrase(ws[0])) &&
                lex.isGivenName(foldedPhrase(ws[1]));
    return both ? 0.45 : 0.0;
  }
  if (!isCapitalisedWord(text)) return 0.0;
  std::string f = foldedPhrase(text);
  if (double cjk = cjkNamePart(*this, text, f, false); cjk >= 0.0) return cjk;
  if (lex.isGivenName(f)) return 0.9;
  std::size_t hyphen = f.find(' ');  // "anna lena" from "Anna-Lena"
  if (hyphen != std::string::npos && lex.isGivenName(f.substr(0, hyphen))) return 0.85;
  if (namesAPlace(lex, f) || lex.isLegalForm(f) || lex.endsLikeATown(f)) return 0.05;
  return lex.isFamilyName(f) || lex.endsLikeAFamilyName(text, f) ? 0.25 : 0.4;
}

double ValueReader::familyName(std::string_view text) const {
  const Lexicon& lex = Lexicon::instance();
  std::vector<std::string> fws = foldedWords(text);
  std::vector<std::string_view> ws = splitWords(text);
  if (ws.size() >= 2 && ws.size() <= 3) {  // "de Vries", "van der Berg", "García López"
    // Particles are written without accents: "da Silva", but "Đà Nẵng" is a town.
    std::string_view front = ws.front();
    bool particle = lex.isNameParticle(fws.front()) &&
                    std::all_of(front.begin(), front.end(), [](unsigned char c) { return c < 0x80; });
    bool allNames = std::all_of(ws.begin(), ws.end(), [](std::string_view w) { return isNameWord(w); });
    if (allNames && particle) return 0.8;
    if (!allNames || lex.isGivenName(fws.front())) return 0.0;
    // "García López": two family names, as Spanish and Portuguese speakers carry them.
    bool known = std::all_of(fws.begin(), fws.end(), [&](const std::string& w) {
      return lex.isFamilyName(w) || lex.isNameParticle(w);
    });
    if (known && ws.size() == fws.size()) return 0.8;
    return fullName(text) > 0.5 ? 0.45 : 0.0;
  }
  if (!isCapitalisedWord(text)) return 0.0;
  std::string f = foldedPhrase(text);
  if (double cjk = cjkNamePart(*this, text, f, true); cjk >= 0.0) return cjk;
  if (lex.isGivenName(f)) return 0.2;
  if (namesAPlace(lex, f) || lex.isLegalForm(f)) return 0.05;
  if (lex.isFamilyName(f)) return 0.75;
  return lex.endsLikeAFamilyName(text, f) ? 0.7 : kUnlistedFamilyName;
}

}  // namespace oskel::answer
