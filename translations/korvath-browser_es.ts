<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation>Acerca de ..</translation>
    </message>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Navegador de servidores Korvath</translation>
    </message>
    <message>
        <source>(C) 2026 Korvath Servers Browser</source>
        <translation>(C) 2026 Navegador de servidores Korvath</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation>Versión %1, por el equipo del proyecto</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior</translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation>El navegador solo se comunica con el servidor maestro que se le indica y con los servidores de juego que ese servidor maestro enumera.</translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation>El enlace se envió a la ventana ya abierta; %1 solo se aplican a una ventana nueva y no se usaron.</translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation>Enlaces para unirse descartados mientras había una pregunta abierta: %1</translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation>Servidor maestro al que pedir la lista; si se indica de nuevo, el siguiente que se probará.</translation>
    </message>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation>Añade un menú Demo que da acceso a los comandos de demostración de la cuadrícula.</translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation>Ofrece unirse al servidor de un enlace para unirse (en una instancia que ya esté en marcha, si la hay).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation>No es un enlace para unirse: %1 (se esperaba korvath://HOST:PUERTO)</translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation>Valor de --master incorrecto: %1 (se esperaba HOST[:PUERTO])</translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation>El servidor %1 está lleno. ¿Unirse de todos modos?</translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation>El servidor %1 no responde. ¿Unirse de todos modos?</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation>No hay ninguna impresora instalada, así que no se imprimió nada.
Imprimir... en el menú Archivo puede escribir la lista en un archivo PDF en su lugar.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation>No se puede escribir el archivo «%1», así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation>No se puede iniciar la impresora «%1», así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation>La lista tiene %1 página(s), ninguna a partir de la página %2, así que no se imprimió nada.</translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation>Unirse rápido: ningún servidor abierto responde en %1 ms</translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation>Unirse rápido: los servidores probados estaban llenos o no respondieron</translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation>Unirse de todos modos</translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation>Esperar una plaza</translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation>Unirse cuando quede una plaza libre</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation>¿Dejar de esperar una plaza en %1 y esperar en %2?</translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation>Hay una plaza libre en %1. ¿Unirse ahora?</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation>No se pudieron guardar los favoritos en %1</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation>Ocultar &amp;vacíos</translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation>Ocultar ll&amp;enos</translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation>Solo &amp;favoritos</translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation>Barra de filtro</translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation>Buscar nombre, mapa, mod o dirección</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Max &amp;ping</source>
        <translation>&amp;Ping máx.</translation>
    </message>
</context>
<context>
    <name>CGameSettingsDlg</name>
    <message>
        <source>Game Settings</source>
        <translation>Ajustes del juego</translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation>%a se sustituye por la dirección del servidor (host:puerto), %h por su host, %p por su puerto y %w por la contraseña (nada si no hay). Ponga entre comillas las palabras que contengan espacios. Si se indica una contraseña y el comando del juego no tiene %w, los argumentos de la contraseña se añaden al final.</translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation>Comando del juego:</translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation>Argumentos de la contraseña:</translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation>Velocidad de consulta:</translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation>Ningún servidor sufrió daños durante la creación de este árbol</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configurar impresión...</translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation>Ajustes del &amp;juego...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation>Nueva lista completa</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation>Unirse &amp;rápido</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source>Dedicated</source>
        <translation>Dedicado</translation>
    </message>
    <message>
        <source>Reset Columns</source>
        <translation>Restablecer columnas</translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation>&amp;Diálogo de la cuadrícula...</translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation>&amp;Insertar elementos de ejemplo...</translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation>&amp;Buscar y eliminar...</translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation>Enviar tecla &amp;Supr</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation>Enviar &amp;Más del teclado numérico (Expandir)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation>Enviar Me&amp;nos del teclado numérico (Contraer)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation>Enviar &amp;Asterisco del teclado numérico (Expandir todo)</translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation>Permitir a&amp;rrastrar</translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation>Comando 32780 (no hace nada)</translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation>Comando 32783 (no hace nada)</translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation>Comando 32784 (no hace nada)</translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation>Establecer nueva imagen (no hace nada)</translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation>Imprimir directamente</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation>&amp;Detalles del servidor</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Barra de &amp;filtro</translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation>&amp;Buscar servidor</translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation>%1 de %2 servidores mostrados</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation>Volver al úl&amp;timo servidor</translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation>&amp;Jugados recientemente</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>&amp;Borrar historial</translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation>Aún no se ha unido a ningún servidor</translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation>Añadir a &amp;favoritos</translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation>Quitar de &amp;favoritos</translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation>&amp;Servidores</translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation>&amp;Actualizar lista</translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation>Consultar servidores &amp;mostrados</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unirse</translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation>Consultar de nue&amp;vo</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>&amp;Copiar dirección</translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation>Copiar en&amp;lace para unirse</translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation>&amp;Olvidar contraseña</translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation>Expandir to&amp;do</translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation>Co&amp;ntraer</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>%1 de %2 respondieron</translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation>Cancelar &amp;espera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CMasterListEdit</name>
    <message>
        <source>One HOST[:PORT] a line, tried in order until one gives its list.</source>
        <translation>Un HOST[:PUERTO] por línea, probados en orden hasta que uno dé su lista.</translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation>Servidores maestros:</translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation>No es HOST[:PUERTO], no se conservará: %1</translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation>Un cuadro de diálogo tedioso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation>Introduzca el nuevo nombre del nodo</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation>Recordar para este servidor</translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation>El servidor %1 (%2) necesita una contraseña.</translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation>Consultando el almacén de secretos del escritorio...</translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation>Las contraseñas solo se guardan en el almacén de secretos del escritorio, nunca en un archivo normal, así que ahora no se puede recordar ninguna.</translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation>No se ofrece ninguna contraseña recordada.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation>Guardar la contraseña en el almacén de secretos del escritorio</translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation>Como se describe</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
</context>
<context>
    <name>CServerDetailsPane</name>
    <message>
        <source>Server Details</source>
        <translation>Detalles del servidor</translation>
    </message>
    <message>
        <source>Server details</source>
        <translation>Detalles del servidor</translation>
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
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:Puerto</translation>
    </message>
    <message>
        <source>Favourites (no answer)</source>
        <translation>Favoritos (sin respuesta)</translation>
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
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:Puerto</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation>Ordenar al hacer clic en los encabezados de columna</translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation>%1 contiene «%%2»; solo se sustituyen %a (la dirección del servidor), %h (su host), %p (su puerto), %w (la contraseña) y %% (un %).</translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation>%1 tiene unas comillas dobles sin cerrar.</translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation>La contraseña contiene un carácter NUL, que ningún argumento de programa puede transmitir.</translation>
    </message>
    <message>
        <source>The game command</source>
        <translation>El comando del juego</translation>
    </message>
    <message>
        <source>The game command names no program.</source>
        <translation>El comando del juego no indica ningún programa.</translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation>Los argumentos de la contraseña</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation>«%1» no es una dirección de servidor a la que un juego pueda unirse: un nombre de host o una dirección IPv4 (a.b.c.d), dos puntos y un puerto del 1 al 65535.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>KR Server Browser</source>
        <translation>Navegador de servidores KR</translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not start: %2.</source>
        <translation>«%1» no se inició: %2.</translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation>No se pudo iniciar el juego.

Comando del juego: %1

%2</translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation>¿Unirse a %1:%2?</translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation>No se puede escribir la última lista</translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation>Última lista ignorada: no es una lista de este programa</translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Última lista: %n línea omitida</numerusform>
            <numerusform>Última lista: %n líneas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation>Contactando con el servidor maestro %1 de %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>El servidor maestro no respondió: consultando el %n servidor de la lista de %1</numerusform>
            <numerusform>El servidor maestro no respondió: consultando los %n servidores de la lista de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Lista del servidor maestro cortada tras %1 s: se conserva el primer servidor (%n)</numerusform>
            <numerusform>Lista del servidor maestro cortada tras %1 s: se conservan los primeros %n servidores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Lista del servidor maestro demasiado larga: se conserva el primer servidor (%n)</numerusform>
            <numerusform>Lista del servidor maestro demasiado larga: se conservan los primeros %n servidores</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation>No se puede escribir servers.txt</translation>
    </message>
    <message numerus="yes">
        <source>%n server(s)</source>
        <translation>
            <numerusform>%n servidor</numerusform>
            <numerusform>%n servidores</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server</source>
        <translation>Contactando con el servidor maestro</translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation>Falló la conexión con el servidor maestro</translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation>Navegador de servidores KR</translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation>Falló la llamada al servidor maestro</translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation>Mutex «%1» no usado: pertenece a otro usuario u otros pueden escribir en él</translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation>Servidor inalcanzable</translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation>Tiempo de conexión al servidor agotado</translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation>El servidor rechazó la conexión</translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation>Error desconocido de conexión UDP</translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation>¡IP de servidor no válida!</translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation>Error al crear el socket</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation>El almacén de secretos del escritorio no respondió en 2 segundos.</translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation>Ningún almacén de secretos responde: %1</translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation>%1 de %2, plazas libres: %3</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>dedicated</source>
        <translation>dedicado</translation>
    </message>
    <message>
        <source>listen server</source>
        <translation>servidor no dedicado</translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation>%1, necesita contraseña</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Dirección: %1</translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation>Versión: %1, tipo de juego: %2</translation>
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
        <translation>Jugadores: %1</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Ping: %1</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Servidor: %1</translation>
    </message>
    <message>
        <source>Listed by the master: %1</source>
        <translation>En la lista del servidor maestro: %1</translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation>Favorito: %1</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>Última respuesta: %1</translation>
    </message>
    <message>
        <source>none this run</source>
        <translation>ninguno en esta sesión</translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation>Pings de esta sesión (los más recientes primero): %1</translation>
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
        <translation>jugadores %1, ping %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1: %2 de %n servidor mostrado</numerusform>
            <numerusform>%1: %2 de %n servidores mostrados</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation>Ningún servidor seleccionado</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation>Esperando una plaza en %1 (%2/%3)</translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation>Hay una plaza libre en %1</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation>Se dejó de esperar una plaza en %1: sigue lleno tras %2 minutos</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation>Se dejó de esperar una plaza en %1: sin respuesta durante %2 segundos</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation>Se dejó de esperar una plaza en %1: su dirección cambió</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation>Se dejó de esperar una plaza en %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Navegador de servidores Korvath</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation>Mostrar una nueva lista completa de servidores
Nueva lista completa</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright
Acerca de</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostrar páginas completas
Vista previa de impresión</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos
Salir</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Cerrar la vista previa de impresión
Cerrar vista previa</translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation>Mostrar u ocultar la barra de filtro
Barra de filtro</translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation>Buscar los servidores por nombre, mapa, mod o dirección
Buscar servidor</translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation>Mostrar de nuevo cada columna con su anchura inicial
Restablecer columnas</translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation>Añadir el servidor seleccionado a los favoritos o quitarlo de ellos
Favorito</translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation>Descargar de nuevo la lista de servidores y consultarlos todos
Actualizar lista</translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation>Consultar de nuevo los servidores mostrados en la lista, sin el servidor maestro
Consultar servidores mostrados</translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation>Iniciar el juego en el servidor seleccionado
Unirse</translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation>Preguntar de nuevo su estado al servidor seleccionado
Consultar de nuevo</translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation>Copiar la dirección del servidor seleccionado
Copiar dirección</translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation>Copiar un enlace para unirse al servidor seleccionado
Copiar enlace para unirse</translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation>Establecer el comando que inicia el juego
Ajustes del juego</translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation>Expandir el grupo y todo su contenido
Expandir todo</translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation>Contraer el grupo
Contraer</translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation>Mostrar u ocultar todo lo que se sabe del servidor seleccionado
Detalles del servidor</translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation>Unirse al servidor mostrado con más jugadores y un ping bajo
Unirse rápido</translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation>Volver a unirse al último servidor
Volver al último servidor</translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation>Olvidar los servidores jugados recientemente
Borrar historial</translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation>Quitar la contraseña recordada para el servidor seleccionado
Olvidar contraseña</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation>Dejar de esperar una plaza en un servidor lleno
Cancelar espera</translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation>establecer una nueva imagen en el elemento seleccionado</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
</context>
</TS>
