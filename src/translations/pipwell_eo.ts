<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eo_001">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Vi ĵetis %1 kaj %2, sumo %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Vi ĵetis %1 kaj %2, sumo %3. Neniu malfermita kahelo kongruas: elektu „Nova ludo“.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Kahelo %1 fermita.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nova ludo: ĉiuj naŭ kaheloj estas malfermitaj.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Malfermitaj kaheloj: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Fermitaj kaheloj: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Atendante ĵeton.</translation>
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
        <translation>Statistiko:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Ludoj hodiaŭ:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Ludoj entute:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Venkoj entute:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Elektu supre unu el la jenaj nombroj:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Ruligi</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova ludo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Fini</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosiero</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcioj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Helpo</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Restarigi statistikon</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonoj</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcioj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Pri Pipwell</translation>
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
        <translation>Kahelo %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 el 36 ĵetoj povas fermi ĉi tiun kahelon</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Nombro de kahelo %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Ĵetkubo 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Ĵetkubo 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Sumo</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Ĵetkubo 1 montras %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Ĵetkubo 2 montras %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>VI ESTAS VENKINTO!!!!!   Ĝis nun vi gajnis %1 el entute %2 ludo!</numerusform>
            <numerusform>VI ESTAS VENKINTO!!!!!   Ĝis nun vi gajnis %1 el entute %2 ludoj!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Mi vidis ĉi tiun ludon en drinkejo, kie oni ludis ĝin per ĵetkuboj.  Unu ludo kostis unu eŭron, kaj por ĉiu eŭro, kiun iu enĵetis, la drinkejo aldonis ankoraŭ unu.  Kiu sukcesis forigi ĉiujn nombrojn, gajnis la tutan poton.  Ĉar ŝajne neniam iu gajnis, mi pensis, ke mi verkos la saman ludon (post kiam mi sobriĝos), por mem vidi, kiom da ŝanco oni havas gajni.  Atentu, ebrie ĉi tiu ludo povas krei dependecon.  Krome, mi ne sciis kiel nomigxas la ludo (eĉ la drinkejo ne sciis), do mi nomis ĝin laŭ mojosa kanto de Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Fine, ĉi tiu programo estas freeware.  Sed se vi sentas emon subteni duone malsatantan studenton (fakte mi pli sxatus esti pagata per biero el la tuta mondo), retpoŝtu al mi ĉe %1 por ricevi mian hejman adreson</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble por prezidanto!!</translation>
    </message>
</context>
</TS>
