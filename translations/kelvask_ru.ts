<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ControlLibrary</name>
    <message>
        <source>file not found</source>
        <translation>файл не найден</translation>
    </message>
    <message>
        <source>the library does not offer %1</source>
        <translation>библиотека не предоставляет %1</translation>
    </message>
    <message>
        <source>the library could not create %1</source>
        <translation>библиотеке не удалось создать %1</translation>
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
        <translation>Сообщение</translation>
    </message>
</context>
<context>
    <name>TileButton</name>
    <message>
        <source>not fired at</source>
        <translation>ещё не обстреляна</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>корабль</translation>
    </message>
    <message>
        <source>hit</source>
        <translation>попадание</translation>
    </message>
    <message>
        <source>water</source>
        <translation>вода</translation>
    </message>
    <message>
        <source>miss</source>
        <translation>мимо</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Invalid operation at current state</source>
        <translation>Недопустимая операция в текущем состоянии</translation>
    </message>
    <message>
        <source>Wrong protocol or connection state for the requested transaction or request</source>
        <translation>Неверный протокол или состояние соединения для запрошенной транзакции или запроса</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Недопустимый номер порта</translation>
    </message>
    <message>
        <source>Connection is forcefully rejected</source>
        <translation>В соединении отказано</translation>
    </message>
    <message>
        <source>The connection is reset by remote side</source>
        <translation>Соединение сброшено удалённой стороной</translation>
    </message>
    <message>
        <source>Authoritative answer: Host not found</source>
        <translation>Авторитетный ответ: узел не найден</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>No buffer space is available</source>
        <translation>Нет свободного места в буфере</translation>
    </message>
    <message>
        <source>Connection is timed out</source>
        <translation>Время ожидания соединения истекло</translation>
    </message>
    <message>
        <source>The datagram is too large to fit into the buffer and is truncated</source>
        <translation>Датаграмма слишком велика для буфера и была усечена</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Сеть недоступна</translation>
    </message>
    <message>
        <source>Address in use</source>
        <translation>Адрес уже используется</translation>
    </message>
    <message>
        <source>Address not available from the local machine</source>
        <translation>Адрес недоступен на локальном компьютере</translation>
    </message>
    <message>
        <source>Unsupported operation</source>
        <translation>Операция не поддерживается</translation>
    </message>
    <message>
        <source>Operation is now in progress</source>
        <translation>Операция уже выполняется</translation>
    </message>
    <message>
        <source>Network subsystem is failed</source>
        <translation>Сбой сетевой подсистемы</translation>
    </message>
    <message>
        <source>The request is no longer pending</source>
        <translation>Запрос больше не ожидает обработки</translation>
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
        <translation>О &amp;системе...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>Programming by: </source>
        <translation>Программирование: </translation>
    </message>
    <message>
        <source>       Ossaria developers</source>
        <translation>       Разработчики Ossaria</translation>
    </message>
    <message>
        <source>       The Ossaria project</source>
        <translation>       Проект Ossaria</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Modelled on the classic pencil-and-paper game of naval battles.</source>
        <translation><byte value="xd"/>
По мотивам классической игры в морской бой на бумаге.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
    <message>
        <source>       Free software, GPL 3 or later</source>
        <translation>       Свободное ПО, GPL 3 или новее</translation>
    </message>
</context>
<context>
    <name>frmChat</name>
    <message>
        <source>Remote</source>
        <translation>Входящие</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Исходящие</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Chat Window</source>
        <translation>Окно чата</translation>
    </message>
    <message>
        <source>Remote messages</source>
        <translation>Входящие сообщения</translation>
    </message>
    <message>
        <source>Local messages</source>
        <translation>Исходящие сообщения</translation>
    </message>
    <message>
        <source>Message to send</source>
        <translation>Сообщение для отправки</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Ошибка № %1: %2<byte value="xd"/>
Соединение закрывается</translation>
    </message>
    <message>
        <source>Invalid chat port &quot;%1&quot;</source>
        <translation>Недопустимый порт чата «%1»</translation>
    </message>
</context>
<context>
    <name>frmHelpGame</name>
    <message>
        <source>1) White:   Unknown content (enemy sea)</source>
        <translation>1) Белый:      Неизвестно (вражеские воды)</translation>
    </message>
    <message>
        <source>2) Blue:    Water (no hit)</source>
        <translation>2) Синий:      Вода (мимо)</translation>
    </message>
    <message>
        <source>3) Red:     Hit Ship</source>
        <translation>3) Красный:  Подбитый корабль</translation>
    </message>
    <message>
        <source>4) Yellow:  Ship (home sea)</source>
        <translation>4) Жёлтый:   Корабль (ваши воды)</translation>
    </message>
    <message>
        <source> with %1</source>
        <translation> с %1</translation>
    </message>
    <message>
        <source>Game Help</source>
        <translation>Справка по игре</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Ошибка № %1: %2</translation>
    </message>
    <message>
        <source>Waiting for connection...</source>
        <translation>Ожидание подключения...</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Подключено к %1</translation>
    </message>
    <message>
        <source>Please position your ships</source>
        <translation>Расставьте свои корабли</translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation>Отключиться?</translation>
    </message>
    <message>
        <source>Closing connection...</source>
        <translation>Закрытие соединения...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Соединение разорвано</translation>
    </message>
    <message>
        <source>Error #%1: %2<byte value="xd"/>
Closing Connection</source>
        <translation>Ошибка № %1: %2<byte value="xd"/>
