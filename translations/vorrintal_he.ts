<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Vorrintal</source>
        <translation>Vorrintal</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>שם המשחק</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>הוספת שחקן</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>התחלה מחדש</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>סיום המשחק</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>משחק</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Player Already Exists</source>
        <translation>השחקן כבר קיים</translation>
    </message>
    <message>
        <source>That player name already exists, please choose another.</source>
        <translation>שם השחקן הזה כבר קיים, נא לבחור שם אחר.</translation>
    </message>
    <message>
        <source>And the winner is...
%1!!!</source>
        <extracomment>%1 is the winner&apos;s name, as the player typed it, or the text for nobody.</extracomment>
        <translation>והמנצח הוא...
%1!!!</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>המנצח!</translation>
    </message>
    <message>
        <source>nobody...</source>
        <extracomment>Where no player has won.</extracomment>
        <translation>אף אחד...</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>Add Points</source>
        <translation>הוספת נקודות</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>The &quot;Add Points&quot; button&apos;s accessible name: its text, then the player&apos;s name.</extracomment>
        <translation>%1 עבור %2</translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation>סך הנקודות של %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate as &quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;חזרה</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;גזירה</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ה&amp;עתקה</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>הד&amp;בקה</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>בחירת הכל</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>גלילה לכאן</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>לראש</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>לתחתית</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>עמוד למעלה</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>עמוד למטה</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>גלילה למעלה</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>גלילה למטה</translation>
    </message>
</context>
<context>
    <name>addPlayerDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>שם:</translation>
    </message>
</context>
<context>
    <name>addpointsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
    <message>
        <source>Add Points</source>
        <translation>הוספת נקודות:</translation>
    </message>
    <message>
        <source>Points for %1</source>
        <extracomment>The dialog&apos;s accessible description: whose points the amount is for.</extracomment>
        <translation>נקודות עבור %1</translation>
    </message>
    <message>
        <source>Type a whole number in the digits 0 to 9, such as 5 or -3.</source>
        <extracomment>Shown when the amount typed is not a whole number.</extracomment>
        <translation>יש להקליד מספר שלם בספרות 0 עד 9, למשל 5 או -3.</translation>
    </message>
    <message>
        <source>A total goes no higher than %1: add at most %2.</source>
        <extracomment>Shown when the amount would take the total above the highest total there is.</extracomment>
        <translation>הסכום אינו עולה על %1: אפשר להוסיף לכל היותר %2.</translation>
    </message>
    <message>
        <source>A total goes no lower than %1: take away at most %2.</source>
        <extracomment>Shown when the amount would take the total below the lowest total there is.</extracomment>
        <translation>הסכום אינו יורד מתחת ל־%1: אפשר להפחית לכל היותר %2.</translation>
    </message>
</context>
<context>
    <name>optionsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>תיבת דו-שיח</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>שם המשחק</translation>
    </message>
</context>
</TS>
