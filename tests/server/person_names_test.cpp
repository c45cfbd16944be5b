// How labels that name several parts of a person's name at once read, and the words near a
// name that must not change its reading ("letters", "excluding", "including").
#include <gtest/gtest.h>

#include <optional>

#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(LabelReader, PartsOfANameNamedTogether) {
  expectKinds({
      // Both the given and the family name, in either order and any join: the whole name.
      {"Apellidos, nombre", FieldKind::kFullName},
      {"Apellido y nombre", FieldKind::kFullName},
      {"Cognome, nome", FieldKind::kFullName},
      {"Sobrenome, nome", FieldKind::kFullName},
      {"Nazwisko, imi\u0119", FieldKind::kFullName},
      {"Achternaam, voornaam", FieldKind::kFullName},
      {"Familienname, Vorname", FieldKind::kFullName},
      {"Given name, family name", FieldKind::kFullName},
      {"Forename & surname", FieldKind::kFullName},
      {"First name & surname", FieldKind::kFullName},
      {"Nom et pr\u00E9noms", FieldKind::kFullName},
      {"Name (first, last)", FieldKind::kFullName},
      {"Name (Last, First)", FieldKind::kFullName},
      {"Imi\u0119, drugie imi\u0119 i nazwisko", FieldKind::kFullName},
      {"Given name and surname", FieldKind::kFullName},
      {"Given name(s) and surname", FieldKind::kFullName},
      // A middle name beside one part: the saved part, which carries no middle name apart.
      {"First and middle name", FieldKind::kGivenName},
      {"First/Middle name", FieldKind::kGivenName},
      {"First Name, Middle Initial", FieldKind::kGivenName},
      {"\u0418\u043C\u044F \u0438 \u043E\u0442\u0447\u0435\u0441\u0442\u0432\u043E", FieldKind::kGivenName},  // Имя и отчество
      {"Full name (including middle name)", FieldKind::kFullName},
      {"Achternaam (incl. tussenvoegsel)", FieldKind::kFamilyName},
      {"Tussenvoegsel + achternaam", FieldKind::kFamilyName},
      {"Second name (surname)", FieldKind::kFamilyName},
      {"Second name", FieldKind::kMiddleName},
      // A middle name or initials alone, or initials before the family name: nothing saved.
      {"Middle name", FieldKind::kMiddleName},
      {"Tussenvoegsel", FieldKind::kMiddleName},
      {"Initials and surname", FieldKind::kMiddleName},
      {"Autres pr\u00E9noms", FieldKind::kMiddleName},
      // Plurals of the parts.
      {"Pr\u00E9noms", FieldKind::kGivenName},
      {"Cognomi", FieldKind::kFamilyName},
      {"Sobrenomes", FieldKind::kFamilyName},
      {"Nazwiska", FieldKind::kFamilyName},
      // A part named in a hint is no part of the field's: the field's own word decides.
      {"Given names (if you have only one name, enter it as your family name)", FieldKind::kGivenName},
      {"Middle name (not your first name)", FieldKind::kMiddleName},
      {"Tussenvoegsel (bij achternaam)", FieldKind::kMiddleName},
      {"First name initial", FieldKind::kMiddleName},
      {"\u0412\u0432\u0435\u0434\u0438\u0442\u0435 \u0438\u043C\u044F", FieldKind::kGivenName},  // Введите имя
      // A name without one of its parts is the other part.
      {"Name (excluding last name)", FieldKind::kGivenName},
      {"\uC774\uB984 (\uC131 \uC81C\uC678)", FieldKind::kGivenName},  // 이름 (성 제외)
      // A hint on what the whole name holds names no part of it.
      {"Nombre completo \u00B7 Con ambos apellidos", FieldKind::kFullName},
      {"Nome completo \u00B7 Incluindo todos os sobrenomes", FieldKind::kFullName},
      {"Vollst\u00E4ndiger Name \u00B7 inkl. zweitem Vornamen", FieldKind::kFullName},
      // A name word of two senses heading the parts of a name is the whole name.
      {"Nom \u00B7 Pr\u00E9nom", FieldKind::kGivenName},
      {"Nome \u00B7 Cognome", FieldKind::kFamilyName},
      // The name asked as a question.
      {"Comment vous appelez-vous ?", FieldKind::kFullName},
      {"Wie hei\u00DFt du?", FieldKind::kFullName},
      {"\u00BFC\u00F3mo te llamas?", FieldKind::kFullName},
      {"How should we call you?", FieldKind::kFullName},
      {"Comment", FieldKind::kComment},
      // Labels that run several fields together keep each part to its own field.
      {"First name: Last name:", FieldKind::kFamilyName},
      {"Full name: Middle name:", FieldKind::kMiddleName},
  });
}

