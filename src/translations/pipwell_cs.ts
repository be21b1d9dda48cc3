<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Padlo %1 a %2, součet %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Padlo %1 a %2, součet %3. Žádné otevřené políčko neodpovídá: zvolte Novou hru.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Políčko %1 zavřeno.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nová hra: všech devět políček je otevřených.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Otevřená políčka: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Zavřená políčka: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Čeká se na hod.</translation>
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
        <translation>Statistika:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Odehráno dnes:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Odehráno celkem:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Vyhráno celkem:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Zvolte výše jedno z následujících čísel:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Hodit</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Vynulovat statistiku</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Návod</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci Pipwell</translation>
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
        <translation>Políčko %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>Toto políčko lze zavřít při %1 z 36 hodů</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Číslo políčka %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Kostka 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Kostka 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Součet</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Na kostce 1 padlo %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Na kostce 2 padlo %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>VÍTĚZSTVÍ!!!!!   Zatím máte %1 vítězství z celkem %2 odehrané hry!</numerusform>
            <numerusform>VÍTĚZSTVÍ!!!!!   Zatím máte %1 vítězství z celkem %2 odehraných her!</numerusform>
            <numerusform>VÍTĚZSTVÍ!!!!!   Zatím máte %1 vítězství z celkem %2 odehraných her!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Viděl sem tuhle hru v jednom baru, hráli ji s kostkama.  Jedna hra stála dvacku, a za každou dvacku, co tam někdo hodil, přihodil bar další.  Kdo dokázal zavřít všechny čísla, shrábnul celej bank.  Protože to vypadalo, že nikdo nevyhrává, řek sem si, že tu samou hru napíšu (až vystřízlivím), abych sám viděl, jaký sou šance na výhru.  Pozor, když je člověk opilej, může bejt tahle hra návyková.  A taky sem nevěděl, jak se ta hra jmenuje (v baru to nevěděli ani oni), tak sem ji pojmenoval po jedný fakt kůl písničce od Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> A nakonec, tenhle program je freeware.  Ale jestli máš chuť podpořit napůl hladovějícího vysokoškoláka (vlastně bysem byl radši placenej pivem odevšad ze světa), napiš mi na %1 a pošlu ti adresu</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble prezidentem!!</translation>
    </message>
</context>
</TS>
