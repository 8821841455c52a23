<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="it_IT">
<context>
    <name>Cella</name>
    <message>
        <source>esclusa</source>
        <extracomment>Told after a cell of a table left out of the game.</extracomment>
        <translation>scoasă</translation>
    </message>
</context>
<context>
    <name>Collegamento</name>
    <message>
        <source>in %1 il valore di %2 contiene un punto e virgola, che non può avere</source>
        <extracomment>Why the school&apos;s server is not used, put into longer messages after &quot;perché&quot;; lower case and no final stop, as all the reasons here. %1: the settings file, %2: the key (server, classe, file-password: keep these words as they are).</extracomment>
        <translation>în %1 valoarea lui %2 conține punct și virgulă, pe care nu îl poate avea</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server in numerella.conf non va bene: %1</source>
        <extracomment>%1: what is wrong with the address, one of the lower-case reasons below. Keep &quot;numerella.conf&quot;.</extracomment>
        <translation>adresa serverului din numerella.conf nu e bună: %1</translation>
    </message>
    <message>
        <source>deve cominciare con postgresql://</source>
        <extracomment>What is wrong with the server&apos;s address. Keep &quot;postgresql://&quot;.</extracomment>
        <translation>trebuie să înceapă cu postgresql://</translation>
    </message>
    <message>
        <source>non può contenere il punto e virgola</source>
        <translation>nu poate conține punct și virgulă</translation>
    </message>
    <message>
        <source>la password non va scritta nell&apos;indirizzo: mettila in ~/.pgpass o nel file indicato da file-password</source>
        <translation>parola nu se scrie în adresă: pune-o în ~/.pgpass sau în fișierul dat de file-password</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un nome di server</source>
        <extracomment>%1: a piece of the server&apos;s address.</extracomment>
        <translation>„%1” nu este un nume de server</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un parametro di connessione</source>
        <translation>„%1” nu este un parametru de conexiune</translation>
    </message>
    <message>
        <source>manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)</source>
        <translation>lipsește modulul Qt pentru PostgreSQL (pachetul libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile soltanto da root e da un gruppo (chmod 640)</source>
        <extracomment>%1: the password file&apos;s path.</extracomment>
        <translation>fișierul cu parola %1 poate fi citit sau scris de oricine: trebuie să poată fi citit doar de root și de un grup (chmod 640)</translation>
    </message>
    <message>
        <source>il file della password %1 non si può leggere</source>
        <translation>fișierul cu parola %1 nu poate fi citit</translation>
    </message>
    <message>
        <source>sul server %1 non c&apos;è il registro della Numerella (va preparato con numerella-server.sql)</source>
        <extracomment>%1: the server. Keep &quot;numerella-server.sql&quot;, the file an admin runs on it.</extracomment>
        <translation>pe serverul %1 nu există caietul La Numerella (se pregătește cu numerella-server.sql)</translation>
    </message>
    <message>
        <source>il server %1 ha il registro della versione %2, ma questa Numerella usa la versione %3: va aggiornato il programma o il server</source>
        <extracomment>%1: the server, %2: its version of the record, %3: the version this program uses.</extracomment>
        <translation>serverul %1 are caietul în versiunea %2, dar această La Numerella folosește versiunea %3: trebuie actualizat programul sau serverul</translation>
    </message>
    <message>
        <source>il server %1 non risponde o non accetta la connessione (%2)</source>
        <extracomment>%1: the server, %2: the server&apos;s or the network&apos;s own words.</extracomment>
        <translation>serverul %1 nu răspunde sau nu acceptă conexiunea (%2)</translation>
    </message>
</context>
<context>
    <name>FinePartita</name>
    <message>
        <source>finita</source>
        <extracomment>How a game ended, in the games list&apos;s column &quot;Esito&quot; and on the printed report: every cell answered.</extracomment>
        <translation>terminată</translation>
    </message>
    <message>
        <source>fermata</source>
        <extracomment>How a game ended: stopped by the child with Stop.</extracomment>
        <translation>oprită</translation>
    </message>
    <message>
        <source>interrotta</source>
        <extracomment>How a game ended: cut off because the program was closed or died.</extracomment>
        <translation>întreruptă</translation>
    </message>
</context>
<context>
    <name>FrmChiGioca</name>
    <message>
        <source>Chi gioca?</source>
        <extracomment>Asked before the first game when several children share the computer; the title and the question.</extracomment>
        <translation>Cine joacă?</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source> Completa la Numerella e avrai la possibilità di stamparla con il tuo nome.</source>
        <extracomment>One line of the instructions window; each line has a label of its own and about this length.</extracomment>
        <translation> Completează La Numerella și o vei putea tipări cu numele tău.</translation>
    </message>
    <message>
        <source> Un cronometro, in alto a destra, misurerà il tempo impiegato.</source>
        <translation> Un cronometru, sus în dreapta, va măsura cât timp îți ia.</translation>
    </message>
    <message>
        <source> Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Dacă dai clic cu butonul stâng al mouse-ului pe numerele care clipesc sus,</translation>
    </message>
    <message>
        <source> da una mano, potrai escludere una o più tabelline dalla Numerella.</source>
        <translation> arătate de o mână, poți scoate una sau mai multe table din La Numerella.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> De exemplu, dacă dai clic pe 4, 6, 7 și 8 vei exersa doar tablele</translation>
    </message>
    <message>
        <source> dell&apos;1, 2, 3, 5, 9 e 10</source>
        <translation> cu 1, 2, 3, 5, 9 și 10.</translation>
    </message>
    <message>
        <source> Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Dacă dai clic cu butonul drept al mouse-ului, scoți partea din dreapta</translation>
    </message>
    <message>
        <source> del numero scelto</source>
        <translation> numărului ales.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall&apos;1 al 5.</source>
        <translation> De exemplu, dacă dai clic pe 5 vei exersa doar tablele de la 1 la 5.</translation>
    </message>
    <message>
        <source>   Buon lavoro da:</source>
        <extracomment>The signature at the end of the instructions goes on in the next two lines.</extracomment>
        <translation>   Spor la lucru de la:</translation>
    </message>
    <message>
        <source>   gli sviluppatori della Numerella,</source>
        <translation>   dezvoltatorii programului La Numerella,</translation>
    </message>
    <message>
        <source>   un programma libero (licenza GNU GPL 3 o successiva).</source>
        <translation>   un program liber (licență GNU GPL 3 sau mai nouă).</translation>
    </message>
    <message>
        <source>   Versione %1</source>
        <translation>   Versiunea %1</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The instructions window&apos;s title.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Leggi ad alta voce: la Numerella dice le domande (numerella --voce).</source>
        <extracomment>One short line of the instructions: reading aloud, its switch and its option.</extracomment>
        <translation> Citește cu voce tare: La Numerella spune întrebările (numerella --voce).</translation>
    </message>
    <message>
        <source> Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta).</source>
        <extracomment>One short line of the instructions: no stopwatch, no judging by speed.</extracomment>
        <translation> Fără grabă: fără cronometru, contează doar corect sau greșit (--senza-fretta).</translation>
    </message>
    <message>
        <source> Carattere leggibile, per chi ha la dislessia: --carattere leggibile.</source>
        <extracomment>One short line of the instructions: the face for readers with dyslexia.</extracomment>
        <translation> Font ușor de citit, pentru cei cu dislexie: --carattere leggibile.</translation>
    </message>
