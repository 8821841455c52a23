<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>Cella</name>
    <message>
        <source>esclusa</source>
        <extracomment>Told after a cell of a table left out of the game.</extracomment>
        <translation>left out</translation>
    </message>
</context>
<context>
    <name>Collegamento</name>
    <message>
        <source>in %1 il valore di %2 contiene un punto e virgola, che non può avere</source>
        <extracomment>Why the school&apos;s server is not used, put into longer messages after &quot;perché&quot;; lower case and no final stop, as all the reasons here. %1: the settings file, %2: the key (server, classe, file-password: keep these words as they are).</extracomment>
        <translation>in %1 the value of %2 contains a semicolon, which it must not have</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server in numerella.conf non va bene: %1</source>
        <extracomment>%1: what is wrong with the address, one of the lower-case reasons below. Keep &quot;numerella.conf&quot;.</extracomment>
        <translation>the server&apos;s address in numerella.conf is not right: %1</translation>
    </message>
    <message>
        <source>deve cominciare con postgresql://</source>
        <extracomment>What is wrong with the server&apos;s address. Keep &quot;postgresql://&quot;.</extracomment>
        <translation>it must start with postgresql://</translation>
    </message>
    <message>
        <source>non può contenere il punto e virgola</source>
        <translation>it cannot contain a semicolon</translation>
    </message>
    <message>
        <source>la password non va scritta nell&apos;indirizzo: mettila in ~/.pgpass o nel file indicato da file-password</source>
        <translation>the password must not be written in the address: put it in ~/.pgpass or in the file given by file-password</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un nome di server</source>
        <extracomment>%1: a piece of the server&apos;s address.</extracomment>
        <translation>&quot;%1&quot; is not a server name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un parametro di connessione</source>
        <translation>&quot;%1&quot; is not a connection parameter</translation>
    </message>
    <message>
        <source>manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)</source>
        <translation>Qt&apos;s module for PostgreSQL is missing (the package libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile soltanto da root e da un gruppo (chmod 640)</source>
        <extracomment>%1: the password file&apos;s path.</extracomment>
        <translation>the password file %1 can be read or written by everyone: make it readable only by root and one group (chmod 640)</translation>
    </message>
    <message>
        <source>il file della password %1 non si può leggere</source>
        <translation>the password file %1 cannot be read</translation>
    </message>
    <message>
        <source>sul server %1 non c&apos;è il registro della Numerella (va preparato con numerella-server.sql)</source>
        <extracomment>%1: the server. Keep &quot;numerella-server.sql&quot;, the file an admin runs on it.</extracomment>
        <translation>the server %1 has no La Numerella record (set it up with numerella-server.sql)</translation>
    </message>
    <message>
        <source>il server %1 ha il registro della versione %2, ma questa Numerella usa la versione %3: va aggiornato il programma o il server</source>
        <extracomment>%1: the server, %2: its version of the record, %3: the version this program uses.</extracomment>
        <translation>the server %1 has version %2 of the record, but this program uses version %3: update the program or the server</translation>
    </message>
    <message>
        <source>il server %1 non risponde o non accetta la connessione (%2)</source>
        <extracomment>%1: the server, %2: the server&apos;s or the network&apos;s own words.</extracomment>
        <translation>the server %1 does not answer or does not accept the connection (%2)</translation>
    </message>
</context>
<context>
    <name>FinePartita</name>
    <message>
        <source>finita</source>
        <extracomment>How a game ended, in the games list&apos;s column &quot;Esito&quot; and on the printed report: every cell answered.</extracomment>
        <translation>finished</translation>
    </message>
    <message>
        <source>fermata</source>
        <extracomment>How a game ended: stopped by the child with Stop.</extracomment>
        <translation>stopped</translation>
    </message>
    <message>
        <source>interrotta</source>
        <extracomment>How a game ended: cut off because the program was closed or died.</extracomment>
        <translation>interrupted</translation>
    </message>
</context>
<context>
    <name>FrmChiGioca</name>
    <message>
        <source>Chi gioca?</source>
        <extracomment>Asked before the first game when several children share the computer; the title and the question.</extracomment>
        <translation>Who is playing?</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source> Completa la Numerella e avrai la possibilità di stamparla con il tuo nome.</source>
        <extracomment>One line of the instructions window; each line has a label of its own and about this length.</extracomment>
        <translation> Complete La Numerella and you can print it with your name on it.</translation>
    </message>
    <message>
        <source> Un cronometro, in alto a destra, misurerà il tempo impiegato.</source>
        <translation> A stopwatch, at the top right, will time you.</translation>
    </message>
    <message>
        <source> Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> If you click with the left mouse button on the flashing numbers at the top,</translation>
    </message>
    <message>
        <source> da una mano, potrai escludere una o più tabelline dalla Numerella.</source>
        <translation> shown by a hand, you can leave one or more times tables out of La Numerella.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> For example, if you click on 4, 6, 7 and 8, you will practise only the</translation>
    </message>
    <message>
        <source> dell&apos;1, 2, 3, 5, 9 e 10</source>
        <translation> 1, 2, 3, 5, 9 and 10 times tables.</translation>
    </message>
    <message>
        <source> Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> If you click with the right mouse button instead, you leave out everything to the right</translation>
    </message>
    <message>
        <source> del numero scelto</source>
        <translation> of the number you chose.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall&apos;1 al 5.</source>
        <translation> For example, if you click on 5, you will practise only the 1 to 5 times tables.</translation>
    </message>
    <message>
        <source>   Buon lavoro da:</source>
        <extracomment>The signature at the end of the instructions goes on in the next two lines.</extracomment>
        <translation>   Good luck from</translation>
    </message>
    <message>
        <source>   gli sviluppatori della Numerella,</source>
        <translation>   the developers of La Numerella,</translation>
    </message>
    <message>
        <source>   un programma libero (licenza GNU GPL 3 o successiva).</source>
        <translation>   a free program (licence GNU GPL 3 or later).</translation>
    </message>
    <message>
        <source>   Versione %1</source>
        <translation>   Version %1</translation>
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
        <translation> Read aloud: La Numerella says the questions (numerella --voce).</translation>
    </message>
    <message>
        <source> Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta).</source>
        <extracomment>One short line of the instructions: no stopwatch, no judging by speed.</extracomment>
        <translation> No hurry: no stopwatch, only right or wrong counts (--senza-fretta).</translation>
    </message>
    <message>
        <source> Carattere leggibile, per chi ha la dislessia: --carattere leggibile.</source>
        <extracomment>One short line of the instructions: the face for readers with dyslexia.</extracomment>
        <translation> A readable typeface, for readers with dyslexia: --carattere leggibile.</translation>
    </message>
