<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>الرمية: %1 و%2، والمجموع %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>الرمية: %1 و%2، والمجموع %3. لا تطابقها أي خانة مفتوحة: اختر «لعبة جديدة».</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>أُغلقت الخانة %1.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>لعبة جديدة: الخانات التسع كلها مفتوحة.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>الخانات المفتوحة: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>الخانات المغلقة: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>بانتظار رمي النرد.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Stats:</source>
        <translation>إحصائيات:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>ألعاب اليوم:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>مجموع الألعاب:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>مرات الفوز:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>اختر في الأعلى أحد الأرقام التالية:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;رمي</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;لعبة جديدة</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ا&amp;خرج</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>تصفير الإحصائيات</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>اخرج</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>الأصوات</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>التعليمات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
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
        <translation>الخانة %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 من 36 رمية تستطيع إغلاق هذه الخانة</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>رقم الخانة %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>النرد 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>النرد 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>النرد 1 يُظهر %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>النرد 2 يُظهر %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>لقد فزت!!!!!   ربحت حتى الآن %1 من أصل %2 لعبة!</numerusform>
            <numerusform>لقد فزت!!!!!   ربحت حتى الآن %1 من أصل لعبة واحدة (%2)!</numerusform>
            <numerusform>لقد فزت!!!!!   ربحت حتى الآن %1 من أصل لعبتين (%2)!</numerusform>
            <numerusform>لقد فزت!!!!!   ربحت حتى الآن %1 من أصل %2 ألعاب!</numerusform>
            <numerusform>لقد فزت!!!!!   ربحت حتى الآن %1 من أصل %2 لعبة!</numerusform>
            <numerusform>لقد فزت!!!!!   ربحت حتى الآن %1 من أصل %2 لعبة!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>شفت اللعبة دي في بار، كانوا بيلعبوها بالنرد.  الدور كان بجنيه، وعلى كل جنيه يحطوه كان البار بيحط قصاده جنيه.  اللي ينجح يقفل كل الأرقام ياخد الفلوس كلها.  وبما إن محدش كان باين عليه إنه بيكسب، قلت أكتب نفس اللعبة (بعد ما أفوق) عشان أشوف بنفسي فرص الكسب.  خد بالك، وانت سكران اللعبة دي ممكن تدمنها.  وكمان ماكنتش عارف اسم اللعبة (حتى البار نفسه ما كانش عارف)، فسميتها على اسم أغنية كووول لفرقة Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> وأخيرًا، البرنامج ده مجاني (freeware).  بس لو حسيت إنك عايز تساعد طالب جامعة نص ميت من الجوع (بصراحة، انا افضل اتقبض بيرة من كل حتة في العالم)، ابعتلي إيميل على %1 عشان أديك عنوان بيتي</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>انتخبوا Quorble رئيسًا!!</translation>
    </message>
</context>
</TS>
