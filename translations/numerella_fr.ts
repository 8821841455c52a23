<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it_IT">
<context>
    <name>Cella</name>
    <message>
        <source>esclusa</source>
        <extracomment>Told after a cell of a table left out of the game.</extracomment>
        <translation>hors jeu</translation>
    </message>
</context>
<context>
    <name>Collegamento</name>
    <message>
        <source>in %1 il valore di %2 contiene un punto e virgola, che non può avere</source>
        <extracomment>Why the school&apos;s server is not used, put into longer messages after &quot;perché&quot;; lower case and no final stop, as all the reasons here. %1: the settings file, %2: the key (server, classe, file-password: keep these words as they are).</extracomment>
        <translation>dans %1, la valeur de %2 contient un point-virgule, ce qui n&apos;est pas permis</translation>
    </message>
    <message>
        <source>l&apos;indirizzo del server in numerella.conf non va bene: %1</source>
        <extracomment>%1: what is wrong with the address, one of the lower-case reasons below. Keep &quot;numerella.conf&quot;.</extracomment>
        <translation>l&apos;adresse du serveur dans numerella.conf ne va pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>deve cominciare con postgresql://</source>
        <extracomment>What is wrong with the server&apos;s address. Keep &quot;postgresql://&quot;.</extracomment>
        <translation>elle doit commencer par postgresql://</translation>
    </message>
    <message>
        <source>non può contenere il punto e virgola</source>
        <translation>elle ne peut pas contenir de point-virgule</translation>
    </message>
    <message>
        <source>la password non va scritta nell&apos;indirizzo: mettila in ~/.pgpass o nel file indicato da file-password</source>
        <translation>le mot de passe ne doit pas être écrit dans l&apos;adresse&#xa0;: mets-le dans ~/.pgpass ou dans le fichier indiqué par file-password</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un nome di server</source>
        <extracomment>%1: a piece of the server&apos;s address.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de serveur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non è un parametro di connessione</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un paramètre de connexion</translation>
    </message>
    <message>
        <source>manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)</source>
        <translation>le module de Qt pour PostgreSQL manque (le paquet libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile soltanto da root e da un gruppo (chmod 640)</source>
        <extracomment>%1: the password file&apos;s path.</extracomment>
        <translation>le fichier du mot de passe %1 peut être lu ou écrit par tout le monde&#xa0;: il doit être lisible seulement par root et par un groupe (chmod 640)</translation>
    </message>
    <message>
        <source>il file della password %1 non si può leggere</source>
        <translation>le fichier du mot de passe %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>sul server %1 non c&apos;è il registro della Numerella (va preparato con numerella-server.sql)</source>
        <extracomment>%1: the server. Keep &quot;numerella-server.sql&quot;, the file an admin runs on it.</extracomment>
        <translation>sur le serveur %1, il n&apos;y a pas le carnet de la Numerella (il faut le préparer avec numerella-server.sql)</translation>
    </message>
    <message>
        <source>il server %1 ha il registro della versione %2, ma questa Numerella usa la versione %3: va aggiornato il programma o il server</source>
        <extracomment>%1: the server, %2: its version of the record, %3: the version this program uses.</extracomment>
        <translation>le serveur %1 a le carnet de la version %2, mais cette Numerella utilise la version %3&#xa0;: il faut mettre à jour le programme ou le serveur</translation>
    </message>
    <message>
        <source>il server %1 non risponde o non accetta la connessione (%2)</source>
        <extracomment>%1: the server, %2: the server&apos;s or the network&apos;s own words.</extracomment>
        <translation>le serveur %1 ne répond pas ou refuse la connexion (%2)</translation>
    </message>
</context>
<context>
    <name>FinePartita</name>
    <message>
        <source>finita</source>
        <extracomment>How a game ended, in the games list&apos;s column &quot;Esito&quot; and on the printed report: every cell answered.</extracomment>
        <translation>finie</translation>
    </message>
    <message>
        <source>fermata</source>
        <extracomment>How a game ended: stopped by the child with Stop.</extracomment>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>interrotta</source>
        <extracomment>How a game ended: cut off because the program was closed or died.</extracomment>
        <translation>interrompue</translation>
    </message>
</context>
<context>
    <name>FrmChiGioca</name>
    <message>
        <source>Chi gioca?</source>
        <extracomment>Asked before the first game when several children share the computer; the title and the question.</extracomment>
        <translation>Qui joue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source> Completa la Numerella e avrai la possibilità di stamparla con il tuo nome.</source>
        <extracomment>One line of the instructions window; each line has a label of its own and about this length.</extracomment>
        <translation> Termine la Numerella et tu pourras l&apos;imprimer avec ton prénom.</translation>
    </message>
    <message>
        <source> Un cronometro, in alto a destra, misurerà il tempo impiegato.</source>
        <translation> Un chronomètre, en haut à droite, mesurera le temps que tu mets.</translation>
    </message>
    <message>
        <source> Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> En cliquant avec le bouton gauche de la souris sur les nombres qui clignotent en haut,</translation>
    </message>
    <message>
        <source> da una mano, potrai escludere una o più tabelline dalla Numerella.</source>
        <translation> montrés par une main, tu pourras enlever une ou plusieurs tables de la Numerella.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> Par exemple, en cliquant sur 4, 6, 7 et 8, tu t&apos;entraîneras seulement sur les tables</translation>
    </message>
    <message>
        <source> dell&apos;1, 2, 3, 5, 9 e 10</source>
        <translation> de 1, 2, 3, 5, 9 et 10.</translation>
    </message>
    <message>
        <source> Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra</source>
        <extracomment>The sentence goes on in the next line: break it where your language reads well, words may move between the two lines.</extracomment>
        <translation> En cliquant plutôt avec le bouton droit de la souris, tu enlèveras la partie à droite</translation>
    </message>
    <message>
        <source> del numero scelto</source>
        <translation> du nombre choisi.</translation>
    </message>
    <message>
        <source> Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall&apos;1 al 5.</source>
        <translation> Par exemple, en cliquant sur 5, tu choisiras de t&apos;entraîner seulement sur les tables de 1 à 5.</translation>
    </message>
    <message>
        <source>   Buon lavoro da:</source>
        <extracomment>The signature at the end of the instructions goes on in the next two lines.</extracomment>
        <translation>   Bon travail&#xa0;! De la part de&#xa0;:</translation>
    </message>
    <message>
        <source>   gli sviluppatori della Numerella,</source>
        <translation>   les développeurs de la Numerella,</translation>
    </message>
    <message>
        <source>   un programma libero (licenza GNU GPL 3 o successiva).</source>
        <translation>   un logiciel libre (licence GNU GPL 3 ou ultérieure).</translation>
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
        <translation> Lire à voix haute : La Numerella dit les questions (numerella --voce).</translation>
    </message>
    <message>
        <source> Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta).</source>
        <extracomment>One short line of the instructions: no stopwatch, no judging by speed.</extracomment>
        <translation> Sans se presser : pas de chronomètre, seul juste ou faux compte (--senza-fretta).</translation>
    </message>
    <message>
        <source> Carattere leggibile, per chi ha la dislessia: --carattere leggibile.</source>
        <extracomment>One short line of the instructions: the face for readers with dyslexia.</extracomment>
        <translation> Une police lisible, pour les lecteurs dyslexiques : --carattere leggibile.</translation>
    </message>
