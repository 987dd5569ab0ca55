// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include "ui/accessibility.h"
#include "ui/dialog_windows.h"
#include "ui/form.h"
#include "ui/glyph.h"
#include "ui/page_widgets.h"
#include "ui/window_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace zerbo::ui {

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == "." ? '.' : ',';
}

namespace {

QWidget* MakeButtonPanel(const MainWindowModel& model, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("ButtonPanel");
    auto* box = new QVBoxLayout(panel);
    auto* ok = MakePushButton(model.okButton, "Beenden", panel);
    ok->setIcon(Glyph("close"));
    auto* help = MakePushButton(model.helpButton, "Hilfe", panel);
    help->hide();
    auto* print = MakePushButton(model.printButton, "Drucken", panel);
    print->setIcon(Glyph("printer"));
    auto* advisor = new QToolButton(panel);
    advisor->setObjectName(QString::fromStdString(model.advisorButton.name()));
    advisor->setIcon(panel->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    advisor->setIconSize(QSize(32, 32));
    advisor->setMinimumSize(48, 48);
    auto* hints = new QToolButton(panel);
    hints->setObjectName(QString::fromStdString(model.hintButton.name()));
    hints->setCheckable(true);
    hints->setIcon(panel->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    hints->setIconSize(QSize(32, 32));
    hints->setMinimumSize(48, 48);
    box->addWidget(ok);
    box->addWidget(help);
    box->addWidget(print);
    box->addSpacing(12);
    box->addWidget(advisor, 0, Qt::AlignHCenter);
    box->addWidget(hints, 0, Qt::AlignHCenter);
    box->addStretch(1);
    return panel;
}

// Room the window manager's frame and title bar take around the window.
constexpr QSize kFrameRoom(16, 48);

bool TakesTabFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->focusProxy() == nullptr;
}

} // namespace

MainWindow::MainWindow(char decimalSeparator, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::fromUtf8(MainWindowModel::kFormName));
    InstallAccessibleLists();
    messages_.setParent(this);
    bench_ = std::make_unique<Workbench>(messages_, static_cast<HelpViewer&>(*this),
                                         decimalSeparator != 0 ? decimalSeparator
                                                               : SystemDecimalSeparator());
    MainWindowModel& model = bench_->main();
    setWindowTitle(QString::fromStdString(model.title()));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    UseWindowStyle();

