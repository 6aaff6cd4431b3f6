<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CDlgFileNew</name>
    <message>
        <source>New Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet &amp;size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title block:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgProject</name>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open from the top of the list (&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chec&amp;k all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project file does not exist.
Remove it from the history?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project files (*.dpj)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet files (*.dcd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No project file is set or it lists no sheet.
Work without a project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet files (*.dcd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project files (*.dpj)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent P&amp;rojects</source>
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
        <source>Zoom &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display A&amp;reas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Area &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Area &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define &amp;All Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define Area 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define Area 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid Main/Sub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show G&amp;rid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid with &amp;Circles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Vireo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Vireo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vireo %1
Schematic capture for printed circuit boards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
An automatically saved copy newer than this file exists (the program did not end normally).
Open the automatically saved copy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sheet of the project %1 could be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when Vireo is started next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosaving</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CVIREOView</name>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-click the point that is to be the centre of the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-click and drag the area to show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
