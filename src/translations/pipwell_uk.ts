<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Випало %1 і %2, сума %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Випало %1 і %2, сума %3. Жодна відкрита клітинка не підходить: виберіть «Нова гра».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Клітинку %1 закрито.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Нова гра: усі дев’ять клітинок відкриті.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Відкриті клітинки: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Закриті клітинки: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Очікується кидок.</translation>
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
        <translation>Зіграно сьогодні:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Усього зіграно:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Усього виграно:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Виберіть вище одне з таких чисел:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Кинути</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Скинути статистику</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Інструкція</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
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
        <translation>Клітинка %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 із 36 кидків можуть закрити цю клітинку</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Номер клітинки %1</translation>
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
        <translation>Сума</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>На кубику 1 випало %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>На кубику 2 випало %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ВИ ПЕРЕМОГЛИ!!!!!   Поки що ви виграли %1 із %2 зіграної гри!</numerusform>
            <numerusform>ВИ ПЕРЕМОГЛИ!!!!!   Поки що ви виграли %1 із %2 зіграних ігор!</numerusform>
            <numerusform>ВИ ПЕРЕМОГЛИ!!!!!   Поки що ви виграли %1 із %2 зіграних ігор!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Я бачив цю гру в одному барі, там у неї грали з кубиками.  Одна гра коштувала гривню, і на кожну гривню, яку хтось кидав, бар докладав стільки ж.  Хто примудрявся прибрати всі числа, забирав увесь банк.  Оскільки ніхто наче не вигравав, я вирішив написати таку саму гру (коли протверезію), шоб самому подивитися, які там шанси на виграш.  Обережно, на п’яну голову ця гра затягує.  А ще я не знав, як називаєця гра (в барі й самі не знали), тож назвав її на честь однієї кульної пісні Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> І насамкінець, ця програма — freeware.  Але якщо тобі раптом закортить підтримати напівголодного студента (насправді я б хотів, шоб мені платили пивом з усього світу), напиши мені на %1, і я дам свою домашню адресу</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble в президенти!!</translation>
    </message>
</context>
</TS>