    auto* outer = new QHBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize); // a fixed border
    auto* left = new QVBoxLayout;
    // The page area scrolls only where the window is smaller than designed.
    pageArea_ = new QScrollArea(this);
    pageArea_->setFrameShape(QFrame::NoFrame);
    pageArea_->setFocusPolicy(Qt::NoFocus);
    notebook_ = new QStackedWidget(pageArea_);
    notebook_->setObjectName("Notebook");
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabSet");
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    // Each page is an empty holder until its widgets are built into it.
    for (int i = 0; i < kPageCount; ++i) {
        auto* holder = new QWidget(notebook_);
        holder->setObjectName(QString("Page%1").arg(i));
        auto* box = new QVBoxLayout(holder);
        box->setContentsMargins(0, 0, 0, 0);
        notebook_->addWidget(holder);
        tabs_->addTab(QString::fromStdString(model.page(i).caption()));
    }
    // The page shown is built before the button panel, so the focus chain
    // runs tab strip, page, panel: the tab strip takes the first focus and
    // the page's "Werkstoff", not "Beenden", becomes the default button.
    buildPage(model.pageIndex());
    left->addWidget(pageArea_, 1);
    left->addWidget(tabs_);
    outer->addLayout(left, 1);
    panel_ = MakeButtonPanel(model, this);
    outer->addWidget(panel_);
    panelBinder_ = std::make_unique<Binder>(model, panel_, [this] { syncAll(); });
    orderFocusChain();
    addSheetActions(panel_->findChild<QAbstractButton*>(QString::fromStdString(model.printButton.name())));

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (syncing_) return;
        bench_->main().selectPage(index);
        syncAll();
    });
    auto* next = new QShortcut(this);
    next->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    connect(next, &QShortcut::activated, this, [this] { stepPage(1); });
    auto* previous = new QShortcut(this);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                       QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    connect(previous, &QShortcut::activated, this, [this] { stepPage(-1); });
    // Polished now, as showing would do, so the page asks its true size.
    ensurePolished();
    syncAll();
    // After the first sync, so the page's own size counts its texts.
    notebook_->setFixedSize(kPageArea.expandedTo(notebook_->widget(model.pageIndex())->sizeHint()));
    pageArea_->setWidget(notebook_);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        fitScreen(screen->availableGeometry());
    else
        fitScreen(QRect(QPoint(0, 0), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
}

MainWindow::~MainWindow() = default;

void MainWindow::fitScreen(const QRect& available) {
    // The designed size first: the page area exactly as large as the pages.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    pageArea_->setFixedSize(notebook_->size());
    adjustSize();
    const QSize designed = sizeHint();
    const QSize room = available.size() - kFrameRoom;
    QSize size = designed;
    if (designed.width() > room.width() || designed.height() > room.height()) {
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        pageArea_->setMinimumSize(0, 0);
        pageArea_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setMinimumSize(0, 0); // the layout's minimum from now on
        size = designed.boundedTo(room);
        resize(size);
    }
    // Centred, the top left corner inside the area even where it is larger.
    QRect placed(QPoint(0, 0), size + kFrameRoom);
    placed.moveCenter(available.center());
    move(std::max(placed.left(), available.left()), std::max(placed.top(), available.top()));
}

bool MainWindow::scrolling() const {
    return layout()->sizeConstraint() != QLayout::SetFixedSize;
}

bool MainWindow::buildPage(int index) {
    if (pageBinders_[index]) return false;
    QWidget* holder = notebook_->widget(index);
    holder->layout()->addWidget(MakePageWidget(bench_->main().page(index), index, holder));
    pageBinders_[index] =
        std::make_unique<Binder>(bench_->main().page(index), holder, [this] { syncAll(); });
    if (panel_ != nullptr) orderFocusChain();
    return true;
}

void MainWindow::orderFocusChain() {
    QWidget* last = tabs_;
    auto append = [&last](QWidget* root) {
        for (QWidget* w : root->findChildren<QWidget*>())
            if (TakesTabFocus(w)) {
                setTabOrder(last, w);
                last = w;
            }
    };
    for (int i = 0; i < kPageCount; ++i)
        if (pageBinders_[i]) append(notebook_->widget(i));
    append(panel_);
}

void MainWindow::stepPage(int step) {
    const int index = (bench_->main().pageIndex() + step + kPageCount) % kPageCount;
    bench_->main().selectPage(index);
    syncAll();
}

bool MainWindow::makeMaterialWindow() {
    if (material_ != nullptr) return false;
    material_ = MakeMaterialWindow(bench_->materialDialog(), this);
    materialBinder_ =
        std::make_unique<Binder>(bench_->materialDialog(), material_, [this] { syncAll(); });
    connect(material_, &QDialog::rejected, this, [this] {
        bench_->materialDialog().userClose();
        syncAll();
    });
    material_->installEventFilter(this);
    return true;
}

bool MainWindow::makeAdvisorWindow() {
    if (advisor_ != nullptr) return false;
    advisor_ = MakeAdvisorWindow(bench_->advisor(), this);
    advisorBinder_ = std::make_unique<Binder>(bench_->advisor(), advisor_, [this] { syncAll(); });
    connect(advisor_, &QDialog::rejected, this, [this] {
        bench_->advisor().close();
        syncAll();
    });
    return true;
}

QDialog* MainWindow::materialWindow() {
    if (makeMaterialWindow()) syncAll();
    return material_;
}

QDialog* MainWindow::advisorWindow() {
    if (makeAdvisorWindow()) syncAll();
    return advisor_;
}

HelpWindow& MainWindow::helpWindow() {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    return *help_;
}

void MainWindow::openTopic(int context) {
    helpWindow().openTopic(context);
}

bool MainWindow::buildNextPage() {
    bool built = false;
    for (int i = 0; i < kPageCount && !built; ++i)
        built = buildPage(i);
    if (built) syncAll();
    return built;
}

bool MainWindow::fullyBuilt() const {
    for (const auto& b : pageBinders_)
        if (!b) return false;
    return true;
}

void MainWindow::buildAll() {
    while (buildNextPage()) {
    }
    const bool material = makeMaterialWindow();
    if (makeAdvisorWindow() || material) syncAll();
}

void MainWindow::buildDeferred() {
    // Not while a message box runs its own event loop inside a handler: the
    // models may be half-way through their steps.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(20, this, &MainWindow::buildDeferred);
        return;
    }
    if (buildNextPage())
        QTimer::singleShot(0, this, &MainWindow::buildDeferred);
    else
        emit fullyBuiltNow();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    // The frame is flushed once this paint has run; the rest waits for the
    // next turn of the event loop.
    QTimer::singleShot(0, this, [this] {
        emit firstFrameShown();
        buildDeferred();
    });
}

