<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn_NO">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Du trilla %1 og %2, sum %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Du trilla %1 og %2, sum %3. Inga open brikke passar: vel «Nytt spel».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Brikke %1 lukka.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nytt spel: alle ni brikkene er opne.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Opne brikker: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Lukka brikker: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Ventar på eit kast.</translation>
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
        <translation>Spela i dag:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Spela totalt:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Vunne totalt:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Vel ovanfor eitt av følgjande tal:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Trill</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nytt spel</translation>
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
        <translation>Val</translation>
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
        <translation>Lydar</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Rettleiing</translation>
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
        <translation>%1 av 36 kast kan lukka denne brikka</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Talet på brikke %1</translation>
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
            <numerusform>DU ER EIN VINNAR!!!!!   Så langt har du vunne %1 av totalt %2 spel!</numerusform>
            <numerusform>DU ER EIN VINNAR!!!!!   Så langt har du vunne %1 av totalt %2 spel!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Eg såg dette spelet på ein bar, der spela dei det med terningar.  Det kosta ein tiar å spela, og for kvar tiar folk putta inn, la baren på like mykje.  Den som klarte å få bort alle tala, vann heile potten.  Sidan det verka som ingen nokon gong vann, tenkte eg at eg skulle skriva det same spelet (etter at eg hadde vorte edru) for å sjå sjølv kor store vinnarsjansane var.  Åtvaring, når ein er full, kan dette spelet vera vanedannande.  Og så visste&apos;kkje eg kva spelet heitte (baren visste det ikkje ein gong), så eg kalla det opp etter ein kuul låt av Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Til slutt, dette programmet er freeware.  Men viss du får lyst til å støtta ein halvt utsvelt student (eigentleg vil e helst få betalt i øl frå heile verda), så send meg ein e-post på %1, så får du heimeadressa mi</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble til president!!</translation>
    </message>
</context>
</TS>