</context>
<context>
    <name>FrmNumerella</name>
    <message>
        <source>Nessuna tabellina da fare: riprendine una con Alt e il suo numero.</source>
        <translation>No times tables left to do: bring one back with Alt and its number.</translation>
    </message>
    <message>
        <source>La partita è già cominciata.</source>
        <translation>The game has already started.</translation>
    </message>
    <message>
        <source>Nessuna partita da fermare.</source>
        <translation>No game to stop.</translation>
    </message>
    <message>
        <source>Nessuna partita in corso. Ctrl+N per cominciare.</source>
        <translation>No game is running. Press Ctrl+N to start.</translation>
    </message>
    <message>
        <source>Complimenti. Hai finito.</source>
        <translation>Well done! You have finished.</translation>
    </message>
    <message>
        <source>Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3</source>
        <extracomment>%2 is &quot;del 7&quot; or &quot;dell&apos;8&quot;, %3 &quot;al 7&quot; or &quot;all&apos;8&quot;, as translated in the sentences (&quot;frasi&quot;); Maiusc is the Shift key.</extracomment>
        <translation>Alt+%1: leave out or bring back the %2; Alt+Shift+%1: keep only the times tables up to %3</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A question on the board, as a screen reader says it: &quot;6 per 8&quot; is six times eight.</extracomment>
        <translation>%1 times %2</translation>
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
        <translation>Pause</translation>
    </message>
    <message>
        <source>Riprendi</source>
        <extracomment>The button that resumes the paused game.</extracomment>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that opens the instructions.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The button that prints the finished table.</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Silenzio</source>
        <extracomment>The sound switch, as a screen reader names it.</extracomment>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>Ctrl+P o il tasto Pausa</source>
        <extracomment>The keys of Pause and Resume, told after their names.</extracomment>
        <translation>Ctrl+P or the Pause key</translation>
    </message>
    <message>
        <source>Tastierino numerico</source>
        <extracomment>The caption of the on-screen keypad&apos;s frame.</extracomment>
        <translation>Number pad</translation>
    </message>
    <message>
        <source>Tasto %1</source>
        <extracomment>A key of the on-screen keypad, e.g. &quot;Tasto 7&quot;.</extracomment>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>Cancella</source>
        <extracomment>The keypad&apos;s erase key.</extracomment>
        <translation>Rub out</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The keypad&apos;s key that gives the answer.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cronometro</source>
        <extracomment>The stopwatch&apos;s frame.</extracomment>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>The stopwatch&apos;s minutes, as a screen reader names them.</extracomment>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>minuti</source>
        <extracomment>Beside the stopwatch&apos;s minutes.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Secondi</source>
        <extracomment>The stopwatch&apos;s seconds, as a screen reader names them.</extracomment>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>Beside the stopwatch&apos;s seconds.</extracomment>
        <translation>sec</translation>
    </message>
    <message>
        <source>Errori</source>
        <extracomment>The errors counter&apos;s heading.</extracomment>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Ctrl+T dice il tempo e gli errori</source>
        <extracomment>The keys of the stopwatch and the errors counter, told after their names.</extracomment>
        <translation>Ctrl+T tells the time and the mistakes</translation>
    </message>
    <message>
        <source>Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; F11: schermo intero</source>
        <translation>Ctrl+N: new game; Ctrl+P: pause and resume; Ctrl+S: stop; Ctrl+T: time and mistakes; Alt+number: leave out or bring back a times table; F11: full screen</translation>
    </message>
    <message>
        <source>Software libero, GPL</source>
        <extracomment>A small line under the title: the program is free software under the GPL.</extracomment>
        <translation>Free software, GPL</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Mano</source>
        <extracomment>The pointing hand over the column numbers.</extracomment>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Pausa.</source>
        <extracomment>Told when the game is paused.</extracomment>
        <translation>Paused.</translation>
    </message>
    <message>
        <source>Pausa. Ctrl+P per riprendere.</source>
        <translation>Paused. Ctrl+P to go on.</translation>
    </message>
    <message>
        <source>Si riprende.</source>
        <extracomment>Told when the paused game resumes, before the question.</extracomment>
        <translation>Let&apos;s go on.</translation>
    </message>
    <message>
        <source>Registro</source>
        <extracomment>The title of a warning about the record of games.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <extracomment>The title of the question before a review (&quot;Ripassa&quot;: practise the hard facts).</extracomment>
        <translation>Practise</translation>
    </message>
    <message>
        <source>Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.

Vuoi lasciarla e ripassare?</source>
        <translation>You are playing a game. If you practise now, this game ends here.

Do you want to leave it and practise?</translation>
    </message>
    <message>
        <source>&amp;Sì, ripasso</source>
        <translation>&amp;Yes, practise</translation>
    </message>
    <message>
        <source>&amp;No, continuo la partita</source>
        <translation>&amp;No, keep playing</translation>
    </message>
    <message>
        <source>Lasciare la partita per ripassare?</source>
        <translation>Leave the game to practise?</translation>
    </message>
    <message>
        <source>Partita fermata.</source>
        <translation>Game stopped.</translation>
    </message>
    <message>
        <source>Sbagliato, 1 errore.</source>
        <extracomment>A wrong answer, and the errors so far.</extracomment>
        <translation>Not quite – 1 mistake.</translation>
    </message>
    <message numerus="yes">
        <source>Sbagliato, %n errori.</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>Not quite – %n mistake.</numerusform>
            <numerusform>Not quite – %n mistakes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Giusto!</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>Tabellina %1 esclusa</source>
        <extracomment>A table left out of the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>%1 left out</translation>
    </message>
    <message>
        <source>Tabellina %1 ripresa</source>
        <extracomment>A table back in the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>%1 back in play</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences said one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare. Si gioca una partita normale.</source>
        <translation>Nothing to practise today. Let&apos;s play a normal game.</translation>
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
            <numerusform>Today: %n to practise</numerusform>
            <numerusform>Today: %n to practise</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+R apre il registro: lì c&apos;è il pulsante Ripassa</source>
        <extracomment>How to reach the practice round from the board.</extracomment>
        <translation>Ctrl+R opens the record: the Practise button is there</translation>
    </message>
    <message>
        <source>Voce non disponibile</source>
        <extracomment>The voice switch when the computer has no speech service: short, it is a small box.</extracomment>
        <translation>Voice not available</translation>
    </message>
    <message>
        <source>Per leggere ad alta voce serve il servizio di sintesi vocale (speech-dispatcher). Il gioco va avanti senza.</source>
        <translation>Reading aloud needs the speech synthesis service (speech-dispatcher). The game goes on without it.</translation>
    </message>
    <message>
        <source>Leggi ad alta voce</source>
        <extracomment>The switch that reads the game aloud.</extracomment>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>sto aggiornando il registro…</source>
        <extracomment>Under the grid for the few seconds the record of an older version is brought up to date; the board can be used meanwhile.</extracomment>
        <translation>updating the record…</translation>
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
        <translation>in progress</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>&amp;Giocatore:</source>
        <translation>&amp;Player:</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <extracomment>The players table&apos;s column headers; &quot;Sicure&quot;, &quot;Da ripassare&quot;, &quot;Da imparare&quot; count facts (feminine in Italian) in each state.</extracomment>
        <translation>Player</translation>
    </message>
    <message>
        <source>&amp;Nuovo…</source>
        <translation>&amp;New…</translation>
    </message>
    <message>
        <source>Rino&amp;mina…</source>
        <translation>Rena&amp;me…</translation>
    </message>
    <message>
        <source>&amp;Togli…</source>
        <translation>&amp;Remove…</translation>
    </message>
    <message>
        <source>S&amp;vuota…</source>
        <translation>&amp;Clear…</translation>
    </message>
    <message>
        <source>Toglie tutte le partite del giocatore; il giocatore resta</source>
        <translation>Removes all the player&apos;s games; the player stays</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>Perio&amp;d:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The periods whose games the window shows, in the box &quot;Periodo:&quot;.</extracomment>
        <translation>today</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>this week</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>this month</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The chart&apos;s points as a table: when, what kind of game, its two numbers.
