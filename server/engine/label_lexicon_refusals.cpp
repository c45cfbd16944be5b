// The keywords of fields that a saved value never answers (other people's are in
// label_lexicon_people.cpp): searches, captchas, messages, secrets and codes, quantities,
// numbers of other kinds; and the qualifiers that say how to write a value.
#include "engine/label_lexicon.h"

namespace oskel::answer {
namespace {

constexpr LabelKeywordGroup kGroups[] = {
    // Qualifiers that say how to write the value, not what it is: "First name (as on passport)".
    {FieldKind::kUnknown, 1, KeywordMatch::kWord,
     "as on passport|as in passport|as on your passport|as in your passport|as shown on passport|"
     "as it appears on your passport|as shown on your passport|as shown in your passport|as written on your passport|"
     "as printed on your passport|as it appears in your passport|as per passport|as per your passport|as on id|as on your id|as it appears on your id|wie im pass|"
     "wie im ausweis|comme sur le passeport|como en el pasaporte|come sul passaporto|"
     "as on id card|as on your id card|as on identity card|as on your identity card|as shown on your id|"
     "segun dni|segun tu dni|como figura en tu dni|como en tu dni|como en el dni|como aparece en tu dni|"
     "como aparece en el dni|como figura en el dni|como no rg|conforme rg|conforme cpf|"
     "como no cpf|como no passaporte|conforme documento|no documento|como no documento|no documento de identidade|tel que sur la carte d identite|"
     "comme sur la carte d identite|come sulla carta d identita|come sul documento|zoals op je id|"
     "zoals op uw id|zoals op je identiteitskaart|zoals op uw identiteitsbewijs|zoals in je paspoort|"
     "wie im personalausweis|wie auf dem ausweis|jak w dowodzie|jak w dowodzie osobistym|как в паспорте|"
     "include country code|include the country code|include your country code|include area code|"
     "include the area code|include international code|area code first|area code and number|"
     "include international dialling code|include international dialing code|include dialling code|"
     "include dialing code|international dialling code|international dialing code|"
     "area code number|indicatif compris|avec l indicatif|incluso prefisso|incluso il prefisso|"
     "inclusief landcode|met landcode|met netnummer|z kierunkowym|z numerem kierunkowym|с кодом страны|"
     "с кодом города|incluye codigo de pais|incluya codigo de pais|incluir ddd|"
     // ... and the person's own booking, ticket and passport, whose words alone name no field.
     "booking contact|booking holder|booking made by|ticket buyer|"
     // ... and a hint that the whole name holds every given name: "Nom complet (avec tous les prénoms)".
     "avec tous les prenoms|avec tous vos prenoms|y compris tous les prenoms|with all given names|"
     // ... and account headings, which are no bank account: "Konto erstellen · E-Mail".
     "konto erstellen|mein konto|ihr konto|dein konto|kundenkonto|benutzerkonto|zaloz konto|moje konto|"
     "twoje konto|konto klienta|konto uzytkownika|"
     // ... and how to write a phone number.
     "with country code|including country code|including the country code|incl country code|inc country code|"
     "with international code|including international code|incl international code|inc international code|"
     "country code included|country code number|with area code|including area code|incl area code|"
     "inc area code|mit vorwahl|inkl vorwahl|mit landesvorwahl|avec indicatif|indicatif inclus|"
     "indicatif pays inclus|code pays inclus|prefixe inclus|avec prefixe|con prefijo|con prefisso|"
     "con codigo de pais|con el codigo de pais|com codigo do pais|com ddd|"
     // ... and a promise about the address, which is no captcha: "Email (no spam, ever)".
     "no spam|no spam ever|never spam|we never spam|we don t spam|we won t spam|we hate spam|zero spam|"
     // ... and the address parts of UK and Irish forms, which are no dependants.
     "dependent locality|double dependent locality|dependant locality|dependent street|dependent thoroughfare"},
    // A company's own line, not the person's: "Work phone (company switchboard)".
    {FieldKind::kUnclear, 50, KeywordMatch::kWord,
     "switchboard|company switchboard|company main line|company main number|standard de l entreprise|"
     "centralita|telefonzentrale|centralino"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWord,
     "account number|street number|house number|hausnummer|nr|numero|no|hotel name|product name|"
     "hausnr|huisnummer|nr domu|nr lokalu|numer domu|numer lokalu|n civico|numero civico|toevoeging|"
     "store name|shop name|butikk navn|file name|item number|article number|artikelnummer|"
     // Names of things, not of the person.
     "event name|name of the event|project name|name of the project|team name|group name|pet name|pet s name|"
     "bank name|name of bank|name of your bank|branch name|university name|hospital name|"
     // Numbers of a company or a membership, whatever their label says besides.
     "company number|company reg number|company registration number|registration number|"
     "steuer id|umsatzsteuer id|ust id|ust idnr|ust id nr|tax number|tva intracommunautaire|"
     "registered company number|organisation number|organization number|employer identification number|"
     "company id|member id|patient id|policy id|claim id|medicare id|insurance id|"
     "name of your pet|campaign name|list name|channel name|server name|domain name|site name|website name|"
     "blog name|page name|app name|device name|computer name|network name|course name|venue name|brand name|"
     "model name|character name|game name|workspace name|room name|playlist name|album name|"
     "band name|document name|boat name|name suffix|name prefix|"
     "nom du fichier|nom de fichier|nom de l equipe|nom d equipe|nom du projet|nom de projet|"
     "nom de la banque|nom de l evenement|nom du produit|nom de la marque|"
     "nombre del archivo|nombre de archivo|nombre del equipo|nombre del proyecto|"
     "nombre del banco|nombre del evento|nombre del producto|nombre de la marca|"
     "nome del file|nome del progetto|nome della squadra|nome del team|nome della banca|nome dell evento|"
     "nome del prodotto|nome do arquivo|nome do ficheiro|nome do projeto|nome da equipe|"
     "nome da equipa|nome do banco|nome do evento|nome do produto|name der datei|dateiname|"
     "name des projekts|projektname|teamname|name der bank|bankname|name der veranstaltung|"
     "veranstaltungsname|produktname|naam van het team|teamnaam|projectnaam|bestandsnaam|"
     "naam van de bank|naam van het project|nazwa pliku|nazwa projektu|nazwa zespolu|"
     "nazwa banku|имя файла|название файла|имя проекта|название проекта|имя устройства|"
     "название команды|название банка|"
     "name of school|name of the school|name of your school|college name|club name|vereinsname|"
     "company size|number of employees|business size|taille de l entreprise|unternehmensgrosse|"
     // A former name is no longer the one saved.
     "maiden name|birth name|former name|previous name|geburtsname|nom de jeune fille|apellido de soltera|"
     "nazwisko panienskie|nazwisko rodowe|девичья фамилия|фамилия при рождении|cognome da nubile|kizlik soyadi|"
     "kizlik soyadiniz|nome de solteira|sobrenome de solteira|de solteira|de soltera|urun adi|"
     "previous surname|former surname|maiden surname|previous last name|former last name|previous family name|"
     "former family name|previous names|other surnames|fruherer name|fruherer nachname|прежняя фамилия|"
     "предыдущая фамилия"},
    // What a person is rather than a value kept for them: nationality, identity numbers, and
    // what a job or a booking asks besides. Light enough that beside the name of a field a value
    // answers ("Nationality: Nom complet:"), that name decides.
    {FieldKind::kOtherNumber, 23, KeywordMatch::kWord,
     "nationality|nationalite|nacionalidad|nazionalita|nacionalidade|staatsangehorigkeit|nationaliteit|"
     "narodowosc|гражданство|национальность|social security number|ssn|national insurance number|ni number|"
     "drivers license number|driver s license number|driving licence number|notice period|kundigungsfrist|"
     "salary expectations|gehaltsvorstellung|pretentions salariales|expectativa salarial|years of experience|"
     "dietary requirements|special requests|pronouns|preferred contact method|eintrittstermin|"
     "fruhester eintrittstermin|bestellnummer|auftragsnummer|"
     // What a provider, a device or a company's kind is, not the person's detail.
     "mobile operator|mobile provider|mobile carrier|current mobile provider|operateur mobile|"
     "мобильный оператор|phone model|model telefonu|модель телефона|telefonmodell|modele de telephone|"
     "email provider|company type|type of company|"
     "type of organisation|type of organization|business type|type of business|tipo de empresa|"
     "type d entreprise|legal form|rechtsform|forme juridique|forma juridica|forma giuridica|forma prawna"},
    {FieldKind::kOtherNumber, 27, KeywordMatch::kAnywhere, "国籍|국적"},
    // A post-office box is a number of its own, not the street line nor the postal code; and so
    // are a parcel service's customer number and pick-up point.
    {FieldKind::kOtherNumber, 40, KeywordMatch::kWord,
     "po box|p o box|post office box|postfach|postbus|caixa postal|casella postale|boite postale|"
     "apartado de correos|apartado postal|skrytka pocztowa|абонентский ящик|postboks|postilokero|"
     "dhl postnummer|postnummer dhl|vydejniho mista|vydejni misto|paczkomat|packstation"},
    // Airports and stations of a journey searched for, not the person's town.
    {FieldKind::kOtherNumber, 40, KeywordMatch::kWord,
     "airport|city or airport|departure airport|arrival airport|flughafen|aeroport|aeropuerto|aeroporto|"
     "luchthaven|lotnisko|аэропорт|departure station|arrival station|bahnhof"},
    // The employer a job application goes to, not the applicant's own.
    {FieldKind::kOtherNumber, 50, KeywordMatch::kWord,
     "company you are applying to|company you re applying to|company you are applying for|"
     "bei dem sie sich bewerben|bei dem du dich bewirbst|waar u solliciteert|waar je solliciteert|"
     "auquel vous postulez|a laquelle vous postulez|a la que postulas|a la que te postulas"},
    // The country of a citizenship is a nationality, not where the person lives.
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWord,
     "citizenship|country of citizenship|country of nationality|pays de nationalite|nationalite pays|"
     "pais de nacionalidad|nacionalidad pais|staatsangehorigkeit land|staatsburgerschaft|citoyennete|"
     "ciudadania|cittadinanza|cidadania|burgerschap|obywatelstwo|страна гражданства|nationality country|"
     "country nationality|country citizenship|pays nationalite|land staatsangehorigkeit|страна гражданство|"
     "pais nacionalidad|pais nacionalidade|paese nazionalita|land nationaliteit|kraj narodowosc|"
     "страна национальность"},
    // French "nombre de" is "number of": "Nombre de participants" is a count, no name.
    {FieldKind::kQuantity, 40, KeywordMatch::kWord,
     "nombre de participants|nombre de places|nombre de nuits|nombre de chambres|nombre de billets|"
     "nombre d invites|nombre de passagers|nombre d accompagnants|nombre d adultes|nombre d enfants|"
     "nombre de couverts|nombre de jours"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kAnywhere,
     "파일 이름|팀 이름|은행 이름|브랜드 이름|프로젝트 이름|제품 이름|"
     "ファイル名|チーム名|プロジェクト名|銀行名|文件名|团队名称|项目名称|银行名称"},
    // The house number in Chinese, a field of its own beside the street: "门牌号".
    {FieldKind::kOtherNumber, 34, KeywordMatch::kAnywhere, "门牌号|門牌號"},
    // The name of a university or a club as the whole label; "Name of the club secretary" is a person's.
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWhole,
     "name of university|name of the university|name of your university|name of college|name of the college|"
     "name of club|name of the club|name of your club|name des vereins"},
    // The prefix of a phone number split over several fields. Qualifiers such as "mit
    // Vorwahl" and "préfixe inclus" (how to write a whole number) outweigh these words.
    {FieldKind::kPhonePart, 34, KeywordMatch::kWord,
     "area code|phone prefix|phone suffix|dialing code|dialling code|dial code|calling code|country calling code|"
     "phone calling code|"
     "vorwahl|telefonvorwahl|telefon vorwahl|vorwahl telefon|landesvorwahl|indicatif|indicatif telephonique|"
     "indicatif du telephone|indicatif pays|prefixe|prefixe telephonique|prefijo|prefijo telefonico|prefisso|"
     "prefisso telefonico|tel prefix|mobile prefix|phone number prefix|prefix phone|codigo do pais|"
     "codigo de pais|ddi|country code|not include area code|not include the area code|not include country code|"
     "indicativo|indicativo do pais|indicativo de pais|line number|last 4 digits|last four digits|"
     "not include the country code"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWhole,
     "email domain|e mail domain|mail domain|company email domain|domain"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWord,
     "email domain for|email domain name|allowed email domain|allowed email domains|allowed domains"},
    {FieldKind::kPhonePart, 34, KeywordMatch::kPrefix,
     "phoneprefix|phonesuffix|areacode|phonepart"},
    // The three pieces of a Japanese number, each a field of its own.
    {FieldKind::kPhonePart, 34, KeywordMatch::kAnywhere, "市外局番|市内局番|加入者番号|가운데 자리|가운데자리|앞자리|뒷자리|끝자리"},
    {FieldKind::kPassword, 66, KeywordMatch::kWord,
     "email password|e mail password|mail password|email passwort|e mail passwort|mot de passe e mail|"
     "new password|neues passwort|nouveau mot de passe|nueva contrasena|nuova password|nova senha|"
     "nieuw wachtwoord|nowe haslo|новый пароль|confirm password|repeat password|passwort wiederholen|"
     "retype password|password again"},
    {FieldKind::kSearch, 40, KeywordMatch::kWord,
     "search|search for|search term|search terms|keyword|keywords|key word|find|suche|suchen|"
     "suchbegriff|recherche|rechercher|recherchez|chercher|buscar|busca|busqueda|cerca|"
     "ricerca|cerca nel sito|pesquisar|pesquisa|zoeken|zoek|zoekterm|szukaj|wyszukaj|"
     "szukana fraza|поиск|найти|искать|ключевые слова|søg|sog|sok|søk|hledat|hladat|hledany vyraz|"
     "haku|hae|keresés|kereses|keresel|what are you looking for|looking for|i want to find|"
     "quiero encontrar|que estas buscando|type here to search|what do you need help with|"
     "търсене|q|ticker|ticker symbol|stock symbol|get quote|enter symbol|"
     "enter a keyword|enter keywords|search by|"
     "location search|find a store|store locator|find a dealer|filiale finden|"
     "trouver un magasin|buscar tienda|cerca negozio|znajdz sklep|найти магазин|cari|cari produk|ara|cauta|"
     "αναζητηση|جستجو|mita etsit|mit keresel|mit keres|pretrazi|pretraga|meklet|ieskoti|otsi|пошук|"
     "parola chiave|hvad soger du|hva leter du etter|vad letar du efter"},
    {FieldKind::kSearch, 20, KeywordMatch::kWord, "symbol|quote|filter|jump to"},
    {FieldKind::kSearch, 40, KeywordMatch::kPrefix,
     "search|such|recherch|busc|ricerc|pesquis|zoek|szuka|wyszuk|поиск|keres|hled"},
    {FieldKind::kSearch, 40, KeywordMatch::kAnywhere,
     "検索|探しもの|搜索|搜尋|검색|찾기|ค้นหา"},
    // A trap for robots said in a few words and nothing more: "Website (leave blank)". Not
    // "(leave blank if none)", which says when the field may stay empty.
    {FieldKind::kCaptcha, 60, KeywordMatch::kWhole,
     "leave blank|leave empty|keep blank|keep empty|do not fill|don t fill|leer lassen|bitte leer lassen|laat leeg|"
     "nicht ausfullen|bitte nicht ausfullen|laisser vide|ne pas remplir|dejar en blanco|dejar vacio|no rellenar|"
     "lasciare vuoto|lasciare in bianco|non compilare|deixe em branco|deixar em branco|nao preencher|leeg laten|"
     "niet invullen|pozostaw puste|nie wypelniaj|оставьте пустым|не заполняйте|не заполнять"},
    {FieldKind::kCaptcha, 60, KeywordMatch::kWord,
     "captcha|recaptcha|anti robot|anti robots|not a robot|human|spam|spammer|not a spammer|security check|"
     "type no spam|enter no spam|leave this field empty|leave this field blank|leave this empty|"
     "leave this blank|laissez ce champ vide|laisser ce champ vide|ne remplissez pas ce champ|dieses feld leer lassen|"
     "lassen sie dieses feld leer|dieses feld bitte leer lassen|deje este campo vacio|deja este campo vacio|"
     "deje este campo en blanco|lascia questo campo vuoto|lasciare questo campo vuoto|deixe este campo em branco|"
     "deixe este campo vazio|laat dit veld leeg|pozostaw to pole puste|оставьте это поле пустым|"
     "do not fill this field|don t fill this field|"
     "verification image|code in the image|characters in the image|letters in the image|the letters|these letters|"
     "following letters|letters you see|letters shown|letters above|letters below|"
     "type the characters|type in the following|sicherheitsuberprufung|sicherheitscode|"
     "controllo|validation du formulaire|antispam|kontrollfrage|tarkistekysymys|sikkerhedskode|ellenorzo kod|"
     "случайный вопрос|проверочный код|код с картинки|سوال تصادفی"},
    {FieldKind::kCaptcha, 60, KeywordMatch::kPrefix,
     "captcha|tarkiste|antispam"},
    {FieldKind::kCaptcha, 60, KeywordMatch::kAnywhere,
     "画像認証|验证码|자동입력 방지"},
    {FieldKind::kComment, 35, KeywordMatch::kWord,
     "message|messages|comment|comments|your comment|your message|nachricht|ihre nachricht|"
     "referencias|referencias del domicilio|referencias de tu domicilio|punto de referencia|ponto de referencia|"
     "account nickname|nickname for this account|card nickname|nickname for this card|"
     "mitteilung|anmerkung|anmerkungen|bemerkung|kommentar|commentaire|commentaires|"
     "votre message|votre demande|mensaje|comentario|comentarios|messaggio|commento|note|"
     "notes|mensagem|comentário|bericht|opmerking|opmerkingen|wiadomosc|tresc|komentarz|"
     "сообщение|комментарий|ваш вопрос|vase zprava|zprava|sprava|viesti|uzenet|üzenet|melding|"
     "meddelelse|meddelande|besked|henvendelse|beskriv|beskrivelse|description|descripcion|"
     "descrizione|descricao|omschrijving|opis|описание|review|feedback|enquiry|inquiry|"
     "how can we help|how may we help you|question or comment|about me|"
     "about you|bio|testo|details|other information|anything else|tell us|"
     "other please specify|if other|if other please specify|reason for contact|cover letter|"
     "how did you hear about us|how did you find us|where did you hear about us|"
     "wie haben sie von uns erfahren|comment nous avez vous connu|como nos conociste|"
     "come ci hai conosciuto|como nos conheceu|hoe heeft u ons gevonden|skad sie o nas dowiedziales|"
     "como conheceu|como conheceu a nossa empresa|como nos encontrou|como soube de nos|"
     "jak sie o nas dowiedziales|jak sie o nas dowiedzialas|comment avez vous connu|"
     "как вы о нас узнали|your question|your questions|ihre frage|votre question|tu pregunta|su pregunta|"
     "la tua domanda|sua pergunta|uw vraag|twoje pytanie|motivo del contacto|"
     "special instructions|delivery instructions|additional information|"
     "zusatzliche informationen|informations complementaires|informacion adicional|"
     "informazioni aggiuntive|informacoes adicionais|aanvullende informatie|dodatkowe informacje|"
     "дополнительная информация|megjegyzes|pesan|پیام|съобщение|коментар|коментари|mesaj|mesajiniz|mesajul|"
     "μηνυμα|σχολια|komentar|poruka|zinojums|zinute|sonum|повідомлення|коментар|din besked|din kommentar"},
    // "Other": a free answer beside a list of choices, and other everyday words that ask for
    // free text when they stand alone. Lighter than the answerable kinds, which they may sit
    // beside in a longer label ("Other phone", "Email (why we ask)").
    {FieldKind::kComment, 20, KeywordMatch::kWord,
     "please specify|specify|bitte angeben|precisez|veuillez preciser|especifique|especificar|"
     "specificare|namelijk|jakie|укажите|reason|reason for|why|motivation|interests|hobbies|"
     "grund|motif|raison|instructions|"
     "other|others|sonstiges|sonstige|andere|anderes|autre|autres|otro|otros|otra|altro|altri|"
     "outro|outros|outra|anders|inne|inny|inna|другое|иное"},
    {FieldKind::kComment, 35, KeywordMatch::kAnywhere,
     "メッセージ|お問い合わせ内容|コメント|留言|评论|備考|메시지|내용|문의|その他|其他|기타|ご質問|질문|问题|問題|理由|사유|ข้อความ"},
    {FieldKind::kSubject, 36, KeywordMatch::kWord,
     "subject|betreff|sujet|sujet du message|asunto|oggetto|assunto|onderwerp|temat|тема|emne|"
     "aihe|targy|title|titel|titre|titolo|titulo|headline|topic|motivo|henvendelsen gjelder"},
    {FieldKind::kSubject, 36, KeywordMatch::kAnywhere,
     "件名|主题|제목"},
    {FieldKind::kPassword, 60, KeywordMatch::kWord,
     "password|passwort|kennwort|mot de passe|contrasena|contraseña|senha|wachtwoord|haslo|"
     "пароль|salasana|jelszo|heslo|adgangskode|passord|losenord|passphrase|recovery word|pin|"
     "passcode|secure|security answer|secret answer|answer|challenge answer|security question|"
     "secret question|kata sandi|رمز عبور|парола|sifre|sifreniz|parola|κωδικος|κωδικος προσβασης|lozinka|"
     "parole|slaptazodis|palavra passe|"
     // Questions a security answer is given to.
     "in what city were you born|what city were you born in|in welcher stadt wurden sie geboren|"
     "dans quelle ville etes vous ne|en que ciudad naciste|childhood nickname|name of your first employer|"
     "favourite city|favorite city|name of your first pet|first pet s name|mother s maiden name"},
    {FieldKind::kPassword, 60, KeywordMatch::kPrefix,
     "passw|kennw|salasan|jelsz"},
    {FieldKind::kPassword, 60, KeywordMatch::kAnywhere,
     "パスワード|密码|密碼|비밀번호|암호|รหัสผ่าน"},
    {FieldKind::kCardOrSecurityCode, 60, KeywordMatch::kWord,
     "card number|credit card|creditcard|kartennummer|numero de carte|numero de tarjeta|"
     "numero della carta|cvv|cvc|cvv2|csc|security code|card security code|cardholder|"
     "card holder|cardholder name|name on card|iban|expiry|expiration|card verification|"
     "sort code|konto|kontonummer|routing number|bic|swift|cartao|numero do cartao|nome no cartao|"
     "en la tarjeta|kaarthouder|titular de la tarjeta|titulaire de la carte|titular do cartao|"
     "titolare della carta|"
     "sur la carte|auf der karte|sulla carta|cryptogramme|cryptogramme visuel"},
    {FieldKind::kCardOrSecurityCode, 60, KeywordMatch::kAnywhere,
     "カード番号|卡号|카드번호"},
    {FieldKind::kOneTimeCode, 58, KeywordMatch::kWord,
     "one time code|one time password|otp|verification code|sms code|code|confirmation code|"
     "bestatigungscode|verifizierungscode|code de verification|codigo de verificacion|"
     "codice di verifica|kod weryfikacyjny|код подтверждения|код|kod|token|2fa|two factor|"
     "authenticator|increase your account safety|auth code|pin code"},
    {FieldKind::kOneTimeCode, 58, KeywordMatch::kAnywhere,
     "認証コード|确认码|驗證碼|인증번호"},
    {FieldKind::kQuantity, 45, KeywordMatch::kWord,
     "quantity|qty|menge|anzahl|stuckzahl|quantite|cantidad|quantita|quantidade|aantal|ilosc|"
     "количество|kolicina|mnozstvo|mnozstvi|maara|mennyiseg|antall|antal|how many|pieces|"
     "stuck|добавить|jumlah|adet|cantitate|ποσοτητα|daudzums|kiekis|kogus|кількість"},
    {FieldKind::kQuantity, 45, KeywordMatch::kAnywhere,
     "数量|수량"},
    {FieldKind::kFax, 40, KeywordMatch::kWord,
     "fax|telefax|fax number|faxnummer|факс"},
    {FieldKind::kFax, 40, KeywordMatch::kAnywhere,
     "ファックス|ファクス|传真|팩스"},
    {FieldKind::kDatePart, 40, KeywordMatch::kWord,
     "dd|mm|yyyy|yy|jj|aaaa|day|month|year|tag|monat|jahr|jour|mois|annee|dia|mes|ano|giorno|"
     "mese|anno|dag|maand|jaar|dzien|miesiac|rok|день|месяц|год|year of birth|day of birth|"
     "month of birth|birth year|geburtsjahr"},
    {FieldKind::kDatePart, 40, KeywordMatch::kAnywhere,
     "年|月|日"},
    // The letters of one box of a date split over several: "TT", "JJJJ", "년".
    {FieldKind::kDatePart, 40, KeywordMatch::kWhole, "tt|jjjj|gg|rrrr|гггг|дд|мм|년|월|일"},
    {FieldKind::kPromoCode, 45, KeywordMatch::kWord,
     "promo|promo code|promotional code|coupon|coupon code|voucher|gift certificate|gift card|"
     "gutschein|gutscheincode|code promo|codigo promocional|codice sconto|kod rabatowy|"
     "промокод|referral|referrer|referred by|empfohlen von|referido por|реферер|"
     "invitation code|invite code|rabattkode|discount code"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWord,
     "order number|order|order no|order nr|booking|booking reference|bookingnr|"
     "bookingreference|reference|reference number|customer number|customer id|kundennummer|"
     "kunden id|vertrags id|vertragsnummer|marktlokations id|malo id|zahlernummer|numero client|id client|"
     "numero de cliente|id de cliente|codice cliente|id cliente|klantnummer|klant id|numer klienta|"
     "номер клиента|номер договора|contract number|"
     "kd nr|kundenummer|member number|numero de membre|membership number|age|alter|edad|eta|"
     "idade|возраст|latitude|longitude|price|prix|preis|precio|prezzo|amount|betrag|montant|"
     "nip|vat|vat number|ust id|tax id|ssn|invoice|rechnungsnummer|номер заказа|tracking|"
     "tracking number|sendungsnummer|minutes|hours|m2|check in|check out|departure|"
     "arrival|date|datum|fecha|data|дата|"
     "sku|isbn|issn|ean|upc|serial|serial number|serial no|seriennummer|numero de serie|"
     "license key|licence key|product key|activation key|lizenzschlussel|model number|part number|vin|"
     "policy number|claim number|case number|"
     "ticket|ticket number|imei|pnr|confirmation number|membership no|member no|registration number|"
     "license plate|kennzeichen|plaque|matricula|targa|student number|student id|employee id|"
     "personal number|passport|passport number|id number|id card|national id|dni|nie|nif|cpf|cnpj|"
     "pesel|regon|krs|инн|снилс|паспорт|codice fiscale|partita iva|steuernummer|siret|siren|"
     "start date|end date|number of guests|number of people|number of persons|number of adults|"
     "number of children|number of rooms|number of nights|anzahl der personen|nombre de personnes|"
     "numero de personas|numero di persone|numero de pessoas|aantal personen|liczba osob|"
     "количество человек"},
    // Everyday words for amounts and times: alone they ask for no saved value, but they are
    // lighter than the answerable kinds they may sit beside ("unsubscribe at any time").
    {FieldKind::kOtherNumber, 20, KeywordMatch::kWord,
     "time|uhrzeit|heure|hora|godzina|время|key|model|modell|modele|modelo|modello|"
     "weight|height|size|width|length|gewicht|grosse|poids|taille|peso|altura|talla|altezza|"
     "waga|wzrost|вес|рост|budget|salary|income|gehalt|salaire|salario|stipendio|"
     "guests|adults|children|rooms|nights|persons|people|personen|personnes|personas|persone|"
     "pessoas|osob|человек|erwachsene|adultes|adultos|adulti|kinder|enfants|ninos|bambini|"
     "criancas|volwassenen|dzieci|взрослые|дети|number of|anzahl der"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kAnywhere,
     "注文番号|订单号|ชื่อร้าน|ชื่อสินค้า|ที่อยู่ ip|"
     // Booking, order, parcel, invoice, member and ID numbers in Japanese, Chinese and Korean.
     "予約番号|会員番号|追跡番号|問い合わせ番号|受付番号|請求書番号|伝票番号|顧客番号|お客様番号|契約番号|管理番号|"
     "社員番号|学籍番号|保険証番号|マイナンバー|免許証番号|旅券番号|パスポート番号|"
     "订单编号|订单号码|訂單編號|訂單號碼|运单号|運單號|快递单号|快遞單號|运送单号|運送單號|物流单号|发票号码|發票號碼|"
     "发票号|预约号|预订号|預約編號|会员号|会员编号|會員編號|身份证号|身份證字號|护照号|護照號碼|学号|學號|工号|"
     "统一编号|統一編號|统一社会信用代码|纳税人识别号|納稅人識別號|税号|载具|載具|"
     "주문번호|예약번호|송장번호|운송장번호|운송장 번호|회원번호|학번|사번|주민등록번호|여권번호|사업자등록번호|"
     "사업자 등록번호|고객번호"},
    {FieldKind::kPhonePart, 34, KeywordMatch::kAnywhere, "国番号|국가번호"},
    // Arabic, Hebrew, Hindi and Vietnamese.
    {FieldKind::kPassword, 60, KeywordMatch::kWord, "كلمة المرور|كلمة السر|סיסמה|סיסמא|पासवर्ड|mat khau"},
    {FieldKind::kSearch, 40, KeywordMatch::kWord, "بحث|ابحث|חיפוש|חפש|खोजें|खोज|tim kiem"},
    {FieldKind::kComment, 35, KeywordMatch::kWord, "الرسالة|رسالتك|הודעה|संदेश|tin nhan|noi dung"},
};

}  // namespace

std::span<const LabelKeywordGroup> refusalKeywordGroups() { return kGroups; }

}  // namespace oskel::answer
