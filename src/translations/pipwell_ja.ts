<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>出た目は %1 と %2、合計 %3 です。</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>出た目は %1 と %2、合計 %3 です。出た目で閉じられるタイルがありません。「新規」を選んでください。</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>タイル %1 を閉じました。</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>新しいゲーム: 9 枚のタイルがすべて開いています。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>開いているタイル: %1。</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>閉じたタイル: %1。</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>サイコロを振るのを待っています。</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Stats:</source>
        <translation>統計:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>今日のゲーム数:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>総ゲーム数:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>勝ったゲーム数:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>次のいずれかの数字を上から選んでください:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>振る(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>統計をリセット</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Pipwell について</translation>
    </message>
</context>
<context>
    <name>pipwell::Announcer</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A box&apos;s name and the number in it, as a screen reader reads it: &quot;Die 1: 5&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>pipwell::FrmMain</name>
    <message>
        <source>Tile %1</source>
        <translation>タイル %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 通りの出目のうち %1 通りでこのタイルを閉じられます</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>タイル %1 の数字</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>サイコロ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>サイコロ 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>サイコロ 1 の目は %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>サイコロ 2 の目は %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>あなたの勝ちです!!!!!   これまでに全 %2 ゲーム中 %1 ゲームに勝ちました!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>このゲーム、バーでサイコロ使って遊んでるのを見たんだ。1 回 100 円で、客が 100 円入れるたびに店も 100 円上乗せしてた。数字を全部消せたヤツが賭け金を総取り。でも誰も勝ってるようには見えなかったから、(酔いがさめてから) 同じゲームを自分で作って、勝てる確率をこの目で確かめようと思ったわけ。注意: 酔っぱらってると、このゲームはハマるぞ。あと、ゲームの名前を知らんかった (店も知らなかった) から、Gravelhoof のかっけー曲の名前をつけといた。</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> 最後に、このプログラムはフリーウェアね。でも、半分飢え死にしかけてる大学生を応援したくてたまらなくなったら (ホントは世界中のビールで払ってもらうのがいちばんうれしいんだけど)、%1 にメールちょうだい。家の住所を教えるから</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble を大統領に!!</translation>
    </message>
</context>
</TS>