</context>
<context>
    <name>FrmNumerella</name>
    <message>
        <source>Nessuna tabellina da fare: riprendine una con Alt e il suo numero.</source>
        <translation>Nicio tablă de făcut: adu una înapoi cu Alt și numărul ei.</translation>
    </message>
    <message>
        <source>La partita è già cominciata.</source>
        <translation>Runda a început deja.</translation>
    </message>
    <message>
        <source>Nessuna partita da fermare.</source>
        <translation>Nicio rundă de oprit.</translation>
    </message>
    <message>
        <source>Nessuna partita in corso. Ctrl+N per cominciare.</source>
        <translation>Nicio rundă în desfășurare. Ctrl+N ca să începi.</translation>
    </message>
    <message>
        <source>Complimenti. Hai finito.</source>
        <translation>Bravo! Ai terminat.</translation>
    </message>
    <message>
        <source>Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3</source>
        <extracomment>%2 is &quot;del 7&quot; or &quot;dell&apos;8&quot;, %3 &quot;al 7&quot; or &quot;all&apos;8&quot;, as translated in the sentences (&quot;frasi&quot;); Maiusc is the Shift key.</extracomment>
        <translation>Alt+%1: scoate sau adu înapoi tabla %2; Alt+Shift+%1: păstrează tablele până la tabla %3</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A question on the board, as a screen reader says it: &quot;6 per 8&quot; is six times eight.</extracomment>
        <translation>%1 ori %2</translation>
    </message>
    <message>
        <source>Avvio</source>
        <extracomment>The button that starts a game.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops the game under way.</extracomment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Pausa</source>
        <extracomment>The button that pauses the game.</extracomment>
        <translation>Pauză</translation>
    </message>
    <message>
        <source>Riprendi</source>
        <extracomment>The button that resumes the paused game.</extracomment>
        <translation>Continuă</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that opens the instructions.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The button that prints the finished table.</extracomment>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Ieși</translation>
    </message>
    <message>
        <source>Silenzio</source>
        <extracomment>The sound switch, as a screen reader names it.</extracomment>
        <translation>Fără sunet</translation>
    </message>
    <message>
        <source>Ctrl+P o il tasto Pausa</source>
        <extracomment>The keys of Pause and Resume, told after their names.</extracomment>
        <translation>Ctrl+P sau tasta Pause</translation>
    </message>
    <message>
        <source>Tastierino numerico</source>
        <extracomment>The caption of the on-screen keypad&apos;s frame.</extracomment>
        <translation>Tastatură numerică</translation>
    </message>
    <message>
        <source>Tasto %1</source>
        <extracomment>A key of the on-screen keypad, e.g. &quot;Tasto 7&quot;.</extracomment>
        <translation>Tasta %1</translation>
    </message>
    <message>
        <source>Cancella</source>
        <extracomment>The keypad&apos;s erase key.</extracomment>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The keypad&apos;s key that gives the answer.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cronometro</source>
        <extracomment>The stopwatch&apos;s frame.</extracomment>
        <translation>Cronometru</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>The stopwatch&apos;s minutes, as a screen reader names them.</extracomment>
        <translation>Minute</translation>
    </message>
    <message>
        <source>minuti</source>
        <extracomment>Beside the stopwatch&apos;s minutes.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Secondi</source>
        <extracomment>The stopwatch&apos;s seconds, as a screen reader names them.</extracomment>
        <translation>Secunde</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>Beside the stopwatch&apos;s seconds.</extracomment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Errori</source>
        <extracomment>The errors counter&apos;s heading.</extracomment>
        <translation>Greșeli</translation>
    </message>
    <message>
        <source>Ctrl+T dice il tempo e gli errori</source>
        <extracomment>The keys of the stopwatch and the errors counter, told after their names.</extracomment>
        <translation>Ctrl+T spune timpul și greșelile</translation>
    </message>
    <message>
        <source>Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; F11: schermo intero</source>
        <translation>Ctrl+N: rundă nouă; Ctrl+P: pauză și continuare; Ctrl+S: stop; Ctrl+T: timp și greșeli; Alt+număr: scoate sau adu înapoi o înmulțire; F11: ecran complet</translation>
    </message>
    <message>
        <source>Software libero, GPL</source>
        <extracomment>A small line under the title: the program is free software under the GPL.</extracomment>
        <translation>Software liber, GPL</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Versiunea %1</translation>
    </message>
    <message>
        <source>Mano</source>
        <extracomment>The pointing hand over the column numbers.</extracomment>
        <translation>Mână</translation>
    </message>
    <message>
        <source>Pausa.</source>
        <extracomment>Told when the game is paused.</extracomment>
        <translation>Pauză.</translation>
    </message>
    <message>
        <source>Pausa. Ctrl+P per riprendere.</source>
        <translation>Pauză. Ctrl+P ca să continui.</translation>
    </message>
    <message>
        <source>Si riprende.</source>
        <extracomment>Told when the paused game resumes, before the question.</extracomment>
        <translation>Continuăm.</translation>
    </message>
    <message>
        <source>Registro</source>
        <extracomment>The title of a warning about the record of games.</extracomment>
        <translation>Caiet</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <extracomment>The title of the question before a review (&quot;Ripassa&quot;: practise the hard facts).</extracomment>
        <translation>Exersează</translation>
    </message>
    <message>
        <source>Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.

Vuoi lasciarla e ripassare?</source>
        <translation>Joci o rundă. Dacă exersezi acum, runda se termină aici.

Vrei s-o lași și să exersezi?</translation>
    </message>
    <message>
        <source>&amp;Sì, ripasso</source>
        <translation>&amp;Da, exersez</translation>
    </message>
    <message>
        <source>&amp;No, continuo la partita</source>
        <translation>&amp;Nu, continui runda</translation>
    </message>
    <message>
        <source>Lasciare la partita per ripassare?</source>
        <translation>Lași runda ca să exersezi?</translation>
    </message>
    <message>
        <source>Partita fermata.</source>
        <translation>Rundă oprită.</translation>
    </message>
    <message>
        <source>Sbagliato, 1 errore.</source>
        <extracomment>A wrong answer, and the errors so far.</extracomment>
        <translation>Greșit, 1 greșeală.</translation>
    </message>
    <message numerus="yes">
        <source>Sbagliato, %n errori.</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>Greșit, %n greșeală.</numerusform>
            <numerusform>Greșit, %n greșeli.</numerusform>
            <numerusform>Greșit, %n de greșeli.</numerusform>
        </translation>
    </message>
    <message>
        <source>Giusto!</source>
        <translation>Corect!</translation>
    </message>
    <message>
        <source>Tabellina %1 esclusa</source>
        <extracomment>A table left out of the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>Înmulțirea %1 e scoasă</translation>
    </message>
    <message>
        <source>Tabellina %1 ripresa</source>
        <extracomment>A table back in the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>Înmulțirea %1 e adusă înapoi</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences said one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare. Si gioca una partita normale.</source>
        <translation>Azi nu ai nimic de exersat. Jucăm o rundă normală.</translation>
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
            <numerusform>Azi: %n de exersat</numerusform>
            <numerusform>Azi: %n de exersat</numerusform>
            <numerusform>Azi: %n de exersat</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+R apre il registro: lì c&apos;è il pulsante Ripassa</source>
        <extracomment>How to reach the practice round from the board.</extracomment>
        <translation>Ctrl+R deschide caietul: acolo este butonul Exersează</translation>
    </message>
    <message>
        <source>Voce non disponibile</source>
        <extracomment>The voice switch when the computer has no speech service: short, it is a small box.</extracomment>
        <translation>Voce indisponibilă</translation>
    </message>
    <message>
        <source>Per leggere ad alta voce serve il servizio di sintesi vocale (speech-dispatcher). Il gioco va avanti senza.</source>
        <translation>Pentru citirea cu voce tare e nevoie de serviciul de sinteză vocală (speech-dispatcher). Jocul continuă fără el.</translation>
    </message>
    <message>
        <source>Leggi ad alta voce</source>
        <extracomment>The switch that reads the game aloud.</extracomment>
        <translation>Citește cu voce tare</translation>
    </message>
    <message>
        <source>sto aggiornando il registro…</source>
        <extracomment>Under the grid for the few seconds the record of an older version is brought up to date; the board can be used meanwhile.</extracomment>
        <translation>se actualizează caietul…</translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>When a game began, in the lists, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the games list&apos;s column &quot;Esito&quot;.</extracomment>
        <translation>în desfășurare</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Caiet</translation>
    </message>
    <message>
        <source>&amp;Giocatore:</source>
        <translation>&amp;Jucător:</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <extracomment>The players table&apos;s column headers; &quot;Sicure&quot;, &quot;Da ripassare&quot;, &quot;Da imparare&quot; count facts (feminine in Italian) in each state.</extracomment>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>&amp;Nuovo…</source>
        <translation>&amp;Nou…</translation>
    </message>
    <message>
        <source>Rino&amp;mina…</source>
        <translation>Redenu&amp;mește…</translation>
    </message>
    <message>
        <source>&amp;Togli…</source>
        <translation>Șter&amp;ge…</translation>
    </message>
    <message>
        <source>S&amp;vuota…</source>
        <translation>Go&amp;lește…</translation>
    </message>
    <message>
        <source>Toglie tutte le partite del giocatore; il giocatore resta</source>
        <translation>Șterge toate rundele jucătorului; jucătorul rămâne</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>&amp;Perioadă:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Perioadă</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The periods whose games the window shows, in the box &quot;Periodo:&quot;.</extracomment>
        <translation>azi</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>săptămâna asta</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>luna asta</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The chart&apos;s points as a table: when, what kind of game, its two numbers.
