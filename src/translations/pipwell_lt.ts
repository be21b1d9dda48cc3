<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Iškrito %1 ir %2, suma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Iškrito %1 ir %2, suma %3. Netinka nė viena atvira plytelė: pasirinkite „Naujas“.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Plytelė %1 uždaryta.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Naujas žaidimas: visos devynios plytelės atviros.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Atviros plytelės: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Uždarytos plytelės: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Laukiama metimo.</translation>
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
        <translation>Žaista šiandien:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Žaista iš viso:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Laimėta iš viso:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Viršuje pasirinkite vieną iš šių skaičių:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Ridenti</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Naujas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Išeiti</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Failas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Parinktys</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Žinynas</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Išvalyti statistiką</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Išeiti</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Garsai</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcija</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Apie</translation>
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
        <translation>Plytelė %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 iš 36 metimų gali uždaryti šią plytelę</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Plytelės %1 skaičius</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Kauliukas 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Kauliukas 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Kauliukas 1 rodo %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Kauliukas 2 rodo %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>JŪS LAIMĖJOTE!!!!!   Iki šiol laimėjote %1 iš %2 sužaisto žaidimo!</numerusform>
            <numerusform>JŪS LAIMĖJOTE!!!!!   Iki šiol laimėjote %1 iš %2 sužaistų žaidimų!</numerusform>
            <numerusform>JŪS LAIMĖJOTE!!!!!   Iki šiol laimėjote %1 iš %2 sužaistų žaidimų!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Mačiau šitą žaidimą viename bare, ten jį žaidė su kauliukais.  Vienas žaidimas kainavo litą, ir už kiekvieną įmestą litą baras pridėdavo dar tiek pat.  Kas sugebėdavo nuimti visus skaičius, tas pasiimdavo visą banką.  Kadangi lyg ir niekas nelaimėdavo, sugalvojau parašyt tokį patį žaidimą (kai išsiblaivysiu), kad pats pamatyčiau, kokie ten šansai laimėti.  Atsargiai, kai esi girtas, šitas žaidimas gali įtraukti.  Ir dar, nezinojau, kaip tas žaidimas vadinasi (net bare nežinojo), tai pavadinau jį vienos kūl Gravelhoof dainos vardu.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Ir galiausiai, ši programa yra freeware.  Bet jei tau knieti paremti pusbadžiu gyvenantį studentą (tiesą sakant, as mieliau imčiau atlygį alum iš viso pasaulio), parašyk man %1 ir gausi mano namų adresą</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble į prezidentus!!</translation>
    </message>
</context>
</TS>
