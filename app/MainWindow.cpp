#include "app/MainWindow.h"

#include "ui_MainWindow.h"
#include "widgets/FormScale.h"
#include "widgets/LabelElider.h"
#include "widgets/PlayerWidget.h"
#include "widgets/SlimScrollBarStyle.h"
#include "widgets/addPlayerDialog.h"
#include "widgets/optionsDialog.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

namespace {

// A player row is drawn for this size and does not stretch: the player area
// scrolls rather than squeeze rows below it or cut off their right edge.
constexpr QSize drawnRowSize(371, 41);

// The record holds names and titles as UTF-8, so that no text is altered on its way through.
std::string toRecord(const QString &text)
{
    return text.toStdString();
}

QString fromRecord(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), form(std::make_unique<Ui::MainWindow>())
{
    form->setupUi(this);

    // The window grows with its font as much as its own texts and a player row need; a long
    // title gives way.
    new LabelElider(form->titleLabel);
    drawnSize = size();
    drawnPlayerArea = form->playerArea->geometry();
    formScale = new FormScale(this, form->centralwidget);
    scrollBarStyle = new SlimScrollBarStyle(form->playerArea->verticalScrollBar());
    form->centralwidget->installEventFilter(this);
    // Fitted to the screen under the pointer, in its middle.
    if (QScreen *screen = QGuiApplication::screenAt(QCursor::pos()))
        setScreen(screen);
    fitToFont();
    placeOnScreen(true);

    connect(form->addplayerButton, SIGNAL(clicked()), this, SLOT(addPlayer()));
    connect(form->actionAdd_Player, SIGNAL(triggered()), this, SLOT(addPlayer()));
    connect(form->actionRestart, SIGNAL(triggered()), this, SLOT(on_restartButton_clicked()));
    connect(form->actionNew, SIGNAL(triggered()), this, SLOT(on_endButton_clicked()));
    connect(form->actionQuit, SIGNAL(triggered()), this, SLOT(close()));

    on_actionOptions_triggered();
}

MainWindow::~MainWindow() = default;

void MainWindow::addPlayer()
{
    addPlayerDialog dialog(nullptr);
    if (!dialog.exec())
        return;

    const QString name = dialog.name();
    std::string key = toRecord(name);
    if (game.hasPlayer(key)) {
        QMessageBox::information(this, tr("Player Already Exists"),
                                 tr("That player name already exists, please choose another."),
                                 QMessageBox::Ok);
        return;
    }

    auto *row = new PlayerWidget(this, name);
    connect(row, SIGNAL(addPoints(QString, int)), this, SLOT(addPoints(QString, int)));
    row->setScale(formScale->factor());
    form->playerGrid->addWidget(row);
    game.addPlayer(std::move(key), row);
    fitPlayerArea();
    // The newest row is the last.
    QScrollBar *bar = form->playerArea->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void MainWindow::addPoints(const QString &name, int points)
{
    game.addPoints(toRecord(name), points);
}

void MainWindow::on_endButton_clicked()
{
    // The record says "nobody..." where no one has won, which is also a name a player may
    // have: only a player with points above 0 has won.
    const std::string winner = game.winner();
    const bool won = game.hasPlayer(winner) && game.pointsOf(winner) > 0;
    //: Where no player has won.
    const QString name = won ? fromRecord(winner) : tr("nobody...");
    //: %1 is the winner's name, as the player typed it, or the text for nobody.
    const QString text = tr("And the winner is...\n%1!!!").arg(name);
    QMessageBox::information(this, tr("Winner!"), text, QMessageBox::Ok);
}

void MainWindow::on_restartButton_clicked()
{
    game.resetAll();
}

void MainWindow::on_actionOptions_triggered()
{
    optionsDialog dialog(this, fromRecord(game.title()));
    if (!dialog.exec())
        return;

    const QString title = dialog.title();
    form->titleLabel->setText(title);
    game.setTitle(toRecord(title));
    titleAccepted = true;
}

void MainWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        form->retranslateUi(this);
        // "Game Title" is only a placeholder: once the user has chosen a title, it stays.
        if (titleAccepted)
            form->titleLabel->setText(fromRecord(game.title()));
    }
    // A new font, style or language reaches the window's widgets in no set order, the
    // window's own event among theirs, and the rows' after it: fitting once the event loop
    // runs again measures them all with it.
    if (FormScale::changesFit(e->type()) && !fitPending) {
        fitPending = true;
        QMetaObject::invokeMethod(this, &MainWindow::fitToFont, Qt::QueuedConnection);
    }
}

// Tab and Shift+Tab reach every row's button, wherever the focus comes from; the player area
// then scrolls just enough that the focused row is whole in view. The mouse and the wheel
// scroll the area as they always do.
bool MainWindow::focusNextPrevChild(bool next)
{
    if (!QMainWindow::focusNextPrevChild(next))
        return false;
    QWidget *row = focusWidget();
    while (row && row->parentWidget() != form->widget)
        row = row->parentWidget();
    if (row)
        form->playerArea->ensureWidgetVisible(row, 0, 0);
    return true;
}