void MainWindow::syncAll() {
    if (syncing_) return;
    MainWindowModel& model = bench_->main();
    buildPage(model.pageIndex());
    if (bench_->materialDialog().visible()) makeMaterialWindow();
    if (bench_->advisor().visible) makeAdvisorWindow();
    syncing_ = true;
    const bool hints = model.hintsShown();
    for (auto& b : pageBinders_)
        if (b) b->sync(hints);
    panelBinder_->sync(hints);
    if (materialBinder_) materialBinder_->sync(hints);
    if (advisorBinder_) advisorBinder_->sync(hints);
    // The hint switch always shows its own hint.
    if (auto* h = findChild<QWidget*>(QString::fromStdString(model.hintButton.name())))
        h->setToolTip(QString::fromStdString(model.hintButton.hint));
    for (QGroupBox* box : notebook_->findChildren<QGroupBox*>()) {
        if (!box->property(kHideWhenEmpty).toBool()) continue;
        bool any = false;
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
            any |= !b->isHidden();
        box->setHidden(!any);
    }
    notebook_->setCurrentIndex(model.pageIndex());
    tabs_->setCurrentIndex(model.pageIndex());
    setWindowTitle(QString::fromStdString(model.title()));
    if (material_ != nullptr)
        syncDialog(material_, bench_->materialDialog().visible(),
                   std::string(PreciseMaterialDialog::kCaption));
    if (advisor_ != nullptr)
        syncDialog(advisor_, bench_->advisor().visible, bench_->advisor().caption);
    syncing_ = false;
    if (model.closed()) close();
}

QStringList MainWindow::bindingFaults() const {
    QStringList faults;
    auto check = [&faults](const std::unique_ptr<Binder>& binder, const QString& part) {
        if (!binder) return;
        for (const std::string& name : binder->unbound())
            faults << part + ": no widget for " + QString::fromStdString(name);
        for (const std::string& name : binder->strays())
            faults << part + ": no control for " + QString::fromStdString(name);
    };
    for (int i = 0; i < kPageCount; ++i)
        check(pageBinders_[static_cast<size_t>(i)], QString("page %1").arg(i));
    check(panelBinder_, "button panel");
    check(materialBinder_, "material dialog");
    check(advisorBinder_, "advisor");
    return faults;
}

void MainWindow::syncDialog(QDialog* dialog, bool visible, const std::string& caption) {
    dialog->setWindowTitle(QString::fromStdString(caption));
    if (visible && !dialog->isVisible()) {
        dialog->show();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            dialog->move(screen->availableGeometry().center() - dialog->rect().center());
    } else if (!visible && dialog->isVisible()) {
        dialog->hide();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        bench_->main().activate();
        setWindowTitle(QString::fromStdString(bench_->main().title()));
    }
    QDialog::changeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // F1 reaches the window from any control that does not take it itself.
    if (event->key() == Qt::Key_F1) {
        bench_->main().helpKey();
        syncAll();
        return;
    }
    // An open list or menu takes its own Escape; the window ignores it, so
    // Escape never ends the program.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    // Focus frames from the first frame on, not only after the first Tab:
    // the tab strip takes the first focus and shows it.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // F1 in the precise-material dialog opens its own help topic.
    if (watched == material_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        bench_->materialDialog().userHelp();
        syncAll();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (help_) help_->hide();
    if (advisor_ != nullptr) advisor_->hide();
    if (material_ != nullptr) material_->hide();
    QDialog::closeEvent(event);
    QApplication::quit();
}

} // namespace zerbo::ui
