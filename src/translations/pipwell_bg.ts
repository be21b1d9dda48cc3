<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Паднаха се %1 и %2, сбор %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Паднаха се %1 и %2, сбор %3. Никоя отворена плочка не подхожда: изберете „Нова игра“.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Плочка %1 е затворена.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Нова игра: всички девет плочки са отворени.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Отворени плочки: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Затворени плочки: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Изчакване на хвърляне.</translation>
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
        <translation>Статистика:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Игри днес:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Общо игри:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Общо победи:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Изберете горе едно от следните числа:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Хвърли</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Нова игра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Нулиране на статистиката</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуци</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Упътване</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Относно</translation>
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
        <translation>Плочка %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 от 36 хвърляния могат да затворят тази плочка</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Номер на плочка %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Зар 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Зар 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Сбор</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Зар 1 показва %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Зар 2 показва %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ПОБЕДИХТЕ!!!!!   Досега сте спечелили %1 от общо %2 изиграна игра!</numerusform>
            <numerusform>ПОБЕДИХТЕ!!!!!   Досега сте спечелили %1 от общо %2 изиграни игри!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Видях тая игра в един бар, играеха я със зарове.  Една игра струваше едно левче, и за всяко левче, дето някой пуснеше, барът слагаше още толкова.  Който успееше да махне всички числа, прибираше цялата каса.  Понеже май никой не печелеше, викам си, ще напиша същата игра (като изтрезнея), да видя сам какви са шансовете да спечелиш.  Внимавай, като си пиян, тая игра пристрастява.  И още нещо, незнаех как се казва играта (и в бара не знаеха), та я кръстих на една кул песен на Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> И накрая, тая програма е freeware.  Ама ако ти се прииска да подкрепиш един полугладен студент (всъщност аз би предпочел да ми платят с бира от цял свят), пиши ми на %1 за домашния ми адрес</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble за президент!!</translation>
    </message>
</context>
</TS>
