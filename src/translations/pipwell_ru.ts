<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Выпало %1 и %2, сумма %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Выпало %1 и %2, сумма %3. Ни одна открытая клетка не подходит: выберите «Новая игра».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Клетка %1 закрыта.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Новая игра: все девять клеток открыты.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Открытые клетки: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Закрытые клетки: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Ожидается бросок.</translation>
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
        <translation>Сыграно сегодня:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Всего сыграно:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Всего выиграно:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Выберите выше одно из следующих чисел:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Бросить</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Инструкция</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
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
        <translation>%1 из 36 бросков могут закрыть эту клетку</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Номер клетки %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Кубик 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Кубик 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>На кубике 1 выпало %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>На кубике 2 выпало %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ВЫ ПОБЕДИЛИ!!!!!   Пока что вы выиграли %1 из %2 сыгранной игры!</numerusform>
            <numerusform>ВЫ ПОБЕДИЛИ!!!!!   Пока что вы выиграли %1 из %2 сыгранных игр!</numerusform>
            <numerusform>ВЫ ПОБЕДИЛИ!!!!!   Пока что вы выиграли %1 из %2 сыгранных игр!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Я видел эту игру в одном баре, там в неё играли с кубиками.  Одна игра стоила десятку, и на каждую десятку, которую кто-то кидал, бар добавлял столько же.  Кто умудрялся убрать все числа, забирал весь банк.  Раз уж никто вроде не выигрывал, я решил написать такую же игру (когда протрезвею), чтобы самому посмотреть, какие там шансы на выигрыш.  Осторожно, по пьяни эта игра затягивает.  И ещё, я не знал, как называеца игра (в баре и сами не знали), так что назвал её в честь одной кульной песни Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> И напоследок, эта программа — freeware.  Но если тебе вдруг захочется поддержать полуголодного студента (ваще-то я бы лучше взял оплату пивом со всего мира), напиши мне на %1, и я дам свой домашний адрес</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble в президенты!!</translation>
    </message>
</context>
</TS>
