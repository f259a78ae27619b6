#include "tools/artwork/descriptions.h"

namespace {

struct Description {
    const char* text;
    const char* initials;
};

// clang-format off
const Description Descriptions[15] = {
    {"A kassai dóm főoltára a késő középkori Magyarország egyik legnagyobb szárnyasoltára. "
     "A középszekrényben Szent Erzsébet, Mária és Szent Anna faragott alakja áll, fölöttük "
     "áttört, csúcsíves baldachinok emelkednek. A két pár mozgatható szárny belső oldalán "
     "Szent Erzsébet életének jelenetei, külső oldalán Krisztus születésének és "
     "gyermekkorának képei láthatók: az angyali üdvözlet, a vizitáció, a születés és a "
     "háromkirályok imádása. A táblák aranyozott háttere előtt a ruhák mély vörösei és "
     "zöldjei világítanak. A festmények a németalföldi festészet tanulságait ismerő kassai "
     "műhelyben készültek 1474 és 1477 között; a szárnyakat ünnepnapokon nyitották ki, "
     "hétköznap a zárt oltár passiójelenetei fordultak a hívek felé.",
     "K. A."},
    {"A bártfai Szent Egyed-templom mellékoltára Szent Borbála tiszteletére készült. A "
     "középső táblán a szent koronával, kezében kehellyel és ostyával áll, mellette "
     "jelképe, a háromablakos torony. A szárnyakon Alexandriai Szent Katalin és Antiochiai "
     "Szent Margit egész alakos képe látható; a három szűz vértanút a tizennégy segítőszent "
     "köréből együtt tisztelték. A festő a ruhák redőit kemény, tört vonalakkal rajzolta, az "
     "arcokat finom, áttetsző rétegekben mintázta. Az oltár a város virágzó kereskedelmének "
     "idején, 1490 körül készült, valószínűleg egy helyi céh megrendelésére.",
     "B. É."},
    {"A lőcsei Szent Jakab-templom Mária-főoltára a korszak legmagasabb, fából faragott "
     "oltárépítménye. A szekrényben a Madonna áll Szent Jakab és Szent János evangélista "
     "között, az oromzat fiatornyai csaknem a boltozatig érnek. A szárnyak táblaképei Mária "
     "életét beszélik el az angyali üdvözlettől a mennybemenetelig és a megkoronázásig. Az "
     "oltár 1508 és 1517 között készült a város jelentős faragóműhelyében; a táblák festője "
     "a dunai iskola tájfestését is ismerte. A felvételek között egy nagy felbontású, teljes "
     "kép is található, amely a faragványok apró részleteit is megmutatja.",
     "T. Zs."},
    {"Remete Szent Antal egész alakos képe egykor egy elpusztult mellékoltár középső "
     "táblája volt. A szent szerzetesi csuhában, tau alakú bottal és csengővel áll, lába "
     "mellett a malac, az antonita rend jelképe. A háttér aranyát poncolt indadísz tölti ki, "
     "a glória peremén apró rozetták sorakoznak. A tábla 1500 körül készült; a festő a "
     "remete arcát szigorú, hosszúkás vonásokkal, a csuha redőit széles, nyugodt síkokban "
     "festette meg. Antalt a betegek, különösen a „Szent Antal tüzének” nevezett kór ellen "
     "segítő szentként tisztelték a felvidéki városokban.",
     "M. G."},
    {"A Kálvária-tábla a garamszentbenedeki apátság kincseinek egyik legkorábbi darabja. "
     "Középen a keresztre feszített Krisztus, balján a fájdalmában összeroskadó Mária, "
     "jobbján Szent János evangélista áll. Az aranyozott háttér előtt a figurák a lágy "
     "stílus hajlékony, hosszan omló redőiben jelennek meg. A tábla hátoldalán az 1427-es "
     "évszám olvasható; a képet valószínűleg a kolostor egyik kápolnája számára festették. "
     "A második felvétel a kereszt alatti csoportot mutatja közelebbről.",
     "H. I."},
    {"A szepesszombati Szent György-templom Szent Márton-oltárának szekrényében a lovas "
     "szent megosztja köpenyét a koldussal. A jelenet faragott, festett és aranyozott; a "
     "nyereg és a köpeny szegélye vörös lazúrral fénylik. A szárnyakon Szent György és Szent "
     "Miklós alakja, a predellán a tizenkét apostol félalakos képe látható. Az oltár az "
     "1490-es években készült egy szepességi műhelyben, amely több környékbeli templomnak "
     "is dolgozott.",
     "Sz. L."},
    {"A zólyomi Szent Erzsébet-templom Szent Miklós-oltárának középső tábláján a püspök "
     "teljes ornátusban, pásztorbottal áll, kezében a három aranygolyóval, amelyekkel a "
     "legenda szerint három szegény leány hozományát adta össze. A szárnyképek a szent "
     "csodáit mesélik el: a tengeri vihar lecsendesítését és három ártatlanul elítélt "
     "ifjú megmentését. Az oltár 1480 körül készült; a festő a kockás padlót és az "
     "ablakokon át látható tájat már tudatosan, a mélység érzetét keresve alkalmazta.",
     "F. J."},
    {"Szent György és a sárkány küzdelmét a festő a lovas szent felágaskodó lendületében "
     "ragadta meg. A lándzsa átüti a sárkány torkát, a háttérben a királylány imádkozik, a "
     "dombon a megmentett város falai emelkednek. A tábla egy bányavárosi oltár része volt "
     "és 1510 körül készült; a vértezet fényeit és a sárkány pikkelyeit gondos, apró "
     "ecsetvonások adják vissza. A kép a lovagszentek tiszteletének kedvelt témája volt a "
     "bányászvárosok polgárai között.",
     "R. O."},
    {"A selmecbányai Passió-oltár szárnyain Krisztus szenvedéstörténetének hat jelenete "
     "sorakozik: az Olajfák hegye, az elfogatás, az Ecce homo, a keresztvitel, a "
     "keresztrefeszítés és a feltámadás. A képek élénk, szinte drámai elbeszélő stílusa a "
     "városi polgárság ízlését tükrözi; a poroszlók torz arcai és a zsúfolt tömeg a nézőt a "
     "jelenetek közepébe vonják. Az oltár 1495 és 1500 között készült, mestere a "
     "bányavárosok egyik vezető festőműhelyéhez tartozott.",
     "V. K."},
    {"A csíkszentléleki Szent Kereszt-oltár a székelyföldi késő gótika jellegzetes emléke. "
     "Középső tábláján a Kálvária, szárnyain Szent Ilona a megtalált kereszttel és Nagy "
     "Konstantin császár látható. Az egyszerűbb, vidéki festésmód ellenére a színek – a mély "
     "kék, a cinóbervörös és az arany – ünnepélyes hatást keltenek. Az oltár predellájának "
     "felirata szerint 1510-ben készült, a falu közösségének adományából.",
     "P. Á."},
    {"A Mária halála-tábla a kassai Szent Mihály-kápolna egykori oltárához tartozott. Az "
     "ágyon fekvő Máriát az apostolok veszik körül; Péter füstölővel, János égő gyertyával "
     "áll mellette, a háttérben Krisztus karjában tartja anyja kicsiny, fehér ruhás lelkét. "
     "A festő az arcok sokféleségét és a gyász különböző kifejezéseit gondos megfigyeléssel "
     "örökítette meg. A tábla az 1480-as években készült; a második felvétel az apostolok "
     "csoportját részletezi.",
     "N. E."},
    {"A szepeshelyi székesegyház Szent Katalin-oltárát 1499-ben szentelték fel. A "
     "középszekrényben Alexandriai Szent Katalin áll koronával, karddal és a törött "
     "kerékkel; a szárnyképek a szent legendáját mesélik el a misztikus eljegyzéstől a "
     "kerékbetörés csodájáig. A predellán a szent vitája látható a császár bölcseivel. A "
     "képek hűvös, ezüstös színvilága és a gondosan festett brokátminták a szepesi káptalan "
     "igényes megrendelésére vallanak.",
     "G. B."},
    {"A csíkménasági Szent Anna-oltár a székelyföldi szárnyasoltárok egyik legkésőbbi "
     "példája: 1543-ban készült. A középen álló Szent Anna harmadmagával – karján Máriával "
     "és a gyermek Jézussal – a család és a nemzedékek összetartozásának képe volt. A "
     "szárnyakon Joachim és Anna találkozása, valamint Mária születése látható. A formák már "
     "a reneszánsz felé mutatnak: a figurák nyugodtabbak, a keret díszei oszlopokká és "
     "kagylókká egyszerűsödnek.",
     "L. T."},
    {"A kis méretű Madonna-tábla magánáhítat számára készült, 1480 körül. Mária félalakban, "
     "kék köpenyben tartja a gyermeket, aki egyik kezével anyja ruhájának szegélyét fogja, "
     "a másikkal áldást oszt. Az arany háttér poncolt mintái és a keskeny, vörösre festett "
     "keret eredeti állapotukban maradtak fenn. A festő a lágy mintázásban és a tiszta "
     "színekben az itáliai és az osztrák mesterek hatását egyesítette.",
     "Cs. M."},
    {"A mateóci evangélikus templom táblái a Szent László-legenda jeleneteit őrzik. A "
     "kerlési csatában a lovag király üldözi a leányt elrabló kunt, birkózik vele, majd a "
     "leány segítségével legyőzi. A képek a hazai falképfestészetből jól ismert történetet "
     "élénk, elbeszélő modorban mondják el. Az oltár 1500 körül készült; a reformáció után "
     "is a helyén maradt, így a lovagkirály tiszteletének ritka emléke.",
     "D. Sz."},
};

const char* const IntroPages[2][5] = {
    {"A gyűjteményről",
     "A Vendral gyűjtemény a késő középkori Magyarország szárnyasoltárait és táblaképeit "
     "mutatja be. A katalógus tizennyolc mű fényképeit és leírását tartalmazza a 15. század "
     "elejétől a 16. század közepéig, a Felvidék bányavárosaitól a Székelyföld falusi "
     "templomaiig.",
     "A szárnyasoltár a késő gótika legjellemzőbb műfaja: faragott középszekrény, festett "
     "táblákkal borított, mozgatható szárnyak, alul predella, felül áttört oromzat. A "
     "szárnyakat az egyházi év ünnepein nyitották ki, ezért egy oltárnak több arca is van; "
     "a felvételek között egész oltárok, egyes táblák és részletek is megtalálhatók.",
     "A bal oldali nagy képmezőben a kiválasztott mű főképe látható, alatta a további "
     "felvételek kicsinyített képei. A nyilakkal lapozhat közöttük, és bármelyik kis képre "
     "kattintva nagyobban is megnézheti. A jobb oldali listában a művek címe szerepel.",
     nullptr},
    {"Keresés, leírás, nyomtatás",
     "A keresőmezőbe írt szót kétféleképpen keresheti: helynév és idő szerint, vagy az "
     "ikonográfiai mutató alapján, amely a képeken ábrázolt szentek és jelenetek nevét "
     "sorolja fel. A találatok a listában jelennek meg; a lista végén álló „Vissza a teljes "
     "listához” sorra kattintva térhet vissza a teljes jegyzékhez.",
     "A „Leírás az oltárról” feliratra kattintva elolvashatja a kiválasztott mű rövid "
     "ismertetését. A Nyomtat gombbal a látható képet a címével együtt kinyomtathatja, a "
     "Mentés gombbal pedig másolatot készíthet róla.",
     "Jó böngészést kívánunk a gyűjteményben!", nullptr},
};
// clang-format on

} // namespace

QString DescriptionText(int k) {
    return k >= 1 && k <= 15 ? QString::fromUtf8(Descriptions[k - 1].text) : QString();
}

QString DescriptionInitials(int k) {
    return k >= 1 && k <= 15 ? QString::fromUtf8(Descriptions[k - 1].initials) : QString();
}

IntroPageText IntroText(int page) {
    IntroPageText text;
    const char* const* source = IntroPages[page == 2 ? 1 : 0];
    text.heading = QString::fromUtf8(source[0]);
    for (int i = 1; i < 5 && source[i]; ++i)
        text.paragraphs << QString::fromUtf8(source[i]);
    return text;
}
