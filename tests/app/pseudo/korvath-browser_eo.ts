<?xml version="1.0" encoding="utf-8"?>
<!-- A pseudo-translation of two menu texts and a few core texts for the translation test, built
     into a .qm. -->
<TS version="2.1" language="eo" sourcelanguage="en"><context><name>CMainFrame</name>
<message><source>&amp;File</source><translation>&amp;Dosiero</translation></message>
<message><source>&amp;View</source><translation>&amp;Vido</translation></message>
</context><context><name>NoticeText</name>
<message><source>Contacting Master Server</source><translation>Kontaktas la servilliston</translation></message>
<message numerus="yes"><source>%n server(s)</source><translation><numerusform>%n servilo</numerusform><numerusform>%n serviloj</numerusform></translation></message>
</context><context><name>CServerGrid</name>
<message><source>Favourites (no answer)</source><translation>Favoritoj (sen respondo)</translation></message>
<message><source>Ping</source><translation>Pingo</translation></message>
</context></TS>
