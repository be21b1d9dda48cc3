<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Ați aruncat %1 și %2, suma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Ați aruncat %1 și %2, suma %3. Nicio plăcuță deschisă nu se potrivește: alegeți „Joc nou”.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Plăcuța %1 a fost închisă.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Joc nou: toate cele nouă plăcuțe sunt deschise.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Plăcuțe deschise: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Plăcuțe închise: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Se așteaptă o aruncare.</translation>
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
        <translation>Statistici:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Jocuri astăzi:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Total jocuri:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Jocuri câștigate:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Alegeți mai sus unul dintre numerele următoare:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Aruncă</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Joc &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Resetează statisticile</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sunete</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucțiuni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre Pipwell</translation>
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
        <translation>Plăcuța %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 din 36 de aruncări pot închide această plăcuță</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Numărul plăcuței %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Zarul 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Zarul 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Zarul 1 arată %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Zarul 2 arată %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>AȚI CÂȘTIGAT!!!!!   Până acum ați câștigat %1 dintr-un total de %2 joc!</numerusform>
            <numerusform>AȚI CÂȘTIGAT!!!!!   Până acum ați câștigat %1 dintr-un total de %2 jocuri!</numerusform>
            <numerusform>AȚI CÂȘTIGAT!!!!!   Până acum ați câștigat %1 dintr-un total de %2 de jocuri!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Am văzut jocul ăsta într-un bar, se juca cu zaruri.  O tură costa un leu, și pentru fiecare leu băgat, barul mai punea unul.  Cine reușea să scape de toate numerele lua tot potul.  Cum nu părea să câștige nimeni, mi-am zis să scriu același joc (după ce mă trezesc din beție) ca să văd cu ochii mei ce șanse ai să câștigi.  Atenție, când ești beat, jocul ăsta poate da dependență.  Și, nu stiam cum se cheamă jocul (nici cei de la bar nu știau), așa că i-am pus numele unei piese misto de la Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> În fine, programul ăsta e freeware.  Da&apos; dacă te mănâncă să ajuți un student pe jumătate mort de foame (de fapt, as prefera să fiu plătit în bere din toate colțurile lumii), trimite-mi un mail la %1 și-ți dau adresa de acasă</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble la președinție!!</translation>
    </message>
</context>
</TS>
