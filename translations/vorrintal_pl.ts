<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Vorrintal</source>
        <translation>Vorrintal</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Tytuł gry</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Dodaj gracza</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Player Already Exists</source>
        <translation>Gracz już istnieje</translation>
    </message>
    <message>
        <source>That player name already exists, please choose another.</source>
        <translation>Gracz o tej nazwie już istnieje, wybierz inną.</translation>
    </message>
    <message>
        <source>And the winner is...
%1!!!</source>
        <extracomment>%1 is the winner&apos;s name, as the player typed it, or the text for nobody.</extracomment>
        <translation>A zwycięzcą jest...
%1!!!</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Zwycięzca!</translation>
    </message>
    <message>
        <source>nobody...</source>
        <extracomment>Where no player has won.</extracomment>
        <translation>nikt...</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>Add Points</source>
        <translation>Dodaj punkty</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>The &quot;Add Points&quot; button&apos;s accessible name: its text, then the player&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation>Suma punktów gracza %1</translation>
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
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Przewiń tutaj</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Na początek</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Na koniec</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Strona w górę</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Strona w dół</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Przewiń w dół</translation>
    </message>
</context>
<context>
    <name>addPlayerDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
</context>
<context>
    <name>addpointsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Add Points</source>
        <translation>Dodaj punkty:</translation>
    </message>
    <message>
        <source>Points for %1</source>
        <extracomment>The dialog&apos;s accessible description: whose points the amount is for.</extracomment>
        <translation>Punkty dla gracza %1</translation>
    </message>
    <message>
        <source>Type a whole number in the digits 0 to 9, such as 5 or -3.</source>
        <extracomment>Shown when the amount typed is not a whole number.</extracomment>
        <translation>Wpisz liczbę całkowitą cyframi od 0 do 9, na przykład 5 lub -3.</translation>
    </message>
    <message>
        <source>A total goes no higher than %1: add at most %2.</source>
        <extracomment>Shown when the amount would take the total above the highest total there is.</extracomment>
        <translation>Suma nie może przekroczyć %1: dodaj najwyżej %2.</translation>
    </message>
    <message>
        <source>A total goes no lower than %1: take away at most %2.</source>
        <extracomment>Shown when the amount would take the total below the lowest total there is.</extracomment>
        <translation>Suma nie może spaść poniżej %1: odejmij najwyżej %2.</translation>
    </message>
</context>
<context>
    <name>optionsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Tytuł gry</translation>
    </message>
</context>
</TS>
