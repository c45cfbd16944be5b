#include "engine/phone_format.h"

#include <algorithm>
#include <vector>

#include "engine/text.h"

namespace oskel::answer {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Characters a written phone number is made of besides its digits.
bool isPhonePunctuation(char c) { return c == ' ' || c == '(' || c == ')' || c == '-' || c == '.' || c == '+' || c == '/'; }

std::string shapeOf(std::string_view text) {
  std::string shape(text);
  for (char& c : shape) {
    if (isDigit(c)) c = '9';
  }
  return shape;
}

int countDigits(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), isDigit));
}

}  // namespace

PhoneFormat phoneFormatAskedBy(std::string_view label) {
  PhoneFormat format;
  // The longest run of digits and phone punctuation with seven digits or more: the example.
  for (std::size_t at = 0; at < label.size();) {
    if (!isDigit(label[at]) && label[at] != '(' && label[at] != '+') {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < label.size() && (isDigit(label[end]) || isPhonePunctuation(label[end]))) ++end;
    std::string_view run = trimText(label.substr(at, end - at));
    // A bracket that closes an aside around the example is no part of it: "(z. B. 030 1234567)".
    while (!run.empty() && (run.back() == ')' || run.back() == '-' || run.back() == '.') &&
           std::count(run.begin(), run.end(), '(') < std::count(run.begin(), run.end(), ')')) {
      run.remove_suffix(1);
    }
    if (run.starts_with("(") && run.find(')') == std::string_view::npos) run.remove_prefix(1);
    run = trimText(run);
    if (countDigits(run) >= 7 && run.size() > format.shape.size()) format.shape = shapeOf(run);
    at = std::max(end, at + 1);
  }
  if (!format.shape.empty()) return format;
  // "(10 dígitos)", "11 Ziffern", "10 digits".
  static const std::vector<std::string> kDigitWords = foldedPhrases(
      {"digits", "digit", "dígitos", "digitos", "chiffres", "ziffern", "cifre", "cijfers", "cyfr", "cyfry", "цифр",
       "цифры", "dígits", "haneli"});
  std::vector<std::string> words = foldedWords(label);
  for (std::size_t k = 0; k + 1 < words.size(); ++k) {
    bool number = !words[k].empty() && words[k].size() <= 2 && std::all_of(words[k].begin(), words[k].end(), isDigit);
    if (!number || std::find(kDigitWords.begin(), kDigitWords.end(), words[k + 1]) == kDigitWords.end()) continue;
    int n = std::stoi(words[k]);
    if (n >= 7 && n <= 15) format.digits = n;
  }
  return format;
}

bool fitsPhoneFormat(std::string_view text, const PhoneFormat& format) {
  text = trimText(text);
  if (!format.shape.empty()) return shapeOf(text) == format.shape;
  return format.digits > 0 && countDigits(text) == format.digits;
}

