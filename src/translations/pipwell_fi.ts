<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Heitit %1 ja %2, summa %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Heitit %1 ja %2, summa %3. Mikään avoin laatta ei sovi: valitse Uusi peli.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Laatta %1 suljettu.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Uusi peli: kaikki yhdeksän laattaa ovat auki.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Avoimet laatat: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Suljetut laatat: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Odotetaan heittoa.</translation>
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
        <translation>Tilastot:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Pelejä tänään:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Pelejä yhteensä:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Voitot yhteensä:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Valitse ylhäältä jokin näistä luvuista:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Heitä</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Uusi peli</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Nollaa tilastot</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Äänet</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Käyttöohje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
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
        <translation>Laatta %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 heitosta %1 voi sulkea tämän laatan</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Laatan %1 numero</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Noppa 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Noppa 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Summa</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Noppa 1 näyttää %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Noppa 2 näyttää %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>OLET VOITTAJA!!!!!   Tähän mennessä olet voittanut yhteensä %2 pelistä %1!</numerusform>
            <numerusform>OLET VOITTAJA!!!!!   Tähän mennessä olet voittanut yhteensä %2 pelistä %1!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Näin tän pelin yhessä baarissa, siellä sitä pelattiin nopilla.  Yks peli maksoi euron, ja jokaista sisään laitettua euroa kohti baari pani toisen päälle.  Se, joka sai kaikki numerot pois, vei koko potin.  Kun kukaan ei tuntunut ikinä voittavan, mä aattelin, et koodaan saman pelin (kunhan oon ensin selvinny) ja katon ite, millaset on voittomahdollisuudet.  Varoitus: kännissä tää peli voi koukuttaa.  Ja joo, en tienny pelin nimeä (ei baarikaan tienny), joten nimesin sen yhen Gravelhoofin biisin mukaan, joka on ihan kuul.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Lopuks vielä: tää ohjelma on freewarea.  Mut jos sulla on kova tarve tukea puoliks nälkää näkevää opiskelijaa (oikeestaan mä ottasin palkan mieluummin kaljana joka puolelta maailmaa), laita mulle sähköpostia osoitteeseen %1, niin saat mun kotiosoitteen</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble presidentiksi!!</translation>
    </message>
</context>
</TS>
