// The program's own texts, one row per language, in the order of UiText:
//   caption, label, decline, accept,
//   error number, could not read licence, licence too large, could not find program folder,
//   could not read folder, could not start, could not open, could not create window,
//   not enough memory, no reason, unknown error, cannot recover.
// The caption names the product as "%1", kept as the disc author wrote it. Each language has its
// own quotation marks and spacing; English keeps its two spaces after a full stop. Every text must
// fit its control at 96 and 144 dpi: the end-to-end tests measure them in the window's own fonts.
#include <iterator>

#include "launcher/ui_texts.h"

namespace discgate {
namespace {

// The rows keep their shape: the window's texts, then the reports' texts in groups.
// clang-format off
constexpr UiLanguage kTable[] = {
    {"en", false,
     {"%1 License Agreement",
      "Please read the following license agreement.  Use the scroll bar to view the full text of "
      "the agreement.",
      "I decline.  Please exit.", "I accept.  Please continue.",
      "Error %1: ", "Could not read the licence agreement \"%1\".",
      "The licence agreement \"%1\" is too large to show (more than %2 MB).",
      "Could not find the program's folder.", "Could not read the folder \"%1\".",
      "Could not start \"%1\".", "Could not open \"%1\".", "Could not create the window.",
      "There is not enough memory to go on.", "Windows gave no reason.", "Unknown error.",
      "The program met an error it cannot recover from, and ends now."}},
    {"ar", true,
     {"اتفاقية ترخيص %1",
      "يُرجى قراءة اتفاقية الترخيص التالية. استخدم شريط التمرير لعرض النص الكامل للاتفاقية.",
      "لا أوافق. يُرجى الخروج.", "أوافق. يُرجى المتابعة.",
      "خطأ %1: ", "تعذّرت قراءة اتفاقية الترخيص \"%1\".",
      "اتفاقية الترخيص \"%1\" أكبر من أن تُعرض (أكثر من %2 ميغابايت).",
      "تعذّر العثور على مجلد البرنامج.", "تعذّرت قراءة المجلد \"%1\".",
      "تعذّر تشغيل \"%1\".", "تعذّر فتح \"%1\".", "تعذّر إنشاء النافذة.",
      "لا تتوفر ذاكرة كافية للمتابعة.", "لم يذكر Windows أي سبب.", "خطأ غير معروف.",
      "واجه البرنامج خطأً لا يمكنه التعافي منه، وسيُغلق الآن."}},
    {"cs", false,
     {"Licenční smlouva %1",
      "Přečtěte si prosím následující licenční smlouvu. Celý text smlouvy zobrazíte pomocí "
      "posuvníku.",
      "Nesouhlasím. Ukončit.", "Souhlasím. Pokračovat.",
      "Chyba %1: ", "Licenční smlouvu „%1“ nelze přečíst.",
      "Licenční smlouva „%1“ je příliš velká na zobrazení (více než %2 MB).",
      "Nelze najít složku programu.", "Složku „%1“ nelze přečíst.",
      "„%1“ nelze spustit.", "„%1“ nelze otevřít.", "Okno nelze vytvořit.",
      "Pro pokračování není dostatek paměti.", "Systém Windows neuvedl důvod.", "Neznámá chyba.",
      "V programu došlo k chybě, ze které se nemůže zotavit, a nyní bude ukončen."}},
    {"da", false,
     {"%1-licensaftale",
      "Læs venligst følgende licensaftale. Brug rullepanelet for at se hele aftalens tekst.",
      "Jeg afviser. Afslut.", "Jeg accepterer. Fortsæt.",
      "Fejl %1: ", "Licensaftalen »%1« kunne ikke læses.",
      "Licensaftalen »%1« er for stor til at blive vist (mere end %2 MB).",
      "Programmets mappe blev ikke fundet.", "Mappen »%1« kunne ikke læses.",
      "»%1« kunne ikke startes.", "»%1« kunne ikke åbnes.", "Vinduet kunne ikke oprettes.",
      "Der er ikke nok hukommelse til at fortsætte.", "Windows angav ingen årsag.", "Ukendt fejl.",
      "Programmet stødte på en fejl, som det ikke kan komme sig over, og lukker nu."}},
    {"de", false,
     {"%1 Lizenzvereinbarung",
      "Bitte lesen Sie die folgende Lizenzvereinbarung. Mit der Bildlaufleiste sehen Sie den "
      "vollständigen Text.",
      "Ich lehne ab. Bitte beenden.", "Ich stimme zu. Bitte weiter.",
      "Fehler %1: ", "Die Lizenzvereinbarung „%1“ konnte nicht gelesen werden.",
      "Die Lizenzvereinbarung „%1“ ist zu groß zum Anzeigen (mehr als %2 MB).",
      "Der Ordner des Programms wurde nicht gefunden.",
      "Der Ordner „%1“ konnte nicht gelesen werden.", "„%1“ konnte nicht gestartet werden.",
      "„%1“ konnte nicht geöffnet werden.", "Das Fenster konnte nicht erstellt werden.",
      "Zum Fortfahren ist nicht genug Arbeitsspeicher frei.", "Windows hat keinen Grund genannt.",
      "Unbekannter Fehler.",
      "Im Programm ist ein Fehler aufgetreten, den es nicht beheben kann. Es wird jetzt beendet."}},
    {"el", false,
     {"Σύμβαση άδειας χρήσης %1",
      "Διαβάστε την παρακάτω σύμβαση άδειας χρήσης. Με τη γραμμή κύλισης βλέπετε όλο το κείμενο.",
      "Δεν αποδέχομαι. Έξοδος.", "Αποδέχομαι. Συνέχεια.",
      "Σφάλμα %1: ", "Δεν ήταν δυνατή η ανάγνωση της σύμβασης άδειας χρήσης «%1».",
      "Η σύμβαση άδειας χρήσης «%1» είναι πολύ μεγάλη για εμφάνιση (πάνω από %2 MB).",
      "Δεν βρέθηκε ο φάκελος του προγράμματος.",
      "Δεν ήταν δυνατή η ανάγνωση του φακέλου «%1».", "Δεν ήταν δυνατή η εκκίνηση του «%1».",
      "Δεν ήταν δυνατό το άνοιγμα του «%1».", "Δεν ήταν δυνατή η δημιουργία του παραθύρου.",
      "Δεν υπάρχει αρκετή μνήμη για να συνεχιστεί η εργασία.", "Τα Windows δεν έδωσαν αιτία.",
      "Άγνωστο σφάλμα.",
      "Το πρόγραμμα αντιμετώπισε σφάλμα από το οποίο δεν μπορεί να ανακάμψει και τερματίζεται "
      "τώρα."}},
    {"es", false,
     {"Contrato de licencia de %1",
      "Lea el siguiente contrato de licencia. Use la barra de desplazamiento para ver el texto "
      "completo.",
      "No acepto. Por favor, salir.", "Acepto. Por favor, continuar.",
      "Error %1: ", "No se pudo leer el contrato de licencia «%1».",
      "El contrato de licencia «%1» es demasiado grande para mostrarlo (más de %2 MB).",
      "No se encontró la carpeta del programa.", "No se pudo leer la carpeta «%1».",
      "No se pudo iniciar «%1».", "No se pudo abrir «%1».", "No se pudo crear la ventana.",
      "No hay memoria suficiente para continuar.", "Windows no indicó ningún motivo.",
      "Error desconocido.",
      "El programa encontró un error del que no puede recuperarse y se cerrará ahora."}},
    {"fi", false,
     {"%1 -käyttöoikeussopimus",
      "Lue seuraava käyttöoikeussopimus. Näet sopimuksen koko tekstin vierityspalkin avulla.",
      "En hyväksy. Lopeta.", "Hyväksyn. Jatka.",
      "Virhe %1: ", "Käyttöoikeussopimusta ”%1” ei voitu lukea.",
      "Käyttöoikeussopimus ”%1” on liian suuri näytettäväksi (yli %2 Mt).",
      "Ohjelman kansiota ei löytynyt.", "Kansiota ”%1” ei voitu lukea.",
      "Kohdetta ”%1” ei voitu käynnistää.", "Kohdetta ”%1” ei voitu avata.",
      "Ikkunaa ei voitu luoda.", "Muisti ei riitä jatkamiseen.", "Windows ei ilmoittanut syytä.",
      "Tuntematon virhe.", "Ohjelmassa tapahtui virhe, josta se ei voi toipua, ja se suljetaan nyt."}},
    {"fr", false,
     {"Contrat de licence %1",
      "Veuillez lire le contrat de licence suivant. Utilisez la barre de défilement pour en voir "
      "le texte complet.",
      "Je refuse. Veuillez quitter.", "J’accepte. Veuillez continuer.",
      "Erreur %1\u00a0: ", "Impossible de lire le contrat de licence «\u00a0%1\u00a0».",
      "Le contrat de licence «\u00a0%1\u00a0» est trop volumineux pour être affiché (plus de "
      "%2\u00a0Mo).",
      "Impossible de trouver le dossier du programme.",
      "Impossible de lire le dossier «\u00a0%1\u00a0».", "Impossible de lancer «\u00a0%1\u00a0».",
      "Impossible d’ouvrir «\u00a0%1\u00a0».", "Impossible de créer la fenêtre.",
      "La mémoire est insuffisante pour continuer.", "Windows n’a donné aucune raison.",
      "Erreur inconnue.",
      "Le programme a rencontré une erreur irrécupérable et va maintenant se fermer."}},
    {"he", true,
     {"הסכם הרישיון של %1",
      "נא לקרוא את הסכם הרישיון הבא. ניתן להשתמש בפס הגלילה כדי להציג את הטקסט המלא של ההסכם.",
      "אינני מסכים. נא לצאת.", "אני מסכים. נא להמשיך.",
      "שגיאה %1: ", "לא ניתן לקרוא את הסכם הרישיון \"%1\".",
      "הסכם הרישיון \"%1\" גדול מכדי להציגו (יותר מ-%2 MB).",
      "לא ניתן למצוא את התיקייה של התוכנית.", "לא ניתן לקרוא את התיקייה \"%1\".",
      "לא ניתן להפעיל את \"%1\".", "לא ניתן לפתוח את \"%1\".", "לא ניתן ליצור את החלון.",
      "אין די זיכרון כדי להמשיך.", "Windows לא ציינה סיבה.", "שגיאה לא ידועה.",
      "אירעה בתוכנית שגיאה שממנה אין באפשרותה להתאושש, והיא תיסגר כעת."}},
    {"hu", false,
     {"%1 licencszerződés",
      "Olvassa el az alábbi licencszerződést. A szerződés teljes szövegét a görgetősávval "
      "tekintheti meg.",
      "Nem fogadom el. Kilépés.", "Elfogadom. Folytatás.",
      "Hiba (%1): ", "Nem sikerült beolvasni a(z) „%1” licencszerződést.",
      "A(z) „%1” licencszerződés túl nagy a megjelenítéshez (több mint %2 MB).",
      "Nem található a program mappája.", "Nem sikerült beolvasni a(z) „%1” mappát.",
      "Nem sikerült elindítani a következőt: „%1”.",
      "Nem sikerült megnyitni a következőt: „%1”.", "Nem sikerült létrehozni az ablakot.",
      "Nincs elég memória a folytatáshoz.", "A Windows nem adott meg okot.", "Ismeretlen hiba.",
      "A programban helyrehozhatatlan hiba történt, ezért most bezárul."}},
    {"it", false,
     {"Contratto di licenza %1",
      "Leggere il seguente contratto di licenza. Usare la barra di scorrimento per visualizzarne "
      "il testo completo.",
      "Non accetto. Uscire.", "Accetto. Continuare.",
      "Errore %1: ", "Impossibile leggere il contratto di licenza «%1».",
      "Il contratto di licenza «%1» è troppo grande per essere visualizzato (più di %2 MB).",
      "Impossibile trovare la cartella del programma.", "Impossibile leggere la cartella «%1».",
      "Impossibile avviare «%1».", "Impossibile aprire «%1».", "Impossibile creare la finestra.",
      "Memoria insufficiente per continuare.", "Windows non ha indicato alcun motivo.",
      "Errore sconosciuto.", "Il programma ha riscontrato un errore irreversibile e verrà chiuso."}},
    {"ja", false,
     {"%1 使用許諾契約",
      "次の使用許諾契約をお読みください。契約の全文はスクロール バーで表示できます。",
      "同意しません。閉じます。", "同意します。続行します。",
      "エラー %1: ", "使用許諾契約「%1」を読み込めませんでした。",
      "使用許諾契約「%1」は大きすぎるため表示できません (%2 MB を超えています)。",
      "プログラムのフォルダーが見つかりませんでした。", "フォルダー「%1」を読み込めませんでした。",
      "「%1」を起動できませんでした。", "「%1」を開けませんでした。",
      "ウィンドウを作成できませんでした。", "続行するためのメモリが不足しています。",
      "Windows から理由が示されませんでした。", "不明なエラーです。",
      "回復できないエラーが発生したため、プログラムを終了します。"}},
    {"ko", false,
     {"%1 사용권 계약",
      "다음 사용권 계약을 읽어 주십시오. 스크롤 막대를 사용하면 계약 전문을 볼 수 있습니다.",
      "거부합니다. 종료합니다.", "동의합니다. 계속합니다.",
      "오류 %1: ", "사용권 계약 \"%1\"을(를) 읽을 수 없습니다.",
      "사용권 계약 \"%1\"이(가) 너무 커서 표시할 수 없습니다(%2MB 초과).",
      "프로그램 폴더를 찾을 수 없습니다.", "폴더 \"%1\"을(를) 읽을 수 없습니다.",
      "\"%1\"을(를) 시작할 수 없습니다.", "\"%1\"을(를) 열 수 없습니다.",
      "창을 만들 수 없습니다.", "계속하는 데 필요한 메모리가 부족합니다.",
      "Windows에서 이유를 알려 주지 않았습니다.", "알 수 없는 오류입니다.",
      "프로그램에서 복구할 수 없는 오류가 발생하여 지금 종료합니다."}},
    {"nb", false,
     {"Lisensavtale for %1",
      "Les følgende lisensavtale. Bruk rullefeltet for å se hele teksten i avtalen.",
      "Jeg avslår. Avslutt.", "Jeg godtar. Fortsett.",
      "Feil %1: ", "Kunne ikke lese lisensavtalen «%1».",
      "Lisensavtalen «%1» er for stor til å vises (mer enn %2 MB).",
      "Fant ikke mappen til programmet.", "Kunne ikke lese mappen «%1».",
      "Kunne ikke starte «%1».", "Kunne ikke åpne «%1».", "Kunne ikke opprette vinduet.",
      "Det er ikke nok minne til å fortsette.", "Windows oppga ingen årsak.", "Ukjent feil.",
      "Programmet støtte på en feil det ikke kan gjenopprette fra, og avsluttes nå."}},
    {"nl", false,
     {"Licentieovereenkomst van %1",
      "Lees de volgende licentieovereenkomst. Gebruik de schuifbalk om de volledige tekst te "
      "zien.",
      "Ik weiger. Afsluiten.", "Ik ga akkoord. Doorgaan.",
      "Fout %1: ", "Kan de licentieovereenkomst “%1” niet lezen.",
      "De licentieovereenkomst “%1” is te groot om weer te geven (meer dan %2 MB).",
      "Kan de map van het programma niet vinden.", "Kan de map “%1” niet lezen.",
      "Kan “%1” niet starten.", "Kan “%1” niet openen.", "Kan het venster niet maken.",
      "Er is niet genoeg geheugen om door te gaan.", "Windows heeft geen reden gegeven.",
      "Onbekende fout.",
      "Het programma heeft een fout gevonden waarvan het niet kan herstellen en wordt nu "
      "afgesloten."}},
    {"pl", false,
     {"Umowa licencyjna %1",
      "Przeczytaj poniższą umowę licencyjną. Pełny tekst umowy wyświetlisz za pomocą paska "
      "przewijania.",
      "Nie akceptuję. Zakończ.", "Akceptuję. Kontynuuj.",
      "Błąd %1: ", "Nie można odczytać umowy licencyjnej „%1”.",
      "Umowa licencyjna „%1” jest zbyt duża, aby ją wyświetlić (ponad %2 MB).",
      "Nie można znaleźć folderu programu.", "Nie można odczytać folderu „%1”.",
      "Nie można uruchomić „%1”.", "Nie można otworzyć „%1”.", "Nie można utworzyć okna.",
      "Za mało pamięci, aby kontynuować.", "System Windows nie podał przyczyny.",
      "Nieznany błąd.",
      "W programie wystąpił błąd, którego nie można naprawić, i program zostanie teraz "
      "zamknięty."}},
    {"pt", false,
     {"Contrato de licença da %1",
      "Leia o seguinte contrato de licença. Utilize a barra de deslocamento para ver o texto "
      "completo.",
      "Não aceito. Sair.", "Aceito. Continuar.",
      "Erro %1: ", "Não foi possível ler o contrato de licença «%1».",
      "O contrato de licença «%1» é demasiado grande para ser apresentado (mais de %2 MB).",
      "Não foi possível encontrar a pasta do programa.", "Não foi possível ler a pasta «%1».",
      "Não foi possível iniciar «%1».", "Não foi possível abrir «%1».",
      "Não foi possível criar a janela.", "Não existe memória suficiente para continuar.",
      "O Windows não indicou nenhum motivo.", "Erro desconhecido.",
      "O programa encontrou um erro do qual não consegue recuperar e vai ser encerrado."}},
    {"pt-BR", false,
     {"Contrato de licença da %1",
      "Leia o contrato de licença a seguir. Use a barra de rolagem para ver o texto completo.",
      "Não aceito. Sair.", "Aceito. Continuar.",
      "Erro %1: ", "Não foi possível ler o contrato de licença \"%1\".",
      "O contrato de licença \"%1\" é grande demais para ser exibido (mais de %2 MB).",
      "Não foi possível encontrar a pasta do programa.", "Não foi possível ler a pasta \"%1\".",
      "Não foi possível iniciar \"%1\".", "Não foi possível abrir \"%1\".",
      "Não foi possível criar a janela.", "Não há memória suficiente para continuar.",
      "O Windows não informou nenhum motivo.", "Erro desconhecido.",
      "O programa encontrou um erro do qual não pode se recuperar e será fechado agora."}},
    {"ru", false,
     {"Лицензионное соглашение %1",
      "Прочтите следующее лицензионное соглашение. Весь текст соглашения можно увидеть с помощью "
      "полосы прокрутки.",
      "Не принимаю. Выйти.", "Принимаю. Продолжить.",
      "Ошибка %1: ", "Не удалось прочитать лицензионное соглашение «%1».",
      "Лицензионное соглашение «%1» слишком велико для показа (более %2 МБ).",
      "Не удалось найти папку программы.", "Не удалось прочитать папку «%1».",
      "Не удалось запустить «%1».", "Не удалось открыть «%1».", "Не удалось создать окно.",
      "Недостаточно памяти для продолжения работы.", "Windows не сообщила причину.",
      "Неизвестная ошибка.",
      "В программе произошла неустранимая ошибка, и сейчас она будет закрыта."}},
    {"sv", false,
     {"Licensavtal för %1",
      "Läs följande licensavtal. Använd rullningslisten för att visa hela avtalstexten.",
      "Jag avböjer. Avsluta.", "Jag accepterar. Fortsätt.",
      "Fel %1: ", "Det gick inte att läsa licensavtalet ”%1”.",
      "Licensavtalet ”%1” är för stort för att visas (mer än %2 MB).",
      "Det gick inte att hitta programmets mapp.", "Det gick inte att läsa mappen ”%1”.",
      "Det gick inte att starta ”%1”.", "Det gick inte att öppna ”%1”.",
      "Det gick inte att skapa fönstret.",
      "Det finns inte tillräckligt med minne för att fortsätta.", "Windows angav ingen orsak.",
      "Okänt fel.",
      "Programmet råkade ut för ett fel som det inte kan återhämta sig från och avslutas nu."}},
    {"tr", false,
     {"%1 Lisans Sözleşmesi",
      "Lütfen aşağıdaki lisans sözleşmesini okuyun. Tam metni görmek için kaydırma çubuğunu "
      "kullanın.",
      "Kabul etmiyorum. Çıkış.", "Kabul ediyorum. Devam.",
      "Hata %1: ", "\"%1\" lisans sözleşmesi okunamadı.",
      "\"%1\" lisans sözleşmesi gösterilemeyecek kadar büyük (%2 MB'tan fazla).",
      "Programın klasörü bulunamadı.", "\"%1\" klasörü okunamadı.", "\"%1\" başlatılamadı.",
      "\"%1\" açılamadı.", "Pencere oluşturulamadı.", "Devam etmek için yeterli bellek yok.",
      "Windows bir neden belirtmedi.", "Bilinmeyen hata.",
      "Program, kurtaramayacağı bir hatayla karşılaştı ve şimdi kapanacak."}},
    {"uk", false,
     {"Ліцензійна угода %1",
      "Прочитайте наведену нижче ліцензійну угоду. Весь текст угоди можна переглянути за "
      "допомогою смуги прокрутки.",
      "Не приймаю. Вийти.", "Приймаю. Продовжити.",
      "Помилка %1: ", "Не вдалося прочитати ліцензійну угоду «%1».",
      "Ліцензійна угода «%1» завелика для показу (понад %2 МБ).",
      "Не вдалося знайти папку програми.", "Не вдалося прочитати папку «%1».",
      "Не вдалося запустити «%1».", "Не вдалося відкрити «%1».", "Не вдалося створити вікно.",
      "Недостатньо пам’яті, щоб продовжити.", "Windows не повідомила причину.",
      "Невідома помилка.",
      "У програмі сталася помилка, після якої вона не може продовжити роботу, тож зараз буде "
      "закрита."}},
    {"zh-Hans", false,
     {"%1 许可协议", "请阅读以下许可协议。使用滚动条可查看协议全文。",
      "我拒绝。请退出。", "我接受。请继续。",
      "错误 %1：", "无法读取许可协议“%1”。", "许可协议“%1”太大，无法显示（超过 %2 MB）。",
      "找不到程序所在的文件夹。", "无法读取文件夹“%1”。", "无法启动“%1”。", "无法打开“%1”。",
      "无法创建窗口。", "内存不足，无法继续。", "Windows 未给出原因。", "未知错误。",
      "程序遇到无法恢复的错误，现在将退出。"}},
    {"zh-Hant", false,
     {"%1 授權合約", "請閱讀下列授權合約。使用捲軸可檢視合約全文。",
      "我拒絕。請結束。", "我接受。請繼續。",
      "錯誤 %1：", "無法讀取授權合約「%1」。", "授權合約「%1」太大，無法顯示（超過 %2 MB）。",
      "找不到程式所在的資料夾。", "無法讀取資料夾「%1」。", "無法啟動「%1」。", "無法開啟「%1」。",
      "無法建立視窗。", "記憶體不足，無法繼續。", "Windows 未提供原因。", "未知的錯誤。",
      "程式發生無法復原的錯誤，現在將會結束。"}},
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
  for (const UiLanguage& language : kTable) {
    const auto text = [&language](UiText which) {
      return language.texts[static_cast<std::size_t>(which)];
    };
    // "%1" gives way to the product.
    if (Utf16Length(text(UiText::Caption)) - 2 + kMaxProductLength >= kTerminateCaptionSize ||
        Utf16Length(text(UiText::CannotRecover)) >= kTerminateTextSize) {
      return false;
    }
  }
  return true;
}
static_assert(FitsTheUnrecoverableErrorBox(),
              "a caption or the unrecoverable-error text is too long for that box's buffers");

}  // namespace

const std::vector<UiLanguage>& UiLanguages() {
  static const std::vector<UiLanguage> languages(std::begin(kTable), std::end(kTable));
  return languages;
}

}  // namespace discgate
