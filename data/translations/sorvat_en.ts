<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Board</name>
    <message>
        <source>盤面</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>X%1 Y%2 固定 %3</source>
        <translation>X%1 Y%2, %3, locked</translation>
    </message>
    <message>
        <source>X%1 Y%2 確定 %3 間違い</source>
        <translation>X%1 Y%2, %3, fixed, wrong</translation>
    </message>
    <message>
        <source>X%1 Y%2 確定 %3</source>
        <translation>X%1 Y%2, %3, fixed</translation>
    </message>
    <message>
        <source>X%1 Y%2 空き 候補なし</source>
        <translation>X%1 Y%2, empty, no candidates left</translation>
    </message>
    <message>
        <source>X%1 Y%2 空き 候補 %3</source>
        <translation>X%1 Y%2, empty, candidates %3</translation>
    </message>
    <message>
        <source>X%1 Y%2 空き</source>
        <translation>X%1 Y%2, empty</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Sorvatのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Sorvat</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Excel形式で保存</source>
        <translation>Save as Excel Workbook</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>最近使ったﾌｧｲﾙ</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>既存のﾌｧｲﾙを開く</source>
        <translation>Open an existing puzzle file</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示</source>
        <translation>Quit Sorvat; the board is kept for the next start</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Undo	Ctrl+Z</source>
        <translation>Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Redo	Ctrl+Y</source>
        <translation>Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>リセット(Lock部分は残る)</source>
        <translation>Reset (Keep Locks)</translation>
    </message>
    <message>
        <source>完全リセット</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>次の一手</source>
        <translation>Next Move</translation>
    </message>
    <message>
        <source>間違いCellを消す</source>
        <translation>Erase Wrong Cells</translation>
    </message>
    <message>
        <source>解析結果を自力にコピー</source>
        <translation>Copy Analysis to My Marks</translation>
    </message>
    <message>
        <source>全ロック</source>
        <translation>Lock All</translation>
    </message>
    <message>
        <source>自動確定</source>
        <translation>Fill In Determined Digits</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>操作方法等ヘルプ</source>
        <translation>How to Use Sorvat</translation>
    </message>
    <message>
        <source>Sorvat のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Sorvat...</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>ｶﾅ</source>
        <translation>KANA</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>新しい問題を始める</source>
        <translation>Start a new puzzle document</translation>
    </message>
    <message>
        <source>ﾀｲﾄﾙのﾌｧｲﾙに盤面を上書き保存</source>
        <translation>Save the board to the file named in the title</translation>
    </message>
    <message>
        <source>盤面を名前を付けて保存</source>
        <translation>Save the board under a new name</translation>
    </message>
    <message>
        <source>盤面を印刷</source>
        <translation>Print the board</translation>
    </message>
    <message>
        <source>印刷される盤面を画面で確認</source>
        <translation>Show the printed board on the screen</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀと用紙を選ぶ</source>
        <translation>Choose the printer and the paper</translation>
    </message>
    <message>
        <source>このﾌｧｲﾙを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報とﾊﾞｰｼﾞｮﾝを表示</source>
        <translation>Show the program&apos;s information and version</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの表示/非表示を切り替え</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>ﾀﾞｲｱﾛｸﾞ ﾊﾞｰ</source>
        <translation>Dialog bar</translation>
    </message>
    <message>
        <source>新しい問題(&amp;G)...</source>
        <translation>&amp;Generate Puzzle...</translation>
    </message>
    <message>
        <source>解析レベルを選んで新しい問題を作る</source>
        <translation>Make new puzzles of a chosen analysis level</translation>
    </message>
    <message>
        <source>エクセル形式で保存</source>
        <translation>Save as Excel workbook</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>クイック保存</source>
        <translation>Quick save</translation>
    </message>
    <message>
        <source>クイック読み込み</source>
        <translation>Quick load</translation>
    </message>
    <message>
        <source>リセット 固定した数字は残す</source>
        <translation>Reset, keeping the locks</translation>
    </message>
    <message>
        <source>間違ったマスを消す</source>
        <translation>Erase wrong cells</translation>
    </message>
    <message>
        <source>クリップボードのテキストの問題を始める</source>
        <translation>Start the puzzle of the text on the clipboard</translation>
    </message>
    <message>
        <source>固定した数字を81文字の1行でクリップボードにコピー</source>
        <translation>Copy the Lock digits to the clipboard as one 81-character line</translation>
    </message>
    <message>
        <source>問題を貼り付け	Ctrl+V</source>
        <translation>Paste Puzzle	Ctrl+V</translation>
    </message>
    <message>
        <source>問題をコピー</source>
        <translation>Copy Puzzle</translation>
    </message>