// The window's widgets at one factor: the least at which they and a player row hold their
// texts. Every row as large as that; the player area just wide enough for a row and a slim
// scroll bar; the window as drawn at the factor, and tall enough for its widgets between the
// menu and status bars as the font draws them.
void MainWindow::fitToFont()
{
    fitPending = false;
    // A row measured on its own, in the window's font, rather than in the list.
    PlayerWidget measured(nullptr, QString());
    measured.setFont(font());
    const QSize rowLeast = measured.leastSize();
    const qreal factor = formScale->fit(FormScale::factorFor(rowLeast, drawnRowSize));

    rowSize = FormScale::scaled(drawnRowSize, factor);
    for (auto *row : form->widget->findChildren<PlayerWidget *>(Qt::FindDirectChildrenOnly))
        row->setScale(factor);
    const QRect area = FormScale::scaled(drawnPlayerArea, factor);
    const int scrollBarExtent = area.width() - rowSize.width();
    scrollBarStyle->setExtent(scrollBarExtent);

    // The least room keeps the margins the player area is drawn with, beside the buttons
    // or a row and its scroll bar, and one whole row beneath the title line.
    const int margins = formScale->size().width() - area.width();
    const int widest = std::max(form->widget1->layout()->totalMinimumSize().width(),
                                rowLeast.width() + scrollBarExtent);
    // The menu and status bars' height, as the window's layout gives them room. The status
    // bar takes the height of a new font only once it is asked to lay itself out again.
    QEvent relayout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(form->statusbar, &relayout);
    const int bars = layout()->totalMinimumSize().height();
    leastSize = QSize(widest + margins, area.top() + rowSize.height() + bars);
    // The new least size first, so that it does not hold the window at the old one.
    setMinimumSize(leastSize);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(FormScale::scaled(drawnSize, factor).expandedTo(formScale->size() + QSize(0, bars)));
    fitToScreen();
}

// The whole frame lies within the available area of the window's screen. A window that
// area cannot hold at its font takes all of it, and its widgets give way.
void MainWindow::fitToScreen()
{
    if (windowHandle())
        fittedFrame = windowHandle()->frameMargins();
    const QSize room = screen()->availableGeometry().size() - (frameGeometry().size() - size());
    setMinimumSize(leastSize.boundedTo(room));
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    resize(size().boundedTo(room));
    if (isVisible())
        placeOnScreen(false);
}

// Moves the frame within the available area of the window's screen: no further than it must
// once the window is shown, and into the middle of the screen as it opens.
//
// The title dialog comes up before the window and is centred on it. Left where Qt puts a new
// window, the top-left corner, the dialog would appear there, and the window somewhere else
// once a window manager places it. So the window takes its place first, as window managers
// place new windows. Wayland compositors place every window themselves.
void MainWindow::placeOnScreen(bool inMiddle)
{
    if (inMiddle && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QRect available = screen()->availableGeometry();
    QRect frame = frameGeometry();
    if (inMiddle)
        frame.moveCenter(available.center());
    frame.moveLeft(
        std::min(std::max(frame.left(), available.left()), available.right() + 1 - frame.width()));
    frame.moveTop(
        std::min(std::max(frame.top(), available.top()), available.bottom() + 1 - frame.height()));
    if (inMiddle || frame != frameGeometry())
        move(frame.topLeft());
}

// A window manager frames a window only once it is mapped, and tells Qt of the frame a
// little later, as it moves the window into it: the window is fitted again to the frame it
// has, but never held where the user drags it.
void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (isVisible() && windowHandle()->frameMargins() != fittedFrame)
        fitToScreen();
}

// Once the window has a frame it is fitted again, and again on every screen it moves to.
void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    fitToScreen();
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::fitToScreen,
            Qt::UniqueConnection);
}

// The widgets of the central widget give way where it is smaller than they are drawn; the
// player area ends where the central widget does, and scrolls.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form->centralwidget && event->type() == QEvent::Resize) {
        formScale->place(form->centralwidget->size());
        fitPlayerArea();
    }
    return QMainWindow::eventFilter(watched, event);
}

// While the rows' heights, without the spacing between them, fit in the player area, the rows
// share it: each is then at most a few pixels shorter than drawn. Past that, the area
// scrolls, and each row keeps the height it is drawn for. The list stays where it is
// scrolled to.
void MainWindow::fitPlayerArea()
{
    const int rows = form->playerGrid->count();
    if (rows * rowSize.height() <= form->playerArea->height()) {
        form->widget->setMinimumHeight(0);
        return;
    }
    form->widget->setMinimumHeight(rows * rowSize.height() +
                                   (rows - 1) * form->playerGrid->spacing());
}
