<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Hauptmenü</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Möchtest du das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Quillway beenden?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Regeln</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>In Quillway führst du den Igel, der anfangs unten im Spielfenster sitzt, über die Straße. Du hast drei Leben und verlierst eins, wenn die Zeit abläuft oder dich ein Fahrzeug erwischt.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Zu Beginn eines neuen Spiels hast du 0 Punkte. Mit der Zeit sinkt dein Punktestand, aber für jeden Igel, den du sicher über die Straße bringst, bekommst du 1000 Punkte.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>Die Zeitanzeige ist der farbige Balken oben im Spielfenster. Sie wird mit der Zeit immer kürzer. Bringst du einen Igel über die Straße, beginnst ein neues Spiel oder verlierst ein Leben, ist sie wieder voll.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Steuere den Igel mit den Pfeiltasten über die Straße. Erreichst du einen sehr hohen Punktestand, wirst du nach deinem Namen für die Bestenliste gefragt.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>In höheren Levels läuft die Zeit schneller ab.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Spiel</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Spiel - Punkte: %1 - Leben: %2 - Level: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - Pause</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Leben: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonym</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Spiel vorbei - Punkte: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Spiel vorbei. Noch einmal spielen?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Möchtest du das Spiel wirklich beenden? Deine aktuellen Punkte gehen verloren!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Laufendes Spiel beenden?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Punkte: %1 - Leben: %2 - Level: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Tonsignale an</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Tonsignale aus</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Kein Tonausgabegerät</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Bitte gib deinen Namen für die Bestenliste ein.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Du hast es in die Bestenliste geschafft</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
</TS>