TEST(LabelReader, LettersAndExclusionsAreNoFieldOfTheirOwn) {
  expectKinds({
      // How a value is written is no captcha; typing letters one is shown is.
      {"Username (letters and numbers only)", FieldKind::kUsername},
      {"Given name (Latin letters)", FieldKind::kGivenName},
      {"Name (in capital letters)", FieldKind::kFullName},
      {"City (letters only)", FieldKind::kCity},
      {"Please type in the following letters:", FieldKind::kCaptcha},
      {"Type the letters you see", FieldKind::kCaptcha},
      {"Enter the letters shown above", FieldKind::kCaptcha},
      // What a field leaves out is not what it asks for; the person's own value stays theirs.
      {"Phone (excluding work numbers)", FieldKind::kPhone},
      {"\uBCF8\uC778 \uC5F0\uB77D\uCC98 (\uAC00\uC871 \uBC88\uD638 \uC81C\uC678)", FieldKind::kPhone},  // 본인 연락처 (가족 번호 제외)
      {"\uBCF8\uC778 \uC774\uBA54\uC77C (\uD68C\uC0AC \uBC88\uD638 \uC81C\uC678)", FieldKind::kEmail},  // 본인 이메일 (회사 번호 제외)
  });
}

TEST(LabelReader, NamesOfThingsOtherPeopleAndHowToWriteAValue) {
  expectKinds({
      // The name of a thing, in any language, is no person's.
      {"Nom du fichier", FieldKind::kOtherNumber},
      {"Nombre del equipo", FieldKind::kOtherNumber},
      {"Name der Bank", FieldKind::kOtherNumber},
      {"\u0418\u043C\u044F \u0444\u0430\u0439\u043B\u0430", FieldKind::kOtherNumber},  // Имя файла
      {"\uD30C\uC77C \uC774\uB984", FieldKind::kOtherNumber},                        // 파일 이름
      {"School name", FieldKind::kOrganisation},
      // Another person, named by a relation or as the heading of their details.
      {"Name of your partner", FieldKind::kSomeoneElse},
      {"Hijo 1 \u00B7 Nombre", FieldKind::kSomeoneElse},
      {"Kind \u00B7 Vorname", FieldKind::kSomeoneElse},
      {"Partner company", FieldKind::kOrganisation},
      // Both parts of the name joined in German and Dutch, where "Name" and "naam" are the surname.
      {"Vorname und Name", FieldKind::kFullName},
      {"Naam en voornaam", FieldKind::kFullName},
      {"Geben Sie Ihren Namen ein", FieldKind::kFullName},
      {"\u0423\u043A\u0430\u0436\u0438\u0442\u0435 \u0432\u0430\u0448\u0435 \u0438\u043C\u044F", FieldKind::kGivenName},  // Укажите ваше имя
      // A citizenship is no country of residence.
      {"Country of citizenship", FieldKind::kOtherNumber},
      {"Nationalit\u00E9 (pays)", FieldKind::kOtherNumber},
      {"Country", FieldKind::kCountry},
      // How to write the value: the document it is copied from, the code the number starts with.
      {"Nombre (seg\u00FAn DNI)", FieldKind::kGivenName},
      {"Nome completo (conforme CPF)", FieldKind::kFullName},
      {"Phone (include country code)", FieldKind::kPhone},
      {"Phone: Area code first:", FieldKind::kPhone},
      {"Area code", FieldKind::kPhonePart},
      // An account to sign in to is no bank account.
      {"Konto erstellen \u00B7 E-Mail-Adresse", FieldKind::kEmail},
      {"Za\u0142\u00F3\u017C konto \u00B7 Telefon", FieldKind::kPhone},
      {"Kontonummer", FieldKind::kCardOrSecurityCode},
  });
}

