<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>nie znaleziono pliku</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>biblioteka nie udostępnia %1</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>biblioteka nie mogła utworzyć %1</translation>
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
        <translation>Komunikat</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>nieostrzelane</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>statek</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>trafiony</translation>
    </message>
    <message>
        <source>water</source>
        <translation>woda</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>pudło</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Nieprawidłowa operacja w bieżącym stanie</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Niewłaściwy protokół lub stan połączenia dla żądanej transakcji lub żądania</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Nieprawidłowy numer portu</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>Połączenie zostało odrzucone</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>Połączenie zostało zresetowane przez drugą stronę</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Odpowiedź autorytatywna: nie znaleziono hosta</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Odmowa dostępu</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Brak wolnego miejsca w buforze</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Przekroczono limit czasu połączenia</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>Datagram jest za duży dla bufora i został obcięty</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Sieć jest nieosiągalna</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Adres jest już używany</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Adres jest niedostępny na komputerze lokalnym</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Nieobsługiwana operacja</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Operacja jest w toku</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>Awaria podsystemu sieciowego</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>Żądanie nie oczekuje już na obsługę</translation>
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
        <translation>O &amp;systemie...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programowanie: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Twórcy gry Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       Projekt Ossaria</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Na podstawie klasycznej gry w statki na kartce papieru.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Wolne oprogramowanie, GPL 3 lub nowsza</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Odebrane</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Wysłane</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Okno czatu</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Odebrane wiadomości</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Wysłane wiadomości</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Wiadomość do wysłania</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Błąd nr %1: %2<byte value="xd"/>
Zamykanie połączenia</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Nieprawidłowy port czatu „%1”</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Biały:          Nieznana zawartość (morze wroga)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Niebieski:   Woda (pudło)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Czerwony:  Trafiony statek</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Żółty:         Statek (twoje morze)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> z %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Pomoc do gry</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Błąd nr %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>Czekanie na połączenie...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Połączono z %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Rozstaw swoje statki</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Rozłączyć?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Zamykanie połączenia...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Błąd nr %1: %2<byte value="xd"/>
Zamykanie połączenia</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Najpierw musisz się połączyć!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>Lotniskowiec nie jest w pełni rozstawiony</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>Niszczyciel nie jest w pełni rozstawiony</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>Krążownik nie jest w pełni rozstawiony</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>Okręt podwodny nie jest w pełni rozstawiony</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>Ścigacz nie jest w pełni rozstawiony</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Nie można postawić dwóch statków jeden na drugim!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Wybierz statek do rozstawienia</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Ten statek jest już w pełni rozstawiony, wybierz inny.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Wszystkie części statku muszą ze sobą sąsiadować!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Czy na pewno chcesz rozstawić statki od nowa?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Rozstawić statki od nowa?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>Nie udało się wczytać biblioteki kontrolek (%1).<byte value="xd"/>
Komunikaty będą zamiast tego wyświetlane w polu stanu.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Rozłączyć i zakończyć program?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Morze wroga</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Twoje morze</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Rozstaw od nowa</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Gotowy do gry</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Statki</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Lotniskowiec (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Niszczyciel (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Krążownik (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>Okręt podw. (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Ścigacz (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Kolej na ruch</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Twój ruch</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Ruch wroga</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Odbierz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Ostatni strzał</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Ostatni strzał przeciwnika</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>O programie Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Otwórz porty na &amp;routerze</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Czat</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Zasady gry</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>&amp;O programie Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Przegrana!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Odebrano nieprawidłowe dane</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Połącz się, zanim zaczniesz strzelać!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Nie udało się wysłać danych do przeciwnika, spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Przeciwnik gotowy...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>Czekanie na przeciwnika...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Gra rozpoczęta</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Nowa gra...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>portu TCP %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>portu UDP %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Gracze z Internetu mogą się połączyć z %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Gracze z Internetu nie mogą się połączyć: router znajduje się za innym routerem (adres zewnętrzny %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Gracze z Internetu nie mogą się połączyć: router nie jest połączony z Internetem</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>Router odmówił otwarcia %1: przekierowanie do innego komputera już istnieje</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>Router odmówił otwarcia %1</translation>
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
        <translation>Komunikat</translation>
    </message>
</context>
</TS>
