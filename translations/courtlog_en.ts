<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>--lang vuole una lingua: it o en</source>
        <translation>--lang needs a language: it or en</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (it o en)</source>
        <translation>unknown language: %1 (it or en)</translation>
    </message>
    <message>
        <source>un solo file per volta</source>
        <translation>one file at a time</translation>
    </message>
    <message>
        <source>Uso: courtlog [--lang it|en] [--] [FILE]</source>
        <translation>Usage: courtlog [--lang it|en] [--] [FILE]</translation>
    </message>
    <message>
        <source>%1

Apre la finestra di Courtlog con la partita del FILE (.clg o .courtlog),
se è dato.

Opzioni:
  --lang L     la lingua della finestra per questa volta: it (italiano)
               o en (inglese); la scelta salvata resta
  --           fine delle opzioni: ciò che segue è il file
  -h, --help   mostra questo aiuto
  --version    mostra la versione

Le opzioni vanno prima del file. Un argomento da solo è il file, tranne
-h, --help, --version e --lang.
</source>
        <translation>%1

Opens the Courtlog window with the match in FILE (.clg or .courtlog),
if given.

Options:
  --lang L     the window&apos;s language for this run: it (Italian)
               or en (English); the stored choice stays
  --           ends the options: what follows is the file
  -h, --help   shows this help
  --version    shows the version

Options come before the file. A lone argument is the file, except
-h, --help, --version and --lang.
</translation>
    </message>