----------
The games list&apos;s column headers: when the game began, the tables in play, the time on the stopwatch (m:ss), wrong answers, how it ended.</extracomment>
        <translation>Data și ora</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Înmulțiri cu</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Timp</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Greșeli</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>&amp;Partite</source>
        <translation>R&amp;unde</translation>
    </message>
    <message>
        <source>Mostra anc&amp;he ripassi e partite fermate</source>
        <translation>Arată și e&amp;xersările și rundele oprite</translation>
    </message>
    <message>
        <source>Andamento in numeri</source>
        <translation>Evoluția în cifre</translation>
    </message>
    <message>
        <source>&amp;Andamento</source>
        <translation>E&amp;voluție</translation>
    </message>
    <message>
        <source>Fatto scelto</source>
        <translation>Înmulțirea aleasă</translation>
    </message>
    <message>
        <source>&amp;Fatti</source>
        <translation>Înmulț&amp;iri</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Toți jucătorii</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Ultima rundă</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Secunde pe răspuns</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Greșeli pe rundă</translation>
    </message>
    <message>
        <source>Sicure</source>
        <translation>Știute</translation>
    </message>
    <message>
        <source>Da ripassare</source>
        <translation>De recapitulat</translation>
    </message>
    <message>
        <source>Da imparare</source>
        <translation>De învățat</translation>
    </message>
    <message>
        <source>G&amp;iocatori</source>
        <translation>Jucăt&amp;ori</translation>
    </message>
    <message>
        <source>&amp;Ripassa</source>
        <translation>&amp;Exersează</translation>
    </message>
    <message>
        <source>Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro</source>
        <translation>O rundă cu înmulțirile de învățat și de recapitulat azi, și câteva deja știute</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>Expo&amp;rtă…</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>&amp;Tipărește…</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>În&amp;chide</translation>
    </message>
    <message>
        <source>T&amp;ogli la partita…</source>
        <translation>Șterge run&amp;da…</translation>
    </message>
    <message>
        <source>Esporta la ta&amp;bella…</source>
        <translation>Exportă ta&amp;belul…</translation>
    </message>
    <message>
        <source>Il registro è in %1.</source>
        <translation>Caietul este în %1.</translation>
    </message>
    <message>
        <source>Qui si vede il registro della classe sul server della scuola: da questo computer non si possono togliere partite né svuotare il registro di un giocatore; lo fa l&apos;insegnante sul server.</source>
        <translation>Aici vezi caietul clasei de pe serverul școlii: de pe acest calculator nu poți șterge runde și nici goli caietul unui jucător; asta o face învățătorul pe server.</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Rundă</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Greșeli la 10 răspunsuri</translation>
    </message>
    <message>
        <source>intera</source>
        <extracomment>What kind of game a point of the chart is (feminine: &quot;partita&quot;): a whole game, a review round, a game stopped before its end.</extracomment>
        <translation>întreagă</translation>
    </message>
    <message>
        <source>ripasso</source>
        <translation>exersare</translation>
    </message>
    <message>
        <source>fermata</source>
        <translation>oprită</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capire che cosa ripassare.</source>
        <translation>Încă nicio rundă din care să vedem ce ai de exersat.</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare.</source>
        <translation>Azi nu ai nimic de exersat.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 ori %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi: %1.</source>
        <extracomment>Under the facts map. %1: the facts of today&apos;s review, as &quot;7 per 8, 6 per 9&quot;.</extracomment>
        <translation>Exersarea de azi: %1.</translation>
    </message>
    <message>
        <source>Nome (al massimo %1 caratteri):</source>
        <extracomment>%1: the longest name allowed, in characters.</extracomment>
        <translation>Nume (cel mult %1 de caractere):</translation>
    </message>
    <message>
        <source>Il nome va scritto su una riga, al massimo %1 caratteri, e non può essere &quot;%2&quot;.</source>
        <translation>Numele se scrie pe un singur rând, cel mult %1 de caractere, și nu poate fi „%2”.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore di nome &quot;%1&quot;: scegli un nome diverso.</source>
        <translation>Există deja un jucător cu numele „%1”: alege alt nume.</translation>
    </message>
    <message>
        <source>Nuovo giocatore</source>
        <extracomment>The title of the dialog asking a new child&apos;s name.</extracomment>
        <translation>Jucător nou</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Redenumește</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite?</source>
        <extracomment>%1: the child&apos;s name, as typed.</extracomment>
        <translation>Ștergi jucătorul „%1” din caiet, cu toate rundele sale?</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite? Sul server della scuola le sue partite restano: le toglie l&apos;insegnante.</source>
        <translation>Ștergi jucătorul „%1” din caiet, cu toate rundele sale? Pe serverul școlii rundele sale rămân: le șterge învățătorul.</translation>
    </message>
    <message>
        <source>Togli</source>
        <extracomment>The title of the question before a child is removed from the record.</extracomment>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Golește</translation>
    </message>
    <message>
        <source>Togliere tutte le partite di &quot;%1&quot;? %1 resta fra i giocatori.</source>
        <extracomment>%1, twice: the child&apos;s name.</extracomment>
        <translation>Ștergi toate rundele jucătorului „%1”? %1 rămâne printre jucători.</translation>
    </message>
    <message>
        <source>Togli la partita</source>
        <translation>Șterge runda</translation>
    </message>
    <message>
        <source>La partita in corso non si può togliere.</source>
        <translation>Runda în desfășurare nu poate fi ștearsă.</translation>
    </message>
    <message numerus="yes">
        <source>Togliere dal registro la partita del %1 (%2, %n errori)?</source>
        <translation>
            <numerusform>Ștergi din caiet runda din %1 (%2, %n greșeală)?</numerusform>
            <numerusform>Ștergi din caiet runda din %1 (%2, %n greșeli)?</numerusform>
            <numerusform>Ștergi din caiet runda din %1 (%2, %n de greșeli)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta la tabella dei giocatori</source>
        <translation>Exportă tabelul jucătorilor</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exportă</translation>
    </message>
    <message>
        <source>Non riesco a esportare: %1.</source>
        <translation>Nu reușesc să export: %1.</translation>
    </message>
    <message>
        <source>Giocatori esportati in %1.</source>
        <translation>Jucători exportați în %1.</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <translation>Exersează</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare: i fatti che hai già incontrato li sai.

Vuoi fare una partita normale?</source>
        <translation>Azi nu ai nimic de exersat: înmulțirile pe care le-ai întâlnit deja le știi.

Vrei să joci o rundă normală?</translation>
    </message>
    <message>
        <source>&amp;Gioca una partita normale</source>
        <translation>&amp;Joacă o rundă normală</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare</source>
        <translation>Azi nu ai nimic de exersat</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fișier:</translation>
    </message>
    <message>
        <source>S&amp;cegli…</source>
        <translation>&amp;Alege…</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>&amp;Exportă</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>A&amp;nulează</translation>
    </message>
    <message>
        <source>Scrivi il nome del file.</source>
        <translation>Scrie numele fișierului.</translation>
    </message>
    <message>
        <source>Esporta le partite</source>
        <translation>Exportă rundele</translation>
    </message>
    <message>
        <source>C&amp;lasse</source>
        <extracomment>The tab of the class&apos;s map: how many children know each fact.</extracomment>
        <translation>Cl&amp;asa</translation>
    </message>
    <message>
        <source>Togliere dal registro la partita del %1 (%2, 1 errore)?</source>
        <extracomment>%1: the game&apos;s date and time (Italian: &quot;del 07/12/2026 10:15&quot;), %2: its time on the stopwatch (m:ss); the game had one mistake.</extracomment>
        <translation>Ștergi din registru runda din %1 (%2, o greșeală)?</translation>
    </message>
    <message>
        <source>Scrive tre file, con le partite del periodo: %4.
