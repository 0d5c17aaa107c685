<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>arquivo não encontrado</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>a biblioteca não oferece %1</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>a biblioteca não conseguiu criar %1</translation>
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
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>sem tiro</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>navio</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>atingido</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>tiro na água</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Operação inválida no estado atual</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Protocolo ou estado de conexão incorreto para a transação ou solicitação pedida</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Número de porta inválido</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>A conexão foi recusada</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>A conexão foi redefinida pelo lado remoto</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Resposta autoritativa: host não encontrado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Não há espaço de buffer disponível</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>O tempo limite da conexão se esgotou</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>O datagrama é grande demais para o buffer e foi truncado</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>A rede está inacessível</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Endereço já em uso</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Endereço não disponível na máquina local</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Operação não suportada</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Operação em andamento</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>O subsistema de rede falhou</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>A solicitação não está mais pendente</translation>
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
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programação: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Desenvolvedores do Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       O projeto Ossaria</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Inspirado no clássico jogo de batalha naval de papel e lápis.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Software livre, GPL 3 ou posterior</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Recebidas</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Enviadas</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Janela de bate-papo</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Mensagens recebidas</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Mensagens enviadas</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Mensagem a enviar</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Erro nº %1: %2<byte value="xd"/>
Fechando a conexão</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Porta de bate-papo inválida “%1”</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Branco:      Desconhecido (mar inimigo)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Azul:          Água (tiro perdido)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Vermelho:  Navio atingido</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Amarelo:    Navio (seu mar)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> com %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Ajuda do jogo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Erro nº %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>Aguardando conexão...</translation>
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
        <translation>Posicione seus navios</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Desconectar?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Fechando a conexão...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Erro nº %1: %2<byte value="xd"/>
Fechando a conexão</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Você precisa se conectar primeiro!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>O porta-aviões não está totalmente posicionado</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>O destróier não está totalmente posicionado</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>O cruzador não está totalmente posicionado</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>O submarino não está totalmente posicionado</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>A lancha não está totalmente posicionada</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Não é possível colocar dois navios um em cima do outro!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Selecione um navio para posicionar</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Este navio já está totalmente posicionado, selecione outro.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Todas as partes do navio devem ficar juntas!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Tem certeza de que deseja reiniciar o posicionamento dos seus navios?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Reiniciar navios?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>Não foi possível carregar a biblioteca de controles (%1).<byte value="xd"/>
Os avisos serão mostrados na caixa de status.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Desconectar e sair do programa?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Mar inimigo</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Seu mar</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Reiniciar navios</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Pronto para jogar</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Navios</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Porta-aviões (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Destróier (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Cruzador (3)</translation>
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
        <translation>Vez de jogar</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Sua vez</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Vez do rival</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
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
        <translation>Receber</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Último tiro</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Último tiro recebido</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>Sobre o Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Abrir portas no &amp;roteador</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Bate-papo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Regras do jogo</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>&amp;Sobre o Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Você perdeu!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Dados inválidos recebidos</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Conecte-se antes de atirar!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Não foi possível enviar os dados ao adversário, tente novamente.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Adversário pronto...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>Aguardando o adversário...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Jogo iniciado</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Novo jogo...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>a porta TCP %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>a porta UDP %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Jogadores na Internet podem se conectar a %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Jogadores na Internet não podem se conectar: o roteador está atrás de outro roteador (endereço externo %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Jogadores na Internet não podem se conectar: o roteador não está conectado à Internet</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>O roteador se recusou a abrir %1: já existe um redirecionamento para outra máquina</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>O roteador se recusou a abrir %1</translation>
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
        <translation>Mensagem</translation>
    </message>
</context>
</TS>
