<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it_IT">
<context>
    <name>Cella</name>
    <message>
        <source>esclusa</source>
        <extracomment>Told after a cell of a table left out of the game.</extracomment>
        <translation>fuera del juego</translation>
    </message>
</context>
<context>
    <name>Collegamento</name>
    <message>
        <source>in %1 il valore di %2 contiene un punto e virgola, che non può avere</source>
        <extracomment>Why the school&apos;s server is not used, put into longer messages after &quot;perché&quot;; lower case and no final stop, as all the reasons here. %1: the settings file, %2: the key (server, classe, file-password: keep these words as they are).</extracomment>
        <translation>en %1 el valor de %2 contiene un punto y coma, y no puede tenerlo</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server in numerella.conf non va bene: %1</source>
        <extracomment>%1: what is wrong with the address, one of the lower-case reasons below. Keep &quot;numerella.conf&quot;.</extracomment>
        <translation>la dirección del servidor en numerella.conf no es válida: %1</translation>
    </message>
    <message>
        <source>deve cominciare con postgresql://</source>
        <extracomment>What is wrong with the server&apos;s address. Keep &quot;postgresql://&quot;.</extracomment>
        <translation>debe empezar por postgresql://</translation>
    </message>
    <message>
        <source>non può contenere il punto e virgola</source>
        <translation>no puede contener punto y coma</translation>
    </message>
    <message>
        <source>la password non va scritta nell&apos;indirizzo: mettila in ~/.pgpass o nel file indicato da file-password</source>
        <translation>la contraseña no se escribe en la dirección: ponla en ~/.pgpass o en el archivo indicado por file-password</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un nome di server</source>
        <extracomment>%1: a piece of the server&apos;s address.</extracomment>
        <translation>&quot;%1&quot; no es un nombre de servidor</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un parametro di connessione</source>
        <translation>&quot;%1&quot; no es un parámetro de conexión</translation>
    </message>
    <message>
        <source>manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)</source>
        <translation>falta el módulo de Qt para PostgreSQL (el paquete libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile soltanto da root e da un gruppo (chmod 640)</source>
        <extracomment>%1: the password file&apos;s path.</extracomment>
        <translation>el archivo de la contraseña %1 lo puede leer o escribir cualquiera: debe poder leerlo solo root y un grupo (chmod 640)</translation>
    </message>
    <message>
        <source>il file della password %1 non si può leggere</source>
        <translation>el archivo de la contraseña %1 no se puede leer</translation>
    </message>
    <message>
        <source>sul server %1 non c&apos;è il registro della Numerella (va preparato con numerella-server.sql)</source>
        <extracomment>%1: the server. Keep &quot;numerella-server.sql&quot;, the file an admin runs on it.</extracomment>
        <translation>en el servidor %1 no está el registro de la Numerella (hay que prepararlo con numerella-server.sql)</translation>
    </message>
    <message>
        <source>il server %1 ha il registro della versione %2, ma questa Numerella usa la versione %3: va aggiornato il programma o il server</source>
        <extracomment>%1: the server, %2: its version of the record, %3: the version this program uses.</extracomment>
        <translation>el servidor %1 tiene el registro de la versión %2, pero esta Numerella usa la versión %3: hay que actualizar el programa o el servidor</translation>
    </message>
    <message>
        <source>il server %1 non risponde o non accetta la connessione (%2)</source>
        <extracomment>%1: the server, %2: the server&apos;s or the network&apos;s own words.</extracomment>
        <translation>el servidor %1 no responde o no acepta la conexión (%2)</translation>
    </message>
</context>
<context>
    <name>FinePartita</name>
    <message>
        <source>finita</source>
        <extracomment>How a game ended, in the games list&apos;s column &quot;Esito&quot; and on the printed report: every cell answered.</extracomment>
        <translation>terminada</translation>
    </message>
    <message>
        <source>fermata</source>
        <extracomment>How a game ended: stopped by the child with Stop.</extracomment>
        <translation>detenida</translation>
    </message>
    <message>
        <source>interrotta</source>
        <extracomment>How a game ended: cut off because the program was closed or died.</extracomment>
        <translation>interrumpida</translation>
    </message>
</context>
<context>
    <name>FrmChiGioca</name>
    <message>
        <source>Chi gioca?</source>
        <extracomment>Asked before the first game when several children share the computer; the title and the question.</extracomment>
        <translation>¿Quién juega?</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source> Completa la Numerella e avrai la possibilità di stamparla con il tuo nome.</source>
        <extracomment>One line of the instructions window; each line has a label of its own and about this length.</extracomment>
        <translation> Completa la Numerella y podrás imprimirla con tu nombre.</translation>
    </message>
    <message>
        <source> Un cronometro, in alto a destra, misurerà il tempo impiegato.</source>
        <translation> Un cronómetro, arriba a la derecha, medirá el tiempo que tardas.</translation>
    </message>
    <message>
        <source> Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Si haces clic con el botón izquierdo del ratón en los números que parpadean arriba,</translation>
    </message>
    <message>
        <source> da una mano, potrai escludere una o più tabelline dalla Numerella.</source>
        <translation> señalados por una mano, podrás quitar una o más tablas de la Numerella.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Por ejemplo, si haces clic en el 4, 6, 7 y 8, practicarás solo las tablas</translation>
    </message>
    <message>
        <source> dell&apos;1, 2, 3, 5, 9 e 10</source>
        <translation> del 1, 2, 3, 5, 9 y 10.</translation>
    </message>
    <message>
        <source> Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Con el botón derecho del ratón, en cambio, quitarás la parte que está a la derecha</translation>
    </message>
    <message>
        <source> del numero scelto</source>
        <translation> del número elegido.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall&apos;1 al 5.</source>
        <translation> Por ejemplo, si haces clic en el 5, practicarás solo las tablas del 1 al 5.</translation>
    </message>
    <message>
        <source>   Buon lavoro da:</source>
        <extracomment>The signature at the end of the instructions goes on in the next two lines.</extracomment>
        <translation>   ¡Buen trabajo! De parte de:</translation>
    </message>
    <message>
        <source>   gli sviluppatori della Numerella,</source>
        <translation>   los desarrolladores de la Numerella,</translation>
    </message>
    <message>
        <source>   un programma libero (licenza GNU GPL 3 o successiva).</source>
        <translation>   un programa libre (licencia GNU GPL 3 o posterior).</translation>
    </message>
    <message>
        <source>   Versione %1</source>
        <translation>   Versión %1</translation>
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
        <translation> Leer en voz alta: La Numerella dice las preguntas (numerella --voce).</translation>
    </message>
    <message>
        <source> Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta).</source>
        <extracomment>One short line of the instructions: no stopwatch, no judging by speed.</extracomment>
        <translation> Sin prisa: sin cronómetro, solo cuenta bien o mal (--senza-fretta).</translation>
    </message>
    <message>
        <source> Carattere leggibile, per chi ha la dislessia: --carattere leggibile.</source>
        <extracomment>One short line of the instructions: the face for readers with dyslexia.</extracomment>
        <translation> Letra legible, para quien tiene dislexia: --carattere leggibile.</translation>
    </message>