----------
The games list&apos;s column headers: when the game began, the tables in play, the time on the stopwatch (m:ss), wrong answers, how it ended.</extracomment>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Times tables</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>How it ended</translation>
    </message>
    <message>
        <source>&amp;Partite</source>
        <translation>&amp;Games</translation>
    </message>
    <message>
        <source>Mostra anc&amp;he ripassi e partite fermate</source>
        <translation>Also s&amp;how practice rounds and stopped games</translation>
    </message>
    <message>
        <source>Andamento in numeri</source>
        <translation>Progress in numbers</translation>
    </message>
    <message>
        <source>&amp;Andamento</source>
        <translation>Pr&amp;ogress</translation>
    </message>
    <message>
        <source>Fatto scelto</source>
        <translation>Chosen fact</translation>
    </message>
    <message>
        <source>&amp;Fatti</source>
        <translation>&amp;Facts</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>All players</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Seconds per answer</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Mistakes per game</translation>
    </message>
    <message>
        <source>Sicure</source>
        <translation>Known</translation>
    </message>
    <message>
        <source>Da ripassare</source>
        <translation>To practise again</translation>
    </message>
    <message>
        <source>Da imparare</source>
        <translation>To learn</translation>
    </message>
    <message>
        <source>G&amp;iocatori</source>
        <translation>Pl&amp;ayers</translation>
    </message>
    <message>
        <source>&amp;Ripassa</source>
        <translation>Prac&amp;tise</translation>
    </message>
    <message>
        <source>Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro</source>
        <translation>A game with the facts to learn and to practise again today, and a few already known</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>Pr&amp;int…</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>T&amp;ogli la partita…</source>
        <translation>Remo&amp;ve game…</translation>
    </message>
    <message>
        <source>Esporta la ta&amp;bella…</source>
        <translation>Export ta&amp;ble…</translation>
    </message>
    <message>
        <source>Il registro è in %1.</source>
        <translation>The record is in %1.</translation>
    </message>
    <message>
        <source>Qui si vede il registro della classe sul server della scuola: da questo computer non si possono togliere partite né svuotare il registro di un giocatore; lo fa l&apos;insegnante sul server.</source>
        <translation>This is the class&apos;s record on the school server: from this computer you cannot remove games or clear a player&apos;s record; the teacher does that on the server.</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Mistakes per 10 answers</translation>
    </message>
    <message>
        <source>intera</source>
        <extracomment>What kind of game a point of the chart is (feminine: &quot;partita&quot;): a whole game, a review round, a game stopped before its end.</extracomment>
        <translation>full game</translation>
    </message>
    <message>
        <source>ripasso</source>
        <translation>practice round</translation>
    </message>
    <message>
        <source>fermata</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capire che cosa ripassare.</source>
        <translation>No games yet, so nothing to practise.</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare.</source>
        <translation>Nothing to practise today.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 times %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi: %1.</source>
        <extracomment>Under the facts map. %1: the facts of today&apos;s review, as &quot;7 per 8, 6 per 9&quot;.</extracomment>
        <translation>Today&apos;s practice: %1.</translation>
    </message>
    <message>
        <source>Nome (al massimo %1 caratteri):</source>
        <extracomment>%1: the longest name allowed, in characters.</extracomment>
        <translation>Name (at most %1 characters):</translation>
    </message>
    <message>
        <source>Il nome va scritto su una riga, al massimo %1 caratteri, e non può essere &quot;%2&quot;.</source>
        <translation>The name must fit on one line, at most %1 characters, and cannot be &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore di nome &quot;%1&quot;: scegli un nome diverso.</source>
        <translation>There is already a player called &quot;%1&quot;: choose a different name.</translation>
    </message>
    <message>
        <source>Nuovo giocatore</source>
        <extracomment>The title of the dialog asking a new child&apos;s name.</extracomment>
        <translation>New player</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite?</source>
        <extracomment>%1: the child&apos;s name, as typed.</extracomment>
        <translation>Remove &quot;%1&quot; from the record, with all their games?</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite? Sul server della scuola le sue partite restano: le toglie l&apos;insegnante.</source>
        <translation>Remove &quot;%1&quot; from the record, with all their games? Their games stay on the school server: the teacher removes them there.</translation>
    </message>
    <message>
        <source>Togli</source>
        <extracomment>The title of the question before a child is removed from the record.</extracomment>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Togliere tutte le partite di &quot;%1&quot;? %1 resta fra i giocatori.</source>
        <extracomment>%1, twice: the child&apos;s name.</extracomment>
        <translation>Remove all the games of &quot;%1&quot;? %1 stays in the list of players.</translation>
    </message>
    <message>
        <source>Togli la partita</source>
        <translation>Remove game</translation>
    </message>
    <message>
        <source>La partita in corso non si può togliere.</source>
        <translation>The game being played cannot be removed.</translation>
    </message>
    <message numerus="yes">
        <source>Togliere dal registro la partita del %1 (%2, %n errori)?</source>
        <translation>
            <numerusform>Remove the game of %1 (%2, %n mistake) from the record?</numerusform>
            <numerusform>Remove the game of %1 (%2, %n mistakes) from the record?</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta la tabella dei giocatori</source>
        <translation>Export the players table</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Non riesco a esportare: %1.</source>
        <translation>Cannot export: %1.</translation>
    </message>
    <message>
        <source>Giocatori esportati in %1.</source>
        <translation>Players exported to %1.</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <translation>Practise</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare: i fatti che hai già incontrato li sai.

Vuoi fare una partita normale?</source>
        <translation>Nothing to practise today: you know the facts you have already met.