• %1, una riga per partita;
• %2, una riga per risposta;
• %3, una riga per fatto, con il suo stato di oggi.</source>
        <translation>Scrie trei fișiere, cu rundele din perioada: %4.
• %1, un rând pentru fiecare rundă;
• %2, un rând pentru fiecare răspuns;
• %3, un rând pentru fiecare înmulțire, cu starea ei de azi.</translation>
    </message>
    <message>
        <source>Partite esportate in %1, risposte in %2, fatti in %3.</source>
        <translation>Runde exportate în %1, răspunsuri în %2, înmulțiri în %3.</translation>
    </message>
    <message>
        <source>Mappa della classe</source>
        <translation>Harta clasei</translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>În fiecare căsuță: câți copii știu înmulțirea, din câți sunt. Roșu: niciunul; galben: jumătate; verde: toți.</translation>
    </message>
    <message>
        <source>Nessun bambino nel registro.</source>
        <translation>Niciun copil în registru.</translation>
    </message>
    <message>
        <source>1 bambino: %1.</source>
        <translation>1 copil: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini: %1.</source>
        <translation>
            <numerusform>%n copil: %1.</numerusform>
            <numerusform>%n copii: %1.</numerusform>
            <numerusform>%n de copii: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per %2 (la sanno %3 su %4)</source>
        <extracomment>A fact in the class&apos;s hardest: %1 per %2 the multiplication, %3 of %4 children know it.</extracomment>
        <translation>%1 ori %2 (o știu %3 din %4)</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Nicio înmulțire de învățat pentru clasă.</translation>
    </message>
    <message>
        <source>I fatti più difficili per la classe: %1.</source>
        <extracomment>Under the class&apos;s map. %1: facts as &quot;7 per 8 (la sanno 3 su 22)&quot;.</extracomment>
        <translation>Cele mai grele înmulțiri pentru clasă: %1.</translation>
    </message>
    <message>
        <source>Il ripasso è sempre quello di oggi, da tutte le partite.</source>
        <extracomment>After today&apos;s review under the facts map, when a period other than &quot;tutto&quot; is chosen.</extracomment>
        <translation>Exersarea este mereu cea de azi, din toate rundele.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s cell as a screen reader says it: %1 its column&apos;s name, %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Usa per giocare</source>
        <extracomment>Makes the child shown in the box &quot;Giocatore&quot; the one who plays on the board.</extracomment>
        <translation>Folose&amp;ște pentru joc</translation>
    </message>
    <message>
        <source>Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)</source>
        <translation>Jucătorul ales aici joacă pe tablă (și cu Enter pe nume)</translation>
    </message>
    <message>
        <source>Ora gioca %1</source>
        <extracomment>What a screen reader says of the box &quot;Giocatore&quot;: who plays on the board now. %1: a name.</extracomment>
        <translation>Acum joacă %1</translation>
    </message>
    <message>
        <source>giocatori.csv</source>
        <translation>jucători.csv</translation>
    </message>
    <message>
        <source>partite.csv</source>
        <translation>runde.csv</translation>
    </message>
    <message>
        <source>Per il fo&amp;glio di calcolo</source>
        <translation>Pentru foaia de &amp;calcul</translation>
    </message>
    <message>
        <source>Separatore &quot;%1&quot;, decimali con &quot;%2&quot;, date come 2026-12-07 10:15:03, UTF-8 con BOM.</source>
        <extracomment>%1: the CSV separator, %2: the decimal sign of the system&apos;s numbers. The date shows the spreadsheet&apos;s format and stays as it is.</extracomment>
        <translation>Separator „%1”, zecimale cu „%2”, date ca 2026-12-07 10:15:03, UTF-8 cu BOM.</translation>
    </message>
    <message>
        <source>&amp;Standard per i programmi (RFC 4180)</source>
        <translation>&amp;Standard pentru programe (RFC 4180)</translation>
    </message>
    <message>
        <source>Separatore &quot;,&quot;, punto decimale, date ISO 8601.</source>
        <translation>Separator „,”, punct zecimal, date ISO 8601.</translation>
    </message>
    <message>
        <source>-risposte</source>
        <extracomment>Added to the games&apos; file name for the answers&apos; file (&quot;partite-risposte.csv&quot;).</extracomment>
        <translation>-răspunsuri</translation>
    </message>
    <message>
        <source>Sen&amp;za fretta</source>
        <extracomment>A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the board, and practice never judges her slow.</extracomment>
        <translation>&amp;Fără grabă</translation>
    </message>
    <message>
        <source>Senza fretta per questo giocatore</source>
        <translation>Fără grabă pentru acest jucător</translation>
    </message>
    <message>
        <source>Niente cronometro nelle sue partite; il ripasso guarda solo giusto o sbagliato, mai la lentezza</source>
        <translation>Fără cronometru în jocurile sale; exersarea ține seama doar de corect sau greșit, niciodată de încetineală</translation>
    </message>
    <message>
        <source>Il registro non ha potuto segnare &quot;Senza fretta&quot;.</source>
        <extracomment>In the record window&apos;s status line when the mark &quot;Senza fretta&quot; cannot be written.</extracomment>
        <translation>Caietul nu a putut marca „Fără grabă”.</translation>
    </message>
    <message>
        <source>-fatti</source>
        <extracomment>Added to the games&apos; file name for the facts&apos; file (&quot;partite-fatti.csv&quot;).</extracomment>
        <translation>-înmulțiri</translation>
    </message>
</context>
<context>
    <name>Giocatore</name>
    <message>
        <source>Ospite</source>
        <extracomment>The guest: whoever plays without choosing a name. Games are kept under the Italian word.</extracomment>
        <translation>Oaspete</translation>
    </message>
</context>
<context>
    <name>GraficoPartite</name>
    <message>
        <source>Andamento delle partite</source>
        <translation>Evoluția rundelor</translation>
    </message>
    <message>
        <source>secondi per risposta</source>
        <extracomment>The chart&apos;s two lines, in the legends of its two plots.</extracomment>
        <translation>secunde pe răspuns</translation>
    </message>
    <message>
        <source>errori ogni 10 risposte</source>
        <translation>greșeli la 10 răspunsuri</translation>
    </message>
    <message>
        <source>dd/MM/yy</source>
        <extracomment>The dates under the chart, as QLocale date formats: over almost a year, then within one. Short.</extracomment>
        <translation>dd.MM.yy</translation>
    </message>
    <message>
        <source>dd/MM</source>
        <translation>dd.MM</translation>
    </message>
    <message>
        <source>Nessuna partita</source>
        <translation>Nicio rundă</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>The title of the upper plot&apos;s axis, written upwards beside it; the legend says &quot;per answer&quot;. Short.</extracomment>
        <translation>secunde</translation>
    </message>
    <message>
        <source>errori</source>
        <extracomment>The title of the lower plot&apos;s axis, written upwards beside it; the legend says &quot;every 10 answers&quot;. Short.</extracomment>
        <translation>greșeli</translation>
    </message>
    <message>
        <source>ripassi</source>
        <extracomment>The chart&apos;s legend for the hollow circles: rounds of chosen facts (Ripassa).</extracomment>
        <translation>exersări</translation>
    </message>
    <message>
        <source>partite fermate</source>
        <extracomment>The chart&apos;s legend for the hollow triangles: games stopped before their end.</extracomment>
        <translation>runde oprite</translation>
    </message>
</context>
<context>
    <name>LettoreClasse</name>
    <message>
        <source>il server %1 non si lascia leggere (%2)</source>
        <extracomment>Why the class cannot be read from the school&apos;s server, after &quot;perché&quot;; lower case, no final stop. %1: the server, %2: the server&apos;s own words.</extracomment>
        <translation>serverul %1 nu se lasă citit (%2)</translation>
    </message>
    <message>
        <source>la copia della classe non si scrive (%1)</source>
        <extracomment>Why the class cannot be read: its local copy cannot be written. %1: the database&apos;s words.</extracomment>
        <translation>copia clasei nu se poate scrie (%1)</translation>
    </message>
