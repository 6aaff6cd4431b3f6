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
    <name>CDlgFileHistory</name>
    <message>
        <source>File History</source>
        <translation>File History</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Clear History</translation>
    </message>
    <message>
        <source>Recent sheets:</source>
        <translation>Recent sheets:</translation>
    </message>
    <message>
        <source>Recent projects:</source>
        <translation>Recent projects:</translation>
    </message>
</context>
<context>
    <name>COptColor</name>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Main grid</source>
        <translation>Main grid</translation>
    </message>
    <message>
        <source>Sub grid</source>
        <translation>Sub grid</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>Wire name</source>
        <translation>Wire name</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>Bus name</source>
        <translation>Bus name</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Line name</source>
        <translation>Line name</translation>
    </message>
    <message>
        <source>Junction</source>
        <translation>Junction</translation>
    </message>
    <message>
        <source>Part outline</source>
        <translation>Part outline</translation>
    </message>
    <message>
        <source>Part reference</source>
        <translation>Part reference</translation>
    </message>
    <message>
        <source>Part name</source>
        <translation>Part name</translation>
    </message>
    <message>
        <source>Part value</source>
        <translation>Part value</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Pin number</source>
        <translation>Pin number</translation>
    </message>
    <message>
        <source>Pin name</source>
        <translation>Pin name</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Highlighted net</source>
        <translation>Highlighted net</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>&amp;Reset to Defaults</source>
        <translation>&amp;Reset to Defaults</translation>
    </message>