</context>
<context>
    <name>Edit</name>
    <message>
        <source>Annulla punto</source>
        <translation>Undo point</translation>
    </message>
    <message>
        <source>Ripeti punto</source>
        <translation>Redo point</translation>
    </message>
    <message>
        <source>Annulla sovrascrittura</source>
        <translation>Undo overwrite</translation>
    </message>
    <message>
        <source>Ripeti sovrascrittura</source>
        <translation>Redo overwrite</translation>
    </message>
    <message>
        <source>Annulla inserimento</source>
        <translation>Undo insertion</translation>
    </message>
    <message>
        <source>Ripeti inserimento</source>
        <translation>Redo insertion</translation>
    </message>
    <message>
        <source>Annulla taglio</source>
        <translation>Undo cut</translation>
    </message>
    <message>
        <source>Ripeti taglio</source>
        <translation>Redo cut</translation>
    </message>
    <message>
        <source>Annulla eliminazione</source>
        <translation>Undo deletion</translation>
    </message>
    <message>
        <source>Ripeti eliminazione</source>
        <translation>Redo deletion</translation>
    </message>
    <message>
        <source>Annulla modifica del punto</source>
        <translation>Undo point edit</translation>
    </message>
    <message>
        <source>Ripeti modifica del punto</source>
        <translation>Redo point edit</translation>
    </message>
    <message>
        <source>Annulla nome</source>
        <translation>Undo name</translation>
    </message>
    <message>
        <source>Ripeti nome</source>
        <translation>Redo name</translation>
    </message>
    <message>
        <source>Annulla turno</source>
        <translation>Undo round</translation>
    </message>
    <message>
        <source>Ripeti turno</source>
        <translation>Redo round</translation>
    </message>
    <message>
        <source>Annulla regola</source>
        <translation>Undo rule</translation>
    </message>
    <message>
        <source>Ripeti regola</source>
        <translation>Redo rule</translation>
    </message>
    <message>
        <source>Annulla cancellazione del match</source>
        <translation>Undo match clear</translation>
    </message>
    <message>
        <source>Ripeti cancellazione del match</source>
        <translation>Redo match clear</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Annulla video</source>
        <translation>Undo video</translation>
    </message>
    <message>
        <source>Ripeti video</source>
        <translation>Redo video</translation>
    </message>
    <message>
        <source>Annulla ordine di servizio</source>
        <translation>Undo serving order</translation>
    </message>
    <message>
        <source>Ripeti ordine di servizio</source>
        <translation>Redo serving order</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>File di Courtlog (*.clg)</source>
        <translation>Courtlog files (*.clg)</translation>
    </message>
    <message>
        <source>il percorso non indica un file</source>
        <translation>the path does not name a file</translation>
    </message>
    <message>
        <source>accesso negato</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>il percorso indica una cartella</source>
        <translation>the path names a folder</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>spazio su disco esaurito</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura sul disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>nome del file troppo lungo</source>
        <translation>file name too long</translation>
    </message>
    <message>
        <source>nome del file non valido</source>
        <translation>invalid file name</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>il file è di sola lettura</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>Pagina web (*.html)</source>
        <translation>Web page (*.html)</translation>
    </message>
    <message>
        <source>Partita Courtlog (*.courtlog)</source>
        <translation>Courtlog match (*.courtlog)</translation>
    </message>
    <message>
        <source>Partite di Courtlog (*.clg *.courtlog)</source>
        <translation>Courtlog matches (*.clg *.courtlog)</translation>
    </message>
    <message>
        <source>il percorso non indica una cartella</source>
        <translation>the path does not name a folder</translation>
    </message>
    <message>
        <source>Video (*.mp4 *.mkv *.mov *.avi *.webm *.ts *.mts *.m2ts *.mpg *.mpeg *.m4v *.wmv *.flv)</source>
        <translation>Videos (*.mp4 *.mkv *.mov *.avi *.webm *.ts *.mts *.m2ts *.mpg *.mpeg *.m4v *.wmv *.flv)</translation>
    </message>
    <message>
        <source>Tutti i file (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>HtmlReport</name>
    <message>
        <source>punti giocati</source>
        <translation>points played</translation>
    </message>
    <message>
        <source>Punto %1: break di %2</source>
        <translation>Point %1: %2 breaks serve</translation>
    </message>
    <message>
        <source>%1 avanti</source>
        <translation>%1 ahead</translation>
    </message>
    <message>
        <source>Differenza di punti vinti lungo la partita</source>
        <translation>Difference in points won over the match</translation>
    </message>
    <message>
        <source>Nessun punto giocato</source>
        <translation>No points played</translation>
    </message>
    <message>
        <source>Andamento della partita</source>
        <translation>Course of the match</translation>
    </message>
    <message>
        <source>Non ci sono ancora punti: il grafico si riempirà con la partita.</source>
        <translation>No points yet: the chart fills in as the match is played.</translation>
    </message>
    <message>
        <source>Punti vinti da %1 meno punti vinti da %2, dopo ogni punto.</source>
        <translation>Points won by %1 minus points won by %2, after each point.</translation>
    </message>
    <message>
        <source>break di servizio</source>
        <translation>break of serve</translation>
    </message>
    <message>
        <source>fine del set</source>
        <translation>end of set</translation>
    </message>
    <message>
        <source>tie-break</source>
        <translation>tie-break</translation>
    </message>
    <message>
        <source>Resoconto creato con Courtlog</source>
        <translation>Report made with Courtlog</translation>
    </message>
    <message>
        <source>1 punto</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 punti</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Vince %1, %2 set a %3 · %4</source>
        <translation>%1 wins %2 sets to %3 · %4</translation>
    </message>
    <message>
        <source>Partita non ancora iniziata: nessun punto registrato</source>
        <translation>Match not started yet: no points charted</translation>
    </message>
    <message>
        <source>Partita in corso · %1</source>
        <translation>Match in progress · %1</translation>
    </message>
    <message>
        <source>al meglio dei %1 set</source>
        <translation>best of %1 sets</translation>
    </message>
    <message>
        <source>tie-break %1</source>
        <translation>tie-break %1</translation>
    </message>
    <message>
        <source>gioco %1</source>
        <translation>game %1</translation>
    </message>
    <message>
        <source>Totali di 1 partita</source>
        <translation>Totals of 1 match</translation>
    </message>
    <message>
        <source>Totali di %1 partite</source>
        <translation>Totals of %1 matches</translation>
    </message>
    <message>
        <source>Riepilogo per giocatore</source>
        <translation>Summary by player</translation>
    </message>
    <message>
        <source>%1° set · %2</source>
        <translation>Set %1 · %2</translation>
    </message>
    <message>
        <source>%1° set · in corso %2</source>
        <translation>Set %1 · in progress %2</translation>
    </message>
    <message>
        <source>TB %1</source>
        <translation>TB %1</translation>
    </message>
    <message>
        <source>break</source>
        <translation>break</translation>
    </message>
    <message>
        <source>Statistiche della partita</source>
        <translation>Match statistics</translation>
    </message>
    <message>
        <source>Break points: break fatti / palle break avute. Punti con 1°/2°: punti vinti con la prima e con la seconda di servizio.</source>
        <translation>Break points: breaks made / break points earned. Won on 1st/2nd: points won on the first and on the second serve.</translation>
    </message>
    <message>
        <source>Set per set</source>
        <translation>Set by set</translation>
    </message>
    <message>
        <source>Punto per punto</source>
        <translation>Point by point</translation>
    </message>
    <message>
        <source>Nessun punto registrato.</source>
        <translation>No points charted.</translation>
    </message>
    <message>
        <source>Giochi del set e punti del gioco sono quelli prima del punto. In giallo i punti di tie-break, in arancio quelli che hanno strappato il servizio.</source>
        <translation>Games in the set and points in the game are those before the point. Tie-break points are in yellow, points that broke serve in orange.</translation>
    </message>
    <message>
        <source>Le righe in corsivo sono punti registrati dopo la fine della partita: non contano nel punteggio.</source>
        <translation>Rows in italics are points charted after the end of the match: they do not count in the score.</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Giochi</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Gioco</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Al servizio</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Punto a</source>
        <translation>Point to</translation>
    </message>
    <message>
        <source>Servizio</source>
        <translation>Serve</translation>
    </message>
    <message>
        <source>Esito servizio</source>
        <translation>Serve outcome</translation>
    </message>
    <message>
        <source>Colpo</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Partite</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Torneo</source>
        <translation>Tournament</translation>
    </message>
    <message>
        <source>Incontro</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Punteggio</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Vince %1</source>
        <translation>%1 won</translation>
    </message>
    <message>
        <source>In corso</source>
        <translation>In progress</translation>
    </message>
    <message>
        <source>Giocatori</source>
        <translation>Players</translation>
    </message>
    <message>
        <source>Somme di tutte le partite; le percentuali sono calcolate sui totali. Break points: break fatti / palle break avute.</source>
        <translation>Sums over all the matches; percentages are worked out from the totals. Break points: breaks made / break points earned.</translation>
    </message>
    <message>
        <source>Giocatore</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Vinte</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Perse</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Non indicato</source>
        <translation>Not given</translation>
    </message>
    <message>
        <source>Vincenti ed errori di %1 per diritto e rovescio e per colpo</source>
        <translation>Winners and errors of %1 by stroke and by shot</translation>
    </message>
    <message>
        <source>Diritto e rovescio</source>
        <translation>Forehand and backhand</translation>
    </message>
    <message>
        <source>Vincenti ed errori</source>
        <translation>Winners and errors</translation>
    </message>
    <message>
        <source>Per diritto e rovescio e per colpo, nella stessa scala per i due giocatori. Un vincente conta per chi ha vinto il punto, un errore per chi l&apos;ha perso.</source>
        <translation>By stroke and by shot, on one scale for both players. A winner counts for the player who won the point, an error for the player who lost it.</translation>
    </message>
    <message>
        <source>Statistiche dettagliate</source>
        <translation>Detailed statistics</translation>
    </message>
    <message>
        <source>Un vincente conta per chi ha vinto il punto, un errore per chi l&apos;ha perso.</source>
        <translation>A winner counts for the player who won the point, an error for the player who lost it.</translation>
    </message>
    <message>
        <source>Somme di tutte le partite; i punti di fila sono la serie più lunga di una partita.</source>
        <translation>Sums over all the matches; the longest run of points is the longest in any one match.</translation>
    </message>
    <message>
        <source>Nessun vincente e nessun errore segnato finora.</source>
        <translation>No winner and no error marked so far.</translation>
    </message>
    <message>
        <source>Video della partita</source>
        <translation>The match&apos;s video</translation>
    </message>
    <message>
        <source>Un clic su una riga, o Invio, mostra il punto nel video.</source>
        <translation>A click on a row, or Enter, shows the point in the video.</translation>
    </message>
    <message>
        <source>Vincono %1, %2 set a %3 · %4</source>
        <translation>%1 win %2 sets to %3 · %4</translation>
    </message>
    <message>
        <source>Vincono %1</source>
        <translation>%1 won</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>Servizio</source>
        <translation>Serve</translation>
    </message>
    <message>
        <source>Esito del servizio (registra il punto)</source>
        <translation>Serve outcome (records the point)</translation>
    </message>
    <message>
        <source>Diritto / Rovescio</source>
        <translation>Forehand / Backhand</translation>
    </message>
    <message>
        <source>Colpo</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Errore / Vincente</source>
        <translation>Error / Winner</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Punto in corso</source>
        <translation>Point in progress</translation>
    </message>
    <message>
        <source>Annulla le scelte del punto</source>
        <translation>Clear the point&apos;s choices</translation>
    </message>
    <message>
        <source>Punto a %1</source>
        <translation>Point to %1</translation>
    </message>
    <message>
        <source>Riproduci / pausa</source>
        <translation>Play / pause</translation>
    </message>
    <message>
        <source>Indietro di 5 secondi</source>
        <translation>Back 5 seconds</translation>
    </message>
    <message>
        <source>Avanti di 5 secondi</source>
        <translation>Forward 5 seconds</translation>
    </message>
    <message>
        <source>Fotogramma precedente</source>
        <translation>Previous frame</translation>
    </message>
    <message>
        <source>Fotogramma successivo</source>
        <translation>Next frame</translation>
    </message>
    <message>
        <source>Velocità 0,5×</source>
        <translation>Speed 0.5×</translation>
    </message>
    <message>
        <source>Velocità 1×</source>
        <translation>Speed 1×</translation>
    </message>
    <message>
        <source>Velocità 2×</source>
        <translation>Speed 2×</translation>
    </message>
    <message>
        <source>Inizio del punto</source>
        <translation>Start of the point</translation>
    </message>
    <message>
        <source>Clip precedente</source>
        <translation>Previous clip</translation>
    </message>
    <message>
        <source>Clip successiva</source>
        <translation>Next clip</translation>
    </message>
    <message>
        <source>Ferma la playlist</source>
        <translation>Stop the playlist</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Giocatore A</source>
        <translation>Player A</translation>
    </message>
    <message>
        <source>Giocatore B</source>
        <translation>Player B</translation>
    </message>
    <message>
        <source>Nome torneo</source>
        <translation>Tournament name</translation>
    </message>
    <message>
        <source>Giocatore A1</source>
        <translation>Player A1</translation>
    </message>
    <message>
        <source>Giocatore A2</source>
        <translation>Player A2</translation>
    </message>
    <message>
        <source>Giocatore B1</source>
        <translation>Player B1</translation>
    </message>
    <message>
        <source>Giocatore B2</source>
        <translation>Player B2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Chiamata a EstraiInfo non valida (%1)</source>
        <translation>Invalid call to EstraiInfo (%1)</translation>
    </message>
    <message>
        <source>Chiamata a CreaInfo non valida (%1)</source>
        <translation>Invalid call to CreaInfo (%1)</translation>
    </message>
    <message>
        <source>Errore %1 durante il processo di apertura file.</source>
        <translation>Error %1 while opening the file.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2</source>
        <translation>Could not save the file %1: %2</translation>
    </message>
    <message>
        <source>Errore %1 nell&apos;apertura del file %2. Controllare la sua presenza!</source>
        <translation>Error %1 opening the file %2. Check that it is there!</translation>
    </message>
    <message>
        <source>Errore %1 durante il processo di apertura file. %2: %3</source>
        <translation>Error %1 while opening the file. %2: %3</translation>
    </message>
    <message>
        <source>Il file contiene %1 punto oltre il limite di %2: non è stato caricato.</source>
        <translation>The file holds %1 point beyond the limit of %2: it was not loaded.</translation>
    </message>
    <message>
        <source>Il file contiene %1 punti oltre il limite di %2: non sono stati caricati.</source>
        <translation>The file holds %1 points beyond the limit of %2: they were not loaded.</translation>
    </message>
    <message>
        <source>Sei sicuro di voler cancellare tutti i dati di questa partita?</source>
        <translation>Are you sure you want to clear all the data of this match?</translation>
    </message>
    <message>
        <source>Attenzione!!!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Tutti i dati sono stati cancellati!</source>
        <translation>All the data has been cleared!</translation>
    </message>
    <message>
        <source>Spiacente, ma si è già al  %1° set. Impossibile modificare.</source>
        <translation>Sorry, the match is already in set %1. It cannot be changed.</translation>
    </message>
    <message>
        <source>Spiacente, ma la partita sarebbe già finita. Impossibile modificare.</source>
        <translation>Sorry, the match would already be over. It cannot be changed.</translation>
    </message>
    <message>
        <source>Impossibile registrare altri punti: la partita ha già %1 punti.</source>
        <translation>No more points can be recorded: the match already has %1 points.</translation>
    </message>
    <message>
        <source>Fine partita! Ha vinto %1 in %2 set. Vuoi salvare la partita?</source>
        <translation>Game, set and match! %1 won in %2 sets. Save the match?</translation>
    </message>
    <message>
        <source>Le informazioni sul sistema non sono attualmente disponibili.</source>
        <translation>System information is not available at the moment.</translation>
    </message>
    <message>
        <source>Inserire il nuovo nome</source>
        <translation>Enter the new name</translation>
    </message>
    <message>
        <source>Cambio nome</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Spiacente, ma cambierebbe un set già giocato. Impossibile modificare.</source>
        <translation>Sorry, that would change a set already played. It cannot be changed.</translation>
    </message>
    <message>
        <source>Un file .clg non può conservare:
%1
Salvare comunque il file %2 in questo formato?</source>
        <translation>A .clg file cannot keep:
%1
Save the file %2 in this format anyway?</translation>
    </message>
    <message>
        <source>Il documento è troppo grande: supera %1 byte.</source>
        <translation>The document is too large: it exceeds %1 bytes.</translation>
    </message>
    <message>
        <source>Impossibile aprire il file %1. %2</source>
        <translation>Could not open the file %1. %2</translation>
    </message>
    <message>
        <source>Il documento non è valido: il valore &quot;%1&quot; manca o non è del tipo previsto.</source>
        <translation>The document is not valid: the value &quot;%1&quot; is missing or not of the expected type.</translation>
    </message>
    <message>
        <source>Il documento non è valido: il valore &quot;%1&quot; non è ammesso.</source>
        <translation>The document is not valid: the value &quot;%1&quot; is not allowed.</translation>
    </message>
    <message>
        <source>Il documento non è scritto correttamente: errore di sintassi alla riga %1, colonna %2.</source>
        <translation>The document is not well formed: syntax error at line %1, column %2.</translation>
    </message>
    <message>
        <source>Il documento non è valido: contiene un numero troppo grande.</source>
        <translation>The document is not valid: it holds a number too large.</translation>
    </message>
    <message>
        <source>Il documento non è valido: contiene valori annidati troppo in profondità.</source>
        <translation>The document is not valid: it holds values nested too deeply.</translation>
    </message>
    <message>
        <source>Il file non è una partita di Courtlog.</source>
        <translation>The file is not a Courtlog match.</translation>
    </message>
    <message>
        <source>Il documento è della versione %1 di Courtlog, più recente di quella che questo programma sa leggere. Per aprirlo occorre una versione aggiornata di Courtlog.</source>
        <translation>The document is from version %1 of Courtlog, newer than this program can read. Opening it needs an updated Courtlog.</translation>
    </message>
    <message>
        <source>il punto secco sul 40 pari</source>
        <translation>the deciding point at deuce</translation>
    </message>
    <message>
        <source>il servizio del secondo giocatore all&apos;inizio</source>
        <translation>the second player serving first</translation>
    </message>
    <message>
        <source>il nome &quot;%1&quot;, che diventerebbe &quot;%2&quot;</source>
        <translation>the name &quot;%1&quot;, which would become &quot;%2&quot;</translation>
    </message>
    <message>
        <source>i tempi dei punti</source>
        <translation>the times of the points</translation>
    </message>
    <message>
        <source>i dati del documento che questa versione di Courtlog non legge</source>
        <translation>the data of the document that this version of Courtlog does not read</translation>
    </message>
    <message>
        <source>ai vantaggi</source>
        <translation>advantage set</translation>
    </message>
    <message>
        <source>tie-break a 7 sul 6 pari</source>
        <translation>tie-break to 7 at 6-all</translation>
    </message>
    <message>
        <source>tie-break a 10 sul 6 pari</source>
        <translation>tie-break to 10 at 6-all</translation>
    </message>
    <message>
        <source>tie-break a 7 sul 12 pari</source>
        <translation>tie-break to 7 at 12-all</translation>
    </message>
    <message>
        <source>match tie-break a 10</source>
        <translation>match tie-break to 10</translation>
    </message>
    <message>
        <source>il set decisivo: %1</source>
        <translation>the deciding set: %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file di ripristino %1: %2
Se il programma si chiude senza salvare, la partita andrà persa.</source>
        <translation>Could not write the recovery file %1: %2
If the program closes without saving, the match will be lost.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file di ripristino %1. %2
Il file resta dov&apos;è.</source>
        <translation>Could not read the recovery file %1. %2
The file stays where it is.</translation>
    </message>
    <message>
        <source>1 punto</source>
        <translation>1 point</translation>
    </message>
    <message>
        <source>%1 punti</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>È stata trovata una partita non salvata: %1-%2, %3, ultima modifica %4. Ripristinarla?</source>
        <translation>An unsaved match was found: %1-%2, %3, last changed %4. Restore it?</translation>
    </message>
    <message>
        <source>Impossibile scrivere i file di ripristino nella cartella %1: %2
Se il programma si chiude senza salvare, la partita andrà persa.</source>
        <translation>Cannot write recovery files in the folder %1: %2
If the program closes without saving, the match will be lost.</translation>
    </message>
    <message>
        <source>non vi si può creare alcun file</source>
        <translation>no file can be made there</translation>
    </message>
    <message>
        <source>Un&apos;altra finestra di Courtlog ha una partita non salvata (file di ripristino %1): la si salva da quella finestra.</source>
        <translation>Another Courtlog window has an unsaved match (recovery file %1): save it from that window.</translation>
    </message>
    <message>
        <source>Il file %1 è cambiato da quando questa finestra lo ha aperto o salvato: forse un&apos;altra finestra vi ha salvato una partita.
Sostituirlo con la partita di questa finestra?</source>
        <translation>The file %1 has changed since this window opened or saved it: another window may have saved a match in it.
Replace it with this window&apos;s match?</translation>
    </message>
    <message>
        <source>Il file è un testo in %1, non una partita di Courtlog. Un documento di Courtlog è scritto in UTF-8.</source>
        <translation>The file is %1 text, not a Courtlog match. A Courtlog document is written in UTF-8.</translation>
    </message>
    <message>
        <source>i set brevi</source>
        <translation>the short sets</translation>
    </message>
    <message>
        <source>il video della partita</source>
        <translation>the match&apos;s video</translation>
    </message>
    <message>
        <source>i momenti dei punti nel video</source>
        <translation>the points&apos; moments in the video</translation>
    </message>
    <message>
        <source>Impossibile aprire il video %1: %2</source>
        <translation>Cannot open the video %1: %2</translation>
    </message>
    <message>
        <source>L&apos;anticipo della clip è un numero di secondi da %1 a %2.</source>
        <translation>The clip lead is a number of seconds from %1 to %2.</translation>
    </message>
    <message>
        <source>Apri prima il video della partita (F4).</source>
        <translation>Open the match&apos;s video first (F4).</translation>
    </message>
    <message>
        <source>Nessuno di questi punti ha il suo momento nel video.</source>
        <translation>None of these points has its moment in the video.</translation>
    </message>
    <message>
        <source>Fine partita! Hanno vinto %1 in %2 set. Vuoi salvare la partita?</source>
        <translation>Game, set and match! %1 won in %2 sets. Save the match?</translation>
    </message>
    <message>
        <source>il doppio</source>
        <translation>the doubles</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>3 Set</source>
        <translation>3 sets</translation>
    </message>
    <message>
        <source>5 Set</source>
        <translation>5 sets</translation>
    </message>
    <message>
        <source>&amp;No Tie-Break</source>
        <translation>&amp;No tie-break</translation>
    </message>
    <message>
        <source>&amp;Tranne l&apos;ultimo set</source>
        <translation>&amp;All but the final set</translation>
    </message>
    <message>
        <source>&amp;Tutti i set</source>
        <translation>&amp;Every set</translation>
    </message>
    <message>
        <source>&amp;Ai vantaggi</source>
        <translation>&amp;Advantage set</translation>
    </message>
    <message>
        <source>Tie-break a &amp;7 sul 6 pari</source>
        <translation>Tie-break to &amp;7 at 6-all</translation>
    </message>
    <message>
        <source>Tie-break a &amp;10 sul 6 pari</source>
        <translation>Tie-break to &amp;10 at 6-all</translation>
    </message>
    <message>
        <source>Tie-break a 7 sul &amp;12 pari</source>
        <translation>Tie-break to 7 at &amp;12-all</translation>
    </message>
    <message>
        <source>&amp;Match tie-break a 10</source>
        <translation>&amp;Match tie-break to 10</translation>
    </message>
    <message>
        <source>&amp;Killer point (senza vantaggi)</source>
        <translation>&amp;Killer point (no advantage)</translation>
    </message>
    <message>
        <source>Primo al servizio Giocatore A</source>
        <translation>First server Player A</translation>
    </message>
    <message>
        <source>Primo al servizio Giocatore B</source>
        <translation>First server Player B</translation>
    </message>
    <message>
        <source>&amp;Match in</source>
        <translation>&amp;Best of</translation>
    </message>
    <message>
        <source>&amp;Tie-Break</source>
        <translation>&amp;Tie-break</translation>
    </message>
    <message>
        <source>Set d&amp;ecisivo</source>
        <translation>&amp;Deciding set</translation>
    </message>
    <message>
        <source>Primo al &amp;servizio</source>
        <translation>First se&amp;rver</translation>
    </message>
    <message>
        <source>Set &amp;brevi (a 4 game)</source>
        <translation>&amp;Short sets (to 4 games)</translation>
    </message>
    <message>
        <source>D&amp;oppio</source>
        <translation>D&amp;oubles</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Prima palla</source>
        <translation>First serve</translation>
    </message>
    <message>
        <source>Seconda palla</source>
        <translation>Second serve</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Diritto</source>
        <translation>Forehand</translation>
    </message>
    <message>
        <source>Rovescio</source>
        <translation>Backhand</translation>
    </message>
    <message>
        <source>Volee lunga</source>
        <translation>Volley</translation>
    </message>
    <message>
        <source>Volee smorzata</source>
        <translation>Drop volley</translation>
    </message>
    <message>
        <source>Lob</source>
        <translation>Lob</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Passante</source>
        <translation>Passing</translation>
    </message>
    <message>
        <source>Smash</source>
        <translation>Smash</translation>
    </message>
    <message>
        <source>Risposta</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Vincente</source>
        <translation>Winner</translation>
    </message>
    <message>
        <source>Errore gratuito</source>
        <translation>Unforced error</translation>
    </message>
    <message>
        <source>Errore forzato</source>
        <translation>Forced error</translation>
    </message>
    <message>
        <source>Errore tentato</source>
        <translation>Error going for it</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>Doppio fallo</source>
        <translation>Double fault</translation>
    </message>
    <message>
        <source>Servizio vincente</source>
        <translation>Service winner</translation>
    </message>
</context>
<context>
    <name>PointLogCsv</name>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Games A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Games B</translation>
    </message>
    <message>
        <source>Punti A</source>
        <translation>Points A</translation>
    </message>
    <message>
        <source>Punti B</source>
        <translation>Points B</translation>
    </message>
    <message>
        <source>Tie-break</source>
        <translation>Tie-break</translation>
    </message>
    <message>
        <source>Al servizio</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Vince</source>
        <translation>Winner</translation>
    </message>
    <message>
        <source>Servizio</source>
        <translation>Serve</translation>
    </message>
    <message>
        <source>Esito del servizio</source>
        <translation>Serve outcome</translation>
    </message>
    <message>
        <source>Diritto/Rovescio</source>
        <translation>Forehand/Backhand</translation>
    </message>
    <message>
        <source>Colpo</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Errore/Vincente</source>
        <translation>Error/Winner</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
</context>
<context>
    <name>Position</name>
    <message>
        <source>Partita finita</source>
        <translation>Match over</translation>
    </message>
    <message>
        <source>Punto %1 di %2</source>
        <translation>Point %1 of %2</translation>
    </message>
    <message>
        <source>%1 (storico)</source>
        <translation>%1 (history)</translation>
    </message>
    <message>
        <source>Partita finita: il punto non è stato registrato.</source>
        <translation>Match over: the point was not recorded.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Salva con nome</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Sostituisci</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Salva con nome…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apri il video</source>
        <translation>Open the video</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Uso: courtlog-report [--at N] [--format text|json|csv|html] [--lang it|en] FILE.clg
     courtlog-report --total [--format text|json|html] [--lang it|en] FILE.clg...</source>
        <translation>Usage: courtlog-report [--at N] [--format text|json|csv|html] [--lang it|en] FILE.clg
       courtlog-report --total [--format text|json|html] [--lang it|en] FILE.clg...</translation>
    </message>
    <message>
        <source>impossibile scrivere l&apos;uscita</source>
        <translation>cannot write the output</translation>
    </message>
    <message>
        <source>lingua sconosciuta: %1 (it o en)</source>
        <translation>unknown language: %1 (it or en)</translation>
    </message>
    <message>
        <source>manca il valore di un&apos;opzione</source>
        <translation>an option is missing its value</translation>
    </message>
    <message>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>manca il file della partita</source>
        <translation>no match file given</translation>
    </message>
    <message>
        <source>formato sconosciuto: %1</source>
        <translation>unknown format: %1</translation>
    </message>
    <message>
        <source>--at non vale con --total</source>
        <translation>--at does not go with --total</translation>
    </message>
    <message>
        <source>--total non ha il formato csv</source>
        <translation>--total has no csv format</translation>
    </message>
    <message>
        <source>un solo file per volta (o --total)</source>
        <translation>one file at a time (or --total)</translation>
    </message>
    <message>
        <source>--at vuole un numero di punti: %1</source>
        <translation>--at wants a number of points: %1</translation>
    </message>
    <message>
        <source>--at fuori dall&apos;intervallo 0..%1</source>
        <translation>--at out of range 0..%1</translation>
    </message>
    <message>
        <source>Mostra il punteggio e le statistiche di una partita registrata. Il testo e l&apos;html
danno anche le statistiche dettagliate della partita e di ogni set, l&apos;html con i
grafici di vincenti ed errori per colpo.

Opzioni:
  --at N          la partita dopo N punti (0 = l&apos;inizio; senza: la fine)
  --format F      text (testo, predefinito), json, csv (i punti, con il tempo
                  di ciascuno quando è registrato) o html (rapporto)
  --total         somma più partite, giocatore per giocatore, statistiche
                  dettagliate comprese
  --lang L        la lingua dell&apos;uscita: it (italiano, predefinita) o en (inglese);
                  il json resta in italiano
  -h, --help      mostra questo aiuto
  --version       mostra la versione

Uscita: 0 fatto, 1 file inutilizzabile (con --total le altre partite sono sommate lo
stesso) o uscita non scrivibile, 2 riga di comando errata.
</source>
        <translation>Shows the score and the statistics of a charted match. Text and html also give
the detailed statistics of the match and of each set, html with charts of winners
and errors by stroke and shot.

Options:
  --at N          the match after N points (0 = the start; without it: the end)
  --format F      text (the default), json, csv (the points, with the time of each
                  when it was recorded) or html (the report)
  --total         adds up several matches, player by player, detailed statistics included
  --lang L        the language of the output: it (Italian, the default) or en (English);
                  json stays in Italian
  -h, --help      shows this help
  --version       shows the version

Exit status: 0 done, 1 a file cannot be used (with --total the other matches are added up
all the same) or the output cannot be written, 2 the command line is wrong.
</translation>
    </message>
    <message>
        <source>%1, versione %2.%3.%4</source>
        <translation>%1, version %2.%3.%4</translation>
    </message>
</context>
<context>
    <name>Residual</name>
    <message>
        <source>E&apos; presente un ulteriore punto. Cosa vuoi farne?</source>
        <translation>There is one more point after this one. What should happen to it?</translation>
    </message>
    <message>
        <source>Sono presenti %1 ulteriori punti. Cosa vuoi farne?</source>
        <translation>There are %1 more points after this one. What should happen to them?</translation>
    </message>
    <message>
        <source>Attenzione: punti residui !!!</source>
        <translation>Warning: points after this one!</translation>
    </message>
    <message>
        <source>Sovrascrivi il vecchio punto</source>
        <translation>Overwrite the old point</translation>
    </message>
    <message>
        <source>Inserisci il nuovo punto</source>
        <translation>Insert the new point</translation>
    </message>
    <message>
        <source>Cancella i punti residui</source>
        <translation>Delete the later points</translation>
    </message>
</context>
<context>
    <name>Rounds</name>
    <message>
        <source>1° Turno</source>
        <translation>First round</translation>
    </message>
    <message>
        <source>2° Turno</source>
        <translation>Second round</translation>
    </message>
    <message>
        <source>3° Turno</source>
        <translation>Third round</translation>
    </message>
    <message>
        <source>Ottavi di finale</source>
        <translation>Round of 16</translation>
    </message>
    <message>
        <source>Quarti di finale</source>
        <translation>Quarterfinal</translation>
    </message>
    <message>
        <source>Semifinale</source>
        <translation>Semifinal</translation>
    </message>
    <message>
        <source>Finale</source>
        <translation>Final</translation>
    </message>
</context>
<context>
    <name>Scoreboard</name>
    <message>
        <source>AD</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Palle nuove</source>
        <translation>New balls</translation>
    </message>
    <message>
        <source>Parità</source>
        <translation>Deuce</translation>
    </message>
    <message>
        <source>Break Point</source>
        <translation>Break Point</translation>
    </message>
    <message>
        <source>Set Point</source>
        <translation>Set Point</translation>
    </message>
    <message>
        <source>Match Point</source>
        <translation>Match Point</translation>
    </message>
    <message>
        <source>Break Point # %1</source>
        <translation>Break Point #%1</translation>
    </message>
    <message>
        <source>Parità # %1</source>
        <translation>Deuce #%1</translation>
    </message>
    <message>
        <source>Set Point #%1</source>
        <translation>Set Point #%1</translation>
    </message>
    <message>
        <source>Match Point #%1</source>
        <translation>Match Point #%1</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Statistiche %1</source>
        <translation>%1 statistics</translation>
    </message>
    <message>
        <source>Vincono %1 %2-%3</source>
        <translation>%1 win %2-%3</translation>
    </message>
    <message>
        <source>Vince %1 %2-%3</source>
        <translation>%1 wins %2-%3</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>N/D</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Punti vinti</source>
        <translation>Points won</translation>
    </message>
    <message>
        <source>Break points</source>
        <translation>Break points</translation>
    </message>
    <message>
        <source>Ace/Doppi falli</source>
        <translation>Aces/Double faults</translation>
    </message>
    <message>
        <source>% Prime palle</source>
        <translation>1st serve %</translation>
    </message>
    <message>
        <source>Punti con 1°/2°</source>
        <translation>Won on 1st/2nd</translation>
    </message>
    <message>
        <source>Colpi vincenti</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>Errori gratuiti</source>
        <translation>Unforced errors</translation>
    </message>
    <message>
        <source>Punti set/match</source>
        <translation>Points to set/match</translation>
    </message>
    <message>
        <source>Punti vinti al servizio</source>
        <translation>Service points won</translation>
    </message>
    <message>
        <source>Punti vinti in risposta</source>
        <translation>Return points won</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Aces</translation>
    </message>
    <message>
        <source>Doppi falli</source>
        <translation>Double faults</translation>
    </message>
    <message>
        <source>Servizi vincenti</source>
        <translation>Service winners</translation>
    </message>
    <message>
        <source>Prime palle in campo</source>
        <translation>First serves in</translation>
    </message>
    <message>
        <source>Punti vinti con la prima</source>
        <translation>Won on 1st serve</translation>
    </message>
    <message>
        <source>Punti vinti con la seconda</source>
        <translation>Won on 2nd serve</translation>
    </message>
    <message>
        <source>Palle break trasformate</source>
        <translation>Break points won</translation>
    </message>
    <message>
        <source>Palle break salvate</source>
        <translation>Break points saved</translation>
    </message>
    <message>
        <source>Vincenti</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>Errori forzati</source>
        <translation>Forced errors</translation>
    </message>
    <message>
        <source>Errori su colpi tentati</source>
        <translation>Errors on attempted shots</translation>
    </message>
    <message>
        <source>Punti di fila, al massimo</source>
        <translation>Longest run of points</translation>
    </message>
    <message>
        <source>Vincenti ed errori di %1</source>
        <translation>Winners and errors of %1</translation>
    </message>
    <message>
        <source>Colpo</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Diritto o rovescio non indicato</source>
        <translation>Stroke not given</translation>
    </message>
    <message>
        <source>Colpo non indicato</source>
        <translation>Shot not given</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Durata: %1</source>
        <translation>Length: %1</translation>
    </message>
    <message>
        <source>Tempo mediano tra due punti: %1</source>
        <translation>Median time between points: %1</translation>
    </message>
    <message>
        <source>Punti, servizio e palle break</source>
        <translation>Points, serve and break points</translation>
    </message>
    <message>
        <source>Statistica</source>
        <translation>Statistic</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Game di servizio tenuti</source>
        <translation>Service games held</translation>
    </message>
    <message>
        <source>Il servizio di ciascun giocatore</source>
        <translation>Each player&apos;s serve</translation>
    </message>
</context>
<context>
    <name>TextReport</name>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Tie-break</source>
        <translation>Tie-break</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Torneo: %1</source>
        <translation>Tournament: %1</translation>
    </message>
    <message>
        <source>Turno: %1</source>
        <translation>Round: %1</translation>
    </message>
    <message>
        <source>Punto %1 di %2, partita finita</source>
        <translation>Point %1 of %2, match over</translation>
    </message>
    <message>
        <source>Punto %1 di %2</source>
        <translation>Point %1 of %2</translation>
    </message>
    <message>
        <source>Vince: %1</source>
        <translation>Winner: %1</translation>
    </message>
    <message>
        <source>Al servizio: %1</source>
        <translation>Serving: %1</translation>
    </message>
    <message>
        <source>Indicatori: %1</source>
        <translation>Indicators: %1</translation>
    </message>
    <message>
        <source>%1 (in corso)</source>
        <translation>%1 (in progress)</translation>
    </message>
    <message>
        <source>Partite:</source>
        <comment>row: matches played</comment>
        <translation>Played:</translation>
    </message>
    <message>
        <source>Vinte/perse:</source>
        <translation>Won/lost:</translation>
    </message>
    <message>
        <source>Partite:</source>
        <translation>Matches:</translation>
    </message>
    <message>
        <source>Vincono: %1</source>
        <translation>Winners: %1</translation>
    </message>
</context>
<context>
    <name>Video</name>
    <message>
        <source>Il video della partita non si trova: %1</source>
        <translation>The match&apos;s video cannot be found: %1</translation>
    </message>
    <message>
        <source>Cerca il video…</source>
        <translation>Look for the video…</translation>
    </message>
    <message>
        <source>Quanti secondi di video mostra ogni clip prima del suo punto? (da %1 a %2)</source>
        <translation>How many seconds of video does each clip show before its point? (%1 to %2)</translation>
    </message>
    <message>
        <source>Anticipo della clip</source>
        <translation>Clip lead</translation>
    </message>
    <message>
        <source>%1 di %2 · %3</source>
        <translation>%1 of %2 · %3</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1 - Versione %2.%3</source>
        <translation>%1 - Version %2.%3</translation>
    </message>
</context>
<context>
    <name>courtlog::ui::AboutDialog</name>
    <message>
        <source>Informazioni su %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Versione %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Scritto dagli autori di Courtlog, 2026.</source>
        <translation>Written by the Courtlog authors, 2026.</translation>
    </message>
    <message>
        <source>Il programma consente di mantenere le statistiche di un match di tennis, permettendo di inserire oltre ai punti le caratteristiche di ogni colpo. Inoltre è possibile salvare le partite immesse, e scorrere l&apos;intero match con i tasti F7 e F8 (o con il cursore in basso, o con il menu Game). Su macchine molto lente, potete disabilitare alcune opzioni per velocizzare il programma (menu Opzioni). Altre chicche le troverete usando il programma!</source>
        <translation>The program keeps the statistics of a tennis match: besides the points, you can record what kind of shot each one was. You can also save the matches you chart and step through the whole match with F7 and F8 (or with the slider at the bottom, or the Match menu). On very slow machines you can turn some options off to speed the program up (Options menu). You&apos;ll find more treats as you use the program!</translation>
    </message>
    <message>
        <source>Il programma è fornito così com&apos;è, senza garanzie di alcun tipo.</source>
        <translation>The program is provided as is, without warranty of any kind.</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
</context>
<context>
    <name>courtlog::ui::KeyMapDialog</name>
    <message>
        <source>Tasti rapidi</source>
        <translation>Charting keys</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Comandi dei menu</source>
        <translation>Menu commands</translation>
    </message>
    <message>
        <source>Un tasto per ogni scelta, senza Ctrl, Alt o Maiusc, in qualunque finestra del programma sia attiva: la principale, questa, quella del video o delle statistiche. Un punto semplice è un tasto solo: F per il giocatore a sinistra, J per quello a destra. Nell&apos;elenco del turno e nella barra dei menu le lettere scelgono lì e non registrano nulla.</source>
        <translation>One key for each choice, without Ctrl, Alt or Shift, in whichever of the program&apos;s windows is active: the main one, this one, the video&apos;s or the statistics. A plain point is a single key: F for the player on the left, J for the one on the right. In the round list and in the menu bar letters choose there and record nothing.</translation>
    </message>
</context>
<context>
    <name>courtlog::ui::MainWindow</name>
    <message>
        <source>Tasto: %1</source>
        <translation>Key: %1</translation>
    </message>
    <message>
        <source>Clic per cambiare il nome</source>
        <translation>Click to rename</translation>
    </message>
    <message>
        <source>Al servizio</source>
        <translation>Serving</translation>
    </message>
    <message>
        <source>Punteggio</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Punti vinti</source>
        <translation>Points won</translation>
    </message>
    <message>
        <source>Break fatti</source>
        <translation>Breaks made</translation>
    </message>
    <message>
        <source>Palle break avute</source>
        <translation>Break points earned</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>Doppi falli</source>
        <translation>Double faults</translation>
    </message>
    <message>
        <source>Prime palle in campo</source>
        <translation>First serves in</translation>
    </message>
    <message>
        <source>Punti vinti con la prima</source>
        <translation>Points won on first serve</translation>
    </message>
    <message>
        <source>Punti vinti con la seconda</source>
        <translation>Points won on second serve</translation>
    </message>
    <message>
        <source>Colpi vincenti</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>Errori gratuiti</source>
        <translation>Unforced errors</translation>
    </message>
    <message>
        <source>Punti dal set</source>
        <translation>Points to the set</translation>
    </message>
    <message>
        <source>Punti dal match</source>
        <translation>Points to the match</translation>
    </message>
    <message>
        <source>Parziale</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Set point</source>
        <translation>Set point</translation>
    </message>
    <message>
        <source>Match point</source>
        <translation>Match point</translation>
    </message>
    <message>
        <source>Palle nuove</source>
        <translation>New balls</translation>
    </message>
    <message>
        <source>Parità</source>
        <translation>Deuce</translation>
    </message>
    <message>
        <source>Break point</source>
        <translation>Break point</translation>
    </message>
    <message>
        <source>Torneo:</source>
        <translation>Event:</translation>
    </message>
    <message>
        <source>Turno</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Turno di servizio</source>
        <translation>Serving</translation>
    </message>
    <message>
        <source>Punti giocati</source>
        <translation>Points played</translation>
    </message>
    <message>
        <source>Servizio</source>
        <translation>Serve</translation>
    </message>
    <message>
        <source>Diritto / Rovescio</source>
        <translation>Forehand / Backhand</translation>
    </message>
    <message>
        <source>Colpo</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Errore / Vincente</source>
        <translation>Error / Winner</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Posizione nella partita</source>
        <translation>Position in the match</translation>
    </message>
    <message>
        <source>© 2026 Gli autori di Courtlog - Informazioni sul programma</source>
        <translation>© 2026 The Courtlog authors - About the program</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Carica</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Esporta &amp;rapporto...</source>
        <translation>Export &amp;report...</translation>
    </message>
    <message>
        <source>&amp;Esci</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Match</translation>
    </message>
    <message>
        <source>&amp;Inizio</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Indietro</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Avanti</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>&amp;Opzioni</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Disabilita</source>
        <translation>&amp;Turn off</translation>
    </message>
    <message>
        <source>&amp;Parziale</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>P&amp;unti dal match</source>
        <translation>Points to the &amp;match</translation>
    </message>
    <message>
        <source>&amp;Salva le opzioni</source>
        <translation>&amp;Save the options</translation>
    </message>
    <message>
        <source>&amp;Adesso</source>
        <translation>&amp;Now</translation>
    </message>
    <message>
        <source>All&apos;&amp;uscita</source>
        <translation>On e&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Informazioni su</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Tasti rapidi</source>
        <translation>&amp;Charting keys</translation>
    </message>
    <message>
        <source>Punto %1 di %2</source>
        <translation>Point %1 of %2</translation>
    </message>
    <message>
        <source>Tie-break %1</source>
        <translation>Tie-break %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>%1 Giocatore %2</source>
        <translation>%1 Player %2</translation>
    </message>
    <message>
        <source>&amp;Registra l&apos;ora dei punti</source>
        <translation>&amp;Record the time of each point</translation>
    </message>
    <message>
        <source>Dove si è nella partita</source>
        <translation>Where you are in the match</translation>
    </message>
    <message>
        <source>Sa&amp;lva nel file corrente</source>
        <translation>Save to c&amp;urrent file</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Elimina il punto</source>
        <translation>&amp;Delete point</translation>
    </message>
    <message>
        <source>Statistiche &amp;dettagliate</source>
        <translation>Detailed s&amp;tatistics</translation>
    </message>
    <message>
        <source>Chiudi l&apos;avviso</source>
        <translation>Close the notice</translation>
    </message>
    <message>
        <source>Apri &amp;video…</source>
        <translation>Open &amp;video…</translation>
    </message>
    <message>
        <source>Anticipo della clip…</source>
        <translation>Clip lead…</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Video</translation>
    </message>
    <message>
        <source>Allinea a questo punto</source>
        <translation>Line up at this point</translation>
    </message>
    <message>
        <source>Segna qui il punto</source>
        <translation>Mark the point here</translation>
    </message>
    <message>
        <source>Al se&amp;rvizio nel set</source>
        <translation>Ser&amp;ving in the set</translation>
    </message>
    <message>
        <source>Giocatore %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Alto &amp;contrasto</source>
        <translation>High &amp;contrast</translation>
    </message>
    <message>
        <source>Visuali&amp;zza</source>
        <translation>Vie&amp;w</translation>
    </message>
    <message>
        <source>&amp;Ingrandisci</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>&amp;Riduci</source>
        <translation>Zoom &amp;Out</translation>
    </message>
</context>
<context>
    <name>courtlog::ui::StatisticsWindow</name>
    <message>
        <source>Statistiche dettagliate</source>
        <translation>Detailed statistics</translation>
    </message>
    <message>
        <source>Partita e set</source>
        <translation>Match and sets</translation>
    </message>
    <message>
        <source>Dove si è nella partita</source>
        <translation>Where you are in the match</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Doppio clic o Invio: rivedi questi punti</source>
        <translation>Double-click or Enter: play these points</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <translation>%1 — %2, %3</translation>
    </message>
    <message>
        <source>%1 · al servizio %2</source>
        <translation>%1 · %2 serving</translation>
    </message>
    <message>
        <source>Punteggio e servizio</source>
        <translation>Score and server</translation>
    </message>
    <message>
        <source>Mostra le righe a &amp;zero</source>
        <translation>Show the rows of &amp;zeros</translation>
    </message>
</context>
<context>
    <name>courtlog::ui::VideoWindow</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Il lettore video non si avvia (%1)</source>
        <translation>The video player does not start (%1)</translation>
    </message>
    <message>
        <source>Il lettore video non disegna (%1)</source>
        <translation>The video player cannot draw (%1)</translation>
    </message>
    <message>
        <source>Il video non si è aperto in %1 secondi</source>
        <translation>The video did not open within %1 seconds</translation>
    </message>
</context>
</TS>
