#include "ui/main_window.h"

#include "ui/dialog_windows.h"
#include "ui/form.h"
#include "ui/page_widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zerbo::ui {

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == "." ? '.' : ',';
}

namespace {

QWidget* MakeButtonPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("ButtonPanel");
    auto* box = new QVBoxLayout(panel);
    auto* ok = new QPushButton("Beenden", panel);
    ok->setObjectName("OKBtn");
    ok->setIcon(panel->style()->standardIcon(QStyle::SP_DialogCloseButton));
    auto* help = new QPushButton("Hilfe", panel);
    help->setObjectName("HelpBtn");
    help->hide();
    auto* advisor = new QToolButton(panel);
    advisor->setObjectName("SpeedButton37");
    advisor->setIcon(panel->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    advisor->setIconSize(QSize(32, 32));
    advisor->setMinimumSize(48, 48);
    auto* hints = new QToolButton(panel);
    hints->setObjectName("SpeedButton51");
    hints->setCheckable(true);
    hints->setIcon(panel->style()->standardIcon(QStyle::SP_MessageBoxInformation));
    hints->setIconSize(QSize(32, 32));
    hints->setMinimumSize(48, 48);
    box->addWidget(ok);
    box->addWidget(help);
    box->addSpacing(12);
    box->addWidget(advisor, 0, Qt::AlignHCenter);
    box->addWidget(hints, 0, Qt::AlignHCenter);
    box->addStretch(1);
    return panel;
}

} // namespace

MainWindow::MainWindow(char decimalSeparator, QWidget* parent)
    : QDialog(parent), help_(std::make_unique<HelpWindow>()) {
    setObjectName("TMultPageDlg2");
    messages_.setParent(this);
    bench_ = std::make_unique<Workbench>(
        messages_, *help_, decimalSeparator != 0 ? decimalSeparator : SystemDecimalSeparator());
    MainWindowModel& model = bench_->main();
    setWindowTitle(QString::fromStdString(model.title()));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* outer = new QHBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize); // a fixed border
    auto* left = new QVBoxLayout;
    notebook_ = new QStackedWidget(this);
    notebook_->setObjectName("Notebook");
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabSet");
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    for (int i = 0; i < kPageCount; ++i) {
        QWidget* page = MakePageWidget(i, notebook_);
        page->setObjectName(QString("Page%1").arg(i));
        notebook_->addWidget(page);
        tabs_->addTab(QString::fromStdString(model.page(i).caption()));
    }
    left->addWidget(notebook_, 1);
    left->addWidget(tabs_);
    outer->addLayout(left, 1);
    QWidget* panel = MakeButtonPanel(this);
    outer->addWidget(panel);

    auto after = [this] { syncAll(); };
    for (int i = 0; i < kPageCount; ++i)
        binders_.push_back(std::make_unique<Binder>(model.page(i), notebook_->widget(i), after));
    binders_.push_back(std::make_unique<Binder>(model, panel, after));

    material_ = MakeMaterialWindow(this);
    binders_.push_back(std::make_unique<Binder>(bench_->materialDialog(), material_, after));
    connect(material_, &QDialog::rejected, this, [this] {
        bench_->materialDialog().userClose();
        syncAll();
    });
    material_->installEventFilter(this);

    advisor_ = MakeAdvisorWindow(this);
    binders_.push_back(std::make_unique<Binder>(bench_->advisor(), advisor_, after));
    connect(advisor_, &QDialog::rejected, this, [this] {
        bench_->advisor().close();
        syncAll();
    });

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (syncing_) return;
        bench_->main().selectPage(index);
        syncAll();
    });
    syncAll();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::syncAll() {
    if (syncing_) return;
    syncing_ = true;
    MainWindowModel& model = bench_->main();
    const bool hints = model.hintsShown();
    for (auto& b : binders_) b->sync(hints);
    // The hint switch always shows its own hint.
    if (auto* h = findChild<QWidget*>("SpeedButton51"))
        h->setToolTip(QString::fromStdString(model.hintBtn.hint));
    for (QGroupBox* box : notebook_->findChildren<QGroupBox*>()) {
        if (!box->property(kHideWhenEmpty).toBool()) continue;
        bool any = false;
        for (QAbstractButton* b : box->findChildren<QAbstractButton*>()) any |= !b->isHidden();
        box->setHidden(!any);
    }
    notebook_->setCurrentIndex(model.pageIndex());
    tabs_->setCurrentIndex(model.pageIndex());
    setWindowTitle(QString::fromStdString(model.title()));
    syncDialog(material_, bench_->materialDialog().visible(),
               std::string(PreciseMaterialDialog::kCaption));
    syncDialog(advisor_, bench_->advisor().visible, bench_->advisor().caption);
    syncing_ = false;
    if (model.closed()) close();
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
    QDialog::keyPressEvent(event);
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
    help_->hide();
    advisor_->hide();
    material_->hide();
    QDialog::closeEvent(event);
    QApplication::quit();
}

} // namespace zerbo::ui
