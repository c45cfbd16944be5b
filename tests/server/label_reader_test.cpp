#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/answer_engine.h"
#include "engine_test_support.h"

namespace oskel::answer {
namespace {

using namespace oskel::answer::test;

TEST(LabelReader, ReadsLabelsInManyLanguages) {
  EXPECT_EQ(kindOf("E-Mail-Adresse *"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Adresse e-mail :"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Correo electrónico"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Correio electrónico: *"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Correio eletrônico"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Адрес email:"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("メールアドレス"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("电子邮件"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("이메일"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Telefonnummer"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("Numer telefonu"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("電話番号"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("Vorname:*"), FieldKind::kGivenName);
  EXPECT_EQ(kindOf("Prénom"), FieldKind::kGivenName);
  EXPECT_EQ(kindOf("Apellidos"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Cognome *"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Nominativo"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("服務單位"), FieldKind::kOrganisation);
  EXPECT_EQ(kindOf("联系人"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("담당자명"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("紧急联系人"), FieldKind::kSomeoneElse);
  EXPECT_EQ(kindOf("Adresregel 2"), FieldKind::kAddressLine2);
  EXPECT_EQ(kindOf("예약자명"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Kunden-ID"), FieldKind::kOtherNumber);
  EXPECT_EQ(kindOf("電話番号（市外局番）"), FieldKind::kPhonePart);
  EXPECT_EQ(kindOf("電話番号（市外局番から）"), FieldKind::kPhone);  // "starting with the area code"
  EXPECT_EQ(kindOf("预订人手机号"), FieldKind::kPhone);
  EXPECT_EQ(kindOf("Nominativo azienda"), FieldKind::kOrganisation);
  EXPECT_EQ(kindOf("Achternaam"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Imię i nazwisko:"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Full Name (optional)"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("お名前"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Postleitzahl"), FieldKind::kPostalCode);
  EXPECT_EQ(kindOf("Code postal"), FieldKind::kPostalCode);
  EXPECT_EQ(kindOf("郵便番号"), FieldKind::kPostalCode);
  EXPECT_EQ(kindOf("Ort:"), FieldKind::kCity);
  EXPECT_EQ(kindOf("Город:"), FieldKind::kCity);
  EXPECT_EQ(kindOf("Straße und Hausnummer"), FieldKind::kStreetAddress);
  EXPECT_EQ(kindOf("Address line 2"), FieldKind::kAddressLine2);
  EXPECT_EQ(kindOf("Company name"), FieldKind::kOrganisation);
  EXPECT_EQ(kindOf("Website"), FieldKind::kUrl);
  EXPECT_EQ(kindOf("Benutzername"), FieldKind::kUsername);
  EXPECT_EQ(kindOf("Username or E-mail:"), FieldKind::kUsernameOrEmail);
  EXPECT_EQ(kindOf("Date of birth"), FieldKind::kBirthDate);
  EXPECT_EQ(kindOf("Land"), FieldKind::kCountry);
  EXPECT_EQ(kindOf("State / Province:"), FieldKind::kRegion);
}

TEST(LabelReader, RefusesFieldsThatMustNotBeFilled) {
  EXPECT_EQ(kindOf("Search..."), FieldKind::kSearch);
  EXPECT_EQ(kindOf("Suchbegriff eingeben"), FieldKind::kSearch);
  EXPECT_EQ(kindOf("検索"), FieldKind::kSearch);
  EXPECT_EQ(kindOf("Captcha code"), FieldKind::kCaptcha);
  EXPECT_EQ(kindOf("Hvor mye er: 7 + 10 ?"), FieldKind::kCaptcha);
  EXPECT_EQ(kindOf("Your Message *"), FieldKind::kComment);
  EXPECT_EQ(kindOf("Passwort"), FieldKind::kPassword);
  EXPECT_EQ(kindOf("Card number"), FieldKind::kCardOrSecurityCode);
  EXPECT_EQ(kindOf("Naam kaarthouder"), FieldKind::kCardOrSecurityCode);
  EXPECT_EQ(kindOf("Nom du titulaire de la carte"), FieldKind::kCardOrSecurityCode);
  EXPECT_EQ(kindOf("Verification code"), FieldKind::kOneTimeCode);
  EXPECT_EQ(kindOf("Qty:"), FieldKind::kQuantity);
  EXPECT_EQ(kindOf("Promo code"), FieldKind::kPromoCode);
  EXPECT_EQ(kindOf("Year of birth"), FieldKind::kDatePart);
  EXPECT_EQ(kindOf("Fax"), FieldKind::kFax);
  EXPECT_EQ(kindOf("Something entirely different"), FieldKind::kUnknown);
  // "code" inside "postal code" does not make a one-time-code field.
  EXPECT_EQ(kindOf("Postal code"), FieldKind::kPostalCode);
}

TEST(LabelReader, JoinedPartsAndDecorations) {
  // The first part that names a kind decides; a password anywhere refuses.
  EXPECT_EQ(kindOf("Email · Work address · Required"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Text field · Email"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Name · Password"), FieldKind::kPassword);
  // A group titled "Name" with a part's placeholder asks for that part.
  EXPECT_EQ(kindOf("Name · First"), FieldKind::kGivenName);
  EXPECT_EQ(kindOf("Your name · Last name"), FieldKind::kFamilyName);
  EXPECT_EQ(kindOf("Name · Jane Doe"), FieldKind::kFullName);
  EXPECT_EQ(kindOf("Enter your e-mail address *"), FieldKind::kEmail);
  EXPECT_EQ(kindOf("Your Phone (optional):"), FieldKind::kPhone);
  EXPECT_EQ(kindOf(""), FieldKind::kUnknown);
  // A heading of the person's own details says nothing of the field it stands over alone;
  // anyone else's, one over several parts, or one left alone, is no field of the person's.
  expectKinds({{"Personal details \u00B7 Email", FieldKind::kEmail},
               {"Ihre Angaben \u00B7 Vorname", FieldKind::kGivenName},
               {"\uAC1C\uC778\uC815\uBCF4 \u00B7 \uC774\uBA54\uC77C", FieldKind::kEmail},  // 개인정보 · 이메일
               {"Personal details \u00B7 Partner \u00B7 Name", FieldKind::kSomeoneElse},
               {"Ihre Angaben \u00B7 Zweiter Ansprechpartner", FieldKind::kSomeoneElse},
               {"Step 2: Your details \u00B7 Email", FieldKind::kEmail},
               {"Mes coordonn\u00E9es \u00B7 Code postal", FieldKind::kPostalCode},  // "Mes": my, not a month
               // A first part read from a loose word heads the field the later part names.
               {"Sign up \u00B7 First name", FieldKind::kGivenName},
               {"Mobile (incl. international code)", FieldKind::kPhone},
               {"Coach details \u00B7 First name", FieldKind::kComment},
               {"Personal details", FieldKind::kComment},
               {"\uC5F0\uB77D\uCC98 \u00B7 010-1234-5678", FieldKind::kPhone}});  // 연락처 · 010-…
  // A qualifier on how to write the value does not change what it is.
  expectKinds({{"First name (as on passport)", FieldKind::kGivenName},
               {"Passport number", FieldKind::kOtherNumber},
               {"Name (first)", FieldKind::kGivenName},
               {"Name (last)", FieldKind::kFamilyName},
               {"First & Last Name", FieldKind::kFullName},
               {"Name (first and last)", FieldKind::kFullName},
               {"Surname, first name", FieldKind::kFullName}});
  // A control's identifier used as its label is read word by word; an identifier
  // that already reads as a whole ("userName") keeps that reading, and neither a long
  // internal name nor a brand inside a sentence is taken apart.
  expectKinds({{"postalCode", FieldKind::kPostalCode},
               {"dateOfBirth", FieldKind::kBirthDate},
               {"billingFirstName", FieldKind::kGivenName},
               {"confirmPassword", FieldKind::kPassword},
               {"cardNumber", FieldKind::kCardOrSecurityCode},
               {"userName", FieldKind::kUsername},
               {"f_name", FieldKind::kGivenName},
               {"l_name", FieldKind::kFamilyName},
               {"hdTextboxforCheckboxState", FieldKind::kUnknown},
               {"Questions about your iPhone", FieldKind::kUnknown},
               {"Your-iPhone", FieldKind::kUnknown},
               {"Your\u00A0iPhone", FieldKind::kUnknown},
               {"iPhone", FieldKind::kUnknown}});
  // A later part names the piece of the value a group asks for.
  expectKinds({{"Date of birth (DD/MM/YYYY) · Day", FieldKind::kDatePart},
               {"Phone · Country code", FieldKind::kPhonePart},
               {"Téléphone · Numéro", FieldKind::kPhone},
               // ... but not a hint on writing the whole value.
               {"Phone · Include country code", FieldKind::kPhone},
               {"Teléfono · Prefijo + número", FieldKind::kPhone},
               {"Date of birth · Day/Month/Year", FieldKind::kBirthDate},
               {"出生日期 · 年月日", FieldKind::kBirthDate},
               {"生年月日 · 例：1990年1月1日", FieldKind::kBirthDate},
               {"Child 1 · Date of birth", FieldKind::kSomeoneElse},
               {"Date of birth · Year of birth", FieldKind::kDatePart},
               {"Phone · Country calling code", FieldKind::kPhonePart},
               {"Telefon · Vorwahl (ohne 0)", FieldKind::kPhonePart},
               {"Phone · Country code (with +)", FieldKind::kPhonePart},
               {"Phone · Country code, including +", FieldKind::kPhonePart},
               {"Phone number · Please include your country code", FieldKind::kPhone},
               {"Phone · Must include country code", FieldKind::kPhone},
               {"Phone · Do not include the area code", FieldKind::kPhonePart},
               {"Current address · Date moved in (MM/YYYY)", FieldKind::kDatePart},
               {"\u304A\u540D\u524D · \u65E5\u672C\u8A9E\u3067\u5165\u529B", FieldKind::kFullName},
               {"Country · Country code", FieldKind::kPhonePart},
               {"Geburtsdatum (TT.MM.JJJJ) · TT", FieldKind::kDatePart},
               {"생년월일 (YYYY-MM-DD) · 년", FieldKind::kDatePart},
               {"Date of birth (MM/DD/YYYY) · Month (with leading zero)", FieldKind::kDatePart}});
  // The parts of a phone number split over several fields take no whole number.
  expectKinds({{"Phone prefix", FieldKind::kPhonePart},
               {"Telefonvorwahl", FieldKind::kPhonePart},
               {"phonePrefix", FieldKind::kPhonePart}});
}

TEST(LabelReader, BroaderLabelsInManyLanguages) {
  expectKinds({
      // Subscription boxes take an e-mail address.
      {"NEWSLETTER", FieldKind::kEmail},
      {"Newsletter abonnieren", FieldKind::kEmail},
      {"Inscrivez-vous à notre newsletter", FieldKind::kEmail},
      {"Suscríbete", FieldKind::kEmail},
      {"Iscriviti alla newsletter", FieldKind::kEmail},
      {"Nieuwsbrief", FieldKind::kEmail},
      {"Zapisz się do newslettera", FieldKind::kEmail},
      {"Подписаться на рассылку", FieldKind::kEmail},
      {"メルマガ登録", FieldKind::kEmail},
      {"订阅", FieldKind::kEmail},
      {"뉴스레터 구독", FieldKind::kEmail},
      {"E-posta adresi", FieldKind::kEmail},
      // "Forgot your password?" asks for the account, and an account's password is still a password.
      {"Lost password?", FieldKind::kUsernameOrEmail},
      {"Passwort vergessen?", FieldKind::kUsernameOrEmail},
      {"Mot de passe oublié ?", FieldKind::kUsernameOrEmail},
      {"Email password", FieldKind::kPassword},
      {"New password", FieldKind::kPassword},
      // Phone numbers written with a number word.
      {"Phone No.", FieldKind::kPhone},
      {"Questo è il nuovo numero di telefono", FieldKind::kPhone},
      {"Número de teléfono", FieldKind::kPhone},
      {"Handynummer", FieldKind::kPhone},
      {"Номер телефона", FieldKind::kPhone},
      {"Nr telefonu", FieldKind::kPhone},
      {"House number", FieldKind::kOtherNumber},
      {"Ingresa tu número celular", FieldKind::kPhone},
      // Traditional Chinese as Taiwan writes it, and the street line after the district.
      {"郵遞區號：", FieldKind::kPostalCode},
      {"鄉鎮市區：", FieldKind::kCity},
      {"縣市：", FieldKind::kRegion},
      {"使用者名稱：", FieldKind::kUsername},
      {"*详细地址（街道门牌号）", FieldKind::kStreetAddress},
      {"门牌号", FieldKind::kOtherNumber},
      {"个人主页", FieldKind::kUrl},
      {"Site pessoal", FieldKind::kUrl},
      // Names, companies, towns, user names.
      {"Nome e cognome", FieldKind::kFullName},
      {"Nombre y apellidos", FieldKind::kFullName},
      {"Vor- und Nachname", FieldKind::kFullName},
      {"Contact person", FieldKind::kFullName},
      {"Nom de famille", FieldKind::kFamilyName},
      {"Raison sociale / Nom commercial :", FieldKind::kOrganisation},
      {"Arbeitgeber", FieldKind::kOrganisation},
      {"Razón social", FieldKind::kOrganisation},
      {"Место работы", FieldKind::kOrganisation},
      {"Residente a *", FieldKind::kCity},
      {"Town / City", FieldKind::kCity},
      {"Woonplaats", FieldKind::kCity},
      {"ID 必須", FieldKind::kUsername},
      {"Customer ID", FieldKind::kOtherNumber},
      {"Identifiant", FieldKind::kUsernameOrEmail},
      {"نام کاربری:", FieldKind::kUsername},
      // Italian articles are not Turkish provinces.
      {"Il tuo indirizzo email", FieldKind::kEmail},
  });
}

TEST(LabelReader, NameWordsInEachLanguage) {
  expectKinds({
      {"Имя", FieldKind::kGivenName},           {"Фамилия", FieldKind::kFamilyName},
      {"ФИО", FieldKind::kFullName},            {"Полное имя", FieldKind::kFullName},
      {"Nome", FieldKind::kGivenName},          {"Sobrenome", FieldKind::kFamilyName},
      {"Nome completo", FieldKind::kFullName},  {"Cognome", FieldKind::kFamilyName},
      {"Nombre", FieldKind::kGivenName},        {"Apellidos", FieldKind::kFamilyName},
      {"Nombre completo", FieldKind::kFullName}, {"Imię", FieldKind::kGivenName},
      {"Nazwisko", FieldKind::kFamilyName},     {"Imię i nazwisko", FieldKind::kFullName},
      {"Voornaam", FieldKind::kGivenName},      {"Achternaam", FieldKind::kFamilyName},
      {"Naam", FieldKind::kFullName},           {"Vorname", FieldKind::kGivenName},
      {"Nachname", FieldKind::kFamilyName},     {"Name", FieldKind::kFullName},
      {"Prénom", FieldKind::kGivenName},        {"Nom de famille", FieldKind::kFamilyName},
      {"名", FieldKind::kGivenName},            {"姓", FieldKind::kFamilyName},
      {"氏名", FieldKind::kFullName},           {"姓名", FieldKind::kFullName},
      {"이름", FieldKind::kFullName},           {"성", FieldKind::kFamilyName},
      {"성명", FieldKind::kFullName},
      // Parts of a name that no saved value answers.
      {"Tussenvoegsel", FieldKind::kMiddleName}, {"Отчество", FieldKind::kMiddleName},
      {"フリガナ（セイ）", FieldKind::kNameReading}, {"メイ", FieldKind::kNameReading},
  });
}

// Forms in the languages around the main twelve: Nordic, Hungarian, Czech and Slovak,
// Romanian, Turkish, Greek, Balkan, Baltic, Bulgarian and Ukrainian, Indonesian, Persian.

TEST(LabelReader, LabelsBeyondTheMainLanguages) {
  expectKinds({
      {"Prenume", FieldKind::kGivenName},           {"Nume de familie", FieldKind::kFamilyName},
      {"Nume și prenume", FieldKind::kFullName},    {"Nume", FieldKind::kFamilyName},
      {"Soyadı", FieldKind::kFamilyName},           {"Adınız Soyadınız", FieldKind::kFullName},
      {"Kullanıcı adı", FieldKind::kUsername},      {"Şifre", FieldKind::kPassword},
      {"Όνομα", FieldKind::kGivenName},             {"Επώνυμο", FieldKind::kFamilyName},
      {"Ονοματεπώνυμο", FieldKind::kFullName},      {"Τηλέφωνο", FieldKind::kPhone},
      {"Ime", FieldKind::kGivenName},               {"Prezime", FieldKind::kFamilyName},
      {"Ime i prezime", FieldKind::kFullName},      {"Vārds", FieldKind::kGivenName},
      {"Uzvārds", FieldKind::kFamilyName},          {"Pavardė", FieldKind::kFamilyName},
      {"Eesnimi", FieldKind::kGivenName},           {"Perekonnanimi", FieldKind::kFamilyName},
      {"Ім'я", FieldKind::kGivenName},              {"Прізвище", FieldKind::kFamilyName},
      {"ПІБ", FieldKind::kFullName},                {"Ім'я користувача", FieldKind::kUsername},
      {"Адреса електронної пошти", FieldKind::kEmail}, {"Адреса", FieldKind::kStreetAddress},
      {"Місто", FieldKind::kCity},                  {"Поштовий індекс", FieldKind::kPostalCode},
      {"Країна", FieldKind::kCountry},              {"Дата народження", FieldKind::kBirthDate},
      {"Компанія", FieldKind::kOrganisation},       {"Вебсайт", FieldKind::kUrl},
      {"Nume utilizator", FieldKind::kUsername},    {"Dátum narodenia", FieldKind::kBirthDate},
      {"Verkkosivu", FieldKind::kUrl},              {"Fylke", FieldKind::kRegion},
      {"Име", FieldKind::kGivenName},               {"Пощенски код", FieldKind::kPostalCode},
      {"Потребителско име", FieldKind::kUsername},  {"Парола", FieldKind::kPassword},
      {"Utónév", FieldKind::kGivenName},            {"Megjegyzés", FieldKind::kComment},
      {"Používateľské meno", FieldKind::kUsername}, {"Webová stránka", FieldKind::kUrl},
      {"Nama depan", FieldKind::kGivenName},        {"Nama belakang", FieldKind::kFamilyName},
      {"Nama lengkap", FieldKind::kFullName},       {"Nomor telepon", FieldKind::kPhone},
      {"Kode pos", FieldKind::kPostalCode},         {"Kata sandi", FieldKind::kPassword},
      {"Cari", FieldKind::kSearch},                 {"Alamat", FieldKind::kStreetAddress},
      {"نام", FieldKind::kGivenName},               {"نام خانوادگی", FieldKind::kFamilyName},
      {"تلفن", FieldKind::kPhone},                  {"جستجو", FieldKind::kSearch},
      {"By", FieldKind::kCity},                     {"Fødselsdato", FieldKind::kBirthDate},
      {"Søk", FieldKind::kSearch},                  {"Forenames", FieldKind::kGivenName},
      {"lname", FieldKind::kFamilyName},          {"Ad", FieldKind::kGivenName},
      {"First", FieldKind::kGivenName},           {"Last *", FieldKind::kFamilyName},
      // Short words that name a field only on their own.
      {"Sign up by email", FieldKind::kEmail},      {"Contact me by phone", FieldKind::kPhone},
      {"Sort by", FieldKind::kUnknown},             {"First come, first served", FieldKind::kUnknown},
      {"Via", FieldKind::kStreetAddress},           {"Follow Blog via Email", FieldKind::kEmail},
      {"Last updated", FieldKind::kUnknown},        {"Ad blocker", FieldKind::kUnknown},
      {"Grad", FieldKind::kCity},                   {"Grad school", FieldKind::kUnknown},
      {"Locality", FieldKind::kCity},               {"Komórka", FieldKind::kPhone},
      {"İl", FieldKind::kRegion},                   {"Stát", FieldKind::kCountry},
      {"Kotikunta", FieldKind::kCity},              {"Etunimet", FieldKind::kGivenName},
      {"Születési idő", FieldKind::kBirthDate},     {"Nama sesuai KTP", FieldKind::kFullName},
      {"Корпус / строение", FieldKind::kAddressLine2}, {"Όροφος", FieldKind::kAddressLine2},
      {"マンション名・号室", FieldKind::kAddressLine2}, {"Emelet, ajtó", FieldKind::kAddressLine2},
      // Others' details, a post-office box, a parcel service's number and the employer applied to.
      {"Дані дитини · Прізвище дитини", FieldKind::kSomeoneElse},
      {"Acil durumda ulaşılacak kişi · Telefon", FieldKind::kSomeoneElse},
      {"Dados do educando · Nome completo", FieldKind::kSomeoneElse},
      {"Lähiomaisen puhelinnumero", FieldKind::kSomeoneElse},
      {"Người liên hệ khi cần · Số điện thoại", FieldKind::kSomeoneElse},
      {"Caixa Postal", FieldKind::kOtherNumber},    {"Postfach", FieldKind::kOtherNumber},
      {"DHL Postnummer", FieldKind::kOtherNumber},  {"Postnummer", FieldKind::kPostalCode},
      {"Model telefonu", FieldKind::kOtherNumber},
      {"Como conheceu a nossa empresa?", FieldKind::kComment},
      {"Jak się o nas dowiedziałeś?", FieldKind::kComment},
      {"公司所在区", FieldKind::kCity},
      {"Write a review \u00B7 Email * \u00B7 Enter your email (private)", FieldKind::kEmail},
      {"Leave a comment \u00B7 Website", FieldKind::kUrl},
      {"Manage booking \u00B7 Last name", FieldKind::kFamilyName},
      {"Name (Phonetic)", FieldKind::kNameReading},
      {"Indicativo do pa\u00EDs", FieldKind::kPhonePart},
      {"Parrainage \u00B7 Adresse e-mail de votre filleul", FieldKind::kSomeoneElse},
      {"Give in honor or memory of someone \u00B7 Honoree name", FieldKind::kSomeoneElse},
      {"Candidature \u00B7 Profil LinkedIn", FieldKind::kUrl},
      {"From \u00B7 City or airport", FieldKind::kOtherNumber},
      {"Refer a friend \u00B7 Your first name", FieldKind::kGivenName},
      {"Refer a friend \u00B7 Friend email", FieldKind::kSomeoneElse},
      {"Gift card \u00B7 Your email (sender)", FieldKind::kEmail},
      {"Gift card \u00B7 Recipient email", FieldKind::kSomeoneElse},
      {"Никнейм (виден всем)", FieldKind::kUsername},
      {"ニックネーム（公開されます）", FieldKind::kUsername},
      {"Name des Unternehmens, bei dem Sie sich bewerben", FieldKind::kOtherNumber},
      {"Invoice details · Company name", FieldKind::kOrganisation},
      {"Dane do faktury VAT · Nazwa firmy", FieldKind::kOrganisation},
      {"ウェブサイト", FieldKind::kUrl},
      {"ชื่อ", FieldKind::kGivenName},              {"นามสกุล", FieldKind::kFamilyName},
      {"ชื่อ-นามสกุล", FieldKind::kFullName},       {"ชื่อผู้ใช้", FieldKind::kUsername},
      {"ชื่อบริษัท", FieldKind::kOrganisation},     {"รหัสไปรษณีย์", FieldKind::kPostalCode},
      {"เบอร์โทรศัพท์", FieldKind::kPhone},         {"รหัสผ่าน", FieldKind::kPassword},
      {"Soyisim", FieldKind::kFamilyName},          {"Nama", FieldKind::kFullName},
      {"Hasło", FieldKind::kPassword},              {"الاسم الأول", FieldKind::kGivenName},
      // Thai vowel marks tell words apart; the bare words for "name" name no one else's.
      {"ช่อง", FieldKind::kUnknown},                {"การเมือง", FieldKind::kUnknown},
      {"ที่อยู่อีเมล", FieldKind::kEmail},             {"ชื่อบิดา", FieldKind::kSomeoneElse},
      {"Nama ibu kandung", FieldKind::kUnknown},    {"पिता का नाम", FieldKind::kSomeoneElse},
      {"שם המוצר", FieldKind::kUnknown},            {"Komórka organizacyjna", FieldKind::kUnknown},
      {"Søg", FieldKind::kSearch},                  {"Soggetto", FieldKind::kUnknown},
      {"Giới tính", FieldKind::kUnknown},           {"Tỉnh", FieldKind::kRegion},
      {"ชื่อไฟล์", FieldKind::kUnknown},               {"ชื่อผู้ปกครอง", FieldKind::kSomeoneElse},
      {"ที่อยู่เว็บไซต์", FieldKind::kUrl},             {"公司网站", FieldKind::kUrl},
      {"Tel prefix", FieldKind::kPhonePart},      {"国番号", FieldKind::kPhonePart},
      {"Nazwisko panieńskie matki", FieldKind::kSomeoneElse}, {"Nazwisko rodowe", FieldKind::kOtherNumber},
      {"Anne adı", FieldKind::kSomeoneElse},        {"Father Name", FieldKind::kSomeoneElse},
      {"Số điện thoại phụ huynh", FieldKind::kSomeoneElse},
      {"Company phone", FieldKind::kPhone},         {"Name of business owner", FieldKind::kFullName},
      {"Name of business (optional)", FieldKind::kOrganisation},
      {"E-mail de l'entreprise", FieldKind::kEmail}, {"Company address", FieldKind::kStreetAddress},
      {"Company email domain", FieldKind::kOtherNumber},
      {"Nome da mãe", FieldKind::kSomeoneElse},     {"Name des Vaters", FieldKind::kSomeoneElse},
      // Words that refuse only in their own sense: Thai "เพื่อ" (for) before "นำ", a buyer's
      // own delivery ("penerima"), a phone number written with its prefix.
      {"อีเมล (เพื่อนำส่งเอกสาร)", FieldKind::kEmail}, {"Nomor HP penerima", FieldKind::kPhone},
      {"Telefon (mit Vorwahl)", FieldKind::kPhone}, {"Téléphone (préfixe inclus)", FieldKind::kPhone},
      {"Mobile phone (with country code)", FieldKind::kPhone}, {"Vorwahl", FieldKind::kPhonePart},
      {"ชื่อ-สกุล", FieldKind::kFullName},           {"ชื่อของคุณ", FieldKind::kFullName},
      {"Telefon-Vorwahl", FieldKind::kPhonePart}, {"Prefijo telefónico (+34)", FieldKind::kPhonePart},
      {"Phone number (incl. area code)", FieldKind::kPhone}, {"Téléphone (code pays inclus)", FieldKind::kPhone},
      {"Tel prefix + number", FieldKind::kPhone},   {"Phone / Extension", FieldKind::kPhone},
      {"Work email (must use your company email domain)", FieldKind::kEmail},
      {"Chọn tình trạng hôn nhân", FieldKind::kUnknown}, {"เลือกสกุลเงิน", FieldKind::kUnknown},
      {"ชื่อ-สกุล ผู้ติดต่อฉุกเฉิน", FieldKind::kSomeoneElse}, {"เบอร์โทรเพื่อน", FieldKind::kSomeoneElse},
      {"Name of your business *", FieldKind::kOrganisation}, {"Vorname des Vaters", FieldKind::kSomeoneElse},
      {"Telefon rodzica", FieldKind::kSomeoneElse},
      {"الجوال", FieldKind::kPhone},                {"كلمة المرور", FieldKind::kPassword},
      {"דוא\"ל", FieldKind::kEmail},                {"שם משתמש", FieldKind::kUsername},
      {"पहला नाम", FieldKind::kGivenName},          {"फ़ोन नंबर", FieldKind::kPhone},
      {"पिन कोड", FieldKind::kPostalCode},          {"Số điện thoại", FieldKind::kPhone},
      {"Mã bưu điện", FieldKind::kPostalCode},      {"Mật khẩu", FieldKind::kPassword},
      // A company's site is a web address, not the company's name.
      {"Company website", FieldKind::kUrl},         {"Company", FieldKind::kOrganisation},
      {"Company email domain for SSO", FieldKind::kOtherNumber},
      {"Type \"no spam\" into this box", FieldKind::kCaptcha}, {"Leave this field empty", FieldKind::kCaptcha},
      {"Website (leave this field empty)", FieldKind::kCaptcha}, {"Child first name", FieldKind::kSomeoneElse},
      {"Infant · First name", FieldKind::kSomeoneElse}, {"Dependent locality", FieldKind::kUnknown},
      // People the applicant names: a partner, a manager, a landlord, a guarantor.
      {"Name of business partner", FieldKind::kSomeoneElse}, {"Partner's name", FieldKind::kSomeoneElse},
      {"Manager's email", FieldKind::kSomeoneElse}, {"Your manager · Jane Doe", FieldKind::kSomeoneElse},
      {"Your name (Manager)", FieldKind::kFullName}, {"Email (we never share it)", FieldKind::kEmail},
      {"Landlord phone number", FieldKind::kSomeoneElse}, {"Co-applicant email", FieldKind::kSomeoneElse},
      {"Name des Vorgesetzten", FieldKind::kSomeoneElse}, {"Guarantor's phone", FieldKind::kSomeoneElse},
      // Parents, guardians and emergency contacts on school and club forms; the words that
      // spell like them stay what they were ("país", "Parent company", Dutch "nood" alone).
      {"Telefon der Eltern", FieldKind::kSomeoneElse}, {"E-Mail des Erziehungsberechtigten", FieldKind::kSomeoneElse},
      {"Teléfono del tutor", FieldKind::kSomeoneElse}, {"Téléphone du responsable légal", FieldKind::kSomeoneElse},
      {"E-mail dos pais", FieldKind::kSomeoneElse},  {"Seu país", FieldKind::kCountry},
      {"Naam ouder/verzorger", FieldKind::kSomeoneElse}, {"Telefoonnummer bij nood", FieldKind::kSomeoneElse},
      {"Nood aan hulp?", FieldKind::kUnknown},        {"Parent company", FieldKind::kOrganisation},
      {"Телефон опекуна", FieldKind::kSomeoneElse},  {"Veli telefonu", FieldKind::kSomeoneElse},
      {"保護者の電話番号", FieldKind::kSomeoneElse},  {"紧急联系人", FieldKind::kSomeoneElse},
      {"보호자 연락처", FieldKind::kSomeoneElse},     {"Notfallkontakt: Name: Telefon:", FieldKind::kSomeoneElse},
      {"Telefon (nicht Ihre Nummer, die eines Elternteils)", FieldKind::kUnclear},
  });
}

}  // namespace
}  // namespace oskel::answer
