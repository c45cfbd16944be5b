// The keywords of the lines of an address: street, second line, postal code, town,
// region and country.
#include "engine/label_lexicon.h"

namespace oskel::answer {
namespace {

constexpr LabelKeywordGroup kGroups[] = {
    {FieldKind::kStreetAddress, 15, KeywordMatch::kWord,
     "address|adresse|adres|direccion|domicilio|indirizzo|endereco|morada|адрес|адреса|adresa|cim|"
     "osoite|anschrift|postal address|postadresse|postanschrift|wohnadresse|wohnanschrift|privatadresse|"
     "privatanschrift|heimadresse|alamat|alamat lengkap|آدرس|نشانی|"
     "адрес за доставка|adresa de livrare|adresi|adres bilgileri|διευθυνση|gateadresse|vejnavn og nummer|"
     "adrese|adresas|aadress|ulice a cislo popisne|ulice a cislo"},
    // One-word addresses of German and Dutch, alone: "Name (Lieferadresse)" is a name, "Meldeadresse seit" a date.
    {FieldKind::kStreetAddress, 15, KeywordMatch::kWhole,
     "lieferadresse|rechnungsadresse|lieferanschrift|rechnungsanschrift|versandadresse|versandanschrift|"
     "bezorgadres|verzendadres|afleveradres|meldeadresse"},
    {FieldKind::kStreetAddress, 28, KeywordMatch::kWord,
     "street address|address line 1|address 1|address1|addressline1|"
     "strasse und hausnummer|strasse hausnummer|strasse nr|strasse hausnr|numero et rue|"
     "ulica i nr domu|ulica i numer|gatuadress|katuosoite|calle y numero|via e numero civico|"
     "rua e numero|straat en huisnummer|street no|street and number|house number and street|"
     "strasse und nr|strasse u nr|strasse und hausnr|street and house number|street and no|rue et numero|calle no|"
     "calle nro|numero et nom de voie|numero et nom de la voie|str u hausnr|str u nr|str hausnr|str u hausnummer|"
     "strasse u hausnr|strasse u hausnummer|strasse u nr|"
     "via e n|woonadres|factuuradres|logradouro|"
     "numero et nom de rue|calle y nro|straat en nr|straat en nummer|via e numero|ulica i nr|"
     "адрес доставки|улица дом|улица и дом|"
     // Postal addresses and addresses of residence, not the postal code or the town alone.
     "direccion postal|endereco postal|postadres|indirizzo di residenza|indirizzo residenza|"
     "indirizzo di domicilio|invoice address|invoicing address|adres do faktury|"
     "adres na fakturze|fakturaadresse|faktureringsadress|fakturaadres"},
    // A bare street word is as often the street without its number, beside a number field.
    {FieldKind::kStreetAddress, 28, KeywordMatch::kWord,
     "street|strasse|straße|rue|calle|rua|straat|ulica|улица|gata|utca|ulice|nombre de la via|nombre de via|"
     "nombre de la calle",
     FieldKind::kUnknown, false, true},
    // Italian "Via" alone; inside an English sentence it is "by way of" ("Follow via email").
    {FieldKind::kStreetAddress, 28, KeywordMatch::kWhole, "via", FieldKind::kUnknown, false, true},
    {FieldKind::kStreetAddress, 28, KeywordMatch::kPrefix,
     "gatuadr|katuos"},
    // The street line after the province, city and district have been chosen, and the street
    // with its house number: heavier than the house number alone ("门牌号").
    {FieldKind::kStreetAddress, 36, KeywordMatch::kAnywhere, "详细地址|詳細地址|街道门牌号|街道門牌號|街道地址"},
    {FieldKind::kStreetAddress, 28, KeywordMatch::kAnywhere,
     "住所|地址|주소|番地|ที่อยู่|市区町村・番地|市区町村番地|市町村・番地|市区郡町村・番地|住址"},
    {FieldKind::kAddressLine2, 34, KeywordMatch::kWord,
     "address line 2|address 2|address2|addressline2|address line 3|address 3|adresszusatz|"
     "apartment|apt|suite|unit|unit number|complement d adresse|complement|piso|appartamento|"
     "apartamento|wohnung|c o|care of|complemento de endereco|complemento do endereco|direccion linea 2|"
     "second address line|address line two|building name|house name|house or building name|nom du batiment|"
     "nom de l immeuble|adresszeile 2|batiment etage appartement|batiment etage|address second line|"
     "second line of address|batiment escalier etage|scala interno piano|scala interno|apto|apto bloco|"
     "numer lokalu|nr lokalu|numer mieszkania|nr mieszkania|lokal mieszkanie|квартира офис|кв офис|номер квартиры|"
     "cislo bytu|daire|daire no|lagenhetsnummer|lagenhet|leilighet|huoneisto|διαμερισμα|appartement batiment|"
     "batiment appartement|appartement etage|etage appartement|appartement batiment etage|batiment residence|"
     "корпус|строение|корпус строение|подъезд|этаж|andar e lado|leilighetsnummer|bolignummer|etage og dor|"
     "οροφος|bloc scara etaj apartament|apartament|emelet ajto|emelet|numero interior|num interior|no interior|"
     "num int|no int|toevoeging|huisnummertoevoeging|huisnummer toevoeging"},
    {FieldKind::kAddressLine2, 34, KeywordMatch::kAnywhere, "号室|楼栋|房号|房間號|房间号|大廈名稱|大厦名称|樓層|楼层"},
    // Words that name the second line only as the whole part: "Address · Line 2", "Complemento".
    {FieldKind::kAddressLine2, 34, KeywordMatch::kWhole,
     "line 2|line two|second line|linea 2|complemento|appartement|batiment|квартира|ligne 2|"
     "riga 2|linha 2|linia 2|interno|byt|lokal|офис|кв|andar|kat|etage|bloc|座 樓 室|座 楼 室"},
    {FieldKind::kAddressLine2, 34, KeywordMatch::kWord,
     "adresse ligne 2|adresse ligne2|indirizzo riga 2|endereco linha 2|adres regel 2|adresregel 2|adresregel2|adres linia 2"},
    // The rest of an address after the part found by its postal code: "상세주소", "住所2".
    {FieldKind::kAddressLine2, 34, KeywordMatch::kAnywhere,
     "상세주소|상세 주소|나머지 주소|나머지주소|住所2|住所２|建物名・部屋番号|マンション名・部屋番号"},
    // A building or room named alone; within a longer part it is a hint ("部屋番号も入力").
    {FieldKind::kAddressLine2, 34, KeywordMatch::kWhole, "建物名|マンション名|部屋番号"},
    // The number and the name of the street together; Polish "Poczta" alone is the post town.
    {FieldKind::kStreetAddress, 40, KeywordMatch::kWord,
     "n et voie|numero et voie|no et voie|street name and number|street name and house number|"
     "straatnaam en huisnummer|straatnaam huisnummer|strassenname und hausnummer|nom de rue et numero"},
    {FieldKind::kCity, 30, KeywordMatch::kAnywhere, "시/군/구|시 군 구|구/군|구 군"},
    // The district a place lies in, heavier than the company it is asked of: "公司所在区". A town
    // of the lists may be the district or the city around it: offered only.
    {FieldKind::kCity, 40, KeywordMatch::kAnywhere, "所在区|所在地区|所在区县|所在區", FieldKind::kUnknown, false, true},
    // Other words for an organisation, named alone: "Firma · Verein", "Entreprise · Établissement".
    {FieldKind::kOrganisation, 26, KeywordMatch::kWhole,
     "business|verein|praxis|kanzlei|praxis kanzlei|structure|association|ente"},
    // Vietnamese "Địa chỉ" (address) folds to "dia", the day of Spanish and Portuguese dates.
    {FieldKind::kStreetAddress, 28, KeywordMatch::kWord,
     "dia chi|dia chi nha|dia chi cu tru|dia chi giao hang|dia chi nhan hang|so nha ten duong|so nha"},
    {FieldKind::kCity, 40, KeywordMatch::kWhole, "poczta"},
    {FieldKind::kRegion, 30, KeywordMatch::kWord, "voivodeship"},
    {FieldKind::kPostalCode, 32, KeywordMatch::kWord,
     "postcode huisnummer|postcode en huisnummer|zip|zip code|zipcode|postal code|postcode|post code|postal|plz|postleitzahl|code postal|"
     "cp|codigo postal|cap|codice postale|codigo de postal|postnummer|postnr|kod pocztowy|kod|"
     "psc|почтовый индекс|индекс|поштовий індекс|індекс|irányítószám|iranyitoszam|postinumero|cep|zip postal code|"
     "zip postal|postal zip|c a p|c p|npa|eircode|zip postcode|postcode zip|your zip|your postcode|"
     "posta kodu|codice avviamento postale|numero postal|postal index|почтовый код|"
     "الرمز البريدي|کد پستی|מיקוד|kode pos|пощенски код|пощ код|ταχυδρομικος κωδικας|τ κ|cod postal|"
     "postanski broj|pasta indekss|pasto kodas|postiindeks|sifra poste"},
    {FieldKind::kPostalCode, 32, KeywordMatch::kPrefix,
     "postleitz|postnumm|postinum|zip|iranyitosz"},
    {FieldKind::kPostalCode, 32, KeywordMatch::kAnywhere,
     "郵便番号|〒|邮编|邮政编码|우편번호|รหัสไปรษณีย์|郵遞區號|邮递区号|郵政編碼|郵編"},
    {FieldKind::kCity, 28, KeywordMatch::kWord,
     "city|town|town city|ort|stadt|wohnort|ville|ciudad|localidad|poblacion|citta|localita|"
     "comune|cidade|localidade|plaats|woonplaats|miasto|miejscowosc|город|населенный пункт|місто|"
     "mesto|obec|kaupunki|paikkakunta|varos|település|telepules|city town|location city|"
     "town city|city or town|town or city|suburb|suburb city|suburb town|city suburb|hometown|home town|"
     "city of residence|your city|residente a|residenza|citta di residenza|comune di residenza|"
     "lieu de residence|ville de residence|votre ville|localite|commune|ciudad de residencia|"
     "municipio|municipality|ciudad poblacion|cidade de residencia|gemeente|stad|plaatsnaam|"
     "miejscowosc zamieszkania|город проживания|ваш город|населенный пункт|ort stadt|stadt ort|"
     "wohnort stadt|postort|postitoimipaikka|sehir|المدينة|شهر|עיר|poststed|sted|kota|kabupaten kota|град|"
     "населено място|oras|localitate|localitatea|πολη|mjesto|pilseta|miestas|linn|varos|"
     "place of residence|town of residence|residence city|mjesto stanovanja"},
    // "Locality" is the town in most address forms and the neighbourhood in some; Turkish
    // "İlçe" is the district of a province, which a town of the lists may be or not.
    {FieldKind::kCity, 28, KeywordMatch::kWord, "locality|ilce|comuna", FieldKind::kUnknown, false, true},
    // Short words that name a town only when they stand alone: Danish and Norwegian "By" and
    // Croatian "Grad".
    {FieldKind::kCity, 28, KeywordMatch::kWhole, "by|grad"},
    {FieldKind::kCity, 28, KeywordMatch::kWord, "kotikunta|asuinkunta"},
    // Turkish "İl" (province) and Czech "Stát" (country) only as whole labels.
    {FieldKind::kRegion, 26, KeywordMatch::kWhole, "il"},
    {FieldKind::kCountry, 26, KeywordMatch::kWhole, "stat"},
    {FieldKind::kCity, 28, KeywordMatch::kAnywhere,
     "市区町村|城市|도시|시군구|所在城市|所在地市|市町村|鄉鎮市區|乡镇市区"},
    {FieldKind::kRegion, 26, KeywordMatch::kWord,
     "state|province|provincia|county|region|région|bundesland|estado|regione|provincia|"
     "provincie|wojewodztwo|область|регион|край|fylke|kanton|canton|prefecture|state province|"
     "state region|provincia di residenza|regione di residenza|distrito|uf|comunidad autonoma|comunidade autonoma|"
     "lan|megye|provinsi|judet|judetul|oblast|zupanija|περιοχη|νομος|استان"},
    {FieldKind::kRegion, 26, KeywordMatch::kAnywhere,
     "都道府県|省|시도|시/도|จังหวัด|縣市|县市"},
    {FieldKind::kCountry, 26, KeywordMatch::kWord,
     "country|land|pays|pais|paese|nazione|kraj|страна|государство|країна|maa|ország|orszag|"
     "country region|country of residence|paese di residenza|stato di residenza|nazione di residenza|wohnsitzland|"
     "land des wohnsitzes|zeme|negara|کشور|държава|ulke|tara|χωρα|drzava|valsts|salis|riik|krajina"},
    {FieldKind::kCountry, 26, KeywordMatch::kAnywhere,
     "国|国家|국가|国名|ประเทศ|國家|國|나라"},
};

}  // namespace

std::span<const LabelKeywordGroup> addressKeywordGroups() { return kGroups; }

}  // namespace oskel::answer
