<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Narration</name>
    <message>
        <source>Rolled %1 and %2, sum %3.</source>
        <translation>Saiu %1 e %2, soma %3.</translation>
    </message>
    <message>
        <source>Rolled %1 and %2, sum %3. No open tile matches: choose New Game.</source>
        <translation>Saiu %1 e %2, soma %3. Nenhuma casa aberta corresponde: escolha Novo jogo.</translation>
    </message>
    <message>
        <source>Tile %1 shut.</source>
        <translation>Casa %1 fechada.</translation>
    </message>
    <message>
        <source>New game: all nine tiles are open.</source>
        <translation>Novo jogo: as nove casas estão todas abertas.</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the numbers in a list of tiles, as in &quot;1, 2, 3&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Open tiles: %1.</source>
        <translation>Casas abertas: %1.</translation>
    </message>
    <message>
        <source>Shut tiles: %1.</source>
        <translation>Casas fechadas: %1.</translation>
    </message>
    <message>
        <source>Waiting for a roll.</source>
        <translation>À espera de um lançamento.</translation>
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
        <translation>Estatísticas:</translation>
    </message>
    <message>
        <source># of games played today:</source>
        <translation>Jogos hoje:</translation>
    </message>
    <message>
        <source>Total # of games played:</source>
        <translation>Total de jogos:</translation>
    </message>
    <message>
        <source>Total # of games won:</source>
        <translation>Total de vitórias:</translation>
    </message>
    <message>
        <source>Choose a number above from the following choices:</source>
        <translation>Escolha acima um dos números seguintes:</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Lançar</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Reset Stats</source>
        <translation>Repor estatísticas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca do Pipwell</translation>
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
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>%1 of 36 throws can shut this tile</source>
        <translation>%1 de 36 lançamentos podem fechar esta casa</translation>
    </message>
    <message>
        <source>Number of tile %1</source>
        <translation>Número da casa %1</translation>
    </message>
    <message>
        <source>Die 1</source>
        <translation>Dado 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <translation>Dado 2</translation>
    </message>
    <message>
        <source>Sum</source>
        <translation>Soma</translation>
    </message>
    <message>
        <source>Die 1 shows %1</source>
        <translation>O dado 1 mostra %1</translation>
    </message>
    <message>
        <source>Die 2 shows %1</source>
        <translation>O dado 2 mostra %1</translation>
    </message>
</context>
<context>
    <name>pipwell::TurnFlow</name>
    <message numerus="yes">
        <source>YOU ARE A WINNER!!!!!   So far, you have won %1 out of a total of %2 games!</source>
        <translation>
            <numerusform>GANHOU!!!!!   Até agora, ganhou %1 de um total de %2 jogo!</numerusform>
            <numerusform>GANHOU!!!!!   Até agora, ganhou %1 de um total de %2 jogos!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pipwell::help::About</name>
    <message>
        <source>I saw this game in a bar being played with dice.  It cost a quarter to play, and for every quarter they put in, the bar would match it.  The person who successfully cleared all of the numbers won the pot.  Since nobody seemed to win, I figured I would write the same game (after I sobered up) to see for myself the odds of winning.  Caution, when drunk, this game can be addictive.  Also, I didnt know the name of the game (the bar didn&apos;t even know), so I gave it the name of a kewl Gravelhoof song.</source>
        <extracomment>The author&apos;s own slangy voice: &quot;didnt&quot; and &quot;kewl&quot; are misspelt on purpose; mirror them.</extracomment>
        <translation>Vi este jogo num bar, jogado com dados.  Cada jogada custava um euro, e por cada euro que lá metiam, o bar punha outro.  Quem conseguisse limpar os números todos levava o pote.  Como ninguém parecia ganhar, pensei em escrever o mesmo jogo (depois de curar a bebedeira) pra ver com os meus próprios olhos as hipóteses de ganhar.  Cuidado, com os copos este jogo pode viciar.  Ah, e eu num sabia o nome do jogo (nem o bar sabia), por isso dei-lhe o nome de uma música bué fixe dos Gravelhoof.</translation>
    </message>
    <message>
        <source> Finally, this program is freeware.  Although if you feel the urge to help support a semi starving college student (actually, Id prefer to be paid in beer from everywhere in the world), email me %1 for my home address</source>
        <extracomment>%1 is the contact address. &quot;Id&quot; (for &quot;I&apos;d&quot;) is misspelt on purpose, as in the story.</extracomment>
        <translation> Por fim, este programa é freeware.  Mas se te der vontade de ajudar um estudante universitário meio esfomeado (na verdade, preferia ser pago em cerveja de todo o mundo), manda-me um mail para %1 a pedir a minha morada</translation>
    </message>
    <message>
        <source>Quorble For President!!</source>
        <translation>Quorble para Presidente!!</translation>
    </message>
</context>
</TS>
