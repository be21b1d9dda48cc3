<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Hasil lemparan %1 dan %2, jumlah %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Hasil lemparan %1 dan %2, jumlah %3. Tidak ada petak terbuka yang cocok: pilih &quot;Baru&quot;.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Petak %1 ditutup.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Permainan baru: kesembilan petak terbuka.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Petak terbuka: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Petak tertutup: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Menunggu lemparan.</translation>
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
        <translation>Statistik:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Permainan hari ini:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Total permainan:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Total menang:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Pilih di atas salah satu angka berikut:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Lempar</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Baru</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Atur Ulang Statistik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suara</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang Pipwell</translation>
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
        <translation>Petak %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 dari 36 lemparan dapat menutup petak ini</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Angka petak %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Dadu 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Dadu 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Jumlah</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Dadu 1 menunjukkan %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Dadu 2 menunjukkan %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>ANDA MENANG!!!!!   Sejauh ini Anda telah memenangkan %1 dari total %2 permainan!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Gw liat game ini di sebuah bar, dimainin pake dadu.  Sekali main bayarnya seribu perak, dan tiap seribu yang dimasukin orang, bar-nya nambahin seribu juga.  Siapa yang berhasil ngabisin semua angkanya, dapet semua duitnya.  Karena kayaknya gak ada yang pernah menang, gw kepikiran bikin game yang sama (abis gw sadar dari mabok) buat liat sendiri peluang menangnya.  Awas, kalo lagi mabok, game ini bisa bikin ketagihan.  Terus, gw gatau nama game-nya (bar-nya aja gak tau), jadi gw kasih nama dari lagu Gravelhoof yang kerenz abis.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Terakhir, program ini freeware.  Tapi kalo lo kepengen bantuin mahasiswa yang setengah kelaparan (sbenernya gw lebih suka dibayar pake bir dari seluruh penjuru dunia), email gw di %1 buat minta alamat rumah gw</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble Jadi Presiden!!</translation>
    </message>
</context>
</TS>
