#include "Catalogues.h"
#include "Children.h"
#include "MarkingTranslator.h"
#include "ModalAnswerer.h"
#include "app/Translations.h"
#include "widgets/PlayerWidget.h"
#include "widgets/addPlayerDialog.h"
#include "widgets/addpointsDialog.h"
#include "widgets/optionsDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QXmlStreamReader>

#include <climits>

namespace {
// Presses the row's "Add Points" button and answers its dialog with each text in turn.
void addPoints(PlayerWidget &row, const QStringList &texts)
{
    for (const QString &text : texts) {
        ModalAnswerer answerer{text.isNull() ? answer::cancel() : answer::accept(text)};
        child(row, "addpointsButton")->click();
        VERIFY_ANSWERED(answerer);
    }
}

// What a screen reader reads of a widget.
QString readOut(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(text) : QStringLiteral("(not accessible)");
}

// How many times a text holds each of the placeholders %1 to %9.
QList<qsizetype> placeholders(const QString &text)
{
    QList<qsizetype> held;
    for (char n = '1'; n <= '9'; ++n)
        held << text.count(QString{'%', n});
    return held;
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void newRow_data();
    void newRow();
    void addingPoints_data();
    void addingPoints();
    void cancelChangesNothing();
    void resetPoints();
    void typingGoesToTheField_data();
    void typingGoesToTheField();
    void nameDialogFollowsLanguageChange();
    void rowIsReadWithItsPlayer_data();
    void rowIsReadWithItsPlayer();
    void dialogFieldsAreLabelled_data();
    void dialogFieldsAreLabelled();
    void catalogueTranslatesEverything_data();
    void catalogueTranslatesEverything();
    void languageIsTheUsersFirst_data();
    void languageIsTheUsersFirst();
};

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
    auto *nameLabel = child<QLabel>(row, "nameLabel");
    QCOMPARE(nameLabel->text(), name);
    QCOMPARE(nameLabel->textFormat(), Qt::PlainText);
    QCOMPARE(label(row, "points"), QString("0"));
}

void WidgetsTest::addingPoints_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QList<int>>("announced");

    QTest::newRow("5 then -3") << QStringList{"5", "-3"} << "2" << QList<int>{5, -3};
    QTest::newRow("signs and blanks") << QStringList{"+5", " 7 "} << "12" << QList<int>{5, 7};
    QTest::newRow("up to the limits and back")
        << QStringList{"2147483647", "-2147483647", "-2147483647", "-1", "2147483647"} << "-1"
        << QList<int>{INT_MAX, -INT_MAX, -INT_MAX, -1, INT_MAX};
}

void WidgetsTest::addingPoints()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, total);
    QFETCH(QList<int>, announced);

    PlayerWidget row(nullptr, " Bo ");
    QSignalSpy spy(&row, &PlayerWidget::addPoints);
    addPoints(row, typed);

    QCOMPARE(label(row, "points"), total);
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
    QCOMPARE(label(row, "points"), QString("5"));
    QCOMPARE(spy.size(), 0);
}

void WidgetsTest::resetPoints()
{
    PlayerWidget row(nullptr, "Bo");
    addPoints(row, {"-12"});
    QSignalSpy spy(&row, &PlayerWidget::addPoints);
    row.resetPoints();
    QCOMPARE(label(row, "points"), QString("0"));
    QCOMPARE(label(row, "nameLabel"), QString("Bo"));
    QCOMPARE(spy.size(), 0);
}

void WidgetsTest::typingGoesToTheField_data()
{
    QTest::addColumn<bool>("askPoints");
    QTest::addColumn<QString>("typed");
    QTest::newRow("name") << false << "Alice";
    QTest::newRow("name with blanks around") << false << "  Bo  ";
    QTest::newRow("name beyond Latin-1") << false << "Łukasz 🎲";
    QTest::newRow("no name") << false << "";
    QTest::newRow("points") << true << "-12";
}

// Types as a person would, into whatever has the focus, and presses Enter.
void WidgetsTest::typingGoesToTheField()
{
    QFETCH(bool, askPoints);
    QFETCH(QString, typed);

    addPlayerDialog nameDialog;
    addpointsDialog pointsDialog;
    QDialog &dialog = askPoints ? static_cast<QDialog &>(pointsDialog) : nameDialog;
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
    VERIFY_ANSWERED(answerer);
    QCOMPARE(focused, QString(askPoints ? "points" : "nameEdit"));
    QCOMPARE(askPoints ? QString::number(pointsDialog.points()) : nameDialog.name(), typed);
}

void WidgetsTest::nameDialogFollowsLanguageChange()
{
    addPlayerDialog dialog;
    QString windowTitle, labelText;
    ModalAnswerer answerer{[&](QWidget *modal) {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents(); // the language change is posted
        windowTitle = modal->windowTitle();
        labelText = label(*modal, "label");
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        answer::cancel()(modal);
    }};
    dialog.exec();
    VERIFY_ANSWERED(answerer);
    QCOMPARE(windowTitle, QString("addPlayerDialog|Dialog"));
    QCOMPARE(labelText, QString("addPlayerDialog|Name:"));
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    QCOMPARE(label(dialog, "label"), QString("Name:"));
}

void WidgetsTest::rowIsReadWithItsPlayer_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Cy";
    QTest::newRow("markup stays literal") << "<b>Cy</b>";
    QTest::newRow("beyond Latin-1") << "Łukasz 🎲";
    QTest::newRow("placeholder-like") << "%1 & %2";
}

