// SPDX-FileCopyrightText: 2026 The Zerbo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_window.h"

#include "shell/help_topics.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <cstddef>
#include <string_view>

namespace zerbo::ui {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QUrl PageUrl(const QString& page) { return QUrl("qrc:/manual/" + page); }

QString PlainText(const QString& page) {
    QFile file(":/manual/" + page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(file.readAll()));
    return doc.toPlainText();
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpWindow");
    // The desktop appends the application's name ("Hilfe — Zerbo").
    setWindowTitle("Hilfe");

    auto* side = new QWidget(this);
    auto* sv = new QVBoxLayout(side);
    sv->setContentsMargins(0, 0, 0, 0);
    search_ = new QLineEdit(side);
    search_->setObjectName("HelpSearch");
    search_->setPlaceholderText("Suchen ...");
    search_->setClearButtonEnabled(true);
    hits_ = new QLabel(side);
    hits_->setObjectName("HelpHits");
    contents_ = new QListWidget(side);
    contents_->setObjectName("HelpContents");
    for (const HelpTopic& t : HelpTopics()) {
        auto* item = new QListWidgetItem(Q(t.title), contents_);
        item->setData(Qt::UserRole, Q(t.page));
    }
    sv->addWidget(new QLabel("Inhalt:", side));
    sv->addWidget(contents_, 1);
    sv->addWidget(new QLabel("Suchbegriff:", side));
    sv->addWidget(search_);
    sv->addWidget(hits_);

    auto* main = new QWidget(this);
    auto* mv = new QVBoxLayout(main);
    mv->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel(main);
    title_->setObjectName("HelpTitle");
    QFont f = title_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    title_->setFont(f);
    text_ = new QTextBrowser(main);
    text_->setObjectName("HelpText");
    text_->setOpenLinks(true);
    text_->setOpenExternalLinks(false);
    mv->addWidget(title_);
    mv->addWidget(text_, 1);

    auto* split = new QSplitter(this);
    split->addWidget(side);
    split->addWidget(main);
    split->setStretchFactor(1, 1);
    split->setSizes({190, 610});

    auto* back = new QPushButton("Zurück", this);
    back->setObjectName("HelpBack");
    back->setEnabled(false);
    auto* home = new QPushButton("Übersicht", this);
    home->setObjectName("HelpHome");
    auto* close = new QPushButton("Schließen", this);
    close->setObjectName("HelpClose");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* box = new QVBoxLayout(this);
    box->addWidget(split, 1);
    box->addLayout(buttons);
    resize(820, 600);

    connect(back, &QPushButton::clicked, text_, &QTextBrowser::backward);
    connect(text_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this, [this] { openPage("index.html"); });
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(text_, &QTextBrowser::sourceChanged, this, &HelpWindow::shown);
    connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        openPage(item->data(Qt::UserRole).toString());
    });
    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::filter);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        // Enter opens the first topic found.
        for (int i = 0; i < contents_->count(); ++i)
            if (!contents_->item(i)->isHidden()) {
                openPage(contents_->item(i)->data(Qt::UserRole).toString());
                return;
            }
    });
    openPage("index.html");
}

void HelpWindow::openTopic(int context) {
    topic_ = context;
    const HelpTopic* t = FindHelpTopic(context);
    openPage(t != nullptr ? Q(t->page) : QString("index.html"));
    show();
    raise();
    activateWindow();
}

void HelpWindow::openPage(const QString& page) {
    if (this->page() == page)
        markWord();
    else
        text_->setSource(PageUrl(page));
}

QString HelpWindow::page() const { return text_->source().fileName(); }

void HelpWindow::shown(const QUrl& url) {
    const HelpTopic* t = FindHelpPage(url.fileName().toStdString());
    title_->setText(t != nullptr ? Q(t->title) : text_->documentTitle());
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(Qt::UserRole).toString() == url.fileName())
            contents_->setCurrentRow(i);
    markWord();
}

int HelpWindow::search(const QString& word) {
    search_->setText(word); // filters through textChanged
    int found = 0;
    for (int i = 0; i < contents_->count(); ++i) found += contents_->item(i)->isHidden() ? 0 : 1;
    return found;
}

void HelpWindow::filter(const QString& word) {
    // The topics' texts are read on the first search, not at start-up.
    if (plainTexts_.empty())
        for (const HelpTopic& t : HelpTopics()) plainTexts_.push_back(PlainText(Q(t.page)));
    const QString w = word.trimmed();
    int found = 0;
    for (int i = 0; i < contents_->count(); ++i) {
        const bool has =
            w.isEmpty() || plainTexts_[static_cast<std::size_t>(i)].contains(w, Qt::CaseInsensitive);
        contents_->item(i)->setHidden(!has);
        found += has ? 1 : 0;
    }
    if (w.isEmpty())
        hits_->clear();
    else if (found == 1)
        hits_->setText("1 Thema gefunden");
    else
        hits_->setText(QString("%1 Themen gefunden").arg(found));
    markWord();
}

void HelpWindow::markWord() {
    // Every place of the search word in the topic shown is marked, and the
    // first one is scrolled into view.
    QList<QTextEdit::ExtraSelection> marks;
    const QString w = search_->text().trimmed();
    if (!w.isEmpty()) {
        QTextCharFormat mark;
        mark.setBackground(QColor(255, 230, 80));
        QTextCursor at(text_->document());
        while (!(at = text_->document()->find(w, at)).isNull()) marks.append({at, mark});
        if (!marks.isEmpty()) {
            QTextCursor first = marks.first().cursor;
            first.clearSelection();
            text_->setTextCursor(first);
            text_->ensureCursorVisible();
        }
    }
    text_->setExtraSelections(marks);
}

} // namespace zerbo::ui