</context>
<context>
    <name>CNewPuzzleDlg</name>
    <message>
        <source>0 — 候補を消すだけ (いちばんやさしい)</source>
        <translation>0 — eliminations only (easiest)</translation>
    </message>
    <message>
        <source>1 — 隠れたシングル (やさしい)</source>
        <translation>1 — hidden singles (easy)</translation>
    </message>
    <message>
        <source>2 — 裸のシングルも (やさしい)</source>
        <translation>2 — naked singles too (easy)</translation>
    </message>
    <message>
        <source>3 — ポインティングも (ふつう)</source>
        <translation>3 — pointing too (medium)</translation>
    </message>
    <message>
        <source>4 — クレーミングも (ふつう)</source>
        <translation>4 — claiming too (medium)</translation>
    </message>
    <message>
        <source>5 — 隠れたペアとトリプルも (むずかしい)</source>
        <translation>5 — hidden pairs and triples too (hard)</translation>
    </message>
    <message>
        <source>6 — 組になったトリプルも (むずかしい)</source>
        <translation>6 — paired triples too (hard)</translation>
    </message>
    <message>
        <source>8 — 仮定を使う (とてもむずかしい)</source>
        <translation>8 — trial and error (very hard)</translation>
    </message>
    <message>
        <source>問題を作っています...</source>
        <translation>Making puzzles...</translation>
    </message>
    <message>
        <source>新しい問題</source>
        <translation>New Puzzle</translation>
    </message>
    <message>
        <source>問題を書き込むフォルダ</source>
        <translation>Folder for the puzzles</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>点対称</source>
        <translation>Rotational</translation>
    </message>
    <message>
        <source>対角線対称</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>解析レベル(&amp;L)</source>
        <translation>Analysis &amp;level</translation>
    </message>
    <message>
        <source>対称性(&amp;S)</source>
        <translation>&amp;Symmetry</translation>
    </message>
    <message>
        <source>問題数(&amp;N)</source>
        <translation>&amp;Number of puzzles</translation>
    </message>
</context>
<context>
    <name>CPrintSetDlg</name>
    <message>
        <source>印刷設定</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>ブラインド印刷</source>
        <translation>Blind printing</translation>
    </message>
</context>
<context>
    <name>CSorvatDoc</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>ファイルに保存できません。<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>The puzzle cannot be saved to this file.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ファイルを開けません。<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>This file cannot be opened.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>ﾅﾝﾊﾞｰﾌﾟﾚｰｽ (*.md1 *.md2 *.txt *.sdk *.ss)</source>
        <translation>Number puzzles (*.md1 *.md2 *.txt *.sdk *.ss)</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>ﾅﾝﾊﾞｰﾌﾟﾚｰｽ (*.md1 *.md2)</source>
        <translation>Number puzzles (*.md1 *.md2)</translation>
    </message>
</context>
<context>
    <name>CSorvatView</name>
    <message>
        <source>問題をファイルに書き込んでいます...</source>
        <translation>Writing the puzzles into files...</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
このファイルには問題がありません。<byte value="xd"/>
(%2)</source>
        <translation>%1<byte value="xd"/>
This file holds no puzzle.<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source>%1 には %2 問あります。<byte value="xd"/>
<byte value="xd"/>
はい: すべてを番号付きの md2 ファイルとしてフォルダに書き出し、1 問目から解く<byte value="xd"/>
いいえ: 1 問目だけを解く</source>
        <translation>%1 holds %2 puzzles.<byte value="xd"/>
