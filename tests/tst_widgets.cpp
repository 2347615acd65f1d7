#include "ModalAnswerer.h"
#include "widgets/PlayerWidget.h"
#include "widgets/addPlayerDialog.h"
#include "widgets/addpointsDialog.h"
#include "widgets/optionsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <climits>

namespace {
QString pointsText(const PlayerWidget &row)
{
    return row.findChild<QLabel *>("points")->text();
}

// Presses the row's "Add Points" button and answers its dialog with each text in turn.
void addPoints(PlayerWidget &row, const QStringList &texts)
{
    for (const QString &text : texts) {
        ModalAnswerer answerer{text.isNull() ? answer::cancel() : answer::accept(text)};
        row.findChild<QPushButton *>("addpointsButton")->click();
        QVERIFY2(answerer.done(), qPrintable(answerer.problems().join("; ")));
    }
}

// Shows every text as "<context>|<source>", so that a test can tell which texts were translated.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QString("%1|%2").arg(context, source);
    }
};
} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void forms_data();
    void forms();
    void newRow_data();
    void newRow();
    void addingPoints_data();
    void addingPoints();
    void cancelChangesNothing();
    void resetPoints();
    void pointsDialogReadsNumbers_data();
    void pointsDialogReadsNumbers();
    void nameDialogKeepsTypedText_data();
    void nameDialogKeepsTypedText();
    void titleDialogIsPrefilled_data();
    void titleDialogIsPrefilled();
    void nameDialogFollowsLanguageChange();
};

void WidgetsTest::forms_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const QRect any;
    // clang-format off
    QTest::newRow("row") << "PlayerWidget" << "PlayerWidget" << "PlayerWidget" << "" << QRect(0, 0, 371, 41) << "Form";
    QTest::newRow("row area") << "PlayerWidget" << "widget" << "QWidget" << "PlayerWidget" << QRect(0, 0, 371, 41) << "";
    QTest::newRow("row name") << "PlayerWidget" << "nameLabel" << "QLabel" << "widget" << any << "Bo";
    QTest::newRow("row total") << "PlayerWidget" << "points" << "QLabel" << "widget" << any << "0";
    QTest::newRow("row button") << "PlayerWidget" << "addpointsButton" << "QPushButton" << "widget" << any << "Add Points";
    QTest::newRow("name") << "addPlayerDialog" << "addPlayerDialog" << "addPlayerDialog" << "" << QRect(0, 0, 320, 77) << "Dialog";
    QTest::newRow("name buttons") << "addPlayerDialog" << "buttonBox" << "QDialogButtonBox" << "addPlayerDialog" << QRect(40, 40, 271, 32) << "";
    QTest::newRow("name area") << "addPlayerDialog" << "widget" << "QWidget" << "addPlayerDialog" << QRect(10, 10, 301, 24) << "";
    QTest::newRow("name label") << "addPlayerDialog" << "label" << "QLabel" << "widget" << any << "Name:";
    QTest::newRow("name edit") << "addPlayerDialog" << "nameEdit" << "QLineEdit" << "widget" << any << "";
    QTest::newRow("title") << "optionsDialog" << "optionsDialog" << "optionsDialog" << "" << QRect(0, 0, 251, 91) << "Dialog";
    QTest::newRow("title area") << "optionsDialog" << "widget" << "QWidget" << "optionsDialog" << QRect(10, 10, 234, 73) << "";
    QTest::newRow("title label") << "optionsDialog" << "titleLabel" << "QLabel" << "widget" << any << "Game Title";
    QTest::newRow("title edit") << "optionsDialog" << "titleEdit" << "QLineEdit" << "widget" << any << "";
    QTest::newRow("title buttons") << "optionsDialog" << "buttonBox" << "QDialogButtonBox" << "widget" << any << "";
    QTest::newRow("points") << "addpointsDialog" << "addpointsDialog" << "addpointsDialog" << "" << QRect(0, 0, 290, 81) << "Dialog";
    QTest::newRow("points buttons") << "addpointsDialog" << "buttonBox" << "QDialogButtonBox" << "addpointsDialog" << QRect(80, 40, 201, 32) << "";
    QTest::newRow("points area") << "addpointsDialog" << "widget" << "QWidget" << "addpointsDialog" << QRect(10, 10, 271, 24) << "";
    QTest::newRow("points label") << "addpointsDialog" << "label" << "QLabel" << "widget" << any << "Add Points";
    QTest::newRow("points edit") << "addpointsDialog" << "points" << "QLineEdit" << "widget" << any << "";
    // clang-format on
}

