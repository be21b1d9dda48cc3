<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Tirada: %1 y %2, suma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Tirada: %1 y %2, suma %3. Ninguna casilla abierta coincide: pulse Reiniciar.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Casilla %1 cerrada.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nueva partida: las nueve casillas están abiertas.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Casillas abiertas: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Casillas cerradas: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Esperando una tirada.</translation>
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
        <source>&amp;Roll</source>
        <translation>&amp;Tirar</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Elija arriba uno de los siguientes números:</translation>
    </message>
    <message>
        <source>Stats:</source>
        <translation>Estadísticas:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Partidas hoy:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Partidas en total:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Victorias en total:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Borrar estadísticas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 de 36 tiradas pueden cerrar esta casilla</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Número de la casilla %1</translation>
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
        <translation>El dado 1 marca %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>El dado 2 marca %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>¡¡¡¡¡HA GANADO!!!!!   ¡Hasta ahora ha ganado %1 de un total de %2 partida!</numerusform>
            <numerusform>¡¡¡¡¡HA GANADO!!!!!   ¡Hasta ahora ha ganado %1 de un total de %2 partidas!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>Quorble For President!!</source>
        <translation>¡¡Quorble presidente!!</translation>
    </message>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Vi este juego en un bar, la gente lo jugaba con dados.  Costaba un euro jugar, y por cada euro que echaban, el bar ponía otro.  El que conseguía cerrar todos los números se llevaba el bote.  Como parecía que nunca ganaba nadie, se me ocurrió programar el mismo juego (cuando se me pasó la borrachera) para ver con mis propios ojos las probabilidades de ganar.  Ojo, si vas borracho, este juego engancha.  Ah, y no sabia cómo se llamaba el juego (ni en el bar lo sabían), así que le puse el nombre de una canción chulísima de Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Por último, este programa es freeware.  Aunque si te entran ganas de ayudar a un estudiante universitario medio muerto de hambre (la verdad, me molaria más que me pagaran en cerveza de cualquier parte del mundo), mándame un email a %1 y te paso mi dirección</translation>
    </message>
</context>
</TS>
