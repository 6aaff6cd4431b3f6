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