</context>
<context>
    <name>FrmNumerella</name>
    <message>
        <source>Nessuna tabellina da fare: riprendine una con Alt e il suo numero.</source>
        <translation>Aucune table à faire&#xa0;: remets-en une avec Alt et son numéro.</translation>
    </message>
    <message>
        <source>La partita è già cominciata.</source>
        <translation>La partie a déjà commencé.</translation>
    </message>
    <message>
        <source>Nessuna partita da fermare.</source>
        <translation>Aucune partie à arrêter.</translation>
    </message>
    <message>
        <source>Nessuna partita in corso. Ctrl+N per cominciare.</source>
        <translation>Aucune partie en cours. Ctrl+N pour commencer.</translation>
    </message>
    <message>
        <source>Complimenti. Hai finito.</source>
        <translation>Bravo&#xa0;! Tu as fini.</translation>
    </message>
    <message>
        <source>Alt+%1: escludi o riprendi la tabellina %2; Alt+Maiusc+%1: tieni le tabelline fino %3</source>
        <extracomment>%2 is &quot;del 7&quot; or &quot;dell&apos;8&quot;, %3 &quot;al 7&quot; or &quot;all&apos;8&quot;, as translated in the sentences (&quot;frasi&quot;); Maiusc is the Shift key.</extracomment>
        <translation>Alt+%1&#xa0;: enlève ou remets la table %2&#xa0;; Alt+Maj+%1&#xa0;: garde seulement les tables %3</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A question on the board, as a screen reader says it: &quot;6 per 8&quot; is six times eight.</extracomment>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>Avvio</source>
        <extracomment>The button that starts a game.</extracomment>
        <translation>Jouer</translation>
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
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Info</source>
        <extracomment>The button that opens the instructions.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The button that prints the finished table.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Esci</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Silenzio</source>
        <extracomment>The sound switch, as a screen reader names it.</extracomment>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Ctrl+P o il tasto Pausa</source>
        <extracomment>The keys of Pause and Resume, told after their names.</extracomment>
        <translation>Ctrl+P ou la touche Pause</translation>
    </message>
    <message>
        <source>Tastierino numerico</source>
        <extracomment>The caption of the on-screen keypad&apos;s frame.</extracomment>
        <translation>Pavé numérique</translation>
    </message>
    <message>
        <source>Tasto %1</source>
        <extracomment>A key of the on-screen keypad, e.g. &quot;Tasto 7&quot;.</extracomment>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>Cancella</source>
        <extracomment>The keypad&apos;s erase key.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The keypad&apos;s key that gives the answer.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cronometro</source>
        <extracomment>The stopwatch&apos;s frame.</extracomment>
        <translation>Chronomètre</translation>
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
        <translation>Secondes</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>Beside the stopwatch&apos;s seconds.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Errori</source>
        <extracomment>The errors counter&apos;s heading.</extracomment>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Ctrl+T dice il tempo e gli errori</source>
        <extracomment>The keys of the stopwatch and the errors counter, told after their names.</extracomment>
        <translation>Ctrl+T dit le temps et les erreurs</translation>
    </message>
    <message>
        <source>Ctrl+N: nuova partita; Ctrl+P: pausa e riprendi; Ctrl+S: stop; Ctrl+T: tempo ed errori; Alt+numero: escludi o riprendi una tabellina; F11: schermo intero</source>
        <translation>Ctrl+N&#xa0;: nouvelle partie&#xa0;; Ctrl+P&#xa0;: pause et reprendre&#xa0;; Ctrl+S&#xa0;: stop&#xa0;; Ctrl+T&#xa0;: temps et erreurs&#xa0;; Alt+nombre&#xa0;: enlever ou remettre une table&#xa0;; F11&#xa0;: plein écran</translation>
    </message>
    <message>
        <source>Software libero, GPL</source>
        <extracomment>A small line under the title: the program is free software under the GPL.</extracomment>
        <translation>Logiciel libre, GPL</translation>
    </message>
    <message>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Mano</source>
        <extracomment>The pointing hand over the column numbers.</extracomment>
        <translation>Main</translation>
    </message>
    <message>
        <source>Pausa.</source>
        <extracomment>Told when the game is paused.</extracomment>
        <translation>Pause.</translation>
    </message>
    <message>
        <source>Pausa. Ctrl+P per riprendere.</source>
        <translation>Pause. Ctrl+P pour reprendre.</translation>
    </message>
    <message>
        <source>Si riprende.</source>
        <extracomment>Told when the paused game resumes, before the question.</extracomment>
        <translation>On reprend.</translation>
    </message>
    <message>
        <source>Registro</source>
        <extracomment>The title of a warning about the record of games.</extracomment>
        <translation>Carnet</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <extracomment>The title of the question before a review (&quot;Ripassa&quot;: practise the hard facts).</extracomment>
        <translation>Réviser</translation>
    </message>
    <message>
        <source>Stai giocando una partita. Se ripassi adesso, questa partita finisce qui.

Vuoi lasciarla e ripassare?</source>
        <translation>Tu es en train de jouer une partie. Si tu révises maintenant, cette partie s&apos;arrête ici.

Veux-tu la laisser et réviser&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Sì, ripasso</source>
        <translation>&amp;Oui, je révise</translation>
    </message>
    <message>
        <source>&amp;No, continuo la partita</source>
        <translation>&amp;Non, je continue la partie</translation>
    </message>
    <message>
        <source>Lasciare la partita per ripassare?</source>
        <translation>Laisser la partie pour réviser&#xa0;?</translation>
    </message>
    <message>
        <source>Partita fermata.</source>
        <translation>Partie arrêtée.</translation>
    </message>
    <message>
        <source>Sbagliato, 1 errore.</source>
        <extracomment>A wrong answer, and the errors so far.</extracomment>
        <translation>Faux, 1 erreur.</translation>
    </message>
    <message numerus="yes">
        <source>Sbagliato, %n errori.</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>Faux, %n erreur.</numerusform>
            <numerusform>Faux, %n erreurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Giusto!</source>
        <translation>Juste&#xa0;!</translation>
    </message>
    <message>
        <source>Tabellina %1 esclusa</source>
        <extracomment>A table left out of the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>Table %1 enlevée</translation>
    </message>
    <message>
        <source>Tabellina %1 ripresa</source>
        <extracomment>A table back in the game; %1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated in the sentences (&quot;frasi&quot;).</extracomment>
        <translation>Table %1 remise</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two sentences said one after the other.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare. Si gioca una partita normale.</source>
        <translation>Aujourd&apos;hui, il n&apos;y a rien à réviser. On joue une partie normale.</translation>
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
            <numerusform>Aujourd’hui&#xa0;: %n à travailler</numerusform>
            <numerusform>Aujourd’hui&#xa0;: %n à travailler</numerusform>
        </translation>
    </message>
    <message>
        <source>Ctrl+R apre il registro: lì c&apos;è il pulsante Ripassa</source>
        <extracomment>How to reach the practice round from the board.</extracomment>
        <translation>Ctrl+R ouvre le carnet&#xa0;: le bouton Réviser s’y trouve</translation>
    </message>
    <message>
        <source>Voce non disponibile</source>
        <extracomment>The voice switch when the computer has no speech service: short, it is a small box.</extracomment>
        <translation>Voix indisponible</translation>
    </message>
    <message>
        <source>Per leggere ad alta voce serve il servizio di sintesi vocale (speech-dispatcher). Il gioco va avanti senza.</source>
        <translation>Pour lire à voix haute, il faut le service de synthèse vocale (speech-dispatcher). Le jeu continue sans lui.</translation>
    </message>
    <message>
        <source>Leggi ad alta voce</source>
        <extracomment>The switch that reads the game aloud.</extracomment>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>sto aggiornando il registro…</source>
        <extracomment>Under the grid for the few seconds the record of an older version is brought up to date; the board can be used meanwhile.</extracomment>
        <translation>mise à jour du carnet…</translation>
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
        <translation>en cours</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Carnet</translation>
    </message>
    <message>
        <source>&amp;Giocatore:</source>
        <translation>&amp;Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <extracomment>The players table&apos;s column headers; &quot;Sicure&quot;, &quot;Da ripassare&quot;, &quot;Da imparare&quot; count facts (feminine in Italian) in each state.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>&amp;Nuovo…</source>
        <translation>&amp;Nouveau…</translation>
    </message>
    <message>
        <source>Rino&amp;mina…</source>
        <translation>Reno&amp;mmer…</translation>
    </message>
    <message>
        <source>&amp;Togli…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>S&amp;vuota…</source>
        <translation>&amp;Vider…</translation>
    </message>
    <message>
        <source>Toglie tutte le partite del giocatore; il giocatore resta</source>
        <translation>Supprime toutes les parties du joueur&#xa0;; le joueur reste</translation>
    </message>
    <message>
        <source>Perio&amp;do:</source>
        <translation>Pério&amp;de&#xa0;:</translation>
    </message>
    <message>
        <source>Periodo</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The periods whose games the window shows, in the box &quot;Periodo:&quot;.</extracomment>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <translation>cette semaine</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>ce mois-ci</translation>
    </message>
    <message>
        <source>tutto</source>
        <translation>tout</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The chart&apos;s points as a table: when, what kind of game, its two numbers.