</context>
<context>
    <name>FrmNumerella</name>
    <message>
        <source>Nessuna tabellina da fare: riprendine una con Alt e il suo numero.</source>
        <translation>No queda ninguna tabla: recupera una con Alt y su número.</translation>
    </message>
    <message>
        <source>La partita è già cominciata.</source>
        <translation>La partida ya ha empezado.</translation>
    </message>
    <message>
        <source>Nessuna partita da fermare.</source>
        <translation>No hay ninguna partida que parar.</translation>
    </message>
    <message>
        <source>Nessuna partita in corso. Ctrl+N per cominciare.</source>
        <translation>No hay ninguna partida en juego. Ctrl+N para empezar.</translation>
    </message>
    <message>
        <source>Complimenti. Hai finito.</source>
        <translation>¡Muy bien! Has terminado.</translation>
    </message>
    <message>
        <source>Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3</source>
        <extracomment>%2 is &quot;del 7&quot; or &quot;dell&apos;8&quot;, %3 &quot;al 7&quot; or &quot;all&apos;8&quot;, as translated in the sentences (&quot;frasi&quot;); Maiusc is the Shift key.</extracomment>
        <translation>Alt+%1: quita o recupera la tabla %2; Alt+Mayús+%1: deja las tablas %3</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A question on the board, as a screen reader says it: &quot;6 per 8&quot; is six times eight.</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Avvio</source>
        <extracomment>The button that starts a game.</extracomment>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops the game under way.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pausa</source>
        <extracomment>The button that pauses the game.</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Riprendi</source>
        <extracomment>The button that resumes the paused game.</extracomment>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that opens the instructions.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The button that prints the finished table.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Silenzio</source>
        <extracomment>The sound switch, as a screen reader names it.</extracomment>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Ctrl+P o il tasto Pausa</source>
        <extracomment>The keys of Pause and Resume, told after their names.</extracomment>
        <translation>Ctrl+P o la tecla Pausa</translation>
    </message>
    <message>
        <source>Tastierino numerico</source>
        <extracomment>The caption of the on-screen keypad&apos;s frame.</extracomment>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Tasto %1</source>
        <extracomment>A key of the on-screen keypad, e.g. &quot;Tasto 7&quot;.</extracomment>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Cancella</source>
        <extracomment>The keypad&apos;s erase key.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The keypad&apos;s key that gives the answer.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cronometro</source>
        <extracomment>The stopwatch&apos;s frame.</extracomment>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Minuti</source>
        <extracomment>The stopwatch&apos;s minutes, as a screen reader names them.</extracomment>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>minuti</source>
        <extracomment>Beside the stopwatch&apos;s minutes.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Secondi</source>
        <extracomment>The stopwatch&apos;s seconds, as a screen reader names them.</extracomment>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>Beside the stopwatch&apos;s seconds.</extracomment>
        <translation>seg</translation>
    </message>
    <message>
        <source>Errori</source>
        <extracomment>The errors counter&apos;s heading.</extracomment>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Ctrl+T dice il tempo e gli errori</source>
        <extracomment>The keys of the stopwatch and the errors counter, told after their names.</extracomment>
        <translation>Ctrl+T dice el tiempo y los errores</translation>
    </message>
    <message>
        <source>Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; F11: schermo intero</source>
        <translation>Ctrl+N: partida nueva; Ctrl+P: pausa y seguir; Ctrl+S: parar; Ctrl+T: tiempo y errores; Alt+número: quitar o recuperar una tabla; F11: pantalla completa</translation>
    </message>
    <message>
        <source>Software libero, GPL</source>
        <extracomment>A small line under the title: the program is free software under the GPL.</extracomment>
        <translation>Software libre, GPL</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Mano</source>
        <extracomment>The pointing hand over the column numbers.</extracomment>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Pausa.</source>
        <extracomment>Told when the game is paused.</extracomment>
        <translation>Pausa.</translation>
    </message>
    <message>
        <source>Pausa. Ctrl+P per riprendere.</source>
        <translation>Pausa. Ctrl+P para seguir.</translation>
    </message>
    <message>
        <source>Si riprende.</source>
        <extracomment>Told when the paused game resumes, before the question.</extracomment>
        <translation>Seguimos.</translation>
    </message>
    <message>
        <source>Registro</source>
        <extracomment>The title of a warning about the record of games.</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <extracomment>The title of the question before a review (&quot;Ripassa&quot;: practise the hard facts).</extracomment>
        <translation>Repasar</translation>
    </message>
    <message>
        <source>Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.

Vuoi lasciarla e ripassare?</source>
        <translation>Estás jugando una partida. Si repasas ahora, esta partida termina aquí.

¿Quieres dejarla y repasar?</translation>
    </message>
    <message>
        <source>&amp;Sì, ripasso</source>
        <translation>&amp;Sí, repaso</translation>
    </message>
    <message>
        <source>&amp;No, continuo la partita</source>
        <translation>&amp;No, sigo la partida</translation>
    </message>
    <message>
        <source>Lasciare la partita per ripassare?</source>
        <translation>¿Dejar la partida para repasar?</translation>
    </message>
    <message>
        <source>Partita fermata.</source>
        <translation>Partida detenida.</translation>
    </message>
    <message>
        <source>Sbagliato, 1 errore.</source>
        <extracomment>A wrong answer, and the errors so far.</extracomment>
        <translation>Incorrecto, 1 error.</translation>
    </message>
    <message numerus="yes">
        <source>Sbagliato, %n errori.</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>Incorrecto, %n error.</numerusform>
            <numerusform>Incorrecto, %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Giusto!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Tabellina %1 esclusa</source>
        <extracomment>A table left out of the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>Tabla %1 fuera</translation>
    </message>
    <message>
        <source>Tabellina %1 ripresa</source>
        <extracomment>A table back in the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>La tabla %1 vuelve al juego</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences said one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare. Si gioca una partita normale.</source>
        <translation>Hoy no hay nada que repasar. Vamos a jugar una partida normal.</translation>
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
            <numerusform>Hoy: %n para practicar</numerusform>
            <numerusform>Hoy: %n para practicar</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+R apre il registro: lì c&apos;è il pulsante Ripassa</source>
        <extracomment>How to reach the practice round from the board.</extracomment>
        <translation>Ctrl+R abre el registro: allí está el botón Repasar</translation>
    </message>
    <message>
        <source>Voce non disponibile</source>
        <extracomment>The voice switch when the computer has no speech service: short, it is a small box.</extracomment>
        <translation>Voz no disponible</translation>
    </message>
    <message>
        <source>Per leggere ad alta voce serve il servizio di sintesi vocale (speech-dispatcher). Il gioco va avanti senza.</source>
        <translation>Para leer en voz alta hace falta el servicio de síntesis de voz (speech-dispatcher). El juego sigue sin él.</translation>
    </message>
    <message>
        <source>Leggi ad alta voce</source>
        <extracomment>The switch that reads the game aloud.</extracomment>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>sto aggiornando il registro…</source>
        <extracomment>Under the grid for the few seconds the record of an older version is brought up to date; the board can be used meanwhile.</extracomment>
        <translation>actualizando el registro…</translation>
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
        <translation>en juego</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>&amp;Giocatore:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <extracomment>The players table&apos;s column headers; &quot;Sicure&quot;, &quot;Da ripassare&quot;, &quot;Da imparare&quot; count facts (feminine in Italian) in each state.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>&amp;Nuovo…</source>
        <translation>&amp;Nuevo…</translation>
    </message>
    <message>
        <source>Rino&amp;mina…</source>
        <translation>Reno&amp;mbrar…</translation>
    </message>
    <message>
        <source>&amp;Togli…</source>
        <translation>&amp;Quitar…</translation>
    </message>
    <message>
        <source>S&amp;vuota…</source>
        <translation>&amp;Vaciar…</translation>
    </message>
    <message>
        <source>Toglie tutte le partite del giocatore; il giocatore resta</source>
        <translation>Quita todas las partidas del jugador; el jugador se queda</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>Perio&amp;do:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The periods whose games the window shows, in the box &quot;Periodo:&quot;.</extracomment>
        <translation>hoy</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>esta semana</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>este mes</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>todo</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The chart&apos;s points as a table: when, what kind of game, its two numbers.
