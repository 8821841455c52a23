<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="it_IT">
<context>
    <name>Cella</name>
    <message>
        <source>esclusa</source>
        <extracomment>Told after a cell of a table left out of the game.</extracomment>
        <translation>مستبعدة</translation>
    </message>
</context>
<context>
    <name>Collegamento</name>
    <message>
        <source>in %1 il valore di %2 contiene un punto e virgola, che non può avere</source>
        <extracomment>Why the school&apos;s server is not used, put into longer messages after &quot;perché&quot;; lower case and no final stop, as all the reasons here. %1: the settings file, %2: the key (server, classe, file-password: keep these words as they are).</extracomment>
        <translation>في %1 قيمة %2 فيها فاصلة منقوطة، ولا يجوز أن تكون فيها</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server in numerella.conf non va bene: %1</source>
        <extracomment>%1: what is wrong with the address, one of the lower-case reasons below. Keep &quot;numerella.conf&quot;.</extracomment>
        <translation>عنوان الخادم في numerella.conf غير صحيح: %1</translation>
    </message>
    <message>
        <source>deve cominciare con postgresql://</source>
        <extracomment>What is wrong with the server&apos;s address. Keep &quot;postgresql://&quot;.</extracomment>
        <translation>يجب أن يبدأ بـ postgresql://</translation>
    </message>
    <message>
        <source>non può contenere il punto e virgola</source>
        <translation>لا يجوز أن يحتوي على فاصلة منقوطة</translation>
    </message>
    <message>
        <source>la password non va scritta nell&apos;indirizzo: mettila in ~/.pgpass o nel file indicato da file-password</source>
        <translation>لا تُكتب كلمة المرور في العنوان: ضعها في ~/.pgpass أو في الملف المحدد في file-password</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un nome di server</source>
        <extracomment>%1: a piece of the server&apos;s address.</extracomment>
        <translation>&quot;%1&quot; ليس اسم خادم</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un parametro di connessione</source>
        <translation>&quot;%1&quot; ليس معامل اتصال</translation>
    </message>
    <message>
        <source>manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)</source>
        <translation>وحدة Qt الخاصة بـ PostgreSQL غير موجودة (الحزمة libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile soltanto da root e da un gruppo (chmod 640)</source>
        <extracomment>%1: the password file&apos;s path.</extracomment>
        <translation>ملف كلمة المرور ⁦%1⁩ يستطيع الجميع قراءته أو الكتابة فيه: يجب أن يقرأه root ومجموعة واحدة فقط (chmod 640)</translation>
    </message>
    <message>
        <source>il file della password %1 non si può leggere</source>
        <translation>تتعذّر قراءة ملف كلمة المرور ⁦%1⁩</translation>
    </message>
    <message>
        <source>sul server %1 non c&apos;è il registro della Numerella (va preparato con numerella-server.sql)</source>
        <extracomment>%1: the server. Keep &quot;numerella-server.sql&quot;, the file an admin runs on it.</extracomment>
        <translation>لا يوجد سجل La Numerella على الخادم %1 (يُجهَّز باستخدام numerella-server.sql)</translation>
    </message>
    <message>
        <source>il server %1 ha il registro della versione %2, ma questa Numerella usa la versione %3: va aggiornato il programma o il server</source>
        <extracomment>%1: the server, %2: its version of the record, %3: the version this program uses.</extracomment>
        <translation>على الخادم %1 سجل من الإصدار %2، لكن La Numerella هذه تستخدم الإصدار %3: يجب تحديث البرنامج أو الخادم</translation>
    </message>
    <message>
        <source>il server %1 non risponde o non accetta la connessione (%2)</source>
        <extracomment>%1: the server, %2: the server&apos;s or the network&apos;s own words.</extracomment>
        <translation>الخادم %1 لا يستجيب أو لا يقبل الاتصال (%2)</translation>
    </message>
</context>
<context>
    <name>FinePartita</name>
    <message>
        <source>finita</source>
        <extracomment>How a game ended, in the games list&apos;s column &quot;Esito&quot; and on the printed report: every cell answered.</extracomment>
        <translation>انتهت</translation>
    </message>
    <message>
        <source>fermata</source>
        <extracomment>How a game ended: stopped by the child with Stop.</extracomment>
        <translation>أُوقفت</translation>
    </message>
    <message>
        <source>interrotta</source>
        <extracomment>How a game ended: cut off because the program was closed or died.</extracomment>
        <translation>انقطعت</translation>
    </message>
</context>
<context>
    <name>FrmChiGioca</name>
    <message>
        <source>Chi gioca?</source>
        <extracomment>Asked before the first game when several children share the computer; the title and the question.</extracomment>
        <translation>من يلعب؟</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source> Completa la Numerella e avrai la possibilità di stamparla con il tuo nome.</source>
        <extracomment>One line of the instructions window; each line has a label of its own and about this length.</extracomment>
        <translation> أكمل La Numerella وستستطيع أن تطبعها باسمك.</translation>
    </message>
    <message>
        <source> Un cronometro, in alto a destra, misurerà il tempo impiegato.</source>
        <translation> ساعة الإيقاف، في الأعلى، ستقيس الوقت الذي تستغرقه.</translation>
    </message>
    <message>
        <source> Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> إذا نقرت بزر الفأرة الأيسر على الأعداد الوامضة في الأعلى، التي تشير إليها يد،</translation>
    </message>
    <message>
        <source> da una mano, potrai escludere una o più tabelline dalla Numerella.</source>
        <translation> تستطيع أن تستبعد جدولًا أو أكثر من La Numerella.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> مثلًا، إذا نقرت على 4 و6 و7 و8،</translation>
    </message>
    <message>
        <source> dell&apos;1, 2, 3, 5, 9 e 10</source>
        <translation> فستتدرّب فقط على جداول الأعداد 1 و2 و3 و5 و9 و10.</translation>
    </message>
    <message>
        <source> Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> أما إذا نقرت بزر الفأرة الأيمن،</translation>
    </message>
    <message>
        <source> del numero scelto</source>
        <translation> فستستبعد الجزء الذي يأتي بعد العدد الذي اخترته.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall&apos;1 al 5.</source>
        <translation> مثلًا، إذا نقرت على 5 فستتدرّب فقط على جداول الأعداد من 1 إلى 5.</translation>
    </message>
    <message>
        <source>   Buon lavoro da:</source>
        <extracomment>The signature at the end of the instructions goes on in the next two lines.</extracomment>
        <translation>   عملًا موفّقًا، من:</translation>
    </message>
    <message>
        <source>   gli sviluppatori della Numerella,</source>
        <translation>   مطوّري La Numerella،</translation>
    </message>
    <message>
        <source>   un programma libero (licenza GNU GPL 3 o successiva).</source>
        <translation>   وهي برنامج حرّ (رخصة GNU GPL 3 أو أحدث).</translation>
    </message>
    <message>
        <source>   Versione %1</source>
        <translation>   الإصدار %1</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The instructions window&apos;s title.</extracomment>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source> Leggi ad alta voce: la Numerella dice le domande (numerella --voce).</source>
        <extracomment>One short line of the instructions: reading aloud, its switch and its option.</extracomment>
        <translation> القراءة بصوت عالٍ: تقول لا نوميريلا الأسئلة (numerella --voce).</translation>
    </message>
    <message>
        <source> Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta).</source>
        <extracomment>One short line of the instructions: no stopwatch, no judging by speed.</extracomment>
        <translation> بلا عجلة: بلا ساعة توقيت، المهم صحيح أو خطأ فقط (--senza-fretta).</translation>
    </message>
    <message>
        <source> Carattere leggibile, per chi ha la dislessia: --carattere leggibile.</source>
        <extracomment>One short line of the instructions: the face for readers with dyslexia.</extracomment>
        <translation> خط سهل القراءة لمن لديه عسر القراءة: --carattere leggibile.</translation>
    </message>