----------
The games list&apos;s column headers: when the game began, the tables in play, the time on the stopwatch (m:ss), wrong answers, how it ended.</extracomment>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Partite</source>
        <translation>&amp;Parties</translation>
    </message>
    <message>
        <source>Mostra anc&amp;he ripassi e partite fermate</source>
        <translation>Montrer &amp;aussi les révisions et les parties arrêtées</translation>
    </message>
    <message>
        <source>Andamento in numeri</source>
        <translation>Évolution en chiffres</translation>
    </message>
    <message>
        <source>&amp;Andamento</source>
        <translation>Évo&amp;lution</translation>
    </message>
    <message>
        <source>Fatto scelto</source>
        <translation>Calcul choisi</translation>
    </message>
    <message>
        <source>&amp;Fatti</source>
        <translation>&amp;Calculs</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Secondi per risposta</source>
        <translation>Secondes par réponse</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Erreurs par partie</translation>
    </message>
    <message>
        <source>Sicure</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Da ripassare</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Da imparare</source>
        <translation>À apprendre</translation>
    </message>
    <message>
        <source>G&amp;iocatori</source>
        <translation>Jo&amp;ueurs</translation>
    </message>
    <message>
        <source>&amp;Ripassa</source>
        <translation>&amp;Réviser</translation>
    </message>
    <message>
        <source>Una partita con i fatti da imparare e da ripassare oggi, e qualcuno già sicuro</source>
        <translation>Une partie avec les calculs à apprendre et à revoir aujourd&apos;hui, et quelques-uns déjà sus</translation>
    </message>
    <message>
        <source>&amp;Esporta…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Stampa…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>T&amp;ogli la partita…</source>
        <translation>Supprimer la par&amp;tie…</translation>
    </message>
    <message>
        <source>Esporta la ta&amp;bella…</source>
        <translation>Exporter le ta&amp;bleau…</translation>
    </message>
    <message>
        <source>Il registro è in %1.</source>
        <translation>Le carnet est dans %1.</translation>
    </message>
    <message>
        <source>Qui si vede il registro della classe sul server della scuola: da questo computer non si possono togliere partite né svuotare il registro di un giocatore; lo fa l&apos;insegnante sul server.</source>
        <translation>Ici, on voit le carnet de la classe sur le serveur de l&apos;école&#xa0;: depuis cet ordinateur, on ne peut pas supprimer de parties ni vider le carnet d&apos;un joueur&#xa0;; c&apos;est l&apos;enseignant·e qui le fait sur le serveur.</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Erreurs pour 10 réponses</translation>
    </message>
    <message>
        <source>intera</source>
        <extracomment>What kind of game a point of the chart is (feminine: &quot;partita&quot;): a whole game, a review round, a game stopped before its end.</extracomment>
        <translation>entière</translation>
    </message>
    <message>
        <source>ripasso</source>
        <translation>révision</translation>
    </message>
    <message>
        <source>fermata</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capire che cosa ripassare.</source>
        <translation>Pas encore de partie pour savoir quoi réviser.</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare.</source>
        <translation>Aujourd&apos;hui, il n&apos;y a rien à réviser.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi: %1.</source>
        <extracomment>Under the facts map. %1: the facts of today&apos;s review, as &quot;7 per 8, 6 per 9&quot;.</extracomment>
        <translation>La révision du jour&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nome (al massimo %1 caratteri):</source>
        <extracomment>%1: the longest name allowed, in characters.</extracomment>
        <translation>Prénom (%1 caractères au plus)&#xa0;:</translation>
    </message>
    <message>
        <source>Il nome va scritto su una riga, al massimo %1 caratteri, e non può essere &quot;%2&quot;.</source>
        <translation>Le prénom s&apos;écrit sur une seule ligne, %1 caractères au plus, et ne peut pas être «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore di nome &quot;%1&quot;: scegli un nome diverso.</source>
        <translation>Il y a déjà un joueur qui s&apos;appelle «&#xa0;%1&#xa0;»&#xa0;: choisis un autre prénom.</translation>
    </message>
    <message>
        <source>Nuovo giocatore</source>
        <extracomment>The title of the dialog asking a new child&apos;s name.</extracomment>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>Rinomina</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite?</source>
        <extracomment>%1: the child&apos;s name, as typed.</extracomment>
        <translation>Supprimer «&#xa0;%1&#xa0;» du carnet, avec toutes ses parties&#xa0;?</translation>
    </message>
    <message>
        <source>Togliere &quot;%1&quot; dal registro, con tutte le sue partite? Sul server della scuola le sue partite restano: le toglie l&apos;insegnante.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» du carnet, avec toutes ses parties&#xa0;? Sur le serveur de l&apos;école, ses parties restent&#xa0;: c&apos;est l&apos;enseignant·e qui les supprime.</translation>
    </message>
    <message>
        <source>Togli</source>
        <extracomment>The title of the question before a child is removed from the record.</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Togliere tutte le partite di &quot;%1&quot;? %1 resta fra i giocatori.</source>
        <extracomment>%1, twice: the child&apos;s name.</extracomment>
        <translation>Supprimer toutes les parties de «&#xa0;%1&#xa0;»&#xa0;? %1 reste parmi les joueurs.</translation>
    </message>
    <message>
        <source>Togli la partita</source>
        <translation>Supprimer la partie</translation>
    </message>
    <message>
        <source>La partita in corso non si può togliere.</source>
        <translation>La partie en cours ne peut pas être supprimée.</translation>
    </message>
    <message numerus="yes">
        <source>Togliere dal registro la partita del %1 (%2, %n errori)?</source>
        <translation>
            <numerusform>Supprimer du carnet la partie du %1 (%2, %n erreur)&#xa0;?</numerusform>
            <numerusform>Supprimer du carnet la partie du %1 (%2, %n erreurs)&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Esporta la tabella dei giocatori</source>
        <translation>Exporter le tableau des joueurs</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Non riesco a esportare: %1.</source>
        <translation>Je n&apos;arrive pas à exporter&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Giocatori esportati in %1.</source>
        <translation>Joueurs exportés dans %1.</translation>
    </message>
    <message>
        <source>Ripassa</source>
        <translation>Réviser</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare: i fatti che hai già incontrato li sai.

Vuoi fare una partita normale?</source>
        <translation>Aujourd&apos;hui, il n&apos;y a rien à réviser&#xa0;: les calculs que tu as déjà rencontrés, tu les sais.

Veux-tu jouer une partie normale&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Gioca una partita normale</source>
        <translation>&amp;Jouer une partie normale</translation>
    </message>
    <message>
        <source>Oggi non c&apos;è niente da ripassare</source>
        <translation>Aujourd&apos;hui, il n&apos;y a rien à réviser</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;cegli…</source>
        <translation>&amp;Choisir…</translation>
    </message>
    <message>
        <source>&amp;Esporta</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Scrivi il nome del file.</source>
        <translation>Écris le nom du fichier.</translation>
    </message>
    <message>
        <source>Esporta le partite</source>
        <translation>Exporter les parties</translation>
    </message>
    <message>
        <source>C&amp;lasse</source>
        <extracomment>The tab of the class&apos;s map: how many children know each fact.</extracomment>
        <translation>T&amp;oute la classe</translation>
    </message>
    <message>
        <source>Togliere dal registro la partita del %1 (%2, 1 errore)?</source>
        <extracomment>%1: the game&apos;s date and time (Italian: &quot;del 07/12/2026 10:15&quot;), %2: its time on the stopwatch (m:ss); the game had one mistake.</extracomment>
        <translation>Supprimer du registre la partie du %1 (%2, 1 erreur) ?</translation>
    </message>
    <message>
        <source>Scrive tre file, con le partite del periodo: %4.
• %1, una riga per partita;
• %2, una riga per risposta;
• %3, una riga per fatto, con il suo stato di oggi.</source>
        <translation>Écrit trois fichiers, avec les parties de la période : %4.
