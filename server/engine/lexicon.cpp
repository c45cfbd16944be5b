#include "engine/lexicon.h"

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "engine/lexicon_names.h"
#include "engine/lexicon_places.h"
#include "engine/text.h"

namespace oskel::answer {
namespace {

// Endings of Japanese given names written in kanji: 太郎, 大輔, 花子, 陽菜.
constexpr std::string_view kJapaneseGivenEndings[] = {
    "郎", "朗", "介", "助", "輔", "平", "也", "哉", "斗", "翔", "樹", "彦", "男", "雄", "夫", "吾",
    "悟", "蔵", "子", "美", "恵", "奈", "菜", "香", "花", "華", "代", "江", "枝", "乃", "穂", "葉",
    "音", "佳", "咲", "愛", "結", "蓮", "太"};

// Major cities, with their names in the local language and in English.
constexpr const char* kCities =
    "new york|los angeles|chicago|houston|phoenix|philadelphia|san antonio|san diego|dallas|austin|"
    "san francisco|seattle|boston|denver|washington|miami|atlanta|detroit|portland|las vegas|"
    "toronto|montreal|vancouver|ottawa|calgary|london|manchester|birmingham|leeds|glasgow|"
    "edinburgh|liverpool|bristol|dublin|paris|marseille|lyon|toulouse|nice|nantes|strasbourg|"
    "bordeaux|lille|berlin|hamburg|munchen|munich|koln|cologne|frankfurt|frankfurt am main|"
    "stuttgart|dusseldorf|dortmund|essen|leipzig|bremen|dresden|hannover|nurnberg|nuremberg|wien|"
    "vienna|graz|zurich|genf|geneva|geneve|basel|bern|madrid|barcelona|valencia|sevilla|seville|"
    "zaragoza|malaga|bilbao|roma|rome|milano|milan|napoli|naples|torino|turin|palermo|genova|"
    "bologna|firenze|florence|venezia|venice|lisboa|lisbon|porto|amsterdam|rotterdam|den haag|"
    "the hague|utrecht|eindhoven|bruxelles|brussels|brussel|antwerpen|antwerp|gent|warszawa|"
    "warsaw|krakow|lodz|wroclaw|poznan|gdansk|praha|prague|brno|bratislava|budapest|bucuresti|"
    "bucharest|athens|athina|kobenhavn|copenhagen|aarhus|oslo|bergen|stockholm|goteborg|"
    "gothenburg|helsinki|tampere|reykjavik|moskva|moscow|москва|санкт петербург|saint petersburg|"
    "новосибирск|екатеринбург|казань|kyiv|kiev|київ|киев|ростов|ростов на дону|саратов|псков|тамбов|"
    "харьков|харків|львов|львів|кишинев|королёв|королев|азов|ковров|борисов|"
    "minsk|минск|istanbul|ankara|tokyo|東京|"
    "osaka|大阪|kyoto|京都|yokohama|横浜|nagoya|名古屋|sapporo|札幌|beijing|北京|shanghai|上海|"
    "guangzhou|广州|shenzhen|深圳|hong kong|香港|taipei|台北|seoul|서울|busan|부산|incheon|인천|"
    "singapore|bangkok|jakarta|manila|kuala lumpur|mumbai|delhi|new delhi|bangalore|bengaluru|"
    "chennai|kolkata|hyderabad|dubai|abu dhabi|tel aviv|cairo|lagos|nairobi|johannesburg|"
    "cape town|sydney|melbourne|brisbane|perth|auckland|wellington|sao paulo|rio de janeiro|"
    "buenos aires|santiago|lima|bogota|mexico city|ciudad de mexico|guadalajara|monterrey";

// Spain's autonomous communities and Italy's regions that are no province of the same name:
// the level above the "Provincia" their forms ask for.
constexpr const char* kRegionsAboveProvinces =
    "comunidad valenciana|comunitat valenciana|andalucia|cataluna|catalunya|comunidad de madrid|galicia|"
    "pais vasco|euskadi|castilla y leon|castilla la mancha|aragon|extremadura|region de murcia|"
    "principado de asturias|canarias|islas canarias|emilia romagna|lombardia|lazio|toscana|veneto|piemonte|"
    "campania|sicilia|puglia|calabria|sardegna|liguria|marche|abruzzo|friuli venezia giulia|"
    "trentino alto adige|umbria|basilicata|molise|valle d aosta";

constexpr const char* kRegions =
    "alabama|alaska|arizona|arkansas|california|colorado|connecticut|delaware|florida|georgia|"
    "hawaii|idaho|illinois|indiana|iowa|kansas|kentucky|louisiana|maine|maryland|massachusetts|"
    "michigan|minnesota|mississippi|missouri|montana|nebraska|nevada|new hampshire|new jersey|"
    "new mexico|north carolina|north dakota|ohio|oklahoma|oregon|pennsylvania|rhode island|"
    "south carolina|south dakota|tennessee|texas|utah|vermont|virginia|west virginia|wisconsin|"
    "wyoming|district of columbia|ontario|quebec|british columbia|alberta|manitoba|saskatchewan|"
    "nova scotia|new brunswick|bayern|bavaria|baden wurttemberg|nordrhein westfalen|hessen|"
    "niedersachsen|sachsen|thuringen|brandenburg|schleswig holstein|rheinland pfalz|saarland|"
    "mecklenburg vorpommern|sachsen anhalt|new south wales|victoria|queensland|tasmania|"
    "western australia|south australia|ile de france|provence alpes cote d azur|occitanie|"
    "bretagne|normandie|catalunya|cataluna|andalucia|madrid|galicia|lombardia|lazio|toscana|"
    "veneto|sicilia|mazowieckie|malopolskie|slaskie|england|scotland|wales|northern ireland|"
    "tokyo to|東京都|大阪府|北海道|神奈川県|广东|广东省|浙江省|江苏省|경기도|"
    "al|ak|az|ar|ca|co|ct|de|fl|ga|hi|id|il|in|ia|ks|ky|la|me|md|ma|mi|mn|ms|mo|mt|ne|nv|nh|nj|"
    "nm|ny|nc|nd|oh|ok|or|pa|ri|sc|sd|tn|tx|ut|vt|va|wa|wv|wi|wy|dc|on|qc|bc|ab|mb|sk|ns|nb|nsw|"
    "vic|qld|tas|noord holland|zuid holland|utrecht|서울특별시|경기도|москва|московская область|lisboa|berlin|"
    "hamburg|wien|ile de france|lombardia|mazowieckie|england|california|東京都|"
    "sao paulo|rio de janeiro|minas gerais|bahia|parana|rio grande do sul|pernambuco|ceara|"
    "santa catarina|goias|maranhao|espirito santo|paraiba|mato grosso|mato grosso do sul|"
    "distrito federal|piemonte|emilia romagna|campania|puglia|liguria|sardegna|calabria|"
    "comunidad de madrid|comunitat valenciana|pais vasco|castilla y leon|aragon|"
    "auvergne rhone alpes|nouvelle aquitaine|hauts de france|grand est|pays de la loire|"
    // More states, provinces and counties of the countries whose forms the engine reads, only
    // those that are not also the name of a town ("León", "Utrecht", "Santa Fe", "Guanajuato").
    "yukon|nunavut|northwest territories|prince edward island|newfoundland and labrador|"
    "oberosterreich|niederosterreich|steiermark|karnten|tirol|vorarlberg|burgenland|"
    "aargau|thurgau|graubunden|valais|ticino|tessin|obwalden|nidwalden|"
    "bourgogne franche comte|centre val de loire|corse|maine et loire|loire atlantique|ille et vilaine|"
    "bouches du rhone|haute garonne|alpes maritimes|seine saint denis|hauts de seine|val de marne|"
    "seine et marne|val d oise|yvelines|essonne|finistere|morbihan|cotes d armor|gironde|herault|"
    "bas rhin|haut rhin|moselle|meurthe et moselle|pas de calais|puy de dome|haute savoie|savoie|"
    "isere|drome|ardeche|vaucluse|gard|dordogne|charente|charente maritime|vendee|sarthe|"
    "calvados|manche|orne|seine maritime|eure|somme|oise|aisne|marne|ardennes|vosges|doubs|"
    "cote d or|saone et loire|yonne|loiret|indre et loire|loir et cher|haute vienne|"
    "correze|creuse|cantal|haute loire|lozere|aveyron|tarn|tarn et garonne|lot et garonne|"
    "landes|pyrenees atlantiques|hautes pyrenees|ariege|pyrenees orientales|hautes alpes|"
    "alpes de haute provence|rhone|loire|haute marne|haute saone|meuse|nord|mayenne|"
    "brabant wallon|hainaut|oost vlaanderen|west vlaanderen|vlaams brabant|"
    "asturias|cantabria|navarra|extremadura|castilla la mancha|region de murcia|"
    "illes balears|islas baleares|canarias|islas canarias|gipuzkoa|guipuzcoa|bizkaia|vizcaya|araba|"
    "alava|comunidad valenciana|principado de asturias|comunidad foral de navarra|"
    "piemonte|valle d aosta|trentino alto adige|friuli venezia giulia|umbria|marche|abruzzo|"
    "molise|basilicata|"
    "algarve|alentejo|minho|acores|madeira|"
    "rio grande do norte|alagoas|piaui|sergipe|rondonia|tocantins|amapa|roraima|amazonas|"
    "jalisco|nuevo leon|michoacan|chiapas|sonora|coahuila|tamaulipas|sinaloa|"
    "tabasco|yucatan|quintana roo|baja california|baja california sur|nayarit|"
    "estado de mexico|veracruz de ignacio de la llave|"
    "entre rios|misiones|chaco|rio negro|chubut|la pampa|tierra del fuego|"
    "noord brabant|gelderland|overijssel|friesland|fryslan|drenthe|flevoland|zeeland|"
    "dolnoslaskie|kujawsko pomorskie|lubelskie|lubuskie|lodzkie|opolskie|podkarpackie|podlaskie|"
    "pomorskie|swietokrzyskie|warminsko mazurskie|wielkopolskie|zachodniopomorskie|"
    "cumbria|surrey|essex|dorset|norfolk|suffolk|hampshire|"
    "west sussex|east sussex|north yorkshire|west yorkshire|south yorkshire|east riding of yorkshire|"
    "lancashire|merseyside|greater manchester|west midlands|tyne and wear|northumberland|"
    "cheshire|derbyshire|nottinghamshire|lincolnshire|leicestershire|staffordshire|shropshire|"
    "herefordshire|worcestershire|warwickshire|northamptonshire|oxfordshire|buckinghamshire|"
    "bedfordshire|hertfordshire|cambridgeshire|berkshire|wiltshire|gloucestershire|"
    "greater london|isle of wight|county durham|"
    "京都府|경상북도|경상남도|전라북도|전라남도|충청북도|충청남도|강원도|강원특별자치도|제주도|"
    "제주특별자치도|경북|경남|전북|전남|충북|충남|"
    "黑龙江|辽宁|河北|河南|山东|山西|陕西|甘肃|青海|四川|贵州|云南|湖北|湖南|江西|安徽|福建|"
    "浙江|江苏|广西|海南|内蒙古|新疆|西藏|宁夏";

// Cities that are a region of their own country: under "State" or "Land" they name the town.
constexpr const char* kCityStates =
    "berlin|hamburg|bremen|wien|vienna|москва|moskva|moscow|санкт петербург|saint petersburg|"
    "singapore|hong kong|香港|macau|monaco|北京|beijing|上海|shanghai|天津|重庆|brussels|bruxelles|"
    "brussel|ceuta|melilla";

constexpr const char* kRegionWords =
    "county|province|provincia|provincie|provinz|region|regione|regiao|oblast|область|край|"
    "lan|kraj|voivodeship|wojewodztwo|prefecture|state|estado|canton|kanton|departement|"
    "district|shire|amt|fylke|maakunta|megye|maakond|novads|округ|استان";

constexpr const char* kLegalForms =
    "gmbh|ag|kg|ohg|ug|gbr|ev|se|kgaa|inc|incorporated|ltd|limited|llc|llp|plc|corp|corporation|"
    "co|sa|sarl|sas|sasu|srl|spa|bv|nv|vof|ab|as|asa|aps|oy|oyj|kft|zrt|nyrt|sro|spzoo|ltda|lda|"
    "sl|pty|gk|kk|ооо|оао|зао|пао|ао|ип|株式会社|有限会社|合同会社|有限公司|股份有限公司|公司|"
    "주식회사|유한회사|"
    // Turkish "Ltd. Şti.", Mexican "S.A. de C.V.", Iceland's "ehf.", Indonesia's "Tbk",
    // Malaysia's "Sdn. Bhd.", Vietnam's "TNHH", Lithuania's "UAB". Not "d.o.o.": "doo" is part
    // of Korean given names ("Doo-hwan").
    "sti|decv|ehf|tbk|bhd|tnhh|uab|"
    // Bulgaria's "ЕООД" and "ООД", Serbia's "д.о.о.", the Arab countries' "ش.م.م", Iran's
    // "(سهامی خاص)". Not words that mean more besides: Persian "شرکت" (taking part), Welsh
    // "Cyf." (reference), Hebrew "בעמ'" (on page).
    "еоод|оод|доо|شمم|سهامیخاص";

constexpr const char* kLegalFormsFirst =
    "ооо|оао|зао|пао|ао|ип|тов|прат|фоп|тоо|еоод|оод|株式会社|有限会社|合同会社|주식회사|유한회사|"
    "sarl|sas|sasu|eurl|sci|ab|as|asa|uab|sia|llc|jsc|kft|zrt";

constexpr const char* kOrganisationWords =
    "group|holding|holdings|technologies|technology|solutions|systems|consulting|labs|studio|"
    "studios|agency|partners|associates|university|universitat|universite|universidad|universita|"
    "uniwersytet|университет|college|school|hochschule|institute|institut|instituto|foundation|"
    "stiftung|fondation|hospital|klinik|bank|insurance|versicherung|software|media|services|"
    "industries|international|ventures|capital|enterprises|company|gesellschaft|verein|大学|銀行";

// Places and trades that put a town's or a person's name before them ("Leeds Academy Trust",
// "Marcus Reyes Plumbing"): no person's name, though a note that names one is no organisation.
constexpr const char* kPlaceAndTradeWords =
    "academy|trust|surgery|department|clinic|clinique|clinica|centre|center|council|society|"
    "association|library|museum|pharmacy|apotheke|praxis|ministry|gym|fitness|salon|bakery|"
    "restaurant|hotel|plumbing|heating|roofing|electrical|construction|photography|fotografia|"
    "interiors|logistics|dental|veterinary|tierarztpraxis|zahnarztpraxis|kindergarten|kita|schule|"
    "gymnasium|escola|escuela|scuola|ecole|lycee|pizzeria|cafe|bistro|brewery|pivovar|"
    // Words of neighbourhoods and towns: "Nueva Córdoba", "Col. Americana", "Jardim Paulista".
    "nueva|nuevo|puerto|ciudad|colonia|col|barrio|bairro|fraccionamiento|fracc|residencial|jardim|"
    "parque";

constexpr const char* kStreetWords =
    "street|st|avenue|ave|av|road|rd|lane|ln|drive|dr|boulevard|blvd|bd|way|court|ct|place|pl|"
    "square|sq|terrace|crescent|close|highway|hwy|parkway|pkwy|strasse|str|weg|allee|platz|gasse|"
    "ring|damm|ufer|chaussee|steig|rue|chemin|impasse|allee|quai|route|calle|avenida|avda|paseo|"
    "plaza|carrera|camino|via|viale|corso|piazza|largo|vicolo|rua|travessa|praca|estrada|straat|"
    "laan|gracht|plein|kade|singel|dreef|ulica|ul|aleja|al|plac|osiedle|os|улица|ул|проспект|"
    "пр|переулок|пер|шоссе|бульвар|площадь|vej|gade|gata|gatan|vagen|veien|katu|utca|"
    "namesti|trida|ulice|nabrezi|caddesi|cadde|sokak|sokagi|bulvari|bulvar|mahallesi|"
    "alameda|carretera|ronda|glorieta|strada|kuja|straede|"
    // Ukrainian, Indonesian, Greek, Slovak, Romanian, Norwegian. Not Hungarian "út" ("UT" is
    // Utah, "ut" Swedish for out) nor "Jalan" written out, a family name as well.
    "vul|вул|вулиця|jl|odos|οδος|leoforos|λεωφορος|namestie|calea|bulevardul|vei|vegen";

// Street words that are also names or common words elsewhere ("Shweta Jalan", "Heol", Argentina's
// "Bv." beside the Dutch "B.V."): they mark a street only right beside a number ("12 Jalan SS 2",
// "Baznīcas iela 21"), or opening a text that ends with one ("خیابان شهید بهشتی، پلاک ۱۴").
constexpr const char* kStreetWordsBesideNumbers =
    "jalan|jln|iela|tanav|heol|stryd|carrer|avinguda|bulevar|bv|bvar|bvd|blvr|булевард|شارع|خیابان|kebele";

constexpr const char* kStreetEndings =
    "strasse|str|weg|allee|platz|gasse|damm|ring|straat|laan|gracht|vej|gade|gata|gatan|vagen|veien|vegen|"
    "katu|utca|gaten|intie|entie|plass|torget|markt";

constexpr const char* kParticles =
    "van|von|de|der|den|del|della|di|da|das|dos|du|la|le|y|e|bin|binti|bint|ibn|al|el|ten|ter|zu|mc|st";

void addWords(std::unordered_set<std::string>* set, const char* words) {
  std::string_view rest = words;
  while (!rest.empty()) {
    std::size_t bar = rest.find('|');
    std::string_view word = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    std::string folded = foldedPhrase(word);
    if (!folded.empty()) set->insert(std::move(folded));
  }
}

}  // namespace

const Lexicon& Lexicon::instance() {
  static const Lexicon* lexicon = new Lexicon();
  return *lexicon;
}

Lexicon::Lexicon() {
  addWords(&givenNames_, name_lists::kGivenNames);
  addWords(&familyNames_, name_lists::kFamilyNames);
  addWords(&familyNames_, name_lists::kFamilyNamesWrittenFirst);
  addWords(&familyNamesWrittenFirst_, name_lists::kFamilyNamesWrittenFirst);
  addWords(&regionsAboveProvinces_, kRegionsAboveProvinces);
  addWords(&cities_, kCities);
  // The longer list leaves out what the name lists hold: "Regina", "Marion".
  std::unordered_set<std::string> towns;
  addWords(&towns, place_lists::kMoreTowns);
  for (const std::string& town : towns) {
    if (!givenNames_.contains(town) && !familyNames_.contains(town)) cities_.insert(town);
  }
  addWords(&regions_, kRegions);
  addWords(&legalForms_, kLegalForms);
  addWords(&legalFormsFirst_, kLegalFormsFirst);
  addWords(&orgWords_, kOrganisationWords);
  addWords(&placeAndTradeWords_, kPlaceAndTradeWords);
  addWords(&streetWords_, kStreetWords);
  addWords(&streetWordsBesideNumbers_, kStreetWordsBesideNumbers);
  addWords(&particles_, kParticles);
  addWords(&regionWords_, kRegionWords);
  addWords(&cityStates_, kCityStates);
  // Country names as ICU writes them in the languages we read labels in.
  static const char* kDisplayLocales[] = {"en", "de", "fr", "es", "it", "pt", "nl", "pl", "ru",
                                          "ja", "zh", "ko", "da", "sv", "nb", "fi", "cs", "hu"};
  // Each country also under its name in its own main language ("Türkiye", "Sverige", "Česko").
  for (const char* const* country = icu::Locale::getISOCountries(); *country != nullptr; ++country) {
    icu::Locale region("", *country);
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale own = icu::Locale::createFromName((std::string("und_") + *country).c_str());
    own.addLikelySubtags(status);
    std::vector<icu::Locale> displays(std::begin(kDisplayLocales), std::end(kDisplayLocales));
    if (U_SUCCESS(status)) displays.push_back(own);
    for (const icu::Locale& display : displays) {
      icu::UnicodeString name;
      region.getDisplayCountry(display, name);
      std::string utf8;
      name.toUTF8String(utf8);
      std::string folded = foldedPhrase(utf8);
      if (!folded.empty()) countries_.insert(std::move(folded));
    }
  }
  for (const char* extra : {"usa", "u s a", "us", "uk", "united states of america", "great britain",
                            "deutschland", "brd", "россия", "中国", "日本", "한국", "대한민국", "holland"}) {
    countries_.insert(foldedPhrase(extra));
  }
}

bool Lexicon::endsLikeAFamilyName(std::string_view word, std::string_view folded) const {
  // Endings that make family names and seldom end a town: Czech and Slovak "-ová", Polish
  // "-ski"/"-cka", Russian "-ова"/"-ская", Ukrainian "-enko", Nordic "-sson"/"-qvist"/"-sen",
  // Serbian and Croatian "-ović", Romanian "-escu", Greek "-poulos"/"-poulou"/"-idou"/"-akis" (not
  // "-idis", which ends given names as well: Miltiadis),
  // Georgian "-shvili",
  // Turkish "-oğlu", Armenian "-yan".
  static constexpr std::string_view kEndings[] = {
      "ski", "ska", "cki", "cka", "dzki", "dzka", "wicz", "sson", "qvist", "kvist", "quist", "strom",
      "rsen", "nsen", "lsen", "dsen", "ssen", "ovic", "evic", "escu", "eanu", "poulos", "poulou", "idou", "akis",
      "shvili", "dze",
      "oglu", "enko", "chuk", "yan", "ian", "ова", "ева", "ина", "ская", "ский", "енко", "ович"};
  if (word.ends_with("ová") && word.size() > 5) return true;
  for (std::string_view ending : kEndings) {
    if (folded.size() >= ending.size() + 3 && folded.ends_with(ending)) return true;
  }
  return false;
}

bool Lexicon::endsLikeATown(std::string_view folded) const {
  // Turkish "-şehir" and "-hisar", German "-burg", "-stadt", "-dorf", "-hausen", "-ingen",
  // "-furt", "-brück", French "-bourg", "-ville", English "-chester", "-borough", "-mouth",
  // Nordic "-havn", "-köping", Greek "-polis", Slavic "-grad", Persian and Hindi "-abad",
  // "-pur", Russian "-ск", "-град", "-бург".
  static constexpr std::string_view kEndings[] = {
      "sehir", "hisar", "burg", "stadt", "dorf", "hausen", "ingen", "furt", "bruck", "bourg", "ville",
      "chester", "caster", "borough", "mouth", "havn", "koping", "polis", "grad", "gorod", "abad", "pur",
      "ск", "град", "бург", "город"};
  for (std::string_view ending : kEndings) {
    if (folded.size() >= ending.size() + 3 && folded.ends_with(ending)) return true;
  }
  return false;
}

bool Lexicon::endsLikeAJapaneseGivenName(std::string_view word) const {
  for (std::string_view ending : kJapaneseGivenEndings) {
    if (word.size() > ending.size() && word.ends_with(ending)) return true;
  }
  return false;
}

bool Lexicon::endsWithStreetWord(std::string_view word) const {
  static const std::unordered_set<std::string> endings = [] {
    std::unordered_set<std::string> set;
    addWords(&set, kStreetEndings);
    return set;
  }();
  for (const std::string& ending : endings) {
    if (word.size() > ending.size() + 2 && word.ends_with(ending)) return true;
  }
  return false;
}

}  // namespace oskel::answer