// With several rows, a screen reader would otherwise read identical buttons and bare numbers.
void WidgetsTest::rowIsReadWithItsPlayer()
{
    QFETCH(QString, name);
    PlayerWidget row(nullptr, name);
    QPushButton *button = child(row, "addpointsButton");
    auto *total = child<QLabel>(row, "points");

    QCOMPARE(readOut(button, QAccessible::Name), "Add Points for " + name);
    QCOMPARE(readOut(total, QAccessible::Name), QString("0"));
    QCOMPARE(readOut(total, QAccessible::Description), "Total of " + name);

    QString dialogTitle, dialogDescription, shownName, readName;
    ModalAnswerer answerer{[&](QWidget *dialog) {
        dialogTitle = readOut(dialog, QAccessible::Name);
        dialogDescription = readOut(dialog, QAccessible::Description);
        // The dialog shows whose points these are, beside its label, as plain text.
        auto *nameLabel = dialog->findChild<QLabel *>("nameLabel");
        if (nameLabel && nameLabel->isVisible() && nameLabel->textFormat() == Qt::PlainText)
            shownName = nameLabel->text();
        readName = readOut(nameLabel, QAccessible::Name);
        answer::accept("-7")(dialog);
    }};
    button->click();
    VERIFY_ANSWERED(answerer);
    QCOMPARE(dialogTitle, QString("Dialog"));
    QCOMPARE(dialogDescription, "Points for " + name);
    QCOMPARE(shownName, name);
    QCOMPARE(readName, name);
    // The total is read as the number it shows now, and the button is unchanged.
    QCOMPARE(readOut(total, QAccessible::Name), QString("-7"));
    QCOMPARE(button->text(), QString("Add Points"));
}

void WidgetsTest::dialogFieldsAreLabelled_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("labelText");
    QTest::newRow("add player") << "addPlayerDialog"
                                << "Name:";
    QTest::newRow("game title") << "optionsDialog"
                                << "Game Title";
    QTest::newRow("add points") << "addpointsDialog"
                                << "Add Points";
}

// Each text field is read with the label beside it, and names that label as its own.
void WidgetsTest::dialogFieldsAreLabelled()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, labelText);

    std::unique_ptr<QDialog> dialog;
    if (dialogClass == "addPlayerDialog")
        dialog = std::make_unique<addPlayerDialog>();
    else if (dialogClass == "optionsDialog")
        dialog = std::make_unique<optionsDialog>(nullptr, "Quiz");
    else
        dialog = std::make_unique<addpointsDialog>();
    auto *field = dialog->findChild<QLineEdit *>();
    QVERIFY(field);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(field);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QCOMPARE(accessible->text(QAccessible::Name), labelText);

    const auto labelledBy = accessible->relations(QAccessible::Label);
    QCOMPARE(labelledBy.size(), 1);
    auto *label = qobject_cast<QLabel *>(labelledBy.first().first->object());
    QVERIFY(label);
    // Shown as it always was: no mnemonic marker, nothing underlined.
    QCOMPARE(label->text(), labelText);
    QCOMPARE(label->buddy(), field);
    QCOMPARE(dialog->windowTitle(), QString("Dialog"));
}

void WidgetsTest::catalogueTranslatesEverything_data()
{
    QTest::addColumn<QString>("language");
    const QStringList files = QDir(catalogues::sources).entryList({"vorrintal_*.ts"});
    QVERIFY(files.size() >= 17);
    for (const QString &file : files) {
        const QString language = file.mid(10).chopped(3);
        QTest::newRow(qPrintable(language)) << language;
    }
}

// Every text of the program has a translation in each catalogue as built, with the same
// placeholders; the catalogue is the one a user of that language gets, in its direction.
void WidgetsTest::catalogueTranslatesEverything()
{
    QFETCH(QString, language);
    QFile ts(catalogues::sources + "/vorrintal_" + language + ".ts");
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QTranslator qm;
    QVERIFY(qm.load("vorrintal_" + language, catalogues::built));

    QXmlStreamReader xml(&ts);
    QString context, source, comment, addPointsText;
    int messages = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"comment")
            comment = xml.readElementText();
        else if (xml.name() == u"translation") {
            const QString translated =
                qm.translate(qPrintable(context), qPrintable(source),
                             comment.isEmpty() ? nullptr : qPrintable(comment));
            const QString where = context + ": \"" + source + "\"";
            QVERIFY2(!translated.isEmpty(), qPrintable(where + " has no translation"));
            QVERIFY2(placeholders(translated) == placeholders(source),
                     qPrintable(where + " is \"" + translated + "\""));
            if (context == "PlayerWidget" && source == "Add Points")
                addPointsText = translated;
            comment.clear();
            ++messages;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages >= 28);

    const Translations translations(QLocale(language), catalogues::built);
    QCOMPARE(translations.language(), language);
    const bool rightToLeft = language == "ar" || language == "he";
    QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    PlayerWidget row(nullptr, "Ada");
    QCOMPARE(child(row, "addpointsButton")->text(), addPointsText);
}

void WidgetsTest::languageIsTheUsersFirst_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language"); // empty for English
    for (const auto &[locale, language] : {std::pair("en_US", ""),
                                           {"de_AT", "de"},
                                           {"pt_BR", "pt_BR"},
                                           {"zh_TW", "zh_TW"},
                                           {"fa_IR", ""},
                                           {"C", ""}})
        QTest::newRow(locale) << locale << language;
}

// A language the program has is shown; any other leaves every text as written.
void WidgetsTest::languageIsTheUsersFirst()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const Translations translations{QLocale(locale), catalogues::built};
    QCOMPARE(translations.language(), language);
    optionsDialog dialog(nullptr, QString());
    QCOMPARE(dialog.findChild<QLabel *>("titleLabel")->text() == "Game Title", language.isEmpty());
}

QTEST_MAIN(WidgetsTest)
#include "tst_widgets.moc"
