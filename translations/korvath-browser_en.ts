<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvath Servers Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(C) 2026 Korvath Servers Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max &amp;ping</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGameSettingsDlg</name>
    <message>
        <source>Game Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dedicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>%n minute ago</numerusform>
            <numerusform>%n minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>%n hour ago</numerusform>
            <numerusform>%n hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMasterListEdit</name>
    <message>
        <source>One HOST[:PORT] a line, tried in order until one gives its list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CServerDetailsPane</name>
    <message>
        <source>Server Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CServerGrid</name>
    <message>
        <source>Ping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourites (no answer)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSortMenu</name>
    <message>
        <source>Ping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>The game command names no program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>KR Server Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not start: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Last list: %n line skipped</numerusform>
            <numerusform>Last list: %n lines skipped</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>Master server did not answer: querying the %n server of the list from %1</numerusform>
            <numerusform>Master server did not answer: querying the %n servers of the list from %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Master list cut short after %1 s: first %n server kept</numerusform>
            <numerusform>Master list cut short after %1 s: first %n servers kept</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Master list too long: first %n server kept</numerusform>
            <numerusform>Master list too long: first %n servers kept</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n server(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dedicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listen server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listed by the master: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, map %3, mod %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>players %1, ping %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1: %2 of %n server shown</numerusform>
            <numerusform>%1: %2 of %n servers shown</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Korvath Servers Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
