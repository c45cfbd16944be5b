// The parts of CandidateContext that tell a message or a signature from a value copied on its
// own: values pulled out of someone's words are as likely theirs as the person's.
#include <string>
#include <vector>

#include "engine/candidate_context.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// A full stop after a word of four or more letters, then a space: the end of a sentence.
// Abbreviations ("ul. Długa", "St. Paul", "д. 10") in an address block are not.
bool endsASentence(std::string_view text) {
  for (std::size_t at = text.find(". "); at != std::string_view::npos; at = text.find(". ", at + 1)) {
    std::size_t begin = at;
    while (begin > 0 && text[begin - 1] != ' ' && text[begin - 1] != '\n' && text[begin - 1] != '.') --begin;
    if (countGraphemes(text.substr(begin, at - begin)) >= 4) return true;
  }
  return false;
}

}  // namespace

bool CandidateContext::isProse(std::string_view whole) {
  if (whole.size() < 30) return false;
  // Sentences, or a greeting or closing line: a message or a signature.
  if (whole.find("! ") != std::string_view::npos || whole.find("? ") != std::string_view::npos ||
      whole.find(",\n") != std::string_view::npos || endsASentence(whole)) {
    return true;
  }
  std::string folded = foldText(whole.substr(0, 400));
  // Greetings and closings, folded; those in Chinese, Japanese and Korean, which write no
  // spaces, are found anywhere in the text.
  static const std::vector<std::string> kClosings = [] {
    std::vector<std::string> out;
    for (const char* word :
         {"regards", "thanks", "thank you", "cheers", "hi", "hello", "dear", "grusse", "gruss", "grussen", "hallo",
          "danke", "cordialement", "bonjour", "bien a vous", "salutations", "merci", "saludos", "un saludo",
          "atentamente", "hola", "gracias", "saluti", "cordiali", "ciao", "atenciosamente", "cumprimentos", "obrigado",
          "obrigada", "groeten", "groet", "pozdrawiam", "pozdrowienia", "z powazaniem", "halsningar", "mvh",
          "с уважением", "спасибо", "best", "sincerely", "sent from my", "hey", "hej", "moin", "salut", "coucou",
          "czesc", "merhaba", "g day"}) {
      out.push_back(foldText(word));
    }
    for (const char* word : {"よろしくお願い", "敬具", "감사합니다", "안녕하세요", "此致", "谢谢"}) {
      out.push_back(foldedPhrase(word));
    }
    return out;
  }();
  for (const std::string& word : kClosings) {
    if (folded.find(word) != std::string::npos) return true;
  }
  return false;
}

bool CandidateContext::fromProse(std::size_t i) const {
  auto it = longestInClip_.find(clipOf(i));
  if (it == longestInClip_.end() || it->second == i) return false;
  return isProse(texts_[it->second]);
}

bool CandidateContext::mentionedInProse(std::size_t i) const {
  std::string_view needle = texts_[i];
  if (needle.size() < 5) return false;
  for (const auto& [clip, longest] : longestInClip_) {
    if (longest == i || clip == clipOf(i)) continue;
    std::string_view whole = texts_[longest];
    if (whole.size() > needle.size() && whole.find(needle) != std::string_view::npos && isProse(whole)) return true;
  }
  return false;
}

}  // namespace oskel::answer
