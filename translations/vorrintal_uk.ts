<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Vorrintal</source>
        <translation>Vorrintal</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Назва гри</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>Додати гравця</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Завершити гру</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Player Already Exists</source>
        <translation>Гравець уже існує</translation>
    </message>
    <message>
        <source>That player name already exists, please choose another.</source>
        <translation>Гравець із таким ім’ям уже є, виберіть інше.</translation>
    </message>
    <message>
        <source>And the winner is...
%1!!!</source>
        <extracomment>%1 is the winner&apos;s name, as the player typed it, or the text for nobody.</extracomment>
        <translation>І переможець...
%1!!!</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Переможець!</translation>
    </message>
    <message>
        <source>nobody...</source>
        <extracomment>Where no player has won.</extracomment>
        <translation>ніхто...</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>Add Points</source>
        <translation>Додати очки</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>The &quot;Add Points&quot; button&apos;s accessible name: its text, then the player&apos;s name.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation>Сума очок гравця %1</translation>
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
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Повт&amp;орити</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ви&amp;різати</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Виділити все</translation>
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
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Прокрутити сюди</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>На початок</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>В кінець</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>На сторінку вгору</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>На сторінку вниз</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Прокрутити вгору</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Прокрутити вниз</translation>
    </message>
</context>
<context>
    <name>addPlayerDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалог</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім’я:</translation>
    </message>
</context>
<context>
    <name>addpointsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалог</translation>
    </message>
    <message>
        <source>Add Points</source>
        <translation>Додати очки:</translation>
    </message>
    <message>
        <source>Points for %1</source>
        <extracomment>The dialog&apos;s accessible description: whose points the amount is for.</extracomment>
        <translation>Очки для гравця %1</translation>
    </message>
    <message>
        <source>Type a whole number in the digits 0 to 9, such as 5 or -3.</source>
        <extracomment>Shown when the amount typed is not a whole number.</extracomment>
        <translation>Введіть ціле число цифрами від 0 до 9, наприклад 5 або -3.</translation>
    </message>
    <message>
        <source>A total goes no higher than %1: add at most %2.</source>
        <extracomment>Shown when the amount would take the total above the highest total there is.</extracomment>
        <translation>Сума не може бути більшою за %1: додайте не більше %2.</translation>
    </message>
    <message>
        <source>A total goes no lower than %1: take away at most %2.</source>
        <extracomment>Shown when the amount would take the total below the lowest total there is.</extracomment>
        <translation>Сума не може бути меншою за %1: відніміть не більше %2.</translation>
    </message>
</context>
<context>
    <name>optionsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Діалог</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>Назва гри</translation>
    </message>
</context>
</TS>
