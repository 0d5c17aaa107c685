<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>la bibliothèque ne propose pas %1</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>la bibliothèque n&apos;a pas pu créer %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>QvControls</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>pas encore visée</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>navire</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>touché</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>à l&apos;eau</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Opération non valide dans l&apos;état actuel</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Protocole ou état de connexion incorrect pour la transaction ou la requête demandée</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Numéro de port non valide</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>La connexion a été refusée</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>La connexion a été réinitialisée par l&apos;hôte distant</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Réponse faisant autorité&#xa0;: hôte introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Aucun espace tampon disponible</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Le délai de connexion a expiré</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>Le datagramme est trop grand pour le tampon et a été tronqué</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Le réseau est inaccessible</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Adresse déjà utilisée</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Adresse non disponible sur la machine locale</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Opération non prise en charge</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Opération en cours</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>Le sous-système réseau est en panne</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>La requête n&apos;est plus en attente</translation>
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
        <translation>Infos &amp;système</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos d&apos;%1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Programmation&#xa0;: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Les développeurs d&apos;Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       Le projet Ossaria</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
Inspiré du grand classique de la bataille navale sur papier.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Logiciel libre, GPL 3 ou ultérieure</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Reçus</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Envoyés</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Fenêtre de discussion</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Messages reçus</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Messages envoyés</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Message à envoyer</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Erreur n°&#xa0;%1&#xa0;: %2<byte value="xd"/>
Fermeture de la connexion</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Port de discussion non valide «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Blanc&#xa0;:   Contenu inconnu (mer ennemie)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Bleu&#xa0;:     Eau (tir manqué)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Rouge&#xa0;:  Navire touché</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Jaune&#xa0;:   Navire (votre mer)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> avec %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Aide du jeu</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Erreur n°&#xa0;%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>En attente de connexion...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Veuillez placer vos navires</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Se déconnecter&#x202f;?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Fermeture de la connexion...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Erreur n°&#xa0;%1&#xa0;: %2<byte value="xd"/>
Fermeture de la connexion</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Connectez-vous d&apos;abord&#x202f;!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>Le porte-avions n&apos;est pas entièrement placé</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>Le destroyer n&apos;est pas entièrement placé</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>Le croiseur n&apos;est pas entièrement placé</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>Le sous-marin n&apos;est pas entièrement placé</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>Le torpilleur n&apos;est pas entièrement placé</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Impossible de placer deux navires l&apos;un sur l&apos;autre&#x202f;!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Veuillez choisir un navire à placer</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Ce navire est entièrement placé, veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Toutes les parties du navire doivent se toucher&#x202f;!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Voulez-vous vraiment replacer tous vos navires&#x202f;?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Replacer la flotte&#x202f;?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>La bibliothèque de contrôles n&apos;a pas pu être chargée (%1).<byte value="xd"/>
Les avis s&apos;afficheront à la place dans la zone d&apos;état.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Se déconnecter et quitter le programme&#x202f;?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Mer ennemie</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Votre mer</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Replacer la flotte</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Prêt à jouer</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Navires</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Porte-avions (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Destroyer (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Croiseur (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>Sous-marin (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Torpilleur (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Tour de jeu</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Votre tour</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Tour ennemi</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP&#x202f;:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Dernier tir</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Dernier tir reçu</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>À propos d&apos;Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Ouvrir les ports du &amp;routeur</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Discussion</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>À &amp;propos d&apos;Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Vous avez perdu&#x202f;!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Données invalides reçues</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Connectez-vous avant de tirer&#x202f;!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Impossible d&apos;envoyer les données à l&apos;adversaire, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Adversaire prêt...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>En attente de l&apos;adversaire...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Partie commencée</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Vous avez gagné&#x202f;!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Nouvelle partie...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>le port TCP %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>le port UDP %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Les joueurs sur Internet peuvent se connecter à %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Les joueurs sur Internet ne peuvent pas se connecter&#xa0;: le routeur se trouve derrière un autre routeur (adresse extérieure %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Les joueurs sur Internet ne peuvent pas se connecter&#xa0;: le routeur n&apos;est pas connecté à Internet</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>Le routeur a refusé d&apos;ouvrir %1&#xa0;: une redirection vers une autre machine existe déjà</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>Le routeur a refusé d&apos;ouvrir %1</translation>
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
        <translation>Message</translation>
    </message>
</context>
</TS>
