<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Menu główne</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Czy na pewno chcesz wyjść?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Wyjść z Quillway?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Zasady</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>W Quillway musisz przeprowadzić jeża, który na początku jest na dole okna gry, na drugą stronę drogi. Masz trzy życia i tracisz jedno, gdy skończy się czas albo potrąci cię pojazd.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Na początku nowej gry masz 0 punktów. Wynik maleje z upływem czasu, ale za każdego jeża przeprowadzonego na drugą stronę drogi dostajesz 1000 punktów.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>Licznik czasu to kolorowy pasek u góry okna gry. Z upływem czasu stopniowo się skraca. Gdy przeprowadzisz jeża przez drogę, zaczniesz nową grę lub stracisz życie, pasek znów jest pełny.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Prowadź jeża przez drogę klawiszami strzałek. Jeśli zdobędziesz bardzo wysoki wynik, gra poprosi cię o wpisanie imienia do tabeli najlepszych wyników.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>Na wyższych poziomach czas kończy się szybciej.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Gra</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Gra - Wynik: %1 - Życia: %2 - Poziom: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - Pauza</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Życia: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Poziom: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Wznowiono</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonim</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Koniec gry - Wynik: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Koniec gry. Zagrać jeszcze raz?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Czy na pewno chcesz wyjść? Twój obecny wynik przepadnie!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Wyjść w trakcie gry?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Wynik: %1 - Życia: %2 - Poziom: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Sygnały dźwiękowe włączone</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Sygnały dźwiękowe wyłączone</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Brak urządzenia dźwiękowego</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Błąd wykonania &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Wpisz swoje imię do tabeli najlepszych wyników.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Masz rekordowy wynik</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Nieprawidłowy format pliku</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
</context>
</TS>
