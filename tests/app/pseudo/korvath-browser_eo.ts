<?xml version="1.0" encoding="utf-8"?>
<!-- A pseudo-translation of two menu texts for the translation test, built into a .qm. -->
<TS version="2.1" language="eo" sourcelanguage="en"><context><name>CMainFrame</name>
<message><source>&amp;File</source><translation>&amp;Dosiero</translation></message>
<message><source>&amp;View</source><translation>&amp;Vido</translation></message>
</context></TS>