</context>
<context>
    <name>FrmNumerella</name>
    <message>
        <source>Nessuna tabellina da fare: riprendine una con Alt e il suo numero.</source>
        <translation>لا يوجد جدول للتدرّب: أعِد جدولًا بالضغط على Alt ورقمه.</translation>
    </message>
    <message>
        <source>La partita è già cominciata.</source>
        <translation>الجولة بدأت من قبل.</translation>
    </message>
    <message>
        <source>Nessuna partita da fermare.</source>
        <translation>لا توجد جولة لإيقافها.</translation>
    </message>
    <message>
        <source>Nessuna partita in corso. Ctrl+N per cominciare.</source>
        <translation>لا توجد جولة الآن. اضغط Ctrl+N لتبدأ.</translation>
    </message>
    <message>
        <source>Complimenti. Hai finito.</source>
        <translation>أحسنت! لقد انتهيت.</translation>
    </message>
    <message>
        <source>Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3</source>
        <extracomment>%2 is &quot;del 7&quot; or &quot;dell&apos;8&quot;, %3 &quot;al 7&quot; or &quot;all&apos;8&quot;, as translated in the sentences (&quot;frasi&quot;); Maiusc is the Shift key.</extracomment>
        <translation>Alt+%1: استبعد جدول %2 أو أعِده؛ Alt+Shift+%1: أبقِ الجداول حتى جدول %3</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A question on the board, as a screen reader says it: &quot;6 per 8&quot; is six times eight.</extracomment>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>Avvio</source>
        <extracomment>The button that starts a game.</extracomment>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops the game under way.</extracomment>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Pausa</source>
        <extracomment>The button that pauses the game.</extracomment>
        <translation>استراحة</translation>
    </message>
    <message>
        <source>Riprendi</source>
        <extracomment>The button that resumes the paused game.</extracomment>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that opens the instructions.</extracomment>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The button that prints the finished table.</extracomment>
        <translation>اطبع</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Silenzio</source>
        <extracomment>The sound switch, as a screen reader names it.</extracomment>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Ctrl+P o il tasto Pausa</source>
        <extracomment>The keys of Pause and Resume, told after their names.</extracomment>
        <translation>Ctrl+P أو مفتاح Pause</translation>
    </message>
    <message>
        <source>Tastierino numerico</source>
        <extracomment>The caption of the on-screen keypad&apos;s frame.</extracomment>
        <translation>لوحة الأرقام</translation>
    </message>
    <message>
        <source>Tasto %1</source>
        <extracomment>A key of the on-screen keypad, e.g. &quot;Tasto 7&quot;.</extracomment>
        <translation>المفتاح %1</translation>
    </message>
    <message>
        <source>Cancella</source>
        <extracomment>The keypad&apos;s erase key.</extracomment>
        <translation>امسح</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The keypad&apos;s key that gives the answer.</extracomment>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cronometro</source>
        <extracomment>The stopwatch&apos;s frame.</extracomment>
        <translation>ساعة الإيقاف</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>The stopwatch&apos;s minutes, as a screen reader names them.</extracomment>
        <translation>الدقائق</translation>
    </message>
    <message>
        <source>minuti</source>
        <extracomment>Beside the stopwatch&apos;s minutes.</extracomment>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Secondi</source>
        <extracomment>The stopwatch&apos;s seconds, as a screen reader names them.</extracomment>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>Beside the stopwatch&apos;s seconds.</extracomment>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>Errori</source>
        <extracomment>The errors counter&apos;s heading.</extracomment>
        <translation>الأخطاء</translation>
    </message>
    <message>
        <source>Ctrl+T dice il tempo e gli errori</source>
        <extracomment>The keys of the stopwatch and the errors counter, told after their names.</extracomment>
        <translation>Ctrl+T يقول الوقت والأخطاء</translation>
    </message>
    <message>
        <source>Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; F11: schermo intero</source>
        <translation>Ctrl+N: جولة جديدة؛ Ctrl+P: إيقاف مؤقت ومتابعة؛ Ctrl+S: توقف؛ Ctrl+T: الوقت والأخطاء؛ Alt+رقم: استبعد جدولًا أو أعِده؛ F11: ملء الشاشة</translation>
    </message>
    <message>
        <source>Software libero, GPL</source>
        <extracomment>A small line under the title: the program is free software under the GPL.</extracomment>
        <translation>برنامج حرّ، GPL</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Mano</source>
        <extracomment>The pointing hand over the column numbers.</extracomment>
        <translation>يد</translation>
    </message>
    <message>
        <source>Pausa.</source>
        <extracomment>Told when the game is paused.</extracomment>
        <translation>إيقاف مؤقت.</translation>
    </message>
    <message>
        <source>Pausa. Ctrl+P per riprendere.</source>
        <translation>إيقاف مؤقت. اضغط Ctrl+P للمتابعة.</translation>
    </message>
    <message>
        <source>Si riprende.</source>
        <extracomment>Told when the paused game resumes, before the question.</extracomment>
        <translation>نتابع.</translation>
    </message>
    <message>
        <source>Registro</source>
        <extracomment>The title of a warning about the record of games.</extracomment>
        <translation>السجل</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <extracomment>The title of the question before a review (&quot;Ripassa&quot;: practise the hard facts).</extracomment>
        <translation>راجع</translation>
    </message>
    <message>
        <source>Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.

Vuoi lasciarla e ripassare?</source>
        <translation>أنت تلعب جولة الآن. إذا راجعت الآن، تنتهي هذه الجولة هنا.