TEST(AnswerEngine, ANameOfSeveralPartsGetsTheWholeSavedName) {
  auto history = list({{"F:index0", "María García López"},
                       {"G:index0", "María"},
                       {"L:index0", "García López"},
                       {"U:index0", "mgarcia_lopez"},
                       {"M:index0", "maria.garcia@gmail.com"}});
  expectChoices({
      {"Apellidos, nombre", history, 0, true},
      {"Forename & surname", history, 0, true},
      {"First and middle name", history, 1},
      {"Tussenvoegsel + achternaam", history, 2},
      {"Name (excluding last name)", history, 1},
      {"Username (letters and numbers only)", history, 3, true},
      {"Initials and surname", history, std::nullopt},
      {"Type the letters you see", history, std::nullopt},
  });
}

// "Kisumu County" is no person's name, so "Kisumu" begins no name: it went into a given-name
// field with full certainty before, and is now only offered, as any word no list knows. Nor
// is a bare order number a phone.
TEST(AnswerEngine, PlacesAndNumbersThatLookLikeTheRightValue) {
  auto history = list({{"R:index0", "Kisumu County"},
                       {"C:index0", "Kisumu"},
                       {"O:index0", "4829103"},
                       {"B:index0", "1990.11.09."},
                       {"M:index0", "wanjiru.k@gmail.com"}});
  expectChoices({
      {"First name", history, 1, false},
      {"Full name", history, std::nullopt},
      {"County", history, 0, true},
      {"Phone", history, std::nullopt},
      {"Date of birth", history, 3, true},
  });
}

// Two words no list knows read as a name by their shape alone; where the person's own address
// names someone else, they are as likely a town, and are only offered.
TEST(AnswerEngine, AnUnknownPairBesideAnAddressThatSpellsAnotherName) {
  expectChoices({
      {"Full name", list({{"T:index0", "Sete Lagoas"}, {"M:index0", "lucas.ferreira@bol.com.br"}}), 0, false},
      {"Full name", list({{"T:index0", "Sete Lagoas"}, {"M:index0", "info@example.com"}}), 0, true},
      // Handles that name no one, or that share a word with the name, leave it inserted.
      {"Full name", list({{"N:index0", "Thiago Mourão"}, {"F:index0", "IMG_4821.jpg"}}), 0, true},
      {"Full name", list({{"N:index0", "Ngozi Adeyemi"}, {"M:index0", "customer.care@jumia.com.ng"}}), 0, true},
      {"Full name", list({{"N:index0", "Ximena García López"}, {"M:index0", "ximena.garcia@gmail.com"}}), 0, true},
      {"Full name", list({{"N:index0", "Siddharth Rao"}, {"M:index0", "sid.rao@gmail.com"}}), 0, true},
      // A name whose parts were each copied alone is the person's, ahead of a newer pair.
      {"Full name", list({{"T:index0", "Jawa Barat"}, {"G:index0", "Putri"}, {"F:index0", "Wulandari"},
                          {"N:index0", "Putri Wulandari"}}), 3, true},
      // A name in another script has no spelling a handle can be checked against.
      {"Full name", list({{"N:index0", "Олег Кузнецов"}, {"M:index0", "oleg.kuznetsov@mail.ru"}}), 0, true},
      // A family name of several words is spelled as one run in the address.
      {"Full name", list({{"N:index0", "Siobhán Ó Briain"}, {"M:index0", "siobhan.obriain@eircom.net"}}), 0, true},
      {"Full name", list({{"T:index0", "Sete Lagoas"}, {"N:index0", "Siobhán Ó Briain"},
                          {"M:index0", "siobhan.obriain@eircom.net"}}), 1, true},
      {"Full name", list({{"T:index0", "Jawa Barat"}, {"N:index0", "Daan de Vries"}, {"M:index0", "daandevries"}}),
       1, true},
  });
}

