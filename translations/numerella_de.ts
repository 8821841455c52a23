<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>Cella</name>
    <message>
        <source>esclusa</source>
        <extracomment>Told after a cell of a table left out of the game.</extracomment>
        <translation>weggelassen</translation>
    </message>
</context>
<context>
    <name>Collegamento</name>
    <message>
        <source>in %1 il valore di %2 contiene un punto e virgola, che non può avere</source>
        <extracomment>Why the school&apos;s server is not used, put into longer messages after &quot;perché&quot;; lower case and no final stop, as all the reasons here. %1: the settings file, %2: the key (server, classe, file-password: keep these words as they are).</extracomment>
        <translation>in %1 enthält der Wert von %2 ein Semikolon, das dort nicht stehen darf</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server in numerella.conf non va bene: %1</source>
        <extracomment>%1: what is wrong with the address, one of the lower-case reasons below. Keep &quot;numerella.conf&quot;.</extracomment>
        <translation>die Adresse des Servers in numerella.conf stimmt nicht: %1</translation>
    </message>
    <message>
        <source>deve cominciare con postgresql://</source>
        <extracomment>What is wrong with the server&apos;s address. Keep &quot;postgresql://&quot;.</extracomment>
        <translation>sie muss mit postgresql:// beginnen</translation>
    </message>
    <message>
        <source>non può contenere il punto e virgola</source>
        <translation>sie darf kein Semikolon enthalten</translation>
    </message>
    <message>
        <source>la password non va scritta nell&apos;indirizzo: mettila in ~/.pgpass o nel file indicato da file-password</source>
        <translation>das Passwort gehört nicht in die Adresse: schreib es in ~/.pgpass oder in die Datei, die file-password angibt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un nome di server</source>
        <extracomment>%1: a piece of the server&apos;s address.</extracomment>
        <translation>„%1“ ist kein Servername</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un parametro di connessione</source>
        <translation>„%1“ ist kein Verbindungsparameter</translation>
    </message>
    <message>
        <source>manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)</source>
        <translation>das Qt-Modul für PostgreSQL fehlt (das Paket libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile soltanto da root e da un gruppo (chmod 640)</source>
        <extracomment>%1: the password file&apos;s path.</extracomment>
        <translation>die Passwortdatei %1 ist für alle lesbar oder beschreibbar: sie darf nur für root und eine Gruppe lesbar sein (chmod 640)</translation>
    </message>
    <message>
        <source>il file della password %1 non si può leggere</source>
        <translation>die Passwortdatei %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>sul server %1 non c&apos;è il registro della Numerella (va preparato con numerella-server.sql)</source>
        <extracomment>%1: the server. Keep &quot;numerella-server.sql&quot;, the file an admin runs on it.</extracomment>
        <translation>auf dem Server %1 gibt es kein Lernheft von La Numerella (es wird mit numerella-server.sql eingerichtet)</translation>
    </message>
    <message>
        <source>il server %1 ha il registro della versione %2, ma questa Numerella usa la versione %3: va aggiornato il programma o il server</source>
        <extracomment>%1: the server, %2: its version of the record, %3: the version this program uses.</extracomment>
        <translation>der Server %1 hat das Lernheft in Version %2, dieses Programm verwendet aber Version %3: Programm oder Server müssen aktualisiert werden</translation>
    </message>
    <message>
        <source>il server %1 non risponde o non accetta la connessione (%2)</source>
        <extracomment>%1: the server, %2: the server&apos;s or the network&apos;s own words.</extracomment>
        <translation>der Server %1 antwortet nicht oder nimmt die Verbindung nicht an (%2)</translation>
    </message>
</context>
<context>
    <name>FinePartita</name>
    <message>
        <source>finita</source>
        <extracomment>How a game ended, in the games list&apos;s column &quot;Esito&quot; and on the printed report: every cell answered.</extracomment>
        <translation>fertig</translation>
    </message>
    <message>
        <source>fermata</source>
        <extracomment>How a game ended: stopped by the child with Stop.</extracomment>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>interrotta</source>
        <extracomment>How a game ended: cut off because the program was closed or died.</extracomment>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>FrmChiGioca</name>
    <message>
        <source>Chi gioca?</source>
        <extracomment>Asked before the first game when several children share the computer; the title and the question.</extracomment>
        <translation>Wer spielt?</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source> Completa la Numerella e avrai la possibilità di stamparla con il tuo nome.</source>
        <extracomment>One line of the instructions window; each line has a label of its own and about this length.</extracomment>
        <translation> Füll La Numerella ganz aus, dann kannst du sie mit deinem Namen drucken.</translation>
    </message>
    <message>
        <source> Un cronometro, in alto a destra, misurerà il tempo impiegato.</source>
        <translation> Eine Stoppuhr oben rechts misst, wie lange du brauchst.</translation>
    </message>
    <message>
        <source> Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Wenn du mit der linken Maustaste auf die blinkenden Zahlen oben klickst, auf die</translation>
    </message>
    <message>
        <source> da una mano, potrai escludere una o più tabelline dalla Numerella.</source>
        <translation> eine Hand zeigt, kannst du eine oder mehrere Reihen aus La Numerella weglassen.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Wenn du zum Beispiel auf 4, 6, 7 und 8 klickst, übst du nur die Reihen</translation>
    </message>
    <message>
        <source> dell&apos;1, 2, 3, 5, 9 e 10</source>
        <translation> 1, 2, 3, 5, 9 und 10.</translation>
    </message>
    <message>
        <source> Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Klickst du dagegen mit der rechten Maustaste, lässt du alles weg, was rechts</translation>
    </message>
    <message>
        <source> del numero scelto</source>
        <translation> von der gewählten Zahl steht.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall&apos;1 al 5.</source>
        <translation> Wenn du zum Beispiel auf die 5 klickst, übst du nur die Reihen von 1 bis 5.</translation>
    </message>
    <message>
        <source>   Buon lavoro da:</source>
        <extracomment>The signature at the end of the instructions goes on in the next two lines.</extracomment>
        <translation>   Viel Erfolg wünschen dir:</translation>
    </message>
    <message>
        <source>   gli sviluppatori della Numerella,</source>
        <translation>   die Entwickler von La Numerella,</translation>
    </message>
    <message>
        <source>   un programma libero (licenza GNU GPL 3 o successiva).</source>
        <translation>   einem freien Programm (Lizenz GNU GPL 3 oder neuer).</translation>
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
        <translation> Vorlesen: La Numerella sagt die Aufgaben an (numerella --voce).</translation>
    </message>
    <message>
        <source> Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta).</source>
        <extracomment>One short line of the instructions: no stopwatch, no judging by speed.</extracomment>
        <translation> Ohne Eile: keine Stoppuhr, nur richtig oder falsch zählt (--senza-fretta).</translation>
    </message>
    <message>
        <source> Carattere leggibile, per chi ha la dislessia: --carattere leggibile.</source>
        <extracomment>One short line of the instructions: the face for readers with dyslexia.</extracomment>
        <translation> Gut lesbare Schrift bei Legasthenie: --carattere leggibile.</translation>
    </message>