• %1, une ligne par partie ;
• %2, une ligne par réponse ;
• %3, une ligne par calcul, avec son état d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Partite esportate in %1, risposte in %2, fatti in %3.</source>
        <translation>Parties exportées dans %1, réponses dans %2, calculs dans %3.</translation>
    </message>
    <message>
        <source>Mappa della classe</source>
        <translation>Carte de la classe</translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>Dans chaque case : combien d&apos;enfants savent le calcul, sur combien. Rouge : aucun ; jaune : la moitié ; vert : tous.</translation>
    </message>
    <message>
        <source>Nessun bambino nel registro.</source>
        <translation>Aucun enfant dans le registre.</translation>
    </message>
    <message>
        <source>1 bambino: %1.</source>
        <translation>1 enfant : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n bambini: %1.</source>
        <translation>
            <numerusform>%n enfant : %1.</numerusform>
            <numerusform>%n enfants : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 per %2 (la sanno %3 su %4)</source>
        <extracomment>A fact in the class&apos;s hardest: %1 per %2 the multiplication, %3 of %4 children know it.</extracomment>
        <translation>%1 fois %2 (%3 sur %4 le savent)</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Aucun calcul à apprendre pour la classe.</translation>
    </message>
    <message>
        <source>I fatti più difficili per la classe: %1.</source>
        <extracomment>Under the class&apos;s map. %1: facts as &quot;7 per 8 (la sanno 3 su 22)&quot;.</extracomment>
        <translation>Les calculs les plus difficiles pour la classe : %1.</translation>
    </message>
    <message>
        <source>Il ripasso è sempre quello di oggi, da tutte le partite.</source>
        <extracomment>After today&apos;s review under the facts map, when a period other than &quot;tutto&quot; is chosen.</extracomment>
        <translation>La révision est toujours celle d&apos;aujourd&apos;hui, d&apos;après toutes les parties.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A table&apos;s cell as a screen reader says it: %1 its column&apos;s name, %2 its value.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&amp;Usa per giocare</source>
        <extracomment>Makes the child shown in the box &quot;Giocatore&quot; the one who plays on the board.</extracomment>
        <translation>Dési&amp;gner pour jouer</translation>
    </message>
    <message>
        <source>Il giocatore scelto qui gioca sul tabellone (anche con Invio sul nome)</source>
        <translation>Le joueur choisi ici joue sur le tableau (aussi avec Entrée sur le nom)</translation>
    </message>
    <message>
        <source>Ora gioca %1</source>
        <extracomment>What a screen reader says of the box &quot;Giocatore&quot;: who plays on the board now. %1: a name.</extracomment>
        <translation>Maintenant, %1 joue</translation>
    </message>
    <message>
        <source>giocatori.csv</source>
        <translation>joueurs.csv</translation>
    </message>
    <message>
        <source>partite.csv</source>
        <translation>parties.csv</translation>
    </message>
    <message>
        <source>Per il fo&amp;glio di calcolo</source>
        <translation>Pour le &amp;tableur</translation>
    </message>
    <message>
        <source>Separatore &quot;%1&quot;, decimali con &quot;%2&quot;, date come 2026-12-07 10:15:03, UTF-8 con BOM.</source>
        <extracomment>%1: the CSV separator, %2: the decimal sign of the system&apos;s numbers. The date shows the spreadsheet&apos;s format and stays as it is.</extracomment>
        <translation>Séparateur «&#xa0;%1&#xa0;», décimales avec «&#xa0;%2&#xa0;», dates comme 2026-12-07 10:15:03, UTF-8 avec BOM.</translation>
    </message>
    <message>
        <source>&amp;Standard per i programmi (RFC 4180)</source>
        <translation>&amp;Standard pour les programmes (RFC 4180)</translation>
    </message>
    <message>
        <source>Separatore &quot;,&quot;, punto decimale, date ISO 8601.</source>
        <translation>Séparateur «&#xa0;,&#xa0;», point décimal, dates ISO 8601.</translation>
    </message>
    <message>
        <source>-risposte</source>
        <extracomment>Added to the games&apos; file name for the answers&apos; file (&quot;partite-risposte.csv&quot;).</extracomment>
        <translation>-réponses</translation>
    </message>
    <message>
        <source>Sen&amp;za fretta</source>
        <extracomment>A mark for the child shown, as for a child with a personal learning plan: no stopwatch on the board, and practice never judges her slow.</extracomment>
        <translation>Sans &amp;hâte</translation>
    </message>
    <message>
        <source>Senza fretta per questo giocatore</source>
        <translation>Sans se presser pour ce joueur</translation>
    </message>
    <message>
        <source>Niente cronometro nelle sue partite; il ripasso guarda solo giusto o sbagliato, mai la lentezza</source>
        <translation>Pas de chronomètre dans ses parties&#xa0;; l&apos;entraînement ne regarde que juste ou faux, jamais la lenteur</translation>
    </message>
    <message>
        <source>Il registro non ha potuto segnare &quot;Senza fretta&quot;.</source>
        <extracomment>In the record window&apos;s status line when the mark &quot;Senza fretta&quot; cannot be written.</extracomment>
        <translation>Le carnet n&apos;a pas pu noter «&#xa0;Sans se presser&#xa0;».</translation>
    </message>
    <message>
        <source>-fatti</source>
        <extracomment>Added to the games&apos; file name for the facts&apos; file (&quot;partite-fatti.csv&quot;).</extracomment>
        <translation>-calculs</translation>
    </message>
</context>
<context>
    <name>Giocatore</name>
    <message>
        <source>Ospite</source>
        <extracomment>The guest: whoever plays without choosing a name. Games are kept under the Italian word.</extracomment>
        <translation>Invité</translation>
    </message>
</context>
<context>
    <name>GraficoPartite</name>
    <message>
        <source>Andamento delle partite</source>
        <translation>Évolution des parties</translation>
    </message>
    <message>
        <source>secondi per risposta</source>
        <extracomment>The chart&apos;s two lines, in the legends of its two plots.</extracomment>
        <translation>secondes par réponse</translation>
    </message>
    <message>
        <source>errori ogni 10 risposte</source>
        <translation>erreurs pour 10 réponses</translation>
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
        <translation>Aucune partie</translation>
    </message>
    <message>
        <source>secondi</source>
        <extracomment>The title of the upper plot&apos;s axis, written upwards beside it; the legend says &quot;per answer&quot;. Short.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>errori</source>
        <extracomment>The title of the lower plot&apos;s axis, written upwards beside it; the legend says &quot;every 10 answers&quot;. Short.</extracomment>
        <translation>erreurs</translation>
    </message>
    <message>
        <source>ripassi</source>
        <extracomment>The chart&apos;s legend for the hollow circles: rounds of chosen facts (Ripassa).</extracomment>
        <translation>révisions</translation>
    </message>
    <message>
        <source>partite fermate</source>
        <extracomment>The chart&apos;s legend for the hollow triangles: games stopped before their end.</extracomment>
        <translation>parties arrêtées</translation>
    </message>
</context>
<context>
    <name>LettoreClasse</name>
    <message>
        <source>il server %1 non si lascia leggere (%2)</source>
        <extracomment>Why the class cannot be read from the school&apos;s server, after &quot;perché&quot;; lower case, no final stop. %1: the server, %2: the server&apos;s own words.</extracomment>
        <translation>le serveur %1 refuse la lecture (%2)</translation>
    </message>
    <message>
        <source>la copia della classe non si scrive (%1)</source>
        <extracomment>Why the class cannot be read: its local copy cannot be written. %1: the database&apos;s words.</extracomment>
        <translation>la copie de la classe ne peut pas être écrite (%1)</translation>
    </message>
