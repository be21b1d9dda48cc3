<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Bačeno %1 i %2, zbroj %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Bačeno %1 i %2, zbroj %3. Nijedna otvorena pločica ne odgovara: odaberite „Nova igra“.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Pločica %1 je zatvorena.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nova igra: svih devet pločica je otvoreno.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Otvorene pločice: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Zatvorene pločice: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Čeka se bacanje.</translation>
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
        <translation>Igara danas:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Ukupno igara:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Ukupno pobjeda:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Odaberite gore jedan od sljedećih brojeva:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Bacaj</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova igra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Poništi statistiku</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvukovi</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Upute</translation>
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
        <translation>Pločica %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 od 36 bacanja može zatvoriti ovu pločicu</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Broj pločice %1</translation>
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
        <translation>Zbroj</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Kocka 1 pokazuje %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Kocka 2 pokazuje %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>POBIJEDILI STE!!!!!   Dosad ste dobili %1 od ukupno %2 odigrane igre!</numerusform>
            <numerusform>POBIJEDILI STE!!!!!   Dosad ste dobili %1 od ukupno %2 odigrane igre!</numerusform>
            <numerusform>POBIJEDILI STE!!!!!   Dosad ste dobili %1 od ukupno %2 odigranih igara!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Vidio sam ovu igru u jednoj birtiji, igrali su je s kockama.  Jedna partija je koštala euro, a za svaki euro koji bi netko ubacio, birtija bi dodala još jedan.  Tko bi uspio maknuti sve brojeve, pokupio bi cijelu lovu.  Pošto baš nitko nije pobjeđivao, skužio sam da ću napisati istu igru (kad se otrijeznim) da sam vidim kakve su šanse za pobjedu.  Oprez, kad si pijan, ova igra zna stvoriti ovisnost.  I još nešto, nism znao kako se igra zove (ni u birtiji nisu znali), pa sam joj dao ime po jednoj ql pjesmi od Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> I za kraj, ovaj program je freeware.  Ali ako te baš svrbi da pomogneš jednom polugladnom studentu (zapravo, ja bi radije da mi se plati pivom iz svih krajeva svijeta), pošalji mi mail na %1 za moju kućnu adresu</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble za predsjednika!!</translation>
    </message>
</context>
</TS>
