// The keywords of fields that a saved value answers: contact details, names,
// addresses, organisations, user names and dates of birth.
#include "engine/label_lexicon.h"

namespace oskel::answer {
namespace {

// Grouped by kind, several languages per group. Accents and case do not
// matter (labels and keywords are both folded), so most entries are written
// without them. Words are separated by "|".
constexpr LabelKeywordGroup kGroups[] = {
    {FieldKind::kEmail, 22, KeywordMatch::kWord,
     "email|e mail|mail|e post|epost|email address|emailadres|e mailadres|e mailadresse|"
     "correo|correo electronico|correio|correio electronico|correio eletronico|endereco eletronico|courriel|"
     "adresse mail|adresse email|adresse electronique|adresse de messagerie|adresse messagerie|"
     "posta elettronica|indirizzo email|poczta|adres e mail|почта|электронная почта|емейл|"
     "мейл|имейл|sahkoposti|sahkopostiosoite|ایمیل"},
    {FieldKind::kEmail, 22, KeywordMatch::kPrefix,
     "email|e mail|sähköpost|e post"},
    {FieldKind::kEmail, 22, KeywordMatch::kAnywhere,
     "メール|邮箱|电子邮件|電子郵件|郵箱|이메일|전자우편|메일|信箱|電郵|电邮|邮件|郵件"},
    // "E-mail address" in scripts without spaces: heavier than the address word it contains.
    {FieldKind::kEmail, 30, KeywordMatch::kAnywhere,
     "이메일 주소|이메일주소|메일 주소|메일주소|电子邮件地址|邮件地址|邮箱地址|電子郵件地址|郵件地址|電郵地址|"
     "电子邮箱地址|電子信箱地址|ที่อยู่อีเมล"},
    {FieldKind::kEmail, 22, KeywordMatch::kWord,
     "пошта|електронна пошта|ел пошта|електронна адреса|електронної пошти|адреса електронної пошти|е пошта|е пошти|ел пошти|електронна поща|ел поща|"
     "ηλεκτρονικο ταχυδρομειο|ταχυδρομειο|διευθυνση ηλεκτρονικου ταχυδρομειου|e mail cim|"
     "correu|correu electronic|posta electronica|eposti|e postur|netfang|elektroninis pastas|"
     "e pasts|e posti|dia chi email|thu dien tu"},
    // A first-order discount or a stock alert is offered for an e-mail address; heavier than "order".
    {FieldKind::kEmail, 36, KeywordMatch::kWord,
     "your first order|first order|first purchase|your first purchase|ihre erste bestellung|erste bestellung|"
     "votre premiere commande|premiere commande|tu primer pedido|primer pedido|primo ordine|primeira compra|"
     "eerste bestelling|pierwsze zamowienie|первый заказ|back in stock|notify me|notify me when available|"
     "be the first to know|email me when|stay up to date|keep up to date|keep me up to date|"
     "immer auf dem laufenden|restez informe|mantente informado|resta aggiornato|fique por dentro|"
     "blijf op de hoogte|badz na biezaco"},
    {FieldKind::kEmail, 22, KeywordMatch::kWord,
     "e posta|eposta|e posta adresi|البريد الإلكتروني|ایمیل|אימייל|דואר אלקטרוני|อีเมล|ईमेल|"
     "adresa de email|adresa e mail|e postadress|e postadresse|sahkoposti osoite|email cim|"
     "adres email|adres mailowy|электронный адрес|е mail|эл почта|электронной почты|surel|alamat surel|"
     "alamat email|е поща|имейл адрес|ел адрес|emailova adresa|e mailova adresa"},
    // A lone text field that subscribes to news or offers takes an e-mail address.
    {FieldKind::kEmail, 14, KeywordMatch::kWord,
     "newsletter|newsletters|news letter|subscribe|subscribe now|mailing list|"
     "join our mailing list|join our newsletter|sign up|signup|sign me up|get updates|stay updated|"
     "stay in touch|keep me posted|follow|follow by email|follow via email|join the club|follow us|"
     "segui|seguici|segui via email|suivez nous|suivre|siguenos|seguir|siga nos|volg ons|obserwuj|folgen|"
     "latest offers|special offers|exclusive offers|latest news|"
     "abonnieren|newsletter abonnieren|jetzt abonnieren|anmelden zum newsletter|newsletteranmeldung|"
     "s abonner|abonnez vous|inscrivez vous|inscription newsletter|lettre d information|"
     "dernieres offres|suscribete|suscribirse|suscripcion|boletin|boletin de noticias|"
     "ultimas ofertas|iscriviti|iscriviti alla newsletter|iscrizione newsletter|ultime offerte|"
     "inscreva se|assine|assinar|assine nossa newsletter|nieuwsbrief|aanmelden nieuwsbrief|"
     "inschrijven|schrijf je in|zapisz sie|subskrybuj|zapisz sie do newslettera|подписаться|"
     "подписка|рассылка|подпишитесь|odber noviniek|odber novinek|prihlasit k odberu|"
     "nyhedsbrev|nyhetsbrev|tilmeld|nyeste tilbud|uutiskirje|hirlevel|feliratkozas|"
     "bulten|abone ol|get the latest|keep in touch|receive updates|get notified|don t miss out|"
     "join our community|subscribe to updates|get our newsletter"},
    {FieldKind::kEmail, 14, KeywordMatch::kPrefix, "newsletter|nieuwsbrief|nyhetsbrev|nyhedsbrev"},
    {FieldKind::kEmail, 14, KeywordMatch::kAnywhere, "メルマガ|メールマガジン|订阅|訂閱|뉴스레터|구독"},
    // "Forgot your password?" over a field asks for the account, not the password.
    // The sentence over the field of a reset form: the account's address gets the new password.
    {FieldKind::kUsernameOrEmail, 70, KeywordMatch::kWord,
     "receive a new password|get a new password|create a new password|send you a new password|"
     "new password via email|new password by email|new password will be sent|to reset your password|"
     "to reset password|reset link|password reset link|link to reset|neues passwort zusenden|"
     "nouveau mot de passe par e mail|recibir una nueva contrasena|nuova password via email"},
    {FieldKind::kUsernameOrEmail, 64, KeywordMatch::kWord,
     "lost password|lost your password|forgot password|forgot your password|forgotten password|"
     "forgotten your password|reset password|reset your password|password reset|recover password|"
     "passwort vergessen|kennwort vergessen|passwort zurucksetzen|mot de passe oublie|"
     "reinitialiser le mot de passe|olvidaste tu contrasena|olvido su contrasena|recuperar contrasena|"
     "password dimenticata|hai dimenticato la password|esqueceu sua senha|esqueceu a senha|"
     "esqueci a senha|recuperar senha|wachtwoord vergeten|nie pamietasz hasla|zapomniales hasla|"
     "przypomnij haslo|забыли пароль|восстановить пароль|восстановление пароля|zapomenute heslo|"
     "glemt adgangskode|glemt passord|glomt losenord|unohtunut salasana|elfelejtett jelszo"},
    {FieldKind::kPhone, 22, KeywordMatch::kWord,
     "phone|telephone|tel|tel nr|telefon|telefono|telefone|telefoon|mobile|mobil|mobiel|cell|"
     "cellphone|handy|portable|celular|cellulare|movil|numer telefonu|телефон|мобильный|"
     "sotovyi|puhelin|matkapuhelin|gsm|whatsapp|phone number|mobile number|telefonnummer|"
     "numero de telephone|telephone number|daytime phone|evening phone|home phone|work phone"},
    // Phrases with a number word, so that "nr" and "numero" alone do not read them as another number.
    {FieldKind::kPhone, 30, KeywordMatch::kWord,
     "phone no|phone nr|phone num|tel no|telephone no|mobile no|mobile nr|mob no|contact no|contact number|"
     "direct line|best number to reach you|best contact number|best phone number|daytime number|"
     "contact phone|your phone|your phone number|phone mobile|mobile phone|mobile phone number|"
     "handynummer|mobilnummer|mobiltelefon|mobilfunknummer|telefonnr|rufnummer|festnetz|festnetznummer|festnetztelefon|"
     "numero de portable|numero de mobile|numero de tel|numero de telefono|numero de celular|"
     "numero de movil|numero celular|numero movil|telefono movil|telefono fijo|numero di telefono|numero di cellulare|numero di tel|"
     "telefono cellulare|recapito telefonico|numero de telemovel|numero de telefone|numero do celular|"
     "telemovel|telefoonnummer|mobiel nummer|mobiele nummer|gsm nummer|numer telefonu|nr telefonu|"
     "nr tel|numer komorkowy|telefon komorkowy|номер телефона|мобильный телефон|контактный телефон|"
     "ваш телефон|сотовый телефон|telefonnummer|telefon nr|puhelinnumero|telefonszam|"
     "telefonni cislo|telefon numarasi|cep telefonu|رقم الهاتف|رقم الجوال|شماره تلفن|מספר טלפון|טלפון|telepon|"
     "nomor telepon|no telepon|no hp|nomor hp|handphone|tlf|tlf nr|mobilnr|τηλεφωνο|κινητο|تلفن|موبایل|"
     "شماره موبایل|شماره تماس|numar de telefon|telefon mobil|mobilní telefon|телефонен номер|мобилен телефон|"
     "номер на телефон|numer komorki|nr komorki"},
    // Polish "Komórka" is a mobile phone alone, an organisational unit in "komórka organizacyjna".
    {FieldKind::kPhone, 30, KeywordMatch::kWhole, "komorka|ruckrufnummer"},
    {FieldKind::kPhone, 22, KeywordMatch::kPrefix,
     "telefon|telephon|phone|puhelin|телефон|matkapuhelin"},
    {FieldKind::kPhone, 22, KeywordMatch::kAnywhere,
     "電話|携帯|电话|手机|手機|전화|휴대폰|핸드폰|연락처|휴대전화|โทรศัพท์|เบอร์โทร|มือถือ"},
    {FieldKind::kUrl, 22, KeywordMatch::kWord,
     "url|website|web site|homepage|home page|web|webseite|site web|sitio web|sito web|sito|site internet|"
     "internetseite|internetadresse|"
     "site pessoal|seu site|strona www|strona internetowa|www|link|сайт|ссылка|веб сайт|youtube|video|vidéo|http|"
     "https|http www|adresse du site|indirizzo del sito|nettside|hjemmeside|kotisivu|kotisivut|weboldal|honlap|"
     "webova stranka|webstranka|situs web|situs|وب سایت|уебсайт|ιστοσελιδα|web sitesi|site web|hjemmesida|"
     "webbplats|вебсайт|веб сайт|verkkosivu|verkkosivut|verkkosivusto|"
     // A profile on a network of professionals, as a job application asks for it.
     "linkedin|linkedin profile|profil linkedin|perfil de linkedin|perfil linkedin|profilo linkedin|xing|"
     "github|github profile|gitlab|gitlab profile|behance|dribbble|portfolio url|portfolio link"},
    // A company's site is a web address, not the company's name.
    {FieldKind::kUrl, 30, KeywordMatch::kWord,
     "company website|company web site|company url|company homepage|business website|organisation website|"
     "organization website|firmenwebseite|firmenwebsite|site de l entreprise|site web de l entreprise|"
     "sitio web de la empresa|sito web aziendale|site da empresa|bedrijfswebsite|website van het bedrijf|"
     "strona firmy|сайт компании"},
    {FieldKind::kUrl, 30, KeywordMatch::kAnywhere,
     "公司网站|公司網站|会社ホームページ|会社のホームページ|회사 홈페이지|회사홈페이지|ที่อยู่เว็บไซต์|เว็บไซต์บริษัท"},
    {FieldKind::kUrl, 22, KeywordMatch::kAnywhere,
     "ホームページ|网站|网址|網站|웹사이트|홈페이지|ウェブサイト|ウェブ サイト|เว็บไซต์|个人主页|個人主頁|主页|主頁"},
    // A bare "name" mostly asks for the full name; when the history holds only
    // a given name, that is what the person means.
    {FieldKind::kFullName, 10, KeywordMatch::kWord,
     "name|navn|naam|namn|nimi|név|nev|neved|jmeno|isim|imya",
     FieldKind::kGivenName},
    {FieldKind::kFullName, 26, KeywordMatch::kWord,
     "your name|ihr name|uw naam|dein name|dit navn|ditt navn|ditt namn|nimesi|seu nome|tu nombre|"
     "il tuo nome|su nombre|vostro nome|il vostro nome|jak se jmenujete|your name please|name please",
     FieldKind::kGivenName},
    {FieldKind::kFullName, 24, KeywordMatch::kAnywhere, "お名前|名前|이름", FieldKind::kGivenName},
    // Thai "ชื่อ" is the given name beside "นามสกุล", the family name, and as often the whole
    // name on a form that asks for one name only. Inside a phrase it names anything ("ชื่อไฟล์").
    {FieldKind::kGivenName, 12, KeywordMatch::kWhole, "ชื่อ|ชื่อ ภาษาอังกฤษ|ชื่อภาษาอังกฤษ", FieldKind::kFullName},
    {FieldKind::kFullName, 24, KeywordMatch::kAnywhere, "ชื่อของคุณ", FieldKind::kGivenName},
    {FieldKind::kFullName, 24, KeywordMatch::kAnywhere, "ชื่อ สกุล|ชื่อสกุล|ชื่อผู้ติดต่อ"},
    {FieldKind::kGivenName, 30, KeywordMatch::kAnywhere, "ชื่อจริง"},
    {FieldKind::kFamilyName, 30, KeywordMatch::kAnywhere, "นามสกุล|สกุล"},
    {FieldKind::kUnknown, 1, KeywordMatch::kAnywhere, "สกุลเงิน"},  // currency
    // Words that literally name the given name. Forms in these languages ask for the family
    // name apart ("Apellidos", "Cognome", "Sobrenome", "Фамилия"), so the given name is meant;
    // with only the full name in the history it is offered, never inserted.
    {FieldKind::kGivenName, 12, KeywordMatch::kWord,
     "nombre|nome|имя|ваше имя|tu nombre de pila|su nombre de pila|ime|име|ім я|ваше ім я|ονομα|vards|"
     "vardas|adi|نام|укажите ваше имя|введите ваше имя|укажите имя|введите имя",
     FieldKind::kFullName},
    // Turkish "Adınız" is as often either sense.
    {FieldKind::kFullName, 10, KeywordMatch::kWord, "adiniz", FieldKind::kGivenName, true},
    {FieldKind::kFullName, 20, KeywordMatch::kWord,
     "как вас зовут|как к вам обращаться|name des ansprechpartners|contact name|contact person|ansprechpartner|"
     "kontaktperson|persona di contatto|persona de contacto|personne a contacter|nom du contact|"
     "nome do contato|contactpersoon|osoba kontaktowa|контактное лицо"},
    // The person in charge, named alone: the one filling in on a business's behalf. Within a
    // longer part it is as often another's ("営業担当者名", "弊社担当者名").
    {FieldKind::kFullName, 24, KeywordMatch::kWhole,
     "担当者名|ご担当者名|ご担当者様名|联系人|聯絡人|聯繫人|담당자|담당자명|담당자 이름|담당자 성명"},
    // The one who books is the one filling in.
    {FieldKind::kFullName, 24, KeywordMatch::kAnywhere,
     "予約者名|ご予約者名|予約者氏名|ご予約者氏名|预订人姓名|預訂人姓名|예약자명|예약자 이름|예약자 성함|"
     "예약자 성명"},
    // An Italian certified mailbox: an address of its own, which the saved one may not be.
    {FieldKind::kEmail, 40, KeywordMatch::kWord,
     "pec|indirizzo pec|posta elettronica certificata|email pec|e mail pec|casella pec",
     FieldKind::kUnknown, false, true},
    // The name a booking or a passport is in: the person's own.
    {FieldKind::kFullName, 36, KeywordMatch::kWord,
     "name on booking|name on the booking|name on passport|name on your passport|passport holder name|"
     "name of passport holder|booking contact name"},
    // Asked as a question: what the person is called, mostly the whole name.
    {FieldKind::kFullName, 20, KeywordMatch::kWord,
     "how should we call you|what should we call you|what do we call you|what do you call yourself|"
     "wie heisst du|wie heissen sie|comment vous appelez vous|comment t appelles tu|comment tu t appelles|"
     "como te llamas|como se llama|como se llama usted|come ti chiami|come si chiama|como voce se chama|"
     "como se chama|como te chamas|hoe heet je|hoe heet u|jak sie nazywasz|jak pan sie nazywa|"
     "jak pani sie nazywa|как тебя зовут",
     FieldKind::kGivenName},
    // French "nom" and Romanian "nume" are the family name beside "prénom", and as often the whole name in a contact form.
    {FieldKind::kFamilyName, 12, KeywordMatch::kWord, "nom|noms|nume", FieldKind::kFullName},
    {FieldKind::kFullName, 12, KeywordMatch::kWord, "votre nom|ton nom", FieldKind::kFamilyName, true},
    {FieldKind::kFullName, 26, KeywordMatch::kWord,
     "full name|your full name|vollstandiger name|nombre completo|nome completo|"
     "nom complet|votre nom complet|volledige naam|imie i nazwisko|jmeno a prijmeni|фио|ф и о|піб|п і б|"
     "фамилия имя отчество|имя и фамилия|фамилия и имя|фамилия имя|имя фамилия|twoje imie|"
     "twoje imie i nazwisko|votre nom et prenom|nom et prenom|nom prenom|prenom nom|prenom et nom|"
     "name and surname|nominativo|first and last name|vor und nachname|vor und zuname|vorname und nachname|"
     "vorname nachname|name vorname|nachname vorname|nome e cognome|nome cognome|cognome e nome|"
     "nombre y apellidos|nombre y apellido|nombre apellidos|nombres y apellidos|nome e sobrenome|"
     "nome completo|voor en achternaam|naam en achternaam|imie nazwisko|meno a priezvisko|"
     "meno priezvisko|jmeno prijmeni|teljes nev|vezeteknev keresztnev|fullt navn|fulde navn|"
     "fullstandigt namn|koko nimi|etu ja sukunimi|ad soyad|adi soyadi|ad soyadi|full legal name|"
     "name surname|first name last name|your first and last name|полное имя|ваше полное имя|"
     "имя полностью|ваши фио|ваше фио|nome e apelido|nome e apelidos|nome completo|pelne imie|"
     "imie nazwisko|voornaam en achternaam|voor en achternaam|vor und zuname|vollstandiger name|"
     "prenom et nom|nom et prenom|nombre y apellido|name in full|legal name|your full legal name|الاسم الكامل|"
     "نام و نام خانوادگی|שם מלא|nume si prenume|prenume si nume|nume complet|numele complet|"
     "numele si prenumele|ονοματεπωνυμο|ime i prezime|ime in priimek|nama lengkap|nama sesuai ktp|vards uzvards|vardas pavarde|"
     "ees ja perekonnanimi|ім я та прізвище|прізвище ім я|име и фамилия|ad ve soyad|adiniz soyadiniz|"
     "adiniz ve soyadiniz|ho va ten|ho ten|teljes neve|celé jméno|cele meno|cele jmeno|fuldt navn|"
     "for og efternavn|for og etternavn|for och efternamn|etu ja sukunimi|name und vorname|vorname und name|"
     "name u vorname|naam en voornaam|voornaam en naam|vor und familienname|ihren namen|deinen namen|"
     "ihren vollstandigen namen"},
    {FieldKind::kFullName, 26, KeywordMatch::kWord, "first last name|first last"},
    // Both parts named together, in either order: "Name (first and last)", "Surname, first name".
    {FieldKind::kFullName, 36, KeywordMatch::kWord,
     "first and last|first and last names|first and surname|first and family name|given and family name|"
     "first name and last name|first name and surname|first name last name|last name first name|"
     "surname first name|surname forename|surname and first name|last name and first name|"
     "family name given name|surname and forename|last first name|first name surname|forename surname|"
     "primeiro e ultimo nome|primeiro e ultimo nomes|"
     "name first last|name last first|last first|name first and last|name last and first"},
    // A name field split in parts: "Name (first)", "Name (last)".
    {FieldKind::kGivenName, 30, KeywordMatch::kWord, "name first|name given"},
    {FieldKind::kFamilyName, 30, KeywordMatch::kWord, "name last|name family"},
    {FieldKind::kPhone, 36, KeywordMatch::kWord,
     "prefix and number|prefix number|tel prefix number|phone prefix number|mobile prefix number"},
    {FieldKind::kUnknown, 1, KeywordMatch::kAnywhere, "国番号含む|国番号を含む|市外局番から|市外局番を含む|市外局番含む|국가번호 포함|เพื่อนำ|เพื่อนัด"},
    {FieldKind::kFullName, 24, KeywordMatch::kAnywhere,
     "氏名|姓名|성명|フルネーム|全名|真实姓名|真實姓名|성함|실명|주문자명|ชื่อ นามสกุล|ชื่อนามสกุล|ชื่อและนามสกุล"},
    {FieldKind::kGivenName, 30, KeywordMatch::kWord,
     "first name|firstname|first names|first name s|given name|given names|forename|vorname|"
     "prenom|votre prenom|nombre de pila|nome proprio|primeiro nome|primo nome|voornaam|imie|"
     "fornavn|fornamn|förnamn|etunimi|etunimet|keresztnev|krestni jmeno|krstne meno|meno|jmeno krestni|"
     "имя собственное|名|下の名前|your first name|your given name|votre prenom|ton prenom|"
     "prenom usuel|nombres|nombre propio|tu nombre de pila|nome di battesimo|il tuo nome di battesimo|"
     "primeiro nome|seu primeiro nome|voornamen|roepnaam|imiona|ваше имя и отчество|"
     "krestni|keresztneved|first name s|given names s|名（漢字）|"
     "الاسم الأول|نام کوچک|שם פרטי|forenames|fname|christian name|utonev|prenume|prenumele|eesnimi|nama depan|"
     "nama awal|ilk ad|f name|first nm|rufname|first and middle name|first and middle names|first middle name|"
     "given and middle name|given and middle names|first name and middle name|имя и отчество|имя отчество|prenoms|vos prenoms|primeiros nomes|nomes proprios"},
    {FieldKind::kGivenName, 30, KeywordMatch::kPrefix,
     "vorname|fornavn|förnamn|etunimi|keresztn"},
    {FieldKind::kFamilyName, 30, KeywordMatch::kWord,
     "last name|lastname|surname|surnames|surname s|family name|familyname|nachname|"
     "familienname|zuname|nom de famille|apellido|apellidos|primer apellido|cognome|"
     "sobrenome|achternaam|nazwisko|prijmeni|priezvisko|efternavn|etternavn|efternamn|"
     "sukunimi|vezeteknev|фамилия|姓|苗字|名字|성|성씨|姓氏|votre nom de famille|nom de naissance|"
     "nom d usage|apellido paterno|apellido materno|segundo apellido|ultimo sobrenome|ultimo nome|"
     "geslachtsnaam|familienaam|achternamen|tussenvoegsel en achternaam|ваша фамилия|"
     "soyad|soyadi|soyadiniz|soyisim|soyisminiz|family names|last names|your last name|"
     "your surname|nom de famille usuel|姓（漢字）|اسم العائلة|نام خانوادگی|שם משפחה|lname|nume de familie|"
     "numele de familie|επωνυμο|prezime|nama belakang|nama keluarga|uzvards|pavarde|perekonnanimi|прізвище|"
     "ваше прізвище|l name|last nm|second name surname|second name last name|second name family name|cognomi|sobrenomes|nazwiska|apellidos paterno y materno"},
    {FieldKind::kFamilyName, 30, KeywordMatch::kPrefix,
     "nachname|familienname|efternavn|etternavn|efternamn|sukunim|vezetekn|фамили"},
    {FieldKind::kMiddleName, 32, KeywordMatch::kWord,
     "middle name|middle initial|middle names|zweiter vorname|second name|otchestvo|отчество|"
     "segundo nombre|deuxieme prenom|tussenvoegsel|tussenvoegsels|secondo nome|nome do meio|"
     "drugie imie|patronymic|initial|initials|voorletters|initialen|m i|autres prenoms|weitere vornamen|"
     "otros nombres|altri nomi|outros nomes|andere voornamen|other given names|other forenames"},
    // French and Portuguese "Site" alone is the site's address; in English it is as often a place.
    {FieldKind::kUrl, 15, KeywordMatch::kWhole, "site", FieldKind::kUnknown, false, true},
    // The kana reading of a name: the history holds the name as written, not how it is read.
    {FieldKind::kNameReading, 40, KeywordMatch::kAnywhere,
     "フリガナ|ふりがな|カナ|かな|よみがな|セイ|メイ|拼音"},
    {FieldKind::kNameReading, 40, KeywordMatch::kWord, "furigana|katakana|kana|pinyin|phonetic name|phonetic first name|phonetic last name|phonetic given name|"
     "phonetic family name|phonetic reading|name pronunciation|pronunciation of your name|nom phonetique|"
     "phonetischer name|nombre fonetico|nome fonetico|fonetische naam|phonetic"},
    // The street without its number: every saved address carries the house number.
    {FieldKind::kStreetName, 36, KeywordMatch::kWord,
     "street name|name of street|straatnaam|strassenname|nom de rue|nom de la rue|nom de voie|nom de la voie|"
     "nombre de la calle|"
     "nome da rua|nome della via|nazwa ulicy|название улицы"},
    {FieldKind::kStreetName, 36, KeywordMatch::kPrefix, "strassenname"},
    // Italian "nominativo" names a company as well as a person.
    {FieldKind::kOrganisation, 30, KeywordMatch::kWord,
     "nominativo azienda|nominativo dell azienda|nominativo societa|nominativo della societa|nominativo ditta|"
     "nominativo ente|nominativo struttura"},
    {FieldKind::kOrganisation, 26, KeywordMatch::kWord,
     "company|company name|co name|organisation|organization|organisation name|organization name|org|"
     "firma|firmenname|unternehmen|societe|entreprise|raison sociale|nom de l entreprise|"
     "empresa|nombre de la empresa|azienda|societa|ragione sociale|bedrijf|bedrijfsnaam|"
     "nazwa firmy|компания|организация|название компании|компанія|організація|employer|institution|"
     "company organisation|company organization|business name|firmanavn|yritys|cég|cegnev|"
     "cég neve|school name|department|practice name|name of practice|praxisname|nom commercial|nom de la societe|denomination|"
     "denomination sociale|nom de votre entreprise|votre societe|organisme|firmenbezeichnung|"
     "firmierung|arbeitgeber|ihre firma|nombre de empresa|nombre de la compania|razon social|compania|"
     "organizacion|nome azienda|nome dell azienda|denominazione|nome da empresa|razao social|"
     "organizacao|instituicao|organisatie|werkgever|naam bedrijf|naam organisatie|organizacja|"
     "nazwa organizacji|instytucja|firma instytucja|наименование организации|название организации|"
     "место работы|работодатель|организация компания|spolecnost|nazev firmy|organizace|"
     "yrityksen nimi|organisaatio|virksomhed|virksomhedsnavn|foretag|foretagsnamn|bedrift|"
     "affiliation|company or organization|company organization name|organization company|"
     "your company|your organization|your organisation|employer name|firma adi|sirket|"
     "اسم الشركة|نام شرکت|חברה|שם החברה|perusahaan|nama perusahaan|شرکت|фирма|име на фирмата|компания|"
     "spolocnost|nazov firmy|sirket adi|firma adi|εταιρεια|companie|numele companiei|tvrtka|poduzece|uznemums|"
     "imone|ettevote|parent company|parent organisation|parent organization|arbeitgebers|des arbeitgebers|"
     "employeur|de l employeur|empleador|del empleador|empregador|do empregador|datore di lavoro|pracodawcy|"
     "работодателя|"
     // A business's name under another word than "company": its trading or legal name.
     "trading name|trading as|legal entity name|entity name|agency name|dba name|"
     "doing business as|name des unternehmens|unternehmensname|name der organisation|nome fantasia|"
     "nombre comercial|nome comercial|handelsname|handelsnaam|legal business name|business legal name|"
     "denominacion social|"
     "company legal name|registered business name|registered company name|legal name of business|"
     "legal name of company|legal name of the company|legal name of the business|legal name of entity|"
     "firm name|pracodawca"},
    // As the whole label only: "Name of business partner" asks for a person.
    {FieldKind::kOrganisation, 26, KeywordMatch::kWhole,
     "name of your business|name of your company|name of the company|name of company|name of business|"
     "name of organisation|name of organization|name of your organisation|name of your organization|"
     "name of firm|name of agency|dba"},
    // A company's own contact details are the person's work details, not the company's name.
    {FieldKind::kPhone, 30, KeywordMatch::kWord,
     "company phone|business phone|company telephone|telefono de la empresa|telephone de l entreprise|"
     "firmentelefon|telefone da empresa|telepon perusahaan"},
    {FieldKind::kEmail, 30, KeywordMatch::kWord,
     "company email|company e mail|business email|e mail de l entreprise|email de l entreprise|"
     "correo de la empresa|firmen e mail|email da empresa|email perusahaan|sirket e posta|sirket e posta adresi"},
    {FieldKind::kEmail, 30, KeywordMatch::kAnywhere, "公司邮箱|公司郵箱|会社メール|회사 이메일|อีเมลบริษัท"},
    // A company's address may or may not be the one saved: offered, never inserted.
    {FieldKind::kStreetAddress, 30, KeywordMatch::kWord,
     "company address|business address|adresse de l entreprise|firmenadresse|direccion de la empresa|"
     "indirizzo aziendale|endereco da empresa|alamat perusahaan|firmenanschrift|geschaftsadresse|"
     "geschaftsanschrift|bedrijfsadres",
     FieldKind::kUnknown, false, true},
    {FieldKind::kOrganisation, 26, KeywordMatch::kAnywhere,
     "会社名|会社|企業名|公司|单位|單位|회사|회사명|소속|勤務先|所属|団体名|机构|組織|단체|기관명|직장|บริษัท|หน่วยงาน|貴社名|"
     "기업명|企业名称|企業名稱|法人名|御社名|상호명|상호"},
    // Short words that name the parts of a name field only when they stand alone ("Name ·
    // First", "Last"), Turkish "Ad", Vietnamese "Tên" and "Họ".
    {FieldKind::kGivenName, 30, KeywordMatch::kWhole, "first|ad|ten"},
    {FieldKind::kFamilyName, 30, KeywordMatch::kWhole, "last|ho"},
    {FieldKind::kUsername, 30, KeywordMatch::kWord,
     "username|user name|user id|userid|user|login|login name|login id|loginname|benutzername|"
     "benutzer|brugernavn|brukernavn|anvandarnamn|kayttajatunnus|gebruikersnaam|gebruiker|"
     "usuario|nombre de usuario|nome de usuario|nome de utilizador|nome utente|"
     "nom d utilisateur|pseudo|pseudonyme|nick|nickname|nick name|nazwa uzytkownika|login uzytkownika|"
     "имя пользователя|логин|ник|логін|ім я користувача|nume utilizator|nume de utilizator|"
     "prihlasovaci jmeno|uzivatelske jmeno|felhasznalonev|nimimerkki|member id|account name|"
     "account id|handle|login id|member login|anmeldename|benutzerkennung|"
     "nom de compte|nombre de cuenta|nome account|nazwa konta|учетная запись|"
     "имя пользователя или|kullanici adi|kullanici|نام کاربری|اسم المستخدم|שם משתמש|tên đăng nhập|kayttajanimi|"
     "pouzivatelske meno|nama pengguna|потребителско име|nume de utilizator|numele de utilizator|ονομα χρηστη|"
     "korisnicko ime|lietotajvards|vartotojo vardas|kasutajanimi|utilizador"},
    // Named alone: beside a name ("お名前（ニックネームでも大丈夫です）") a nickname is only allowed.
    {FieldKind::kUsername, 30, KeywordMatch::kWhole, "アカウントID|アカウント ID|닉네임"},
    // The public handle of Japanese, Chinese and Russian sites, with a note beside it as well:
    // "ニックネーム（公開されます）", "Никнейм (виден всем)".
    {FieldKind::kUsername, 30, KeywordMatch::kAnywhere, "ニックネーム|昵称"},
    {FieldKind::kUsername, 30, KeywordMatch::kWord, "никнейм|ник"},
    // Portuguese "Apelido" is the family name in Portugal and a nickname in Brazil: whichever
    // the history holds is offered, never inserted.
    {FieldKind::kUsername, 30, KeywordMatch::kWord, "apelido|apelidos", FieldKind::kFamilyName, true, true},
    // The name shown to others: the user name for some, the person's own name for others.
    {FieldKind::kUsername, 30, KeywordMatch::kWord,
     "display name|screen name|public name|anzeigename|nom d affichage|nom affiche|"
     "nombre para mostrar|nombre visible|nome visualizzato|nome de exibicao|weergavenaam|"
     "nazwa wyswietlana|отображаемое имя",
     FieldKind::kUnknown, false, true},
    {FieldKind::kUsername, 30, KeywordMatch::kAnywhere, "表示名|显示名称|표시 이름", FieldKind::kUnknown, false, true},
    {FieldKind::kUsername, 30, KeywordMatch::kAnywhere,
     "ユーザー名|ユーザ名|ログインid|用户名|用戶名|使用者名稱|使用者帳號|用戶名稱|用户名称|账号|帳號|아이디|사용자 이름|닉네임|会員id|ユーザーid|账户名|登录名|ชื่อผู้ใช้"},
    // A bare "ID" on a sign-in form is the user name; longer phrases ("customer ID") say otherwise.
    {FieldKind::kUsername, 20, KeywordMatch::kWord, "id|login id"},
    // French sites ask for "identifiant" where most people give their e-mail address.
    {FieldKind::kUsernameOrEmail, 30, KeywordMatch::kWord,
     "identifiant|votre identifiant|identifiant ou e mail|login ou e mail|usuario o correo|"
     "usuario o email|utente o email|username or email|user name or email|login or email"},
    {FieldKind::kBirthDate, 27, KeywordMatch::kWord,
     "date of birth|birth date|birthdate|birthday|dob|geburtsdatum|geburtstag|"
     "date de naissance|fecha de nacimiento|data di nascita|data de nascimento|geboortedatum|"
     "data urodzenia|дата рождения|datum narozeni|fodselsdato|fødselsdato|födelsedatum|syntymaaika|"
     "szuletesi datum|szuletesi ido|born|tanggal lahir|дата на раждане|dogum tarihi|data nasterii|data de nastere|"
     "ημερομηνια γεννησης|datum rodenja|fodselsdato|fodelsedatum|syntymapaiva|tarikh lahir|تاریخ تولد|"
     "дата народження|datum narodenia|ngay sinh"},
    {FieldKind::kBirthDate, 27, KeywordMatch::kAnywhere,
     "生年月日|出生日期|생년월일|วันเกิด"},
    // Arabic, Hebrew, Hindi and Vietnamese. The bare words for "name" count only on their own:
    // inside a phrase they as often name a father, a shop or a product ("पिता का नाम", "שם המוצר").
    {FieldKind::kFullName, 10, KeywordMatch::kWhole, "الاسم|اسمك|שם|नाम|आपका नाम|nama|nama anda",
     FieldKind::kGivenName},
    {FieldKind::kFullName, 10, KeywordMatch::kWord, "ten cua ban|ho ten cua ban", FieldKind::kGivenName},
    {FieldKind::kGivenName, 30, KeywordMatch::kWord, "पहला नाम|ten rieng"},
    {FieldKind::kFamilyName, 30, KeywordMatch::kWord, "अंतिम नाम|ho cua ban"},
    // Hindi "उपनाम" is the surname on most forms and a nickname on others.
    {FieldKind::kFamilyName, 30, KeywordMatch::kWord, "उपनाम", FieldKind::kUnknown, false, true},
    {FieldKind::kFullName, 26, KeywordMatch::kWord, "पूरा नाम|ho va ten day du"},
    {FieldKind::kEmail, 22, KeywordMatch::kWord, "דוא ל|דואר אלקטרוני|ई मेल|thu dien tu"},
    {FieldKind::kPhone, 30, KeywordMatch::kWord,
     "الجوال|رقم الجوال|الهاتف|هاتف|جوال|נייד|מספר נייד|फ़ोन नंबर|फोन नंबर|मोबाइल नंबर|मोबाइल|फ़ोन|फोन|"
     "so dien thoai|dien thoai|sdt"},
    {FieldKind::kCity, 28, KeywordMatch::kWord, "शहर|नगर|thanh pho"},
    // Vietnamese "Tỉnh" (province) folds like "tính" in "Giới tính" (gender): alone, or with "thành phố".
    {FieldKind::kRegion, 30, KeywordMatch::kWhole, "tinh"},
    {FieldKind::kRegion, 30, KeywordMatch::kWord, "tinh thanh pho|tinh thanh|tinh tp"},
    {FieldKind::kRegion, 30, KeywordMatch::kWhole, "chon tinh"},
    {FieldKind::kPostalCode, 32, KeywordMatch::kWord, "पिन कोड|पिनकोड|pincode|pin code pincode|postal pin code|ma buu dien|ma buu chinh"},
    {FieldKind::kOrganisation, 26, KeywordMatch::kWord, "कंपनी|कंपनी का नाम|cong ty|ten cong ty"},
};

}  // namespace

std::span<const LabelKeywordGroup> answerableKeywordGroups() { return kGroups; }

}  // namespace oskel::answer
