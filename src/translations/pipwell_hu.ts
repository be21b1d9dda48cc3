<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Dobás: %1 és %2, összeg: %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Dobás: %1 és %2, összeg: %3. Egyik nyitott lapka sem illik hozzá: válassza az Új játék gombot.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>%1. lapka lezárva.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Új játék: mind a kilenc lapka nyitott.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Nyitott lapkák: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Lezárt lapkák: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Várakozás dobásra.</translation>
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
        <translation>Statisztika:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Mai játékok:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Összes játék:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Összes győzelem:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Válasszon fent az alábbi számok egyikét:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Dobás</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Ú&amp;j játék</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Statisztika törlése</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Hangok</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Útmutató</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
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
        <translation>%1. lapka</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 dobásból %1 zárhatja le ezt a lapkát</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>%1. lapka száma</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>1. kocka</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>2. kocka</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Összeg</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Az 1. kocka értéke: %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>A 2. kocka értéke: %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ÖN NYERT!!!!!   Eddig összesen %2 játékból %1 játékot nyert meg!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Ezt a játékot egy kocsmában láttam, ott kockával nyomták.  Egy kör egy százasba került, és minden bedobott százas mellé a kocsma is betett egyet.  Aki el tudta tüntetni az összes számot, azé lett az egész kassza.  Mivel úgy tűnt, soha senki nem nyer, gondoltam, megírom ugyanezt a játékot (miután kijózanodtam), hogy a saját szememmel lássam, mekkora az esély a nyerésre.  Vigyázat, részegen ez a játék függőséget okozhat.  Ja, és nemtudtam, mi a játék neve (a kocsmában se tudták), úgyhogy elneveztem egy tök kúl Gravelhoof-számról.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Végül: ez a program freeware.  De ha nagyon kedved támad támogatni egy félig éhenhaló egyetemistát (igazából szivesebben kapnám a fizetséget sörben, a világ minden tájáról), írj egy e-mailt ide: %1, és megkapod a lakcímemet</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble-t elnöknek!!</translation>
    </message>
</context>
</TS>
