<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Atılan: %1 ve %2, toplam %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Atılan: %1 ve %2, toplam %3. Uyan açık taş yok: Yeni Oyun&apos;u seçin.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Taş %1 kapandı.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Yeni oyun: dokuz taşın hepsi açık.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Açık taşlar: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Kapalı taşlar: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Zar atılması bekleniyor.</translation>
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
        <translation>İstatistikler:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Bugünkü oyunlar:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Toplam oyun:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Kazanılan oyun:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Aşağıdaki sayılardan birini yukarıdan seçin:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>Zar &amp;At</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Yeni Oyun</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>İstatistikleri Sıfırla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sesler</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Nasıl Oynanır</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Pipwell Hakkında</translation>
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
        <translation>Taş %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36 atıştan %1 tanesi bu taşı kapatabilir</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Taş %1 üzerindeki sayı</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Zar 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Zar 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Zar 1&apos;de %1 geldi</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Zar 2&apos;de %1 geldi</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>KAZANDINIZ!!!!!   Şu ana kadar toplam %2 oyunun %1 tanesini kazandınız!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Bu oyunu bi barda zarla oynanırken gördüm.  Bi el bi liraydı, ve atılan her liraya bar da bi lira ekliyodu.  Bütün sayıları temizlemeyi başaran potu kapıyodu.  Kimse kazanamıyor gibiydi, ben de kazanma şansını kendi gözümle göreyim diye aynı oyunu (ayıldıktan sonra) yazayım dedim.  Dikkat, sarhoşken bu oyun bağımlılık yapabilir.  Bi de oyunun adını bilmiyodum (barın bile haberi yoktu), o yüzden ona Gravelhoof&apos;un çok hawalı bi şarkısının adını verdim.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Son olarak, bu program ücretsizdir.  Ama yarı aç bi üniversite öğrencisine destek olmak içinden gelirse (aslında dünyanın her yerinden birayla ödeme almayı tercih ederdim), ev adresim için bana %1 adresine e-posta at</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble Başkan Olsun!!</translation>
    </message>
</context>
</TS>