<byte value="xd"/>
Yes: write them all as numbered md2 files into a folder and start with the first<byte value="xd"/>
No: play only the first</translation>
    </message>
    <message>
        <source>問題を書き込むフォルダ</source>
        <translation>Folder for the puzzles</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
%2 問のうち %3 問を書き込みました。<byte value="xd"/>
%4</source>
        <translation>%1<byte value="xd"/>
%3 of %2 puzzles were written.<byte value="xd"/>
%4</translation>
    </message>
</context>
<context>
    <name>CSpinButton</name>
    <message>
        <source>上げる</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下げる</source>
        <translation>Down</translation>
    </message>
</context>
<context>
    <name>CStatusDialogBar</name>
    <message>
        <source>再起</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>解析ﾚﾍﾞﾙ</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>解析</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>ﾋﾝﾄ</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>自力</source>
        <translation>Self</translation>
    </message>
    <message>
        <source>次の一手</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>操作と入力数</source>
        <translation>Controls and counters</translation>
    </message>
    <message>
        <source>入力済み %1 マス 正解</source>
        <translation>%1 cells entered, all correct</translation>
    </message>
    <message>
        <source>入力済み %1 マス</source>
        <translation>%1 cells entered</translation>
    </message>
    <message>
        <source>数字 %1 は %2 個 完成</source>
        <translation>Digit %1, %2 entered, complete</translation>
    </message>
    <message>
        <source>数字 %1 は %2 個</source>
        <translation>Digit %1, %2 entered</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>クイック保存</source>
        <translation>Quick save</translation>
    </message>
    <message>
        <source>クイック読み込み</source>
        <translation>Quick load</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>CViewCommands</name>
    <message>
        <source>テキストに問題がありません (%1)</source>
        <translation>No puzzle in the text (%1)</translation>
    </message>
    <message>
        <source>テキストの問題を始めました</source>
        <translation>Started the puzzle of the text</translation>
    </message>
    <message>
        <source>テキストの %1 問のうち 1 問目を始めました</source>
        <translation>Started the first of the text&apos;s %1 puzzles</translation>
    </message>
    <message>
        <source>問題をクリップボードにコピーしました</source>
        <translation>Copied the puzzle to the clipboard</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>9×9 の数字配置パズルを遊び、解析するプログラムです。</source>
        <translation>Plays and analyses 9×9 number-placement puzzles.</translation>
    </message>
    <message>
        <source>画面の言語: ja (日本語) または en (英語)。省略するとロケールに従います (英語のロケールなら英語)。</source>
        <translation>Language of the interface: ja (Japanese) or en (English). Without it, English is used for an English locale and Japanese otherwise.</translation>
    </message>
    <message>
        <source>開くパズルファイル (md1/md2)。省略すると前回の続きを開きます。</source>
        <translation>Puzzle file to open (md1/md2). Without it, the board of the last session is resumed.</translation>
    </message>
    <message>
        <source>--lang の値 &apos;%1&apos; は使えません。ja か en を指定してください。</source>
        <translation>Unknown language &apos;%1&apos; for --lang: use ja or en.</translation>
    </message>
    <message>
        <source>デスクトップのメニューから起動したとき: QuickSave と前回の続きのファイルを $XDG_STATE_HOME/sorvat に置きます。</source>
        <translation>Started from the desktop menu: keep the quick-save and continue files in $XDG_STATE_HOME/sorvat.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>おめでとうございます。正解です。<byte value="xd"/>
<byte value="xd"/>
現在の問題を&apos;x.*&apos;にリネームし、次の問題をロードしますか？</source>
        <translation>Congratulations, that is correct.<byte value="xd"/>
<byte value="xd"/>
Rename this puzzle to &apos;x.*&apos; and load the next one?</translation>
    </message>
    <message>
        <source>正解です</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>おめでとうございます。正解です。<byte value="xd"/>
<byte value="xd"/>
同じレベルの新しい問題を作りますか？</source>
        <translation>Congratulations! That is correct.<byte value="xd"/>
