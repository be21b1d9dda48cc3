<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Rzut: %1 i %2, suma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Rzut: %1 i %2, suma %3. Żadne otwarte pole nie pasuje: wybierz „Nowa gra”.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Pole %1 zamknięte.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Nowa gra: wszystkie dziewięć pól jest otwartych.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Otwarte pola: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Zamknięte pola: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Oczekiwanie na rzut.</translation>
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
        <translation>&amp;Rzuć</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Wybierz u góry jedną z tych liczb:</translation>
    </message>
    <message>
        <source>Stats:</source>
        <translation>Statystyki:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Gry dzisiaj:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Gry łącznie:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Wygrane łącznie:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Wyzeruj statystyki</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
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
        <translation>Pole %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>Rzuty, które mogą zamknąć to pole: %1 z 36</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Liczba na polu %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Kostka 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Kostka 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Kostka 1 pokazuje %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Kostka 2 pokazuje %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ZWYCIĘSTWO!!!!!   Do tej pory rozegrano %2 grę, wygrane: %1!</numerusform>
            <numerusform>ZWYCIĘSTWO!!!!!   Do tej pory rozegrano %2 gry, wygrane: %1!</numerusform>
            <numerusform>ZWYCIĘSTWO!!!!!   Do tej pory rozegrano %2 gier, wygrane: %1!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble na prezydenta!!</translation>
    </message>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Widziałem w barze, jak ludzie grali w tę grę kostkami.  Jedna gra kosztowała złotówkę, a do każdej wrzuconej złotówki bar dokładał drugą.  Kto zdołał zamknąć wszystkie liczby, zgarniał całą pulę.  Jako że jakoś nikt nie wygrywał, stwierdziłem, że napiszę taką samą grę (jak już wytrzeźwiałem), żeby sam sprawdzić, jakie są szanse na wygraną.  Uwaga, po pijaku ta gra może uzależniać.  Aha, nie wiedzialem, jak ta gra się nazywa (w barze też nie wiedzieli), więc nazwałem ją tak jak czadowy kawałek Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> No i na koniec: ten program to freeware.  Ale jeśli najdzie cię ochota wesprzeć na wpół zagłodzonego studenta (szczerze mówiąc, wolalbym zapłatę w piwie z każdego zakątka świata), napisz maila na %1, to podam ci mój adres domowy</translation>
    </message>
</context>
</TS>
