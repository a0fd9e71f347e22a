<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - 主菜单</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>退出 Quillway？</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - 规则</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>在 Quillway 中，你要引导刺猬穿过马路，刺猬一开始位于游戏窗口底部。你有三条命，时间耗尽或被车撞都会失去一条命。</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>新游戏开始时，你的得分为 0。得分会随时间流逝而减少，但每次成功引导刺猬穿过马路，你都会获得 1000 分。</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>计时器是游戏窗口顶部的彩色横条，会随着时间推移逐渐缩短。当你成功引导刺猬穿过马路、开始新游戏或失去一条命时，计时器会恢复到满格。</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>使用方向键引导刺猬穿过马路。如果你获得了非常高的分数，游戏会请你输入名字，以登上高分榜。</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>等级越高，时间消耗得越快。</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - 游戏</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - 游戏 - 得分：%1 - 生命：%2 - 等级：%3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - 已暂停</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>得分：%1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>生命：%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>等级：%1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>游戏继续</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>无名氏</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>游戏结束 - 得分：%1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>游戏结束。再玩一次吗？</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>确定要退出吗？当前得分将会丢失！</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>要在游戏中途退出吗？</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>得分：%1 - 生命：%2 - 等级：%3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>声音提示已开启</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>声音提示已关闭</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>没有声音设备</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>运行时错误“%1”：

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>请输入你的名字，以登上高分榜。</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>你获得了高分</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路径</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>文件格式无效</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>属性值无效</translation>
    </message>
</context>
</TS>
