<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation>O programie ..</translation>
    </message>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Przeglądarka serwerów Korvath</translation>
    </message>
    <message>
        <source>(C) 2026 Korvath Servers Browser</source>
        <translation>(C) 2026 Przeglądarka serwerów Korvath</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation>Wersja %1, od zespołu projektu</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub nowszej</translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation>Przeglądarka komunikuje się tylko ze wskazanym jej serwerem głównym i z serwerami gier, które ten serwer główny wymienia.</translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation>Link trafił do już otwartego okna; %1 dotyczą tylko nowego okna i nie zostały użyte.</translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation>Linki do dołączenia odrzucone, gdy otwarte było pytanie: %1</translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation>Serwer główny, od którego pobierana jest lista; podany ponownie — następny do wypróbowania.</translation>
    </message>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation>Dodaje menu Demo z poleceniami demonstracyjnymi siatki.</translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation>Proponuje dołączenie do serwera z linku do dołączenia (w już działającej kopii, jeśli taka jest).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation>To nie jest link do dołączenia: %1 (oczekiwano korvath://HOST:PORT)</translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation>Nieprawidłowa wartość --master: %1 (oczekiwano HOST[:PORT])</translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation>Serwer %1 jest pełny. Mimo to dołączyć?</translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation>Serwer %1 nie odpowiada. Mimo to dołączyć?</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation>Nie zainstalowano żadnej drukarki, więc nic nie wydrukowano.
Polecenie „Drukuj...” w menu Plik może zamiast tego zapisać listę do pliku PDF.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation>Nie można zapisać pliku „%1”, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation>Nie można uruchomić drukarki „%1”, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation>Lista ma stron: %1, od strony %2 nie ma żadnej, więc nic nie wydrukowano.</translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation>Szybkie dołączenie: żaden otwarty serwer nie odpowiada w ciągu %1 ms</translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation>Szybkie dołączenie: wypróbowane serwery były pełne lub nie odpowiedziały</translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation>Dołącz mimo to</translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation>Czekaj na wolne miejsce</translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation>Dołącz, gdy zwolni się miejsce</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation>Przestać czekać na miejsce na %1 i czekać zamiast tego na %2?</translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation>Na %1 jest wolne miejsce. Dołączyć teraz?</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Dołącz</translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation>Nie udało się zapisać ulubionych w %1</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation>Ukryj &amp;puste</translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation>Ukryj pe&amp;łne</translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation>Tylko &amp;ulubione</translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation>Pasek filtru</translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation>Szukaj nazwy, mapy, moda lub adresu</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>Max &amp;ping</source>
        <translation>Maks. p&amp;ing</translation>
    </message>
</context>
<context>
    <name>CGameSettingsDlg</name>
    <message>
        <source>Game Settings</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation>%a jest zastępowane adresem serwera (host:port), %h jego hostem, %p jego portem, a %w hasłem (niczym, jeśli go brak). Słowa zawierające spacje należy ująć w cudzysłów. Gdy podano hasło, a polecenie gry nie zawiera %w, argumenty hasła są dodawane na jego końcu.</translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation>Polecenie gry:</translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation>Argumenty hasła:</translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation>Szybkość odpytywania:</translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation>Podczas tworzenia tego drzewa nie ucierpiał żaden serwer</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Wstaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Podgląd wydruku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Ustawienia wydruku...</translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation>Ustawienia &amp;gry...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation>Nowa pełna lista</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O programie ...</translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation>&amp;Szybkie dołączenie</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Prywatny</translation>
    </message>
    <message>
        <source>Dedicated</source>
        <translation>Dedykowany</translation>
    </message>
    <message>
        <source>Reset Columns</source>
        <translation>Przywróć kolumny</translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation>&amp;Okno dialogowe siatki...</translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation>&amp;Wstaw przykładowe elementy...</translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation>&amp;Znajdź i usuń...</translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation>Wyślij klawisz &amp;Delete</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation>Wyślij &amp;plus z klawiatury numerycznej (Rozwiń)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation>Wyślij &amp;minus z klawiatury numerycznej (Zwiń)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation>Wyślij &amp;gwiazdkę z klawiatury numerycznej (Rozwiń wszystko)</translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation>Zezwól na p&amp;rzeciąganie</translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation>Polecenie 32780 (nic nie robi)</translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation>Polecenie 32783 (nic nie robi)</translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation>Polecenie 32784 (nic nie robi)</translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation>Ustaw nowy obraz (nic nie robi)</translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation>Drukuj bezpośrednio</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation>Szczegóły ser&amp;wera</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Pasek &amp;filtru</translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation>&amp;Znajdź serwer</translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation>Wyświetlono serwerów: %1 z %2</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>przed chwilą</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>%n minutę temu</numerusform>
            <numerusform>%n minuty temu</numerusform>
            <numerusform>%n minut temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>%n godzinę temu</numerusform>
            <numerusform>%n godziny temu</numerusform>
            <numerusform>%n godzin temu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n dzień temu</numerusform>
            <numerusform>%n dni temu</numerusform>
            <numerusform>%n dni temu</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation>Dołącz do ostatnie&amp;go serwera</translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation>Os&amp;tatnio grane</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>&amp;Wyczyść historię</translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation>Nie dołączono jeszcze do żadnego serwera</translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation>Dodaj do &amp;ulubionych</translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation>Usuń z &amp;ulubionych</translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation>&amp;Serwery</translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation>&amp;Odśwież listę</translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation>Odpytaj &amp;wyświetlone serwery</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Dołącz</translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation>Odpytaj &amp;ponownie</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>&amp;Kopiuj adres</translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation>Kopiuj &amp;link do dołączenia</translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation>Zapomnij &amp;hasło</translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation>&amp;Rozwiń wszystko</translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation>&amp;Zwiń</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>Odpowiedziało: %1 z %2</translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation>Anuluj &amp;czekanie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CMasterListEdit</name>
    <message>
        <source>One HOST[:PORT] a line, tried in order until one gives its list.</source>
        <translation>Jeden HOST[:PORT] w wierszu, próbowane po kolei, aż któryś poda swoją listę.</translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation>Serwery główne:</translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation>To nie HOST[:PORT], nie zostanie zachowane: %1</translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation>Żmudne okno dialogowe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation>Podaj nową nazwę węzła</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation>Zapamiętaj dla tego serwera</translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation>Serwer %1 (%2) wymaga hasła.</translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation>Odpytywanie magazynu haseł pulpitu...</translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation>Hasła są przechowywane tylko w magazynie haseł pulpitu, nigdy w zwykłym pliku, więc teraz nie można zapamiętać żadnego.</translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation>Nie jest proponowane żadne zapamiętane hasło.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation>Przechowuj hasło w magazynie haseł pulpitu</translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation>Jak opisano</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybka</translation>
    </message>
</context>
<context>
    <name>CServerDetailsPane</name>
    <message>
        <source>Server Details</source>
        <translation>Szczegóły serwera</translation>
    </message>
    <message>
        <source>Server details</source>
        <translation>Szczegóły serwera</translation>
    </message>
</context>
<context>
    <name>CServerGrid</name>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:port</translation>
    </message>
    <message>
        <source>Favourites (no answer)</source>
        <translation>Ulubione (brak odpowiedzi)</translation>
    </message>
</context>
<context>
    <name>CSortMenu</name>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:port</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>So&amp;rtuj według</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Malejąco</translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation>Sortuj przez klikanie nagłówków kolumn</translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 jest dłuższe niż %2 znaków.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation>%1 zawiera „%%2”; zastępowane są tylko %a (adres serwera), %h (jego host), %p (jego port), %w (hasło) i %% (znak %).</translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation>%1 zawiera niezamknięty cudzysłów.</translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation>Hasło zawiera znak NUL, którego nie może przenieść żaden argument programu.</translation>
    </message>
    <message>
        <source>The game command</source>
        <translation>Polecenie gry</translation>
    </message>
    <message>
        <source>The game command names no program.</source>
        <translation>Polecenie gry nie wskazuje żadnego programu.</translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation>Argumenty hasła</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation>„%1” nie jest adresem serwera, do którego gra może dołączyć: potrzebna jest nazwa hosta lub adres IPv4 (a.b.c.d), dwukropek i port od 1 do 65535.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>KR Server Browser</source>
        <translation>Przeglądarka serwerów KR</translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not start: %2.</source>
        <translation>„%1” nie uruchomiło się: %2.</translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation>Nie udało się uruchomić gry.

Polecenie gry: %1

%2</translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation>Dołączyć do %1:%2?</translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation>Nie można zapisać ostatniej listy</translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation>Ostatnia lista pominięta: to nie jest lista tego programu</translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Ostatnia lista: pominięto %n wiersz</numerusform>
            <numerusform>Ostatnia lista: pominięto %n wiersze</numerusform>
            <numerusform>Ostatnia lista: pominięto %n wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation>Łączenie z serwerem głównym %1 z %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>Serwer główny nie odpowiedział: odpytywanie %n serwera z listy z %1</numerusform>
            <numerusform>Serwer główny nie odpowiedział: odpytywanie %n serwerów z listy z %1</numerusform>
            <numerusform>Serwer główny nie odpowiedział: odpytywanie %n serwerów z listy z %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Lista serwera głównego ucięta po %1 s: zachowano pierwszy %n serwer</numerusform>
            <numerusform>Lista serwera głównego ucięta po %1 s: zachowano pierwsze %n serwery</numerusform>
            <numerusform>Lista serwera głównego ucięta po %1 s: zachowano pierwszych %n serwerów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Lista serwera głównego za długa: zachowano pierwszy %n serwer</numerusform>
            <numerusform>Lista serwera głównego za długa: zachowano pierwsze %n serwery</numerusform>
            <numerusform>Lista serwera głównego za długa: zachowano pierwszych %n serwerów</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation>Nie można zapisać servers.txt</translation>
    </message>
    <message numerus="yes">
        <source>%n server(s)</source>
        <translation>
            <numerusform>%n serwer</numerusform>
            <numerusform>%n serwery</numerusform>
            <numerusform>%n serwerów</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server</source>
        <translation>Łączenie z serwerem głównym</translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation>Nie udało się połączyć z serwerem głównym</translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation>Przeglądarka serwerów KR</translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation>Nie udało się wywołać serwera głównego</translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation>Muteks „%1” nie jest używany: należy do innego użytkownika lub inni mogą w nim zapisywać</translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation>Serwer nieosiągalny</translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation>Przekroczono czas połączenia z serwerem</translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation>Serwer odrzucił połączenie</translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation>Nieznany błąd połączenia UDP</translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation>Nieprawidłowy adres IP serwera!</translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation>Błąd tworzenia gniazda</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation>Magazyn haseł pulpitu nie odpowiedział w ciągu 2 sekund.</translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation>Żaden magazyn haseł nie odpowiada: %1</translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation>%1 z %2, wolne: %3</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>dedicated</source>
        <translation>dedykowany</translation>
    </message>
    <message>
        <source>listen server</source>
        <translation>serwer gracza</translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation>%1, wymaga hasła</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nazwa: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adres: %1</translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation>Wersja: %1, typ gry: %2</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Mapa: %1</translation>
    </message>
    <message>
        <source>Mod: %1</source>
        <translation>Mod: %1</translation>
    </message>
    <message>
        <source>Players: %1</source>
        <translation>Gracze: %1</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Ping: %1</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Serwer: %1</translation>
    </message>
    <message>
        <source>Listed by the master: %1</source>
        <translation>Na liście serwera głównego: %1</translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation>Ulubiony: %1</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>Ostatnia odpowiedź: %1</translation>
    </message>
    <message>
        <source>none this run</source>
        <translation>brak w tej sesji</translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation>Pingi w tej sesji (od najnowszych): %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2, map %3, mod %4</source>
        <translation>%1 %2, mapa %3, mod %4</translation>
    </message>
    <message>
        <source>players %1, ping %2, %3</source>
        <translation>gracze %1, ping %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1: wyświetlono %2 z %n serwera</numerusform>
            <numerusform>%1: wyświetlono %2 z %n serwerów</numerusform>
            <numerusform>%1: wyświetlono %2 z %n serwerów</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation>Nie wybrano serwera</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation>Czekanie na miejsce na %1 (%2/%3)</translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation>Na %1 jest wolne miejsce</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation>Przerwano czekanie na miejsce na %1: nadal pełny po %2 min</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation>Przerwano czekanie na miejsce na %1: brak odpowiedzi przez %2 s</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation>Przerwano czekanie na miejsce na %1: zmienił się jego adres</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation>Przerwano czekanie na miejsce na %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Przeglądarka serwerów Korvath</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation>Wyświetl nową pełną listę serwerów
Nowa pełna lista</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Wyświetl informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Drukuj aktywny dokument
Drukuj</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Wyświetl całe strony
Podgląd wydruku</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Zmień drukarkę i opcje drukowania
Ustawienia wydruku</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Zakończ aplikację; pyta o zapisanie dokumentów
Zakończ</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Pokaż lub ukryj pasek narzędzi
Pasek narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Pokaż lub ukryj pasek stanu
Pasek stanu</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Zamknij podgląd wydruku
Zamknij podgląd</translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation>Pokaż lub ukryj pasek filtru
Pasek filtru</translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation>Szukaj serwerów według nazwy, mapy, moda lub adresu
Znajdź serwer</translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation>Pokaż ponownie każdą kolumnę z jej pierwotną szerokością
Przywróć kolumny</translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation>Dodaj wybrany serwer do ulubionych lub usuń go z nich
Ulubione</translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation>Pobierz ponownie listę serwerów i odpytaj je wszystkie
Odśwież listę</translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation>Odpytaj ponownie serwery wyświetlone na liście, bez serwera głównego
Odpytaj wyświetlone serwery</translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation>Uruchom grę na wybranym serwerze
Dołącz</translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation>Zapytaj ponownie wybrany serwer o jego stan
Odpytaj ponownie</translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation>Kopiuj adres wybranego serwera
Kopiuj adres</translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation>Kopiuj link do dołączenia do wybranego serwera
Kopiuj link do dołączenia</translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation>Ustaw polecenie uruchamiające grę
Ustawienia gry</translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation>Rozwiń grupę i wszystko, co w niej jest
Rozwiń wszystko</translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation>Zwiń grupę
Zwiń</translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation>Pokaż lub ukryj wszystko, co wiadomo o wybranym serwerze
Szczegóły serwera</translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation>Dołącz do wyświetlonego serwera z największą liczbą graczy i niskim pingiem
Szybkie dołączenie</translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation>Dołącz ponownie do serwera, do którego dołączono ostatnio
Dołącz do ostatniego serwera</translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation>Zapomnij ostatnio grane serwery
Wyczyść historię</translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation>Usuń hasło zapamiętane dla wybranego serwera
Zapomnij hasło</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation>Przestań czekać na miejsce na pełnym serwerze
Anuluj czekanie</translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation>ustaw nowy obraz dla wybranego elementu</translation>
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
