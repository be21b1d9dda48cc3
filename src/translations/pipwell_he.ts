<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>הוטלו %1 ו־%2, הסכום %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>הוטלו %1 ו־%2, הסכום %3. אף משבצת פתוחה אינה מתאימה: יש לבחור &quot;משחק חדש&quot;.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>משבצת %1 נסגרה.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>משחק חדש: כל תשע המשבצות פתוחות.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>משבצות פתוחות: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>משבצות סגורות: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>בהמתנה להטלה.</translation>
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
        <translation>סטטיסטיקה:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>משחקים היום:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>סה״כ משחקים:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>סה״כ ניצחונות:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>יש לבחור למעלה אחד מהמספרים הבאים:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;הטלה</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>משחק &amp;חדש</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>איפוס הסטטיסטיקה</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>צלילים</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>הוראות</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
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
        <translation>משבצת %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 מתוך 36 הטלות יכולות לסגור משבצת זו</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>המספר של משבצת %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>קובייה 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>קובייה 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>סכום</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>קובייה 1 מראה %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>קובייה 2 מראה %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ניצחת!!!!!   עד כה ניצחת ב־%1 מתוך %2 משחק בסך הכול!</numerusform>
            <numerusform>ניצחת!!!!!   עד כה ניצחת ב־%1 מתוך %2 משחקים בסך הכול!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>ראיתי את המשחק הזה בבר, שיחקו בו עם קוביות.  כל משחק עלה חמישה שקל, ועל כל חמישה שקל שמישהו שם, הבר הוסיף עוד חמישה.  מי שהצליח לנקות את כל המספרים לקח את כל הקופה.  בגלל שנראה שאף אחד לא מנצח, אמרתי לעצמי שאני יכתוב את אותו משחק (אחרי שאתפכח) כדי לראות בעצמי מה הסיכויים לנצח.  זהירות, כשאתה שיכור המשחק הזה ממכר.  וגם, לא ידעתי איך קוראים למשחק (אפילו בבר לא ידעו), אז קראתי לו על שם שיר מגניייב של Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> ולסיום, התוכנה הזאת היא פריוור.  אבל אם בא לך לתמוך בסטודנט חצי מורעב (האמת, היתי מעדיף לקבל תשלום בבירה מכל העולם), תשלח לי מייל ל־%1 ואני אשלח לך את הכתובת שלי</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>הצביעו Quorble לנשיאות!!</translation>
    </message>
</context>
</TS>
