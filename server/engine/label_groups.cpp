// How the parts of a label stand to each other: a heading over the field's own name, a
// note beside it, the one filling it in.
#include "engine/label_groups.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/label_asides.h"
#include "engine/label_other_people.h"
#include "engine/text.h"

namespace oskel::answer {

// "本人" or "본인" (oneself) in a label, not negated ("非本人", "本人以外", "본인 아님").
bool namesTheFillerInCjk(const std::string& folded) {
  static const std::vector<std::string> kSelf = foldedPhrases({"本人", "본인"});
  static const std::vector<std::string> kNotSelf =
      foldedPhrases({"非本人", "本人以外", "不是本人", "不能为本人", "不得为本人", "本人除外", "本人不可", "ご本人様以外", "본인 외",
               "본인이 아닌", "본인 아님", "본인 제외", "본인 이외"});
  // What may follow: the end, a bracket or a field's word ("本人氏名", "본인 연락처"), also after
  // a possessive particle ("ご本人の携帯電話", "본인의 연락처"); not another person the particle
  // makes theirs ("本人の保護者", "본인의 보호자", "本人の緊急連絡先").
  static const std::vector<std::string> kFieldWords =
      foldedPhrases({"氏名", "姓名", "名前", "お名前", "電話", "电话", "手机", "携帯", "メール", "邮箱", "住所", "地址", "연락처",
               "이름", "성명", "전화", "휴대폰", "이메일", "주소"});
  static const std::vector<std::string> kEmergencyWords = foldedPhrases({"紧急", "緊急", "긴급", "비상"});
  static const std::vector<std::string> kRefusing =
      foldedPhrases({"不可", "不要", "以外", "除外", "不能", "不得", "불가", "제외", "아님", "안 됨", "안됨"});
  static const std::vector<std::string> kRelatives = foldedPhrases(
      {"家族", "家人", "家属", "親", "父母", "保護者", "监护人", "家长", "亲属", "配偶者", "代理人", "他人", "第三者",
       "가족", "보호자", "부모", "배우자", "대리인", "타인"});
  for (const std::string& w : kNotSelf) {
    if (folded.find(w) != std::string::npos) return false;
  }
  for (const std::string& self : kSelf) {
    for (std::size_t at = folded.find(self); at != std::string::npos; at = folded.find(self, at + 1)) {
      // Brackets and commas fold to spaces: "紧急联系电话（本人）", "（本人，非家属）".
      std::string_view rest = std::string_view(folded).substr(at + self.size());
      // "本人の携帯不可", "본인 휴대폰 불가", "（본인, 배우자 제외）": the person is what is refused;
      // not where the person's value comes first and the refusal speaks of another's
      // ("本人携帯電話（家族の番号除外）", "本人手机号（不能填写监护人电话）").
      bool refusal = std::any_of(kRefusing.begin(), kRefusing.end(),
                                 [&](const std::string& r) { return rest.find(r) != std::string_view::npos; });
      if (refusal) {
        std::string_view after = trimText(rest);
        auto relative = [&](bool first) {
          return std::any_of(kRelatives.begin(), kRelatives.end(), [&](const std::string& r) {
            return first ? after.starts_with(r) : after.find(r) != std::string_view::npos;
          });
        };
        if (!relative(false) || relative(true)) continue;
      }
      if (rest.empty() || rest.front() == ' ') return true;
      auto opens = [&](const std::vector<std::string>& words) {
        return std::any_of(words.begin(), words.end(), [&](const std::string& w) { return rest.starts_with(w); });
      };
      if (opens(kEmergencyWords)) return true;  // "本人緊急連絡先"
      for (std::string_view particle : {"の", "의"}) {
        if (rest.starts_with(particle)) rest.remove_prefix(particle.size());
      }
      if (opens(kFieldWords)) return true;
    }
  }
  return false;
}

bool saysItIsTheFiller(std::string_view part) {
  // Pronouns that say nothing else in any of the label languages: not "du" (French "of the"),
  // "eu" (the EU), "yo" (years old), "ja" (yes) or "u".
  static const std::vector<std::string> kYou = foldedPhrases({
      "you", "yourself", "me", "myself", "vous", "toi", "moi", "tu", "usted", "voi", "voce", "jij", "ty", "вы", "ты",
      "あなた", "你", "您", "당신"});
  for (const LabelAside& aside : labelAsides(part)) {
    std::string_view inner = trimText(aside.inner);
    while (!inner.empty() && (inner.back() == '!' || inner.back() == '?' || inner.back() == '.')) inner.remove_suffix(1);
    std::vector<std::string> words = foldedWords(inner);
    // "ME" and "US" in capitals abbreviate; German "Sie" is "you" only with its capital.
    bool capitals = inner.size() >= 2 && std::all_of(inner.begin(), inner.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (words.size() == 1 && ((isListed(kYou, words.front()) && !capitals) || inner == "Sie")) return true;
    if (namesTheFillerInCjk(foldText(aside.inner))) return true;
  }
  return false;
}

// A part short enough to be a field's name and no sentence: "Telefon", "Phone number",
// "メールアドレス"; not "Used to personalise our emails", "Shown in emails", "이메일에 표시됩니다".
bool namesAFieldOnly(std::string_view part) { return namesAFieldOnly(part, 7, 3); }

bool namesAFieldOnly(std::string_view part, std::size_t cjkLength, std::size_t words) {
  // An aside says something of the field, not what it is: "Apartment (optional)".
  std::vector<LabelAside> asides = labelAsides(part);
  if (!asides.empty()) {
    std::string bare = withoutAsides(part, asides);
    if (!bare.empty() && bare.size() < part.size()) return namesAFieldOnly(bare, cjkLength, words);
  }
  static constexpr std::string_view kNoteWords[] = {
      "for", "fur", "pour", "para", "per", "voor", "dla", "для", "used", "use", "shown", "appears", "in", "on", "via",
      "by", "im", "en", "personalise", "personalize", "personalisation", "personalization", "notifications",
      "alerts", "updates", "receipt", "receipts", "confirmation", "newsletter", "or", "oder", "ou", "o", "of",
      "lub", "или", "optional", "optionnel", "opcional", "facoltativo", "opzionale", "ggf", "not", "nicht", "pas",
      "no", "niet", "nie", "не", "usado", "usada", "utilise", "utilisee", "verwendet", "genutzt", "utilizzato",
      "gebruikt", "uzywany", "используется", "we", "never", "share", "wir", "niemals", "nous", "jamais", "nunca",
      "nooit", "nigdy", "никогда", "note", "hinweis", "remarque", "nota", "observacao", "uwaga", "opmerking",
      "примечание", "if", "falls", "wenn", "si", "indien", "jesli", "если"};
  CharStats s = charStats(part);
  if (s.han + s.hangul + s.kana > 0) {
    // Sentences end in a polite verb: "表示されます", "보내드립니다", "请填写您"; "您的" is "your".
    static const std::vector<std::string> kEndings = {foldedPhrase("ます"), foldedPhrase("です"), foldedPhrase("ください"),
                                                      foldedPhrase("您"), foldedPhrase("니다"), foldedPhrase("요")};
    static const std::string kYour = foldedPhrase("您的");
    std::string folded = foldText(part);
    for (std::size_t at = folded.find(kYour); at != std::string::npos; at = folded.find(kYour)) folded.erase(at, kYour.size());
    bool sentence = std::any_of(kEndings.begin(), kEndings.end(),
                                [&](const std::string& e) { return folded.find(e) != std::string::npos; });
    return !sentence && countGraphemes(trimText(part)) <= cjkLength;
  }
  std::vector<std::string> folded = foldedWords(part);
  // "No." after a word is its number: "Mobile no.", "Phone No.".
  if (folded.size() > 1 && folded.back() == "no") folded.pop_back();
  // "Etc." closes a list of the field's names: "Apartment, suite, unit, etc.".
  static constexpr std::string_view kAndSoOn[] = {"etc", "usw", "ecc", "itd", "itp", "enz"};
  if (folded.size() > 1 && isListed(kAndSoOn, folded.back())) folded.pop_back();
  return folded.size() <= words && !anyListed(kNoteWords, folded);
}

const std::vector<std::string>& fieldNameFillers() {
  static const std::vector<std::string> kFillers = foldedAll(
      {"your", "the", "no", "nr", "number", "id", "job", "current", "held", "academic", "company", "of", "house",
       "domu", "lokalu", "solo", "only", "ihre", "ihr",
       "deine", "dein", "die", "der", "das", "votre", "vos", "le", "la", "les", "l", "du", "de", "des", "numero",
       "tva", "voie", "tu", "su", "el", "seu", "sua", "o", "a", "do", "da", "di", "il", "exterior", "interior",
       "civico", "nummer", "uw", "je", "het", "twoj", "twoja", "numer", "ваш", "ваша", "номер"});
  return kFillers;
}

const std::vector<std::string>& fieldNameCjkFillers() {
  static const std::vector<std::string> kCjkFillers = foldedPhrases({"の", "番号"});
  return kCjkFillers;
}

// Words of an emergency, with no person named: "In an emergency", "Im Notfall", "acil durum".
bool namesOnlyAnEmergency(std::string_view text) {
  static constexpr std::string_view kSituations[] = {"emergency", "emergencies", "notfall", "notfalle", "urgence",
                                                     "urgencia", "emergencia", "emergenza", "nood", "acil",
                                                     "naglych", "wypadkach", "awaryjny"};
  static constexpr std::string_view kPeople[] = {"contact", "kontakt", "contacto", "contatto", "contato", "person",
                                                 "persona", "personne", "osoba", "лицо", "name", "nom", "nombre",
                                                 "nome", "naam", "imie", "имя", "contactpersoon", "notfallkontakt"};
  std::vector<std::string> words = foldedWords(text);
  return anyListed(kSituations, words) && !anyListed(kPeople, words);
}

bool isANameKind(FieldKind kind) {
  return kind == FieldKind::kFullName || kind == FieldKind::kGivenName || kind == FieldKind::kFamilyName;
}

bool isALineOfAnAddress(FieldKind kind) {
  return kind == FieldKind::kAddressLine2 || kind == FieldKind::kPostalCode || kind == FieldKind::kCity ||
         kind == FieldKind::kRegion || kind == FieldKind::kCountry;
}

// Kinds whose word may head a group of fields: "Company", "Shipping address", "Contact person".
bool headsAGroup(FieldKind kind) {
  return kind == FieldKind::kOrganisation || kind == FieldKind::kStreetAddress || isALineOfAnAddress(kind) ||
         isANameKind(kind);
}

// A later part that names another field of the group `heading` starts: not a user name or
// a date of birth, which a note beside a name or an address speaks of as often.
bool readsAnotherDetail(FieldKind heading, FieldKind later) {
  if (!isAnswerable(later) || later == heading || later == FieldKind::kUsername ||
      later == FieldKind::kUsernameOrEmail || later == FieldKind::kBirthDate) {
    return false;
  }
  return !(isANameKind(later) && isANameKind(heading));  // "Name · First name" is a piece, read as such
}

bool readsAFieldNeverAnswered(FieldKind later, double certainty) {
  switch (later) {
    case FieldKind::kComment:
    case FieldKind::kSubject:
    case FieldKind::kQuantity:
    case FieldKind::kMiddleName:
    case FieldKind::kFax:
    case FieldKind::kPromoCode:
    case FieldKind::kOtherNumber:
    case FieldKind::kStreetName:
    case FieldKind::kNameReading:
      return certainty >= 0.9;
    default:
      return false;
  }
}

bool inOneGroup(FieldKind heading, FieldKind kind) {
  auto address = [](FieldKind k) { return k == FieldKind::kStreetAddress || isALineOfAnAddress(k); };
  return heading == kind || (isANameKind(heading) && isANameKind(kind)) || (address(heading) && address(kind));
}

bool isOwnAddressHeading(const std::string& folded) {
  static const std::vector<std::string> kLatin = foldedAll({
      "address", "adresse", "anschrift", "adres", "direccion", "indirizzo", "endereco", "morada", "адрес",
      "billing", "shipping", "delivery", "home", "postal", "mailing", "residential", "street", "current", "your",
      "my", "ihre", "votre", "tu", "su", "seu", "sua", "tuo", "uw", "je", "de", "la", "le", "du", "des", "di", "da",
      "do", "del", "livraison", "facturation", "envio", "facturacion", "entrega", "cobranca", "faturamento",
      "spedizione", "fatturazione", "consegna", "lieferadresse", "rechnungsadresse", "wohnadresse",
      "privatadresse", "postadresse", "lieferanschrift", "rechnungsanschrift", "wohnanschrift", "bezorgadres",
      "factuuradres", "woonadres", "postadres", "meldeadresse", "versandadresse", "versandanschrift", "verzendadres",
      "afleveradres", "logradouro", "dostawy", "faktury", "zamieszkania", "доставки",
      "проживания", "permanent", "rozliczeniowy", "korespondencji", "do korespondencji", "платежный", "регистрации",
      "residenza", "residencial", "domicilio", "postale", "faturacao", "correspondencia", "correspondance",
      "aktuelle", "actuelle", "actual", "attuale", "atual", "huidig", "huidige", "invoice", "invoicing",
      "private", "privat", "fakturaadresse", "faktureringsadress", "fakturaadres", "dorucovaci", "adresa",
      "trvale", "bydliste", "fakturacni",
      // A street with its number heads its boxes too: "Street, number · No.", "Str. u. Hausnr. · Hausnr.".
      "strasse", "str", "u", "und", "hausnummer", "hausnr", "nr", "and", "number", "no", "calle", "numero", "rua",
      "via", "e", "n", "civico", "ulica", "domu", "lokalu", "straat", "huisnummer", "en", "rue", "et", "nom", "voie"});
  static const std::vector<std::string> kCjk = foldedPhrases({
      "住所", "ご住所", "お届け先", "配送先", "ご請求先", "請求先", "現住所", "地址", "收货地址", "收货", "配送地址", "配送",
      "家庭地址", "住址", "주소", "배송지", "배송", "청구지", "자택", "の", "账单地址", "账单"});
  return madeOnlyOf(folded, kLatin, kCjk);
}

bool isBillingAddressHeading(const std::string& folded) {
  static const std::vector<std::string> kLatin = paddedPhrases(
      {"billing", "invoice", "invoicing", "rechnungsadresse", "rechnungsanschrift", "facturation", "facturacion",
       "fatturazione", "faturamento", "faturacao", "cobranca", "faktury", "rozliczeniowy", "factuuradres",
       "платежный"});
  static const std::vector<std::string> kCjk = foldedPhrases({"账单", "請求先", "ご請求先", "청구지"});
  return isOwnAddressHeading(folded) && (containsAny(folded, kLatin) || containsAny(folded, kCjk));
}

bool asksForThePayersOwn(std::string_view part, FieldKind kind) {
  static constexpr std::string_view kOthers[] = {
      "accounting", "accounts", "bookkeeper", "bookkeeping", "finance", "department", "reception", "main", "office",
      "alternative", "alternate", "secondary", "backup", "second", "other", "additional", "comptabilite",
      "comptable", "secondaire", "contabilidad", "contabilita", "amministrazione", "administratie", "boekhouding",
      "ksiegowosci", "buchhaltung", "zweite", "weitere", "secundario", "secondario", "бухгалтерии", "participant",
      "partecipante", "deelnemer", "uczestnika", "participante", "teilnehmer", "teilnehmers", "участника",
      "studente", "ученика", "eleve", "alumno", "aluno", "schuler", "schulers", "attendee", "delegate", "player",
      "athlete", "camper", "tenant", "huesped", "ospite", "hospede", "gast", "gastes", "goscia", "гостя",
      "extension"};
  static const std::vector<std::string> kCjk = foldedPhrases({"财务", "会計", "経理", "회계", "学生", "参加者", "참가자"});
  std::string folded = foldText(part);
  std::vector<std::string> words = foldedWords(part);
  if (kind != FieldKind::kOrganisation && (anyListed(kOthers, words) || containsAny(folded, kCjk))) return false;
  return !namesAnotherPerson(part);
}

bool speaksOfAFormerValue(std::string_view text) {
  static const std::vector<std::string> kLatin = paddedPhrases(
      {"previous", "prior", "earlier", "former", "past", "old", "last known", "forwarding", "abroad", "overseas",
       "home country", "of birth", "at birth", "birth", "ehemalige", "ehemaliger", "ehemaligen", "vorherige",
       "vorheriger", "vorherigen", "fruhere", "fruherer", "fruheren", "bisherige", "bisheriger", "bisherigen",
       "alte", "alten", "ancien", "ancienne", "precedent", "precedente", "de naissance", "anterior", "antiguo",
       "antigua", "previa", "previo", "de nacimiento", "di nascita", "vecchio", "vecchia", "antigo", "antiga",
       "de nascimento", "vorige", "vorig", "oud", "oude", "vroeger", "vroegere", "poprzedni", "poprzednia",
       "poprzedniego", "stary", "stara", "dawny", "dawna", "urodzenia", "прежний", "прежняя", "прежнее",
       "предыдущий", "предыдущая", "предыдущее", "старый", "старая", "бывший", "бывшая", "рождения", "maiden",
       "birth name", "geburtsname", "panienskie", "rodowe", "soltera", "nubile", "jeune fille", "solteira",
       "девичья"});
  // Compounds: "Geburtsort", "Geboorteplaats"; not "Geburtsdatum", "Geboortedatum".
  static const std::vector<std::string> kStarts = {" geburtsort", " geburtsland", " geburtsstadt", " geboorteplaats",
                                                   " geboorteland"};
  static const std::vector<std::string> kCjk = foldedPhrases(
      {"旧住所", "旧姓", "旧アドレス", "旧メール", "旧電話", "旧地址", "旧邮箱", "旧手机", "旧电话", "以前の住所", "以前のメール",
       "以前の電話", "前の住所", "前住所", "原地址", "原手机", "原邮箱", "이전 주소", "이전 이메일", "이전 전화",
       "이전 연락처", "예전 주소", "구 주소", "出生地", "出身地", "出生国", "出生城市", "출생지", "출생 국가", "原住址"});
  std::string folded = foldText(text);
  return containsAny(folded, kLatin) || containsAny(folded, kStarts) || containsAny(folded, kCjk);
}

bool asksForAFormerValue(std::string_view part) {
  // Only in the field's own name, not in a note beside it: "Present address (not previous)",
  // "Email used for previous purchases", "Home · Country".
  static constexpr std::string_view kNoteWords[] = {"for", "used", "use", "welcome", "if", "when", "from", "same",
                                                     "as", "like", "or", "and", "please", "bitte", "pour", "para"};
  // ... or one of a place elsewhere: where a document was issued, a trip's end, an event's venue.
  static const std::vector<std::string> kElsewhere = paddedPhrases(
      {"of issue", "issuing", "issued", "de delivrance", "de expedicion", "de emision", "wydania", "выдачи",
       "ausstellungsland", "ausstellungsort", "van afgifte", "di rilascio", "de emissao", "event", "venue",
       "incident"});
  auto speaksOfIt = [&](std::string_view text) {
    return speaksOfAFormerValue(text) || containsAny(foldText(text), kElsewhere);
  };
  if (!speaksOfIt(part)) return false;  // the cheap test first: most names have no such word
  std::string bare = withoutAsides(part, labelAsides(part));
  CharStats chars = charStats(bare);
  std::vector<std::string> words = foldedWords(bare);
  bool name = chars.han + chars.hangul + chars.kana > 0 ? namesAFieldOnly(bare)
                                                         : words.size() <= 4 && !anyListed(kNoteWords, words);
  if (!name || !negatedWords(bare).empty() || bare.find('?') != std::string::npos) return false;  // "Former student? Email"
  // A date of birth run together with the field's name is no place of birth: "Date of birth: Nachname:".
  static const std::vector<std::string> kBirthDates = paddedPhrases(
      {"date of birth", "birth date", "date de naissance", "fecha de nacimiento", "data di nascita",
       "data de nascimento", "data urodzenia", "дата рождения"});
  std::string folded = foldText(bare);
  for (const std::string& phrase : kBirthDates) {
    for (std::size_t at = folded.find(phrase); at != std::string::npos; at = folded.find(phrase)) {
      folded.replace(at, phrase.size(), " ");
    }
  }
  return speaksOfIt(folded);
}

bool namesABirthplace(std::string_view part) {
  static const std::vector<std::string> kLatin = paddedPhrases(
      {"place of birth", "birthplace", "city of birth", "town of birth", "country of birth", "lieu de naissance",
       "ville de naissance", "pays de naissance", "lugar de nacimiento", "ciudad de nacimiento", "pais de nacimiento",
       "luogo di nascita", "citta di nascita", "local de nascimento", "cidade de nascimento", "miejsce urodzenia",
       "место рождения", "where you were born"});
  static const std::vector<std::string> kStarts = {" geburtsort", " geburtsland", " geburtsstadt", " geboorteplaats",
                                                   " geboorteland"};
  static const std::vector<std::string> kCjk = foldedPhrases({"出生地", "出身地", "出生国", "출생지"});
  std::string folded = foldText(part);
  return containsAny(folded, kLatin) || containsAny(folded, kStarts) || containsAny(folded, kCjk);
}

const std::vector<std::string>& detailsNouns() {
  static const std::vector<std::string> kNouns = paddedPhrases(
      {"details", "information", "info", "data", "about you", "about yourself", "angaben", "daten", "kontaktdaten",
       "coordonnees",
       "informations", "datos", "dati", "dados", "gegevens", "contactgegevens", "dane", "данные", "kundendaten",
       "rechnungsdaten", "buchungsdaten", "detalles", "dettagli", "detalhes", "details de", "données"});
  return kNouns;
}

bool isOwnDetailsHeading(const std::string& folded) {
  const std::vector<std::string>& kNouns = detailsNouns();
  static const std::vector<std::string> kOwn = foldedAll(
      {"personal", "your", "my", "contact", "billing", "shipping", "delivery", "account", "profile", "details",
       "enter", "please", "fill", "in", "complete", "personnels", "personnel", "login", "log", "sign", "signin",
       "of", "and", "section", "policyholder", "policy", "holder", "account", "booker", "payer", "claimant",
       "registrant", "primary", "main", "member", "driver", "tell", "us", "yourself", "passenger", "traveller",
       "traveler", "student", "patient", "tenant", "attendee", "participant", "employee", "candidate", "visitor",
       "delegate",
       "step", "schritt", "etape", "paso", "passo", "stap", "krok", "шаг", "1", "2", "3", "4", "5", "mes", "mon",
       "ma", "donnees", "infos",
       "information", "info", "data", "about", "you", "personliche", "ihre", "angaben", "daten", "kontaktdaten",
       "vos", "coordonnees", "informations", "personnelles", "datos", "personales", "tus", "sus", "de", "contacto",
       "dati", "personali", "i", "tuoi", "suoi", "dados", "pessoais", "seus", "persoonlijke", "gegevens", "uw",
       "contactgegevens", "dane", "osobowe", "twoje", "kontaktowe", "личные", "данные", "ваши", "контактные",
       // The one who books, orders, pays or applies is the one filling in.
       "applicant", "booking", "payment", "customer", "buyer", "purchaser", "order", "lead", "guest", "reservation",
       "kundendaten", "rechnungsdaten", "buchungsdaten", "du", "client", "commande", "cliente", "reserva", "pedido",
       "solicitante", "comprador", "prenotazione", "richiedente", "klant", "klantgegevens", "aanvrager",
       "klienta", "покупателя", "клиента", "заказчика", "donor", "donation", "spender", "spenderdaten",
       "donateur", "donante", "donatore", "doador", "darczyncy", "diri", "pribadi", "pemesan", "anda", "pembeli",
       // The details an invoice is made out to.
       "invoice", "invoicing", "vat", "rechnung", "faktura", "faktury", "do", "facture", "facturation", "factura",
       "facturacion", "fattura", "fatturazione", "factuur", "fatura", "счета", "счет"});
  static const std::vector<std::string> kOwnCjk = foldedPhrases(
      {"個人情報", "お客様情報", "ご本人情報", "基本情報", "会員情報", "个人信息", "您的信息", "联系信息", "会员信息",
       "개인정보", "연락처", "기본정보", "기본", "회원정보", "정보", "ご注文者情報", "ご購入者情報", "申込者情報", "购买人信息",
       "주문자 정보", "주문자정보", "신청자 정보", "신청자정보"});
  static const std::vector<std::string> kCjkNouns = foldedPhrases({"情報", "信息", "정보"});
  // A contact form's own heading: "문의하기", "お問い合わせ".
  static const std::vector<std::string> kContactUs = foldedPhrases({"문의하기", "문의", "お問い合わせ", "联系我们"});
  if (std::any_of(kContactUs.begin(), kContactUs.end(),
                  [&](const std::string& w) { return trimText(w) == trimText(folded); })) {
    return true;
  }
  CharStats chars = charStats(folded);
  bool cjk = chars.han + chars.hangul + chars.kana > 0;
  // A number counts a form's steps or sections ("Step 2: Your details", "Step 1 of 3: Your details",
  // "2. Contact details"), not people ("Guest 2 details").
  static constexpr std::string_view kSteps[] = {"step", "schritt", "etape", "paso", "passo", "stap", "krok", "шаг",
                                                "section"};
  std::vector<std::string> words = foldedWords(folded);
  // A number counts steps only right after a step's word or "of": "Step 2: Guest 2 details" counts
  // a guest.
  for (std::size_t k = 1; k < words.size(); ++k) {
    bool number = words[k][0] >= '0' && words[k][0] <= '9';
    if (number && !isListed(kSteps, words[k - 1]) && words[k - 1] != "of") return false;
  }
  std::size_t counted = static_cast<std::size_t>(std::count_if(words.begin(), words.end(), [](const std::string& w) {
    return !isListed(kSteps, w) && w != "of" && !(w[0] >= '0' && w[0] <= '9');
  }));
  if (cjk ? !containsAny(folded, kCjkNouns) : counted > 4 || !containsAny(folded, kNouns)) return false;
  bool numbered = std::any_of(words.begin() + (words.empty() ? 0 : 1), words.end(),
                              [](const std::string& w) { return w[0] >= '0' && w[0] <= '9'; });
  if (numbered && !anyListed(kSteps, words)) return false;
  return madeOnlyOf(folded, kOwn, kOwnCjk);
}

}  // namespace oskel::answer
