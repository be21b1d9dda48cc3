<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>굴린 결과 %1, %2, 합계 %3입니다.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>굴린 결과 %1, %2, 합계 %3입니다. 나온 눈으로 닫을 수 있는 타일이 없습니다. “새 게임”을 선택하십시오.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>%1번 타일을 닫았습니다.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>새 게임: 타일 아홉 개가 모두 열려 있습니다.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>열린 타일: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>닫힌 타일: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>주사위 굴리기를 기다리는 중입니다.</translation>
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
        <translation>통계:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>오늘 게임 수:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>전체 게임 수:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>이긴 게임 수:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>다음 숫자 중 하나를 위에서 선택하십시오:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>굴리기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>끝내기(&amp;E)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>통계 초기화</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>게임 방법</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Pipwell 정보</translation>
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
        <translation>%1번 타일</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>36가지 경우 중 %1가지로 이 타일을 닫을 수 있습니다</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>%1번 타일의 숫자</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>주사위 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>주사위 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>합계</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>주사위 1의 눈은 %1입니다</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>주사위 2의 눈은 %1입니다</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>이겼습니다!!!!!   지금까지 총 %2게임 중 %1게임을 이겼습니다!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>이 게임, 바에서 사람들이 주사위로 하는 걸 봤어. 한 판에 500원이었는데, 누가 500원 넣을 때마다 바에서도 500원씩 얹어 줬지. 숫자를 전부 없애는 데 성공한 사람이 판돈을 싹 가져가는 거야. 근데 아무도 못 이기는 것 같길래, (술 깨고 나서) 똑같은 게임을 직접 만들어서 이길 확률을 내 눈으로 확인해 보기로 했어. 주의: 술 취했을 땐 이 게임 중독될 수 있음. 그리고 게임 이름도 몰랏고 (바에서도 몰랐음), 그래서 Gravelhoof의 완전 멋찐 노래 제목을 붙여 버렸어.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> 마지막으로, 이 프로그램은 프리웨어야. 근데 반쯤 굶어 죽어 가는 대학생을 도와주고 싶어서 못 참겠다면 (사실 난 전 세계에서 온 맥주로 받는 게 더 조아), %1로 메일 보내서 우리 집 주소 물어봐</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble을 대통령으로!!</translation>
    </message>
</context>
</TS>
