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

}  // namespace oskel::answer