</context>
<context>
    <name>LetturaClasse</name>
    <message>
        <source>la copia della classe non si può scrivere in %1</source>
        <extracomment>Why the class cannot be read, after &quot;perché&quot;; lower case. %1: the folder.</extracomment>
        <translation>copia clasei nu se poate scrie în %1</translation>
    </message>
    <message>
        <source>Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di questo computer.</source>
        <extracomment>In the record window&apos;s status line. %1: the class&apos;s name.</extracomment>
        <translation>Clasa %1: citesc de pe server…; între timp se văd doar rundele de pe acest calculator.</translation>
    </message>
    <message>
        <source>Si vedono le partite di tutta la classe %1, lette dal server alle %2.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was read (Italian says &quot;alle&quot; before a time).</extracomment>
        <translation>Se văd rundele întregii clase %1, citite de pe server la ora %2.</translation>
    </message>
    <message>
        <source>Si vedono le partite della classe %1 lette dal server alle %2; ora non si leggono, perché %3.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was last read, %3: why it cannot be read now (a lower-case reason).</extracomment>
        <translation>Se văd rundele clasei %1 citite de pe server la ora %2; acum nu se pot citi, pentru că %3.</translation>
    </message>
    <message>
        <source>Si vedono soltanto le partite di questo computer, perché %1.</source>
        <extracomment>%1: why the class cannot be read (a lower-case reason).</extracomment>
        <translation>Se văd doar rundele de pe acest calculator, pentru că %1.</translation>
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
        <translation>Harta înmulțirilor</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of the facts map&apos;s legend. %1: the letter in the map&apos;s cells, or &quot;senza lettera&quot;; %2: the state&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>senza lettera</source>
        <translation>fără literă</translation>
    </message>
    <message>
        <source>%1 per %2: %3</source>
        <extracomment>The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8), %3: its state.</extracomment>
        <translation>%1 ori %2: %3</translation>
    </message>
    <message>
        <source>chiesta 1 volta</source>
        <extracomment>How many times a fact was asked (the fact, a multiplication, is feminine in Italian).</extracomment>
        <translation>întrebată o dată</translation>
    </message>
    <message numerus="yes">
        <source>chiesta %n volte</source>
        <translation>
            <numerusform>întrebată o dată</numerusform>
            <numerusform>întrebată de %n ori</numerusform>
            <numerusform>întrebată de %n de ori</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sbagliata</source>
        <extracomment>How many of its answers were wrong (feminine: &quot;risposte&quot;).</extracomment>
        <translation>1 răspuns greșit</translation>
    </message>
    <message numerus="yes">
        <source>%n sbagliate</source>
        <translation>
            <numerusform>%n răspuns greșit</numerusform>
            <numerusform>%n răspunsuri greșite</numerusform>
            <numerusform>%n de răspunsuri greșite</numerusform>
        </translation>
    </message>
    <message>
        <source>; di solito %1 secondi</source>
        <extracomment>Appended to the words about a fact. %1: the child&apos;s usual seconds for it, one decimal.</extracomment>
        <translation>; de obicei %1 secunde</translation>
    </message>
    <message>
        <source>; %1, %2, l&apos;ultima %3</source>
        <translation>; %1, %2, ultima dată %3</translation>
    </message>
    <message>
        <source>; %1, %2, %3</source>
        <extracomment>The same for a fact asked once: %3 is the day it was asked, with the word before it.</extracomment>
        <translation>; %1, %2, %3</translation>
    </message>
    <message>
        <source>; da ripassare %1</source>
        <extracomment>Appended to the words about a sure fact. %1: the day it comes up for review, with the word before it (&quot;il 3 dicembre&quot;, &quot;l&apos;8 dicembre&quot;).</extracomment>
        <translation>; de recapitulat %1</translation>
    </message>
    <message>
        <source>%1 per %2: non chiesta in questo periodo</source>
        <extracomment>The words told about a fact that the games of the period chosen did not ask, though earlier ones did. %1 per %2: the multiplication.</extracomment>
        <translation>%1 ori %2: neîntrebată în această perioadă</translation>
    </message>
