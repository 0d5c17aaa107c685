<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>die Bibliothek bietet %1 nicht an</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>die Bibliothek konnte %1 nicht erzeugen</translation>
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
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>nicht beschossen</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>Fehlschuss</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Ungültige Operation im aktuellen Zustand</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Falsches Protokoll oder falscher Verbindungszustand für die angeforderte Transaktion oder Anfrage</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Ungültige Portnummer</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>Die Verbindung wurde abgewiesen</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>Die Verbindung wurde von der Gegenstelle zurückgesetzt</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Verbindliche Antwort: Host nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Kein Pufferspeicher verfügbar</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Zeitüberschreitung bei der Verbindung</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>Das Datagramm ist zu groß für den Puffer und wurde abgeschnitten</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Das Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Die Adresse wird bereits verwendet</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Die Adresse ist auf dem lokalen Rechner nicht verfügbar</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Nicht unterstützte Operation</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Die Operation wird gerade ausgeführt</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>Das Netzwerk-Subsystem ist ausgefallen</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>Die Anfrage steht nicht mehr aus</translation>
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
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programmierung: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Die Ossaria-Entwickler</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       Das Ossaria-Projekt</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Nachempfunden dem klassischen Seeschlacht-Spiel mit Papier und Bleistift.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Freie Software, GPL 3 oder neuer</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Chatfenster</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Empfangene Nachrichten</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Gesendete Nachrichten</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Zu sendende Nachricht</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Fehler Nr. %1: %2<byte value="xd"/>
Verbindung wird geschlossen</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Ungültiger Chat-Port „%1“</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Weiß:  Unbekannter Inhalt (Feindgewässer)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Blau:   Wasser (kein Treffer)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Rot:     Getroffenes Schiff</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Gelb:   Schiff (Heimatgewässer)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> mit %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Spielhilfe</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Fehler Nr. %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>Warte auf Verbindung...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Bitte stelle deine Schiffe auf</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Verbindung trennen?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Verbindung wird geschlossen...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Fehler Nr. %1: %2<byte value="xd"/>
Verbindung wird geschlossen</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Du musst zuerst verbunden sein!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>Flugzeugträger nicht vollständig aufgestellt</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>Zerstörer nicht vollständig aufgestellt</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>Kreuzer nicht vollständig aufgestellt</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>U-Boot nicht vollständig aufgestellt</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>Schnellboot nicht vollständig aufgestellt</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Zwei Schiffe können nicht aufeinander stehen!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Bitte wähle ein Schiff zum Aufstellen</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Dieses Schiff ist vollständig aufgestellt, bitte wähle ein anderes.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Alle Teile des Schiffes müssen aneinandergrenzen!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Willst du deine Schiffe wirklich neu aufstellen?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Neu aufstellen?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>Die Steuerelement-Bibliothek konnte nicht geladen werden (%1).<byte value="xd"/>
Hinweise erscheinen stattdessen im Statusfeld.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Verbindung trennen und Programm beenden?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Feindgewässer</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Heimatgewässer</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Neu aufstellen</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Bereit zum Spiel</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Schiffe</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Träger (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Zerstörer (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Kreuzer (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>U-Boot (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Schnellboot (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Spielzug</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Dein Zug</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Feind am Zug</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
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
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Letzter Schuss</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Letzter gegnerischer Schuss</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>Über Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Ports am &amp;Router öffnen</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Chat</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>Ü&amp;ber Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Du hast verloren!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Ungültige Daten empfangen</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Bitte verbinde dich, bevor du schießt!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Senden an den Gegner misslungen, bitte versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Gegner ist bereit...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>Warte auf den Gegner...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Spiel gestartet</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Du hast gewonnen!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Neues Spiel...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>TCP-Port %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>UDP-Port %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Spieler im Internet können sich mit %1 verbinden</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Spieler im Internet können sich nicht verbinden: Der Router steht hinter einem weiteren Router (äußere Adresse %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Spieler im Internet können sich nicht verbinden: Der Router ist nicht mit dem Internet verbunden</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>Der Router hat das Öffnen von %1 abgelehnt: bereits an einen anderen Rechner weitergeleitet</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>Der Router hat das Öffnen von %1 abgelehnt</translation>
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
        <translation>Meldung</translation>
    </message>
</context>
</TS>
