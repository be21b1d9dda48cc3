<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka_GE">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>გაგორდა %1 და %2, ჯამი %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>გაგორდა %1 და %2, ჯამი %3. არცერთი ღია ფილა არ ემთხვევა: აირჩიეთ „ახალი“.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>ფილა %1 დაიხურა.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>ახალი თამაში: ცხრავე ფილა ღიაა.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>ღია ფილები: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>დახურული ფილები: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>გაგორების მოლოდინი.</translation>
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
        <translation>სტატისტიკა:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>დღეს ნათამაშები:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>სულ ნათამაშები:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>სულ მოგებული:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>აირჩიეთ ზემოთ ერთ-ერთი შემდეგი რიცხვებიდან:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;გაგორება</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;ახალი</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>გა&amp;სვლა</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ფაილი</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>პარამეტრები</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>დახმარება</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>სტატისტიკის გასუფთავება</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>გასვლა</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>ხმები</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>ინსტრუქცია</translation>
    </message>
    <message>
        <source>About</source>
        <translation>შესახებ</translation>
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
        <translation>ფილა %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 გაგორებიდან %1-ს შეუძლია ამ ფილის დახურვა</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>ფილა %1-ის ნომერი</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>კამათელი 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>კამათელი 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>ჯამი</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>კამათელი 1 აჩვენებს %1-ს</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>კამათელი 2 აჩვენებს %1-ს</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>თქვენ გაიმარჯვეთ!!!!!   ჯერჯერობით სულ %2 თამაშიდან %1 მოიგეთ!</numerusform>
            <numerusform>თქვენ გაიმარჯვეთ!!!!!   ჯერჯერობით სულ %2 თამაშიდან %1 მოიგეთ!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>ეს თამაში ერთ ბარში ვნახე, კამათლებით თამაშობდნენ.  ერთი თამაში ერთი ლარი ღირდა, და ყოველ ლარზე, რომელსაც ვინმე ჩააგდებდა, ბარი თავის ლარსაც ამატებდა.  ვინც ყველა რიცხვს მოიშორებდა, მთელ ბანკს იგებდა.  რაკი თითქოს არავინ იგებდა, ვიფიქრე, იმავე თამაშს დავწერ-მეთქი (როცა გამოვფხიზლდები), რომ თავად მენახა, როგორია მოგების შანსი.  ფრთხილად, ნასვამ მდგომარეობაში ეს თამაში დამოკიდებულებას იწვევს.  ისიც, არვიცოდი, რა ჰქვია თამაშს (ბარშიც კი არ იცოდნენ), ამიტომ Gravelhoof-ის ერთი ძაან მაგარი სიმღერის სახელი დავარქვი.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> ბოლოს, ეს პროგრამა freeware-ია.  მაგრამ თუ ძალიან მოგინდება ნახევრად მშიერი სტუდენტის დახმარება (ისე, ლუდით რო გადამიხადონ მთელი მსოფლიოდან, ის მირჩევნია), მომწერე ელფოსტით %1-ზე და სახლის მისამართს გეტყვი</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble პრეზიდენტად!!</translation>
    </message>
</context>
</TS>
