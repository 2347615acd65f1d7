<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Vorrintal</source>
        <translation>Vorrintal</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>عنوان اللعبة</translation>
    </message>
    <message>
        <source>Add Player</source>
        <translation>إضافة لاعب</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>إعادة البدء</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>إنهاء اللعبة</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Player Already Exists</source>
        <translation>اللاعب موجود بالفعل</translation>
    </message>
    <message>
        <source>That player name already exists, please choose another.</source>
        <translation>اسم اللاعب هذا موجود بالفعل، يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>And the winner is...
%1!!!</source>
        <extracomment>%1 is the winner&apos;s name, as the player typed it, or the text for nobody.</extracomment>
        <translation>والفائز هو...
%1!!!</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>الفائز!</translation>
    </message>
    <message>
        <source>nobody...</source>
        <extracomment>Where no player has won.</extracomment>
        <translation>لا أحد...</translation>
    </message>
</context>
<context>
    <name>PlayerWidget</name>
    <message>
        <source>Add Points</source>
        <translation>إضافة نقاط</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>The &quot;Add Points&quot; button&apos;s accessible name: its text, then the player&apos;s name.</extracomment>
        <translation>%1 للاعب %2</translation>
    </message>
    <message>
        <source>Total of %1</source>
        <translation>مجموع نقاط %1</translation>
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
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;قص</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;لصق</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>التمرير إلى هنا</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>الأعلى</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>الأسفل</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>صفحة لأعلى</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>صفحة لأسفل</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>التمرير لأسفل</translation>
    </message>
</context>
<context>
    <name>addPlayerDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
</context>
<context>
    <name>addpointsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Add Points</source>
        <translation>إضافة نقاط:</translation>
    </message>
    <message>
        <source>Points for %1</source>
        <extracomment>The dialog&apos;s accessible description: whose points the amount is for.</extracomment>
        <translation>نقاط %1</translation>
    </message>
    <message>
        <source>Type a whole number in the digits 0 to 9, such as 5 or -3.</source>
        <extracomment>Shown when the amount typed is not a whole number.</extracomment>
        <translation>اكتب عددًا صحيحًا بالأرقام من 0 إلى 9، مثل 5 أو -3.</translation>
    </message>
    <message>
        <source>A total goes no higher than %1: add at most %2.</source>
        <extracomment>Shown when the amount would take the total above the highest total there is.</extracomment>
        <translation>لا يتجاوز المجموع %1: أضف %2 على الأكثر.</translation>
    </message>
    <message>
        <source>A total goes no lower than %1: take away at most %2.</source>
        <extracomment>Shown when the amount would take the total below the lowest total there is.</extracomment>
        <translation>لا يقل المجموع عن %1: اطرح %2 على الأكثر.</translation>
    </message>
</context>
<context>
    <name>optionsDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>Game Title</source>
        <translation>عنوان اللعبة</translation>
    </message>
</context>
</TS>
