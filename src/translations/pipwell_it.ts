<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Lancio: %1 e %2, somma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Lancio: %1 e %2, somma %3. Nessuna casella aperta corrisponde: scegli Ricomincia.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Casella %1 chiusa.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nuova partita: tutte e nove le caselle sono aperte.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Caselle aperte: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Caselle chiuse: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>In attesa di un lancio.</translation>
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
        <translation>&amp;Lancia</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Scegli sopra uno dei seguenti numeri:</translation>
    </message>
    <message>
        <source>Stats:</source>
        <translation>Statistiche:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Partite oggi:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Partite in totale:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Vittorie in totale:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Azzera statistiche</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>%1 lanci su 36 possono chiudere questa casella</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Numero della casella %1</translation>
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
        <translation>Somma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Il dado 1 mostra %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Il dado 2 mostra %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>HAI VINTO!!!!!   Finora hai vinto %1 partita su %2 giocata!</numerusform>
            <numerusform>HAI VINTO!!!!!   Finora hai vinto %1 delle %2 partite giocate!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble presidente!!</translation>
    </message>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Ho visto questo gioco in un bar, ci giocavano coi dadi.  Una partita costava un euro, e per ogni euro che mettevano il bar ne aggiungeva un altro.  Chi riusciva a chiudere tutti i numeri si portava a casa il piatto.  Visto che non vinceva mai nessuno, ho pensato di scrivere lo stesso gioco (dopo che mi era passata la sbornia) per vedere coi miei occhi quante possibilità ci sono di vincere.  Attenzione, da ubriachi questo gioco può dare dipendenza.  E poi non sapevo come si chiamava il gioco (non lo sapevano neanche al bar), percio gli ho dato il nome di una canzone fighissima dei Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Infine, questo programma è freeware.  Però se ti viene voglia di dare una mano a uno studente universitario mezzo morto di fame (anzi, preferirei essere pagato in birra da tutto il mondo), scrivimi una mail a %1 e ti do il mio indirizzo di casa</translation>
    </message>
</context>
</TS>
