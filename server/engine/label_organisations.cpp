// Words that make a contact detail an organisation's or an institution's rather than the
// person's.
#include "engine/label_organisations.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/label_asides.h"
#include "engine/label_groups.h"
#include "engine/text.h"

namespace oskel::answer {

namespace {

// Institutions written in Han, kana or Hangul, found within words.
const std::vector<std::string>& cjkInstitutions() {
  static const std::vector<std::string> kWords = foldedPhrases(
      {"学校", "학교", "大学", "대학", "ホテル", "酒店", "宾馆", "호텔", "銀行", "银行", "은행", "保険会社", "保险公司",
       "보험사", "病院", "医院", "诊所", "クリニック", "병원", "薬局", "药店", "약국", "大使館", "大使馆", "대사관", "領事館",
       "领事馆", "영사관", "レストラン", "餐厅", "식당", "教会", "教堂", "교회", "항공사"});
  return kWords;
}

// Longest first, so that "secteur d activite" goes before "secteur".
std::vector<std::string> longestFirst(std::vector<std::string> phrases) {
  std::sort(phrases.begin(), phrases.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return phrases;
}

const std::vector<std::string>& workDetails() {
  static const std::vector<std::string> kLatin = longestFirst(paddedPhrases(
      {"position", "job position", "job function", "poste", "cargo", "puesto", "funktion", "function", "fonction",
       "functie", "ruolo", "funzione", "funcao", "stanowisko", "должность", "role", "rolle", "your role", "beruf",
       "profession", "profesion", "professione", "profissao", "beroep", "zawod", "профессия", "occupation",
       "industry", "branche", "secteur", "secteur d activite", "sector", "settore", "sektor", "отрасль",
       "remarks", "bemerkungen", "remarques", "observaciones", "osservazioni", "observacoes", "uwagi", "примечание",
       "ust idnr", "ust id", "ust id nr", "steuer id", "handelsregisternummer", "handelsregister", "kvk",
       "kvk nummer", "btw nummer", "cif", "rfc", "siret", "siren", "cnpj", "regon", "krs", "огрн", "кпп",
       "legal form", "rechtsform", "forme juridique", "forma juridica", "forma giuridica", "rechtsvorm",
       "forma prawna", "tva", "n tva", "umsatzsteuer id", "ein", "abn", "tin", "duns", "duns number", "effectif",
       "mitarbeiterzahl", "anzahl mitarbeiter", "referenz", "referencia", "riferimento", "referentie",
       "department", "abteilung", "departement", "departamento", "dipartimento", "afdeling", "dzial", "отдел",
       "bereich", "ihr zeichen", "headcount", "registergericht", "numero di dipendenti", "численность сотрудников",
       // Registry entries, size and turnover.
       "register number", "registernummer", "commercial register", "commercial register number", "trade register",
       "trade register number", "register court", "registry", "hrb", "hrb nummer", "hra", "rcs", "registro mercantil",
       "inscricao estadual", "inscricao municipal", "number of employees", "mitarbeiteranzahl", "company size",
       "annual revenue", "revenue", "turnover", "annual turnover", "umsatz", "jahresumsatz", "chiffre d affaires",
       "fatturato", "omzet", "obrot", "выручка", "segment", "segmento"}));
  return kLatin;
}

const std::vector<std::string>& cjkWorkDetails() {
  static const std::vector<std::string> kCjk = longestFirst(foldedPhrases(
      {"役職", "职位", "职务", "직책", "직위", "직급", "업종", "業種", "行业", "备注", "비고", "税号", "사업자등록번호", "法人番号",
       "部署", "部门", "부서", "员工人数", "従業員数", "統一社会信用代码", "统一社会信用代码", "纳税人识别号", "所属行业", "规模", "人数",
       "资本金", "資本金", "売上高", "营业额", "매출", "직원 수", "직원수"}));
  return kCjk;
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
  if (anyListed(kPersons, foldedWords(label)) || containsAny(folded, kCjkPersons)) return true;
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
                                                   "o", "os", "het", "de", "uw", "my"};
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
  static const std::vector<std::string> kCjkStudy = foldedPhrases({"学校", "학교", "大学", "대학"});
  bool cjkStudy = containsAny(folded, kCjkStudy);
  if (cjkStudy && kind == FieldKind::kEmail) return false;
  return containsAny(folded, cjkInstitutions());
}

bool namesItsContactPerson(const std::string& folded) {
  static const std::vector<std::string> kPhrases = paddedPhrases(
      {"contact name", "contact person", "contact s name", "contact full name", "name of contact", "name of the contact",
       "ansprechpartner", "ansprechpartnerin", "ansprechperson", "kontaktperson", "contactpersoon",
       "personne de contact", "nom du contact", "nom de contact", "persona de contacto", "nombre del contacto",
       "nombre de contacto", "persona di contatto", "nome del contatto", "nome del referente", "pessoa de contato",
       "pessoa de contacto", "nome do contato", "nome do contacto", "osoba kontaktowa", "контактное лицо",
       "контактного лица"});
  static const std::vector<std::string> kCjk = foldedPhrases({"担当者", "담당자", "联系人", "聯絡人"});
  // The organisation's name, or another detail of the person: "Company name of contact",
  // "会社担当者の部署", "회사 담당자 직함".
  static const std::vector<std::string> kNotTheName = paddedPhrases(
      {"company name", "organisation name", "organization name", "business name", "firmenname", "nom de l entreprise",
       "nombre de la empresa", "ragione sociale", "nome da empresa", "bedrijfsnaam", "nazwa firmy", "department",
       "abteilung", "title", "position", "job title", "role"});
  static const std::vector<std::string> kCjkNotTheName =
      foldedPhrases({"会社名", "公司名", "회사명", "법인명", "部署", "役職", "部门", "职位", "职务", "부서", "직함", "직위"});
  if (containsAny(folded, kNotTheName) || containsAny(folded, kCjkNotTheName)) return false;
  // "Company contact", "Empresa · Contacto": the contact is the last word.
  static constexpr std::string_view kLast[] = {" contact ", " contacto ", " contato ", " contatto "};
  return containsAny(folded, kPhrases) || containsAny(folded, kCjk) ||
         std::any_of(std::begin(kLast), std::end(kLast), [&](std::string_view w) { return folded.ends_with(w); });
}

bool namesAnEmployer(const std::string& folded) {
  static const std::vector<std::string> kWords = paddedPhrases(
      {"employer", "employer s", "arbeitgeber", "arbeitgebers", "werkgever", "employeur", "empleador", "empregador",
       "datore", "pracodawca", "pracodawcy", "работодатель", "работодателя"});
  return containsAny(folded, kWords);
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

// The contact details of a person that an organisation has as well: "Firma Telefon".
bool isOrganisationsDetail(FieldKind kind) {
  return kind == FieldKind::kPhone || kind == FieldKind::kEmail || kind == FieldKind::kUrl ||
         kind == FieldKind::kStreetAddress || isALineOfAnAddress(kind);
}

// A former organisation, someone at it or a shared box of it: "Previous employer email",
// "Company HR email", "Firma · E-Mail Geschäftsführer", "Company billing email", "会社電話番号（代表）".
bool namesAnotherPartOfIt(const std::string& folded) {
  static const std::vector<std::string> kWords = paddedPhrases(
      {"hr", "human resources", "personalabteilung", "rh", "rrhh", "contact", "representative", "director", "head",
       "manager", "department", "previous", "former", "prior", "past", "ehemaliger", "ehemalige", "ehemaligen",
       "vorheriger", "vorherige", "fruherer", "ancien", "ancienne", "anterior", "precedente", "poprzedni",
       "предыдущего", "предыдущий", "geschaftsfuhrer", "inhaber", "ansprechpartner", "responsable", "gerente",
       "titolare", "referente", "руководителя", "руководитель", "owner", "owner s", "signatory", "admin", "billing",
       "support", "sales", "info", "client", "supplier", "zentrale", "buchhaltung", "accounting", "invoice",
       "invoices", "rechnung", "facturation", "factura", "fatturazione", "not personal"});
  static const std::vector<std::string> kCjk = foldedPhrases({"负责人", "联系人", "担当者", "담당자", "대표자", "代表", "总机"});
  return containsAny(folded, kWords) || containsAny(folded, kCjk);
}

bool personsOwnAtWork(const std::string& folded, FieldKind kind, bool saysOwn) {
  if (kind != FieldKind::kEmail && kind != FieldKind::kPhone) return false;
  if (!isBareOrganisationsDetail(folded) || namesAnotherPartOfIt(folded)) return false;
  if (saysOwn) return true;
  return kind == FieldKind::kEmail && !namesAnEmployer(folded);
}

bool namesAnErrand(const std::string& folded) {
  static const std::vector<std::string> kLatin = foldedAll({
      "booking", "order", "reservation", "check", "in", "check-in", "checkin", "your", "my", "the", "hotel",
      "airline", "flight", "restaurant", "table", "room", "trip", "travel", "bestellung", "buchung", "reservierung",
      "ihre", "commande", "votre", "reserva", "pedido", "su", "ordine", "prenotazione", "bestelling", "boeking",
      "reservering", "zamowienie", "rezerwacja", "заказ", "бронирование", "online", "ticket", "manage", "retrieve",
      "view", "find", "existing", "verwalten", "gerer", "gestionar", "gestisci", "gerir", "beheren"});
  static const std::vector<std::string> kCjk = foldedPhrases({"ご予約", "予約", "ご注文", "注文", "预订", "预定", "订单", "예약", "주문", "ホテル", "酒店", "호텔"});
  return madeOnlyOf(folded, kLatin, kCjk);
}

bool namesOnlyAPerson(const std::string& folded) {
  static const std::vector<std::string> kLatin = paddedPhrases(
      {"emergency", "emergencia", "emergenza", "urgence", "urgencia", "notfall", "notfallkontakt", "nood",
       "noodcontact", "next of kin", "hausarzt", "family doctor", "medecin traitant", "referrer", "referred by",
       "who referred you", "quem indicou", "werber", "werbers", "parrain", "marraine", "angehorige", "angehorigen"});
  static const std::vector<std::string> kCjk =
      foldedPhrases({"緊急", "紧急", "비상", "긴급", "紹介者", "推荐人", "介绍人", "추천인", "家族", "가족", "配偶"});
  return containsAny(folded, kLatin) || containsAny(folded, kCjk);
}

bool namesAWorkDetail(const std::string& folded) {
  return containsAny(folded, workDetails()) || containsAny(folded, cjkWorkDetails());
}

std::string withoutWorkDetails(const std::string& folded) {
  std::string rest = folded;
  for (const std::vector<std::string>* list : {&workDetails(), &cjkWorkDetails()}) {
    for (const std::string& phrase : *list) {
      // A padded phrase keeps its spaces: " position " -> "  ".
      bool padded = phrase.front() == ' ';
      for (std::size_t at = rest.find(phrase); at != std::string::npos; at = rest.find(phrase, at + 1)) {
        std::fill(rest.begin() + static_cast<std::ptrdiff_t>(at + (padded ? 1 : 0)),
                  rest.begin() + static_cast<std::ptrdiff_t>(at + phrase.size() - (padded ? 1 : 0)), ' ');
      }
    }
  }
  return rest;
}

}  // namespace oskel::answer