----------
The games list&apos;s column headers: when the game began, the tables in play, the time on the stopwatch (m:ss), wrong answers, how it ended.</extracomment>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Partite</source>
        <translation>&amp;Partidas</translation>
    </message>
    <message>
        <source>Mostra anc&amp;he ripassi e partite fermate</source>
        <translation>Mostrar también repasos &amp;y partidas detenidas</translation>
    </message>
    <message>
        <source>Andamento in numeri</source>
        <translation>Evolución en números</translation>
    </message>
    <message>
        <source>&amp;Andamento</source>
        <translation>Evo&amp;lución</translation>
    </message>
    <message>
        <source>Fatto scelto</source>
        <translation>Operación elegida</translation>
    </message>
    <message>
        <source>&amp;Fatti</source>
        <translation>&amp;Operaciones</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Segundos por respuesta</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Errores por partida</translation>
    </message>
    <message>
        <source>Sicure</source>
        <translation>Dominadas</translation>
    </message>
    <message>
        <source>Da ripassare</source>
        <translation>Por repasar</translation>
    </message>
    <message>
        <source>Da imparare</source>
        <translation>Por aprender</translation>
    </message>
    <message>
        <source>G&amp;iocatori</source>
        <translation>J&amp;ugadores</translation>
    </message>
    <message>
        <source>&amp;Ripassa</source>
        <translation>&amp;Repasar</translation>
    </message>
    <message>
        <source>Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro</source>
        <translation>Una partida con las operaciones por aprender y por repasar hoy, y algunas ya dominadas</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>T&amp;ogli la partita…</source>
        <translation>Quitar la par&amp;tida…</translation>
    </message>
    <message>
        <source>Esporta la ta&amp;bella…</source>
        <translation>Exportar la ta&amp;bla…</translation>
    </message>
    <message>
        <source>Il registro è in %1.</source>
        <translation>El registro está en %1.</translation>
    </message>
    <message>
        <source>Qui si vede il registro della classe sul server della scuola: da questo computer non si possono togliere partite né svuotare il registro di un giocatore; lo fa l&apos;insegnante sul server.</source>
        <translation>Aquí se ve el registro de la clase en el servidor del colegio: desde este ordenador no se pueden quitar partidas ni vaciar el registro de un jugador; lo hace el maestro o la maestra en el servidor.</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Errores cada 10 respuestas</translation>
    </message>
    <message>
        <source>intera</source>
        <extracomment>What kind of game a point of the chart is (feminine: &quot;partita&quot;): a whole game, a review round, a game stopped before its end.</extracomment>
        <translation>completa</translation>
    </message>
    <message>
        <source>ripasso</source>
        <translation>repaso</translation>
    </message>
    <message>
        <source>fermata</source>
        <translation>detenida</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capire che cosa ripassare.</source>
        <translation>Todavía no hay partidas para saber qué repasar.</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare.</source>
        <translation>Hoy no hay nada que repasar.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi: %1.</source>
        <extracomment>Under the facts map. %1: the facts of today&apos;s review, as &quot;7 per 8, 6 per 9&quot;.</extracomment>
        <translation>El repaso de hoy: %1.</translation>
    </message>
    <message>
        <source>Nome (al massimo %1 caratteri):</source>
        <extracomment>%1: the longest name allowed, in characters.</extracomment>
        <translation>Nombre (máximo %1 caracteres):</translation>
    </message>
    <message>
        <source>Il nome va scritto su una riga, al massimo %1 caratteri, e non può essere &quot;%2&quot;.</source>
        <translation>El nombre se escribe en una línea, máximo %1 caracteres, y no puede ser &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore di nome &quot;%1&quot;: scegli un nome diverso.</source>
        <translation>Ya hay un jugador que se llama &quot;%1&quot;: elige otro nombre.</translation>
    </message>
    <message>
        <source>Nuovo giocatore</source>
        <extracomment>The title of the dialog asking a new child&apos;s name.</extracomment>
        <translation>Jugador nuevo</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite?</source>
        <extracomment>%1: the child&apos;s name, as typed.</extracomment>
        <translation>¿Quitar a &quot;%1&quot; del registro, con todas sus partidas?</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite? Sul server della scuola le sue partite restano: le toglie l&apos;insegnante.</source>
        <translation>¿Quitar a &quot;%1&quot; del registro, con todas sus partidas? En el servidor del colegio sus partidas se quedan: las quita el maestro o la maestra.</translation>
    </message>
    <message>
        <source>Togli</source>
        <extracomment>The title of the question before a child is removed from the record.</extracomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Togliere tutte le partite di &quot;%1&quot;? %1 resta fra i giocatori.</source>
        <extracomment>%1, twice: the child&apos;s name.</extracomment>
        <translation>¿Quitar todas las partidas de &quot;%1&quot;? %1 sigue entre los jugadores.</translation>
    </message>
    <message>
        <source>Togli la partita</source>
        <translation>Quitar la partida</translation>
    </message>
    <message>
        <source>La partita in corso non si può togliere.</source>
        <translation>La partida en juego no se puede quitar.</translation>
    </message>
    <message numerus="yes">
        <source>Togliere dal registro la partita del %1 (%2, %n errori)?</source>
        <translation>
            <numerusform>¿Quitar del registro la partida del %1 (%2, %n error)?</numerusform>
            <numerusform>¿Quitar del registro la partida del %1 (%2, %n errores)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta la tabella dei giocatori</source>
        <translation>Exportar la tabla de los jugadores</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Non riesco a esportare: %1.</source>
        <translation>No consigo exportar: %1.</translation>
    </message>
    <message>
        <source>Giocatori esportati in %1.</source>
        <translation>Jugadores exportados a %1.</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <translation>Repasar</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare: i fatti che hai già incontrato li sai.

Vuoi fare una partita normale?</source>
        <translation>Hoy no hay nada que repasar: las operaciones que ya has visto te las sabes.

