// How the parts of a label stand to each other: a heading over the field's own name, a
// note beside it, an organisation's detail.
#include "engine/label_groups.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/example_label.h"
#include "engine/label_asides.h"
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
bool namesAFieldOnly(std::string_view part) {
  static constexpr std::string_view kNoteWords[] = {
      "for", "fur", "pour", "para", "per", "voor", "dla", "для", "used", "use", "shown", "appears", "in", "on", "via",
      "by", "im", "en", "personalise", "personalize", "personalisation", "personalization", "notifications",
      "alerts", "updates", "receipt", "receipts", "confirmation", "newsletter", "or", "oder", "ou", "o", "of",
      "lub", "или", "optional", "optionnel", "opcional", "facoltativo", "opzionale", "ggf", "not", "nicht", "pas",
      "no", "niet", "nie", "не"};
  CharStats s = charStats(part);
  if (s.han + s.hangul + s.kana > 0) {
    // Sentences end in a polite verb: "表示されます", "보내드립니다", "请填写您".
    static const std::vector<std::string> kEndings = {foldedPhrase("ます"), foldedPhrase("です"), foldedPhrase("ください"),
                                                      foldedPhrase("您"), foldedPhrase("니다"), foldedPhrase("요")};
    std::string folded = foldText(part);
    bool sentence = std::any_of(kEndings.begin(), kEndings.end(),
                                [&](const std::string& e) { return folded.find(e) != std::string::npos; });
    return !sentence && countGraphemes(trimText(part)) <= 7;
  }
  std::vector<std::string> words = foldedWords(part);
  return words.size() <= 3 && !anyListed(kNoteWords, words);
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

// The contact details of a person that an organisation has as well: "Firma Telefon".
bool isOrganisationsDetail(FieldKind kind) {
  return kind == FieldKind::kPhone || kind == FieldKind::kEmail || kind == FieldKind::kUrl ||
         kind == FieldKind::kStreetAddress || isALineOfAnAddress(kind);
}

// A former organisation, someone at it or a shared box of it: "Previous employer email",
// "Company HR email", "Firma · E-Mail Geschäftsführer", "Company billing email", "会社電話番号（代表）".
bool namesAnotherPartOfIt(const std::string& folded) {
  static const std::vector<std::string> kWords = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"hr", "human resources", "personalabteilung", "rh", "rrhh",
                               "contact", "representative", "director", "head", "manager", "department",
                               "previous", "former", "prior", "past", "ehemaliger", "ehemalige", "ehemaligen",
                               "vorheriger", "vorherige", "fruherer", "ancien", "ancienne", "anterior",
                               "precedente", "poprzedni", "предыдущего", "предыдущий", "geschaftsfuhrer",
                               "inhaber", "ansprechpartner", "responsable", "gerente", "titolare", "referente",
                               "руководителя", "руководитель", "owner", "owner s", "signatory", "admin", "billing",
                               "support", "sales", "info", "client", "supplier", "zentrale", "buchhaltung",
                               "accounting", "invoice", "invoices", "rechnung", "facturation", "factura",
                               "fatturazione", "not personal"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    for (std::string_view w : {"负责人", "联系人", "担当者", "담당자", "대표자", "代表", "总机"}) out.push_back(foldedPhrase(w));
    return out;
  }();
  return std::any_of(kWords.begin(), kWords.end(),
                     [&](const std::string& w) { return folded.find(w) != std::string::npos; });
}

namespace {

// Whether every word of `folded` is one of `latin`, and every word written in Han, kana or
// Hangul falls apart into pieces of `cjk` (matched from the start, longest first).
bool madeOnlyOf(const std::string& folded, const std::vector<std::string>& latin, std::vector<std::string> cjk) {
  std::sort(cjk.begin(), cjk.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& word : foldedWords(folded)) {
    if (std::find(latin.begin(), latin.end(), word) != latin.end()) continue;
    CharStats chars = charStats(word);
    if (chars.han + chars.hangul + chars.kana == 0) return false;
    std::string_view rest = word;
    while (!rest.empty()) {
      auto piece = std::find_if(cjk.begin(), cjk.end(), [&](const std::string& c) { return rest.substr(0, c.size()) == c; });
      if (piece == cjk.end()) return false;
      rest.remove_prefix(piece->size());
    }
  }
  return true;
}

std::vector<std::string> foldedAll(std::initializer_list<std::string_view> words) {
  std::vector<std::string> out;
  for (std::string_view w : words) {
    std::vector<std::string> parts = foldedWords(w);
    out.insert(out.end(), parts.begin(), parts.end());
  }
  return out;
}

// Institutions written in Han, kana or Hangul, found within words.
const std::vector<std::string>& cjkInstitutions() {
  static const std::vector<std::string> kWords = foldedPhrases(
      {"学校", "학교", "大学", "대학", "ホテル", "酒店", "宾馆", "호텔", "銀行", "银行", "은행", "保険会社", "保险公司",
       "보험사", "病院", "医院", "诊所", "クリニック", "병원", "薬局", "药店", "약국", "大使館", "大使馆", "대사관", "領事館",
       "领事馆", "영사관", "レストラン", "餐厅", "식당", "教会", "教堂", "교회", "항공사"});
  return kWords;
}

}  // namespace

