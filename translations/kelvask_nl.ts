<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>bestand niet gevonden</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>de bibliotheek biedt %1 niet aan</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>de bibliotheek kan %1 niet aanmaken</translation>
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
        <translation>Melding</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>niet beschoten</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>schip</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>raak</translation>
    </message>
    <message>
        <source>water</source>
        <translation>water</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>mis</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Ongeldige bewerking in de huidige toestand</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Verkeerd protocol of verkeerde verbindingstoestand voor de gevraagde transactie of aanvraag</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Ongeldig poortnummer</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>De verbinding is geweigerd</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>De verbinding is door de andere kant gereset</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Gezaghebbend antwoord: host niet gevonden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Geen bufferruimte beschikbaar</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Time-out van de verbinding</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>Het datagram is te groot voor de buffer en is afgekapt</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Het netwerk is onbereikbaar</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Het adres is al in gebruik</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Het adres is niet beschikbaar op deze computer</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Niet-ondersteunde bewerking</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>De bewerking is bezig</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>Het netwerksubsysteem is uitgevallen</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>De aanvraag is niet meer in behandeling</translation>
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
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programmering: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       De ontwikkelaars van Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       Het Ossaria-project</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Gebaseerd op het klassieke zeeslagspel met pen en papier.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Vrije software, GPL 3 of later</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Verzonden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verzenden</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Chatvenster</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Ontvangen berichten</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Verzonden berichten</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Te verzenden bericht</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Fout nr. %1: %2<byte value="xd"/>
Verbinding wordt gesloten</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Ongeldige chatpoort ‘%1’</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Wit:      Onbekende inhoud (vijandelijke zee)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Blauw:  Water (mis)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Rood:    Geraakt schip</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Geel:    Schip (eigen zee)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> met %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Speluitleg</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Fout nr. %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>Wachten op verbinding...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbonden met %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Plaats je schepen</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Verbinding verbreken?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Verbinding wordt gesloten...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Fout nr. %1: %2<byte value="xd"/>
Verbinding wordt gesloten</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Je moet eerst verbinding maken!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>Slagschip niet volledig geplaatst</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>Torpedojager niet volledig geplaatst</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>Kruiser niet volledig geplaatst</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>Onderzeeër niet volledig geplaatst</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>Torpedoboot niet volledig geplaatst</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Je kunt geen twee schepen op elkaar plaatsen!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Kies een schip om te plaatsen</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Dit schip is volledig geplaatst, kies een ander schip.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Alle delen van het schip moeten aan elkaar grenzen!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Weet je zeker dat je je schepen opnieuw wilt plaatsen?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Schepen opnieuw plaatsen?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>De bibliotheek met besturingselementen kan niet worden geladen (%1).<byte value="xd"/>
Meldingen verschijnen in plaats daarvan in het statusvak.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Verbinding verbreken en programma afsluiten?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Vijandelijke zee</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Eigen zee</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Opnieuw plaatsen</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Klaar om te spelen</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Schepen</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Slagschip (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Torpedojager (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Kruiser (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>Onderzeeër (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Torpedoboot (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Aan de beurt</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Jouw beurt</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Vijand aan zet</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ontvangen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Laatste schot</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Laatste inkomende schot</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>Over Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Poorten op de &amp;router openen</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Chat</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Spelregels</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>&amp;Over Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Je hebt verloren!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Ongeldige gegevens ontvangen</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Maak eerst verbinding voordat je schiet!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Versturen naar de tegenstander is mislukt, probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Tegenstander is klaar...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>Wachten op tegenstander...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Spel gestart</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Je hebt gewonnen!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Nieuw spel...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>TCP-poort %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>UDP-poort %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Spelers op internet kunnen verbinding maken met %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Spelers op internet kunnen geen verbinding maken: de router zit achter een andere router (extern adres %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Spelers op internet kunnen geen verbinding maken: de router is niet met internet verbonden</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>De router weigerde %1 te openen: er wordt al doorgestuurd naar een andere computer</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>De router weigerde %1 te openen</translation>
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
        <translation>Melding</translation>
    </message>
</context>
</TS>