<byte value="xd"/>
Make a new puzzle of the same level?</translation>
    </message>
    <message>
        <source>残念。間違い個所が存在します。<byte value="xd"/>
下記で間違い個所を消します。<byte value="xd"/>
    編集 --&gt; 間違いCellを消す。</source>
        <translation>Sorry, some cells are wrong.<byte value="xd"/>
To erase the wrong digits, choose<byte value="xd"/>
    Edit --&gt; Erase Wrong Cells.</translation>
    </message>
    <message>
        <source>残念。間違いです。</source>
        <translation>Sorry, that is not correct</translation>
    </message>
    <message>
        <source>Sorvatはこの問題を解けませんでした。<byte value="xd"/>
もし、問題部分を&apos;Lock&apos;指定していなければそれが原因です。<byte value="xd"/>
次回より問題部分は&apos;Lock&apos;指定して下さい。<byte value="xd"/>
問題に&apos;間違い、重解&apos;が無ければSorvatの力不足です。すいません。<byte value="xd"/>
ですが・・・<byte value="xd"/>
今回出来上がった回答に矛盾が無いことが確認されました。<byte value="xd"/>
おめでとうございます。<byte value="xd"/>
<byte value="xd"/>
現在の問題を&apos;x.*&apos;にリネームし、次の問題をロードしますか？</source>
        <translation>Sorvat could not solve this puzzle.<byte value="xd"/>
If the givens of the puzzle were not entered as &apos;Lock&apos;, that is the reason:<byte value="xd"/>
please enter them as &apos;Lock&apos; from now on.<byte value="xd"/>
If the puzzle has no error and only one answer, it is beyond Sorvat. Sorry.<byte value="xd"/>
However...<byte value="xd"/>
the answer you completed has no contradiction.<byte value="xd"/>
Congratulations!<byte value="xd"/>
<byte value="xd"/>
Rename this puzzle to &apos;x.*&apos; and load the next one?</translation>
    </message>
    <message>
        <source>Sorvatはこの問題を解けませんでしたが矛盾ありません。</source>
        <translation>Sorvat could not solve this puzzle, but your answer has no contradiction</translation>
    </message>
    <message>
        <source>Sorvatはこの問題を解けませんでした。<byte value="xd"/>
もし、問題部分を&apos;Lock&apos;指定していなければそれが原因です。<byte value="xd"/>
次回より問題部分は&apos;Lock&apos;指定して下さい。<byte value="xd"/>
問題に&apos;間違い、重解&apos;が無ければSorvatの力不足です。すいません。<byte value="xd"/>
加えて・・・・<byte value="xd"/>
今回出来上がった回答に矛盾個所が確認されました。<byte value="xd"/>
どこかが間違っています。<byte value="xd"/>
尚、残念ながらQK38の&apos;間違いCellを消す&apos;機能は使用できません。<byte value="xd"/>
（問題部分が分からないため、間違い部分を確定できない。）</source>
        <translation>Sorvat could not solve this puzzle.<byte value="xd"/>