bool speaksOfTheCustomer(std::string_view label) {
  static const std::vector<std::string> kPersons = foldedPhrases(
      {"customer", "guest", "patient", "policyholder", "account", "student", "member", "client", "applicant",
       "passenger", "holder", "user", "owner", "registered", "kunde", "kunden", "gast", "versicherter",
       "versicherungsnehmer", "hinterlegte", "hinterlegt", "invite", "enregistre", "aupres", "cliente", "huesped",
       "titular", "paciente", "registrado", "ospite", "paziente", "registrato", "presso", "klant", "bekend",
       "klient", "pacjent", "клиент", "пациент", "гость", "guests", "gastes", "yours", "own", "eigene",
       "zarejestrowany", "zarejestrowane", "zarejestrowana", "зарегистрированный", "alumni", "accommodation",
       // What the person does with it: "Hotel reservation · Phone", "Insurance claim · Email".
       "reservation", "booking", "application", "claim", "appointment", "registration", "loyalty", "preferences",
       "statement", "card", "billing", "reservierung", "buchung", "bewerbung", "antrag", "anmeldung", "reserva",
       "solicitud", "inscripcion", "prenotazione", "domanda", "richiesta", "iscrizione", "inscricao", "reservering",
       "boeking", "aanvraag", "rezerwacja", "rezerwacji", "wniosek", "бронирование", "заявка"});
  static const std::vector<std::string> kCjkPersons =
      foldedPhrases({"お客様", "ご本人", "本人", "登録", "预留", "登记", "客户", "고객", "본인", "등록", "予約", "预订", "预定",
                     "申请", "申込", "申し込み", "예약", "신청"});
  // A possessive before the detail, not before the institution: "学校 · あなたの電話番号", not
  // "あなたの学校の電話番号".
  static const std::vector<std::string> kCjkYour = foldedPhrases({"あなたの", "您的", "你的", "당신의", "귀하의"});
  std::string folded = foldText(label);
  auto has = [&](const std::string& w) { return folded.find(w) != std::string::npos; };
  if (anyListed(kPersons, foldedWords(label)) || std::any_of(kCjkPersons.begin(), kCjkPersons.end(), has)) return true;
  for (const std::string& your : kCjkYour) {
    for (std::size_t at = folded.find(your); at != std::string::npos; at = folded.find(your, at + 1)) {
      std::string_view after = std::string_view(folded).substr(at + your.size());
      if (!std::any_of(cjkInstitutions().begin(), cjkInstitutions().end(),
                       [&](const std::string& w) { return after.starts_with(w); })) {
        return true;
      }
    }
  }
  return false;
}