Соединение закрывается</translation>
    </message>
    <message>
        <source>You need to be connected first!</source>
        <translation>Сначала нужно подключиться!</translation>
    </message>
    <message>
        <source>Carrier not fully positionned</source>
        <translation>Авианосец расставлен не полностью</translation>
    </message>
    <message>
        <source>Destroyer not fully positionned</source>
        <translation>Эсминец расставлен не полностью</translation>
    </message>
    <message>
        <source>Cruiser not fully positionned</source>
        <translation>Крейсер расставлен не полностью</translation>
    </message>
    <message>
        <source>Submarine not fully positionned</source>
        <translation>Подлодка расставлена не полностью</translation>
    </message>
    <message>
        <source>PTBoat not fully positionned</source>
        <translation>Катер расставлен не полностью</translation>
    </message>
    <message>
        <source>Cannot place two ships on top of the other!</source>
        <translation>Нельзя ставить один корабль на другой!</translation>
    </message>
    <message>
        <source>Please select a ship to position</source>
        <translation>Выберите корабль для расстановки</translation>
    </message>
    <message>
        <source>This ship is completely positionned, please select another one.</source>
        <translation>Этот корабль уже полностью расставлен, выберите другой.</translation>
    </message>
    <message>
        <source>All parts the ship must be adjacent!</source>
        <translation>Все палубы корабля должны стоять вплотную друг к другу!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the positionning of your ships?</source>
        <translation>Вы уверены, что хотите расставить корабли заново?</translation>
    </message>
    <message>
        <source>Reset Ships?</source>
        <translation>Расставить заново?</translation>
    </message>
    <message>
        <source>The control library could not be loaded (%1).<byte value="xd"/>
Notices will be shown in the status box instead.</source>
        <translation>Не удалось загрузить библиотеку элементов управления (%1).<byte value="xd"/>
Уведомления будут показываться в поле состояния.</translation>
    </message>
    <message>
        <source>Disconnect and Exit Program?</source>
        <translation>Отключиться и выйти из программы?</translation>
    </message>
    <message>
        <source>Enemy Sea</source>
        <translation>Вражеские воды</translation>
    </message>
    <message>
        <source>Home Sea</source>
        <translation>Ваши воды</translation>
    </message>
    <message>
        <source>Reset Ships</source>
        <translation>Очистить поле</translation>
    </message>
    <message>
        <source>Ready to Play</source>
        <translation>Готов к игре</translation>
    </message>
    <message>
        <source>Ships</source>
        <translation>Корабли</translation>
    </message>
    <message>
        <source>Carrier (5)</source>
        <translation>Авианосец (5)</translation>
    </message>
    <message>
        <source>Destroyer (4)</source>
        <translation>Эсминец (4)</translation>
    </message>
    <message>
        <source>Cruiser(3)</source>
        <translation>Крейсер (3)</translation>
    </message>
    <message>
        <source>Submarine (3)</source>
        <translation>Подлодка (3)</translation>
    </message>
    <message>
        <source>PTBoat (2)</source>
        <translation>Катер (2)</translation>
    </message>
    <message>
        <source>Turn to Play</source>
        <translation>Чей ход</translation>
    </message>
    <message>
        <source>Your Turn</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>Enemy&apos;s Turn</source>
        <translation>Ход врага</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Соединение</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Last shot</source>
        <translation>Последний выстрел</translation>
    </message>
    <message>
        <source>Last incoming shot</source>
        <translation>Последний выстрел противника</translation>
    </message>
    <message>
        <source>About Ossaria</source>
        <translation>О программе Ossaria</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>Open Ports on the &amp;Router</source>
        <translation>Открыть порты на &amp;роутере</translation>
    </message>
    <message>
        <source>&amp;Chat</source>
        <translation>&amp;Чат</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Game Reference</source>
        <translation>&amp;Правила игры</translation>
    </message>
    <message>
        <source>&amp;About Ossaria</source>
        <translation>&amp;О программе Ossaria</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>Вы проиграли!</translation>
    </message>
    <message>
        <source>Received Garbage</source>
        <translation>Получены неверные данные</translation>
    </message>
    <message>
        <source>Please connect before shooting!</source>
        <translation>Подключитесь, прежде чем стрелять!</translation>
    </message>
    <message>
        <source>Could not send data to opponent, please try again.</source>
        <translation>Не удалось отправить данные противнику, попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Opponent Ready...</source>
        <translation>Противник готов...</translation>
    </message>
    <message>
        <source>Waiting For Opponent...</source>
        <translation>Ожидание противника...</translation>
    </message>
    <message>
        <source>Game Started</source>
        <translation>Игра началась</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Вы победили!</translation>
    </message>
    <message>
        <source>New Game...</source>
        <translation>Новая игра...</translation>
    </message>
    <message>
        <source>TCP port %1</source>
        <translation>порт TCP %1</translation>
    </message>
    <message>
        <source>UDP port %1</source>
        <translation>порт UDP %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Players on the Internet can connect to %1</source>
        <translation>Игроки из Интернета могут подключиться к %1</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is behind another router (outside address %1)</source>
        <translation>Игроки из Интернета не могут подключиться: роутер находится за другим роутером (внешний адрес %1)</translation>
    </message>
    <message>
        <source>Players on the Internet cannot connect: the router is not connected to the Internet</source>
        <translation>Игроки из Интернета не могут подключиться: роутер не подключён к Интернету</translation>
    </message>
    <message>
        <source>The router refused to open %1: already forwarded to another machine</source>
        <translation>Роутер отказался открыть %1: уже перенаправлено на другой компьютер</translation>
    </message>
    <message>
        <source>The router refused to open %1</source>
        <translation>Роутер отказался открыть %1</translation>
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
        <translation>Сообщение</translation>
    </message>
</context>
</TS>
