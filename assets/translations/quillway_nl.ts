<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>front::MainMenu</name>
    <message>
        <source>Quillway - Main Menu</source>
        <translation>Quillway - Hoofdmenu</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Weet je zeker dat je wilt afsluiten?</translation>
    </message>
    <message>
        <source>Quit Quillway?</source>
        <translation>Quillway afsluiten?</translation>
    </message>
</context>
<context>
    <name>front::Rules</name>
    <message>
        <source>Quillway - Rules</source>
        <translation>Quillway - Spelregels</translation>
    </message>
    <message>
        <source>In Quillway you have to guide the hedgehog, which is first of all located at the bottom of the game window, across the road. You have three lives, and they go down if you run out of time, or get hit by a vehicle.</source>
        <translation>In Quillway moet je de egel, die eerst onder in het spelvenster staat, naar de overkant van de weg brengen. Je hebt drie levens en verliest er één als de tijd op is of als een voertuig je raakt.</translation>
    </message>
    <message>
        <source>Your score starts at 0 at the start of a new game. It decreases as time runs down, but you recieve 1000 points every time you succesfully guide a hedgehog across the road.</source>
        <translation>Aan het begin van een nieuw spel is je score 0. Die daalt naarmate de tijd verstrijkt, maar je krijgt 1000 punten telkens als je een egel veilig naar de overkant brengt.</translation>
    </message>
    <message>
        <source>The timer is the coloured bar located at the top of the game window. It gradually decreases as time goes on. When you sucessfully guide a hedgehog across the road, start a new game, or lose a life, the timer returns to it&apos;s full length.</source>
        <translation>De timer is de gekleurde balk boven in het spelvenster. Hij wordt met de tijd steeds korter. Als je een egel naar de overkant brengt, een nieuw spel begint of een leven verliest, is de balk weer vol.</translation>
    </message>
    <message>
        <source>Use the arrow keys to guide the hedgehog across the road. If you acheive a very high score, you will be asked to enter your name, for entry on the high score table.</source>
        <translation>Gebruik de pijltjestoetsen om de egel over de weg te leiden. Haal je een heel hoge score, dan wordt je naam gevraagd voor de lijst met topscores.</translation>
    </message>
    <message>
        <source>When you get on to higher levels, the time runs out faster.</source>
        <translation>In hogere levels raakt de tijd sneller op.</translation>
    </message>
</context>
<context>
    <name>game::QuillwayGame</name>
    <message>
        <source>Quillway - Game</source>
        <translation>Quillway - Spel</translation>
    </message>
    <message>
        <source>Quillway - Game - Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Quillway - Spel - Score: %1 - Levens: %2 - Level: %3</translation>
    </message>
    <message>
        <source> - Paused</source>
        <translation> - Gepauzeerd</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Score: %1</translation>
    </message>
    <message>
        <source>Lives: %1</source>
        <translation>Levens: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Hervat</translation>
    </message>
    <message>
        <source>Anonymous</source>
        <translation>Anoniem</translation>
    </message>
    <message>
        <source>Game over - Score: %1</source>
        <translation>Spel afgelopen - Score: %1</translation>
    </message>
    <message>
        <source>Game over. Play again?</source>
        <translation>Spel afgelopen. Nog een keer spelen?</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel afgelopen</translation>
    </message>
    <message>
        <source>Are you sure you want to quit? Your current score will be lost!</source>
        <translation>Weet je zeker dat je wilt afsluiten? Je huidige score gaat verloren!</translation>
    </message>
    <message>
        <source>Quit during a game?</source>
        <translation>Afsluiten tijdens het spel?</translation>
    </message>
    <message>
        <source>Score: %1 - Lives: %2 - Level: %3</source>
        <translation>Score: %1 - Levens: %2 - Level: %3</translation>
    </message>
</context>
<context>
    <name>game::SoundCues</name>
    <message>
        <source>Sound cues on</source>
        <translation>Geluidssignalen aan</translation>
    </message>
    <message>
        <source>Sound cues off</source>
        <translation>Geluidssignalen uit</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Geen geluidsapparaat</translation>
    </message>
</context>
<context>
    <name>platform::App</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Runtime-fout &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>scores::HighScoreStep</name>
    <message>
        <source>Please enter your name for entry on the high score table.</source>
        <translation>Voer je naam in voor de lijst met topscores.</translation>
    </message>
    <message>
        <source>You have acheived a high score</source>
        <translation>Je hebt een topscore behaald</translation>
    </message>
</context>
<context>
    <name>storage::RuntimeError</name>
    <message>
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pad niet gevonden</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fout bij toegang tot pad/bestand</translation>
    </message>
    <message>
        <source>Invalid file format</source>
        <translation>Ongeldige bestandsindeling</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
</context>
</TS>