bool namesAnInstitution(std::string_view part, FieldKind kind) {
  if (!isOrganisationsDetail(kind)) return false;
  static const std::vector<std::string> kPlacesOfStudy = foldedPhrases(
      {"school", "schule", "ecole", "escuela", "colegio", "scuola", "escola", "szkola", "школа", "university",
       "universitat", "universite", "universidad", "universita", "universidade", "universiteit", "uniwersytet",
       "университет", "college"});
  static const std::vector<std::string> kOthers = foldedPhrases(
      {"hotel", "hotels", "bank", "banque", "banco", "banca", "банк", "insurance", "insurer", "versicherung",
       "assurance", "seguro", "aseguradora", "assicurazione", "verzekeraar", "clinic", "klinik", "clinique",
       "clinica", "kliniek", "hospital", "krankenhaus", "hopital", "ospedale", "ziekenhuis", "szpital", "больница",
       "pharmacy", "apotheke", "pharmacie", "farmacia", "apotheek", "apteka", "аптека", "embassy", "botschaft",
       "ambassade", "embajada", "ambasciata", "embaixada", "ambasada", "посольство", "consulate", "konsulat",
       "consulat", "consulado", "consolato", "airline", "restaurant", "church", "kirche", "albergo", "kita",
       "kindergarten", "daycare", "praxis", "krankenkasse", "library", "bibliothek", "szkoly", "szkole", "banku",
       "hotelu", "szpitala", "apteki", "ambasady", "uczelni", "uniwersytetu", "школы", "банка", "отеля",
       "гостиницы", "больницы", "аптеки", "посольства", "университета"});
  static constexpr std::string_view kFor[] = {"for", "to", "fur", "an", "pour", "a", "para", "per", "voor", "aan",
                                              "dla", "для", "by", "at", "in", "im", "with", "mit", "avec", "con",
                                              "com", "met", "z", "ze", "с"};
  static constexpr std::string_view kArticles[] = {"the", "a", "an", "your", "die", "der", "das", "den", "dem", "ihre",
                                                   "le", "la", "les", "l", "votre", "el", "los", "su", "il", "lo",
                                                   "o", "os", "het", "de", "uw", "your", "my"};
  std::string folded = foldText(withoutAsides(part, labelAsides(part)));
  std::vector<std::string> words = foldedWords(folded);
  for (std::size_t i = 0; i < words.size(); ++i) {
    bool study = isListed(kPlacesOfStudy, words[i]);
    if (!study && !isListed(kOthers, words[i])) continue;
    if (study && kind == FieldKind::kEmail) continue;  // the person's address there
    // "Phone number for the hotel", "Telefon für die Schule": the person's, given to it.
    std::size_t before = i;
    while (before > 0 && isListed(kArticles, words[before - 1])) --before;
    if (before > 0 && isListed(kFor, words[before - 1])) continue;
    return true;
  }
  bool cjkStudy = folded.find(foldedPhrase("学校")) != std::string::npos ||
                  folded.find(foldedPhrase("학교")) != std::string::npos ||
                  folded.find(foldedPhrase("大学")) != std::string::npos || folded.find(foldedPhrase("대학")) != std::string::npos;
  if (cjkStudy && kind == FieldKind::kEmail) return false;
  const std::vector<std::string>& cjk = cjkInstitutions();
  return std::any_of(cjk.begin(), cjk.end(), [&](const std::string& w) { return folded.find(w) != std::string::npos; });
}

bool namesItsContactPerson(const std::string& folded) {
  static const std::vector<std::string> kPhrases = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"contact name", "contact person", "contact s name", "contact full name", "name of contact",
                               "name of the contact", "ansprechpartner", "ansprechpartnerin", "ansprechperson",
                               "kontaktperson", "contactpersoon", "personne de contact", "nom du contact",
                               "nom de contact", "persona de contacto", "nombre del contacto", "nombre de contacto",
                               "persona di contatto", "nome del contatto", "nome del referente", "pessoa de contato",
                               "pessoa de contacto", "nome do contato", "nome do contacto", "osoba kontaktowa",
                               "контактное лицо", "контактного лица"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    return out;
  }();
  static const std::vector<std::string> kCjk = foldedPhrases({"担当者", "담당자", "联系人", "聯絡人"});
  // The organisation's name, or another detail of the person: "Company name of contact",
  // "会社担当者の部署", "회사 담당자 직함".
  static const std::vector<std::string> kNotTheName = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"company name", "organisation name", "organization name", "business name", "firmenname",
                               "nom de l entreprise", "nombre de la empresa", "ragione sociale", "nome da empresa",
                               "bedrijfsnaam", "nazwa firmy", "department", "abteilung", "title", "position",
                               "job title", "role"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    for (std::string_view w : {"会社名", "公司名", "회사명", "법인명", "部署", "役職", "部门", "职位", "职务", "부서", "직함", "직위"}) {
      out.push_back(foldedPhrase(w));
    }
    return out;
  }();
  if (std::any_of(kNotTheName.begin(), kNotTheName.end(), [&](const std::string& p) { return folded.find(p) != std::string::npos; })) {
    return false;
  }
  if (std::any_of(kPhrases.begin(), kPhrases.end(), [&](const std::string& p) { return folded.find(p) != std::string::npos; }) ||
      std::any_of(kCjk.begin(), kCjk.end(), [&](const std::string& p) { return folded.find(p) != std::string::npos; })) {
    return true;
  }
  return folded.ends_with(" contact ");  // "Company contact"
}