</context>
<context>
    <name>Opzioni</name>
    <message>
        <source>numerella: %1: %2: %3 Valore ignorato.</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 the key, %3 what is wrong.</extracomment>
        <translation>numerella: %1: %2: %3 Valoare ignorată.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi true oppure false.</source>
        <translation>„%1” nu e bun: scrie true sau false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi quanti fatti ripassare, da 1 a 100.</source>
        <translation>„%1” nu e bun: scrie câte înmulțiri să exersezi, de la 1 la 100.</translation>
    </message>
    <message>
        <source>numerella: %1: %2</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 what is wrong.</extracomment>
        <translation>numerella: %1: %2</translation>
    </message>
    <message>
        <source>è una cartella, non un file di impostazioni. Ignorata.</source>
        <translation>este un dosar, nu un fișier de setări. Ignorat.</translation>
    </message>
    <message>
        <source>non si può leggere: mancano i permessi. File ignorato.</source>
        <translation>nu se poate citi: lipsesc permisiunile. Fișier ignorat.</translation>
    </message>
    <message>
        <source>non si può leggere. File ignorato.</source>
        <translation>nu se poate citi. Fișier ignorat.</translation>
    </message>
    <message>
        <source>non è un file di testo. File ignorato.</source>
        <translation>nu este un fișier text. Fișier ignorat.</translation>
    </message>
    <message>
        <source>la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.</source>
        <translation>rândul %1 nu este nici cheie=valoare, nici [secțiune]; verifică rândurile fișierului.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: le lingue disponibili sono %2.</source>
        <extracomment>%1 is the language code given, %2 the list of the available ones (&quot;it, de, fr, ...&quot;).</extracomment>
        <translation>„%1” nu e bun: limbile disponibile sunt %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: %2.</source>
        <translation>„%1” nu e bun: %2.</translation>
    </message>
    <message>
        <source>scrivi almeno una tabellina, per esempio 2,5,7 o 1-5</source>
        <translation>scrie cel puțin o tablă, de exemplu 2,5,7 sau 1-5</translation>
    </message>
    <message>
        <source>usa numeri da 1 a 10 e intervalli come 1-5</source>
        <translation>folosește numere de la 1 la 10 și intervale ca 1-5</translation>
    </message>
    <message>
        <source>le tabelline vanno da 1 a 10</source>
        <translation>tablele merg de la 1 la 10</translation>
    </message>
    <message>
        <source>l&apos;intervallo va scritto dal più piccolo al più grande</source>
        <translation>intervalul se scrie de la cel mai mic la cel mai mare</translation>
    </message>
    <message>
        <source>La Numerella: per esercitarsi sulla tavola pitagorica, dall&apos;1 × 1 al 10 × 10.</source>
        <translation>La Numerella: ca să exersezi tabla înmulțirii, de la 1 × 1 la 10 × 10.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Arată acest ajutor și iese.</translation>
    </message>
    <message>
        <source>Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde.</source>
        <translation>Tablele de exersat, cu numere și intervale de la 1 la 10 (de exemplu 2,5,7 sau 1-5 sau 1-3,8); celelalte pornesc scoase, în verde.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <extracomment>In the help, the value of an option: a list of tables.</extracomment>
        <translation>LISTĂ</translation>
    </message>
    <message>
        <source>Parte con il suono spento (si riaccende con la casella del suono).</source>
        <translation>Pornește cu sunetul oprit (se repornește din căsuța sunetului).</translation>
    </message>
    <message>
        <source>Parte a schermo intero.</source>
        <translation>Pornește pe ecran complet.</translation>
    </message>
    <message>
        <source>Chi gioca: le partite vanno nel registro sotto questo nome (nuovo se non c&apos;è ancora), che resta scelto.</source>
        <translation>Cine joacă: rundele intră în caiet sub acest nume (nou, dacă nu există încă), care rămâne ales.</translation>
    </message>
    <message>
        <source>NOME</source>
        <extracomment>In the help, the value of an option: a child&apos;s name.</extracomment>
        <translation>NUME</translation>
    </message>
    <message>
        <source>Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file (per esempio su una chiavetta) invece che in quello solito.</source>
        <translation>Singur, deschide doar fereastra caietului. Cu FIȘIER ține caietul în acel fișier (de exemplu pe un stick USB) în loc de cel obișnuit.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In the help, the value of an option: a file&apos;s name.</extracomment>
        <translation>FIȘIER</translation>
    </message>
    <message>
        <source>Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, qualcuno già sicuro, gli altri in verde.</source>
        <translation>Pornește cu exersarea de azi a celui care joacă: înmulțirile de învățat și de recapitulat, câteva deja știute, celelalte în verde.</translation>
    </message>
    <message>
        <source>Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce.</source>
        <translation>Scrie toate rundele din caiet, un rând pentru fiecare rundă, în FIȘIER (CSV) și iese.</translation>
    </message>
    <message>
        <source>Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce.</source>
        <translation>Scrie toate răspunsurile din caiet, un rând pentru fiecare întrebare, în FIȘIER (CSV) și iese.</translation>
    </message>
    <message>
        <source>Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i programmi (RFC 4180: virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo nella lingua del sistema.</source>
        <translation>Cu --esporta, --esporta-risposte și --esporta-fatti scrie CSV-ul standard pentru programe (RFC 4180: virgulă, punct zecimal, date ISO 8601) în loc de cel pentru foaia de calcul în limba sistemului.</translation>
    </message>
    <message>
        <source>Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce.</source>
        <translation>Scrie starea fiecărei înmulțiri a fiecărui jucător, un rând pentru fiecare înmulțire, în FIȘIER (CSV) și iese.</translation>
    </message>
    <message>
        <source>Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui.</source>
        <translation>Doar de data aceasta trimite rundele la serverul școlii URL (postgresql://utilizator@server/bazadedate) în loc de cel din numerella.conf. Parola se pune în ~/.pgpass, niciodată aici.</translation>
    </message>
    <message>
        <source>URL</source>
        <extracomment>In the help, the value of an option: a server&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>La lingua del programma, tra %1, invece di quella del sistema.</source>
        <translation>Limba programului, dintre %1, în loc de cea a sistemului.</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>In the help, the value of an option: a language&apos;s code.</extracomment>
        <translation>COD</translation>
    </message>
    <message>
        <source>numerella: %1
Per l&apos;elenco delle opzioni: numerella --help
</source>
        <translation>numerella: %1
Pentru lista opțiunilor: numerella --help
</translation>
    </message>
    <message>
        <source>argomento inatteso &quot;%1&quot;.</source>
        <translation>argument neașteptat „%1”.</translation>
    </message>
    <message>
        <source>--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.</source>
        <translation>--giocatore: numele se scrie pe un singur rând, cel mult %1 de caractere.</translation>
    </message>
    <message>
        <source>numerella: non riesco a leggere il registro: %1
</source>
        <translation>numerella: nu reușesc să citesc caietul: %1
</translation>
    </message>
    <message>
        <source>numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.
</source>
        <translation>numerella: niciun ecran disponibil: La Numerella se deschide doar într-o sesiune grafică.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi leggibile oppure normale.</source>
        <translation>„%1” nu e bun: scrie leggibile sau normale.</translation>
    </message>
    <message>
        <source>Legge ad alta voce le domande, giusto e sbagliato, la pausa e la fine (si spegne con la casella &quot;Leggi ad alta voce&quot;).</source>
        <translation>Citește cu voce tare întrebările, corect și greșit, pauza și sfârșitul (se oprește din căsuța „Citește cu voce tare”).</translation>
    </message>
    <message>
        <source>Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il ripasso non giudica la lentezza.</source>
        <translation>Fără grabă: fără cronometru, niciun timp arătat, spus sau tipărit, iar exersarea nu judecă încetineala.</translation>
    </message>
    <message>
        <source>Con &quot;leggibile&quot; scrive le parole in un carattere fatto per chi ha la dislessia (le cifre restano come sono).</source>
        <translation>Cu „leggibile” scrie cuvintele într-un font făcut pentru cei cu dislexie (cifrele rămân la fel).</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Registro</name>
    <message>
        <source>nella cartella %1 non si può scrivere</source>
        <extracomment>Why the record of games cannot be used, put into a longer message as its %1. Lower case, no final stop. %1: the folder.</extracomment>
        <translation>în dosarul %1 nu se poate scrie</translation>
    </message>
    <message>
        <source>il file %1 non si può aprire</source>
        <extracomment>The same kind of reason; in all of these %1 is the record&apos;s file.</extracomment>
        <translation>fișierul %1 nu se poate deschide</translation>
    </message>
    <message>
        <source>il file %1 si può soltanto leggere</source>
        <translation>fișierul %1 poate fi doar citit</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>discul este plin</translation>
    </message>
    <message>
        <source>un altro programma tiene occupato il file %1</source>
        <translation>alt program ține ocupat fișierul %1</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato e non si può mettere da parte (%2)</source>
        <translation>fișierul %1 este deteriorat și nu poate fi pus deoparte (%2)</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato</source>
        <translation>fișierul %1 este deteriorat</translation>
    </message>
    <message>
        <source>il file %1 non è un registro della Numerella, e resta com&apos;è</source>
        <translation>fișierul %1 nu este un caiet La Numerella și rămâne cum este</translation>
    </message>
    <message>
        <source>il file %1 non c&apos;è</source>
        <translation>fișierul %1 nu există</translation>
    </message>
    <message>
        <source>il file %1 è di una versione più nuova della Numerella</source>
        <translation>fișierul %1 este de la o versiune mai nouă a La Numerella</translation>
    </message>
    <message>
        <source>il file %1 non si può usare</source>
        <translation>fișierul %1 nu poate fi folosit</translation>
    </message>
    <message>
        <source>Il registro delle partite era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.</source>
        <extracomment>%1: the damaged file&apos;s new name.</extracomment>
        <translation>Caietul rundelor era deteriorat: a fost pus deoparte ca %1 și a început unul nou.</translation>
    </message>
    <message>
        <source>Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, ma le partite non saranno ricordate.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>Caietul rundelor nu este ținut: %1. Poți juca la fel, dar rundele nu vor fi păstrate.</translation>
    </message>
    <message>
        <source>Il registro delle partite per ora non si può scrivere: %1. Le risposte restano in memoria e saranno scritte appena si potrà: non chiudere il programma.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>Caietul rundelor nu se poate scrie deocamdată: %1. Răspunsurile rămân în memorie și vor fi scrise imediat ce se va putea: nu închide programul.</translation>
    </message>
</context>
<context>
    <name>Speditore</name>
    <message>
        <source>la partita di %1 del %2: %3</source>
        <extracomment>A game the school&apos;s server refused, listed after &quot;Il server non ha preso&quot;. %1: the child, %2: when the game began (Italian: &quot;del 7/12/2026 10:15&quot;), %3: the server&apos;s own words.</extracomment>
        <translation>runda lui %1 din %2: %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>When a refused game began, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>d.M.yyyy HH:mm</translation>
    </message>
    <message>
        <source>il registro di questo computer non si legge (%1)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the database&apos;s words.</extracomment>
        <translation>caietul de pe acest calculator nu se poate citi (%1)</translation>
    </message>
    <message>
        <source>il server %1 non ha preso una partita (%2)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the server, %2: its words.</extracomment>
        <translation>serverul %1 nu a primit o rundă (%2)</translation>
    </message>
</context>
<context>
    <name>Spedizione</name>
    <message>
        <source>Server della scuola (%1, classe %2)</source>
        <extracomment>The start of the sender&apos;s lines in the record window&apos;s status. %1: the server, %2: the class&apos;s name.</extracomment>
        <translation>Serverul școlii (%1, clasa %2)</translation>
    </message>
    <message>
        <source>%1: collegamento in corso.</source>
        <extracomment>In all of the sender&apos;s lines, %1 is &quot;Server della scuola (…)&quot;.</extracomment>
        <translation>%1: se conectează.</translation>
    </message>
    <message>
        <source>%1: tutte le partite sono arrivate.</source>
        <translation>%1: toate rundele au ajuns.</translation>
    </message>
    <message>
        <source>%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.</source>
        <extracomment>%2: why the server cannot be reached now (a lower-case reason).</extracomment>
        <translation>%1: nicio rundă nu așteaptă, dar acum nu poate fi contactat, pentru că %2.</translation>
    </message>
    <message>
        <source>Il server non ha preso %1.</source>
        <extracomment>After the sender&apos;s line. %1: the refused games, each &quot;la partita di … del …: …&quot;, joined by &quot;; &quot;.</extracomment>
        <translation>Serverul nu a primit %1.</translation>
    </message>
    <message>
        <source>%1: collegamento in corso, 1 partita in attesa.</source>
        <extracomment>Games ended here wait while the sender reaches the server for the first time.</extracomment>
        <translation>%1: se conectează, 1 rundă în așteptare.</translation>
    </message>
    <message numerus="yes">
        <source>%1: collegamento in corso, %n partite in attesa.</source>
        <translation>
            <numerusform>%1: se conectează, %n rundă în așteptare.</numerusform>
            <numerusform>%1: se conectează, %n runde în așteptare.</numerusform>
            <numerusform>%1: se conectează, %n de runde în așteptare.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa di essere mandata.</source>
        <extracomment>Games ended here and not yet on the server; the server could be reached at the last try.</extracomment>
        <translation>%1: 1 rundă așteaptă să fie trimisă.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa di essere mandate.</source>
        <translation>
            <numerusform>%1: %n rundă așteaptă să fie trimisă.</numerusform>
            <numerusform>%1: %n runde așteaptă să fie trimise.</numerusform>
            <numerusform>%1: %n de runde așteaptă să fie trimise.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa su questo computer, perché %2.</source>
        <extracomment>Games kept here because the server cannot be reached. %2: why (a lower-case reason).</extracomment>
        <translation>%1: 1 rundă așteaptă pe acest calculator, pentru că %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa su questo computer, perché %2.</source>
        <translation>
            <numerusform>%1: %n rundă așteaptă pe acest calculator, pentru că %2.</numerusform>
            <numerusform>%1: %n runde așteaptă pe acest calculator, pentru că %2.</numerusform>
            <numerusform>%1: %n de runde așteaptă pe acest calculator, pentru că %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tipografia</name>
    <message>
        <source>Nome</source>
        <extracomment>The title of the dialog asking the child&apos;s name before the board is printed.</extracomment>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Scrivi il tuo nome.</source>
        <extracomment>Said to the child, who writes the name to print on the page.</extracomment>
        <translation>Scrie-ți numele.</translation>
    </message>
    <message>
        <source>Non trovo nessuna stampante.</source>
        <translation>Nu găsesc nicio imprimantă.</translation>
    </message>
    <message>
        <source>Non riesco a stampare su &quot;%1&quot;.</source>
        <extracomment>%1: the printer&apos;s name, or the file printed to.</extracomment>
        <translation>Nu reușesc să tipăresc la „%1”.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non accetta lavori in questo momento.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Imprimanta „%1” nu acceptă lucrări în acest moment.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non ha preso la pagina.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Imprimanta „%1” nu a primit pagina.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The title of a message about printing.</extracomment>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>%1
Vuoi scegliere un&apos;altra stampante o salvare la pagina in PDF?</source>
        <extracomment>%1: what went wrong, one of the messages above.</extracomment>
        <translation>%1
Vrei să alegi altă imprimantă sau să salvezi pagina ca PDF?</translation>
    </message>
</context>
<context>
    <name>andamento</name>
    <message>
        <source>Ancora nessuna partita intera.</source>
        <extracomment>The chart&apos;s sentence on a child&apos;s trend, under the chart in the record window and on the printed report.</extracomment>
        <translation>Încă nicio rundă întreagă.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana nessuna partita intera; prima: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers already in the locale&apos;s form).</extracomment>
        <translation>În ultima săptămână nicio rundă întreagă; înainte: %1 secunde pe răspuns, %2 greșeli la 10 răspunsuri.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer in the last week, %2: mistakes every 10 answers in it.</extracomment>
        <translation>În ultima săptămână: %1 secunde pe răspuns, %2 greșeli la 10 răspunsuri.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 risposte, prima %4.</source>
        <extracomment>%1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in the last week and before it.</extracomment>
        <translation>În ultima săptămână: %1 secunde pe răspuns, înainte %2; %3 greșeli la 10 răspunsuri, înainte %4.</translation>
    </message>
</context>
<context>
    <name>apprendimento</name>
    <message>
        <source>mai chiesta</source>
        <extracomment>A fact&apos;s state (a multiplication such as 7 × 8, feminine in Italian: &quot;la moltiplicazione&quot;), lower case: in the facts map&apos;s legend, the words told about a fact and the printed report. Keep it short.</extracomment>
        <translation>neîntrebată</translation>
    </message>
    <message>
        <source>da imparare</source>
        <translation>de învățat</translation>
    </message>
    <message>
        <source>sicura</source>
        <translation>știută</translation>
    </message>
    <message>
        <source>da ripassare</source>
        <translation>de recapitulat</translation>
    </message>
    <message>
        <source>quasi sicura</source>
        <extracomment>A fact likely known: answered right and quick, but not yet often enough to be sure.</extracomment>
        <translation>aproape știută</translation>
    </message>
</context>
<context>
    <name>classe</name>
    <message>
        <source>%1 per %2: la sanno %3 su %4</source>
        <extracomment>The words about a fact of the class&apos;s map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of the %4 children know it.</extracomment>
        <translation>%1 ori %2: o știu %3 din %4</translation>
    </message>
    <message>
        <source>; da imparare per %1</source>
        <extracomment>Appended to the words about a fact of the class&apos;s map. %1: the children, &quot;Anna, Marco&quot;.</extracomment>
        <translation>; de învățat pentru %1</translation>
    </message>
</context>
<context>
    <name>elenco</name>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list of names or facts: a comma and a space, in the language&apos;s own script.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the items of a list whose items hold commas: a semicolon and a space, in the language&apos;s own script.</extracomment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>esportazione</name>
    <message>
        <source>non riesco a scrivere %1: %2</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;. %1: the file, %2: the system&apos;s reason.
----------
Why an export failed. %1: the file, %2: the system&apos;s reason.</extracomment>
        <translation>nu reușesc să scriu %1: %2</translation>
    </message>
    <message>
        <source>non riesco a leggere il registro</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;.</extracomment>
        <translation>nu reușesc să citesc caietul</translation>
    </message>
</context>
<context>
    <name>frasi</name>
    <message>
        <source>dell&apos;1</source>
        <extracomment>Italian elides the article before a number read with a vowel (&quot;dell&apos;1&quot;, &quot;dell&apos;8&quot;, &quot;del 7&quot;). The table of n after the word for &quot;table&quot;; translate each number as your language says it.</extracomment>
        <translation>cu 1</translation>
    </message>
    <message>
        <source>del 2</source>
        <translation>cu 2</translation>
    </message>
    <message>
        <source>del 3</source>
        <translation>cu 3</translation>
    </message>
    <message>
        <source>del 4</source>
        <translation>cu 4</translation>
    </message>
    <message>
        <source>del 5</source>
        <translation>cu 5</translation>
    </message>
    <message>
        <source>del 6</source>
        <translation>cu 6</translation>
    </message>
    <message>
        <source>del 7</source>
        <translation>cu 7</translation>
    </message>
    <message>
        <source>dell&apos;8</source>
        <translation>cu 8</translation>
    </message>
    <message>
        <source>del 9</source>
        <translation>cu 9</translation>
    </message>
    <message>
        <source>del 10</source>
        <translation>cu 10</translation>
    </message>
    <message>
        <source>all&apos;1</source>
        <extracomment>&quot;Up to the table of n&quot;: Italian elides the article before a number read with a vowel (&quot;all&apos;1&quot;, &quot;all&apos;8&quot;, &quot;al 7&quot;).</extracomment>
        <translation>cu 1</translation>
    </message>
    <message>
        <source>al 2</source>
        <translation>cu 2</translation>
    </message>
    <message>
        <source>al 3</source>
        <translation>cu 3</translation>
    </message>
    <message>
        <source>al 4</source>
        <translation>cu 4</translation>
    </message>
    <message>
        <source>al 5</source>
        <translation>cu 5</translation>
    </message>
    <message>
        <source>al 6</source>
        <translation>cu 6</translation>
    </message>
    <message>
        <source>al 7</source>
        <translation>cu 7</translation>
    </message>
    <message>
        <source>all&apos;8</source>
        <translation>cu 8</translation>
    </message>
    <message>
        <source>al 9</source>
        <translation>cu 9</translation>
    </message>
    <message>
        <source>al 10</source>
        <translation>cu 10</translation>
    </message>
    <message>
        <source>1 secondo</source>
        <extracomment>Exactly one second.</extracomment>
        <translation>1 secundă</translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n secundă</numerusform>
            <numerusform>%n secunde</numerusform>
            <numerusform>%n de secunde</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun errore</source>
        <extracomment>No wrong answer in the game.</extracomment>
        <translation>nicio greșeală</translation>
    </message>
    <message>
        <source>1 errore</source>
        <extracomment>Exactly one wrong answer.</extracomment>
        <translation>1 greșeală</translation>
    </message>
    <message numerus="yes">
        <source>%n errori</source>
        <extracomment>Never said for 0 or 1, which have texts of their own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n greșeală</numerusform>
            <numerusform>%n greșeli</numerusform>
            <numerusform>%n de greșeli</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Time and errors, e.g. &quot;14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 minuto</source>
        <extracomment>Exactly one minute.</extracomment>
        <translation>1 minut</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minute</numerusform>
            <numerusform>%n de minute</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 e %2, %3</source>
        <extracomment>Minutes, seconds and errors, e.g. &quot;2 minuti e 14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1 și %2, %3</translation>
    </message>
    <message>
        <source>Nessuna tabellina rimasta</source>
        <translation>Nu a rămas nicio înmulțire</translation>
    </message>
    <message>
        <source>Resta la tabellina %1</source>
        <extracomment>%1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated above.</extracomment>
        <translation>A rămas înmulțirea %1</translation>
    </message>
    <message>
        <source>Restano tutte le tabelline</source>
        <translation>Au rămas toate înmulțirile</translation>
    </message>
    <message>
        <source>Restano le tabelline da %1 a %2</source>
        <translation>Au rămas înmulțirile cu %1 până la %2</translation>
    </message>
    <message>
        <source>Restano le tabelline %1 e %2</source>
        <extracomment>%1 is a list such as &quot;1, 3, 5&quot;, %2 the last table.</extracomment>
        <translation>Au rămas înmulțirile cu %1 și %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the tables of a list, as in &quot;1, 3 e 5&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>giorno</name>
    <message>
        <source>l&apos;%1</source>
        <comment>1</comment>
        <extracomment>The word before a date (%1: &quot;8 dicembre&quot; or &quot;08/12/2026&quot;) whose day of the month is the number in the comment: &quot;il 3 dicembre&quot;, but &quot;l&apos;8 dicembre&quot;, since Italian elides the article before a day read with a vowel (1, 8, 11). Give what your language puts before a date on that day (&quot;am %1&quot;, &quot;le %1&quot;, &quot;on %1&quot;).</extracomment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>2</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>3</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>4</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>5</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>6</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>7</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>8</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>9</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>10</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>11</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>12</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>13</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>14</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>15</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>16</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>17</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>18</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>19</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>20</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>21</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>22</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>23</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>24</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>25</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>26</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>27</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>28</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>29</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>30</comment>
        <translation>pe %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>31</comment>
        <translation>pe %1</translation>
    </message>
</context>
<context>
    <name>immagini</name>
    <message>
        <source>OK</source>
        <extracomment>The word drawn in red on the green key that gives the answer (and closes the instructions): the word of your language&apos;s OK buttons, in its own script; a longer one shrinks to fit.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>resoconto</name>
    <message>
        <source>dd/MM/yyyy HH:mm</source>
        <extracomment>When a game began, on the printed report, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <extracomment>The day the report is printed, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>dd/MM</source>
        <extracomment>The dates under the printed chart, as a QLocale date format. Short.</extracomment>
        <translation>dd.MM</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Secunde pe răspuns</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Greșeli la 10 răspunsuri</translation>
    </message>
    <message>
        <source>Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. ● partita intera (unite dalla linea)   ○ ripasso o partita fermata</source>
        <extracomment>Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.</extracomment>
        <translation>Fiecare semn este o rundă; cele din aceeași zi stau alăturate. ● rundă întreagă (unite de linie)   ○ exersare sau rundă oprită</translation>
    </message>
    <message>
        <source>I fatti: riga per colonna</source>
        <translation>Înmulțirile: rând ori coloană</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 ori %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi</source>
        <translation>Exersarea de azi</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capirlo.</source>
        <translation>Încă nicio rundă din care să se vadă.</translation>
    </message>
    <message>
        <source>Registro di %1</source>
        <translation>Caietul lui %1</translation>
    </message>
    <message>
        <source>1 partita</source>
        <extracomment>How many games the report shows.</extracomment>
        <translation>1 rundă</translation>
    </message>
    <message numerus="yes">
        <source>%n partite</source>
        <translation>
            <numerusform>%n rundă</numerusform>
            <numerusform>%n runde</numerusform>
            <numerusform>%n de runde</numerusform>
        </translation>
    </message>
    <message>
        <source>Le partite</source>
        <translation>Rundele</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the column &quot;Com&apos;è finita&quot;.</extracomment>
        <translation>în desfășurare</translation>
    </message>
    <message>
        <source>%1 (ripasso)</source>
        <extracomment>How a review round ended: %1 is &quot;finita&quot;, &quot;fermata&quot; or &quot;interrotta&quot;.</extracomment>
        <translation>%1 (exersare)</translation>
    </message>
    <message>
        <source>Nessuna partita in questo periodo.</source>
        <translation>Nicio rundă în această perioadă.</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The printed games table&apos;s column headers; narrow columns (fractions of the page&apos;s width).</extracomment>
        <translation>Data și ora</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Înmulțiri cu</translation>
    </message>
    <message>
        <source>Risposte giuste</source>
        <translation>Răspunsuri corecte</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Timp</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Greșeli</translation>
    </message>
    <message>
        <source>Com&apos;è finita</source>
        <translation>Cum s-a terminat</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Toți jucătorii</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Ultima rundă</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Greșeli pe rundă</translation>
    </message>
    <message>
        <source>Fatti più difficili</source>
        <translation>Înmulțirile cele mai grele</translation>
    </message>
    <message>
        <source>I</source>
        <extracomment>The letter in the facts map&apos;s cells for a fact to learn: the initial of &quot;da imparare&quot;. One letter.</extracomment>
        <translation>Î</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter for a fact to review: the initial of &quot;da ripassare&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The letter for a sure fact: the initial of &quot;sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>Ș</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The letter for a fact likely known: the initial of &quot;quasi sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <extracomment>The period of the printed report&apos;s games: all of them.</extracomment>
        <translation>tot caietul</translation>
    </message>
    <message>
        <source>Periodo: %1 · %2 · stampato %3</source>
        <extracomment>Under the report&apos;s title. %1: the period (&quot;tutto il registro&quot;), %2: &quot;N partite&quot;, %3: today&apos;s date with the word before it, as translated in &quot;giorno&quot; (&quot;il 03/12/2026&quot;, &quot;l&apos;08/12/2026&quot;).</extracomment>
        <translation>Perioada: %1 · %2 · tipărit %3</translation>
    </message>
    <message>
        <source>Periodo: %1 · stampato %2</source>
        <extracomment>%2: today&apos;s date with the word before it, as translated in &quot;giorno&quot;.</extracomment>
        <translation>Perioada: %1 · tipărit %2</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The period of the printed report&apos;s games: those of today.</extracomment>
        <translation>azi</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <extracomment>The period of the printed report&apos;s games: this week&apos;s, from Monday.</extracomment>
        <translation>săptămâna asta</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>luna asta</translation>
    </message>
    <message>
        <source>La classe: i fatti</source>
        <extracomment>The title of the printed class&apos;s map.</extracomment>
        <translation>Clasa: înmulțirile</translation>
    </message>
    <message numerus="yes">
        <source>I bambini (%n): %1</source>
        <extracomment>Above the printed class&apos;s map. %1: the children&apos;s names.</extracomment>
        <translation>
            <numerusform>Copiii (%n): %1</numerusform>
            <numerusform>Copiii (%n): %1</numerusform>
            <numerusform>Copiii (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the printed class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>În fiecare căsuță: câți copii știu înmulțirea, din câți sunt. Roșu: niciunul; galben: jumătate; verde: toți.</translation>
    </message>
    <message>
        <source>I fatti da imparare, i più difficili per primi</source>
        <translation>Înmulțirile de învățat, cele mai grele întâi</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Nicio înmulțire de învățat pentru clasă.</translation>
    </message>
</context>
</TS>
