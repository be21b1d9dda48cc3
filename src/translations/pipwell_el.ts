<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Ρίψη: %1 και %2, άθροισμα %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Ρίψη: %1 και %2, άθροισμα %3. Κανένα ανοιχτό πλακίδιο δεν ταιριάζει: επιλέξτε «Νέο».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Το πλακίδιο %1 έκλεισε.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Νέο παιχνίδι: και τα εννέα πλακίδια είναι ανοιχτά.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Ανοιχτά πλακίδια: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Κλειστά πλακίδια: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Αναμονή για ρίψη.</translation>
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
        <translation>Στατιστικά:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Σήμερα:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Σύνολο:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Νίκες:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Επιλέξτε επάνω έναν από τους αριθμούς:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Ρίψη</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Επαναφορά στατιστικών</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Ήχοι</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Οδηγίες</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Περί του Pipwell</translation>
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
        <translation>Πλακίδιο %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 από τις 36 ρίψεις μπορούν να κλείσουν αυτό το πλακίδιο</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Αριθμός του πλακιδίου %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Ζάρι 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Ζάρι 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Άθροισμα</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Το ζάρι 1 δείχνει %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Το ζάρι 2 δείχνει %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ΚΕΡΔΙΣΑΤΕ!!!!!   Μέχρι τώρα έχετε κερδίσει %1 από συνολικά %2 παιχνίδι!</numerusform>
            <numerusform>ΚΕΡΔΙΣΑΤΕ!!!!!   Μέχρι τώρα έχετε κερδίσει %1 από συνολικά %2 παιχνίδια!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Είδα αυτό το παιχνίδι σε ένα μπαρ, το έπαιζαν με ζάρια. Κόστιζε ένα ευρώ η παρτίδα, και για κάθε ευρώ που έριχναν, το μπαρ έβαζε άλλο ένα. Όποιος κατάφερνε να καθαρίσει όλους τους αριθμούς έπαιρνε όλη την μπάνκα. Επειδή δεν φαινόταν να κερδίζει κανείς, είπα να γράψω το ίδιο παιχνίδι (αφού ξεμέθυσα) για να δω με τα μάτια μου τι πιθανότητες έχεις να κερδίσεις. Προσοχή, όταν είσαι μεθυσμένος, αυτό το παιχνίδι σε κολλάει. Επίσης, δεν ηξερα πώς λέγεται το παιχνίδι (ούτε το μπαρ δεν ήξερε), οπότε του έδωσα το όνομα ενός πολύ κούλ τραγουδιού των Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Τέλος, αυτό το πρόγραμμα είναι freeware. Αν όμως σου &apos;ρθει να στηρίξεις έναν μισοπεθαμένο από την πείνα φοιτητή (για την ακρίβεια, θα προτιμουσα να με πληρώσεις σε μπίρες από όλο τον κόσμο), στείλε μου email στο %1 για να σου πω τη διεύθυνση του σπιτιού μου</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble για Πρόεδρος!!</translation>
    </message>
</context>
</TS>
