<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>पाँसे: %1 और %2, योग %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>पाँसे: %1 और %2, योग %3. कोई खुली टाइल मेल नहीं खाती: &quot;नया खेल&quot; चुनें.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>टाइल %1 बंद हुई.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>नया खेल: सभी नौ टाइलें खुली हैं.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>खुली टाइलें: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>बंद टाइलें: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>पाँसा फेंकने की प्रतीक्षा.</translation>
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
        <translation>आंकड़े:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>आज के खेल:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>कुल खेल:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>कुल जीत:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>ऊपर इनमें से एक संख्या चुनें:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>फेंकें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>नया खेल (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर जाएँ (&amp;E)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदद</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>आंकड़े साफ करें</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बाहर जाएँ</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>ध्वनियाँ</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>निर्देश</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Pipwell के बारे में</translation>
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
        <translation>टाइल %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 में से %1 फेंकों से यह टाइल बंद हो सकती है</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>टाइल %1 की संख्या</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>पाँसा 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>पाँसा 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>पाँसा 1 पर %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>पाँसा 2 पर %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>आपकी जीत हुई!!!!!   अब तक कुल %2 खेल में से आपकी जीत: %1!</numerusform>
            <numerusform>आपकी जीत हुई!!!!!   अब तक कुल %2 खेलों में से आपकी जीत: %1!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>मैंने ये गेम एक बार में देखा था, लोग इसे पाँसों से खेल रहे थे.  एक बार खेलने के दस रुपये लगते थे, और लोग जितने रुपये डालते, बार वाला उतने ही और डाल देता.  जो सारे नंबर साफ कर देता, पूरा माल उसका.  कोई जीतता दिख ही नहीं रहा था, तो मैंने सोचा कि यही गेम खुद लिख डालूँ (नशा उतरने के बाद) और अपनी आँखों से देखूँ कि जीतने के चांस कितने हैं.  सावधान, नशे में ये गेम लत लगा सकता है.  और हाँ, मुझे गेम का नाम पता नई था (बार वालों को भी नहीं पता था), तो मैंने इसका नाम Gravelhoof के एक एक्दम झकास गाने पर रख दिया.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> आखिर में, ये प्रोग्राम फ़्रीवेयर है.  पर अगर तुम्हारा मन करे कि एक आधे भूखे कॉलेज स्टूडेंट की मदद करो (वैसे सच कहूँ तो मैं चाहुंगा कि दुनिया भर से मुझे बीयर में पैसे मिलें), तो मेरे घर का पता लेने के लिए मुझे %1 पर ईमेल करो</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble को राष्ट्रपति बनाओ!!</translation>
    </message>
</context>
</TS>