</context>
<context>
    <name>COptFieldPage</name>
    <message>
        <source>"%1" holds characters that the settings cannot store.</source>
        <translation>"%1" holds characters that the settings cannot store.</translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Keep a backup (.bak) of the sheet when saving</source>
        <translation>Keep a backup (.bak) of the sheet when saving</translation>
    </message>
    <message>
        <source>Save the title block in the sheet file</source>
        <translation>Save the title block in the sheet file</translation>
    </message>
    <message>
        <source>Save a copy in the save folder as well</source>
        <translation>Save a copy in the save folder as well</translation>
    </message>
    <message>
        <source>Save folder:</source>
        <translation>Save folder:</translation>
    </message>
    <message>
        <source>Start folder of the open dialog:</source>
        <translation>Start folder of the open dialog:</translation>
    </message>
    <message>
        <source>Ask before writing to removable media</source>
        <translation>Ask before writing to removable media</translation>
    </message>
    <message>
        <source>Add saved sheets to the current project</source>
        <translation>Add saved sheets to the current project</translation>
    </message>
    <message>
        <source>Keep a backup (.lbk) of a library when it changes</source>
        <translation>Keep a backup (.lbk) of a library when it changes</translation>
    </message>
    <message>
        <source>Automatic save</source>
        <translation>Automatic save</translation>
    </message>
    <message>
        <source>Save modified sheets automatically</source>
        <translation>Save modified sheets automatically</translation>
    </message>
    <message>
        <source>Autosave after this many edits:</source>
        <translation>Autosave after this many edits:</translation>
    </message>
    <message>
        <source>Autosave delay (seconds):</source>
        <translation>Autosave delay (seconds):</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Draw the background in pictures</source>
        <translation>Draw the background in pictures</translation>
    </message>
    <message>
        <source>Draw picture texts as single characters</source>
        <translation>Draw picture texts as single characters</translation>
    </message>
    <message>
        <source>Text editor (%f is the file):</source>
        <translation>Text editor (%f is the file):</translation>
    </message>
    <message>
        <source>Before project commands:</source>
        <translation>Before project commands:</translation>
    </message>
    <message>
        <source>Ask about modified sheets</source>
        <translation>Ask about modified sheets</translation>
    </message>
    <message>
        <source>Save modified project sheets</source>
        <translation>Save modified project sheets</translation>
    </message>
    <message>
        <source>Save opened documents without asking</source>
        <translation>Save opened documents without asking</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>External program %1 (Ctrl+F%1):</source>
        <translation>External program %1 (Ctrl+F%1):</translation>
    </message>
    <message>
        <source>Net list</source>
        <translation>Net list</translation>
    </message>
    <message>
        <source>Net list format number:</source>
        <translation>Net list format number:</translation>
    </message>
    <message>
        <source>Write the net report</source>
        <translation>Write the net report</translation>
    </message>
    <message>
        <source>Net report as HTML</source>
        <translation>Net report as HTML</translation>
    </message>
    <message>
        <source>Unix line ends</source>
        <translation>Unix line ends</translation>
    </message>
    <message>
        <source>Show the written files</source>
        <translation>Show the written files</translation>
    </message>
    <message>
        <source>Include power pins</source>
        <translation>Include power pins</translation>
    </message>
    <message>
        <source>Write the part section</source>
        <translation>Write the part section</translation>
    </message>
    <message>
        <source>Node names in capitals</source>
        <translation>Node names in capitals</translation>
    </message>
    <message>
        <source>Signal names in capitals</source>
        <translation>Signal names in capitals</translation>
    </message>
    <message>
        <source>Board layout file:</source>
        <translation>Board layout file:</translation>
    </message>
    <message>
        <source>Part list and numbering</source>
        <translation>Part list and numbering</translation>
    </message>
    <message>
        <source>Part list extension:</source>
        <translation>Part list extension:</translation>
    </message>
    <message>
        <source>Part list properties:</source>
        <translation>Part list properties:</translation>
    </message>
    <message>
        <source>Count equal parts</source>
        <translation>Count equal parts</translation>
    </message>
    <message>
        <source>First reference number:</source>
        <translation>First reference number:</translation>
    </message>
    <message>
        <source>Numbering order:</source>
        <translation>Numbering order:</translation>
    </message>
    <message>
        <source>Numbering step:</source>
        <translation>Numbering step:</translation>
    </message>
    <message>
        <source>Number from the first sheet on</source>
        <translation>Number from the first sheet on</translation>
    </message>
    <message>
        <source>Page offset of references:</source>
        <translation>Page offset of references:</translation>
    </message>
    <message>
        <source>Number each sheet on its own</source>
        <translation>Number each sheet on its own</translation>
    </message>
    <message>
        <source>Simple Was-Is file</source>
        <translation>Simple Was-Is file</translation>
    </message>
    <message>
        <source>Net index</source>
        <translation>Net index</translation>
    </message>
    <message>
        <source>List single signals</source>
        <translation>List single signals</translation>
    </message>
    <message>
        <source>With coordinates</source>
        <translation>With coordinates</translation>
    </message>
    <message>
        <source>Net index as HTML</source>
        <translation>Net index as HTML</translation>
    </message>
    <message>
        <source>Show the net index</source>
        <translation>Show the net index</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>270°</source>
        <translation>270°</translation>
    </message>
    <message>
        <source>Initial Settings</source>
        <translation>Initial Settings</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texts</translation>
    </message>
    <message>
        <source>Text height:</source>
        <translation>Text height:</translation>
    </message>
    <message>
        <source>Horizontal anchor:</source>
        <translation>Horizontal anchor:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Vertical anchor:</source>
        <translation>Vertical anchor:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Text direction:</source>
        <translation>Text direction:</translation>
    </message>
    <message>
        <source>Switch the input method on for texts</source>
        <translation>Switch the input method on for texts</translation>
    </message>
    <message>
        <source>Latin font:</source>
        <translation>Latin font:</translation>
    </message>
    <message>
        <source>Japanese font:</source>
        <translation>Japanese font:</translation>
    </message>
    <message>
        <source>Frame shown properties</source>
        <translation>Frame shown properties</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pins</translation>
    </message>
    <message>
        <source>Pin length:</source>
        <translation>Pin length:</translation>
    </message>
    <message>
        <source>Pin type number:</source>
        <translation>Pin type number:</translation>
    </message>
    <message>
        <source>Mark not-connected pins</source>
        <translation>Mark not-connected pins</translation>
    </message>
    <message>
        <source>Mark open pins</source>
        <translation>Mark open pins</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Line type number:</source>
        <translation>Line type number:</translation>
    </message>
    <message>
        <source>Arrow at the start:</source>
        <translation>Arrow at the start:</translation>
    </message>
    <message>
        <source>Arrow at the end:</source>
        <translation>Arrow at the end:</translation>
    </message>
    <message>
        <source>Wire width:</source>
        <translation>Wire width:</translation>
    </message>
    <message>
        <source>Power wire width:</source>
        <translation>Power wire width:</translation>
    </message>
    <message>
        <source>Bus width:</source>
        <translation>Bus width:</translation>
    </message>
    <message>
        <source>Line width:</source>
        <translation>Line width:</translation>
    </message>
    <message>
        <source>Attribute heights</source>
        <translation>Attribute heights</translation>
    </message>
    <message>
        <source>Wire names:</source>
        <translation>Wire names:</translation>
    </message>
    <message>
        <source>Bus names:</source>
        <translation>Bus names:</translation>
    </message>
    <message>
        <source>Line names:</source>
        <translation>Line names:</translation>
    </message>
    <message>
        <source>Pin names:</source>
        <translation>Pin names:</translation>
    </message>
    <message>
        <source>Pin numbers:</source>
        <translation>Pin numbers:</translation>
    </message>
    <message>
        <source>Part names:</source>
        <translation>Part names:</translation>
    </message>
    <message>
        <source>Part references:</source>
        <translation>Part references:</translation>
    </message>
    <message>
        <source>Part values:</source>
        <translation>Part values:</translation>
    </message>
    <message>
        <source>Power parts</source>
        <translation>Power parts</translation>
    </message>
    <message>
        <source>Supply part:</source>
        <translation>Supply part:</translation>
    </message>
    <message>
        <source>Ground part:</source>
        <translation>Ground part:</translation>
    </message>
    <message>
        <source>Steps when copying</source>
        <translation>Steps when copying</translation>
    </message>
    <message>
        <source>Part references</source>
        <translation>Part references</translation>
    </message>
    <message>
        <source>Pin numbers</source>
        <translation>Pin numbers</translation>
    </message>
    <message>
        <source>Pin names</source>
        <translation>Pin names</translation>
    </message>
    <message>
        <source>Wire names</source>
        <translation>Wire names</translation>
    </message>
    <message>
        <source>Bus names</source>
        <translation>Bus names</translation>
    </message>
    <message>
        <source>Line names</source>
        <translation>Line names</translation>
    </message>
    <message>
        <source>Number %1 on copy</source>
        <translation>Number %1 on copy</translation>
    </message>
    <message>
        <source>%1 step:</source>
        <translation>%1 step:</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>Repeat line input</source>
        <translation>Repeat line input</translation>
    </message>
    <message>
        <source>Repeat pin input</source>
        <translation>Repeat pin input</translation>
    </message>
    <message>
        <source>Repeat text input</source>
        <translation>Repeat text input</translation>
    </message>
    <message>
        <source>Edit a line again after input</source>
        <translation>Edit a line again after input</translation>
    </message>
    <message>
        <source>Edit a pin again after input</source>
        <translation>Edit a pin again after input</translation>
    </message>
    <message>
        <source>Lines follow moved parts</source>
        <translation>Lines follow moved parts</translation>
    </message>
    <message>
        <source>Jump to the next reference</source>
        <translation>Jump to the next reference</translation>
    </message>
    <message>
        <source>Order by reference</source>
        <translation>Order by reference</translation>
    </message>
    <message>
        <source>Keep the drawing order</source>
        <translation>Keep the drawing order</translation>
    </message>
    <message>
        <source>Copy &amp;&amp; Edit</source>
        <translation>Copy &amp;&amp; Edit</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Horizontal and vertical</source>
        <translation>Horizontal and vertical</translation>
    </message>
    <message>
        <source>45 degrees</source>
        <translation>45 degrees</translation>
    </message>
    <message>
        <source>Line Input</source>
        <translation>Line Input</translation>
    </message>
    <message>
        <source>Wires: lock the direction automatically</source>
        <translation>Wires: lock the direction automatically</translation>
    </message>
    <message>
        <source>Wires:</source>
        <translation>Wires:</translation>
    </message>
    <message>
        <source>Buses: lock the direction automatically</source>
        <translation>Buses: lock the direction automatically</translation>
    </message>
    <message>
        <source>Buses:</source>
        <translation>Buses:</translation>
    </message>
    <message>
        <source>Lines: lock the direction automatically</source>
        <translation>Lines: lock the direction automatically</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>Lines:</translation>
    </message>
    <message>
        <source>Arcs: lock the direction automatically</source>
        <translation>Arcs: lock the direction automatically</translation>
    </message>
    <message>
        <source>Arcs:</source>
        <translation>Arcs:</translation>
    </message>
    <message>
        <source>Lock in the middle of a line</source>
        <translation>Lock in the middle of a line</translation>
    </message>
    <message>
        <source>Draw lines as paths</source>
        <translation>Draw lines as paths</translation>
    </message>
    <message>
        <source>End wires on pins</source>
        <translation>End wires on pins</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Actual size</translation>
    </message>
    <message>
        <source>Fit to the paper</source>
        <translation>Fit to the paper</translation>
    </message>
    <message>
        <source>Fit to the printable area</source>
        <translation>Fit to the printable area</translation>
    </message>
    <message>
        <source>Print in colour</source>
        <translation>Print in colour</translation>
    </message>
    <message>
        <source>Print the grid</source>
        <translation>Print the grid</translation>
    </message>
    <message>
        <source>Print hidden texts</source>
        <translation>Print hidden texts</translation>
    </message>
    <message>
        <source>Print the marks of open pins</source>
        <translation>Print the marks of open pins</translation>
    </message>
    <message>
        <source>Print light colours grey</source>
        <translation>Print light colours grey</translation>
    </message>
    <message>
        <source>Paper direction:</source>
        <translation>Paper direction:</translation>
    </message>
    <message>
        <source>As the sheet</source>
        <translation>As the sheet</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>New sheet size:</source>
        <translation>New sheet size:</translation>
    </message>
    <message>
        <source>A2 landscape</source>
        <translation>A2 landscape</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 landscape</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 landscape</translation>
    </message>
    <message>
        <source>A2 portrait</source>
        <translation>A2 portrait</translation>
    </message>
    <message>
        <source>A3 portrait</source>
        <translation>A3 portrait</translation>
    </message>
    <message>
        <source>A4 portrait</source>
        <translation>A4 portrait</translation>
    </message>
    <message>
        <source>Sheet widths (A2 A3 A4):</source>
        <translation>Sheet widths (A2 A3 A4):</translation>
    </message>
    <message>
        <source>Sheet heights (A2 A3 A4):</source>
        <translation>Sheet heights (A2 A3 A4):</translation>
    </message>
    <message>
        <source>Show full paths in window titles</source>
        <translation>Show full paths in window titles</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Projects</translation>
    </message>
    <message>
        <source>Start without a project</source>
        <translation>Start without a project</translation>
    </message>
    <message>
        <source>Open the last project at start</source>
        <translation>Open the last project at start</translation>
    </message>
    <message>
        <source>Open every sheet of a project</source>
        <translation>Open every sheet of a project</translation>
    </message>
    <message>
        <source>Open project sheets in reverse order</source>
        <translation>Open project sheets in reverse order</translation>
    </message>
    <message>
        <source>Maximise sheets opened from a project</source>
        <translation>Maximise sheets opened from a project</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Zoom step (%):</source>
        <translation>Zoom step (%):</translation>
    </message>
    <message>
        <source>Fewest pixels between grid points:</source>
        <translation>Fewest pixels between grid points:</translation>
    </message>
    <message>
        <source>Main grid:</source>
        <translation>Main grid:</translation>
    </message>
    <message>
        <source>Sub grid:</source>
        <translation>Sub grid:</translation>
    </message>
    <message>
        <source>Show the title block</source>
        <translation>Show the title block</translation>
    </message>
    <message>
        <source>Cursor:</source>
        <translation>Cursor:</translation>
    </message>
    <message>
        <source>Small cross</source>
        <translation>Small cross</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Full-window cross</source>
        <translation>Full-window cross</translation>
    </message>
    <message>
        <source>Attribute texts move by:</source>
        <translation>Attribute texts move by:</translation>
    </message>
    <message>
        <source>The grid</source>
        <translation>The grid</translation>
    </message>
    <message>
        <source>The sub grid</source>
        <translation>The sub grid</translation>
    </message>
    <message>
        <source>Scroll at the window edge while drawing</source>
        <translation>Scroll at the window edge while drawing</translation>
    </message>
    <message>
        <source>Redraw everything when scrolling</source>
        <translation>Redraw everything when scrolling</translation>
    </message>
    <message>
        <source>The wheel scrolls (Ctrl+wheel zooms)</source>
        <translation>The wheel scrolls (Ctrl+wheel zooms)</translation>
    </message>
    <message>
        <source>Grid as lines</source>
        <translation>Grid as lines</translation>
    </message>
    <message>
        <source>Flat tool bar buttons</source>
        <translation>Flat tool bar buttons</translation>
    </message>
    <message>
        <source>Menu style:</source>
        <translation>Menu style:</translation>
    </message>
    <message>
        <source>Show tips</source>
        <translation>Show tips</translation>
    </message>
    <message>
        <source>Tips show the net index of wires</source>
        <translation>Tips show the net index of wires</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Export Settings</translation>
    </message>
    <message>
        <source>Settings (*.ini)</source>
        <translation>Settings (*.ini)</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>%1 cannot be written:
%2</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Import Settings</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1, line %2: %3
Nothing was changed.</source>
        <translation>%1, line %2: %3
Nothing was changed.</translation>
    </message>
    <message>
        <source>%1 cannot be read:
%2
Nothing was changed.</source>
        <translation>%1 cannot be read:
%2
Nothing was changed.</translation>
    </message>
    <message>
        <source>The settings cannot be stored:
%1</source>
        <translation>The settings cannot be stored:
%1</translation>
    </message>
</context>
<context>
    <name>COptSheetPage</name>
    <message>
        <source>File &amp;History...</source>
        <translation>File &amp;History...</translation>
    </message>
</context>
<context>
    <name>COptLibrary</name>
    <message>
        <source>Library</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
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
        <source>Add Part Libraries</source>
        <translation>Add Part Libraries</translation>
    </message>
    <message>
        <source>Part libraries (*.lib)</source>
        <translation>Part libraries (*.lib)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>CDlgGateEdit</name>
    <message>
        <source>Part Edit</source>
        <translation>Part Edit</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Part &amp;name:</source>
        <translation>Part &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Reference:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Value:</translation>
    </message>
    <message>
        <source>The text holds characters that a library cannot store.</source>
        <translation>The text holds characters that a library cannot store.</translation>
    </message>
</context>
<context>
    <name>CDlgLibConvert</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Part files (*.lib)</source>
        <translation>Part files (*.lib)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Specify File</source>
        <translation>Specify File</translation>
    </message>
    <message>
        <source>Library Conversion</source>
        <translation>Library Conversion</translation>
    </message>
    <message>
        <source>Part library → text library</source>
        <translation>Part library → text library</translation>
    </message>
    <message>
        <source>Text library → part library</source>
        <translation>Text library → part library</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Source file:</source>
        <translation>Source file:</translation>
    </message>
    <message>
        <source>Destination file:</source>
        <translation>Destination file:</translation>
    </message>
    <message>
        <source>Conversion:</source>
        <translation>Conversion:</translation>
    </message>
    <message>
        <source>The file does not exist. Create it?</source>
        <translation>The file does not exist. Create it?</translation>
    </message>
</context>
<context>
    <name>CDlgLibList</name>
    <message>
        <source>Edit Library</source>
        <translation>Edit Library</translation>
    </message>
    <message>
        <source>Part Library</source>
        <translation>Part Library</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>Filter by name</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>&amp;Part Edit...</source>
        <translation>&amp;Part Edit...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Choose a library other than the package's own.</source>
        <translation>Choose a library other than the package's own.</translation>
    </message>
    <message>
        <source>%1 already holds a package named %2.</source>
        <translation>%1 already holds a package named %2.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Edit &amp;Library...</source>
        <translation>Edit &amp;Library...</translation>
    </message>
    <message>
        <source>Library &amp;Conversion...</source>
        <translation>Library &amp;Conversion...</translation>
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