</context>
<context>
    <name>FrmNumerella</name>
    <message>
        <source>Nessuna tabellina da fare: riprendine una con Alt e il suo numero.</source>
        <translation>Keine Reihe mehr übrig: Hol eine mit Alt und ihrer Zahl zurück.</translation>
    </message>
    <message>
        <source>La partita è già cominciata.</source>
        <translation>Die Runde hat schon angefangen.</translation>
    </message>
    <message>
        <source>Nessuna partita da fermare.</source>
        <translation>Es läuft keine Runde, die du stoppen kannst.</translation>
    </message>
    <message>
        <source>Nessuna partita in corso. Ctrl+N per cominciare.</source>
        <translation>Gerade läuft keine Runde. Strg+N zum Anfangen.</translation>
    </message>
    <message>
        <source>Complimenti. Hai finito.</source>
        <translation>Super! Du bist fertig.</translation>
    </message>
    <message>
        <source>Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3</source>
        <extracomment>%2 is &quot;del 7&quot; or &quot;dell&apos;8&quot;, %3 &quot;al 7&quot; or &quot;all&apos;8&quot;, as translated in the sentences (&quot;frasi&quot;); Maiusc is the Shift key.</extracomment>
        <translation>Alt+%1: %2 weglassen oder zurückholen; Alt+Umschalt+%1: nur die Reihen bis %3 behalten</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A question on the board, as a screen reader says it: &quot;6 per 8&quot; is six times eight.</extracomment>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>Avvio</source>
        <extracomment>The button that starts a game.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops the game under way.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Pausa</source>
        <extracomment>The button that pauses the game.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Riprendi</source>
        <extracomment>The button that resumes the paused game.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that opens the instructions.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The button that prints the finished table.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Silenzio</source>
        <extracomment>The sound switch, as a screen reader names it.</extracomment>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Ctrl+P o il tasto Pausa</source>
        <extracomment>The keys of Pause and Resume, told after their names.</extracomment>
        <translation>Strg+P oder die Pause-Taste</translation>
    </message>
    <message>
        <source>Tastierino numerico</source>
        <extracomment>The caption of the on-screen keypad&apos;s frame.</extracomment>
        <translation>Ziffernblock</translation>
    </message>
    <message>
        <source>Tasto %1</source>
        <extracomment>A key of the on-screen keypad, e.g. &quot;Tasto 7&quot;.</extracomment>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Cancella</source>
        <extracomment>The keypad&apos;s erase key.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The keypad&apos;s key that gives the answer.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cronometro</source>
        <extracomment>The stopwatch&apos;s frame.</extracomment>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>The stopwatch&apos;s minutes, as a screen reader names them.</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>minuti</source>
        <extracomment>Beside the stopwatch&apos;s minutes.</extracomment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Secondi</source>
        <extracomment>The stopwatch&apos;s seconds, as a screen reader names them.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>Beside the stopwatch&apos;s seconds.</extracomment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Errori</source>
        <extracomment>The errors counter&apos;s heading.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Ctrl+T dice il tempo e gli errori</source>
        <extracomment>The keys of the stopwatch and the errors counter, told after their names.</extracomment>
        <translation>Strg+T sagt die Zeit und die Fehler</translation>
    </message>
    <message>
        <source>Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; F11: schermo intero</source>
        <translation>Strg+N: neue Runde; Strg+P: Pause und weiter; Strg+S: Stopp; Strg+T: Zeit und Fehler; Alt+Zahl: Reihe weglassen oder zurückholen; F11: Vollbild</translation>
    </message>
    <message>
        <source>Software libero, GPL</source>
        <extracomment>A small line under the title: the program is free software under the GPL.</extracomment>
        <translation>Freie Software, GPL</translation>
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
        <translation>Pause.</translation>
    </message>
    <message>
        <source>Pausa. Ctrl+P per riprendere.</source>
        <translation>Pause. Strg+P zum Weitermachen.</translation>
    </message>
    <message>
        <source>Si riprende.</source>
        <extracomment>Told when the paused game resumes, before the question.</extracomment>
        <translation>Weiter geht&apos;s.</translation>
    </message>
    <message>
        <source>Registro</source>
        <extracomment>The title of a warning about the record of games.</extracomment>
        <translation>Lernheft</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <extracomment>The title of the question before a review (&quot;Ripassa&quot;: practise the hard facts).</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.

Vuoi lasciarla e ripassare?</source>
        <translation>Du spielst gerade eine Runde. Wenn du jetzt übst, ist diese Runde hier zu Ende.

Willst du sie beenden und üben?</translation>
    </message>
    <message>
        <source>&amp;Sì, ripasso</source>
        <translation>&amp;Ja, ich übe</translation>
    </message>
    <message>
        <source>&amp;No, continuo la partita</source>
        <translation>&amp;Nein, ich spiele weiter</translation>
    </message>
    <message>
        <source>Lasciare la partita per ripassare?</source>
        <translation>Die Runde beenden und üben?</translation>
    </message>
    <message>
        <source>Partita fermata.</source>
        <translation>Runde gestoppt.</translation>
    </message>
    <message>
        <source>Sbagliato, 1 errore.</source>
        <extracomment>A wrong answer, and the errors so far.</extracomment>
        <translation>Falsch, 1 Fehler.</translation>
    </message>
    <message numerus="yes">
        <source>Sbagliato, %n errori.</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>Falsch, %n Fehler.</numerusform>
            <numerusform>Falsch, %n Fehler.</numerusform>
        </translation>
    </message>
    <message>
        <source>Giusto!</source>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Tabellina %1 esclusa</source>
        <extracomment>A table left out of the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>%1 weggelassen</translation>
    </message>
    <message>
        <source>Tabellina %1 ripresa</source>
        <extracomment>A table back in the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>%1 wieder dabei</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences said one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare. Si gioca una partita normale.</source>
        <translation>Heute gibt es nichts zu üben. Wir spielen eine normale Runde.</translation>
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
            <numerusform>Heute üben: %n Aufgabe</numerusform>
            <numerusform>Heute üben: %n Aufgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+R apre il registro: lì c&apos;è il pulsante Ripassa</source>
        <extracomment>How to reach the practice round from the board.</extracomment>
        <translation>Strg+R öffnet das Lernheft: Dort ist der Knopf „Üben“</translation>
    </message>
    <message>
        <source>Voce non disponibile</source>
        <extracomment>The voice switch when the computer has no speech service: short, it is a small box.</extracomment>
        <translation>Keine Stimme da</translation>
    </message>
    <message>
        <source>Per leggere ad alta voce serve il servizio di sintesi vocale (speech-dispatcher). Il gioco va avanti senza.</source>
        <translation>Zum Vorlesen braucht es den Sprachausgabedienst (speech-dispatcher). Das Spiel geht ohne ihn weiter.</translation>
    </message>
    <message>
        <source>Leggi ad alta voce</source>
        <extracomment>The switch that reads the game aloud.</extracomment>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>sto aggiornando il registro…</source>
        <extracomment>Under the grid for the few seconds the record of an older version is brought up to date; the board can be used meanwhile.</extracomment>
        <translation>Das Lernheft wird aktualisiert …</translation>
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
        <translation>läuft</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Lernheft</translation>
    </message>
    <message>
        <source>&amp;Giocatore:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <extracomment>The players table&apos;s column headers; &quot;Sicure&quot;, &quot;Da ripassare&quot;, &quot;Da imparare&quot; count facts (feminine in Italian) in each state.</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>&amp;Nuovo…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>Rino&amp;mina…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Togli…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>S&amp;vuota…</source>
        <translation>&amp;Leeren…</translation>
    </message>
    <message>
        <source>Toglie tutte le partite del giocatore; il giocatore resta</source>
        <translation>Entfernt alle Runden des Kindes; das Kind bleibt</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The periods whose games the window shows, in the box &quot;Periodo:&quot;.</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>diese Woche</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>dieser Monat</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The chart&apos;s points as a table: when, what kind of game, its two numbers.
