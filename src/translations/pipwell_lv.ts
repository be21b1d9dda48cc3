<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Izmests: %1 un %2, summa %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Izmests: %1 un %2, summa %3. Neviens atvērts lauciņš neatbilst: izvēlies “Jauna spēle”.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Lauciņš %1 aizvērts.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Jauna spēle: visi deviņi lauciņi ir atvērti.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Atvērtie lauciņi: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Aizvērtie lauciņi: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Gaida metienu.</translation>
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
        <translation>Spēles šodien:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Spēles kopā:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Uzvaras kopā:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Izvēlies augšā vienu no šiem skaitļiem:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Mest</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Jauna spēle</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datne</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcijas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Palīdzība</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Dzēst statistiku</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iziet</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Skaņas</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Pamācība</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Par Pipwell</translation>
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
        <translation>Lauciņš %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 no 36 metieniem var aizvērt šo lauciņu</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Lauciņa %1 numurs</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Kauliņš 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Kauliņš 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Kauliņš 1 rāda %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Kauliņš 2 rāda %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>UZVARA!!!!!   Līdz šim tu uzvarēji %1 no kopumā %2 spēles!</numerusform>
            <numerusform>UZVARA!!!!!   Līdz šim tu uzvarēji %1 no kopumā %2 spēlēm!</numerusform>
            <numerusform>UZVARA!!!!!   Līdz šim tu uzvarēji %1 no kopumā %2 spēlēm!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Es redzēju šito spēli vienā bārā, tur to spēlēja ar kauliņiem.  Viena spēle maksāja eiro, un par katru iemesto eiro bārs pielika vēl vienu klāt.  Kas dabūja nost visus skaitļus, tas paņēma visu banku.  Tā kā neviens it kā nekad nevinnēja, es izdomāju uzrakstīt tieši tādu pašu spēli (kad biju atskurbis), lai pats redzētu, kādas ir izredzes uzvarēt.  Uzmanību, iedzērušam šī spēle var radīt atkarību.  Un vēl, es nezinaju, kā spēle saucas (bārā to pat nezināja), tāpēc nosaucu to pēc vienas kūl Gravelhoof dziesmas.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Un beidzot: šī programma ir freeware.  Bet, ja tev niez rokas atbalstīt pusbadā dzīvojošu studentu (patiesībā es gribetu, lai man maksā ar alu no visām pasaules malām), uzraksti man uz %1, un es tev iedošu savu mājas adresi</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble par prezidentu!!</translation>
    </message>
</context>
</TS>
