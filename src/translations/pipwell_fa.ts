<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>تاس‌ها: %1 و %2، مجموع %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>تاس‌ها: %1 و %2، مجموع %3. هیچ‌یک از خانه‌های باز جور نیست: «بازی جدید» را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>خانهٔ %1 بسته شد.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>بازی جدید: هر نُه خانه باز است.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>خانه‌های باز: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>خانه‌های بسته: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>در انتظار ریختن تاس.</translation>
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
        <translation>آمار:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>بازی‌های امروز:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>کل بازی‌ها:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>کل بردها:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>یکی از عددهای زیر را در بالا انتخاب کنید:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;ریختن</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>بازی &amp;جدید</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>File</source>
        <translation>پرونده</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>بازنشانی آمار</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>صداها</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>دستور بازی</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
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
        <translation>خانهٔ %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 پرتاب از 36 پرتاب می‌تواند این خانه را ببندد</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>عدد خانهٔ %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>تاس 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>تاس 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>مجموع</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>تاس 1 عدد %1 را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>تاس 2 عدد %1 را نشان می‌دهد</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>شما بردید!!!!!   تا اینجا در %1 بازی از مجموع %2 بازی برنده شده‌اید!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>این بازی رو تو یه بار دیدم که با تاس بازیش می‌کردن.  هر دست هزار تومن بود، و به ازای هر هزار تومنی که می‌ذاشتن وسط، بار هم همون‌قدر می‌ذاشت روش.  هر کی موفق می‌شد همهٔ عددها رو پاک کنه، کل پول وسط مال اون می‌شد.  از اونجایی که انگار هیچ‌کی نمی‌برد، گفتم خودم همین بازی رو بنویسم (بعد از اینکه مستیم پرید) تا با چشم خودم ببینم شانس بردن چقدره.  مواظب باش، تو مستی این بازی اعتیاد میاره.  تازه، اسم بازی رو نمیدونستم (خود بار هم نمی‌دونست)، واسه همین اسم یه آهنگ باهال از Gravelhoof رو روش گذاشتم.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> آخر سر هم، این برنامه مجانیه (فری‌ور).  ولی اگه یهو دلت خواست از یه دانشجوی نیمه‌گشنه حمایت کنی (راستش، من ترجیح میدم مزدم رو با آبجو از هر جای دنیا بدن)، یه ایمیل بزن به %1 تا آدرس خونه‌م رو برات بفرستم</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>رأی بدید به Quorble برای ریاست‌جمهوری!!</translation>
    </message>
</context>
</TS>
