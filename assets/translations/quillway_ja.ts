<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - メインメニュー</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>本当に終了しますか？</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Quillwayを終了しますか？</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - ルール</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>Quillwayでは、最初はゲーム画面の下にいるハリネズミを導いて、道路を渡らせます。ライフは3つで、時間切れになるか車にひかれると1つ減ります。</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>新しいゲームの開始時、スコアは0です。時間とともにスコアは減っていきますが、ハリネズミに道路を渡らせるたびに1000点もらえます。</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translatorcomment>Shorter variant, if the paragraph must shrink: タイマーは画面上部の色付きのバーで、時間とともに短くなります。ハリネズミが道路を渡りきるか、新しいゲームを始めるか、ライフを失うと元に戻ります。</translatorcomment>
        <translation>タイマーはゲーム画面の上にある色付きのバーで、時間がたつにつれて少しずつ短くなります。ハリネズミが道路を渡りきるか、新しいゲームを始めるか、ライフを失うと、元の長さに戻ります。</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translatorcomment>Shorter variant, if the paragraph must shrink: 矢印キーでハリネズミに道路を渡らせます。高いスコアを出すと、ハイスコア表に載せる名前を聞かれます。</translatorcomment>
        <translation>矢印キーでハリネズミを動かして道路を渡らせます。とても高いスコアを出すと、ハイスコア表に載せる名前の入力を求められます。</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>レベルが上がると、時間の減りが速くなります。</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - ゲーム</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - ゲーム - スコア：%1 - ライフ：%2 - レベル：%3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - 一時停止中</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>スコア：%1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>ライフ：%1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>レベル：%1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>名無し</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>ゲームオーバー - スコア：%1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>ゲームオーバー。もう一度プレイしますか？</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>本当に終了しますか？現在のスコアは失われます！</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>ゲーム中に終了しますか？</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>スコア：%1 - ライフ：%2 - レベル：%3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>サウンドキュー オン</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>サウンドキュー オフ</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>サウンドデバイスがありません</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;：

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>ハイスコア表に載せる名前を入力してください。</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>ハイスコアを達成しました</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パス/ファイルのアクセスエラー</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>ファイル形式が正しくありません</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が無効です</translation>
    </message>
</context>
</TS>
