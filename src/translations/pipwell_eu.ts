<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Jaurtialdia: %1 eta %2, batura %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Jaurtialdia: %1 eta %2, batura %3. Ez dago bat datorren fitxa irekirik: hautatu «Joko berria».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>%1 fitxa itxi da.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Joko berria: bederatzi fitxak irekita daude.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Fitxa irekiak: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Fitxa itxiak: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Jaurtialdiaren zain.</translation>
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
        <translation>Estatistikak:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Gaurko jokoak:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Jokoak guztira:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Irabaziak guztira:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Aukeratu goian hurrengo zenbakietako bat:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Jaurti</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Joko &amp;berria</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Irten</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fitxategia</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Aukerak</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Berrezarri estatistikak</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Soinuak</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Argibideak</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Pipwell-i buruz</translation>
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
        <translation>%1 fitxa</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 jaurtialditatik %1 jaurtialdik itxi dezakete fitxa hau</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>%1 fitxaren zenbakia</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>1. dadoa</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>2. dadoa</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Batura</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>1. dadoak %1 erakusten du</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>2. dadoak %1 erakusten du</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>IRABAZI DUZU!!!!!   Orain arte %1 aldiz irabazi duzu, guztira jokatutako %2 jokoan!</numerusform>
            <numerusform>IRABAZI DUZU!!!!!   Orain arte %1 aldiz irabazi duzu, guztira jokatutako %2 jokoetan!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Taberna batean ikusi nuen joko hau, dadoekin jokatzen zuten.  Partida batek euro bat balio zuen, eta norbaitek sartzen zuen euro bakoitzeko, tabernak beste bat jartzen zuen.  Zenbaki guztiak kentzea lortzen zuenak poltsa osoa eramaten zuen.  Inork ez zuela irabazten zirudienez, joko bera idaztea pentsatu nuen (mozkorra pasatu ondoren), irabazteko aukerak neure begiz ikusteko.  Kontuz, mozkortuta, joko honek mendekotasuna sor dezake.  Gainera, ez nekixen jokoaren izena (tabernan ere ez zekiten), beraz Gravelhoof-en abesti super-kool baten izena jarri nion.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Azkenik, programa hau freeware da.  Baina erdi gosez dagoen ikasle bati laguntzeko gogoa ematen badizu (egia esan, naiago nuke munduko txoko guztietako garagardotan ordaintzea), bidali e-posta bat %1 helbidera eta etxeko helbidea emango dizut</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble lehendakari!!</translation>
    </message>
</context>
</TS>