----------
The games list&apos;s column headers: when the game began, the tables in play, the time on the stopwatch (m:ss), wrong answers, how it ended.</extracomment>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Partite</source>
        <translation>&amp;Runden</translation>
    </message>
    <message>
        <source>Mostra anc&amp;he ripassi e partite fermate</source>
        <translation>Auch Übungsrunden und gestoppte Runden zei&amp;gen</translation>
    </message>
    <message>
        <source>Andamento in numeri</source>
        <translation>Verlauf in Zahlen</translation>
    </message>
    <message>
        <source>&amp;Andamento</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Fatto scelto</source>
        <translation>Gewählte Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Fatti</source>
        <translation>&amp;Aufgaben</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Alle Kinder</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Letzte Runde</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Sekunden pro Antwort</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Fehler pro Runde</translation>
    </message>
    <message>
        <source>Sicure</source>
        <translation>Sitzen sicher</translation>
    </message>
    <message>
        <source>Da ripassare</source>
        <translation>Wieder dran</translation>
    </message>
    <message>
        <source>Da imparare</source>
        <translation>Noch üben</translation>
    </message>
    <message>
        <source>G&amp;iocatori</source>
        <translation>K&amp;inder</translation>
    </message>
    <message>
        <source>&amp;Ripassa</source>
        <translation>Ü&amp;ben</translation>
    </message>
    <message>
        <source>Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro</source>
        <translation>Eine Runde mit den Aufgaben, die heute zu lernen und zu wiederholen sind, und ein paar, die schon sitzen</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>T&amp;ogli la partita…</source>
        <translation>Runde en&amp;tfernen…</translation>
    </message>
    <message>
        <source>Esporta la ta&amp;bella…</source>
        <translation>Tabelle ex&amp;portieren…</translation>
    </message>
    <message>
        <source>Il registro è in %1.</source>
        <translation>Das Lernheft liegt in %1.</translation>
    </message>
    <message>
        <source>Qui si vede il registro della classe sul server della scuola: da questo computer non si possono togliere partite né svuotare il registro di un giocatore; lo fa l&apos;insegnante sul server.</source>
        <translation>Hier siehst du das Lernheft der Klasse auf dem Schulserver: Von diesem Computer aus kann man keine Runden entfernen und das Lernheft eines Kindes nicht leeren; das macht die Lehrkraft auf dem Server.</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Fehler pro 10 Antworten</translation>
    </message>
    <message>
        <source>intera</source>
        <extracomment>What kind of game a point of the chart is (feminine: &quot;partita&quot;): a whole game, a review round, a game stopped before its end.</extracomment>
        <translation>ganze Runde</translation>
    </message>
    <message>
        <source>ripasso</source>
        <translation>Übungsrunde</translation>
    </message>
    <message>
        <source>fermata</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capire che cosa ripassare.</source>
        <translation>Noch keine Runde, aus der man sieht, was zu üben ist.</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare.</source>
        <translation>Heute gibt es nichts zu üben.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi: %1.</source>
        <extracomment>Under the facts map. %1: the facts of today&apos;s review, as &quot;7 per 8, 6 per 9&quot;.</extracomment>
        <translation>Heute zum Üben: %1.</translation>
    </message>
    <message>
        <source>Nome (al massimo %1 caratteri):</source>
        <extracomment>%1: the longest name allowed, in characters.</extracomment>
        <translation>Name (höchstens %1 Zeichen):</translation>
    </message>
    <message>
        <source>Il nome va scritto su una riga, al massimo %1 caratteri, e non può essere &quot;%2&quot;.</source>
        <translation>Der Name muss in eine Zeile passen, höchstens %1 Zeichen, und darf nicht „%2“ sein.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore di nome &quot;%1&quot;: scegli un nome diverso.</source>
        <translation>Es gibt schon ein Kind namens „%1“: Wähl einen anderen Namen.</translation>
    </message>
    <message>
        <source>Nuovo giocatore</source>
        <extracomment>The title of the dialog asking a new child&apos;s name.</extracomment>
        <translation>Neues Kind</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite?</source>
        <extracomment>%1: the child&apos;s name, as typed.</extracomment>
        <translation>„%1“ mit allen Runden aus dem Lernheft entfernen?</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite? Sul server della scuola le sue partite restano: le toglie l&apos;insegnante.</source>
        <translation>„%1“ mit allen Runden aus dem Lernheft entfernen? Auf dem Schulserver bleiben die Runden: Die entfernt die Lehrkraft.</translation>
    </message>
    <message>
        <source>Togli</source>
        <extracomment>The title of the question before a child is removed from the record.</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Togliere tutte le partite di &quot;%1&quot;? %1 resta fra i giocatori.</source>
        <extracomment>%1, twice: the child&apos;s name.</extracomment>
        <translation>Alle Runden von „%1“ entfernen? %1 bleibt in der Liste der Kinder.</translation>
    </message>
    <message>
        <source>Togli la partita</source>
        <translation>Runde entfernen</translation>
    </message>
    <message>
        <source>La partita in corso non si può togliere.</source>
        <translation>Die laufende Runde kann man nicht entfernen.</translation>
    </message>
    <message numerus="yes">
        <source>Togliere dal registro la partita del %1 (%2, %n errori)?</source>
        <translation>
            <numerusform>Die Runde vom %1 (%2, %n Fehler) aus dem Lernheft entfernen?</numerusform>
            <numerusform>Die Runde vom %1 (%2, %n Fehler) aus dem Lernheft entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta la tabella dei giocatori</source>
        <translation>Tabelle der Kinder exportieren</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Non riesco a esportare: %1.</source>
        <translation>Exportieren geht nicht: %1.</translation>
    </message>
    <message>
        <source>Giocatori esportati in %1.</source>
        <translation>Kinder exportiert nach %1.</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare: i fatti che hai già incontrato li sai.

Vuoi fare una partita normale?</source>
        <translation>Heute gibt es nichts zu üben: Die Aufgaben, die du schon hattest, kannst du.

Willst du eine normale Runde spielen?</translation>
    </message>
    <message>
        <source>&amp;Gioca una partita normale</source>
        <translation>&amp;Normale Runde spielen</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare</source>
        <translation>Heute gibt es nichts zu üben</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>S&amp;cegli…</source>
        <translation>Aus&amp;wählen…</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Scrivi il nome del file.</source>
        <translation>Schreib den Namen der Datei.</translation>
    </message>
    <message>
        <source>Esporta le partite</source>
        <translation>Runden exportieren</translation>
    </message>
    <message>
        <source>C&amp;lasse</source>
        <extracomment>The tab of the class&apos;s map: how many children know each fact.</extracomment>
        <translation>Klassenübersic&amp;ht</translation>
    </message>
    <message>
        <source>Togliere dal registro la partita del %1 (%2, 1 errore)?</source>
        <extracomment>%1: the game&apos;s date and time (Italian: &quot;del 07/12/2026 10:15&quot;), %2: its time on the stopwatch (m:ss); the game had one mistake.</extracomment>
        <translation>Die Runde vom %1 (%2, 1 Fehler) aus dem Lernheft entfernen?</translation>
    </message>
    <message>
        <source>Scrive tre file, con le partite del periodo: %4.
• %1, una riga per partita;
• %2, una riga per risposta;
• %3, una riga per fatto, con il suo stato di oggi.</source>
        <translation>Schreibt drei Dateien mit den Runden des Zeitraums: %4.
