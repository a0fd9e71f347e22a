<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Главное меню</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Выйти из Quillway?</translation>
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
        <translation>В Quillway нужно перевести через дорогу ёжика, который сначала находится внизу игрового окна. У вас три жизни; вы теряете одну, если кончится время или вас собьёт машина.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>В начале новой игры у вас 0 очков. Со временем счёт уменьшается, но за каждого ёжика, переведённого через дорогу, вы получаете 1000 очков.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>Таймер — это цветная полоса вверху игрового окна. Со временем она постепенно укорачивается. Когда вы переводите ёжика через дорогу, начинаете новую игру или теряете жизнь, полоса снова становится полной.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Ведите ёжика через дорогу клавишами со стрелками. Если вы наберёте очень много очков, вас попросят ввести имя для таблицы рекордов.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>На более высоких уровнях время истекает быстрее.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Игра</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Игра - Очки: %1 - Жизни: %2 - Уровень: %3</translation>
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
        <translation>Жизни: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Уровень: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Игра продолжена</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Аноним</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Игра окончена - Очки: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Игра окончена. Сыграть ещё раз?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Вы действительно хотите выйти? Текущие очки будут потеряны!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Выйти во время игры?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Очки: %1 - Жизни: %2 - Уровень: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Звуковые подсказки включены</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Звуковые подсказки выключены</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Нет звукового устройства</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Ошибка выполнения &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Введите своё имя для таблицы рекордов.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Вы установили рекорд</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути/файлу</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Неверный формат файла</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
</context>
</TS>
