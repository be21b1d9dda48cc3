<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Tirada: %1 i %2, suma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Tirada: %1 i %2, suma %3. Cap casella oberta no hi coincideix: premeu Nova.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Casella %1 tancada.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Partida nova: les nou caselles estan obertes.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Caselles obertes: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Caselles tancades: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>S&apos;està esperant una tirada.</translation>
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
        <translation>Estadístiques:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Partides avui:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Partides en total:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Victòries en total:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Trieu a dalt un dels nombres següents:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Tira</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fitxer</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcions</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Neteja les estadístiques</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruccions</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
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
        <translation>Casella %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 de les 36 tirades poden tancar aquesta casella</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Número de la casella %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Dau 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Dau 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>El dau 1 mostra %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>El dau 2 mostra %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>HEU GUANYAT!!!!!   Fins ara heu guanyat %1 sobre %2 partida jugada!</numerusform>
            <numerusform>HEU GUANYAT!!!!!   Fins ara heu guanyat %1 sobre %2 partides jugades!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Vaig veure aquest joc en un bar, hi jugaven amb daus.  Costava un euro jugar, i per cada euro que hi posaven, el bar n&apos;hi afegia un altre.  Qui aconseguia tancar tots els números s&apos;enduia el pot.  Com que semblava que no guanyava mai ningú, se&apos;m va acudir programar el mateix joc (quan se&apos;m va passar la borratxera) per veure amb els meus ulls quines possibilitats hi havia de guanyar.  Compte, si vas torrat, aquest joc enganxa.  Ah, i no sabia com sanomenava el joc (al bar ni tan sols ho sabien), així que li vaig posar el nom d&apos;una cançó molt guay dels Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Per acabar, aquest programa és freeware.  Tot i que si et ve de gust ajudar un estudiant universitari mig mort de gana (la veritat, mestimaria més que em paguessin en cervesa de tot arreu del món), envia&apos;m un correu a %1 i et passo la meva adreça</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble president!!</translation>
    </message>
</context>
</TS>