Do you want to play a normal game?</translation>
    </message>
    <message>
        <source>&amp;Gioca una partita normale</source>
        <translation>&amp;Play a normal game</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare</source>
        <translation>Nothing to practise today</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>S&amp;cegli…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Scrivi il nome del file.</source>
        <translation>Type a file name.</translation>
    </message>
    <message>
        <source>Esporta le partite</source>
        <translation>Export the games</translation>
    </message>
    <message>
        <source>C&amp;lasse</source>
        <extracomment>The tab of the class&apos;s map: how many children know each fact.</extracomment>
        <translation>C&amp;lass</translation>
    </message>
    <message>
        <source>Togliere dal registro la partita del %1 (%2, 1 errore)?</source>
        <extracomment>%1: the game&apos;s date and time (Italian: &quot;del 07/12/2026 10:15&quot;), %2: its time on the stopwatch (m:ss); the game had one mistake.</extracomment>
        <translation>Remove the game of %1 (%2, 1 mistake) from the record?</translation>
    </message>
    <message>
        <source>Scrive tre file, con le partite del periodo: %4.
• %1, una riga per partita;
• %2, una riga per risposta;
• %3, una riga per fatto, con il suo stato di oggi.</source>
        <translation>Writes three files, with the games of the period: %4.
• %1, one line per game;
• %2, one line per answer;
• %3, one line per fact, with its state today.</translation>
    </message>
    <message>
        <source>Partite esportate in %1, risposte in %2, fatti in %3.</source>
        <translation>Games exported to %1, answers to %2, facts to %3.</translation>
    </message>
    <message>
        <source>Mappa della classe</source>
        <translation>Class map</translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>In each cell: how many children know the fact, out of how many. Red: none; yellow: half; green: all.</translation>
    </message>
    <message>
        <source>Nessun bambino nel registro.</source>
        <translation>No child in the record.</translation>
    </message>
    <message>
        <source>1 bambino: %1.</source>
        <translation>1 child: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini: %1.</source>
        <translation>
            <numerusform>%n child: %1.</numerusform>
            <numerusform>%n children: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per %2 (la sanno %3 su %4)</source>
        <extracomment>A fact in the class&apos;s hardest: %1 per %2 the multiplication, %3 of %4 children know it.</extracomment>
        <translation>%1 times %2 (%3 of %4 know it)</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>No fact left to learn for the class.</translation>
    </message>
    <message>
        <source>I fatti più difficili per la classe: %1.</source>
        <extracomment>Under the class&apos;s map. %1: facts as &quot;7 per 8 (la sanno 3 su 22)&quot;.</extracomment>
        <translation>The class&apos;s hardest facts: %1.</translation>
    </message>
    <message>
        <source>Il ripasso è sempre quello di oggi, da tutte le partite.</source>
        <extracomment>After today&apos;s review under the facts map, when a period other than &quot;tutto&quot; is chosen.</extracomment>
        <translation>Practice is always today&apos;s, from every game.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s cell as a screen reader says it: %1 its column&apos;s name, %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Usa per giocare</source>
        <extracomment>Makes the child shown in the box &quot;Giocatore&quot; the one who plays on the board.</extracomment>
        <translation>&amp;Use to play</translation>
    </message>
    <message>
        <source>Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)</source>
        <translation>The player chosen here plays on the board (also with Enter on the name)</translation>
    </message>
    <message>
        <source>Ora gioca %1</source>
        <extracomment>What a screen reader says of the box &quot;Giocatore&quot;: who plays on the board now. %1: a name.</extracomment>
        <translation>Now playing: %1</translation>
    </message>
    <message>
        <source>giocatori.csv</source>
        <translation>players.csv</translation>
    </message>
    <message>
        <source>partite.csv</source>
        <translation>games.csv</translation>
    </message>
    <message>
        <source>Per il fo&amp;glio di calcolo</source>
        <translation>For a &amp;spreadsheet</translation>
    </message>
    <message>
        <source>Separatore &quot;%1&quot;, decimali con &quot;%2&quot;, date come 2026-12-07 10:15:03, UTF-8 con BOM.</source>
        <extracomment>%1: the CSV separator, %2: the decimal sign of the system&apos;s numbers. The date shows the spreadsheet&apos;s format and stays as it is.</extracomment>
        <translation>Separator &quot;%1&quot;, decimals with &quot;%2&quot;, dates as 2026-12-07 10:15:03, UTF-8 with BOM.</translation>
    </message>
    <message>
        <source>&amp;Standard per i programmi (RFC 4180)</source>
        <translation>S&amp;tandard for programs (RFC 4180)</translation>
    </message>
    <message>
        <source>Separatore &quot;,&quot;, punto decimale, date ISO 8601.</source>
        <translation>Separator &quot;,&quot;, decimal point, ISO 8601 dates.</translation>
    </message>
    <message>
        <source>-risposte</source>
        <extracomment>Added to the games&apos; file name for the answers&apos; file (&quot;partite-risposte.csv&quot;).</extracomment>
        <translation>-answers</translation>
    </message>
    <message>
        <source>Sen&amp;za fretta</source>
        <extracomment>A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the board, and practice never judges her slow.</extracomment>
        <translation>No hurr&amp;y</translation>
    </message>
    <message>
        <source>Senza fretta per questo giocatore</source>
        <translation>No hurry for this player</translation>
    </message>
    <message>
        <source>Niente cronometro nelle sue partite; il ripasso guarda solo giusto o sbagliato, mai la lentezza</source>
        <translation>No stopwatch in their games; practice looks only at right or wrong, never at slowness</translation>
    </message>
    <message>
        <source>Il registro non ha potuto segnare &quot;Senza fretta&quot;.</source>
        <extracomment>In the record window&apos;s status line when the mark &quot;Senza fretta&quot; cannot be written.</extracomment>
        <translation>The record could not mark &quot;No hurry&quot;.</translation>
    </message>
    <message>
        <source>-fatti</source>
        <extracomment>Added to the games&apos; file name for the facts&apos; file (&quot;partite-fatti.csv&quot;).</extracomment>
        <translation>-facts</translation>
    </message>
</context>
<context>
    <name>Giocatore</name>
    <message>
        <source>Ospite</source>
        <extracomment>The guest: whoever plays without choosing a name. Games are kept under the Italian word.</extracomment>
        <translation>Guest</translation>
    </message>
</context>
<context>
    <name>GraficoPartite</name>
    <message>
        <source>Andamento delle partite</source>
        <translation>Progress of the games</translation>
    </message>
    <message>
        <source>secondi per risposta</source>
        <extracomment>The chart&apos;s two lines, in the legends of its two plots.</extracomment>
        <translation>seconds per answer</translation>
    </message>
    <message>
        <source>errori ogni 10 risposte</source>
        <translation>mistakes per 10 answers</translation>
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
        <translation>No games</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>The title of the upper plot&apos;s axis, written upwards beside it; the legend says &quot;per answer&quot;. Short.</extracomment>
        <translation>seconds</translation>
    </message>
    <message>
        <source>errori</source>
        <extracomment>The title of the lower plot&apos;s axis, written upwards beside it; the legend says &quot;every 10 answers&quot;. Short.</extracomment>
        <translation>mistakes</translation>
    </message>
    <message>
        <source>ripassi</source>
        <extracomment>The chart&apos;s legend for the hollow circles: rounds of chosen facts (Ripassa).</extracomment>
        <translation>practice rounds</translation>
    </message>
    <message>
        <source>partite fermate</source>
        <extracomment>The chart&apos;s legend for the hollow triangles: games stopped before their end.</extracomment>
        <translation>stopped games</translation>
    </message>