void WidgetsTest::forms()
{
    QFETCH(QString, form);
    QFETCH(QString, object);
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    std::unique_ptr<QWidget> owner;
    if (form == "PlayerWidget")
        owner = std::make_unique<PlayerWidget>(nullptr, "Bo");
    else if (form == "addPlayerDialog")
        owner = std::make_unique<addPlayerDialog>();
    else if (form == "optionsDialog")
        owner = std::make_unique<optionsDialog>(nullptr, QString());
    else
        owner = std::make_unique<addpointsDialog>();

    QWidget *widget = object == form
                          ? owner.get()
                          : owner->findChild<QWidget *>(object, Qt::FindChildrenRecursively);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className);
    QCOMPARE(widget->parentWidget() ? widget->parentWidget()->objectName() : QString(), parent);
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isWindow() ? widget->windowTitle() : widget->property("text").toString(),
             text);
    // The owner itself has no layout: its children stay where the form puts them.
    QVERIFY(!owner->layout());
    if (auto *box = qobject_cast<QDialogButtonBox *>(widget))
        QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void WidgetsTest::newRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Alice";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks around") << "  Bo  ";
    QTest::newRow("beyond Latin-1") << "Łukasz";
    QTest::newRow("markup") << "<b>Bo</b>";
    QTest::newRow("image markup") << "<img src=x>";
}

void WidgetsTest::newRow()
{
    QFETCH(QString, name);
    PlayerWidget row(nullptr, name);
    auto *nameLabel = row.findChild<QLabel *>("nameLabel");
    QCOMPARE(nameLabel->text(), name);
    QCOMPARE(nameLabel->textFormat(), Qt::PlainText);
    QCOMPARE(pointsText(row), QString("0"));
}

void WidgetsTest::addingPoints_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QList<int>>("announced");

    QTest::newRow("5 then -3") << QStringList{"5", "-3"} << "2" << QList<int>{5, -3};
    QTest::newRow("signs and blanks") << QStringList{"+5", " 7 "} << "12" << QList<int>{5, 7};
    QTest::newRow("not numbers count as 0")
        << QStringList{"4", "abc", "", "1.5", "1e3", "0x10", "2147483648"} << "4"
        << QList<int>{4, 0, 0, 0, 0, 0, 0};
    QTest::newRow("wraps past the top")
        << QStringList{"2147483647", "1"} << "-2147483648" << QList<int>{INT_MAX, 1};
    QTest::newRow("wraps past the bottom")
        << QStringList{"-2147483648", "-1"} << "2147483647" << QList<int>{INT_MIN, -1};
}

void WidgetsTest::addingPoints()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, total);
    QFETCH(QList<int>, announced);

    PlayerWidget row(nullptr, " Bo ");
    QSignalSpy spy(&row, &PlayerWidget::addPoints);
    addPoints(row, typed);

    QCOMPARE(pointsText(row), total);
    QCOMPARE(spy.size(), announced.size());
    for (int i = 0; i < spy.size(); ++i) {
        QCOMPARE(spy[i][0].toString(), QString(" Bo "));
        QCOMPARE(spy[i][1].toInt(), announced[i]);
    }
}

