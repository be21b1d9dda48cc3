<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Gewürfelt: %1 und %2, Summe %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Gewürfelt: %1 und %2, Summe %3. Keine offene Klappe passt: Wählen Sie Neues Spiel.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Klappe %1 geschlossen.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Neues Spiel: Alle neun Klappen sind offen.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Offene Klappen: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Geschlossene Klappen: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Warten auf einen Wurf.</translation>
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
        <translation>&amp;Würfeln</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Wählen Sie oben eine der folgenden Zahlen:</translation>
    </message>
    <message>
        <source>Stats:</source>
        <translation>Statistik:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Spiele heute:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Spiele insgesamt:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Siege insgesamt:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Pipwell</translation>
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
        <translation>Klappe %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 von 36 Würfen können diese Klappe schließen</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Zahl auf Klappe %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Würfel 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Würfel 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Würfel 1 zeigt %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Würfel 2 zeigt %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>SIE HABEN GEWONNEN!!!!!   Bisher haben Sie %1 von insgesamt %2 Spiel gewonnen!</numerusform>
            <numerusform>SIE HABEN GEWONNEN!!!!!   Bisher haben Sie %1 von insgesamt %2 Spielen gewonnen!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble zum Präsidenten!!</translation>
    </message>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Ich hab dieses Spiel in einer Kneipe gesehen, da wurde es mit Würfeln gespielt.  Eine Runde kostete einen Euro, und für jeden Euro, den einer reinwarf, legte die Kneipe noch einen drauf.  Wer es schaffte, alle Zahlen wegzukriegen, hat den ganzen Pott abgeräumt.  Weil irgendwie nie einer gewann, dachte ich mir, ich schreib das Spiel einfach nach (nachdem ich wieder nüchtern war), um selbst rauszufinden, wie die Chancen stehen.  Achtung, besoffen kann dieses Spiel süchtig machen.  Ach ja, ich wusste nich, wie das Spiel heißt (die Kneipe wusste es nicht mal selbst), also hab ich es nach nem voll kuhlen Song von Gravelhoof benannt.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Und zum Schluss: Dieses Programm ist Freeware.  Aber falls es dich juckt, einen halb verhungerten Studenten zu unterstützen (eigentlich würd ich mich am liebsten in Bier bezahlen lassen, und zwar aus aller Welt), schreib mir ne Mail an %1, dann kriegst du meine Adresse</translation>
    </message>
</context>
</TS>