</context>
<context>
    <name>LettoreClasse</name>
    <message>
        <source>il server %1 non si lascia leggere (%2)</source>
        <extracomment>Why the class cannot be read from the school&apos;s server, after &quot;perché&quot;; lower case, no final stop. %1: the server, %2: the server&apos;s own words.</extracomment>
        <translation>the server %1 cannot be read (%2)</translation>
    </message>
    <message>
        <source>la copia della classe non si scrive (%1)</source>
        <extracomment>Why the class cannot be read: its local copy cannot be written. %1: the database&apos;s words.</extracomment>
        <translation>the class&apos;s copy cannot be written (%1)</translation>
    </message>
</context>
<context>
    <name>LetturaClasse</name>
    <message>
        <source>la copia della classe non si può scrivere in %1</source>
        <extracomment>Why the class cannot be read, after &quot;perché&quot;; lower case. %1: the folder.</extracomment>
        <translation>the class&apos;s copy cannot be written in %1</translation>
    </message>
    <message>
        <source>Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di questo computer.</source>
        <extracomment>In the record window&apos;s status line. %1: the class&apos;s name.</extracomment>
        <translation>Class %1: reading from the server…; meanwhile only this computer&apos;s games are shown.</translation>
    </message>
    <message>
        <source>Si vedono le partite di tutta la classe %1, lette dal server alle %2.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was read (Italian says &quot;alle&quot; before a time).</extracomment>
        <translation>Showing the games of the whole class %1, read from the server at %2.</translation>
    </message>
    <message>
        <source>Si vedono le partite della classe %1 lette dal server alle %2; ora non si leggono, perché %3.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was last read, %3: why it cannot be read now (a lower-case reason).</extracomment>
        <translation>Showing the games of class %1 read from the server at %2; they cannot be read now, because %3.</translation>
    </message>
    <message>
        <source>Si vedono soltanto le partite di questo computer, perché %1.</source>
        <extracomment>%1: why the class cannot be read (a lower-case reason).</extracomment>
        <translation>Showing only this computer&apos;s games, because %1.</translation>
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
        <translation>Facts map</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of the facts map&apos;s legend. %1: the letter in the map&apos;s cells, or &quot;senza lettera&quot;; %2: the state&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>senza lettera</source>
        <translation>no letter</translation>
    </message>
    <message>
        <source>%1 per %2: %3</source>
        <extracomment>The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8), %3: its state.</extracomment>
        <translation>%1 times %2: %3</translation>
    </message>
    <message>
        <source>chiesta 1 volta</source>
        <extracomment>How many times a fact was asked (the fact, a multiplication, is feminine in Italian).</extracomment>
        <translation>asked once</translation>
    </message>
    <message numerus="yes">
        <source>chiesta %n volte</source>
        <translation>
            <numerusform>asked %n time</numerusform>
            <numerusform>asked %n times</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sbagliata</source>
        <extracomment>How many of its answers were wrong (feminine: &quot;risposte&quot;).</extracomment>
        <translation>1 wrong</translation>
    </message>
    <message numerus="yes">
        <source>%n sbagliate</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message>
        <source>; di solito %1 secondi</source>
        <extracomment>Appended to the words about a fact. %1: the child&apos;s usual seconds for it, one decimal.</extracomment>
        <translation>; usually %1 seconds</translation>
    </message>
    <message>
        <source>; %1, %2, l&apos;ultima %3</source>
        <translation>; %1, %2, last %3</translation>
    </message>
    <message>
        <source>; %1, %2, %3</source>
        <extracomment>The same for a fact asked once: %3 is the day it was asked, with the word before it.</extracomment>
        <translation>; %1, %2, %3</translation>
    </message>
    <message>
        <source>; da ripassare %1</source>
        <extracomment>Appended to the words about a sure fact. %1: the day it comes up for review, with the word before it (&quot;il 3 dicembre&quot;, &quot;l&apos;8 dicembre&quot;).</extracomment>
        <translation>; to practise again %1</translation>
    </message>
    <message>
        <source>%1 per %2: non chiesta in questo periodo</source>
        <extracomment>The words told about a fact that the games of the period chosen did not ask, though earlier ones did. %1 per %2: the multiplication.</extracomment>
        <translation>%1 times %2: not asked in this period</translation>
    </message>