void WidgetsTest::cancelChangesNothing()
{
    PlayerWidget row(nullptr, "Bo");
    addPoints(row, {"5"});
    QSignalSpy spy(&row, &PlayerWidget::addPoints);
    addPoints(row, {QString()});
    QCOMPARE(pointsText(row), QString("5"));
    QCOMPARE(spy.size(), 0);
}

void WidgetsTest::resetPoints()
{
    PlayerWidget row(nullptr, "Bo");
    addPoints(row, {"-12"});
    QSignalSpy spy(&row, &PlayerWidget::addPoints);
    row.resetPoints();
    QCOMPARE(pointsText(row), QString("0"));
    QCOMPARE(row.findChild<QLabel *>("nameLabel")->text(), QString("Bo"));
    QCOMPARE(spy.size(), 0);
}

void WidgetsTest::pointsDialogReadsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");

    QTest::newRow("positive") << "42" << 42;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("largest") << "2147483647" << INT_MAX;
    QTest::newRow("smallest") << "-2147483648" << INT_MIN;
    QTest::newRow("above the range") << "2147483648" << 0;
    QTest::newRow("below the range") << "-2147483649" << 0;
    QTest::newRow("fraction") << "1.5" << 0;
    QTest::newRow("exponent") << "1e3" << 0;
    QTest::newRow("hex") << "0x10" << 0;
    QTest::newRow("letters") << "ten" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blanks only") << "   " << 0;
}

void WidgetsTest::pointsDialogReadsNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, points);
    addpointsDialog dialog;
    dialog.findChild<QLineEdit *>("points")->setText(text);
    QCOMPARE(dialog.points(), points);
}

void WidgetsTest::nameDialogKeepsTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("plain") << "Alice";
    QTest::newRow("blanks around") << "  Bo  ";
    QTest::newRow("beyond Latin-1") << "Łukasz 🎲";
    QTest::newRow("nothing") << "";
}

// Types the name as a person would, into whatever has the focus, and presses Enter.
void WidgetsTest::nameDialogKeepsTypedText()
{
    QFETCH(QString, typed);
    addPlayerDialog dialog;
    QString focused;
    ModalAnswerer answerer{[&](QWidget *modal) {
        if (!QTest::qWaitForWindowActive(modal, 2000))
            return;
        QWidget *focus = QApplication::focusWidget();
        focused = focus ? focus->objectName() : QString();
        if (focus && modal->isAncestorOf(focus)) {
            // One key event carries the whole text, as an input method would.
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, typed, Qt::NoModifier);
            QTest::keyClick(focus, Qt::Key_Return);
        }
    }};
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY2(answerer.done(), qPrintable(answerer.problems().join("; ")));
    QCOMPARE(focused, QString("nameEdit"));
    QCOMPARE(dialog.name(), typed);
}

void WidgetsTest::titleDialogIsPrefilled_data()
{
    QTest::addColumn<QString>("title");
    QTest::newRow("none") << "";
    QTest::newRow("plain") << "Quiz Night";
    QTest::newRow("Greek") << "Ελληνικά";
    QTest::newRow("markup") << "<img src=x>";
}

void WidgetsTest::titleDialogIsPrefilled()
{
    QFETCH(QString, title);
    optionsDialog dialog(nullptr, title);
    QCOMPARE(dialog.findChild<QLineEdit *>("titleEdit")->text(), title);
    QCOMPARE(dialog.title(), title);
}

void WidgetsTest::nameDialogFollowsLanguageChange()
{
    addPlayerDialog dialog;
    QString windowTitle, label;
    ModalAnswerer answerer{[&](QWidget *modal) {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents(); // the language change is posted
        windowTitle = modal->windowTitle();
        label = modal->findChild<QLabel *>("label")->text();
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        answer::cancel()(modal);
    }};
    dialog.exec();
    QVERIFY2(answerer.done(), qPrintable(answerer.problems().join("; ")));
    QCOMPARE(windowTitle, QString("addPlayerDialog|Dialog"));
    QCOMPARE(label, QString("addPlayerDialog|Name:"));
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QString("Name:"));
}

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
