// The program's own texts, one row per language, each text by its name. Adding a language is
// adding its row (and naming it in the README); the tag says whether it reads right to left.
// The caption names the product as "%1", kept as the disc author wrote it. Each language has its
// own quotation marks and spacing; English keeps its two spaces after a full stop. Every text must
// fit its control at 96 and 144 dpi: the end-to-end tests measure them in the window's own fonts.
#include <algorithm>
#include <iterator>

#include "launcher/ui_texts.h"

namespace discgate {
namespace {

// clang-format off
constexpr UiLanguage kTable[] = {
    {.tag = "en",
     .texts = {
         .caption = "%1 License Agreement",
         .label = "Please read the following license agreement.  Use the scroll bar to "
             "view the full text of the agreement.",
         .decline = "I decline.  Please exit.",
         .accept = "I accept.  Please continue.",
         .errorNumber = "Error %1: ",
         .couldNotReadLicence = "Could not read the licence agreement \"%1\".",
         .licenceTooLarge = "The licence agreement \"%1\" is too large to show (more than %2 MB).",
         .licenceNotRtf = "The licence agreement \"%1\" is not a valid RTF document.",
         .couldNotFindProgramFolder = "Could not find the program's folder.",
         .couldNotReadFolder = "Could not read the folder \"%1\".",
         .couldNotStart = "Could not start \"%1\".",
         .couldNotOpen = "Could not open \"%1\".",
         .couldNotCreateWindow = "Could not create the window.",
         .notEnoughMemory = "There is not enough memory to go on.",
         .noReason = "Windows gave no reason.",
         .unknownError = "Unknown error.",
         .cannotRecover = "The program met an error it cannot recover from, and ends now."
     }},
    {.tag = "ar",
     .texts = {
         .caption = "اتفاقية ترخيص %1",
         .label = "يُرجى قراءة اتفاقية الترخيص التالية. استخدم شريط التمرير لعرض النص "
             "الكامل للاتفاقية.",
         .decline = "لا أوافق. يُرجى الخروج.",
         .accept = "أوافق. يُرجى المتابعة.",
         .errorNumber = "خطأ %1: ",
         .couldNotReadLicence = "تعذّرت قراءة اتفاقية الترخيص \"%1\".",
         .licenceTooLarge = "اتفاقية الترخيص \"%1\" أكبر من أن تُعرض (أكثر من %2 ميغابايت).",
         .licenceNotRtf = "اتفاقية الترخيص \"%1\" ليست مستند RTF صالحًا.",
         .couldNotFindProgramFolder = "تعذّر العثور على مجلد البرنامج.",
         .couldNotReadFolder = "تعذّرت قراءة المجلد \"%1\".",
         .couldNotStart = "تعذّر تشغيل \"%1\".",
         .couldNotOpen = "تعذّر فتح \"%1\".",
         .couldNotCreateWindow = "تعذّر إنشاء النافذة.",
         .notEnoughMemory = "لا تتوفر ذاكرة كافية للمتابعة.",
         .noReason = "لم يذكر Windows أي سبب.",
         .unknownError = "خطأ غير معروف.",
         .cannotRecover = "واجه البرنامج خطأً لا يمكنه التعافي منه، وسيُغلق الآن."
     }},
    {.tag = "cs",
     .texts = {
         .caption = "Licenční smlouva %1",
         .label = "Přečtěte si prosím následující licenční smlouvu. Celý text smlouvy "
             "zobrazíte pomocí posuvníku.",
         .decline = "Nesouhlasím. Ukončit.",
         .accept = "Souhlasím. Pokračovat.",
         .errorNumber = "Chyba %1: ",
         .couldNotReadLicence = "Licenční smlouvu „%1“ nelze přečíst.",
         .licenceTooLarge = "Licenční smlouva „%1“ je příliš velká na zobrazení (více než %2 MB).",
         .licenceNotRtf = "Licenční smlouva „%1“ není platný dokument RTF.",
         .couldNotFindProgramFolder = "Nelze najít složku programu.",
         .couldNotReadFolder = "Složku „%1“ nelze přečíst.",
         .couldNotStart = "„%1“ nelze spustit.",
         .couldNotOpen = "„%1“ nelze otevřít.",
         .couldNotCreateWindow = "Okno nelze vytvořit.",
         .notEnoughMemory = "Pro pokračování není dostatek paměti.",
         .noReason = "Systém Windows neuvedl důvod.",
         .unknownError = "Neznámá chyba.",
         .cannotRecover = "V programu došlo k chybě, ze které se nemůže zotavit, a nyní bude "
             "ukončen."
     }},
    {.tag = "da",
     .texts = {
         .caption = "%1-licensaftale",
         .label = "Læs venligst følgende licensaftale. Brug rullepanelet for at se hele "
             "aftalens tekst.",
         .decline = "Jeg afviser. Afslut.",
         .accept = "Jeg accepterer. Fortsæt.",
         .errorNumber = "Fejl %1: ",
         .couldNotReadLicence = "Licensaftalen »%1« kunne ikke læses.",
         .licenceTooLarge = "Licensaftalen »%1« er for stor til at blive vist (mere end %2 MB).",
         .licenceNotRtf = "Licensaftalen »%1« er ikke et gyldigt RTF-dokument.",
         .couldNotFindProgramFolder = "Programmets mappe blev ikke fundet.",
         .couldNotReadFolder = "Mappen »%1« kunne ikke læses.",
         .couldNotStart = "»%1« kunne ikke startes.",
         .couldNotOpen = "»%1« kunne ikke åbnes.",
         .couldNotCreateWindow = "Vinduet kunne ikke oprettes.",
         .notEnoughMemory = "Der er ikke nok hukommelse til at fortsætte.",
         .noReason = "Windows angav ingen årsag.",
         .unknownError = "Ukendt fejl.",
         .cannotRecover = "Programmet stødte på en fejl, som det ikke kan komme sig over, og "
             "lukker nu."
     }},
    {.tag = "de",
     .texts = {
         .caption = "%1 Lizenzvereinbarung",
         .label = "Bitte lesen Sie die folgende Lizenzvereinbarung. Mit der "
             "Bildlaufleiste sehen Sie den vollständigen Text.",
         .decline = "Ich lehne ab. Bitte beenden.",
         .accept = "Ich stimme zu. Bitte weiter.",
         .errorNumber = "Fehler %1: ",
         .couldNotReadLicence = "Die Lizenzvereinbarung „%1“ konnte nicht gelesen werden.",
         .licenceTooLarge = "Die Lizenzvereinbarung „%1“ ist zu groß zum Anzeigen (mehr als %2 MB).",
         .licenceNotRtf = "Die Lizenzvereinbarung „%1“ ist kein gültiges RTF-Dokument.",
         .couldNotFindProgramFolder = "Der Ordner des Programms wurde nicht gefunden.",
         .couldNotReadFolder = "Der Ordner „%1“ konnte nicht gelesen werden.",
         .couldNotStart = "„%1“ konnte nicht gestartet werden.",
         .couldNotOpen = "„%1“ konnte nicht geöffnet werden.",
         .couldNotCreateWindow = "Das Fenster konnte nicht erstellt werden.",
         .notEnoughMemory = "Zum Fortfahren ist nicht genug Arbeitsspeicher frei.",
         .noReason = "Windows hat keinen Grund genannt.",
         .unknownError = "Unbekannter Fehler.",
         .cannotRecover = "Im Programm ist ein Fehler aufgetreten, den es nicht beheben kann. Es "
             "wird jetzt beendet."
     }},
    {.tag = "el",
     .texts = {
         .caption = "Σύμβαση άδειας χρήσης %1",
         .label = "Διαβάστε την παρακάτω σύμβαση άδειας χρήσης. Με τη γραμμή κύλισης "
             "βλέπετε όλο το κείμενο.",
         .decline = "Δεν αποδέχομαι. Έξοδος.",
         .accept = "Αποδέχομαι. Συνέχεια.",
         .errorNumber = "Σφάλμα %1: ",
         .couldNotReadLicence = "Δεν ήταν δυνατή η ανάγνωση της σύμβασης άδειας χρήσης «%1».",
         .licenceTooLarge = "Η σύμβαση άδειας χρήσης «%1» είναι πολύ μεγάλη για εμφάνιση (πάνω από "
             "%2 MB).",
         .licenceNotRtf = "Η σύμβαση άδειας χρήσης «%1» δεν είναι έγκυρο έγγραφο RTF.",
         .couldNotFindProgramFolder = "Δεν βρέθηκε ο φάκελος του προγράμματος.",
         .couldNotReadFolder = "Δεν ήταν δυνατή η ανάγνωση του φακέλου «%1».",
         .couldNotStart = "Δεν ήταν δυνατή η εκκίνηση του «%1».",
         .couldNotOpen = "Δεν ήταν δυνατό το άνοιγμα του «%1».",
         .couldNotCreateWindow = "Δεν ήταν δυνατή η δημιουργία του παραθύρου.",
         .notEnoughMemory = "Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εργασία.",
         .noReason = "Τα Windows δεν έδωσαν αιτία.",
         .unknownError = "Άγνωστο σφάλμα.",
         .cannotRecover = "Το πρόγραμμα αντιμετώπισε σφάλμα από το οποίο δεν μπορεί να ανακάμψει "
             "και τερματίζεται τώρα."
     }},
    {.tag = "es",
     .texts = {
         .caption = "Contrato de licencia de %1",
         .label = "Lea el siguiente contrato de licencia. Use la barra de desplazamiento "
             "para ver el texto completo.",
         .decline = "No acepto. Por favor, salir.",
         .accept = "Acepto. Por favor, continuar.",
         .errorNumber = "Error %1: ",
         .couldNotReadLicence = "No se pudo leer el contrato de licencia «%1».",
         .licenceTooLarge = "El contrato de licencia «%1» es demasiado grande para mostrarlo (más "
             "de %2 MB).",
         .licenceNotRtf = "El contrato de licencia «%1» no es un documento RTF válido.",
         .couldNotFindProgramFolder = "No se encontró la carpeta del programa.",
         .couldNotReadFolder = "No se pudo leer la carpeta «%1».",
         .couldNotStart = "No se pudo iniciar «%1».",
         .couldNotOpen = "No se pudo abrir «%1».",
         .couldNotCreateWindow = "No se pudo crear la ventana.",
         .notEnoughMemory = "No hay memoria suficiente para continuar.",
         .noReason = "Windows no indicó ningún motivo.",
         .unknownError = "Error desconocido.",
         .cannotRecover = "El programa encontró un error del que no puede recuperarse y se "
             "cerrará ahora."
     }},
    {.tag = "fi",
     .texts = {
         .caption = "%1 -käyttöoikeussopimus",
         .label = "Lue seuraava käyttöoikeussopimus. Näet sopimuksen koko tekstin "
             "vierityspalkin avulla.",
         .decline = "En hyväksy. Lopeta.",
         .accept = "Hyväksyn. Jatka.",
         .errorNumber = "Virhe %1: ",
         .couldNotReadLicence = "Käyttöoikeussopimusta ”%1” ei voitu lukea.",
         .licenceTooLarge = "Käyttöoikeussopimus ”%1” on liian suuri näytettäväksi (yli %2 Mt).",
         .licenceNotRtf = "Käyttöoikeussopimus ”%1” ei ole kelvollinen RTF-asiakirja.",
         .couldNotFindProgramFolder = "Ohjelman kansiota ei löytynyt.",
         .couldNotReadFolder = "Kansiota ”%1” ei voitu lukea.",
         .couldNotStart = "Kohdetta ”%1” ei voitu käynnistää.",
         .couldNotOpen = "Kohdetta ”%1” ei voitu avata.",
         .couldNotCreateWindow = "Ikkunaa ei voitu luoda.",
         .notEnoughMemory = "Muisti ei riitä jatkamiseen.",
         .noReason = "Windows ei ilmoittanut syytä.",
         .unknownError = "Tuntematon virhe.",
         .cannotRecover = "Ohjelmassa tapahtui virhe, josta se ei voi toipua, ja se suljetaan nyt."
     }},
    {.tag = "fr",
     .texts = {
         .caption = "Contrat de licence %1",
         .label = "Veuillez lire le contrat de licence suivant. Utilisez la barre de "
             "défilement pour en voir le texte complet.",
         .decline = "Je refuse. Veuillez quitter.",
         .accept = "J’accepte. Veuillez continuer.",
         .errorNumber = "Erreur %1\u00a0: ",
         .couldNotReadLicence = "Impossible de lire le contrat de licence «\u00a0%1\u00a0».",
         .licenceTooLarge = "Le contrat de licence «\u00a0%1\u00a0» est trop volumineux pour être "
             "affiché (plus de %2\u00a0Mo).",
         .licenceNotRtf = "Le contrat de licence «\u00a0%1\u00a0» n’est pas un document RTF valide.",
         .couldNotFindProgramFolder = "Impossible de trouver le dossier du programme.",
         .couldNotReadFolder = "Impossible de lire le dossier «\u00a0%1\u00a0».",
         .couldNotStart = "Impossible de lancer «\u00a0%1\u00a0».",
         .couldNotOpen = "Impossible d’ouvrir «\u00a0%1\u00a0».",
         .couldNotCreateWindow = "Impossible de créer la fenêtre.",
         .notEnoughMemory = "La mémoire est insuffisante pour continuer.",
         .noReason = "Windows n’a donné aucune raison.",
         .unknownError = "Erreur inconnue.",
         .cannotRecover = "Le programme a rencontré une erreur irrécupérable et va maintenant se "
             "fermer."
     }},
    {.tag = "he",
     .texts = {
         .caption = "הסכם הרישיון של %1",
         .label = "נא לקרוא את הסכם הרישיון הבא. ניתן להשתמש בפס הגלילה כדי להציג את "
             "הטקסט המלא של ההסכם.",
         .decline = "אינני מסכים. נא לצאת.",
         .accept = "אני מסכים. נא להמשיך.",
         .errorNumber = "שגיאה %1: ",
         .couldNotReadLicence = "לא ניתן לקרוא את הסכם הרישיון \"%1\".",
         .licenceTooLarge = "הסכם הרישיון \"%1\" גדול מכדי להציגו (יותר מ-%2 MB).",
         .licenceNotRtf = "הסכם הרישיון \"%1\" אינו מסמך RTF תקין.",
         .couldNotFindProgramFolder = "לא ניתן למצוא את התיקייה של התוכנית.",
         .couldNotReadFolder = "לא ניתן לקרוא את התיקייה \"%1\".",
         .couldNotStart = "לא ניתן להפעיל את \"%1\".",
         .couldNotOpen = "לא ניתן לפתוח את \"%1\".",
         .couldNotCreateWindow = "לא ניתן ליצור את החלון.",
         .notEnoughMemory = "אין די זיכרון כדי להמשיך.",
         .noReason = "Windows לא ציינה סיבה.",
         .unknownError = "שגיאה לא ידועה.",
         .cannotRecover = "אירעה בתוכנית שגיאה שממנה אין באפשרותה להתאושש, והיא תיסגר כעת."
     }},
    {.tag = "hu",
     .texts = {
         .caption = "%1 licencszerződés",
         .label = "Olvassa el az alábbi licencszerződést. A szerződés teljes szövegét a "
             "görgetősávval tekintheti meg.",
         .decline = "Nem fogadom el. Kilépés.",
         .accept = "Elfogadom. Folytatás.",
         .errorNumber = "Hiba (%1): ",
         .couldNotReadLicence = "Nem sikerült beolvasni a(z) „%1” licencszerződést.",
         .licenceTooLarge = "A(z) „%1” licencszerződés túl nagy a megjelenítéshez (több mint %2 "
             "MB).",
         .licenceNotRtf = "A(z) „%1” licencszerződés nem érvényes RTF-dokumentum.",
         .couldNotFindProgramFolder = "Nem található a program mappája.",
         .couldNotReadFolder = "Nem sikerült beolvasni a(z) „%1” mappát.",
         .couldNotStart = "Nem sikerült elindítani a következőt: „%1”.",
         .couldNotOpen = "Nem sikerült megnyitni a következőt: „%1”.",
         .couldNotCreateWindow = "Nem sikerült létrehozni az ablakot.",
         .notEnoughMemory = "Nincs elég memória a folytatáshoz.",
         .noReason = "A Windows nem adott meg okot.",
         .unknownError = "Ismeretlen hiba.",
         .cannotRecover = "A programban helyrehozhatatlan hiba történt, ezért most bezárul."
     }},
    {.tag = "it",
     .texts = {
         .caption = "Contratto di licenza %1",
         .label = "Leggere il seguente contratto di licenza. Usare la barra di "
             "scorrimento per visualizzarne il testo completo.",
         .decline = "Non accetto. Uscire.",
         .accept = "Accetto. Continuare.",
         .errorNumber = "Errore %1: ",
         .couldNotReadLicence = "Impossibile leggere il contratto di licenza «%1».",
         .licenceTooLarge = "Il contratto di licenza «%1» è troppo grande per essere visualizzato "
             "(più di %2 MB).",
         .licenceNotRtf = "Il contratto di licenza «%1» non è un documento RTF valido.",
         .couldNotFindProgramFolder = "Impossibile trovare la cartella del programma.",
         .couldNotReadFolder = "Impossibile leggere la cartella «%1».",
         .couldNotStart = "Impossibile avviare «%1».",
         .couldNotOpen = "Impossibile aprire «%1».",
         .couldNotCreateWindow = "Impossibile creare la finestra.",
         .notEnoughMemory = "Memoria insufficiente per continuare.",
         .noReason = "Windows non ha indicato alcun motivo.",
         .unknownError = "Errore sconosciuto.",
         .cannotRecover = "Il programma ha riscontrato un errore irreversibile e verrà chiuso."
     }},
    {.tag = "ja",
     .texts = {
         .caption = "%1 使用許諾契約",
         .label = "次の使用許諾契約をお読みください。契約の全文はスクロール バーで表示できます。",
         .decline = "同意しません。閉じます。",
         .accept = "同意します。続行します。",
         .errorNumber = "エラー %1: ",
         .couldNotReadLicence = "使用許諾契約「%1」を読み込めませんでした。",
         .licenceTooLarge = "使用許諾契約「%1」は大きすぎるため表示できません (%2 MB を超えています)。",
         .licenceNotRtf = "使用許諾契約「%1」は有効な RTF 文書ではありません。",
         .couldNotFindProgramFolder = "プログラムのフォルダーが見つかりませんでした。",
         .couldNotReadFolder = "フォルダー「%1」を読み込めませんでした。",
         .couldNotStart = "「%1」を起動できませんでした。",
         .couldNotOpen = "「%1」を開けませんでした。",
         .couldNotCreateWindow = "ウィンドウを作成できませんでした。",
         .notEnoughMemory = "続行するためのメモリが不足しています。",
         .noReason = "Windows から理由が示されませんでした。",
         .unknownError = "不明なエラーです。",
         .cannotRecover = "回復できないエラーが発生したため、プログラムを終了します。"
     }},
    {.tag = "ko",
     .texts = {
         .caption = "%1 사용권 계약",
         .label = "다음 사용권 계약을 읽어 주십시오. 스크롤 막대를 사용하면 계약 전문을 볼 수 있습니다.",
         .decline = "거부합니다. 종료합니다.",
         .accept = "동의합니다. 계속합니다.",
         .errorNumber = "오류 %1: ",
         .couldNotReadLicence = "사용권 계약 \"%1\"을(를) 읽을 수 없습니다.",
         .licenceTooLarge = "사용권 계약 \"%1\"이(가) 너무 커서 표시할 수 없습니다(%2MB 초과).",
         .licenceNotRtf = "사용권 계약 \"%1\"은(는) 올바른 RTF 문서가 아닙니다.",
         .couldNotFindProgramFolder = "프로그램 폴더를 찾을 수 없습니다.",
         .couldNotReadFolder = "폴더 \"%1\"을(를) 읽을 수 없습니다.",
         .couldNotStart = "\"%1\"을(를) 시작할 수 없습니다.",
         .couldNotOpen = "\"%1\"을(를) 열 수 없습니다.",
         .couldNotCreateWindow = "창을 만들 수 없습니다.",
         .notEnoughMemory = "계속하는 데 필요한 메모리가 부족합니다.",
         .noReason = "Windows에서 이유를 알려 주지 않았습니다.",
         .unknownError = "알 수 없는 오류입니다.",
         .cannotRecover = "프로그램에서 복구할 수 없는 오류가 발생하여 지금 종료합니다."
     }},
    {.tag = "nb",
     .texts = {
         .caption = "Lisensavtale for %1",
         .label = "Les følgende lisensavtale. Bruk rullefeltet for å se hele teksten i avtalen.",
         .decline = "Jeg avslår. Avslutt.",
         .accept = "Jeg godtar. Fortsett.",
         .errorNumber = "Feil %1: ",
         .couldNotReadLicence = "Kunne ikke lese lisensavtalen «%1».",
         .licenceTooLarge = "Lisensavtalen «%1» er for stor til å vises (mer enn %2 MB).",
         .licenceNotRtf = "Lisensavtalen «%1» er ikke et gyldig RTF-dokument.",
         .couldNotFindProgramFolder = "Fant ikke mappen til programmet.",
         .couldNotReadFolder = "Kunne ikke lese mappen «%1».",
         .couldNotStart = "Kunne ikke starte «%1».",
         .couldNotOpen = "Kunne ikke åpne «%1».",
         .couldNotCreateWindow = "Kunne ikke opprette vinduet.",
         .notEnoughMemory = "Det er ikke nok minne til å fortsette.",
         .noReason = "Windows oppga ingen årsak.",
         .unknownError = "Ukjent feil.",
         .cannotRecover = "Programmet støtte på en feil det ikke kan gjenopprette fra, og "
             "avsluttes nå."
     }},
    {.tag = "nl",
     .texts = {
         .caption = "Licentieovereenkomst van %1",
         .label = "Lees de volgende licentieovereenkomst. Gebruik de schuifbalk om de "
             "volledige tekst te zien.",
         .decline = "Ik weiger. Afsluiten.",
         .accept = "Ik ga akkoord. Doorgaan.",
         .errorNumber = "Fout %1: ",
         .couldNotReadLicence = "Kan de licentieovereenkomst “%1” niet lezen.",
         .licenceTooLarge = "De licentieovereenkomst “%1” is te groot om weer te geven (meer dan "
             "%2 MB).",
         .licenceNotRtf = "De licentieovereenkomst “%1” is geen geldig RTF-document.",
         .couldNotFindProgramFolder = "Kan de map van het programma niet vinden.",
         .couldNotReadFolder = "Kan de map “%1” niet lezen.",
         .couldNotStart = "Kan “%1” niet starten.",
         .couldNotOpen = "Kan “%1” niet openen.",
         .couldNotCreateWindow = "Kan het venster niet maken.",
         .notEnoughMemory = "Er is niet genoeg geheugen om door te gaan.",
         .noReason = "Windows heeft geen reden gegeven.",
         .unknownError = "Onbekende fout.",
         .cannotRecover = "Het programma heeft een fout gevonden waarvan het niet kan herstellen "
             "en wordt nu afgesloten."
     }},
    {.tag = "pl",
     .texts = {
         .caption = "Umowa licencyjna %1",
         .label = "Przeczytaj poniższą umowę licencyjną. Pełny tekst umowy wyświetlisz "
             "za pomocą paska przewijania.",
         .decline = "Nie akceptuję. Zakończ.",
         .accept = "Akceptuję. Kontynuuj.",
         .errorNumber = "Błąd %1: ",
         .couldNotReadLicence = "Nie można odczytać umowy licencyjnej „%1”.",
         .licenceTooLarge = "Umowa licencyjna „%1” jest zbyt duża, aby ją wyświetlić (ponad %2 MB).",
         .licenceNotRtf = "Umowa licencyjna „%1” nie jest prawidłowym dokumentem RTF.",
         .couldNotFindProgramFolder = "Nie można znaleźć folderu programu.",
         .couldNotReadFolder = "Nie można odczytać folderu „%1”.",
         .couldNotStart = "Nie można uruchomić „%1”.",
         .couldNotOpen = "Nie można otworzyć „%1”.",
         .couldNotCreateWindow = "Nie można utworzyć okna.",
         .notEnoughMemory = "Za mało pamięci, aby kontynuować.",
         .noReason = "System Windows nie podał przyczyny.",
         .unknownError = "Nieznany błąd.",
         .cannotRecover = "W programie wystąpił błąd, którego nie można naprawić, i program "
             "zostanie teraz zamknięty."
     }},
    {.tag = "pt",
     .texts = {
         .caption = "Contrato de licença da %1",
         .label = "Leia o seguinte contrato de licença. Utilize a barra de deslocamento "
             "para ver o texto completo.",
         .decline = "Não aceito. Sair.",
         .accept = "Aceito. Continuar.",
         .errorNumber = "Erro %1: ",
         .couldNotReadLicence = "Não foi possível ler o contrato de licença «%1».",
         .licenceTooLarge = "O contrato de licença «%1» é demasiado grande para ser apresentado "
             "(mais de %2 MB).",
         .licenceNotRtf = "O contrato de licença «%1» não é um documento RTF válido.",
         .couldNotFindProgramFolder = "Não foi possível encontrar a pasta do programa.",
         .couldNotReadFolder = "Não foi possível ler a pasta «%1».",
         .couldNotStart = "Não foi possível iniciar «%1».",
         .couldNotOpen = "Não foi possível abrir «%1».",
         .couldNotCreateWindow = "Não foi possível criar a janela.",
         .notEnoughMemory = "Não existe memória suficiente para continuar.",
         .noReason = "O Windows não indicou nenhum motivo.",
         .unknownError = "Erro desconhecido.",
         .cannotRecover = "O programa encontrou um erro do qual não consegue recuperar e vai ser "
             "encerrado."
     }},
    {.tag = "pt-BR",
     .texts = {
         .caption = "Contrato de licença da %1",
         .label = "Leia o contrato de licença a seguir. Use a barra de rolagem para ver "
             "o texto completo.",
         .decline = "Não aceito. Sair.",
         .accept = "Aceito. Continuar.",
         .errorNumber = "Erro %1: ",
         .couldNotReadLicence = "Não foi possível ler o contrato de licença \"%1\".",
         .licenceTooLarge = "O contrato de licença \"%1\" é grande demais para ser exibido (mais "
             "de %2 MB).",
         .licenceNotRtf = "O contrato de licença \"%1\" não é um documento RTF válido.",
         .couldNotFindProgramFolder = "Não foi possível encontrar a pasta do programa.",
         .couldNotReadFolder = "Não foi possível ler a pasta \"%1\".",
         .couldNotStart = "Não foi possível iniciar \"%1\".",
         .couldNotOpen = "Não foi possível abrir \"%1\".",
         .couldNotCreateWindow = "Não foi possível criar a janela.",
         .notEnoughMemory = "Não há memória suficiente para continuar.",
         .noReason = "O Windows não informou nenhum motivo.",
         .unknownError = "Erro desconhecido.",
         .cannotRecover = "O programa encontrou um erro do qual não pode se recuperar e será "
             "fechado agora."
     }},
    {.tag = "ru",
     .texts = {
         .caption = "Лицензионное соглашение %1",
         .label = "Прочтите следующее лицензионное соглашение. Весь текст соглашения "
             "можно увидеть с помощью полосы прокрутки.",
         .decline = "Не принимаю. Выйти.",
         .accept = "Принимаю. Продолжить.",
         .errorNumber = "Ошибка %1: ",
         .couldNotReadLicence = "Не удалось прочитать лицензионное соглашение «%1».",
         .licenceTooLarge = "Лицензионное соглашение «%1» слишком велико для показа (более %2 МБ).",
         .licenceNotRtf = "Лицензионное соглашение «%1» не является допустимым документом RTF.",
         .couldNotFindProgramFolder = "Не удалось найти папку программы.",
         .couldNotReadFolder = "Не удалось прочитать папку «%1».",
         .couldNotStart = "Не удалось запустить «%1».",
         .couldNotOpen = "Не удалось открыть «%1».",
         .couldNotCreateWindow = "Не удалось создать окно.",
         .notEnoughMemory = "Недостаточно памяти для продолжения работы.",
         .noReason = "Windows не сообщила причину.",
         .unknownError = "Неизвестная ошибка.",
         .cannotRecover = "В программе произошла неустранимая ошибка, и сейчас она будет закрыта."
     }},
    {.tag = "sv",
     .texts = {
         .caption = "Licensavtal för %1",
         .label = "Läs följande licensavtal. Använd rullningslisten för att visa hela "
             "avtalstexten.",
         .decline = "Jag avböjer. Avsluta.",
         .accept = "Jag accepterar. Fortsätt.",
         .errorNumber = "Fel %1: ",
         .couldNotReadLicence = "Det gick inte att läsa licensavtalet ”%1”.",
         .licenceTooLarge = "Licensavtalet ”%1” är för stort för att visas (mer än %2 MB).",
         .licenceNotRtf = "Licensavtalet ”%1” är inte ett giltigt RTF-dokument.",
         .couldNotFindProgramFolder = "Det gick inte att hitta programmets mapp.",
         .couldNotReadFolder = "Det gick inte att läsa mappen ”%1”.",
         .couldNotStart = "Det gick inte att starta ”%1”.",
         .couldNotOpen = "Det gick inte att öppna ”%1”.",
         .couldNotCreateWindow = "Det gick inte att skapa fönstret.",
         .notEnoughMemory = "Det finns inte tillräckligt med minne för att fortsätta.",
         .noReason = "Windows angav ingen orsak.",
         .unknownError = "Okänt fel.",
         .cannotRecover = "Programmet råkade ut för ett fel som det inte kan återhämta sig från "
             "och avslutas nu."
     }},
    {.tag = "tr",
     .texts = {
         .caption = "%1 Lisans Sözleşmesi",
         .label = "Lütfen aşağıdaki lisans sözleşmesini okuyun. Tam metni görmek için "
             "kaydırma çubuğunu kullanın.",
         .decline = "Kabul etmiyorum. Çıkış.",
         .accept = "Kabul ediyorum. Devam.",
         .errorNumber = "Hata %1: ",
         .couldNotReadLicence = "\"%1\" lisans sözleşmesi okunamadı.",
         .licenceTooLarge = "\"%1\" lisans sözleşmesi gösterilemeyecek kadar büyük (%2 MB'tan "
             "fazla).",
         .licenceNotRtf = "\"%1\" lisans sözleşmesi geçerli bir RTF belgesi değil.",
         .couldNotFindProgramFolder = "Programın klasörü bulunamadı.",
         .couldNotReadFolder = "\"%1\" klasörü okunamadı.",
         .couldNotStart = "\"%1\" başlatılamadı.",
         .couldNotOpen = "\"%1\" açılamadı.",
         .couldNotCreateWindow = "Pencere oluşturulamadı.",
         .notEnoughMemory = "Devam etmek için yeterli bellek yok.",
         .noReason = "Windows bir neden belirtmedi.",
         .unknownError = "Bilinmeyen hata.",
         .cannotRecover = "Program, kurtaramayacağı bir hatayla karşılaştı ve şimdi kapanacak."
     }},
    {.tag = "uk",
     .texts = {
         .caption = "Ліцензійна угода %1",
         .label = "Прочитайте наведену нижче ліцензійну угоду. Весь текст угоди можна "
             "переглянути за допомогою смуги прокрутки.",
         .decline = "Не приймаю. Вийти.",
         .accept = "Приймаю. Продовжити.",
         .errorNumber = "Помилка %1: ",
         .couldNotReadLicence = "Не вдалося прочитати ліцензійну угоду «%1».",
         .licenceTooLarge = "Ліцензійна угода «%1» завелика для показу (понад %2 МБ).",
         .licenceNotRtf = "Ліцензійна угода «%1» не є дійсним документом RTF.",
         .couldNotFindProgramFolder = "Не вдалося знайти папку програми.",
         .couldNotReadFolder = "Не вдалося прочитати папку «%1».",
         .couldNotStart = "Не вдалося запустити «%1».",
         .couldNotOpen = "Не вдалося відкрити «%1».",
         .couldNotCreateWindow = "Не вдалося створити вікно.",
         .notEnoughMemory = "Недостатньо пам’яті, щоб продовжити.",
         .noReason = "Windows не повідомила причину.",
         .unknownError = "Невідома помилка.",
         .cannotRecover = "У програмі сталася помилка, після якої вона не може продовжити "
             "роботу, тож зараз буде закрита."
     }},
    {.tag = "zh-Hans",
     .texts = {
         .caption = "%1 许可协议",
         .label = "请阅读以下许可协议。使用滚动条可查看协议全文。",
         .decline = "我拒绝。请退出。",
         .accept = "我接受。请继续。",
         .errorNumber = "错误 %1：",
         .couldNotReadLicence = "无法读取许可协议“%1”。",
         .licenceTooLarge = "许可协议“%1”太大，无法显示（超过 %2 MB）。",
         .licenceNotRtf = "许可协议“%1”不是有效的 RTF 文档。",
         .couldNotFindProgramFolder = "找不到程序所在的文件夹。",
         .couldNotReadFolder = "无法读取文件夹“%1”。",
         .couldNotStart = "无法启动“%1”。",
         .couldNotOpen = "无法打开“%1”。",
         .couldNotCreateWindow = "无法创建窗口。",
         .notEnoughMemory = "内存不足，无法继续。",
         .noReason = "Windows 未给出原因。",
         .unknownError = "未知错误。",
         .cannotRecover = "程序遇到无法恢复的错误，现在将退出。"
     }},
    {.tag = "zh-Hant",
     .texts = {
         .caption = "%1 授權合約",
         .label = "請閱讀下列授權合約。使用捲軸可檢視合約全文。",
         .decline = "我拒絕。請結束。",
         .accept = "我接受。請繼續。",
         .errorNumber = "錯誤 %1：",
         .couldNotReadLicence = "無法讀取授權合約「%1」。",
         .licenceTooLarge = "授權合約「%1」太大，無法顯示（超過 %2 MB）。",
         .licenceNotRtf = "授權合約「%1」不是有效的 RTF 文件。",
         .couldNotFindProgramFolder = "找不到程式所在的資料夾。",
         .couldNotReadFolder = "無法讀取資料夾「%1」。",
         .couldNotStart = "無法啟動「%1」。",
         .couldNotOpen = "無法開啟「%1」。",
         .couldNotCreateWindow = "無法建立視窗。",
         .notEnoughMemory = "記憶體不足，無法繼續。",
         .noReason = "Windows 未提供原因。",
         .unknownError = "未知的錯誤。",
         .cannotRecover = "程式發生無法復原的錯誤，現在將會結束。"
     }},
};
// clang-format on

// Length in UTF-16 units of well-formed UTF-8 text.
constexpr std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

constexpr bool FitsTheUnrecoverableErrorBox() {
  return std::all_of(std::begin(kTable), std::end(kTable), [](const UiLanguage& language) {
    // "%1" gives way to the product.
    return Utf16Length(language.texts.caption.view()) - 2 + kMaxProductLength <
               kTerminateCaptionSize &&
           Utf16Length(language.texts.cannotRecover.view()) < kTerminateTextSize;
  });
}
static_assert(FitsTheUnrecoverableErrorBox(),
              "a caption or the unrecoverable-error text is too long for that box's buffers");

}  // namespace

std::span<const UiLanguage> UiLanguages() { return kTable; }

}  // namespace discgate
