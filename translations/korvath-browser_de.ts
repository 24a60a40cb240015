<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation>Über ..</translation>
    </message>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Korvath-Serverbrowser</translation>
    </message>
    <message>
        <source>(C) 2026 Korvath Servers Browser</source>
        <translation>(C) 2026 Korvath-Serverbrowser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation>Version %1, vom Projektteam</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation>Der Browser spricht nur mit dem Masterserver, der ihm genannt wird, und mit den Spielservern, die dieser Masterserver auflistet.</translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation>Der Link ging an das bereits geöffnete Fenster; %1 gelten nur für ein neues Fenster und wurden nicht verwendet.</translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation>Beitrittslinks verworfen, während eine Frage offen war: %1</translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation>Masterserver, der nach der Liste gefragt wird; erneut angegeben, der nächste, der versucht wird.</translation>
    </message>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation>Fügt ein Menü „Demo“ hinzu, das die Demonstrationsbefehle der Tabelle erreicht.</translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation>Bietet an, dem Server eines Beitrittslinks beizutreten (in einer bereits laufenden Instanz, falls vorhanden).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation>Kein Beitrittslink: %1 (erwartet: korvath://HOST:PORT)</translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation>Ungültiger Wert für --master: %1 (erwartet: HOST[:PORT])</translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation>Der Server %1 ist voll. Trotzdem beitreten?</translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation>Der Server %1 antwortet nicht. Trotzdem beitreten?</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation>Es ist kein Drucker installiert, daher wurde nichts gedruckt.
„Drucken...“ im Menü „Datei“ kann die Liste stattdessen in eine PDF-Datei schreiben.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation>Der Drucker „%1“ kann nicht gestartet werden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation>Die Liste hat %1 Seite(n), keine ab Seite %2, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation>Schnell beitreten: Kein offener Server antwortet innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation>Schnell beitreten: Die versuchten Server waren voll oder antworteten nicht</translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation>Trotzdem beitreten</translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation>Auf freien Platz warten</translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation>Beitreten, sobald ein Platz frei wird</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation>Nicht mehr auf einen Platz auf %1 warten und stattdessen auf %2 warten?</translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation>Auf %1 ist ein Platz frei. Jetzt beitreten?</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation>Die Favoriten konnten nicht in %1 gespeichert werden</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation>&amp;Leere ausblenden</translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation>&amp;Volle ausblenden</translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation>Nur &amp;Favoriten</translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation>Filterleiste</translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation>Name, Karte, Mod oder Adresse suchen</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Max &amp;ping</source>
        <translation>Max. &amp;Ping</translation>
    </message>
</context>
<context>
    <name>CGameSettingsDlg</name>
    <message>
        <source>Game Settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation>%a wird durch die Adresse des Servers (Host:Port) ersetzt, %h durch seinen Host, %p durch seinen Port und %w durch das Passwort (nichts, wenn keines). Wörter mit Leerzeichen in Anführungszeichen setzen. Wenn ein Passwort angegeben ist und der Spielbefehl kein %w enthält, werden die Passwortargumente danach angefügt.</translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation>Spielbefehl:</translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation>Passwortargumente:</translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation>Abfragetempo:</translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation>Bei der Erstellung dieses Baums kamen keine Server zu Schaden</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation>&amp;Spieleinstellungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation>Neue vollständige Liste</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation>Sc&amp;hnell beitreten</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Dedicated</source>
        <translation>Dediziert</translation>
    </message>
    <message>
        <source>Reset Columns</source>
        <translation>Spalten zurücksetzen</translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation>Tabellen&amp;dialog...</translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation>Beispieleinträge &amp;einfügen...</translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation>&amp;Suchen und löschen...</translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation>Ent&amp;f-Taste senden</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation>Ziffernblock-&amp;Plus senden (Aufklappen)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation>Ziffernblock-&amp;Minus senden (Zuklappen)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation>Ziffernblock-Ster&amp;n senden (Alle aufklappen)</translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation>&amp;Ziehen erlauben</translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation>Befehl 32780 (ohne Funktion)</translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation>Befehl 32783 (ohne Funktion)</translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation>Befehl 32784 (ohne Funktion)</translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation>Neues Bild setzen (ohne Funktion)</translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation>Direkt drucken</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>De&amp;mo</translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation>Server&amp;details</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>&amp;Filterleiste</translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation>Server s&amp;uchen</translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation>%1 von %2 Servern angezeigt</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation>Dem letzten Server e&amp;rneut beitreten</translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation>Zuletzt &amp;gespielt</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Verlauf &amp;löschen</translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation>Noch keinem Server beigetreten</translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation>Zu &amp;Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation>Aus &amp;Favoriten entfernen</translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation>&amp;Server</translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation>Liste &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation>Angezeigte Server a&amp;bfragen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Bei&amp;treten</translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation>&amp;Erneut abfragen</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation>Beitritts&amp;link kopieren</translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation>Passwort &amp;vergessen</translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation>Alle a&amp;ufklappen</translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation>&amp;Zuklappen</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>%1 von %2 haben geantwortet</translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation>Warten abbre&amp;chen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CMasterListEdit</name>
    <message>
        <source>One HOST[:PORT] a line, tried in order until one gives its list.</source>
        <translation>Ein HOST[:PORT] pro Zeile, der Reihe nach versucht, bis einer seine Liste liefert.</translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation>Masterserver:</translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation>Kein HOST[:PORT], wird nicht behalten: %1</translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation>Ein mühsames Dialogfeld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation>Neuen Knotennamen eingeben</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation>Für diesen Server merken</translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation>Der Server %1 (%2) benötigt ein Passwort.</translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung wird gefragt...</translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation>Passwörter werden nur im Schlüsselbund der Arbeitsumgebung aufbewahrt, nie in einer einfachen Datei, daher kann jetzt keines gespeichert werden.</translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation>Es wird kein gespeichertes Passwort angeboten.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation>Passwort im Schlüsselbund der Arbeitsumgebung aufbewahren</translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation>Wie beschrieben</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
</context>
<context>
    <name>CServerDetailsPane</name>
    <message>
        <source>Server Details</source>
        <translation>Serverdetails</translation>
    </message>
    <message>
        <source>Server details</source>
        <translation>Serverdetails</translation>
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
        <translation>Server</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:Port</translation>
    </message>
    <message>
        <source>Favourites (no answer)</source>
        <translation>Favoriten (keine Antwort)</translation>
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
        <translation>Server</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:Port</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>Sortieren &amp;nach</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation>Durch Klicken auf Spaltenköpfe sortieren</translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation>%1 enthält „%%2“; nur %a (die Adresse des Servers), %h (sein Host), %p (sein Port), %w (das Passwort) und %% (ein %) werden ersetzt.</translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation>%1 enthält ein doppeltes Anführungszeichen, das nicht geschlossen ist.</translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation>Das Passwort enthält ein NUL-Zeichen, das kein Programmargument übertragen kann.</translation>
    </message>
    <message>
        <source>The game command</source>
        <translation>Der Spielbefehl</translation>
    </message>
    <message>
        <source>The game command names no program.</source>
        <translation>Der Spielbefehl nennt kein Programm.</translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation>Die Passwortargumente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation>„%1“ ist keine Serveradresse, der ein Spiel beitreten kann: ein Hostname oder eine IPv4-Adresse (a.b.c.d), ein Doppelpunkt und ein Port von 1 bis 65535.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>KR Server Browser</source>
        <translation>KR-Serverbrowser</translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not start: %2.</source>
        <translation>„%1“ wurde nicht gestartet: %2.</translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation>Das Spiel konnte nicht gestartet werden.

Spielbefehl: %1

%2</translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation>%1:%2 beitreten?</translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation>Die letzte Liste kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation>Letzte Liste ignoriert: keine Liste dieses Programms</translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Letzte Liste: %n Zeile übersprungen</numerusform>
            <numerusform>Letzte Liste: %n Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation>Verbindung zum Masterserver %1 von %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>Masterserver hat nicht geantwortet: Der %n Server der Liste von %1 wird abgefragt</numerusform>
            <numerusform>Masterserver hat nicht geantwortet: Die %n Server der Liste von %1 werden abgefragt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Masterliste nach %1 s abgeschnitten: erster %n Server behalten</numerusform>
            <numerusform>Masterliste nach %1 s abgeschnitten: erste %n Server behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Masterliste zu lang: erster %n Server behalten</numerusform>
            <numerusform>Masterliste zu lang: erste %n Server behalten</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation>servers.txt kann nicht geschrieben werden</translation>
    </message>
    <message numerus="yes">
        <source>%n server(s)</source>
        <translation>
            <numerusform>%n Server</numerusform>
            <numerusform>%n Server</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server</source>
        <translation>Verbindung zum Masterserver wird hergestellt</translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation>Verbindung zum Masterserver fehlgeschlagen</translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation>KR-Serverbrowser</translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation>Aufruf des Masterservers fehlgeschlagen</translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation>Mutex „%1“ nicht verwendet: Er gehört einem anderen Benutzer oder andere dürfen ihn schreiben</translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation>Server nicht erreichbar</translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation>Zeitüberschreitung bei der Verbindung zum Server</translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation>Verbindung vom Server abgelehnt</translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation>Unbekannter Fehler bei der UDP-Verbindung</translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation>Ungültige Server-IP!</translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation>Fehler beim Erstellen des Sockets</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung hat nicht innerhalb von 2 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation>Kein Schlüsselbund antwortet: %1</translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation>%1 von %2, %3 frei</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>dedicated</source>
        <translation>dediziert</translation>
    </message>
    <message>
        <source>listen server</source>
        <translation>Listen-Server</translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation>%1, benötigt ein Passwort</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse: %1</translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation>Version: %1, Spieltyp: %2</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Karte: %1</translation>
    </message>
    <message>
        <source>Mod: %1</source>
        <translation>Mod: %1</translation>
    </message>
    <message>
        <source>Players: %1</source>
        <translation>Spieler: %1</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Ping: %1</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Listed by the master: %1</source>
        <translation>Vom Masterserver gelistet: %1</translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation>Favorit: %1</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>Letzte Antwort: %1</translation>
    </message>
    <message>
        <source>none this run</source>
        <translation>keine in diesem Lauf</translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation>Pings in diesem Lauf (neueste zuerst): %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2, map %3, mod %4</source>
        <translation>%1 %2, Karte %3, Mod %4</translation>
    </message>
    <message>
        <source>players %1, ping %2, %3</source>
        <translation>Spieler %1, Ping %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1: %2 von %n Server angezeigt</numerusform>
            <numerusform>%1: %2 von %n Servern angezeigt</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation>Kein Server ausgewählt</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation>Warten auf einen Platz auf %1 (%2/%3)</translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation>Auf %1 ist ein Platz frei</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation>Warten auf einen Platz auf %1 beendet: nach %2 Minuten noch immer voll</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation>Warten auf einen Platz auf %1 beendet: %2 Sekunden lang keine Antwort</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation>Warten auf einen Platz auf %1 beendet: seine Adresse hat sich geändert</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation>Warten auf einen Platz auf %1 beendet</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Korvath-Serverbrowser</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation>Eine neue vollständige Serverliste anzeigen
Neue vollständige Liste</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Werkzeugleiste ein- oder ausblenden
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Druckvorschau schließen
Vorschau abbrechen</translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation>Filterleiste ein- oder ausblenden
Filterleiste ein/aus</translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation>Server nach Name, Karte, Mod oder Adresse suchen
Server suchen</translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation>Alle Spalten wieder mit ihrer ursprünglichen Breite anzeigen
Spalten zurücksetzen</translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation>Den ausgewählten Server zu den Favoriten hinzufügen oder aus ihnen entfernen
Favorit</translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation>Die Serverliste erneut herunterladen und alle Server abfragen
Liste aktualisieren</translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation>Die in der Liste angezeigten Server erneut abfragen, ohne den Masterserver
Angezeigte Server abfragen</translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation>Das Spiel auf dem ausgewählten Server starten
Beitreten</translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation>Den ausgewählten Server erneut nach seinem Zustand fragen
Erneut abfragen</translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation>Die Adresse des ausgewählten Servers kopieren
Adresse kopieren</translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation>Einen Link kopieren, mit dem man dem ausgewählten Server beitritt
Beitrittslink kopieren</translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation>Den Befehl festlegen, der das Spiel startet
Spieleinstellungen</translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation>Die Gruppe und alles darin aufklappen
Alle aufklappen</translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation>Die Gruppe zuklappen
Zuklappen</translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation>Alles über den ausgewählten Server Bekannte ein- oder ausblenden
Serverdetails</translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation>Dem angezeigten Server mit den meisten Spielern und niedrigem Ping beitreten
Schnell beitreten</translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation>Dem zuletzt betretenen Server erneut beitreten
Dem letzten Server erneut beitreten</translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation>Die zuletzt gespielten Server vergessen
Verlauf löschen</translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation>Das für den ausgewählten Server gespeicherte Passwort entfernen
Passwort vergessen</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation>Nicht mehr auf einen Platz auf einem vollen Server warten
Warten abbrechen</translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation>Neues Bild für das ausgewählte Element setzen</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>FEST</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
</context>
</TS>
