// The keywords of fields that a saved value never answers: other people's details,
// searches, captchas, messages, secrets and codes, quantities, and numbers of other kinds;
// and the qualifiers that say how to write a value, which answer nothing themselves.
#include "engine/label_lexicon.h"

namespace oskel::answer {
namespace {

constexpr LabelKeywordGroup kGroups[] = {
    // Qualifiers that say how to write the value, not what it is: "First name (as on passport)".
    {FieldKind::kUnknown, 1, KeywordMatch::kWord,
     "as on passport|as in passport|as on your passport|as in your passport|as shown on passport|"
     "as it appears on your passport|as on id|as on your id|as it appears on your id|wie im pass|"
     "wie im ausweis|comme sur le passeport|como en el pasaporte|come sul passaporto|"
     // ... and how to write a phone number.
     "with country code|including country code|including the country code|incl country code|inc country code|"
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
    // Another person's details: a friend to tell, a recipient, a child, an emergency contact.
    {FieldKind::kSomeoneElse, 50, KeywordMatch::kWord,
     "friend|friends|friend s|friend s email|friend s name|your friend|your friend s|your friends|"
     "to a friend|send to a friend|tell a friend|recipient|recipients|recipient s|recipient name|"
     "recipient email|recipient s email|cc|bcc|empfanger|empfangers|e mail des empfangers|"
     "freund|freundes|freundin|ihr freund|destinataire|votre ami|ami|amie|amis|amigo|amiga|tu amigo|"
     "destinatario|del destinatario|amico|amica|tuo amico|do destinatario|seu amigo|vriend|vriendin|"
     "ontvanger|znajomy|znajomego|przyjaciel|odbiorca|odbiorcy|друг|друга|получатель|получателя|"
     "child|child s|children s|kid s|infant|infant s|dependant|dependent|dependant s|dependent s|"
     "family member|relative|not yours|not yourself|emergency|emergencia|notfall|urgence|urgencia|emergenza|"
     "acidente|accidente|unfall|pet|pet s|dog|dog s|cat s|animal|animal s|horse|baby|"
     "baby s|due date|expected date|deceased|your son|son s|daughter|daughter s|partner date of birth|"
     "partner s date of birth|des kindes|de l enfant|del hijo|del figlio|do filho|da crianca|crianca|"
     "dependente|"
     "dziecka|ребенка|spouse|spouse name|husband|wife|husband s|wife s|mother s|father s|ehepartner|"
     "ehepartners|conjoint|conyuge|coniuge|conjuge|echtgenoot|echtgenote|malzonek|malzonka|супруг|супруга|"
     "child s name|spouse s|emergency contact|"
     "beneficiary|guardian s|parent s|parent guardian|name des kindes|nom de l enfant|"
     "nombre del hijo|nome del figlio|nome do filho|imie dziecka|имя ребенка|"
     "guardian|guardian name|legal guardian|name of guardian|name of child|name of the child|parent name|"
     "name of parent|next of kin|father|mother|father name|mother name|name of father|name of mother|"
     "referring physician|physician|doctor s name|doctor name|name of doctor|gp name|gp s name|name of your gp|"
     "dentist name|payee|payee name|anne adi|baba adi|phu huynh|nguoi giam ho|ten cha|ten me|ho ten cha|"
     "ho ten me|ayah|nama ayah|orang tua|wali|ولي الأمر|ولي الامر|अभिभावक|पिता|माता|"
     "nome da mae|nome do pai|nombre del padre|nombre de la madre|nom du pere|nom de la mere|name des vaters|"
     "name der mutter|nome del padre|nome della madre|imie ojca|imie matki|имя отца|имя матери|"
     "naam van de vader|naam van de moeder|vater|vaters|mutter|padre|madre|padres|pai|mae|pere|mere|vader|"
     "moeder|ojca|matki|rodzica|rodzicow|opiekuna|genitore|genitori|отца|матери|родителя|родителей|"
     "parent email|parent phone|parents|"
     // Parents, guardians and emergency contacts, as school and club forms ask for them.
     "eltern|elternteil|elternteils|erziehungsberechtigte|erziehungsberechtigten|erziehungsberechtigter|"
     "sorgeberechtigte|sorgeberechtigten|sorgeberechtigter|notfallkontakt|notfallkontakts|notfallnummer|"
     "notfalltelefon|tutor legal|tutora legal|tutores legales|del tutor|de la tutora|acudiente|tuteur|tutrice|"
     "tuteurs|"
     "responsable legal|responsables legaux|tutore|tutori|dos pais|responsavel legal|"
     "responsaveis legais|ouders|verzorger|verzorgers|voogd|bij nood|in geval van nood|"
     "noodcontact|noodnummer|opiekun|opiekunow|opiekunka|opiekunki|kontakt awaryjny|экстренный контакт|экстренного контакта|экстренное контактное лицо|"
     "awaryjnego|опекун|опекуна|опекуны|опекунов|законного представителя|законный представитель|"
     "vardnadshavare|vardnadshavares|foralder|foralders|foraldrar|foraldrars|anhorig|"
     "anhoriga|foresatte|foresattes|parorende|zakonny zastupce|zakonneho zastupce|rodic|rodice|rodicu|"
     "velisi|velinin|acil durum|yakininin|"
     // The same people in the other languages (a doctor, a payee, a landlord, a spouse, a child, a
     // pet, the deceased, a co-applicant, a companion), and relatives, carers, witnesses, other
     // contacts, referrers and colleagues to invite.
     "hausarzt|hausarztes|hausarztin|arzt|arztes|arztin|behandelnder arzt|behandelnden arztes|medecin|"
     "du medecin|medecin traitant|del medico|medico de cabecera|del doctor|de la doctora|"
     "medico curante|do medico|huisarts|behandelend arts|naam arts|van de arts|lekarz|lekarza|"
     "lekarz prowadzacy|lekarza prowadzacego|врач|врача|лечащий врач|лечащего врача|doctor s|doctor phone|"
     "doctor email|begunstigter|begunstigten|begunstigte|zahlungsempfanger|beneficiaire|du beneficiaire|"
     "beneficiaires|beneficiario|beneficiaria|del beneficiario|do beneficiario|begunstigde|beneficjent|"
     "beneficjenta|бенефициар|бенефициара|выгодоприобретатель|выгодоприобретателя|bailleur|du bailleur|"
     "arrendador|del arrendador|locatore|del locatore|senhorio|locador|do locador|verhuurder|"
     "van de verhuurder|wynajmujacy|wynajmujacego|арендодатель|арендодателя|наймодатель|наймодателя|ehefrau|"
     "ehemann|ehegatte|ehegatten|ehegattin|lebenspartner|lebenspartners|lebenspartnerin|conjointe|esposo|"
     "esposa|marido|marito|moglie|zony|malzonki|wspolmalzonka|wspolmalzonek|wspolmalzonki|жена|жены|муж|мужа|"
     "супруги|kindes|kinder|kindern|enfant|enfants|ninos|bambino|bambina|bambini|figlio|"
     "figlia|figli|kinderen|naam kind|het kind|dziecko|dzieci|ребенок|детей|tieres|"
     "haustier|haustiers|hund|hundes|katze|mascota|mascotas|gatto|animale|cachorro|huisdier|hond|zwierzecia|"
     "кличка|питомца|собаки|кошки|verstorbene|verstorbenen|verstorbener|defunt|defunte|du defunt|fallecido|"
     "fallecida|del fallecido|difunto|difunta|defunto|defunta|del defunto|falecido|falecida|overledene|"
     "zmarlego|zmarlej|zmarly|умершего|умершей|покойного|mitantragsteller|mitantragstellers|"
     "mitantragstellerin|cotitulaire|co titulaire|co emprunteur|coemprunteur|cotitular|co titular|codeudor|"
     "cointestatario|co intestatario|coobbligato|mede aanvrager|medeaanvrager|borgsteller|wspolwnioskodawca|"
     "wspolwnioskodawcy|poreczyciela|созаемщик|созаемщика|companion s|travel companion|mitreisende|"
     "mitreisender|mitreisenden|begleitperson|accompagnant|accompagnateur|accompagnatrice|acompanante|"
     "accompagnatore|acompanhante|reisgenoot|osoba towarzyszaca|сопровождающий|сопровождающего|попутчик|"
     "попутчика|поручителя|de l epouse|de l epoux|votre epouse|votre epoux|son epouse|son epoux|del nino|"
     "de la nina|los ninos|imie meza|nazwisko meza|imie psa|companion name|name of companion|companion email|"
     "companion phone|brother s|sister s|sibling|siblings|bruders|schwester|geschwister|frere|soeur|"
     "hermano|hermana|fratello|sorella|irmao|da irma|broer|zus|brata|siostra|siostry|брат|брата|сестра|сестры|"
     "grandparent|grandparents|grosseltern|grossvater|grossmutter|abuelo|abuela|nonno|nonna|grootouders|"
     "parent|parent 1|parent 2|mom|mum|dad|mom s|mum s|dad s|mothers|fathers|ouder|rodzic|matka|ojciec|мать|"
     "отец|родитель|мама|папа|мамы|папы|vorname kind|name kind|angaben zum kind|voornaam kind|sohn|tochter|"
     "fille|zoon|dochter|сын|сына|дочь|дочери|minor s|minore|partner name|"
     "partner first name|partner last name|name des partners|naam partner|partnerin|"
     "lebensgefahrte|lebensgefahrtin|concubin|concubine|compagno|compagna|companheiro|companheira|"
     "dentist|veterinarian|pediatrician|paediatrician|pediatre|pediatra|kinderarzt|zahnarzt|tierarzt|"
     "dierenarts|tandarts|nominee|nominee s|"
     "betreuer|betreuerin|zeuge|zeugin|temoin|testigo|testimone|testemunha|getuige|swiadek|свидетель|"
     "свидетеля|roommate|mitbewohner|co owner|co tenant|co author|coauthor|joint account holder|"
     "additional driver|second driver|named driver|zusatzlicher fahrer|conducteur secondaire|"
     "conductor adicional|conducente aggiuntivo|extra bestuurder|"
     ""
     "personne a prevenir|a prevenir|naglych wypadkach|angehorige|angehorigen|familielid|"
     "krewny|родственник|родственника|parrain|marraine|werber|polecajacy|пригласивший|teacher s|"
     "invite by email|"
     "invite a colleague|invite colleagues|invite someone|invitee|invitees|colleague|colleague s|coworker|"
     "teammate|collaborator|kollege|kollegen|"
     "kollegin|collegue|colega|collega|коллега|коллеги|plus one|"
     "boyfriend|girlfriend|fiance|fiancee|husbands|wifes|"
     ""
     "authorized pickup|stepparent|stepfather|stepmother|"
     "stepchild|breeder|surety|bevollmachtigter|bevollmachtigten|bevollmachtigte|mitmieter|mitmieterin|"
     "beschenkter|beschenkte|sohnes|du fils|de votre fils|his name|her name|his email|her email|his phone|her phone|"
     "heir|"
     "heirs|proxy s|name of proxy|proxy name|d un proche|un proche|vos proches|proche a prevenir|"
     // Carers, advisers and other roles, where the label speaks of their value: a role alone may be
     // the one filling in ("Therapist · Your name") or acting on it ("our advisor will call you").
     "gp s|gp email|gp phone|gp number|gp s email|gp s phone|name of gp|your gp|supervisor number|"
     "supervisor s name|supervisor s email|supervisor s phone|attorney s|attorney name|attorney email|"
     "attorney phone|attorney number|attorney s name|attorney s email|attorney s phone|name of attorney|"
     "name of your attorney|your attorney|solicitor s|solicitor name|solicitor email|solicitor phone|"
     "solicitor number|solicitor s name|solicitor s email|solicitor s phone|name of solicitor|"
     "name of your solicitor|your solicitor|accountant s|accountant name|accountant email|accountant phone|"
     "accountant number|accountant s name|accountant s email|accountant s phone|name of accountant|"
     "name of your accountant|your accountant|executor s|executor name|executor email|executor phone|"
     "executor number|executor s name|executor s email|executor s phone|name of executor|"
     "name of your executor|your executor|caregiver s|caregiver name|caregiver email|caregiver phone|"
     "caregiver number|caregiver s name|caregiver s email|caregiver s phone|name of caregiver|"
     "name of your caregiver|your caregiver|carer s|carer name|carer email|carer phone|carer number|"
     "carer s name|carer s email|carer s phone|name of carer|name of your carer|your carer|witness s|"
     "witness name|witness email|witness phone|witness number|witness s name|witness s email|witness s phone|"
     "name of witness|name of your witness|your witness|advisor s|advisor name|advisor email|advisor phone|"
     "advisor number|advisor s name|advisor s email|advisor s phone|name of advisor|name of your advisor|"
     "your advisor|adviser s|adviser name|adviser email|adviser phone|adviser number|adviser s name|"
     "adviser s email|adviser s phone|name of adviser|name of your adviser|your adviser|babysitter s|"
     "babysitter name|babysitter email|babysitter phone|babysitter number|babysitter s name|"
     "babysitter s email|babysitter s phone|name of babysitter|name of your babysitter|your babysitter|"
     "nanny s|nanny name|nanny email|nanny phone|nanny number|nanny s name|nanny s email|nanny s phone|"
     "name of nanny|name of your nanny|your nanny|therapist s|therapist name|therapist email|therapist phone|"
     "therapist number|therapist s name|therapist s email|therapist s phone|name of therapist|"
     "name of your therapist|your therapist|psychologist s|psychologist name|psychologist email|"
     "psychologist phone|psychologist number|psychologist s name|psychologist s email|psychologist s phone|"
     "name of psychologist|name of your psychologist|your psychologist|psychiatrist s|psychiatrist name|"
     "psychiatrist email|psychiatrist phone|psychiatrist number|psychiatrist s name|psychiatrist s email|"
     "psychiatrist s phone|name of psychiatrist|name of your psychiatrist|your psychiatrist|counselor s|"
     "counselor name|counselor email|counselor phone|counselor number|counselor s name|counselor s email|"
     "counselor s phone|name of counselor|name of your counselor|your counselor|counsellor s|counsellor name|"
     "counsellor email|counsellor phone|counsellor number|counsellor s name|counsellor s email|"
     "counsellor s phone|name of counsellor|name of your counsellor|your counsellor|mentor s|mentor name|"
     "mentor email|mentor phone|mentor number|mentor s name|mentor s email|mentor s phone|name of mentor|"
     "name of your mentor|your mentor|approver s|approver name|approver email|approver phone|approver number|"
     "approver s name|approver s email|approver s phone|name of approver|name of your approver|your approver|"
     "alternative contact name|alternate contact name|second contact name|secondary contact name|"
     "additional contact name|backup contact name|alternative contact person|del familiar|un familiar|"
     "alternative contact phone|alternative contact email|alternate contact phone|alternate contact email|"
     "second contact phone|second contact email|secondary contact phone|secondary contact email|"
     "additional contact phone|additional contact email|backup contact phone|backup contact email|"
     "accounts payable|finance contact|budget holder|sponsor name|sponsor email|sponsor phone|sponsor s|"
     "name of sponsor|name of your sponsor|assistant s|assistant name|assistant email|assistant phone|pa s|"
     "secretary s|secretary name|secretary email|secretary phone|agent name|agent email|agent phone|agent s|"
     "interpreter name|interpreter email|interpreter s|assistenz e mail|e mail der assistenz|de l assistante|"
     "de l assistant|zweite kontaktperson|second contact|additional contact|other contact person|"
     "other contact phone|other contact email|other contact name|pa email|pa phone|pa name|"
     "nombre del familiar|familiar de contacto|telefono del familiar|del familiare|un familiare|"
     "nombre del medico|medico tratante|veli adi|veli telefonu|veli telefon|de la hija|de los hijos|hijo a|da filha|dos filhos|"
     "des partners|ihres partners|zum partner|partner vorname|partner nachname|partner telefon|du partenaire|"
     "de la pareja|del partner|van uw partner|partnera|partnerki|партнера|kind 1|kind 2|nachname kind|"
     "ihres kindes|naam van uw kind|van uw kind|del menor|datos del menor|dados do menor|do menor|du mineur|"
     "maloletniego|несовершеннолетнего|о ребенке|о супруге|encarregado de educacao|"
     "vormund|vormunds|pflegeeltern|"
     "esercente la potesta|przedstawiciela ustawowego|pelnomocnika|доверенного лица|"
     "grandmother|grandfather|grandchild|aunt|uncle|cousin|niece|nephew|oma|opa|onkel|verwandter|"
     "verwandten|angehoriger|oncle|neveu|nieto|nieta|suegro|suegra|zio|zia|cugino|cugina|avo|oom|corki|"
     "syna|babci|dziadka|wujka|cioci|бабушки|дедушки|бабушка|дедушка|дяди|тети|sœur|sœurs|de la sœur|"
     // Teachers, coaches, lawyers and others the person deals with, where the label speaks of their value.
     "teacher s|teacher name|teacher email|teacher phone|teacher s name|teacher s email|"
     "teacher s phone|name of teacher|name of your teacher|coach s|coach name|coach email|"
     "coach phone|coach s name|coach s email|coach s phone|name of coach|name of your coach|"
     "instructor s|instructor name|instructor email|instructor phone|"
     "instructor s name|instructor s email|instructor s phone|name of instructor|name of your instructor|"
     "tutor s|tutor name|tutor email|tutor phone|tutor s name|tutor s email|"
     "tutor s phone|name of tutor|name of your tutor|trainer s|trainer name|trainer email|"
     "trainer phone|trainer s name|trainer s email|trainer s phone|name of trainer|"
     "name of your trainer|dentist s|dentist name|dentist email|dentist phone|"
     "dentist s name|dentist s email|dentist s phone|name of dentist|name of your dentist|lawyer s|"
     "lawyer name|lawyer email|lawyer phone|lawyer s name|lawyer s email|lawyer s phone|"
     "name of lawyer|name of your lawyer|physician s|physician name|physician email|physician phone|"
     "physician s name|physician s email|physician s phone|name of physician|"
     "name of your physician|pediatrician s|pediatrician name|pediatrician email|"
     "pediatrician phone|pediatrician s name|pediatrician s email|pediatrician s phone|"
     "name of pediatrician|name of your pediatrician|paediatrician s|paediatrician name|"
     "paediatrician email|paediatrician phone|paediatrician s name|paediatrician s email|"
     "paediatrician s phone|name of paediatrician|name of your paediatrician|midwife s|"
     "midwife name|midwife email|midwife phone|midwife s name|midwife s email|midwife s phone|"
     "name of midwife|name of your midwife|caseworker s|caseworker name|caseworker email|"
     "caseworker phone|caseworker s name|caseworker s email|caseworker s phone|"
     "name of caseworker|name of your caseworker|recruiter s|recruiter name|recruiter email|"
     "recruiter phone|recruiter s name|recruiter s email|recruiter s phone|name of recruiter|"
     "name of your recruiter|case worker name|social worker name|social worker s|"
     "des lehrers|der lehrerin|lehrer name|lehrer e mail|lehrer telefon|des trainers|"
     "der trainerin|trainer name|de l enseignant|de l enseignante|du professeur|de la professeure|"
     "nom du professeur|de l entraineur|del profesor|de la profesora|nombre del profesor|del entrenador|"
     "de la entrenadora|dell insegnante|del docente|della docente|dell allenatore|do professor|da professora|"
     "do treinador|van de leraar|van de docent|van de trainer|nauczyciela|trenera|учителя|преподавателя|тренера|"
     "nurse s|nurse name|nurse email|nurse phone|nurse s name|nurse s email|nurse s phone|name of nurse|"
     "name of your nurse|professor s|professor name|professor email|professor phone|professor s name|"
     "professor s email|professor s phone|name of professor|name of your professor|headteacher s|"
     "headteacher name|headteacher email|headteacher phone|headteacher s name|headteacher s email|"
     "headteacher s phone|name of headteacher|name of your headteacher|head teacher s|head teacher name|"
     "head teacher email|head teacher phone|head teacher s name|head teacher s email|head teacher s phone|"
     "name of head teacher|name of your head teacher|pastor s|pastor name|pastor email|pastor phone|"
     "pastor s name|pastor s email|pastor s phone|name of pastor|name of your pastor|vet s|vet name|vet email|"
     "vet phone|vet s name|vet s email|vet s phone|name of vet|name of your vet|veterinarian s|"
     "veterinarian name|veterinarian email|veterinarian phone|veterinarian s name|veterinarian s email|"
     "veterinarian s phone|name of veterinarian|name of your veterinarian|notary s|notary name|notary email|"
     "notary phone|notary s name|notary s email|notary s phone|name of notary|name of your notary|des anwalts|"
     "der anwaltin|anwalt name|name des anwalts|de l avocat|nom de l avocat|del abogado|nombre del abogado|"
     "dell avvocato|nome dell avvocato|do advogado|nome do advogado|van de advocaat|adwokata|адвоката|"
     "des notars|du notaire|del notario|del notaio|do notario|"
     "class teacher|klassenlehrer|klassenlehrerin|coach s|neighbour|neighbor|nachbar|nachbarn|voisin|vecino|"
     "vicino|vizinho|buurman|sasiad|сосед|key holder|keyholder|tagesmutter|"
     "their name|their email|their phone|"
     // People the applicant names: a partner, a manager, a landlord, a guarantor, a co-applicant.
     "partner s|partner s name|partner s email|partner s phone|business partner|life partner|name of partner|"
     "name of business partner|manager s|your manager|line manager|hiring manager|account manager|"
     "property manager|manager name|manager email|manager phone|name of manager|name of your manager|"
     "boss s|supervisor s|your supervisor|supervisor name|supervisor email|supervisor phone|name of supervisor|"
     "name of your supervisor|landlord|landlord s|"
     "co applicant|coapplicant|joint applicant|second applicant|co signer|cosigner|co borrower|guarantor|"
     "referee|referee s|vorgesetzter|vorgesetzten|vermieter|vermieters|burge|burgen|garant|garante|avalista|"
     "fiador|fiadora|poreczyciel|поручитель"},
    {FieldKind::kSomeoneElse, 50, KeywordMatch::kAnywhere,
     "友達|友人|お友達|朋友|好友|친구|받는 사람|受取人|收件人|保護者|親権者|緊急連絡|家长|家長|监护人|監護人|紧急联系|"
     "緊急聯絡|보호자|부모|비상연락|비상 연락|긴급연락|긴급 연락|配偶|배우자|"
     "主治医|かかりつけ医|医師名|担当医|医生|医师|주치의|의사 선생님|受益者|受益人|收款人|貸主|大家さん|房东|出租人|집주인|"
     "임대인|妻の|妻子姓名|妻子的|丈夫姓名|丈夫的|夫の|ご主人|奥様|老公|老婆|남편|아내|お子様|お子さま|子供|子ども|こども|児童|孩子|子女|儿童|小孩|宝宝|자녀|"
     "아동|어린이|ペット|愛犬|愛猫|宠物|반려동물|강아지|고양이|故人|逝者|死者|連帯保証人|保証人|担保人|保证人|共同申请人|보증인|"
     "공동신청인|同行者|同行人|동반자|동행인|同伴者|"
     "父親|母親|お父様|お母様|父の|母の|父亲|母亲|父母|爸爸|妈妈|아버지|어머니|부친|모친|엄마|아빠|息子|娘さん|娘の|儿子|女儿|兄弟姉妹|형제|"
     "추천인|推荐人|介绍人|邀请人|紹介者|推薦者|緊急時|비상시|응급|紧急情况|亲属|家属|家族|가족|代理人|被保険者|獣医|父氏名|母氏名|夫氏名|妻氏名|祖母|祖父|親族|爱人|妻子电话|丈夫电话|哥哥|姐姐|爷爷|奶奶|外公|外婆|할머니|할아버지|친척|"
     "子の氏名|園児|幼儿|아이 이름|딸 이름|아들 이름|上司の氏名|上司のお名前|上司の名前|上司の電話|上司のメール|上司の連絡先|上司の携帯|上長の氏名|上長のお名前|上長の名前|上長の電話|上長のメール|上長の連絡先|上長の携帯|先生の氏名|先生のお名前|先生の名前|先生の電話|先生のメール|先生の連絡先|先生の携帯|教師の氏名|教師のお名前|教師の名前|教師の電話|教師のメール|教師の連絡先|教師の携帯|コーチの氏名|コーチのお名前|コーチの名前|コーチの電話|コーチのメール|コーチの連絡先|コーチの携帯|上司氏名|上司メール|上司電話|実家の|대리인|担任の先生|担任教師|担任氏名|老师的|老师姓名|老师电话|老师手机|老师邮箱|教练的|弁護士の|弁護士氏名|律师的|律师姓名|律师电话|변호사 이름|변호사 연락처|변호사 이메일|教练姓名|教练电话|教练手机|담임 선생님|담임선생님|담임교사|上级姓名|上级的|上级邮箱|上级电话|上级手机|领导姓名|领导的|领导邮箱|领导电话|领导手机|同事姓名|同事的|同事邮箱|"
     "同事电话|同事手机|同僚の|同僚氏名|上司氏名|直属上司|先輩の|部下の|助理邮箱|助理姓名|助理电话|직장 상사|상사 이름|상사의|"
     "상사 이메일|상사 연락처|상사 전화|팀장 이름|팀장님|팀장의|팀장 이메일|팀장 연락처|동료 이름|동료의|동료 이메일|동료 연락처|"
     "비서 이메일|비서 이름|비서 연락처|"
     "บิดา|มารดา|ผู้รับ|คู่สมรส|ผู้ปกครอง|บุตร|"
     "เพื่อน|ผู้ติดต่อฉุกเฉิน|ผู้แนะนำ|ผู้ค้ำประกัน"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWord,
     "account number|street number|house number|hausnummer|nr|numero|no|hotel name|product name|"
     "store name|shop name|butikk navn|file name|item number|article number|artikelnummer|"
     // Names of things, not of the person.
     "event name|name of the event|project name|name of the project|team name|group name|pet name|pet s name|"
     "bank name|name of bank|name of your bank|branch name|university name|hospital name|"
     // Numbers of a company or a membership, whatever their label says besides.
     "company number|company reg number|company registration number|registration number|"
     "registered company number|organisation number|organization number|employer identification number|"
     "company id|member id|patient id|policy id|claim id|medicare id|insurance id|"
     "name of your pet|campaign name|list name|channel name|server name|domain name|site name|website name|"
     "blog name|page name|app name|device name|computer name|network name|course name|venue name|brand name|"
     "model name|character name|game name|workspace name|room name|playlist name|album name|"
     "name of school|name of the school|name of your school|"
     "company size|number of employees|business size|taille de l entreprise|unternehmensgrosse|"
     // A former name is no longer the one saved.
     "maiden name|birth name|former name|previous name|geburtsname|nom de jeune fille|apellido de soltera|"
     "nazwisko panienskie|nazwisko rodowe|девичья фамилия|фамилия при рождении|cognome da nubile|kizlik soyadi|"
     "kizlik soyadiniz|nome de solteira|sobrenome de solteira|de solteira|de soltera|urun adi|"
     "previous surname|former surname|maiden surname|previous last name|former last name|previous family name|"
     "former family name|previous names|other surnames|fruherer name|fruherer nachname|прежняя фамилия|"
     "предыдущая фамилия"},
    // The prefix of a phone number split over several fields. Qualifiers such as "mit
    // Vorwahl" and "préfixe inclus" (how to write a whole number) outweigh these words.
    {FieldKind::kPhonePart, 34, KeywordMatch::kWord,
     "area code|phone prefix|phone suffix|dialing code|dial code|calling code|country calling code|"
     "phone calling code|"
     "vorwahl|telefonvorwahl|telefon vorwahl|vorwahl telefon|landesvorwahl|indicatif|indicatif telephonique|"
     "indicatif du telephone|indicatif pays|prefixe|prefixe telephonique|prefijo|prefijo telefonico|prefisso|"
     "prefisso telefonico|tel prefix|mobile prefix|phone number prefix|prefix phone|codigo do pais|"
     "codigo de pais|ddi|country code"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWhole,
     "email domain|e mail domain|mail domain|company email domain|domain"},
    {FieldKind::kOtherNumber, 34, KeywordMatch::kWord,
     "email domain for|email domain name|allowed email domain|allowed email domains|allowed domains"},
    {FieldKind::kPhonePart, 34, KeywordMatch::kPrefix,
     "phoneprefix|phonesuffix|areacode|phonepart"},
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
    {FieldKind::kCaptcha, 60, KeywordMatch::kWord,
     "captcha|recaptcha|anti robot|anti robots|not a robot|human|spam|spammer|not a spammer|security check|"
     "type no spam|enter no spam|leave this field empty|leave this field blank|leave this empty|"
     "leave this blank|"
     "do not fill this field|don t fill this field|"
     "verification image|code in the image|characters in the image|letters|"
     "type the characters|type in the following|sicherheitsuberprufung|sicherheitscode|"
     "controllo|validation du formulaire|antispam|kontrollfrage|tarkistekysymys|sikkerhedskode|ellenorzo kod|"
     "случайный вопрос|проверочный код|код с картинки|سوال تصادفی"},
    {FieldKind::kCaptcha, 60, KeywordMatch::kPrefix,
     "captcha|tarkiste|antispam"},
    {FieldKind::kCaptcha, 60, KeywordMatch::kAnywhere,
     "画像認証|验证码|자동입력 방지"},
    {FieldKind::kComment, 35, KeywordMatch::kWord,
     "message|messages|comment|comments|your comment|your message|nachricht|ihre nachricht|"
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
     "parole|slaptazodis"},
    {FieldKind::kPassword, 60, KeywordMatch::kPrefix,
     "passw|kennw|salasan|jelsz"},
    {FieldKind::kPassword, 60, KeywordMatch::kAnywhere,
     "パスワード|密码|密碼|비밀번호|암호|รหัสผ่าน"},
    {FieldKind::kCardOrSecurityCode, 60, KeywordMatch::kWord,
     "card number|credit card|creditcard|kartennummer|numero de carte|numero de tarjeta|"
     "numero della carta|cvv|cvc|cvv2|csc|security code|card security code|cardholder|"
     "card holder|cardholder name|name on card|iban|expiry|expiration|card verification|"
     "sort code|konto|kontonummer|routing number|bic|swift|cartao|numero do cartao|nome no cartao|"
     "en la tarjeta|"
     "sur la carte|auf der karte|sulla carta"},
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
     "注文番号|订单号|ชื่อร้าน|ชื่อสินค้า|ที่อยู่ ip"},
    {FieldKind::kPhonePart, 34, KeywordMatch::kAnywhere, "国番号|국가번호"},
    // Arabic, Hebrew, Hindi and Vietnamese.
    {FieldKind::kPassword, 60, KeywordMatch::kWord, "كلمة المرور|كلمة السر|סיסמה|סיסמא|पासवर्ड|mat khau"},
    {FieldKind::kSearch, 40, KeywordMatch::kWord, "بحث|ابحث|חיפוש|חפש|खोजें|खोज|tim kiem"},
    {FieldKind::kComment, 35, KeywordMatch::kWord, "الرسالة|رسالتك|הודעה|संदेश|tin nhan|noi dung"},
};

}  // namespace

std::span<const LabelKeywordGroup> refusalKeywordGroups() { return kGroups; }

}  // namespace oskel::answer
