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
    <message>
        <source>Change Sheet Size</source>
        <translation>図面サイズの変更</translation>
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
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Tool</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Pin &amp;Side</source>
        <translation>ピンの向き(&amp;S)</translation>
    </message>
    <message>
        <source>C&amp;hain Selection</source>
        <translation>連続選択(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Wires</source>
        <translation>配線(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Buses</source>
        <translation>バス(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Lines</source>
        <translation>線(&amp;L)</translation>
    </message>
    <message>
        <source>Sheet Si&amp;ze...</source>
        <translation>図面サイズ(&amp;Z)...</translation>
    </message>
    <message>
        <source>Document &amp;Properties...</source>
        <translation>プロパティ(&amp;P)...</translation>
    </message>
    <message>
        <source>The text holds characters that a sheet cannot store.</source>
        <translation>図面に保存できない文字が含まれています。</translation>
    </message>
    <message>
        <source>Descend</source>
        <translation>下位図面</translation>
    </message>
    <message>
        <source>The sheet %1 does not exist.</source>
        <translation>図面 %1 がありません。</translation>
    </message>
    <message>
        <source>No open sheet stands above this one.</source>
        <translation>この図面の上位図面は開かれていません。</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>Edit &amp;Library...</source>
        <translation>部品ライブラリ編集(&amp;L)...</translation>
    </message>
    <message>
        <source>Library &amp;Conversion...</source>
        <translation>部品ファイル変換(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>プロジェクト(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Net List...</source>
        <translation>ネットリスト(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Part List...</source>
        <translation>部品表(&amp;P)...</translation>
    </message>
    <message>
        <source>Part N&amp;o...</source>
        <translation>部品番号割付(&amp;O)...</translation>
    </message>
    <message>
        <source>Net &amp;Index...</source>
        <translation>ネットインデックス(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Check Sheets...</source>
        <translation>重複整理(&amp;C)...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>PDF変換(&amp;D)...</translation>
    </message>
    <message>
        <source>Export D&amp;XF...</source>
        <translation>DXF出力(&amp;X)...</translation>
    </message>
    <message>
        <source>Export &amp;Tango...</source>
        <translation>Tango出力(&amp;T)...</translation>
    </message>
    <message>
        <source>Save Other &amp;Format...</source>
        <translation>他の形式で保存(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Report Window</source>
        <translation>レポートウィンドウ(&amp;R)</translation>
    </message>
    <message>
        <source>Make Net List</source>
        <translation>ネットリスト作成</translation>
    </message>
    <message>
        <source>Make Part List</source>
        <translation>部品作成</translation>
    </message>
    <message>
        <source>Part Numbering</source>
        <translation>部品番号割付</translation>
    </message>
    <message>
        <source>Make Net Index</source>
        <translation>ネットインデックス作成</translation>
    </message>
    <message>
        <source>Check Sheets</source>
        <translation>重複整理</translation>
    </message>
    <message>
        <source>PDF Conversion</source>
        <translation>PDF変換</translation>
    </message>
    <message>
        <source>Cancelled; no file was changed.</source>
        <translation>中止しました。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>Cancelled; no log was written.</source>
        <translation>中止しました。ログファイルは作成されていません。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>中止しました。</translation>
    </message>
    <message>
        <source>Parts: %1, lines: %2
%3</source>
        <translation>使用部品数 %1、行数 %2
%3</translation>
    </message>
    <message>
        <source>Names: %1
%2</source>
        <translation>信号名 %1
%2</translation>
    </message>
    <message>
        <source>Tango schematic (*)</source>
        <translation>Tango 回路図 (*)</translation>
    </message>
    <message>
        <source>DXF (*.dxf)</source>
        <translation>DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Save Other Format</source>
        <translation>他の形式で保存</translation>
    </message>
    <message>
        <source>%1 is no readable sheet file; the link is refused.</source>
        <translation>%1 は読める図面ファイルではありません。リンクを実行しません。</translation>
    </message>
    <message>
        <source>%1 is no Vireo link.</source>
        <translation>%1 は Vireo のリンクではありません。</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>印刷プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>Print Pro&amp;ject...</source>
        <translation>プロジェクト印刷(&amp;J)...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>プリンタの設定(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find the specified text</source>
        <translation>指定した文字列を検索します</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Repeat the last find action</source>
        <translation>直前の検索を繰り返します</translation>
    </message>
    <message>
        <source>Copy as &amp;Picture</source>
        <translation>図としてコピー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Color Bitmap</source>
        <translation>カラービットマップ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Mono Bitmap</source>
        <translation>モノクロビットマップ(&amp;M)</translation>
    </message>
    <message>
        <source>Color &amp;Vector Picture (SVG)</source>
        <translation>カラーベクター図 (SVG)(&amp;V)</translation>
    </message>
    <message>
        <source>Mono V&amp;ector Picture (SVG)</source>
        <translation>モノクロベクター図 (SVG)(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Save Vector Picture...</source>
        <translation>ベクター図を保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Vector Picture</source>
        <translation>ベクター図を保存</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG 図 (*.svg)</translation>
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
<context>
    <name>CDlgPartInput</name>
    <message>
        <source>Part</source>
        <translation>部品</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Part &amp;name:</source>
        <translation>部品名(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>部品番号(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>定数(&amp;V):</translation>
    </message>
</context>
<context>
    <name>CEditAdapter</name>
    <message>
        <source>&amp;Wire</source>
        <translation>配線(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Bus</source>
        <translation>バス(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>線(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Part</source>
        <translation>部品(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>文字列(&amp;T)</translation>
    </message>
    <message>
        <source>P&amp;in</source>
        <translation>ピン(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Curve</source>
        <translation>円弧(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>複写(&amp;O)</translation>
    </message>
    <message>
        <source>Move &amp;Attribute</source>
        <translation>属性移動(&amp;A)</translation>
    </message>
    <message>
        <source>Mo&amp;dify</source>
        <translation>修正(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Erase</source>
        <translation>削除(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>クリップボードへコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>キャンセル(&amp;A)</translation>
    </message>
    <message>
        <source>Flip &amp;Horizontal</source>
        <translation>左右反転(&amp;H)</translation>
    </message>
    <message>
        <source>Flip &amp;Vertical</source>
        <translation>上下反転(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>回転(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>論理反転(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Next Gate</source>
        <translation>次ゲート(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Before Gate</source>
        <translation>前ゲート(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Clock</source>
        <translation>クロック(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Dot</source>
        <translation>ドット(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Left Side</source>
        <translation>左向き(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Under Side</source>
        <translation>下向き(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Right Side</source>
        <translation>右向き(&amp;R)</translation>
    </message>
    <message>
        <source>U&amp;pper Side</source>
        <translation>上向き(&amp;P)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>Re-&amp;select</source>
        <translation>再選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Make Pa&amp;rt</source>
        <translation>部品作成(&amp;R)</translation>
    </message>
    <message>
        <source>Part Deco&amp;mposition</source>
        <translation>部品分解(&amp;M)</translation>
    </message>
    <message>
        <source>Reset Part Re&amp;ference</source>
        <translation>部品番号リセット(&amp;F)</translation>
    </message>
    <message>
        <source>Desce&amp;nd</source>
        <translation>下の階層へ(&amp;N)</translation>
    </message>
    <message>
        <source>Asc&amp;end</source>
        <translation>上の階層へ(&amp;E)</translation>
    </message>
    <message>
        <source>Li&amp;brary</source>
        <translation>ライブラリ登録(&amp;B)</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>文字列:</translation>
    </message>
    <message>
        <source>The text holds characters that a sheet cannot store.</source>
        <translation>図面に保存できない文字が含まれています。</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>部品</translation>
    </message>
    <message>
        <source>N&amp;umbering Reference</source>
        <translation>部品番号割付(&amp;U)</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>ピン</translation>
    </message>
    <message>
        <source>C&amp;lean Up</source>
        <translation>整理(&amp;L)</translation>
    </message>
    <message>
        <source>Register in Library</source>
        <translation>部品登録</translation>
    </message>
</context>
<context>
    <name>CDlgModify</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Show name</source>
        <translation>名前を表示</translation>
    </message>
    <message>
        <source>Frame (0-14)</source>
        <translation>枠 (0-14)</translation>
    </message>
    <message>
        <source>Power wire</source>
        <translation>電源線</translation>
    </message>
    <message>
        <source>Line style (0-4)</source>
        <translation>線種 (0-4)</translation>
    </message>
    <message>
        <source>Start arrow</source>
        <translation>始点矢印</translation>
    </message>
    <message>
        <source>End arrow</source>
        <translation>終点矢印</translation>
    </message>
    <message>
        <source>Part name</source>
        <translation>部品名</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>部品番号</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>定数</translation>
    </message>
    <message>
        <source>Show part name</source>
        <translation>部品名を表示</translation>
    </message>
    <message>
        <source>Show reference</source>
        <translation>部品番号を表示</translation>
    </message>
    <message>
        <source>Show value</source>
        <translation>定数を表示</translation>
    </message>
    <message>
        <source>Inverted logic</source>
        <translation>論理反転</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>ピン番号</translation>
    </message>
    <message>
        <source>Show number</source>
        <translation>ピン番号を表示</translation>
    </message>
    <message>
        <source>Electrical type</source>
        <translation>電気的タイプ</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>クロック</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>ドット</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字列</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Anchor (keypad code)</source>
        <translation>原点 (テンキー番号)</translation>
    </message>
    <message>
        <source>Direction (quarter turns)</source>
        <translation>方向 (90度単位)</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>印刷</translation>
    </message>
</context>
<context>
    <name>CDlgMakePart</name>
    <message>
        <source>Make Part</source>
        <translation>部品作成</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Part &amp;name:</source>
        <translation>部品名(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>部品番号(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>定数(&amp;V):</translation>
    </message>
    <message>
        <source>single part</source>
        <translation>単独部品</translation>
    </message>
    <message>
        <source>&amp;Gates in the package:</source>
        <translation>パッケージのゲート数(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;This gate:</source>
        <translation>ゲート番号(&amp;T):</translation>
    </message>
    <message>
        <source>The text holds characters that a sheet cannot store.</source>
        <translation>図面に保存できない文字が含まれています。</translation>
    </message>
</context>
<context>
    <name>CDlgMakeLib</name>
    <message>
        <source>Register in Library</source>
        <translation>部品登録</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Library File</source>
        <translation>部品ファイル</translation>
    </message>
    <message>
        <source>Part libraries (*.lib)</source>
        <translation>部品ファイル (*.lib)</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>部品ファイル(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Package name:</source>
        <translation>部品名(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Leave out:</source>
        <translation>登録しないプロパティ(&amp;O):</translation>
    </message>
</context>
<context>
    <name>CDlgFileProperty</name>
    <message>
        <source>Document Properties</source>
        <translation>図面のプロパティ</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作成者(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>コメント(&amp;C):</translation>
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
        <source>File version:</source>
        <translation>ファイルバージョン:</translation>
    </message>
</context>
<context>
    <name>CDlgFileHistory</name>
    <message>
        <source>File History</source>
        <translation>ファイル履歴</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>履歴削除</translation>
    </message>
    <message>
        <source>Recent sheets:</source>
        <translation>最近使った図面:</translation>
    </message>
    <message>
        <source>Recent projects:</source>
        <translation>最近使ったプロジェクト:</translation>
    </message>
</context>
<context>
    <name>COptColor</name>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Main grid</source>
        <translation>メイングリッド</translation>
    </message>
    <message>
        <source>Sub grid</source>
        <translation>サブグリッド</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>カーソル</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>配線</translation>
    </message>
    <message>
        <source>Wire name</source>
        <translation>配線名</translation>
    </message>
    <message>
        <source>Bus</source>
        <translation>バス</translation>
    </message>
    <message>
        <source>Bus name</source>
        <translation>バス名</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Line name</source>
        <translation>線名</translation>
    </message>
    <message>
        <source>Junction</source>
        <translation>接合点</translation>
    </message>
    <message>
        <source>Part outline</source>
        <translation>部品の外形</translation>
    </message>
    <message>
        <source>Part reference</source>
        <translation>部品番号</translation>
    </message>
    <message>
        <source>Part name</source>
        <translation>部品名</translation>
    </message>
    <message>
        <source>Part value</source>
        <translation>定数</translation>
    </message>
    <message>
        <source>Pin</source>
        <translation>ピン</translation>
    </message>
    <message>
        <source>Pin number</source>
        <translation>ピン番号</translation>
    </message>
    <message>
        <source>Pin name</source>
        <translation>ピン名</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Highlighted net</source>
        <translation>強調表示したネット</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>&amp;Reset to Defaults</source>
        <translation>既定値に戻す(&amp;R)</translation>
    </message>
</context>
<context>
    <name>COptFieldPage</name>
    <message>
        <source>"%1" holds characters that the settings cannot store.</source>
        <translation>「%1」に設定に保存できない文字があります。</translation>
    </message>
</context>
<context>
    <name>COptionsSheet</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Keep a backup (.bak) of the sheet when saving</source>
        <translation>保存時に図面のバックアップ (.bak) を作る</translation>
    </message>
    <message>
        <source>Save the title block in the sheet file</source>
        <translation>図枠を図面ファイルに保存する</translation>
    </message>
    <message>
        <source>Save a copy in the save folder as well</source>
        <translation>保存フォルダにも写しを保存する</translation>
    </message>
    <message>
        <source>Save folder:</source>
        <translation>保存フォルダ:</translation>
    </message>
    <message>
        <source>Start folder of the open dialog:</source>
        <translation>開くダイアログの開始フォルダ:</translation>
    </message>
    <message>
        <source>Ask before writing to removable media</source>
        <translation>リムーバブルメディアへの書き込み前に確認する</translation>
    </message>
    <message>
        <source>Add saved sheets to the current project</source>
        <translation>保存した図面を現在のプロジェクトに加える</translation>
    </message>
    <message>
        <source>Keep a backup (.lbk) of a library when it changes</source>
        <translation>部品ファイル変更時にバックアップ (.lbk) を作る</translation>
    </message>
    <message>
        <source>Automatic save</source>
        <translation>自動保存</translation>
    </message>
    <message>
        <source>Save modified sheets automatically</source>
        <translation>変更された図面を自動保存する</translation>
    </message>
    <message>
        <source>Autosave after this many edits:</source>
        <translation>自動保存までの編集回数:</translation>
    </message>
    <message>
        <source>Autosave delay (seconds):</source>
        <translation>自動保存の遅延 (秒):</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>図の出力</translation>
    </message>
    <message>
        <source>Draw the background in pictures</source>
        <translation>図に背景を描く</translation>
    </message>
    <message>
        <source>Draw picture texts as single characters</source>
        <translation>図の文字を1文字ずつ描く</translation>
    </message>
    <message>
        <source>Text editor (%f is the file):</source>
        <translation>テキストエディタ (%f はファイル):</translation>
    </message>
    <message>
        <source>Before project commands:</source>
        <translation>プロジェクトコマンドの前:</translation>
    </message>
    <message>
        <source>Ask about modified sheets</source>
        <translation>変更された図面について確認する</translation>
    </message>
    <message>
        <source>Save modified project sheets</source>
        <translation>変更されたプロジェクトの図面を保存する</translation>
    </message>
    <message>
        <source>Save opened documents without asking</source>
        <translation>開いた図面を確認せずに保存する</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>両方</translation>
    </message>
    <message>
        <source>External program %1 (Ctrl+F%1):</source>
        <translation>外部プログラム %1 (Ctrl+F%1):</translation>
    </message>
    <message>
        <source>Net list</source>
        <translation>ネットリスト</translation>
    </message>
    <message>
        <source>Net list format number:</source>
        <translation>ネットリスト形式番号:</translation>
    </message>
    <message>
        <source>Write the net report</source>
        <translation>ネット情報レポートを出力する</translation>
    </message>
    <message>
        <source>Net report as HTML</source>
        <translation>ネット情報レポートを HTML で出力</translation>
    </message>
    <message>
        <source>Unix line ends</source>
        <translation>Unix 形式の改行</translation>
    </message>
    <message>
        <source>Show the written files</source>
        <translation>出力したファイルを表示する</translation>
    </message>
    <message>
        <source>Include power pins</source>
        <translation>電源ピンを含める</translation>
    </message>
    <message>
        <source>Write the part section</source>
        <translation>部品セクションを出力する</translation>
    </message>
    <message>
        <source>Node names in capitals</source>
        <translation>ノード名を大文字にする</translation>
    </message>
    <message>
        <source>Signal names in capitals</source>
        <translation>信号名を大文字にする</translation>
    </message>
    <message>
        <source>Board layout file:</source>
        <translation>基板ファイル:</translation>
    </message>
    <message>
        <source>Part list and numbering</source>
        <translation>部品表と部品番号</translation>
    </message>
    <message>
        <source>Part list extension:</source>
        <translation>部品表の拡張子:</translation>
    </message>
    <message>
        <source>Part list properties:</source>
        <translation>部品表のプロパティ:</translation>
    </message>
    <message>
        <source>Count equal parts</source>
        <translation>同じ部品を数える</translation>
    </message>
    <message>
        <source>First reference number:</source>
        <translation>開始番号:</translation>
    </message>
    <message>
        <source>Numbering order:</source>
        <translation>番号付けの順序:</translation>
    </message>
    <message>
        <source>Numbering step:</source>
        <translation>番号の増分:</translation>
    </message>
    <message>
        <source>Number from the first sheet on</source>
        <translation>最初の図面から番号を付ける</translation>
    </message>
    <message>
        <source>Page offset of references:</source>
        <translation>ページごとの番号オフセット:</translation>
    </message>
    <message>
        <source>Number each sheet on its own</source>
        <translation>図面ごとに番号を付ける</translation>
    </message>
    <message>
        <source>Simple Was-Is file</source>
        <translation>簡易 Was-Is ファイル</translation>
    </message>
    <message>
        <source>Net index</source>
        <translation>ネットインデックス</translation>
    </message>
    <message>
        <source>List single signals</source>
        <translation>単独の信号も出力する</translation>
    </message>
    <message>
        <source>With coordinates</source>
        <translation>座標付き</translation>
    </message>
    <message>
        <source>Net index as HTML</source>
        <translation>ネットインデックスを HTML で出力</translation>
    </message>
    <message>
        <source>Show the net index</source>
        <translation>ネットインデックスを表示する</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>ツール</translation>
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
        <translation>初期設定</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Text height:</source>
        <translation>文字の高さ:</translation>
    </message>
    <message>
        <source>Horizontal anchor:</source>
        <translation>横の基準:</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Vertical anchor:</source>
        <translation>縦の基準:</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Text direction:</source>
        <translation>文字の向き:</translation>
    </message>
    <message>
        <source>Switch the input method on for texts</source>
        <translation>文字入力時に日本語入力をオンにする</translation>
    </message>
    <message>
        <source>Latin font:</source>
        <translation>英字フォント:</translation>
    </message>
    <message>
        <source>Japanese font:</source>
        <translation>日本語フォント:</translation>
    </message>
    <message>
        <source>Frame shown properties</source>
        <translation>表示プロパティを枠で囲む</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>ピン</translation>
    </message>
    <message>
        <source>Pin length:</source>
        <translation>ピンの長さ:</translation>
    </message>
    <message>
        <source>Pin type number:</source>
        <translation>ピンの電気的タイプ番号:</translation>
    </message>
    <message>
        <source>Mark not-connected pins</source>
        <translation>未接続ピンに印を付ける</translation>
    </message>
    <message>
        <source>Mark open pins</source>
        <translation>開放ピンに印を付ける</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>線</translation>
    </message>
    <message>
        <source>Line type number:</source>
        <translation>線種番号:</translation>
    </message>
    <message>
        <source>Arrow at the start:</source>
        <translation>始点の矢印:</translation>
    </message>
    <message>
        <source>Arrow at the end:</source>
        <translation>終点の矢印:</translation>
    </message>
    <message>
        <source>Wire width:</source>
        <translation>配線の太さ:</translation>
    </message>
    <message>
        <source>Power wire width:</source>
        <translation>電源配線の太さ:</translation>
    </message>
    <message>
        <source>Bus width:</source>
        <translation>バスの太さ:</translation>
    </message>
    <message>
        <source>Line width:</source>
        <translation>線の太さ:</translation>
    </message>
    <message>
        <source>Attribute heights</source>
        <translation>属性文字の高さ</translation>
    </message>
    <message>
        <source>Wire names:</source>
        <translation>配線名:</translation>
    </message>
    <message>
        <source>Bus names:</source>
        <translation>バス名:</translation>
    </message>
    <message>
        <source>Line names:</source>
        <translation>線名:</translation>
    </message>
    <message>
        <source>Pin names:</source>
        <translation>ピン名:</translation>
    </message>
    <message>
        <source>Pin numbers:</source>
        <translation>ピン番号:</translation>
    </message>
    <message>
        <source>Part names:</source>
        <translation>部品名:</translation>
    </message>
    <message>
        <source>Part references:</source>
        <translation>部品番号:</translation>
    </message>
    <message>
        <source>Part values:</source>
        <translation>定数:</translation>
    </message>
    <message>
        <source>Power parts</source>
        <translation>電源部品</translation>
    </message>
    <message>
        <source>Supply part:</source>
        <translation>電源部品:</translation>
    </message>
    <message>
        <source>Ground part:</source>
        <translation>グラウンド部品:</translation>
    </message>
    <message>
        <source>Steps when copying</source>
        <translation>コピー時の増分</translation>
    </message>
    <message>
        <source>Part references</source>
        <translation>部品番号</translation>
    </message>
    <message>
        <source>Pin numbers</source>
        <translation>ピン番号</translation>
    </message>
    <message>
        <source>Pin names</source>
        <translation>ピン名</translation>
    </message>
    <message>
        <source>Wire names</source>
        <translation>配線名</translation>
    </message>
    <message>
        <source>Bus names</source>
        <translation>バス名</translation>
    </message>
    <message>
        <source>Line names</source>
        <translation>線名</translation>
    </message>
    <message>
        <source>Number %1 on copy</source>
        <translation>コピー時に%1を増やす</translation>
    </message>
    <message>
        <source>%1 step:</source>
        <translation>%1の増分:</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Repeat line input</source>
        <translation>線入力を繰り返す</translation>
    </message>
    <message>
        <source>Repeat pin input</source>
        <translation>ピン入力を繰り返す</translation>
    </message>
    <message>
        <source>Repeat text input</source>
        <translation>文字入力を繰り返す</translation>
    </message>
    <message>
        <source>Edit a line again after input</source>
        <translation>入力後に線を再編集する</translation>
    </message>
    <message>
        <source>Edit a pin again after input</source>
        <translation>入力後にピンを再編集する</translation>
    </message>
    <message>
        <source>Lines follow moved parts</source>
        <translation>部品の移動に線を追従させる</translation>
    </message>
    <message>
        <source>Jump to the next reference</source>
        <translation>次の部品番号へ移る</translation>
    </message>
    <message>
        <source>Order by reference</source>
        <translation>部品番号順に並べる</translation>
    </message>
    <message>
        <source>Keep the drawing order</source>
        <translation>描画順を保つ</translation>
    </message>
    <message>
        <source>Copy &amp;&amp; Edit</source>
        <translation>コピー＆編集</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>Horizontal and vertical</source>
        <translation>水平・垂直</translation>
    </message>
    <message>
        <source>45 degrees</source>
        <translation>45度</translation>
    </message>
    <message>
        <source>Line Input</source>
        <translation>線入力</translation>
    </message>
    <message>
        <source>Wires: lock the direction automatically</source>
        <translation>配線: 方向を自動で固定する</translation>
    </message>
    <message>
        <source>Wires:</source>
        <translation>配線:</translation>
    </message>
    <message>
        <source>Buses: lock the direction automatically</source>
        <translation>バス: 方向を自動で固定する</translation>
    </message>
    <message>
        <source>Buses:</source>
        <translation>バス:</translation>
    </message>
    <message>
        <source>Lines: lock the direction automatically</source>
        <translation>線: 方向を自動で固定する</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>線:</translation>
    </message>
    <message>
        <source>Arcs: lock the direction automatically</source>
        <translation>円弧: 方向を自動で固定する</translation>
    </message>
    <message>
        <source>Arcs:</source>
        <translation>円弧:</translation>
    </message>
    <message>
        <source>Lock in the middle of a line</source>
        <translation>線の途中で固定する</translation>
    </message>
    <message>
        <source>Draw lines as paths</source>
        <translation>線を経路で描く</translation>
    </message>
    <message>
        <source>End wires on pins</source>
        <translation>配線をピンで終える</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Scale:</source>
        <translation>倍率:</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>原寸</translation>
    </message>
    <message>
        <source>Fit to the paper</source>
        <translation>用紙に合わせる</translation>
    </message>
    <message>
        <source>Fit to the printable area</source>
        <translation>印刷可能範囲に合わせる</translation>
    </message>
    <message>
        <source>Print in colour</source>
        <translation>カラーで印刷する</translation>
    </message>
    <message>
        <source>Print the grid</source>
        <translation>グリッドを印刷する</translation>
    </message>
    <message>
        <source>Print hidden texts</source>
        <translation>非表示の文字を印刷する</translation>
    </message>
    <message>
        <source>Print the marks of open pins</source>
        <translation>開放ピンの印を印刷する</translation>
    </message>
    <message>
        <source>Print light colours grey</source>
        <translation>淡い色を灰色で印刷する</translation>
    </message>
    <message>
        <source>Paper direction:</source>
        <translation>用紙の向き:</translation>
    </message>
    <message>
        <source>As the sheet</source>
        <translation>図面に合わせる</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>図面</translation>
    </message>
    <message>
        <source>New sheet size:</source>
        <translation>新規図面のサイズ:</translation>
    </message>
    <message>
        <source>A2 landscape</source>
        <translation>A2 横</translation>
    </message>
    <message>
        <source>A3 landscape</source>
        <translation>A3 横</translation>
    </message>
    <message>
        <source>A4 landscape</source>
        <translation>A4 横</translation>
    </message>
    <message>
        <source>A2 portrait</source>
        <translation>A2 縦</translation>
    </message>
    <message>
        <source>A3 portrait</source>
        <translation>A3 縦</translation>
    </message>
    <message>
        <source>A4 portrait</source>
        <translation>A4 縦</translation>
    </message>
    <message>
        <source>Sheet widths (A2 A3 A4):</source>
        <translation>図面の幅 (A2 A3 A4):</translation>
    </message>
    <message>
        <source>Sheet heights (A2 A3 A4):</source>
        <translation>図面の高さ (A2 A3 A4):</translation>
    </message>
    <message>
        <source>Show full paths in window titles</source>
        <translation>ウィンドウタイトルにフルパスを表示する</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Start without a project</source>
        <translation>プロジェクトなしで起動する</translation>
    </message>
    <message>
        <source>Open the last project at start</source>
        <translation>起動時に前回のプロジェクトを開く</translation>
    </message>
    <message>
        <source>Open every sheet of a project</source>
        <translation>プロジェクトの全図面を開く</translation>
    </message>
    <message>
        <source>Open project sheets in reverse order</source>
        <translation>プロジェクトの図面を逆順に開く</translation>
    </message>
    <message>
        <source>Maximise sheets opened from a project</source>
        <translation>プロジェクトから開いた図面を最大化する</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Zoom step (%):</source>
        <translation>ズームの刻み (%):</translation>
    </message>
    <message>
        <source>Fewest pixels between grid points:</source>
        <translation>グリッド点の最小間隔 (ピクセル):</translation>
    </message>
    <message>
        <source>Main grid:</source>
        <translation>メイングリッド:</translation>
    </message>
    <message>
        <source>Sub grid:</source>
        <translation>サブグリッド:</translation>
    </message>
    <message>
        <source>Show the title block</source>
        <translation>図枠を表示する</translation>
    </message>
    <message>
        <source>Cursor:</source>
        <translation>カーソル:</translation>
    </message>
    <message>
        <source>Small cross</source>
        <translation>小さい十字</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Full-window cross</source>
        <translation>全画面十字</translation>
    </message>
    <message>
        <source>Attribute texts move by:</source>
        <translation>属性文字の移動単位:</translation>
    </message>
    <message>
        <source>The grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>The sub grid</source>
        <translation>サブグリッド</translation>
    </message>
    <message>
        <source>Scroll at the window edge while drawing</source>
        <translation>描画中にウィンドウの端でスクロールする</translation>
    </message>
    <message>
        <source>Redraw everything when scrolling</source>
        <translation>スクロール時に全体を再描画する</translation>
    </message>
    <message>
        <source>The wheel scrolls (Ctrl+wheel zooms)</source>
        <translation>ホイールでスクロールする (Ctrl+ホイールでズーム)</translation>
    </message>
    <message>
        <source>Grid as lines</source>
        <translation>グリッドを線で表示する</translation>
    </message>
    <message>
        <source>Flat tool bar buttons</source>
        <translation>平らなツールバーボタン</translation>
    </message>
    <message>
        <source>Menu style:</source>
        <translation>メニューの形式:</translation>
    </message>
    <message>
        <source>Show tips</source>
        <translation>ヒントを表示する</translation>
    </message>
    <message>
        <source>Tips show the net index of wires</source>
        <translation>ヒントに配線のネットインデックスを表示する</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>エクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>設定のエクスポート</translation>
    </message>
    <message>
        <source>Settings (*.ini)</source>
        <translation>設定ファイル (*.ini)</translation>
    </message>
    <message>
        <source>%1 cannot be written:
%2</source>
        <translation>%1 に書き込めません:
%2</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>設定のインポート</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1, line %2: %3
Nothing was changed.</source>
        <translation>%1 の %2 行目: %3
設定は変更されていません。</translation>
    </message>
    <message>
        <source>%1 cannot be read:
%2
Nothing was changed.</source>
        <translation>%1 を読めません:
%2
設定は変更されていません。</translation>
    </message>
    <message>
        <source>The settings cannot be stored:
%1</source>
        <translation>設定を保存できません:
%1</translation>
    </message>
</context>
<context>
    <name>COptSheetPage</name>
    <message>
        <source>File &amp;History...</source>
        <translation>ファイル履歴(&amp;H)...</translation>
    </message>
</context>
<context>
    <name>COptLibrary</name>
    <message>
        <source>Library</source>
        <translation>部品ライブラリ</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>Add Part Libraries</source>
        <translation>部品ファイルの追加</translation>
    </message>
    <message>
        <source>Part libraries (*.lib)</source>
        <translation>部品ファイル (*.lib)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>CDlgGateEdit</name>
    <message>
        <source>Part Edit</source>
        <translation>部品編集</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>タイプ</translation>
    </message>
    <message>
        <source>Part &amp;name:</source>
        <translation>部品名(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>部品番号(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>定数(&amp;V):</translation>
    </message>
    <message>
        <source>The text holds characters that a library cannot store.</source>
        <translation>部品ファイルに保存できない文字があります。</translation>
    </message>
</context>
<context>
    <name>CDlgLibConvert</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>Part files (*.lib)</source>
        <translation>部品ファイル (*.lib)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Specify File</source>
        <translation>ファイルの指定</translation>
    </message>
    <message>
        <source>Library Conversion</source>
        <translation>部品ファイル変換</translation>
    </message>
    <message>
        <source>Part library → text library</source>
        <translation>部品ファイル → テキスト部品ファイル</translation>
    </message>
    <message>
        <source>Text library → part library</source>
        <translation>テキスト部品ファイル → 部品ファイル</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Source file:</source>
        <translation>変換元ファイル:</translation>
    </message>
    <message>
        <source>Destination file:</source>
        <translation>変換先ファイル:</translation>
    </message>
    <message>
        <source>Conversion:</source>
        <translation>変換:</translation>
    </message>
    <message>
        <source>The file does not exist. Create it?</source>
        <translation>ファイルがありません。作成しますか？</translation>
    </message>
</context>
<context>
    <name>CDlgLibList</name>
    <message>
        <source>Edit Library</source>
        <translation>部品ライブラリ編集</translation>
    </message>
    <message>
        <source>Part Library</source>
        <translation>部品ライブラリ</translation>
    </message>
    <message>
        <source>Filter by name</source>
        <translation>名前で絞り込み</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Part Edit...</source>
        <translation>部品編集(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>オプション(&amp;O)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>宛先:</translation>
    </message>
    <message>
        <source>Choose a library other than the package's own.</source>
        <translation>元とは別の部品ファイルを選んでください。</translation>
    </message>
    <message>
        <source>%1 already holds a package named %2.</source>
        <translation>%1 には既に %2 という名前の部品があります。</translation>
    </message>
</context>
<context>
    <name>CDlgMakeNet</name>
    <message>
        <source>Make Net List</source>
        <translation>ネットリスト作成</translation>
    </message>
    <message>
        <source>Net list &amp;format</source>
        <translation>ネットフォーマット形式(&amp;F)</translation>
    </message>
    <message>
        <source>Make net &amp;information file</source>
        <translation>ネット情報ファイルを作る(&amp;I)</translation>
    </message>
    <message>
        <source>HTML forma&amp;t</source>
        <translation>HTML形式で出力(&amp;T)</translation>
    </message>
    <message>
        <source>For &amp;UNIX</source>
        <translation>UNIXで使用する(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;View the created files</source>
        <translation>作成したファイルを見る(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Power pins as separate nets</source>
        <translation>電源を別ネットにする(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;omponents in a separate file</source>
        <translation>コンポーネントは別ファイル(&amp;O)</translation>
    </message>
    <message>
        <source>File &amp;extension</source>
        <translation>ファイル拡張子(&amp;E)</translation>
    </message>
    <message>
        <source>Net start number (&amp;C)</source>
        <translation>ネット初期値(&amp;C)</translation>
    </message>
    <message>
        <source>PCB &amp;board property</source>
        <translation>PCB用プロパティ(&amp;B)</translation>
    </message>
    <message>
        <source>Part and pin numbers in upper ca&amp;se</source>
        <translation>部品番号とピン番号を大文字にする(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Net names in upper case</source>
        <translation>ネット名を大文字にする(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CDlgMakePartList</name>
    <message>
        <source>Make Part List</source>
        <translation>部品表作成</translation>
    </message>
    <message>
        <source>&amp;Drawing number</source>
        <translation>図面番号(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Product name</source>
        <translation>製品名(&amp;P)</translation>
    </message>
    <message>
        <source>B&amp;oards to make</source>
        <translation>製作台数(&amp;U)</translation>
    </message>
    <message>
        <source>Write the &amp;count</source>
        <translation>個数を出力(&amp;C)</translation>
    </message>
    <message>
        <source>List &amp;NOPARTLIST parts too</source>
        <translation>NOPARTLISTを強制出力(&amp;N)</translation>
    </message>
    <message>
        <source>P&amp;roperty list</source>
        <translation>プロパティリスト(&amp;R)</translation>
    </message>
    <message>
        <source>comma-separated property names</source>
        <translation>プロパティ名をカンマで区切る</translation>
    </message>
</context>
<context>
    <name>CDlgMakePartNo</name>
    <message>
        <source>Part Numbering</source>
        <translation>部品番号割付</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>割付方法</translation>
    </message>
    <message>
        <source>Number &amp;undetermined references only</source>
        <translation>未決定の部品番号のみ割付ける (&amp;U)</translation>
    </message>
    <message>
        <source>Renumber &amp;all references</source>
        <translation>全ての部品番号を付け直す (&amp;A)</translation>
    </message>
    <message>
        <source>Apply a &amp;Was-Is file</source>
        <translation>部品割付ファイルを使用 (&amp;W)</translation>
    </message>
    <message>
        <source>Write a Was-Is &amp;template file</source>
        <translation>部品割付テンプレートファイルの作成 (&amp;T)</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>＋１</translation>
    </message>
    <message>
        <source>+2</source>
        <translation>＋２</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>増分</translation>
    </message>
    <message>
        <source>Start number (&amp;O)</source>
        <translation>先頭番号(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Page offset</source>
        <translation>ページオフセット(&amp;P)</translation>
    </message>
    <message>
        <source>Count &amp;each sheet by itself</source>
        <translation>図面毎に計算する(&amp;E)</translation>
    </message>
    <message>
        <source>Si&amp;mple Was-Is file</source>
        <translation>簡易割付ファイルを使用する(&amp;M)</translation>
    </message>
    <message>
        <source>Was-Is file</source>
        <translation>部品割付ファイル</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Was-Is files (*.dws)</source>
        <translation>部品割付ファイル (*.dws)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Enter the Was-Is file name.</source>
        <translation>部品割付ファイル名を入力してください。</translation>
    </message>
</context>
<context>
    <name>CDlgMakeWireNet</name>
    <message>
        <source>Make Net Index</source>
        <translation>ネットインデックスの作成</translation>
    </message>
    <message>
        <source>Also names found on a &amp;single sheet</source>
        <translation>単一図面内の信号名も出力する(&amp;S)</translation>
    </message>
    <message>
        <source>Add the X-Y &amp;coordinates</source>
        <translation>XY座標を付加する(&amp;C)</translation>
    </message>
    <message>
        <source>HTML forma&amp;t</source>
        <translation>HTML形式で出力(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;View the created file</source>
        <translation>作成したファイルを見る(&amp;V)</translation>
    </message>
</context>
<context>
    <name>CDlgCheckSheet</name>
    <message>
        <source>Check Sheets</source>
        <translation>重複整理</translation>
    </message>
    <message>
        <source>Clean &amp;lines</source>
        <translation>ラインを整理する(&amp;L)</translation>
    </message>
    <message>
        <source>Use &amp;junctions when cleaning wires</source>
        <translation>ワイヤー整理にジャンクションを使う(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;View the created file</source>
        <translation>作成したファイルを見る(&amp;V)</translation>
    </message>
    <message>
        <source>HTML forma&amp;t</source>
        <translation>HTML形式で出力(&amp;T)</translation>
    </message>
    <message>
        <source>Part numbers per &amp;sheet</source>
        <translation>部品番号を図面毎に計算する(&amp;S)</translation>
    </message>
    <message>
        <source>Output &amp;missing part numbers</source>
        <translation>欠番部品番号を出力する(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Delete items outside the sheet</source>
        <translation>図面外のアイテムを削除する(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CDlgPDF</name>
    <message>
        <source>PDF Conversion</source>
        <translation>PDF変換</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Relative to the title &amp;block</source>
        <translation>図枠を基準にする(&amp;B)</translation>
    </message>
    <message>
        <source>The &amp;project</source>
        <translation>プロジェクト(&amp;P)</translation>
    </message>
    <message>
        <source>All o&amp;pen sheets</source>
        <translation>開いている全図面(&amp;P)</translation>
    </message>
    <message>
        <source>The a&amp;ctive sheet only</source>
        <translation>アクティブな図面のみ(&amp;C)</translation>
    </message>
    <message>
        <source>Also the sheets that do not take &amp;part</source>
        <translation>全てのファイル(&amp;A)</translation>
    </message>
    <message>
        <source>Back&amp;ground</source>
        <translation>背景(&amp;G)</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>カラー(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;View the created file</source>
        <translation>作成したファイルを見る(&amp;V)</translation>
    </message>
    <message>
        <source>Output &amp;file</source>
        <translation>出力ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>タイトル(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Subtitle</source>
        <translation>サブタイトル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>作成者(&amp;A)</translation>
    </message>
    <message>
        <source>Top &amp;margin</source>
        <translation>上マージン(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Left margin</source>
        <translation>左マージン(&amp;L)</translation>
    </message>
    <message>
        <source>Sc&amp;ale</source>
        <translation>倍率(&amp;A)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDFファイル</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDFファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The scale must be a number from 0.01 to 100.</source>
        <translation>倍率は 0.01 から 100 までの数値で入力してください。</translation>
    </message>
</context>
<context>
    <name>CJobProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CReportWindow</name>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Report - %1</source>
        <translation>レポート - %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>ファイル %1 を開けません</translation>
    </message>
</context>
<context>
    <name>CDlgFind</name>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>検索する文字列(&amp;F):</translation>
    </message>
    <message>
        <source>Search in</source>
        <translation>検索対象</translation>
    </message>
    <message>
        <source>&amp;Part name</source>
        <translation>部品名(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Reference</source>
        <translation>部品番号(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>部品値(&amp;V)</translation>
    </message>
    <message>
        <source>P&amp;in name</source>
        <translation>ピン名(&amp;I)</translation>
    </message>
    <message>
        <source>Pin n&amp;umber</source>
        <translation>ピン番号(&amp;O)</translation>
    </message>
    <message>
        <source>Te&amp;xt in parts</source>
        <translation>部品内の文字(&amp;X)</translation>
    </message>
    <message>
        <source>Signal &amp;name</source>
        <translation>信号名(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>文字列(&amp;T)</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Whole text only</source>
        <translation>完全に一致するものだけ(&amp;W)</translation>
    </message>
    <message>
        <source>Include &amp;hidden texts and pins</source>
        <translation>非表示の文字とピンも検索(&amp;H)</translation>
    </message>
    <message>
        <source>Search &amp;all open sheets</source>
        <translation>開いている全図面を検索(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Select every match</source>
        <translation>一致した部品をすべて選択(&amp;S)</translation>
    </message>
</context>
</TS>