If the givens of the puzzle were not entered as &apos;Lock&apos;, that is the reason:<byte value="xd"/>
please enter them as &apos;Lock&apos; from now on.<byte value="xd"/>
If the puzzle has no error and only one answer, it is beyond Sorvat. Sorry.<byte value="xd"/>
What is more...<byte value="xd"/>
the answer you completed contradicts itself.<byte value="xd"/>
Something is wrong somewhere.<byte value="xd"/>
Unfortunately, &apos;Erase Wrong Cells&apos; cannot help here<byte value="xd"/>
(without knowing the givens, the wrong cells cannot be told).</translation>
    </message>
    <message>
        <source>残念。矛盾があります。</source>
        <translation>Sorry, there is a contradiction</translation>
    </message>
    <message>
        <source>おめでとうございます。正解です。現在の問題の名前の前に x. を付けて、次の問題をロードしますか？</source>
        <translation>Congratulations, that is correct. Mark this puzzle as done with x. before its name and load the next one?</translation>
    </message>
    <message>
        <source>残念。間違い個所が存在します。編集メニューの 間違ったマスを消す で間違い個所を消します。</source>
        <translation>Sorry, some cells are wrong. To erase the wrong digits, choose Erase Wrong Cells in the Edit menu.</translation>
    </message>
    <message>
        <source>Sorvatはこの問題を解けませんでした。問題部分を固定していなければそれが原因です。次回より問題部分は固定して下さい。問題に間違いや重解が無ければSorvatの力不足です。すいません。ですが、今回出来上がった回答に矛盾が無いことが確認されました。おめでとうございます。現在の問題の名前の前に x. を付けて、次の問題をロードしますか？</source>
        <translation>Sorvat could not solve this puzzle. If the givens were not entered as locked digits, that is the reason: please lock them from now on. If the puzzle has no error and only one answer, it is beyond Sorvat. Sorry. However, the answer you completed has no contradiction. Congratulations! Mark this puzzle as done with x. before its name and load the next one?</translation>
    </message>
    <message>
        <source>Sorvatはこの問題を解けませんでした。問題部分を固定していなければそれが原因です。次回より問題部分は固定して下さい。問題に間違いや重解が無ければSorvatの力不足です。すいません。加えて、今回出来上がった回答に矛盾個所が確認されました。どこかが間違っています。問題部分が分からないため、間違ったマスを消す機能は使用できません。</source>
        <translation>Sorvat could not solve this puzzle. If the givens were not entered as locked digits, that is the reason: please lock them from now on. If the puzzle has no error and only one answer, it is beyond Sorvat. Sorry. What is more, the answer you completed contradicts itself. Something is wrong somewhere. Without knowing the givens, Erase Wrong Cells cannot tell the wrong cells.</translation>
    </message>
    <message>
        <source>現在の問題が、どのファイルであるか特定できません。<byte value="xd"/>
&#x3000;ファイルを読み込んでいない、&apos;Sorvat.ini&apos;ファイルが削除された。<byte value="xd"/>
等の原因が考えられます。<byte value="xd"/>
処理を中止します。</source>
        <translation>Sorvat cannot tell which file the current puzzle came from.<byte value="xd"/>
  Perhaps no file has been opened, or &apos;Sorvat.ini&apos; was deleted.<byte value="xd"/>
Nothing more is done.</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
↑上記ファイルが存在しません。<byte value="xd"/>
読み込み後にファイルが移動、名前変更等されたものと思われます。<byte value="xd"/>
名前変更を中止し以後の処理を続けます。</source>
        <translation>%s<byte value="xd"/>
The file above does not exist.<byte value="xd"/>
It was probably moved or renamed after it was opened.<byte value="xd"/>
The file is not renamed; Sorvat goes on with the next puzzle.</translation>
    </message>
    <message>
        <source>なぜかパスが特定できません。<byte value="xd"/>
処理を中止します。</source>
        <translation>The path of the puzzle cannot be determined.<byte value="xd"/>
Nothing more is done.</translation>
    </message>
    <message>
        <source>なぜかパス・ファイル名が特定できません。<byte value="xd"/>
処理を中止します。</source>
        <translation>The path or the file name of the puzzle cannot be determined.<byte value="xd"/>
Nothing more is done.</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
↑上記検索式に該当するファイルが存在しません。<byte value="xd"/>
読み込み後にディレクトリが移動されたものと思われます。<byte value="xd"/>
以後の処理を停止します。</source>
        <translation>%s<byte value="xd"/>
No file matches the search pattern above.<byte value="xd"/>
The directory was probably moved after the puzzle was opened.<byte value="xd"/>
Sorvat stops here.</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
↑先頭&apos;x.&apos;以外で上記検索式に該当するファイルが存在しません。<byte value="xd"/>
当ディレクトリの問題はすべて終了したものと思われます。<byte value="xd"/>
以後の処理を停止します。</source>
        <translation>%s<byte value="xd"/>
