<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Lancer&#xa0;: %1 et %2, somme %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Lancer&#xa0;: %1 et %2, somme %3. Aucune case ouverte ne correspond&#xa0;: choisissez Rejouer.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Case %1 fermée.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nouvelle partie&#xa0;: les neuf cases sont ouvertes.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Cases ouvertes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Cases fermées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>En attente d&apos;un lancer.</translation>
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
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Choisissez en haut l&apos;un des nombres suivants&#xa0;:</translation>
    </message>
    <message>
        <source>Stats:</source>
        <translation>Statistiques&#xa0;:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Parties du jour&#xa0;:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Parties au total&#xa0;:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Victoires au total&#xa0;:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>pipwell::Announcer</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A box&apos;s name and the number in it, as a screen reader reads it: &quot;Die 1: 5&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>pipwell::FrmMain</name>
    <message>
        <source>Tile %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 lancers sur 36 peuvent fermer cette case</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Numéro de la case %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Dé 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Dé 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Le dé 1 indique %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Le dé 2 indique %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>VOUS AVEZ GAGNÉ&#xa0;!!!!!   Jusqu&apos;ici, vous avez gagné %1 partie sur %2 jouée&#xa0;!</numerusform>
            <numerusform>VOUS AVEZ GAGNÉ&#xa0;!!!!!   Jusqu&apos;ici, vous avez gagné %1 des %2 parties jouées&#xa0;!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble président&#xa0;!!</translation>
    </message>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>J&apos;ai vu des gens jouer à ce jeu avec des dés dans un bar.  Une partie coûtait un euro, et pour chaque euro mis dedans, le bar en rajoutait un.  Celui qui arrivait à fermer tous les numéros raflait la cagnotte.  Comme personne avait l&apos;air de gagner, je me suis dit que j&apos;allais programmer le même jeu (une fois dessoûlé) pour voir par moi-même quelles étaient les chances de gagner.  Attention, quand on a bu, ce jeu peut rendre accro.  Et puis je connaissais pas le nom du jeu (même le bar le savait pas), alors je lui ai donné le nom d&apos;une chanson trop kool de Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Enfin, ce programme est un freeware.  Mais si t&apos;as une soudaine envie d&apos;aider un étudiant à moitié mort de faim (en vrai, j&apos;préfèrerais être payé en bières du monde entier), envoie-moi un mail à %1 pour avoir mon adresse</translation>
    </message>
</context>
</TS>
