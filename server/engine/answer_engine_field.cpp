#include "engine/answer_engine.h"

#include "engine/example_label.h"

namespace oskel::answer {
namespace {

// Accessible names longer than this are page text swept into the label, not words about
// the field; reading only their start keeps a long label from costing seconds.
constexpr std::size_t kReadLabelBytes = 2000;

}  // namespace

// The start of a label that the engine reads, cut at a character boundary.
std::string_view AnswerEngine::readablePart(std::string_view label) {
  if (label.size() <= kReadLabelBytes) return label;
  std::size_t end = kReadLabelBytes;
  while (end > 0 && (static_cast<unsigned char>(label[end]) & 0xC0) == 0x80) --end;
  return label.substr(0, end);
}

// Whether some word of the label is an example e-mail address ("e.g. jane@example.com",
// "yourname@company.com"): a placeholder that shows the kind of value by giving one.
bool AnswerEngine::showsAnExampleAddress(std::string_view label) const {
  for (std::size_t at = label.find('@'); at != std::string_view::npos; at = label.find('@', at + 1)) {
    std::size_t begin = label.find_last_of(" \t\n(:", at);
    begin = begin == std::string_view::npos ? 0 : begin + 1;
    std::size_t end = label.find_first_of(" \t\n),;", at);
    std::string_view word = label.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
    while (!word.empty() && (word.back() == '.' || word.back() == '!')) word.remove_suffix(1);
    // Full-width brackets and colons close a marker written without a space: "例）taro@example.jp".
    for (std::string_view closing : {"\uFF09", "\uFF1A"}) {
      std::size_t cut = word.rfind(closing, word.find('@'));
      if (cut != std::string_view::npos) word.remove_prefix(cut + closing.size());
    }
    if (values_.email(word) > 0.0) return true;
  }
  return false;
}

FieldReading AnswerEngine::readField(const FieldInput& field) const {
  std::string_view label = readablePart(field.label);
  FieldReading reading = labels_.read(label);
  if (showsAnExampleAddress(label)) {
    // The example outweighs the words around it ("yourname@company.com" is no company),
    // except where the words ask for someone else's address or refuse outright.
    switch (reading.kind) {
      case FieldKind::kEmail:
      case FieldKind::kUsernameOrEmail:
      case FieldKind::kSomeoneElse:
      case FieldKind::kUnclear:
      case FieldKind::kPassword:
      case FieldKind::kCardOrSecurityCode:
      case FieldKind::kOneTimeCode:
      case FieldKind::kCaptcha:
        return reading;
      default: {
        // Words that were only offered stay so: the example may be another field's.
        FieldReading shown{reading.kind == FieldKind::kUsername ? FieldKind::kUsernameOrEmail : FieldKind::kEmail, 0.85};
        shown.offerOnly = reading.offerOnly;
        return shown;
      }
    }
  }
  std::vector<std::string_view> parts = labelParts(label);
  if (reading.kind != FieldKind::kUnknown) {
    // A word in two senses settled by an example beside it: "Name · John" asks for the
    // given name, "Nom · Jean Dupont" for the whole name.
    if (reading.alternative == FieldKind::kUnknown) return reading;
    for (std::size_t i = 1; i < parts.size(); ++i) {
      FieldKind shown = exampleValueKind(values_, parts[i], ExampleContext::kNameField);
      if (shown != reading.kind && shown != reading.alternative) continue;
      FieldReading settled{shown, 0.85};
      settled.offerOnly = reading.offerOnly;
      return settled;
    }
    return reading;
  }
  // A label that is itself an example value: "+1 555 0100", "http://", "Jane Doe".
  ExampleContext context = parts.size() == 1 ? ExampleContext::kWholeLabel : ExampleContext::kBesideWords;
  for (std::string_view part : parts) {
    FieldKind shown = exampleValueKind(values_, part, context);
    if (shown != FieldKind::kUnknown) return {shown, 0.85};
  }
  return reading;
}

}  // namespace oskel::answer