</context>
<context>
    <name>Opzioni</name>
    <message>
        <source>numerella: %1: %2: %3 Valore ignorato.</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 the key, %3 what is wrong.</extracomment>
        <translation>numerella: %1: %2: %3 Value ignored.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi true oppure false.</source>
        <translation>&quot;%1&quot; is not right: write true or false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi quanti fatti ripassare, da 1 a 100.</source>
        <translation>&quot;%1&quot; is not right: write how many facts to practise, from 1 to 100.</translation>
    </message>
    <message>
        <source>numerella: %1: %2</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 what is wrong.</extracomment>
        <translation>numerella: %1: %2</translation>
    </message>
    <message>
        <source>è una cartella, non un file di impostazioni. Ignorata.</source>
        <translation>is a folder, not a settings file. Ignored.</translation>
    </message>
    <message>
        <source>non si può leggere: mancano i permessi. File ignorato.</source>
        <translation>cannot be read: permission denied. File ignored.</translation>
    </message>
    <message>
        <source>non si può leggere. File ignorato.</source>
        <translation>cannot be read. File ignored.</translation>
    </message>
    <message>
        <source>non è un file di testo. File ignorato.</source>
        <translation>is not a text file. File ignored.</translation>
    </message>
    <message>
        <source>la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.</source>
        <translation>line %1 is neither key=value nor [section]; check the file&apos;s lines.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: le lingue disponibili sono %2.</source>
        <extracomment>%1 is the language code given, %2 the list of the available ones (&quot;it, de, fr, ...&quot;).</extracomment>
        <translation>&quot;%1&quot; is not right: the languages available are %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: %2.</source>
        <translation>&quot;%1&quot; is not right: %2.</translation>
    </message>
    <message>
        <source>scrivi almeno una tabellina, per esempio 2,5,7 o 1-5</source>
        <translation>write at least one times table, for example 2,5,7 or 1-5</translation>
    </message>
    <message>
        <source>usa numeri da 1 a 10 e intervalli come 1-5</source>
        <translation>use numbers from 1 to 10 and ranges like 1-5</translation>
    </message>
    <message>
        <source>le tabelline vanno da 1 a 10</source>
        <translation>the times tables go from 1 to 10</translation>
    </message>
    <message>
        <source>l&apos;intervallo va scritto dal più piccolo al più grande</source>
        <translation>write a range from the smaller number to the larger</translation>
    </message>
    <message>
        <source>La Numerella: per esercitarsi sulla tavola pitagorica, dall&apos;1 × 1 al 10 × 10.</source>
        <translation>La Numerella: practise the times tables, from 1 × 1 to 10 × 10.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde.</source>
        <translation>The times tables to practise, with numbers and ranges from 1 to 10 (for example 2,5,7 or 1-5 or 1-3,8); the others start left out, in green.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <extracomment>In the help, the value of an option: a list of tables.</extracomment>
        <translation>LIST</translation>
    </message>
    <message>
        <source>Parte con il suono spento (si riaccende con la casella del suono).</source>
        <translation>Starts with the sound off (turn it back on with the sound box).</translation>
    </message>
    <message>
        <source>Parte a schermo intero.</source>
        <translation>Starts in full screen.</translation>
    </message>
    <message>
        <source>Chi gioca: le partite vanno nel registro sotto questo nome (nuovo se non c&apos;è ancora), che resta scelto.</source>
        <translation>Who is playing: the games go into the record under this name (new if not there yet), which stays chosen.</translation>
    </message>
    <message>
        <source>NOME</source>
        <extracomment>In the help, the value of an option: a child&apos;s name.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file (per esempio su una chiavetta) invece che in quello solito.</source>
        <translation>On its own, opens only the record window. With FILE, keeps the record in that file (for example on a USB stick) instead of the usual one.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In the help, the value of an option: a file&apos;s name.</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, qualcuno già sicuro, gli altri in verde.</source>
        <translation>Starts with today&apos;s practice round for the player: the facts to learn and to practise again, a few already known, the others in green.</translation>
    </message>
    <message>
        <source>Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce.</source>
        <translation>Writes all the games in the record, one line per game, to FILE (CSV) and exits.</translation>
    </message>
    <message>
        <source>Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce.</source>
        <translation>Writes all the answers in the record, one line per question, to FILE (CSV) and exits.</translation>
    </message>
    <message>
        <source>Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i programmi (RFC 4180: virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo nella lingua del sistema.</source>
        <translation>With --esporta, --esporta-risposte and --esporta-fatti, writes the standard CSV for programs (RFC 4180: comma, decimal point, ISO 8601 dates) instead of the one for a spreadsheet in the system&apos;s language.</translation>
    </message>
    <message>
        <source>Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce.</source>
        <translation>Writes the state of every fact of every player, one line per fact, to FILE (CSV) and exits.</translation>
    </message>
    <message>
        <source>Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui.</source>
        <translation>Just this once, sends the games to the school server URL (postgresql://user@server/database) instead of the one in numerella.conf. The password goes in ~/.pgpass, never here.</translation>
    </message>
    <message>
        <source>URL</source>
        <extracomment>In the help, the value of an option: a server&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>La lingua del programma, tra %1, invece di quella del sistema.</source>
        <translation>The program&apos;s language, one of %1, instead of the system&apos;s.</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>In the help, the value of an option: a language&apos;s code.</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>numerella: %1
Per l&apos;elenco delle opzioni: numerella --help
</source>
        <translation>numerella: %1
For the list of options: numerella --help
</translation>
    </message>
    <message>
        <source>argomento inatteso &quot;%1&quot;.</source>
        <translation>unexpected argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.</source>
        <translation>--giocatore: the name must fit on one line, at most %1 characters.</translation>
    </message>
    <message>
        <source>numerella: non riesco a leggere il registro: %1
</source>
        <translation>numerella: cannot read the record: %1
</translation>
    </message>
    <message>
        <source>numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.
</source>
        <translation>numerella: no screen available: La Numerella opens only in a graphical session.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi leggibile oppure normale.</source>
        <translation>&quot;%1&quot; is not valid: write leggibile or normale.</translation>
    </message>
    <message>
        <source>Legge ad alta voce le domande, giusto e sbagliato, la pausa e la fine (si spegne con la casella &quot;Leggi ad alta voce&quot;).</source>
        <translation>Reads aloud the questions, right and wrong, the pause and the end (turned off with the &quot;Read aloud&quot; box).</translation>
    </message>
    <message>
        <source>Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il ripasso non giudica la lentezza.</source>
        <translation>No hurry: no stopwatch, no time shown, said or printed, and practice never judges slowness.</translation>
    </message>
    <message>
        <source>Con &quot;leggibile&quot; scrive le parole in un carattere fatto per chi ha la dislessia (le cifre restano come sono).</source>
        <translation>With &quot;leggibile&quot;, writes the words in a typeface made for readers with dyslexia (the digits stay as they are).</translation>
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
        <translation>the folder %1 cannot be written to</translation>
    </message>
    <message>
        <source>il file %1 non si può aprire</source>
        <extracomment>The same kind of reason; in all of these %1 is the record&apos;s file.</extracomment>
        <translation>the file %1 cannot be opened</translation>
    </message>
    <message>
        <source>il file %1 si può soltanto leggere</source>
        <translation>the file %1 is read-only</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>un altro programma tiene occupato il file %1</source>
        <translation>another program is holding the file %1</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato e non si può mettere da parte (%2)</source>
        <translation>the file %1 is damaged and cannot be set aside (%2)</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato</source>
        <translation>the file %1 is damaged</translation>
    </message>
    <message>
        <source>il file %1 non è un registro della Numerella, e resta com&apos;è</source>
        <translation>the file %1 is not a La Numerella record, and is left as it is</translation>
    </message>
    <message>
        <source>il file %1 non c&apos;è</source>
        <translation>the file %1 does not exist</translation>
    </message>
    <message>
        <source>il file %1 è di una versione più nuova della Numerella</source>
        <translation>the file %1 is from a newer version of La Numerella</translation>
    </message>
    <message>
        <source>il file %1 non si può usare</source>
        <translation>the file %1 cannot be used</translation>
    </message>
    <message>
        <source>Il registro delle partite era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.</source>
        <extracomment>%1: the damaged file&apos;s new name.</extracomment>
        <translation>The record of games was damaged: it has been set aside as %1 and a new one has been started.</translation>
    </message>
    <message>
        <source>Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, ma le partite non saranno ricordate.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>The record of games is not being kept: %1. You can still play, but the games will not be remembered.</translation>
    </message>
    <message>
        <source>Il registro delle partite per ora non si può scrivere: %1. Le risposte restano in memoria e saranno scritte appena si potrà: non chiudere il programma.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>The record of games cannot be written for now: %1. The answers stay in memory and will be written as soon as possible: do not close the program.</translation>
    </message>
</context>
<context>
    <name>Speditore</name>
    <message>
        <source>la partita di %1 del %2: %3</source>
        <extracomment>A game the school&apos;s server refused, listed after &quot;Il server non ha preso&quot;. %1: the child, %2: when the game began (Italian: &quot;del 7/12/2026 10:15&quot;), %3: the server&apos;s own words.</extracomment>
        <translation>%1&apos;s game from %2: %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>When a refused game began, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>d/M/yyyy HH:mm</translation>
    </message>
    <message>
        <source>il registro di questo computer non si legge (%1)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the database&apos;s words.</extracomment>
        <translation>this computer&apos;s record cannot be read (%1)</translation>
    </message>
    <message>
        <source>il server %1 non ha preso una partita (%2)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the server, %2: its words.</extracomment>
        <translation>the server %1 did not take a game (%2)</translation>
    </message>
</context>
<context>
    <name>Spedizione</name>
    <message>
        <source>Server della scuola (%1, classe %2)</source>
        <extracomment>The start of the sender&apos;s lines in the record window&apos;s status. %1: the server, %2: the class&apos;s name.</extracomment>
        <translation>School server (%1, class %2)</translation>
    </message>
    <message>
        <source>%1: collegamento in corso.</source>
        <extracomment>In all of the sender&apos;s lines, %1 is &quot;Server della scuola (…)&quot;.</extracomment>
        <translation>%1: connecting.</translation>
    </message>
    <message>
        <source>%1: tutte le partite sono arrivate.</source>
        <translation>%1: all the games have arrived.</translation>
    </message>
    <message>
        <source>%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.</source>
        <extracomment>%2: why the server cannot be reached now (a lower-case reason).</extracomment>
        <translation>%1: no games are waiting, but it cannot be reached now, because %2.</translation>
    </message>
    <message>
        <source>Il server non ha preso %1.</source>
        <extracomment>After the sender&apos;s line. %1: the refused games, each &quot;la partita di … del …: …&quot;, joined by &quot;; &quot;.</extracomment>
        <translation>The server did not take %1.</translation>
    </message>
    <message>
        <source>%1: collegamento in corso, 1 partita in attesa.</source>
        <extracomment>Games ended here wait while the sender reaches the server for the first time.</extracomment>
        <translation>%1: connecting, 1 game waiting.</translation>
    </message>
    <message numerus="yes">
        <source>%1: collegamento in corso, %n partite in attesa.</source>
        <translation>
            <numerusform>%1: connecting, %n game waiting.</numerusform>
            <numerusform>%1: connecting, %n games waiting.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa di essere mandata.</source>
        <extracomment>Games ended here and not yet on the server; the server could be reached at the last try.</extracomment>
        <translation>%1: 1 game is waiting to be sent.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa di essere mandate.</source>
        <translation>
            <numerusform>%1: %n game is waiting to be sent.</numerusform>
            <numerusform>%1: %n games are waiting to be sent.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa su questo computer, perché %2.</source>
        <extracomment>Games kept here because the server cannot be reached. %2: why (a lower-case reason).</extracomment>
        <translation>%1: 1 game is waiting on this computer, because %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa su questo computer, perché %2.</source>
        <translation>
            <numerusform>%1: %n game is waiting on this computer, because %2.</numerusform>
            <numerusform>%1: %n games are waiting on this computer, because %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tipografia</name>
    <message>
        <source>Nome</source>
        <extracomment>The title of the dialog asking the child&apos;s name before the board is printed.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Scrivi il tuo nome.</source>
        <extracomment>Said to the child, who writes the name to print on the page.</extracomment>
        <translation>Write your name.</translation>
    </message>
    <message>
        <source>Non trovo nessuna stampante.</source>
        <translation>I cannot find any printer.</translation>
    </message>
    <message>
        <source>Non riesco a stampare su &quot;%1&quot;.</source>
        <extracomment>%1: the printer&apos;s name, or the file printed to.</extracomment>
        <translation>I cannot print to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non accetta lavori in questo momento.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>The printer &quot;%1&quot; is not taking jobs right now.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non ha preso la pagina.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>The printer &quot;%1&quot; did not take the page.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The title of a message about printing.</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>%1
Vuoi scegliere un&apos;altra stampante o salvare la pagina in PDF?</source>
        <extracomment>%1: what went wrong, one of the messages above.</extracomment>
        <translation>%1
Do you want to choose another printer or save the page as a PDF?</translation>
    </message>
</context>
<context>
    <name>andamento</name>
    <message>
        <source>Ancora nessuna partita intera.</source>
        <extracomment>The chart&apos;s sentence on a child&apos;s trend, under the chart in the record window and on the printed report.</extracomment>
        <translation>No full games yet.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana nessuna partita intera; prima: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers already in the locale&apos;s form).</extracomment>
        <translation>In the last week no full games; before: %1 seconds per answer, %2 mistakes per 10 answers.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer in the last week, %2: mistakes every 10 answers in it.</extracomment>
        <translation>In the last week: %1 seconds per answer, %2 mistakes per 10 answers.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 risposte, prima %4.</source>
        <extracomment>%1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in the last week and before it.</extracomment>
        <translation>In the last week: %1 seconds per answer, before %2; %3 mistakes per 10 answers, before %4.</translation>
    </message>
</context>
<context>
    <name>apprendimento</name>
    <message>
        <source>mai chiesta</source>
        <extracomment>A fact&apos;s state (a multiplication such as 7 × 8, feminine in Italian: &quot;la moltiplicazione&quot;), lower case: in the facts map&apos;s legend, the words told about a fact and the printed report. Keep it short.</extracomment>
        <translation>never asked</translation>
    </message>
    <message>
        <source>da imparare</source>
        <translation>to learn</translation>
    </message>
    <message>
        <source>sicura</source>
        <translation>known</translation>
    </message>
    <message>
        <source>da ripassare</source>
        <translation>to practise again</translation>
    </message>
    <message>
        <source>quasi sicura</source>
        <extracomment>A fact likely known: answered right and quick, but not yet often enough to be sure.</extracomment>
        <translation>nearly known</translation>
    </message>
</context>
<context>
    <name>classe</name>
    <message>
        <source>%1 per %2: la sanno %3 su %4</source>
        <extracomment>The words about a fact of the class&apos;s map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of the %4 children know it.</extracomment>
        <translation>%1 times %2: %3 of %4 know it</translation>
    </message>
    <message>
        <source>; da imparare per %1</source>
        <extracomment>Appended to the words about a fact of the class&apos;s map. %1: the children, &quot;Anna, Marco&quot;.</extracomment>
        <translation>; still to learn for %1</translation>
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
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>non riesco a leggere il registro</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;.</extracomment>
        <translation>cannot read the record</translation>
    </message>
</context>
<context>
    <name>frasi</name>
    <message>
        <source>dell&apos;1</source>
        <extracomment>Italian elides the article before a number read with a vowel (&quot;dell&apos;1&quot;, &quot;dell&apos;8&quot;, &quot;del 7&quot;). The table of n after the word for &quot;table&quot;; translate each number as your language says it.</extracomment>
        <translation>1 times table</translation>
    </message>
    <message>
        <source>del 2</source>
        <translation>2 times table</translation>
    </message>
    <message>
        <source>del 3</source>
        <translation>3 times table</translation>
    </message>
    <message>
        <source>del 4</source>
        <translation>4 times table</translation>
    </message>
    <message>
        <source>del 5</source>
        <translation>5 times table</translation>
    </message>
    <message>
        <source>del 6</source>
        <translation>6 times table</translation>
    </message>
    <message>
        <source>del 7</source>
        <translation>7 times table</translation>
    </message>
    <message>
        <source>dell&apos;8</source>
        <translation>8 times table</translation>
    </message>
    <message>
        <source>del 9</source>
        <translation>9 times table</translation>
    </message>
    <message>
        <source>del 10</source>
        <translation>10 times table</translation>
    </message>
    <message>
        <source>all&apos;1</source>
        <extracomment>&quot;Up to the table of n&quot;: Italian elides the article before a number read with a vowel (&quot;all&apos;1&quot;, &quot;all&apos;8&quot;, &quot;al 7&quot;).</extracomment>
        <translation>1</translation>
    </message>
    <message>
        <source>al 2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>al 3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>al 4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>al 5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>al 6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>al 7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>all&apos;8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>al 9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>al 10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>1 secondo</source>
        <extracomment>Exactly one second.</extracomment>
        <translation>1 second</translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun errore</source>
        <extracomment>No wrong answer in the game.</extracomment>
        <translation>no mistakes</translation>
    </message>
    <message>
        <source>1 errore</source>
        <extracomment>Exactly one wrong answer.</extracomment>
        <translation>1 mistake</translation>
    </message>
    <message numerus="yes">
        <source>%n errori</source>
        <extracomment>Never said for 0 or 1, which have texts of their own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n mistake</numerusform>
            <numerusform>%n mistakes</numerusform>
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
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 e %2, %3</source>
        <extracomment>Minutes, seconds and errors, e.g. &quot;2 minuti e 14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1 and %2, %3</translation>
    </message>
    <message>
        <source>Nessuna tabellina rimasta</source>
        <translation>No times tables left</translation>
    </message>
    <message>
        <source>Resta la tabellina %1</source>
        <extracomment>%1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated above.</extracomment>
        <translation>Only the %1 is left</translation>
    </message>
    <message>
        <source>Restano tutte le tabelline</source>
        <translation>All the times tables are in play</translation>
    </message>
    <message>
        <source>Restano le tabelline da %1 a %2</source>
        <translation>The %1 to %2 times tables are in play</translation>
    </message>
    <message>
        <source>Restano le tabelline %1 e %2</source>
        <extracomment>%1 is a list such as &quot;1, 3, 5&quot;, %2 the last table.</extracomment>
        <translation>The %1 and %2 times tables are in play</translation>
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
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>2</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>3</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>4</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>5</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>6</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>7</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>8</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>9</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>10</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>11</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>12</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>13</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>14</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>15</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>16</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>17</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>18</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>19</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>20</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>21</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>22</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>23</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>24</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>25</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>26</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>27</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>28</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>29</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>30</comment>
        <translation>on %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>31</comment>
        <translation>on %1</translation>
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
        <translation>Seconds per answer</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Mistakes per 10 answers</translation>
    </message>
    <message>
        <source>Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. ● partita intera (unite dalla linea)   ○ ripasso o partita fermata</source>
        <extracomment>Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.</extracomment>
        <translation>Each mark is a game; games of the same day stand side by side. ● full game (joined by the line)   ○ practice round or stopped game</translation>
    </message>
    <message>
        <source>I fatti: riga per colonna</source>
        <translation>The facts: row times column</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 times %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi</source>
        <translation>Today&apos;s practice</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capirlo.</source>
        <translation>Not enough games yet to tell.</translation>
    </message>
    <message>
        <source>Registro di %1</source>
        <translation>Record for %1</translation>
    </message>
    <message>
        <source>1 partita</source>
        <extracomment>How many games the report shows.</extracomment>
        <translation>1 game</translation>
    </message>
    <message numerus="yes">
        <source>%n partite</source>
        <translation>
            <numerusform>%n game</numerusform>
            <numerusform>%n games</numerusform>
        </translation>
    </message>
    <message>
        <source>Le partite</source>
        <translation>The games</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the column &quot;Com&apos;è finita&quot;.</extracomment>
        <translation>in progress</translation>
    </message>
    <message>
        <source>%1 (ripasso)</source>
        <extracomment>How a review round ended: %1 is &quot;finita&quot;, &quot;fermata&quot; or &quot;interrotta&quot;.</extracomment>
        <translation>%1 (practice)</translation>
    </message>
    <message>
        <source>Nessuna partita in questo periodo.</source>
        <translation>No games in this period.</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The printed games table&apos;s column headers; narrow columns (fractions of the page&apos;s width).</extracomment>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Times tables</translation>
    </message>
    <message>
        <source>Risposte giuste</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Mistakes</translation>
    </message>
    <message>
        <source>Com&apos;è finita</source>
        <translation>How it ended</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>All players</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Last game</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Mistakes per game</translation>
    </message>
    <message>
        <source>Fatti più difficili</source>
        <translation>Hardest facts</translation>
    </message>
    <message>
        <source>I</source>
        <extracomment>The letter in the facts map&apos;s cells for a fact to learn: the initial of &quot;da imparare&quot;. One letter.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter for a fact to review: the initial of &quot;da ripassare&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>P</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The letter for a sure fact: the initial of &quot;sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The letter for a fact likely known: the initial of &quot;quasi sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <extracomment>The period of the printed report&apos;s games: all of them.</extracomment>
        <translation>the whole record</translation>
    </message>
    <message>
        <source>Periodo: %1 · %2 · stampato %3</source>
        <extracomment>Under the report&apos;s title. %1: the period (&quot;tutto il registro&quot;), %2: &quot;N partite&quot;, %3: today&apos;s date with the word before it, as translated in &quot;giorno&quot; (&quot;il 03/12/2026&quot;, &quot;l&apos;08/12/2026&quot;).</extracomment>
        <translation>Period: %1 · %2 · printed %3</translation>
    </message>
    <message>
        <source>Periodo: %1 · stampato %2</source>
        <extracomment>%2: today&apos;s date with the word before it, as translated in &quot;giorno&quot;.</extracomment>
        <translation>Period: %1 · printed %2</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The period of the printed report&apos;s games: those of today.</extracomment>
        <translation>today</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <extracomment>The period of the printed report&apos;s games: this week&apos;s, from Monday.</extracomment>
        <translation>this week</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>this month</translation>
    </message>
    <message>
        <source>La classe: i fatti</source>
        <extracomment>The title of the printed class&apos;s map.</extracomment>
        <translation>The class: the facts</translation>
    </message>
    <message numerus="yes">
        <source>I bambini (%n): %1</source>
        <extracomment>Above the printed class&apos;s map. %1: the children&apos;s names.</extracomment>
        <translation>
            <numerusform>The children (%n): %1</numerusform>
            <numerusform>The children (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the printed class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>In each cell: how many children know the fact, out of how many. Red: none; yellow: half; green: all.</translation>
    </message>
    <message>
        <source>I fatti da imparare, i più difficili per primi</source>
        <translation>The facts to learn, the hardest first</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>No fact left to learn for the class.</translation>
    </message>
</context>
</TS>
