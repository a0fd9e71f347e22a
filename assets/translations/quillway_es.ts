<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Menú principal</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>¿Salir de Quillway?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Reglas</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>En Quillway tienes que guiar al erizo, que al principio está en la parte inferior de la ventana de juego, al otro lado de la carretera. Tienes tres vidas y pierdes una si se acaba el tiempo o te atropella un vehículo.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Tu puntuación empieza en 0 al comenzar una partida nueva. Baja a medida que pasa el tiempo, pero ganas 1000 puntos cada vez que consigues que un erizo cruce la carretera.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translatorcomment>Shorter variant, if the paragraph must shrink: El temporizador es la barra de color de arriba de la ventana de juego. Se acorta con el tiempo. Cuando un erizo cruza la carretera, empiezas otra partida o pierdes una vida, vuelve a estar completa.</translatorcomment>
        <translation>El temporizador es la barra de color de la parte superior de la ventana de juego. Se va acortando con el tiempo. Cuando un erizo cruza la carretera, empiezas una partida nueva o pierdes una vida, la barra vuelve a estar completa.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Usa las flechas del teclado para que el erizo cruce la carretera. Si consigues una puntuación muy alta, se te pedirá tu nombre para la tabla de récords.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>En los niveles superiores, el tiempo se agota más rápido.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Partida</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Partida - Puntos: %1 - Vidas: %2 - Nivel: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - En pausa</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Vidas: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reanudada</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anónimo</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Fin de la partida - Puntos: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Fin de la partida. ¿Jugar otra vez?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>¿Seguro que quieres salir? ¡Perderás tu puntuación actual!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>¿Salir durante la partida?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Puntos: %1 - Vidas: %2 - Nivel: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Señales sonoras activadas</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Señales sonoras desactivadas</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>No hay dispositivo de sonido</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Error &apos;%1&apos; en tiempo de ejecución:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Introduce tu nombre para la tabla de récords.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Has logrado un récord</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta/archivo</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Formato de archivo no válido</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
</context>
</TS>