¿Quieres jugar una partida normal?</translation>
    </message>
    <message>
        <source>&amp;Gioca una partita normale</source>
        <translation>&amp;Jugar una partida normal</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare</source>
        <translation>Hoy no hay nada que repasar</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>S&amp;cegli…</source>
        <translation>E&amp;legir…</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Scrivi il nome del file.</source>
        <translation>Escribe el nombre del archivo.</translation>
    </message>
    <message>
        <source>Esporta le partite</source>
        <translation>Exportar las partidas</translation>
    </message>
    <message>
        <source>giocatori.csv</source>
        <translation>jugadores.csv</translation>
    </message>
    <message>
        <source>partite.csv</source>
        <translation>partidas.csv</translation>
    </message>
    <message>
        <source>Per il fo&amp;glio di calcolo</source>
        <translation>Para la &amp;hoja de cálculo</translation>
    </message>
    <message>
        <source>Separatore &quot;%1&quot;, decimali con &quot;%2&quot;, date come 2026-12-07 10:15:03, UTF-8 con BOM.</source>
        <extracomment>%1: the CSV separator, %2: the decimal sign of the system&apos;s numbers. The date shows the spreadsheet&apos;s format and stays as it is.</extracomment>
        <translation>Separador &quot;%1&quot;, decimales con &quot;%2&quot;, fechas como 2026-12-07 10:15:03, UTF-8 con BOM.</translation>
    </message>
    <message>
        <source>&amp;Standard per i programmi (RFC 4180)</source>
        <translation>E&amp;stándar para programas (RFC 4180)</translation>
    </message>
    <message>
        <source>Separatore &quot;,&quot;, punto decimale, date ISO 8601.</source>
        <translation>Separador &quot;,&quot;, punto decimal, fechas ISO 8601.</translation>
    </message>
    <message>
        <source>-risposte</source>
        <extracomment>Added to the games&apos; file name for the answers&apos; file (&quot;partite-risposte.csv&quot;).</extracomment>
        <translation>-respuestas</translation>
    </message>
    <message>
        <source>&amp;Usa per giocare</source>
        <extracomment>Makes the child shown in the box &quot;Giocatore&quot; the one who plays on the board.</extracomment>
        <translation>Usar para ju&amp;gar</translation>
    </message>
    <message>
        <source>Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)</source>
        <translation>El jugador elegido aquí juega en el tablero (también con Intro sobre el nombre)</translation>
    </message>
    <message>
        <source>Ora gioca %1</source>
        <extracomment>What a screen reader says of the box &quot;Giocatore&quot;: who plays on the board now. %1: a name.</extracomment>
        <translation>Ahora juega %1</translation>
    </message>
    <message>
        <source>Sen&amp;za fretta</source>
        <extracomment>A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the board, and practice never judges her slow.</extracomment>
        <translation>Sin pris&amp;a</translation>
    </message>
    <message>
        <source>Senza fretta per questo giocatore</source>
        <translation>Sin prisa para este jugador</translation>
    </message>
    <message>
        <source>Niente cronometro nelle sue partite; il ripasso guarda solo giusto o sbagliato, mai la lentezza</source>
        <translation>Sin cronómetro en sus partidas; el repaso solo mira bien o mal, nunca la lentitud</translation>
    </message>
    <message>
        <source>Il registro non ha potuto segnare &quot;Senza fretta&quot;.</source>
        <extracomment>In the record window&apos;s status line when the mark &quot;Senza fretta&quot; cannot be written.</extracomment>
        <translation>El registro no ha podido marcar «Sin prisa».</translation>
    </message>
    <message>
        <source>C&amp;lasse</source>
        <extracomment>The tab of the class&apos;s map: how many children know each fact.</extracomment>
        <translation>Cla&amp;se</translation>
    </message>
    <message>
        <source>Togliere dal registro la partita del %1 (%2, 1 errore)?</source>
        <extracomment>%1: the game&apos;s date and time (Italian: &quot;del 07/12/2026 10:15&quot;), %2: its time on the stopwatch (m:ss); the game had one mistake.</extracomment>
        <translation>¿Quitar del registro la partida del %1 (%2, 1 error)?</translation>
    </message>
    <message>
        <source>Scrive tre file, con le partite del periodo: %4.
• %1, una riga per partita;
• %2, una riga per risposta;
• %3, una riga per fatto, con il suo stato di oggi.</source>
        <translation>Escribe tres archivos, con las partidas del periodo: %4.
• %1, una fila por partida;
• %2, una fila por respuesta;
• %3, una fila por operación, con su estado de hoy.</translation>
    </message>
    <message>
        <source>Partite esportate in %1, risposte in %2, fatti in %3.</source>
        <translation>Partidas exportadas a %1, respuestas a %2, operaciones a %3.</translation>
    </message>
    <message>
        <source>Mappa della classe</source>
        <translation>Mapa de la clase</translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>En cada casilla: cuántos niños saben la operación, de cuántos. Rojo: ninguno; amarillo: la mitad; verde: todos.</translation>
    </message>
    <message>
        <source>Nessun bambino nel registro.</source>
        <translation>Ningún niño en el registro.</translation>
    </message>
    <message>
        <source>1 bambino: %1.</source>
        <translation>1 niño: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini: %1.</source>
        <translation>
            <numerusform>%n niño: %1.</numerusform>
            <numerusform>%n niños: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per %2 (la sanno %3 su %4)</source>
        <extracomment>A fact in the class&apos;s hardest: %1 per %2 the multiplication, %3 of %4 children know it.</extracomment>
        <translation>%1 por %2 (la saben %3 de %4)</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Ninguna operación por aprender para la clase.</translation>
    </message>
    <message>
        <source>I fatti più difficili per la classe: %1.</source>
        <extracomment>Under the class&apos;s map. %1: facts as &quot;7 per 8 (la sanno 3 su 22)&quot;.</extracomment>
        <translation>Las operaciones más difíciles para la clase: %1.</translation>
    </message>
    <message>
        <source>Il ripasso è sempre quello di oggi, da tutte le partite.</source>
        <extracomment>After today&apos;s review under the facts map, when a period other than &quot;tutto&quot; is chosen.</extracomment>
        <translation>El repaso es siempre el de hoy, a partir de todas las partidas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s cell as a screen reader says it: %1 its column&apos;s name, %2 its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>-fatti</source>
        <extracomment>Added to the games&apos; file name for the facts&apos; file (&quot;partite-fatti.csv&quot;).</extracomment>
        <translation>-operaciones</translation>
    </message>
</context>
<context>
    <name>Giocatore</name>
    <message>
        <source>Ospite</source>
        <extracomment>The guest: whoever plays without choosing a name. Games are kept under the Italian word.</extracomment>
        <translation>Invitado</translation>
    </message>
</context>
<context>
    <name>GraficoPartite</name>
    <message>
        <source>Andamento delle partite</source>
        <translation>Evolución de las partidas</translation>
    </message>
    <message>
        <source>secondi per risposta</source>
        <extracomment>The chart&apos;s two lines, in the legends of its two plots.</extracomment>
        <translation>segundos por respuesta</translation>
    </message>
    <message>
        <source>errori ogni 10 risposte</source>
        <translation>errores cada 10 respuestas</translation>
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
        <translation>Ninguna partida</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>The title of the upper plot&apos;s axis, written upwards beside it; the legend says &quot;per answer&quot;. Short.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>errori</source>
        <extracomment>The title of the lower plot&apos;s axis, written upwards beside it; the legend says &quot;every 10 answers&quot;. Short.</extracomment>
        <translation>errores</translation>
    </message>
    <message>
        <source>ripassi</source>
        <extracomment>The chart&apos;s legend for the hollow circles: rounds of chosen facts (Ripassa).</extracomment>
        <translation>repasos</translation>
    </message>
    <message>
        <source>partite fermate</source>
        <extracomment>The chart&apos;s legend for the hollow triangles: games stopped before their end.</extracomment>
        <translation>partidas detenidas</translation>
    </message>
</context>
<context>
    <name>LettoreClasse</name>
    <message>
        <source>il server %1 non si lascia leggere (%2)</source>
        <extracomment>Why the class cannot be read from the school&apos;s server, after &quot;perché&quot;; lower case, no final stop. %1: the server, %2: the server&apos;s own words.</extracomment>
        <translation>el servidor %1 no deja leer (%2)</translation>
    </message>
    <message>
        <source>la copia della classe non si scrive (%1)</source>
        <extracomment>Why the class cannot be read: its local copy cannot be written. %1: the database&apos;s words.</extracomment>
        <translation>la copia de la clase no se puede escribir (%1)</translation>
    </message>
