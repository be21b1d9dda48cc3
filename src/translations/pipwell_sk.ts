<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Padlo %1 a %2, súčet %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Padlo %1 a %2, súčet %3. Žiadne otvorené políčko nezodpovedá: zvoľte Novú hru.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Políčko %1 zatvorené.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nová hra: všetkých deväť políčok je otvorených.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Otvorené políčka: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Zatvorené políčka: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Čaká sa na hod.</translation>
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
        <translation>Štatistika:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Hier dnes:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Hier celkom:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Výhier celkom:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Vyberte hore jedno z nasledujúcich čísel:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Hodiť</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Súbor</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Vynulovať štatistiku</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Koniec</translation>
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
        <translation>O aplikácii</translation>
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
        <translation>Toto políčko možno zatvoriť pri %1 z 36 hodov</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Číslo políčka %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Kocka 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Kocka 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Súčet</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Na kocke 1 padlo %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Na kocke 2 padlo %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>VYHRALI STE!!!!!   Doteraz ste vyhrali %1 z celkového počtu %2 hry!</numerusform>
            <numerusform>VYHRALI STE!!!!!   Doteraz ste vyhrali %1 z celkového počtu %2 hier!</numerusform>
            <numerusform>VYHRALI STE!!!!!   Doteraz ste vyhrali %1 z celkového počtu %2 hier!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Videl som túto hru v jednom bare, hrali ju s kockami.  Jedna hra stála euro, a za každé euro, čo tam niekto hodil, pridal bar ďalšie.  Kto dokázal zatvoriť všetky čísla, zhrabol celý bank.  Keďže to vyzeralo, že nikto nevyhráva, povedal som si, že tú istú hru napíšem (keď vytriezviem), aby som sám videl, aké sú šance na výhru.  Pozor, keď je človek opitý, môže byť táto hra návyková.  A ešte som nevedeu, ako sa tá hra volá (v bare to nevedeli ani oni), tak som ju pomenoval po jednej fakt kúl pesničke od Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> A nakoniec, tento program je freeware.  Ale ak máš chuť podporiť napoly hladujúceho vysokoškoláka (vlastne bysom bol radšej platený pivom odvšadiaľ zo sveta), napíš mi na %1 a pošlem ti adresu</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble za prezidenta!!</translation>
    </message>
</context>
</TS>
