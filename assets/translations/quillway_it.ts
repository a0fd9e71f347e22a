<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Menu principale</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Uscire da Quillway?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Regole</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>In Quillway devi guidare il riccio, che all&apos;inizio si trova in fondo alla finestra di gioco, dall&apos;altra parte della strada. Hai tre vite e ne perdi una se il tempo scade o se un veicolo ti investe.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Il punteggio parte da 0 all&apos;inizio di una nuova partita. Diminuisce con il passare del tempo, ma ogni volta che porti un riccio dall&apos;altra parte della strada ottieni 1000 punti.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>Il timer è la barra colorata in cima alla finestra di gioco. Si accorcia man mano che il tempo passa. Quando porti un riccio dall&apos;altra parte della strada, inizi una nuova partita o perdi una vita, torna a piena lunghezza.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Usa i tasti freccia per guidare il riccio attraverso la strada. Se ottieni un punteggio molto alto, ti verrà chiesto il nome per la classifica dei record.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>Ai livelli più alti, il tempo si esaurisce più in fretta.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Partita</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Partita - Punti: %1 - Vite: %2 - Livello: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - In pausa</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punti: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Vite: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Livello: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Ripresa</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonimo</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Partita finita - Punti: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Partita finita. Vuoi giocare ancora?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Vuoi davvero uscire? Il punteggio attuale andrà perso!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Uscire durante la partita?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Punti: %1 - Vite: %2 - Livello: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Segnali sonori attivati</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Segnali sonori disattivati</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Nessun dispositivo audio</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Errore di run-time &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Inserisci il tuo nome per la classifica dei record.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Hai ottenuto un punteggio record</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Percorso non trovato</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso/file</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Formato di file non valido</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
</context>
</TS>
