<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Vorrintal</source>
        <translation>Vorrintal</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Titel van het spel</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Speler toevoegen</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spel beëindigen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Player Already Exists</source>
        <translation>Speler bestaat al</translation>
    </message>
    <message>
        <source>That player name already exists, please choose another.</source>
        <translation>Die spelersnaam bestaat al, kies een andere.</translation>
    </message>
    <message>
        <source>And the winner is...
%1!!!</source>
        <extracomment>%1 is the winner&apos;s name, as the player typed it, or the text for nobody.</extracomment>
        <translation>En de winnaar is...
%1!!!</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Winnaar!</translation>
    </message>
    <message>
        <source>nobody...</source>
        <extracomment>Where no player has won.</extracomment>
        <translation>niemand...</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>Add Points</source>
        <translation>Punten toevoegen</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>The &quot;Add Points&quot; button&apos;s accessible name: its text, then the player&apos;s name.</extracomment>
        <translation>%1 voor %2</translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation>Totaal van %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opn&amp;ieuw</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Hierheen schuiven</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Bovenaan</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Onderaan</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Pagina omhoog</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Pagina omlaag</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Omhoog schuiven</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Omlaag schuiven</translation>
    </message>
</context>
<context>
    <name>addPlayerDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
</context>
<context>
    <name>addpointsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Add Points</source>
        <translation>Punten voor</translation>
    </message>
    <message>
        <source>Points for %1</source>
        <extracomment>The dialog&apos;s accessible description: whose points the amount is for.</extracomment>
        <translation>Punten voor %1</translation>
    </message>
    <message>
        <source>Type a whole number in the digits 0 to 9, such as 5 or -3.</source>
        <extracomment>Shown when the amount typed is not a whole number.</extracomment>
        <translation>Typ een geheel getal met de cijfers 0 tot en met 9, zoals 5 of -3.</translation>
    </message>
    <message>
        <source>A total goes no higher than %1: add at most %2.</source>
        <extracomment>Shown when the amount would take the total above the highest total there is.</extracomment>
        <translation>Een totaal komt niet hoger dan %1: tel er hoogstens %2 bij op.</translation>
    </message>
    <message>
        <source>A total goes no lower than %1: take away at most %2.</source>
        <extracomment>Shown when the amount would take the total below the lowest total there is.</extracomment>
        <translation>Een totaal komt niet lager dan %1: trek er hoogstens %2 van af.</translation>
    </message>
</context>
<context>
    <name>optionsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialoogvenster</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Titel van het spel</translation>
    </message>
</context>
</TS>
