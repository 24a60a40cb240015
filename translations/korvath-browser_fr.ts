<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About ..</source>
        <translation>À propos ..</translation>
    </message>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Navigateur de serveurs Korvath</translation>
    </message>
    <message>
        <source>(C) 2026 Korvath Servers Browser</source>
        <translation>(C) 2026 Navigateur de serveurs Korvath</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1, by the project team</source>
        <translation>Version %1, par l’équipe du projet</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later</source>
        <translation>Logiciel libre sous licence publique générale GNU (GNU GPL), version 3 ou ultérieure</translation>
    </message>
    <message>
        <source>The browser talks only to the master server it is given and to the game servers that master lists.</source>
        <translation>Le navigateur ne communique qu’avec le serveur maître qui lui est indiqué et avec les serveurs de jeu que ce serveur maître liste.</translation>
    </message>
</context>
<context>
    <name>CBrowserApp</name>
    <message>
        <source>The link went to the window already open; %1 apply only to a new window and were not used.</source>
        <translation>Le lien a été transmis à la fenêtre déjà ouverte&#xa0;; %1 ne s’appliquent qu’à une nouvelle fenêtre et n’ont pas été utilisés.</translation>
    </message>
    <message>
        <source>Join links dropped while a question was open: %1</source>
        <translation>Liens pour rejoindre ignorés pendant qu’une question était ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Master server to ask for the list; given again, the next one to try.</source>
        <translation>Serveur maître auquel demander la liste&#xa0;; indiqué de nouveau, le suivant à essayer.</translation>
    </message>
    <message>
        <source>Adds a Demo menu that reaches the grid&apos;s demonstration commands.</source>
        <translation>Ajoute un menu Démo qui donne accès aux commandes de démonstration de la grille.</translation>
    </message>
    <message>
        <source>Offers to join the server of a join link (in a copy already running, if any).</source>
        <translation>Propose de rejoindre le serveur d’un lien pour rejoindre (dans une instance déjà lancée, s’il y en a une).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not a join link: %1 (expected korvath://HOST:PORT)</source>
        <translation>Ce n’est pas un lien pour rejoindre&#xa0;: %1 (attendu&#xa0;: korvath://HÔTE:PORT)</translation>
    </message>
    <message>
        <source>Bad --master value: %1 (expected HOST[:PORT])</source>
        <translation>Valeur de --master incorrecte&#xa0;: %1 (attendu&#xa0;: HÔTE[:PORT])</translation>
    </message>
</context>
<context>
    <name>CBrowserView</name>
    <message>
        <source>The server %1 is full. Join it anyway?</source>
        <translation>Le serveur %1 est plein. Le rejoindre quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The server %1 does not answer. Join it anyway?</source>
        <translation>Le serveur %1 ne répond pas. Le rejoindre quand même&#xa0;?</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.
Print... on the File menu can write the list to a PDF file instead.</source>
        <translation>Aucune imprimante n’est installée, rien n’a donc été imprimé.
Imprimer... dans le menu Fichier peut plutôt écrire la liste dans un fichier PDF.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written, so nothing was printed.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne peut pas être écrit, rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be started, so nothing was printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» ne peut pas être démarrée, rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>The list has %1 page(s), none from page %2 on, so nothing was printed.</source>
        <translation>La liste compte %1 page(s), aucune à partir de la page %2, rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>Quick Join: no open server answers within %1 ms</source>
        <translation>Rejoindre rapidement&#xa0;: aucun serveur ouvert ne répond en moins de %1 ms</translation>
    </message>
    <message>
        <source>Quick Join: the servers tried were full or did not answer</source>
        <translation>Rejoindre rapidement&#xa0;: les serveurs essayés étaient pleins ou n’ont pas répondu</translation>
    </message>
    <message>
        <source>Join anyway</source>
        <translation>Rejoindre quand même</translation>
    </message>
    <message>
        <source>Wait for a Slot</source>
        <translation>Attendre une place</translation>
    </message>
    <message>
        <source>Join when a slot opens</source>
        <translation>Rejoindre dès qu’une place se libère</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on %1 and wait on %2 instead?</source>
        <translation>Ne plus attendre une place sur %1 et attendre plutôt sur %2&#xa0;?</translation>
    </message>
    <message>
        <source>A slot is open on %1. Join it now?</source>
        <translation>Une place est libre sur %1. Le rejoindre maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
</context>
<context>
    <name>CFavouriteSettings</name>
    <message>
        <source>The favourites could not be saved to %1</source>
        <translation>Les favoris n’ont pas pu être enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Hide &amp;empty</source>
        <translation>Masquer les &amp;vides</translation>
    </message>
    <message>
        <source>Hide f&amp;ull</source>
        <translation>Masquer les ple&amp;ins</translation>
    </message>
    <message>
        <source>Fa&amp;vourites only</source>
        <translation>&amp;Favoris seulement</translation>
    </message>
    <message>
        <source>Filter Bar</source>
        <translation>Barre de filtre</translation>
    </message>
    <message>
        <source>Search name, map, mod or address</source>
        <translation>Rechercher un nom, une carte, un mod ou une adresse</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Max &amp;ping</source>
        <translation>&amp;Ping max</translation>
    </message>
</context>
<context>
    <name>CGameSettingsDlg</name>
    <message>
        <source>Game Settings</source>
        <translation>Paramètres du jeu</translation>
    </message>
    <message>
        <source>%a is replaced by the server&apos;s address (host:port), %h by its host, %p by its port and %w by the password (nothing without one). Quote words that hold blanks. When a password is given and the game command has no %w, the password arguments are added after it.</source>
        <translation>%a est remplacé par l’adresse du serveur (hôte:port), %h par son hôte, %p par son port et %w par le mot de passe (rien s’il n’y en a pas). Mettez entre guillemets les mots qui contiennent des espaces. Si un mot de passe est fourni et que la commande du jeu ne contient pas %w, les arguments du mot de passe sont ajoutés après elle.</translation>
    </message>
    <message>
        <source>Game command:</source>
        <translation>Commande du jeu&#xa0;:</translation>
    </message>
    <message>
        <source>Password arguments:</source>
        <translation>Arguments du mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Query speed:</source>
        <translation>Vitesse d’interrogation&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CGridDemoDlg</name>
    <message>
        <source>No servers were harmed in the making of this tree</source>
        <translation>Aucun serveur n’a été maltraité lors de la création de cet arbre</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l’impression...</translation>
    </message>
    <message>
        <source>&amp;Game Settings...</source>
        <translation>&amp;Paramètres du jeu...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>New Full List</source>
        <translation>Nouvelle liste complète</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;À propos ...</translation>
    </message>
    <message>
        <source>Quic&amp;k Join</source>
        <translation>Rejoindre ra&amp;pidement</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>Dedicated</source>
        <translation>Dédié</translation>
    </message>
    <message>
        <source>Reset Columns</source>
        <translation>Réinitialiser les colonnes</translation>
    </message>
    <message>
        <source>Grid &amp;Dialog...</source>
        <translation>&amp;Dialogue de la grille...</translation>
    </message>
    <message>
        <source>&amp;Insert Sample Items...</source>
        <translation>&amp;Insérer des exemples...</translation>
    </message>
    <message>
        <source>&amp;Find and Delete...</source>
        <translation>&amp;Rechercher et supprimer...</translation>
    </message>
    <message>
        <source>Send De&amp;lete Key</source>
        <translation>Envoyer la touche &amp;Suppr</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Plus (Expand)</source>
        <translation>Envoyer &amp;Plus du pavé numérique (Développer)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Minus (Collapse)</source>
        <translation>Envoyer &amp;Moins du pavé numérique (Réduire)</translation>
    </message>
    <message>
        <source>Send Keypad &amp;Asterisk (Expand All)</source>
        <translation>Envoyer &amp;Astérisque du pavé numérique (Tout développer)</translation>
    </message>
    <message>
        <source>Allow D&amp;ragging</source>
        <translation>Autoriser le &amp;glisser</translation>
    </message>
    <message>
        <source>Command 32780 (does nothing)</source>
        <translation>Commande 32780 (sans effet)</translation>
    </message>
    <message>
        <source>Command 32783 (does nothing)</source>
        <translation>Commande 32783 (sans effet)</translation>
    </message>
    <message>
        <source>Command 32784 (does nothing)</source>
        <translation>Commande 32784 (sans effet)</translation>
    </message>
    <message>
        <source>Set New Image (does nothing)</source>
        <translation>Définir une nouvelle image (sans effet)</translation>
    </message>
    <message>
        <source>Print Directly</source>
        <translation>Imprimer directement</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Démo</translation>
    </message>
    <message>
        <source>Server &amp;Details</source>
        <translation>&amp;Détails du serveur</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Barre de &amp;filtre</translation>
    </message>
    <message>
        <source>F&amp;ind Server</source>
        <translation>&amp;Rechercher un serveur</translation>
    </message>
    <message>
        <source>%1 of %2 servers shown</source>
        <translation>Serveurs affichés&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l’instant</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes ago</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours ago</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Rejoin Las&amp;t Server</source>
        <translation>Rejoindre le dernier &amp;serveur</translation>
    </message>
    <message>
        <source>Recently &amp;Played</source>
        <translation>&amp;Récemment joués</translation>
    </message>
    <message>
        <source>Clear &amp;History</source>
        <translation>&amp;Effacer l’historique</translation>
    </message>
    <message>
        <source>No server has been joined yet</source>
        <translation>Aucun serveur n’a encore été rejoint</translation>
    </message>
    <message>
        <source>Add to &amp;Favourites</source>
        <translation>Ajouter aux &amp;favoris</translation>
    </message>
    <message>
        <source>Remove from &amp;Favourites</source>
        <translation>Retirer des &amp;favoris</translation>
    </message>
    <message>
        <source>&amp;Servers</source>
        <translation>&amp;Serveurs</translation>
    </message>
    <message>
        <source>&amp;Refresh List</source>
        <translation>Actualiser la &amp;liste</translation>
    </message>
    <message>
        <source>Query &amp;Shown Servers</source>
        <translation>Interroger les serveurs &amp;affichés</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Re&amp;joindre</translation>
    </message>
    <message>
        <source>&amp;Query Again</source>
        <translation>Interroger à &amp;nouveau</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>Copier l’a&amp;dresse</translation>
    </message>
    <message>
        <source>Copy Join &amp;Link</source>
        <translation>Copier le l&amp;ien pour rejoindre</translation>
    </message>
    <message>
        <source>F&amp;orget Password</source>
        <translation>&amp;Oublier le mot de passe</translation>
    </message>
    <message>
        <source>E&amp;xpand All</source>
        <translation>Tout dé&amp;velopper</translation>
    </message>
    <message>
        <source>&amp;Collapse</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>Réponses&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Cancel &amp;Waiting</source>
        <translation>Annuler l’a&amp;ttente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CMasterListEdit</name>
    <message>
        <source>One HOST[:PORT] a line, tried in order until one gives its list.</source>
        <translation>Un HÔTE[:PORT] par ligne, essayés dans l’ordre jusqu’à ce que l’un d’eux donne sa liste.</translation>
    </message>
    <message>
        <source>Master servers:</source>
        <translation>Serveurs maîtres&#xa0;:</translation>
    </message>
    <message>
        <source>Not HOST[:PORT], will not be kept: %1</source>
        <translation>Pas au format HÔTE[:PORT], ne sera pas conservé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CNodeNameDlg</name>
    <message>
        <source>A tedious dialogbox</source>
        <translation>Une boîte de dialogue fastidieuse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter new node name</source>
        <translation>Saisissez le nouveau nom du nœud</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Remember for this server</source>
        <translation>Mémoriser pour ce serveur</translation>
    </message>
    <message>
        <source>The server %1 (%2) needs a password.</source>
        <translation>Le serveur %1 (%2) demande un mot de passe.</translation>
    </message>
    <message>
        <source>Asking the desktop&apos;s secret store...</source>
        <translation>Interrogation du trousseau de clés du bureau...</translation>
    </message>
    <message>
        <source>Passwords are kept only in the desktop&apos;s secret store, never in a plain file, so none can be remembered now.</source>
        <translation>Les mots de passe ne sont conservés que dans le trousseau de clés du bureau, jamais dans un simple fichier&#xa0;; aucun ne peut donc être mémorisé pour le moment.</translation>
    </message>
    <message>
        <source>No remembered password is offered.</source>
        <translation>Aucun mot de passe mémorisé n’est proposé.</translation>
    </message>
    <message>
        <source>Keep the password in the desktop&apos;s secret store</source>
        <translation>Conserver le mot de passe dans le trousseau de clés du bureau</translation>
    </message>
</context>
<context>
    <name>CQuerySpeedChoice</name>
    <message>
        <source>As described</source>
        <translation>Comme décrit</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
</context>
<context>
    <name>CServerDetailsPane</name>
    <message>
        <source>Server Details</source>
        <translation>Détails du serveur</translation>
    </message>
    <message>
        <source>Server details</source>
        <translation>Détails du serveur</translation>
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
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
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
        <translation>Favoris (sans réponse)</translation>
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
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
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
        <translation>Trier &amp;par</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>Sort by Clicking Column Headers</source>
        <translation>Trier en cliquant sur les en-têtes de colonnes</translation>
    </message>
</context>
<context>
    <name>GameCommand</name>
    <message>
        <source>%1 is longer than %2 characters.</source>
        <translation>%1 dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%%2&quot;; only %a (the server&apos;s address), %h (its host), %p (its port), %w (the password) and %% (a %) are replaced.</source>
        <translation>%1 contient «&#xa0;%%2&#xa0;»&#xa0;; seuls %a (l’adresse du serveur), %h (son hôte), %p (son port), %w (le mot de passe) et %% (un %) sont remplacés.</translation>
    </message>
    <message>
        <source>%1 has a double quote that is not closed.</source>
        <translation>%1 contient un guillemet double qui n’est pas fermé.</translation>
    </message>
    <message>
        <source>The password holds a NUL character, which no program argument can carry.</source>
        <translation>Le mot de passe contient un caractère NUL, qu’aucun argument de programme ne peut transmettre.</translation>
    </message>
    <message>
        <source>The game command</source>
        <translation>La commande du jeu</translation>
    </message>
    <message>
        <source>The game command names no program.</source>
        <translation>La commande du jeu ne nomme aucun programme.</translation>
    </message>
    <message>
        <source>The password arguments</source>
        <translation>Les arguments du mot de passe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a server address a game can join: a host name or an IPv4 address (a.b.c.d), a colon and a port from 1 to 65535.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse de serveur qu’un jeu peut rejoindre&#xa0;: un nom d’hôte ou une adresse IPv4 (a.b.c.d), deux-points et un port de 1 à 65535.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>KR Server Browser</source>
        <translation>Navigateur de serveurs KR</translation>
    </message>
    <message>
        <source>&quot;%1&quot; did not start: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas démarré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The game could not be started.

Game command: %1

%2</source>
        <translation>Le jeu n’a pas pu être lancé.

Commande du jeu&#xa0;: %1

%2</translation>
    </message>
    <message>
        <source>Join %1:%2?</source>
        <translation>Rejoindre %1:%2&#xa0;?</translation>
    </message>
</context>
<context>
    <name>NoticeText</name>
    <message>
        <source>Cannot write the last list</source>
        <translation>Impossible d’écrire la dernière liste</translation>
    </message>
    <message>
        <source>Last list ignored: not a list of this program</source>
        <translation>Dernière liste ignorée&#xa0;: ce n’est pas une liste de ce programme</translation>
    </message>
    <message numerus="yes">
        <source>Last list: %n line(s) skipped</source>
        <translation>
            <numerusform>Dernière liste&#xa0;: %n ligne ignorée</numerusform>
            <numerusform>Dernière liste&#xa0;: %n lignes ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server %1 of %2: %3</source>
        <translation>Contact du serveur maître %1 sur %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>Master server did not answer: querying the %n servers of the list from %1</source>
        <translation>
            <numerusform>Le serveur maître n’a pas répondu&#xa0;: interrogation du %n serveur de la liste de %1</numerusform>
            <numerusform>Le serveur maître n’a pas répondu&#xa0;: interrogation des %n serveurs de la liste de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list cut short after %1 s: first %n server(s) kept</source>
        <translation>
            <numerusform>Liste du serveur maître interrompue après %1 s&#xa0;: %n premier serveur conservé</numerusform>
            <numerusform>Liste du serveur maître interrompue après %1 s&#xa0;: %n premiers serveurs conservés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Master list too long: first %n server(s) kept</source>
        <translation>
            <numerusform>Liste du serveur maître trop longue&#xa0;: %n premier serveur conservé</numerusform>
            <numerusform>Liste du serveur maître trop longue&#xa0;: %n premiers serveurs conservés</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write servers.txt</source>
        <translation>Impossible d’écrire servers.txt</translation>
    </message>
    <message numerus="yes">
        <source>%n server(s)</source>
        <translation>
            <numerusform>%n serveur</numerusform>
            <numerusform>%n serveurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Contacting Master Server</source>
        <translation>Contact du serveur maître</translation>
    </message>
    <message>
        <source>Connection To Master Server Failed</source>
        <translation>Échec de la connexion au serveur maître</translation>
    </message>
    <message>
        <source>KR Server Browser</source>
        <translation>Navigateur de serveurs KR</translation>
    </message>
    <message>
        <source>Failed to call Master Server</source>
        <translation>Échec de l’appel au serveur maître</translation>
    </message>
    <message>
        <source>Mutex &quot;%1&quot; not used: another user owns it or others can write it</source>
        <translation>Mutex «&#xa0;%1&#xa0;» non utilisé&#xa0;: il appartient à un autre utilisateur ou d’autres peuvent y écrire</translation>
    </message>
    <message>
        <source>Server Unreacheable</source>
        <translation>Serveur injoignable</translation>
    </message>
    <message>
        <source>Connect to Server TimeOut</source>
        <translation>Délai de connexion au serveur dépassé</translation>
    </message>
    <message>
        <source>Connection refused by Server</source>
        <translation>Connexion refusée par le serveur</translation>
    </message>
    <message>
        <source>UCP Connect Unknow Error</source>
        <translation>Erreur inconnue de connexion UDP</translation>
    </message>
    <message>
        <source>Invalid Server ip!</source>
        <translation>IP de serveur invalide&#xa0;!</translation>
    </message>
    <message>
        <source>Error Creating Socket</source>
        <translation>Erreur lors de la création du socket</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>The desktop&apos;s secret store did not answer within 2 seconds.</source>
        <translation>Le trousseau de clés du bureau n’a pas répondu dans les 2 secondes.</translation>
    </message>
    <message>
        <source>No secret store answers: %1</source>
        <translation>Aucun trousseau de clés ne répond&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ServerDetails</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 of %2, %3 free</source>
        <translation>%1 sur %2, places libres&#xa0;: %3</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>dedicated</source>
        <translation>dédié</translation>
    </message>
    <message>
        <source>listen server</source>
        <translation>serveur non dédié</translation>
    </message>
    <message>
        <source>%1, needs a password</source>
        <translation>%1, mot de passe requis</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>Address: %1</source>
        <translation>Adresse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version: %1, game type: %2</source>
        <translation>Version&#xa0;: %1, type de jeu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Map: %1</source>
        <translation>Carte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mod: %1</source>
        <translation>Mod&#xa0;: %1</translation>
    </message>
    <message>
        <source>Players: %1</source>
        <translation>Joueurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ping: %1</source>
        <translation>Ping&#xa0;: %1</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Listed by the master: %1</source>
        <translation>Listé par le serveur maître&#xa0;: %1</translation>
    </message>
    <message>
        <source>Favourite: %1</source>
        <translation>Favori&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last answer: %1</source>
        <translation>Dernière réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>none this run</source>
        <translation>aucun pendant cette session</translation>
    </message>
    <message>
        <source>Pings this run (newest first): %1</source>
        <translation>Pings de cette session (les plus récents d’abord)&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2, map %3, mod %4</source>
        <translation>%1 %2, carte %3, mod %4</translation>
    </message>
    <message>
        <source>players %1, ping %2, %3</source>
        <translation>joueurs %1, ping %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n server(s) shown</source>
        <translation>
            <numerusform>%1&#xa0;: %2 affichés sur %n serveur</numerusform>
            <numerusform>%1&#xa0;: %2 affichés sur %n serveurs</numerusform>
        </translation>
    </message>
    <message>
        <source>No server selected</source>
        <translation>Aucun serveur sélectionné</translation>
    </message>
</context>
<context>
    <name>SlotWait</name>
    <message>
        <source>Waiting for a slot on %1 (%2/%3)</source>
        <translation>Attente d’une place sur %1 (%2/%3)</translation>
    </message>
    <message>
        <source>A slot is open on %1</source>
        <translation>Une place est libre sur %1</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: still full after %2 minutes</source>
        <translation>Attente d’une place sur %1 arrêtée&#xa0;: toujours plein après %2 minutes</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: no answer for %2 seconds</source>
        <translation>Attente d’une place sur %1 arrêtée&#xa0;: pas de réponse depuis %2 secondes</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1: its address changed</source>
        <translation>Attente d’une place sur %1 arrêtée&#xa0;: son adresse a changé</translation>
    </message>
    <message>
        <source>Stopped waiting for a slot on %1</source>
        <translation>Attente d’une place sur %1 arrêtée</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Korvath Servers Browser</source>
        <translation>Navigateur de serveurs Korvath</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Display a new full list of servers
New Full List</source>
        <translation>Afficher une nouvelle liste complète des serveurs
Nouvelle liste complète</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Modifier l’imprimante et les options d’impression
Configuration de l’impression</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l’application&#xa0;; propose d’enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d’outils
Barre d’outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d’état
Barre d’état</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Fermer l’aperçu avant impression
Fermer l’aperçu</translation>
    </message>
    <message>
        <source>Show or hide the filter bar
Toggle Filter Bar</source>
        <translation>Afficher ou masquer la barre de filtre
Barre de filtre</translation>
    </message>
    <message>
        <source>Search the servers by name, map, mod or address
Find Server</source>
        <translation>Rechercher les serveurs par nom, carte, mod ou adresse
Rechercher un serveur</translation>
    </message>
    <message>
        <source>Show every column with its first width again
Reset Columns</source>
        <translation>Afficher de nouveau chaque colonne avec sa largeur d’origine
Réinitialiser les colonnes</translation>
    </message>
    <message>
        <source>Add the selected server to the favourites, or remove it from them
Favourite</source>
        <translation>Ajouter le serveur sélectionné aux favoris, ou l’en retirer
Favori</translation>
    </message>
    <message>
        <source>Download the list of servers again and query them all
Refresh List</source>
        <translation>Télécharger de nouveau la liste des serveurs et les interroger tous
Actualiser la liste</translation>
    </message>
    <message>
        <source>Ask the servers shown in the list again, without the master server
Query Shown Servers</source>
        <translation>Interroger de nouveau les serveurs affichés dans la liste, sans le serveur maître
Interroger les serveurs affichés</translation>
    </message>
    <message>
        <source>Start the game on the selected server
Join</source>
        <translation>Lancer le jeu sur le serveur sélectionné
Rejoindre</translation>
    </message>
    <message>
        <source>Ask the selected server for its state again
Query Again</source>
        <translation>Demander de nouveau son état au serveur sélectionné
Interroger à nouveau</translation>
    </message>
    <message>
        <source>Copy the address of the selected server
Copy Address</source>
        <translation>Copier l’adresse du serveur sélectionné
Copier l’adresse</translation>
    </message>
    <message>
        <source>Copy a link that joins the selected server
Copy Join Link</source>
        <translation>Copier un lien qui rejoint le serveur sélectionné
Copier le lien pour rejoindre</translation>
    </message>
    <message>
        <source>Set the command that starts the game
Game Settings</source>
        <translation>Définir la commande qui lance le jeu
Paramètres du jeu</translation>
    </message>
    <message>
        <source>Expand the group and everything in it
Expand All</source>
        <translation>Développer le groupe et tout son contenu
Tout développer</translation>
    </message>
    <message>
        <source>Collapse the group
Collapse</source>
        <translation>Réduire le groupe
Réduire</translation>
    </message>
    <message>
        <source>Show or hide everything known of the selected server
Server Details</source>
        <translation>Afficher ou masquer tout ce qui est connu du serveur sélectionné
Détails du serveur</translation>
    </message>
    <message>
        <source>Join the shown server with the most players and a low ping
Quick Join</source>
        <translation>Rejoindre le serveur affiché qui a le plus de joueurs et un ping faible
Rejoindre rapidement</translation>
    </message>
    <message>
        <source>Join the server joined last again
Rejoin Last Server</source>
        <translation>Rejoindre de nouveau le dernier serveur rejoint
Rejoindre le dernier serveur</translation>
    </message>
    <message>
        <source>Forget the recently played servers
Clear History</source>
        <translation>Oublier les serveurs joués récemment
Effacer l’historique</translation>
    </message>
    <message>
        <source>Remove the password remembered for the selected server
Forget Password</source>
        <translation>Supprimer le mot de passe mémorisé pour le serveur sélectionné
Oublier le mot de passe</translation>
    </message>
    <message>
        <source>Stop waiting for a slot on a full server
Cancel Waiting</source>
        <translation>Ne plus attendre une place sur un serveur plein
Annuler l’attente</translation>
    </message>
    <message>
        <source>set new image on currently selected item</source>
        <translation>définir une nouvelle image sur l’élément sélectionné</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
</context>
</TS>