bool namesAnEmployer(const std::string& folded) {
  static const std::vector<std::string> kWords = [] {
    std::vector<std::string> out;
    for (std::string_view w : {"employer", "employer s", "arbeitgeber", "arbeitgebers", "werkgever", "employeur",
                               "empleador", "empregador", "datore", "pracodawca", "pracodawcy", "работодатель",
                               "работодателя"}) {
      out.push_back(" " + foldedPhrase(w) + " ");
    }
    return out;
  }();
  return std::any_of(kWords.begin(), kWords.end(),
                     [&](const std::string& w) { return folded.find(w) != std::string::npos; });
}

bool isBareOrganisationsDetail(const std::string& folded) {
  static const std::vector<std::string> kLatin = foldedAll({
      "company", "firma", "firmen", "unternehmen", "societe", "entreprise", "empresa", "azienda", "societa",
      "bedrijf", "organisation", "organization", "organisatie", "organizacja", "компания", "организация",
      "employer", "arbeitgeber", "werkgever", "employeur", "empleador", "empregador", "institution", "business",
      "foretag", "email", "e-mail", "adresse", "address", "adres", "correo", "electronico", "courriel", "posta",
      "eletronico", "direccion", "indirizzo", "endereco", "phone", "telephone", "telefon", "telefono", "telefone",
      "telefoon", "tel", "number", "nummer", "numero", "numer", "nr", "mobile", "mobil", "handy", "cell",
      "телефон", "почта", "электронная", "your", "my", "the", "of", "at", "de", "la", "le", "l", "du", "des", "da",
      "do", "del", "della", "dell", "di", "der", "die", "das", "van", "het", "ihr", "ihre", "votre", "su", "tu",
      "seu", "sua", "il", "tuo", "uw", "je", "work", "business", "office", "professional", "professionnel",
      "professionnelle", "pro", "geschaftlich", "geschaftliche", "dienstlich", "dienstliche", "arbeit", "trabajo",
      "laboral", "lavoro", "aziendale", "trabalho", "comercial", "werk", "zakelijk", "sluzbowy", "рабочий",
      "рабочая"});
  static const std::vector<std::string> kCjk = foldedPhrases({
      "会社", "企業", "勤務先", "所属", "所属先", "公司", "单位", "工作单位", "企业", "회사", "직장", "소속", "メールアドレス",
      "メール", "電話番号", "電話", "邮箱", "电子邮件", "电子邮箱", "电话", "手机", "이메일", "전화번호", "전화", "연락처", "の",
      "的", "의", "用", "ご"});
  return madeOnlyOf(folded, kLatin, kCjk);
}

bool isOwnAddressHeading(const std::string& folded) {
  static const std::vector<std::string> kLatin = foldedAll({
      "address", "adresse", "anschrift", "adres", "direccion", "indirizzo", "endereco", "morada", "адрес",
      "billing", "shipping", "delivery", "home", "postal", "mailing", "residential", "street", "current", "your",
      "my", "ihre", "votre", "tu", "su", "seu", "sua", "tuo", "uw", "je", "de", "la", "le", "du", "des", "di", "da",
      "do", "del", "livraison", "facturation", "envio", "facturacion", "entrega", "cobranca", "faturamento",
      "spedizione", "fatturazione", "consegna", "lieferadresse", "rechnungsadresse", "wohnadresse",
      "privatadresse", "postadresse", "lieferanschrift", "rechnungsanschrift", "wohnanschrift", "bezorgadres",
      "factuuradres", "woonadres", "postadres", "dostawy", "faktury", "zamieszkania", "доставки", "проживания",
      "aktuelle", "actuelle", "actual", "attuale", "atual", "huidig", "huidige"});
  static const std::vector<std::string> kCjk = foldedPhrases({
      "住所", "ご住所", "お届け先", "配送先", "ご請求先", "請求先", "現住所", "地址", "收货地址", "收货", "配送地址", "配送",
      "家庭地址", "주소", "배송지", "배송", "청구지", "자택", "の"});
  return madeOnlyOf(folded, kLatin, kCjk);
}

bool personsOwnAtWork(const std::string& folded, FieldKind kind, bool saysOwn) {
  if (kind != FieldKind::kEmail && kind != FieldKind::kPhone) return false;
  if (!isBareOrganisationsDetail(folded) || namesAnotherPartOfIt(folded)) return false;
  if (saysOwn) return true;
  return kind == FieldKind::kEmail && !namesAnEmployer(folded);
}

}  // namespace oskel::answer
