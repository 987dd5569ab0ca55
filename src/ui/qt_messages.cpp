#include "ui/qt_messages.h"

#include "shell/help_topics.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zerbo::ui {

namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, std::string_view text) {
    QMessageBox box(icon, title, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent);
    box.setObjectName("MessageDialog");
    box.exec();
}

} // namespace

void QtMessages::error(std::string_view text) {
    Show(parent_, QMessageBox::Critical, "Fehler", text);
}

void QtMessages::information(std::string_view text) {
    Show(parent_, QMessageBox::Information, "Information", text);
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpWindow");
    setWindowTitle("Zerbo Hilfe");
    auto* box = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setObjectName("HelpTitle");
    QFont f = title_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    title_->setFont(f);
    text_ = new QTextBrowser(this);
    text_->setObjectName("HelpText");
    auto* close = new QPushButton("Schließen", this);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    box->addWidget(title_);
    box->addWidget(text_, 1);
    box->addWidget(close, 0, Qt::AlignRight);
    resize(420, 300);
}

void HelpWindow::openTopic(int context) {
    topic_ = context;
    const HelpTopic* t = FindHelpTopic(context);
    title_->setText(t != nullptr ? QString::fromUtf8(t->title.data(), t->title.size())
                                 : QString("Hilfe"));
    const std::string_view body = t != nullptr ? t->text : kNoHelpText;
    text_->setPlainText(QString::fromUtf8(body.data(), static_cast<qsizetype>(body.size())));
    show();
    raise();
}

} // namespace zerbo::ui