Apart from files starting with &apos;x.&apos;, no file matches the search pattern above.<byte value="xd"/>
All the puzzles in this directory seem to be finished.<byte value="xd"/>
Sorvat stops here.</translation>
    </message>
    <message>
        <source>全問終了</source>
        <translation>All puzzles finished</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>
↑上記ファイルの名前を&apos;x.&apos;付きに変更できませんでした（同名の&apos;x.&apos;付きファイルが既に在る、書き込みが許されない等）。<byte value="xd"/>
このファイルを飛ばして以後の処理を続けます。</source>
        <translation>%s<byte value="xd"/>
The file above could not be renamed with the prefix &apos;x.&apos; (a file of that name already exists, or the directory may not be written).<byte value="xd"/>
Sorvat skips this file and goes on with the next puzzle.</translation>
    </message>
    <message>
        <source>Lock数が14未満です。<byte value="xd"/>
問題部分はLock指定で無いとこの機能は使えません。
<byte value="xd"/>(どの数字が問題なのか分からないと、どれが間違いなのか判定不能の為。)
<byte value="xd"/>問題部分は L*** の形で入力ください。（もしくはmd2形式）</source>
        <translation>There are fewer than 14 Lock digits.<byte value="xd"/>
This works only when the givens of the puzzle are entered as Lock<byte value="xd"/>
(without knowing which digits are the givens, Sorvat cannot tell which ones are wrong).<byte value="xd"/>
Enter the givens in the form L*** (or use the md2 format).</translation>
    </message>
    <message>
        <source>当問題には確定しないセルがあります。下記のいずれかのケースです。<byte value="xd"/>
&#x3000;・問題が重解です。
<byte value="xd"/>&#x3000;・問題にL（Lock）指定でないところがあります。
<byte value="xd"/>&#x3000;・当アプリケーションでは解けない問題でした。</source>
        <translation>Some cells of this puzzle cannot be determined. One of these applies:<byte value="xd"/>
  - The puzzle has more than one answer.<byte value="xd"/>
  - Some givens are not entered as L (Lock).<byte value="xd"/>
  - The puzzle is too hard for this program.</translation>
    </message>
    <message>
        <source>当問題には不整合があります。下記のいずれかのケースです。<byte value="xd"/>
&#x3000;・問題が間違っています。
<byte value="xd"/>&#x3000;・問題ではないところにL（Lock）指定がある。
<byte value="xd"/>&#x3000;・当アプリケーションでは解けない問題でした。</source>
        <translation>This puzzle contradicts itself. One of these applies:<byte value="xd"/>
  - The puzzle is wrong.<byte value="xd"/>
  - A digit that is not a given is entered as L (Lock).<byte value="xd"/>
  - The puzzle is too hard for this program.</translation>
    </message>
    <message numerus="yes">
        <source>%n個の間違いを消去しました。</source>
        <translation>
            <numerusform>Erased %n wrong digit.</numerusform>
            <numerusform>Erased %n wrong digits.</numerusform>
        </translation>
    </message>
    <message>
        <source>間違いは見当たりません。</source>
        <translation>No wrong digits found.</translation>
    </message>
    <message>
        <source>下記ヘルプファイルが見当たりません。<byte value="xd"/>
  %s<byte value="xd"/>
処理を中止します。</source>
        <translation>The help file cannot be found:<byte value="xd"/>
  %s<byte value="xd"/>
Nothing more is done.</translation>
    </message>
    <message>
        <source>下記ファイル名で保存しました。<byte value="xd"/>
  %s<byte value="xd"/>
</source>
        <translation>The workbook was saved as<byte value="xd"/>
  %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>表計算アプリケーション (LibreOffice Calc) を起動できません。<byte value="xd"/>
保存しませんでした。<byte value="xd"/>
</source>
        <translation>The spreadsheet application (LibreOffice Calc) cannot be started.<byte value="xd"/>
Nothing was saved.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Excel形式で保存できませんでした。<byte value="xd"/>
  %s<byte value="xd"/>
</source>
        <translation>The workbook could not be saved.<byte value="xd"/>
  %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>下記ファイル名で保存できませんでした。<byte value="xd"/>
  %s<byte value="xd"/>
