<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be_BY">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Выпала %1 і %2, сума %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Выпала %1 і %2, сума %3. Ніводная адкрытая клетка не падыходзіць: абярыце «Новая».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Клетка %1 закрыта.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Новая гульня: усе дзевяць клетак адкрытыя.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Адкрытыя клеткі: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Закрытыя клеткі: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Чакаецца кідок.</translation>
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
        <translation>Статыстыка:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Згуляна сёння:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Усяго згуляна:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Усяго выйграна:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Абярыце вышэй адзін з наступных лікаў:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Кінуць</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выйсці</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройкі</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Дапамога</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Скінуць статыстыку</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйсці</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Гукі</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Інструкцыя</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Аб праграме</translation>
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
        <translation>Клетка %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 з 36 кідкоў могуць закрыць гэту клетку</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Нумар клеткі %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Косць 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Косць 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>На косці 1 выпала %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>На косці 2 выпала %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ВЫ ПЕРАМАГЛІ!!!!!   Пакуль што вы выйгралі %1 з %2 згулянай гульні!</numerusform>
            <numerusform>ВЫ ПЕРАМАГЛІ!!!!!   Пакуль што вы выйгралі %1 з %2 згуляных гульняў!</numerusform>
            <numerusform>ВЫ ПЕРАМАГЛІ!!!!!   Пакуль што вы выйгралі %1 з %2 згуляных гульняў!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Я бачыў гэту гульню ў адным бары, там у яе гулялі з касцямі.  Адна гульня каштавала рубель, і на кожны рубель, які нехта кідаў, бар дакладваў столькі ж.  Хто ўмудраўся прыбраць усе лікі, забіраў увесь банк.  Раз ужо ніхто быццам не выйграваў, я вырашыў напісаць такую ж гульню (калі працвярэзею), каб самому паглядзець, якія там шанцы на выйгрыш.  Асцярожна, на п&apos;яную галаву гэта гульня зацягвае.  І яшчэ, я не ведау, як называецца гульня (у бары і самі не ведалі), дык назваў яе ў гонар адной кульнай песні Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> І напрыканцы, гэта праграма — freeware.  Але калі табе раптам захочацца падтрымаць напаўгалоднага студэнта (насамрэч я б лепш хацеу, каб мне плацілі півам з усяго свету), напішы мне на %1, і я дам свой хатні адрас</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble у прэзідэнты!!</translation>
    </message>
</context>
</TS>