هل تريد أن تتركها وتراجع؟</translation>
    </message>
    <message>
        <source>&amp;Sì, ripasso</source>
        <translation>نعم، أراجع (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No, continuo la partita</source>
        <translation>لا، أكمل الجولة (&amp;N)</translation>
    </message>
    <message>
        <source>Lasciare la partita per ripassare?</source>
        <translation>هل تترك الجولة لتراجع؟</translation>
    </message>
    <message>
        <source>Partita fermata.</source>
        <translation>أُوقفت الجولة.</translation>
    </message>
    <message>
        <source>Sbagliato, 1 errore.</source>
        <extracomment>A wrong answer, and the errors so far.</extracomment>
        <translation>إجابة خاطئة، خطأ واحد.</translation>
    </message>
    <message numerus="yes">
        <source>Sbagliato, %n errori.</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>إجابة خاطئة، %n أخطاء.</numerusform>
            <numerusform>إجابة خاطئة، خطأ واحد.</numerusform>
            <numerusform>إجابة خاطئة، خطآن.</numerusform>
            <numerusform>إجابة خاطئة، %n أخطاء.</numerusform>
            <numerusform>إجابة خاطئة، %n خطأً.</numerusform>
            <numerusform>إجابة خاطئة، %n خطأ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Giusto!</source>
        <translation>صحيح!</translation>
    </message>
    <message>
        <source>Tabellina %1 esclusa</source>
        <extracomment>A table left out of the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>استُبعد جدول %1</translation>
    </message>
    <message>
        <source>Tabellina %1 ripresa</source>
        <extracomment>A table back in the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>عاد جدول %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences said one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare. Si gioca una partita normale.</source>
        <translation>لا شيء لتراجعه اليوم. سنلعب جولة عادية.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>Said at the end of a game: %1 is &quot;Complimenti. Hai finito.&quot;, %2 the time and the errors.</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>Oggi: %n da ripassare</source>
        <extracomment>Under the grid, for the child: facts to learn or review today.</extracomment>
        <translation>
            <numerusform>للتدرّب اليوم: %n</numerusform>
            <numerusform>للتدرّب اليوم: %n</numerusform>
            <numerusform>للتدرّب اليوم: %n</numerusform>
            <numerusform>للتدرّب اليوم: %n</numerusform>
            <numerusform>للتدرّب اليوم: %n</numerusform>
            <numerusform>للتدرّب اليوم: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+R apre il registro: lì c&apos;è il pulsante Ripassa</source>
        <extracomment>How to reach the practice round from the board.</extracomment>
        <translation>Ctrl+R يفتح السجل: فيه زر «راجع»</translation>
    </message>
    <message>
        <source>Voce non disponibile</source>
        <extracomment>The voice switch when the computer has no speech service: short, it is a small box.</extracomment>
        <translation>الصوت غير متاح</translation>
    </message>
    <message>
        <source>Per leggere ad alta voce serve il servizio di sintesi vocale (speech-dispatcher). Il gioco va avanti senza.</source>
        <translation>تحتاج القراءة بصوت عالٍ إلى خدمة تحويل النص إلى كلام (speech-dispatcher). تستمر اللعبة من دونها.</translation>
    </message>
    <message>
        <source>Leggi ad alta voce</source>
        <extracomment>The switch that reads the game aloud.</extracomment>
        <translation>اقرأ بصوت عالٍ</translation>
    </message>
    <message>
        <source>sto aggiornando il registro…</source>
        <extracomment>Under the grid for the few seconds the record of an older version is brought up to date; the board can be used meanwhile.</extracomment>
        <translation>جارٍ تحديث السجل…</translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>When a game began, in the lists, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the games list&apos;s column &quot;Esito&quot;.</extracomment>
        <translation>جارية</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>&amp;Giocatore:</source>
        <translation>اللاعب (&amp;P):</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <extracomment>The players table&apos;s column headers; &quot;Sicure&quot;, &quot;Da ripassare&quot;, &quot;Da imparare&quot; count facts (feminine in Italian) in each state.</extracomment>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>&amp;Nuovo…</source>
        <translation>جديد… (&amp;N)</translation>
    </message>
    <message>
        <source>Rino&amp;mina…</source>
        <translation>إعادة تسمية… (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Togli…</source>
        <translation>حذف… (&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;vuota…</source>
        <translation>إفراغ… (&amp;C)</translation>
    </message>
    <message>
        <source>Toglie tutte le partite del giocatore; il giocatore resta</source>
        <translation>يحذف كل جولات اللاعب، ويبقى اللاعب</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>الفترة (&amp;D):</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>الفترة</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The periods whose games the window shows, in the box &quot;Periodo:&quot;.</extracomment>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>هذا الشهر</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>الجولات</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The chart&apos;s points as a table: when, what kind of game, its two numbers.
----------
The games list&apos;s column headers: when the game began, the tables in play, the time on the stopwatch (m:ss), wrong answers, how it ended.</extracomment>
        <translation>التاريخ والوقت</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>الجداول</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>الأخطاء</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>&amp;Partite</source>
        <translation>الجولات (&amp;G)</translation>
    </message>
    <message>
        <source>Mostra anc&amp;he ripassi e partite fermate</source>
        <translation>اعرض أيضًا المراجعات والجولات الموقوفة (&amp;H)</translation>
    </message>
    <message>
        <source>Andamento in numeri</source>
        <translation>التقدّم بالأرقام</translation>
    </message>
    <message>
        <source>&amp;Andamento</source>
        <translation>التقدّم (&amp;O)</translation>
    </message>
    <message>
        <source>Fatto scelto</source>
        <translation>العملية المختارة</translation>
    </message>
    <message>
        <source>&amp;Fatti</source>
        <translation>العمليات (&amp;F)</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>كل اللاعبين</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>آخر جولة</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>ثوانٍ لكل إجابة</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>أخطاء لكل جولة</translation>
    </message>
    <message>
        <source>Sicure</source>
        <translation>متقنة</translation>
    </message>
    <message>
        <source>Da ripassare</source>
        <translation>للمراجعة</translation>
    </message>
    <message>
        <source>Da imparare</source>
        <translation>للتعلّم</translation>
    </message>
    <message>
        <source>G&amp;iocatori</source>
        <translation>اللاعبون (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Ripassa</source>
        <translation>راجع (&amp;T)</translation>
    </message>
    <message>
        <source>Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro</source>
        <translation>جولة فيها العمليات التي عليك أن تتعلّمها وتراجعها اليوم، وبعض العمليات المتقنة</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>تصدير… (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>طباعة… (&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>إغلاق (&amp;S)</translation>
    </message>
    <message>
        <source>T&amp;ogli la partita…</source>
        <translation>حذف الجولة… (&amp;V)</translation>
    </message>
    <message>
        <source>Esporta la ta&amp;bella…</source>
        <translation>تصدير الجدول… (&amp;B)</translation>
    </message>
    <message>
        <source>Il registro è in %1.</source>
        <translation>السجل محفوظ في ⁦%1⁩.</translation>
    </message>
    <message>
        <source>Qui si vede il registro della classe sul server della scuola: da questo computer non si possono togliere partite né svuotare il registro di un giocatore; lo fa l&apos;insegnante sul server.</source>
        <translation>هنا ترى سجل الصف على خادم المدرسة: لا يمكن من هذا الحاسوب حذف الجولات ولا إفراغ سجل لاعب؛ المعلّم يفعل ذلك على الخادم.</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>الجولة</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>الأخطاء في كل 10 إجابات</translation>
    </message>
    <message>
        <source>intera</source>
        <extracomment>What kind of game a point of the chart is (feminine: &quot;partita&quot;): a whole game, a review round, a game stopped before its end.</extracomment>
        <translation>كاملة</translation>
    </message>
    <message>
        <source>ripasso</source>
        <translation>مراجعة</translation>
    </message>
    <message>
        <source>fermata</source>
        <translation>موقوفة</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capire che cosa ripassare.</source>
        <translation>لا توجد جولات بعد لنعرف ماذا تراجع.</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare.</source>
        <translation>لا شيء لتراجعه اليوم.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi: %1.</source>
        <extracomment>Under the facts map. %1: the facts of today&apos;s review, as &quot;7 per 8, 6 per 9&quot;.</extracomment>
        <translation>مراجعة اليوم: %1.</translation>
    </message>
    <message>
        <source>Nome (al massimo %1 caratteri):</source>
        <extracomment>%1: the longest name allowed, in characters.</extracomment>
        <translation>الاسم (أقصى عدد للأحرف: %1):</translation>
    </message>
    <message>
        <source>Il nome va scritto su una riga, al massimo %1 caratteri, e non può essere &quot;%2&quot;.</source>
        <translation>يُكتب الاسم في سطر واحد، وأقصى عدد لأحرفه %1، ولا يمكن أن يكون &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore di nome &quot;%1&quot;: scegli un nome diverso.</source>
        <translation>يوجد لاعب اسمه &quot;%1&quot; من قبل: اختر اسمًا آخر.</translation>
    </message>
    <message>
        <source>Nuovo giocatore</source>
        <extracomment>The title of the dialog asking a new child&apos;s name.</extracomment>
        <translation>لاعب جديد</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite?</source>
        <extracomment>%1: the child&apos;s name, as typed.</extracomment>
        <translation>هل تحذف &quot;%1&quot; من السجل مع كل جولاته؟</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite? Sul server della scuola le sue partite restano: le toglie l&apos;insegnante.</source>
        <translation>هل تحذف &quot;%1&quot; من السجل مع كل جولاته؟ تبقى جولاته على خادم المدرسة: المعلّم يحذفها.</translation>
    </message>
    <message>
        <source>Togli</source>
        <extracomment>The title of the question before a child is removed from the record.</extracomment>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>إفراغ</translation>
    </message>
    <message>
        <source>Togliere tutte le partite di &quot;%1&quot;? %1 resta fra i giocatori.</source>
        <extracomment>%1, twice: the child&apos;s name.</extracomment>
        <translation>هل تحذف كل جولات &quot;%1&quot;؟ يبقى %1 بين اللاعبين.</translation>
    </message>
    <message>
        <source>Togli la partita</source>
        <translation>حذف الجولة</translation>
    </message>
    <message>
        <source>La partita in corso non si può togliere.</source>
        <translation>لا يمكن حذف الجولة الجارية.</translation>
    </message>
    <message numerus="yes">
        <source>Togliere dal registro la partita del %1 (%2, %n errori)?</source>
        <translation>
            <numerusform>هل تحذف من السجل جولة %1 (%2، %n أخطاء)؟</numerusform>
            <numerusform>هل تحذف من السجل جولة %1 (%2، خطأ واحد)؟</numerusform>
            <numerusform>هل تحذف من السجل جولة %1 (%2، خطآن)؟</numerusform>
            <numerusform>هل تحذف من السجل جولة %1 (%2، %n أخطاء)؟</numerusform>
            <numerusform>هل تحذف من السجل جولة %1 (%2، %n خطأً)؟</numerusform>
            <numerusform>هل تحذف من السجل جولة %1 (%2، %n خطأ)؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta la tabella dei giocatori</source>
        <translation>تصدير جدول اللاعبين</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Non riesco a esportare: %1.</source>
        <translation>تعذّر التصدير: %1.</translation>
    </message>
    <message>
        <source>Giocatori esportati in %1.</source>
        <translation>تم تصدير اللاعبين إلى %1.</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <translation>راجع</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare: i fatti che hai già incontrato li sai.

Vuoi fare una partita normale?</source>
        <translation>لا شيء لتراجعه اليوم: أنت تعرف العمليات التي مرّت بك.

هل تريد أن تلعب جولة عادية؟</translation>
    </message>
    <message>
        <source>&amp;Gioca una partita normale</source>
        <translation>العب جولة عادية (&amp;P)</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare</source>
        <translation>لا شيء لتراجعه اليوم</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>الملف (&amp;F):</translation>
    </message>
    <message>
        <source>S&amp;cegli…</source>
        <translation>اختر… (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>تصدير (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>إلغاء (&amp;C)</translation>
    </message>
    <message>
        <source>Scrivi il nome del file.</source>
        <translation>اكتب اسم الملف.</translation>
    </message>
    <message>
        <source>Esporta le partite</source>
        <translation>تصدير الجولات</translation>
    </message>
    <message>
        <source>C&amp;lasse</source>
        <extracomment>The tab of the class&apos;s map: how many children know each fact.</extracomment>
        <translation>الصف (&amp;L)</translation>
    </message>
    <message>
        <source>Togliere dal registro la partita del %1 (%2, 1 errore)?</source>
        <extracomment>%1: the game&apos;s date and time (Italian: &quot;del 07/12/2026 10:15&quot;), %2: its time on the stopwatch (m:ss); the game had one mistake.</extracomment>
        <translation>هل تحذف من السجل جولة %1 (%2، خطأ واحد)؟</translation>
    </message>
    <message>
        <source>Scrive tre file, con le partite del periodo: %4.
• %1, una riga per partita;
• %2, una riga per risposta;
• %3, una riga per fatto, con il suo stato di oggi.</source>
        <translation>يكتب ثلاثة ملفات، بجولات الفترة: %4.
• %1، سطر لكل جولة؛
• %2، سطر لكل إجابة؛
• %3، سطر لكل عملية، مع حالتها اليوم.</translation>
    </message>
    <message>
        <source>Partite esportate in %1, risposte in %2, fatti in %3.</source>
        <translation>صُدّرت الجولات إلى %1، والإجابات إلى %2، والعمليات إلى %3.</translation>
    </message>
    <message>
        <source>Mappa della classe</source>
        <translation>خريطة الصف</translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>في كل خانة: كم طفلًا يعرف العملية، من أصل كم. الأحمر: لا أحد؛ الأصفر: النصف؛ الأخضر: الجميع.</translation>
    </message>
    <message>
        <source>Nessun bambino nel registro.</source>
        <translation>لا يوجد أطفال في السجل.</translation>
    </message>
    <message>
        <source>1 bambino: %1.</source>
        <translation>طفل واحد: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini: %1.</source>
        <translation>
            <numerusform>لا أطفال: %1.</numerusform>
            <numerusform>طفل واحد: %1.</numerusform>
            <numerusform>طفلان: %1.</numerusform>
            <numerusform>%n أطفال: %1.</numerusform>
            <numerusform>%n طفلًا: %1.</numerusform>
            <numerusform>%n طفل: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per %2 (la sanno %3 su %4)</source>
        <extracomment>A fact in the class&apos;s hardest: %1 per %2 the multiplication, %3 of %4 children know it.</extracomment>
        <translation>%1 في %2 (يعرفها %3 من %4)</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>لا عمليات ليتعلمها الصف.</translation>
    </message>
    <message>
        <source>I fatti più difficili per la classe: %1.</source>
        <extracomment>Under the class&apos;s map. %1: facts as &quot;7 per 8 (la sanno 3 su 22)&quot;.</extracomment>
        <translation>أصعب العمليات على الصف: %1.</translation>
    </message>
    <message>
        <source>Il ripasso è sempre quello di oggi, da tutte le partite.</source>
        <extracomment>After today&apos;s review under the facts map, when a period other than &quot;tutto&quot; is chosen.</extracomment>
        <translation>المراجعة دائمًا هي مراجعة اليوم، من كل الجولات.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s cell as a screen reader says it: %1 its column&apos;s name, %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Usa per giocare</source>
        <extracomment>Makes the child shown in the box &quot;Giocatore&quot; the one who plays on the board.</extracomment>
        <translation>استخدمه للعب (&amp;U)</translation>
    </message>
    <message>
        <source>Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)</source>
        <translation>اللاعب المختار هنا يلعب على اللوحة (وكذلك بمفتاح Enter على الاسم)</translation>
    </message>
    <message>
        <source>Ora gioca %1</source>
        <extracomment>What a screen reader says of the box &quot;Giocatore&quot;: who plays on the board now. %1: a name.</extracomment>
        <translation>يلعب الآن %1</translation>
    </message>
    <message>
        <source>giocatori.csv</source>
        <translation>اللاعبون.csv</translation>
    </message>
    <message>
        <source>partite.csv</source>
        <translation>الجولات.csv</translation>
    </message>
    <message>
        <source>Per il fo&amp;glio di calcolo</source>
        <translation>لبرنامج الجداول (&amp;S)</translation>
    </message>
    <message>
        <source>Separatore &quot;%1&quot;, decimali con &quot;%2&quot;, date come 2026-12-07 10:15:03, UTF-8 con BOM.</source>
        <extracomment>%1: the CSV separator, %2: the decimal sign of the system&apos;s numbers. The date shows the spreadsheet&apos;s format and stays as it is.</extracomment>
        <translation>الفاصل &quot;%1&quot;، والكسور العشرية بـ &quot;%2&quot;، والتواريخ مثل 2026-12-07 10:15:03، وUTF-8 مع BOM.</translation>
    </message>
    <message>
        <source>&amp;Standard per i programmi (RFC 4180)</source>
        <translation>صيغة قياسية للبرامج (RFC 4180) (&amp;T)</translation>
    </message>
    <message>
        <source>Separatore &quot;,&quot;, punto decimale, date ISO 8601.</source>
        <translation>الفاصل &quot;,&quot;، ونقطة عشرية، وتواريخ ISO 8601.</translation>
    </message>
    <message>
        <source>-risposte</source>
        <extracomment>Added to the games&apos; file name for the answers&apos; file (&quot;partite-risposte.csv&quot;).</extracomment>
        <translation>-الإجابات</translation>
    </message>
    <message>
        <source>Sen&amp;za fretta</source>
        <extracomment>A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the board, and practice never judges her slow.</extracomment>
        <translation>بلا عجلة (&amp;Z)</translation>
    </message>
    <message>
        <source>Senza fretta per questo giocatore</source>
        <translation>بلا عجلة لهذا اللاعب</translation>
    </message>
    <message>
        <source>Niente cronometro nelle sue partite; il ripasso guarda solo giusto o sbagliato, mai la lentezza</source>
        <translation>بلا ساعة توقيت في ألعابه؛ المراجعة لا تنظر إلا إلى الصحيح والخطأ، ولا تحكم على البطء أبدًا</translation>
    </message>
    <message>
        <source>Il registro non ha potuto segnare &quot;Senza fretta&quot;.</source>
        <extracomment>In the record window&apos;s status line when the mark &quot;Senza fretta&quot; cannot be written.</extracomment>
        <translation>لم يستطع السجل أن يضع علامة «بلا عجلة».</translation>
    </message>
    <message>
        <source>-fatti</source>
        <extracomment>Added to the games&apos; file name for the facts&apos; file (&quot;partite-fatti.csv&quot;).</extracomment>
        <translation>-العمليات</translation>
    </message>
</context>
<context>
    <name>Giocatore</name>
    <message>
        <source>Ospite</source>
        <extracomment>The guest: whoever plays without choosing a name. Games are kept under the Italian word.</extracomment>
        <translation>ضيف</translation>
    </message>
</context>
<context>
    <name>GraficoPartite</name>
    <message>
        <source>Andamento delle partite</source>
        <translation>تقدّم الجولات</translation>
    </message>
    <message>
        <source>secondi per risposta</source>
        <extracomment>The chart&apos;s two lines, in the legends of its two plots.</extracomment>
        <translation>ثوانٍ لكل إجابة</translation>
    </message>
    <message>
        <source>errori ogni 10 risposte</source>
        <translation>أخطاء في كل 10 إجابات</translation>
    </message>
    <message>
        <source>dd/MM/yy</source>
        <extracomment>The dates under the chart, as QLocale date formats: over almost a year, then within one. Short.</extracomment>
        <translation>dd/MM/yy</translation>
    </message>
    <message>
        <source>dd/MM</source>
        <translation>dd/MM</translation>
    </message>
    <message>
        <source>Nessuna partita</source>
        <translation>لا توجد جولات</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>The title of the upper plot&apos;s axis, written upwards beside it; the legend says &quot;per answer&quot;. Short.</extracomment>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>errori</source>
        <extracomment>The title of the lower plot&apos;s axis, written upwards beside it; the legend says &quot;every 10 answers&quot;. Short.</extracomment>
        <translation>أخطاء</translation>
    </message>
    <message>
        <source>ripassi</source>
        <extracomment>The chart&apos;s legend for the hollow circles: rounds of chosen facts (Ripassa).</extracomment>
        <translation>مراجعات</translation>
    </message>
    <message>
        <source>partite fermate</source>
        <extracomment>The chart&apos;s legend for the hollow triangles: games stopped before their end.</extracomment>
        <translation>جولات موقوفة</translation>
    </message>
</context>
<context>
    <name>LettoreClasse</name>
    <message>
        <source>il server %1 non si lascia leggere (%2)</source>
        <extracomment>Why the class cannot be read from the school&apos;s server, after &quot;perché&quot;; lower case, no final stop. %1: the server, %2: the server&apos;s own words.</extracomment>
        <translation>الخادم %1 لا يسمح بالقراءة (%2)</translation>
    </message>
    <message>
        <source>la copia della classe non si scrive (%1)</source>
        <extracomment>Why the class cannot be read: its local copy cannot be written. %1: the database&apos;s words.</extracomment>
        <translation>تتعذّر كتابة نسخة الصف (%1)</translation>
    </message>
</context>
<context>
    <name>LetturaClasse</name>
    <message>
        <source>la copia della classe non si può scrivere in %1</source>
        <extracomment>Why the class cannot be read, after &quot;perché&quot;; lower case. %1: the folder.</extracomment>
        <translation>لا يمكن كتابة نسخة الصف في %1</translation>
    </message>
    <message>
        <source>Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di questo computer.</source>
        <extracomment>In the record window&apos;s status line. %1: the class&apos;s name.</extracomment>
        <translation>الصف %1: أقرأ من الخادم…؛ وحتى ذلك الحين تظهر جولات هذا الحاسوب فقط.</translation>
    </message>
    <message>
        <source>Si vedono le partite di tutta la classe %1, lette dal server alle %2.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was read (Italian says &quot;alle&quot; before a time).</extracomment>
        <translation>تظهر جولات الصف %1 كله، وقد قُرئت من الخادم الساعة %2.</translation>
    </message>
    <message>
        <source>Si vedono le partite della classe %1 lette dal server alle %2; ora non si leggono, perché %3.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was last read, %3: why it cannot be read now (a lower-case reason).</extracomment>
        <translation>تظهر جولات الصف %1 التي قُرئت من الخادم الساعة %2؛ ولا يمكن قراءتها الآن، لأن %3.</translation>
    </message>
    <message>
        <source>Si vedono soltanto le partite di questo computer, perché %1.</source>
        <extracomment>%1: why the class cannot be read (a lower-case reason).</extracomment>
        <translation>تظهر جولات هذا الحاسوب فقط، لأن %1.</translation>
    </message>
</context>
<context>
    <name>MappaFatti</name>
    <message>
        <source>d MMMM</source>
        <extracomment>A day in the words about a fact, as a QLocale date format: this year&apos;s (&quot;3 dicembre&quot;), then another year&apos;s. Reorder as your language writes dates.</extracomment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Mappa dei fatti</source>
        <translation>خريطة العمليات</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of the facts map&apos;s legend. %1: the letter in the map&apos;s cells, or &quot;senza lettera&quot;; %2: the state&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>senza lettera</source>
        <translation>بلا حرف</translation>
    </message>
    <message>
        <source>%1 per %2: %3</source>
        <extracomment>The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8), %3: its state.</extracomment>
        <translation>%1 في %2: %3</translation>
    </message>
    <message>
        <source>chiesta 1 volta</source>
        <extracomment>How many times a fact was asked (the fact, a multiplication, is feminine in Italian).</extracomment>
        <translation>طُرحت مرة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>chiesta %n volte</source>
        <translation>
            <numerusform>طُرحت %n مرة</numerusform>
            <numerusform>طُرحت مرة واحدة</numerusform>
            <numerusform>طُرحت مرتين</numerusform>
            <numerusform>طُرحت %n مرات</numerusform>
            <numerusform>طُرحت %n مرة</numerusform>
            <numerusform>طُرحت %n مرة</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sbagliata</source>
        <extracomment>How many of its answers were wrong (feminine: &quot;risposte&quot;).</extracomment>
        <translation>إجابة واحدة خاطئة</translation>
    </message>
    <message numerus="yes">
        <source>%n sbagliate</source>
        <translation>
            <numerusform>%n إجابات خاطئة</numerusform>
            <numerusform>إجابة واحدة خاطئة</numerusform>
            <numerusform>إجابتان خاطئتان</numerusform>
            <numerusform>%n إجابات خاطئة</numerusform>
            <numerusform>%n إجابة خاطئة</numerusform>
            <numerusform>%n إجابة خاطئة</numerusform>
        </translation>
    </message>
    <message>
        <source>; di solito %1 secondi</source>
        <extracomment>Appended to the words about a fact. %1: the child&apos;s usual seconds for it, one decimal.</extracomment>
        <translation>؛ عادةً في %1 ثانية</translation>
    </message>
    <message>
        <source>; %1, %2, l&apos;ultima %3</source>
        <translation>؛ %1، %2، آخرها %3</translation>
    </message>
    <message>
        <source>; %1, %2, %3</source>
        <extracomment>The same for a fact asked once: %3 is the day it was asked, with the word before it.</extracomment>
        <translation>؛ %1، %2، %3</translation>
    </message>
    <message>
        <source>; da ripassare %1</source>
        <extracomment>Appended to the words about a sure fact. %1: the day it comes up for review, with the word before it (&quot;il 3 dicembre&quot;, &quot;l&apos;8 dicembre&quot;).</extracomment>
        <translation>؛ للمراجعة %1</translation>
    </message>
    <message>
        <source>%1 per %2: non chiesta in questo periodo</source>
        <extracomment>The words told about a fact that the games of the period chosen did not ask, though earlier ones did. %1 per %2: the multiplication.</extracomment>
        <translation>%1 في %2: لم تُسأل في هذه الفترة</translation>
    </message>
</context>
<context>
    <name>Opzioni</name>
    <message>
        <source>numerella: %1: %2: %3 Valore ignorato.</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 the key, %3 what is wrong.</extracomment>
        <translation>numerella: %1: %2: %3 تم تجاهل القيمة.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi true oppure false.</source>
        <translation>&quot;%1&quot; غير صحيح: اكتب true أو false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi quanti fatti ripassare, da 1 a 100.</source>
        <translation>&quot;%1&quot; غير صحيح: اكتب عدد العمليات التي تراجعها، من 1 إلى 100.</translation>
    </message>
    <message>
        <source>numerella: %1: %2</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 what is wrong.</extracomment>
        <translation>numerella: %1: %2</translation>
    </message>
    <message>
        <source>è una cartella, non un file di impostazioni. Ignorata.</source>
        <translation>هذا مجلد، وليس ملف إعدادات. تم تجاهله.</translation>
    </message>
    <message>
        <source>non si può leggere: mancano i permessi. File ignorato.</source>
        <translation>لا يمكن قراءته: لا توجد أذونات. تم تجاهل الملف.</translation>
    </message>
    <message>
        <source>non si può leggere. File ignorato.</source>
        <translation>لا يمكن قراءته. تم تجاهل الملف.</translation>
    </message>
    <message>
        <source>non è un file di testo. File ignorato.</source>
        <translation>ليس ملفًا نصيًا. تم تجاهل الملف.</translation>
    </message>
    <message>
        <source>la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.</source>
        <translation>السطر %1 ليس مفتاح=قيمة ولا [قسم]؛ تحقّق من أسطره.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: le lingue disponibili sono %2.</source>
        <extracomment>%1 is the language code given, %2 the list of the available ones (&quot;it, de, fr, ...&quot;).</extracomment>
        <translation>&quot;%1&quot; غير صحيح: اللغات المتاحة هي %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: %2.</source>
        <translation>&quot;%1&quot; غير صحيح: %2.</translation>
    </message>
    <message>
        <source>scrivi almeno una tabellina, per esempio 2,5,7 o 1-5</source>
        <translation>اكتب جدولًا واحدًا على الأقل، مثلًا 2,5,7 أو 1-5</translation>
    </message>
    <message>
        <source>usa numeri da 1 a 10 e intervalli come 1-5</source>
        <translation>استخدم أعدادًا من 1 إلى 10 ومجالات مثل 1-5</translation>
    </message>
    <message>
        <source>le tabelline vanno da 1 a 10</source>
        <translation>الجداول من 1 إلى 10</translation>
    </message>
    <message>
        <source>l&apos;intervallo va scritto dal più piccolo al più grande</source>
        <translation>يُكتب المجال من الأصغر إلى الأكبر</translation>
    </message>
    <message>
        <source>La Numerella: per esercitarsi sulla tavola pitagorica, dall&apos;1 × 1 al 10 × 10.</source>
        <translation>La Numerella: للتدرّب على جدول الضرب، من 1 × 1 إلى 10 × 10.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <source>Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde.</source>
        <translation>جداول الضرب التي تتدرّب عليها، بأعداد ومجالات من 1 إلى 10 (مثلًا 2,5,7 أو 1-5 أو 1-3,8)؛ الجداول الأخرى تبدأ مستبعدة، باللون الأخضر.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <extracomment>In the help, the value of an option: a list of tables.</extracomment>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>Parte con il suono spento (si riaccende con la casella del suono).</source>
        <translation>يبدأ والصوت مطفأ (يعود الصوت بمربع الصوت).</translation>
    </message>
    <message>
        <source>Parte a schermo intero.</source>
        <translation>يبدأ بملء الشاشة.</translation>
    </message>
    <message>
        <source>Chi gioca: le partite vanno nel registro sotto questo nome (nuovo se non c&apos;è ancora), che resta scelto.</source>
        <translation>من يلعب: تُحفظ الجولات في السجل بهذا الاسم (يُضاف إن لم يكن موجودًا)، ويبقى مختارًا.</translation>
    </message>
    <message>
        <source>NOME</source>
        <extracomment>In the help, the value of an option: a child&apos;s name.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file (per esempio su una chiavetta) invece che in quello solito.</source>
        <translation>وحده، يفتح نافذة السجل فقط. مع ملف يحفظ السجل في ذلك الملف (مثلًا على ذاكرة USB) بدلًا من الملف المعتاد.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In the help, the value of an option: a file&apos;s name.</extracomment>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, qualcuno già sicuro, gli altri in verde.</source>
        <translation>يبدأ بمراجعة اليوم لمن يلعب: العمليات التي للتعلّم وللمراجعة، وبعض المتقنة، والباقي باللون الأخضر.</translation>
    </message>
    <message>
        <source>Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce.</source>
        <translation>يكتب كل جولات السجل، سطرًا لكل جولة، في ملف (CSV) ثم يخرج.</translation>
    </message>
    <message>
        <source>Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce.</source>
        <translation>يكتب كل إجابات السجل، سطرًا لكل سؤال، في ملف (CSV) ثم يخرج.</translation>
    </message>
    <message>
        <source>Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i programmi (RFC 4180: virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo nella lingua del sistema.</source>
        <translation>مع --esporta أو --esporta-risposte أو --esporta-fatti يكتب ملف CSV القياسي للبرامج (RFC 4180: فاصلة، ونقطة عشرية، وتواريخ ISO 8601) بدلًا من ملف برنامج الجداول بلغة النظام.</translation>
    </message>
    <message>
        <source>Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce.</source>
        <translation>يكتب حالة كل عملية لكل لاعب، سطرًا لكل عملية، في ملف (CSV) ثم يخرج.</translation>
    </message>
    <message>
        <source>Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui.</source>
        <translation>لهذه المرة فقط يرسل الجولات إلى خادم المدرسة URL (postgresql://user@server/database) بدلًا من الخادم المذكور في numerella.conf. كلمة المرور توضع في ~/.pgpass، وليس هنا أبدًا.</translation>
    </message>
    <message>
        <source>URL</source>
        <extracomment>In the help, the value of an option: a server&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>La lingua del programma, tra %1, invece di quella del sistema.</source>
        <translation>لغة البرنامج، من بين %1، بدلًا من لغة النظام.</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>In the help, the value of an option: a language&apos;s code.</extracomment>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>numerella: %1
Per l&apos;elenco delle opzioni: numerella --help
</source>
        <translation>numerella: %1
لقائمة الخيارات: numerella --help
</translation>
    </message>
    <message>
        <source>argomento inatteso &quot;%1&quot;.</source>
        <translation>وسيط غير متوقع &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.</source>
        <translation>--giocatore: يُكتب الاسم في سطر واحد، وأقصى عدد لأحرفه %1.</translation>
    </message>
    <message>
        <source>numerella: non riesco a leggere il registro: %1
</source>
        <translation>numerella: تتعذّر قراءة السجل: %1
</translation>
    </message>
    <message>
        <source>numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.
</source>
        <translation>numerella: لا توجد شاشة: La Numerella تعمل فقط في جلسة رسومية.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi leggibile oppure normale.</source>
        <translation>«%1» غير صالح: اكتب leggibile أو normale.</translation>
    </message>
    <message>
        <source>Legge ad alta voce le domande, giusto e sbagliato, la pausa e la fine (si spegne con la casella &quot;Leggi ad alta voce&quot;).</source>
        <translation>تقرأ بصوت عالٍ الأسئلة، والصحيح والخطأ، والإيقاف المؤقت والنهاية (تُطفأ من خانة «اقرأ بصوت عالٍ»).</translation>
    </message>
    <message>
        <source>Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il ripasso non giudica la lentezza.</source>
        <translation>بلا عجلة: بلا ساعة توقيت، ولا وقت يُعرض أو يُقال أو يُطبع، والمراجعة لا تحكم على البطء أبدًا.</translation>
    </message>
    <message>
        <source>Con &quot;leggibile&quot; scrive le parole in un carattere fatto per chi ha la dislessia (le cifre restano come sono).</source>
        <translation>مع «leggibile» تُكتب الكلمات بخط مصمم لمن لديه عسر القراءة (تبقى الأرقام كما هي).</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>nella cartella %1 non si può scrivere</source>
        <extracomment>Why the record of games cannot be used, put into a longer message as its %1. Lower case, no final stop. %1: the folder.</extracomment>
        <translation>لا يمكن الكتابة في المجلد ⁦%1⁩</translation>
    </message>
    <message>
        <source>il file %1 non si può aprire</source>
        <extracomment>The same kind of reason; in all of these %1 is the record&apos;s file.</extracomment>
        <translation>لا يمكن فتح الملف ⁦%1⁩</translation>
    </message>
    <message>
        <source>il file %1 si può soltanto leggere</source>
        <translation>الملف ⁦%1⁩ للقراءة فقط</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>un altro programma tiene occupato il file %1</source>
        <translation>برنامج آخر يستخدم الملف %1</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato e non si può mettere da parte (%2)</source>
        <translation>الملف ⁦%1⁩ تالف ولا يمكن نقله جانبًا (%2)</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato</source>
        <translation>الملف ⁦%1⁩ تالف</translation>
    </message>
    <message>
        <source>il file %1 non è un registro della Numerella, e resta com&apos;è</source>
        <translation>الملف ⁦%1⁩ ليس سجلًا لـ La Numerella، ويبقى كما هو</translation>
    </message>
    <message>
        <source>il file %1 non c&apos;è</source>
        <translation>الملف ⁦%1⁩ غير موجود</translation>
    </message>
    <message>
        <source>il file %1 è di una versione più nuova della Numerella</source>
        <translation>الملف ⁦%1⁩ من إصدار أحدث من La Numerella</translation>
    </message>
    <message>
        <source>il file %1 non si può usare</source>
        <translation>لا يمكن استخدام الملف ⁦%1⁩</translation>
    </message>
    <message>
        <source>Il registro delle partite era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.</source>
        <extracomment>%1: the damaged file&apos;s new name.</extracomment>
        <translation>كان سجل الجولات تالفًا: نُقل جانبًا باسم %1 وبدأ سجل جديد.</translation>
    </message>
    <message>
        <source>Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, ma le partite non saranno ricordate.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>سجل الجولات لا يُحفظ: %1. تستطيع أن تلعب مع ذلك، لكن الجولات لن تُحفظ.</translation>
    </message>
    <message>
        <source>Il registro delle partite per ora non si può scrivere: %1. Le risposte restano in memoria e saranno scritte appena si potrà: non chiudere il programma.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>لا يمكن الكتابة في سجل الجولات الآن: %1. تبقى الإجابات في الذاكرة وستُكتب حالما يمكن ذلك: لا تغلق البرنامج.</translation>
    </message>
</context>
<context>
    <name>Speditore</name>
    <message>
        <source>la partita di %1 del %2: %3</source>
        <extracomment>A game the school&apos;s server refused, listed after &quot;Il server non ha preso&quot;. %1: the child, %2: when the game began (Italian: &quot;del 7/12/2026 10:15&quot;), %3: the server&apos;s own words.</extracomment>
        <translation>جولة %1 بتاريخ %2: %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>When a refused game began, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>d/M/yyyy HH:mm</translation>
    </message>
    <message>
        <source>il registro di questo computer non si legge (%1)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the database&apos;s words.</extracomment>
        <translation>سجل هذا الحاسوب لا يُقرأ (%1)</translation>
    </message>
    <message>
        <source>il server %1 non ha preso una partita (%2)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the server, %2: its words.</extracomment>
        <translation>الخادم %1 لم يستلم جولة (%2)</translation>
    </message>
</context>
<context>
    <name>Spedizione</name>
    <message>
        <source>Server della scuola (%1, classe %2)</source>
        <extracomment>The start of the sender&apos;s lines in the record window&apos;s status. %1: the server, %2: the class&apos;s name.</extracomment>
        <translation>خادم المدرسة (%1، الصف %2)</translation>
    </message>
    <message>
        <source>%1: collegamento in corso.</source>
        <extracomment>In all of the sender&apos;s lines, %1 is &quot;Server della scuola (…)&quot;.</extracomment>
        <translation>%1: جارٍ الاتصال.</translation>
    </message>
    <message>
        <source>%1: tutte le partite sono arrivate.</source>
        <translation>%1: وصلت كل الجولات.</translation>
    </message>
    <message>
        <source>%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.</source>
        <extracomment>%2: why the server cannot be reached now (a lower-case reason).</extracomment>
        <translation>%1: لا توجد جولات تنتظر، لكن لا يمكن الوصول إليه الآن، لأن %2.</translation>
    </message>
    <message>
        <source>Il server non ha preso %1.</source>
        <extracomment>After the sender&apos;s line. %1: the refused games, each &quot;la partita di … del …: …&quot;, joined by &quot;; &quot;.</extracomment>
        <translation>لم يستلم الخادم %1.</translation>
    </message>
    <message>
        <source>%1: collegamento in corso, 1 partita in attesa.</source>
        <extracomment>Games ended here wait while the sender reaches the server for the first time.</extracomment>
        <translation>%1: جارٍ الاتصال، جولة واحدة في الانتظار.</translation>
    </message>
    <message numerus="yes">
        <source>%1: collegamento in corso, %n partite in attesa.</source>
        <translation>
            <numerusform>%1: جارٍ الاتصال، %n جولات في الانتظار.</numerusform>
            <numerusform>%1: جارٍ الاتصال، جولة واحدة في الانتظار.</numerusform>
            <numerusform>%1: جارٍ الاتصال، جولتان في الانتظار.</numerusform>
            <numerusform>%1: جارٍ الاتصال، %n جولات في الانتظار.</numerusform>
            <numerusform>%1: جارٍ الاتصال، %n جولة في الانتظار.</numerusform>
            <numerusform>%1: جارٍ الاتصال، %n جولة في الانتظار.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa di essere mandata.</source>
        <extracomment>Games ended here and not yet on the server; the server could be reached at the last try.</extracomment>
        <translation>%1: جولة واحدة تنتظر الإرسال.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa di essere mandate.</source>
        <translation>
            <numerusform>%1: %n جولات تنتظر الإرسال.</numerusform>
            <numerusform>%1: جولة واحدة تنتظر الإرسال.</numerusform>
            <numerusform>%1: جولتان تنتظران الإرسال.</numerusform>
            <numerusform>%1: %n جولات تنتظر الإرسال.</numerusform>
            <numerusform>%1: %n جولة تنتظر الإرسال.</numerusform>
            <numerusform>%1: %n جولة تنتظر الإرسال.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa su questo computer, perché %2.</source>
        <extracomment>Games kept here because the server cannot be reached. %2: why (a lower-case reason).</extracomment>
        <translation>%1: جولة واحدة تنتظر على هذا الحاسوب، لأن %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa su questo computer, perché %2.</source>
        <translation>
            <numerusform>%1: %n جولات تنتظر على هذا الحاسوب، لأن %2.</numerusform>
            <numerusform>%1: جولة واحدة تنتظر على هذا الحاسوب، لأن %2.</numerusform>
            <numerusform>%1: جولتان تنتظران على هذا الحاسوب، لأن %2.</numerusform>
            <numerusform>%1: %n جولات تنتظر على هذا الحاسوب، لأن %2.</numerusform>
            <numerusform>%1: %n جولة تنتظر على هذا الحاسوب، لأن %2.</numerusform>
            <numerusform>%1: %n جولة تنتظر على هذا الحاسوب، لأن %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tipografia</name>
    <message>
        <source>Nome</source>
        <extracomment>The title of the dialog asking the child&apos;s name before the board is printed.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Scrivi il tuo nome.</source>
        <extracomment>Said to the child, who writes the name to print on the page.</extracomment>
        <translation>اكتب اسمك.</translation>
    </message>
    <message>
        <source>Non trovo nessuna stampante.</source>
        <translation>لم أجد أي طابعة.</translation>
    </message>
    <message>
        <source>Non riesco a stampare su &quot;%1&quot;.</source>
        <extracomment>%1: the printer&apos;s name, or the file printed to.</extracomment>
        <translation>تتعذّر الطباعة على &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non accetta lavori in questo momento.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>الطابعة &quot;%1&quot; لا تقبل مهام الآن.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non ha preso la pagina.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>الطابعة &quot;%1&quot; لم تستلم الصفحة.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The title of a message about printing.</extracomment>
        <translation>الطباعة</translation>
    </message>
    <message>
        <source>%1
Vuoi scegliere un&apos;altra stampante o salvare la pagina in PDF?</source>
        <extracomment>%1: what went wrong, one of the messages above.</extracomment>
        <translation>%1
هل تريد أن تختار طابعة أخرى أو تحفظ الصفحة بصيغة PDF؟</translation>
    </message>
</context>
<context>
    <name>andamento</name>
    <message>
        <source>Ancora nessuna partita intera.</source>
        <extracomment>The chart&apos;s sentence on a child&apos;s trend, under the chart in the record window and on the printed report.</extracomment>
        <translation>لا توجد جولة كاملة بعد.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana nessuna partita intera; prima: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers already in the locale&apos;s form).</extracomment>
        <translation>في الأسبوع الأخير لا توجد جولة كاملة؛ وقبله: الثواني لكل إجابة %1، والأخطاء في كل 10 إجابات %2.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer in the last week, %2: mistakes every 10 answers in it.</extracomment>
        <translation>في الأسبوع الأخير: الثواني لكل إجابة %1، والأخطاء في كل 10 إجابات %2.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 risposte, prima %4.</source>
        <extracomment>%1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in the last week and before it.</extracomment>
        <translation>في الأسبوع الأخير: الثواني لكل إجابة %1، وقبله %2؛ والأخطاء في كل 10 إجابات %3، وقبله %4.</translation>
    </message>
</context>
<context>
    <name>apprendimento</name>
    <message>
        <source>mai chiesta</source>
        <extracomment>A fact&apos;s state (a multiplication such as 7 × 8, feminine in Italian: &quot;la moltiplicazione&quot;), lower case: in the facts map&apos;s legend, the words told about a fact and the printed report. Keep it short.</extracomment>
        <translation>لم تُطرح بعد</translation>
    </message>
    <message>
        <source>da imparare</source>
        <translation>للتعلّم</translation>
    </message>
    <message>
        <source>sicura</source>
        <translation>متقنة</translation>
    </message>
    <message>
        <source>da ripassare</source>
        <translation>للمراجعة</translation>
    </message>
    <message>
        <source>quasi sicura</source>
        <extracomment>A fact likely known: answered right and quick, but not yet often enough to be sure.</extracomment>
        <translation>شبه متقنة</translation>
    </message>
</context>
<context>
    <name>classe</name>
    <message>
        <source>%1 per %2: la sanno %3 su %4</source>
        <extracomment>The words about a fact of the class&apos;s map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of the %4 children know it.</extracomment>
        <translation>%1 في %2: يعرفها %3 من %4</translation>
    </message>
    <message>
        <source>; da imparare per %1</source>
        <extracomment>Appended to the words about a fact of the class&apos;s map. %1: the children, &quot;Anna, Marco&quot;.</extracomment>
        <translation>؛ يتعلمها بعد %1</translation>
    </message>
</context>
<context>
    <name>elenco</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list of names or facts: a comma and a space, in the language&apos;s own script.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the items of a list whose items hold commas: a semicolon and a space, in the language&apos;s own script.</extracomment>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>esportazione</name>
    <message>
        <source>non riesco a scrivere %1: %2</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;. %1: the file, %2: the system&apos;s reason.
----------
Why an export failed. %1: the file, %2: the system&apos;s reason.</extracomment>
        <translation>تتعذّر كتابة %1: %2</translation>
    </message>
    <message>
        <source>non riesco a leggere il registro</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;.</extracomment>
        <translation>تتعذّر قراءة السجل</translation>
    </message>
</context>
<context>
    <name>frasi</name>
    <message>
        <source>dell&apos;1</source>
        <extracomment>Italian elides the article before a number read with a vowel (&quot;dell&apos;1&quot;, &quot;dell&apos;8&quot;, &quot;del 7&quot;). The table of n after the word for &quot;table&quot;; translate each number as your language says it.</extracomment>
        <translation>العدد 1</translation>
    </message>
    <message>
        <source>del 2</source>
        <translation>العدد 2</translation>
    </message>
    <message>
        <source>del 3</source>
        <translation>العدد 3</translation>
    </message>
    <message>
        <source>del 4</source>
        <translation>العدد 4</translation>
    </message>
    <message>
        <source>del 5</source>
        <translation>العدد 5</translation>
    </message>
    <message>
        <source>del 6</source>
        <translation>العدد 6</translation>
    </message>
    <message>
        <source>del 7</source>
        <translation>العدد 7</translation>
    </message>
    <message>
        <source>dell&apos;8</source>
        <translation>العدد 8</translation>
    </message>
    <message>
        <source>del 9</source>
        <translation>العدد 9</translation>
    </message>
    <message>
        <source>del 10</source>
        <translation>العدد 10</translation>
    </message>
    <message>
        <source>all&apos;1</source>
        <extracomment>&quot;Up to the table of n&quot;: Italian elides the article before a number read with a vowel (&quot;all&apos;1&quot;, &quot;all&apos;8&quot;, &quot;al 7&quot;).</extracomment>
        <translation>العدد 1</translation>
    </message>
    <message>
        <source>al 2</source>
        <translation>العدد 2</translation>
    </message>
    <message>
        <source>al 3</source>
        <translation>العدد 3</translation>
    </message>
    <message>
        <source>al 4</source>
        <translation>العدد 4</translation>
    </message>
    <message>
        <source>al 5</source>
        <translation>العدد 5</translation>
    </message>
    <message>
        <source>al 6</source>
        <translation>العدد 6</translation>
    </message>
    <message>
        <source>al 7</source>
        <translation>العدد 7</translation>
    </message>
    <message>
        <source>all&apos;8</source>
        <translation>العدد 8</translation>
    </message>
    <message>
        <source>al 9</source>
        <translation>العدد 9</translation>
    </message>
    <message>
        <source>al 10</source>
        <translation>العدد 10</translation>
    </message>
    <message>
        <source>1 secondo</source>
        <extracomment>Exactly one second.</extracomment>
        <translation>ثانية واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun errore</source>
        <extracomment>No wrong answer in the game.</extracomment>
        <translation>بلا أخطاء</translation>
    </message>
    <message>
        <source>1 errore</source>
        <extracomment>Exactly one wrong answer.</extracomment>
        <translation>خطأ واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n errori</source>
        <extracomment>Never said for 0 or 1, which have texts of their own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n أخطاء</numerusform>
            <numerusform>خطأ واحد</numerusform>
            <numerusform>خطآن</numerusform>
            <numerusform>%n أخطاء</numerusform>
            <numerusform>%n خطأً</numerusform>
            <numerusform>%n خطأ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Time and errors, e.g. &quot;14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>1 minuto</source>
        <extracomment>Exactly one minute.</extracomment>
        <translation>دقيقة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 e %2, %3</source>
        <extracomment>Minutes, seconds and errors, e.g. &quot;2 minuti e 14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1 و%2، %3</translation>
    </message>
    <message>
        <source>Nessuna tabellina rimasta</source>
        <translation>لم يبقَ أي جدول</translation>
    </message>
    <message>
        <source>Resta la tabellina %1</source>
        <extracomment>%1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated above.</extracomment>
        <translation>بقي جدول %1</translation>
    </message>
    <message>
        <source>Restano tutte le tabelline</source>
        <translation>بقيت كل الجداول</translation>
    </message>
    <message>
        <source>Restano le tabelline da %1 a %2</source>
        <translation>بقيت الجداول من %1 إلى %2</translation>
    </message>
    <message>
        <source>Restano le tabelline %1 e %2</source>
        <extracomment>%1 is a list such as &quot;1, 3, 5&quot;, %2 the last table.</extracomment>
        <translation>بقيت الجداول %1 و%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the tables of a list, as in &quot;1, 3 e 5&quot;.</extracomment>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>giorno</name>
    <message>
        <source>l&apos;%1</source>
        <comment>1</comment>
        <extracomment>The word before a date (%1: &quot;8 dicembre&quot; or &quot;08/12/2026&quot;) whose day of the month is the number in the comment: &quot;il 3 dicembre&quot;, but &quot;l&apos;8 dicembre&quot;, since Italian elides the article before a day read with a vowel (1, 8, 11). Give what your language puts before a date on that day (&quot;am %1&quot;, &quot;le %1&quot;, &quot;on %1&quot;).</extracomment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>2</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>3</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>4</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>5</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>6</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>7</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>8</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>9</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>10</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>11</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>12</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>13</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>14</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>15</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>16</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>17</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>18</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>19</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>20</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>21</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>22</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>23</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>24</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>25</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>26</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>27</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>28</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>29</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>30</comment>
        <translation>في %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>31</comment>
        <translation>في %1</translation>
    </message>
</context>
<context>
    <name>immagini</name>
    <message>
        <source>OK</source>
        <extracomment>The word drawn in red on the green key that gives the answer (and closes the instructions): the word of your language&apos;s OK buttons, in its own script; a longer one shrinks to fit.</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>resoconto</name>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>When a game began, on the printed report, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <extracomment>The day the report is printed, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>dd/MM</source>
        <extracomment>The dates under the printed chart, as a QLocale date format. Short.</extracomment>
        <translation>dd/MM</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>ثوانٍ لكل إجابة</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>أخطاء في كل 10 إجابات</translation>
    </message>
    <message>
        <source>Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. ● partita intera (unite dalla linea)   ○ ripasso o partita fermata</source>
        <extracomment>Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.</extracomment>
        <translation>كل علامة جولة؛ جولات اليوم نفسه متجاورة. ● جولة كاملة (موصولة بالخط)   ○ مراجعة أو جولة موقوفة</translation>
    </message>
    <message>
        <source>I fatti: riga per colonna</source>
        <translation>العمليات: السطر في العمود</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi</source>
        <translation>مراجعة اليوم</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capirlo.</source>
        <translation>لا توجد جولات بعد لنعرف ذلك.</translation>
    </message>
    <message>
        <source>Registro di %1</source>
        <translation>سجل %1</translation>
    </message>
    <message>
        <source>1 partita</source>
        <extracomment>How many games the report shows.</extracomment>
        <translation>جولة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%n partite</source>
        <translation>
            <numerusform>%n جولات</numerusform>
            <numerusform>جولة واحدة</numerusform>
            <numerusform>جولتان</numerusform>
            <numerusform>%n جولات</numerusform>
            <numerusform>%n جولة</numerusform>
            <numerusform>%n جولة</numerusform>
        </translation>
    </message>
    <message>
        <source>Le partite</source>
        <translation>الجولات</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the column &quot;Com&apos;è finita&quot;.</extracomment>
        <translation>جارية</translation>
    </message>
    <message>
        <source>%1 (ripasso)</source>
        <extracomment>How a review round ended: %1 is &quot;finita&quot;, &quot;fermata&quot; or &quot;interrotta&quot;.</extracomment>
        <translation>%1 (مراجعة)</translation>
    </message>
    <message>
        <source>Nessuna partita in questo periodo.</source>
        <translation>لا توجد جولات في هذه الفترة.</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The printed games table&apos;s column headers; narrow columns (fractions of the page&apos;s width).</extracomment>
        <translation>التاريخ والوقت</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>الجداول</translation>
    </message>
    <message>
        <source>Risposte giuste</source>
        <translation>الإجابات الصحيحة</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>الأخطاء</translation>
    </message>
    <message>
        <source>Com&apos;è finita</source>
        <translation>كيف انتهت</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>كل اللاعبين</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>الجولات</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>آخر جولة</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>أخطاء لكل جولة</translation>
    </message>
    <message>
        <source>Fatti più difficili</source>
        <translation>أصعب العمليات</translation>
    </message>
    <message>
        <source>I</source>
        <extracomment>The letter in the facts map&apos;s cells for a fact to learn: the initial of &quot;da imparare&quot;. One letter.</extracomment>
        <translation>ت</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter for a fact to review: the initial of &quot;da ripassare&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>ر</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The letter for a sure fact: the initial of &quot;sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>م</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The letter for a fact likely known: the initial of &quot;quasi sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>ش</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <extracomment>The period of the printed report&apos;s games: all of them.</extracomment>
        <translation>كل السجل</translation>
    </message>
    <message>
        <source>Periodo: %1 · %2 · stampato %3</source>
        <extracomment>Under the report&apos;s title. %1: the period (&quot;tutto il registro&quot;), %2: &quot;N partite&quot;, %3: today&apos;s date with the word before it, as translated in &quot;giorno&quot; (&quot;il 03/12/2026&quot;, &quot;l&apos;08/12/2026&quot;).</extracomment>
        <translation>الفترة: %1 · %2 · طُبع %3</translation>
    </message>
    <message>
        <source>Periodo: %1 · stampato %2</source>
        <extracomment>%2: today&apos;s date with the word before it, as translated in &quot;giorno&quot;.</extracomment>
        <translation>الفترة: %1 · طُبع %2</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The period of the printed report&apos;s games: those of today.</extracomment>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <extracomment>The period of the printed report&apos;s games: this week&apos;s, from Monday.</extracomment>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>هذا الشهر</translation>
    </message>
    <message>
        <source>La classe: i fatti</source>
        <extracomment>The title of the printed class&apos;s map.</extracomment>
        <translation>الصف: العمليات</translation>
    </message>
    <message numerus="yes">
        <source>I bambini (%n): %1</source>
        <extracomment>Above the printed class&apos;s map. %1: the children&apos;s names.</extracomment>
        <translation>
            <numerusform>الأطفال (%n): %1</numerusform>
            <numerusform>الأطفال (%n): %1</numerusform>
            <numerusform>الأطفال (%n): %1</numerusform>
            <numerusform>الأطفال (%n): %1</numerusform>
            <numerusform>الأطفال (%n): %1</numerusform>
            <numerusform>الأطفال (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the printed class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>في كل خانة: كم طفلًا يعرف العملية، من أصل كم. الأحمر: لا أحد؛ الأصفر: النصف؛ الأخضر: الجميع.</translation>
    </message>
    <message>
        <source>I fatti da imparare, i più difficili per primi</source>
        <translation>العمليات التي يجب تعلمها، الأصعب أولًا</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>لا عمليات ليتعلمها الصف.</translation>
    </message>
</context>
</TS>