</context>
<context>
    <name>LetturaClasse</name>
    <message>
        <source>la copia della classe non si può scrivere in %1</source>
        <extracomment>Why the class cannot be read, after &quot;perché&quot;; lower case. %1: the folder.</extracomment>
        <translation>la copie de la classe ne peut pas être écrite dans %1</translation>
    </message>
    <message>
        <source>Classe %1: sto leggendo dal server…; intanto si vedono soltanto le partite di questo computer.</source>
        <extracomment>In the record window&apos;s status line. %1: the class&apos;s name.</extracomment>
        <translation>Classe %1&#xa0;: lecture depuis le serveur…&#xa0;; en attendant, on ne voit que les parties de cet ordinateur.</translation>
    </message>
    <message>
        <source>Si vedono le partite di tutta la classe %1, lette dal server alle %2.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was read (Italian says &quot;alle&quot; before a time).</extracomment>
        <translation>On voit les parties de toute la classe %1, lues sur le serveur à %2.</translation>
    </message>
    <message>
        <source>Si vedono le partite della classe %1 lette dal server alle %2; ora non si leggono, perché %3.</source>
        <extracomment>%1: the class&apos;s name, %2: the time it was last read, %3: why it cannot be read now (a lower-case reason).</extracomment>
        <translation>On voit les parties de la classe %1 lues sur le serveur à %2&#xa0;; maintenant, on ne peut pas les lire, parce que %3.</translation>
    </message>
    <message>
        <source>Si vedono soltanto le partite di questo computer, perché %1.</source>
        <extracomment>%1: why the class cannot be read (a lower-case reason).</extracomment>
        <translation>On ne voit que les parties de cet ordinateur, parce que %1.</translation>
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
        <translation>Carte des calculs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An entry of the facts map&apos;s legend. %1: the letter in the map&apos;s cells, or &quot;senza lettera&quot;; %2: the state&apos;s name.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>senza lettera</source>
        <translation>sans lettre</translation>
    </message>
    <message>
        <source>%1 per %2: %3</source>
        <extracomment>The words told about a fact of the map, first part. %1 per %2: the multiplication (7 per 8 is 7 × 8), %3: its state.</extracomment>
        <translation>%1 fois %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>chiesta 1 volta</source>
        <extracomment>How many times a fact was asked (the fact, a multiplication, is feminine in Italian).</extracomment>
        <translation>demandé 1 fois</translation>
    </message>
    <message numerus="yes">
        <source>chiesta %n volte</source>
        <translation>
            <numerusform>demandé %n fois</numerusform>
            <numerusform>demandé %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sbagliata</source>
        <extracomment>How many of its answers were wrong (feminine: &quot;risposte&quot;).</extracomment>
        <translation>1 réponse fausse</translation>
    </message>
    <message numerus="yes">
        <source>%n sbagliate</source>
        <translation>
            <numerusform>%n réponse fausse</numerusform>
            <numerusform>%n réponses fausses</numerusform>
        </translation>
    </message>
    <message>
        <source>; di solito %1 secondi</source>
        <extracomment>Appended to the words about a fact. %1: the child&apos;s usual seconds for it, one decimal.</extracomment>
        <translation>&#xa0;; d&apos;habitude %1 secondes</translation>
    </message>
    <message>
        <source>; %1, %2, l&apos;ultima %3</source>
        <translation>&#xa0;; %1, %2, la dernière fois %3</translation>
    </message>
    <message>
        <source>; %1, %2, %3</source>
        <extracomment>The same for a fact asked once: %3 is the day it was asked, with the word before it.</extracomment>
        <translation>&#xa0;; %1, %2, %3</translation>
    </message>
    <message>
        <source>; da ripassare %1</source>
        <extracomment>Appended to the words about a sure fact. %1: the day it comes up for review, with the word before it (&quot;il 3 dicembre&quot;, &quot;l&apos;8 dicembre&quot;).</extracomment>
        <translation>&#xa0;; à revoir %1</translation>
    </message>
    <message>
        <source>%1 per %2: non chiesta in questo periodo</source>
        <extracomment>The words told about a fact that the games of the period chosen did not ask, though earlier ones did. %1 per %2: the multiplication.</extracomment>
        <translation>%1 fois %2 : pas demandé pendant cette période</translation>
    </message>
