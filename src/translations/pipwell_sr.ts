<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr_RS">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Бачено %1 и %2, збир %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Бачено %1 и %2, збир %3. Ниједна отворена плочица не одговара: изаберите „Нова игра“.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Плочица %1 је затворена.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Нова игра: свих девет плочица је отворено.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Отворене плочице: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Затворене плочице: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Чека се бацање.</translation>
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
        <translation>Статистика:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Игара данас:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Укупно игара:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Укупно победа:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Изаберите горе један од следећих бројева:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Баци</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Нова игра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Изађи</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Датотека</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опције</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помоћ</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Поништи статистику</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Изађи</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звукови</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Упутство</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О програму</translation>
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
        <translation>Плочица %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 од 36 бацања може да затвори ову плочицу</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Број плочице %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Коцкица 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Коцкица 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Збир</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Коцкица 1 показује %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Коцкица 2 показује %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ПОБЕДИЛИ СТЕ!!!!!   До сада сте добили %1 од укупно %2 одигране игре!</numerusform>
            <numerusform>ПОБЕДИЛИ СТЕ!!!!!   До сада сте добили %1 од укупно %2 одигране игре!</numerusform>
            <numerusform>ПОБЕДИЛИ СТЕ!!!!!   До сада сте добили %1 од укупно %2 одиграних игара!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Видео сам ову игру у једној кафани, играли су је с коцкицама.  Једна партија је коштала сто динара, а за сваку стотку коју неко убаци, кафана би додала још једну.  Ко успе да скине све бројеве, носи целу лову.  Пошто баш нико није побеђивао, скапирао сам да ћу да напишем исту игру (кад се отрезним) да сам видим какве су шансе за победу.  Опрез, кад си пијан, ова игра ствара зависност.  И још нешто, нисм знао како се игра зове (ни у кафани нису знали), па сам јој дао име по једној баш кул песми од Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> И за крај, овај програм је фривер.  Али ако те баш сврби да помогнеш једном полугладном студенту (у ствари, ја би радије да ми се плати пивом из свих крајева света), пошаљи ми мејл на %1 за моју кућну адресу</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble за председника!!</translation>
    </message>
</context>
</TS>
