<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Tirada: %1 e %2, suma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Tirada: %1 e %2, suma %3. Ningunha casa aberta coincide: prema Xogo novo.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Casa %1 pechada.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Partida nova: as nove casas están abertas.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Casas abertas: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Casas pechadas: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Agardando unha tirada.</translation>
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
        <translation>Estatísticas:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Partidas hoxe:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Partidas en total:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Vitorias en total:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Escolla arriba un dos seguintes números:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Tirar</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Xogo &amp;novo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Saír</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcións</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Limpar as estatísticas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucións</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 de 36 tiradas poden pechar esta casa</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Número da casa %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Dado 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Dado 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>O dado 1 mostra %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>O dado 2 mostra %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>GAÑOU!!!!!   Ata agora gañou %1 dun total de %2 partida!</numerusform>
            <numerusform>GAÑOU!!!!!   Ata agora gañou %1 dun total de %2 partidas!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Vin este xogo nun bar, xogábano con dados.  Custaba un euro xogar, e por cada euro que metían, o bar poñía outro.  Quen conseguía pechar todos os números levaba o bote.  Como parecía que nunca gañaba ninguén, ocorréuseme programar o mesmo xogo (cando se me pasou a borracheira) para ver eu mesmo as probabilidades de gañar.  Ollo, se vas bébedo, este xogo engancha.  Ah, e non sabia como se chamaba o xogo (nin no bar o sabían), así que lle puxen o nome dunha canción moi guay de Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Para rematar, este programa é freeware.  Aínda que se che dan ganas de axudar a un estudante universitario medio morto de fame (a verdade, preferiria que me pagasen en cervexa de calquera parte do mundo), mándame un correo a %1 e pásoche o meu enderezo</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble presidente!!</translation>
    </message>
</context>
</TS>
