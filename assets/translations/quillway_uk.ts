<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Головне меню</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Ви справді хочете вийти?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Вийти з Quillway?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Правила</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>У Quillway треба перевести через дорогу їжачка, який спочатку сидить унизу ігрового вікна. У вас три життя; ви втрачаєте одне, якщо скінчиться час або вас зіб’є машина.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>На початку нової гри у вас 0 очок. З часом рахунок зменшується, але за кожного їжачка, переведеного через дорогу, ви отримуєте 1000 очок.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>Таймер — це кольорова смуга вгорі ігрового вікна. З часом вона поступово коротшає. Коли ви переводите їжачка через дорогу, починаєте нову гру або втрачаєте життя, смуга знову стає повною.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Ведіть їжачка через дорогу клавішами зі стрілками. Якщо ви наберете дуже багато очок, вас попросять ввести ім’я для таблиці рекордів.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>На вищих рівнях час спливає швидше.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Гра</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Гра - Очки: %1 - Життя: %2 - Рівень: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - Пауза</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Очки: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Життя: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Рівень: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Гру продовжено</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Анонім</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Гру закінчено - Очки: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Гру закінчено. Зіграти ще раз?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Ви справді хочете вийти? Поточні очки буде втрачено!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Вийти під час гри?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Очки: %1 - Життя: %2 - Рівень: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Звукові підказки увімкнено</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Звукові підказки вимкнено</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Немає звукового пристрою</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Помилка виконання &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Введіть своє ім’я для таблиці рекордів.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Ви встановили рекорд</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Файл не знайдено</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Шлях не знайдено</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Помилка доступу до шляху/файлу</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Неправильний формат файлу</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Неприпустиме значення властивості</translation>
    </message>
</context>
</TS>
