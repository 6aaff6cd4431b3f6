<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CDlgFileNew</name>
    <message>
        <source>New Sheet</source>
        <translation>新規図面</translation>
    </message>
    <message>
        <source>Sheet &amp;size:</source>
        <translation>図面サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Title block:</source>
        <translation>図枠(&amp;T):</translation>
    </message>
    <message>
        <source>%1 landscape</source>
        <translation>%1 横</translation>
    </message>
    <message>
        <source>%1 portrait</source>
        <translation>%1 縦</translation>
    </message>
</context>
<context>
    <name>CDlgProject</name>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Open from the top of the list (&amp;R)</source>
        <translation>上から順に開く(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Open a&amp;ll</source>
        <translation>全部開く(&amp;L)</translation>
    </message>
    <message>
        <source>Open &amp;checked</source>
        <translation>ﾁｪｯｸを開く(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>除外(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>先頭(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>末尾(&amp;B)</translation>
    </message>
    <message>
        <source>Chec&amp;k all</source>
        <translation>全チェック(&amp;K)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The project file does not exist.
Remove it from the history?</source>
        <translation>プロジェクトファイルが存在しません
履歴から除外しますか？</translation>
    </message>
    <message>
        <source>Project files (*.dpj)</source>
        <translation>プロジェクトファイル (*.dpj)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Sheet files (*.dcd)</source>
        <translation>図面ファイル (*.dcd)</translation>
    </message>
    <message>
        <source>No project file is set or it lists no sheet.
Work without a project?</source>
        <translation>プロジェクトファイルが未設定か図面ファイルが登録されていません
「プロジェクト無し」にしますか？</translation>
    </message>
    <message>
        <source>The project file %1 could not be written: %2</source>
        <translation>プロジェクトファイル %1 を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>レディ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Sheet files (*.dcd)</source>
        <translation>図面ファイル (*.dcd)</translation>
    </message>
    <message>
        <source>Project files (*.dpj)</source>
        <translation>プロジェクトファイル (*.dpj)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新規作成(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Project...</source>
        <translation>プロジェクト(&amp;P)...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近使った図面(&amp;F)</translation>
    </message>
    <message>
        <source>Recent P&amp;rojects</source>
        <translation>最近使ったプロジェクト(&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;Up</source>
        <translation>拡大(&amp;U)</translation>
    </message>
    <message>
        <source>Zoom &amp;Down</source>
        <translation>縮小(&amp;D)</translation>
    </message>
    <message>
        <source>Zoom &amp;Center</source>
        <translation>中心指定(&amp;C)</translation>
    </message>
    <message>
        <source>Zoom &amp;Last</source>
        <translation>前の表示(&amp;L)</translation>
    </message>
    <message>
        <source>Zoom &amp;All</source>
        <translation>全体表示(&amp;A)</translation>
    </message>
    <message>
        <source>Zoom &amp;Window</source>
        <translation>ウインドウ表示(&amp;W)</translation>
    </message>
    <message>
        <source>Display A&amp;reas</source>
        <translation>表示エリア(&amp;R)</translation>
    </message>
    <message>
        <source>Show Area &amp;1</source>
        <translation>エリア１を表示(&amp;1)</translation>
    </message>
    <message>
        <source>Show Area &amp;2</source>
        <translation>エリア２を表示(&amp;2)</translation>
    </message>
    <message>
        <source>Define &amp;All Area</source>
        <translation>全体エリアを設定(&amp;A)</translation>
    </message>
    <message>
        <source>Define Area 1</source>
        <translation>エリア１を設定</translation>
    </message>
    <message>
        <source>Define Area 2</source>
        <translation>エリア２を設定</translation>
    </message>
    <message>
        <source>&amp;Reset Areas</source>
        <translation>エリアをリセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Grid Main/Sub</source>
        <translation>グリッド切替え(&amp;G)</translation>
    </message>
    <message>
        <source>Show G&amp;rid</source>
        <translation>グリッド表示(&amp;I)</translation>
    </message>
    <message>
        <source>Grid with &amp;Circles</source>
        <translation>丸付きグリッド(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Title Block</source>
        <translation>図枠表示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システムに従う</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Vireo</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>About Vireo</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Vireo %1
Schematic capture for printed circuit boards.</source>
        <translation>Vireo %1
プリント基板用の回路図エディタ</translation>
    </message>
    <message>
        <source>Open this project file</source>
        <translation>このプロジェクトファイルを開きます</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>この図面を開きます</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>重ねて表示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>並べて表示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Next Window</source>
        <translation>次のウィンドウ(&amp;N)</translation>
    </message>
    <message>
        <source>%1
An automatically saved copy newer than this file exists (the program did not end normally).
Open the automatically saved copy?</source>
        <translation>%1
このファイルより新しい自動保存ファイルがあります（前回正常に終了しませんでした）。
自動保存ファイルを開きますか？</translation>
    </message>
    <message>
        <source>No sheet of the project %1 could be opened.</source>
        <translation>プロジェクト %1 の図面を開けませんでした。</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか？</translation>
    </message>
    <message>
        <source>The language changes when Vireo is started next time.</source>
        <translation>言語は次回の起動時に切り替わります。</translation>
    </message>
    <message>
        <source>Autosaving</source>
        <translation>自動保存中</translation>
    </message>
</context>
<context>
    <name>CHoverTip</name>
    <message>
        <source>&lt;Part name&gt; </source>
        <translation>&lt;部品名&gt; </translation>
    </message>
    <message>
        <source>&lt;Reference&gt; </source>
        <translation>&lt;参照番号&gt; </translation>
    </message>
    <message>
        <source>&lt;Value&gt; </source>
        <translation>&lt;値&gt; </translation>
    </message>
    <message>
        <source>&lt;Pin no&gt; %1 &lt;Pin name&gt; %2 (%3)</source>
        <translation>&lt;ピン番&gt; %1 &lt;ピン名&gt; %2 (%3)</translation>
    </message>
    <message>
        <source>&lt;File %1&gt; %2</source>
        <translation>&lt;ファイル %1&gt; %2</translation>
    </message>
    <message>
        <source>&lt;Pin no&gt; </source>
        <translation>&lt;ピン番&gt; </translation>
    </message>
    <message>
        <source>&lt;Pin name&gt; </source>
        <translation>&lt;ピン名&gt; </translation>
    </message>
    <message>
        <source>&lt;Type&gt; %1</source>
        <translation>&lt;タイプ&gt; %1</translation>
    </message>
    <message>
        <source>&lt;Signal name&gt; </source>
        <translation>&lt;信号名&gt; </translation>
    </message>
    <message>
        <source>&lt;Height&gt; %1</source>
        <translation>&lt;高さ&gt; %1</translation>
    </message>
    <message>
        <source>&lt;Font&gt; </source>
        <translation>&lt;フォント&gt; </translation>
    </message>
    <message>
        <source>&lt;Hidden text&gt; </source>
        <translation>&lt;非表示文字列&gt; </translation>
    </message>
    <message>
        <source>&lt;Start&gt; %1 &lt;End&gt; %2 &lt;Radius&gt; %3</source>
        <translation>&lt;始&gt; %1 &lt;終&gt; %2 &lt;半径&gt; %3</translation>
    </message>
    <message>
        <source>&lt;Arrow&gt; %1</source>
        <translation>&lt;矢印&gt; %1</translation>
    </message>
</context>
<context>
    <name>CVIREOView</name>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom last</source>
        <translation>前の表示</translation>
    </message>
    <message>
        <source>Zoom all</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Zoom window</source>
        <translation>ウインドウ表示</translation>
    </message>
    <message>
        <source>Cancel zoom</source>
        <translation>ズーム取消し</translation>
    </message>
    <message>
        <source>Move centre</source>
        <translation>中心移動</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>倍率 %1</translation>
    </message>
    <message>
        <source>Left-click the point that is to be the centre of the window</source>
        <translation>画面の中心にしたい位置を左クリックで指示します</translation>
    </message>
    <message>
        <source>Left-click and drag the area to show</source>
        <translation>ウインドウ表示位置を左クリックで指示します</translation>
    </message>
</context>
</TS>