namespace {

struct LineWords {
  LineAsked::Line line;
  std::vector<std::string> words;  // from paddedPhrases() or, for CJK, foldedPhrases()
  std::vector<std::string> regions;
};

const std::vector<LineWords>& lineWords() {
  using Line = LineAsked::Line;
  static const std::vector<LineWords> kWords = {
      {Line::kMobile, paddedPhrases({"handy", "handynummer", "mobilfunknummer"}), {"DE", "AT", "CH"}},
      {Line::kMobile, paddedPhrases({"mobiltelefon", "mobilnummer"}), {"DE", "AT", "CH", "SE", "DK", "NO"}},
      {Line::kLandline, paddedPhrases({"festnetz", "festnetznummer", "festnetztelefon"}), {"DE", "AT", "CH"}},
      {Line::kMobile, paddedPhrases({"mobil"}), {"DE", "AT", "CH", "SE", "DK", "NO", "CZ", "SK", "HU"}},
      {Line::kMobile, paddedPhrases({"mobile", "cell", "cellphone", "cellular", "mobile phone", "cell phone"}),
       {"GB", "IE", "AU", "NZ", "IN", "US", "CA", "ZA", "SG", "FR", "BE"}},
      {Line::kLandline, paddedPhrases({"landline", "land line", "home phone", "home telephone", "home number"}),
       {"GB", "IE", "AU", "NZ", "IN", "US", "CA", "ZA"}},
      {Line::kLandline, paddedPhrases({"telefon hem", "hemtelefon"}), {"SE"}},
      {Line::kLandline, paddedPhrases({"telefono di casa", "telefono casa"}), {"IT", "CH"}},
      {Line::kLandline, paddedPhrases({"telephone domicile", "telephone du domicile"}), {"FR", "BE", "CH"}},
      {Line::kLandline, paddedPhrases({"telefone residencial"}), {"PT", "BR"}},
      {Line::kLandline, paddedPhrases({"telefono de casa", "telefono particular"}), {"ES", "MX", "AR", "CO", "CL"}},
      {Line::kLandline, paddedPhrases({"telefon domowy"}), {"PL"}},
      {Line::kMobile, paddedPhrases({"portable"}), {"FR", "BE", "CH"}},
      {Line::kLandline, paddedPhrases({"fixe"}), {"FR", "BE", "CH"}},
      {Line::kMobile, paddedPhrases({"mobiel", "gsm"}), {"NL", "BE"}},
      {Line::kLandline, paddedPhrases({"vaste telefoon", "vast nummer", "vaste nummer"}), {"NL", "BE"}},
      {Line::kMobile, paddedPhrases({"movil", "celular"}), {"ES", "MX", "AR", "CO", "CL", "BR"}},
      {Line::kLandline, paddedPhrases({"fijo"}), {"ES", "MX", "AR", "CO", "CL"}},
      {Line::kMobile, paddedPhrases({"cellulare"}), {"IT", "CH"}},
      {Line::kLandline, paddedPhrases({"fisso"}), {"IT", "CH"}},
      {Line::kMobile, paddedPhrases({"telemovel"}), {"PT"}},
      {Line::kLandline, paddedPhrases({"fixo"}), {"PT", "BR"}},
      {Line::kMobile, paddedPhrases({"komorka", "komorkowy", "komorkowego"}), {"PL"}},
      {Line::kLandline, paddedPhrases({"stacjonarny", "stacjonarnego"}), {"PL"}},
      {Line::kMobile, paddedPhrases({"мобильный", "мобильного", "сотовый", "сотового"}), {"RU", "BY", "KZ"}},
      {Line::kLandline, paddedPhrases({"домашний", "стационарный"}), {"RU", "BY", "KZ"}},
      {Line::kMobile, paddedPhrases({"мобільний", "мобільного"}), {"UA"}},
      {Line::kMobile, paddedPhrases({"mobilni", "mobilny"}), {"CZ", "SK"}},
      {Line::kMobile, paddedPhrases({"matkapuhelin"}), {"FI"}},
      {Line::kLandline, paddedPhrases({"lankapuhelin"}), {"FI"}},
      {Line::kMobile, paddedPhrases({"cep telefonu", "cep tel"}), {"TR"}},
      {Line::kLandline, paddedPhrases({"sabit telefon"}), {"TR"}},
      {Line::kMobile, paddedPhrases({"κινητο"}), {"GR", "CY"}},
      {Line::kMobile, paddedPhrases({"di dong"}), {"VN"}},
      {Line::kMobile, paddedPhrases({"ponsel"}), {"ID"}},
      {Line::kMobile, paddedPhrases({"whatsapp"}), {}},
      {Line::kMobile, foldedPhrases({"手机"}), {"CN"}},
      {Line::kLandline, foldedPhrases({"座机", "固定电话"}), {"CN"}},
      {Line::kMobile, foldedPhrases({"手機"}), {"TW", "HK"}},
      {Line::kLandline, foldedPhrases({"市話", "住家電話"}), {"TW", "HK"}},
      {Line::kMobile, foldedPhrases({"携帯", "ケータイ"}), {"JP"}},
      {Line::kLandline, foldedPhrases({"固定電話", "自宅電話"}), {"JP"}},
      {Line::kMobile, foldedPhrases({"휴대폰", "휴대전화", "핸드폰"}), {"KR"}},
      {Line::kLandline, foldedPhrases({"유선", "집 전화", "자택 전화"}), {"KR"}},
  };
  return kWords;
}

}  // namespace

LineAsked lineAskedBy(std::string_view label) {
  std::string folded = foldText(label);
  bool mobile = false;
  bool landline = false;
  bool anyRegion = false;
  std::vector<std::string> regions;
  for (const LineWords& words : lineWords()) {
    if (!containsAny(folded, words.words)) continue;
    (words.line == LineAsked::Line::kMobile ? mobile : landline) = true;
    anyRegion = anyRegion || words.regions.empty();
    for (const std::string& region : words.regions) {
      if (std::find(regions.begin(), regions.end(), region) == regions.end()) regions.push_back(region);
    }
  }
  LineAsked asked;
  if (mobile == landline) return asked;  // neither, or "Festnetz oder Handy"
  asked.line = mobile ? LineAsked::Line::kMobile : LineAsked::Line::kLandline;
  if (!anyRegion) asked.regions = std::move(regions);
  return asked;
}

}  // namespace oskel::answer