• %1, eine Zeile pro Runde;
• %2, eine Zeile pro Antwort;
• %3, eine Zeile pro Aufgabe, mit ihrem heutigen Stand.</translation>
    </message>
    <message>
        <source>Partite esportate in %1, risposte in %2, fatti in %3.</source>
        <translation>Runden exportiert nach %1, Antworten nach %2, Aufgaben nach %3.</translation>
    </message>
    <message>
        <source>Mappa della classe</source>
        <translation>Übersicht der Klasse</translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>In jedem Feld: wie viele Kinder die Aufgabe können, von wie vielen. Rot: keines; gelb: die Hälfte; grün: alle.</translation>
    </message>
    <message>
        <source>Nessun bambino nel registro.</source>
        <translation>Kein Kind im Lernheft.</translation>
    </message>
    <message>
        <source>1 bambino: %1.</source>
        <translation>1 Kind: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini: %1.</source>
        <translation>
            <numerusform>%n Kind: %1.</numerusform>
            <numerusform>%n Kinder: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per %2 (la sanno %3 su %4)</source>
        <extracomment>A fact in the class&apos;s hardest: %1 per %2 the multiplication, %3 of %4 children know it.</extracomment>
        <translation>%1 mal %2 (%3 von %4 können sie)</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Keine Aufgabe, die die Klasse noch lernen muss.</translation>
    </message>
    <message>
        <source>I fatti più difficili per la classe: %1.</source>
        <extracomment>Under the class&apos;s map. %1: facts as &quot;7 per 8 (la sanno 3 su 22)&quot;.</extracomment>
        <translation>Die schwierigsten Aufgaben für die Klasse: %1.</translation>
    </message>
    <message>
        <source>Il ripasso è sempre quello di oggi, da tutte le partite.</source>
        <extracomment>After today&apos;s review under the facts map, when a period other than &quot;tutto&quot; is chosen.</extracomment>
        <translation>Die Übung ist immer die von heute, aus allen Runden.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s cell as a screen reader says it: %1 its column&apos;s name, %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Usa per giocare</source>
        <extracomment>Makes the child shown in the box &quot;Giocatore&quot; the one who plays on the board.</extracomment>
        <translation>Zu&amp;m Spielen nehmen</translation>
    </message>
    <message>
        <source>Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)</source>
        <translation>Das hier gewählte Kind spielt auf dem Spielbrett (auch mit der Eingabetaste auf dem Namen)</translation>
    </message>
    <message>
        <source>Ora gioca %1</source>
        <extracomment>What a screen reader says of the box &quot;Giocatore&quot;: who plays on the board now. %1: a name.</extracomment>
        <translation>Jetzt spielt %1</translation>
    </message>
    <message>
        <source>giocatori.csv</source>
        <translation>spieler.csv</translation>
    </message>
    <message>
        <source>partite.csv</source>
        <translation>runden.csv</translation>
    </message>
    <message>
        <source>Per il fo&amp;glio di calcolo</source>
        <translation>Für die &amp;Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Separatore &quot;%1&quot;, decimali con &quot;%2&quot;, date come 2026-12-07 10:15:03, UTF-8 con BOM.</source>
        <extracomment>%1: the CSV separator, %2: the decimal sign of the system&apos;s numbers. The date shows the spreadsheet&apos;s format and stays as it is.</extracomment>
        <translation>Trennzeichen „%1“, Dezimalzeichen „%2“, Datum wie 2026-12-07 10:15:03, UTF-8 mit BOM.</translation>
    </message>
    <message>
        <source>&amp;Standard per i programmi (RFC 4180)</source>
        <translation>&amp;Standard für Programme (RFC 4180)</translation>
    </message>
    <message>
        <source>Separatore &quot;,&quot;, punto decimale, date ISO 8601.</source>
        <translation>Trennzeichen „,“, Dezimalpunkt, Datum nach ISO 8601.</translation>
    </message>
    <message>
        <source>-risposte</source>
        <extracomment>Added to the games&apos; file name for the answers&apos; file (&quot;partite-risposte.csv&quot;).</extracomment>
        <translation>-antworten</translation>
    </message>
    <message>
        <source>Sen&amp;za fretta</source>
        <extracomment>A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the board, and practice never judges her slow.</extracomment>
        <translation>&amp;Ohne Eile</translation>
    </message>
    <message>
        <source>Senza fretta per questo giocatore</source>
        <translation>Ohne Eile für dieses Kind</translation>
    </message>
    <message>
        <source>Niente cronometro nelle sue partite; il ripasso guarda solo giusto o sbagliato, mai la lentezza</source>
        <translation>Keine Stoppuhr in seinen Spielen; das Üben zählt nur richtig oder falsch, nie die Langsamkeit</translation>
    </message>
    <message>
        <source>Il registro non ha potuto segnare &quot;Senza fretta&quot;.</source>
        <extracomment>In the record window&apos;s status line when the mark &quot;Senza fretta&quot; cannot be written.</extracomment>
        <translation>Das Lernheft konnte „Ohne Eile“ nicht vermerken.</translation>
    </message>
    <message>
        <source>-fatti</source>
        <extracomment>Added to the games&apos; file name for the facts&apos; file (&quot;partite-fatti.csv&quot;).</extracomment>
        <translation>-aufgaben</translation>
    </message>
</context>
<context>
    <name>Giocatore</name>
    <message>
        <source>Ospite</source>
        <extracomment>The guest: whoever plays without choosing a name. Games are kept under the Italian word.</extracomment>
        <translation>Gast</translation>
    </message>
</context>
<context>
    <name>GraficoPartite</name>
    <message>
        <source>Andamento delle partite</source>
        <translation>Verlauf der Runden</translation>
    </message>
    <message>
        <source>secondi per risposta</source>
        <extracomment>The chart&apos;s two lines, in the legends of its two plots.</extracomment>
        <translation>Sekunden pro Antwort</translation>
    </message>
    <message>
        <source>errori ogni 10 risposte</source>
        <translation>Fehler pro 10 Antworten</translation>
    </message>
    <message>
        <source>dd/MM/yy</source>
        <extracomment>The dates under the chart, as QLocale date formats: over almost a year, then within one. Short.</extracomment>
        <translation>dd.MM.yy</translation>
    </message>
    <message>
        <source>dd/MM</source>
        <translation>dd.MM.</translation>
    </message>
    <message>
        <source>Nessuna partita</source>
        <translation>Keine Runde</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>The title of the upper plot&apos;s axis, written upwards beside it; the legend says &quot;per answer&quot;. Short.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>errori</source>
        <extracomment>The title of the lower plot&apos;s axis, written upwards beside it; the legend says &quot;every 10 answers&quot;. Short.</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>ripassi</source>
        <extracomment>The chart&apos;s legend for the hollow circles: rounds of chosen facts (Ripassa).</extracomment>
        <translation>Übungsrunden</translation>
    </message>
    <message>
        <source>partite fermate</source>
        <extracomment>The chart&apos;s legend for the hollow triangles: games stopped before their end.</extracomment>
        <translation>gestoppte Runden</translation>
    </message>
</context>
<context>
    <name>LettoreClasse</name>
    <message>
        <source>il server %1 non si lascia leggere (%2)</source>
        <extracomment>Why the class cannot be read from the school&apos;s server, after &quot;perché&quot;; lower case, no final stop. %1: the server, %2: the server&apos;s own words.</extracomment>
        <translation>der Server %1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>la copia della classe non si scrive (%1)</source>
        <extracomment>Why the class cannot be read: its local copy cannot be written. %1: the database&apos;s words.</extracomment>
        <translation>die Kopie der Klasse lässt sich nicht schreiben (%1)</translation>
    </message>
