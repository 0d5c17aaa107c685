<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>file non trovato</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>la libreria non offre %1</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>la libreria non è riuscita a creare %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QvControls</name>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>nessun colpo</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>nave</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>colpito</translation>
    </message>
    <message>
        <source>water</source>
        <translation>acqua</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>colpo in acqua</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Operazione non valida nello stato attuale</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Protocollo o stato della connessione errato per la transazione o la richiesta</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Numero di porta non valido</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>La connessione è stata rifiutata</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>La connessione è stata reimpostata dall&apos;altro capo</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Risposta autorevole: host non trovato</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Spazio di buffer esaurito</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Tempo scaduto per la connessione</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>Il datagramma è troppo grande per il buffer ed è stato troncato</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Rete non raggiungibile</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Indirizzo già in uso</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Indirizzo non disponibile sulla macchina locale</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Operazione non supportata</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Operazione in corso</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>Il sottosistema di rete non funziona</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>La richiesta non è più in sospeso</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programmazione: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Gli sviluppatori di Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       Il progetto Ossaria</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Ispirato al classico gioco della battaglia navale con carta e matita.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili in questo momento</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Software libero, GPL 3 o successiva</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Ricevuti</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Inviati</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Finestra di chat</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Messaggi ricevuti</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Messaggi inviati</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Messaggio da inviare</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Errore n. %1: %2<byte value="xd"/>
Chiusura della connessione</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Porta della chat non valida “%1”</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Bianco:  Contenuto sconosciuto (mare nemico)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Blu:        Acqua (mancato)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Rosso:    Nave colpita</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Giallo:    Nave (il tuo mare)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> con %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Guida al gioco</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Errore n. %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>In attesa di connessione...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connesso a %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Posiziona le tue navi</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Disconnettere?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Chiusura della connessione...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Errore n. %1: %2<byte value="xd"/>
Chiusura della connessione</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Prima devi connetterti!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>La portaerei non è posizionata del tutto</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>Il caccia non è posizionato del tutto</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>L&apos;incrociatore non è posizionato del tutto</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>Il sottomarino non è posizionato del tutto</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>La torpediniera non è posizionata del tutto</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Non si possono mettere due navi una sopra l&apos;altra!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Seleziona una nave da posizionare</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Questa nave è già posizionata del tutto, selezionane un&apos;altra.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Tutte le parti della nave devono essere adiacenti!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Vuoi davvero rifare da capo il posizionamento delle tue navi?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Riposizionare le navi?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>Impossibile caricare la libreria dei controlli (%1).<byte value="xd"/>
Gli avvisi verranno mostrati nella casella di stato.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Disconnettere e uscire dal programma?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Mare nemico</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Il tuo mare</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Riposiziona navi</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Pronto a giocare</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Navi</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Portaerei (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Caccia (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Incrociatore (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>Sottomarino (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Torpediniera (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Il tuo turno</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Turno nemico</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ricevi</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Ultimo colpo</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Ultimo colpo ricevuto</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>Informazioni su Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Apri le porte sul &amp;router</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Chat</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Regole del gioco</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>&amp;Informazioni su Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Hai perso!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Ricevuti dati non validi</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Connettiti prima di sparare!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Impossibile inviare i dati all&apos;avversario, riprova.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Avversario pronto...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>In attesa dell&apos;avversario...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Partita iniziata</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Nuova partita...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>la porta TCP %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>la porta UDP %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>I giocatori su Internet possono connettersi a %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>I giocatori su Internet non possono connettersi: il router si trova dietro un altro router (indirizzo esterno %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>I giocatori su Internet non possono connettersi: il router non è connesso a Internet</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>Il router si è rifiutato di aprire %1: esiste già un inoltro verso un&apos;altra macchina</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>Il router si è rifiutato di aprire %1</translation>
    </message>
</context>
<context>
    <name>frmMsgBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
</context>
</TS>
