<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Vrgli ste %1 in %2, vsota %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Vrgli ste %1 in %2, vsota %3. Nobena odprta ploščica se ne ujema: izberite »Nova igra«.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Ploščica %1 zaprta.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nova igra: vseh devet ploščic je odprtih.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Odprte ploščice: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Zaprte ploščice: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Čakanje na met.</translation>
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
        <translation>Igre danes:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Igre skupaj:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Zmage skupaj:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Zgoraj izberite eno od naslednjih števil:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>V&amp;rzi</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova igra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Končaj</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Ponastavi statistiko</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Končaj</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvoki</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Navodila</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
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
        <translation>Ploščica %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>To ploščico lahko zaprete pri %1 od 36 metov</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Število na ploščici %1</translation>
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
        <translation>Vsota</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Kocka 1 kaže %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Kocka 2 kaže %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ZMAGALI STE!!!!!   Doslej ste dobili %1 od skupno %2 igre!</numerusform>
            <numerusform>ZMAGALI STE!!!!!   Doslej ste dobili %1 od skupno %2 iger!</numerusform>
            <numerusform>ZMAGALI STE!!!!!   Doslej ste dobili %1 od skupno %2 iger!</numerusform>
            <numerusform>ZMAGALI STE!!!!!   Doslej ste dobili %1 od skupno %2 iger!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Videl sem to igro v enem baru, igrali so jo s kockami.  Ena igra je stala en evro, in za vsak evro, ki ga je kdo vrgel notri, je bar dodal še enega.  Kdor je uspel zapreti vse številke, je pobral ves kup.  Ker je zgledalo, da nihče ne zmaga, sem si rekel, da bom napisal isto igro (ko se streznim), da sam vidim, kakšne so možnosti za zmago.  Pozor, ko si pijan, lahko ta igra zasvoji.  Pa še nisem vedu, kako se ta igra imenuje (v baru niso vedli niti oni), zato sem jo poimenoval po eni ful kuul pesmi od Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Za konec, ta program je freeware.  Ampak če te mika podpreti napol sestradanega študenta (v bistvu bi bil rajš plačan v pivu z vsega sveta), mi piši na %1 za moj domači naslov</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble za predsednika!!</translation>
    </message>
</context>
</TS>