</context>
<context>
    <name>LetturaClasse</name>
    <message>
        <source>la copia della classe non si può scrivere in %1</source>
        <extracomment>Why the class cannot be read, after &quot;perché&quot;; lower case. %1: the folder.</extracomment>
        <translation>die Kopie der Klasse lässt sich nicht in %1 schreiben</translation>
    </message>
    <message>
        <source>Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di questo computer.</source>
        <extracomment>In the record window&apos;s status line. %1: the class&apos;s name.</extracomment>
        <translation>Klasse %1: Ich lese vom Server…; so lange sieht man nur die Runden dieses Computers.</translation>
    </message>
    <message>
        <source>Si vedono le partite di tutta la classe %1, lette dal server alle %2.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was read (Italian says &quot;alle&quot; before a time).</extracomment>
        <translation>Man sieht die Runden der ganzen Klasse %1, um %2 vom Server gelesen.</translation>
    </message>
    <message>
        <source>Si vedono le partite della classe %1 lette dal server alle %2; ora non si leggono, perché %3.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was last read, %3: why it cannot be read now (a lower-case reason).</extracomment>
        <translation>Man sieht die Runden der Klasse %1, um %2 vom Server gelesen; jetzt lassen sie sich nicht lesen, denn %3.</translation>
    </message>
    <message>
        <source>Si vedono soltanto le partite di questo computer, perché %1.</source>
        <extracomment>%1: why the class cannot be read (a lower-case reason).</extracomment>
        <translation>Man sieht nur die Runden dieses Computers, denn %1.</translation>
    </message>
</context>
<context>
    <name>MappaFatti</name>
    <message>
        <source>d MMMM</source>
        <extracomment>A day in the words about a fact, as a QLocale date format: this year&apos;s (&quot;3 dicembre&quot;), then another year&apos;s. Reorder as your language writes dates.</extracomment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Mappa dei fatti</source>
        <translation>Aufgabenkarte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of the facts map&apos;s legend. %1: the letter in the map&apos;s cells, or &quot;senza lettera&quot;; %2: the state&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>senza lettera</source>
        <translation>ohne Buchstabe</translation>
    </message>
    <message>
        <source>%1 per %2: %3</source>
        <extracomment>The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8), %3: its state.</extracomment>
        <translation>%1 mal %2: %3</translation>
    </message>
    <message>
        <source>chiesta 1 volta</source>
        <extracomment>How many times a fact was asked (the fact, a multiplication, is feminine in Italian).</extracomment>
        <translation>einmal gefragt</translation>
    </message>
    <message numerus="yes">
        <source>chiesta %n volte</source>
        <translation>
            <numerusform>%n-mal gefragt</numerusform>
            <numerusform>%n-mal gefragt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sbagliata</source>
        <extracomment>How many of its answers were wrong (feminine: &quot;risposte&quot;).</extracomment>
        <translation>1-mal falsch</translation>
    </message>
    <message numerus="yes">
        <source>%n sbagliate</source>
        <translation>
            <numerusform>%n-mal falsch</numerusform>
            <numerusform>%n-mal falsch</numerusform>
        </translation>
    </message>
    <message>
        <source>; di solito %1 secondi</source>
        <extracomment>Appended to the words about a fact. %1: the child&apos;s usual seconds for it, one decimal.</extracomment>
        <translation>; meistens %1 Sekunden</translation>
    </message>
    <message>
        <source>; %1, %2, l&apos;ultima %3</source>
        <translation>; %1, %2, zuletzt %3</translation>
    </message>
    <message>
        <source>; %1, %2, %3</source>
        <extracomment>The same for a fact asked once: %3 is the day it was asked, with the word before it.</extracomment>
        <translation>; %1, %2, %3</translation>
    </message>
    <message>
        <source>; da ripassare %1</source>
        <extracomment>Appended to the words about a sure fact. %1: the day it comes up for review, with the word before it (&quot;il 3 dicembre&quot;, &quot;l&apos;8 dicembre&quot;).</extracomment>
        <translation>; wieder dran %1</translation>
    </message>
    <message>
        <source>%1 per %2: non chiesta in questo periodo</source>
        <extracomment>The words told about a fact that the games of the period chosen did not ask, though earlier ones did. %1 per %2: the multiplication.</extracomment>
        <translation>%1 mal %2: in diesem Zeitraum nicht gefragt</translation>
    </message>
