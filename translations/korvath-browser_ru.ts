<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation>О программе ..</translation>
    </message>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Браузер серверов Korvath</translation>
    </message>
    <message>
        <source>(C) 2026 Korvath Servers Browser</source>
        <translation>(C) 2026 Браузер серверов Korvath</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation>Версия %1, от команды проекта</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Свободная программа под лицензией GNU General Public License версии 3 или более поздней</translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation>Браузер обращается только к указанному ему мастер-серверу и к игровым серверам из списка этого мастер-сервера.</translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation>Ссылка передана в уже открытое окно; %1 действуют только для нового окна и не были применены.</translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation>Ссылки для подключения отброшены, пока был открыт вопрос: %1</translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation>Мастер-сервер, у которого запрашивается список; если указан ещё раз — следующий для попытки.</translation>
    </message>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation>Добавляет меню «Демо» с демонстрационными командами таблицы.</translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation>Предлагает подключиться к серверу из ссылки для подключения (в уже запущенной копии, если она есть).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Непредвиденный аргумент: %1</translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation>Это не ссылка для подключения: %1 (ожидается korvath://ХОСТ:ПОРТ)</translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation>Неверное значение --master: %1 (ожидается ХОСТ[:ПОРТ])</translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation>Сервер %1 заполнен. Всё равно подключиться?</translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation>Сервер %1 не отвечает. Всё равно подключиться?</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation>Принтер не установлен, поэтому ничего не напечатано.
Команда «Печать...» в меню «Файл» может вместо этого записать список в файл PDF.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation>Не удаётся записать файл «%1», поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation>Не удаётся запустить принтер «%1», поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation>В списке страниц: %1, страницы %2 и далее нет, поэтому ничего не напечатано.</translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation>Быстрое подключение: ни один открытый сервер не ответил за %1 мс</translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation>Быстрое подключение: опрошенные серверы были заполнены или не ответили</translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation>Всё равно подключиться</translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation>Ждать свободного места</translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation>Подключиться, когда освободится место</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation>Перестать ждать места на %1 и ждать на %2?</translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation>На %1 освободилось место. Подключиться сейчас?</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Подключиться</translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation>Не удалось сохранить избранное в %1</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation>Скрыть &amp;пустые</translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation>Скрыть по&amp;лные</translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation>Только &amp;избранное</translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation>Панель фильтра</translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation>Поиск по имени, карте, моду или адресу</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>Max &amp;ping</source>
        <translation>Макс. пин&amp;г</translation>
    </message>
</context>
<context>
    <name>CGameSettingsDlg</name>
    <message>
        <source>Game Settings</source>
        <translation>Настройки игры</translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation>%a заменяется адресом сервера (хост:порт), %h — его хостом, %p — его портом, а %w — паролем (ничем, если пароля нет). Слова с пробелами заключайте в кавычки. Если пароль задан, а в команде игры нет %w, аргументы пароля добавляются после неё.</translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation>Команда игры:</translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation>Аргументы пароля:</translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation>Скорость опроса:</translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation>При создании этого дерева ни один сервер не пострадал</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Вставить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Предварительный про&amp;смотр</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>П&amp;араметры печати...</translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation>Настройки &amp;игры...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation>Новый полный список</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;О программе ...</translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation>&amp;Быстрое подключение</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Закрытый</translation>
    </message>
    <message>
        <source>Dedicated</source>
        <translation>Выделенный</translation>
    </message>
    <message>
        <source>Reset Columns</source>
        <translation>Сбросить столбцы</translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation>&amp;Диалог таблицы...</translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation>&amp;Вставить примеры...</translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation>&amp;Найти и удалить...</translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation>О&amp;тправить клавишу Delete</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation>Отправить &amp;плюс цифровой клавиатуры (Развернуть)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation>Отправить &amp;минус цифровой клавиатуры (Свернуть)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation>Отправить &amp;звёздочку цифровой клавиатуры (Развернуть всё)</translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation>Разрешить перета&amp;скивание</translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation>Команда 32780 (ничего не делает)</translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation>Команда 32783 (ничего не делает)</translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation>Команда 32784 (ничего не делает)</translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation>Задать новое изображение (ничего не делает)</translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation>Печатать сразу</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Демо</translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation>С&amp;ведения о сервере</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Панель &amp;фильтра</translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation>&amp;Найти сервер</translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation>Показано серверов: %1 из %2</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>только что</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>%n минуту назад</numerusform>
            <numerusform>%n минуты назад</numerusform>
            <numerusform>%n минут назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>%n час назад</numerusform>
            <numerusform>%n часа назад</numerusform>
            <numerusform>%n часов назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n день назад</numerusform>
            <numerusform>%n дня назад</numerusform>
            <numerusform>%n дней назад</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation>Подключиться к после&amp;днему серверу</translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation>&amp;Недавние серверы</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>&amp;Очистить историю</translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation>Подключений к серверам ещё не было</translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation>Добавить в &amp;избранное</translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation>Удалить из &amp;избранного</translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation>Се&amp;рверы</translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation>&amp;Обновить список</translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation>Опросить &amp;показанные серверы</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Подк&amp;лючиться</translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation>Опросить &amp;снова</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>&amp;Копировать адрес</translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation>Копировать сс&amp;ылку для подключения</translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation>&amp;Забыть пароль</translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation>&amp;Развернуть всё</translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation>Св&amp;ернуть</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>Ответили: %1 из %2</translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation>Отменить о&amp;жидание</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CMasterListEdit</name>
    <message>
        <source>One HOST[:PORT] a line, tried in order until one gives its list.</source>
        <translation>Один ХОСТ[:ПОРТ] в строке; они опрашиваются по порядку, пока один из них не выдаст свой список.</translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation>Мастер-серверы:</translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation>Не ХОСТ[:ПОРТ], не будет сохранено: %1</translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation>Утомительное диалоговое окно</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation>Введите новое имя узла</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation>Запомнить для этого сервера</translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation>Серверу %1 (%2) нужен пароль.</translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation>Запрос к хранилищу паролей рабочего стола...</translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation>Пароли хранятся только в хранилище паролей рабочего стола и никогда в обычном файле, поэтому сейчас ни один пароль нельзя запомнить.</translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation>Сохранённый пароль не предлагается.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation>Хранить пароль в хранилище паролей рабочего стола</translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation>Как описано</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстрая</translation>
    </message>
</context>
<context>
    <name>CServerDetailsPane</name>
    <message>
        <source>Server Details</source>
        <translation>Сведения о сервере</translation>
    </message>
    <message>
        <source>Server details</source>
        <translation>Сведения о сервере</translation>
    </message>
</context>
<context>
    <name>CServerGrid</name>
    <message>
        <source>Ping</source>
        <translation>Пинг</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Мод</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:порт</translation>
    </message>
    <message>
        <source>Favourites (no answer)</source>
        <translation>Избранное (нет ответа)</translation>
    </message>
</context>
<context>
    <name>CSortMenu</name>
    <message>
        <source>Ping</source>
        <translation>Пинг</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Мод</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:порт</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>Со&amp;ртировать по</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>По убыванию</translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation>Сортировать щелчком по заголовкам столбцов</translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 длиннее %2 символов.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation>%1 содержит «%%2»; заменяются только %a (адрес сервера), %h (его хост), %p (его порт), %w (пароль) и %% (знак %).</translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation>В %1 есть незакрытая двойная кавычка.</translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation>Пароль содержит символ NUL, который не может передать ни один аргумент программы.</translation>
    </message>
    <message>
        <source>The game command</source>
        <translation>Команда игры</translation>
    </message>
    <message>
        <source>The game command names no program.</source>
        <translation>В команде игры не указана программа.</translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation>Аргументы пароля</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation>«%1» — не адрес сервера, к которому может подключиться игра: нужны имя хоста или адрес IPv4 (a.b.c.d), двоеточие и порт от 1 до 65535.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>KR Server Browser</source>
        <translation>Браузер серверов KR</translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not start: %2.</source>
        <translation>«%1» не запустилась: %2.</translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation>Не удалось запустить игру.

Команда игры: %1

%2</translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation>Подключиться к %1:%2?</translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation>Не удаётся записать последний список</translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation>Последний список пропущен: это не список этой программы</translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Последний список: пропущена %n строка</numerusform>
            <numerusform>Последний список: пропущены %n строки</numerusform>
            <numerusform>Последний список: пропущено %n строк</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation>Связь с мастер-сервером %1 из %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>Мастер-сервер не ответил: опрашивается %n сервер из списка от %1</numerusform>
            <numerusform>Мастер-сервер не ответил: опрашиваются %n сервера из списка от %1</numerusform>
            <numerusform>Мастер-сервер не ответил: опрашиваются %n серверов из списка от %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Список мастер-сервера прерван через %1 с: оставлен первый %n сервер</numerusform>
            <numerusform>Список мастер-сервера прерван через %1 с: оставлены первые %n сервера</numerusform>
            <numerusform>Список мастер-сервера прерван через %1 с: оставлены первые %n серверов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Список мастер-сервера слишком длинный: оставлен первый %n сервер</numerusform>
            <numerusform>Список мастер-сервера слишком длинный: оставлены первые %n сервера</numerusform>
            <numerusform>Список мастер-сервера слишком длинный: оставлены первые %n серверов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation>Не удаётся записать servers.txt</translation>
    </message>
    <message numerus="yes">
        <source>%n server(s)</source>
        <translation>
            <numerusform>%n сервер</numerusform>
            <numerusform>%n сервера</numerusform>
            <numerusform>%n серверов</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server</source>
        <translation>Связь с мастер-сервером</translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation>Не удалось подключиться к мастер-серверу</translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation>Браузер серверов KR</translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation>Не удалось обратиться к мастер-серверу</translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation>Мьютекс «%1» не используется: он принадлежит другому пользователю или другие могут в него писать</translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation>Сервер недоступен</translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation>Истекло время подключения к серверу</translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation>Сервер отклонил подключение</translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation>Неизвестная ошибка подключения UDP</translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation>Неверный IP-адрес сервера!</translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation>Ошибка создания сокета</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation>Хранилище паролей рабочего стола не ответило за 2 секунды.</translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation>Ни одно хранилище паролей не отвечает: %1</translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation>%1 из %2, свободно %3</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>dedicated</source>
        <translation>выделенный</translation>
    </message>
    <message>
        <source>listen server</source>
        <translation>сервер игрока</translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation>%1, нужен пароль</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Имя: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Адрес: %1</translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation>Версия: %1, тип игры: %2</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Карта: %1</translation>
    </message>
    <message>
        <source>Mod: %1</source>
        <translation>Мод: %1</translation>
    </message>
    <message>
        <source>Players: %1</source>
        <translation>Игроки: %1</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Пинг: %1</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Сервер: %1</translation>
    </message>
    <message>
        <source>Listed by the master: %1</source>
        <translation>В списке мастер-сервера: %1</translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation>В избранном: %1</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>Последний ответ: %1</translation>
    </message>
    <message>
        <source>none this run</source>
        <translation>за этот сеанс нет</translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation>Пинги за этот сеанс (сначала новые): %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2, map %3, mod %4</source>
        <translation>%1 %2, карта %3, мод %4</translation>
    </message>
    <message>
        <source>players %1, ping %2, %3</source>
        <translation>игроки %1, пинг %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1: показано %2 из %n сервера</numerusform>
            <numerusform>%1: показано %2 из %n серверов</numerusform>
            <numerusform>%1: показано %2 из %n серверов</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation>Сервер не выбран</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation>Ожидание места на %1 (%2/%3)</translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation>На %1 освободилось место</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation>Ожидание места на %1 прекращено: сервер всё ещё заполнен спустя %2 мин</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation>Ожидание места на %1 прекращено: нет ответа в течение %2 с</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation>Ожидание места на %1 прекращено: его адрес изменился</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation>Ожидание места на %1 прекращено</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Браузер серверов Korvath</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation>Показать новый полный список серверов
Новый полный список</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Показать сведения о программе, номер версии и авторские права
О программе</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Напечатать активный документ
Печать</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Показать страницы целиком
Предварительный просмотр</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Изменить принтер и параметры печати
Параметры печати</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Выйти из приложения; предлагает сохранить документы
Выход</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Показать или скрыть панель инструментов
Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Показать или скрыть строку состояния
Строка состояния</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Закрыть предварительный просмотр
Закрыть просмотр</translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation>Показать или скрыть панель фильтра
Панель фильтра</translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation>Искать серверы по имени, карте, моду или адресу
Найти сервер</translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation>Снова показать все столбцы с исходной шириной
Сбросить столбцы</translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation>Добавить выбранный сервер в избранное или удалить его оттуда
Избранное</translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation>Заново загрузить список серверов и опросить их все
Обновить список</translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation>Снова опросить показанные в списке серверы, без мастер-сервера
Опросить показанные серверы</translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation>Запустить игру на выбранном сервере
Подключиться</translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation>Снова запросить состояние выбранного сервера
Опросить снова</translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation>Скопировать адрес выбранного сервера
Копировать адрес</translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation>Скопировать ссылку для подключения к выбранному серверу
Копировать ссылку для подключения</translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation>Задать команду, которая запускает игру
Настройки игры</translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation>Развернуть группу и всё её содержимое
Развернуть всё</translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation>Свернуть группу
Свернуть</translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation>Показать или скрыть всё, что известно о выбранном сервере
Сведения о сервере</translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation>Подключиться к показанному серверу с наибольшим числом игроков и низким пингом
Быстрое подключение</translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation>Снова подключиться к последнему серверу
Подключиться к последнему серверу</translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation>Забыть недавние серверы
Очистить историю</translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation>Удалить пароль, запомненный для выбранного сервера
Забыть пароль</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation>Перестать ждать места на заполненном сервере
Отменить ожидание</translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation>задать новое изображение для выбранного элемента</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
</TS>
