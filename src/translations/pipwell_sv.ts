<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Du slog %1 och %2, summa %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Du slog %1 och %2, summa %3. Ingen öppen bricka passar: välj Nytt spel.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Bricka %1 stängd.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nytt spel: alla nio brickor är öppna.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Öppna brickor: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Stängda brickor: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Väntar på ett kast.</translation>
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
        <translation>Statistik:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Spelade i dag:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Spelade totalt:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Vunna totalt:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Välj ovan ett av följande tal:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Slå</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Nollställ statistik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruktioner</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om Pipwell</translation>
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
        <translation>Bricka %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 av 36 kast kan stänga den här brickan</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Talet på bricka %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Tärning 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Tärning 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Tärning 1 visar %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Tärning 2 visar %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>DU ÄR EN VINNARE!!!!!   Hittills har du vunnit %1 av totalt %2 spel!</numerusform>
            <numerusform>DU ÄR EN VINNARE!!!!!   Hittills har du vunnit %1 av totalt %2 spel!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Jag såg det här spelet på en bar, där spelade dom det med tärningar.  Det kostade en femma att spela, och för varje femma som nån stoppade i la baren till lika mycket.  Den som lyckades rensa bort alla siffrorna vann potten.  Eftersom ingen verkade vinna tänkte jag att jag skulle skriva samma spel (när jag hade nyktrat till) för att själv se hur stora chanserna att vinna var.  Varning, när man är full kan det här spelet vara beroendeframkallande.  Jag viste förresten inte vad spelet hette (baren visste inte ens det), så jag döpte det efter en kool låt av Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Till sist, det här programmet är freeware.  Men om du känner ett sug efter att stötta en halvt svältande student (egentligen vill ja helst få betalt i öl från hela världen), mejla mig på %1 så får du min hemadress</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble som president!!</translation>
    </message>
</context>
</TS>