// Hungarians, Vietnamese and Chinese write the family name first, in Latin letters too.
TEST(AnswerEngine, NamesWrittenFamilyNameFirst) {
  auto hungarian = list({{"N:index0", "Nagy László"},
                         {"G:index0", "László"},
                         {"F:index0", "Nagy"},
                         {"M:index0", "laszlo.nagy@freemail.hu"}});
  auto vietnamese = list({{"N:index0", "Nguyễn Thị Lan"}, {"G:index0", "Lan"}, {"F:index0", "Nguyễn"}});
  // The lists cannot tell "Bernard Paul" apart: the order it was written in holds.
  auto unclear = list({{"N:index0", "Bernard Paul"}, {"G:index0", "Bernard"}, {"F:index0", "Paul"}});
  expectChoices({
      {"First name", hungarian, 1, true},
      {"Last name", hungarian, 2, true},
      {"Full name", hungarian, 0, true},
      {"Vorname", list({{"N:index0", "Wang Wei"}, {"G:index0", "Wei"}, {"F:index0", "Wang"}}), 1, true},
      {"First name", vietnamese, 1, true},
      {"Last name", vietnamese, 2, true},
      {"First name", unclear, 1, true},
      // The reading in kana, copied newer, stays behind the name in kanji.
      {"\u540D", list({{"K:index0", "\u30DF\u30B5\u30AD"}, {"G:index0", "\u7F8E\u54B2"}, {"F:index0", "\u4F50\u85E4"},
                     {"N:index0", "\u4F50\u85E4 \u7F8E\u54B2"}}), 1, true},  // 名: ミサキ, 美咲, 佐藤, 佐藤 美咲
      // Written family name first once, and given name first in a signature line.
      {"Imi\u0119", list({{"G:index0", "Katarzyna"}, {"F:index0", "Wi\u015Bniewska"}, {"N:index0", "Wi\u015Bniewska Katarzyna"},
                      {"S:index0", "Kasia Wi\u015Bniewska"}}), 0, true},
      {"Nazwisko", list({{"G:index0", "Katarzyna"}, {"F:index0", "Wi\u015Bniewska"}, {"N:index0", "Wi\u015Bniewska Katarzyna"},
                        {"S:index0", "Kasia Wi\u015Bniewska"}}), 1, true},
      // The address puts the given name first; the site's host, the other way round, does
      // not outweigh it, and alone two handles that disagree tell nothing.
      {"Vorname", list({{"F:index0", "Tschudi"}, {"G:index0", "Seraina"}, {"W:index0", "https://tschudi-seraina.ch"},
                        {"M:index0", "seraina.tschudi@bluewin.ch"}}), 1, true},
      {"Vorname", list({{"F:index0", "Tschudi"}, {"W:index0", "https://tschudi-seraina.ch"},
                        {"M:index0", "seraina.tschudi@bluewin.ch"}}), std::nullopt},
      {"Vorname", list({{"F:index0", "Tschudi"}, {"M:index0", "seraina.tschudi@bluewin.ch"},
                        {"U:index0", "tschudi_seraina"}}), std::nullopt},
      // "binti" (daughter of) stands between the given name and the father's name.
      {"Last name", list({{"N:index0", "Syazwani binti Kamaruddin"}, {"F:index0", "Kamaruddin"},
                          {"G:index0", "Syazwani"}}), 1, true},
      // A family name of two words whose first word ends the person's address is no full name.
      {"Full name", list({{"F:index0", "Puigvert Rovira"}, {"M:index0", "queralt.puigvert@gmail.com"}}),
       std::nullopt},
      {"Full name", list({{"F:index0", "Puigvert Rovira"}, {"N:index0", "Queralt Puigvert Rovira"},
                          {"M:index0", "queralt.puigvert@gmail.com"}}), 1, true},
      // Addresses that put the family name first, or a title before the given name, leave a
      // whole name whole.
      {"Full name", list({{"N:index0", "Thomas Müller"}, {"M:index0", "mueller.thomas@firma.de"},
                          {"O:index0", "Anna Schmidt"}}), 0},
      {"Full name", list({{"N:index0", "Sarah Connor"}, {"M:index0", "dr.sarah@clinic.com"},
                          {"O:index0", "John Connor"}}), 0},
      // Names in Han: the pinyin of the person's own address, or the parts copied alone.
      {"Full name", list({{"N:index0", "闫子航"}, {"O:index0", "Rafael Costa"}, {"M:index0", "yanzihang1993@163.com"}}), 0,
       true},
      {"Full name", list({{"N:index0", "任务栏"}, {"O:index0", "Rafael Costa"}, {"M:index0", "yanzihang1993@163.com"}}), 1},
      // A handle spells words too: only a name that begins with a family name counts.
      {"Full name", list({{"N:index0", "李明"}, {"W:index0", "我爱你"}, {"M:index0", "woaini520@qq.com"}}), 0},
      {"Full name", list({{"N:index0", "闫子航"}, {"F:index0", "闫"}, {"G:index0", "子航"}, {"O:index0", "Mark Peters"}}), 0,
       true},
      {"Last name", list({{"N:index0", "闫子航"}, {"F:index0", "闫"}, {"G:index0", "子航"}}), 1, true},
      {"First name", list({{"N:index0", "闫子航"}, {"F:index0", "闫"}, {"G:index0", "子航"}}), 2, true},
      // Russian names with the patronymic last put the family name first.
      {"Имя", list({{"N:index0", "Ларионов Глеб Аркадьевич"}, {"F:index0", "Ларионов"}, {"G:index0", "Глеб"}}), 2, true},
      {"Фамилия", list({{"N:index0", "Ларионов Глеб Аркадьевич"}, {"F:index0", "Ларионов"}, {"G:index0", "Глеб"}}), 1,
       true},
      // The patronymic that ends it is neither part.
      {"Имя *", list({{"P:index0", "Аркадьевич"}, {"N:index0", "Ларионов Глеб Аркадьевич"}, {"G:index0", "Глеб"}}), 2,
       true},
      // Given names at the start of a longer name, or a single word under a name's label in a
      // note, are not the whole name; an initial before two family names makes them the family name.
      {"Full name", list({{"G:index0", "Anna Lena"}, {"N:index0", "Anna Lena Brückner"}}), 1, true},
      {"Vorname", list({{"G:index0", "Anna Lena"}, {"N:index0", "Anna Lena Brückner"}}), 0, true},
      {"Full name", list({{"N:index0", "John Smith"}, {"B:index0", "John Smith Plumbing"}}), 0},
      {"Full name", list({{"L:index0", "Nome: Thaís"}, {"L:index1", "Thaís"}, {"N:index0", "Thaís Albuquerque Moraes"}}),
       2, true},
      {"Apellidos", list({{"F:index0", "Arias Quiroga"}, {"M:index0", "rarias.quiroga@hotmail.es"}}), 0, true},
      {"Full name", list({{"F:index0", "Arias Quiroga"}, {"M:index0", "rarias.quiroga@hotmail.es"}}), std::nullopt},
      // A town whose first word folds like a particle is no family name.
      {"Last name", list({{"G:index0", "Lan"}, {"M:index0", "lan.nguyen@gmail.com"}, {"T:index0", "Đà Nẵng"}}),
       std::nullopt},
  });
}

}  // namespace
}  // namespace oskel::answer