</context>
<context>
    <name>Opzioni</name>
    <message>
        <source>numerella: %1: %2: %3 Valore ignorato.</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 the key, %3 what is wrong.</extracomment>
        <translation>numerella: %1: %2: %3 Wert ignoriert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi true oppure false.</source>
        <translation>„%1“ ist ungültig: true oder false angeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi quanti fatti ripassare, da 1 a 100.</source>
        <translation>„%1“ ist ungültig: die Zahl der Aufgaben einer Übungsrunde angeben, von 1 bis 100.</translation>
    </message>
    <message>
        <source>numerella: %1: %2</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 what is wrong.</extracomment>
        <translation>numerella: %1: %2</translation>
    </message>
    <message>
        <source>è una cartella, non un file di impostazioni. Ignorata.</source>
        <translation>ist ein Ordner, keine Einstellungsdatei. Ignoriert.</translation>
    </message>
    <message>
        <source>non si può leggere: mancano i permessi. File ignorato.</source>
        <translation>lässt sich nicht lesen: Berechtigungen fehlen. Datei ignoriert.</translation>
    </message>
    <message>
        <source>non si può leggere. File ignorato.</source>
        <translation>lässt sich nicht lesen. Datei ignoriert.</translation>
    </message>
    <message>
        <source>non è un file di testo. File ignorato.</source>
        <translation>ist keine Textdatei. Datei ignoriert.</translation>
    </message>
    <message>
        <source>la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.</source>
        <translation>Zeile %1 ist weder Schlüssel=Wert noch [Abschnitt]; bitte die Zeilen der Datei prüfen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: le lingue disponibili sono %2.</source>
        <extracomment>%1 is the language code given, %2 the list of the available ones (&quot;it, de, fr, ...&quot;).</extracomment>
        <translation>„%1“ ist ungültig: verfügbare Sprachen sind %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: %2.</source>
        <translation>„%1“ ist ungültig: %2.</translation>
    </message>
    <message>
        <source>scrivi almeno una tabellina, per esempio 2,5,7 o 1-5</source>
        <translation>mindestens eine Reihe angeben, zum Beispiel 2,5,7 oder 1-5</translation>
    </message>
    <message>
        <source>usa numeri da 1 a 10 e intervalli come 1-5</source>
        <translation>Zahlen von 1 bis 10 und Bereiche wie 1-5 angeben</translation>
    </message>
    <message>
        <source>le tabelline vanno da 1 a 10</source>
        <translation>die Reihen gehen von 1 bis 10</translation>
    </message>
    <message>
        <source>l&apos;intervallo va scritto dal più piccolo al più grande</source>
        <translation>einen Bereich schreibt man von der kleineren zur größeren Zahl</translation>
    </message>
    <message>
        <source>La Numerella: per esercitarsi sulla tavola pitagorica, dall&apos;1 × 1 al 10 × 10.</source>
        <translation>La Numerella: zum Üben des Einmaleins, von 1 × 1 bis 10 × 10.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Zeigt diese Hilfe und beendet sich.</translation>
    </message>
    <message>
        <source>Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde.</source>
        <translation>Die Reihen zum Üben, mit Zahlen und Bereichen von 1 bis 10 (zum Beispiel 2,5,7 oder 1-5 oder 1-3,8); die anderen sind am Anfang weggelassen, in Grün.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <extracomment>In the help, the value of an option: a list of tables.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>Parte con il suono spento (si riaccende con la casella del suono).</source>
        <translation>Startet ohne Ton (mit dem Kästchen für den Ton wieder einschalten).</translation>
    </message>
    <message>
        <source>Parte a schermo intero.</source>
        <translation>Startet im Vollbild.</translation>
    </message>
    <message>
        <source>Chi gioca: le partite vanno nel registro sotto questo nome (nuovo se non c&apos;è ancora), che resta scelto.</source>
        <translation>Wer spielt: Die Runden kommen unter diesem Namen ins Lernheft (neu, wenn es ihn noch nicht gibt); er bleibt ausgewählt.</translation>
    </message>
    <message>
        <source>NOME</source>
        <extracomment>In the help, the value of an option: a child&apos;s name.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file (per esempio su una chiavetta) invece che in quello solito.</source>
        <translation>Öffnet nur das Fenster des Lernhefts. Mit DATEI führt es das Lernheft in dieser Datei (zum Beispiel auf einem USB-Stick) statt in der üblichen.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In the help, the value of an option: a file&apos;s name.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, qualcuno già sicuro, gli altri in verde.</source>
        <translation>Startet mit der heutigen Übungsrunde des Kindes, das spielt: die Aufgaben zum Lernen und Wiederholen, ein paar, die schon sitzen, die anderen in Grün.</translation>
    </message>
    <message>
        <source>Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce.</source>
        <translation>Schreibt alle Runden des Lernhefts, eine Zeile pro Runde, in DATEI (CSV) und beendet sich.</translation>
    </message>
    <message>
        <source>Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce.</source>
        <translation>Schreibt alle Antworten des Lernhefts, eine Zeile pro Frage, in DATEI (CSV) und beendet sich.</translation>
    </message>
    <message>
        <source>Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i programmi (RFC 4180: virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo nella lingua del sistema.</source>
        <translation>Mit --esporta, --esporta-risposte und --esporta-fatti wird das Standard-CSV für Programme geschrieben (RFC 4180: Komma, Dezimalpunkt, Datum nach ISO 8601) statt des CSV für die Tabellenkalkulation in der Sprache des Systems.</translation>
    </message>
    <message>
        <source>Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce.</source>
        <translation>Schreibt den Stand jeder Aufgabe jedes Kindes, eine Zeile pro Aufgabe, in DATEI (CSV) und beendet sich.</translation>
    </message>
    <message>
        <source>Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui.</source>
        <translation>Schickt die Runden dieses eine Mal an den Schulserver URL (postgresql://benutzer@server/datenbank) statt an den aus numerella.conf. Das Passwort gehört in ~/.pgpass, nie hierher.</translation>
    </message>
    <message>
        <source>URL</source>
        <extracomment>In the help, the value of an option: a server&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>La lingua del programma, tra %1, invece di quella del sistema.</source>
        <translation>Die Sprache des Programms, eine von %1, statt der des Systems.</translation>
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
Die Liste der Optionen: numerella --help
</translation>
    </message>
    <message>
        <source>argomento inatteso &quot;%1&quot;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.</source>
        <translation>--giocatore: Der Name muss in eine Zeile passen, höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>numerella: non riesco a leggere il registro: %1
</source>
        <translation>numerella: Ich kann das Lernheft nicht lesen: %1
</translation>
    </message>
    <message>
        <source>numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.
</source>
        <translation>numerella: kein Bildschirm verfügbar: La Numerella öffnet sich nur in einer grafischen Sitzung.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi leggibile oppure normale.</source>
        <translation>„%1“ geht nicht: schreib leggibile oder normale.</translation>
    </message>
    <message>
        <source>Legge ad alta voce le domande, giusto e sbagliato, la pausa e la fine (si spegne con la casella &quot;Leggi ad alta voce&quot;).</source>
        <translation>Liest die Aufgaben, richtig und falsch, die Pause und das Ende vor (ausschalten mit dem Feld „Vorlesen“).</translation>
    </message>
    <message>
        <source>Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il ripasso non giudica la lentezza.</source>
        <translation>Ohne Eile: keine Stoppuhr, keine Zeit wird gezeigt, gesagt oder gedruckt, und das Üben bewertet nie die Langsamkeit.</translation>
    </message>
    <message>
        <source>Con &quot;leggibile&quot; scrive le parole in un carattere fatto per chi ha la dislessia (le cifre restano come sono).</source>
        <translation>Mit „leggibile“ stehen die Wörter in einer Schrift für Menschen mit Legasthenie (die Ziffern bleiben, wie sie sind).</translation>
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
        <translation>in den Ordner %1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>il file %1 non si può aprire</source>
        <extracomment>The same kind of reason; in all of these %1 is the record&apos;s file.</extracomment>
        <translation>die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>il file %1 si può soltanto leggere</source>
        <translation>die Datei %1 lässt sich nur lesen</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>un altro programma tiene occupato il file %1</source>
        <translation>ein anderes Programm belegt die Datei %1</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato e non si può mettere da parte (%2)</source>
        <translation>die Datei %1 ist beschädigt und lässt sich nicht beiseitelegen (%2)</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato</source>
        <translation>die Datei %1 ist beschädigt</translation>
    </message>
    <message>
        <source>il file %1 non è un registro della Numerella, e resta com&apos;è</source>
        <translation>die Datei %1 ist kein Lernheft von La Numerella und bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>il file %1 non c&apos;è</source>
        <translation>die Datei %1 gibt es nicht</translation>
    </message>
    <message>
        <source>il file %1 è di una versione più nuova della Numerella</source>
        <translation>die Datei %1 stammt von einer neueren Version von La Numerella</translation>
    </message>
    <message>
        <source>il file %1 non si può usare</source>
        <translation>die Datei %1 lässt sich nicht verwenden</translation>
    </message>
    <message>
        <source>Il registro delle partite era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.</source>
        <extracomment>%1: the damaged file&apos;s new name.</extracomment>
        <translation>Das Lernheft war beschädigt: Es wurde als %1 beiseitegelegt, und ein neues wurde angefangen.</translation>
    </message>
    <message>
        <source>Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, ma le partite non saranno ricordate.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>Das Lernheft wird nicht geführt: %1. Du kannst trotzdem spielen, aber die Runden werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Il registro delle partite per ora non si può scrivere: %1. Le risposte restano in memoria e saranno scritte appena si potrà: non chiudere il programma.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>Das Lernheft lässt sich gerade nicht schreiben: %1. Die Antworten bleiben im Speicher und werden geschrieben, sobald es geht: Schließ das Programm nicht.</translation>
    </message>
</context>
<context>
    <name>Speditore</name>
    <message>
        <source>la partita di %1 del %2: %3</source>
        <extracomment>A game the school&apos;s server refused, listed after &quot;Il server non ha preso&quot;. %1: the child, %2: when the game began (Italian: &quot;del 7/12/2026 10:15&quot;), %3: the server&apos;s own words.</extracomment>
        <translation>die Runde von %1 vom %2: %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>When a refused game began, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>d.M.yyyy HH:mm</translation>
    </message>
    <message>
        <source>il registro di questo computer non si legge (%1)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the database&apos;s words.</extracomment>
        <translation>das Lernheft dieses Computers lässt sich nicht lesen (%1)</translation>
    </message>
    <message>
        <source>il server %1 non ha preso una partita (%2)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the server, %2: its words.</extracomment>
        <translation>der Server %1 hat eine Runde nicht angenommen (%2)</translation>
    </message>
</context>
<context>
    <name>Spedizione</name>
    <message>
        <source>Server della scuola (%1, classe %2)</source>
        <extracomment>The start of the sender&apos;s lines in the record window&apos;s status. %1: the server, %2: the class&apos;s name.</extracomment>
        <translation>Schulserver (%1, Klasse %2)</translation>
    </message>
    <message>
        <source>%1: collegamento in corso.</source>
        <extracomment>In all of the sender&apos;s lines, %1 is &quot;Server della scuola (…)&quot;.</extracomment>
        <translation>%1: Verbindung wird aufgebaut.</translation>
    </message>
    <message>
        <source>%1: tutte le partite sono arrivate.</source>
        <translation>%1: Alle Runden sind angekommen.</translation>
    </message>
    <message>
        <source>%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.</source>
        <extracomment>%2: why the server cannot be reached now (a lower-case reason).</extracomment>
        <translation>%1: Keine Runde wartet, aber der Server ist gerade nicht erreichbar, denn %2.</translation>
    </message>
    <message>
        <source>Il server non ha preso %1.</source>
        <extracomment>After the sender&apos;s line. %1: the refused games, each &quot;la partita di … del …: …&quot;, joined by &quot;; &quot;.</extracomment>
        <translation>Der Server hat nicht angenommen: %1.</translation>
    </message>
    <message>
        <source>%1: collegamento in corso, 1 partita in attesa.</source>
        <extracomment>Games ended here wait while the sender reaches the server for the first time.</extracomment>
        <translation>%1: Verbindung wird aufgebaut, 1 Runde wartet.</translation>
    </message>
    <message numerus="yes">
        <source>%1: collegamento in corso, %n partite in attesa.</source>
        <translation>
            <numerusform>%1: Verbindung wird aufgebaut, %n Runde wartet.</numerusform>
            <numerusform>%1: Verbindung wird aufgebaut, %n Runden warten.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa di essere mandata.</source>
        <extracomment>Games ended here and not yet on the server; the server could be reached at the last try.</extracomment>
        <translation>%1: 1 Runde wartet darauf, geschickt zu werden.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa di essere mandate.</source>
        <translation>
            <numerusform>%1: %n Runde wartet darauf, geschickt zu werden.</numerusform>
            <numerusform>%1: %n Runden warten darauf, geschickt zu werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa su questo computer, perché %2.</source>
        <extracomment>Games kept here because the server cannot be reached. %2: why (a lower-case reason).</extracomment>
        <translation>%1: 1 Runde wartet auf diesem Computer, denn %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa su questo computer, perché %2.</source>
        <translation>
            <numerusform>%1: %n Runde wartet auf diesem Computer, denn %2.</numerusform>
            <numerusform>%1: %n Runden warten auf diesem Computer, denn %2.</numerusform>
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
        <translation>Schreib deinen Namen.</translation>
    </message>
    <message>
        <source>Non trovo nessuna stampante.</source>
        <translation>Ich finde keinen Drucker.</translation>
    </message>
    <message>
        <source>Non riesco a stampare su &quot;%1&quot;.</source>
        <extracomment>%1: the printer&apos;s name, or the file printed to.</extracomment>
        <translation>Ich kann nicht auf „%1“ drucken.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non accetta lavori in questo momento.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Der Drucker „%1“ nimmt gerade keine Aufträge an.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non ha preso la pagina.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Der Drucker „%1“ hat die Seite nicht angenommen.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The title of a message about printing.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>%1
Vuoi scegliere un&apos;altra stampante o salvare la pagina in PDF?</source>
        <extracomment>%1: what went wrong, one of the messages above.</extracomment>
        <translation>%1
Willst du einen anderen Drucker wählen oder die Seite als PDF speichern?</translation>
    </message>
</context>
<context>
    <name>andamento</name>
    <message>
        <source>Ancora nessuna partita intera.</source>
        <extracomment>The chart&apos;s sentence on a child&apos;s trend, under the chart in the record window and on the printed report.</extracomment>
        <translation>Noch keine ganze Runde.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana nessuna partita intera; prima: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers already in the locale&apos;s form).</extracomment>
        <translation>In der letzten Woche keine ganze Runde; davor: %1 Sekunden pro Antwort, %2 Fehler pro 10 Antworten.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer in the last week, %2: mistakes every 10 answers in it.</extracomment>
        <translation>In der letzten Woche: %1 Sekunden pro Antwort, %2 Fehler pro 10 Antworten.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 risposte, prima %4.</source>
        <extracomment>%1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in the last week and before it.</extracomment>
        <translation>In der letzten Woche: %1 Sekunden pro Antwort, davor %2; %3 Fehler pro 10 Antworten, davor %4.</translation>
    </message>
</context>
<context>
    <name>apprendimento</name>
    <message>
        <source>mai chiesta</source>
        <extracomment>A fact&apos;s state (a multiplication such as 7 × 8, feminine in Italian: &quot;la moltiplicazione&quot;), lower case: in the facts map&apos;s legend, the words told about a fact and the printed report. Keep it short.</extracomment>
        <translation>noch nie gefragt</translation>
    </message>
    <message>
        <source>da imparare</source>
        <translation>noch üben</translation>
    </message>
    <message>
        <source>sicura</source>
        <translation>sitzt</translation>
    </message>
    <message>
        <source>da ripassare</source>
        <translation>wieder dran</translation>
    </message>
    <message>
        <source>quasi sicura</source>
        <extracomment>A fact likely known: answered right and quick, but not yet often enough to be sure.</extracomment>
        <translation>sitzt fast</translation>
    </message>
</context>
<context>
    <name>classe</name>
    <message>
        <source>%1 per %2: la sanno %3 su %4</source>
        <extracomment>The words about a fact of the class&apos;s map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of the %4 children know it.</extracomment>
        <translation>%1 mal %2: %3 von %4 können sie</translation>
    </message>
    <message>
        <source>; da imparare per %1</source>
        <extracomment>Appended to the words about a fact of the class&apos;s map. %1: the children, &quot;Anna, Marco&quot;.</extracomment>
        <translation>; noch zu lernen für %1</translation>
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
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>non riesco a leggere il registro</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;.</extracomment>
        <translation>das Lernheft lässt sich nicht lesen</translation>
    </message>
</context>
<context>
    <name>frasi</name>
    <message>
        <source>dell&apos;1</source>
        <extracomment>Italian elides the article before a number read with a vowel (&quot;dell&apos;1&quot;, &quot;dell&apos;8&quot;, &quot;del 7&quot;). The table of n after the word for &quot;table&quot;; translate each number as your language says it.</extracomment>
        <translation>1er-Reihe</translation>
    </message>
    <message>
        <source>del 2</source>
        <translation>2er-Reihe</translation>
    </message>
    <message>
        <source>del 3</source>
        <translation>3er-Reihe</translation>
    </message>
    <message>
        <source>del 4</source>
        <translation>4er-Reihe</translation>
    </message>
    <message>
        <source>del 5</source>
        <translation>5er-Reihe</translation>
    </message>
    <message>
        <source>del 6</source>
        <translation>6er-Reihe</translation>
    </message>
    <message>
        <source>del 7</source>
        <translation>7er-Reihe</translation>
    </message>
    <message>
        <source>dell&apos;8</source>
        <translation>8er-Reihe</translation>
    </message>
    <message>
        <source>del 9</source>
        <translation>9er-Reihe</translation>
    </message>
    <message>
        <source>del 10</source>
        <translation>10er-Reihe</translation>
    </message>
    <message>
        <source>all&apos;1</source>
        <extracomment>&quot;Up to the table of n&quot;: Italian elides the article before a number read with a vowel (&quot;all&apos;1&quot;, &quot;all&apos;8&quot;, &quot;al 7&quot;).</extracomment>
        <translation>zur 1er-Reihe</translation>
    </message>
    <message>
        <source>al 2</source>
        <translation>zur 2er-Reihe</translation>
    </message>
    <message>
        <source>al 3</source>
        <translation>zur 3er-Reihe</translation>
    </message>
    <message>
        <source>al 4</source>
        <translation>zur 4er-Reihe</translation>
    </message>
    <message>
        <source>al 5</source>
        <translation>zur 5er-Reihe</translation>
    </message>
    <message>
        <source>al 6</source>
        <translation>zur 6er-Reihe</translation>
    </message>
    <message>
        <source>al 7</source>
        <translation>zur 7er-Reihe</translation>
    </message>
    <message>
        <source>all&apos;8</source>
        <translation>zur 8er-Reihe</translation>
    </message>
    <message>
        <source>al 9</source>
        <translation>zur 9er-Reihe</translation>
    </message>
    <message>
        <source>al 10</source>
        <translation>zur 10er-Reihe</translation>
    </message>
    <message>
        <source>1 secondo</source>
        <extracomment>Exactly one second.</extracomment>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun errore</source>
        <extracomment>No wrong answer in the game.</extracomment>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>1 errore</source>
        <extracomment>Exactly one wrong answer.</extracomment>
        <translation>1 Fehler</translation>
    </message>
    <message numerus="yes">
        <source>%n errori</source>
        <extracomment>Never said for 0 or 1, which have texts of their own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
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
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 e %2, %3</source>
        <extracomment>Minutes, seconds and errors, e.g. &quot;2 minuti e 14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1 und %2, %3</translation>
    </message>
    <message>
        <source>Nessuna tabellina rimasta</source>
        <translation>Keine Reihe mehr übrig</translation>
    </message>
    <message>
        <source>Resta la tabellina %1</source>
        <extracomment>%1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated above.</extracomment>
        <translation>Nur noch die %1</translation>
    </message>
    <message>
        <source>Restano tutte le tabelline</source>
        <translation>Alle Reihen sind dabei</translation>
    </message>
    <message>
        <source>Restano le tabelline da %1 a %2</source>
        <translation>Noch dabei: die Reihen von %1 bis %2</translation>
    </message>
    <message>
        <source>Restano le tabelline %1 e %2</source>
        <extracomment>%1 is a list such as &quot;1, 3, 5&quot;, %2 the last table.</extracomment>
        <translation>Noch dabei: die Reihen %1 und %2</translation>
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
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>2</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>3</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>4</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>5</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>6</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>7</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>8</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>9</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>10</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>11</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>12</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>13</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>14</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>15</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>16</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>17</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>18</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>19</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>20</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>21</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>22</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>23</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>24</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>25</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>26</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>27</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>28</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>29</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>30</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>31</comment>
        <translation>am %1</translation>
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
        <translation>dd.MM.</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Sekunden pro Antwort</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Fehler pro 10 Antworten</translation>
    </message>
    <message>
        <source>Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. ● partita intera (unite dalla linea)   ○ ripasso o partita fermata</source>
        <extracomment>Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.</extracomment>
        <translation>Jedes Zeichen ist eine Runde; Runden vom selben Tag stehen nebeneinander. ● ganze Runde (mit der Linie verbunden)   ○ Übungsrunde oder gestoppte Runde</translation>
    </message>
    <message>
        <source>I fatti: riga per colonna</source>
        <translation>Die Aufgaben: Zeile mal Spalte</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi</source>
        <translation>Heute zum Üben</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capirlo.</source>
        <translation>Noch keine Runde, aus der man das sieht.</translation>
    </message>
    <message>
        <source>Registro di %1</source>
        <translation>Lernheft von %1</translation>
    </message>
    <message>
        <source>1 partita</source>
        <extracomment>How many games the report shows.</extracomment>
        <translation>1 Runde</translation>
    </message>
    <message numerus="yes">
        <source>%n partite</source>
        <translation>
            <numerusform>%n Runde</numerusform>
            <numerusform>%n Runden</numerusform>
        </translation>
    </message>
    <message>
        <source>Le partite</source>
        <translation>Die Runden</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the column &quot;Com&apos;è finita&quot;.</extracomment>
        <translation>läuft</translation>
    </message>
    <message>
        <source>%1 (ripasso)</source>
        <extracomment>How a review round ended: %1 is &quot;finita&quot;, &quot;fermata&quot; or &quot;interrotta&quot;.</extracomment>
        <translation>%1 (Übungsrunde)</translation>
    </message>
    <message>
        <source>Nessuna partita in questo periodo.</source>
        <translation>Keine Runde in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The printed games table&apos;s column headers; narrow columns (fractions of the page&apos;s width).</extracomment>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Risposte giuste</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Com&apos;è finita</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Alle Kinder</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Letzte Runde</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Fehler pro Runde</translation>
    </message>
    <message>
        <source>Fatti più difficili</source>
        <translation>Schwierigste Aufgaben</translation>
    </message>
    <message>
        <source>I</source>
        <extracomment>The letter in the facts map&apos;s cells for a fact to learn: the initial of &quot;da imparare&quot;. One letter.</extracomment>
        <translation>Ü</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter for a fact to review: the initial of &quot;da ripassare&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The letter for a sure fact: the initial of &quot;sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The letter for a fact likely known: the initial of &quot;quasi sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <extracomment>The period of the printed report&apos;s games: all of them.</extracomment>
        <translation>das ganze Lernheft</translation>
    </message>
    <message>
        <source>Periodo: %1 · %2 · stampato %3</source>
        <extracomment>Under the report&apos;s title. %1: the period (&quot;tutto il registro&quot;), %2: &quot;N partite&quot;, %3: today&apos;s date with the word before it, as translated in &quot;giorno&quot; (&quot;il 03/12/2026&quot;, &quot;l&apos;08/12/2026&quot;).</extracomment>
        <translation>Zeitraum: %1 · %2 · gedruckt %3</translation>
    </message>
    <message>
        <source>Periodo: %1 · stampato %2</source>
        <extracomment>%2: today&apos;s date with the word before it, as translated in &quot;giorno&quot;.</extracomment>
        <translation>Zeitraum: %1 · gedruckt %2</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The period of the printed report&apos;s games: those of today.</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <extracomment>The period of the printed report&apos;s games: this week&apos;s, from Monday.</extracomment>
        <translation>diese Woche</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>dieser Monat</translation>
    </message>
    <message>
        <source>La classe: i fatti</source>
        <extracomment>The title of the printed class&apos;s map.</extracomment>
        <translation>Die Klasse: die Aufgaben</translation>
    </message>
    <message numerus="yes">
        <source>I bambini (%n): %1</source>
        <extracomment>Above the printed class&apos;s map. %1: the children&apos;s names.</extracomment>
        <translation>
            <numerusform>Die Kinder (%n): %1</numerusform>
            <numerusform>Die Kinder (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the printed class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>In jedem Feld: wie viele Kinder die Aufgabe können, von wie vielen. Rot: keines; gelb: die Hälfte; grün: alle.</translation>
    </message>
    <message>
        <source>I fatti da imparare, i più difficili per primi</source>
        <translation>Die Aufgaben zum Lernen, die schwierigsten zuerst</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Keine Aufgabe, die die Klasse noch lernen muss.</translation>
    </message>
</context>
</TS>
