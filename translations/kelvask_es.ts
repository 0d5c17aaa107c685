<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>no se encuentra el archivo</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>la biblioteca no ofrece %1</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>la biblioteca no ha podido crear %1</translation>
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
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>sin disparar</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>barco</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>tocado</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>disparo al agua</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Operación no válida en el estado actual</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Protocolo o estado de conexión incorrecto para la transacción o la solicitud pedida</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Número de puerto no válido</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>La conexión ha sido rechazada</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>El otro extremo ha restablecido la conexión</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Respuesta autoritativa: no se encuentra el host</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>No hay espacio de búfer disponible</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Se ha agotado el tiempo de espera de la conexión</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>El datagrama es demasiado grande para el búfer y se ha truncado</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>No se puede acceder a la red</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>La dirección ya está en uso</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Dirección no disponible en el equipo local</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Operación no admitida</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Operación en curso</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>El subsistema de red ha fallado</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>La solicitud ya no está pendiente</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programación: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Los desarrolladores de Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       El proyecto Ossaria</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Inspirado en el clásico juego de batalla naval con lápiz y papel.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Software libre, GPL 3 o posterior</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Recibidos</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Enviados</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Ventana de chat</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Mensajes recibidos</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Mensajes enviados</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Mensaje para enviar</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Error n.º %1: %2<byte value="xd"/>
Cerrando la conexión</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Puerto de chat no válido «%1»</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Blanco:    Desconocido (mar enemigo)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Azul:        Agua (sin impacto)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Rojo:        Barco tocado</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Amarillo:  Barco (tu mar)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> con %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Ayuda del juego</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Error n.º %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>Esperando conexión...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Coloca tus barcos</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>¿Desconectar?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Cerrando la conexión...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Error n.º %1: %2<byte value="xd"/>
Cerrando la conexión</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>¡Primero tienes que conectarte!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>El portaaviones no está colocado del todo</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>El destructor no está colocado del todo</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>El crucero no está colocado del todo</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>El submarino no está colocado del todo</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>La lancha no está colocada del todo</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>¡No se pueden colocar dos barcos uno encima del otro!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Selecciona un barco para colocarlo</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Este barco ya está colocado del todo; selecciona otro.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>¡Todas las partes del barco deben estar juntas!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>¿Seguro que quieres volver a colocar tus barcos desde el principio?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>¿Reiniciar barcos?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>No se ha podido cargar la biblioteca de controles (%1).<byte value="xd"/>
Los avisos se mostrarán en el cuadro de estado.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>¿Desconectar y salir del programa?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Mar enemigo</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Tu mar</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Reiniciar barcos</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Listo para jugar</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Barcos</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Portaaviones (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Destructor (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Crucero (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>Submarino (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Lancha (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Tu turno</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Turno rival</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Último disparo</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Último disparo recibido</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>Acerca de Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Abrir puertos en el &amp;router</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Chat</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Reglas del juego</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>&amp;Acerca de Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Se han recibido datos no válidos</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>¡Conéctate antes de disparar!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>No se han podido enviar los datos al rival; inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Rival listo...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>Esperando al rival...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Partida iniciada</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Nueva partida...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>el puerto TCP %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>el puerto UDP %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Los jugadores de Internet pueden conectarse a %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Los jugadores de Internet no pueden conectarse: el router está detrás de otro router (dirección exterior %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Los jugadores de Internet no pueden conectarse: el router no está conectado a Internet</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>El router se ha negado a abrir %1: ya se reenvía a otro equipo</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>El router se ha negado a abrir %1</translation>
    </message>
</context>
<context>
    <name>frmMsgBox</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
</TS>
