#include "engine/lexicon.h"

#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "engine/text.h"

namespace oskel::answer {
namespace {

// Common given names across the languages the service reads.
constexpr const char* kGivenNames =
    // Given names with a town's ending, which endsLikeATown() would otherwise take for one.
    "walburg|gerburg|hildburg|hildeburg|ingeburg|irmburg|melville|granville|greville|"
    "james|john|robert|michael|william|david|richard|joseph|thomas|charles|christopher|daniel|matthew|"
    "anthony|mark|donald|steven|paul|andrew|joshua|kevin|brian|george|edward|ronald|timothy|jason|"
    "jeffrey|ryan|jacob|gary|nicholas|eric|jonathan|stephen|larry|justin|scott|brandon|benjamin|"
    "samuel|frank|gregory|alexander|patrick|jack|dennis|jerry|tyler|aaron|henry|adam|peter|nathan|"
    "zachary|kyle|noah|ethan|jeremy|oliver|harry|charlie|oscar|leo|lucas|liam|mason|logan|emma|"
    "olivia|ava|isabella|sophia|mia|charlotte|amelia|harper|evelyn|abigail|emily|elizabeth|sofia|"
    "ella|madison|scarlett|victoria|aria|grace|chloe|camila|penelope|riley|layla|lillian|nora|zoey|"
    "mary|patricia|jennifer|linda|barbara|susan|jessica|sarah|karen|nancy|lisa|betty|margaret|"
    "sandra|ashley|kimberly|donna|michelle|dorothy|carol|amanda|melissa|deborah|stephanie|rebecca|"
    "laura|sharon|cynthia|kathleen|amy|shirley|angela|helen|anna|brenda|pamela|nicole|samantha|"
    "katherine|christine|debra|rachel|catherine|carolyn|janet|ruth|maria|heather|diane|virginia|"
    "julie|joyce|victoria|kelly|christina|lauren|joan|evelyn|olga|judith|megan|cheryl|andrea|hannah|"
    "jacqueline|martha|gloria|teresa|sara|janice|julia|kathryn|lucy|alice|jane|kate|sophie|jessica|"
    "lukas|leon|finn|jonas|felix|maximilian|paul|elias|ben|luis|noah|tim|jan|tobias|moritz|niklas|"
    "stefan|thomas|andreas|wolfgang|klaus|jurgen|dieter|uwe|frank|bernd|markus|matthias|sebastian|"
    "florian|christian|martin|michael|hans|karl|heinz|helmut|gunter|werner|horst|anja|petra|sabine|"
    "monika|ursula|claudia|susanne|andrea|birgit|katrin|stefanie|julia|lena|lea|hannah|marie|laura|"
    "mia|lina|emilia|johanna|greta|clara|paula|charlotte|ida|frieda|mathilde|jean|pierre|michel|"
    "philippe|alain|nicolas|francois|jacques|bernard|eric|laurent|christophe|julien|antoine|"
    "guillaume|thomas|hugo|louis|gabriel|arthur|raphael|jules|marie|nathalie|isabelle|sylvie|"
    "catherine|francoise|christine|monique|valerie|sandrine|camille|manon|chloe|ines|lea|jade|"
    "louise|alice|juliette|claire|amelie|jose|antonio|manuel|francisco|juan|javier|carlos|miguel|"
    "alejandro|rafael|pedro|pablo|sergio|jorge|luis|alberto|fernando|diego|alvaro|adrian|mario|"
    "carmen|maria|ana|isabel|lucia|laura|marta|cristina|paula|elena|raquel|sofia|valentina|"
    "daniela|gabriela|camila|mariana|giuseppe|giovanni|francesco|marco|alessandro|andrea|luca|"
    "matteo|lorenzo|davide|stefano|roberto|paolo|giorgio|riccardo|giulia|francesca|chiara|sara|"
    "alessia|martina|elisa|federica|silvia|valentina|alice|aurora|beatrice|joao|jose|antonio|"
    "francisco|pedro|tiago|rui|miguel|goncalo|rodrigo|afonso|duarte|ana|beatriz|mariana|ines|"
    "catarina|rita|joana|leonor|matilde|jan|pieter|willem|hendrik|johannes|kees|bram|daan|sem|"
    "thijs|lotte|sanne|anouk|femke|fleur|eva|sophie|piotr|krzysztof|andrzej|tomasz|pawel|marcin|"
    "michal|jakub|kamil|lukasz|mateusz|anna|katarzyna|malgorzata|agnieszka|barbara|ewa|magdalena|"
    "joanna|aleksandra|zofia|natalia|ivan|dmitry|sergey|alexey|andrey|vladimir|nikolai|mikhail|"
    "иван|дмитрий|сергей|алексей|андрей|владимир|николай|михаил|александр|анна|мария|елена|ольга|"
    "наталья|екатерина|татьяна|ирина|светлана|юлия|анастасия|lars|anders|nils|erik|olof|henrik|"
    "mette|kirsten|ingrid|astrid|sigrid|freja|mikko|juha|timo|jukka|laszlo|istvan|zoltan|peter|"
    "zsofia|eszter|katalin|erzsebet|judit|krisztina|noemi|zsuzsanna|orsolya|balazs|gergely|"
    "tamas|levente|akos|ferenc|gyorgy|janos|sandor|imre|miklos|zsolt|szabolcs|tibor|lajos|qiang|jie|"
    "taro|hiroshi|takeshi|kenji|yuki|haruto|sota|yui|hina|sakura|aoi|wei|jing|li|ming|hua|min|"
    "jun|yan|민준|서준|지훈|서연|지우|하은|ahmed|mohammed|mohamed|ali|omar|fatima|aisha|raj|amit|"
    "priya|ananya|rahul|arjun|sanjay|deepak|bruno|clement|morgan|allen|nelson|howard|"
    // Given names that end the way family names do elsewhere ("-ian", Russian "-ина").
    "julian|damian|fabian|vivian|kilian|cyprian|marian|lilian|gillian|jillian|bryan|"
    // Given names that are also common family names elsewhere ("Kim Weber", "Lee Evans").
    "kim|lee|"
    "марина|полина|кристина|алина|галина|нина|валентина|карина|ангелина|арина|регина|"
    // More given names of the languages whose forms the engine reads, of people born from the
    // fifties on; none that is a common word, a place or also a common family name.
    "aoife|siobhan|ciaran|eoin|oisin|sinead|grainne|"
    "padraig|declan|cormac|ronan|darragh|caoimhe|orla|brendan|colm|kieran|gareth|rhys|bethan|"
    "cerys|courtney|kayla|brianna|dustin|travis|derek|cody|shane|brett|kurt|todd|wesley|bradley|"
    "marcus|damian|gavin|callum|calum|hamish|angus|lachlan|ailsa|eilidh|jannik|lukas|"
    "niklas|moritz|jonas|felix|maximilian|sebastian|dominik|fabian|matthias|bastian|jorg|uwe|"
    "dieter|rudiger|volker|ralf|bernd|jurgen|gerhard|torsten|sven|malte|hauke|lasse|"
    "franziska|katharina|carina|jana|nadine|janine|tanja|silke|heike|kerstin|doris|christa|"
    "ingrid|helga|gisela|renate|jutta|nicole|melanie|vanessa|ronja|merle|wiebke|frauke|svenja|"
    "jule|carla|maja|margaux|oceane|manon|chloe|pauline|aurelie|elodie|"
    "amandine|severine|delphine|sandrine|nathalie|isabelle|veronique|sylvie|brigitte|martine|"
    "monique|ghislaine|thibault|theo|hugo|antoine|baptiste|quentin|romain|guillaume|sebastien|"
    "julien|jerome|ludovic|cedric|arnaud|benoit|gregoire|yannick|loic|killian|enzo|mathis|"
    "clement|florent|fabrice|thierry|didier|herve|"
    "alejandro|javier|sergio|raul|alvaro|adrian|ignacio|gonzalo|agustin|santino|mateo|joaquin|"
    "valentina|camila|agustina|julieta|micaela|nerea|ainhoa|itziar|cristina|raquel|nuria|yolanda|"
    "fernanda|daniela|mariana|alejandra|veronica|leticia|graciela|susana|beatriz|"
    "lorenzo|tommaso|riccardo|edoardo|federico|gabriele|alessandro|davide|stefano|massimo|"
    "fabrizio|giorgio|emanuele|jacopo|niccolo|pietro|filippo|gianluca|giuseppe|giovanni|"
    "salvatore|vincenzo|chiara|federica|francesca|alessia|giorgia|beatrice|arianna|elisa|ilaria|"
    "roberta|simona|paola|manuela|rossella|loredana|ornella|tiago|goncalo|rui|nuno|diogo|"
    "ricardo|vitor|leonardo|felipe|caio|matheus|guilherme|murilo|vinicius|ines|larissa|"
    "juliana|bruna|gabriela|aline|tatiana|renata|adriana|luana|priscila|debora|daan|bram|"
    "thijs|jasper|sander|niels|wouter|bart|koen|stijn|jeroen|maarten|sanne|lotte|anouk|lieke|"
    "marieke|annemiek|mirjam|ilse|wendy|malgorzata|agnieszka|krystyna|elzbieta|"
    "zofia|jadwiga|grazyna|beata|dorota|magdalena|aleksandra|weronika|wiktoria|zuzanna|oliwia|"
    "kacper|jakub|szymon|mateusz|bartosz|wojciech|krzysztof|grzegorz|tomasz|pawel|marcin|michal|"
    "lukasz|andrzej|stanislaw|zbigniew|jerzy|tadeusz|ryszard|kazimierz|mariusz|dariusz|slawomir|"
    "przemyslaw|radoslaw|jaroslaw|miroslaw|witold|дмитрий|сергей|андрей|"
    "алексей|максим|иван|михаил|никита|егор|артём|артем|кирилл|илья|денис|евгений|владимир|"
    "николай|павел|олег|игорь|юрий|виктор|константин|антон|тимур|анна|мария|елена|ольга|наталья|"
    "татьяна|ирина|светлана|екатерина|анастасия|дарья|ксения|полина|юлия|людмила|галина|надежда|"
    "софья|алиса|вероника|кристина|dmitry|dmitri|sergey|sergei|andrey|andrei|alexey|alexei|"
    "maxim|nikita|yegor|egor|kirill|ilya|evgeny|yevgeny|vladimir|nikolai|pavel|oleg|igor|yuri|"
    "konstantin|timur|natalia|natalya|tatiana|tatyana|svetlana|ekaterina|yekaterina|anastasia|"
    "daria|darya|ksenia|polina|yulia|lyudmila|galina|nadezhda|sofya|alisa";

// Family names of the traditions that write them before the given name, in Latin letters
// too: Chinese, Vietnamese and Hungarian ("Wang Wei", "Nguyễn Văn An", "Nagy László").
constexpr const char* kFamilyNamesWrittenFirst =
    "wang|zhang|chen|huang|zhao|zhou|liu|xu|zhu|guo|luo|zheng|liang|xie|gao|wu|"
    "nguyen|tran|pham|hoang|huynh|phan|dang|bui|ngo|duong|dinh|truong|trinh|"
    "nagy|kovacs|toth|szabo|horvath|varga|molnar|nemeth|farkas|balogh|papp|takacs|juhasz|"
    "lakatos|meszaros|olah|racz|fekete|szilagyi";

// Common family names of the languages the service reads: the most frequent ones
// of each country, with the feminine forms of Polish and Russian names, and in Han
// and Hangul the family names of Japan, China and Korea.
constexpr const char* kFamilyNames =
    "smith|johnson|williams|brown|jones|miller|davis|wilson|anderson|taylor|moore|jackson|"
    "thompson|white|harris|clark|lewis|robinson|walker|young|wright|hill|green|adams|"
    "baker|hall|campbell|mitchell|carter|roberts|evans|turner|parker|collins|edwards|stewart|"
    "morris|murphy|cook|rogers|cooper|reed|bailey|ward|richardson|watson|brooks|"
    "bennett|hughes|price|sanders|myers|foster|"
    "muller|mueller|schmidt|schneider|fischer|weber|meyer|wagner|becker|schulz|hoffmann|schafer|"
    "schaefer|koch|bauer|richter|klein|wolf|schroder|schroeder|neumann|schwarz|zimmermann|braun|"
    "kruger|krueger|hofmann|hartmann|lange|schmitt|werner|schmitz|krause|meier|lehmann|schmid|"
    "schulze|maier|kohler|koehler|herrmann|konig|koenig|mayer|huber|kaiser|fuchs|scholz|moller|"
    "moeller|weiss|jung|hahn|schubert|vogel|keller|gunther|berger|winkler|lorenz|baumann|"
    "bernard|dubois|durand|moreau|lefebvre|leroy|roux|bertrand|morel|fournier|girard|bonnet|"
    "dupont|lambert|fontaine|rousseau|mercier|blanc|guerin|boyer|garnier|chevalier|legrand|"
    "gauthier|perrin|morin|roussel|masson|marchand|duval|dumont|lemaire|dufour|meunier|"
    "garcia|rodriguez|gonzalez|fernandez|lopez|martinez|sanchez|perez|gomez|jimenez|ruiz|"
    "hernandez|diaz|moreno|munoz|alvarez|romero|gutierrez|navarro|torres|dominguez|"
    "vazquez|ramos|ramirez|serrano|molina|morales|suarez|ortega|delgado|castro|ortiz|rubio|"
    "sanz|nunez|iglesias|medina|garrido|cortes|castillo|lozano|guerrero|prieto|mendez|"
    "rossi|russo|ferrari|esposito|bianchi|romano|colombo|ricci|greco|gallo|conti|"
    "de luca|mancini|giordano|rizzo|lombardi|moretti|barbieri|fontana|santoro|mariani|rinaldi|"
    "caruso|ferrara|galli|martini|longo|gentile|martinelli|vitale|lombardo|serra|coppola|"
    "silva|santos|ferreira|pereira|oliveira|costa|rodrigues|martins|sousa|souza|fernandes|"
    "goncalves|gomes|lopes|marques|alves|almeida|ribeiro|pinto|carvalho|teixeira|moreira|"
    "correia|mendes|nunes|soares|vieira|monteiro|cardoso|rocha|coelho|cunha|pires|araujo|"
    "barbosa|tavares|azevedo|freitas|lima|dias|melo|nascimento|barros|moura|"
    "de jong|jansen|de vries|van den berg|van dijk|bakker|janssen|visser|smit|meijer|de boer|"
    "mulder|de groot|bos|vos|hendriks|van leeuwen|dekker|brouwer|de wit|dijkstra|smits|de graaf|"
    "van der meer|van der linden|kok|jacobs|de haan|vermeulen|van den heuvel|hoekstra|verhoeven|"
    "nowak|kowalski|kowalska|wisniewski|wisniewska|wojcik|kowalczyk|kaminski|kaminska|"
    "lewandowski|lewandowska|zielinski|zielinska|szymanski|szymanska|wozniak|dabrowski|"
    "dabrowska|kozlowski|kozlowska|jankowski|jankowska|mazur|kwiatkowski|kwiatkowska|krawczyk|"
    "kaczmarek|piotrowski|piotrowska|grabowski|grabowska|zajac|pawlowski|pawlowska|krol|"
    "иванов|иванова|смирнов|смирнова|кузнецов|кузнецова|попов|попова|васильев|васильева|петров|"
    "петрова|соколов|соколова|михайлов|михайлова|новиков|новикова|федоров|федорова|морозов|"
    "морозова|волков|волкова|алексеев|алексеева|лебедев|лебедева|семенов|семенова|егоров|"
    "егорова|павлов|павлова|козлов|козлова|степанов|степанова|николаев|николаева|орлов|орлова|"
    "ivanov|ivanova|smirnov|smirnova|kuznetsov|kuznetsova|popov|popova|petrov|petrova|"
    // The commonest of large naming traditions people bring to any of these forms: Japanese
    // and Korean names in Latin letters, Indian, Hebrew, Arabic, Austrian and Finnish (Chinese,
    // Vietnamese and Hungarian ones are above).
    "sato|suzuki|takahashi|watanabe|yamamoto|nakamura|kobayashi|kato|yoshida|yamada|sasaki|"
    "yamaguchi|matsumoto|inoue|kimura|hayashi|shimizu|"
    "kim|lee|park|choi|jung|kang|cho|yoon|jang|lim|shin|seo|kwon|hwang|ahn|"
    "patel|singh|sharma|gupta|khan|reddy|mehta|joshi|verma|iyer|nair|"
    "cohen|levy|katz|friedman|mizrahi|peretz|haddad|"
    "gruber|pichler|steiner|moser|egger|korhonen|virtanen|nieminen|makinen|hamalainen|koskinen|"
    "佐藤|鈴木|高橋|田中|伊藤|渡辺|山本|中村|小林|加藤|吉田|山田|佐々木|山口|松本|井上|木村|"
    "斎藤|清水|山崎|池田|橋本|阿部|石川|山下|中島|石井|小川|前田|岡田|長谷川|藤田|後藤|近藤|"
    "村上|遠藤|青木|坂本|斉藤|福田|太田|西村|藤井|金子|岡本|藤原|中野|三浦|原田|中川|松田|"
    "王|李|张|張|刘|劉|陈|陳|杨|楊|黄|黃|赵|趙|吴|吳|周|徐|孙|孫|马|馬|朱|胡|郭|何|高|罗|羅|"
    "林|叶|葉|邱|石|卢|盧|魏|方|任|姜|范|谭|譚|廖|邹|鄒|熊|"
    "郑|鄭|梁|谢|謝|宋|唐|许|許|韩|韓|冯|馮|邓|鄧|曹|彭|曾|肖|董|袁|潘|蒋|蔣|蔡|欧阳|歐陽|"
    "于|余|杜|程|苏|蘇|丁|沈|吕|呂|贾|賈|夏|钟|鍾|鐘|汪|田|傅|崔|陆|陸|姚|戴|付|贺|賀|顾|顧|毛|郝|"
    "龚|龔|邵|段|雷|钱|錢|汤|湯|尹|黎|易|常|武|乔|喬|赖|賴|龙|龍|施|陶|洪|翟|颜|顏|倪|严|嚴|温|溫|"
    "季|俞|章|鲁|魯|葛|伍|韦|韋|申|尤|毕|畢|聂|聶|焦|向|柳|邢|岳|齐|齊|梅|莫|庄|莊|辛|管|祝|左|涂|"
    "谷|祁|舒|耿|卜|詹|关|關|苗|凌|费|費|纪|紀|靳|盛|童|甄|项|項|曲|游|裴|席|卫|衛|鲍|鮑|覃|霍|翁|"
    "隋|甘|景|薛|包|柏|宁|寧|柯|阮|桂|闫|閆|阎|閻|万|萬|金|安|文|成|路|牛|单|單|"
    "司马|司馬|上官|诸葛|諸葛|东方|東方|夏侯|皇甫|"
    "森|辻|関|堀|竹内|和田|中山|石田|柴田|酒井|工藤|横山|宮崎|宮本|内田|高木|安藤|谷口|大野|丸山|今井|"
    "高田|藤本|武田|村田|杉山|増田|平野|大塚|久保|松井|小島|岩崎|桜井|野口|松尾|野村|木下|菊地|佐野|"
    "大西|杉本|新井|浜田|菅原|水野|小松|島田|古川|小山|高野|西田|菊池|山内|西川|五十嵐|北村|安田|"
    "中田|川口|平田|飯田|吉川|本田|久保田|沢田|吉村|渡部|岩田|中西|服部|樋口|川上|永井|松岡|田口|"
    "山中|森田|中尾|秋山|大久保|荒木|星野|榎本|熊谷|野田|片山|大橋|小池|河野|土屋|望月|小西|桑原|"
    "松浦|大谷|武藤|矢野|"
    "김|이|박|최|정|강|조|윤|장|임|한|오|서|신|권|황|안|송|류|전|홍|고|문|양|손|배|백|허|유|남|"
    "심|노|하|곽|성|차|주|우|구|민|진|지|나|엄|채|원|천|방|공|현|함|변|염|여|추|도|소|석|선|설|마|길|"
    "연|위|표|명|기|반|라|왕|금|옥|육|인|맹|제|모|탁|국|어|은|편|용|예|경|봉|사|부|"
    "선우|제갈|남궁|황보|독고|사공|"
    // More Spanish and Portuguese family names.
    "arias|ochoa|herrera|aguilar|vargas|castillo|jimenez|moreno|romero|alvarez|ruiz|gutierrez|"
    "munoz|navarro|dominguez|vazquez|ramirez|reyes|morales|ortiz|delgado|suarez|ortega|molina|"
    "serrano|cabrera|prieto|mendez|carrasco|pascual|santana|montero|gimenez|ibanez|"
    "ferrer|duran|vidal|soler|"
    "morais|carvalho|rodrigues|goncalves|gomes|lopes|marques|"
    "alves|almeida|ribeiro|carneiro|correia|mendes|nunes|soares|vieira|monteiro|cardoso|cunha|"
    "pires|freitas|barbosa|araujo|fernandes|azevedo|magalhaes|figueiredo|cavalcanti";

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
    "bucharest|sofia|athens|athina|kobenhavn|copenhagen|aarhus|oslo|bergen|stockholm|goteborg|"
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
    "katu|utca";

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
  addWords(&givenNames_, kGivenNames);
  addWords(&familyNames_, kFamilyNames);
  addWords(&familyNames_, kFamilyNamesWrittenFirst);
  addWords(&familyNamesWrittenFirst_, kFamilyNamesWrittenFirst);
  addWords(&cities_, kCities);
  addWords(&regions_, kRegions);
  addWords(&legalForms_, kLegalForms);
  addWords(&legalFormsFirst_, kLegalFormsFirst);
  addWords(&orgWords_, kOrganisationWords);
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
