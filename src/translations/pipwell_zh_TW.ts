<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>擲出 %1 和 %2，總和 %3。</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>擲出 %1 和 %2，總和 %3。沒有可以蓋上的牌：請選擇「開新局」。</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>%1 號牌已蓋上。</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>新的一局：九張牌均已打開。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>打開的牌：%1。</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>蓋上的牌：%1。</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>等待擲骰子。</translation>
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
        <translation>統計：</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>今日局數：</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>總局數：</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>勝利局數：</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>請在上方選擇下列數字之一：</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>擲骰(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>開新局(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>重設統計</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>玩法說明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於 Pipwell</translation>
    </message>
</context>
<context>
    <name>pipwell::Announcer</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A box&apos;s name and the number in it, as a screen reader reads it: &quot;Die 1: 5&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>pipwell::FrmMain</name>
    <message>
        <source>Tile %1</source>
        <translation>%1 號牌</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 種擲法中有 %1 種可以蓋上這張牌</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>%1 號牌的數字</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>骰子 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>骰子 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>總和</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>骰子 1 的點數為 %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>骰子 2 的點數為 %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>您贏了！！！！！   到目前為止，您在總共 %2 局中贏了 %1 局！</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>我在一間酒吧看到有人用骰子玩這個遊戲。玩一次要十塊，每有人投十塊進去，酒吧就跟著再加十塊。誰能把數字全部清掉，整個彩池就歸誰。好像從來沒人贏過，所以我想說（等我酒醒之後）自己寫一個一模一樣的遊戲，親眼看看贏的機率到底有多少。注意，喝醉的時候玩這遊戲會上癮。還有，我不知到這遊戲叫什麼（連酒吧都不知道），所以就拿 Gravelhoof 一首粉酷的歌幫它取名。</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> 最後，這個程式是免費軟體。不過如果你忍不住想贊助一個快餓扁的大學生（其實偶比較想收到世界各地寄來的啤酒），就寄 email 到 %1 問我家地址吧</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble 選總統！！</translation>
    </message>
</context>
</TS>
