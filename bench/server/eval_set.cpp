#include "eval_set.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <regex>
#include <unordered_set>

#include <nlohmann/json.hpp>

namespace oskel::eval {
namespace {

enum Attr { kGiven, kFamily, kFull, kEmail, kPhone, kStreet, kPostal, kCity, kRegion, kCountry, kCompany, kUsername,
            kWebsite, kBirth, kAttrCount };

struct Persona {
  const char* lang;
  const char* values[kAttrCount];
};

// Fictional people; numbers are in the ranges set aside for examples where such exist.
const Persona kPersonas[] = {
    {"de", {"Anna", "Müller", "Anna Müller", "anna.mueller@posteo.de", "+49 30 12345678", "Hauptstraße 12", "10115",
            "Berlin", "Berlin", "Deutschland", "Müller & Partner GmbH", "anna_mueller88", "https://annamueller.de",
            "14.03.1988"}},
    {"fr", {"Camille", "Dubois", "Camille Dubois", "camille.dubois@orange.fr", "06 12 34 56 78", "12 rue de la Paix",
            "75002", "Paris", "Île-de-France", "France", "Dubois Conseil SARL", "cdubois", "https://camilledubois.fr",
            "02/07/1991"}},
    {"es", {"María", "García López", "María García López", "maria.garcia@gmail.com", "+34 612 345 678",
            "Calle Mayor 5", "28013", "Madrid", "Madrid", "España", "Soluciones Ibéricas S.L.", "mgarcia_lopez",
            "https://mariagarcia.es", "1985-11-23"}},
    {"it", {"Giulia", "Rossi", "Giulia Rossi", "giulia.rossi@libero.it", "+39 312 345 6789", "Via Roma 21", "20121",
            "Milano", "Lombardia", "Italia", "Rossi Design S.r.l.", "giulia.rossi", "https://giuliarossi.it",
            "09/05/1990"}},
    {"pt", {"João", "Silva", "João Silva", "joao.silva@sapo.pt", "+351 912 345 678", "Rua Augusta 100", "1100-053",
            "Lisboa", "Lisboa", "Portugal", "Silva & Filhos Lda", "joaosilva77", "https://joaosilva.pt", "1977-08-30"}},
    {"nl", {"Daan", "de Vries", "Daan de Vries", "daan.devries@ziggo.nl", "06 12345678", "Keizersgracht 123", "1015 CJ",
            "Amsterdam", "Noord-Holland", "Nederland", "De Vries Techniek B.V.", "daandevries", "https://daandevries.nl",
            "21-04-1983"}},
    {"pl", {"Katarzyna", "Nowak", "Katarzyna Nowak", "k.nowak@wp.pl", "+48 512 345 678", "ul. Długa 7", "00-238",
            "Warszawa", "mazowieckie", "Polska", "Nowak Software Sp. z o.o.", "kasia_nowak", "https://knowak.pl",
            "1992-01-17"}},
    {"ru", {"Иван", "Петров", "Иван Петров", "ivan.petrov@yandex.ru", "+7 912 345-67-89", "ул. Ленина, д. 10",
            "101000", "Москва", "Москва", "Россия", "ООО Ромашка", "ivan_petrov", "https://ivanpetrov.ru", "05.06.1980"}},
    {"ja", {"太郎", "田中", "田中 太郎", "taro.tanaka@example.jp", "090-1234-5678", "千代田区丸の内1丁目9-1", "100-0005",
            "東京", "東京都", "日本", "株式会社タナカ", "tanaka_taro", "https://tanaka.example.jp", "1986年4月12日"}},
    {"en", {"Emily", "Johnson", "Emily Johnson", "emily.johnson@gmail.com", "(415) 555-0132", "742 Evergreen Terrace",
            "94107", "San Francisco", "California", "United States", "Brightside Labs Inc.", "emilyj42",
            "https://emilyjohnson.dev", "1993-07-04"}},
    {"en", {"Oliver", "Smith", "Oliver Smith", "oliver.smith@outlook.com", "+44 20 7946 0958", "221B Baker Street",
            "NW1 6XE", "London", "England", "United Kingdom", "Smith Analytics Ltd", "olly_smith",
            "https://oliversmith.co.uk", "12/09/1989"}},
    {"ko", {"민준", "김", "김민준", "minjun.kim@naver.com", "+82 10-1234-5678", "테헤란로 152", "06236", "서울", "서울특별시",
            "대한민국", "주식회사 한빛", "minjun_kim", "https://minjun.kr", "1990-03-15"}},
    // People whose names, towns and companies are in none of the engine's word lists, so
    // that the set also measures how the engine does on values it has never seen.
    {"sv", {"Linnea", "Lindqvist", "Linnea Lindqvist", "linnea.lindqvist@telia.se", "+46 70 123 45 67",
            "Storgatan 14", "114 55", "Västerås", "Västmanlands län", "Sverige", "Lindqvist Bygg AB", "linnea_l",
            "https://linnealindqvist.se", "1987-10-02"}},
    {"cs", {"Tereza", "Dvořáková", "Tereza Dvořáková", "tereza.dvorakova@seznam.cz", "+420 601 123 456",
            "Národní 25", "110 00", "Olomouc", "Olomoucký kraj", "Česko", "Dvořák a syn s.r.o.", "tereza.dv",
            "https://dvorakova.cz", "03.04.1994"}},
    {"tr", {"Elif", "Yılmaz", "Elif Yılmaz", "elif.yilmaz@hotmail.com", "+90 532 123 45 67", "İstiklal Caddesi 42",
            "34430", "Eskişehir", "Eskişehir", "Türkiye", "Yılmaz Tekstil A.Ş.", "elifyilmaz",
            "https://elifyilmaz.com.tr", "12.11.1995"}},
    {"pt", {"Thiago", "Mourão", "Thiago Mourão", "thiago.mourao@uol.com.br", "+55 11 91234-5678",
            "Rua das Flores 250", "01310-100", "Campinas", "São Paulo", "Brasil", "Mourão Tecnologia Ltda",
            "thiagomourao", "https://thiagomourao.com.br", "1991-06-18"}},
};

// Labels of a person's own note, per language.
const std::map<std::string, std::vector<std::string>> kNoteLabels = {
    {"de", {"Vorname", "Nachname", "Name", "E-Mail", "Telefon", "Straße", "PLZ", "Ort", "Bundesland", "Land", "Firma",
            "Benutzername", "Webseite", "Geburtsdatum"}},
    {"fr", {"Prénom", "Nom", "Nom complet", "E-mail", "Téléphone", "Adresse", "Code postal", "Ville", "Région", "Pays",
            "Société", "Identifiant", "Site web", "Date de naissance"}},
    {"en", {"First name", "Last name", "Name", "Email", "Phone", "Address", "ZIP", "City", "State", "Country",
            "Company", "Username", "Website", "Date of birth"}},
};

const char* const kNoise[] = {
    "Meeting moved to Thursday 3pm, room 4.12",
    "git push origin main",
    "for (int i = 0; i < n; ++i) { total += values[i]; }",
    "SELECT id, name FROM users WHERE active = 1;",
    "https://en.wikipedia.org/wiki/Clipboard_(computing)",
    "https://www.youtube.com/watch?v=dQw4w9WgXcQ",
    "https://github.com/torvalds/linux/blob/master/README",
    "Order #4829103 has shipped",
    "4829103",
    "1Z999AA10123456784",
    "129,90 €",
    "$1,249.00",
    "2026-03-14",
    "14:30",
    "2024",
    "42",
    "TODO: call the landlord about the heating",
    "Lorem ipsum dolor sit amet, consectetur adipiscing elit.",
    "/home/user/projects/report-final-v2.pdf",
    "{\"status\": \"ok\", \"count\": 3}",
    "Milk, eggs, bread, coffee",
    "The quick brown fox jumps over the lazy dog.",
    "Thanks! See you tomorrow.",
    "SKU-48213-BLK",
    "DE89 3704 0044 0532 0130 00",
    "Flight LH 2034 departs 07:45 from gate B12",
    "npm install --save-dev typescript",
    "#photography",
    "ok",
    "Password reset link expires in 24 hours",
    "Wi-Fi: CafeGuest",
    "3 x 250 g butter",
    "Invoice 2026-0117 due 2026-04-01",
    "Kindly confirm receipt.",
    "docker run -p 8080:80 nginx",
};

struct Other {
  const char* name;
  const char* email;
  const char* phone;
  const char* company;
};
const Other kOthers[] = {
    {"Mark Peters", "mark.peters@acme-supplies.com", "+1 212 555 0187", "Acme Supplies Inc."},
    {"Sophie Laurent", "s.laurent@atelier-laurent.fr", "+33 1 23 45 67 89", "Atelier Laurent SAS"},
    {"Thomas Becker", "t.becker@becker-bau.de", "+49 89 98765432", "Becker Bau GmbH"},
    {"Lucía Fernández", "lucia.fernandez@telefonica.es", "+34 911 234 567", "Telefónica S.A."},
    {"Jan Kowalski", "jan.kowalski@firma.pl", "+48 22 123 45 67", "Firma Kowalski Sp. z o.o."},
    {"Hiroshi Sato", "h.sato@sato-trading.jp", "03-1234-5678", "佐藤商事株式会社"},
};

struct Clip {
  std::string id;
  std::string text;
};

// The client's value extraction, reduced to what these histories need:
// the whole text, e-mail, web and phone matches, label lines, tab rows, other lines.
std::vector<std::string> indexValues(const std::string& text) {
  static const std::regex email("[A-Za-z0-9._%+-]+@[A-Za-z0-9.-]+\\.[A-Za-z]{2,}");
  static const std::regex web("https?://[^\\s]+", std::regex::icase);
  static const std::regex phone("(?:\\+?\\d[\\d ().-]{7,}\\d)");
  std::vector<std::string> out;
  std::unordered_set<std::string> seen;
  auto offer = [&](std::string v) {
    auto b = v.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return;
    v = v.substr(b, v.find_last_not_of(" \t\r\n") - b + 1);
    if (v.size() > 500) return;
    std::string lower = v;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (seen.insert(lower).second) out.push_back(v);
  };
  if (text.size() <= 500) offer(text);
  for (const std::regex* re : {&email, &web, &phone}) {
    for (auto it = std::sregex_iterator(text.begin(), text.end(), *re); it != std::sregex_iterator(); ++it) offer(it->str());
  }
  std::size_t start = 0;
  std::vector<std::string> lines;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  for (const std::string& line : lines) {
    std::size_t tab = line.find('\t');
    if (tab != std::string::npos) {
      offer(line.substr(tab + 1));
      continue;
    }
    std::size_t colon = line.find(':');
    if (colon != std::string::npos && colon >= 2 && colon <= 40 && std::isalpha(static_cast<unsigned char>(line[0])) &&
        line.compare(colon + 1, 2, "//") != 0) {
      std::string value = line.substr(colon + 1);
      if (value.find_first_not_of(' ') != std::string::npos) {
        offer(value);
        continue;
      }
    }
    offer(line);
  }
  return out;
}

// The group under which an annotated type is reported, and the attribute that answers it.
struct Target {
  std::string group;
  std::vector<Attr> attrs;  // empty: must get no answer
  bool anyLink = false;
  // Values that are right as well but that the history is not made to hold (see alsoRightFor).
  std::vector<Attr> alsoRight = {};
};

Target targetFor(const std::string& type) {
  if (type == "email" || type == "email confirmation") return {"email", {kEmail}};
  if (type == "username") return {"username", {kUsername}};
  if (type == "username or email") return {"username-or-email", {kEmail, kUsername}};
  if (type == "full name") return {"full-name", {kFull}};
  if (type == "first name") return {"given-name", {kGiven}};
  if (type == "last name") return {"family-name", {kFamily}};
  if (type == "phone") return {"phone", {kPhone}};
  if (type == "postal code") return {"postal-code", {kPostal}};
  if (type == "city") return {"city", {kCity}};
  if (type == "state") return {"region", {kRegion}};
  if (type == "country") return {"country", {kCountry}};
  if (type == "address" || type == "address line 1" || type == "full street address") return {"street", {kStreet}};
  if (type == "organization name") return {"organisation", {kCompany}};
  if (type == "full birth date") return {"birth-date", {kBirth}};
  if (type == "url") return {"url", {}, true};
  // A read-only field takes no input at all; whatever its label says, it is not a case.
  if (type == "other read-only") return {"", {}};
  return {"no-answer", {}};
}

bool containsAny(const std::string& lowered, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* w) { return lowered.find(w) != std::string::npos; });
}