</context>
<context>
    <name>LetturaClasse</name>
    <message>
        <source>la copia della classe non si può scrivere in %1</source>
        <extracomment>Why the class cannot be read, after &quot;perché&quot;; lower case. %1: the folder.</extracomment>
        <translation>la copia de la clase no se puede escribir en %1</translation>
    </message>
    <message>
        <source>Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di questo computer.</source>
        <extracomment>In the record window&apos;s status line. %1: the class&apos;s name.</extracomment>
        <translation>Clase %1: leyendo del servidor…; mientras tanto solo se ven las partidas de este ordenador.</translation>
    </message>
    <message>
        <source>Si vedono le partite di tutta la classe %1, lette dal server alle %2.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was read (Italian says &quot;alle&quot; before a time).</extracomment>
        <translation>Se ven las partidas de toda la clase %1, leídas del servidor a las %2.</translation>
    </message>
    <message>
        <source>Si vedono le partite della classe %1 lette dal server alle %2; ora non si leggono, perché %3.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was last read, %3: why it cannot be read now (a lower-case reason).</extracomment>
        <translation>Se ven las partidas de la clase %1 leídas del servidor a las %2; ahora no se pueden leer, porque %3.</translation>
    </message>
    <message>
        <source>Si vedono soltanto le partite di questo computer, perché %1.</source>
        <extracomment>%1: why the class cannot be read (a lower-case reason).</extracomment>
        <translation>Solo se ven las partidas de este ordenador, porque %1.</translation>
    </message>
</context>
<context>
    <name>MappaFatti</name>
    <message>
        <source>d MMMM</source>
        <extracomment>A day in the words about a fact, as a QLocale date format: this year&apos;s (&quot;3 dicembre&quot;), then another year&apos;s. Reorder as your language writes dates.</extracomment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Mappa dei fatti</source>
        <translation>Mapa de las operaciones</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of the facts map&apos;s legend. %1: the letter in the map&apos;s cells, or &quot;senza lettera&quot;; %2: the state&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>senza lettera</source>
        <translation>sin letra</translation>
    </message>
    <message>
        <source>%1 per %2: %3</source>
        <extracomment>The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8), %3: its state.</extracomment>
        <translation>%1 por %2: %3</translation>
    </message>
    <message>
        <source>chiesta 1 volta</source>
        <extracomment>How many times a fact was asked (the fact, a multiplication, is feminine in Italian).</extracomment>
        <translation>preguntada 1 vez</translation>
    </message>
    <message numerus="yes">
        <source>chiesta %n volte</source>
        <translation>
            <numerusform>preguntada %n vez</numerusform>
            <numerusform>preguntada %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sbagliata</source>
        <extracomment>How many of its answers were wrong (feminine: &quot;risposte&quot;).</extracomment>
        <translation>1 respuesta incorrecta</translation>
    </message>
    <message numerus="yes">
        <source>%n sbagliate</source>
        <translation>
            <numerusform>%n respuesta incorrecta</numerusform>
            <numerusform>%n respuestas incorrectas</numerusform>
        </translation>
    </message>
    <message>
        <source>; di solito %1 secondi</source>
        <extracomment>Appended to the words about a fact. %1: the child&apos;s usual seconds for it, one decimal.</extracomment>
        <translation>; normalmente %1 segundos</translation>
    </message>
    <message>
        <source>; %1, %2, l&apos;ultima %3</source>
        <translation>; %1, %2, la última %3</translation>
    </message>
    <message>
        <source>; %1, %2, %3</source>
        <extracomment>The same for a fact asked once: %3 is the day it was asked, with the word before it.</extracomment>
        <translation>; %1, %2, %3</translation>
    </message>
    <message>
        <source>; da ripassare %1</source>
        <extracomment>Appended to the words about a sure fact. %1: the day it comes up for review, with the word before it (&quot;il 3 dicembre&quot;, &quot;l&apos;8 dicembre&quot;).</extracomment>
        <translation>; por repasar %1</translation>
    </message>
    <message>
        <source>%1 per %2: non chiesta in questo periodo</source>
        <extracomment>The words told about a fact that the games of the period chosen did not ask, though earlier ones did. %1 per %2: the multiplication.</extracomment>
        <translation>%1 por %2: no preguntada en este periodo</translation>
    </message>
