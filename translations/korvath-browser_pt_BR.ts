<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation>Sobre ..</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation>Versão %1, pela equipe do projeto</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Software livre sob a Licença Pública Geral GNU, versão 3 ou posterior</translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation>O navegador se comunica apenas com o servidor mestre indicado e com os servidores de jogo que esse servidor mestre lista.</translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation>O link foi para a janela já aberta; %1 valem apenas para uma nova janela e não foram usados.</translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation>Links de entrada descartados enquanto uma pergunta estava aberta: %1</translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation>Servidor mestre ao qual pedir a lista; se indicado de novo, o próximo a tentar.</translation>
    </message>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation>Adiciona um menu Demo que dá acesso aos comandos de demonstração da grade.</translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation>Oferece entrar no servidor de um link de entrada (em uma instância já em execução, se houver).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation>Não é um link de entrada: %1 (esperado korvath://HOST:PORTA)</translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation>Valor de --master inválido: %1 (esperado HOST[:PORTA])</translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation>O servidor %1 está cheio. Entrar mesmo assim?</translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation>O servidor %1 não responde. Entrar mesmo assim?</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation>Nenhuma impressora está instalada, então nada foi impresso.
Imprimir... no menu Arquivo pode gravar a lista em um arquivo PDF.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation>O arquivo “%1” não pode ser gravado, então nada foi impresso.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation>A impressora “%1” não pode ser iniciada, então nada foi impresso.</translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation>A lista tem %1 página(s), nenhuma a partir da página %2, então nada foi impresso.</translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation>Entrar rápido: nenhum servidor aberto responde em %1 ms</translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation>Entrar rápido: os servidores tentados estavam cheios ou não responderam</translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation>Entrar mesmo assim</translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation>Aguardar uma vaga</translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation>Entrar quando abrir uma vaga</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation>Parar de aguardar uma vaga em %1 e aguardar em %2?</translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation>Há uma vaga aberta em %1. Entrar agora?</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation>Não foi possível salvar os favoritos em %1</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation>Ocultar &amp;vazios</translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation>Ocultar c&amp;heios</translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation>Só &amp;favoritos</translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation>Barra de filtro</translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation>Procurar nome, mapa, mod ou endereço</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
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
        <translation>Configurações do jogo</translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation>%a é substituído pelo endereço do servidor (host:porta), %h pelo seu host, %p pela sua porta e %w pela senha (nada, se não houver). Coloque entre aspas as palavras que contêm espaços. Quando uma senha é informada e o comando do jogo não tem %w, os argumentos de senha são adicionados depois dele.</translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation>Comando do jogo:</translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation>Argumentos de senha:</translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation>Velocidade de consulta:</translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation>Nenhum servidor foi maltratado na criação desta árvore</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configurar impressão...</translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation>Configurações do &amp;jogo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation>Nova lista completa</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Sobre ...</translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation>Entrar &amp;rápido</translation>
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
        <translation>Redefinir colunas</translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation>&amp;Diálogo da grade...</translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation>&amp;Inserir itens de exemplo...</translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation>&amp;Localizar e excluir...</translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation>Enviar tecla Dele&amp;te</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation>Enviar &amp;Mais do teclado numérico (Expandir)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation>Enviar Me&amp;nos do teclado numérico (Recolher)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation>Enviar &amp;Asterisco do teclado numérico (Expandir tudo)</translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation>Permitir a&amp;rrastar</translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation>Comando 32780 (não faz nada)</translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation>Comando 32783 (não faz nada)</translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation>Comando 32784 (não faz nada)</translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation>Definir nova imagem (não faz nada)</translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation>Imprimir diretamente</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation>&amp;Detalhes do servidor</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Barra de fi&amp;ltro</translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation>&amp;Procurar servidor</translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation>%1 de %2 servidores exibidos</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>agora mesmo</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>há %n minuto</numerusform>
            <numerusform>há %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>há %n hora</numerusform>
            <numerusform>há %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>há %n dia</numerusform>
            <numerusform>há %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation>Voltar ao úl&amp;timo servidor</translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation>Jogados recente&amp;mente</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>Limpar &amp;histórico</translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation>Ainda não entrou em nenhum servidor</translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation>Adicionar aos &amp;favoritos</translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation>Remover dos &amp;favoritos</translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation>&amp;Servidores</translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation>&amp;Atualizar lista</translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation>Consultar servidores e&amp;xibidos</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Entrar</translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation>Consultar &amp;novamente</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>&amp;Copiar endereço</translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation>Copiar &amp;link de entrada</translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation>Esquecer &amp;senha</translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation>Expan&amp;dir tudo</translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation>Recol&amp;her</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>%1 de %2 responderam</translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation>Cancelar es&amp;pera</translation>
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
        <translation>Um HOST[:PORTA] por linha, tentados em ordem até que um forneça sua lista.</translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation>Servidores mestres:</translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation>Não é HOST[:PORTA], não será mantido: %1</translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation>Uma caixa de diálogo tediosa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation>Digite o novo nome do nó</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation>Lembrar para este servidor</translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation>O servidor %1 (%2) precisa de uma senha.</translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation>Consultando o chaveiro da área de trabalho...</translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation>As senhas são guardadas apenas no chaveiro da área de trabalho, nunca em um arquivo comum, então nenhuma pode ser lembrada agora.</translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation>Nenhuma senha lembrada é oferecida.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation>Guardar a senha no chaveiro da área de trabalho</translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation>Como descrito</translation>
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
        <translation>Detalhes do servidor</translation>
    </message>
    <message>
        <source>Server details</source>
        <translation>Detalhes do servidor</translation>
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
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:Porta</translation>
    </message>
    <message>
        <source>Favourites (no answer)</source>
        <translation>Favoritos (sem resposta)</translation>
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
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Ip:Port</source>
        <translation>IP:Porta</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation>Ordenar ao clicar nos cabeçalhos das colunas</translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation>%1 contém “%%2”; somente %a (o endereço do servidor), %h (seu host), %p (sua porta), %w (a senha) e %% (um %) são substituídos.</translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation>%1 tem aspas duplas que não foram fechadas.</translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation>A senha contém um caractere NUL, que nenhum argumento de programa pode transportar.</translation>
    </message>
    <message>
        <source>The game command</source>
        <translation>O comando do jogo</translation>
    </message>
    <message>
        <source>The game command names no program.</source>
        <translation>O comando do jogo não indica nenhum programa.</translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation>Os argumentos de senha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation>“%1” não é um endereço de servidor em que um jogo possa entrar: um nome de host ou um endereço IPv4 (a.b.c.d), dois-pontos e uma porta de 1 a 65535.</translation>
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
        <translation>“%1” não iniciou: %2.</translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation>Não foi possível iniciar o jogo.

Comando do jogo: %1

%2</translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation>Entrar em %1:%2?</translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation>Não é possível gravar a última lista</translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation>Última lista ignorada: não é uma lista deste programa</translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Última lista: %n linha ignorada</numerusform>
            <numerusform>Última lista: %n linhas ignoradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation>Contatando o servidor mestre %1 de %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>O servidor mestre não respondeu: consultando o %n servidor da lista de %1</numerusform>
            <numerusform>O servidor mestre não respondeu: consultando os %n servidores da lista de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Lista do servidor mestre interrompida após %1 s: mantido %n servidor, o primeiro</numerusform>
            <numerusform>Lista do servidor mestre interrompida após %1 s: mantidos os primeiros %n servidores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Lista do servidor mestre longa demais: mantido %n servidor, o primeiro</numerusform>
            <numerusform>Lista do servidor mestre longa demais: mantidos os primeiros %n servidores</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation>Não é possível gravar servers.txt</translation>
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
        <translation>Contatando o servidor mestre</translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation>Falha na conexão com o servidor mestre</translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation>Navegador de servidores KR</translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation>Falha ao chamar o servidor mestre</translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation>Mutex “%1” não usado: pertence a outro usuário ou outros podem gravar nele</translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation>Servidor inacessível</translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation>Tempo de conexão com o servidor esgotado</translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation>Conexão recusada pelo servidor</translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation>Erro desconhecido de conexão UDP</translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation>IP de servidor inválido!</translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation>Erro ao criar o soquete</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation>O chaveiro da área de trabalho não respondeu em 2 segundos.</translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation>Nenhum chaveiro responde: %1</translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation>%1 de %2, vagas livres: %3</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
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
        <translation>servidor não dedicado</translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation>%1, precisa de senha</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Endereço: %1</translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation>Versão: %1, tipo de jogo: %2</translation>
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
        <translation>Jogadores: %1</translation>
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
        <translation>Listado pelo servidor mestre: %1</translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation>Favorito: %1</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>Última resposta: %1</translation>
    </message>
    <message>
        <source>none this run</source>
        <translation>nenhum nesta sessão</translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation>Pings nesta sessão (mais recentes primeiro): %1</translation>
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
        <translation>jogadores %1, ping %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1: %2 de %n servidor exibido</numerusform>
            <numerusform>%1: %2 de %n servidores exibidos</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation>Nenhum servidor selecionado</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation>Aguardando uma vaga em %1 (%2/%3)</translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation>Há uma vaga aberta em %1</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation>Parou de aguardar uma vaga em %1: ainda cheio após %2 minutos</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation>Parou de aguardar uma vaga em %1: sem resposta por %2 segundos</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation>Parou de aguardar uma vaga em %1: seu endereço mudou</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation>Parou de aguardar uma vaga em %1</translation>
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
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation>Exibir uma nova lista completa de servidores
Nova lista completa</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número da versão e copyright
Sobre</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir o documento ativo
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Exibir páginas inteiras
Visualizar impressão</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Alterar a impressora e as opções de impressão
Configurar impressão</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Sair do aplicativo; pergunta se os documentos devem ser salvos
Sair</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas
Barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar ou ocultar a barra de status
Barra de status</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Fechar a visualização de impressão
Fechar visualização</translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation>Mostrar ou ocultar a barra de filtro
Barra de filtro</translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation>Procurar os servidores por nome, mapa, mod ou endereço
Procurar servidor</translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation>Mostrar cada coluna de novo com sua largura inicial
Redefinir colunas</translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation>Adicionar o servidor selecionado aos favoritos ou removê-lo deles
Favorito</translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation>Baixar de novo a lista de servidores e consultar todos
Atualizar lista</translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation>Consultar de novo os servidores exibidos na lista, sem o servidor mestre
Consultar servidores exibidos</translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation>Iniciar o jogo no servidor selecionado
Entrar</translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation>Perguntar de novo ao servidor selecionado o seu estado
Consultar novamente</translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation>Copiar o endereço do servidor selecionado
Copiar endereço</translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation>Copiar um link que entra no servidor selecionado
Copiar link de entrada</translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation>Definir o comando que inicia o jogo
Configurações do jogo</translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation>Expandir o grupo e tudo o que há nele
Expandir tudo</translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation>Recolher o grupo
Recolher</translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation>Mostrar ou ocultar tudo o que se sabe do servidor selecionado
Detalhes do servidor</translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation>Entrar no servidor exibido com mais jogadores e ping baixo
Entrar rápido</translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation>Entrar de novo no último servidor em que entrou
Voltar ao último servidor</translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation>Esquecer os servidores jogados recentemente
Limpar histórico</translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation>Remover a senha lembrada para o servidor selecionado
Esquecer senha</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation>Parar de aguardar uma vaga em um servidor cheio
Cancelar espera</translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation>definir nova imagem no item selecionado</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROL</translation>
    </message>
</context>
</TS>
