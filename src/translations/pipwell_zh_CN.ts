<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>掷出 %1 和 %2，总和 %3。</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>掷出 %1 和 %2，总和 %3。没有可以合上的牌：请选择“新游戏”。</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>%1 号牌已合上。</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>新游戏：九张牌均已打开。</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>打开的牌：%1。</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>合上的牌：%1。</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>等待掷骰子。</translation>
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
        <translation>统计：</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>今日局数：</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>总局数：</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>获胜局数：</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>请在上方选择下列数字之一：</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>掷骰子(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于 Pipwell</translation>
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
        <translation>%1 号牌</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 种掷法中有 %1 种可以合上这张牌</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>%1 号牌的数字</translation>
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
        <translation>总和</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>骰子 1 的点数为 %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>骰子 2 的点数为 %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>您赢了！！！！！   到目前为止，您在总共 %2 局中赢了 %1 局！</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>我在一家酒吧里看到有人用骰子玩这个游戏。玩一把要一块钱，每有人投进一块钱，酒吧就再往里添一块。谁能把所有数字都清掉，谁就把奖池全拿走。好像从来没人赢过，所以我寻思着（等我酒醒了以后）自己写个一模一样的游戏，亲眼看看赢的几率到底有多大。注意，喝醉的时候这游戏会上瘾。还有，我不造这游戏叫啥（连酒吧都不知道），所以就拿 Gravelhoof 一首灰常酷的歌给它起了名。</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> 最后，这个程序是免费软件。不过要是你忍不住想支援一个快饿扁的大学生（其实偶更想收到来自世界各地的啤酒），就发邮件到 %1 问我家的地址吧</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble 当总统！！</translation>
    </message>
</context>
</TS>