</context>
<context>
    <name>Opzioni</name>
    <message>
        <source>numerella: %1: %2: %3 Valore ignorato.</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 the key, %3 what is wrong.</extracomment>
        <translation>numerella: %1: %2: %3 Valor ignorado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi true oppure false.</source>
        <translation>&quot;%1&quot; no es válido: escribe true o false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi quanti fatti ripassare, da 1 a 100.</source>
        <translation>&quot;%1&quot; no es válido: escribe cuántas operaciones repasar, de 1 a 100.</translation>
    </message>
    <message>
        <source>numerella: %1: %2</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 what is wrong.</extracomment>
        <translation>numerella: %1: %2</translation>
    </message>
    <message>
        <source>è una cartella, non un file di impostazioni. Ignorata.</source>
        <translation>es una carpeta, no un archivo de ajustes. Ignorada.</translation>
    </message>
    <message>
        <source>non si può leggere: mancano i permessi. File ignorato.</source>
        <translation>no se puede leer: faltan permisos. Archivo ignorado.</translation>
    </message>
    <message>
        <source>non si può leggere. File ignorato.</source>
        <translation>no se puede leer. Archivo ignorado.</translation>
    </message>
    <message>
        <source>non è un file di testo. File ignorato.</source>
        <translation>no es un archivo de texto. Archivo ignorado.</translation>
    </message>
    <message>
        <source>la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.</source>
        <translation>la línea %1 no es ni clave=valor ni [sección]; revisa sus líneas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: le lingue disponibili sono %2.</source>
        <extracomment>%1 is the language code given, %2 the list of the available ones (&quot;it, de, fr, ...&quot;).</extracomment>
        <translation>&quot;%1&quot; no es válido: los idiomas disponibles son %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: %2.</source>
        <translation>&quot;%1&quot; no es válido: %2.</translation>
    </message>
    <message>
        <source>scrivi almeno una tabellina, per esempio 2,5,7 o 1-5</source>
        <translation>escribe al menos una tabla, por ejemplo 2,5,7 o 1-5</translation>
    </message>
    <message>
        <source>usa numeri da 1 a 10 e intervalli come 1-5</source>
        <translation>usa números del 1 al 10 e intervalos como 1-5</translation>
    </message>
    <message>
        <source>le tabelline vanno da 1 a 10</source>
        <translation>las tablas van del 1 al 10</translation>
    </message>
    <message>
        <source>l&apos;intervallo va scritto dal più piccolo al più grande</source>
        <translation>el intervalo se escribe del más pequeño al más grande</translation>
    </message>
    <message>
        <source>La Numerella: per esercitarsi sulla tavola pitagorica, dall&apos;1 × 1 al 10 × 10.</source>
        <translation>La Numerella: para practicar las tablas de multiplicar, del 1 × 1 al 10 × 10.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde.</source>
        <translation>Las tablas que practicar, con números e intervalos del 1 al 10 (por ejemplo 2,5,7 o 1-5 o 1-3,8); las demás empiezan quitadas, en verde.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <extracomment>In the help, the value of an option: a list of tables.</extracomment>
        <translation>LISTA</translation>
    </message>
    <message>
        <source>Parte con il suono spento (si riaccende con la casella del suono).</source>
        <translation>Empieza con el sonido apagado (se vuelve a encender con la casilla del sonido).</translation>
    </message>
    <message>
        <source>Parte a schermo intero.</source>
        <translation>Empieza a pantalla completa.</translation>
    </message>
    <message>
        <source>Chi gioca: le partite vanno nel registro sotto questo nome (nuovo se non c&apos;è ancora), che resta scelto.</source>
        <translation>Quién juega: las partidas van al registro con este nombre (nuevo si todavía no está), que queda elegido.</translation>
    </message>
    <message>
        <source>NOME</source>
        <extracomment>In the help, the value of an option: a child&apos;s name.</extracomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file (per esempio su una chiavetta) invece che in quello solito.</source>
        <translation>Sin ARCHIVO, abre solo la ventana del registro. Con ARCHIVO guarda el registro en ese archivo (por ejemplo en una memoria USB) en vez de en el habitual.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In the help, the value of an option: a file&apos;s name.</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, qualcuno già sicuro, gli altri in verde.</source>
        <translation>Empieza con el repaso de hoy de quien juega: las operaciones por aprender y por repasar, algunas ya dominadas, las demás en verde.</translation>
    </message>
    <message>
        <source>Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce.</source>
        <translation>Escribe todas las partidas del registro, una línea por partida, en ARCHIVO (CSV) y sale.</translation>
    </message>
    <message>
        <source>Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce.</source>
        <translation>Escribe todas las respuestas del registro, una línea por pregunta, en ARCHIVO (CSV) y sale.</translation>
    </message>
    <message>
        <source>Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i programmi (RFC 4180: virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo nella lingua del sistema.</source>
        <translation>Con --esporta, --esporta-risposte y --esporta-fatti escribe el CSV estándar para programas (RFC 4180: coma, punto decimal, fechas ISO 8601) en vez del de la hoja de cálculo en el idioma del sistema.</translation>
    </message>
    <message>
        <source>Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce.</source>
        <translation>Escribe el estado de cada operación de cada jugador, una línea por operación, en ARCHIVO (CSV) y sale.</translation>
    </message>
    <message>
        <source>Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui.</source>
        <translation>Solo esta vez, manda las partidas al servidor del colegio URL (postgresql://usuario@servidor/basededatos) en vez del de numerella.conf. La contraseña va en ~/.pgpass, nunca aquí.</translation>
    </message>
    <message>
        <source>URL</source>
        <extracomment>In the help, the value of an option: a server&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>La lingua del programma, tra %1, invece di quella del sistema.</source>
        <translation>El idioma del programa, entre %1, en vez del del sistema.</translation>
    </message>
    <message>
        <source>CODICE</source>
        <extracomment>In the help, the value of an option: a language&apos;s code.</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>numerella: %1
Per l&apos;elenco delle opzioni: numerella --help
</source>
        <translation>numerella: %1
Para ver la lista de opciones: numerella --help
</translation>
    </message>
    <message>
        <source>argomento inatteso &quot;%1&quot;.</source>
        <translation>argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.</source>
        <translation>--giocatore: el nombre se escribe en una línea, máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>numerella: non riesco a leggere il registro: %1
</source>
        <translation>numerella: no consigo leer el registro: %1
</translation>
    </message>
    <message>
        <source>numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.
</source>
        <translation>numerella: no hay ninguna pantalla disponible: La Numerella solo se abre en una sesión gráfica.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi leggibile oppure normale.</source>
        <translation>«%1» no vale: escribe leggibile o normale.</translation>
    </message>
    <message>
        <source>Legge ad alta voce le domande, giusto e sbagliato, la pausa e la fine (si spegne con la casella &quot;Leggi ad alta voce&quot;).</source>
        <translation>Lee en voz alta las preguntas, bien y mal, la pausa y el final (se apaga con la casilla «Leer en voz alta»).</translation>
    </message>
    <message>
        <source>Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il ripasso non giudica la lentezza.</source>
        <translation>Sin prisa: sin cronómetro, ningún tiempo mostrado, dicho o impreso, y el repaso nunca juzga la lentitud.</translation>
    </message>
    <message>
        <source>Con &quot;leggibile&quot; scrive le parole in un carattere fatto per chi ha la dislessia (le cifre restano come sono).</source>
        <translation>Con «leggibile» escribe las palabras en una letra pensada para quien tiene dislexia (las cifras no cambian).</translation>
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
        <translation>en la carpeta %1 no se puede escribir</translation>
    </message>
    <message>
        <source>il file %1 non si può aprire</source>
        <extracomment>The same kind of reason; in all of these %1 is the record&apos;s file.</extracomment>
        <translation>el archivo %1 no se puede abrir</translation>
    </message>
    <message>
        <source>il file %1 si può soltanto leggere</source>
        <translation>el archivo %1 solo se puede leer</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>un altro programma tiene occupato il file %1</source>
        <translation>otro programa tiene ocupado el archivo %1</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato e non si può mettere da parte (%2)</source>
        <translation>el archivo %1 está dañado y no se puede apartar (%2)</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato</source>
        <translation>el archivo %1 está dañado</translation>
    </message>
    <message>
        <source>il file %1 non è un registro della Numerella, e resta com&apos;è</source>
        <translation>el archivo %1 no es un registro de la Numerella, y se queda como está</translation>
    </message>
    <message>
        <source>il file %1 non c&apos;è</source>
        <translation>el archivo %1 no existe</translation>
    </message>
    <message>
        <source>il file %1 è di una versione più nuova della Numerella</source>
        <translation>el archivo %1 es de una versión más nueva de la Numerella</translation>
    </message>
    <message>
        <source>il file %1 non si può usare</source>
        <translation>el archivo %1 no se puede usar</translation>
    </message>
    <message>
        <source>Il registro delle partite era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.</source>
        <extracomment>%1: the damaged file&apos;s new name.</extracomment>
        <translation>El registro de las partidas estaba dañado: se ha apartado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, ma le partite non saranno ricordate.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>El registro de las partidas no se guarda: %1. Se puede jugar igualmente, pero las partidas no se recordarán.</translation>
    </message>
    <message>
        <source>Il registro delle partite per ora non si può scrivere: %1. Le risposte restano in memoria e saranno scritte appena si potrà: non chiudere il programma.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>El registro de las partidas ahora no se puede escribir: %1. Las respuestas se quedan en la memoria y se escribirán en cuanto se pueda: no cierres el programa.</translation>
    </message>
</context>
<context>
    <name>Speditore</name>
    <message>
        <source>la partita di %1 del %2: %3</source>
        <extracomment>A game the school&apos;s server refused, listed after &quot;Il server non ha preso&quot;. %1: the child, %2: when the game began (Italian: &quot;del 7/12/2026 10:15&quot;), %3: the server&apos;s own words.</extracomment>
        <translation>la partida de %1 del %2: %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>When a refused game began, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>d/M/yyyy HH:mm</translation>
    </message>
    <message>
        <source>il registro di questo computer non si legge (%1)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the database&apos;s words.</extracomment>
        <translation>el registro de este ordenador no se puede leer (%1)</translation>
    </message>
    <message>
        <source>il server %1 non ha preso una partita (%2)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the server, %2: its words.</extracomment>
        <translation>el servidor %1 no ha aceptado una partida (%2)</translation>
    </message>
</context>
<context>
    <name>Spedizione</name>
    <message>
        <source>Server della scuola (%1, classe %2)</source>
        <extracomment>The start of the sender&apos;s lines in the record window&apos;s status. %1: the server, %2: the class&apos;s name.</extracomment>
        <translation>Servidor del colegio (%1, clase %2)</translation>
    </message>
    <message>
        <source>%1: collegamento in corso.</source>
        <extracomment>In all of the sender&apos;s lines, %1 is &quot;Server della scuola (…)&quot;.</extracomment>
        <translation>%1: conectando.</translation>
    </message>
    <message>
        <source>%1: tutte le partite sono arrivate.</source>
        <translation>%1: han llegado todas las partidas.</translation>
    </message>
    <message>
        <source>%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.</source>
        <extracomment>%2: why the server cannot be reached now (a lower-case reason).</extracomment>
        <translation>%1: ninguna partida espera, pero ahora no se puede conectar, porque %2.</translation>
    </message>
    <message>
        <source>Il server non ha preso %1.</source>
        <extracomment>After the sender&apos;s line. %1: the refused games, each &quot;la partita di … del …: …&quot;, joined by &quot;; &quot;.</extracomment>
        <translation>El servidor no ha aceptado %1.</translation>
    </message>
    <message>
        <source>%1: collegamento in corso, 1 partita in attesa.</source>
        <extracomment>Games ended here wait while the sender reaches the server for the first time.</extracomment>
        <translation>%1: conectando, 1 partida en espera.</translation>
    </message>
    <message numerus="yes">
        <source>%1: collegamento in corso, %n partite in attesa.</source>
        <translation>
            <numerusform>%1: conectando, %n partida en espera.</numerusform>
            <numerusform>%1: conectando, %n partidas en espera.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa di essere mandata.</source>
        <extracomment>Games ended here and not yet on the server; the server could be reached at the last try.</extracomment>
        <translation>%1: 1 partida espera a ser enviada.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa di essere mandate.</source>
        <translation>
            <numerusform>%1: %n partida espera a ser enviada.</numerusform>
            <numerusform>%1: %n partidas esperan a ser enviadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa su questo computer, perché %2.</source>
        <extracomment>Games kept here because the server cannot be reached. %2: why (a lower-case reason).</extracomment>
        <translation>%1: 1 partida espera en este ordenador, porque %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa su questo computer, perché %2.</source>
        <translation>
            <numerusform>%1: %n partida espera en este ordenador, porque %2.</numerusform>
            <numerusform>%1: %n partidas esperan en este ordenador, porque %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tipografia</name>
    <message>
        <source>Nome</source>
        <extracomment>The title of the dialog asking the child&apos;s name before the board is printed.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Scrivi il tuo nome.</source>
        <extracomment>Said to the child, who writes the name to print on the page.</extracomment>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Non trovo nessuna stampante.</source>
        <translation>No encuentro ninguna impresora.</translation>
    </message>
    <message>
        <source>Non riesco a stampare su &quot;%1&quot;.</source>
        <extracomment>%1: the printer&apos;s name, or the file printed to.</extracomment>
        <translation>No consigo imprimir en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non accetta lavori in questo momento.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>La impresora &quot;%1&quot; no acepta trabajos en este momento.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non ha preso la pagina.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>La impresora &quot;%1&quot; no ha aceptado la página.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The title of a message about printing.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>%1
Vuoi scegliere un&apos;altra stampante o salvare la pagina in PDF?</source>
        <extracomment>%1: what went wrong, one of the messages above.</extracomment>
        <translation>%1
¿Quieres elegir otra impresora o guardar la página en PDF?</translation>
    </message>
</context>
<context>
    <name>andamento</name>
    <message>
        <source>Ancora nessuna partita intera.</source>
        <extracomment>The chart&apos;s sentence on a child&apos;s trend, under the chart in the record window and on the printed report.</extracomment>
        <translation>Todavía no hay ninguna partida completa.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana nessuna partita intera; prima: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers already in the locale&apos;s form).</extracomment>
        <translation>En los últimos 7 días, ninguna partida completa; antes: %1 segundos por respuesta, %2 errores cada 10 respuestas.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer in the last week, %2: mistakes every 10 answers in it.</extracomment>
        <translation>En los últimos 7 días: %1 segundos por respuesta, %2 errores cada 10 respuestas.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 risposte, prima %4.</source>
        <extracomment>%1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in the last week and before it.</extracomment>
        <translation>En los últimos 7 días: %1 segundos por respuesta, antes %2; %3 errores cada 10 respuestas, antes %4.</translation>
    </message>
</context>
<context>
    <name>apprendimento</name>
    <message>
        <source>mai chiesta</source>
        <extracomment>A fact&apos;s state (a multiplication such as 7 × 8, feminine in Italian: &quot;la moltiplicazione&quot;), lower case: in the facts map&apos;s legend, the words told about a fact and the printed report. Keep it short.</extracomment>
        <translation>nunca preguntada</translation>
    </message>
    <message>
        <source>da imparare</source>
        <translation>por aprender</translation>
    </message>
    <message>
        <source>sicura</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>da ripassare</source>
        <translation>por repasar</translation>
    </message>
    <message>
        <source>quasi sicura</source>
        <extracomment>A fact likely known: answered right and quick, but not yet often enough to be sure.</extracomment>
        <translation>casi dominada</translation>
    </message>
</context>
<context>
    <name>classe</name>
    <message>
        <source>%1 per %2: la sanno %3 su %4</source>
        <extracomment>The words about a fact of the class&apos;s map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of the %4 children know it.</extracomment>
        <translation>%1 por %2: la saben %3 de %4</translation>
    </message>
    <message>
        <source>; da imparare per %1</source>
        <extracomment>Appended to the words about a fact of the class&apos;s map. %1: the children, &quot;Anna, Marco&quot;.</extracomment>
        <translation>; por aprender para %1</translation>
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
        <translation>no consigo escribir %1: %2</translation>
    </message>
    <message>
        <source>non riesco a leggere il registro</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;.</extracomment>
        <translation>no consigo leer el registro</translation>
    </message>
</context>
<context>
    <name>frasi</name>
    <message>
        <source>dell&apos;1</source>
        <extracomment>Italian elides the article before a number read with a vowel (&quot;dell&apos;1&quot;, &quot;dell&apos;8&quot;, &quot;del 7&quot;). The table of n after the word for &quot;table&quot;; translate each number as your language says it.</extracomment>
        <translation>del 1</translation>
    </message>
    <message>
        <source>del 2</source>
        <translation>del 2</translation>
    </message>
    <message>
        <source>del 3</source>
        <translation>del 3</translation>
    </message>
    <message>
        <source>del 4</source>
        <translation>del 4</translation>
    </message>
    <message>
        <source>del 5</source>
        <translation>del 5</translation>
    </message>
    <message>
        <source>del 6</source>
        <translation>del 6</translation>
    </message>
    <message>
        <source>del 7</source>
        <translation>del 7</translation>
    </message>
    <message>
        <source>dell&apos;8</source>
        <translation>del 8</translation>
    </message>
    <message>
        <source>del 9</source>
        <translation>del 9</translation>
    </message>
    <message>
        <source>del 10</source>
        <translation>del 10</translation>
    </message>
    <message>
        <source>all&apos;1</source>
        <extracomment>&quot;Up to the table of n&quot;: Italian elides the article before a number read with a vowel (&quot;all&apos;1&quot;, &quot;all&apos;8&quot;, &quot;al 7&quot;).</extracomment>
        <translation>hasta la del 1</translation>
    </message>
    <message>
        <source>al 2</source>
        <translation>hasta la del 2</translation>
    </message>
    <message>
        <source>al 3</source>
        <translation>hasta la del 3</translation>
    </message>
    <message>
        <source>al 4</source>
        <translation>hasta la del 4</translation>
    </message>
    <message>
        <source>al 5</source>
        <translation>hasta la del 5</translation>
    </message>
    <message>
        <source>al 6</source>
        <translation>hasta la del 6</translation>
    </message>
    <message>
        <source>al 7</source>
        <translation>hasta la del 7</translation>
    </message>
    <message>
        <source>all&apos;8</source>
        <translation>hasta la del 8</translation>
    </message>
    <message>
        <source>al 9</source>
        <translation>hasta la del 9</translation>
    </message>
    <message>
        <source>al 10</source>
        <translation>hasta la del 10</translation>
    </message>
    <message>
        <source>1 secondo</source>
        <extracomment>Exactly one second.</extracomment>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun errore</source>
        <extracomment>No wrong answer in the game.</extracomment>
        <translation>ningún error</translation>
    </message>
    <message>
        <source>1 errore</source>
        <extracomment>Exactly one wrong answer.</extracomment>
        <translation>1 error</translation>
    </message>
    <message numerus="yes">
        <source>%n errori</source>
        <extracomment>Never said for 0 or 1, which have texts of their own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
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
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minuti</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 e %2, %3</source>
        <extracomment>Minutes, seconds and errors, e.g. &quot;2 minuti e 14 secondi, 3 errori&quot;.</extracomment>
        <translation>%1 y %2, %3</translation>
    </message>
    <message>
        <source>Nessuna tabellina rimasta</source>
        <translation>No queda ninguna tabla</translation>
    </message>
    <message>
        <source>Resta la tabellina %1</source>
        <extracomment>%1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated above.</extracomment>
        <translation>Queda la tabla %1</translation>
    </message>
    <message>
        <source>Restano tutte le tabelline</source>
        <translation>Quedan todas las tablas</translation>
    </message>
    <message>
        <source>Restano le tabelline da %1 a %2</source>
        <translation>Quedan las tablas del %1 al %2</translation>
    </message>
    <message>
        <source>Restano le tabelline %1 e %2</source>
        <extracomment>%1 is a list such as &quot;1, 3, 5&quot;, %2 the last table.</extracomment>
        <translation>Quedan las tablas del %1 y %2</translation>
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
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>2</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>3</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>4</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>5</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>6</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>7</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>8</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>9</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>10</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>11</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>12</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>13</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>14</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>15</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>16</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>17</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>18</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>19</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>20</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>21</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>22</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>23</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>24</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>25</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>26</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>27</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>28</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>29</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>30</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>31</comment>
        <translation>el %1</translation>
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
        <translation>Segundos por respuesta</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Errores cada 10 respuestas</translation>
    </message>
    <message>
        <source>Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. ● partita intera (unite dalla linea)   ○ ripasso o partita fermata</source>
        <extracomment>Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.</extracomment>
        <translation>Cada marca es una partida; las de un mismo día están una al lado de otra. ● partida completa (unidas por la línea)   ○ repaso o partida detenida</translation>
    </message>
    <message>
        <source>I fatti: riga per colonna</source>
        <translation>Las operaciones: fila por columna</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi</source>
        <translation>El repaso de hoy</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capirlo.</source>
        <translation>Todavía no hay partidas para saberlo.</translation>
    </message>
    <message>
        <source>Registro di %1</source>
        <translation>Registro de %1</translation>
    </message>
    <message>
        <source>1 partita</source>
        <extracomment>How many games the report shows.</extracomment>
        <translation>1 partida</translation>
    </message>
    <message numerus="yes">
        <source>%n partite</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Le partite</source>
        <translation>Las partidas</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the column &quot;Com&apos;è finita&quot;.</extracomment>
        <translation>en juego</translation>
    </message>
    <message>
        <source>%1 (ripasso)</source>
        <extracomment>How a review round ended: %1 is &quot;finita&quot;, &quot;fermata&quot; or &quot;interrotta&quot;.</extracomment>
        <translation>%1 (repaso)</translation>
    </message>
    <message>
        <source>Nessuna partita in questo periodo.</source>
        <translation>Ninguna partida en este periodo.</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The printed games table&apos;s column headers; narrow columns (fractions of the page&apos;s width).</extracomment>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Risposte giuste</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Com&apos;è finita</source>
        <translation>Cómo terminó</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Errores por partida</translation>
    </message>
    <message>
        <source>Fatti più difficili</source>
        <translation>Operaciones más difíciles</translation>
    </message>
    <message>
        <source>I</source>
        <extracomment>The letter in the facts map&apos;s cells for a fact to learn: the initial of &quot;da imparare&quot;. One letter.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter for a fact to review: the initial of &quot;da ripassare&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>The letter for a sure fact: the initial of &quot;sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The letter for a fact likely known: the initial of &quot;quasi sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>C</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <extracomment>The period of the printed report&apos;s games: all of them.</extracomment>
        <translation>todo el registro</translation>
    </message>
    <message>
        <source>Periodo: %1 · %2 · stampato %3</source>
        <extracomment>Under the report&apos;s title. %1: the period (&quot;tutto il registro&quot;), %2: &quot;N partite&quot;, %3: today&apos;s date with the word before it, as translated in &quot;giorno&quot; (&quot;il 03/12/2026&quot;, &quot;l&apos;08/12/2026&quot;).</extracomment>
        <translation>Periodo: %1 · %2 · impreso %3</translation>
    </message>
    <message>
        <source>Periodo: %1 · stampato %2</source>
        <extracomment>%2: today&apos;s date with the word before it, as translated in &quot;giorno&quot;.</extracomment>
        <translation>Periodo: %1 · impreso %2</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The period of the printed report&apos;s games: those of today.</extracomment>
        <translation>hoy</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <extracomment>The period of the printed report&apos;s games: this week&apos;s, from Monday.</extracomment>
        <translation>esta semana</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>este mes</translation>
    </message>
    <message>
        <source>La classe: i fatti</source>
        <extracomment>The title of the printed class&apos;s map.</extracomment>
        <translation>La clase: las operaciones</translation>
    </message>
    <message numerus="yes">
        <source>I bambini (%n): %1</source>
        <extracomment>Above the printed class&apos;s map. %1: the children&apos;s names.</extracomment>
        <translation>
            <numerusform>Los niños (%n): %1</numerusform>
            <numerusform>Los niños (%n): %1</numerusform>
        </translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the printed class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>En cada casilla: cuántos niños saben la operación, de cuántos. Rojo: ninguno; amarillo: la mitad; verde: todos.</translation>
    </message>
    <message>
        <source>I fatti da imparare, i più difficili per primi</source>
        <translation>Las operaciones por aprender, las más difíciles primero</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Ninguna operación por aprender para la clase.</translation>
    </message>
</context>
</TS>
