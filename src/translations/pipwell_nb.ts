<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Du kastet %1 og %2, sum %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Du kastet %1 og %2, sum %3. Ingen åpen brikke passer: velg Nytt spill.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Brikke %1 lukket.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nytt spill: alle ni brikkene er åpne.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Åpne brikker: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Lukkede brikker: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Venter på et kast.</translation>
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
        <translation>Statistikk:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Spilt i dag:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Spilt totalt:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Vunnet totalt:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Velg ovenfor ett av følgende tall:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Kast</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nytt spill</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Nullstill statistikk</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Lyder</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Veiledning</translation>
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
        <translation>Brikke %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 av 36 kast kan lukke denne brikken</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Tallet på brikke %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Terning 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Terning 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Sum</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Terning 1 viser %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Terning 2 viser %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>DU ER EN VINNER!!!!!   Så langt har du vunnet %1 av totalt %2 spill!</numerusform>
            <numerusform>DU ER EN VINNER!!!!!   Så langt har du vunnet %1 av totalt %2 spill!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Jeg så dette spillet på en bar, der spilte de det med terninger.  Det kosta en tier å spille, og for hver tier folk putta inn, la baren på like mye.  Den som klarte å få bort alle tallene, vant hele potten.  Siden det virka som ingen noen gang vant, tenkte jeg at jeg skulle skrive det samme spillet (etter at jeg var blitt edru) for å se selv hvor store vinnersjansene var.  Advarsel, når man er full, kan dette spillet bli vanedannende.  Og så visste&apos;kke jeg hva spillet het (baren visste det ikke engang), så jeg kalte det opp etter en kuul låt av Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Til slutt, dette programmet er freeware.  Men hvis du får lyst til å støtte en halvt utsulta student (egentlig vil je helst få betalt i øl fra hele verden), så send meg en e-post på %1, så får du hjemmeadressa mi</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble til president!!</translation>
    </message>
</context>
</TS>
