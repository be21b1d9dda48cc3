<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Gegooid: %1 en %2, som %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Gegooid: %1 en %2, som %3. Geen open vakje past: kies Nieuw spel.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Vakje %1 gesloten.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nieuw spel: alle negen vakjes zijn open.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Open vakjes: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Gesloten vakjes: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Wachten op een worp.</translation>
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
        <source>&amp;Roll</source>
        <translation>&amp;Gooien</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Kies hierboven een van de volgende getallen:</translation>
    </message>
    <message>
        <source>Stats:</source>
        <translation>Statistieken:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Vandaag gespeeld:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Totaal gespeeld:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Totaal gewonnen:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Pipwell</translation>
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
        <translation>Vakje %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 van de 36 worpen kunnen dit vakje sluiten</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Nummer van vakje %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Dobbelsteen 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Dobbelsteen 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Dobbelsteen 1 staat op %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Dobbelsteen 2 staat op %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>U HEBT GEWONNEN!!!!!   Uw score tot nu toe: %1 van in totaal %2 spel!</numerusform>
            <numerusform>U HEBT GEWONNEN!!!!!   Uw score tot nu toe: %1 van in totaal %2 spellen!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble voor president!!</translation>
    </message>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Ik zag dit spel in een kroeg, ze speelden het met dobbelstenen.  Een potje kostte een kwartje, en voor elk kwartje dat erin ging, legde de kroeg er eentje bij.  Wie alle getallen dicht wist te krijgen, won de pot.  Omdat er nooit iemand leek te winnen, dacht ik: ik schrijf dat spel gewoon zelf na (toen ik weer nuchter was), dan zie ik zelf hoe groot de kans is om te winnen.  Let op, als je dronken bent, kan dit spel verslavend zijn.  O ja, ik wist niet hoe t spel heette (de kroeg wist t zelf niet eens), dus heb ik het vernoemd naar een vet gaaf nummer van Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Tot slot: dit programma is freeware.  Maar als je de drang voelt om een half verhongerde student te steunen (eigenlijk word ik t liefst betaald in bier, van overal ter wereld), mail me dan op %1 voor mijn huisadres</translation>
    </message>
</context>
</TS>
