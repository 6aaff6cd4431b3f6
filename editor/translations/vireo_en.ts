<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDlgFileNew</name>
    <message>
        <source>New Sheet</source>
        <translation>New Sheet</translation>
    </message>
    <message>
        <source>Sheet &amp;size:</source>
        <translation>Sheet &amp;size:</translation>
    </message>
    <message>
        <source>&amp;Title block:</source>
        <translation>&amp;Title block:</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 landscape</translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation>%1 portrait</translation>
    </message>
</context>
<context>
    <name>CDlgProject</name>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>Open from the top of the list (&amp;R)</source>
        <translation>Open from the top of the list (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Open a&amp;ll</source>
        <translation>Open a&amp;ll</translation>
    </message>
    <message>
        <source>Open &amp;checked</source>
        <translation>Open &amp;checked</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>R&amp;emove</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Top</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Bottom</translation>
    </message>
    <message>
        <source>Chec&amp;k all</source>
        <translation>Chec&amp;k all</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The project file does not exist.
Remove it from the history?</source>
        <translation>The project file does not exist.
Remove it from the history?</translation>
    </message>
    <message>
        <source>Project files (*.dpj)</source>
        <translation>Project files (*.dpj)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Sheet files (*.dcd)</source>
        <translation>Sheet files (*.dcd)</translation>
    </message>
    <message>
        <source>No project file is set or it lists no sheet.
Work without a project?</source>
        <translation>No project file is set or it lists no sheet.
Work without a project?</translation>
    </message>
    <message>
        <source>The project file %1 could not be written: %2</source>
        <translation>The project file %1 could not be written: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Sheet files (*.dcd)</source>
        <translation>Sheet files (*.dcd)</translation>
    </message>
    <message>
        <source>Project files (*.dpj)</source>
        <translation>Project files (*.dpj)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Project...</source>
        <translation>&amp;Project...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Recent &amp;Files</translation>
    </message>
    <message>
        <source>Recent P&amp;rojects</source>
        <translation>Recent P&amp;rojects</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Zoom &amp;Up</source>
        <translation>Zoom &amp;Up</translation>
    </message>
    <message>
        <source>Zoom &amp;Down</source>
        <translation>Zoom &amp;Down</translation>
    </message>
    <message>
        <source>Zoom &amp;Center</source>
        <translation>Zoom &amp;Center</translation>
    </message>
    <message>
        <source>Zoom &amp;Last</source>
        <translation>Zoom &amp;Last</translation>
    </message>
    <message>
        <source>Zoom &amp;All</source>
        <translation>Zoom &amp;All</translation>
    </message>
    <message>
        <source>Zoom &amp;Window</source>
        <translation>Zoom &amp;Window</translation>
    </message>
    <message>
        <source>Display A&amp;reas</source>
        <translation>Display A&amp;reas</translation>
    </message>
    <message>
        <source>Show Area &amp;1</source>
        <translation>Show Area &amp;1</translation>
    </message>
    <message>
        <source>Show Area &amp;2</source>
        <translation>Show Area &amp;2</translation>
    </message>
    <message>
        <source>Define &amp;All Area</source>
        <translation>Define &amp;All Area</translation>
    </message>
    <message>
        <source>Define Area 1</source>
        <translation>Define Area 1</translation>
    </message>
    <message>
        <source>Define Area 2</source>
        <translation>Define Area 2</translation>
    </message>
    <message>
        <source>&amp;Reset Areas</source>
        <translation>&amp;Reset Areas</translation>
    </message>
    <message>
        <source>&amp;Grid Main/Sub</source>
        <translation>&amp;Grid Main/Sub</translation>
    </message>
    <message>
        <source>Show G&amp;rid</source>
        <translation>Show G&amp;rid</translation>
    </message>
    <message>
        <source>Grid with &amp;Circles</source>
        <translation>Grid with &amp;Circles</translation>
    </message>
    <message>
        <source>&amp;Title Block</source>
        <translation>&amp;Title Block</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Vireo</source>
        <translation>&amp;About Vireo</translation>
    </message>
    <message>
        <source>About Vireo</source>
        <translation>About Vireo</translation>
    </message>
    <message>
        <source>Vireo %1
Schematic capture for printed circuit boards.</source>
        <translation>Vireo %1
Schematic capture for printed circuit boards.</translation>
    </message>
    <message>
        <source>Open this project file</source>
        <translation>Open this project file</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>&amp;Next Window</translation>
    </message>
    <message>
        <source>%1
An automatically saved copy newer than this file exists (the program did not end normally).
Open the automatically saved copy?</source>
        <translation>%1
An automatically saved copy newer than this file exists (the program did not end normally).
Open the automatically saved copy?</translation>
    </message>
    <message>
        <source>No sheet of the project %1 could be opened.</source>
        <translation>No sheet of the project %1 could be opened.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>The language changes when Vireo is started next time.</source>
        <translation>The language changes when Vireo is started next time.</translation>
    </message>
    <message>
        <source>Autosaving</source>
        <translation>Autosaving</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Print Pro&amp;ject...</source>
        <translation>Print Pro&amp;ject...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Find the specified text</source>
        <translation>Find the specified text</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>Repeat the last find action</source>
        <translation>Repeat the last find action</translation>
    </message>
    <message>
        <source>Copy as &amp;Picture</source>
        <translation>Copy as &amp;Picture</translation>
    </message>
    <message>
        <source>&amp;Color Bitmap</source>
        <translation>&amp;Color Bitmap</translation>
    </message>
    <message>
        <source>&amp;Mono Bitmap</source>
        <translation>&amp;Mono Bitmap</translation>
    </message>
    <message>
        <source>Color &amp;Vector Picture (SVG)</source>
        <translation>Color &amp;Vector Picture (SVG)</translation>
    </message>
    <message>
        <source>Mono V&amp;ector Picture (SVG)</source>
        <translation>Mono V&amp;ector Picture (SVG)</translation>
    </message>
    <message>
        <source>&amp;Save Vector Picture...</source>
        <translation>&amp;Save Vector Picture...</translation>
    </message>
    <message>
        <source>Save Vector Picture</source>
        <translation>Save Vector Picture</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG pictures (*.svg)</translation>
    </message>
</context>
<context>
    <name>CHoverTip</name>
    <message>
        <source>&lt;Part name&gt; </source>
        <translation>&lt;Part name&gt; </translation>
    </message>
    <message>
        <source>&lt;Reference&gt; </source>
        <translation>&lt;Reference&gt; </translation>
    </message>
    <message>
        <source>&lt;Value&gt; </source>
        <translation>&lt;Value&gt; </translation>
    </message>
    <message>
        <source>&lt;Pin no&gt; %1 &lt;Pin name&gt; %2 (%3)</source>
        <translation>&lt;Pin no&gt; %1 &lt;Pin name&gt; %2 (%3)</translation>
    </message>
    <message>
        <source>&lt;File %1&gt; %2</source>
        <translation>&lt;File %1&gt; %2</translation>
    </message>
    <message>
        <source>&lt;Pin no&gt; </source>
        <translation>&lt;Pin no&gt; </translation>
    </message>
    <message>
        <source>&lt;Pin name&gt; </source>
        <translation>&lt;Pin name&gt; </translation>
    </message>
    <message>
        <source>&lt;Type&gt; %1</source>
        <translation>&lt;Type&gt; %1</translation>
    </message>
    <message>
        <source>&lt;Signal name&gt; </source>
        <translation>&lt;Signal name&gt; </translation>
    </message>
    <message>
        <source>&lt;Height&gt; %1</source>
        <translation>&lt;Height&gt; %1</translation>
    </message>
    <message>
        <source>&lt;Font&gt; </source>
        <translation>&lt;Font&gt; </translation>
    </message>
    <message>
        <source>&lt;Hidden text&gt; </source>
        <translation>&lt;Hidden text&gt; </translation>
    </message>
    <message>
        <source>&lt;Start&gt; %1 &lt;End&gt; %2 &lt;Radius&gt; %3</source>
        <translation>&lt;Start&gt; %1 &lt;End&gt; %2 &lt;Radius&gt; %3</translation>
    </message>
    <message>
        <source>&lt;Arrow&gt; %1</source>
        <translation>&lt;Arrow&gt; %1</translation>
    </message>
</context>
<context>
    <name>CVIREOView</name>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom last</source>
        <translation>Zoom last</translation>
    </message>
    <message>
        <source>Zoom all</source>
        <translation>Zoom all</translation>
    </message>
    <message>
        <source>Zoom window</source>
        <translation>Zoom window</translation>
    </message>
    <message>
        <source>Cancel zoom</source>
        <translation>Cancel zoom</translation>
    </message>
    <message>
        <source>Move centre</source>
        <translation>Move centre</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
    <message>
        <source>Left-click the point that is to be the centre of the window</source>
        <translation>Left-click the point that is to be the centre of the window</translation>
    </message>
    <message>
        <source>Left-click and drag the area to show</source>
        <translation>Left-click and drag the area to show</translation>
    </message>
</context>
<context>
    <name>CDlgFind</name>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Find what:</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>Search in</translation>
    </message>
    <message>
        <source>&amp;Part name</source>
        <translation>&amp;Part name</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>&amp;Reference</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Value</translation>
    </message>
    <message>
        <source>P&amp;in name</source>
        <translation>P&amp;in name</translation>
    </message>
    <message>
        <source>Pin n&amp;umber</source>
        <translation>Pin n&amp;umber</translation>
    </message>
    <message>
        <source>Te&amp;xt in parts</source>
        <translation>Te&amp;xt in parts</translation>
    </message>
    <message>
        <source>Signal &amp;name</source>
        <translation>Signal &amp;name</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>&amp;Whole text only</source>
        <translation>&amp;Whole text only</translation>
    </message>
    <message>
        <source>Include &amp;hidden texts and pins</source>
        <translation>Include &amp;hidden texts and pins</translation>
    </message>
    <message>
        <source>Search &amp;all open sheets</source>
        <translation>Search &amp;all open sheets</translation>
    </message>
    <message>
        <source>&amp;Select every match</source>
        <translation>&amp;Select every match</translation>
    </message>
</context>
</TS>
