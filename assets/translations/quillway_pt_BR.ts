<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Menu principal</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Sair do Quillway?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Regras</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>No Quillway, você deve guiar o ouriço, que começa na parte de baixo da janela do jogo, até o outro lado da estrada. Você tem três vidas e perde uma se o tempo acabar ou se for atingido por um veículo.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Sua pontuação começa em 0 no início de um novo jogo. Ela diminui com o passar do tempo, mas você ganha 1000 pontos sempre que leva um ouriço até o outro lado da estrada.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>O cronômetro é a barra colorida no topo da janela do jogo. Ela diminui aos poucos com o passar do tempo. Quando você leva um ouriço até o outro lado, começa um novo jogo ou perde uma vida, a barra volta a ficar cheia.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Use as setas do teclado para guiar o ouriço pela estrada. Se você fizer uma pontuação muito alta, o jogo pedirá seu nome para a tabela de recordes.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>Nos níveis mais altos, o tempo acaba mais rápido.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Jogo</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Jogo - Pontos: %1 - Vidas: %2 - Nível: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - Pausado</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Vidas: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nível: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Retomado</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anônimo</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Fim de jogo - Pontos: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Fim de jogo. Jogar de novo?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Tem certeza de que deseja sair? Sua pontuação atual será perdida!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Sair no meio do jogo?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Pontos: %1 - Vidas: %2 - Nível: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Sinais sonoros ativados</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Sinais sonoros desativados</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Nenhum dispositivo de som</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Digite seu nome para entrar na tabela de recordes.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Você fez uma pontuação recorde</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Formato de arquivo inválido</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
</context>
</TS>
