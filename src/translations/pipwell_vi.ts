<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Lăn được %1 và %2, tổng %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Lăn được %1 và %2, tổng %3. Không có ô mở nào khớp: hãy chọn “Ván mới”.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Đã đóng ô %1.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Ván mới: cả chín ô đều mở.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Các ô đang mở: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Các ô đã đóng: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>Đang chờ lăn.</translation>
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
        <translation>Thống kê:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Chơi hôm nay:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Tổng đã chơi:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Tổng đã thắng:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Hãy chọn ở trên một trong các số sau:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Lăn</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Ván &amp;mới</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tập tin</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Đặt lại thống kê</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
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
        <translation>Ô %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 trên 36 lần lăn có thể đóng ô này</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Số của ô %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Súc sắc 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Súc sắc 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Tổng</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>Súc sắc 1 ra %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>Súc sắc 2 ra %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>BẠN ĐÃ THẮNG!!!!!   Đến giờ bạn đã thắng %1 trên tổng số %2 ván!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Tôi thấy trò này ở một quán bar, người ta chơi nó bằng súc sắc.  Mỗi ván tốn mười nghìn đồng, và cứ mỗi tờ mười nghìn người ta bỏ vào, quán lại bỏ thêm chừng ấy.  Ai dọn sạch được hết các số thì ẵm cả hũ tiền.  Vì hình như chẳng ai thắng nổi, tôi nghĩ mình sẽ viết lại y chang trò này (sau khi tỉnh rượu) để tự xem khả năng thắng là bao nhiêu.  Cẩn thận, lúc say trò này dễ gây nghiện lắm.  Với lại, tôi hok biết trò này tên gì (đến quán cũng chẳng biết), nên tôi đặt cho nó tên một bài hát cực ngầu của Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Cuối cùng, chương trình này là freeware.  Nhưng nếu bạn thấy muốn giúp đỡ một anh sinh viên đói meo (thật ra tui thích được trả bằng bia từ khắp nơi trên thế giới hơn), thì gửi thư cho tôi ở %1 để lấy địa chỉ nhà nhé</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble làm Tổng thống!!</translation>
    </message>
</context>
</TS>