</context>
<context>
    <name>Opzioni</name>
    <message>
        <source>numerella: %1: %2: %3 Valore ignorato.</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 the key, %3 what is wrong.</extracomment>
        <translation>numerella&#xa0;: %1&#xa0;: %2&#xa0;: %3 Valeur ignorée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi true oppure false.</source>
        <translation>«&#xa0;%1&#xa0;» ne va pas&#xa0;: écris true ou false.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi quanti fatti ripassare, da 1 a 100.</source>
        <translation>«&#xa0;%1&#xa0;» ne va pas&#xa0;: écris combien de calculs réviser, de 1 à 100.</translation>
    </message>
    <message>
        <source>numerella: %1: %2</source>
        <extracomment>A settings file&apos;s warning: %1 is the file, %2 what is wrong.</extracomment>
        <translation>numerella&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>è una cartella, non un file di impostazioni. Ignorata.</source>
        <translation>c&apos;est un dossier, pas un fichier de réglages. Ignoré.</translation>
    </message>
    <message>
        <source>non si può leggere: mancano i permessi. File ignorato.</source>
        <translation>impossible à lire&#xa0;: il manque les droits. Fichier ignoré.</translation>
    </message>
    <message>
        <source>non si può leggere. File ignorato.</source>
        <translation>impossible à lire. Fichier ignoré.</translation>
    </message>
    <message>
        <source>non è un file di testo. File ignorato.</source>
        <translation>ce n&apos;est pas un fichier texte. Fichier ignoré.</translation>
    </message>
    <message>
        <source>la riga %1 non è né chiave=valore né [sezione]; controlla le sue righe.</source>
        <translation>la ligne %1 n&apos;est ni clé=valeur ni [section]&#xa0;; vérifie ses lignes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: le lingue disponibili sono %2.</source>
        <extracomment>%1 is the language code given, %2 the list of the available ones (&quot;it, de, fr, ...&quot;).</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne va pas&#xa0;: les langues disponibles sont %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne va pas&#xa0;: %2.</translation>
    </message>
    <message>
        <source>scrivi almeno una tabellina, per esempio 2,5,7 o 1-5</source>
        <translation>écris au moins une table, par exemple 2,5,7 ou 1-5</translation>
    </message>
    <message>
        <source>usa numeri da 1 a 10 e intervalli come 1-5</source>
        <translation>utilise des nombres de 1 à 10 et des intervalles comme 1-5</translation>
    </message>
    <message>
        <source>le tabelline vanno da 1 a 10</source>
        <translation>les tables vont de 1 à 10</translation>
    </message>
    <message>
        <source>l&apos;intervallo va scritto dal più piccolo al più grande</source>
        <translation>l&apos;intervalle s&apos;écrit du plus petit au plus grand</translation>
    </message>
    <message>
        <source>La Numerella: per esercitarsi sulla tavola pitagorica, dall&apos;1 × 1 al 10 × 10.</source>
        <translation>La Numerella&#xa0;: pour s&apos;entraîner sur les tables de multiplication, de 1 × 1 à 10 × 10.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto ed esce.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde.</source>
        <translation>Les tables sur lesquelles s&apos;entraîner, avec des nombres et des intervalles de 1 à 10 (par exemple 2,5,7 ou 1-5 ou 1-3,8)&#xa0;; les autres commencent enlevées, en vert.</translation>
    </message>
    <message>
        <source>LISTA</source>
        <extracomment>In the help, the value of an option: a list of tables.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>Parte con il suono spento (si riaccende con la casella del suono).</source>
        <translation>Démarrer avec le son coupé (il se rallume avec la case du son).</translation>
    </message>
    <message>
        <source>Parte a schermo intero.</source>
        <translation>Démarrer en plein écran.</translation>
    </message>
    <message>
        <source>Chi gioca: le partite vanno nel registro sotto questo nome (nuovo se non c&apos;è ancora), che resta scelto.</source>
        <translation>Qui joue&#xa0;: les parties vont dans le carnet sous ce prénom (nouveau s&apos;il n&apos;y est pas encore), qui reste choisi.</translation>
    </message>
    <message>
        <source>NOME</source>
        <extracomment>In the help, the value of an option: a child&apos;s name.</extracomment>
        <translation>PRÉNOM</translation>
    </message>
    <message>
        <source>Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file (per esempio su una chiavetta) invece che in quello solito.</source>
        <translation>Sans FICHIER, ouvrir seulement la fenêtre du carnet. Avec FICHIER, garder le carnet dans ce fichier (par exemple sur une clé USB) au lieu du fichier habituel.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In the help, the value of an option: a file&apos;s name.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, qualcuno già sicuro, gli altri in verde.</source>
        <translation>Démarrer avec la révision du jour de qui joue&#xa0;: les calculs à apprendre et à revoir, quelques-uns déjà sus, les autres en vert.</translation>
    </message>
    <message>
        <source>Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce.</source>
        <translation>Écrire toutes les parties du carnet, une ligne par partie, dans FICHIER (CSV) et quitter.</translation>
    </message>
    <message>
        <source>Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce.</source>
        <translation>Écrire toutes les réponses du carnet, une ligne par question, dans FICHIER (CSV) et quitter.</translation>
    </message>
    <message>
        <source>Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i programmi (RFC 4180: virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo nella lingua del sistema.</source>
        <translation>Avec --esporta, --esporta-risposte et --esporta-fatti, écrire le CSV standard pour les programmes (RFC 4180&#xa0;: virgule, point décimal, dates ISO 8601) au lieu de celui pour le tableur dans la langue du système.</translation>
    </message>
    <message>
        <source>Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce.</source>
        <translation>Écrire l&apos;état de chaque calcul de chaque joueur, une ligne par calcul, dans FICHIER (CSV) et quitter.</translation>
    </message>
    <message>
        <source>Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui.</source>
        <translation>Pour cette fois, envoyer les parties au serveur de l&apos;école URL (postgresql://utilisateur@serveur/base) au lieu de celui de numerella.conf. Le mot de passe va dans ~/.pgpass, jamais ici.</translation>
    </message>
    <message>
        <source>URL</source>
        <extracomment>In the help, the value of an option: a server&apos;s address.</extracomment>
        <translation>URL</translation>
    </message>
    <message>
        <source>La lingua del programma, tra %1, invece di quella del sistema.</source>
        <translation>La langue du programme, parmi %1, au lieu de celle du système.</translation>
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
        <translation>numerella&#xa0;: %1
Pour la liste des options&#xa0;: numerella --help
</translation>
    </message>
    <message>
        <source>argomento inatteso &quot;%1&quot;.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.</source>
        <translation>--giocatore&#xa0;: le prénom s&apos;écrit sur une seule ligne, %1 caractères au plus.</translation>
    </message>
    <message>
        <source>numerella: non riesco a leggere il registro: %1
</source>
        <translation>numerella&#xa0;: impossible de lire le carnet&#xa0;: %1
</translation>
    </message>
    <message>
        <source>numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.
</source>
        <translation>numerella&#xa0;: aucun écran disponible&#xa0;: La Numerella ne s&apos;ouvre que dans une session graphique.
</translation>
    </message>
    <message>
        <source>&quot;%1&quot; non va bene: scrivi leggibile oppure normale.</source>
        <translation>« %1 » ne convient pas : écris leggibile ou normale.</translation>
    </message>
    <message>
        <source>Legge ad alta voce le domande, giusto e sbagliato, la pausa e la fine (si spegne con la casella &quot;Leggi ad alta voce&quot;).</source>
        <translation>Lit à voix haute les questions, juste et faux, la pause et la fin (s&apos;éteint avec la case « Lire à voix haute »).</translation>
    </message>
    <message>
        <source>Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il ripasso non giudica la lentezza.</source>
        <translation>Sans se presser : pas de chronomètre, aucun temps montré, dit ou imprimé, et l&apos;entraînement ne juge jamais la lenteur.</translation>
    </message>
    <message>
        <source>Con &quot;leggibile&quot; scrive le parole in un carattere fatto per chi ha la dislessia (le cifre restano come sono).</source>
        <translation>Avec « leggibile », écrit les mots dans une police faite pour les lecteurs dyslexiques (les chiffres restent les mêmes).</translation>
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
        <translation>le dossier %1 est protégé en écriture</translation>
    </message>
    <message>
        <source>il file %1 non si può aprire</source>
        <extracomment>The same kind of reason; in all of these %1 is the record&apos;s file.</extracomment>
        <translation>le fichier %1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>il file %1 si può soltanto leggere</source>
        <translation>le fichier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>un altro programma tiene occupato il file %1</source>
        <translation>le fichier %1 est occupé par un autre programme</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato e non si può mettere da parte (%2)</source>
        <translation>le fichier %1 est abîmé et ne peut pas être mis de côté (%2)</translation>
    </message>
    <message>
        <source>il file %1 è danneggiato</source>
        <translation>le fichier %1 est abîmé</translation>
    </message>
    <message>
        <source>il file %1 non è un registro della Numerella, e resta com&apos;è</source>
        <translation>le fichier %1 n&apos;est pas un carnet de la Numerella, et il reste tel quel</translation>
    </message>
    <message>
        <source>il file %1 non c&apos;è</source>
        <translation>le fichier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>il file %1 è di una versione più nuova della Numerella</source>
        <translation>le fichier %1 vient d&apos;une version plus récente de la Numerella</translation>
    </message>
    <message>
        <source>il file %1 non si può usare</source>
        <translation>le fichier %1 ne peut pas être utilisé</translation>
    </message>
    <message>
        <source>Il registro delle partite era danneggiato: è stato messo da parte come %1 e ne è cominciato uno nuovo.</source>
        <extracomment>%1: the damaged file&apos;s new name.</extracomment>
        <translation>Le carnet des parties était abîmé&#xa0;: il a été mis de côté sous le nom %1 et un nouveau carnet a commencé.</translation>
    </message>
    <message>
        <source>Il registro delle partite non viene tenuto: %1. Si può giocare lo stesso, ma le partite non saranno ricordate.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>Le carnet des parties n&apos;est pas tenu&#xa0;: %1. On peut jouer quand même, mais les parties ne seront pas gardées.</translation>
    </message>
    <message>
        <source>Il registro delle partite per ora non si può scrivere: %1. Le risposte restano in memoria e saranno scritte appena si potrà: non chiudere il programma.</source>
        <extracomment>%1: the reason, one of the lower-case reasons above.</extracomment>
        <translation>Pour l&apos;instant, le carnet des parties ne peut pas être écrit&#xa0;: %1. Les réponses restent en mémoire et seront écrites dès que possible&#xa0;: ne ferme pas le programme.</translation>
    </message>
</context>
<context>
    <name>Speditore</name>
    <message>
        <source>la partita di %1 del %2: %3</source>
        <extracomment>A game the school&apos;s server refused, listed after &quot;Il server non ha preso&quot;. %1: the child, %2: when the game began (Italian: &quot;del 7/12/2026 10:15&quot;), %3: the server&apos;s own words.</extracomment>
        <translation>la partie de %1 du %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>d/M/yyyy HH:mm</source>
        <extracomment>When a refused game began, as a QLocale date format; reorder as your language writes dates.</extracomment>
        <translation>d/M/yyyy HH:mm</translation>
    </message>
    <message>
        <source>il registro di questo computer non si legge (%1)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the database&apos;s words.</extracomment>
        <translation>le carnet de cet ordinateur ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>il server %1 non ha preso una partita (%2)</source>
        <extracomment>Why games wait to be sent, after &quot;perché&quot;; lower case. %1: the server, %2: its words.</extracomment>
        <translation>le serveur %1 n&apos;a pas accepté une partie (%2)</translation>
    </message>
</context>
<context>
    <name>Spedizione</name>
    <message>
        <source>Server della scuola (%1, classe %2)</source>
        <extracomment>The start of the sender&apos;s lines in the record window&apos;s status. %1: the server, %2: the class&apos;s name.</extracomment>
        <translation>Serveur de l&apos;école (%1, classe %2)</translation>
    </message>
    <message>
        <source>%1: collegamento in corso.</source>
        <extracomment>In all of the sender&apos;s lines, %1 is &quot;Server della scuola (…)&quot;.</extracomment>
        <translation>%1&#xa0;: connexion en cours.</translation>
    </message>
    <message>
        <source>%1: tutte le partite sono arrivate.</source>
        <translation>%1&#xa0;: toutes les parties sont arrivées.</translation>
    </message>
    <message>
        <source>%1: nessuna partita aspetta, ma ora non si raggiunge, perché %2.</source>
        <extracomment>%2: why the server cannot be reached now (a lower-case reason).</extracomment>
        <translation>%1&#xa0;: aucune partie n&apos;attend, mais le serveur est injoignable pour l&apos;instant, parce que %2.</translation>
    </message>
    <message>
        <source>Il server non ha preso %1.</source>
        <extracomment>After the sender&apos;s line. %1: the refused games, each &quot;la partita di … del …: …&quot;, joined by &quot;; &quot;.</extracomment>
        <translation>Le serveur n&apos;a pas accepté %1.</translation>
    </message>
    <message>
        <source>%1: collegamento in corso, 1 partita in attesa.</source>
        <extracomment>Games ended here wait while the sender reaches the server for the first time.</extracomment>
        <translation>%1&#xa0;: connexion en cours, 1 partie en attente.</translation>
    </message>
    <message numerus="yes">
        <source>%1: collegamento in corso, %n partite in attesa.</source>
        <translation>
            <numerusform>%1&#xa0;: connexion en cours, %n partie en attente.</numerusform>
            <numerusform>%1&#xa0;: connexion en cours, %n parties en attente.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa di essere mandata.</source>
        <extracomment>Games ended here and not yet on the server; the server could be reached at the last try.</extracomment>
        <translation>%1&#xa0;: 1 partie attend d&apos;être envoyée.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa di essere mandate.</source>
        <translation>
            <numerusform>%1&#xa0;: %n partie attend d&apos;être envoyée.</numerusform>
            <numerusform>%1&#xa0;: %n parties attendent d&apos;être envoyées.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: 1 partita in attesa su questo computer, perché %2.</source>
        <extracomment>Games kept here because the server cannot be reached. %2: why (a lower-case reason).</extracomment>
        <translation>%1&#xa0;: 1 partie attend sur cet ordinateur, parce que %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n partite in attesa su questo computer, perché %2.</source>
        <translation>
            <numerusform>%1&#xa0;: %n partie attend sur cet ordinateur, parce que %2.</numerusform>
            <numerusform>%1&#xa0;: %n parties attendent sur cet ordinateur, parce que %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tipografia</name>
    <message>
        <source>Nome</source>
        <extracomment>The title of the dialog asking the child&apos;s name before the board is printed.</extracomment>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Scrivi il tuo nome.</source>
        <extracomment>Said to the child, who writes the name to print on the page.</extracomment>
        <translation>Écris ton prénom.</translation>
    </message>
    <message>
        <source>Non trovo nessuna stampante.</source>
        <translation>Je ne trouve aucune imprimante.</translation>
    </message>
    <message>
        <source>Non riesco a stampare su &quot;%1&quot;.</source>
        <extracomment>%1: the printer&apos;s name, or the file printed to.</extracomment>
        <translation>Je n&apos;arrive pas à imprimer sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non accetta lavori in questo momento.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de travaux en ce moment.</translation>
    </message>
    <message>
        <source>La stampante &quot;%1&quot; non ha preso la pagina.</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pris la page.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <extracomment>The title of a message about printing.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>%1
Vuoi scegliere un&apos;altra stampante o salvare la pagina in PDF?</source>
        <extracomment>%1: what went wrong, one of the messages above.</extracomment>
        <translation>%1
Veux-tu choisir une autre imprimante ou enregistrer la page en PDF&#xa0;?</translation>
    </message>
</context>
<context>
    <name>andamento</name>
    <message>
        <source>Ancora nessuna partita intera.</source>
        <extracomment>The chart&apos;s sentence on a child&apos;s trend, under the chart in the record window and on the printed report.</extracomment>
        <translation>Pas encore de partie entière.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana nessuna partita intera; prima: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer before the last week, %2: mistakes every 10 answers before it (numbers already in the locale&apos;s form).</extracomment>
        <translation>Ces 7 derniers jours, aucune partie entière&#xa0;; avant&#xa0;: %1 secondes par réponse, %2 erreurs pour 10 réponses.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, %2 errori ogni 10 risposte.</source>
        <extracomment>%1: seconds per answer in the last week, %2: mistakes every 10 answers in it.</extracomment>
        <translation>Ces 7 derniers jours&#xa0;: %1 secondes par réponse, %2 erreurs pour 10 réponses.</translation>
    </message>
    <message>
        <source>Nell&apos;ultima settimana: %1 secondi per risposta, prima %2; %3 errori ogni 10 risposte, prima %4.</source>
        <extracomment>%1 and %2: seconds per answer in the last week and before it; %3 and %4: mistakes every 10 answers in the last week and before it.</extracomment>
        <translation>Ces 7 derniers jours&#xa0;: %1 secondes par réponse, avant %2&#xa0;; %3 erreurs pour 10 réponses, avant %4.</translation>
    </message>
</context>
<context>
    <name>apprendimento</name>
    <message>
        <source>mai chiesta</source>
        <extracomment>A fact&apos;s state (a multiplication such as 7 × 8, feminine in Italian: &quot;la moltiplicazione&quot;), lower case: in the facts map&apos;s legend, the words told about a fact and the printed report. Keep it short.</extracomment>
        <translation>jamais demandé</translation>
    </message>
    <message>
        <source>da imparare</source>
        <translation>à apprendre</translation>
    </message>
    <message>
        <source>sicura</source>
        <translation>su</translation>
    </message>
    <message>
        <source>da ripassare</source>
        <translation>à revoir</translation>
    </message>
    <message>
        <source>quasi sicura</source>
        <extracomment>A fact likely known: answered right and quick, but not yet often enough to be sure.</extracomment>
        <translation>quasi acquis</translation>
    </message>
</context>
<context>
    <name>classe</name>
    <message>
        <source>%1 per %2: la sanno %3 su %4</source>
        <extracomment>The words about a fact of the class&apos;s map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of the %4 children know it.</extracomment>
        <translation>%1 fois %2 : %3 sur %4 le savent</translation>
    </message>
    <message>
        <source>; da imparare per %1</source>
        <extracomment>Appended to the words about a fact of the class&apos;s map. %1: the children, &quot;Anna, Marco&quot;.</extracomment>
        <translation>; à apprendre pour %1</translation>
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
        <translation>je n&apos;arrive pas à écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>non riesco a leggere il registro</source>
        <extracomment>Why an export failed, shown after &quot;Non riesco a esportare: &quot;.</extracomment>
        <translation>je n&apos;arrive pas à lire le carnet</translation>
    </message>
</context>
<context>
    <name>frasi</name>
    <message>
        <source>dell&apos;1</source>
        <extracomment>Italian elides the article before a number read with a vowel (&quot;dell&apos;1&quot;, &quot;dell&apos;8&quot;, &quot;del 7&quot;). The table of n after the word for &quot;table&quot;; translate each number as your language says it.</extracomment>
        <translation>de 1</translation>
    </message>
    <message>
        <source>del 2</source>
        <translation>de 2</translation>
    </message>
    <message>
        <source>del 3</source>
        <translation>de 3</translation>
    </message>
    <message>
        <source>del 4</source>
        <translation>de 4</translation>
    </message>
    <message>
        <source>del 5</source>
        <translation>de 5</translation>
    </message>
    <message>
        <source>del 6</source>
        <translation>de 6</translation>
    </message>
    <message>
        <source>del 7</source>
        <translation>de 7</translation>
    </message>
    <message>
        <source>dell&apos;8</source>
        <translation>de 8</translation>
    </message>
    <message>
        <source>del 9</source>
        <translation>de 9</translation>
    </message>
    <message>
        <source>del 10</source>
        <translation>de 10</translation>
    </message>
    <message>
        <source>all&apos;1</source>
        <extracomment>&quot;Up to the table of n&quot;: Italian elides the article before a number read with a vowel (&quot;all&apos;1&quot;, &quot;all&apos;8&quot;, &quot;al 7&quot;).</extracomment>
        <translation>jusqu&apos;à 1</translation>
    </message>
    <message>
        <source>al 2</source>
        <translation>jusqu&apos;à 2</translation>
    </message>
    <message>
        <source>al 3</source>
        <translation>jusqu&apos;à 3</translation>
    </message>
    <message>
        <source>al 4</source>
        <translation>jusqu&apos;à 4</translation>
    </message>
    <message>
        <source>al 5</source>
        <translation>jusqu&apos;à 5</translation>
    </message>
    <message>
        <source>al 6</source>
        <translation>jusqu&apos;à 6</translation>
    </message>
    <message>
        <source>al 7</source>
        <translation>jusqu&apos;à 7</translation>
    </message>
    <message>
        <source>all&apos;8</source>
        <translation>jusqu&apos;à 8</translation>
    </message>
    <message>
        <source>al 9</source>
        <translation>jusqu&apos;à 9</translation>
    </message>
    <message>
        <source>al 10</source>
        <translation>jusqu&apos;à 10</translation>
    </message>
    <message>
        <source>1 secondo</source>
        <extracomment>Exactly one second.</extracomment>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n secondi</source>
        <extracomment>Never said for 1, which has a text of its own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>nessun errore</source>
        <extracomment>No wrong answer in the game.</extracomment>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>1 errore</source>
        <extracomment>Exactly one wrong answer.</extracomment>
        <translation>1 erreur</translation>
    </message>
    <message numerus="yes">
        <source>%n errori</source>
        <extracomment>Never said for 0 or 1, which have texts of their own; give every plural form of your language.</extracomment>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
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
        <translation>%1 et %2, %3</translation>
    </message>
    <message>
        <source>Nessuna tabellina rimasta</source>
        <translation>Il ne reste aucune table</translation>
    </message>
    <message>
        <source>Resta la tabellina %1</source>
        <extracomment>%1 is &quot;del 7&quot; or &quot;dell&apos;8&quot; as translated above.</extracomment>
        <translation>Il reste la table %1</translation>
    </message>
    <message>
        <source>Restano tutte le tabelline</source>
        <translation>Toutes les tables sont en jeu</translation>
    </message>
    <message>
        <source>Restano le tabelline da %1 a %2</source>
        <translation>Il reste les tables de %1 à %2</translation>
    </message>
    <message>
        <source>Restano le tabelline %1 e %2</source>
        <extracomment>%1 is a list such as &quot;1, 3, 5&quot;, %2 the last table.</extracomment>
        <translation>Il reste les tables de %1 et %2</translation>
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
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>2</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>3</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>4</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>5</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>6</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>7</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>8</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>9</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>10</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>l&apos;%1</source>
        <comment>11</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>12</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>13</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>14</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>15</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>16</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>17</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>18</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>19</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>20</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>21</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>22</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>23</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>24</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>25</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>26</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>27</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>28</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>29</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>30</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>il %1</source>
        <comment>31</comment>
        <translation>le %1</translation>
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
        <translation>Secondes par réponse</translation>
    </message>
    <message>
        <source>Errori ogni 10 risposte</source>
        <translation>Erreurs pour 10 réponses</translation>
    </message>
    <message>
        <source>Ogni segno è una partita; quelle di uno stesso giorno stanno affiancate. ● partita intera (unite dalla linea)   ○ ripasso o partita fermata</source>
        <extracomment>Under the printed chart: what its filled and hollow marks mean. Keep the marks ● and ○.</extracomment>
        <translation>Chaque marque est une partie&#xa0;; celles d&apos;un même jour sont côte à côte. ● partie entière (reliées par la ligne)   ○ révision ou partie arrêtée</translation>
    </message>
    <message>
        <source>I fatti: riga per colonna</source>
        <translation>Les calculs&#xa0;: ligne fois colonne</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <extracomment>A multiplication in words, &quot;7 per 8&quot; (seven times eight): %1 row, %2 column.</extracomment>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>Il ripasso di oggi</source>
        <translation>La révision du jour</translation>
    </message>
    <message>
        <source>Ancora nessuna partita da cui capirlo.</source>
        <translation>Pas encore de partie pour le savoir.</translation>
    </message>
    <message>
        <source>Registro di %1</source>
        <translation>Carnet de %1</translation>
    </message>
    <message>
        <source>1 partita</source>
        <extracomment>How many games the report shows.</extracomment>
        <translation>1 partie</translation>
    </message>
    <message numerus="yes">
        <source>%n partite</source>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>Le partite</source>
        <translation>Les parties</translation>
    </message>
    <message>
        <source>in corso</source>
        <extracomment>A game still being played, in the column &quot;Com&apos;è finita&quot;.</extracomment>
        <translation>en cours</translation>
    </message>
    <message>
        <source>%1 (ripasso)</source>
        <extracomment>How a review round ended: %1 is &quot;finita&quot;, &quot;fermata&quot; or &quot;interrotta&quot;.</extracomment>
        <translation>%1 (révision)</translation>
    </message>
    <message>
        <source>Nessuna partita in questo periodo.</source>
        <translation>Aucune partie pendant cette période.</translation>
    </message>
    <message>
        <source>Data e ora</source>
        <extracomment>The printed games table&apos;s column headers; narrow columns (fractions of the page&apos;s width).</extracomment>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Tabelline</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Risposte giuste</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Errori</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Com&apos;è finita</source>
        <translation>Issue</translation>
    </message>
    <message>
        <source>Tutti i giocatori</source>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Ultima partita</source>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Errori per partita</source>
        <translation>Erreurs par partie</translation>
    </message>
    <message>
        <source>Fatti più difficili</source>
        <translation>Calculs les plus difficiles</translation>
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
        <translation>S</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The letter for a fact likely known: the initial of &quot;quasi sicura&quot;. One letter, unlike the other states&apos; letters.</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>tutto il registro</source>
        <extracomment>The period of the printed report&apos;s games: all of them.</extracomment>
        <translation>tout le carnet</translation>
    </message>
    <message>
        <source>Periodo: %1 · %2 · stampato %3</source>
        <extracomment>Under the report&apos;s title. %1: the period (&quot;tutto il registro&quot;), %2: &quot;N partite&quot;, %3: today&apos;s date with the word before it, as translated in &quot;giorno&quot; (&quot;il 03/12/2026&quot;, &quot;l&apos;08/12/2026&quot;).</extracomment>
        <translation>Période&#xa0;: %1 · %2 · imprimé %3</translation>
    </message>
    <message>
        <source>Periodo: %1 · stampato %2</source>
        <extracomment>%2: today&apos;s date with the word before it, as translated in &quot;giorno&quot;.</extracomment>
        <translation>Période&#xa0;: %1 · imprimé %2</translation>
    </message>
    <message>
        <source>oggi</source>
        <extracomment>The period of the printed report&apos;s games: those of today.</extracomment>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>questa settimana</source>
        <extracomment>The period of the printed report&apos;s games: this week&apos;s, from Monday.</extracomment>
        <translation>cette semaine</translation>
    </message>
    <message>
        <source>questo mese</source>
        <translation>ce mois-ci</translation>
    </message>
    <message>
        <source>La classe: i fatti</source>
        <extracomment>The title of the printed class&apos;s map.</extracomment>
        <translation>La classe : les calculs</translation>
    </message>
    <message numerus="yes">
        <source>I bambini (%n): %1</source>
        <extracomment>Above the printed class&apos;s map. %1: the children&apos;s names.</extracomment>
        <translation>
            <numerusform>Les enfants (%n) : %1</numerusform>
            <numerusform>Les enfants (%n) : %1</numerusform>
        </translation>
    </message>
    <message>
        <source>In ogni casella: quanti bambini sanno il fatto, su quanti sono. Rosso: nessuno; giallo: metà; verde: tutti.</source>
        <extracomment>Under the printed class&apos;s map: what its colours and numbers mean.</extracomment>
        <translation>Dans chaque case : combien d&apos;enfants savent le calcul, sur combien. Rouge : aucun ; jaune : la moitié ; vert : tous.</translation>
    </message>
    <message>
        <source>I fatti da imparare, i più difficili per primi</source>
        <translation>Les calculs à apprendre, les plus difficiles d&apos;abord</translation>
    </message>
    <message>
        <source>Nessun fatto da imparare per la classe.</source>
        <translation>Aucun calcul à apprendre pour la classe.</translation>
    </message>
</context>
</TS>