</source>
        <translation>The workbook could not be saved as<byte value="xd"/>
  %s<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Sorvat_QMessage</source>
        <translation>Sorvat - Puzzle Memo</translation>
    </message>
    <message>
        <source>下記ヘルプファイルを開けるプログラムが見つかりません。<byte value="xd"/>
  %s<byte value="xd"/>
CHMビューア（xchm など）かWebブラウザをインストールしてください。</source>
        <translation>No program is found to open the help files below:<byte value="xd"/>
  %s<byte value="xd"/>
Please install a CHM viewer (such as xchm) or a web browser.</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>NextMove</name>
    <message>
        <source>Level%1 までの解析で (X%2,Y%3) = %4 に確定します。</source>
        <translation>Analysis up to level %1 settles (X%2,Y%3) = %4.</translation>
    </message>
    <message>
        <source>解析の過程で%1はX%2Y%3SCellの単独候補となりました。</source>
        <translation>During the analysis, %1 became the only candidate left in cell X%2Y%3.</translation>
    </message>
    <message>
        <source>%1MCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。</source>
        <translation>In the %1 box, X%3Y%4 is the only cell that can take the digit %2.</translation>
    </message>
    <message>
        <source>X%1_TCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。</source>
        <translation>In column X%1, X%3Y%4 is the only cell that can take the digit %2.</translation>
    </message>
    <message>
        <source>Y%1_YCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。</source>
        <translation>In row Y%1, X%3Y%4 is the only cell that can take the digit %2.</translation>
    </message>
    <message>
        <source>次の手が見つかりませんでした。</source>
        <translation>No next move was found.</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>top-left</translation>
    </message>
    <message>
        <source>中上</source>
        <translation>top-middle</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>top-right</translation>
    </message>
    <message>
        <source>左中</source>
        <translation>middle-left</translation>
    </message>
    <message>
        <source>中中</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>右中</source>
        <translation>middle-right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>bottom-left</translation>
    </message>
    <message>
        <source>中下</source>
        <translation>bottom-middle</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>bottom-right</translation>
    </message>
    <message>
        <source>レベル %1 までの解析で X%2 Y%3 は %4 に確定します</source>
        <translation>Analysis up to level %1 settles X%2 Y%3 as %4.</translation>
    </message>
    <message>
        <source>解析の過程で %1 は X%2 Y%3 のマスの単独候補となりました</source>
        <translation>During the analysis, %1 became the only candidate left in cell X%2 Y%3.</translation>
    </message>
    <message>
        <source>%1のブロックで数字 %2 が入る可能性のあるマスは X%3 Y%4 しかありません</source>
        <translation>In the %1 box, X%3 Y%4 is the only cell that can take the digit %2.</translation>
    </message>
    <message>
        <source>X%1 の列で数字 %2 が入る可能性のあるマスは X%3 Y%4 しかありません</source>
        <translation>In column X%1, X%3 Y%4 is the only cell that can take the digit %2.</translation>
    </message>
    <message>
        <source>Y%1 の行で数字 %2 が入る可能性のあるマスは X%3 Y%4 しかありません</source>
        <translation>In row Y%1, X%3 Y%4 is the only cell that can take the digit %2.</translation>
    </message>
    <message>
        <source>次の手が見つかりませんでした</source>
        <translation>No next move was found.</translation>
    </message>
</context>
<context>
    <name>PuzzleText</name>
    <message>
        <source>テキストが空です</source>
        <translation>the text is empty</translation>
    </message>
    <message>
        <source>コメント、空行、区切りの行しかありません</source>
        <translation>only comments, blank lines and separators</translation>
    </message>
    <message>
        <source>%1 行目を問題として読めません</source>
        <translation>line %1 is not a puzzle</translation>
    </message>
    <message>
        <source>問題として読めない部分が %1 か所あります (最初は %2 行目)</source>
        <translation>%1 parts are not puzzles (the first at line %2)</translation>
    </message>
</context>
<context>
    <name>WorkWithProgress</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
