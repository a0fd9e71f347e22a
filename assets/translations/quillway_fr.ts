<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Menu principal</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Quitter Quillway&#xa0;?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Règles</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>Dans Quillway, vous devez faire traverser la route au hérisson, qui se trouve au départ en bas de la fenêtre de jeu. Vous avez trois vies&#xa0;; vous en perdez une si le temps est écoulé ou si un véhicule vous heurte.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Votre score part de 0 au début d&apos;une nouvelle partie. Il baisse à mesure que le temps passe, mais chaque hérisson que vous faites traverser la route vous rapporte 1000 points.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>Le chrono est la barre colorée en haut de la fenêtre de jeu. Elle raccourcit peu à peu. Quand vous faites traverser un hérisson, commencez une nouvelle partie ou perdez une vie, elle redevient pleine.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Guidez le hérisson à travers la route avec les flèches du clavier. Si vous faites un très bon score, vous pourrez inscrire votre nom au tableau des meilleurs scores.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>Aux niveaux supérieurs, le temps s&apos;écoule plus vite.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Partie</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Partie - Score&#xa0;: %1 - Vies&#xa0;: %2 - Niveau&#xa0;: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - En pause</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Vies&#xa0;: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Partie terminée - Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Partie terminée. Rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Voulez-vous vraiment quitter&#xa0;? Votre score actuel sera perdu&#xa0;!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Quitter en cours de partie&#xa0;?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Score&#xa0;: %1 - Vies&#xa0;: %2 - Niveau&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Repères sonores activés</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Repères sonores désactivés</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Aucun périphérique audio</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos;&#xa0;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Veuillez saisir votre nom pour le tableau des meilleurs scores.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Nouveau meilleur score</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d&apos;accès au chemin/fichier</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Format de fichier non valide</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
</context>
</TS>