// Two places where the annotation names one value and the label plainly asks for another
// that the person would give just as well:
// - A field annotated "username" whose label asks for an e-mail address or a phone number
//   ("* Email Address", "Login or email", "Mobile Number" on a sign-in form): the site takes
//   that value as the account name, so the person's e-mail (or phone) is right too.
// - A field annotated "full name" (the form's only name field) whose label is the word for
//   the given name in languages that name the family name apart ("Имя", "Nombre", "Nome",
//   "Imię"): people there answer with their given name, so it is right too.
// A bare "Name" annotated as the first name (beside a surname field) stays strict: the full
// name is wrong there. Neither rule adds the extra value to the history.
std::vector<Attr> alsoRightFor(const std::string& type, const std::string& label) {
  std::string l = label;
  std::transform(l.begin(), l.end(), l.begin(), [](unsigned char c) { return std::tolower(c); });
  std::vector<Attr> out;
  if (type == "username") {
    if (containsAny(l, {"email", "e-mail", "e-post", "mail", "correo", "courriel", "почт", "メール", "메일", "邮箱"})) {
      out.push_back(kEmail);
    }
    if (containsAny(l, {"phone", "mobile", "telefon", "телефон", "電話", "手机"})) out.push_back(kPhone);
  }
  if (type == "full name") {
    // The label with its decorations removed: "Имя:", "Nome *", "Ваше имя".
    std::string bare;
    for (char ch : l) {
      if (ch != '*' && ch != ':' && ch != '(' && ch != ')') bare += ch;
    }
    while (!bare.empty() && bare.back() == ' ') bare.pop_back();
    while (!bare.empty() && bare.front() == ' ') bare.erase(bare.begin());
    // Cyrillic is not lowered by tolower(); both spellings are listed.
    for (const char* w : {"имя", "Имя", "ваше имя", "Ваше имя", "nombre", "nome", "imię", "imie"}) {
      if (bare == w) out.push_back(kGiven);
    }
  }
  return out;
}

