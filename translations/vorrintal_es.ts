<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Vorrintal</source>
        <translation>Vorrintal</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Título de la partida</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Añadir jugador</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Player Already Exists</source>
        <translation>El jugador ya existe</translation>
    </message>
    <message>
        <source>That player name already exists, please choose another.</source>
        <translation>Ese nombre de jugador ya existe; elija otro, por favor.</translation>
    </message>
    <message>
        <source>And the winner is...
%1!!!</source>
        <extracomment>%1 is the winner&apos;s name, as the player typed it, or the text for nobody.</extracomment>
        <translation>Y el ganador es...
¡¡¡%1!!!</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>¡Ganador!</translation>
    </message>
    <message>
        <source>nobody...</source>
        <extracomment>Where no player has won.</extracomment>
        <translation>nadie...</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>Add Points</source>
        <translation>Añadir puntos</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>The &quot;Add Points&quot; button&apos;s accessible name: its text, then the player&apos;s name.</extracomment>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation>Total de %1</translation>
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
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Desplazar aquí</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba del todo</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo del todo</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Página arriba</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Página abajo</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desplazar abajo</translation>
    </message>
</context>
<context>
    <name>addPlayerDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
</context>
<context>
    <name>addpointsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Add Points</source>
        <translation>Puntos para</translation>
    </message>
    <message>
        <source>Points for %1</source>
        <extracomment>The dialog&apos;s accessible description: whose points the amount is for.</extracomment>
        <translation>Puntos para %1</translation>
    </message>
    <message>
        <source>Type a whole number in the digits 0 to 9, such as 5 or -3.</source>
        <extracomment>Shown when the amount typed is not a whole number.</extracomment>
        <translation>Escriba un número entero con las cifras del 0 al 9, como 5 o -3.</translation>
    </message>
    <message>
        <source>A total goes no higher than %1: add at most %2.</source>
        <extracomment>Shown when the amount would take the total above the highest total there is.</extracomment>
        <translation>Un total no pasa de %1: añada como máximo %2.</translation>
    </message>
    <message>
        <source>A total goes no lower than %1: take away at most %2.</source>
        <extracomment>Shown when the amount would take the total below the lowest total there is.</extracomment>
        <translation>Un total no baja de %1: quite como máximo %2.</translation>
    </message>
</context>
<context>
    <name>optionsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Título de la partida</translation>
    </message>
</context>
</TS>