// A label that asks for another person's value: a friend to tell, the recipient of a gift
// or a message, a child, an emergency contact. The annotators typed such fields by their
// value ("email"), but the person's own address is exactly what must not go there.
bool asksForSomeoneElse(const std::string& label) {
  std::string l = label;
  std::transform(l.begin(), l.end(), l.begin(), [](unsigned char c) { return std::tolower(c); });
  return containsAny(l, {"friend", "recipient", "empfänger", "empfanger", "freund", "destinataire", "votre ami",
                         "amigo", "destinatario", "amico", "vriend", "ontvanger", "znajom", "odbiorc", "друг",
                         "Друг", "получател", "Получател", "child's", "spouse", "emergency contact"});
}

std::string clipId(std::mt19937_64& rng) {
  static const char* hex = "0123456789ABCDEF";
  std::string id;
  for (int i = 0; i < 36; ++i) id += (i == 8 || i == 13 || i == 18 || i == 23) ? '-' : hex[rng() % 16];
  return id;
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

EvalCase makeCase(const nlohmann::json& field, std::size_t index, const std::string& salt, bool annotationsAsIs) {
  EvalCase c;
  c.label = field.value("label", "");
  c.expectedType = field.value("expected_type", "");
  std::string page = field.value("source_file", "");
  c.heldAside = fnv1a(page) % 10 < 3;
  Target target = targetFor(c.expectedType);
  target.alsoRight = alsoRightFor(c.expectedType, c.label);
  // "url" covers two sorts of field. One asks for a link to some content ("paste the url to a
  // video", "URL where the issue occurred"): any link copied is a fair answer. The other asks
  // for the person's own site ("Website", "Homepage", "Web"): another site's page is wrong there.
  if (c.expectedType == "url") {
    std::string l = lower(c.label);
    bool content = containsAny(l, {"url", "link", "video", "vidéo", "image", "youtube", "dailymotion"});
    bool ownSite = containsAny(l, {"website", "web site", "web", "homepage", "home page", "site", "sito", "sitio",
                                   "strona", "сайт", "http://", "https://"});
    if (ownSite && !content) target = {"url", {kWebsite}};
  }
  c.group = target.group;
  std::mt19937_64 rng(fnv1a(salt + page + "\n" + c.label + "\n" + std::to_string(index)));
  auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
  const Persona& me = kPersonas[rng() % std::size(kPersonas)];
  c.person = me.values[kFull];
  // 15% of answerable fields find no value of theirs in the history.
  bool leaveOut = !target.attrs.empty() && chance(0.15);
  std::set<int> left;
  if (leaveOut) left.insert(target.attrs.begin(), target.attrs.end());

  std::vector<Clip> clips;
  auto add = [&](std::string text) { clips.push_back({clipId(rng), std::move(text)}); };
  std::vector<bool> present(kAttrCount, false);
  for (int a = 0; a < kAttrCount; ++a) {
    if (left.count(a) == 0 && chance(0.5)) {
      add(me.values[a]);
      present[a] = true;
    }
  }
  auto labels = kNoteLabels.find(me.lang);
  if (labels == kNoteLabels.end()) labels = kNoteLabels.find("en");
  if (chance(0.35)) {
    std::string note;
    for (int a = 0; a < kAttrCount; ++a) {
      if (left.count(a) == 0 && chance(0.6)) {
        note += labels->second[a] + ": " + me.values[a] + "\n";
        present[a] = true;
      }
    }
    if (!note.empty()) add(note.substr(0, note.size() - 1));
  }
  bool blockPossible = true;
  for (Attr a : {kFull, kStreet, kPostal, kCity, kCountry}) blockPossible = blockPossible && left.count(a) == 0;
  if (blockPossible && chance(0.35)) {
    add(std::string(me.values[kFull]) + "\n" + me.values[kStreet] + "\n" + me.values[kPostal] + " " +
        me.values[kCity] + "\n" + me.values[kCountry]);
    for (Attr a : {kFull, kStreet, kCountry}) present[a] = true;
  }
  for (Attr a : target.attrs) {
    if (!present[a] && left.count(a) == 0) add(me.values[a]);
  }
  // Other people: signatures and messages; now and then one of their values copied alone.
  for (int k = 0, n = 1 + static_cast<int>(rng() % 2); k < n; ++k) {
    const Other& o = kOthers[rng() % std::size(kOthers)];
    if (chance(0.5)) {
      add(std::string("Best regards,\n") + o.name + "\n" + o.company + "\nTel. " + o.phone + "\n" + o.email);
    } else {
      add(std::string("Hi, could you send the signed contract to ") + o.email + " or call me at " + o.phone +
          " before Friday? Thanks, " + o.name);
    }
    if (chance(0.1)) add(o.email);
  }
  for (int k = 0, n = 6 + static_cast<int>(rng() % 15); k < n; ++k) add(kNoise[rng() % std::size(kNoise)]);
  std::shuffle(clips.begin(), clips.end(), rng);

  // The client's candidate selection: 40 newest clips, 180 values, case-insensitive duplicates once.
  std::unordered_set<std::string> seen;
  std::size_t budget = 0;
  for (std::size_t i = 0; i < clips.size() && i < 40; ++i) {
    std::vector<std::string> values = indexValues(clips[i].text);
    for (std::size_t v = 0; v < values.size(); ++v) {
      if (!seen.insert(lower(values[v])).second) continue;
      if (c.candidates.size() == 180 || budget + values[v].size() > 24000) break;
      budget += values[v].size();
      c.candidates.push_back({clips[i].id + ":index" + std::to_string(v), values[v]});
    }
  }
  for (const answer::CandidateInput& cand : c.candidates) {
    for (Attr a : target.attrs) {
      if (lower(cand.text) == lower(me.values[a])) c.rightIds.insert(cand.id);
    }
    for (Attr a : target.alsoRight) {
      if (lower(cand.text) == lower(me.values[a]) && c.rightIds.insert(cand.id).second) c.alsoRightIds.insert(cand.id);
    }
    if (target.anyLink && cand.text.rfind("http", 0) == 0 && cand.text.find(' ') == std::string::npos) {
      c.rightIds.insert(cand.id);
    }
  }
  // The history holds the person's own value all the same: the case checks that it stays out.
  if (!annotationsAsIs && !target.attrs.empty() && asksForSomeoneElse(c.label)) {
    c.someoneElses = true;
    c.group = "no-answer";
    c.rightIds.clear();
    c.alsoRightIds.clear();
  }
  return c;
}

}  // namespace

std::uint64_t fnv1a(const std::string& text) {
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char b : text) {
    h ^= b;
    h *= 0x100000001b3ULL;
  }
  return h;
}

std::vector<EvalCase> buildEvalSet(const std::string& labelsPath, const std::string& salt, bool annotationsAsIs) {
  std::ifstream in(labelsPath);
  if (!in) return {};
  nlohmann::json fields = nlohmann::json::parse(in, nullptr, false);
  if (!fields.is_array()) return {};
  std::vector<EvalCase> cases;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EvalCase c = makeCase(fields[i], i, salt, annotationsAsIs);
    if (!c.group.empty()) cases.push_back(std::move(c));
  }
  return cases;
}

}  // namespace oskel::eval
